#include "space/cubeframe.h"
#include "space/cubesequence.h"

#include <QTest>
#include <random>

Q_DECLARE_METATYPE(CubeRings)
Q_DECLARE_METATYPE(CubeAxis)

namespace {

// Screen 1280 wide, client 1200 x 800: S = 160, u = 16, h = 32, the cube's
// centre at (200, 200) of a 398 x 400 picture.
const CubeDimensions Reference = cubeDimensions(1280, QSize(1200, 800));

QImage frame(CubeAxis axis, int phase, const CubeRings &rings, const CubeDimensions &dimensions = Reference)
{
    QImage bitmap = newCubeBitmap(dimensions);
    drawCubeFrame(bitmap, axis, phase, rings, dimensions);
    return bitmap;
}

} // namespace

class TestCube : public QObject
{
    Q_OBJECT

private slots:
    void quarterTurns_data()
    {
        QTest::addColumn<CubeAxis>("axis");
        QTest::addColumn<int>("turns");
        QTest::addColumn<bool>("clockwise");
        QTest::addColumn<CubeRings>("rings");
        QTest::newRow("no turns") << AxisY << 0 << true << CubeRings{};
        QTest::newRow("x clockwise") << AxisX << 1 << true << CubeRings{{1, 4, 6, 3}, {2, 4, 5, 3}, {2, 1, 5, 6}};
        // z shifts forward when clockwise, so its pictures continue the animation.
        QTest::newRow("z clockwise") << AxisZ << 1 << true << CubeRings{{5, 1, 2, 6}, {3, 1, 4, 6}, {3, 5, 4, 2}};
    }

    void quarterTurns()
    {
        QFETCH(CubeAxis, axis);
        QFETCH(int, turns);
        QFETCH(bool, clockwise);
        QFETCH(CubeRings, rings);
        CubeRings turned;
        ApplyQuarterTurns(turned, axis, turns, clockwise);
        QCOMPARE(turned, rings);
    }

    void fourQuarterTurnsRestore()
    {
        for (int axisAndWay = 0; axisAndWay < 2 * CubeAxisCount; ++axisAndWay) {
            CubeRings rings;
            for (int turn = 0; turn < 4; ++turn)
                ApplyQuarterTurns(rings, CubeAxis(axisAndWay / 2), 1, axisAndWay % 2 == 0);
            QCOMPARE(rings, CubeRings{});
        }
    }

    void invariantsAfterAnySteps()
    {
        std::mt19937 random(20240611);
        CubeRings rings;
        for (int step = 0; step < 2000; ++step) {
            ApplyQuarterTurns(rings, CubeAxis(random() % 3), int(random() % 4), random() % 2 == 0);
            const auto &[x, y, z] = rings;
            const std::array shared{x[0], z[1], x[1], y[1], x[2], z[3], x[3], y[3], y[0], z[0], y[2], z[2]};
            for (size_t i = 0; i < shared.size(); i += 2)
                QCOMPARE(shared[i], shared[i + 1]);
            for (const FaceRing &ring : {x, y, z})
                QVERIFY(ring[0] + ring[2] == 7 && ring[1] + ring[3] == 7); // opposite faces
        }
    }

    // Halves round to even: 2.5 down, 3.5 up.
    void cornersRoundToEven()
    {
        QCOMPARE(ProjectCorners(AxisX, 0, 5.0)[1], QPoint(0, 2));
        QCOMPARE(ProjectCorners(AxisX, 0, 7.0)[1], QPoint(0, 4));
    }

    // The start cube: green right face, cyan top, red front, black around.
    void startFramePixels_data()
    {
        QTest::addColumn<CubeAxis>("axis");
        QTest::addColumn<QPolygon>("points");
        QTest::newRow("x") << AxisX << QPolygon({{263, 200}, {200, 143}, {176, 216}, {5, 5}});
        QTest::newRow("y") << AxisY << QPolygon({{264, 200}, {200, 143}, {175, 220}, {5, 5}});
        QTest::newRow("z") << AxisZ << QPolygon({{262, 200}, {200, 143}, {170, 223}, {5, 5}});
    }

