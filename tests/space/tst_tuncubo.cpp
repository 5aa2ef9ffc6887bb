#include "spacewindow.h"

#include "shell/helpviewer.h"
#include "shell/shellvalues.h"
#include "space/cubelegend.h"
#include "support/guitest.h"

#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <optional>

Q_DECLARE_METATYPE(CubeSchedule)
Q_DECLARE_METATYPE(CubeRings)

namespace {

// Sets the schedule dialog to a schedule and presses OK.
void answerSchedule(QWidget *dialog, const CubeSchedule &schedule)
{
    for (int k = 0; k < StepCount; ++k) {
        const QString row = QStringList{"prima", "seconda", "terza"}[k];
        dialog->findChild<QGroupBox *>(row)->findChildren<QRadioButton *>()[schedule.StepAxis[k]]->click();
        dialog->findChild<QSpinBox *>(QLatin1Char('p') + row)->setValue(schedule.StepTurns[k]);
        const QString direction = QStringLiteral("rota%1%2").arg(k + 1).arg(schedule.StepClockwise[k] ? 'd' : 's');
        dialog->findChild<QToolButton *>(direction)->setChecked(true);
    }
    dialog->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
}

} // namespace

class TestTuncubo : public QObject
{
    Q_OBJECT

private slots:
    void init() { fixture.emplace(); }

    void cleanup()
    {
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
        delete HelpViewer::current();
        fixture.reset();
    }

    void schedule_data()
    {
        QTest::addColumn<bool>("fromDialog");
        QTest::addColumn<CubeSchedule>("schedule");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QList<int>>("arrows"); // per step: 1 anticlockwise arrow shown, 2 clockwise, 0 none
        QTest::addColumn<CubeRings>("result");
        QTest::newRow("start") << false << CubeSchedule{} << QStringList{"X 2", "Y 1", "Z 3"} << QList<int>{2, 2, 2}
                               << CubeRings{{1, 2, 6, 5}, {3, 2, 4, 5}, {3, 1, 4, 6}};
        QTest::newRow("new, with 0 turns")
            << true << CubeSchedule{{AxisZ, AxisX, AxisY}, {1, 0, 3}, {false, false, true}}
            << QStringList{"Z 1", "X 0", "Y 3"} << QList<int>{1, 0, 2}
            << CubeRings{{2, 3, 5, 4}, {1, 3, 6, 4}, {1, 2, 6, 5}};
    }

    // The start cube shows in the first third, each step is labelled, the last third shows the result.
    void schedule()
    {
        QFETCH(bool, fromDialog);
        QFETCH(CubeSchedule, schedule);
        QFETCH(QStringList, labels);
        QFETCH(QList<int>, arrows);
        QFETCH(CubeRings, result);
        SpaceWindow space;
        if (fromDialog) {
            GuiTest::whenModalOpens([schedule](QWidget *dialog) { answerSchedule(dialog, schedule); });
            space.window->nuovoClick();
        }
        QCOMPARE(space.run(schedule.StepAxis[0]), 1);
        QCOMPARE(space.third(0), space.frame(schedule.StepAxis[0], StartPhase, CubeRings{}));
        // What the window shows is its canvas.
        const QPoint centre(space.window->dimensions().cx, space.window->canvas().height() / 2);
        QCOMPARE(space.window->widget()->grab().toImage().pixel(centre), space.window->canvas().pixel(centre));
        for (int step = 1; step <= StepCount; ++step) {
            QVERIFY(!space.find(QStringLiteral("nuovo"))->isEnabled());
            space.step(step)->click();
            QCOMPARE(space.find<QLabel>(QStringLiteral("Label%1").arg(step))->text(), labels[step - 1]);
            QCOMPARE(space.arrowShown(step) + 2 * space.arrowShown(step + StepCount), arrows[step - 1]);
            space.run(schedule.StepAxis[step - 1]);
        }
        QVERIFY(space.find(QStringLiteral("nuovo"))->isEnabled());
        QCOMPARE(space.third(2), space.frame(schedule.StepAxis[2], StartPhase, result));
    }

    // The client paints all of itself: where a window grown past its
    // canvas has no picture it shows the window's silver, not whatever the
    // main window held there.
    void grownWindowShowsSilverPastTheCanvas()
    {
        SpaceWindow space;
        const QSize canvas = space.window->clientSize();
        space.area.resize(space.area.size() + QSize(200, 200));
        space.window->resize(space.window->size() + QSize(100, 100));
        QVERIFY(space.window->widget()->width() > canvas.width());
        const QImage shown = space.window->widget()->grab().toImage();
        QCOMPARE(shown.pixel(canvas.width() + 50, canvas.height() / 2) & 0xFFFFFF, WindowSilver);
    }

    // Activation restarts from the start cube. Deactivation stops every axis timer, not only x's, and
    // activation disables the later steps and clears the picture: no step goes on with old rings, no
    // third keeps a cube the new run has not reached.
    void reactivationRestarts()
    {
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
        space.run(AxisX);
        QCOMPARE(space.third(0), space.frame(AxisX, StartPhase, CubeRings{}));
        QCOMPARE(space.third(1), newCubeBitmap(space.window->dimensions()));
        space.step(1)->click();
        QCOMPARE(space.run(AxisX), 102);
        space.area.setActiveSubWindow(other);
        space.area.setActiveSubWindow(space.window);
        QVERIFY(!space.step(2)->isEnabled());
    }

    // Ten frames in, the pause holds the phase at 30 however many ticks come.
    void pauseFreezesThePhase()
    {
        SpaceWindow space;
        space.run(AxisX);
        space.step(1)->click();
        auto *pausab = space.find<QToolButton>(QStringLiteral("pausab"));
        for (int tick = 0; tick < 15; ++tick) {
            if (tick == 10)
                pausab->click();
            space.window->cadenzaxTimer();
        }
        pausab->click();
        space.window->cadenzaxTimer();
        QCOMPARE(space.third(0), space.frame(AxisX, 30, CubeRings{}));
    }

    void speed()
    {
        SpaceWindow space;
        for (const auto &[position, interval] : {std::pair{195, 5}, std::pair{5, 195}}) {
            space.find<QSlider>(QStringLiteral("velo"))->setValue(position);
            for (const char *name : {"cadenzax", "cadenzay", "cadenzaz"})
                QCOMPARE(space.find<QTimer>(QString::fromLatin1(name))->interval(), interval);
        }
    }

    // Points in sixths of the legend unit from its corner: the left, back and
    // bottom faces, the top, front and right faces, the z axis.
    void legend()
    {
        SpaceWindow space;
        space.window->Timer1Timer();
        const auto [x0, t, s] = space.window->legendPlace();
        QList<QRgb> colours;
        for (QPoint sixths : {QPoint(1, 4), {8, 4}, {5, 7}, {23, 1}, {21, 5}, {26, 4}, {42, 3}})
            colours << space.window->canvas().pixel(x0 + sixths.x() * s / 6, t + sixths.y() * s / 6);
        QCOMPARE(colours,
                 (QList<QRgb>{0xFF00FF00, 0xFFFF00FF, 0xFF0000FF, 0xFF00FFFF, 0xFFFF0000, 0xFF008000, 0xFF000000}));
    }

    void help()
    {
        SpaceWindow space;
        space.find<QToolButton>(QStringLiteral("aiuto"))->click();
        QCOMPARE(HelpViewer::current()->currentPage().fileName(), QStringLiteral("202.html"));
    }

private:
    std::optional<GuiTest::Fixture> fixture;
};

QTEST_MAIN(TestTuncubo)
#include "tst_tuncubo.moc"
