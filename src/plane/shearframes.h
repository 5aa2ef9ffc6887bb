#pragma once

#include "plane/screenmapping.h"
#include "plane/steppreparation.h"

#include <QPoint>
#include <array>

// The shear moves x by sigma a y (along x) or y by sigma b x (along y),
// letting the coefficient (AnimFactorX = a or AnimFactorY = b, single
// precision) grow from 0 by 0.05 per frame: StepCount + 1 frames, with
// StepCount = round(20 |k|). sigma is +1 for ShearSign 0 and -1 for 1.
namespace ShearFrames {

// One pixel per whole degree: a sheared circle is an ellipse, drawn as
// separate pixels that leave gaps where it is long.
constexpr int CirclePixelCount = 360;
using CirclePixels = std::array<QPoint, CirclePixelCount>;

int sign(const SlotParameters &parameters);
bool ended(const StepValues &values);
// The frame at the present coefficients, relative to (0, 0). A circle gives
// its centre alone; its outline is circlePixels().
void framePoints(const StepValues &values, const SlotParameters &parameters, const StepFigure &figure,
                 FigurePoints &rel);
// The sheared circle's pixels at the present coefficients, degree 0 first.
void circlePixels(const StepValues &values, const SlotParameters &parameters, const StepFigure &figure,
                  const ScreenMapping &mapping, CirclePixels &pixels);
void advance(StepValues &values, const SlotParameters &parameters);
// The exact image with the slot's coefficient, unrounded: (2, 3) sheared by
// 0.5 along x ends at (3.5, 3). A circle records its centre's image and
// keeps its radius entries.
void image(const SlotParameters &parameters, const StepFigure &figure, FigurePoints &image);

} // namespace ShearFrames