    void startFramePixels()
    {
        QFETCH(CubeAxis, axis);
        QFETCH(QPolygon, points);
        const QImage picture = frame(axis, StartPhase, CubeRings{});
        QList<QRgb> colours;
        for (const QPoint &point : points)
            colours << picture.pixel(point);
        QCOMPARE(colours, (QList<QRgb>{0xFF008000, 0xFF00FFFF, 0xFFFF0000, 0xFF000000}));
    }

    // A picture narrower than one and a half times its height is cleared to its bottom too.
    void frameClearsTheWholePicture()
    {
        const CubeDimensions narrow = cubeDimensions(1280, QSize(600, 800));
        QImage bitmap = newCubeBitmap(narrow);
        bitmap.fill(Qt::yellow);
        drawCubeFrame(bitmap, AxisX, StartPhase, CubeRings{}, narrow);
        QCOMPARE(bitmap.pixel(100, 390), 0xFF000000);
    }

    void afterStepEqualsLastFrame_data()
    {
        QTest::addColumn<CubeAxis>("axis");
        QTest::addColumn<bool>("clockwise");
        for (CubeAxis axis : {AxisX, AxisY, AxisZ}) {
            QTest::addRow("%c clockwise", "xyz"[axis]) << axis << true;
            QTest::addRow("%c anticlockwise", "xyz"[axis]) << axis << false;
        }
    }

    // The cube after a step, drawn at the start phase, is the step's last frame: no jump.
    void afterStepEqualsLastFrame()
    {
        QFETCH(CubeAxis, axis);
        QFETCH(bool, clockwise);
        for (int turns = 1; turns <= 3; ++turns) {
            CubeRings rings; // away from the start cube, so every face differs
            ApplyQuarterTurns(rings, AxisX, 1, true);
            ApplyQuarterTurns(rings, AxisY, 1, false);
            int phase = StartPhase;
            for (int frame = 0; frame < turns * QuarterTurn / PhaseStep; ++frame)
                phase = nextPhase(phase, clockwise);
            const QImage lastFrame = frame(axis, phase, rings);
            QVERIFY(lastFrame != frame(axis, StartPhase, rings));
            ApplyQuarterTurns(rings, axis, turns, clockwise);
            QCOMPARE(frame(axis, StartPhase, rings), lastFrame);
        }
    }

    void framesPerStep_data()
    {
        QTest::addColumn<int>("turns");
        QTest::addColumn<bool>("clockwise");
        QTest::addColumn<QList<int>>("phases"); // first, second and last drawn
        QTest::newRow("0 turns") << 0 << true << QList<int>{50, -1, 50};
        QTest::newRow("1 clockwise") << 1 << true << QList<int>{50, 48, 350};
        QTest::newRow("2 clockwise") << 2 << true << QList<int>{50, 48, 250};
        QTest::newRow("3 anticlockwise") << 3 << false << QList<int>{50, 52, 350};
    }

    // A step of n turns draws 50 n + 1 frames, from the start phase on, then turns the rings.
    void framesPerStep()
    {
        QFETCH(int, turns);
        QFETCH(bool, clockwise);
        QFETCH(QList<int>, phases);
        CubeSequence sequence;
        sequence.schedule.StepTurns[0] = turns;
        sequence.schedule.StepClockwise[0] = clockwise;
        sequence.tick(sequence.restart());
        const CubeAxis axis = sequence.startStep(1);
        QList<int> drawn;
        for (CubeTick tick; !tick.stopTimer && drawn.size() < 1000;) {
            tick = sequence.tick(axis);
            if (tick.drawFrame)
                drawn << tick.phase;
        }
        QCOMPARE(drawn.size(), 50 * turns + 1);
        QCOMPARE((QList<int>{drawn.first(), drawn.value(1, -1), drawn.last()}), phases);
        QCOMPARE(sequence.rings == CubeRings{}, turns == 0);
    }

    // Step 1 pressed before the start cube's tick came still runs: its first tick goes on.
    void stepBeforeTheStartCubeTick()
    {
        CubeSequence sequence;
        sequence.restart();
        QVERIFY(!sequence.tick(sequence.startStep(1)).stopTimer);
    }
};

QTEST_MAIN(TestCube)
#include "tst_cube.moc"
