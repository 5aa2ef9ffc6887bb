#include "plane/affinityframes.h"
#include "plane/animationtransport.h"
#include "plane/composition.h"
#include "plane/dilationframes.h"
#include "plane/framechange.h"
#include "plane/homothetyframes.h"
#include "plane/shearframes.h"
#include "plane/symmetryframes.h"
#include "plane/translationframes.h"
#include "plane/vertexlabels.h"
#include "slotvalues.h"

#include <QTest>

#include <algorithm>

using namespace SlotValues;

namespace {

constexpr int OriginX = 500;
constexpr int OriginY = 300;

// A row over the kinds: a step and two texts each table reads its own way.
struct Case { const char *name; int kind; SlotParameters p; const char *a, *b; };

void cases(std::initializer_list<Case> rows)
{
    QTest::addColumn<Case>("c");
    for (const Case &row : rows)
        QTest::newRow(row.name) << row;
}

QList<int> numbers(const char *text, double scale = 1)
{
    QList<int> result;
    for (const QString &word : QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts))
        result << qRound(word.toDouble() * scale);
    return result;
}

// One point is a point; two are a circle's centre and (r, r).
StepFigure startOf(const char *text)
{
    const QList<QPointF> p = points(text);
    return p.size() == 2 ? circleOf(p[0].x(), p[0].y(), p[1].x()) : figureOf(p);
}

struct Prepared { StepValues values; StepPoints points; };

Prepared prepared(int kind, const SlotParameters &p, const StepFigure &figure)
{
    Prepared step;
    prepareStep(kind, 1, p, figure, OriginY, step.values, step.points);
    return step;
}

// Thousandths, to compare reals computed in single precision.
QPoint milli(const FigurePoints &p, int i) { return QPoint(qRound(p.x[i] * 1000), qRound(p.y[i] * 1000)); }
QPoint tenths(const FigurePoints &rel, int i) { return QPoint(int(rel.x[i]), int(rel.y[i])); }

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

// Every frame of an animated step as its timer draws it, with the animated
// values: a homothety's ratio t, or the factors or coefficients along x, y.
struct Run { QList<FigurePoints> frames; QList<QPointF> values; };

Run run(int kind, const SlotParameters &p, const StepFigure &figure)
{
    StepValues values = prepared(kind, p, figure).values;
    Run result;
    FigurePoints rel;
    if (kind == Affinita) {
        AffinityFrames::framePoints(figure, stepImage(kind, p, figure), rel);
        return {{rel}, {}};
    }
    for (int guard = 0; guard < 1000 && !AnimationTransport::ended(kind, values, p); ++guard) {
        result.values << (kind == Omotetia ? QPointF(values.AnimProgress, 0)
                                           : QPointF(values.AnimFactorX, values.AnimFactorY));
        if (kind == Omotetia)
            HomothetyFrames::framePoints(values, p, figure, rel);
        else if (kind == Traslazione)
            TranslationFrames::framePoints(values, figure, rel);
        else if (kind == Dilatazione)
            DilationFrames::framePoints(values, figure, rel);
        else
            ShearFrames::framePoints(values, p, figure, rel);
        result.frames << rel;
        AnimationTransport::advance(kind, values, p);
    }
    return result;
}

// Recorded coordinates of the triangle A (15, 11), B (10, 9), C (21, 4) and
// of a fourth vertex D, at every stage, as the workspace records them.
constexpr const char *Stages[VertexStageCount] = {"15;11 10;9 21;4 19;9", "9.0;3.0 4.0;1.0 15.0;-4.0 13.0;1.0",
                                                  "-3.0;9.0 -1.0;4.0 4.0;15.0 -1.0;13.0",
                                                  "-11.0;15.0 -9.0;10.0 -4.0;21.0 -9.0;19.0",
                                                  "-17.0;7.0 -15.0;2.0 -10.0;17.0 -15.0;11.0"};

// "x;y" of A to D, one blank apart, as the texts of `stage`.
template <typename Texts>
void record(Texts &x, Texts &y, int stage, const QString &texts)
{
    for (int vertex = 0; vertex < VertexCount; ++vertex) {
        x[vertex][stage] = texts.split(u' ')[vertex].section(u';', 0, 0);
        y[vertex][stage] = texts.split(u' ')[vertex].section(u';', 1, 1);
    }
}

DataTableInputs recordedInputs(int figureType, const QList<int> &stages)
{
    DataTableInputs inputs;
    inputs.figureType = figureType;
    for (int stage : stages)
        record(inputs.textX, inputs.textY, stage, QString::fromLatin1(Stages[stage]));
    inputs.kindNames = {QStringLiteral("traslazione"), QStringLiteral("rotazione")};
    return inputs;
}

// "~" for a hidden label, whatever text it keeps.
QString parameterTexts(const KindTable &table)
{
    QStringList texts;
    for (const TableCell &cell : table.parameters)
        texts << (cell.shown ? cell.text : u"~"_qs);
    return texts.join(u'|');
}

