#include "calc/expressionevaluator.h"
#include "dialogs/affinityrules.h"
#include "dialogs/parameterdialog.h"
#include "dialogs/spincontrol.h"
#include "dialogs/symmetryrules.h"
#include "dialogs/taffina.h"
#include "dialogs/tcoordinate.h"
#include "dialogs/tdilatazioni.h"
#include "dialogs/tgeomot.h"
#include "dialogs/tgeorota.h"
#include "dialogs/tgeosim.h"
#include "dialogs/tgeotrasla.h"
#include "dialogs/tinclinazioni.h"
#include "lang/languagetables.h"
#include "shell/helpviewer.h"
#include "shell/shellvalues.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"
#include "transform/transformsettings.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <memory>
#include <optional>
#include <type_traits>

using namespace DialogDriver;

// What every parameter dialog shares, each dialog a row: its texts, its
// cursors, its spins' ranges, the hint rule, the help topic, and the order
// of work (the slot's values loaded on opening, stored by OK only); then each
// dialog's own wiring. The values themselves are the rules' (tst_dialogrules).
namespace {

enum DialogKind { Figure, Translation, Rotation, Symmetry, Homothety, Dilation, Shear, Affinity };

std::unique_ptr<ParameterDialog> makeDialog(int kind)
{
    switch (kind) {
    case Figure: return std::make_unique<Tcoordinate>();
    case Translation: return std::make_unique<Tgeotrasla>();
    case Rotation: return std::make_unique<Tgeorota>();
    case Symmetry: return std::make_unique<Tgeosim>();
    case Homothety: return std::make_unique<Tgeomot>();
    case Dilation: return std::make_unique<Tdilatazioni>();
    case Shear: return std::make_unique<Tinclinazioni>();
    default: return std::make_unique<Taffina>();
    }
}

// A field's or label's text, a check box's 1 or 0, a group's checked item.
QStringList shown(const QWidget *dialog, const QStringList &names)
{
    QStringList values;
    for (const QString &name : names) {
        if (auto *box = child<QCheckBox>(dialog, name))
            values << QString::number(box->isChecked());
        else if (auto *group = dialog->findChild<QButtonGroup *>(name))
            values << QString::number(group->checkedId());
        else
            values << text(dialog, name);
    }
    return values;
}

// The text the user reads on a control: a caption, a group's title, a
// label, a list's items, else its hint.
QString caption(const QWidget *control)
{
    if (!control)
        return QStringLiteral("<no control>");
    if (auto *group = qobject_cast<const QGroupBox *>(control))
        return group->title();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *list = qobject_cast<const QComboBox *>(control)) {
        QStringList items;
        for (int item = 0; item < list->count(); ++item)
            items << list->itemText(item);
        return items.join(u'|');
    }
    // A push button's caption is its hint begun with a capital: both are shown.
    if (auto *button = qobject_cast<const QPushButton *>(control))
        return button->text() + QStringLiteral(" / ") + button->toolTip();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    return control->toolTip();
}

// The caption of the label that names `control`, empty if none does.
QString labelOf(const QWidget *control)
{
    if (!control)
        return QStringLiteral("<no control>");
    for (const QLabel *label : control->parentWidget()->findChildren<QLabel *>())
        if (label->buddy() == control)
            return label->text();
    return QString();
}

QString enabling(const QWidget *dialog, const QStringList &names)
{
    QString states;
    for (const QString &name : names)
        states += child(dialog, name)->isEnabled() ? u'1' : u'0';
    return states;
}

// Whether the control shows the pointing hand: the picture cursor with its
// hot spot at the fingertip.
QChar pointingHand(const QWidget *control)
{
    return control->testAttribute(Qt::WA_SetCursor) && control->cursor().shape() == Qt::BitmapCursor
                   && control->cursor().hotSpot() == QPoint(30, 11)
               ? u'1'
               : u'0';
}

// Nine digits tell every single-precision value apart.
QString real(float value)
{
    return QString::number(double(value), 'g', 9);
}

template <typename T>
void addSlots(QMap<QString, QString> &values, const QString &name, const PerSlot<T> &perSlot)
{
    for (int slot : {1, 2}) {
        if constexpr (std::is_floating_point_v<T>)
            values[QStringLiteral("%1[%2]").arg(name).arg(slot)] = real(perSlot[slot]);
        else
            values[QStringLiteral("%1[%2]").arg(name).arg(slot)] = QString::number(perSlot[slot]);
    }
}

