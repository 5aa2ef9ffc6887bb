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

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <memory>
#include <optional>

// The figure, translation and rotation dialogs, worked as the user works
// them, on the store as a freshly created workspace leaves it; with them,
// the rules every parameter dialog shares (the hints, the help topic).
namespace {

enum Kind { Figure, Translation, Rotation, Symmetry, Homothety, Dilation, Shear, Affinity };

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

template <typename Control = QWidget>
Control *child(QWidget *dialog, const char *name)
{
    return dialog->findChild<Control *>(QString::fromLatin1(name));
}

SpinControl *spin(QWidget *dialog, const char *name) { return child<SpinControl>(dialog, name); }
void click(QWidget *dialog, const char *name) { QTest::mouseClick(child<QAbstractButton>(dialog, name), Qt::LeftButton); }
void pressOk(QWidget *dialog) { click(dialog, "BitBtn1"); }
void pressCancel(QWidget *dialog) { click(dialog, "BitBtn2"); }

// Keyboard focus and shortcuts need the dialog to be the active window.
bool activate(QWidget *dialog)
{
    dialog->activateWindow();
    return QTest::qWaitForWindowActive(dialog);
}

void chooseType(QWidget *dialog, int type)
{
    // On the round indicator at the left, which every item has.
    auto *item = child<QRadioButton>(dialog, qPrintable(QStringLiteral("tipo%1").arg(type)));
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
}

// Whether B x, B y, C y, C x, D x, D y, the radius field and its spin take input.
QString rowsTakingInput(QWidget *dialog)
{
    QString rows;
    for (const char *name : {"xb", "pyb", "yc", "pxc", "xd", "pyd", "raggio", "praggio"})
        rows += child(dialog, name)->isEnabled() ? u'1' : u'0';
    return rows;
}

// A translation or rotation slot's values in the order of the dialog's controls.
QList<int> stored(int kind, int slot)
{
    const TransformSettingsValues &s = TransformSettings;
    if (kind == Translation)
        return {s.TranslationDX[slot], s.TranslationDY[slot], s.ShowTranslationVector[slot]};
    return {s.RotationCentreX[slot], s.RotationCentreY[slot], s.RotationAngle[slot], s.ShowRotationArcs[slot]};
}

QList<int> shown(QWidget *dialog)
{
    QList<int> values;
    for (const char *name : {"orix", "oriy", "edangolo"})
        if (auto *valueField = dialog->findChild<QLineEdit *>(QLatin1String(name)))
            values << valueField->text().toInt();
    for (const QCheckBox *box : dialog->findChildren<QCheckBox *>())
        values << box->isChecked();
    return values;
}

} // namespace

class TestParameterDialog : public QObject
{
    Q_OBJECT

    std::optional<GuiTest::Fixture> m_fixture;

    // A help set of a loaded language in the test's folder, holding `page`.

private slots:
    void init()
    {
        m_fixture.emplace();
        applyWorkspaceStartValues(Shell.MainShowHints);
    }

    void cleanup()
    {
        delete HelpViewer::current();
        QVERIFY(GuiTest::unexpectedModals().isEmpty());
    }

