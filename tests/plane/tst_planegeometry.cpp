#include "plane/framechange.h"
#include "plane/screenmapping.h"
#include "plane/steppreparation.h"
#include "plane/translationframes.h"
#include "plane/vertexlabels.h"

#include "slotvalues.h"

#include <QTest>

Q_DECLARE_METATYPE(SlotParameters)

using namespace SlotValues;

class TestPlaneGeometry : public QObject
{
    Q_OBJECT

private slots:
    // Origin (500, 300) unless the row says otherwise; rounding ties to even.
    void screenPoints_data()
    {
        QTest::addColumn<int>("originX");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QPointF>("grid");
        QTest::addColumn<QPoint>("screen");
        QTest::newRow("(1, -1) at 33%") << 500 << 3 << QPointF(1, -1) << QPoint(503, 303);
        QTest::newRow("tie to the even column") << 500 << 2 << QPointF(0.5, 0) << QPoint(502, 300);
        QTest::newRow("tie to the even column, odd origin") << 501 << 2 << QPointF(1.5, 0) << QPoint(508, 300);
        QTest::newRow("tie to the even row") << 500 << 2 << QPointF(0, -0.5) << QPoint(500, 302);
    }

    void screenPoints()
    {
        QFETCH(int, originX);
        QFETCH(int, zoom);
        QFETCH(QPointF, grid);
        QFETCH(QPoint, screen);
        const ScreenMapping map(originX, 300, zoom);
        QCOMPARE(map.fromGrid(grid.x(), grid.y()), screen);
        QCOMPARE(map.fromWorking(map.workingX(grid.x()), map.workingY(grid.y())), screen);
    }

    // w = 8 and h = 14: 3w/2 = 12, w/2 = 4, 3h/2 = 21. Left of the centroid
    // a letter moves 3w/2 left, above it h up; the extremes in x and y then
    // override that.
    void vertexLabels_data()
    {
        QTest::addColumn<QList<QPointF>>("vertices");
        QTest::addColumn<QList<QPoint>>("labels");
        // B has the smallest x, C the largest x and y, A the smallest y.
        QTest::newRow("default triangle") << QList<QPointF>{{150, 224}, {100, 244}, {210, 294}}
                                          << QList<QPoint>{{138, 203}, {88, 230}, {214, 294}};
        // A lies on the centroid and is no extreme: right of it and below.
        QTest::newRow("vertex on the centroid") << QList<QPointF>{{10, 10}, {0, 0}, {20, 0}, {10, 30}}
                                                << QList<QPoint>{{14, 10}, {-12, -21}, {24, -14}, {14, 30}};
        // Equal x: A is both the smallest and the largest, the largest last.
        QTest::newRow("ties keep the earlier vertex") << QList<QPointF>{{10, 0}, {10, 20}}
                                                      << QList<QPoint>{{14, -21}, {14, 20}};
        QTest::newRow("unrounded working points") << QList<QPointF>{{10.4, 10.6}, {30.5, 0.2}}
                                                  << QList<QPoint>{{-2, 11}, {34, -21}};
    }

    void vertexLabels()
    {
        QFETCH(QList<QPointF>, vertices);
        QFETCH(QList<QPoint>, labels);
        const LabelPositions actual = vertexLabelPositions(figurePoints(vertices), int(vertices.size()), 8, 14);
        QList<QPoint> placed;
        for (int i = 0; i < vertices.size(); ++i)
            placed << QPoint(actual.x[i], actual.y[i]);
        QCOMPARE(placed, labels);
    }