QStringList rowOf(const DataTable &table, int stage)
{
    return QStringList(table.vertices[stage].begin(), table.vertices[stage].end());
}

} // namespace

Q_DECLARE_METATYPE(Case)

class TestPlaneCore : public QObject
{
    Q_OBJECT

private slots:
    // Grid points on the screen about (x, 300), rounded to nearest with ties
    // to even, in the column and in the row, whatever the origin's parity.
    void screenMapping()
    {
        const struct { int originX, zoom; QPointF grid; QPoint screen; } rows[] = {
            {500, 3, {1, -1}, {503, 303}}, {500, 2, {0.5, 0}, {502, 300}}, {501, 2, {1.5, 0}, {508, 300}},
            {500, 2, {0, -0.5}, {500, 302}}};
        for (const auto &row : rows) {
            const ScreenMapping map(row.originX, OriginY, row.zoom);
            QCOMPARE(map.fromGrid(row.grid.x(), row.grid.y()), row.screen);
            QCOMPARE(map.fromWorking(map.workingX(row.grid.x()), map.workingY(row.grid.y())), row.screen);
        }
        // The red axis through (AnimDX, q + AnimDY) at AnimAngle reaches the
        // origin's column distance either side at any scale (500 cos 45 = 353.55).
        const struct { int kind, centre, zoom; QLine axis; } axes[] = {
            {3, 3, 1, {146, 654, 854, -54}}, {1, 3, 2, {515, 800, 515, -200}}, {2, 3, 3, {0, 290, 1000, 290}},
            {5, 3, 1, {250, 763, 750, -103}}};
        for (const auto &row : axes) {
            const SlotParameters p = symmetry(row.kind, row.centre, 3, 60, -3);
            QCOMPARE(SymmetryFrames::axis(prepared(Simmetria, p, figureOf({{1, 1}})).values,
                                          ScreenMapping(OriginX, OriginY, row.zoom)),
                     row.axis);
        }
    }

    // w = 8, h = 14: a letter goes 3w/2 = 12 left of a vertex left of the
    // centroid, else w/2 = 4 right, and h up above it; the extremes override
    // that, the highest 3h/2 = 21 up. Rows: B, C and A extremes; A on the
    // centroid; equal x (ties keep the earlier vertex); unrounded points.
    void vertexLabels()
    {
        for (const auto &[vertices, labels] : {std::pair{"150 224, 100 244, 210 294", "138 203, 88 230, 214 294"},
                                               {"10 10, 0 0, 20 0, 10 30", "14 10, -12 -21, 24 -14, 14 30"},
                                               {"10 0, 10 20", "14 -21, 14 20"},
                                               {"10.4 10.6, 30.5 0.2", "-2 11, 34 -21"}}) {
            const QList<QPointF> corners = points(vertices);
            const LabelPositions actual = vertexLabelPositions(figurePoints(corners), int(corners.size()), 8, 14);
            QList<QPointF> placed;
            for (int i = 0; i < corners.size(); ++i)
                placed << QPointF(actual.x[i], actual.y[i]);
            QCOMPARE(placed, points(labels));
        }
    }

    // Translation by (1, -2) of the default triangle, t = frame / 20: A in
    // tenths, y downwards, at t = 0, 0.25 (152.5 ties to even) and 0.95.
    void translationFrames()
    {
        const QList<FigurePoints> all = run(Traslazione, translation(1, -2), startTriangle()).frames;
        QCOMPARE(all.size(), 20);
        QCOMPARE((QList<QPoint>{tenths(all[0], 0), tenths(all[5], 0), tenths(all[19], 0)}),
                 (QList<QPoint>{{150, -110}, {152, -105}, {160, -91}}));
    }

    // (3, 1) reflected about (1, 2), x = 1, y = 2, y = x, y = -x and lines
    // through (0, -1) at 45, 0, 30, 90 (any q) and 135 degrees; the frame's
    // map, a reflection's own, takes every point where the figure's step does.
    void symmetryImages()
    {
        const struct { int kind, angle; QPoint image; } rows[] = {
            {0, 45, {-1000, 3000}}, {1, 45, {-1000, 1000}}, {2, 45, {3000, 3000}}, {3, 45, {1000, 3000}},
            {4, 45, {-1000, -3000}}, {5, 45, {2000, 2000}}, {5, 0, {3000, -3000}}, {5, 30, {3232, 598}},
            {5, 90, {-3000, 1000}}, {5, 135, {-2000, -4000}}};
        for (const auto &row : rows) {
            const SlotParameters p = symmetry(row.kind, 1, 2, row.angle, -1);
            const StepFigure figure = figureOf({{3, 1}, {-4, 2}, {0, -5}});
            const FigurePoints image = prepared(Simmetria, p, figure).points.image;
            QCOMPARE(milli(image, 0), row.image);
            const AffineMatrix m = FrameChange::stepMap(Simmetria, p);
            for (int i = 0; i < 3; ++i) {
                const float x = figure.cur.x[i], y = figure.cur.y[i];
                QVERIFY(std::abs(m[0][1] * x + m[0][2] * y + m[0][0] - image.x[i]) < 1e-4f);
                QVERIFY(std::abs(m[1][1] * x + m[1][2] * y + m[1][0] - image.y[i]) < 1e-4f);
            }
        }
    }

