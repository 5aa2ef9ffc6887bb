#include "dialogs/parameterdialog.h"
#include "dialogs/spincontrol.h"
#include "dialogs/tcoordinate.h"
#include "dialogs/tgeorota.h"
#include "lang/languagetables.h"
#include "shell/helpviewer.h"
#include "shell/shellvalues.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <optional>

using namespace DialogDriver;

// What every parameter dialog shares, each dialog a row: its texts, its
// cursors, its spins' ranges, the hint rule, the help topic, and the order
// of work (the slot's values loaded on opening, stored by OK only); with
// them, the figure and rotation dialogs' own rules.
namespace {

// Keyboard focus and shortcuts need the dialog to be the active window.
bool activate(QWidget *dialog)
{
    dialog->activateWindow();
    return QTest::qWaitForWindowActive(dialog);
}

// Every spin stepped and every check box ticked, as the user edits a dialog.
void editAll(QWidget *dialog, int steps)
{
    for (SpinControl *control : dialog->findChildren<SpinControl *>())
        control->stepBy(steps);
    for (QCheckBox *box : dialog->findChildren<QCheckBox *>())
        QTest::mouseClick(box, Qt::LeftButton);
}

// Whether B x, B y, C y, C x, D x, D y, the radius field and its spin take input.
const QStringList FigureRowNames{"xb", "pyb", "yc", "pxc", "xd", "pyd", "raggio", "praggio"};

} // namespace

class TestParameterDialog : public QObject
{
    Q_OBJECT

    std::optional<GuiTest::Fixture> m_fixture;

private slots:
    void init()
    {
        m_fixture.emplace();
        applyWorkspaceStartValues(Shell.MainShowHints);
    }

    void cleanup()
    {
        delete HelpViewer::current();
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
    }

