#include "plane/planeshape.h"

#include "lang/fixedtexts.h"

#include <QRectF>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace {

// A line's cover is cut into bands of this many program pixels, those of
// the canvas's cells, so that each rectangle stays within one row (or
// column) of cells.
constexpr int LineBand = 8;
// A line's pixels lie within this of its exact path: rounding, the half
// pixel its ends reach out and the pixel added where two lines join.
constexpr int LineMargin = 1;
// Program pixels between two points of an arc's cover.
constexpr int CurveStep = 4;
// An arc's pixels lie within this of its exact path, allowing besides for
// the Bézier curves that approximate it and the lines they are cut into.
constexpr int CurveMargin = 3;

constexpr int QuarterTurn = 90 * 16; // sixteenths of a degree
constexpr int FullTurn = 4 * QuarterTurn;

// Degrees of the radial from `centre` through `point`, counter-clockwise on
// the screen from the positive x direction.
double screenAngle(QPointF centre, QPoint point)
{
    return std::atan2(centre.y() - point.y(), point.x() - centre.x()) * 180 / std::numbers::pi;
}

QRect around(QPoint a, QPoint b, int margin)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())))
        .adjusted(-margin, -margin, margin, margin);
}

int floorDiv(int value, int divisor)
{
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

// One rectangle per band the line crosses along the coordinate that changes
// most, as narrow across as the line within the band allows.
void appendLine(QPoint from, QPoint to, std::vector<QRect> &cover)
{
    const bool steep = std::abs(to.y() - from.y()) >= std::abs(to.x() - from.x());
    auto along = [steep](QPoint p) { return steep ? p.y() : p.x(); };
    auto across = [steep](QPoint p) { return steep ? p.x() : p.y(); };
    if (along(from) > along(to))
        std::swap(from, to);
    const int start = along(from);
    const int end = along(to);
    auto acrossAt = [&](int t) {
        if (start == end) // a point
            return double(across(from));
        t = std::clamp(t, start, end);
        return across(from) + double(across(to) - across(from)) * (t - start) / (end - start);
    };
    const int first = start - LineMargin;
    const int last = end + LineMargin;
    for (int band = floorDiv(first, LineBand) * LineBand; band <= last; band += LineBand) {
        const int bandFirst = std::max(band, first);
        const int bandLast = std::min(band + LineBand - 1, last);
        const double a = acrossAt(bandFirst);
        const double b = acrossAt(bandLast);
        const int low = int(std::floor(std::min(a, b))) - LineMargin;
        const int high = int(std::ceil(std::max(a, b))) + LineMargin;
        cover.push_back(steep ? QRect(QPoint(low, bandFirst), QPoint(high, bandLast))
                              : QRect(QPoint(bandFirst, low), QPoint(bandLast, high)));
    }
}

// The part of the ellipse in `box` from `from` to `to`, sixteenths of a
// degree counter-clockwise.
void appendEllipsePart(const QRect &box, int from, int to, std::vector<QRect> &cover)
{
    const QRectF ellipse = QRectF(box).normalized();
    const QPointF centre = ellipse.center();
    const double rx = ellipse.width() / 2;
    const double ry = ellipse.height() / 2;
    const double radians = (to - from) / 16.0 * std::numbers::pi / 180;
    const int steps = std::max(1, int(std::ceil(radians * std::max(rx, ry) / CurveStep)));
    // Each point is the one before turned by a step, with no sine or cosine
    // of its own.
    const double stepCos = std::cos(radians / steps);
    const double stepSin = std::sin(radians / steps);
    double cos = std::cos(from / 16.0 * std::numbers::pi / 180);
    double sin = std::sin(from / 16.0 * std::numbers::pi / 180);
    QPoint previous = QPointF(centre.x() + rx * cos, centre.y() - ry * sin).toPoint();
    for (int i = 1; i <= steps; ++i) {
        const double turnedCos = cos * stepCos - sin * stepSin;
        sin = sin * stepCos + cos * stepSin;
        cos = turnedCos;
        const QPoint next = QPointF(centre.x() + rx * cos, centre.y() - ry * sin).toPoint();
        cover.push_back(around(previous, next, CurveMargin));
        previous = next;
    }
}

QRect textBox(QPoint at, const QString &text, const QFontMetrics &metrics)
{
    const QRect background(at, QSize(metrics.horizontalAdvance(text), metrics.height()));
    const QRect ink = metrics.boundingRect(text).translated(at.x(), at.y() + metrics.ascent());
    return (background | ink).adjusted(-1, -1, 1, 1);
}

QRect markCover(const QRect &box)
{
    return box.normalized().adjusted(-1, -1, 2, 2);
}

QRect polygonCover(QPoint a, QPoint b, QPoint c)
{
    return around(a, b, 1) | around(b, c, 1);
}

// One quadrant's part of an arc: Qt draws an arc as one Bézier curve per
// quadrant, cut where the arc starts and ends. The first piece follows the
// arc's starting point and the last ends on its exact end point, so a piece
// is drawn alike in two arcs only when its bounds and those roles agree.
struct ArcPiece {
    int quadrant;
    int from;
    int to;
    bool first;
    bool last;
    bool operator==(const ArcPiece &) const = default;
};

// Less than a full turn crosses at most five quadrants.
struct ArcPieces {
    std::array<ArcPiece, 5> pieces;
    int count = 0;
    const ArcPiece *begin() const { return pieces.data(); }
    const ArcPiece *end() const { return pieces.data() + count; }
};

// The pieces of an arc, as Qt cuts it; an arc it draws another way (no
// length, or the full turn) is one piece with no quadrant.
ArcPieces piecesOf(const PlaneShape &arc)
{
    const int start = arc.startAngle;
    const int end = arc.startAngle + arc.spanAngle;
    ArcPieces pieces;
    if (arc.spanAngle <= 0 || arc.spanAngle >= FullTurn) {
        pieces.pieces[pieces.count++] = {INT_MIN, start, end, true, true};
        return pieces;
    }
    const int first = floorDiv(start, QuarterTurn);
    int last = floorDiv(end, QuarterTurn);
    if (end == last * QuarterTurn) // an end on a quadrant's edge closes the quadrant before
        --last;
    for (int quadrant = first; quadrant <= last; ++quadrant)
        pieces.pieces[pieces.count++] = {quadrant, std::max(start, quadrant * QuarterTurn),
                                         std::min(end, (quadrant + 1) * QuarterTurn), quadrant == first,
                                         quadrant == last};
    return pieces;
}

void appendPiece(const PlaneShape &arc, const ArcPiece &piece, std::vector<QRect> &cover)
{
    appendEllipsePart(arc.box, piece.from, piece.to, cover);
}

PlaneShape shapeOf(PlaneShape::Kind kind, QRgb colour)
{
    PlaneShape shape;
    shape.kind = kind;
    shape.colour = colour;
    return shape;
}

} // namespace