    // The moved frame is the fixed one carried by the step's own map: screen
    // offsets at 100% of the axes' crossing and the two arrow tips (a); the
    // frame matrix as the store keeps it, c, a, b, c', a', b' (b).
    void movedFrame_data()
    {
        cases({{"translation (3, 2)", Traslazione, translation(3, 2), "30 -20, 40 -20, 30 -30", "-3 1 0 -2 0 1"},
               // Counter-clockwise: the x tip rises.
               {"rotation 90 about (1, 0)", Rotazione, rotation(90, 1, 0), "10 10, 10 0, 0 10", "0 0 1 0 -1 0"},
               {"homothety 2 about (1, 1)", Omotetia, homothety(1, 2, 1, 1), "-10 10, 10 10, -10 -10", "1 2 0 1 0 2"},
               {"homothety -2 about (1, 1)", Omotetia, homothety(-1, 2, 1, 1), "30 -30, 10 -30, 30 -10",
                "1 -2 0 1 0 -2"},
               {"dilation 2 x 0.5", Dilatazione, dilation(2, 0.5f), "0 0, 20 0, 0 -5", "0 2 0 0 0 0.5"},
               // x' = x - y.
               {"shear -1 along x", Inclinazione, shear(0, -1), "0 0, 10 0, -10 -10", "0 1 -1 0 0 1"},
               {"shear -0.5 along y", Inclinazione, shear(1, -0.5f), "0 0, 10 5, 0 -10", "0 1 0 0 -0.5 1"}});
    }

    void movedFrame()
    {
        QFETCH(Case, c);
        FigurePoints image;
        const ScreenPoints screen = FrameChange::screenPoints(FrameChange::axisPoints(OriginY, 8, 14),
                                                              FrameChange::stepMap(c.kind, c.p), {500, 300, 1}, image);
        const auto at = [&screen](int point) { return QPointF(screen.x[point] - 500, screen.y[point] - 300); };
        const QPointF crossing = (at(FrameChange::YAxisLow) + at(FrameChange::YAxisHigh)) / 2;
        QCOMPARE((QList<QPointF>{crossing, at(FrameChange::XArrowTip), at(FrameChange::YArrowTip)}), points(c.a));
        QList<int> matrix;
        for (const auto &row : FrameChange::matrix(c.kind, c.p))
            for (float value : row)
                matrix << qRound(value * 1e6);
        QCOMPARE(matrix, numbers(c.b, 1e6));
    }

    // The animated values (a: frames, last in hundredths), by 0.05 a frame in
    // single precision: a homothety's t from 1 to k, |20 - round(20 k)| + 1
    // frames, up from k = 1 or for a negative sign; a dilation's larger factor;
    // a shear's coefficient from 0. A value that does not move stays exact.
    void progress_data()
    {
        cases({{"homothety k = 1: one frame", Omotetia, homothety(1, 1, -1, 1), "1 100 0", ""},
               {"homothety k = 1.5 upwards", Omotetia, homothety(1, 1.5f, -1, 1), "11 150 0", ""},
               {"homothety k = 0.5 downwards", Omotetia, homothety(1, 0.5f, -1, 1), "11 50 0", ""},
               {"homothety k = -0.5 through 0", Omotetia, homothety(-1, 0.5f, -1, 1), "31 -50 0", ""},
               {"dilation 1 x 1: one frame", Dilatazione, dilation(1, 1), "1 100 100", ""},
               {"dilation 5 x 0.5, the largest", Dilatazione, dilation(5, 0.5f), "81 500 50", ""},
               {"dilation 1 x 2.5: fx stays 1", Dilatazione, dilation(1, 2.5f), "31 100 250", ""},
               {"shear 0: one frame", Inclinazione, shear(0, 0), "1 0 0", ""},
               {"shear -1 along x", Inclinazione, shear(0, -1), "21 100 0", ""},
               {"shear 0.5 along y", Inclinazione, shear(1, 0.5f), "11 0 50", ""}});
    }

