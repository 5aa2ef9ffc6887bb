#include "spacewindow.h"

#include "app/helpviewer.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

Q_DECLARE_METATYPE(CubeAxis)

namespace {

// A dialog on a schedule and hint state of its own.
struct Dialog {
    explicit Dialog(CubeSchedule start = {}, CubeDialogHints startHints = {})
        : schedule(start)
        , hints(startHints)
        , dialog(schedule, hints)
    {
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return dialog.findChild<T *>(name);
    }

    QToolButton *direction(int step, char side) const
    {
        return find<QToolButton>(QStringLiteral("rota%1%2").arg(step).arg(side));
    }

    QList<QRadioButton *> axes(const char *row) const
    {
        return find<QGroupBox>(QString::fromLatin1(row))->findChildren<QRadioButton *>();
    }

    void press(const char *button) { find<QPushButton>(QString::fromLatin1(button))->click(); }

    CubeSchedule schedule;
    CubeDialogHints hints;
    Tcuborot dialog;
};

} // namespace

class TestTcuborot : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { delete HelpViewer::current(); }

    void captionsAndHints()
    {
        GuiTest::Fixture fixture;
        Language.LanguageIndex = Italian;
        Dialog d;
        QCOMPARE(d.dialog.windowTitle(), QStringLiteral("Rotazioni"));
        QCOMPARE(d.find<QGroupBox>(QStringLiteral("terza"))->title(), QStringLiteral("III rotazione"));
        QCOMPARE(d.axes("terza")[0]->text(), QStringLiteral("asse   x"));
        QCOMPARE(d.axes("terza")[2]->text(), QStringLiteral("          z"));
        QCOMPARE(d.direction(2, 'd')->toolTip(), QStringLiteral("oraria"));
        QCOMPARE(d.direction(2, 's')->toolTip(), QStringLiteral("antioraria"));
        QCOMPARE(d.find(QStringLiteral("pseconda"))->toolTip(), QStringLiteral("numero facce"));
        QCOMPARE(d.find(QStringLiteral("BitBtn3"))->toolTip(), QStringLiteral("guida"));
    }

    void loadsTheSchedule()
    {
        GuiTest::Fixture fixture;
        CubeSchedule start;
        start.StepAxis = {AxisZ, AxisX, AxisY};
        start.StepTurns = {0, 3, 1};
        start.StepClockwise = {false, true, true};
        Dialog d(start);
        QVERIFY(d.axes("prima")[2]->isChecked() && d.axes("seconda")[0]->isChecked());
        QCOMPARE(d.find<QSpinBox>(QStringLiteral("pseconda"))->value(), 3);
        QCOMPARE(d.find<QLineEdit>(QStringLiteral("eprima"))->text(), QStringLiteral("0"));
        QVERIFY(d.find<QLineEdit>(QStringLiteral("eprima"))->isReadOnly());
        QVERIFY(d.direction(1, 's')->isChecked() && !d.direction(1, 'd')->isChecked());
        QVERIFY(d.direction(2, 'd')->isChecked() && !d.direction(2, 's')->isChecked());
    }

    void ok_data()
    {
        QTest::addColumn<CubeAxis>("axis");
        QTest::addColumn<int>("turns");
        QTest::addColumn<char>("pressed"); // '-' leaves both direction buttons up
        QTest::addColumn<bool>("clockwise");
        QTest::newRow("z 1 clockwise") << AxisZ << 1 << 'd' << true;
        QTest::newRow("y 3 anticlockwise") << AxisY << 3 << 's' << false;
        QTest::newRow("x 0, both up is anticlockwise") << AxisX << 0 << '-' << false;
    }

    void ok()
    {
        QFETCH(CubeAxis, axis);
        QFETCH(int, turns);
        QFETCH(char, pressed);
        QFETCH(bool, clockwise);
        GuiTest::Fixture fixture;
        Dialog d;
        d.axes("terza")[axis]->click();
        d.find<QSpinBox>(QStringLiteral("pterza"))->setValue(turns);
        d.direction(3, 'd')->click(); // releases the start direction
        if (pressed != '-')
            d.direction(3, pressed)->click();
        d.press("BitBtn1");
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(d.schedule.StepAxis[2], axis);
        QCOMPARE(d.schedule.StepTurns[2], turns);
        QCOMPARE(d.schedule.StepClockwise[2], clockwise);
        QCOMPARE(d.schedule.StepTurns[1], 1); // the other rows as they were
    }

    void cancelStoresNothing()
    {
        GuiTest::Fixture fixture;
        Dialog d;
        d.axes("prima")[1]->click();
        d.find<QSpinBox>(QStringLiteral("pprima"))->setValue(0);
        d.direction(1, 's')->click();
        d.press("BitBtn2");
        QCOMPARE(d.dialog.result(), int(QDialog::Rejected));
        QVERIFY(d.schedule.StepAxis[0] == AxisX && d.schedule.StepTurns[0] == 2 && d.schedule.StepClockwise[0]);
    }

    void directionsExcludeEachOther()
    {
        GuiTest::Fixture fixture;
        Dialog d;
        d.direction(1, 's')->click();
        QVERIFY(d.direction(1, 's')->isChecked() && !d.direction(1, 'd')->isChecked());
        QVERIFY(d.direction(2, 'd')->isChecked()); // rows are apart
        d.direction(1, 'd')->click();
        QVERIFY(d.direction(1, 'd')->isChecked() && !d.direction(1, 's')->isChecked());
    }

    void turnsWrap_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("to");
        QTest::newRow("3 up to 0") << 3 << 1 << 0;
        QTest::newRow("0 down to 3") << 0 << -1 << 3;
    }

    void turnsWrap()
    {
        QFETCH(int, from);
        QFETCH(int, steps);
        QFETCH(int, to);
        GuiTest::Fixture fixture;
        Dialog d;
        auto *spin = d.find<QSpinBox>(QStringLiteral("pseconda"));
        spin->setValue(from);
        spin->stepBy(steps);
        QCOMPARE(spin->value(), to);
        QCOMPARE(d.find<QLineEdit>(QStringLiteral("eseconda"))->text(), QString::number(to));
    }

    void hintRule_data()
    {
        QTest::addColumn<bool>("firstActivation");
        QTest::addColumn<bool>("mainShowHints");
        QTest::addColumn<bool>("dialogShowHints");
        QTest::newRow("first opening follows the main switch") << true << false << true;
        QTest::newRow("later ones follow the dialog's") << false << true << false;
    }

    void hintRule()
    {
        QFETCH(bool, firstActivation);
        QFETCH(bool, mainShowHints);
        QFETCH(bool, dialogShowHints);
        GuiTest::Fixture fixture;
        Shell.MainShowHints = mainShowHints;
        Dialog d({}, {firstActivation, dialogShowHints});
        auto *mostra = d.find<QAction>(QStringLiteral("Mostra"));
        QCOMPARE(mostra->isChecked(), firstActivation ? mainShowHints : dialogShowHints);
        QVERIFY(!d.hints.firstActivation);
        mostra->trigger();
        QCOMPARE(d.hints.CubeDialogShowHints, mostra->isChecked());
        QCOMPARE(mostra->isChecked(), !(firstActivation ? mainShowHints : dialogShowHints));
    }

    void help()
    {
        GuiTest::Fixture fixture;
        useTestHelpSet(fixture);
        Dialog d;
        d.press("BitBtn3");
        QCOMPARE(HelpViewer::current()->currentPage().fileName(), QStringLiteral("809.html"));
    }
};

QTEST_MAIN(TestTcuborot)
#include "tst_tcuborot.moc"
