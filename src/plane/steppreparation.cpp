#include "plane/steppreparation.h"

#include "plane/symmetryframes.h"

#include <algorithm>
#include <cmath>
#include <optional>

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

// A circle's radius along x and along y, in grid units.
struct HalfAxes {
    float x;
    float y;
};

// The affinity carries the radii r along x and r' along y to half-axes along
// the axes when it moves neither axis off itself (b = a' = 0), and keeps a
// circle a circle when it is a similarity: its columns (a, a') and (b, b')
// perpendicular and of one length. Exact comparisons: a rotation typed as
// cosines and sines meets them exactly, whatever their rounding.
std::optional<HalfAxes> affineHalfAxes(const AffineMatrix &m, float r, float r2)
{
    const float a = m[0][1];
    const float b = m[0][2];
    const float a2 = m[1][1];
    const float b2 = m[1][2];
    if (b == 0 && a2 == 0)
        return HalfAxes{std::abs(a) * r, std::abs(b2) * r2};
    if (r == r2 && a * b + a2 * b2 == 0 && a * a + a2 * a2 == b * b + b2 * b2) {
        const float radius = std::sqrt(a * a + a2 * a2) * r;
        return HalfAxes{radius, radius};
    }
    return std::nullopt;
}

std::optional<HalfAxes> circleImageHalfAxes(int kind, const SlotParameters &p, const FigurePoints &image)
{
    switch (kind) {
    case Dilatazione:
        // Its image holds the corners of the ellipse's box in entries 1 and 2.
        return HalfAxes{(image.x[2] - image.x[1]) / 2, (image.y[2] - image.y[1]) / 2};
    case Inclinazione:
        return std::nullopt;
    case Affinita:
        return affineHalfAxes(p.AffineCoeff, image.x[1], image.y[1]);
    default:
        return HalfAxes{image.x[1], image.y[1]};
    }
}

} // namespace

ImageTexts imageTexts(int kind, const SlotParameters &parameters, const StepFigure &figure, const FigurePoints &image)
{
    ImageTexts texts;
    for (int i = 0; i <= figure.last(); ++i) {
        texts.x[i] = coordinateText(image.x[i]);
        texts.y[i] = coordinateText(image.y[i]);
    }
    if (!figure.isCircle)
        return texts;
    if (const std::optional<HalfAxes> radius = circleImageHalfAxes(kind, parameters, image)) {
        texts.x[1] = coordinateText(radius->x);
        texts.y[1] = coordinateText(radius->y);
    }
    return texts;
}

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
