#pragma once

#include "plane/screenmapping.h"
#include "plane/steppreparation.h"

// The symmetry is drawn in one go, not animated: the image is computed when
// the step is prepared and drawn at once, with the joins from each vertex to
// its image and the centre or axis when the slot asks for them.
namespace SymmetryFrames {

// The exact image, grid units. A circle reflects its centre only; its radius
// entries stay as they are. `values` holds q of y = m x + q in AnimCentreY
// and the axis's angle in AnimAngle, as the preparation sets them.
void image(const SlotParameters &parameters, const StepValues &values, const StepFigure &figure,
           FigurePoints &image);
// The image relative to the centre (0, AnimCentreY), tenths of a unit, y
// downwards.
void framePoints(const StepValues &values, const StepFigure &figure, const FigurePoints &image, FigurePoints &rel);
// A symmetry about a point shows the point; every other kind its axis.
bool showsCentre(const SlotParameters &parameters);
// The axis on the screen: through (AnimDX, AnimCentreY + AnimDY) at AnimAngle.
QLine axis(const StepValues &values, const ScreenMapping &mapping);

} // namespace SymmetryFrames
