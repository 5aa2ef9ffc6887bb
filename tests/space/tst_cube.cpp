#include "space/cubeframe.h"
#include "space/cubesequence.h"
#include "space/directionarrow.h"

#include <QTest>
#include <cmath>
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
constexpr QRgb Magenta = 0xFFFF00FF; // face 5
constexpr QRgb Blue = 0xFF0000FF; // face 6
constexpr QRgb White = 0xFFFFFFFF; // the outlines

QImage frame(CubeAxis axis, int phase, const CubeRings &rings)
{
    QImage bitmap = newCubeBitmap(Reference);
    drawCubeFrame(bitmap, axis, phase, rings, Reference);
    return bitmap;
}

bool painted(const QImage &image, QPointF at)
{
    const QPoint pixel(int(std::floor(at.x())), int(std::floor(at.y())));
    return image.rect().contains(pixel) && qAlpha(image.pixel(pixel)) > 127;
}

} // namespace

class TestCube : public QObject
{
    Q_OBJECT

private slots:
    // Out-of-range faces are drawn black, as no face.
    void faceColours_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<QRgb>("colour");
        for (const auto &[face, colour] : {std::pair{0, Black}, {1, Cyan}, {2, Red}, {3, Green}, {4, Lime},
                                           {5, Magenta}, {6, Blue}, {7, Black}, {-1, Black}})
            QTest::addRow("face %d", face) << face << colour;
    }

    void faceColours()
    {
        QFETCH(int, face);
        QFETCH(QRgb, colour);
        QCOMPARE(QColor(FaceColour(face)).name(), QColor(colour).name());
    }

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
        for (int turn = 0; turn < 4; ++turn) // four quarter turns either way restore the cube
            ApplyQuarterTurns(turned, AxisX, 1, clockwise);
        QCOMPARE(turned, rings);
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

    // Worked by hand from the projection with S = 160: the x view spans
    // cos x 160 / 1.8 = 88.9 across and sin x 80 down; the y view takes
    // a = cos x 40, b = sin x 80 to (0.9 a, -(0.7 a + b)); the z view takes
    // a = cos x 88.9, b = sin x 32 to (-(1.3 b + a), b). A ratio of 2 in
    // place of 1.8 gives 80 for 89 and 57 for 63. Sizes 5 and 7 put the
    // corner on a half, which rounds to even: 2.5 down, 3.5 up.
    void cornerOffsets_data()
    {
        QTest::addColumn<CubeAxis>("axis");
        QTest::addColumn<int>("phase");
        QTest::addColumn<double>("size");
        QTest::addColumn<QPolygon>("corners");
        const double S = Reference.CubeSize;
        QTest::newRow("x at 0") << AxisX << 0 << S << QPolygon({{89, 0}, {0, 80}, {-89, 0}, {0, -80}});
        QTest::newRow("x at the start") << AxisX << 50 << S << QPolygon({{63, 57}, {-63, 57}, {-63, -57}, {63, -57}});
        QTest::newRow("x a quarter turn on") << AxisX << 100 << S << QPolygon({{0, 80}, {-89, 0}, {0, -80}, {89, 0}});
        QTest::newRow("x at 263") << AxisX << 263 << S << QPolygon({{-49, -67}, {74, -44}, {49, 67}, {-74, 44}});
        QTest::newRow("y at 0") << AxisY << 0 << S << QPolygon({{36, -28}, {0, -80}, {-36, 28}, {0, 80}});
        QTest::newRow("y at the start") << AxisY << 50 << S << QPolygon({{25, -76}, {-25, -37}, {-25, 76}, {25, 37}});
        QTest::newRow("y at 137") << AxisY << 137 << S << QPolygon({{-20, -51}, {-30, 67}, {20, 51}, {30, -67}});
        QTest::newRow("z at 0") << AxisZ << 0 << S << QPolygon({{-89, 0}, {-42, 32}, {89, 0}, {42, -32}});
        QTest::newRow("z at the start") << AxisZ << 50 << S << QPolygon({{-92, 23}, {33, 23}, {92, -23}, {-33, -23}});
        QTest::newRow("z a quarter turn on") << AxisZ << 100 << S << QPolygon({{-42, 32}, {89, 0}, {42, -32}, {-89, 0}});
        QTest::newRow("z at 263") << AxisZ << 263 << S << QPolygon({{84, -27}, {-51, -18}, {-84, 27}, {51, 18}});
        QTest::newRow("half down to even") << AxisX << 0 << 5.0 << QPolygon({{3, 0}, {0, 2}, {-3, 0}, {0, -2}});
        QTest::newRow("half up to even") << AxisX << 0 << 7.0 << QPolygon({{4, 0}, {0, 4}, {-4, 0}, {0, -4}});
    }

    void cornerOffsets()
    {
        QFETCH(CubeAxis, axis);
        QFETCH(int, phase);
        QFETCH(double, size);
        QFETCH(QPolygon, corners);
        const CornerOffsets offsets = ProjectCorners(axis, phase, size);
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
        QTest::newRow("y at the start, upper") << AxisY << 50 << QPoint(265, 145) << QPoint(263, 142) << Green << Cyan;
        QTest::newRow("y at the start, left") << AxisY << 50 << QPoint(241, 220) << QPoint(237, 220) << Green << Red;
        QTest::newRow("y at the start, lower") << AxisY << 50 << QPoint(263, 255) << QPoint(265, 258) << Green << Black;
        QTest::newRow("y at the start, right") << AxisY << 50 << QPoint(287, 180) << QPoint(291, 180) << Green << Black;
        QTest::newRow("z at the start, front") << AxisZ << 50 << QPoint(170, 164) << QPoint(170, 168) << Cyan << Red;
        QTest::newRow("z at the start, right") << AxisZ << 50 << QPoint(261, 141) << QPoint(264, 145) << Cyan << Green;
        QTest::newRow("z at the start, back") << AxisZ << 50 << QPoint(230, 122) << QPoint(230, 118) << Cyan << Black;
        QTest::newRow("z at the start, left") << AxisZ << 50 << QPoint(139, 145) << QPoint(136, 141) << Cyan << Black;
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
        QCOMPARE((QStringList{QColor(picture.pixel(inside)).name(), QColor(picture.pixel(outside)).name()}),
                 (QStringList{QColor(faceColour).name(), QColor(beyondColour).name()}));
    }

    // A picture narrower than one and a half times its height is cleared to its bottom too.
    void frameClearsTheWholePicture()
    {
        const CubeDimensions narrow = cubeDimensions(1280, QSize(600, 800));
        QImage bitmap = newCubeBitmap(narrow);
        bitmap.fill(Qt::yellow);
        drawCubeFrame(bitmap, AxisX, StartPhase, CubeRings{}, narrow);
        QCOMPARE(bitmap.pixel(100, 390), Black);
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
        const QSet<QRgb> palette{Black, White, Cyan, Red, Green, Lime, Magenta, Blue};
        int flatPixels = 0;
        int outlines[2] = {0, 0};
        for (int y = 1; y < single.height() - 1; ++y)
            for (int x = 1; x < single.width() - 1; ++x) {
                const QRgb colour = single.pixel(x, y);
                bool flat = true;
                for (int d = 0; d < 9; ++d)
                    flat = flat && single.pixel(x + d % 3 - 1, y + d / 3 - 1) == colour;
                flatPixels += flat;
                outlines[0] += colour == White;
                for (int d = 0; d < 4; ++d) {
                    const QPoint at(2 * x + d % 2, 2 * y + d / 2);
                    outlines[1] += twice.pixel(at) == White;
                    if ((flat && twice.pixel(at) != colour) || !palette.contains(twice.pixel(at)))
                        QFAIL(qPrintable(QStringLiteral("(%1, %2) at ratio 2").arg(at.x()).arg(at.y())));
                }
            }
        QVERIFY(flatPixels > single.width() * single.height() * 9 / 10);
        const double outlineRatio = double(outlines[1]) / outlines[0];
        QVERIFY2(outlineRatio > 3.4 && outlineRatio < 4.6, qPrintable(QString::number(outlineRatio)));
    }

    // The cube after a step, drawn at the start phase, is the step's last frame: no jump.
    void afterStepEqualsLastFrame()
    {
        for (int step = 0; step < 3 * 2 * 3; ++step) {
            const auto axis = CubeAxis(step / 6);
            const bool clockwise = step / 3 % 2;
            const int turns = step % 3 + 1;
            CubeRings rings; // away from the start cube, so every face differs
            ApplyQuarterTurns(rings, AxisX, 1, true);
            ApplyQuarterTurns(rings, AxisY, 1, false);
            int phase = StartPhase;
            for (int frame = 0; frame < turns * QuarterTurn / PhaseStep; ++frame)
                phase = nextPhase(phase, clockwise);
            const QImage lastFrame = frame(axis, phase, rings);
            QVERIFY(lastFrame != frame(axis, StartPhase, rings));
            ApplyQuarterTurns(rings, axis, turns, clockwise);
            QVERIFY2(frame(axis, StartPhase, rings) == lastFrame, qPrintable(QString::number(step)));
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

    // A step of n turns draws 50 n + 1 frames, from the start phase on, then
    // turns the rings. Step 1 pressed before the start cube's tick came
    // still runs: its first tick goes on.
    void framesPerStep()
    {
        QFETCH(int, turns);
        QFETCH(bool, clockwise);
        QFETCH(QList<int>, phases);
        CubeSequence early;
        early.restart();
        QVERIFY(!early.tick(early.startStep(1)).stopTimer);
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

    // 16 is the size both windows use; the others keep the shape honest
    // when a style asks for larger icons.
    void directionArrows()
    {
        for (int side : {16, 24, 32}) {
            const QSize size(side, side);
            const QImage clockwise = directionArrow(size, true);
            const QImage anticlockwise = directionArrow(size, false);
            QCOMPARE(clockwise.size(), size);
            QCOMPARE(qAlpha(clockwise.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(clockwise.pixel(side - 1, side - 1)), 0);
            QCOMPARE(anticlockwise, clockwise.mirrored(true, false));
            QVERIFY(anticlockwise != clockwise);

            // The head points down on the right for a clockwise turn, on the left
            // for an anticlockwise one; its middle is solid orange.
            const QPointF tip = directionArrowTip(size, true);
            const QPointF otherTip = directionArrowTip(size, false);
            QVERIFY2(tip.x() > side / 2.0, qPrintable(QString::number(tip.x())));
            QCOMPARE(otherTip.x(), side - tip.x());
            for (const auto &[image, at] : {std::pair{clockwise, tip}, std::pair{anticlockwise, otherTip}}) {
                QVERIFY(painted(image, at - QPointF(0, 1.5)));
                QVERIFY(!painted(image, at + QPointF(0, 2)));
                const QPointF inside = at - QPointF(0, side * 0.2);
                QCOMPARE(image.pixel(int(inside.x()), int(inside.y())), 0xFFFF8000);
            }
        }
    }
};

QTEST_MAIN(TestCube)
#include "tst_cube.moc"
