#include "space/cubeframe.h"

#include <QTest>
#include <random>

Q_DECLARE_METATYPE(FaceRing)
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

void addAxisRows(const char *format)
{
    QTest::addColumn<CubeAxis>("axis");
    QTest::addColumn<bool>("clockwise");
    for (CubeAxis axis : {AxisX, AxisY, AxisZ}) {
        for (bool clockwise : {true, false})
            QTest::addRow(format, "xyz"[axis], clockwise ? "clockwise" : "anticlockwise") << axis << clockwise;
    }
}

} // namespace

class TestCubeModel : public QObject
{
    Q_OBJECT

private slots:
    void quarterTurns_data()
    {
        QTest::addColumn<CubeAxis>("axis");
        QTest::addColumn<int>("turns");
        QTest::addColumn<bool>("clockwise");
        QTest::addColumn<FaceRing>("x");
        QTest::addColumn<FaceRing>("y");
        QTest::addColumn<FaceRing>("z");
        QTest::newRow("start, no turns") << AxisZ << 0 << true << FaceRing{3, 1, 4, 6} << FaceRing{2, 1, 5, 6}
                                         << FaceRing{2, 3, 5, 4};
        QTest::newRow("x clockwise") << AxisX << 1 << true << FaceRing{1, 4, 6, 3} << FaceRing{2, 4, 5, 3}
                                     << FaceRing{2, 1, 5, 6};
        QTest::newRow("x anticlockwise") << AxisX << 1 << false << FaceRing{6, 3, 1, 4} << FaceRing{2, 3, 5, 4}
                                         << FaceRing{2, 6, 5, 1};
        QTest::newRow("y clockwise") << AxisY << 1 << true << FaceRing{3, 2, 4, 5} << FaceRing{6, 2, 1, 5}
                                     << FaceRing{6, 3, 1, 4};
        QTest::newRow("y anticlockwise 3") << AxisY << 3 << false << FaceRing{3, 2, 4, 5} << FaceRing{6, 2, 1, 5}
                                           << FaceRing{6, 3, 1, 4};
        QTest::newRow("z clockwise") << AxisZ << 1 << true << FaceRing{5, 1, 2, 6} << FaceRing{3, 1, 4, 6}
                                     << FaceRing{3, 5, 4, 2};
        QTest::newRow("z anticlockwise") << AxisZ << 1 << false << FaceRing{2, 1, 5, 6} << FaceRing{4, 1, 3, 6}
                                         << FaceRing{4, 2, 3, 5};
    }

    void quarterTurns()
    {
        QFETCH(CubeAxis, axis);
        QFETCH(int, turns);
        QFETCH(bool, clockwise);
        QFETCH(FaceRing, x);
        QFETCH(FaceRing, y);
        QFETCH(FaceRing, z);
        CubeRings rings;
        ApplyQuarterTurns(rings, axis, turns, clockwise);
        QCOMPARE(rings.XRing, x);
        QCOMPARE(rings.YRing, y);
        QCOMPARE(rings.ZRing, z);
    }

    void fourQuarterTurnsRestore_data() { addAxisRows("%c %s"); }