// `names` is the argument list as written: "s.TranslationDX, s.TranslationDY".
template <typename... Values>
void addAll(QMap<QString, QString> &values, const char *names, const Values &...value)
{
    QStringList keys = QString::fromLatin1(names).remove(QStringLiteral("s.")).split(QStringLiteral(", "));
    if constexpr ((std::is_arithmetic_v<Values> && ...))
        ((values[keys.takeFirst()] = QString::number(value)), ...);
    else
        (addSlots(values, keys.takeFirst(), value), ...);
}

// Every value of the transformation store by name ("HomothetyRatio[2]",
// "AffineCoeff[1][0][2]"), so that a test sees everything a dialog changed.
QMap<QString, QString> storeValues()
{
    const TransformSettingsValues &s = TransformSettings;
    QMap<QString, QString> values;
    // One transformation a line, both slots of each per-slot value.
#define ALL(...) addAll(values, #__VA_ARGS__, __VA_ARGS__)
    ALL(s.CurrentSlot, s.FrameMode, s.AffinePreset, s.FigureType, s.SelectedFigureType, s.FigureIsCircle,
        s.ClearScreen, s.DialogShowHints);
    ALL(s.SlotKind);
    ALL(s.TranslationDX, s.TranslationDY, s.ShowTranslationVector);
    ALL(s.RotationCentreX, s.RotationCentreY, s.RotationAngle, s.ShowRotationArcs);
    ALL(s.SymmetryKind, s.SymmetryCentreX, s.SymmetryCentreY, s.SymmetryAxisAngle, s.SymmetryAxisQ,
        s.ShowSymmetryElement);
    ALL(s.HomothetyCentreX, s.HomothetyCentreY, s.HomothetyRatio, s.HomothetySign, s.ShowHomothetyCentre);
    ALL(s.DilationX, s.DilationY, s.ShearX, s.ShearY, s.ShearAxis, s.ShearSign, s.AffineConfirmed);
#undef ALL
    for (int slot : {1, 2}) {
        for (int field = 0; field < AffineFieldCount; ++field)
            values[QStringLiteral("AffineText[%1][%2]").arg(slot).arg(field)] = s.AffineText[slot][field];
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column)
                values[QStringLiteral("AffineCoeff[%1][%2][%3]").arg(slot).arg(row).arg(column)] =
                    real(s.AffineCoeff[slot][row][column]);
    }
    for (int point = 0; point < FigurePointCount; ++point) {
        values[QStringLiteral("FigureX[%1]").arg(point)] = QString::number(s.FigureX[point]);
        values[QStringLiteral("FigureY[%1]").arg(point)] = QString::number(s.FigureY[point]);
    }
    for (int vertex = 0; vertex < VertexCount; ++vertex) {
        for (int stage = 0; stage < VertexStageCount; ++stage) {
            values[QStringLiteral("VertexTextX[%1][%2]").arg(vertex).arg(stage)] = s.VertexTextX[vertex][stage];
            values[QStringLiteral("VertexTextY[%1][%2]").arg(vertex).arg(stage)] = s.VertexTextY[vertex][stage];
        }
    }
    for (int group = 0; group < DialogGroupCount; ++group)
        values[QStringLiteral("DialogFirstActivation[%1]").arg(group)] = QString::number(s.DialogFirstActivation[group]);
    return values;
}

QStringList changedValues(const QMap<QString, QString> &before, const QMap<QString, QString> &after)
{
    QStringList changed;
    for (auto entry = after.cbegin(); entry != after.cend(); ++entry)
        if (before.value(entry.key()) != entry.value())
            changed << entry.key() + u'=' + entry.value();
    changed.sort();
    return changed;
}

// A help set of a loaded language in `folder`, holding `page` only, so that
// the help window can show nothing but that page.
bool writeHelpSet(const QString &folder, const QString &page)
{
    LongTexts.setCell(58, LoadedLanguage, QStringLiteral("Prova"));
    Language.LanguageIndex = LoadedLanguage;
    Language.LanguageFilePath = QDir(folder).filePath(QStringLiteral("prova.lng"));
    if (!QDir(folder).mkdir(QStringLiteral("Prova.hlp")))
        return false;
    QFile file(QDir(folder).filePath(QStringLiteral("Prova.hlp/") + page));
    return file.open(QIODevice::WriteOnly) && file.write("page") > 0;
}

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

