#pragma once

#include "plane/steppreparation.h"

// The dilation stretches x by DilationX and y by DilationY, letting both
// factors (AnimFactorX, AnimFactorY, single precision) grow from 1 together
// so that the larger change takes 0.05 per frame: StepCount + 1 frames.
namespace DilationFrames {

bool ended(const StepValues &values);
// The frame at the present factors, relative to (0, 0). A circle gives its
// centre (entry 0) and the corners of its box (X0 - R, Y0 - R') and
// (X0 + R, Y0 + R') (entries 1 and 2): an ellipse once the factors differ.
void framePoints(const StepValues &values, const StepFigure &figure, FigurePoints &rel);
void advance(StepValues &values);
// The exact image, the single-precision products DilationX x and DilationY y:
// the texts show what the last frame draws (3 x 1.5 is 4.5). A circle keeps
// its centre's image in entry 0 and the images of its box's corners in
// entries 1 and 2, the same corners its frames are drawn in.
void image(const SlotParameters &parameters, const StepFigure &figure, FigurePoints &image);

} // namespace DilationFrames