    void coordinateTexts_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("rounded") << -10.99f << "-11.0";
        QTest::newRow("cut to five characters") << -123.45f << "-123.";
        // cos 90 degrees leaves a hair below zero: no "-0.0".
        QTest::newRow("tiny negative") << -1e-19f << "0.0";
        QTest::newRow("small negative") << -0.04f << "0.0";
    }

    void coordinateTexts()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(coordinateText(value), text);
    }

    // Translation by (1, -2) of the default triangle: N = 2, t = frame / 20.
    void translationFrames_data()
    {
        QTest::addColumn<int>("frame");
        QTest::addColumn<QPointF>("a"); // tenths of a unit, y downwards
        QTest::newRow("first, the figure") << 0 << QPointF(150, -110);
        QTest::newRow("t = 0.25") << 5 << QPointF(152, -105); // 152.5 rounds to even
        QTest::newRow("t = 0.95, the last") << 19 << QPointF(160, -91);
    }

    void translationFrames()
    {
        QFETCH(int, frame);
        QFETCH(QPointF, a);
        const StepFigure figure = figureOf({{15, 11}, {10, 9}, {21, 4}});
        StepValues values;
        StepPoints points;
        prepareStep(Traslazione, 1, translation(1, -2), figure, 334, values, points);
        for (int i = 0; i < frame; ++i)
            TranslationFrames::advance(values);
        FigurePoints rel;
        TranslationFrames::framePoints(values, figure, rel);
        QCOMPARE(QPointF(rel.x[0], rel.y[0]), a);
    }

    // The point (3, 1); centre (1, 2), lines x = 1 and y = 2, and the line at
    // 45 degrees through (0, -1).
    void symmetryImages_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QPointF>("image");
        QTest::newRow("centre") << 0 << QPointF(-1, 3);
        QTest::newRow("x = k") << 1 << QPointF(-1, 1);
        QTest::newRow("y = k") << 2 << QPointF(3, 3);
        QTest::newRow("y = x") << 3 << QPointF(1, 3);
        QTest::newRow("y = -x") << 4 << QPointF(-1, -3);
        QTest::newRow("y = mx + q") << 5 << QPointF(2, 2);
    }

    void symmetryImages()
    {
        QFETCH(int, kind);
        QFETCH(QPointF, image);
        StepValues values;
        StepPoints points;
        prepareStep(Simmetria, 1, symmetry(kind, 1, 2, 45, -1), figureOf({{3, 1}}), 334, values, points);
        QCOMPARE(QPoint(qRound(points.image.x[0] * 1000), qRound(points.image.y[0] * 1000)),
                 (image * 1000).toPoint());
    }

    // The moved frame is the fixed frame carried by the step's own map:
    // screen offsets from the origin at 100%, origin (500, 300), of the
    // axes' crossing and of the two arrow tips.
    void movedFrame_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<SlotParameters>("parameters");
        QTest::addColumn<QList<QPoint>>("offsets"); // crossing, x tip, y tip
        QTest::newRow("translation (0, 0)") << int(Traslazione) << translation(0, 0)
                                            << QList<QPoint>{{0, 0}, {10, 0}, {0, -10}};
        QTest::newRow("translation (3, 2)") << int(Traslazione) << translation(3, 2)
                                            << QList<QPoint>{{30, -20}, {40, -20}, {30, -30}};
        // Counter-clockwise: the x tip rises.
        QTest::newRow("rotation 30") << int(Rotazione) << rotation(30, 0, 0) << QList<QPoint>{{0, 0}, {9, -5}, {-5, -9}};
        QTest::newRow("rotation 90 about (1, 0)") << int(Rotazione) << rotation(90, 1, 0)
                                                  << QList<QPoint>{{10, 10}, {10, 0}, {0, 10}};
        // x = 2: the x arrow turns left.
        QTest::newRow("symmetry x = 2") << int(Simmetria) << symmetry(1, 2, 0, 0, 0)
                                        << QList<QPoint>{{40, 0}, {30, 0}, {40, -10}};
        QTest::newRow("symmetry y = x") << int(Simmetria) << symmetry(3, 0, 0, 0, 0)
                                        << QList<QPoint>{{0, 0}, {0, -10}, {10, 0}};
        QTest::newRow("homothety 2 about (1, 1)") << int(Omotetia) << homothety(1, 2, 1, 1)
                                                  << QList<QPoint>{{-10, 10}, {10, 10}, {-10, -10}};
        QTest::newRow("homothety -2 about (1, 1)") << int(Omotetia) << homothety(-1, 2, 1, 1)
                                                   << QList<QPoint>{{30, -30}, {10, -30}, {30, -10}};
        QTest::newRow("dilation 2 x 0.5") << int(Dilatazione) << dilation(2, 0.5f)
                                          << QList<QPoint>{{0, 0}, {20, 0}, {0, -5}};
        // x' = x - y.
        QTest::newRow("shear -1 along x") << int(Inclinazione) << shear(0, -1)
                                          << QList<QPoint>{{0, 0}, {10, 0}, {-10, -10}};
    }

    void movedFrame()
    {
        QFETCH(int, kind);
        QFETCH(SlotParameters, parameters);
        QFETCH(QList<QPoint>, offsets);
        const ScreenMapping mapping(500, 300, 1);
        FigurePoints image;
        const ScreenPoints screen = FrameChange::screenPoints(FrameChange::axisPoints(300, 8, 14),
                                                              FrameChange::stepMap(kind, parameters), mapping, image);
        const auto at = [&screen](int point) { return QPoint(screen.x[point], screen.y[point]) - QPoint(500, 300); };
        // The axes run through the crossing: it is the middle of each axis.
        const QPoint crossing = (at(FrameChange::YAxisLow) + at(FrameChange::YAxisHigh)) / 2;
        QCOMPARE(crossing, (at(FrameChange::XAxisLeft) + at(FrameChange::XAxisRight)) / 2);
        QCOMPARE((QList<QPoint>{crossing, at(FrameChange::XArrowTip), at(FrameChange::YArrowTip)}), offsets);
    }

    // A figure and a frame moved by one symmetry go through the same map: the
    // frame's map takes each point where the figure's step takes it.
    void symmetryMapMatchesTheFigureStep_data()
    {
        QTest::addColumn<int>("symmetryKind");
        QTest::addColumn<int>("angle");
        for (int kind = 0; kind <= 4; ++kind)
            QTest::addRow("kind %d", kind) << kind << 60;
        for (int angle : {0, 30, 90, 135, 179})
            QTest::addRow("line at %d degrees", angle) << 5 << angle;
    }

    void symmetryMapMatchesTheFigureStep()
    {
        QFETCH(int, symmetryKind);
        QFETCH(int, angle);
        const SlotParameters p = symmetry(symmetryKind, 2, -1, angle, 3);
        const StepFigure figure = figureOf({{3, 1}, {-4, 2}, {0, -5}});
        StepValues values;
        StepPoints points;
        prepareStep(Simmetria, 1, p, figure, 334, values, points);
        const AffineMatrix map = FrameChange::stepMap(Simmetria, p);
        const auto &[c, a, b] = map[0];
        const auto &[c2, a2, b2] = map[1];
        for (int i = 0; i < 3; ++i) {
            const float x = figure.cur.x[i];
            const float y = figure.cur.y[i];
            QVERIFY(std::abs(a * x + b * y + c - points.image.x[i]) < 1e-4f);
            QVERIFY(std::abs(a2 * x + b2 * y + c2 - points.image.y[i]) < 1e-4f);
        }
    }

    // The change of frame's matrices as the store keeps them: c, a, b, then
    // c', a', b'.
    void frameMatrices_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("variant");
        QTest::addColumn<QList<double>>("matrix");
        QTest::newRow("symmetry, centre (1, 2)") << 2 << 0 << QList<double>{2, -1, 0, 4, 0, -1};
        QTest::newRow("symmetry, y = -x") << 2 << 4 << QList<double>{0, 0, -1, 0, -1, 0};
        QTest::newRow("symmetry, 45 degrees, q = -1") << 2 << 5 << QList<double>{1, 0, 1, -1, 1, 0};
        QTest::newRow("symmetry, 90 degrees whatever q") << 2 << 90 << QList<double>{0, -1, 0, 0, 0, 1};
        QTest::newRow("homothety -1.5 about (-1, 1)") << 3 << 0 << QList<double>{-1, -1.5, 0, 1, 0, -1.5};
        QTest::newRow("dilation") << 4 << 0 << QList<double>{0, 1.5, 0, 0, 0, 0.5};
        QTest::newRow("shear along y, negative") << 5 << 0 << QList<double>{0, 1, 0, 0, -0.5, 1};
    }

    void frameMatrices()
    {
        QFETCH(int, kind);
        QFETCH(int, variant);
        QFETCH(QList<double>, matrix);
        SlotParameters p = symmetry(variant == 90 ? 5 : variant, 1, 2, variant == 90 ? 90 : 45, -1);
        p.HomothetyCentreX = -1;
        p.HomothetyCentreY = 1;
        p.HomothetyRatio = 1.5f;
        p.HomothetySign = -1;
        p.DilationX = 1.5f;
        p.DilationY = 0.5f;
        p.ShearAxis = 1;
        p.ShearSign = 1;
        p.ShearY = 0.5f;
        // Rounded to millionths, row 1 (c, a, b) then row 2.
        QList<int> expected;
        QList<int> actual;
        for (double value : matrix)
            expected << qRound(value * 1e6);
        for (const auto &row : FrameChange::matrix(kind, p))
            for (float value : row)
                actual << qRound(value * 1e6);
        QCOMPARE(actual, expected);
    }
};

QTEST_GUILESS_MAIN(TestPlaneGeometry)
#include "tst_planegeometry.moc"
