#include "space/cubesequence.h"

#include <QTest>

namespace {

// Ticks the axis of step k until its timer is told to stop; the phases of
// the frames drawn.
QList<int> runStep(CubeSequence &sequence, int step)
{
    const CubeAxis axis = sequence.startStep(step);
    QList<int> phases;
    for (CubeTick tick; !tick.stopTimer && phases.size() < 1000;) {
        tick = sequence.tick(axis);
        if (tick.drawFrame)
            phases << tick.phase;
    }
    return phases;
}

} // namespace

class TestCubeSequence : public QObject
{
    Q_OBJECT

private slots:
    void framesPerStep_data()
    {
        QTest::addColumn<int>("turns");
        QTest::addColumn<bool>("clockwise");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("last");
        QTest::newRow("0 turns") << 0 << true << -1 << 50;
        QTest::newRow("1 clockwise") << 1 << true << 48 << 350;
        QTest::newRow("2 clockwise") << 2 << true << 48 << 250;
        QTest::newRow("3 anticlockwise") << 3 << false << 52 << 350;
    }

    void framesPerStep()
    {
        QFETCH(int, turns);
        QFETCH(bool, clockwise);
        QFETCH(int, second);
        QFETCH(int, last);
        CubeSequence sequence;
        sequence.schedule.StepTurns[0] = turns;
        sequence.schedule.StepClockwise[0] = clockwise;
        sequence.restart();
        const CubeTick startCube = sequence.tick(AxisX);
        QVERIFY(startCube.drawFrame && startCube.stopTimer && startCube.phase == StartPhase);

        const QList<int> phases = runStep(sequence, 1);
        QCOMPARE(phases.size(), 50 * turns + 1);
        QCOMPARE(phases.first(), StartPhase);
        QCOMPARE(phases.value(1, -1), second);
        QCOMPARE(phases.last(), last);
        QCOMPARE(sequence.StepProgress, StartPhase);
        QCOMPARE(sequence.rings == CubeRings{}, turns == 0);
        for (const AxisAnimation &axis : sequence.axes)
            QCOMPARE(axis.AxisPanel, 1); // the result shows in the next third
    }

    // Start schedule X 2, Y 1, Z 3, all clockwise, worked by hand.
    void startSchedule()
    {
        CubeSequence sequence;
        sequence.tick(sequence.restart());
        runStep(sequence, 1);
        runStep(sequence, 2);
        QCOMPARE(runStep(sequence, 3).size(), 151);
        QCOMPARE(sequence.rings.XRing, (FaceRing{1, 2, 6, 5}));
        QCOMPARE(sequence.rings.YRing, (FaceRing{3, 2, 4, 5}));
        QCOMPARE(sequence.rings.ZRing, (FaceRing{3, 1, 4, 6}));
        QCOMPARE(sequence.axes[AxisZ].AxisPanel, 2);
    }

    void stepBeforeTheStartCubeTick()
    {
        CubeSequence sequence;
        sequence.restart();
        sequence.startStep(1); // pressed before the start cube's tick came
        QVERIFY(!sequence.tick(AxisX).stopTimer);
        QCOMPARE(sequence.StepProgress, StartPhase + PhaseStep);
    }

    void restartReturnsToTheStartCube()
    {
        CubeSequence sequence;
        sequence.tick(sequence.restart());
        runStep(sequence, 1);
        sequence.startStep(2);
        sequence.tick(AxisY);
        QCOMPARE(sequence.restart(), AxisX);
        QCOMPARE(sequence.rings, CubeRings{});
        QCOMPARE(sequence.StepProgress, StartPhase);
        QCOMPARE(sequence.axes[AxisX].AxisPanel, 0);
        for (const AxisAnimation &axis : sequence.axes)
            QVERIFY(axis.AxisPhase == StartPhase && axis.FirstFrame);
    }
};

QTEST_GUILESS_MAIN(TestCubeSequence)
#include "tst_cubesequence.moc"
