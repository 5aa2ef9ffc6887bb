#pragma once

#include "plane/planecanvas.h"

#include <QRgb>
#include <QString>

// How the images of a lesson are told apart. Off, as the workspace starts,
// a first step's images are aqua and a second's lime, lettered A, B, C, D like
// the figure. On, a first step's letters take a prime (A′) and a second's two
// (A″), and each run of a one-transformation lesson takes the next colour of
// a palette that stays apart on a washed-out projector.
namespace ImageMarks {

// Saturated hues far from each other and from the white figure and the grey
// traces; aqua and lime first, as without the marks.
inline constexpr QRgb Palette[] = {PlaneColour::Aqua, PlaneColour::Lime, PlaneColour::Yellow, PlaneColour::Magenta,
                                   PlaneColour::Orange};

// The colour of an image drawn by the step now running: `firstStep` as the
// lesson flow tells it, `run` the one-transformation runs already drawn
// since the drawing was last cleared.
QRgb colour(bool marked, bool firstStep, int transformCount, int run);

// What follows the letters of an image: nothing unmarked, "′" or "″".
QString suffix(bool marked, bool firstStep);

} // namespace ImageMarks
