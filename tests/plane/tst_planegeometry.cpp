#include "plane/planepoints.h"
#include "plane/screenmapping.h"
#include "plane/vertexlabels.h"

#include <QTest>

Q_DECLARE_METATYPE(LabelPositions)

namespace {

FigurePoints points(std::initializer_list<QPointF> vertices)
{
    FigurePoints p;
    int i = 0;
    for (const QPointF &v : vertices) {
        p.x[i] = float(v.x());
        p.y[i] = float(v.y());
        ++i;
    }
    return p;
}

LabelPositions labels(std::initializer_list<QPoint> positions)
{
    LabelPositions l;
    int i = 0;
    for (const QPoint &p : positions) {
        l.x[i] = p.x();
        l.y[i] = p.y();
        ++i;
    }
    return l;
}

} // namespace

class TestPlaneGeometry : public QObject
{
    Q_OBJECT

private slots:
    void roundsTiesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("0.5 down") << 0.5 << 0;
        QTest::newRow("1.5 up") << 1.5 << 2;
        QTest::newRow("2.5 down") << 2.5 << 2;
        QTest::newRow("-0.5 to zero") << -0.5 << 0;
        QTest::newRow("-1.5 to -2") << -1.5 << -2;
        QTest::newRow("just above a tie") << 0.5000001 << 1;
    }

    void roundsTiesToEven()
    {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(roundToInt(value), rounded);
    }

    void screenPoints_data()
    {
        QTest::addColumn<int>("originX");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<double>("gridX");
        QTest::addColumn<double>("gridY");
        QTest::addColumn<QPoint>("screen");
        // Origin (500, 300) unless the row says otherwise.
        QTest::newRow("origin") << 500 << 1 << 0.0 << 0.0 << QPoint(500, 300);
        QTest::newRow("(3, 0) at 100%") << 500 << 1 << 3.0 << 0.0 << QPoint(530, 300);
        QTest::newRow("(3, 0) at 50%") << 500 << 2 << 3.0 << 0.0 << QPoint(515, 300);
        QTest::newRow("(3, 0) at 33% is 10 pixels out") << 500 << 3 << 3.0 << 0.0 << QPoint(510, 300);
        QTest::newRow("y grows upwards") << 500 << 1 << 0.0 << 2.0 << QPoint(500, 280);
        QTest::newRow("(1, -1) at 33%") << 500 << 3 << 1.0 << -1.0 << QPoint(503, 303);
        QTest::newRow("tie to the even column") << 500 << 2 << 1.5 << 0.0 << QPoint(508, 300);
        QTest::newRow("tie to the even column, odd origin") << 501 << 2 << 1.5 << 0.0 << QPoint(508, 300);
        QTest::newRow("tie to the even row") << 500 << 2 << 0.0 << -1.5 << QPoint(500, 308);
    }

    void screenPoints()
    {
        QFETCH(int, originX);
        QFETCH(int, zoom);
        QFETCH(double, gridX);
        QFETCH(double, gridY);
        QFETCH(QPoint, screen);
        const ScreenMapping map(originX, 300, zoom);
        QCOMPARE(map.fromGrid(gridX, gridY), screen);
        QCOMPARE(map.fromWorking(map.workingX(gridX), map.workingY(gridY)), screen);
    }

    void framePixelsScaleFromTheOrigin()
    {
        const ScreenMapping map(500, 300, 3);
        QCOMPARE(map.fromFramePixels(-10, 0), QPoint(497, 300));
        QCOMPARE(map.fromFramePixels(30, -20), QPoint(510, 293));
    }

    void markBox_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QRect>("box");
        QTest::newRow("100%") << 1 << QRect(517, 317, 6, 6);
        QTest::newRow("50%") << 2 << QRect(508, 308, 4, 4);
        // 10/3 - 1 and 10/3 + 1 round to 2 and 4.
        QTest::newRow("33%") << 3 << QRect(506, 306, 2, 2);
    }

    void markBox()
    {
        QFETCH(int, zoom);
        QFETCH(QRect, box);
        QCOMPARE(ScreenMapping(500, 300, zoom).markBox(2, -2, 3), box);
    }

    void readout_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QString>("text");
        QTest::newRow("origin") << 1 << QPoint(500, 300) << "0.0, 0.0";
        QTest::newRow("3.5, -2.0") << 1 << QPoint(535, 320) << "3.5, -2.0";
        QTest::newRow("-35.0 cut to -35.") << 1 << QPoint(150, 300) << "-35., 0.0";
        QTest::newRow("-12.5 cut to -12.") << 1 << QPoint(375, 425) << "-12., -12.";
        QTest::newRow("one pixel at 33%") << 3 << QPoint(501, 299) << "0.3, 0.3";
        QTest::newRow("123.9 cut to 123.") << 3 << QPoint(913, 300) << "123., 0.0";
    }

    void readout()
    {
        QFETCH(int, zoom);
        QFETCH(QPoint, pixel);
        QFETCH(QString, text);
        QCOMPARE(ScreenMapping(500, 300, zoom).readout(pixel), text);
    }

    void vertexLabels_data()
    {
        QTest::addColumn<FigurePoints>("figure");
        QTest::addColumn<int>("count");
        QTest::addColumn<LabelPositions>("expected");
        // w = 8 and h = 14: 3w/2 = 12, w/2 = 4, 3h/2 = 21.
        // The default triangle at OriginY 334: B has the smallest x, C the
        // largest x and y, A the smallest y.
        QTest::newRow("default triangle")
            << points({{150, 224}, {100, 244}, {210, 294}}) << 3
            << labels({{138, 203}, {88, 230}, {214, 294}});
        // A lies on the centroid and is no extreme: right of and below it.
        QTest::newRow("vertex on the centroid")
            << points({{10, 10}, {0, 0}, {20, 0}, {10, 30}}) << 4
            << labels({{14, 10}, {-12, -21}, {24, -14}, {14, 30}});
        QTest::newRow("A smallest in x and y") << points({{0, 0}, {10, 20}, {20, 5}}) << 3
                                               << labels({{-12, -21}, {14, 20}, {24, -9}});
        // Equal x: A is both the smallest and the largest, and the largest
        // is applied last.
        QTest::newRow("ties keep the earlier vertex") << points({{10, 0}, {10, 20}}) << 2
                                                      << labels({{14, -21}, {14, 20}});
        QTest::newRow("a point") << points({{30, 40}}) << 1 << labels({{34, 40}});
        QTest::newRow("unrounded working points") << points({{10.4f, 10.6f}, {30.5f, 0.2f}}) << 2
                                                  << labels({{-2, 11}, {34, -21}});
    }

    void vertexLabels()
    {
        QFETCH(FigurePoints, figure);
        QFETCH(int, count);
        QFETCH(LabelPositions, expected);
        const LabelPositions actual = vertexLabelPositions(figure, count, 8, 14);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(actual.x[i], expected.x[i]);
            QCOMPARE(actual.y[i], expected.y[i]);
        }
    }

    void addCentreToPoints()
    {
        FigurePoints rel;
        rel.x[0] = 30;
        rel.y[0] = -20;
        rel.x[4] = 33;
        rel.y[4] = 17;
        rel.x[5] = 5;  // (10 + 5) / 10 = 1.5 rounds to 2
        rel.x[6] = -5; // (10 - 5) / 10 = 0.5 rounds to 0
        rel.x[10] = 99;
        FigurePoints work;
        work.x[10] = -1;
        AddCentreToPoints(rel, 1, 1, 334, work);
        QCOMPARE(work.x[0], 40.0f);
        QCOMPARE(work.y[0], 304.0f);
        QCOMPARE(work.x[3], 10.0f);
        QCOMPARE(work.x[4], 4.0f);
        QCOMPARE(work.y[4], 335.0f);
        QCOMPARE(work.x[5], 2.0f);
        QCOMPARE(work.x[6], 0.0f);
        QCOMPARE(work.x[10], -1.0f); // points 10 and 11 are left alone

        AddCentreToPointsRelative(rel, 1, 1, work);
        QCOMPARE(work.x[4], 43.0f);
        QCOMPARE(work.y[4], 7.0f);
        QCOMPARE(work.x[10], 109.0f);
        QCOMPARE(work.y[0], -30.0f);
    }

    void coordinateTexts_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 9.0f << "9.0";
        QTest::newRow("negative") << -4.0f << "-4.0";
        QTest::newRow("one decimal") << 4.5f << "4.5";
        QTest::newRow("rounded decimal") << -10.99f << "-11.0";
        QTest::newRow("cut to five") << -12.26f << "-12.3";
        QTest::newRow("hundreds") << 123.46f << "123.5";
        QTest::newRow("negative hundreds cut") << -123.45f << "-123.";
        // cos 90 degrees is a tiny negative number, not a negative zero.
        QTest::newRow("tiny negative") << -1e-19f << "0.0";
        QTest::newRow("small negative") << -0.04f << "0.0";
    }

    void coordinateTexts()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(coordinateText(value), text);
    }
};

QTEST_GUILESS_MAIN(TestPlaneGeometry)
#include "tst_planegeometry.moc"