    void progress()
    {
        QFETCH(Case, c);
        const QList<int> expected = numbers(c.a);
        const QPoint last(expected[1], expected[2]);
        if (c.kind == Omotetia)
            QCOMPARE(prepared(c.kind, c.p, figureOf({{2, 3}})).values.HomothetyDirection,
                     c.p.HomothetySign < 0 || c.p.HomothetyRatio >= 1 ? 1 : -1);
        const QList<QPointF> raw = run(c.kind, c.p, figureOf({{2, 3}})).values;
        QCOMPARE(raw.size(), expected[0]);
        const auto hundredths = [](QPointF v) { return QPoint(qRound(v.x() * 100), qRound(v.y() * 100)); };
        QCOMPARE(hundredths(raw.first()), QPoint(c.kind == Inclinazione ? 0 : 100, c.kind == Dilatazione ? 100 : 0));
        QCOMPARE(hundredths(raw.last()), last);
        for (int i = 1; i < raw.size(); ++i) {
            const QPoint step = hundredths(raw[i]) - hundredths(raw[i - 1]);
            QCOMPARE(std::max(std::abs(step.x()), std::abs(step.y())), 5);
            QCOMPARE(raw[i].x() == raw[0].x(), hundredths(raw[0]).x() == last.x());
            QCOMPARE(raw[i].y() == raw[0].y(), hundredths(raw[0]).y() == last.y());
        }
    }

    // The image of the figure (a) to the thousandth, never truncated (b); the
    // last frame draws it to the tenth, a fixed point stays in every frame. A
    // circle records its centre, then its radius (|k| times) or its box.
    void images_data()
    {
        const char *triangle = "15 11, 10 9, 21 4";
        // Centre (-1, 1).
        cases({{"homothety k = 1.5", Omotetia, homothety(1, 1.5f, -1, 1), triangle, "23 16, 15.5 13, 32 5.5"},
               {"homothety k = -0.5", Omotetia, homothety(-1, 0.5f, -1, 1), triangle, "-9 -4, -6.5 -3, -12 -0.5"},
               {"homothety circle, k = -0.5", Omotetia, homothety(-1, 0.5f, -1, 1), "7 4, 4 4", "-5 -0.5, 2 2"},
               {"dilation (-3, 2) by 1.5 x 0.5", Dilatazione, dilation(1.5f, 0.5f), "-3 2", "-4.5 1"},
               // The box (0, -1)..(4, 3) of the circle, stretched.
               {"dilation circle", Dilatazione, dilation(1.5f, 0.5f), "2 1, 2 2", "3 0.5, 0 -0.5, 6 1.5"},
               {"shear (2, 3) by -1 along x", Inclinazione, shear(0, -1), "2 3", "-1 3"},
               {"shear (2, 3) by -0.5 along y", Inclinazione, shear(1, -0.5f), "2 3", "2 2"},
               {"shear (4, 0) along x stays", Inclinazione, shear(0, 2.5f), "4 0", "4 0"},
               {"shear circle along x keeps the radius", Inclinazione, shear(0, 1), "5 3, 10 10", "8 3, 10 10"},
               {"affinity x' = 2x - 6, y' = x + 1.5y - 12", Affinita, affinity(2, 0, -6, 1, 1.5f, -12), triangle,
                "24 19.5, 14 11.5, 36 15"},
               {"affinity singular: every x' is c", Affinita, affinity(0, 0, 3, 1, 1, 1), triangle, "3 27, 3 20, 3 26"},
               {"affinity circle, a quarter turn", Affinita, affinity(0, -1, 0, 1, 0, 0), "5 0, 3 3", "0 5, 3 3"},
               {"symmetry circle about (1, -2)", Simmetria, symmetry(0, 1, -2, 0, 0), "7 4, 5 5", "-5 -8, 5 5"}});
    }

    void images()
    {
        QFETCH(Case, c);
        const QList<QPointF> figure = points(c.a);
        const QList<QPointF> image = points(c.b);
        const StepFigure start = startOf(c.a);
        const FigurePoints computed = stepImage(c.kind, c.p, start);
        for (int i = 0; i < image.size(); ++i)
            QCOMPARE(milli(computed, i), (image[i] * 1000).toPoint());
        if (start.isCircle || c.kind == Simmetria)
            return;
        const QList<FigurePoints> all = run(c.kind, c.p, start).frames;
        const auto drawnAt = [](QPointF grid) { return QPoint(qRound(grid.x() * 10), -qRound(grid.y() * 10)); };
        for (int i = 0; i < image.size(); ++i) {
            QCOMPARE(tenths(all.last(), i), drawnAt(image[i]));
            if (image[i] == figure[i])
                for (const FigurePoints &frame : all)
                    QCOMPARE(tenths(frame, i), drawnAt(figure[i]));
        }
    }

