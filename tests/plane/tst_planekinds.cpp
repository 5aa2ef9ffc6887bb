#include "plane/affinityframes.h"
#include "plane/dilationframes.h"
#include "plane/homothetyframes.h"
#include "plane/screenmapping.h"
#include "plane/shearframes.h"
#include "plane/steppreparation.h"
#include "plane/symmetryframes.h"
#include "plane/translationframes.h"
#include "slotvalues.h"

#include <QTest>

#include <cmath>

using namespace SlotValues;

namespace {

constexpr int OriginX = 500;
constexpr int OriginY = 300;

StepFigure figureOf(const QList<QPointF> &vertices, bool circle = false)
{
    StepFigure figure;
    for (int i = 0; i < vertices.size(); ++i) {
        figure.cur.x[i] = float(vertices[i].x());
        figure.cur.y[i] = float(vertices[i].y());
    }
    // A circle is prepared as a triangle that still knows it is a circle.
    figure.figureType = circle ? 2 : int(vertices.size()) - 1;
    figure.isCircle = circle;
    return figure;
}

// A circle of centre (x, y) and radius r, as the store keeps it.
StepFigure circleOf(double x, double y, double r)
{
    return figureOf({{x, y}, {r, r}, {0, 0}}, true);
}

// Coordinates in thousandths, to compare reals computed in single precision.
QPoint milli(float x, float y)
{
    return QPoint(qRound(x * 1000), qRound(y * 1000));
}

QList<QPoint> imageOf(const FigurePoints &image, int count)
{
    QList<QPoint> points;
    for (int i = 0; i < count; ++i)
        points << milli(image.x[i], image.y[i]);
    return points;
}

QList<QPoint> milliList(const QList<QPointF> &points)
{
    QList<QPoint> result;
    for (const QPointF &p : points)
        result << (p * 1000).toPoint();
    return result;
}




AffineMatrix affine(float c, float a, float b, float c2, float a2, float b2)
{
    return AffineMatrix{{{c, a, b}, {c2, a2, b2}}};
}

SlotParameters affinity(const AffineMatrix &matrix)
{
    SlotParameters p;
    p.AffineCoeff = matrix;
    return p;
}

// The image a step of `kind` ends on, as the workspace computes it.
FigurePoints stepImage(int kind, const SlotParameters &p, const StepFigure &figure)
{
    StepValues values;
    StepPoints points;
    prepareStep(kind, 1, p, figure, OriginY, values, points);
    switch (kind) {
    case Traslazione: TranslationFrames::image(values, figure, points.image); break;
    case Dilatazione: DilationFrames::image(p, figure, points.image); break;
    case Inclinazione: ShearFrames::image(p, figure, points.image); break;
    default: AffinityFrames::image(p.AffineCoeff, figure, points.image); break;
    }
    return points.image;
}

} // namespace

Q_DECLARE_METATYPE(SlotParameters)