    void fourQuarterTurnsRestore()
    {
        QFETCH(CubeAxis, axis);
        QFETCH(bool, clockwise);
        CubeRings rings;
        ApplyQuarterTurns(rings, axis, 2, clockwise);
        QVERIFY(rings != CubeRings{});
        ApplyQuarterTurns(rings, axis, 1, clockwise);
        ApplyQuarterTurns(rings, axis, 1, clockwise);
        QCOMPARE(rings, CubeRings{});
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
            for (const FaceRing &ring : {x, y, z}) {
                QCOMPARE(ring[0] + ring[2], 7); // opposite faces
                QCOMPARE(ring[1] + ring[3], 7);
            }
        }
    }

    void projectCorners_data()
    {
        QTest::addColumn<CubeAxis>("axis");
        QTest::addColumn<int>("phase");
        QTest::addColumn<double>("size");
        QTest::addColumn<QPolygon>("offsets");
        QTest::newRow("x start") << AxisX << 50 << 160.0 << QPolygon({{63, 57}, {-63, 57}, {-63, -57}, {63, -57}});
        QTest::newRow("x 400 as 0") << AxisX << 400 << 160.0 << QPolygon({{89, 0}, {0, 80}, {-89, 0}, {0, -80}});
        QTest::newRow("x 2.5 to even") << AxisX << 0 << 5.0 << QPolygon({{3, 0}, {0, 2}, {-3, 0}, {0, -2}});
        QTest::newRow("x 3.5 to even") << AxisX << 0 << 7.0 << QPolygon({{4, 0}, {0, 4}, {-4, 0}, {0, -4}});
        QTest::newRow("y start") << AxisY << 50 << 160.0 << QPolygon({{25, -76}, {-25, -37}, {-25, 76}, {25, 37}});
        QTest::newRow("z start") << AxisZ << 50 << 160.0 << QPolygon({{-92, 23}, {33, 23}, {92, -23}, {-33, -23}});
    }

    void projectCorners()
    {
        QFETCH(CubeAxis, axis);
        QFETCH(int, phase);
        QFETCH(double, size);
        QFETCH(QPolygon, offsets);
        const CornerOffsets corners = ProjectCorners(axis, phase, size);
        QCOMPARE(QPolygon(QList<QPoint>(corners.begin(), corners.end())), offsets);
    }

    // Side faces, then the end face, at the edges of the phase ranges.
    void visibleFaces_data()
    {
        QTest::addColumn<CubeAxis>("axis");
        QTest::addColumn<int>("phase");
        QTest::addColumn<QList<int>>("faces");
        const QList<std::tuple<CubeAxis, int, QList<int>>> rows{
            {AxisX, 84, {3, 1, 2}},  {AxisX, 85, {6, 3, 2}},  {AxisX, 185, {4, 6, 2}}, {AxisX, 285, {1, 4, 2}},
            {AxisX, 385, {3, 1, 2}}, {AxisY, 30, {2, 6, 3}},  {AxisY, 31, {1, 2, 3}},  {AxisY, 131, {5, 1, 3}},
            {AxisY, 231, {6, 5, 3}}, {AxisZ, 78, {3, 2, 1}},  {AxisZ, 79, {2, 4, 1}},  {AxisZ, 179, {4, 5, 1}},
            {AxisZ, 279, {5, 3, 1}}, {AxisZ, 400, {3, 2, 1}},
        };
        for (const auto &[axis, phase, faces] : rows)
            QTest::addRow("%c %d", "xyz"[axis], phase) << axis << phase << faces;
    }

    void visibleFaces()
    {
        QFETCH(CubeAxis, axis);
        QFETCH(int, phase);
        QFETCH(QList<int>, faces);
        QList<int> drawn;
        for (const FacePolygon &face : framePolygons(axis, phase, CubeRings{}, Reference))
            drawn << face.face;
        QCOMPARE(drawn, faces);
    }

    void startFramePixels_data()
    {
        QTest::addColumn<CubeAxis>("axis");
        QTest::addColumn<QPoint>("green"); // right, face 3
        QTest::addColumn<QPoint>("cyan");  // top, face 1
        QTest::addColumn<QPoint>("red");   // front, face 2
        QTest::newRow("x") << AxisX << QPoint(263, 200) << QPoint(200, 143) << QPoint(176, 216);
        QTest::newRow("y") << AxisY << QPoint(264, 200) << QPoint(200, 143) << QPoint(175, 220);
        QTest::newRow("z") << AxisZ << QPoint(262, 200) << QPoint(200, 143) << QPoint(170, 223);
    }

    void startFramePixels()
    {
        QFETCH(CubeAxis, axis);
        QFETCH(QPoint, green);
        QFETCH(QPoint, cyan);
        QFETCH(QPoint, red);
        const QImage picture = frame(axis, StartPhase, CubeRings{});
        QCOMPARE(picture.pixel(green), 0xFF008000);
        QCOMPARE(picture.pixel(cyan), 0xFF00FFFF);
        QCOMPARE(picture.pixel(red), 0xFFFF0000);
        QCOMPARE(picture.pixel(5, 5), 0xFF000000);
    }

    void frameClearsTheWholePicture()
    {
        const CubeDimensions narrow = cubeDimensions(1280, QSize(600, 800)); // 198 x 400
        QImage bitmap = newCubeBitmap(narrow);
        bitmap.fill(Qt::yellow);
        drawCubeFrame(bitmap, AxisX, StartPhase, CubeRings{}, narrow);
        QCOMPARE(bitmap.pixel(100, 390), 0xFF000000);
    }

    void afterStepEqualsLastFrame_data() { addAxisRows("%c %s"); }

    // The cube after a step, drawn at the start phase, is the step's last
    // frame, so the next step starts without a jump.
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
            QCOMPARE(phase, clockwise ? 450 - 100 * turns : 50 + 100 * turns);
            const QImage lastFrame = frame(axis, phase, rings);
            QVERIFY(lastFrame != frame(axis, StartPhase, rings));
            ApplyQuarterTurns(rings, axis, turns, clockwise);
            QCOMPARE(frame(axis, StartPhase, rings), lastFrame);
        }
    }
};

QTEST_MAIN(TestCubeModel)
#include "tst_cubemodel.moc"
