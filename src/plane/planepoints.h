#pragma once

#include "transform/transformsettings.h"

#include <QString>
#include <array>
#include <cmath>

// Rounding to the nearest integer, ties to even, as the workspace rounds
// every real that becomes a pixel or a working coordinate. The arguments are
// extended reals so that sums of singles are rounded as computed, not after a
// second rounding to double.
inline int roundToInt(long double value)
{
    return int(std::lrint(value));
}

// Twelve singles per coordinate: entries 0..3 are the vertices A..D, the rest
// auxiliary points (the moving frame uses all twelve).
using PointArray = std::array<float, FigurePointCount>;

struct FigurePoints {
    PointArray x{};
    PointArray y{};
};

// Integer screen points of one frame; the change of frame draws all twelve.
struct ScreenPoints {
    std::array<int, FigurePointCount> x{};
    std::array<int, FigurePointCount> y{};
};

// Index of the last vertex a drawing routine works on: a circle keeps its
// centre alone in entry 0, the radius in entry 1.
inline int lastVertex(int figureType, bool isCircle)
{
    return isCircle ? 0 : figureType;
}

// Entries above `last` up to D repeat vertex `last`, so the closed polyline
// A, B, C, D, A degenerates gracefully for points, segments and triangles.
// Points is FigurePoints or ScreenPoints.
template <typename Points>
void repeatLastVertex(Points &points, int last)
{
    for (int i = last + 1; i < VertexCount; ++i) {
        points.x[i] = points.x[last];
        points.y[i] = points.y[last];
    }
}

// RelX/RelY are tenths of a grid unit, y growing downwards, relative to the
// centre (grid units). The vertices become working coordinates (absolute rows
// at 100%); the auxiliary points 4..9 grid-sized ones, rounded.
void AddCentreToPoints(const FigurePoints &rel, int centreX, int centreY, int originY, FigurePoints &work);
// The same for all twelve points, without the origin row and unrounded.
void AddCentreToPointsRelative(const FigurePoints &rel, int centreX, int centreY, FigurePoints &work);

// A coordinate as the data table shows it: one decimal, at most 5 characters.
QString coordinateText(float value);
