#pragma once

#include "plane/steppreparation.h"

// The translation slides the figure along its vector in tenths of the longer
// component: the progress t runs 0, 0.1, 0.2, ... as long as t <= StepCount.
// It is summed in single precision, so 10 N or 10 N + 1 frames are drawn (31
// for N = 3, 10 for N = 1: the eleventh sum lies just above 1).
namespace TranslationFrames {

bool ended(const StepValues &values);
// The frame at the present progress, relative to the centre (0, 0).
void framePoints(const StepValues &values, const StepFigure &figure, FigurePoints &rel);
void advance(StepValues &values);
// The exact image: the last frame may stop short of the vector.
void image(const StepValues &values, const StepFigure &figure, FigurePoints &image);

} // namespace TranslationFrames
