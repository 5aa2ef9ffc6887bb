#include "plane/steppreparation.h"

#include "plane/symmetryframes.h"

#include <algorithm>
#include <cmath>

namespace {

void prepareTranslation(const SlotParameters &p, StepValues &values)
{
    values.AnimDX = p.TranslationDX;
    values.AnimDY = p.TranslationDY;
    values.StepCount = std::max(std::abs(values.AnimDX), std::abs(values.AnimDY));
    values.AnimProgress = 0;
}

void prepareRotation(const SlotParameters &p, const StepFigure &figure, StepValues &values)
{
    values.AnimAngle = p.RotationAngle;
    values.AnimCentreX = p.RotationCentreX;
    values.AnimCentreY = p.RotationCentreY;
    for (int i = 0; i < std::min(figure.vertexCount(), VertexCount); ++i) {
        const long double dx = 10.0L * (values.AnimCentreX - figure.cur.x[i]);
        const long double dy = 10.0L * (values.AnimCentreY - figure.cur.y[i]);
        values.RotationRadii[i] = roundToInt(std::sqrt(dx * dx + dy * dy));
    }
    values.StepIndex = 0;
}

void prepareSymmetry(const SlotParameters &p, const StepFigure &figure, int originY, StepValues &values,
                     StepPoints &points)
{
    values.AnimDX = 0;
    values.AnimDY = 0;
    values.AnimAngle = 0;
    switch (p.SymmetryKind) {
    case 1:
        values.AnimDX = p.SymmetryCentreX;
        values.AnimAngle = 90;
        break;
    case 2:
        values.AnimDY = p.SymmetryCentreY;
        break;
    case 3:
        values.AnimAngle = 45;
        break;
    case 4:
        values.AnimAngle = 135;
        break;
    case 5:
        values.AnimAngle = p.SymmetryAxisAngle;
        values.AnimCentreY = p.SymmetryAxisQ;
        break;
    default:
        break;
    }
    SymmetryFrames::image(p, values, figure, points.image);
    SymmetryFrames::framePoints(values, figure, points.image, points.rel);
    AddCentreToPoints(points.rel, values.AnimCentreX, values.AnimCentreY, originY, points.work);
}

void prepareHomothety(const SlotParameters &p, StepValues &values)
{
    values.AnimProgress = 1.0f;
    values.StepIndex = 0;
    if (p.HomothetySign < 0)
        values.HomothetyDirection = 1;
    else
        values.HomothetyDirection = p.HomothetyRatio >= 1.0f ? 1 : -1;
}

void prepareDilation(const SlotParameters &p, StepValues &values)
{
    values.StepIndex = 0;
    values.AnimFactorX = 1.0f;
    values.AnimFactorY = 1.0f;
    values.AnimDeltaX = p.DilationX - 1;
    values.AnimDeltaY = p.DilationY - 1;
    values.DilationLargestDelta = std::max(std::abs(values.AnimDeltaX), std::abs(values.AnimDeltaY));
    values.StepCount = roundToInt(20.0L * values.DilationLargestDelta);
}

void prepareShear(const SlotParameters &p, StepValues &values)
{
    values.StepIndex = 0;
    values.AnimFactorX = 0;
    values.AnimFactorY = 0;
    const float k = p.ShearAxis == 1 ? p.ShearY : p.ShearX;
    values.StepCount = roundToInt(20.0L * std::abs(k));
}

} // namespace

void prepareStep(int kind, int slot, const SlotParameters &parameters, const StepFigure &figure, int originY,
                 StepValues &values, StepPoints &points)
{
    values.Slot = slot;
    values.AnimCentreX = 0;
    values.AnimCentreY = 0;
    switch (kind) {
    case Traslazione:
        prepareTranslation(parameters, values);
        break;
    case Rotazione:
        prepareRotation(parameters, figure, values);
        break;
    case Simmetria:
        prepareSymmetry(parameters, figure, originY, values, points);
        break;
    case Omotetia:
        prepareHomothety(parameters, values);
        break;
    case Dilatazione:
        prepareDilation(parameters, values);
        break;
    case Inclinazione:
        prepareShear(parameters, values);
        break;
    default:
        // An affinity is drawn from the store's coefficients as they stand.
        break;
    }
}
