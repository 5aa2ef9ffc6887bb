#include "plane/steppreparation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr long double DegreesToRadians = std::numbers::pi_v<long double> / 180;

void prepareTranslation(int slot, StepValues &values)
{
    values.AnimDX = TransformSettings.TranslationDX[slot];
    values.AnimDY = TransformSettings.TranslationDY[slot];
    values.StepCount = std::max(std::abs(values.AnimDX), std::abs(values.AnimDY));
    values.AnimProgress = 0;
}

void prepareRotation(int slot, const StepFigure &figure, StepValues &values)
{
    values.AnimAngle = TransformSettings.RotationAngle[slot];
    values.AnimCentreX = TransformSettings.RotationCentreX[slot];
    values.AnimCentreY = TransformSettings.RotationCentreY[slot];
    for (int i = 0; i < std::min(figure.vertexCount(), VertexCount); ++i) {
        const long double dx = 10.0L * (values.AnimCentreX - figure.cur.x[i]);
        const long double dy = 10.0L * (values.AnimCentreY - figure.cur.y[i]);
        values.RotationRadii[i] = roundToInt(std::sqrt(dx * dx + dy * dy));
    }
    values.StepIndex = 0;
}

// The image of a point under the slot's symmetry, grid units.
void reflect(int slot, long double x, long double y, const StepValues &values, long double &rx, long double &ry)
{
    const TransformSettingsValues &s = TransformSettings;
    switch (s.SymmetryKind[slot]) {
    case 0:
        rx = 2.0L * s.SymmetryCentreX[slot] - x;
        ry = 2.0L * s.SymmetryCentreY[slot] - y;
        break;
    case 1:
        rx = 2.0L * s.SymmetryCentreX[slot] - x;
        ry = y;
        break;
    case 2:
        rx = x;
        ry = 2.0L * s.SymmetryCentreY[slot] - y;
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

void prepareSymmetry(int slot, const StepFigure &figure, int originY, StepValues &values, StepPoints &points)
{
    FigurePoints &image = points.image;
    FigurePoints &rel = points.rel;
    const TransformSettingsValues &s = TransformSettings;
    values.AnimDX = 0;
    values.AnimDY = 0;
    values.AnimAngle = 0;
    switch (s.SymmetryKind[slot]) {
    case 1:
        values.AnimDX = s.SymmetryCentreX[slot];
        values.AnimAngle = 90;
        break;
    case 2:
        values.AnimDY = s.SymmetryCentreY[slot];
        break;
    case 3:
        values.AnimAngle = 45;
        break;
    case 4:
        values.AnimAngle = 135;
        break;
    case 5:
        values.AnimAngle = s.SymmetryAxisAngle[slot];
        values.AnimCentreY = s.SymmetryAxisQ[slot];
        break;
    default:
        break;
    }
    for (int i = 0; i <= figure.last(); ++i) {
        long double rx = 0;
        long double ry = 0;
        reflect(slot, figure.cur.x[i], figure.cur.y[i], values, rx, ry);
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

void prepareHomothety(int slot, StepValues &values)
{
    values.AnimProgress = 1.0f;
    values.StepIndex = 0;
    if (TransformSettings.HomothetySign[slot] < 0)
        values.HomothetyDirection = 1;
    else
        values.HomothetyDirection = TransformSettings.HomothetyRatio[slot] >= 1.0f ? 1 : -1;
}

void prepareDilation(int slot, StepValues &values)
{
    values.StepIndex = 0;
    values.AnimFactorX = 1.0f;
    values.AnimFactorY = 1.0f;
    values.AnimDeltaX = TransformSettings.DilationX[slot] - 1;
    values.AnimDeltaY = TransformSettings.DilationY[slot] - 1;
    values.DilationLargestDelta = std::max(std::abs(values.AnimDeltaX), std::abs(values.AnimDeltaY));
    values.StepCount = roundToInt(20.0L * values.DilationLargestDelta);
}

void prepareShear(int slot, StepValues &values)
{
    values.StepIndex = 0;
    values.AnimFactorX = 0;
    values.AnimFactorY = 0;
    const float k = TransformSettings.ShearAxis == 1 ? TransformSettings.ShearY[slot] : TransformSettings.ShearX[slot];
    values.StepCount = roundToInt(20.0L * std::abs(k));
}

} // namespace

void prepareStep(int kind, int slot, const StepFigure &figure, int originY, StepValues &values, StepPoints &points)
{
    values.Slot = slot;
    values.AnimCentreX = 0;
    values.AnimCentreY = 0;
    switch (kind) {
    case Traslazione:
        prepareTranslation(slot, values);
        break;
    case Rotazione:
        prepareRotation(slot, figure, values);
        break;
    case Simmetria:
        prepareSymmetry(slot, figure, originY, values, points);
        break;
    case Omotetia:
        prepareHomothety(slot, values);
        break;
    case Dilatazione:
        prepareDilation(slot, values);
        break;
    case Inclinazione:
        prepareShear(slot, values);
        break;
    default:
        // An affinity is drawn from the store's coefficients as they stand.
        break;
    }
}