PlaneShape PlaneShape::figure(const ScreenPoints &points, QRgb colour)
{
    PlaneShape shape = shapeOf(Kind::Figure, colour);
    for (int i = 0; i < VertexCount; ++i)
        shape.points[i] = QPoint(points.x[i], points.y[i]);
    shape.points[VertexCount] = shape.points[0];
    return shape;
}

PlaneShape PlaneShape::circle(QPoint centre, const QRect &box, QRgb colour)
{
    PlaneShape shape = shapeOf(Kind::Circle, colour);
    shape.points[0] = centre;
    shape.box = box;
    return shape;
}

PlaneShape PlaneShape::segment(QPoint from, QPoint to, QRgb colour)
{
    PlaneShape shape = shapeOf(Kind::Segment, colour);
    shape.points[0] = from;
    shape.points[1] = to;
    return shape;
}

PlaneShape PlaneShape::dottedSegment(QPoint from, QPoint to, QRgb colour)
{
    PlaneShape shape = segment(from, to, colour);
    shape.kind = Kind::DottedSegment;
    return shape;
}

PlaneShape PlaneShape::pixels(const QPoint *points, int count, QRgb colour)
{
    PlaneShape shape = shapeOf(Kind::Pixels, colour);
    shape.pixelPoints.assign(points, points + std::max(count, 0));
    return shape;
}

std::optional<PlaneShape> PlaneShape::arc(const QRect &box, QPoint from, QPoint to, QRgb colour)
{
    const QPointF centre = QRectF(box).center();
    const double start = screenAngle(centre, from);
    double span = screenAngle(centre, to) - start;
    while (span < 0)
        span += 360;
    while (span >= 360)
        span -= 360;
    if (span == 0)
        return std::nullopt;
    PlaneShape shape = shapeOf(Kind::Arc, colour);
    shape.box = box;
    shape.startAngle = int(std::lround(start * 16));
    shape.spanAngle = int(std::lround(span * 16));
    return shape;
}

