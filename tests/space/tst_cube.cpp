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

constexpr QRgb Black = 0xFF000000;
constexpr QRgb Cyan = 0xFF00FFFF; // face 1
constexpr QRgb Red = 0xFFFF0000; // face 2
constexpr QRgb Green = 0xFF008000; // face 3
constexpr QRgb Lime = 0xFF00FF00; // face 4
constexpr QRgb Blue = 0xFF0000FF; // face 6
constexpr QRgb White = 0xFFFFFFFF; // the outlines

QString colourName(QRgb colour)
{
    return QColor(colour).name();
}

QImage frame(CubeAxis axis, int phase, const CubeRings &rings, const CubeDimensions &dimensions = Reference)
{
    QImage bitmap = newCubeBitmap(dimensions);
    drawCubeFrame(bitmap, axis, phase, rings, dimensions);
    return bitmap;
}

// The pixel and its eight neighbours have one colour.
bool flatAround(const QImage &picture, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (picture.pixel(x + dx, y + dy) != picture.pixel(x, y))
                return false;
    return true;
}

int count(const QImage &picture, QRgb colour)
{
    int pixels = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            pixels += picture.pixel(x, y) == colour;
    return pixels;
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

    // Worked by hand from the projection with S = 160: the x view spans
    // cos x 160 / 1.8 = 88.9 across and sin x 80 down; the y view takes
    // a = cos x 40, b = sin x 80 to (0.9 a, -(0.7 a + b)); the z view takes
    // a = cos x 88.9, b = sin x 32 to (-(1.3 b + a), b). A ratio of 2 in
    // place of 1.8 gives 80 for 89 and 57 for 63.
    void cornerOffsets_data()
    {
        QTest::addColumn<CubeAxis>("axis");
        QTest::addColumn<int>("phase");
        QTest::addColumn<QPolygon>("corners");
        QTest::newRow("x at 0") << AxisX << 0 << QPolygon({{89, 0}, {0, 80}, {-89, 0}, {0, -80}});
        QTest::newRow("x at 13") << AxisX << 13 << QPolygon({{87, 16}, {-18, 78}, {-87, -16}, {18, -78}});
        QTest::newRow("x at the start") << AxisX << 50 << QPolygon({{63, 57}, {-63, 57}, {-63, -57}, {63, -57}});
        QTest::newRow("x a quarter turn on") << AxisX << 100 << QPolygon({{0, 80}, {-89, 0}, {0, -80}, {89, 0}});
        QTest::newRow("x at 263") << AxisX << 263 << QPolygon({{-49, -67}, {74, -44}, {49, 67}, {-74, 44}});
        QTest::newRow("y at 0") << AxisY << 0 << QPolygon({{36, -28}, {0, -80}, {-36, 28}, {0, 80}});
        QTest::newRow("y at the start") << AxisY << 50 << QPolygon({{25, -76}, {-25, -37}, {-25, 76}, {25, 37}});
        QTest::newRow("y at 137") << AxisY << 137 << QPolygon({{-20, -51}, {-30, 67}, {20, 51}, {30, -67}});
        QTest::newRow("z at 0") << AxisZ << 0 << QPolygon({{-89, 0}, {-42, 32}, {89, 0}, {42, -32}});
        QTest::newRow("z at 13") << AxisZ << 13 << QPolygon({{-95, 6}, {-23, 31}, {95, -6}, {23, -31}});
        QTest::newRow("z at the start") << AxisZ << 50 << QPolygon({{-92, 23}, {33, 23}, {92, -23}, {-33, -23}});
        QTest::newRow("z a quarter turn on") << AxisZ << 100 << QPolygon({{-42, 32}, {89, 0}, {42, -32}, {-89, 0}});
        QTest::newRow("z at 263") << AxisZ << 263 << QPolygon({{84, -27}, {-51, -18}, {-84, 27}, {51, 18}});
    }

    void cornerOffsets()
    {
        QFETCH(CubeAxis, axis);
        QFETCH(int, phase);
        QFETCH(QPolygon, corners);
        const CornerOffsets offsets = ProjectCorners(axis, phase, Reference.CubeSize);
        QCOMPARE(QPolygon(QList<QPoint>(offsets.begin(), offsets.end())), corners);
    }

    // The end face is drawn last, so its edges are edges of the picture: two
    // pixels inside the middle of each edge show the end face (red for x,
    // green for y, cyan for z with the start rings), two pixels outside the
    // side face or the black beyond. A corner a few pixels off moves an edge
    // across one of them, which pixels deep inside the faces never notice.
    void endFaceEdgePixels_data()
    {
        QTest::addColumn<CubeAxis>("axis");
        QTest::addColumn<int>("phase");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        QTest::addColumn<QRgb>("faceColour");
        QTest::addColumn<QRgb>("beyondColour");
        QTest::newRow("x at the start, bottom") << AxisX << 50 << QPoint(176, 271) << QPoint(176, 275) << Red << Black;
        QTest::newRow("x at the start, right") << AxisX << 50 << QPoint(237, 216) << QPoint(241, 216) << Red << Green;
        QTest::newRow("x at the start, top") << AxisX << 50 << QPoint(176, 161) << QPoint(176, 157) << Red << Cyan;
        QTest::newRow("x at the start, left") << AxisX << 50 << QPoint(115, 216) << QPoint(111, 216) << Red << Black;
        QTest::newRow("x at 137, right") << AxisX << 137 << QPoint(236, 227) << QPoint(239, 228) << Red << Blue;
        QTest::newRow("x at 137, top") << AxisX << 137 << QPoint(188, 162) << QPoint(189, 159) << Red << Green;
        QTest::newRow("x at 137, left") << AxisX << 137 << QPoint(116, 205) << QPoint(113, 204) << Red << Black;
        QTest::newRow("x at 137, bottom") << AxisX << 137 << QPoint(164, 270) << QPoint(163, 273) << Red << Black;
        QTest::newRow("y at the start, upper") << AxisY << 50 << QPoint(265, 145) << QPoint(263, 142) << Green << Cyan;
        QTest::newRow("y at the start, left") << AxisY << 50 << QPoint(241, 220) << QPoint(237, 220) << Green << Red;
        QTest::newRow("y at the start, lower") << AxisY << 50 << QPoint(263, 255) << QPoint(265, 258) << Green << Black;
        QTest::newRow("y at the start, right") << AxisY << 50 << QPoint(287, 180) << QPoint(291, 180) << Green << Black;
        QTest::newRow("z at the start, front") << AxisZ << 50 << QPoint(170, 164) << QPoint(170, 168) << Cyan << Red;
        QTest::newRow("z at the start, right") << AxisZ << 50 << QPoint(261, 141) << QPoint(264, 145) << Cyan << Green;
        QTest::newRow("z at the start, back") << AxisZ << 50 << QPoint(230, 122) << QPoint(230, 118) << Cyan << Black;
        QTest::newRow("z at the start, left") << AxisZ << 50 << QPoint(139, 145) << QPoint(136, 141) << Cyan << Black;
        QTest::newRow("z at 137, front right") << AxisZ << 137 << QPoint(255, 146) << QPoint(256, 149) << Cyan << Red;
        QTest::newRow("z at 137, back right") << AxisZ << 137 << QPoint(241, 122) << QPoint(242, 119) << Cyan << Black;
        QTest::newRow("z at 137, back left") << AxisZ << 137 << QPoint(145, 140) << QPoint(144, 137) << Cyan << Black;
        QTest::newRow("z at 137, front left") << AxisZ << 137 << QPoint(159, 164) << QPoint(158, 167) << Cyan << Lime;
    }

    void endFaceEdgePixels()
    {
        QFETCH(CubeAxis, axis);
        QFETCH(int, phase);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        QFETCH(QRgb, faceColour);
        QFETCH(QRgb, beyondColour);
        const QImage picture = frame(axis, phase, CubeRings{});
        QCOMPARE((QStringList{colourName(picture.pixel(inside)), colourName(picture.pixel(outside))}),
                 (QStringList{colourName(faceColour), colourName(beyondColour)}));
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

    void frameAtRatioTwo_data()
    {
        QTest::addColumn<CubeAxis>("axis");
        QTest::addColumn<int>("phase");
        for (CubeAxis axis : {AxisX, AxisY, AxisZ})
            for (int phase : {StartPhase, 137})
                QTest::addRow("%c at %d", "xyz"[axis], phase) << axis << phase;
    }

    // On a screen of ratio 2 a frame is drawn with twice the pixels each way:
    // where the picture at ratio 1 is flat around a pixel, its 2 x 2 block has
    // its colour; no pixel is a blend of two colours; and the white outlines
    // are a program pixel wide, so four times as many image pixels.
    void frameAtRatioTwo()
    {
        QFETCH(CubeAxis, axis);
        QFETCH(int, phase);
        CubeRings rings;
        ApplyQuarterTurns(rings, AxisY, 1, true);
        const QImage single = frame(axis, phase, rings);
        QImage twice = newCubeBitmap(Reference, 2);
        QCOMPARE(twice.size(), Reference.bitmapSize * 2);
        QCOMPARE(twice.devicePixelRatio(), 2.0);
        drawCubeFrame(twice, axis, phase, rings, Reference);

        int flatPixels = 0;
        for (int y = 1; y < single.height() - 1; ++y)
            for (int x = 1; x < single.width() - 1; ++x) {
                const QRgb colour = single.pixel(x, y);
                if (!flatAround(single, x, y))
                    continue;
                ++flatPixels;
                for (const QPoint &image : {QPoint(2 * x, 2 * y), QPoint(2 * x + 1, 2 * y), QPoint(2 * x, 2 * y + 1),
                                            QPoint(2 * x + 1, 2 * y + 1)})
                    if (twice.pixel(image) != colour)
                        QFAIL(qPrintable(QStringLiteral("(%1, %2) is %3, not %4 as (%5, %6) at ratio 1")
                                             .arg(image.x()).arg(image.y()).arg(colourName(twice.pixel(image)),
                                                                               colourName(colour)).arg(x).arg(y)));
            }
        QVERIFY(flatPixels > single.width() * single.height() * 9 / 10);

        QSet<QRgb> palette{Black, White};
        for (int face = 1; face <= 6; ++face)
            palette.insert(0xFF000000 | FaceColour(face));
        for (int y = 0; y < twice.height(); ++y)
            for (int x = 0; x < twice.width(); ++x)
                if (!palette.contains(twice.pixel(x, y)))
                    QFAIL(qPrintable(QStringLiteral("(%1, %2) is the blend %3").arg(x).arg(y).arg(colourName(twice.pixel(x, y)))));

        const double outlineRatio = double(count(twice, White)) / count(single, White);
        QVERIFY2(outlineRatio > 3.4 && outlineRatio < 4.6, qPrintable(QString::number(outlineRatio)));
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
