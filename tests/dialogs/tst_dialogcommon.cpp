#include "dialogchecks.h"
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

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <memory>

using namespace DialogDriver;

// What every parameter dialog shares, each dialog a row: its texts, its cursors,
// its spins' ranges, the hint rule, the help topic, the order of work (the slot's
// values loaded on opening, stored by OK only) and the workspace's dispatch to it.
// Each dialog's own wiring is tst_dialogkinds', the values the rules' (tst_dialogrules).
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

// The pointing hand is the picture cursor with its hot spot at the fingertip.
bool pointingHand(const QWidget *control)
{
    return control && control->testAttribute(Qt::WA_SetCursor) && control->cursor().shape() == Qt::BitmapCursor
           && control->cursor().hotSpot() == QPoint(30, 11);
}

// Every spin stepped and every check box ticked, as the user edits a dialog.
void editAll(QWidget *dialog, int steps)
{
    for (SpinControl *control : dialog->findChildren<SpinControl *>())
        control->stepBy(steps);
    for (QCheckBox *box : dialog->findChildren<QCheckBox *>())
        QTest::mouseClick(box, Qt::LeftButton);
}

} // namespace

class TestDialogCommon : public DialogTestCase
{
    Q_OBJECT

private slots:
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
};

QTEST_MAIN(TestDialogCommon)
#include "tst_dialogcommon.moc"
