#pragma once

#include "plane/planepoints.h"

#include <QFontMetrics>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// One drawing on the workspace's canvas, in program pixels: what is drawn,
// where and in which colour. The canvas draws a shape on its own, or as part
// of an animation frame, which it compares shape by shape with the frame
// before so as to repaint only what changed.
struct PlaneShape {
    enum class Kind : quint8 { Segment, DottedSegment, Arc, Mark, Figure, Circle, Pixels, Text, FrameAxes };

    // The closed polyline A, B, C, D, A.
    static PlaneShape figure(const ScreenPoints &points, QRgb colour);
    // A circle figure: its outline in `box`, the red centre pixel and "0".
    static PlaneShape circle(QPoint centre, const QRect &box, QRgb colour);
    static PlaneShape segment(QPoint from, QPoint to, QRgb colour);
    // The same in the dotted style, the symmetry's joins.
    static PlaneShape dottedSegment(QPoint from, QPoint to, QRgb colour);
    // Separate pixels, as a sheared circle or an affine image of one is
    // drawn: nothing joins them.
    static PlaneShape pixels(const QPoint *points, int count, QRgb colour);
    // The arc of the ellipse in `box` from the radial through `from`
    // counter-clockwise to the radial through `to`; none when both are the
    // same radial.
    static std::optional<PlaneShape> arc(const QRect &box, QPoint from, QPoint to, QRgb colour);
    // A filled dot in `box`, the mark of a centre.
    static PlaneShape mark(const QRect &box, QRgb colour);
    // A text with its top-left corner at `at`, on black.
    static PlaneShape text(QPoint at, const QString &text, QRgb colour);
    // The moved frame: the y axis and its arrowhead, then the x axis and its.
    static PlaneShape frameAxes(const ScreenPoints &points, QRgb colour);

    bool operator==(const PlaneShape &) const = default;

    Kind kind = Kind::Segment;
    QRgb colour = 0;
    // Segment 2, Figure 5, Circle's centre 1, Text's corner 1, FrameAxes 10.
    std::array<QPoint, 10> points{};
    QRect box; // Arc, Mark, Circle
    // Arc: sixteenths of a degree, counter-clockwise from three o'clock, as
    // QPainter takes them.
    int startAngle = 0;
    int spanAngle = 0;
    std::vector<QPoint> pixelPoints; // Pixels
    QString label;                   // Text
};

// The shapes of one animation frame, in the order they are drawn.
using PlaneFrame = std::vector<PlaneShape>;

// Where `shape` can set pixels, as program-pixel rectangles appended to
// `cover`: generously, since lines, arcs and letters are rasterised up to a
// pixel or two beside their exact paths and boxes. `metrics` are those of
// the canvas's font.
void appendCover(const PlaneShape &shape, const QFontMetrics &metrics, std::vector<QRect> &cover);

// Where two arcs of the same ellipse and colour, drawn in turn, can differ,
// appended to `cover`. An arc is drawn as one Bézier curve per quadrant it
// crosses, each flattened into lines on its own, so the quadrants that both
// arcs cover alike come out pixel for pixel the same; only the quadrants
// whose part of the arc changed (those of a moving end) can differ, and the
// joins next to them.
void appendArcChanges(const PlaneShape &before, const PlaneShape &after, std::vector<QRect> &cover);

// The ring about an arc's ellipse in which all its pixels lie, scaled by
// `ratio`: where the arc may set pixels, more cheaply told than by its
// cover, and never less.
class ArcRing
{
public:
    ArcRing(const PlaneShape &arc, qreal ratio);
    bool meets(const QRect &rect) const;

private:
    QPointF m_centre;
    double m_inner; // squared radii
    double m_outer;
};
