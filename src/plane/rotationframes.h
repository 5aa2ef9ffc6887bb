#pragma once

#include "plane/steppreparation.h"

// The rotation turns the figure about its centre one whole degree per frame:
// the current angle StepIndex runs 0, ±1, ... up to AnimAngle, |AnimAngle| + 1
// frames in all.
namespace RotationFrames {

bool ended(const StepValues &values);
// The frame at the current angle, relative to the centre (AnimCentreX,
// AnimCentreY); a circle turns its centre only.
void framePoints(const StepValues &values, const StepFigure &figure, FigurePoints &rel);
void advance(StepValues &values);
// The exact image, unrounded.
void image(const StepValues &values, const StepFigure &figure, FigurePoints &image);

} // namespace RotationFrames