    // The texts a step of the figure (a) records, "x;y" for A to D (b): a
    // circle's centre, then its radius along x and y, none if it leans.
    void imageTexts_data()
    {
        const long double turn = 30 * 3.14159265358979323846264338327950288L / 180;
        const float c = float(2 * std::cos(turn));
        const float s = float(2 * std::sin(turn));
        const char *circle = "5 5, 3 3";
        cases({{"triangle", Traslazione, translation(-6, -8), "15 11, 10 9, 21 4", "9.0;3.0 4.0;1.0 15.0;-4.0 ;"},
               {"circle translated", Traslazione, translation(-6, -8), circle, "-1.0;-3.0 3.0;3.0 ; ;"},
               {"circle dilated 1.5 x 0.5", Dilatazione, dilation(1.5f, 0.5f), circle, "7.5;2.5 4.5;1.5 ; ;"},
               {"circle sheared", Inclinazione, shear(0, 1.0f), circle, "10.0;5.0 ; ; ;"},
               {"affinity along the axes", Affinita, affinity(2, 0, -6, 0, -1, 0), circle, "4.0;-5.0 6.0;3.0 ; ;"},
               {"affinity turning by 30 and doubling", Affinita, affinity(c, -s, 0, s, c, 0), circle,
                "3.7;13.7 6.0;6.0 ; ;"},
               {"affinity leaning", Affinita, affinity(1, 1, 0, 0, 1, 0), circle, "10.0;5.0 ; ; ;"}});
    }

    void imageTexts()
    {
        QFETCH(Case, c);
        const StepFigure figure = startOf(c.a);
        const ImageTexts recorded = ::imageTexts(c.kind, c.p, figure, stepImage(c.kind, c.p, figure));
        QStringList shown;
        for (int i = 0; i < VertexCount; ++i)
            shown << recorded.x[i] + u';' + recorded.y[i];
        QCOMPARE(shown.join(u' '), QString::fromLatin1(c.b));
    }

    // A shear by 1 along x of the circle (5, 3), R = 10, at its last frame: a
    // pixel per degree j at x = 10 (x0 + R cos j) + 10 (y0 + R sin j), y = -10
    // (y0 + R sin j) about the origin, half as far at 50%.
    void circles()
    {
        const SlotParameters p = shear(0, 1.0f);
        const StepFigure figure = circleOf(5, 3, 10);
        StepValues values = prepared(Inclinazione, p, figure).values;
        for (int i = 0; i < 20; ++i)
            ShearFrames::advance(values, p);
        const ScreenMapping map(OriginX, OriginY, 1);
        ShearFrames::CirclePixels pixels;
        ShearFrames::circlePixels(values, p, figure, map, pixels);
        QCOMPARE((QList<QPoint>{pixels[0], pixels[90], pixels[180], pixels[270]}),
                 (QList<QPoint>{{680, 270}, {680, 170}, {480, 270}, {480, 370}}));
        ShearFrames::circlePixels(values, p, figure, ScreenMapping(OriginX, OriginY, 2), pixels);
        QCOMPARE((QList<QPoint>{pixels[0], pixels[180]}), (QList<QPoint>{{590, 285}, {490, 285}}));

        // An affine circle's pixels end where they start. A quarter turn takes
        // (5, 0), R = 3, about (0, 5); x' = 2x stretches it 12 units wide.
        AffinityFrames::CirclePixels dots;
        AffinityFrames::circlePixels(affinity(0, -1, 0, 1, 0, 0).AffineCoeff, circleOf(5, 0, 3), map, dots);
        QCOMPARE((QList<QPoint>{dots[0], dots[90], dots[360]}), (QList<QPoint>{{500, 220}, {470, 250}, {500, 220}}));
        AffinityFrames::circlePixels(affinity(2, 0, 0, 0, 1, 0).AffineCoeff, circleOf(5, 0, 3), map, dots);
        QCOMPARE((QList<QPoint>{dots[0], dots[180], dots[90]}), (QList<QPoint>{{660, 300}, {540, 300}, {600, 270}}));

        // A scaled circle's frame carries its centre and box, which grows with
        // t: (3, 1), R = 2, at k = 2 ends in (2, -2)..(10, 6). Corners swap for
        // a negative ratio, the box the same; a reflection works from the centre.
        const FigurePoints end = run(Omotetia, homothety(1, 2.0f, 0, 0), circleOf(3, 1, 2)).frames.last();
        QCOMPARE((QList<QPoint>{tenths(end, 0), tenths(end, 1), tenths(end, 2)}),
                 (QList<QPoint>{{60, -20}, {20, 20}, {100, -60}}));
        const Prepared step = prepared(Simmetria, symmetry(0, 1, -2, 0, 0), circleOf(7, 4, 5));
        QCOMPARE(QPoint(int(step.points.work.x[0]), int(step.points.work.y[0])), QPoint(-50, OriginY + 80));
        for (const auto &[a, b] : {std::pair{QPoint(10, 40), QPoint(30, 20)}, std::pair{QPoint(30, 20), QPoint(10, 40)},
                                   std::pair{QPoint(30, 40), QPoint(10, 20)}})
            QCOMPARE(boxOfCorners(a, b), QRect(10, 20, 20, 20));
    }

