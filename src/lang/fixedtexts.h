#pragma once

// Texts that read the same in every language: names and addresses.
namespace FixedTexts {

inline constexpr const char *AuthorName = "Gruppo di lavoro Aralda";
inline constexpr const char *SchoolName = "Laboratorio di matematica - Scuola secondaria";
inline constexpr const char *AuthorMail = "mailto:aralda@example.org";
inline constexpr const char *HomePage = "https://aralda.example.org/";

// The parameter dialogs' pop-up item, in Italian in every language.
inline constexpr const char *ShowHintsItem = "Mostra suggerimenti";

// Labels beside the dialogs' value fields, spaced as the design spaces them.
inline constexpr const char *FigureXaLabel = "Xa = ";
inline constexpr const char *FigureYaLabel = "Ya = ";
inline constexpr const char *FigureXbLabel = "Xb  =";
inline constexpr const char *FigureYbLabel = "Yb = ";
inline constexpr const char *FigureXcLabel = "Xc =";
inline constexpr const char *FigureYcLabel = "Yc = ";
inline constexpr const char *FigureXdLabel = "Xd =";
inline constexpr const char *FigureYdLabel = "Yd = ";
inline constexpr const char *FigureRadiusLabel = "R =";
inline constexpr const char *TranslationXLabel = "x  =";
inline constexpr const char *TranslationYLabel = "y  =";
inline constexpr const char *RotationCentreXLabel = "Xc = ";
inline constexpr const char *RotationCentreYLabel = "Yc =";
// Written "a° = " in the Symbol typeface, whose "a" is the Greek alpha; the
// letter itself is portable where that typeface is not.
inline constexpr const char *RotationAngleLabel = "\u03B1° = ";
// The symmetry dialog: its kinds, in the order of `SymmetryKind`, and its
// labels; the angle's "a" was a Symbol-typeface alpha, as in the rotation.
inline constexpr const char *SymmetryKindItems[] = {
    "P (x, y)", "x = cost", "y = cost", "y = x", "y = -x", "y = mx + q",
};
inline constexpr const char *SymmetryXLabel = "x = ";
inline constexpr const char *SymmetryYLabel = "y =";
inline constexpr const char *SymmetryAngleLabel = "\u03B1 =";
inline constexpr const char *SymmetrySlopeLabel = "m =";
inline constexpr const char *SymmetryQLabel = "q =";
// The slope of a vertical axis.
inline constexpr const char *InfiniteSlope = "inf";
// The homothety dialog. The label before the ratio carries the ratio's sign.
inline constexpr const char *HomothetyCentreXLabel = "Xc = ";
inline constexpr const char *HomothetyCentreYLabel = "Yc =";
inline constexpr const char *PositiveRatioLabel = "k = ";
inline constexpr const char *NegativeRatioLabel = "k = -";
// The dilation and shear dialogs.
inline constexpr const char *DilationXLabel = "a = ";
inline constexpr const char *DilationYLabel = "b =";
inline constexpr const char *ShearAxisItems[] = {" x", " y"};
inline constexpr const char *ShearLabel = "k =";
// The affinity dialog: its formula, the label of each coefficient and its
// name in the error line, both in the order c, a, b, c', a', b' of the
// stored texts; and the evaluator's message for an empty field, which the
// dialog never shows.
inline constexpr const char *AffineFormulaX = "x'  =  a x +  b y  +  c";
inline constexpr const char *AffineFormulaY = "y'  =  a' x +  b' y  +  c'";
inline constexpr const char *AffineFieldLabels[] = {"c = ", "a =", "b =", "c' = ", "a' = ", "b' = "};
inline constexpr const char *AffineErrorLabels[] = {"c  ", "a  ", "b  ", "c'  ", "a'  ", "b'  "};
inline constexpr const char *AffineErrorPrefix = "Error in:  ";
inline constexpr const char *EmptyExpression = "Stringa vuota";

// The space window's axis letters, x y z: upper case in the step labels,
// lower case in the legend.
inline constexpr const char *AxisLetters = "xyz";
// The space window's pop-up menu, in Italian in every language.
inline constexpr const char *SpaceShowHintsItem = "mostra suggerimenti";
inline constexpr const char *SpaceFlatButtonsItem = "pulsanti piatti";

// The expression evaluator's messages by error code (1 to 7), English in
// every language; code 0 is success.
inline constexpr const char *EvalMessages[] = {
    "",
    "arcsin or arccos out of range",
    "syntax error",
    "out of range",
    "out of range",
    "log out of range",
    "division by 0",
    "overflow",
};

// Calculator keys whose caption is not the text they add to the expression.
// Division, multiplication and pi were drawn in the Symbol typeface; the
// characters themselves are portable where that typeface is not.
inline constexpr const char *CalculatorDivide = "\u00F7";
inline constexpr const char *CalculatorMultiply = "\u00D7";
inline constexpr const char *CalculatorPi = "\u03C0";
inline constexpr const char *CalculatorEquals = "=";
inline constexpr const char *CalculatorClear = "C";
inline constexpr const char *CalculatorMemoryAdd = "M+";
inline constexpr const char *CalculatorMemorySubtract = "M-";
inline constexpr const char *CalculatorMemoryClear = "CM";
inline constexpr const char *CalculatorHelp = "?";
inline constexpr const char *CalculatorOff = "Off";
// Spoken names of the keys that show a picture or a lone letter.
inline constexpr const char *CalculatorSquareRootName = "square root";
inline constexpr const char *CalculatorDeleteName = "delete last character";
inline constexpr const char *CalculatorClearName = "clear";
inline constexpr const char *CalculatorPiName = "pi";
inline constexpr const char *CalculatorEName = "Euler's number";
inline constexpr const char *EvalEmptyExpression = "aralda: the expression is empty";
// Any command-line mode's output, followed by the system's reason.
inline constexpr const char *OutputNotWritten = "aralda: the output could not be written: ";

// The plane workspace. Letters of the axes, of the vertices and of a circle's
// centre, and the texts whose extents size the workspace's marks.
inline constexpr const char *AxisX = "x";
inline constexpr const char *AxisY = "y";
inline constexpr const char *MeasureX = "X";
inline constexpr const char *MeasureA = "A";
inline constexpr const char *VertexLetters = "ABCD";
inline constexpr const char *CircleCentre = "0";
inline constexpr const char *ZoomLevels[] = {"100%", "50%", "33%"};
// The widths of the bottom panel's texts are those of these samples.
inline constexpr const char *MessageWidthSample = "Scegliere la II trasformazioneeeeeee";
inline constexpr const char *SequenceWidthSample = "direttaoooo";
inline constexpr const char *KindWidthSample = "ingrusciamentuooo";
inline constexpr const char *ModeWidthSample = "trasformazione geometricaooossss";
inline constexpr const char *ReadoutWidthSample = "123,5;234,8---123,5;234,8";
// The file type offered when a window's picture is saved.
// The picture formats the save dialog offers, each with the ending it adds
// to a name typed without one.
inline constexpr const char *PictureFilters[][2] = {
    {"PNG (*.png)", "png"}, {"JPEG (*.jpg *.jpeg)", "jpg"}, {"BMP (*.bmp)", "bmp"}};
// Offered beside them by a window that can draw its picture again as shapes.
inline constexpr const char *VectorPictureFilters[][2] = {{"SVG (*.svg)", "svg"}, {"PDF (*.pdf)", "pdf"}};
// The workspace's pop-up menu, in Italian in every language.
inline constexpr const char *PlaneShowHintsItem = "&mostra suggerimenti";
inline constexpr const char *PlaneFlatItem = "&aspetto piatto";

// The workspace's data table, in Italian in every language; only the names
// of the transformations it shows follow the language. The caption begins
// with two blanks, as the window was captioned.
inline constexpr const char *TableCaption = "  Dati delle trasformazioni";
inline constexpr const char *TablePageCaptions[] = {"Coordinate dei vertici", "Parametri delle trasformazioni",
                                                    "Matrici delle trasformazioni"};
inline constexpr const char *TableCloseHint = "Chiude finestra";
inline constexpr const char *TableInitialTitle = "Coordinate iniziali";
inline constexpr const char *TableDirectTitle = "Sequenza diretta";
inline constexpr const char *TableInverseTitle = "Sequenza inversa";
// A vertex reads A(15;11): its letter, then these around the coordinates.
inline constexpr const char *TableVertexOpen = "(";
inline constexpr const char *TableVertexSeparator = ";";
inline constexpr const char *TableVertexClose = ")";
// The parameters, each text followed by its value. The angle's and the
// dilation's labels were written in the Symbol typeface, where "a" and "b"
// are the Greek alpha and beta.
inline constexpr const char *TableTranslationX = "dx = ";
inline constexpr const char *TableTranslationY = "dy = ";
inline constexpr const char *TableCentreX = "Xc = ";
inline constexpr const char *TableCentreY = "Yc = ";
inline constexpr const char *TableRotationAngle = "a = ";
inline constexpr const char *TableAboutPoint = "rispetto a P(";
inline constexpr const char *TableAboutPointSeparator = ", ";
inline constexpr const char *TableAboutPointClose = ")";
inline constexpr const char *TableAboutVertical = "rispetto ad x = ";
inline constexpr const char *TableAboutHorizontal = "rispetto ad y = ";
inline constexpr const char *TableAboutDiagonal = "rispetto ad y = x";
inline constexpr const char *TableAboutAntidiagonal = "rispetto ad y = - x";
inline constexpr const char *TableAboutYAxis = "rispetto ad x = 0";
inline constexpr const char *TableAboutLine = "rispetto ad y = mx + q";
inline constexpr const char *TableSlope = "m = ";
inline constexpr const char *TableIntercept = "q = ";
inline constexpr const char *TableRatio = "K = ";
inline constexpr const char *TableDilationX = "a = ";
inline constexpr const char *TableDilationY = "b = ";
inline constexpr const char *TableShear = "k = ";
// A circle's radius, lettered as the figure dialog letters its field.
inline constexpr const char *TableRadius = "R = ";
// The single transformation a composition amounts to, on the table's
// "Composizione" page, in Italian like its other pages.
inline constexpr const char *CompositionCaption = "Composizione";
inline constexpr const char *CompositionShow = "Mostra";
inline constexpr const char *CompositionDirectTitle = "M₂·M₁: prima M₁, poi M₂ (sequenza diretta)";
inline constexpr const char *CompositionInverseTitle = "M₁·M₂: prima M₂, poi M₁ (sequenza inversa)";
inline constexpr const char *CompositionSingleTitle = "M₁";
inline constexpr const char *CompositionDeterminant = "det = %1    aree × %2    %3";
inline constexpr const char *CompositionSingular = "det = 0    aree → 0";
inline constexpr const char *CompositionKeeps = "orientamento conservato";
inline constexpr const char *CompositionReverses = "orientamento invertito";
inline constexpr const char *CompositionCheck = "A%1 → %2    tabella: %3";
inline constexpr const char *CompositionIdentity = "identità";
inline constexpr const char *CompositionTranslation = "traslazione di %1";
inline constexpr const char *CompositionRotation = "rotazione di %1° attorno a %2";
inline constexpr const char *CompositionPointSymmetry = "simmetria centrale rispetto a %1";
inline constexpr const char *CompositionAxialSymmetry = "simmetria assiale rispetto a %1";
inline constexpr const char *CompositionGlideReflection = "glissosimmetria rispetto a %1, vettore %2";
inline constexpr const char *CompositionHomothety = "omotetia di rapporto %1 e centro %2";
inline constexpr const char *CompositionSimilarity = "similitudine di rapporto %1, angolo %2°, centro %3";
inline constexpr const char *CompositionReversingSimilarity = "similitudine inversa di rapporto %1";
inline constexpr const char *CompositionAffinity = "affinità";
inline constexpr const char *CompositionDegenerate = "affinità (degenere)";
// The affinity's equations: x' = +2.00 x +1.50 y -6.00, terms apart by one
// blank, a sign before every coefficient.
inline constexpr const char *TableAffineX = "x' = ";
inline constexpr const char *TableAffineY = "y' = ";
inline constexpr const char *TableTermOfX = " x";
inline constexpr const char *TableTermOfY = " y";
inline constexpr const char *TableTermSeparator = " ";
inline constexpr const char *TablePlus = "+";

// The translators' command-line modes, in English. Report lines name file
// lines counted from 1, as a text editor counts them.
inline constexpr const char *CheckLineCount = "line count: %1 (%2 expected)";
inline constexpr const char *CheckTooLarge = "size: more than %1 bytes";
inline constexpr const char *CheckSignatureGood = "line %1: signature: fifth character \"%2\"";
inline constexpr const char *CheckSignatureMissing = "line %1: signature: missing";
inline constexpr const char *CheckSignatureShort = "line %1: signature: %2 characters, the fifth must be \"%3\"";
inline constexpr const char *CheckSignatureWrong = "line %1: signature: fifth character \"%2\", must be \"%3\"";
inline constexpr const char *CheckRefusedSuffix = ": refused";
inline constexpr const char *CheckCell = "%1 row %2";
inline constexpr const char *CheckNameCell = "%1 row %2 column %3";
inline constexpr const char *CheckCut = "line %1: %2: cut after %3 characters, losing \"%4\"";
inline constexpr const char *CheckDropped = "line %1: %2: first character \"%3\" is dropped";
inline constexpr const char *CheckUndefinedByte = "line %1, column %2: byte 0x%3 is undefined in Windows-1252";
// A control character quoted from a file or a name, or a byte of a name that
// is no UTF-8: its code in two hex digits.
inline constexpr const char *ControlEscape = "\\x%1";
inline constexpr const char *CheckAccepted = "accepted: Aralda would load this file";
inline constexpr const char *CheckRefused = "refused: Aralda would not load this file";
inline constexpr const char *CannotRead = "aralda: cannot read %1";
inline constexpr const char *AlreadyExists = "aralda: %1 already exists; nothing written";
inline constexpr const char *CannotWrite = "aralda: cannot write %1: %2";
// Template lines: the prefix of each table's rows is its letter and the row
// number; the language's name is given as Italian, English and French name it
// and as it names itself.
inline constexpr const char *TemplateSignature = "SIG m (signature: the m must stay the fifth character)";
inline constexpr const char *TemplateUnused = "--- (not used)";
inline constexpr const char *TemplateNamePrefixes[] = {"it=", "en=", "fr=", "xx="};
// The character that long texts carry behind their prefix, dropped on loading.
inline constexpr char TemplateLongTextMark = ':';

// The command line, in English. The help's option lines come from the parser;
// these texts are its description and what each option says.
inline constexpr const char *CommandLineDescription =
    "Aralda teaches geometric transformations. Without a mode it opens its window,\n"
    "with the lesson LESSON open when one is named (a .aralda file);\n"
    "--eval, --check-language, --write-language-template, --help and --version\n"
    "open none.\n"
    "--eval exits with 0 for a value, 1 for an evaluation error.\n"
    "--check-language exits with 0 when Aralda would load the file, 1 when it would\n"
    "not, 2 when the file cannot be read.\n"
    "--write-language-template exits with 0 when written, 1 when FILE already\n"
    "exists, 2 when it cannot be written.\n"
    "A command line that cannot be read, or output that cannot be written, exits\n"
    "with 2.";
inline constexpr const char *VersionOption = "Prints the version.";
inline constexpr const char *EvalOption = "Prints what the calculator shows for EXPRESSION.";
inline constexpr const char *RadiansOption = "With --eval, reads angles in radians.";
inline constexpr const char *CheckLanguageOption = "Reports how Aralda reads the language file FILE (.lng).";
inline constexpr const char *WriteTemplateOption = "Writes a new language file FILE with the English texts.";
inline constexpr const char *ScaleOption =
    "Opens the window F times larger, F from 1 to 3 (for example 2 on a projector),\n"
    "or, with \"auto\", as large as the screen holds every tool bar and dialog.";
inline constexpr const char *ScaleToFitValue = "auto";
inline constexpr const char *ExpressionValue = "EXPRESSION";
inline constexpr const char *FileValue = "FILE";
inline constexpr const char *FactorValue = "F";
// A command line that cannot be read: "aralda: " and the reason, then the hint.
inline constexpr const char *CommandLineErrorStart = "aralda: ";
inline constexpr const char *CommandLineHint = "Try \"aralda --help\" for the options.";
inline constexpr const char *ScaleOutOfRange = "--scale takes auto or a number from 1 to 3, not \"%1\"";
// One line on standard error when an explicit factor makes a window larger
// than the screen: the factor is still used.
inline constexpr const char *ScaleTooLarge =
    "aralda: at --scale %1 the tool bars and dialogs do not fit this %2 x %3 screen; --scale auto would use %4";
inline constexpr const char *TwoModes = "--%1 and --%2 cannot be given together";
inline constexpr const char *OptionTwice = "--%1 is given more than once";
inline constexpr const char *RadiansWithoutEval = "--radians is only read with --eval";
inline constexpr const char *ScaleWithoutWindow = "--scale is only read when Aralda opens its window";
inline constexpr const char *UnexpectedArgument =
    "unexpected argument \"%1\": Aralda opens one lesson, and only in its window";
inline constexpr const char *LessonArgument = "LESSON";
inline constexpr const char *LessonArgumentHelp = "A lesson file to open in the workspace.";

// The caption of the OK button of the information, file-error and notes
// windows, in every language; the notes window's hint on it says the same.
inline constexpr const char *OkCaption = "OK";
// The notes window's caption, in every language.
inline constexpr const char *NotesCaption = "Memo";

} // namespace FixedTexts