    void spinLimits_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<bool>("wraps");
        for (const char *name : {"pxa", "pxb", "pxc", "pxd"}) // only x of C and D wraps
            QTest::newRow(name) << int(Figure) << name << -39 << 39 << (name[2] >= 'c');
        for (const char *name : {"pya", "pyb", "pyc", "pyd"})
            QTest::newRow(name) << int(Figure) << name << -26 << 26 << false;
        QTest::newRow("praggio") << int(Figure) << "praggio" << 2 << 15 << false;
        QTest::newRow("translation x") << int(Translation) << "porix" << -30 << 30 << false;
        QTest::newRow("translation y") << int(Translation) << "poriy" << -20 << 20 << false;
        QTest::newRow("centre x") << int(Rotation) << "porix" << -5 << 5 << false;
        QTest::newRow("centre y") << int(Rotation) << "poriy" << -5 << 5 << false;
        QTest::newRow("angle") << int(Rotation) << "pangolo" << -359 << 359 << true;
    }

    // A page up from below the top lands exactly on the top, or wrapping on the
    // bottom; two steps down from above the bottom stop or wrap. Typing is ignored.
    void spinLimits()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(bool, wraps);
        TransformSettings.FigureType = 3; // every vertex row takes input
        auto dialog = makeDialog(kind);
        dialog->show();
        SpinControl *control = spin(dialog.get(), qPrintable(name));
        control->setValue(maximum - 1);
        QTest::keyClick(control, Qt::Key_PageUp);
        QCOMPARE(control->value(), wraps ? minimum : maximum);
        control->setValue(minimum + 1);
        QTest::keyClick(control, Qt::Key_Down);
        QTest::keyClick(control, Qt::Key_Down);
        QTest::keySequence(control, QKeySequence::SelectAll);
        QTest::keyClicks(control, "3");
        QCOMPARE(control->value(), wraps ? maximum : minimum);
    }

    void spinSingleStepsAtTheEnds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("field"); // where the position is shown
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("shownAfterEachStep");
        // Two steps reach the end, the third crosses it: a wrapping spin lands
        // on the other end and goes on from there, any other stays put.
        const auto ends = [](const char *label, int kind, const char *name, const char *field, int minimum,
                             int maximum, bool wraps) {
            const auto texts = [](std::initializer_list<int> positions) {
                QStringList shown;
                for (int position : positions)
                    shown << QString::number(position);
                return shown;
            };
            QTest::addRow("%s, up past %d", label, maximum)
                << kind << name << field << maximum - 2 << int(Qt::Key_Up)
                << texts({maximum - 1, maximum, wraps ? minimum : maximum, wraps ? minimum + 1 : maximum});
            QTest::addRow("%s, down past %d", label, minimum)
                << kind << name << field << minimum + 2 << int(Qt::Key_Down)
                << texts({minimum + 1, minimum, wraps ? maximum : minimum, wraps ? maximum - 1 : minimum});
        };
        ends("x of C", Figure, "pxc", "xc", -39, 39, true);
        ends("x of D", Figure, "pxd", "xd", -39, 39, true);
        ends("x of A", Figure, "pxa", "xa", -39, 39, false);
        ends("x of B", Figure, "pxb", "xb", -39, 39, false);
        ends("y of A", Figure, "pya", "ya", -26, 26, false);
        ends("y of B", Figure, "pyb", "yb", -26, 26, false);
        ends("y of C", Figure, "pyc", "yc", -26, 26, false);
        ends("y of D", Figure, "pyd", "yd", -26, 26, false);
        ends("radius", Figure, "praggio", "raggio", 2, 15, false);
        ends("angle", Rotation, "pangolo", "edangolo", -359, 359, true);
        ends("centre x", Rotation, "porix", "orix", -5, 5, false);
        ends("centre y", Rotation, "poriy", "oriy", -5, 5, false);
        ends("translation x", Translation, "porix", "orix", -30, 30, false);
        ends("translation y", Translation, "poriy", "oriy", -20, 20, false);
    }

    // Single steps, so that a spin wrapping one step early, or one step late,
    // shows it: a page step overshoots the end and hides both.
    void spinSingleStepsAtTheEnds()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QString, field);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(QStringList, shownAfterEachStep);
        TransformSettings.FigureType = 3; // every vertex row takes input
        auto dialog = makeDialog(kind);
        dialog->show();
        SpinControl *control = spin(dialog.get(), qPrintable(name));
        auto *valueField = child<QLineEdit>(dialog.get(), qPrintable(field));
        control->setValue(start);
        QStringList shown;
        for (qsizetype step = 0; step < shownAfterEachStep.size(); ++step) {
            QTest::keyClick(control, Qt::Key(key));
            shown << valueField->text();
        }
        QCOMPARE(shown, shownAfterEachStep);
    }

    void hintRule_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("group"); // its DialogFirstActivation entry
        QTest::addColumn<bool>("main");
        for (bool main : {true, false}) {
            QTest::addRow("figure, main %d", main) << int(Figure) << 0 << main;
            QTest::addRow("translation, main %d", main) << int(Translation) << 5 << main;
            QTest::addRow("rotation, main %d", main) << int(Rotation) << 2 << main;
            QTest::addRow("symmetry, main %d", main) << int(Symmetry) << 3 << main;
            QTest::addRow("homothety, main %d", main) << int(Homothety) << 1 << main;
            QTest::addRow("dilation, main %d", main) << int(Dilation) << 6 << main;
            QTest::addRow("shear, main %d", main) << int(Shear) << 6 << main;
            QTest::addRow("affinity, main %d", main) << int(Affinity) << 4 << main;
        }
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
        QTest::addColumn<QString>("page");
        QTest::newRow("figure") << int(Figure) << false << "801.html";
        QTest::newRow("translation") << int(Translation) << false << "803.html";
        QTest::newRow("rotation") << int(Rotation) << false << "806.html";
        QTest::newRow("rotation, F1") << int(Rotation) << true << "806.html";
        QTest::newRow("symmetry") << int(Symmetry) << false << "805.html";
        QTest::newRow("homothety") << int(Homothety) << false << "802.html";
        QTest::newRow("dilation") << int(Dilation) << false << "807.html";
        QTest::newRow("shear, F1") << int(Shear) << true << "808.html";
        QTest::newRow("affinity") << int(Affinity) << false << "804.html";
    }

    // Coming back from the help window shows and activates the dialog again,
    // which must not reload it from the store (the affinity, with no spin,
    // is loaded once, like the others).
    void helpOpensTheTopicAndKeepsTheEdits()
    {
        QFETCH(int, kind);
        QFETCH(bool, byKey);
        QFETCH(QString, page);
        QVERIFY(DialogDriver::writeHelpSet(m_fixture->folder(), page));
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

    void storesOnlyTheCurrentSlotAndOnlyOnOk_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("confirm");
        for (int kind : {Translation, Rotation})
            for (int slot : {1, 2})
                for (bool confirm : {true, false})
                    QTest::addRow("kind %d, slot %d, OK %d", kind, slot, confirm) << kind << slot << confirm;
    }

    // The slot's values are made to differ from the other slot's; every spin
    // is then stepped up and every check box ticked.
    void storesOnlyTheCurrentSlotAndOnlyOnOk()
    {
        QFETCH(int, kind);
        QFETCH(int, slot);
        QFETCH(bool, confirm);
        TransformSettings.CurrentSlot = quint8(slot);
        TransformSettings.TranslationDX[slot] = 4;
        TransformSettings.RotationAngle[slot] = -90;
        const QList<int> before = stored(kind, slot);
        const QList<int> other = stored(kind, 3 - slot);
        auto dialog = makeDialog(kind);
        dialog->show();
        QCOMPARE(shown(dialog.get()), before);
        for (SpinControl *control : dialog->findChildren<SpinControl *>())
            QTest::keyClick(control, Qt::Key_Up);
        for (QCheckBox *box : dialog->findChildren<QCheckBox *>())
            QTest::mouseClick(box, Qt::LeftButton);
        QList<int> edited = before;
        for (int &value : edited)
            ++value;
        confirm ? pressOk(dialog.get()) : pressCancel(dialog.get());
        QCOMPARE(dialog->result(), int(confirm ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(stored(kind, slot), confirm ? edited : before);
        QCOMPARE(stored(kind, 3 - slot), other);
    }

    // With the axes moving the rotation turns about the origin, so opening
    // fixes the centre there, in the store too and at once. Focus starts on
    // the first control that takes input, here the angle.
    void axesModeFixesTheCentreAtTheOrigin()
    {
        TransformSettings.FrameMode = 1;
        TransformSettings.CurrentSlot = 2;
        Tgeorota dialog;
        dialog.show();
        QVERIFY(!spin(&dialog, "porix")->isEnabled() && !spin(&dialog, "poriy")->isEnabled());
        QCOMPARE(shown(&dialog), (QList<int>{0, 0, 70, false}));
        QCOMPARE(stored(Rotation, 2), (QList<int>{0, 0, 70, false}));
        QCOMPARE(stored(Rotation, 1), (QList<int>{2, -2, 70, false}));
        QVERIFY(activate(&dialog));
        QCOMPARE(QApplication::focusWidget(), spin(&dialog, "pangolo"));
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
        chooseType(&dialog, type);
        QCOMPARE(rowsTakingInput(&dialog), rows);
        spin(&dialog, "pxa")->stepBy(5);
        QTest::mouseClick(child<QCheckBox>(&dialog, "pulizia"), Qt::LeftButton);
        pressCancel(&dialog);
        const TransformSettingsValues &s = TransformSettings;
        QCOMPARE((QList<int>{s.SelectedFigureType, s.FigureIsCircle, s.FigureType, s.FigureX[0], s.ClearScreen}),
                 (QList<int>{type, type == CircleFigure, 2, 15, true}));
        Tcoordinate again;
        again.show();
        QCOMPARE(child<QButtonGroup>(&again, "tipoButtons")->checkedId(), type);
        QCOMPARE(rowsTakingInput(&again), rowsReopened);
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
        chooseType(&dialog, 0);
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
        chooseType(&dialog, CircleFigure);
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
        QCOMPARE(child<QLineEdit>(&again, "raggio")->text(), QString::number(radius));
    }
};

QTEST_MAIN(TestParameterDialog)
#include "tst_parameterdialog.moc"
