#include "spacewindow.h"

#include "app/helpviewer.h"

#include <QAction>
#include <QLabel>
#include <QMdiSubWindow>
#include <QSlider>
#include <QTest>

namespace {

QString label(const SpaceWindow &space, int step)
{
    return space.find<QLabel>(QStringLiteral("Label%1").arg(step))->text();
}

} // namespace

class TestTuncubo : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
        delete HelpViewer::current();
    }

    void creationAndStartCube()
    {
        GuiTest::Fixture fixture;
        SpaceWindow space;
        QCOMPARE(space.window->windowTitle(), QStringLiteral("Rotations in space"));
        QCOMPARE(space.window->canvas().size(), space.window->widget()->size());
        QVERIFY(space.find(QStringLiteral("barrasotto"))->isVisible());
        QVERIFY(!space.find(QStringLiteral("nuovo"))->isEnabled());
        QVERIFY(space.step(1)->isEnabled() && !space.step(2)->isEnabled() && !space.step(3)->isEnabled());
        QCOMPARE(space.find<QSlider>(QStringLiteral("velo"))->value(), 150);
        QCOMPARE(space.find(QStringLiteral("pausab"))->toolTip(), QStringLiteral("pause"));
        QCOMPARE(space.find<QTimer>(QStringLiteral("cadenzaz"))->interval(), 50);
        QVERIFY(space.find<QTimer>(QStringLiteral("Timer1"))->isActive());

        QCOMPARE(space.run(AxisX), 1);
        QCOMPARE(space.third(0), space.frame(AxisX, StartPhase, CubeRings{}));
        QCOMPARE(space.third(2), newCubeBitmap(space.window->dimensions()));
        // What the window shows is its canvas: the front face of the cube.
        const QPoint front(space.window->dimensions().cx, space.window->canvas().height() / 2);
        QCOMPARE(space.window->widget()->grab().toImage().pixel(front), 0xFFFF0000);
    }

    void startSchedule()
    {
        GuiTest::Fixture fixture;
        SpaceWindow space;
        space.run(AxisX);
        const std::tuple<int, CubeAxis, QString, int> steps[] = {
            {1, AxisX, "X 2", 102}, {2, AxisY, "Y 1", 52}, {3, AxisZ, "Z 3", 152}};
        for (const auto &[step, axis, text, ticks] : steps) {
            QVERIFY(!space.find(QStringLiteral("nuovo"))->isEnabled());
            space.step(step)->click();
            QVERIFY(!space.step(step)->isEnabled());
            QCOMPARE(label(space, step), text);
            QVERIFY(space.arrowShown(step + 3));
            QVERIFY(!space.arrowShown(step));
            QCOMPARE(space.run(axis), ticks);
        }
        QVERIFY(space.find(QStringLiteral("nuovo"))->isEnabled());
        QVERIFY(!space.step(1)->isEnabled() && !space.step(2)->isEnabled() && !space.step(3)->isEnabled());
        CubeRings final;
        final.XRing = {1, 2, 6, 5};
        final.YRing = {3, 2, 4, 5};
        final.ZRing = {3, 1, 4, 6};
        QCOMPARE(space.third(2), space.frame(AxisZ, StartPhase, final));

        // The label and its arrow are centred on the third's centre.
        const auto *text = space.find<QLabel>(QStringLiteral("Label3"));
        const QWidget *arrow = space.find(QStringLiteral("Image6"));
        QCOMPARE(text->x(), 5 * (space.window->canvas().width() / 6) - (text->width() + 32) / 2);
        QCOMPARE(arrow->x(), text->x() + text->width() + 16);
    }

    void zeroTurnsShowNoArrow()
    {
        GuiTest::Fixture fixture;
        SpaceWindow space;
        CubeSchedule schedule;
        schedule.StepTurns[0] = 0;
        GuiTest::whenModalOpens(confirmSchedule(schedule));
        space.window->nuovoClick();
        space.run(AxisX);
        space.step(1)->click();
        QCOMPARE(label(space, 1), QStringLiteral("X 0"));
        QVERIFY(!space.arrowShown(1) && !space.arrowShown(4));
        QCOMPARE(space.run(AxisX), 2);
        QVERIFY(space.step(2)->isEnabled());
    }

    void pauseFreezesTheFrame()
    {
        GuiTest::Fixture fixture;
        SpaceWindow space;
        space.run(AxisX);
        space.step(1)->click();
        for (int tick = 0; tick < 10; ++tick)
            space.window->cadenzaxTimer();
        auto *pausab = space.find<QToolButton>(QStringLiteral("pausab"));
        pausab->click();
        const QImage frozen = space.window->canvas();
        for (int tick = 0; tick < 5; ++tick)
            space.window->cadenzaxTimer();
        QCOMPARE(space.window->sequence().axes[AxisX].AxisPhase, 30);
        QCOMPARE(space.window->canvas(), frozen);
        pausab->click();
        space.window->cadenzaxTimer();
        QCOMPARE(space.third(0), space.frame(AxisX, 30, CubeRings{}));
    }

    void speed_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("interval");
        QTest::newRow("fastest") << 195 << 5;
        QTest::newRow("slowest") << 5 << 195;
        QTest::newRow("past the end") << 300 << 5;
    }

    void speed()
    {
        QFETCH(int, position);
        QFETCH(int, interval);
        GuiTest::Fixture fixture;
        SpaceWindow space;
        space.find<QSlider>(QStringLiteral("velo"))->setValue(position);
        for (const char *name : {"cadenzax", "cadenzay", "cadenzaz"})
            QCOMPARE(space.find<QTimer>(QString::fromLatin1(name))->interval(), interval);
    }

    void reactivationRestarts()
    {
        GuiTest::Fixture fixture;
        SpaceWindow space;
        QMdiSubWindow *other = space.area.addSubWindow(new QWidget);
        other->show();
        space.area.setActiveSubWindow(space.window);
        space.run(AxisX);
        space.step(1)->click();
        space.run(AxisX);
        space.step(2)->click();
        space.window->cadenzayTimer();

        space.area.setActiveSubWindow(other);
        QVERIFY(!space.find<QTimer>(QStringLiteral("cadenzay"))->isActive());
        space.area.setActiveSubWindow(space.window);
        QCOMPARE(space.window->sequence().rings, CubeRings{});
        QVERIFY(space.step(1)->isEnabled() && !space.step(2)->isEnabled());
        QCOMPARE(space.run(AxisX), 1);
        QCOMPARE(space.third(1), newCubeBitmap(space.window->dimensions()));
    }

    void legend_data()
    {
        QTest::addColumn<QPoint>("sixths"); // of the legend unit, from (x0, t)
        QTest::addColumn<uint>("colour");
        QTest::newRow("left lime") << QPoint(1, 4) << 0xFF00FF00u;
        QTest::newRow("back magenta") << QPoint(8, 4) << 0xFFFF00FFu;
        QTest::newRow("bottom blue") << QPoint(5, 7) << 0xFF0000FFu;
        QTest::newRow("top cyan") << QPoint(23, 1) << 0xFF00FFFFu;
        QTest::newRow("front red") << QPoint(21, 5) << 0xFFFF0000u;
        QTest::newRow("right green") << QPoint(26, 4) << 0xFF008000u;
        QTest::newRow("z axis") << QPoint(42, 3) << 0xFF000000u;
    }

    void legend()
    {
        QFETCH(QPoint, sixths);
        QFETCH(uint, colour);
        GuiTest::Fixture fixture;
        SpaceWindow space;
        const auto [x0, t, s] = space.window->legendPlace();
        QCOMPARE(x0, space.window->canvas().width() * 3 / 5);
        const QPoint point(x0 + sixths.x() * s / 6, t + sixths.y() * s / 6);
        QCOMPARE(space.window->canvas().pixel(point), 0xFF000000 | WindowSilver);
        space.window->Timer1Timer();
        QVERIFY(!space.find<QTimer>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(space.window->canvas().pixel(point), colour);
    }

    void help()
    {
        GuiTest::Fixture fixture;
        SpaceWindow space;
        useTestHelpSet(fixture);
        space.find<QToolButton>(QStringLiteral("aiuto"))->click();
        QCOMPARE(HelpViewer::current()->currentPage().fileName(), QStringLiteral("202.html"));
    }

    void newSchedule()
    {
        GuiTest::Fixture fixture;
        SpaceWindow space;
        space.run(AxisX);
        space.step(1)->click();
        space.run(AxisX);
        CubeSchedule schedule;
        schedule.StepAxis = {AxisZ, AxisY, AxisX};
        schedule.StepTurns = {1, 3, 0};
        schedule.StepClockwise = {false, true, false};
        GuiTest::whenModalOpens(confirmSchedule(schedule));
        space.window->nuovoClick();

        QCOMPARE(space.window->sequence().schedule.StepAxis, schedule.StepAxis);
        QCOMPARE(space.window->sequence().schedule.StepTurns, schedule.StepTurns);
        QCOMPARE(space.window->sequence().schedule.StepClockwise, schedule.StepClockwise);
        QVERIFY(!space.find(QStringLiteral("nuovo"))->isEnabled());
        QVERIFY(label(space, 1).isEmpty() && !space.arrowShown(4));
        QCOMPARE(space.run(AxisZ), 1);
        QCOMPARE(space.third(0), space.frame(AxisZ, StartPhase, CubeRings{}));
        space.step(1)->click();
        QCOMPARE(label(space, 1), QStringLiteral("Z 1"));
        QVERIFY(space.arrowShown(1) && !space.arrowShown(4));
        QCOMPARE(space.run(AxisZ), 52);
    }

    void newScheduleCancelled()
    {
        GuiTest::Fixture fixture;
        SpaceWindow space;
        space.run(AxisX);
        for (int step = 1; step <= StepCount; ++step) {
            space.step(step)->click();
            space.run(space.window->sequence().schedule.StepAxis[step - 1]);
        }
        GuiTest::whenModalOpens([](QWidget *dialog) {
            dialog->findChild<QSpinBox *>(QStringLiteral("pprima"))->setValue(0);
            dialog->findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
        });
        space.find<QToolButton>(QStringLiteral("nuovo"))->click();
        QVERIFY(space.find(QStringLiteral("nuovo"))->isEnabled());
        QCOMPARE(space.window->sequence().schedule.StepTurns[0], 2);
        QVERIFY(label(space, 3).isEmpty() && !space.arrowShown(6));
        QVERIFY(!space.step(1)->isEnabled() && !space.step(2)->isEnabled() && !space.step(3)->isEnabled());
    }

    void popupMenu()
    {
        GuiTest::Fixture fixture;
        Shell.MainShowHints = false;
        Shell.FlatToolbars = false;
        SpaceWindow space;
        auto *mostra = space.find<QAction>(QStringLiteral("mostra"));
        auto *piatto = space.find<QAction>(QStringLiteral("piatto"));
        QCOMPARE(piatto->text(), QStringLiteral("pulsanti piatti"));
        QVERIFY(!mostra->isChecked() && !piatto->isChecked());
        QVERIFY(!space.find<QToolButton>(QStringLiteral("aiuto"))->autoRaise());
        piatto->trigger();
        QVERIFY(piatto->isChecked() && space.find<QToolButton>(QStringLiteral("aiuto"))->autoRaise());
        mostra->trigger();
        QVERIFY(mostra->isChecked());
    }
};

QTEST_MAIN(TestTuncubo)
#include "tst_tuncubo.moc"