    // What the second after the first amounts to, named as the page names it.
    void classification()
    {
        struct Step { int kind = -1; SlotParameters p; };
        // Symmetries about x = k (1), y = k (2), y = x (3) and y = - x (4).
        const auto axis = [](int kind, int k) { return Step{Simmetria, symmetry(kind, k, k, 0, 0)}; };
        const auto line = [](int angle, int q) { return Step{Simmetria, symmetry(5, 0, 0, angle, q)}; };
        const auto turn = [](int angle, int cx, int cy) { return Step{Rotazione, rotation(angle, cx, cy)}; };
        const auto scale = [](int sign, float k, int cx, int cy) { return Step{Omotetia, homothety(sign, k, cx, cy)}; };
        const struct { Step first, second; const char *named; } rows[] = {
            {axis(1, 2), axis(1, 5), "traslazione di (6; 0)"},
            {axis(1, 2), axis(3, 0), "rotazione di -90° attorno a (2; 2)"},
            {line(30, 2), line(30, 2), "identità"},
            {axis(1, 3), axis(2, -1), "simmetria centrale rispetto a (3; -1)"},
            {turn(30, 1, 1), turn(45, 1, 1), "rotazione di 75° attorno a (1; 1)"},
            {scale(-1, 1.5f, 1, 0), {}, "omotetia di rapporto -1.5 e centro (1; 0)"},
            {{Traslazione, translation(6, 0)}, turn(90, 0, 0), "rotazione di 90° attorno a (-3; 3)"},
            {axis(3, 0), {}, "simmetria assiale rispetto a y = x"},
            {axis(4, 0), {}, "simmetria assiale rispetto a y = - x"},
            {line(60, -2), {}, "simmetria assiale rispetto a y = 1.7321x - 2"},
            {axis(2, 3), {}, "simmetria assiale rispetto a y = 3"},
            {axis(2, 1), {Traslazione, translation(4, 0)}, "glissosimmetria rispetto a y = 1, vettore (4; 0)"},
            {turn(90, 0, 0), scale(1, 2, 0, 0), "similitudine di rapporto 2, angolo 90°, centro (0; 0)"},
            {axis(1, 0), scale(1, 2, 0, 0), "similitudine inversa di rapporto 2"},
            {{Dilatazione, dilation(2.0f, 0.5f)}, {}, "affinità"},
            {{Affinita, affinity(1, 2, 0, 2, 4, 1)}, {}, "affinità (degenere)"},
            // cos 60° and sin 60° as the dialog stores them, in single precision.
            {{Affinita, affinity(0.5f, -0.8660254f, 0, 0.8660254f, 0.5f, 0)}, {}, "rotazione di 60° attorno a (0; 0)"}};
        for (const auto &row : rows) {
            const Composition::Rows m = Composition::product(kindMatrix(row.second.kind, row.second.p),
                                                             kindMatrix(row.first.kind, row.first.p));
            QCOMPARE(Composition::describe(Composition::classify(m)), QString(row.named));
        }
    }

    // The teacher's homothety and shear: S·H and H·S differ in their constant
    // terms, both with det 4.
    void productsInBothOrders()
    {
        const Composition::Rows h = kindMatrix(Omotetia, homothety(1, 2.0f, -1, 1));
        const Composition::Rows s = kindMatrix(Inclinazione, shear(0, 0.5f));
        const Composition::Rows sh = Composition::product(s, h);
        QCOMPARE(double(Composition::determinant(sh)), 4.0);
        const Composition::Rows hs = Composition::product(h, s);
        QCOMPARE((QList<QPointF>{Composition::apply(sh, {1, 1}), Composition::apply(hs, {1, 1})}),
                 (QList<QPointF>{{3.5, 1}, {4, 1}}));
    }

    // The table's reals as held, ties to even: 0.35f lies below its half,
    // 0.15f above, 1.005 is 1.00499..., 0.0005 is 0.000500...01. No "-0.0"
    // anywhere; the composition drops float noise, four decimals at most; a
    // coordinate is cut to five characters.
    void numberTexts()
    {
        const struct { double value; int decimals; const char *shown; } rows[] = {
            {0.25, 1, "0.2"}, {0.75, 1, "0.8"}, {0.35f, 1, "0.3"}, {0.15f, 1, "0.2"}, {9.95001, 1, "10.0"},
            {123456.78, 1, "123456.8"}, {-0.04, 1, "0.0"}, {1.005, 2, "1.00"}, {0.0005, 3, "0.001"}};
        for (const auto &row : rows)
            QCOMPARE(realText(row.value, row.decimals), QString::fromLatin1(row.shown));
        QStringList written;
        for (double value : {6.0, 5.99999, -0.00001, -0.5, 0.57735})
            written << Composition::number(value);
        for (float value : {-10.99f, -123.45f, -1e-19f, -0.04f})
            written << coordinateText(value);
        QCOMPARE(written, (QStringList{"6", "6", "0", "-0.5", "0.5774", "-11.0", "-123.", "0.0", "0.0"}));
    }

