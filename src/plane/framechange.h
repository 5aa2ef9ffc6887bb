#pragma once

#include "plane/planepoints.h"
#include "plane/screenmapping.h"

// "Assi" mode: the figure stays and the coordinate frame moves. The frame is
// twelve points in pixels at 100% about the origin, y upwards: the two axes,
// their arrowheads and the anchors of their letters. The moved frame is the
// image of the fixed one under the step's own map, the map that carries the
// figure in "Figura" mode, so that the overlay compares a figure and a frame
// moved by the same transformation.
namespace FrameChange {

// Indices into the moving frame's points.
enum FramePoint {
    YAxisLow,
    YAxisHigh,
    XAxisLeft,
    XAxisRight,
    XArrowTip,
    XArrowWing1,
    XArrowWing2,
    YArrowTip,
    YArrowWing1,
    YArrowWing2,
    XLabel,
    YLabel,
};

// The frame in its normal place; w and h are the width and height of "X".
// Each letter's anchor is its top-left corner: "x" just under the positive
// x half-axis, "y" just right of the positive y half-axis.
FigurePoints axisPoints(int originY, int w, int h);

// The frame matrix of the step of `kind` (0..5) with a slot's parameters, as
// the store keeps it: row 1 (c, a, b), row 2 (c', a', b').
AffineMatrix matrix(int kind, const SlotParameters &parameters);

// The map x' = a x + b y + c, y' = a' x + b' y + c' that the step of `kind`
// (0..5) applies to a figure, in the same layout, grid units.
AffineMatrix stepMap(int kind, const SlotParameters &parameters);

// The frame's points carried by `map` (pixels at 100%, y upwards, into
// `image`) and their screen points. The map's constants are grid units and
// the points pixels, hence the factor 10.
ScreenPoints screenPoints(const FigurePoints &points, const AffineMatrix &map, const ScreenMapping &mapping,
                          FigurePoints &image);

} // namespace FrameChange