const QStringList ValueRows{"xzero", "pxzero", "yzero", "pyzero", "angolo", "pangolo", "Edit3", "qu", "pqu"};

// ValueRows as the rules enable them for `kind`.
QString rowsOfKind(int kind)
{
    const SymmetryRows rows = rowsForSymmetryKind(kind);
    const auto bits = [](bool on, int count) { return QString(count, on ? u'1' : u'0'); };
    return bits(rows.x, 2) + bits(rows.y, 2) + bits(rows.line, 5);
}

const QStringList ShearShown{"sceltasseButtons", "segnokappaButtons", "dily"};

// The affinity's fields in the order of the stored texts: c, a, b, c', a', b'.
const QStringList Fields{"nome", "bis", "Edit1", "Edit2", "Edit3", "Edit4"};

// A field's text replaced as the user replaces it: all selected, then typed.
void type(const QWidget *dialog, const QString &field, const QString &typed)
{
    auto *edit = child<QLineEdit>(dialog, field);
    edit->setFocus();
    QTest::keySequence(edit, QKeySequence::SelectAll);
    if (typed.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, typed);
}

// An item of the preset list picked with the keyboard, which is a pick by
// the user: the neighbouring item is made current first.
void pickPreset(const QWidget *dialog, int preset)
{
    auto *list = child<QComboBox>(dialog, QStringLiteral("combinato"));
    list->setCurrentIndex(preset == 0 ? 1 : preset - 1);
    list->setFocus();
    QTest::keyClick(list, preset == 0 ? Qt::Key_Up : Qt::Key_Down);
}

QStringList storedTexts(int slot)
{
    return QStringList(TransformSettings.AffineText[slot].cbegin(), TransformSettings.AffineText[slot].cend());
}

QStringList storedValues(int slot, const TransformSettingsValues &store = TransformSettings)
{
    QStringList values;
    for (int field = 0; field < AffineFieldCount; ++field)
        values << real(store.AffineCoeff[slot][affineRow(field)][affineColumn(field)]);
    return values;
}

bool errorLineShown(const QWidget *dialog)
{
    return child<QLabel>(dialog, QStringLiteral("Label1"))->isVisible();
}