    void texts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("language");
        // "names:text": the caption, title or hint each named control shows,
        // a field and its spin sharing one hint; no name for the dialog's title.
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("labels"); // "name:text" of the label naming each control
        QTest::newRow("figure")
            << int(Figure) << int(English)
            << QStringList{":Coordinates of the vertices", "tipo:Type of figure", "tipo0:point A", "tipo1:segment AB",
                           "tipo2:triangle ABC", "tipo3:quadrilateral ABCD", "tipo4:circle of centre A",
                           "pulizia:clears the screen", "xa pxa:abscissa of A", "ya pya:ordinate of A",
                           "xb pxb:abscissa of B", "yb pyb:ordinate of B", "xc pxc:abscissa of C",
                           "yc pyc:ordinate of C", "xd pxd:abscissa of D", "yd pyd:ordinate of D",
                           "raggio praggio:radius"}
            << QStringList{"pxa:Xa = ", "pya:Ya = ", "pxb:Xb  =", "pyb:Yb = ", "pxc:Xc =", "pyc:Yc = ", "pxd:Xd =",
                           "pyd:Yd = "};
        QTest::newRow("translation")
            << int(Translation) << int(English)
            << QStringList{":Translations", "orix porix:translation along x", "oriy poriy:translation along y",
                           "vettore:translation vector"}
            << QStringList{"porix:x  =", "poriy:y  ="};
        QTest::newRow("rotation, with the buttons every dialog shares")
            << int(Rotation) << int(English)
            << QStringList{":Rotations", "orix porix:abscissa of the centre of rotation",
                           "oriy poriy:ordinate of the centre of rotation", "edangolo pangolo: angle of rotation",
                           "raggic:arcs and radii", "BitBtn1:OK / OK", "BitBtn2:Cancel / cancel", "BitBtn3:Help / help"}
            << QStringList{"porix:Xc = ", "poriy:Yc =", "pangolo:α° = "};
        QTest::newRow("symmetry")
            << int(Symmetry) << int(English)
            << QStringList{":Simmetries", "tiposim:with respect to", "tiposim0:P (x, y)", "tiposim1:x = cost",
                           "tiposim2:y = cost", "tiposim3:y = x", "tiposim4:y = -x", "tiposim5:y = mx + q",
                           "xzero pxzero:abscissa of the centre of simmetry",
                           "yzero pyzero:ordinate of the centre of simmetry", "angolo pangolo:inclination on the x axis",
                           "Edit3:slope", "qu pqu:intercept on the y axis", "centrasse:centre or axis of simmetry"}
            << QStringList{"pxzero:x = ", "pyzero:y =", "pangolo:α =", "pqu:q ="};
        QTest::newRow("homothety")
            << int(Homothety) << int(English)
            << QStringList{":Homotheties", "segno0:k positive", "segno1:k negative", "edangolo pangolo:ratio",
                           "xo pxo:abscissa of the centre of homothetia", "yo pyo:ordinate of the centre of homothetia",
                           "centro:centre of homothetia"}
            << QStringList{"pangolo:k = ", "pxo:Xc = ", "pyo:Yc ="};
        QTest::newRow("dilation") << int(Dilation) << int(English)
                                  << QStringList{":Scalings", "dilx pdilx:scaling factor along x",
                                                 "dily pdily:scaling factor along y"}
                                  << QStringList{"pdilx:a = ", "pdily:b ="};
        QTest::newRow("shear") << int(Shear) << int(English)
                               << QStringList{":Shear", "sceltasse:Axis", "sceltasse0: x", "sceltasse1: y",
                                              "segnokappa0:k positive", "segnokappa1:k negative", "dily pdily:ratio"}
                               << QStringList{"pdily:k ="};
        QTest::newRow("affinity")
            << int(Affinity) << int(English)
            << QStringList{":Affinities", "combinato:generic|translation|rotation|simmetry|homothetia|scaling|shear"}
            << QStringList{"nome:c = ", "bis:a =", "Edit1:b =", "Edit2:c' = ", "Edit3:a' = ", "Edit4:b' = "};
        // The language in force when the dialog opens.
        QTest::newRow("homothety, Italian") << int(Homothety) << int(Italian)
                                            << QStringList{":Omotetie", "segno1:k negativo"} << QStringList();
        QTest::newRow("symmetry, Italian") << int(Symmetry) << int(Italian)
                                           << QStringList{"Edit3:coefficiente angolare"} << QStringList();
        QTest::newRow("shear, Italian") << int(Shear) << int(Italian) << QStringList{"sceltasse:Asse"} << QStringList();
        QTest::newRow("dilation, French") << int(Dilation) << int(French)
                                          << QStringList{"dilx pdilx:coefficient de dilatation selon x"}
                                          << QStringList();
        QTest::newRow("affinity, Italian")
            << int(Affinity) << int(Italian)
            << QStringList{"combinato:generica|traslazione|rotazione|simmetria|omotetia|dilatazione|inclinazione",
                           "BitBtn1:Conferma / conferma"}
            << QStringList();
    }

    void texts()
    {
        QFETCH(int, kind);
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, labels);
        Language.LanguageIndex = quint8(language);
        auto dialog = makeDialog(kind);
        dialog->show();
        QStringList shownTexts;
        QStringList expectedTexts;
        for (const QString &entry : texts) {
            const QString names = entry.section(u':', 0, 0);
            if (names.isEmpty()) {
                shownTexts << dialog->windowTitle();
                expectedTexts << entry.section(u':', 1);
            }
            for (const QString &name : names.split(u' ', Qt::SkipEmptyParts)) {
                shownTexts << name + u':' + caption(child(dialog.get(), name));
                expectedTexts << name + u':' + entry.section(u':', 1);
            }
        }
        QCOMPARE(shownTexts, expectedTexts);
        QStringList shownLabels;
        for (const QString &entry : labels)
            shownLabels << entry.section(u':', 0, 0) + u':' + labelOf(child(dialog.get(), entry.section(u':', 0, 0)));
        QCOMPARE(shownLabels, labels);
    }

    void cursors_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("names"); // after the three buttons
        QTest::addColumn<QString>("hands");
        QTest::newRow("figure: the spins and the check box")
            << int(Figure) << QStringList{"pxa", "pyd", "pulizia", "xa", "raggio"} << "11111100";
        QTest::newRow("translation: the spins and the check box")
            << int(Translation) << QStringList{"porix", "poriy", "vettore", "orix"} << "1111110";
        QTest::newRow("rotation: the spins and the check box")
            << int(Rotation) << QStringList{"porix", "poriy", "pangolo", "raggic", "edangolo"} << "11111110";
        QTest::newRow("symmetry: the spins, the kinds and the check box")
            << int(Symmetry)
            << QStringList{"pxzero", "pyzero", "pangolo", "pqu", "tiposim0", "tiposim5", "centrasse", "xzero", "Edit3"}
            << "111111111100";
        QTest::newRow("homothety: the spins and the check box")
            << int(Homothety) << QStringList{"pangolo", "pxo", "pyo", "centro", "segno0", "edangolo"} << "111111100";
        QTest::newRow("dilation: the buttons alone") << int(Dilation) << QStringList{"pdilx", "pdily", "dilx"}
                                                     << "111000";
        QTest::newRow("shear: the buttons alone")
            << int(Shear) << QStringList{"pdily", "sceltasse0", "segnokappa1"} << "111000";
        QTest::newRow("affinity: the buttons alone")
            << int(Affinity) << QStringList{"nome", "bis", "Edit4", "combinato"} << "1110000";
    }

    void cursors()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, names);
        QFETCH(QString, hands);
        auto dialog = makeDialog(kind);
        dialog->show();
        QCOMPARE(pointingHands(dialog.get(), QStringList{"BitBtn1", "BitBtn2", "BitBtn3"} + names), hands);
    }

    void spinEnds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("field"); // where the position is shown
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<bool>("wraps");
        QTest::addColumn<bool>("tenths"); // a real with one decimal, edited as ten times its value
        const auto row = [](int kind, const char *name, const char *field, int minimum, int maximum,
                            bool wraps = false, bool tenths = false) {
            QTest::addRow("%d %s", kind, name) << kind << name << field << minimum << maximum << wraps << tenths;
        };
        for (const char *name : {"xa", "xb", "xc", "xd"}) // only x of C and D wraps
            row(Figure, qPrintable(u'p' + QLatin1String(name)), name, -39, 39, name[1] >= 'c');
        for (const char *name : {"ya", "yb", "yc", "yd"})
            row(Figure, qPrintable(u'p' + QLatin1String(name)), name, -26, 26);
        row(Figure, "praggio", "raggio", 2, 15);
        row(Translation, "porix", "orix", -30, 30);
        row(Translation, "poriy", "oriy", -20, 20);
        row(Rotation, "porix", "orix", -5, 5);
        row(Rotation, "poriy", "oriy", -5, 5);
        row(Rotation, "pangolo", "edangolo", -359, 359, true);
        row(Symmetry, "pxzero", "xzero", -10, 10);
        row(Symmetry, "pyzero", "yzero", -5, 5);
        row(Symmetry, "pangolo", "angolo", 0, 179, true);
        row(Symmetry, "pqu", "qu", -5, 5);
        row(Homothety, "pangolo", "edangolo", 1, 20, true, true);
        row(Homothety, "pxo", "xo", -36, 36);
        row(Homothety, "pyo", "yo", -25, 25);
        row(Dilation, "pdilx", "dilx", 5, 50, false, true);
        row(Dilation, "pdily", "dily", 5, 50, false, true);
        row(Shear, "pdily", "dily", 5, 50, false, true);
    }

    // Single arrow keys up to the top and one past it, then down to the
    // bottom and one past it: a wrapping spin lands on the other end, any
    // other stays put. Typing is ignored.
    void spinEnds()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QString, field);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(bool, wraps);
        QFETCH(bool, tenths);
        TransformSettings.FigureType = 3; // every vertex row takes input
        TransformSettings.SymmetryKind[1] = name == u"pxzero" || name == u"pyzero" ? 0 : 5;
        auto dialog = makeDialog(kind);
        dialog->show();
        SpinControl *control = spin(dialog.get(), name);
        QVERIFY(control->isEnabled());
        const auto shownAt = [tenths](int position) {
            return positionText(position, tenths ? SpinDisplay::Tenths : SpinDisplay::Whole);
        };
        QStringList texts;
        control->setValue(maximum - 1);
        for (int key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down}) {
            QTest::keyClick(control, Qt::Key(key));
            texts << text(dialog.get(), field);
        }
        control->setValue(minimum + 1);
        for (int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
            QTest::keyClick(control, Qt::Key(key));
            texts << text(dialog.get(), field);
        }
        QTest::keySequence(control, QKeySequence::SelectAll);
        QTest::keyClicks(control, "3");
        texts << text(dialog.get(), field);
        const QString last = shownAt(wraps ? minimum : minimum + 1);
        QCOMPARE(texts, (QStringList{shownAt(maximum), shownAt(wraps ? minimum : maximum),
                                     shownAt(wraps ? maximum : maximum - 1), shownAt(minimum),
                                     shownAt(wraps ? maximum : minimum), last, last}));
    }

    void hintRule_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("group"); // its DialogFirstActivation entry
        QTest::addColumn<bool>("main");
        // The dilation and the shear share one first opening.
        const int groups[] = {0, 5, 2, 3, 1, 6, 6, 4};
        for (bool main : {true, false})
            for (int kind = Figure; kind <= Affinity; ++kind)
                QTest::addRow("kind %d, main %d", kind, main) << kind << groups[kind] << main;
    }

    // The first opening follows the main switch and clears only the dialog's
    // own flag; a later one follows the dialogs' switch, which Mostra, in the
    // dialog's pop-up menu, toggles.
    void hintRule()
    {
        QFETCH(int, kind);
        QFETCH(int, group);
        QFETCH(bool, main);
        Shell.MainShowHints = main;
        applyWorkspaceStartValues(main);
        TransformSettings.DialogShowHints = !main;
        auto first = makeDialog(kind);
        first->show();
        QCOMPARE(first->hintsShown(), main);
        QCOMPARE(child<QAction>(first.get(), "Mostra")->isChecked(), main);
        const auto &firstOpenings = TransformSettings.DialogFirstActivation;
        QVERIFY(!firstOpenings[group] && std::count(firstOpenings.begin(), firstOpenings.end(), false) == 1);
        auto later = makeDialog(kind);
        later->show();
        QCOMPARE(later->hintsShown(), !main);
        QAction *mostra = child<QAction>(later.get(), "Mostra");
        QVERIFY(later->actions().contains(mostra));
        mostra->trigger();
        QCOMPARE((QList<bool>{later->hintsShown(), mostra->isChecked(), TransformSettings.DialogShowHints}),
                 QList<bool>(3, main));
    }

    void helpOpensTheTopicAndKeepsTheEdits_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("byKey");
        const char *pages[] = {"801", "803", "806", "805", "802", "807", "808", "804"};
        for (int kind = Figure; kind <= Affinity; ++kind)
            QTest::addRow("%s.html", pages[kind]) << kind << false;
        QTest::newRow("806.html, F1") << int(Rotation) << true;
        QTest::newRow("808.html, F1") << int(Shear) << true;
    }

    // Coming back from the help window shows and activates the dialog again,
    // which must not reload it from the store (the affinity, with no spin,
    // is loaded once, like the others).
    void helpOpensTheTopicAndKeepsTheEdits()
    {
        QFETCH(int, kind);
        QFETCH(bool, byKey);
        const QString page = QString::fromLatin1(QTest::currentDataTag()).section(u',', 0, 0);
        QVERIFY(writeHelpSet(m_fixture->folder(), page));
        auto dialog = makeDialog(kind);
        dialog->show();
        QVERIFY(activate(dialog.get()));
        auto *edited = dialog->findChild<SpinControl *>();
        if (edited)
            edited->stepBy(1);
        const int value = edited ? edited->value() : 0;
        byKey ? QTest::keySequence(dialog.get(), QKeySequence::HelpContents) : click(dialog.get(), "BitBtn3");
        QVERIFY(HelpViewer::current());
        QCOMPARE(HelpViewer::current()->currentPage().fileName(), page);
        dialog->hide();
        dialog->show();
        QVERIFY(activate(dialog.get()));
        QCOMPARE(edited ? edited->value() : 0, value);
    }

    void opensAndStoresItsSlot_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("start");  // shown on opening, the start values
        QTest::addColumn<QStringList>("edited"); // shown after a step up of each spin
        QTest::addColumn<QStringList>("stored"); // what OK changes
        QTest::addColumn<bool>("confirm");
        for (bool confirm : {true, false}) {
            const char *how = confirm ? "OK" : "cancel";
            QTest::addRow("translation, %s", how)
                << int(Translation) << QStringList{"orix", "oriy", "vettore"} << QStringList{"-6", "-8", "0"}
                << QStringList{"-5", "-7", "1"}
                << QStringList{"ShowTranslationVector[2]=1", "TranslationDX[2]=-5", "TranslationDY[2]=-7"} << confirm;
            QTest::addRow("rotation, %s", how)
                << int(Rotation) << QStringList{"orix", "oriy", "edangolo", "raggic"}
                << QStringList{"2", "-2", "70", "0"} << QStringList{"3", "-1", "71", "1"}
                << QStringList{"RotationAngle[2]=71", "RotationCentreX[2]=3", "RotationCentreY[2]=-1",
                               "ShowRotationArcs[2]=1"}
                << confirm;
            // The disabled rows of the kind are stored all the same.
            QTest::addRow("symmetry, %s", how)
                << int(Symmetry) << QStringList{"tiposimButtons", "xzero", "yzero", "angolo", "Edit3", "qu", "centrasse"}
                << QStringList{"0", "0", "0", "60", "1.73", "-3", "0"}
                << QStringList{"0", "1", "1", "61", "1.80", "-2", "1"}
                << QStringList{"ShowSymmetryElement[2]=1", "SymmetryAxisAngle[2]=61", "SymmetryAxisQ[2]=-2",
                               "SymmetryCentreX[2]=1", "SymmetryCentreY[2]=1"}
                << confirm;
            QTest::addRow("homothety, %s", how)
                << int(Homothety) << QStringList{"segnoButtons", "Label3", "edangolo", "xo", "yo", "centro"}
                << QStringList{"0", "k = ", "1.5", "-1", "1", "0"} << QStringList{"0", "k = ", "1.6", "0", "2", "1"}
                << QStringList{"HomothetyCentreX[2]=0", "HomothetyCentreY[2]=2", "HomothetyRatio[2]=1.60000002",
                               "ShowHomothetyCentre[2]=1"}
                << confirm;
            QTest::addRow("dilation, %s", how)
                << int(Dilation) << QStringList{"dilx", "dily"} << QStringList{"1.5", "0.5"}
                << QStringList{"1.6", "0.6"} << QStringList{"DilationX[2]=1.60000002", "DilationY[2]=0.600000024"}
                << confirm;
            // The shear coefficients start at 0, below the range: 0.5 is shown.
            QTest::addRow("shear, %s", how)
                << int(Shear) << QStringList{"sceltasseButtons", "segnokappaButtons", "dily"}
                << QStringList{"0", "0", "0.5"} << QStringList{"0", "0", "0.6"}
                << QStringList{"ShearX[2]=0.600000024"} << confirm;
        }
    }

    // Slot 1 is edited and confirmed first, so that it differs from slot 2;
    // slot 2 then opens on its own values, and OK stores its edits and
    // nothing else, cancel nothing at all.
    void opensAndStoresItsSlot()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, names);
        QFETCH(QStringList, start);
        QFETCH(QStringList, edited);
        QFETCH(QStringList, stored);
        QFETCH(bool, confirm);
        auto first = makeDialog(kind);
        first->show();
        editAll(first.get(), 3);
        pressOk(first.get());
        TransformSettings.CurrentSlot = 2;
        const QMap<QString, QString> before = storeValues();
        auto dialog = makeDialog(kind);
        dialog->show();
        QCOMPARE(shown(dialog.get(), names), start);
        editAll(dialog.get(), 1);
        QCOMPARE(shown(dialog.get(), names), edited);
        QCOMPARE(storeValues(), before);
        confirm ? pressOk(dialog.get()) : pressCancel(dialog.get());
        QCOMPARE(dialog->result(), int(confirm ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(changedValues(before, storeValues()), confirm ? stored : QStringList());
    }

    // With the axes moving the rotation turns about the origin, so opening
    // fixes the centre there, in the store too and at once. Focus starts on
    // the first control that takes input, here the angle.
    void axesModeFixesTheCentreAtTheOrigin()
    {
        TransformSettings.FrameMode = 1;
        TransformSettings.CurrentSlot = 2;
        const QMap<QString, QString> before = storeValues();
        Tgeorota dialog;
        dialog.show();
        QCOMPARE(enabling(&dialog, {"orix", "porix", "oriy", "poriy", "pangolo"}), QStringLiteral("00001"));
        QCOMPARE(shown(&dialog, {"orix", "oriy", "edangolo"}), (QStringList{"0", "0", "70"}));
        QVERIFY(activate(&dialog));
        QCOMPARE(QApplication::focusWidget(), spin(&dialog, "pangolo"));
        pressCancel(&dialog);
        QCOMPARE(changedValues(before, storeValues()),
                 (QStringList{"DialogFirstActivation[2]=0", "RotationCentreX[2]=0", "RotationCentreY[2]=0"}));
    }

    void figureTypeChoice_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("rowsReopened");
        // Reopened, the rows follow the confirmed triangle unless a circle is shown.
        QTest::newRow("point") << 0 << "00000001" << "11110001";
        QTest::newRow("segment") << 1 << "11000001" << "11110001";
        QTest::newRow("quadrilateral") << 3 << "11111101" << "11110001";
        QTest::newRow("circle") << 4 << "00000011" << "00000011";
    }

    // The choice is stored at once and outlives a cancel; the figure does not.
    void figureTypeChoice()
    {
        QFETCH(int, type);
        QFETCH(QString, rows);
        QFETCH(QString, rowsReopened);
        Tcoordinate dialog;
        dialog.show();
        chooseItem(&dialog, QStringLiteral("tipo%1").arg(type));
        QCOMPARE(enabling(&dialog, FigureRowNames), rows);
        spin(&dialog, "pxa")->stepBy(5);
        QTest::mouseClick(child<QCheckBox>(&dialog, "pulizia"), Qt::LeftButton);
        pressCancel(&dialog);
        const TransformSettingsValues &s = TransformSettings;
        QCOMPARE((QList<int>{s.SelectedFigureType, s.FigureIsCircle, s.FigureType, s.FigureX[0], s.ClearScreen}),
                 (QList<int>{type, type == CircleFigure, 2, 15, true}));
        Tcoordinate again;
        again.show();
        QCOMPARE(child<QButtonGroup>(&again, "tipoButtons")->checkedId(), type);
        QCOMPARE(enabling(&again, FigureRowNames), rowsReopened);
    }

    // The store holds B and D out of range, so the rows the point leaves
    // unused are stored as shown, which differs from unchanged.
    void figureOkStoresWhatIsShown()
    {
        TransformSettings.FigureType = 3;
        TransformSettings.FigureX[1] = 50;
        TransformSettings.FigureY[3] = -40;
        Tcoordinate dialog;
        dialog.show();
        spin(&dialog, "pxa")->stepBy(-20);
        QTest::keyClick(spin(&dialog, "pyd"), Qt::Key_Up);
        chooseItem(&dialog, "tipo0");
        QTest::mouseClick(child<QCheckBox>(&dialog, "pulizia"), Qt::LeftButton);
        pressOk(&dialog);
        const TransformSettingsValues &s = TransformSettings;
        QCOMPARE((QList<int>{s.FigureType, s.ClearScreen, s.FigureX[0], s.FigureY[0], s.FigureX[1], s.FigureY[3]}),
                 (QList<int>{0, false, -5, 11, 39, -25}));
        QCOMPARE((QStringList{s.VertexTextX[0][0], s.VertexTextX[1][0], s.VertexTextY[3][0], s.VertexTextX[0][1]}),
                 (QStringList{"-5", "39", "-25", ""}));
    }

    void typedRadius_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("radius");
        QTest::newRow("inside") << "12" << 12;
        QTest::newRow("above the range") << "40" << 15;
        QTest::newRow("below the range") << "1" << 2;
        QTest::newRow("letters are refused") << "ab" << 5;
    }

    // Enter ends the typing and confirms the dialog: the field shows, and OK
    // stores, the radius typed brought into range, kept in entry 1 of both
    // arrays and shown again at the next opening.
    void typedRadius()
    {
        QFETCH(QString, typed);
        QFETCH(int, radius);
        Tcoordinate dialog;
        dialog.show();
        chooseItem(&dialog, "tipo4");
        auto *raggio = child<QLineEdit>(&dialog, "raggio");
        QTest::keyClick(raggio, Qt::Key_Backspace);
        QTest::keyClicks(raggio, typed);
        QTest::keyClick(raggio, Qt::Key_Return);
        QCOMPARE(raggio->text(), QString::number(radius));
        const TransformSettingsValues &s = TransformSettings;
        QCOMPARE((QList<int>{s.FigureType, s.FigureX[1], s.FigureY[1], s.FigureX[2], s.FigureY[3]}),
                 (QList<int>{CircleFigure, radius, radius, 21, 9}));
        Tcoordinate again;
        again.show();
        QCOMPARE(text(&again, "raggio"), QString::number(radius));
    }
};

QTEST_MAIN(TestParameterDialog)
#include "tst_parameterdialog.moc"
