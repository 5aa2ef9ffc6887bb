#include "space/cubeframe.h"

#include "shell/ratioimage.h"

#include <QPainter>
#include <cmath>
#include <numbers>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
// The cross-sections of the x and z views are foreshortened along their
// cosine by the same ratio, so the two views show cubes of one size.
constexpr long double CosineRatio = 1.8L;

struct SideFace {
    int k1;
    int k2;
    int ringIndex; // into the ring of the turning axis
};

// Which side faces show depends on the phase: four ranges of a quarter turn
// each, the first starting at rangeStart, the last running on through 0.
struct AxisView {
    int rangeStart;
    std::array<std::array<SideFace, 2>, 4> faces; // in drawing order
};

constexpr std::array<AxisView, CubeAxisCount> Views{{
    {85, {{{{{0, 1, 3}, {1, 2, 0}}}, {{{3, 0, 2}, {0, 1, 3}}}, {{{2, 3, 1}, {3, 0, 2}}}, {{{1, 2, 0}, {2, 3, 1}}}}}},
    {31, {{{{{0, 1, 1}, {1, 2, 0}}}, {{{3, 0, 2}, {0, 1, 1}}}, {{{2, 3, 3}, {3, 0, 2}}}, {{{1, 2, 0}, {2, 3, 3}}}}}},
    {79, {{{{{0, 1, 0}, {0, 3, 3}}}, {{{0, 3, 3}, {2, 3, 2}}}, {{{2, 3, 2}, {1, 2, 1}}}, {{{1, 2, 1}, {0, 1, 0}}}}}},
}};

int wholeTurnRemainder(int phase)
{
    return ((phase % FullTurn) + FullTurn) % FullTurn;
}

const FaceRing &turningRing(CubeAxis axis, const CubeRings &rings)
{
    switch (axis) {
    case AxisX: return rings.XRing;
    case AxisY: return rings.YRing;
    default: return rings.ZRing;
    }
}

// The two ends of the prism for one corner offset.
QPoint endA(CubeAxis axis, QPoint d, const CubeDimensions &m)
{
    switch (axis) {
    case AxisX: return {m.cx + 3 * m.u / 2 - d.x(), m.cy - m.h / 2 + d.y()};
    case AxisY: return {m.cx + 4 * m.u + d.x(), m.cy + d.y()};
    default: return {m.cx + d.x(), m.cy - 9 * m.h / 5 + d.y()};
    }
}

QPoint endB(CubeAxis axis, QPoint d, const CubeDimensions &m)
{
    switch (axis) {
    case AxisX: return {m.cx - 3 * m.u / 2 - d.x(), m.cy + m.h / 2 + d.y()};
    case AxisY: return {m.cx - 4 * m.u + d.x(), m.cy + d.y()};
    default: return {m.cx + d.x(), m.cy + 9 * m.h / 5 + d.y()};
    }
}

QPolygon DrawSideFace(CubeAxis axis, const CornerOffsets &d, int k1, int k2, const CubeDimensions &m)
{
    return QPolygon({endA(axis, d[k1], m), endB(axis, d[k1], m), endB(axis, d[k2], m), endA(axis, d[k2], m)});
}

// The end face shown is the one turned towards the viewer: the front face for
// x, the right one for y, the top for z.
FacePolygon endFace(CubeAxis axis, const CornerOffsets &d, const CubeRings &rings, const CubeDimensions &m)
{
    QPolygon corners;
    for (const QPoint &offset : d)
        corners << (axis == AxisX ? endB(axis, offset, m) : endA(axis, offset, m));
    switch (axis) {
    case AxisX: return {corners, rings.YRing[0]};
    case AxisY: return {corners, rings.XRing[0]};
    default: return {corners, rings.XRing[1]};
    }
}

} // namespace

CubeDimensions cubeDimensions(int screenWidth, QSize client)
{
    CubeDimensions m;
    m.CubeSize = screenWidth / 8.0;
    m.u = screenWidth / 80;
    m.h = screenWidth / 40;
    m.cx = client.width() / 6;
    m.cy = client.height() / 4;
    // A window too small for a picture still gets one pixel, never an empty image.
    m.bitmapSize = QSize(std::max(client.width() / 3 - 2, 1), std::max(client.height() / 2, 1));
    return m;
}

CornerOffsets ProjectCorners(CubeAxis axis, int phase, double cubeSize)
{
    const long double S = cubeSize;
    CornerOffsets offsets;
    for (int k = 0; k < 4; ++k) {
        // The angle is taken from a whole phase 0..399, so a corner's offset
        // depends only on where it stands: the picture after a step then
        // matches the step's last frame to the pixel.
        const long double theta = wholeTurnRemainder(phase + k * QuarterTurn) * Pi / 200;
        const long double cosine = std::cos(theta);
        const long double sine = std::sin(theta);
        switch (axis) {
        case AxisX:
            offsets[k] = QPoint(int(std::lrint(cosine * S / CosineRatio)), int(std::lrint(sine * S / 2)));
            break;
        case AxisY: {
            const float a = float(cosine * S / 4);
            const float b = float(sine * S / 2);
            offsets[k] = QPoint(int(std::lrint(0.9L * a)), -int(std::lrint(0.7L * a + b)));
            break;
        }
        case AxisZ: {
            const float a = float(cosine * S / CosineRatio);
            const float b = float(sine * S / 5);
            offsets[k] = QPoint(-int(std::lrint(1.3L * b + a)), int(std::lrint(b)));
            break;
        }
        }
    }
    return offsets;
}

std::array<FacePolygon, 3> framePolygons(CubeAxis axis, int phase, const CubeRings &rings,
                                         const CubeDimensions &dimensions)
{
    const CornerOffsets d = ProjectCorners(axis, phase, dimensions.CubeSize);
    const AxisView &view = Views[axis];
    const auto &sides = view.faces[wholeTurnRemainder(phase - view.rangeStart) / QuarterTurn];
    const FaceRing &ring = turningRing(axis, rings);
    std::array<FacePolygon, 3> faces;
    for (int i = 0; i < 2; ++i)
        faces[i] = {DrawSideFace(axis, d, sides[i].k1, sides[i].k2, dimensions), ring[sides[i].ringIndex]};
    faces[2] = endFace(axis, d, rings, dimensions);
    return faces;
}

QImage newCubeBitmap(const CubeDimensions &dimensions, qreal devicePixelRatio)
{
    QImage bitmap = ratioImage(dimensions.bitmapSize, devicePixelRatio);
    bitmap.fill(Qt::black);
    return bitmap;
}

void drawCubeFrame(QImage &CubeBitmap, CubeAxis axis, int phase, const CubeRings &rings,
                   const CubeDimensions &dimensions)
{
    QPainter painter(&CubeBitmap);
    // The whole picture is cleared: in a window narrower than one and a half
    // times its height a band at the bottom would otherwise keep old frames.
    painter.fillRect(QRect(QPoint(), dimensions.bitmapSize), Qt::black);
    const qreal offset = penOffset(CubeBitmap.devicePixelRatio());
    painter.translate(offset, offset);
    painter.setPen(QPen(Qt::white, 1));
    for (const FacePolygon &face : framePolygons(axis, phase, rings, dimensions)) {
        painter.setBrush(QColor(FaceColour(face.face)));
        painter.drawPolygon(face.corners);
    }
}