    // The parameter labels (a), row 1 then row 2, "~" hidden; the matrix's
    // first two rows (b), the third always 0 0 1.
    void kinds_data()
    {
        cases({{"translation", Traslazione, translation(-6, -8), "dx = -6|~|dy = -8|~", "1 0 -6 0 1 -8"},
               // Symbol draws "-" as the minus sign.
               {"rotation -45", Rotazione, rotation(-45, 1, 1), "Xc = 1|\u03B1 = \u221245|Yc = 1|~",
                "0.707 0.707 -0.4 -0.707 0.707 1.0"},
               // -sin 180 degrees is a hair below zero in floating point.
               {"rotation 180", Rotazione, rotation(180, 3, -1), "Xc = 3|\u03B1 = 180|Yc = -1|~",
                "-1.000 0.000 6.0 0.000 -1.000 -2.0"},
               {"symmetry P", Simmetria, symmetry(0, 3, -2, 60, -3), "rispetto a P(3, -2)|~|~|~", "-1 0 6 0 -1 -4"},
               {"symmetry x = k", Simmetria, symmetry(1, -4, 2, 60, -3), "rispetto ad x = -4|~|~|~", "-1 0 -8 0 1 0"},
               {"symmetry y = k", Simmetria, symmetry(2, -4, 5, 60, -3), "rispetto ad y = 5|~|~|~", "1 0 0 0 -1 10"},
               {"symmetry y = x", Simmetria, symmetry(3, -4, 5, 60, -3), "rispetto ad y = x|~|~|~", "0 1 0 1 0 0"},
               {"symmetry at 90, q ignored", Simmetria, symmetry(5, -4, 5, 90, -3), "rispetto ad x = 0|~|~|~",
                "-1 0 0 0 1 0"},
               {"symmetry at 60", Simmetria, symmetry(5, -4, 5, 60, -3), "rispetto ad y = mx + q|m = 1.73|~|q = -3",
                "-0.50 0.87 2.60 0.87 0.50 -1.50"},
               // -2mq/d is -0 here.
               {"symmetry at 0", Simmetria, symmetry(5, 0, 0, 0, 2), "rispetto ad y = mx + q|m = 0.00|~|q = 2",
                "1.00 0.00 0.00 0.00 -1.00 4.00"},
               {"homothety -1.5", Omotetia, homothety(-1, 1.5f, -1, 1), "Xc = -1|K = -1.5|Yc = 1|~",
                "-1.5 0 -2.5 0 -1.5 2.5"},
               {"dilation", Dilatazione, dilation(1.5f, 0.5f), "\u03B1 = 1.5|~|\u03B2 = 0.5|~", "1.5 0 0 0 0.5 0"},
               {"shear along y, negative", Inclinazione, shear(1, -0.5f), "k = 0.0|~|k = -0.5|~", "1 0.0 0 -0.5 1 0"},
               // Terms are a-term, b-term, c-term, one blank apart, an empty
               // term leaving its blanks.
               {"affinity, b = 0", Affinita, affinity(2, 0, -6, 1, 1.5f, -12),
                "x' = +2.00 x  -6.00|~|y' = +1.00 x +1.50 y -12.00|~", "2.00 0 -6.00 1.00 1.50 -12.00"},
               {"affinity, constants 0, a tie in b", Affinita, affinity(-0.5f, 0.125f, 0, 0, -1, 3),
                "x' = -0.50 x +0.12 y |~|y' =  -1.00 y +3.00|~", "-0.50 0.12 0 0 -1.00 3.00"},
               {"affinity, all zero", Affinita, affinity(0, 0, 0, 0, 0, 0), "x' =   |~|y' =   |~", "0 0 0 0 0 0"},
               // Not exactly 0, so written, though it rounds to nothing.
               {"affinity rounding to zero", Affinita, affinity(0.001f, 0, -0.004f, -0.0f, 1, 0),
                "x' = +0.00 x  +0.00|~|y' =  +1.00 y |~", "0.00 0 0.00 0 1.00 0"},
               {"no kind", 7, translation(-6, -8), "~|~|~|~", ""},
               {"no symmetry kind", Simmetria, symmetry(6, 1, 1, 60, -3), "~|~|~|~", ""}});
    }

    void kinds()
    {
        QFETCH(Case, c);
        const KindTable table = kindTable(c.kind, c.p);
        QCOMPARE(parameterTexts(table), QString::fromUtf8(c.a));
        QStringList entries;
        for (const auto &row : table.matrix)
            for (const QString &entry : row)
                entries << entry;
        const QString matrix = QString::fromLatin1(c.b);
        QCOMPARE(entries, (matrix.isEmpty() ? QStringList(6) : matrix.split(u' ')) + QStringList({"0", "0", "1"}));
    }