PlaneShape PlaneShape::mark(const QRect &box, QRgb colour)
{
    PlaneShape shape = shapeOf(Kind::Mark, colour);
    shape.box = box;
    return shape;
}

PlaneShape PlaneShape::text(QPoint at, const QString &text, QRgb colour)
{
    PlaneShape shape = shapeOf(Kind::Text, colour);
    shape.points[0] = at;
    shape.label = text;
    return shape;
}

PlaneShape PlaneShape::frameAxes(const ScreenPoints &points, QRgb colour)
{
    PlaneShape shape = shapeOf(Kind::FrameAxes, colour);
    for (int i = 0; i < int(shape.points.size()); ++i)
        shape.points[i] = QPoint(points.x[i], points.y[i]);
    return shape;
}

void appendCover(const PlaneShape &shape, const QFontMetrics &metrics, std::vector<QRect> &cover)
{
    const auto &p = shape.points;
    switch (shape.kind) {
    case PlaneShape::Kind::Segment:
    case PlaneShape::Kind::DottedSegment:
        appendLine(p[0], p[1], cover);
        break;
    case PlaneShape::Kind::Figure:
        for (int i = 0; i < VertexCount; ++i)
            appendLine(p[i], p[i + 1], cover);
        break;
    case PlaneShape::Kind::Arc:
        for (const ArcPiece &piece : piecesOf(shape))
            appendPiece(shape, piece, cover);
        break;
    case PlaneShape::Kind::Mark:
        cover.push_back(markCover(shape.box));
        break;
    case PlaneShape::Kind::Circle:
        appendEllipsePart(shape.box, 0, FullTurn, cover);
        cover.push_back(around(p[0], p[0], 1));
        cover.push_back(textBox(QPoint(p[0].x() + 2, p[0].y() - metrics.height()),
                                QString::fromLatin1(FixedTexts::CircleCentre), metrics));
        break;
    case PlaneShape::Kind::Pixels:
        for (const QPoint &pixel : shape.pixelPoints)
            cover.push_back(around(pixel, pixel, 1));
        break;
    case PlaneShape::Kind::Text:
        cover.push_back(textBox(p[0], shape.label, metrics));
        break;
    case PlaneShape::Kind::FrameAxes:
        appendLine(p[0], p[1], cover);
        appendLine(p[2], p[3], cover);
        cover.push_back(polygonCover(p[4], p[5], p[6]));
        cover.push_back(polygonCover(p[7], p[8], p[9]));
        break;
    }
}

ArcRing::ArcRing(const PlaneShape &arc, qreal ratio)
{
    const QRectF ellipse = QRectF(arc.box).normalized();
    m_centre = ellipse.center() * ratio;
    const double inner = std::max(0.0, (std::min(ellipse.width(), ellipse.height()) / 2 - CurveMargin) * ratio);
    const double outer = (std::max(ellipse.width(), ellipse.height()) / 2 + CurveMargin) * ratio;
    m_inner = inner * inner;
    m_outer = outer * outer;
}

bool ArcRing::meets(const QRect &rect) const
{
    // The nearest and the farthest point of the rectangle from the centre.
    const double left = rect.left() - m_centre.x();
    const double right = rect.right() + 1 - m_centre.x();
    const double top = rect.top() - m_centre.y();
    const double bottom = rect.bottom() + 1 - m_centre.y();
    const double nearX = left > 0 ? left : right < 0 ? -right : 0;
    const double nearY = top > 0 ? top : bottom < 0 ? -bottom : 0;
    const double farX = std::max(std::abs(left), std::abs(right));
    const double farY = std::max(std::abs(top), std::abs(bottom));
    return nearX * nearX + nearY * nearY <= m_outer && farX * farX + farY * farY >= m_inner;
}

void appendArcChanges(const PlaneShape &before, const PlaneShape &after, std::vector<QRect> &cover)
{
    const ArcPieces old = piecesOf(before);
    const ArcPieces now = piecesOf(after);
    auto appendUnmatched = [&cover](const PlaneShape &arc, const ArcPieces &pieces, const ArcPieces &others) {
        for (const ArcPiece &piece : pieces)
            if (std::find(others.begin(), others.end(), piece) == others.end())
                appendPiece(arc, piece, cover);
    };
    appendUnmatched(before, old, now);
    appendUnmatched(after, now, old);
}
