#include "plane/framechange.h"
#include "plane/screenmapping.h"
#include "plane/steppreparation.h"
#include "plane/translationframes.h"
#include "plane/vertexlabels.h"

#include "slotvalues.h"

#include <QTest>

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
        QTest::addColumn<QString>("vertices");
        QTest::addColumn<QString>("labels");
        // B has the smallest x, C the largest x and y, A the smallest y.
        QTest::newRow("default triangle") << "150 224, 100 244, 210 294" << "138 203, 88 230, 214 294";
        // A lies on the centroid and is no extreme: right of it and below.
        QTest::newRow("vertex on the centroid") << "10 10, 0 0, 20 0, 10 30" << "14 10, -12 -21, 24 -14, 14 30";
        // Equal x: A is both the smallest and the largest, the largest last.
        QTest::newRow("ties keep the earlier vertex") << "10 0, 10 20" << "14 -21, 14 20";
        QTest::newRow("unrounded working points") << "10.4 10.6, 30.5 0.2" << "-2 11, 34 -21";
    }

    void vertexLabels()
    {
        QFETCH(QString, vertices);
        QFETCH(QString, labels);
        const QList<QPointF> corners = points(vertices.toLatin1());
        const LabelPositions actual = vertexLabelPositions(figurePoints(corners), int(corners.size()), 8, 14);
        QList<QPointF> placed;
        for (int i = 0; i < corners.size(); ++i)
            placed << QPointF(actual.x[i], actual.y[i]);
        QCOMPARE(placed, points(labels.toLatin1()));
    }

    // Rounded, cut to five characters; a value a hair below zero (cos 90
    // degrees leaves one) is no "-0.0".
    void coordinateTexts()
    {
        QStringList texts;
        for (float value : {-10.99f, -123.45f, -1e-19f, -0.04f})
            texts << coordinateText(value);
        QCOMPARE(texts, (QStringList{"-11.0", "-123.", "0.0", "0.0"}));
    }

    // Translation by (1, -2) of the default triangle: N = 2, t = frame / 20.
    // A in tenths of a unit, y downwards, at the first frame, at t = 0.25
    // (152.5 rounds to even) and at the last, t = 0.95.
    void translationFrames()
    {
        const StepFigure figure = startTriangle();
        StepValues values;
        StepPoints points;
        prepareStep(Traslazione, 1, translation(1, -2), figure, 334, values, points);
        QList<QPointF> a;
        for (int frame = 0; frame < 20; TranslationFrames::advance(values), ++frame) {
            FigurePoints rel;
            TranslationFrames::framePoints(values, figure, rel);
            if (frame == 0 || frame == 5 || frame == 19)
                a << QPointF(rel.x[0], rel.y[0]);
        }
        QCOMPARE(a, (QList<QPointF>{{150, -110}, {152, -105}, {160, -91}}));
    }

    // The point (3, 1) reflected by each symmetry kind in turn: about the
    // centre (1, 2), x = 1, y = 2, y = x, y = -x and the line at 45 degrees
    // through (0, -1); thousandths.
    void symmetryImages()
    {
        QList<QPoint> images;
        for (int kind = 0; kind <= 5; ++kind) {
            StepValues values;
            StepPoints points;
            prepareStep(Simmetria, 1, symmetry(kind, 1, 2, 45, -1), figureOf({{3, 1}}), 334, values, points);
            images << QPoint(qRound(points.image.x[0] * 1000), qRound(points.image.y[0] * 1000));
        }
        QCOMPARE(images, (QList<QPoint>{{-1000, 3000}, {-1000, 1000}, {3000, 3000}, {1000, 3000}, {-1000, -3000},
                                        {2000, 2000}}));
    }

    // The moved frame is the fixed frame carried by the step's own map:
    // screen offsets from the origin at 100%, origin (500, 300), of the
    // axes' crossing and of the two arrow tips.
    void movedFrame_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<SlotParameters>("parameters");
        QTest::addColumn<QString>("offsets"); // crossing, x tip, y tip
        const auto row = [](const char *name, int kind, const SlotParameters &p, const char *offsets) {
            QTest::newRow(name) << kind << p << QString::fromLatin1(offsets);
        };
        row("translation (0, 0)", Traslazione, translation(0, 0), "0 0, 10 0, 0 -10");
        row("translation (3, 2)", Traslazione, translation(3, 2), "30 -20, 40 -20, 30 -30");
        // Counter-clockwise: the x tip rises.
        row("rotation 30", Rotazione, rotation(30, 0, 0), "0 0, 9 -5, -5 -9");
        row("rotation 90 about (1, 0)", Rotazione, rotation(90, 1, 0), "10 10, 10 0, 0 10");
        // x = 2: the x arrow turns left.
        row("symmetry x = 2", Simmetria, symmetry(1, 2, 0, 0, 0), "40 0, 30 0, 40 -10");
        row("symmetry y = x", Simmetria, symmetry(3, 0, 0, 0, 0), "0 0, 0 -10, 10 0");
        row("homothety 2 about (1, 1)", Omotetia, homothety(1, 2, 1, 1), "-10 10, 10 10, -10 -10");
        row("homothety -2 about (1, 1)", Omotetia, homothety(-1, 2, 1, 1), "30 -30, 10 -30, 30 -10");
        row("dilation 2 x 0.5", Dilatazione, dilation(2, 0.5f), "0 0, 20 0, 0 -5");
        // x' = x - y.
        row("shear -1 along x", Inclinazione, shear(0, -1), "0 0, 10 0, -10 -10");
    }

    void movedFrame()
    {
        QFETCH(int, kind);
        QFETCH(SlotParameters, parameters);
        QFETCH(QString, offsets);
        const ScreenMapping mapping(500, 300, 1);
        FigurePoints image;
        const ScreenPoints screen = FrameChange::screenPoints(FrameChange::axisPoints(300, 8, 14),
                                                              FrameChange::stepMap(kind, parameters), mapping, image);
        const auto at = [&screen](int point) { return QPointF(screen.x[point] - 500, screen.y[point] - 300); };
        // The axes run through the crossing: it is the middle of each axis.
        const QPointF crossing = (at(FrameChange::YAxisLow) + at(FrameChange::YAxisHigh)) / 2;
        QCOMPARE(crossing, (at(FrameChange::XAxisLeft) + at(FrameChange::XAxisRight)) / 2);
        QCOMPARE((QList<QPointF>{crossing, at(FrameChange::XArrowTip), at(FrameChange::YArrowTip)}),
                 points(offsets.toLatin1()));
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
        QTest::addColumn<SlotParameters>("parameters");
        QTest::addColumn<QList<double>>("matrix");
        const auto row = [](const char *name, int kind, const SlotParameters &p, QList<double> matrix) {
            QTest::newRow(name) << kind << p << matrix;
        };
        row("symmetry, centre (1, 2)", 2, symmetry(0, 1, 2, 45, -1), {2, -1, 0, 4, 0, -1});
        row("symmetry, y = -x", 2, symmetry(4, 1, 2, 45, -1), {0, 0, -1, 0, -1, 0});
        row("symmetry, 45 degrees, q = -1", 2, symmetry(5, 1, 2, 45, -1), {1, 0, 1, -1, 1, 0});
        row("symmetry, 90 degrees whatever q", 2, symmetry(5, 1, 2, 90, -1), {0, -1, 0, 0, 0, 1});
        row("homothety -1.5 about (-1, 1)", 3, homothety(-1, 1.5f, -1, 1), {-1, -1.5, 0, 1, 0, -1.5});
        row("dilation", 4, dilation(1.5f, 0.5f), {0, 1.5, 0, 0, 0, 0.5});
        row("shear along y, negative", 5, shear(1, -0.5f), {0, 1, 0, 0, -0.5, 1});
    }

    void frameMatrices()
    {
        QFETCH(int, kind);
        QFETCH(SlotParameters, parameters);
        QFETCH(QList<double>, matrix);
        // Rounded to millionths, row 1 (c, a, b) then row 2.
        QList<int> expected;
        QList<int> actual;
        for (double value : matrix)
            expected << qRound(value * 1e6);
        for (const auto &row : FrameChange::matrix(kind, parameters))
            for (float value : row)
                actual << qRound(value * 1e6);
        QCOMPARE(actual, expected);
    }
};

QTEST_GUILESS_MAIN(TestPlaneGeometry)
#include "tst_planegeometry.moc"
