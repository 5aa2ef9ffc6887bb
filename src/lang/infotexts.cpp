// The information and notes texts. Each language is kept as a whole text,
// one array per language, so that a translator reads it as prose; the line
// breaks are the windows' own, and a language file's lines follow them.
// The notes name the workspace's controls as their hints name them in each
// language, so that the guide matches the screen.
#include "lang/infotexts.h"

#include "lang/languagetables.h"

#include <array>
#include <iterator>
#include <span>

namespace InfoTexts {

namespace {

constexpr const char *InformationItalian[] = {
    "Aralda: le trasformazioni geometriche viste in movimento",
    "",
    "Aralda accompagna lo studio delle trasformazioni geometriche",
    "nella scuola secondaria. Alla lavagna una trasformazione si",
    "disegna già compiuta; qui la si vede avvenire: la figura si",
    "sposta sul reticolo e lascia la traccia del suo percorso.",
    "",
    "IL PIANO DI LAVORO",
    "Una figura (un punto, un segmento, un triangolo, un",
    "quadrilatero o una circonferenza) subisce una o due",
    "trasformazioni:",
    "- la traslazione sposta ogni punto dello stesso vettore;",
    "- la rotazione fa girare ogni punto attorno a un centro;",
    "- la simmetria riflette la figura rispetto a un punto o a",
    "  una retta, anche y = mx + q;",
    "- l'omotetia allontana o avvicina i punti a un centro secondo",
    "  il rapporto k, e con k negativo li porta dall'altra parte;",
    "- la dilatazione allunga o accorcia lungo gli assi x e y;",
    "- l'inclinazione fa scorrere i punti parallelamente a un asse",
    "  e conserva le aree;",
    "- l'affinità generica, x' = ax + by + c, y' = a'x + b'y + c',",
    "  le comprende tutte.",
    "Le coordinate dei vertici e i parametri si scelgono con le",
    "frecce, senza scrivere numeri.",
    "",
    "COMPOSIZIONE E ORDINE",
    "Con due trasformazioni la figura subisce la prima e poi la",
    "seconda. La sequenza inversa applica le stesse trasformazioni",
    "in ordine opposto e lascia sullo schermo entrambi i risultati:",
    "se le immagini finali coincidono le trasformazioni commutano.",
    "Due traslazioni commutano sempre, come due rotazioni con lo",
    "stesso centro; una rotazione e una traslazione in generale no.",
    "",
    "CAMBIO DI RIFERIMENTO",
    "In modo Assi la figura resta ferma e si muovono gli assi: lo",
    "stesso punto riceve coordinate nuove. Spostare gli assi del",
    "vettore v cambia le coordinate come spostare la figura di -v,",
    "e ruotare gli assi equivale a ruotare la figura all'indietro.",
    "La sovrapposizione mette a confronto il risultato ottenuto",
    "muovendo la figura con quello ottenuto muovendo gli assi.",
    "",
    "LA TABELLA",
    "La tabella raccoglie le coordinate dei vertici dopo ogni passo,",
    "i parametri e le matrici delle trasformazioni. Il prodotto",
    "delle matrici dà la composizione; confrontando i due prodotti",
    "si vede subito se l'ordine conta.",
    "",
    "ROTAZIONI NELLO SPAZIO",
    "Un cubo dalle facce colorate ruota di quarti di giro attorno",
    "agli assi x, y e z, secondo un programma di tre rotazioni al",
    "più. Eseguite le stesse rotazioni in un altro ordine: il cubo",
    "mostra spesso un'altra faccia. Nello spazio anche le rotazioni",
    "attorno a uno stesso punto, in generale, non commutano.",
    "",
    "LA CALCOLATRICE",
    "La calcolatrice valuta espressioni con funzioni, potenze, gradi",
    "o radianti e una memoria: serve a controllare i seni, i coseni",
    "e i prodotti delle matrici che compaiono nella tabella.",
    "",
    "IN CLASSE",
    "Con un proiettore l'insegnante chiede di prevedere dove finirà",
    "la figura prima di premere «continua», poi confronta la",
    "previsione con l'animazione. Alcune scoperte da far fare:",
    "- due simmetrie con assi paralleli danno una traslazione;",
    "- due simmetrie con assi incidenti danno una rotazione;",
    "- l'omotetia di rapporto -1 è la simmetria rispetto al centro;",
    "- la dilatazione con a = b è un'omotetia di centro l'origine;",
    "- una rotazione di 90 gradi ripetuta quattro volte riporta",
    "  la figura al punto di partenza.",
    "Gli studenti scrivono le coordinate sul quaderno e le",
    "controllano poi nella tabella.",
    "",
    "LINGUE E GUIDA",
    "Tutti i testi esistono in italiano, inglese e francese; una",
    "quarta lingua si carica da un file preparato da un traduttore.",
    "Ogni finestra ha la sua pagina di guida, che si apre con il",
    "pulsante della guida o con il tasto F1.",
    "",
    "Aralda è nato in un laboratorio di matematica, da insegnanti",
    "che volevano mostrare in movimento ciò che alla lavagna resta",
    "fermo. Proposte e segnalazioni sono benvenute: scriveteci dal",
    "menu «?» o visitate il sito indicato qui sotto.",
};

constexpr const char *InformationEnglish[] = {
    "Aralda: geometric transformations seen in motion",
    "",
    "Aralda supports the study of geometric transformations in",
    "secondary school. On the blackboard a transformation is drawn",
    "already done; here it is seen happening: the figure moves over",
    "the grid and leaves the trace of its path behind.",
    "",
    "THE PLANE WORKSPACE",
    "A figure (a point, a segment, a triangle, a quadrilateral",
    "or a circle) undergoes one or two of the seven",
    "transformations:",
    "- a translation moves every point by the same vector;",
    "- a rotation turns every point about a centre;",
    "- a symmetry reflects the figure in a point or in a line,",
    "  even in y = mx + q;",
    "- a homothety moves points away from or towards a centre by",
    "  the ratio k, and with k negative takes them to the other side;",
    "- a scaling stretches or shrinks along the x and y axes;",
    "- a shear slides points parallel to an axis",
    "  and keeps areas;",
    "- the general affinity, x' = ax + by + c, y' = a'x + b'y + c',",
    "  contains them all.",
    "Vertices and parameters are set with the arrows, without",
    "typing numbers.",
    "",
    "COMPOSITION AND ORDER",
    "With two transformations the figure undergoes the first, then",
    "the second. The inverse sequence applies the same two in the",
    "opposite order and leaves both results on the screen: if the",
    "final images coincide, the transformations commute. Two",
    "translations always commute, as do two rotations about the",
    "same centre; a rotation and a translation in general do not.",
    "",
    "CHANGE OF FRAME",
    "In Frame mode the figure stays still and the axes move: the",
    "same point gets new coordinates. Moving the axes by a vector v",
    "changes the coordinates as moving the figure by -v would, and",
    "turning the axes is the same as turning the figure backwards.",
    "The superimposition compares the result of moving the figure",
    "with the result of moving the axes.",
    "",
    "THE TABLE",
    "The table collects the coordinates of the vertices after each",
    "step, the parameters and the matrices of the transformations.",
    "The product of the matrices gives the composition; comparing",
    "the two products shows at once whether the order matters.",
    "",
    "ROTATIONS IN SPACE",
    "A cube with coloured faces turns in quarter turns about the x,",
    "y and z axes, following a schedule of up to three rotations.",
    "Run the same rotations in another order: the cube often shows",
    "another face. In space even rotations about the same point do",
    "not commute in general.",
    "",
    "THE CALCULATOR",
    "The calculator evaluates expressions with functions, powers,",
    "degrees or radians and a memory: use it to check the sines,",
    "cosines and matrix products that the table shows.",
    "",
    "IN CLASS",
    "With a projector, the teacher asks where the figure will end",
    "before \"continue\" is pressed, then compares the guess with the",
    "animation. Some discoveries to let students make:",
    "- two reflections in parallel lines give a translation;",
    "- two reflections in crossing lines give a rotation;",
    "- the homothety of ratio -1 is the symmetry in its centre;",
    "- a scaling with a = b is a homothety centred at the origin;",
    "- a rotation of 90 degrees done four times brings the figure",
    "  back where it started.",
    "Students write the coordinates in their exercise books and",
    "check them afterwards in the table.",
    "",
    "LANGUAGES AND HELP",
    "Every text exists in Italian, English and French; a fourth",
    "language is loaded from a file prepared by a translator.",
    "Each window has its own help page, opened by its help button",
    "or by the F1 key.",
    "",
    "Aralda was born in a mathematics workshop, from teachers who",
    "wanted to show in motion what stays still on the blackboard.",
    "Ideas and reports are welcome: write to us from the \"?\" menu",
    "or visit the site named below.",
};

constexpr const char *InformationFrench[] = {
    "Aralda: les transformations géométriques en mouvement",
    "",
    "Aralda accompagne l'étude des transformations géométriques à",
    "l'école secondaire. Au tableau, une transformation se dessine",
    "déjà faite; ici, on la voit se faire: la figure se déplace sur",
    "le quadrillage et laisse la trace de son chemin.",
    "",
    "LE PLAN DE TRAVAIL",
    "Une figure (un point, un segment, un triangle, un",
    "quadrilatère ou un cercle) subit une ou deux",
    "transformations:",
    "- la translation déplace chaque point du même vecteur;",
    "- la rotation fait tourner chaque point autour d'un centre;",
    "- la symétrie réfléchit la figure par rapport à un point ou",
    "  à une droite, même y = mx + q;",
    "- l'homothétie éloigne ou rapproche les points d'un centre",
    "  selon le rapport k, et avec k négatif les fait passer de",
    "  l'autre côté;",
    "- la dilatation allonge ou raccourcit selon les axes x et y;",
    "- l'inclinaison fait glisser les points parallèlement à un",
    "  axe et conserve les aires;",
    "- l'affinité générale, x' = ax + by + c, y' = a'x + b'y + c',",
    "  les contient toutes.",
    "Sommets et paramètres se règlent avec les flèches.",
    "",
    "COMPOSITION ET ORDRE",
    "Avec deux transformations, la figure subit la première, puis",
    "la seconde. La séquence inverse applique les mêmes dans l'ordre",
    "opposé et laisse les deux résultats à l'écran: si les images",
    "finales coïncident, les transformations commutent. Deux",
    "translations commutent toujours, comme deux rotations de même",
    "centre; une rotation et une translation, en général, non.",
    "",
    "CHANGEMENT DE REPÈRE",
    "En mode Repère, la figure reste immobile et les axes bougent:",
    "le même point reçoit de nouvelles coordonnées. Déplacer les",
    "axes d'un vecteur v change les coordonnées comme déplacer la",
    "figure de -v, et tourner les axes revient à tourner la figure",
    "en sens contraire. La superposition compare le résultat obtenu",
    "en bougeant la figure avec celui obtenu en bougeant les axes.",
    "",
    "LE TABLEAU",
    "Le tableau réunit les coordonnées des sommets après chaque",
    "étape, les paramètres et les matrices des transformations. Le",
    "produit des matrices donne la composition; en comparant les",
    "deux produits, on voit tout de suite si l'ordre compte.",
    "",
    "ROTATIONS DANS L'ESPACE",
    "Un cube aux faces colorées tourne par quarts de tour autour",
    "des axes x, y et z, selon un programme de trois rotations au",
    "plus. Refaites les mêmes rotations dans un autre ordre: le cube",
    "montre souvent une autre face. Dans l'espace, même les",
    "rotations autour d'un même point ne commutent pas en général.",
    "",
    "LA CALCULATRICE",
    "La calculatrice évalue des expressions (fonctions, puissances,",
    "degrés ou radians, mémoire): elle sert à vérifier les sinus,",
    "les cosinus et les produits de matrices que montre le tableau.",
    "",
    "EN CLASSE",
    "Avec un projecteur, l'enseignant demande où finira la figure",
    "avant d'appuyer sur «continue», puis compare la prévision avec",
    "l'animation. Quelques découvertes à faire faire:",
    "- deux symétries d'axes parallèles donnent une translation;",
    "- deux symétries d'axes sécants donnent une rotation;",
    "- l'homothétie de rapport -1 est une symétrie centrale;",
    "- la dilatation avec a = b est une homothétie de centre O;",
    "- une rotation de 90 degrés répétée quatre fois ramène la",
    "  figure à son point de départ.",
    "Les élèves notent les coordonnées dans leur cahier et les",
    "vérifient ensuite dans le tableau.",
    "",
    "LANGUES ET AIDE",
    "Tous les textes existent en italien, anglais et français; une",
    "quatrième langue se charge depuis un fichier de traducteur.",
    "Chaque fenêtre a sa page d'aide, ouverte par son bouton d'aide",
    "ou par la touche F1.",
    "",
    "Aralda est né dans un atelier de mathématiques, chez des",
    "enseignants qui voulaient montrer en mouvement ce qui reste",
    "immobile au tableau. Idées et remarques sont les bienvenues:",
    "écrivez-nous depuis le menu «?» ou visitez le site ci-dessous.",
};

constexpr const char *NotesItalian[] = {
    "",
    " 1.   Scelta della simulazione:",
    "      in «punto di vista» scegliere «Figura» per",
    "      trasformare la figura, o «Assi» per il cambio",
    "      di riferimento (si muovono gli assi).",
    " 2.   Numero di trasformazioni:",
    "      con le frecce di «numero di trasformazioni»",
    "      scegliere 1 o 2 (in modo «Assi» una sola).",
    " 3.   Premere «nuova figura»:",
    "      scegliere la figura e le coordinate dei",
    "      vertici, poi «Conferma»; con «pulisce lo",
    "      schermo» spuntato il disegno di prima sparisce.",
    " 4.   Scelta delle trasformazioni:",
    "      nel primo elenco scegliere la prima",
    "      trasformazione e fissarne i parametri; con due",
    "      trasformazioni, la seconda nel secondo elenco.",
    " 5.   Premere «continua»:",
    "      la figura (o gli assi) si muove; con due",
    "      trasformazioni premere ancora «continua» per",
    "      la seconda. Il messaggio in basso indica il",
    "      tasto da premere.",
    "",
    " 6.   Premere «sequenza inversa»:",
    "      le due trasformazioni in ordine opposto, un",
    "      «continua» per passo; se le due immagini",
    "      finali coincidono, le trasformazioni commutano.",
    " 7.   Premere «tabella»:",
    "      coordinate dei vertici dopo ogni passo,",
    "      parametri e matrici delle trasformazioni.",
    "      (si apre dopo «nuova figura»).",
    " 8.   Premere «pulisce lo schermo»:",
    "      resta la figura iniziale e «continua» riparte;",
    "      anche «riduce le figure» (100%, 50%, 33%)",
    "      pulisce e ridisegna nella nuova scala.",
    " 9.   Premere «sovrapposizione»:",
    "      dopo una trasformazione in modo «Figura» e una",
    "      in modo «Assi», i due risultati appaiono",
    "      sovrapposti: la figura mossa e gli assi mossi.",
    "",
    "10.   Per ricominciare: «nuova figura» (punto 3)",
    "      o un altro punto di vista (punto 1).",
    "",
    "      Con il mouse su un tasto appare il suo nome; il",
    "      clic destro sulla barra in alto nasconde i nomi",
    "      o cambia l'aspetto dei tasti. Il tasto «guida»",
    "      apre la pagina di aiuto del piano di lavoro;",
    "      questa finestra si chiude con «OK».",
};

constexpr const char *NotesEnglish[] = {
    "",
    " 1.   Choice of the simulation:",
    "      in \"point of view\" choose \"Figure\" to move the",
    "      figure, or \"Frame\" for the change of frame (the",
    "      axes move, the figure stays).",
    " 2.   Number of transformations:",
    "      with the arrows of \"number of transformations\"",
    "      choose 1 or 2 (only one in \"Frame\" mode).",
    " 3.   Press \"new figure\":",
    "      choose the figure and the coordinates of its",
    "      vertices, then \"OK\"; with \"clears the screen\"",
    "      ticked the earlier drawing is wiped out.",
    " 4.   Choice of the transformations:",
    "      in the first list choose the first",
    "      transformation and set its parameters; with two",
    "      transformations, the second in the second list.",
    " 5.   Press \"continue\":",
    "      the figure (or the axes) moves; with two",
    "      transformations press \"continue\" again for the",
    "      second. The message at the bottom shows the",
    "      button to press.",
    "",
    " 6.   Press \"inverse sequence\":",
    "      the two transformations in the opposite order,",
    "      one \"continue\" per step; if the two final",
    "      images coincide, the transformations commute.",
    " 7.   Press \"table\":",
    "      coordinates of the vertices after each step,",
    "      parameters and matrices of the transformations.",
    "      (available after \"new figure\").",
    " 8.   Press \"clears the screen\":",
    "      the starting figure is left, and \"continue\"",
    "      starts again; \"reduces the figures\" (100%, 50%,",
    "      33%) clears too and redraws at the new scale.",
    " 9.   Press \"superimposition\":",
    "      after a transformation in \"Figure\" mode and one",
    "      in \"Frame\" mode, the two results are shown one",
    "      over the other: moved figure and moved axes.",
    "",
    "10.   To start again: \"new figure\" (step 3) or",
    "      another point of view (step 1).",
    "",
    "      With the mouse on a button its name appears; a",
    "      right click on the top bar hides the names or",
    "      changes the look of the buttons. The \"help\"",
    "      button opens the help page of the workspace;",
    "      this window closes with \"OK\".",
};

constexpr const char *NotesFrench[] = {
    "",
    " 1.   Choix de la simulation:",
    "      dans «point de vue» choisir «Figure» pour",
    "      bouger la figure, ou «Repère» pour le",
    "      changement de repère (les axes bougent).",
    " 2.   Nombre de transformations:",
    "      avec les flèches de «nombre de transformations»",
    "      choisir 1 ou 2 (une seule en mode «Repère»).",
    " 3.   Appuyer sur «nouvelle figure»:",
    "      choisir la figure et les coordonnées de ses",
    "      sommets, puis «OK»; si «nettoie l'écran» est",
    "      coché, le dessin précédent disparaît.",
    " 4.   Choix des transformations:",
    "      dans la première liste choisir la première",
    "      transformation et régler ses paramètres; avec",
    "      deux, la seconde dans la seconde liste.",
    " 5.   Appuyer sur «continue»:",
    "      la figure (ou les axes) bouge; avec deux",
    "      transformations appuyer encore sur «continue»",
    "      pour la seconde. Le message en bas montre le",
    "      bouton sur lequel appuyer.",
    "",
    " 6.   Appuyer sur «séquence inverse»:",
    "      les deux transformations dans l'ordre opposé,",
    "      un «continue» par étape; si les deux images",
    "      finales coïncident, elles commutent.",
    " 7.   Appuyer sur «tableau»:",
    "      coordonnées des sommets après chaque étape,",
    "      paramètres et matrices des transformations.",
    "      (disponible après «nouvelle figure»).",
    " 8.   Appuyer sur «nettoie l'écran»:",
    "      la figure de départ reste et «continue»",
    "      recommence; «réduit les figures» (100%, 50%,",
    "      33%) nettoie aussi et redessine à l'échelle.",
    " 9.   Appuyer sur «superposition»:",
    "      après une transformation en mode «Figure» et",
    "      une en mode «Repère», les deux résultats sont",
    "      superposés: figure déplacée et axes déplacés.",
    "",
    "10.   Pour recommencer: «nouvelle figure» (point 3)",
    "      ou un autre point de vue (point 1).",
    "",
    "      Avec la souris sur un bouton, son nom apparaît;",
    "      un clic droit sur la barre du haut cache les",
    "      noms ou change l'aspect des boutons. Le bouton",
    "      «aide» ouvre la page d'aide du plan de travail;",
    "      cette fenêtre se ferme avec «OK».",
};

static_assert(std::size(InformationItalian) == InformationLineCount);
static_assert(std::size(InformationEnglish) == InformationLineCount);
static_assert(std::size(InformationFrench) == InformationLineCount);
static_assert(std::size(NotesItalian) == NotesLineCount);
static_assert(std::size(NotesEnglish) == NotesLineCount);
static_assert(std::size(NotesFrench) == NotesLineCount);

using Column = std::span<const char *const>;

// Three columns only: the loaded language never has a built-in text here.
constexpr std::array<Column, 3> InformationColumns{InformationItalian, InformationEnglish, InformationFrench};
constexpr std::array<Column, 3> NotesColumns{NotesItalian, NotesEnglish, NotesFrench};

constexpr int PrefixLength = 3;

QString builtInLine(const std::array<Column, 3> &columns, int line, int column)
{
    if (column < 0 || column >= int(columns.size()) || line < 0 || line >= int(columns[column].size()))
        return {};
    return QString::fromUtf8(columns[column][line]);
}

// A line of the loaded language file without its prefix; a file shorter
// than expected gives empty lines rather than failing.
QString loadedLine(int fileLine)
{
    const QStringList &lines = Language.LanguageLines;
    return fileLine < lines.size() ? lines.at(fileLine).mid(PrefixLength) : QString();
}

} // namespace

QString builtInInformationLine(int line, int column)
{
    return builtInLine(InformationColumns, line, column);
}

QString builtInNotesLine(int line, int column)
{
    return builtInLine(NotesColumns, line, column);
}

QStringList informationLines(int column)
{
    QStringList lines;
    for (int line = 0; line < InformationLineCount; ++line)
        lines.append(column == LoadedLanguage ? loadedLine(line) : builtInInformationLine(line, column));
    return lines;
}

QStringList notesLines(int column)
{
    QStringList lines;
    for (int line = 0; line < NotesLineCount; ++line) {
        // A language file has no line for line 0, which stays empty.
        const bool fromFile = column == LoadedLanguage && line > 0;
        lines.append(fromFile ? loadedLine(NotesFirstFileLine + line - 1) : builtInNotesLine(line, column));
    }
    return lines;
}

} // namespace InfoTexts
