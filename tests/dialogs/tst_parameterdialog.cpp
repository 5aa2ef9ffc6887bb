#include "calc/expressionevaluator.h"
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
#include "lang/records.h"
#include "plane/planeharness.h"
#include "shell/helpviewer.h"
#include "shell/shellvalues.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QAction>
#include <QApplication>
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
#include <tuple>
#include <type_traits>

using namespace DialogDriver;

// What every parameter dialog shares, each dialog a row: its texts, its
// cursors, its spins' ranges, the hint rule, the help topic, the order of
// work (the slot's values loaded on opening, stored by OK only) and the
// workspace's dispatch to it; then each dialog's own wiring. The values
// themselves are the rules' (tst_dialogrules).
namespace {

enum DialogKind { Figure, Translation, Rotation, Symmetry, Homothety, Dilation, Shear, Affinity };

// The dialog of a kind, shown, which loads it.
template <typename... Dialogs>
std::unique_ptr<ParameterDialog> openedOf(int kind)
{
    std::unique_ptr<ParameterDialog> dialog;
    int index = 0;
    ((index++ == kind ? void(dialog = std::make_unique<Dialogs>()) : void()), ...);
    dialog->show();
    return dialog;
}
const auto opened = openedOf<Tcoordinate, Tgeotrasla, Tgeorota, Tgeosim, Tgeomot, Tdilatazioni, Tinclinazioni, Taffina>;

QStringList shown(const QWidget *dialog, const QStringList &names)
{
    QStringList values;
    for (const QString &name : names)
        values << text(dialog, name);
    return values;
}

// The text the user reads on a control: a window's title, a group's title,
// a list's items, a button's caption, else its hint. A push button's
// caption is its hint begun with a capital: both are shown.
QString caption(const QWidget *control)
{
    if (control && control->isWindow())
        return control->windowTitle();
    if (auto *group = qobject_cast<const QGroupBox *>(control))
        return group->title();
    if (auto *list = qobject_cast<const QComboBox *>(control)) {
        QStringList items;
        for (int item = 0; item < list->count(); ++item)
            items << list->itemText(item);
        return items.join(QStringLiteral(", "));
    }
    if (auto *button = qobject_cast<const QPushButton *>(control))
        return button->text() + QStringLiteral(" / ") + button->toolTip();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    return control ? control->toolTip() : QStringLiteral("<no control>");
}

// The caption of the label that names `control`, empty if none does.
QString labelOf(const QWidget *dialog, const QWidget *control)
{
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        if (control && label->buddy() == control)
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

// The pointing hand is the picture cursor with its hot spot at the fingertip.
bool pointingHand(const QWidget *control)
{
    return control && control->testAttribute(Qt::WA_SetCursor) && control->cursor().shape() == Qt::BitmapCursor
           && control->cursor().hotSpot() == QPoint(30, 11);
}

// Nine digits tell every single-precision value apart.
QString real(float value)
{
    return QString::number(double(value), 'g', 9);
}

// A value of the store under its name, a slot or an index in brackets after it.
template <typename T>
void put(QMap<QString, QString> &values, const QString &name, const T &value)
{
    if constexpr (std::is_floating_point_v<T>)
        values[name] = real(value);
    else if constexpr (std::is_arithmetic_v<T>)
        values[name] = QString::number(value);
    else if constexpr (std::is_same_v<T, QString>)
        values[name] = value;
    else if constexpr (requires { value.size(); })
        for (std::size_t i = 0; i < value.size(); ++i)
            put(values, QStringLiteral("%1[%2]").arg(name).arg(i), value[i]);
    else
        for (int slot : {1, 2})
            put(values, QStringLiteral("%1[%2]").arg(name).arg(slot), value[slot]);
}

// `names` is the argument list as written: "s.TranslationDX, s.TranslationDY".
template <typename... Values>
void putAll(QMap<QString, QString> &values, const char *names, const Values &...value)
{
    QStringList keys = QString::fromLatin1(names).remove(QStringLiteral("s.")).split(QStringLiteral(", "));
    (put(values, keys.takeFirst(), value), ...);
}

// Every value of the transformation store by name ("HomothetyRatio[2]",
// "AffineCoeff[1][0][2]"), so that a test sees everything a dialog changed.
QMap<QString, QString> storeValues()
{
    const TransformSettingsValues &s = TransformSettings;
    QMap<QString, QString> values;
#define ALL(...) putAll(values, #__VA_ARGS__, __VA_ARGS__)
    ALL(s.CurrentSlot, s.FrameMode, s.SlotKind, s.TranslationDX, s.TranslationDY, s.ShowTranslationVector,
        s.RotationCentreX, s.RotationCentreY, s.RotationAngle, s.ShowRotationArcs, s.SymmetryKind, s.SymmetryCentreX,
        s.SymmetryCentreY, s.SymmetryAxisAngle, s.SymmetryAxisQ, s.ShowSymmetryElement, s.HomothetyCentreX,
        s.HomothetyCentreY, s.HomothetyRatio, s.HomothetySign, s.ShowHomothetyCentre, s.DilationX, s.DilationY,
        s.ShearX, s.ShearY, s.ShearAxis, s.ShearSign, s.AffineText, s.AffineCoeff, s.AffineConfirmed, s.AffinePreset,
        s.FigureType, s.SelectedFigureType, s.FigureIsCircle, s.FigureX, s.FigureY, s.ClearScreen, s.VertexTextX,
        s.VertexTextY, s.DialogShowHints, s.DialogFirstActivation);
#undef ALL
    return values;
}

QStringList changedValues(const QMap<QString, QString> &before, const QMap<QString, QString> &after = storeValues())
{
    QStringList changed;
    for (auto entry = after.cbegin(); entry != after.cend(); ++entry)
        if (before.value(entry.key()) != entry.value())
            changed << entry.key() + u'=' + entry.value();
    changed.sort();
    return changed;
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
        QTest::addColumn<QList<QStringList>>("texts"); // names, text
        const QStringList kinds{"figure", "translation", "rotation", "symmetry", "homothety", "dilation", "shear", "affinity"};
        const QStringList languages{"Italian", "English", "French"};
        QMap<QString, QList<QStringList>> dialogs;
        for (const QStringList &row : Records::rows(QStringLiteral("dialogtexts.tsv")))
            dialogs[row[0] + u' ' + row[1]] << row.mid(2);
        QCOMPARE(dialogs.size(), 13);
        for (auto dialog = dialogs.cbegin(); dialog != dialogs.cend(); ++dialog)
            QTest::newRow(qPrintable(dialog.key())) << int(kinds.indexOf(dialog.key().section(u' ', 0, 0)))
                                                   << int(languages.indexOf(dialog.key().section(u' ', 1)))
                                                   << dialog.value();
    }

    // Each control's text and cursor as the record gives them.
    void texts()
    {
        QFETCH(int, kind);
        QFETCH(int, language);
        QFETCH(QList<QStringList>, texts);
        Language.LanguageIndex = quint8(language);
        const auto dialog = opened(kind);
        QStringList shownTexts, expected;
        for (const QStringList &entry : texts) {
            for (const QString &name : entry[0].isEmpty() ? QStringList{QString()} : entry[0].split(u' ')) {
                const QString plain = QString(name).remove(u'*').remove(u'=');
                const QWidget *control = plain.isEmpty() ? dialog.get() : child(dialog.get(), plain);
                shownTexts << (name.startsWith(u'=') ? name + u':' + labelOf(dialog.get(), control)
                                                     : (pointingHand(control) ? u'*' + plain : plain) + u':'
                                                           + caption(control));
                expected << name + u':' + entry[1];
            }
        }
        QCOMPARE(shownTexts, expected);
    }

    // Each spin's range, w where it wraps (of the vertices only x of C and
    // D), and the arrow key past the top of one; typing is ignored. A stored
    // real is shown at the nearest position inside the range.
    void spinRanges()
    {
        TransformSettings.DilationX[1] = 0.2f;
        TransformSettings.DilationY[1] = 1.26f;
        const char *ranges[] = {
            "praggio 2 15|pxa -39 39|pxb -39 39|pxc -39 39 w|pxd -39 39 w|pya -26 26|pyb -26 26|pyc -26 26|pyd -26 26",
            "porix -30 30|poriy -20 20", "pangolo -359 359 w|porix -5 5|poriy -5 5",
            "pangolo 0 179 w|pqu -5 5|pxzero -10 10|pyzero -5 5", "pangolo 1 20 w|pxo -36 36|pyo -25 25",
            "pdilx 5 50|pdily 5 50", "pdily 5 50", ""};
        for (int kind = Figure; kind <= Affinity; ++kind) {
            const auto dialog = opened(kind);
            QStringList spins;
            for (const SpinControl *control : dialog->findChildren<SpinControl *>())
                spins << QStringLiteral("%1 %2 %3%4").arg(control->objectName()).arg(control->minimum())
                             .arg(control->maximum()).arg(control->wrapping() ? " w" : "");
            spins.sort();
            QCOMPARE(spins.join(u'|'), QString::fromUtf8(ranges[kind]));
            if (kind == Rotation) {
                SpinControl *angle = spin(dialog.get(), "pangolo");
                angle->setValue(359);
                QTest::keyClick(angle, Qt::Key_Up);
                QTest::keySequence(angle, QKeySequence::SelectAll);
                QTest::keyClicks(angle, "9");
                QCOMPARE(text(dialog.get(), "edangolo"), QStringLiteral("-359"));
            }
            if (kind == Dilation)
                QCOMPARE(shown(dialog.get(), {"dilx", "dily"}), (QStringList{"0.5", "1.3"}));
        }
    }

    // For each dialog: the first opening follows the main switch and clears
    // only the dialog's own flag; a later one follows the dialogs' switch,
    // which Mostra, in the dialog's pop-up menu, toggles. Help (F1 in the
    // shear) opens the dialog's topic; coming back shows and activates the
    // dialog again, which must not reload it from the store (the affinity,
    // with no spin, is loaded once, like the others).
    void hintsAndHelp()
    {
        // Each dialog's first-opening entry (the dilation and the shear share one) and help page.
        const int groups[] = {0, 5, 2, 3, 1, 6, 6, 4};
        const QStringList pages{"801", "803", "806", "805", "802", "807", "808", "804"};
        LongTexts.setCell(58, LoadedLanguage, QStringLiteral("Prova"));
        Language.LanguageIndex = LoadedLanguage;
        Language.LanguageFilePath = m_fixture->filePath(QStringLiteral("prova.lng"));
        QVERIFY(QDir(m_fixture->folder()).mkdir(QStringLiteral("Prova.hlp")));
        for (const QString &page : pages) {
            QFile file(m_fixture->filePath(QStringLiteral("Prova.hlp/%1.html").arg(page)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("page") > 0);
        }
        for (int kind = Figure; kind <= Affinity; ++kind) {
            const bool main = kind % 2;
            Shell.MainShowHints = main;
            applyWorkspaceStartValues(main);
            TransformSettings.DialogShowHints = !main;
            const auto first = opened(kind);
            QCOMPARE(first->hintsShown(), main);
            QCOMPARE(child<QAction>(first.get(), "Mostra")->isChecked(), main);
            const auto &firstOpenings = TransformSettings.DialogFirstActivation;
            QVERIFY(!firstOpenings[groups[kind]] && std::count(firstOpenings.begin(), firstOpenings.end(), false) == 1);
            const auto dialog = opened(kind);
            QCOMPARE(dialog->hintsShown(), !main);
            QAction *mostra = child<QAction>(dialog.get(), "Mostra");
            QVERIFY(dialog->actions().contains(mostra));
            mostra->trigger();
            QCOMPARE((QList<bool>{dialog->hintsShown(), mostra->isChecked(), TransformSettings.DialogShowHints}),
                     QList<bool>(3, main));
            QVERIFY(activate(dialog.get()));
            auto *edited = dialog->findChild<SpinControl *>();
            if (edited)
                edited->stepBy(1);
            const int value = edited ? edited->value() : 0;
            kind == Shear ? QTest::keySequence(dialog.get(), QKeySequence::HelpContents) : click(dialog.get(), "BitBtn3");
            QVERIFY(HelpViewer::current());
            QCOMPARE(HelpViewer::current()->currentPage().fileName(), pages[kind] + QStringLiteral(".html"));
            delete HelpViewer::current();
            dialog->hide();
            dialog->show();
            QVERIFY(activate(dialog.get()));
            QCOMPARE(edited ? edited->value() : 0, value);
        }
    }

    void opensAndStoresItsSlot_data()
    {
        QTest::addColumn<int>("kind");
        // "name:start>edited|...": what each control shows on opening, then
        // after a step up of each spin and a click of each check box.
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("stored"); // what OK changes
        QTest::newRow("translation") << int(Translation) << "orix:-6>-5|oriy:-8>-7|vettore:0>1"
                                     << "ShowTranslationVector[2]=1 TranslationDX[2]=-5 TranslationDY[2]=-7";
        QTest::newRow("rotation") << int(Rotation) << "orix:2>3|oriy:-2>-1|edangolo:70>71|raggic:0>1"
                                  << "RotationAngle[2]=71 RotationCentreX[2]=3 RotationCentreY[2]=-1 ShowRotationArcs[2]=1";
        // The disabled rows of the kind are stored all the same.
        QTest::newRow("symmetry") << int(Symmetry) << "xzero:0>1|yzero:0>1|angolo:60>61|Edit3:1.73>1.80|qu:-3>-2|centrasse:0>1"
                                  << "ShowSymmetryElement[2]=1 SymmetryAxisAngle[2]=61 SymmetryAxisQ[2]=-2 "
                                     "SymmetryCentreX[2]=1 SymmetryCentreY[2]=1";
        QTest::newRow("homothety") << int(Homothety) << "edangolo:1.5>1.6|xo:-1>0|yo:1>2|centro:0>1"
                                   << "HomothetyCentreX[2]=0 HomothetyCentreY[2]=2 HomothetyRatio[2]=1.60000002 "
                                      "ShowHomothetyCentre[2]=1";
        QTest::newRow("dilation") << int(Dilation) << "dilx:1.5>1.6|dily:0.5>0.6"
                                  << "DilationX[2]=1.60000002 DilationY[2]=0.600000024";
        // The shear coefficients start at 0, below the range: 0.5 is shown.
        QTest::newRow("shear") << int(Shear) << "dily:0.5>0.6"
                               << "ShearX[2]=0.600000024";
    }

    // Slot 1 is edited and confirmed first, so that it differs from slot 2;
    // slot 2 then opens on its own values, and OK stores its edits and
    // nothing else.
    void opensAndStoresItsSlot()
    {
        QFETCH(int, kind);
        QFETCH(QString, fields);
        QFETCH(QString, stored);
        QStringList names, start, edited;
        for (const QString &field : fields.split(u'|')) {
            names << field.section(u':', 0, 0);
            start << field.section(u':', 1).section(u'>', 0, 0);
            edited << field.section(u'>', 1);
        }
        const auto first = opened(kind);
        editAll(first.get(), 3);
        pressOk(first.get());
        TransformSettings.CurrentSlot = 2;
        const QMap<QString, QString> before = storeValues();
        const auto dialog = opened(kind);
        QCOMPARE(shown(dialog.get(), names), start);
        editAll(dialog.get(), 1);
        QCOMPARE(shown(dialog.get(), names), edited);
        QCOMPARE(storeValues(), before);
        pressOk(dialog.get());
        QCOMPARE(changedValues(before), stored.split(u' '));
    }

    void workspaceOpensItsDialog_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("confirm");
        // One dispatch serves both slots: each kind once a slot, OK in one.
        for (int kind = Traslazione; kind <= Affinita; ++kind)
            for (bool confirm : {true, false})
                QTest::addRow("kind %d, %s", kind, confirm ? "OK" : "cancel") << 1 + (kind + confirm) % 2 << kind << confirm;
    }

    // The workspace opens each kind's dialog for the slot whose combo box
    // changed, and records the kind only when the dialog closes with OK.
    void workspaceOpensItsDialog()
    {
        QFETCH(int, slot);
        QFETCH(int, kind);
        QFETCH(bool, confirm);
        const char *dialogs[] = {"Tgeotrasla", "Tgeorota", "Tgeosim", "Tgeomot", "Tdilatazioni", "Tinclinazioni", "Taffina"};
        PlaneHarness plane;
        plane.setTransformations(2);
        plane.confirmFigure();
        if (slot == 2)
            plane.confirmKind(1, Traslazione);
        TransformSettings.SlotKind[slot] = 9;
        QStringList seen;
        GuiTest::whenModalOpens([&](QWidget *modal) {
            seen << modal->objectName() << QString::number(TransformSettings.CurrentSlot);
            confirm ? pressOk(modal) : pressCancel(modal);
        });
        plane.choose(slot == 1 ? "trasfuno" : "trasfdue", kind);
        QCOMPARE(seen << QString::number(TransformSettings.SlotKind[slot]),
                 (QStringList{dialogs[kind], QString::number(slot), QString::number(confirm ? kind : 9)}));
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
        QCOMPARE(changedValues(before),
                 (QStringList{"DialogFirstActivation[2]=0", "RotationCentreX[2]=0", "RotationCentreY[2]=0"}));
    }


    // The choice is stored at once and outlives a cancel; the figure does
    // not. Reopened, the rows follow the confirmed triangle unless a circle
    // is shown.
    void figureTypeChoice()
    {
        for (const auto &[type, rows, reopened] : {std::tuple{0, "00000001", "11110001"}, {1, "11000001", "11110001"},
                                                   {3, "11111101", "11110001"}, {4, "00000011", "00000011"}}) {
            Tcoordinate dialog;
            dialog.show();
            chooseItem(&dialog, QStringLiteral("tipo%1").arg(type));
            QCOMPARE(enabling(&dialog, FigureRowNames), QLatin1String(rows));
            spin(&dialog, "pxa")->stepBy(5);
            click(&dialog, "pulizia");
            pressCancel(&dialog);
            const TransformSettingsValues &s = TransformSettings;
            QCOMPARE((QList<int>{s.SelectedFigureType, s.FigureIsCircle, s.FigureType, s.FigureX[0], s.ClearScreen}),
                     (QList<int>{type, type == CircleFigure, 2, 15, true}));
            Tcoordinate again;
            again.show();
            QCOMPARE(text(&again, "tipoButtons"), QString::number(type));
            QCOMPARE(enabling(&again, FigureRowNames), QLatin1String(reopened));
        }
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
        click(&dialog, "pulizia");
        pressOk(&dialog);
        const TransformSettingsValues &s = TransformSettings;
        QCOMPARE((QList<int>{s.FigureType, s.ClearScreen, s.FigureX[0], s.FigureY[0], s.FigureX[1], s.FigureY[3]}),
                 (QList<int>{0, false, -5, 11, 39, -25}));
        QCOMPARE((QStringList{s.VertexTextX[0][0], s.VertexTextX[1][0], s.VertexTextY[3][0], s.VertexTextX[0][1]}),
                 (QStringList{"-5", "39", "-25", ""}));
    }

    // Enter ends the typing and confirms the dialog: the field shows, and OK
    // stores, the radius typed brought into range (letters are refused),
    // kept in entry 1 of both arrays and shown again at the next opening.
    void typedRadius()
    {
        for (const auto &[typed, radius] : {std::pair{"ab", 5}, {"12", 12}, {"40", 15}, {"1", 2}}) {
            Tcoordinate dialog;
            dialog.show();
            chooseItem(&dialog, "tipo4");
            type(&dialog, "raggio", QLatin1String(typed));
            QTest::keyClick(child<QLineEdit>(&dialog, "raggio"), Qt::Key_Return);
            QCOMPARE(text(&dialog, "raggio"), QString::number(radius));
            const TransformSettingsValues &s = TransformSettings;
            QCOMPARE((QList<int>{s.FigureType, s.FigureX[1], s.FigureY[1], s.FigureX[2], s.FigureY[3]}),
                     (QList<int>{CircleFigure, radius, radius, 21, 9}));
            Tcoordinate again;
            again.show();
            QCOMPARE(text(&again, "raggio"), QString::number(radius));
        }
    }

    // Each kind clicked after another one, the other slot holding yet
    // another: the rows follow the rules, OK stores the kind in the slot, and
    // the next opening shows it with the same rows. The stored angle is the
    // spin's first position, 0: the slope is shown all the same, and follows
    // a step of the angle.
    void symmetryKinds()
    {
        const QStringList rowNames{"xzero", "pxzero", "yzero", "pyzero", "angolo", "pangolo", "Edit3", "qu", "pqu"};
        const auto rowsOf = [](int kind) {
            const SymmetryRows on = rowsForSymmetryKind(kind);
            return QStringLiteral("%1%1%2%2%3%3%3%3%3").arg(int(on.x)).arg(int(on.y)).arg(int(on.line));
        };
        TransformSettings.SymmetryAxisAngle[2] = 0;
        TransformSettings.CurrentSlot = 2;
        for (int kind = 0; kind < SymmetryKindCount; ++kind) {
            TransformSettings.SymmetryKind[1] = quint8(kind == 3 ? 4 : 3);
            TransformSettings.SymmetryKind[2] = quint8(kind == 5 ? 0 : 5);
            Tgeosim dialog;
            dialog.show();
            chooseItem(&dialog, QStringLiteral("tiposim%1").arg(kind));
            QCOMPARE(enabling(&dialog, rowNames), rowsOf(kind));
            pressOk(&dialog);
            QCOMPARE((QList<int>{TransformSettings.SymmetryKind[1], TransformSettings.SymmetryKind[2]}),
                     (QList<int>{kind == 3 ? 4 : 3, kind}));
            Tgeosim reopened;
            reopened.show();
            QCOMPARE(shown(&reopened, {"tiposimButtons", "Edit3"}), (QStringList{QString::number(kind), slopeText(0)}));
            QCOMPARE(enabling(&reopened, rowNames), rowsOf(kind));
            spin(&reopened, "pangolo")->stepBy(1);
            QCOMPARE(text(&reopened, "Edit3"), slopeText(1));
        }
    }

    // Opened negative, the dialog shows item 1 and "k = -"; each click stores
    // the sign of the slot at once. The sign changed behind the dialog then
    // shows that OK does not store it again, and stores the ratio without
    // its sign.
    void homothetySignIsStoredAtOnce()
    {
        TransformSettings.HomothetySign[2] = -1;
        TransformSettings.CurrentSlot = 2;
        Tgeomot dialog;
        dialog.show();
        QCOMPARE(shown(&dialog, {"segnoButtons", "Label3"}), (QStringList{"1", "k = -"}));
        const QMap<QString, QString> before = storeValues();
        chooseItem(&dialog, "segno0");
        QCOMPARE(text(&dialog, "Label3"), QStringLiteral("k = "));
        QCOMPARE(changedValues(before), QStringList{"HomothetySign[2]=1"});
        chooseItem(&dialog, "segno1");
        QCOMPARE(changedValues(before), QStringList());
        TransformSettings.HomothetySign[2] = 1;
        pressOk(&dialog);
        QCOMPARE(changedValues(before), QStringList{"HomothetySign[2]=1"});
    }

    // The dialog opens on the slot's own axis y and negative sign, the other
    // slot holding x and positive, and both slots both coefficients, so that
    // the zeroing of the unused one shows. A change of axis does not reload
    // the coefficient shown. Nothing is stored before OK.
    void shearStoresItsAxisAndSign()
    {
        const QStringList shownNames{"sceltasseButtons", "segnokappaButtons", "dily"};
        TransformSettingsValues &s = TransformSettings;
        s.ShearX = PerSlot<float>(1.2f);
        s.ShearY = PerSlot<float>(3.4f);
        s.ShearAxis[2] = 1;
        s.ShearSign[2] = 1;
        s.CurrentSlot = 2;
        Tinclinazioni dialog;
        dialog.show();
        QCOMPARE(shown(&dialog, shownNames), (QStringList{"1", "1", "3.4"}));
        const QMap<QString, QString> before = storeValues();
        chooseItem(&dialog, "sceltasse0");
        chooseItem(&dialog, "segnokappa0");
        QTest::keyClick(spin(&dialog, "pdily"), Qt::Key_Up);
        QCOMPARE(shown(&dialog, shownNames), (QStringList{"0", "0", "3.5"}));
        QCOMPARE(storeValues(), before);
        pressOk(&dialog);
        QCOMPARE(changedValues(before), (QStringList{"ShearAxis[2]=0", "ShearSign[2]=0", "ShearX[2]=3.5", "ShearY[2]=0"}));
    }

    // The fields show the slot's texts under the two formulas, the list the
    // stored preset without applying it, and no error line. Opening
    // evaluates the texts it shows: a value the store lost comes back, and
    // the other slot is left alone.
    void affinityOpensOnItsSlot()
    {
        TransformSettings.AffineText[1] = {"3", "1/2", "sqrt(3)/2", "-1", "0", "4"};
        TransformSettings.AffinePreset = 4;
        Taffina dialog;
        dialog.show();
        QCOMPARE(shown(&dialog, Fields), (QStringList{"3", "1/2", "sqrt(3)/2", "-1", "0", "4"}));
        QCOMPARE(child<QComboBox>(&dialog, "combinato")->currentIndex(), 4);
        QVERIFY(!child<QLabel>(&dialog, "Label1")->isVisible());
        QCOMPARE(storedValues(1), (QStringList{"3", "0.5", "0.866025388", "-1", "0", "4"}));
        QCOMPARE(storedTexts(2) + storedValues(2), StartValues + StartValues);
        QStringList formulas;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            if (label->text().contains(u"  =  "))
                formulas << label->text();
        QCOMPARE(formulas, (QStringList{"x'  =  a x +  b y  +  c", "y'  =  a' x +  b' y  +  c'"}));
    }

    // A pick fills the fields with the preset's texts, whose changes store
    // texts and values at once, in slot 2 only; the list's index is stored
    // by OK, not by the pick. "generica" stores its values even where a
    // field's text does not change and so is not evaluated again: the
    // store's matrix is changed behind the dialog, as the change of frame does.
    void affinityPresets()
    {
        TransformSettings.CurrentSlot = 2;
        for (int preset = 0; preset < AffinePresetCount; ++preset) {
            TransformSettings.AffinePreset = 3;
            TransformSettingsValues evaluated = TransformSettings;
            const AffineTexts texts = affinePresetTexts(preset);
            for (int field = 0; field < AffineFieldCount; ++field)
                applyAffineText(evaluated, 2, field, texts[field]);
            Taffina dialog;
            dialog.show();
            if (preset == 0)
                TransformSettings.AffineCoeff[2] = AffineMatrix{{{7, 7, 7}, {7, 7, 7}}};
            pickPreset(&dialog, preset);
            QCOMPARE(shown(&dialog, Fields), QStringList(texts.cbegin(), texts.cend()));
            QCOMPARE(storedTexts(2), QStringList(texts.cbegin(), texts.cend()));
            QCOMPARE(storedValues(2), storedValues(2, evaluated));
            QCOMPARE(storedTexts(1) + storedValues(1), StartValues + StartValues);
            QCOMPARE(int(TransformSettings.AffinePreset), 3);
            pressOk(&dialog);
            QCOMPARE(int(TransformSettings.AffinePreset), preset);
        }
    }

    // OK with b' dividing by 0 and c empty (typed in that order) beeps, stays
    // open and names them; the evaluator's flag and the slot's confirmation
    // are withdrawn, the other slot's stays. A change hides the line; once
    // all are valid OK closes and sets both. OK evaluates every field again,
    // c first and b' last: the message is that of b', and values changed behind
    // the dialog come back from the texts.
    void affinityErrorLine()
    {
        TransformSettings.CurrentSlot = 2;
        TransformSettings.AffineConfirmed = PerSlot<bool>(true);
        Taffina dialog;
        dialog.show();
        QSignalSpy beeps(&dialog, &Taffina::okRefused);
        pickPreset(&dialog, 5);
        type(&dialog, "Edit4", QStringLiteral("1/0"));
        type(&dialog, "nome", QString());
        Evaluator.EvalOk = true;
        pressOk(&dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(beeps.count(), 1);
        QVERIFY(child<QLabel>(&dialog, "Label1")->isVisible());
        QCOMPARE(text(&dialog, "Label1"), QStringLiteral("Error in:  c  b'  "));
        QCOMPARE(Evaluator.EvalMessage, QStringLiteral("division by 0"));
        QCOMPARE((QList<bool>{Evaluator.EvalOk, TransformSettings.AffineConfirmed[1], TransformSettings.AffineConfirmed[2]}),
                 (QList<bool>{false, true, false}));
        QCOMPARE(int(TransformSettings.AffinePreset), 5);
        type(&dialog, "Edit4", QStringLiteral("1"));
        QVERIFY(!child<QLabel>(&dialog, "Label1")->isVisible());
        type(&dialog, "nome", QStringLiteral("1"));
        Evaluator.EvalOk = false;
        TransformSettings.AffineCoeff[2] = AffineMatrix{{{7, 7, 7}, {7, 7, 7}}};
        pressOk(&dialog);
        QCOMPARE(storedValues(2), storedTexts(2)); // dilatazione's and the 1s typed read as their values
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(beeps.count(), 1);
        QCOMPARE((QList<bool>{Evaluator.EvalOk, TransformSettings.AffineConfirmed[1], TransformSettings.AffineConfirmed[2]}),
                 QList<bool>(3, true));
    }

    // Every change is evaluated and stored at once, valid or not, and cancel
    // keeps it all and nothing else: the texts, the values of the valid ones
    // (b' was "2" a key before "2+"). Reopened, the invalid text is refused.
    void affinityCancelKeepsWhatTheChangesStored()
    {
        TransformSettings.CurrentSlot = 2;
        Taffina dialog;
        dialog.show();
        const QMap<QString, QString> before = storeValues();
        type(&dialog, "bis", QStringLiteral("sqrt(2)"));
        type(&dialog, "Edit2", QStringLiteral("2,5"));
        pickPreset(&dialog, 6);
        type(&dialog, "bis", QStringLiteral("sqrt(2)"));
        type(&dialog, "Edit4", QStringLiteral("2+"));
        pressCancel(&dialog);
        QCOMPARE(storedTexts(2), (QStringList{"0", "sqrt(2)", "0,5", "0", "0", "2+"}));
        QCOMPARE(storedValues(2), (QStringList{"0", "1.41421354", "0.5", "0", "0", "2"}));
        QCOMPARE(changedValues(before).size(), 2 * AffineFieldCount);
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
