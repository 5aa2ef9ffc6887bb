#include "plane/framechange.h"
#include "plane/screenmapping.h"
#include "plane/steppreparation.h"
#include "plane/translationframes.h"
#include "plane/vertexlabels.h"

#include <QTest>

namespace {

FigurePoints figurePoints(const QList<QPointF> &vertices)
{
    FigurePoints p;
    for (int i = 0; i < vertices.size(); ++i) {
        p.x[i] = float(vertices[i].x());
        p.y[i] = float(vertices[i].y());
    }
    return p;
}

// Six coefficients rounded to millionths, row 1 (c, a, b) then row 2.
QList<int> coefficients(const AffineMatrix &m)
{
    QList<int> result;
    for (const auto &row : m)
        for (float value : row)
            result << qRound(value * 1e6);
    return result;
}

} // namespace

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
        SlotParameters translation;
        translation.TranslationDX = 1;
        translation.TranslationDY = -2;
        StepFigure figure;
        figure.cur = figurePoints({{15, 11}, {10, 9}, {21, 4}});
        StepValues values;
        StepPoints points;
        prepareStep(Traslazione, 1, translation, figure, 334, values, points);
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
        SlotParameters symmetry;
        symmetry.SymmetryKind = quint8(kind);
        symmetry.SymmetryCentreX = 1;
        symmetry.SymmetryCentreY = 2;
        symmetry.SymmetryAxisAngle = 45;
        symmetry.SymmetryAxisQ = -1;
        StepFigure point;
        point.figureType = 0;
        point.cur = figurePoints({{3, 1}});
        StepValues values;
        StepPoints points;
        prepareStep(Simmetria, 1, symmetry, point, 334, values, points);
        QCOMPARE(QPoint(qRound(points.image.x[0] * 1000), qRound(points.image.y[0] * 1000)),
                 (image * 1000).toPoint());
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
        SlotParameters p;
        p.SymmetryKind = quint8(variant == 90 ? 5 : variant);
        p.SymmetryCentreX = 1;
        p.SymmetryCentreY = 2;
        p.SymmetryAxisAngle = variant == 90 ? 90 : 45;
        p.SymmetryAxisQ = -1;
        p.HomothetyCentreX = -1;
        p.HomothetyCentreY = 1;
        p.HomothetyRatio = 1.5f;
        p.HomothetySign = -1;
        p.DilationX = 1.5f;
        p.DilationY = 0.5f;
        p.ShearAxis = 1;
        p.ShearSign = 1;
        p.ShearY = 0.5f;
        QList<int> expected;
        for (double value : matrix)
            expected << qRound(value * 1e6);
        QCOMPARE(coefficients(FrameChange::matrix(kind, p)), expected);
    }
};

QTEST_GUILESS_MAIN(TestPlaneGeometry)
#include "tst_planegeometry.moc"
