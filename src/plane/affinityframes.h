#pragma once

#include "plane/screenmapping.h"
#include "plane/steppreparation.h"

#include <QPoint>
#include <array>

// The affinity x' = a x + b y + c, y' = a' x + b' y + c' is drawn in one go
// with the slot's coefficients (the store's layout: row 1 (c, a, b), row 2
// (c', a', b')). Any matrix is drawn, a singular one too: it flattens the
// figure onto a line or a point.
namespace AffinityFrames {

// A circle's image is an ellipse, drawn as one pixel per whole degree from
// 0 to 360, the first and last on the same point.
constexpr int CirclePixelCount = 361;
using CirclePixels = std::array<QPoint, CirclePixelCount>;

// The exact image, single precision. A circle records its centre's image
// and keeps its radius entries.
void image(const AffineMatrix &matrix, const StepFigure &figure, FigurePoints &image);
// The image relative to (0, 0), tenths of a unit, y downwards; a circle's
// centre alone.
void framePoints(const StepFigure &figure, const FigurePoints &image, FigurePoints &rel);
void circlePixels(const AffineMatrix &matrix, const StepFigure &figure, const ScreenMapping &mapping,
                  CirclePixels &pixels);

} // namespace AffinityFrames
