#include "plane/affinityframes.h"
#include "plane/dilationframes.h"
#include "plane/homothetyframes.h"
#include "plane/screenmapping.h"
#include "plane/shearframes.h"
#include "plane/symmetryframes.h"
#include "plane/translationframes.h"
#include "slotvalues.h"

#include <QTest>

#include <algorithm>

using namespace SlotValues;

namespace {

constexpr int OriginX = 500;
constexpr int OriginY = 300;

struct Prepared {
    StepValues values;
    StepPoints points;
};

Prepared prepared(int kind, const SlotParameters &p, const StepFigure &figure)
{
    Prepared step;
    prepareStep(kind, 1, p, figure, OriginY, step.values, step.points);
    return step;
}

// Coordinates in thousandths, to compare reals computed in single precision.
QList<QPoint> milli(const FigurePoints &points, int count)
{
    QList<QPoint> result;
    for (int i = 0; i < count; ++i)
        result << QPoint(qRound(points.x[i] * 1000), qRound(points.y[i] * 1000));
    return result;
}

QList<QPoint> milli(const QList<QPointF> &points)
{
    QList<QPoint> result;
    for (const QPointF &p : points)
        result << (p * 1000).toPoint();
    return result;
}

QPoint tenths(const FigurePoints &rel, int i)
{
    return QPoint(int(rel.x[i]), int(rel.y[i]));
}

// A grid point where a frame draws it: tenths of a unit, y downwards.
QPoint drawnAt(QPointF grid)
{
    return QPoint(qRound(grid.x() * 10), -qRound(grid.y() * 10));
}

// The image a step of `kind` ends on, as the workspace computes it.
FigurePoints stepImage(int kind, const SlotParameters &p, const StepFigure &figure)
{
    Prepared step = prepared(kind, p, figure);
    FigurePoints &image = step.points.image;
    switch (kind) {
    case Traslazione: TranslationFrames::image(step.values, figure, image); break;
    case Omotetia: HomothetyFrames::image(p, figure, image); break;
    case Dilatazione: DilationFrames::image(p, figure, image); break;
    case Inclinazione: ShearFrames::image(p, figure, image); break;
    case Affinita: AffinityFrames::image(p.AffineCoeff, figure, image); break;
    default: break; // a symmetry's image comes with its preparation
    }
    return image;
}

// Every frame of the step as its timer draws it: the frame points, and the
// animated values (a homothety's ratio t, or the factors or coefficients
// along x and y).
struct Run {
    QList<FigurePoints> frames;
    QList<QPointF> values;
};

Run run(int kind, const SlotParameters &p, const StepFigure &figure)
{
    StepValues values = prepared(kind, p, figure).values;
    Run result;
    FigurePoints rel;
    if (kind == Affinita) {
        AffinityFrames::framePoints(figure, stepImage(kind, p, figure), rel);
        return {{rel}, {}};
    }
    for (int guard = 0; guard < 1000; ++guard) {
        if (kind == Omotetia) {
            if (HomothetyFrames::ended(values, p))
                break;
            result.values << QPointF(values.AnimProgress, 0);
            HomothetyFrames::framePoints(values, p, figure, rel);
            HomothetyFrames::advance(values, p);
        } else if (kind == Dilatazione) {
            if (DilationFrames::ended(values))
                break;
            result.values << QPointF(values.AnimFactorX, values.AnimFactorY);
            DilationFrames::framePoints(values, figure, rel);
            DilationFrames::advance(values);
        } else {
            if (ShearFrames::ended(values))
                break;
            result.values << QPointF(values.AnimFactorX, values.AnimFactorY);
            ShearFrames::framePoints(values, p, figure, rel);
            ShearFrames::advance(values, p);
        }
        result.frames << rel;
    }
    return result;
}

} // namespace

