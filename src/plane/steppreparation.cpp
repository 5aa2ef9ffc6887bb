#include "plane/steppreparation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr long double DegreesToRadians = std::numbers::pi_v<long double> / 180;

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

// The image of a point under the slot's symmetry, grid units.
void reflect(const SlotParameters &p, long double x, long double y, const StepValues &values, long double &rx,
             long double &ry)
{
    switch (p.SymmetryKind) {
    case 0:
        rx = 2.0L * p.SymmetryCentreX - x;
        ry = 2.0L * p.SymmetryCentreY - y;
        break;
    case 1:
        rx = 2.0L * p.SymmetryCentreX - x;
        ry = y;
        break;
    case 2:
        rx = x;
        ry = 2.0L * p.SymmetryCentreY - y;
        break;
    case 3:
        rx = y;
        ry = x;
        break;
    case 4:
        rx = -y;
        ry = -x;
        break;
    default: {
        const long double twice = 2 * values.AnimAngle * DegreesToRadians;
        const long double q = values.AnimCentreY;
        rx = x * std::cos(twice) + (y - q) * std::sin(twice);
        ry = x * std::sin(twice) - (y - q) * std::cos(twice) + q;
        break;
    }
    }
}

void prepareSymmetry(const SlotParameters &p, const StepFigure &figure, int originY, StepValues &values,
                     StepPoints &points)
{
    FigurePoints &image = points.image;
    FigurePoints &rel = points.rel;
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
    for (int i = 0; i <= figure.last(); ++i) {
        long double rx = 0;
        long double ry = 0;
        reflect(p, figure.cur.x[i], figure.cur.y[i], values, rx, ry);
        image.x[i] = float(rx);
        image.y[i] = float(ry);
        rel.x[i] = float(roundToInt(10.0L * image.x[i]));
        rel.y[i] = float(-roundToInt(10.0L * (image.y[i] - values.AnimCentreY)));
    }
    if (figure.isCircle) {
        image.x[1] = figure.cur.x[1];
        image.y[1] = figure.cur.y[1];
    }
    AddCentreToPoints(rel, values.AnimCentreX, values.AnimCentreY, originY, points.work);
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
