#pragma once

#include "plane/planepoints.h"

// Where the letters A..D go beside a figure, in working coordinates. Each
// letter sits outside the figure as seen from its centroid; the vertices that
// are extreme in x or y are pushed fully outside on that side, so that a
// letter never lies on an edge of the figure.
struct LabelPositions {
    std::array<int, VertexCount> x{};
    std::array<int, VertexCount> y{};
};

// `vertexCount` vertices of `points` (1..4); w and h are the width and height
// of the letter "A" in pixels.
LabelPositions vertexLabelPositions(const FigurePoints &points, int vertexCount, int w, int h);