    // The first page's rows listed, and the panels shown (direct, its second
    // row, inverse, its second row, each parameter panel) by A's stages.
    void coordinatePage()
    {
        const struct { int figureType; QList<int> stages; int listed; const char *shown; } rows[] = {
            {2, {0}, 3, "000000"}, {2, {0, 1}, 3, "100010"}, {2, {0, 1, 2, 3}, 3, "111011"},
            {0, {0, 1, 2, 3, 4}, 1, "111111"}, {1, {0, 1, 2}, 2, "110011"}};
        for (const auto &row : rows) {
            const DataTable table = dataTable(recordedInputs(row.figureType, row.stages));
            for (int stage = 0; stage < VertexStageCount; ++stage) {
                QStringList listed(VertexCount);
                for (int vertex = 0; vertex < row.listed && row.stages.contains(stage); ++vertex)
                    listed[vertex] = QStringLiteral("%1(%2)").arg(QChar(u'A' + vertex),
                                                                  QString(Stages[stage]).split(u' ')[vertex]);
                QCOMPARE(rowOf(table, stage), listed);
            }
            QString panels;
            for (bool on : {table.directShown, table.directSecondShown, table.inverseShown, table.inverseSecondShown,
                            table.parametersShown[0], table.parametersShown[1]})
                panels += on ? u'1' : u'0';
            QCOMPARE(panels, QString::fromLatin1(row.shown));
        }
        // A row needs its x text; vertex A's x text alone decides the panels.
        DataTableInputs inputs = recordedInputs(2, {0, 1, 3});
        inputs.textX[0][1].clear();
        inputs.textX[2][3].clear();
        const DataTable table = dataTable(inputs);
        QCOMPARE(rowOf(table, 1), (QStringList{"", "B(4.0;1.0)", "C(15.0;-4.0)", ""}));
        QCOMPARE(rowOf(table, 3), (QStringList{"A(-11.0;15.0)", "B(-9.0;10.0)", "", ""}));
        QCOMPARE((QList<bool>{table.directShown, table.parametersShown[0], table.inverseShown}),
                 (QList<bool>{false, false, true}));
    }

    // The circle (5, 5), R = 3, after the default triangle, whose B to D the
    // dialog records anyway: only centre and radius, before a step (type 4) and
    // after a homothety by 2 leaving C, a dilation, a shear (type 2).
    void circlePage()
    {
        const struct { int figureType; const char *recorded, *listed; } rows[] = {
            {4, "; ; ; ;", "|||"}, {2, "10.0;10.0 6.0;6.0 42.0;8.0 ;", "A(10.0;10.0)|R = 6.0||"},
            {2, "7.5;2.5 4.5;1.5 ; ;", "A(7.5;2.5)|R = 4.5;1.5||"}, {2, "10.0;5.0 ; ; ;", "A(10.0;5.0)|||"}};
        for (const auto &row : rows) {
            TransformSettingsValues store;
            store.FigureType = quint8(row.figureType);
            store.FigureIsCircle = true;
            store.FigureX[1] = store.FigureY[1] = 3;
            record(store.VertexTextX, store.VertexTextY, 0, u"5;5 10;9 21;4 19;9"_qs);
            record(store.VertexTextX, store.VertexTextY, 1, QString::fromLatin1(row.recorded));
            const DataTable table = dataTable(dataTableInputs(store, 1, QStringLiteral("omotetia"), QString()));
            QCOMPARE(rowOf(table, 0), (QStringList{"A(5;5)", "R = 3", "", ""}));
            QCOMPARE(rowOf(table, 1), QString(row.listed).split(u'|'));
        }
    }

    // From the store: each panel from its own slot, the second matrix only
    // with two transformations, the inverse sequence second one first.
    void fromTheStore()
    {
        TransformSettingsValues store;
        store.FigureType = 3;
        for (int stage = 0; stage < VertexStageCount; ++stage)
            record(store.VertexTextX, store.VertexTextY, stage, QString::fromLatin1(Stages[stage]));
        store.SlotKind[1] = Omotetia;
        store.HomothetySign[1] = -1;
        store.HomothetyRatio[1] = 1.5f;
        store.HomothetyCentreX[1] = -1;
        store.HomothetyCentreY[1] = 1;
        store.SlotKind[2] = Traslazione;
        store.TranslationDX[2] = 4;
        store.TranslationDY[2] = -2;
        QCOMPARE(dataTable(dataTableInputs(store, 1, u"omotetia"_qs, QString())).secondMatrixShown, false);
        const DataTable table = dataTable(dataTableInputs(store, 2, u"omotetia"_qs, u"traslazione"_qs));
        QCOMPARE(table.secondMatrixShown, true);
        QCOMPARE(parameterTexts(table.kinds[0]) + u' ' + parameterTexts(table.kinds[1]),
                 u"Xc = -1|K = -1.5|Yc = 1|~ dx = 4|~|dy = -2|~"_qs);
        QCOMPARE(QStringList(table.stageNames.begin(), table.stageNames.end()),
                 (QStringList{"", "omotetia", "traslazione", "traslazione", "omotetia"}));
        QCOMPARE(rowOf(table, 4).last(), QStringLiteral("D(-15.0;11.0)"));
    }
};

QTEST_GUILESS_MAIN(TestPlaneCore)
#include "tst_planecore.moc"