class TestPlaneKinds : public QObject
{
    Q_OBJECT

private slots:
    // The ratio of every frame, in hundredths: t runs from 1 to k by 0.05,
    // summed in single precision, N + 1 frames with N = |20 - round(20 k)|.
    void homothetyRatios_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<float>("ratio");
        QTest::addColumn<QList<int>>("hundredths");
        auto run = [](int from, int to) {
            QList<int> values;
            for (int t = from; from <= to ? t <= to : t >= to; t += from <= to ? 5 : -5)
                values << t;
            return values;
        };
        QTest::newRow("k = 1: one frame") << 1 << 1.0f << QList<int>{100};
        QTest::newRow("k = 1.5: 11 frames upwards") << 1 << 1.5f << run(100, 150);
        QTest::newRow("k = 0.5: 11 frames downwards") << 1 << 0.5f << run(100, 50);
        QTest::newRow("k = 0.1, the least ratio: 19 frames") << 1 << 0.1f << run(100, 10);
        QTest::newRow("k = 2, the largest: 21 frames") << 1 << 2.0f << run(100, 200);
        QTest::newRow("k = -0.5: 31 frames through 0") << -1 << 0.5f << run(100, -50);
        QTest::newRow("k = -1: 41 frames") << -1 << 1.0f << run(100, -100);
        QTest::newRow("k = -2: 61 frames") << -1 << 2.0f << run(100, -200);
        QTest::newRow("k = -0.1: 23 frames") << -1 << 0.1f << run(100, -10);
    }

    void homothetyRatios()
    {
        QFETCH(int, sign);
        QFETCH(float, ratio);
        QFETCH(QList<int>, hundredths);
        const SlotParameters p = homothety(sign, ratio, -1, 1);
        const StepFigure figure = figureOf({{15, 11}, {10, 9}, {21, 4}});
        StepValues values;
        StepPoints points;
        prepareStep(Omotetia, 1, p, figure, OriginY, values, points);
        QList<int> ratios;
        for (int guard = 0; !HomothetyFrames::ended(values, p) && guard < 1000; ++guard) {
            ratios << qRound(values.AnimProgress * 100);
            HomothetyFrames::advance(values, p);
        }
        QCOMPARE(ratios, hundredths);
        QCOMPARE(HomothetyFrames::frameCount(p), int(hundredths.size()));
    }

    // k = -0.5 about (-1, 1): the 21st frame (t = 0) puts every vertex on the
    // centre, the frame before does not, and the last one is the reflected
    // half-size figure.
    void homothetyThroughTheCentre()
    {
        const SlotParameters p = homothety(-1, 0.5f, -1, 1);
        const StepFigure figure = figureOf({{15, 11}, {10, 9}, {21, 4}});
        StepValues values;
        StepPoints points;
        prepareStep(Omotetia, 1, p, figure, OriginY, values, points);
        QList<QList<QPoint>> frames;
        while (!HomothetyFrames::ended(values, p)) {
            FigurePoints rel;
            HomothetyFrames::framePoints(values, p, figure, rel);
            QList<QPoint> frame;
            for (int i = 0; i < VertexCount; ++i)
                frame << QPoint(int(rel.x[i]), int(rel.y[i]));
            frames << frame;
            HomothetyFrames::advance(values, p);
        }
        QCOMPARE(frames.size(), 31);
        const QPoint centre(-10, -10); // tenths of a unit, y downwards
        QCOMPARE(frames[20], QList<QPoint>(4, centre));
        QVERIFY(frames[19] != QList<QPoint>(4, centre));
        // A (15, 11): -1 + 16 (-0.5) = -9, 1 + 10 (-0.5) = -4.
        QCOMPARE(frames[30].first(), QPoint(-90, 40));
        QCOMPARE(frames[0].first(), QPoint(150, -110));
    }

    void homothetyImages_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<float>("ratio");
        QTest::addColumn<bool>("circle");
        QTest::addColumn<QList<QPointF>>("image");
        // Centre (-1, 1); the triangle A (15, 11), B (10, 9), C (21, 4).
        QTest::newRow("k = 1.5") << 1 << 1.5f << false << QList<QPointF>{{23, 16}, {15.5, 13}, {32, 5.5}};
        QTest::newRow("k = -0.5") << -1 << 0.5f << false << QList<QPointF>{{-9, -4}, {-6.5, -3}, {-12, -0.5}};
        QTest::newRow("k = 1: the figure itself") << 1 << 1.0f << false
                                                  << QList<QPointF>{{15, 11}, {10, 9}, {21, 4}};
        // The circle of centre (7, 4) and radius 4: the centre moves, the
        // radius is |k| times as long, never negative.
        QTest::newRow("circle, k = -0.5") << -1 << 0.5f << true << QList<QPointF>{{-5, -0.5}, {2, 2}};
        QTest::newRow("circle, k = 2") << 1 << 2.0f << true << QList<QPointF>{{15, 7}, {8, 8}};
    }

    void homothetyImages()
    {
        QFETCH(int, sign);
        QFETCH(float, ratio);
        QFETCH(bool, circle);
        QFETCH(QList<QPointF>, image);
        const StepFigure figure = circle ? circleOf(7, 4, 4) : figureOf({{15, 11}, {10, 9}, {21, 4}});
        FigurePoints result;
        HomothetyFrames::image(homothety(sign, ratio, -1, 1), figure, result);
        QCOMPARE(imageOf(result, int(image.size())), milliList(image));
    }

    // The texts a step records, "x;y" for A to D. A circle records its
    // centre, then its radius along x and y, or nothing where its image
    // leans off the axes; centre (5, 5), radius 3.
    void imageTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<SlotParameters>("parameters");
        QTest::addColumn<bool>("circle");
        QTest::addColumn<QStringList>("texts");
        const long double turn = 30 * 3.14159265358979323846264338327950288L / 180;
        const float c = float(2 * std::cos(turn));
        const float s = float(2 * std::sin(turn));
        QTest::newRow("triangle") << int(Traslazione) << translation(-6, -8) << false
                                  << QStringList{"9.0;3.0", "4.0;1.0", "15.0;-4.0", ";"};
        QTest::newRow("circle translated") << int(Traslazione) << translation(-6, -8) << true
                                           << QStringList{"-1.0;-3.0", "3.0;3.0", ";", ";"};
        QTest::newRow("circle dilated 1.5 x 0.5") << int(Dilatazione) << dilation(1.5f, 0.5f) << true
                                                  << QStringList{"7.5;2.5", "4.5;1.5", ";", ";"};
        QTest::newRow("circle sheared") << int(Inclinazione) << shear(0, 1.0f) << true
                                        << QStringList{"10.0;5.0", ";", ";", ";"};
        QTest::newRow("affinity along the axes") << int(Affinita) << affinity(affine(-6, 2, 0, 0, 0, -1)) << true
                                                 << QStringList{"4.0;-5.0", "6.0;3.0", ";", ";"};
        QTest::newRow("affinity turning by 30 and doubling") << int(Affinita) << affinity(affine(0, c, -s, 0, s, c))
                                                             << true << QStringList{"3.7;13.7", "6.0;6.0", ";", ";"};
        QTest::newRow("affinity leaning") << int(Affinita) << affinity(affine(0, 1, 1, 0, 0, 1)) << true
                                          << QStringList{"10.0;5.0", ";", ";", ";"};
    }

    void imageTexts()
    {
        QFETCH(int, kind);
        QFETCH(SlotParameters, parameters);
        QFETCH(bool, circle);
        QFETCH(QStringList, texts);
        const StepFigure figure = circle ? circleOf(5, 5, 3) : figureOf({{15, 11}, {10, 9}, {21, 4}});
        const ImageTexts recorded = ::imageTexts(kind, parameters, figure, stepImage(kind, parameters, figure));
        QStringList shown;
        for (int i = 0; i < VertexCount; ++i)
            shown << recorded.x[i] + u';' + recorded.y[i];
        QCOMPARE(shown, texts);
    }

    // A circle's frame carries its centre and the corners of its box, so the
    // drawn circle grows with t: at k = 2 about (0, 0) the circle of centre
    // (3, 1) and radius 2 ends with the box (2, -2)..(10, 6), grid units.
    void homothetyCircleBox()
    {
        const SlotParameters p = homothety(1, 2.0f, 0, 0);
        const StepFigure figure = circleOf(3, 1, 2);
        StepValues values;
        StepPoints points;
        prepareStep(Omotetia, 1, p, figure, OriginY, values, points);
        for (int i = 0; i < 20; ++i)
            HomothetyFrames::advance(values, p);
        QVERIFY(!HomothetyFrames::ended(values, p));
        FigurePoints rel;
        HomothetyFrames::framePoints(values, p, figure, rel);
        QCOMPARE(QPoint(int(rel.x[0]), int(rel.y[0])), QPoint(60, -20));
        QCOMPARE(QPoint(int(rel.x[1]), int(rel.y[1])), QPoint(20, 20));
        QCOMPARE(QPoint(int(rel.x[2]), int(rel.y[2])), QPoint(100, -60));
    }

    // The factors of every frame in hundredths, fx then fy.
    void dilationFactors_data()
    {
        QTest::addColumn<float>("fx");
        QTest::addColumn<float>("fy");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QPoint>("last");
        QTest::newRow("1 x 1: one frame") << 1.0f << 1.0f << 1 << QPoint(100, 100);
        QTest::newRow("2 x 1: fy stays 1") << 2.0f << 1.0f << 21 << QPoint(200, 100);
        QTest::newRow("1.5 x 0.5, the start values") << 1.5f << 0.5f << 11 << QPoint(150, 50);
        QTest::newRow("0.5 x 0.5, the least") << 0.5f << 0.5f << 11 << QPoint(50, 50);
        QTest::newRow("5 x 0.5, the largest") << 5.0f << 0.5f << 81 << QPoint(500, 50);
        QTest::newRow("1 x 2.5: fx stays 1") << 1.0f << 2.5f << 31 << QPoint(100, 250);
    }

    void dilationFactors()
    {
        QFETCH(float, fx);
        QFETCH(float, fy);
        QFETCH(int, frames);
        QFETCH(QPoint, last);
        const SlotParameters p = dilation(fx, fy);
        StepValues values;
        StepPoints points;
        prepareStep(Dilatazione, 1, p, figureOf({{3, 2}}), OriginY, values, points);
        QList<QPoint> factors;
        for (int guard = 0; !DilationFrames::ended(values) && guard < 1000; ++guard) {
            factors << QPoint(qRound(values.AnimFactorX * 100), qRound(values.AnimFactorY * 100));
            // A factor that does not change stays exactly 1 in every frame.
            if (fx == 1.0f)
                QCOMPARE(values.AnimFactorX, 1.0f);
            if (fy == 1.0f)
                QCOMPARE(values.AnimFactorY, 1.0f);
            DilationFrames::advance(values);
        }
        QCOMPARE(factors.size(), frames);
        QCOMPARE(factors.first(), QPoint(100, 100));
        QCOMPARE(factors.last(), last);
        // Every frame moves the larger factor by 0.05.
        for (int i = 1; i < factors.size(); ++i)
            QCOMPARE(std::max(std::abs(factors[i].x() - factors[i - 1].x()),
                              std::abs(factors[i].y() - factors[i - 1].y())),
                     5);
        QVERIFY(!std::isnan(values.AnimFactorX) && !std::isnan(values.AnimFactorY));
    }

    // The image is the exact single-precision product, not truncated to a
    // whole number: the texts show what the last frame draws.
    void dilationImages_data()
    {
        QTest::addColumn<float>("fx");
        QTest::addColumn<float>("fy");
        QTest::addColumn<QPointF>("vertex");
        QTest::addColumn<QPointF>("image");
        QTest::newRow("(3, 2) by 1.5 x 0.5") << 1.5f << 0.5f << QPointF(3, 2) << QPointF(4.5, 1);
        QTest::newRow("(-3, 2) by 1.5 x 0.5") << 1.5f << 0.5f << QPointF(-3, 2) << QPointF(-4.5, 1);
        QTest::newRow("(7, -3) by 1.3 x 2.7") << 1.3f << 2.7f << QPointF(7, -3) << QPointF(9.1, -8.1);
        QTest::newRow("(1, 1) by 1 x 1") << 1.0f << 1.0f << QPointF(1, 1) << QPointF(1, 1);
    }

    void dilationImages()
    {
        QFETCH(float, fx);
        QFETCH(float, fy);
        QFETCH(QPointF, vertex);
        QFETCH(QPointF, image);
        const StepFigure figure = figureOf({vertex});
        const SlotParameters p = dilation(fx, fy);
        FigurePoints result;
        DilationFrames::image(p, figure, result);
        QCOMPARE(result.x[0], fx * float(vertex.x()));
        QCOMPARE(result.y[0], fy * float(vertex.y()));
        QCOMPARE(milli(result.x[0], result.y[0]), (image * 1000).toPoint());

        // The last frame draws the vertex there, to the tenth.
        StepValues values;
        StepPoints points;
        prepareStep(Dilatazione, 1, p, figure, OriginY, values, points);
        FigurePoints rel;
        while (!DilationFrames::ended(values)) {
            DilationFrames::framePoints(values, figure, rel);
            DilationFrames::advance(values);
        }
        QCOMPARE(QPoint(int(rel.x[0]), int(rel.y[0])), QPoint(qRound(image.x() * 10), -qRound(image.y() * 10)));
    }

    // A circle of centre (2, 1) and radius 2 by 1.5 x 0.5: its centre, then
    // the corners of its box, (0, -1) and (4, 3), stretched.
    void dilationCircle()
    {
        const StepFigure figure = circleOf(2, 1, 2);
        FigurePoints result;
        DilationFrames::image(dilation(1.5f, 0.5f), figure, result);
        QCOMPARE(imageOf(result, 3), milliList({{3, 0.5}, {0, -0.5}, {6, 1.5}}));
    }

    // The coefficient of every frame in hundredths; the other stays 0.
    void shearCoefficients_data()
    {
        QTest::addColumn<int>("axis");
        QTest::addColumn<float>("k");
        QTest::addColumn<int>("frames");
        QTest::newRow("0: one frame") << 0 << 0.0f << 1;
        QTest::newRow("-1 along x: 21 frames") << 0 << -1.0f << 21;
        QTest::newRow("0.5 along x") << 0 << 0.5f << 11;
        QTest::newRow("0.5 along y") << 1 << 0.5f << 11;
        QTest::newRow("0.7 along y, negative") << 1 << -0.7f << 15;
        QTest::newRow("5 along x, the largest") << 0 << 5.0f << 101;
    }

    void shearCoefficients()
    {
        QFETCH(int, axis);
        QFETCH(float, k);
        QFETCH(int, frames);
        const SlotParameters p = shear(axis, k);
        StepValues values;
        StepPoints points;
        prepareStep(Inclinazione, 1, p, figureOf({{2, 3}}), OriginY, values, points);
        QList<int> moving;
        for (int guard = 0; !ShearFrames::ended(values) && guard < 1000; ++guard) {
            moving << qRound((axis == 0 ? values.AnimFactorX : values.AnimFactorY) * 100);
            QCOMPARE(axis == 0 ? values.AnimFactorY : values.AnimFactorX, 0.0f);
            ShearFrames::advance(values, p);
        }
        QList<int> expected;
        for (int i = 0; i < frames; ++i)
            expected << 5 * i;
        QCOMPARE(moving, expected);
    }

    // The image with the slot's coefficient, unrounded.
    void shearImages_data()
    {
        QTest::addColumn<int>("axis");
        QTest::addColumn<float>("k");
        QTest::addColumn<QPointF>("vertex");
        QTest::addColumn<QPointF>("image");
        QTest::newRow("(2, 3) by -1 along x") << 0 << -1.0f << QPointF(2, 3) << QPointF(-1, 3);
        QTest::newRow("(2, 3) by 0.5 along x") << 0 << 0.5f << QPointF(2, 3) << QPointF(3.5, 3);
        QTest::newRow("(2, 3) by -0.5 along y") << 1 << -0.5f << QPointF(2, 3) << QPointF(2, 2);
        QTest::newRow("(3, 1) by 1.5 along y") << 1 << 1.5f << QPointF(3, 1) << QPointF(3, 5.5);
        QTest::newRow("(4, 0) along x stays") << 0 << 2.5f << QPointF(4, 0) << QPointF(4, 0);
        QTest::newRow("(0, -3) along y stays") << 1 << -2.5f << QPointF(0, -3) << QPointF(0, -3);
        QTest::newRow("coefficient 0") << 0 << 0.0f << QPointF(2, 3) << QPointF(2, 3);
    }

    void shearImages()
    {
        QFETCH(int, axis);
        QFETCH(float, k);
        QFETCH(QPointF, vertex);
        QFETCH(QPointF, image);
        const StepFigure figure = figureOf({vertex});
        const SlotParameters p = shear(axis, k);
        FigurePoints result;
        ShearFrames::image(p, figure, result);
        QCOMPARE(milli(result.x[0], result.y[0]), (image * 1000).toPoint());

        // Every frame leaves a point on the shear's axis where it is; the
        // last one draws the vertex at its image, to the tenth.
        StepValues values;
        StepPoints points;
        prepareStep(Inclinazione, 1, p, figure, OriginY, values, points);
        FigurePoints rel;
        while (!ShearFrames::ended(values)) {
            ShearFrames::framePoints(values, p, figure, rel);
            if ((axis == 0 && vertex.y() == 0) || (axis == 1 && vertex.x() == 0))
                QCOMPARE(QPoint(int(rel.x[0]), int(rel.y[0])), QPoint(qRound(vertex.x() * 10), -qRound(vertex.y() * 10)));
            ShearFrames::advance(values, p);
        }
        QCOMPARE(QPoint(int(rel.x[0]), int(rel.y[0])), QPoint(qRound(image.x() * 10), -qRound(image.y() * 10)));
    }

    // The circle of centre (5, 3) and radius 10 sheared by 1 along x: the
    // image records the sheared centre (8, 3) and keeps the radius.
    void shearCircleImage()
    {
        FigurePoints result;
        ShearFrames::image(shear(0, 1.0f), circleOf(5, 3, 10), result);
        QCOMPARE(imageOf(result, 2), milliList({{8, 3}, {10, 10}}));
        ShearFrames::image(shear(1, -0.5f), circleOf(4, 3, 10), result);
        QCOMPARE(imageOf(result, 2), milliList({{4, 1}, {10, 10}}));
    }

    // The last frame of that shear: 360 pixels, one per degree, at
    // x = 10 (x0 + R cos j) + 10 (y0 + R sin j) and y = -10 (y0 + R sin j)
    // about the origin (500, 300). An ellipse this long leaves gaps between
    // neighbouring pixels.
    void shearCirclePixels()
    {
        const SlotParameters p = shear(0, 1.0f);
        const StepFigure figure = circleOf(5, 3, 10);
        StepValues values;
        StepPoints points;
        prepareStep(Inclinazione, 1, p, figure, OriginY, values, points);
        for (int i = 0; i < 20; ++i)
            ShearFrames::advance(values, p);
        QVERIFY(!ShearFrames::ended(values));
        ShearFrames::CirclePixels pixels;
        ShearFrames::circlePixels(values, p, figure, ScreenMapping(OriginX, OriginY, 1), pixels);
        QCOMPARE(pixels.size(), size_t(360));
        QCOMPARE(pixels[0], QPoint(680, 270));   // (15, 3) -> (18, 3)
        QCOMPARE(pixels[90], QPoint(680, 170));  // (5, 13) -> (18, 13)
        QCOMPARE(pixels[180], QPoint(480, 270)); // (-5, 3) -> (-2, 3)
        QCOMPARE(pixels[270], QPoint(480, 370)); // (5, -7) -> (-2, -7)
        int widest = 0;
        for (size_t j = 1; j < pixels.size(); ++j)
            widest = std::max(widest, std::max(std::abs(pixels[j].x() - pixels[j - 1].x()),
                                               std::abs(pixels[j].y() - pixels[j - 1].y())));
        QVERIFY2(widest >= 2, "no gap between neighbouring pixels");

        // At 50% each pixel comes half as far from the origin.
        ShearFrames::circlePixels(values, p, figure, ScreenMapping(OriginX, OriginY, 2), pixels);
        QCOMPARE(pixels[0], QPoint(590, 285));
        QCOMPARE(pixels[180], QPoint(490, 285));
    }

    void affinityImages_data()
    {
        QTest::addColumn<AffineMatrix>("matrix");
        QTest::addColumn<QList<QPointF>>("image");
        // The triangle A (15, 11), B (10, 9), C (21, 4).
        QTest::newRow("identity") << affine(0, 1, 0, 0, 0, 1) << QList<QPointF>{{15, 11}, {10, 9}, {21, 4}};
        QTest::newRow("start values: x' = 2x - 6, y' = x + 1.5y - 12")
            << affine(-6, 2, 0, -12, 1, 1.5f) << QList<QPointF>{{24, 19.5}, {14, 11.5}, {36, 15}};
        QTest::newRow("singular: every x' is c") << affine(3, 0, 0, 1, 1, 1)
                                                 << QList<QPointF>{{3, 27}, {3, 20}, {3, 26}};
        QTest::newRow("all onto one point") << affine(-2, 0, 0, 5, 0, 0)
                                            << QList<QPointF>{{-2, 5}, {-2, 5}, {-2, 5}};
    }

    void affinityImages()
    {
        QFETCH(AffineMatrix, matrix);
        QFETCH(QList<QPointF>, image);
        const StepFigure figure = figureOf({{15, 11}, {10, 9}, {21, 4}});
        FigurePoints result;
        AffinityFrames::image(matrix, figure, result);
        QCOMPARE(imageOf(result, 3), milliList(image));
        FigurePoints rel;
        AffinityFrames::framePoints(figure, result, rel);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(QPoint(int(rel.x[i]), int(rel.y[i])), QPoint(qRound(image[i].x() * 10), -qRound(image[i].y() * 10)));
    }

    // A circle's image records its centre's image and keeps the radius; its
    // 361 pixels start and end on the same point. A quarter turn takes the
    // circle of centre (5, 0) and radius 3 to the same circle about (0, 5).
    void affinityCircle()
    {
        const StepFigure figure = circleOf(5, 0, 3);
        const AffineMatrix quarterTurn = affine(0, 0, -1, 0, 1, 0);
        FigurePoints result;
        AffinityFrames::image(quarterTurn, figure, result);
        QCOMPARE(imageOf(result, 2), milliList({{0, 5}, {3, 3}}));

        const ScreenMapping map(OriginX, OriginY, 1);
        AffinityFrames::CirclePixels pixels;
        AffinityFrames::circlePixels(quarterTurn, figure, map, pixels);
        QCOMPARE(pixels.size(), size_t(361));
        QCOMPARE(pixels.front(), pixels.back());
        QCOMPARE(pixels[0], QPoint(500, 220));  // (8, 0) -> (0, 8)
        QCOMPARE(pixels[90], QPoint(470, 250)); // (5, 3) -> (-3, 5)
        for (const QPoint &p : pixels) {
            const double distance = std::hypot(p.x() - 500.0, p.y() - 250.0);
            QVERIFY2(std::abs(distance - 30) < 1, qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
        }

        // x' = 2x stretches it into an ellipse 12 units wide.
        AffinityFrames::circlePixels(affine(0, 2, 0, 0, 0, 1), figure, map, pixels);
        QCOMPARE(pixels[0], QPoint(660, 300));
        QCOMPARE(pixels[180], QPoint(540, 300));
        QCOMPARE(pixels[90], QPoint(600, 270));
    }

    // Translation by (3, 0) then the symmetry about y = x takes A (1, 0) to
    // (4, 0) and then to (0, 4); in the inverse order to (0, 1), then (3, 1).
    void compositionOfTranslationAndSymmetry()
    {
        SlotParameters p;
        p.TranslationDX = 3;
        p.TranslationDY = 0;
        p.SymmetryKind = 3;
        const StepFigure start = figureOf({{1, 0}, {2, 2}});
        auto step = [&p](int kind, const StepFigure &figure) {
            StepValues values;
            StepPoints points;
            prepareStep(kind, 1, p, figure, OriginY, values, points);
            if (kind == Traslazione)
                TranslationFrames::image(values, figure, points.image);
            StepFigure next = figure;
            next.cur = points.image;
            return next;
        };
        const StepFigure translated = step(Traslazione, start);
        QCOMPARE(imageOf(translated.cur, 2), milliList({{4, 0}, {5, 2}}));
        QCOMPARE(imageOf(step(Simmetria, translated).cur, 2), milliList({{0, 4}, {2, 5}}));
        const StepFigure reflected = step(Simmetria, start);
        QCOMPARE(imageOf(reflected.cur, 2), milliList({{0, 1}, {2, 2}}));
        QCOMPARE(imageOf(step(Traslazione, reflected).cur, 2), milliList({{3, 1}, {5, 2}}));
    }

    // A circle reflects its centre and keeps its radius entries.
    void symmetryCircle()
    {
        SlotParameters p;
        p.SymmetryKind = 0;
        p.SymmetryCentreX = 1;
        p.SymmetryCentreY = -2;
        StepValues values;
        StepPoints points;
        prepareStep(Simmetria, 1, p, circleOf(7, 4, 5), OriginY, values, points);
        QCOMPARE(imageOf(points.image, 2), milliList({{-5, -8}, {5, 5}}));
        QCOMPARE(QPoint(int(points.work.x[0]), int(points.work.y[0])), QPoint(-50, OriginY + 80));
    }

    // The red axis: through (AnimDX, q + AnimDY) at AnimAngle, reaching the
    // origin's column distance to either side, whatever the scale.
    void symmetryAxes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QLine>("axis");
        // Origin (500, 300): 500 cos 45 = 353.55.
        QTest::newRow("y = x") << 3 << 1 << QLine(146, 654, 854, -54);
        QTest::newRow("y = -x") << 4 << 1 << QLine(854, 654, 146, -54);
        QTest::newRow("x = 0 over the y axis") << 1 << 1 << QLine(500, 800, 500, -200);
        QTest::newRow("x = 3 at 50%") << 1 << 2 << QLine(515, 800, 515, -200);
        QTest::newRow("y = 3 at 33%") << 2 << 3 << QLine(0, 290, 1000, 290);
        // 60 degrees through (0, -3): 500 sin 60 = 433.01.
        QTest::newRow("60 degrees, q = -3") << 5 << 1 << QLine(250, 763, 750, -103);
    }

    void symmetryAxes()
    {
        QFETCH(int, kind);
        QFETCH(int, zoom);
        QFETCH(QLine, axis);
        SlotParameters p;
        p.SymmetryKind = quint8(kind);
        p.SymmetryCentreX = 3;
        p.SymmetryCentreY = 3;
        p.SymmetryAxisAngle = 60;
        p.SymmetryAxisQ = -3;
        if (kind == 1 && zoom == 1)
            p.SymmetryCentreX = 0;
        StepValues values;
        StepPoints points;
        prepareStep(Simmetria, 1, p, figureOf({{1, 1}}), OriginY, values, points);
        QCOMPARE(SymmetryFrames::axis(values, ScreenMapping(OriginX, OriginY, zoom)), axis);
        QCOMPARE(SymmetryFrames::showsCentre(p), false);
    }

    // A scaled circle's corners swap when the ratio is negative; the box
    // is the same.
    void boxOfSwappedCorners()
    {
        QCOMPARE(boxOfCorners(QPoint(10, 40), QPoint(30, 20)), QRect(10, 20, 20, 20));
        QCOMPARE(boxOfCorners(QPoint(30, 20), QPoint(10, 40)), QRect(10, 20, 20, 20));
        QCOMPARE(boxOfCorners(QPoint(30, 40), QPoint(10, 20)), QRect(10, 20, 20, 20));
    }
};

QTEST_GUILESS_MAIN(TestPlaneKinds)
#include "tst_planekinds.moc"
