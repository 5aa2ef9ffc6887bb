#pragma once

#include "space/cubemodel.h"

#include <QImage>
#include <QPolygon>
#include <QSize>

// Sizes of the cube pictures, fixed once per window from the screen width
// and the window's client size. Each axis has its own oblique view: a prism
// along a fixed direction of the picture whose square cross-section turns.
struct CubeDimensions {
    double CubeSize = 0; // S, pixels
    int u = 0;
    int h = 0;
    int cx = 0; // the cube's centre inside CubeBitmap
    int cy = 0;
    QSize bitmapSize;
};

CubeDimensions cubeDimensions(int screenWidth, QSize client);

// Offsets of the four corners of the turning cross-section at a phase.
using CornerOffsets = std::array<QPoint, 4>;
CornerOffsets ProjectCorners(CubeAxis axis, int phase, double cubeSize);

struct FacePolygon {
    QPolygon corners;
    int face = 0;
};

// The faces of one frame in drawing order: the two visible side faces, then
// the end face on top.
std::array<FacePolygon, 3> framePolygons(CubeAxis axis, int phase, const CubeRings &rings,
                                         const CubeDimensions &dimensions);

// The black picture of one third, `devicePixelRatio` image pixels per
// program pixel each way.
QImage newCubeBitmap(const CubeDimensions &dimensions, qreal devicePixelRatio = 1);

// The whole picture of one frame: black, the faces filled with their colours
// and outlined in white.
void drawCubeFrame(QImage &CubeBitmap, CubeAxis axis, int phase, const CubeRings &rings,
                   const CubeDimensions &dimensions);
