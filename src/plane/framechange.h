#pragma once

#include "plane/planepoints.h"
#include "plane/screenmapping.h"

// "Assi" mode: the figure stays and the coordinate frame moves. The frame is
// twelve points in pixels at 100% about the origin, y upwards: the two axes,
// their arrowheads and the anchors of their letters.
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
FigurePoints axisPoints(int originY, int w, int h);

// The matrix of the step of `kind` (0..5) with a slot's parameters, in the
// store's layout: row 1 (c, a, b), row 2 (c', a', b').
AffineMatrix matrix(int kind, const SlotParameters &parameters);

// The moved frame's screen points. The matrix's constants are grid units and
// the points pixels, hence the factor 10.
ScreenPoints screenPoints(const FigurePoints &points, const AffineMatrix &matrix, const ScreenMapping &mapping,
                          FigurePoints &image);

} // namespace FrameChange