class TestPlaneKinds : public QObject
{
    Q_OBJECT

private slots:
    // The animated values of every frame in hundredths: a homothety's ratio
    // t, from 1 to k by 0.05 summed in single precision (N + 1 frames, N =
    // |20 - round(20 k)|); a dilation's factors, the larger moving by 0.05
    // a frame; a shear's coefficient from 0 by 0.05. A value that does not
    // move stays exactly as it started (1 or 0).
    void progress_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<SlotParameters>("parameters");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QPoint>("last");
        const auto row = [](const char *name, int kind, const SlotParameters &p, int frames, QPoint last) {
            QTest::newRow(name) << kind << p << frames << last;
        };
        row("homothety k = 1: one frame", Omotetia, homothety(1, 1, -1, 1), 1, {100, 0});
        row("homothety k = 1.5 upwards", Omotetia, homothety(1, 1.5f, -1, 1), 11, {150, 0});
        row("homothety k = 0.5 downwards", Omotetia, homothety(1, 0.5f, -1, 1), 11, {50, 0});
        row("homothety k = 0.1, the least", Omotetia, homothety(1, 0.1f, -1, 1), 19, {10, 0});
        row("homothety k = 2, the largest", Omotetia, homothety(1, 2, -1, 1), 21, {200, 0});
        row("homothety k = -0.5 through 0", Omotetia, homothety(-1, 0.5f, -1, 1), 31, {-50, 0});
        row("homothety k = -2", Omotetia, homothety(-1, 2, -1, 1), 61, {-200, 0});
        row("dilation 1 x 1: one frame", Dilatazione, dilation(1, 1), 1, {100, 100});
        row("dilation 2 x 1: fy stays 1", Dilatazione, dilation(2, 1), 21, {200, 100});
        row("dilation 5 x 0.5, the largest", Dilatazione, dilation(5, 0.5f), 81, {500, 50});
        row("dilation 1 x 2.5: fx stays 1", Dilatazione, dilation(1, 2.5f), 31, {100, 250});
        row("shear 0: one frame", Inclinazione, shear(0, 0), 1, {0, 0});
        row("shear -1 along x", Inclinazione, shear(0, -1), 21, {100, 0});
        row("shear 0.5 along y", Inclinazione, shear(1, 0.5f), 11, {0, 50});
        row("shear 0.7 along y, negative", Inclinazione, shear(1, -0.7f), 15, {0, 70});
        row("shear 5 along x, the largest", Inclinazione, shear(0, 5), 101, {500, 0});
    }

    void progress()
    {
        QFETCH(int, kind);
        QFETCH(SlotParameters, parameters);
        QFETCH(int, frames);
        QFETCH(QPoint, last);
        const SlotParameters &p = parameters;
        // +1 for a negative sign, and from k = 1 upwards.
        if (kind == Omotetia)
            QCOMPARE(prepared(kind, p, figureOf({{2, 3}})).values.HomothetyDirection,
                     p.HomothetySign < 0 || p.HomothetyRatio >= 1 ? 1 : -1);
        const QList<QPointF> raw = run(kind, p, figureOf({{2, 3}})).values;
        if (kind == Omotetia)
            QCOMPARE(HomothetyFrames::frameCount(p), frames);
        QCOMPARE(raw.size(), frames);
        const auto hundredths = [](QPointF v) { return QPoint(qRound(v.x() * 100), qRound(v.y() * 100)); };
        QCOMPARE(hundredths(raw.first()), kind == Inclinazione ? QPoint(0, 0) : QPoint(100, kind == Omotetia ? 0 : 100));
        QCOMPARE(hundredths(raw.last()), last);
        for (int i = 1; i < raw.size(); ++i) {
            const QPoint step = hundredths(raw[i]) - hundredths(raw[i - 1]);
            QCOMPARE(std::max(std::abs(step.x()), std::abs(step.y())), 5);
            QCOMPARE(raw[i].x() == raw[0].x(), hundredths(raw[0]).x() == last.x());
            QCOMPARE(raw[i].y() == raw[0].y(), hundredths(raw[0]).y() == last.y());
        }
    }

    // k = -0.5 about (-1, 1): the 21st frame (t = 0) puts every vertex on the
    // centre, the frame before does not. A circle's frame carries its centre
    // and the corners of its box, so the drawn circle grows with t: at k = 2
    // about (0, 0) the circle of centre (3, 1) and radius 2 ends with the box
    // (2, -2)..(10, 6), grid units.
    void homothetyFrames()
    {
        const QList<FigurePoints> all = run(Omotetia, homothety(-1, 0.5f, -1, 1), startTriangle()).frames;
        QCOMPARE(all.size(), 31);
        const QPoint centre(-10, -10);
        for (int i = 0; i < VertexCount; ++i)
            QCOMPARE(tenths(all[20], i), centre);
        QVERIFY(tenths(all[19], 0) != centre);
        QCOMPARE(tenths(all[0], 0), QPoint(150, -110));
        const FigurePoints circle = run(Omotetia, homothety(1, 2.0f, 0, 0), circleOf(3, 1, 2)).frames.last();
        QCOMPARE((QList<QPoint>{tenths(circle, 0), tenths(circle, 1), tenths(circle, 2)}),
                 (QList<QPoint>{{60, -20}, {20, 20}, {100, -60}}));
    }

    // The image, to the thousandth: not truncated to a whole number. The
    // last frame draws it to the tenth, and a point the
    // step leaves where it is stays there in every frame. A circle records
    // its centre, then its radius (|k| times, never negative) or the corners
    // of its box.
    void images_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<SlotParameters>("parameters");
        QTest::addColumn<QList<QPointF>>("figure"); // two points: a circle's centre, then (r, r)
        QTest::addColumn<QList<QPointF>>("image");
        const auto row = [](const char *name, int kind, const SlotParameters &p, const char *figure, const char *image) {
            QTest::newRow(name) << kind << p << points(figure) << points(image);
        };
        const char *triangle = "15 11, 10 9, 21 4";
        // Centre (-1, 1).
        row("homothety k = 1.5", Omotetia, homothety(1, 1.5f, -1, 1), triangle, "23 16, 15.5 13, 32 5.5");
        row("homothety k = -0.5", Omotetia, homothety(-1, 0.5f, -1, 1), triangle, "-9 -4, -6.5 -3, -12 -0.5");
        row("homothety k = 1: the figure", Omotetia, homothety(1, 1, -1, 1), triangle, triangle);
        row("homothety circle, k = -0.5", Omotetia, homothety(-1, 0.5f, -1, 1), "7 4, 4 4", "-5 -0.5, 2 2");
        row("homothety circle, k = 2", Omotetia, homothety(1, 2, -1, 1), "7 4, 4 4", "15 7, 8 8");
        row("dilation (-3, 2) by 1.5 x 0.5", Dilatazione, dilation(1.5f, 0.5f), "-3 2", "-4.5 1");
        row("dilation (7, -3) by 1.3 x 2.7", Dilatazione, dilation(1.3f, 2.7f), "7 -3", "9.1 -8.1");
        row("dilation by 1 x 1", Dilatazione, dilation(1, 1), "1 1", "1 1");
        // The box (0, -1)..(4, 3) of the circle, stretched.
        row("dilation circle", Dilatazione, dilation(1.5f, 0.5f), "2 1, 2 2", "3 0.5, 0 -0.5, 6 1.5");
        row("shear (2, 3) by -1 along x", Inclinazione, shear(0, -1), "2 3", "-1 3");
        row("shear (2, 3) by -0.5 along y", Inclinazione, shear(1, -0.5f), "2 3", "2 2");
        row("shear (4, 0) along x stays", Inclinazione, shear(0, 2.5f), "4 0", "4 0");
        row("shear (0, -3) along y stays", Inclinazione, shear(1, -2.5f), "0 -3", "0 -3");
        row("shear by 0", Inclinazione, shear(0, 0), "2 3", "2 3");
        row("shear circle along x keeps the radius", Inclinazione, shear(0, 1), "5 3, 10 10", "8 3, 10 10");
        row("shear circle along y", Inclinazione, shear(1, -0.5f), "4 3, 10 10", "4 1, 10 10");
        row("affinity identity", Affinita, affinity(1, 0, 0, 0, 1, 0), triangle, triangle);
        row("affinity x' = 2x - 6, y' = x + 1.5y - 12", Affinita, affinity(2, 0, -6, 1, 1.5f, -12), triangle,
            "24 19.5, 14 11.5, 36 15");
        row("affinity singular: every x' is c", Affinita, affinity(0, 0, 3, 1, 1, 1), triangle, "3 27, 3 20, 3 26");
        row("affinity circle, a quarter turn", Affinita, affinity(0, -1, 0, 1, 0, 0), "5 0, 3 3", "0 5, 3 3");
        row("symmetry circle about (1, -2)", Simmetria, symmetry(0, 1, -2, 0, 0), "7 4, 5 5", "-5 -8, 5 5");
    }

    void images()
    {
        QFETCH(int, kind);
        QFETCH(SlotParameters, parameters);
        QFETCH(QList<QPointF>, figure);
        QFETCH(QList<QPointF>, image);
        const bool circle = figure.size() == 2;
        const StepFigure start = circle ? circleOf(figure[0].x(), figure[0].y(), figure[1].x()) : figureOf(figure);
        QCOMPARE(milli(stepImage(kind, parameters, start), int(image.size())), milli(image));
        if (circle || kind == Simmetria)
            return;
        const QList<FigurePoints> all = run(kind, parameters, start).frames;
        for (int i = 0; i < image.size(); ++i) {
            QCOMPARE(tenths(all.last(), i), drawnAt(image[i]));
            if (image[i] == figure[i])
                for (const FigurePoints &frame : all)
                    QCOMPARE(tenths(frame, i), drawnAt(figure[i]));
        }
    }

    // The texts a step records, "x;y" for A to D. A circle records its
    // centre, then its radius along x and y, or nothing where its image
    // leans off the axes; centre (5, 5), radius 3.
    void imageTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<SlotParameters>("parameters");
        QTest::addColumn<bool>("circle");
        QTest::addColumn<QString>("texts");
        const auto row = [](const char *name, int kind, const SlotParameters &p, bool circle, const char *texts) {
            QTest::newRow(name) << kind << p << circle << QString::fromLatin1(texts);
        };
        const long double turn = 30 * 3.14159265358979323846264338327950288L / 180;
        const float c = float(2 * std::cos(turn));
        const float s = float(2 * std::sin(turn));
        row("triangle", Traslazione, translation(-6, -8), false, "9.0;3.0 4.0;1.0 15.0;-4.0 ;");
        row("circle translated", Traslazione, translation(-6, -8), true, "-1.0;-3.0 3.0;3.0 ; ;");
        row("circle dilated 1.5 x 0.5", Dilatazione, dilation(1.5f, 0.5f), true, "7.5;2.5 4.5;1.5 ; ;");
        row("circle sheared", Inclinazione, shear(0, 1.0f), true, "10.0;5.0 ; ; ;");
        row("affinity along the axes", Affinita, affinity(2, 0, -6, 0, -1, 0), true, "4.0;-5.0 6.0;3.0 ; ;");
        row("affinity turning by 30 and doubling", Affinita, affinity(c, -s, 0, s, c, 0), true, "3.7;13.7 6.0;6.0 ; ;");
        row("affinity leaning", Affinita, affinity(1, 1, 0, 0, 1, 0), true, "10.0;5.0 ; ; ;");
    }

    void imageTexts()
    {
        QFETCH(int, kind);
        QFETCH(SlotParameters, parameters);
        QFETCH(bool, circle);
        QFETCH(QString, texts);
        const StepFigure figure = circle ? circleOf(5, 5, 3) : startTriangle();
        const ImageTexts recorded = ::imageTexts(kind, parameters, figure, stepImage(kind, parameters, figure));
        QStringList shown;
        for (int i = 0; i < VertexCount; ++i)
            shown << recorded.x[i] + u';' + recorded.y[i];
        QCOMPARE(shown.join(u' '), texts);
    }

    // The last frame of a shear by 1 along x of the circle of centre (5, 3)
    // and radius 10: 360 pixels, one per degree, at x = 10 (x0 + R cos j) +
    // 10 (y0 + R sin j) and y = -10 (y0 + R sin j) about the origin. An
    // ellipse this long leaves gaps between neighbouring pixels.
    void shearCirclePixels()
    {
        const SlotParameters p = shear(0, 1.0f);
        const StepFigure figure = circleOf(5, 3, 10);
        StepValues values = prepared(Inclinazione, p, figure).values;
        for (int i = 0; i < 20; ++i)
            ShearFrames::advance(values, p);
        QVERIFY(!ShearFrames::ended(values));
        ShearFrames::CirclePixels pixels;
        ShearFrames::circlePixels(values, p, figure, ScreenMapping(OriginX, OriginY, 1), pixels);
        QCOMPARE(pixels.size(), size_t(360));
        QCOMPARE((QList<QPoint>{pixels[0], pixels[90], pixels[180], pixels[270]}),
                 (QList<QPoint>{{680, 270}, {680, 170}, {480, 270}, {480, 370}}));
        int widest = 0;
        for (size_t j = 1; j < pixels.size(); ++j)
            widest = std::max({widest, std::abs(pixels[j].x() - pixels[j - 1].x()),
                               std::abs(pixels[j].y() - pixels[j - 1].y())});
        QVERIFY2(widest >= 2, "no gap between neighbouring pixels");
        // At 50% each pixel comes half as far from the origin.
        ShearFrames::circlePixels(values, p, figure, ScreenMapping(OriginX, OriginY, 2), pixels);
        QCOMPARE((QList<QPoint>{pixels[0], pixels[180]}), (QList<QPoint>{{590, 285}, {490, 285}}));
    }

    // An affine circle's 361 pixels start and end on the same point. A
    // quarter turn takes the circle of centre (5, 0) and radius 3 to the
    // same circle about (0, 5); x' = 2x stretches it 12 units wide.
    void affinityCirclePixels()
    {
        const StepFigure figure = circleOf(5, 0, 3);
        const ScreenMapping map(OriginX, OriginY, 1);
        AffinityFrames::CirclePixels pixels;
        AffinityFrames::circlePixels(affinity(0, -1, 0, 1, 0, 0).AffineCoeff, figure, map, pixels);
        QCOMPARE(pixels.size(), size_t(361));
        QCOMPARE(pixels.front(), pixels.back());
        QCOMPARE((QList<QPoint>{pixels[0], pixels[90]}), (QList<QPoint>{{500, 220}, {470, 250}}));
        for (const QPoint &p : pixels)
            QVERIFY2(std::abs(std::hypot(p.x() - 500.0, p.y() - 250.0) - 30) < 1,
                     qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
        AffinityFrames::circlePixels(affinity(2, 0, 0, 0, 1, 0).AffineCoeff, figure, map, pixels);
        QCOMPARE((QList<QPoint>{pixels[0], pixels[180], pixels[90]}),
                 (QList<QPoint>{{660, 300}, {540, 300}, {600, 270}}));
    }

    // A reflected circle's working points: its centre, in working units.
    void symmetryCircleWorkPoints()
    {
        const Prepared step = prepared(Simmetria, symmetry(0, 1, -2, 0, 0), circleOf(7, 4, 5));
        QCOMPARE(QPoint(int(step.points.work.x[0]), int(step.points.work.y[0])), QPoint(-50, OriginY + 80));
    }

    // The red axis: through (AnimDX, q + AnimDY) at AnimAngle, reaching the
    // origin's column distance to either side, whatever the scale.
    void symmetryAxes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("centre");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QLine>("axis");
        // Origin (500, 300): 500 cos 45 = 353.55.
        QTest::newRow("y = x") << 3 << 3 << 1 << QLine(146, 654, 854, -54);
        QTest::newRow("y = -x") << 4 << 3 << 1 << QLine(854, 654, 146, -54);
        QTest::newRow("x = 0 over the y axis") << 1 << 0 << 1 << QLine(500, 800, 500, -200);
        QTest::newRow("x = 3 at 50%") << 1 << 3 << 2 << QLine(515, 800, 515, -200);
        QTest::newRow("y = 3 at 33%") << 2 << 3 << 3 << QLine(0, 290, 1000, 290);
        // 60 degrees through (0, -3): 500 sin 60 = 433.01.
        QTest::newRow("60 degrees, q = -3") << 5 << 3 << 1 << QLine(250, 763, 750, -103);
    }

    void symmetryAxes()
    {
        QFETCH(int, kind);
        QFETCH(int, centre);
        QFETCH(int, zoom);
        QFETCH(QLine, axis);
        const SlotParameters p = symmetry(kind, centre, 3, 60, -3);
        const StepValues values = prepared(Simmetria, p, figureOf({{1, 1}})).values;
        QCOMPARE(SymmetryFrames::axis(values, ScreenMapping(OriginX, OriginY, zoom)), axis);
        QCOMPARE(SymmetryFrames::showsCentre(p), false);
    }

    // A scaled circle's corners swap when the ratio is negative; the box
    // is the same.
    void boxOfSwappedCorners()
    {
        for (const auto &[a, b] : {std::pair{QPoint(10, 40), QPoint(30, 20)}, std::pair{QPoint(30, 20), QPoint(10, 40)},
                                   std::pair{QPoint(30, 40), QPoint(10, 20)}})
            QCOMPARE(boxOfCorners(a, b), QRect(10, 20, 20, 20));
    }
};

QTEST_GUILESS_MAIN(TestPlaneKinds)
#include "tst_planekinds.moc"