const QStringList StartValues{"-6", "2", "0", "-12", "1", "1.5"};

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
        // a field and its spin sharing one hint; no name for the dialog's
        // title. A name begun with * shows the pointing hand, any other not.
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("labels"); // "name:text" of the label naming each control
        QTest::newRow("figure")
            << int(Figure) << int(English)
            << QStringList{":Coordinates of the vertices", "tipo:Type of figure", "tipo0:point A", "tipo1:segment AB",
                           "tipo2:triangle ABC", "tipo3:quadrilateral ABCD", "tipo4:circle of centre A",
                           "*pulizia:clears the screen", "xa *pxa:abscissa of A", "ya *pya:ordinate of A",
                           "xb *pxb:abscissa of B", "yb *pyb:ordinate of B", "xc *pxc:abscissa of C",
                           "yc *pyc:ordinate of C", "xd *pxd:abscissa of D", "yd *pyd:ordinate of D",
                           "raggio *praggio:radius"}
            << QStringList{"*pxa:Xa = ", "*pya:Ya = ", "*pxb:Xb  =", "*pyb:Yb = ", "*pxc:Xc =", "*pyc:Yc = ",
                           "*pxd:Xd =", "*pyd:Yd = "};
        QTest::newRow("translation")
            << int(Translation) << int(English)
            << QStringList{":Translations", "orix *porix:translation along x", "oriy *poriy:translation along y",
                           "*vettore:translation vector"}
            << QStringList{"*porix:x  =", "*poriy:y  ="};
        QTest::newRow("rotation, with the buttons every dialog shares")
            << int(Rotation) << int(English)
            << QStringList{":Rotations", "orix *porix:abscissa of the centre of rotation",
                           "oriy *poriy:ordinate of the centre of rotation", "edangolo *pangolo: angle of rotation",
                           "*raggic:arcs and radii", "*BitBtn1:OK / OK", "*BitBtn2:Cancel / cancel",
                           "*BitBtn3:Help / help"}
            << QStringList{"*porix:Xc = ", "*poriy:Yc =", "*pangolo:α° = "};
        QTest::newRow("symmetry")
            << int(Symmetry) << int(English)
            << QStringList{":Simmetries", "tiposim:with respect to", "*tiposim0:P (x, y)", "*tiposim1:x = cost",
                           "*tiposim2:y = cost", "*tiposim3:y = x", "*tiposim4:y = -x", "*tiposim5:y = mx + q",
                           "xzero *pxzero:abscissa of the centre of simmetry",
                           "yzero *pyzero:ordinate of the centre of simmetry",
                           "angolo *pangolo:inclination on the x axis", "Edit3:slope", "qu *pqu:intercept on the y axis",
                           "*centrasse:centre or axis of simmetry"}
            << QStringList{"*pxzero:x = ", "*pyzero:y =", "*pangolo:α =", "*pqu:q ="};
        QTest::newRow("homothety")
            << int(Homothety) << int(English)
            << QStringList{":Homotheties", "segno0:k positive", "segno1:k negative", "edangolo *pangolo:ratio",
                           "xo *pxo:abscissa of the centre of homothetia",
                           "yo *pyo:ordinate of the centre of homothetia", "*centro:centre of homothetia"}
            << QStringList{"*pangolo:k = ", "*pxo:Xc = ", "*pyo:Yc ="};
        QTest::newRow("dilation, its spins without the hand")
            << int(Dilation) << int(English)
            << QStringList{":Scalings", "dilx pdilx:scaling factor along x", "dily pdily:scaling factor along y"}
            << QStringList{"pdilx:a = ", "pdily:b ="};
        QTest::newRow("shear, its spin without the hand")
            << int(Shear) << int(English)
            << QStringList{":Shear", "sceltasse:Axis", "sceltasse0: x", "sceltasse1: y", "segnokappa0:k positive",
                           "segnokappa1:k negative", "dily pdily:ratio"}
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
                           "*BitBtn1:Conferma / conferma"}
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
        const auto add = [&](const QString &entry, const QString &name, const QString &shownText) {
            const QString plain = QString(name).remove(u'*');
            shownTexts << plain + u':' + shownText + u' ' + pointingHand(child(dialog.get(), plain));
            expectedTexts << plain + u':' + entry.section(u':', 1) + u' ' + (name.startsWith(u'*') ? u'1' : u'0');
        };
        for (const QString &entry : texts) {
            const QString names = entry.section(u':', 0, 0);
            if (names.isEmpty()) {
                shownTexts << dialog->windowTitle();
                expectedTexts << entry.section(u':', 1);
            }
            for (const QString &name : names.split(u' ', Qt::SkipEmptyParts))
                add(entry, name, caption(child(dialog.get(), QString(name).remove(u'*'))));
        }
        for (const QString &entry : labels) {
            const QString name = entry.section(u':', 0, 0);
            add(entry, name, labelOf(child(dialog.get(), QString(name).remove(u'*'))));
        }
        QCOMPARE(shownTexts, expectedTexts);
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
        // "name:start>edited|...": what each control shows on opening, the
        // start values, then after a step up of each spin and a click of
        // each check box.
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("stored"); // what OK changes
        QTest::addColumn<bool>("confirm");
        const auto row = [](const char *name, int kind, const char *fields, const char *stored) {
            for (bool confirm : {true, false})
                QTest::addRow("%s, %s", name, confirm ? "OK" : "cancel") << kind << fields << stored << confirm;
        };
        row("translation", Translation, "orix:-6>-5|oriy:-8>-7|vettore:0>1",
            "ShowTranslationVector[2]=1 TranslationDX[2]=-5 TranslationDY[2]=-7");
        row("rotation", Rotation, "orix:2>3|oriy:-2>-1|edangolo:70>71|raggic:0>1",
            "RotationAngle[2]=71 RotationCentreX[2]=3 RotationCentreY[2]=-1 ShowRotationArcs[2]=1");
        // The disabled rows of the kind are stored all the same.
        row("symmetry", Symmetry, "tiposimButtons:0>0|xzero:0>1|yzero:0>1|angolo:60>61|Edit3:1.73>1.80|qu:-3>-2|centrasse:0>1",
            "ShowSymmetryElement[2]=1 SymmetryAxisAngle[2]=61 SymmetryAxisQ[2]=-2 SymmetryCentreX[2]=1 "
            "SymmetryCentreY[2]=1");
        row("homothety", Homothety, "segnoButtons:0>0|Label3:k = >k = |edangolo:1.5>1.6|xo:-1>0|yo:1>2|centro:0>1",
            "HomothetyCentreX[2]=0 HomothetyCentreY[2]=2 HomothetyRatio[2]=1.60000002 ShowHomothetyCentre[2]=1");
        row("dilation", Dilation, "dilx:1.5>1.6|dily:0.5>0.6", "DilationX[2]=1.60000002 DilationY[2]=0.600000024");
        // The shear coefficients start at 0, below the range: 0.5 is shown.
        row("shear", Shear, "sceltasseButtons:0>0|segnokappaButtons:0>0|dily:0.5>0.6", "ShearX[2]=0.600000024");
    }

    // Slot 1 is edited and confirmed first, so that it differs from slot 2;
    // slot 2 then opens on its own values, and OK stores its edits and
    // nothing else, cancel nothing at all.
    void opensAndStoresItsSlot()
    {
        QFETCH(int, kind);
        QFETCH(QString, fields);
        QFETCH(QString, stored);
        QFETCH(bool, confirm);
        QStringList names, start, edited;
        for (const QString &field : fields.split(u'|')) {
            names << field.section(u':', 0, 0);
            start << field.section(u':', 1).section(u'>', 0, 0);
            edited << field.section(u'>', 1);
        }
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
        QCOMPARE(changedValues(before, storeValues()), confirm ? stored.split(u' ') : QStringList());
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

    void symmetryEnablingByKind_data()
    {
        QTest::addColumn<int>("kind");
        for (int kind = 0; kind < SymmetryKindCount; ++kind)
            QTest::addRow("kind %d", kind) << kind;
    }

    // Each kind clicked after another one, the other slot holding yet
    // another: the rows follow the rules, OK stores the kind in the slot, and
    // the next opening shows it with the same rows.
    void symmetryEnablingByKind()
    {
        QFETCH(int, kind);
        const int other = kind == 5 ? 0 : 5;
        TransformSettings.SymmetryKind = PerSlot<quint8>(quint8(other));
        TransformSettings.SymmetryKind[1] = quint8(kind == 3 ? 4 : 3);
        TransformSettings.CurrentSlot = 2;
        Tgeosim dialog;
        dialog.show();
        QCOMPARE(enabling(&dialog, ValueRows), rowsOfKind(other));
        chooseItem(&dialog, QStringLiteral("tiposim%1").arg(kind));
        QCOMPARE(enabling(&dialog, ValueRows), rowsOfKind(kind));
        pressOk(&dialog);
        QCOMPARE((QList<int>{TransformSettings.SymmetryKind[1], TransformSettings.SymmetryKind[2]}),
                 (QList<int>{kind == 3 ? 4 : 3, kind}));
        Tgeosim opened;
        opened.show();
        QCOMPARE(shown(&opened, {"tiposimButtons"}), QStringList{QString::number(kind)});
        QCOMPARE(enabling(&opened, ValueRows), rowsOfKind(kind));
    }

    // The stored angle equals the spin's first position, 0: the slope is
    // shown all the same. It then follows each step of the angle, through the
    // vertical line and back.
    void symmetrySlopeFollowsTheAngle()
    {
        TransformSettings.SymmetryKind[1] = 5;
        TransformSettings.SymmetryAxisAngle[1] = 0;
        Tgeosim dialog;
        dialog.show();
        QStringList slopes{text(&dialog, "Edit3")};
        spin(&dialog, "pangolo")->setValue(88);
        for (int direction : {0, 1, 1, 1, -1}) {
            if (direction)
                QTest::keyClick(spin(&dialog, "pangolo"), direction > 0 ? Qt::Key_Up : Qt::Key_Down);
            slopes << text(&dialog, "Edit3");
        }
        QCOMPARE(slopes, (QStringList{"0.00", slopeText(88), slopeText(89), slopeText(90), slopeText(91),
                                      slopeText(90)}));
    }

    // A stored real is shown at the nearest position inside the range.
    void dilationOpensOnTheNearestPosition()
    {
        TransformSettings.DilationX[2] = 0.2f;
        TransformSettings.DilationY[2] = 1.26f;
        TransformSettings.CurrentSlot = 2;
        Tdilatazioni dialog;
        dialog.show();
        QCOMPARE(shown(&dialog, {"dilx", "dily"}), (QStringList{"0.5", "1.3"}));
    }

    void homothetySignIsStoredAtOnce_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("confirm");
        for (int slot : {1, 2})
            for (bool confirm : {true, false})
                QTest::addRow("slot %d, %s", slot, confirm ? "OK" : "cancel") << slot << confirm;
    }

    // Opened negative, the dialog shows item 1 and "k = -"; each click stores
    // the sign of the slot at once. The sign changed behind the dialog then
    // shows that neither OK nor cancel stores it again, and that OK stores
    // the ratio without its sign.
    void homothetySignIsStoredAtOnce()
    {
        QFETCH(int, slot);
        QFETCH(bool, confirm);
        TransformSettings.HomothetySign[slot] = -1;
        TransformSettings.CurrentSlot = quint8(slot);
        Tgeomot dialog;
        dialog.show();
        QCOMPARE(shown(&dialog, {"segnoButtons", "Label3"}), (QStringList{"1", "k = -"}));
        const QMap<QString, QString> before = storeValues();
        const QString positive = QStringLiteral("HomothetySign[%1]=1").arg(slot);
        chooseItem(&dialog, "segno0");
        QCOMPARE(text(&dialog, "Label3"), QStringLiteral("k = "));
        QCOMPARE(changedValues(before, storeValues()), QStringList{positive});
        chooseItem(&dialog, "segno1");
        QCOMPARE(text(&dialog, "Label3"), QStringLiteral("k = -"));
        QCOMPARE(changedValues(before, storeValues()), QStringList());
        TransformSettings.HomothetySign[slot] = 1;
        confirm ? pressOk(&dialog) : pressCancel(&dialog);
        QCOMPARE(changedValues(before, storeValues()), QStringList{positive});
    }

    void shearOkAndCancel_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("axis"); // chosen in the dialog
        QTest::addColumn<int>("sign"); // chosen in the dialog
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QStringList>("changed");
        QTest::newRow("slot 1, y, positive") << 1 << 1 << 0 << true
                                             << QStringList{"ShearSign[1]=0", "ShearX[1]=0", "ShearY[1]=3.5"};
        QTest::newRow("slot 2, x, negative")
            << 2 << 0 << 1 << true << QStringList{"ShearAxis[2]=0", "ShearX[2]=3.5", "ShearY[2]=0"};
        QTest::newRow("slot 2, y, negative") << 2 << 1 << 1 << true << QStringList{"ShearX[2]=0", "ShearY[2]=3.5"};
        QTest::newRow("slot 2, x, positive, cancelled") << 2 << 0 << 0 << false << QStringList();
    }

    // The dialog opens on the slot's own axis y and negative sign, the other
    // slot holding x and positive, and both slots both coefficients, so that
    // the zeroing of the unused one shows. The axis is changed to x and back
    // before the final choice: the coefficient shown is not reloaded. Nothing
    // is stored before OK.
    void shearOkAndCancel()
    {
        QFETCH(int, slot);
        QFETCH(int, axis);
        QFETCH(int, sign);
        QFETCH(bool, confirm);
        QFETCH(QStringList, changed);
        TransformSettingsValues &s = TransformSettings;
        s.ShearX = PerSlot<float>(1.2f);
        s.ShearY = PerSlot<float>(3.4f);
        s.ShearAxis[slot] = 1;
        s.ShearSign[slot] = 1;
        s.CurrentSlot = quint8(slot);
        Tinclinazioni dialog;
        dialog.show();
        QCOMPARE(shown(&dialog, ShearShown), (QStringList{"1", "1", "3.4"}));
        const QMap<QString, QString> before = storeValues();
        chooseItem(&dialog, "sceltasse0");
        chooseItem(&dialog, QStringLiteral("sceltasse%1").arg(axis));
        chooseItem(&dialog, "segnokappa0");
        chooseItem(&dialog, QStringLiteral("segnokappa%1").arg(sign));
        QTest::keyClick(spin(&dialog, "pdily"), Qt::Key_Up);
        QCOMPARE(shown(&dialog, ShearShown), (QStringList{QString::number(axis), QString::number(sign), "3.5"}));
        QCOMPARE(storeValues(), before);
        confirm ? pressOk(&dialog) : pressCancel(&dialog);
        QCOMPARE(changedValues(before, storeValues()), changed);
    }

    void affinityOpensOnItsSlot_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QStringList>("fields"); // c, a, b, c', a', b'
        QTest::newRow("slot 1") << 1 << QStringList{"3", "1/2", "sqrt(3)/2", "-1", "0", "4"};
        QTest::newRow("slot 2") << 2 << StartValues;
    }

    // The fields show the slot's texts under the two formulas, the list the
    // stored preset without applying it, and no error line. Opening
    // evaluates the texts it shows: a value the store lost comes back.
    void affinityOpensOnItsSlot()
    {
        QFETCH(int, slot);
        QFETCH(QStringList, fields);
        TransformSettings.AffineText[1] = {"3", "1/2", "sqrt(3)/2", "-1", "0", "4"};
        TransformSettings.AffinePreset = 4;
        TransformSettings.CurrentSlot = quint8(slot);
        Taffina dialog;
        dialog.show();
        QCOMPARE(shown(&dialog, Fields), fields);
        QCOMPARE(child<QComboBox>(&dialog, "combinato")->currentIndex(), 4);
        QVERIFY(!errorLineShown(&dialog));
        QCOMPARE(storedTexts(2), StartValues);
        QCOMPARE(storedValues(1), slot == 1 ? QStringList({"3", "0.5", "0.866025388", "-1", "0", "4"}) : StartValues);
        QStringList formulas;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            if (label->text().contains(u"  =  "))
                formulas << label->text();
        QCOMPARE(formulas, (QStringList{"x'  =  a x +  b y  +  c", "y'  =  a' x +  b' y  +  c'"}));
    }

    void affinityPresets_data()
    {
        QTest::addColumn<int>("preset");
        for (int preset = 0; preset < AffinePresetCount; ++preset)
            QTest::addRow("preset %d", preset) << preset;
    }

    // A pick fills the fields with the preset's texts, whose changes store
    // texts and values at once, in slot 2 only; the list's index is stored
    // by OK, not by the pick.
    void affinityPresets()
    {
        QFETCH(int, preset);
        TransformSettings.CurrentSlot = 2;
        TransformSettings.AffinePreset = 3;
        TransformSettingsValues evaluated = TransformSettings;
        const AffineTexts texts = affinePresetTexts(preset);
        for (int field = 0; field < AffineFieldCount; ++field)
            applyAffineText(evaluated, 2, field, texts[field]);
        Taffina dialog;
        dialog.show();
        pickPreset(&dialog, preset);
        QCOMPARE(shown(&dialog, Fields), QStringList(texts.cbegin(), texts.cend()));
        QCOMPARE(storedTexts(2), QStringList(texts.cbegin(), texts.cend()));
        QCOMPARE(storedValues(2), storedValues(2, evaluated));
        QCOMPARE(storedTexts(1), StartValues);
        QCOMPARE(storedValues(1), StartValues);
        QCOMPARE(int(TransformSettings.AffinePreset), 3);
        pressOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(TransformSettings.AffinePreset), preset);
    }

    // "generica" stores its values even where a field's text does not change
    // and so is not evaluated again: here the store's matrix was changed
    // behind the dialog, as the change of frame does.
    void genericaStoresItsValuesDirectly()
    {
        TransformSettings.AffineText[1] = {"-8", "2", "0", "-3", "0", "2"};
        Taffina dialog;
        dialog.show();
        TransformSettings.AffineCoeff[1] = AffineMatrix{{{7, 7, 7}, {7, 7, 7}}};
        pickPreset(&dialog, 0);
        QCOMPARE(storedValues(1), (QStringList{"-8", "2", "0", "-3", "0", "2"}));
    }

    void affinityErrorLine_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QStringList>("fields"); // the fields made invalid
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("message"); // of b', the last field the refused OK evaluates
        QTest::newRow("b' divides by 0, c empty") << 1 << QStringList{"Edit4", "nome"} << QStringList{"1/0", ""}
                                                  << "Error in:  c  b'  " << "division by 0";
        QTest::newRow("a' with a letter, b divides by 0")
            << 2 << QStringList{"Edit3", "Edit1"} << QStringList{"2y", "1/0"} << "Error in:  b  a'  " << "";
        QTest::newRow("c' and a, an open bracket and a trailing sign")
            << 2 << QStringList{"Edit2", "bis"} << QStringList{"(1", "3-"} << "Error in:  a  c'  " << "";
    }

    // OK with invalid fields beeps, stays open and names them; the
    // evaluator's flag and the slot's earlier confirmation are withdrawn. A
    // change hides the line; once every field is valid OK closes, sets both
    // and stores the list's index. OK runs every field's change again, in the
    // order c, a, b, c', a', b': values changed behind the dialog come back
    // from the texts. The other slot's confirmation stays.
    void affinityErrorLine()
    {
        QFETCH(int, slot);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, typed);
        QFETCH(QString, line);
        QFETCH(QString, message);
        TransformSettings.CurrentSlot = quint8(slot);
        TransformSettings.AffineConfirmed = PerSlot<bool>(true);
        Taffina dialog;
        dialog.show();
        QSignalSpy beeps(&dialog, &Taffina::okRefused);
        pickPreset(&dialog, 5);
        for (qsizetype i = 0; i < fields.size(); ++i)
            type(&dialog, fields[i], typed[i]);
        Evaluator.EvalOk = true;
        pressOk(&dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(beeps.count(), 1);
        QVERIFY(errorLineShown(&dialog));
        QCOMPARE(text(&dialog, "Label1"), line);
        QCOMPARE(Evaluator.EvalMessage, message);
        QCOMPARE((QList<bool>{Evaluator.EvalOk, TransformSettings.AffineConfirmed[3 - slot],
                              TransformSettings.AffineConfirmed[slot]}),
                 (QList<bool>{false, true, false}));
        QCOMPARE(int(TransformSettings.AffinePreset), 5);
        for (const QString &field : fields)
            type(&dialog, field, QStringLiteral("1"));
        QVERIFY(!errorLineShown(&dialog));
        Evaluator.EvalOk = false;
        TransformSettings.AffineCoeff[slot] = AffineMatrix{{{7, 7, 7}, {7, 7, 7}}};
        pressOk(&dialog);
        QCOMPARE(storedValues(slot), storedTexts(slot)); // dilatazione's and the 1s typed read as their values
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(beeps.count(), 1);
        QCOMPARE((QList<bool>{Evaluator.EvalOk, TransformSettings.AffineConfirmed[3 - slot],
                              TransformSettings.AffineConfirmed[slot]}),
                 (QList<bool>{true, true, true}));
    }

    // Every change of a field is evaluated and stored at once, valid or not,
    // and a cancel keeps it all: the texts, the values of those that were
    // valid (b' was "2" a key before "2+"), and nothing else, neither the
    // list's index nor the confirmation. Reopened, the invalid text is shown
    // again, and refused.
    void affinityCancelKeepsWhatTheChangesStored()
    {
        TransformSettings.CurrentSlot = 2;
        QMap<QString, QString> before;
        {
            Taffina dialog;
            dialog.show();
            before = storeValues();
            type(&dialog, "bis", QStringLiteral("sqrt(2)"));
            type(&dialog, "Edit2", QStringLiteral("2,5"));
            pickPreset(&dialog, 6);
            type(&dialog, "bis", QStringLiteral("sqrt(2)"));
            type(&dialog, "Edit4", QStringLiteral("2+"));
            QVERIFY(!Evaluator.EvalOk);
            pressCancel(&dialog);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QCOMPARE(storedTexts(2), (QStringList{"0", "sqrt(2)", "0,5", "0", "0", "2+"}));
        QCOMPARE(storedValues(2), (QStringList{"0", "1.41421354", "0.5", "0", "0", "2"}));
        QCOMPARE(changedValues(before, storeValues()).size(), 2 * AffineFieldCount);
        Taffina again;
        again.show();
        QCOMPARE(text(&again, "Edit4"), QStringLiteral("2+"));
        pressOk(&again);
        QVERIFY(again.isVisible());
        QCOMPARE(text(&again, "Label1"), QStringLiteral("Error in:  b'  "));
    }
};

QTEST_MAIN(TestParameterDialog)
#include "tst_parameterdialog.moc"
