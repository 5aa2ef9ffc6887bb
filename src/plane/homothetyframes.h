#pragma once

#include "plane/steppreparation.h"

// The homothety lets the ratio t run from 1 to the signed ratio k in steps
// of 0.05 (AnimProgress, summed in single precision), N + 1 frames with
// N = |20 - round(20 k)|. A negative k takes t through 0, where the whole
// figure lies on the centre, to the reflected side.
namespace HomothetyFrames {

// k = sign x ratio, in single precision.
float signedRatio(const SlotParameters &parameters);
int frameCount(const SlotParameters &parameters);
bool ended(const StepValues &values, const SlotParameters &parameters);
// The frame at ratio t about the centre, relative to (0, 0). A circle moves
// its centre (entry 0) and the corners of its box (X0 - R, Y0 - R') and
// (X0 + R, Y0 + R') (entries 1 and 2), so that its size follows |t|.
void framePoints(const StepValues &values, const SlotParameters &parameters, const StepFigure &figure,
                 FigurePoints &rel);
void advance(StepValues &values, const SlotParameters &parameters);
// The exact image. A circle's radius entries become |k| times the radius: a
// radius is a length, whatever the sign of the ratio.
void image(const SlotParameters &parameters, const StepFigure &figure, FigurePoints &image);

} // namespace HomothetyFrames
