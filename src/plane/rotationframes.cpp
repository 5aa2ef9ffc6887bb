#include "plane/rotationframes.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace RotationFrames {

namespace {

constexpr long double DegreesToRadians = std::numbers::pi_v<long double> / 180;

} // namespace

bool ended(const StepValues &values)
{
    return std::abs(values.AnimAngle) < std::abs(values.StepIndex);
}

void framePoints(const StepValues &values, const StepFigure &figure, FigurePoints &rel)
{
    const long double theta = values.StepIndex * DegreesToRadians;
    const long double c = std::cos(theta);
    const long double s = std::sin(theta);
    for (int i = 0; i <= figure.last(); ++i) {
        const long double x = figure.cur.x[i] - values.AnimCentreX;
        const long double y = figure.cur.y[i] - values.AnimCentreY;
        rel.x[i] = float(roundToInt(10 * (x * c - y * s)));
        rel.y[i] = float(-roundToInt(10 * (x * s + y * c)));
    }
    repeatLastVertex(rel, figure.last());
}

void advance(StepValues &values)
{
    values.StepIndex += values.AnimAngle >= 1 ? 1 : -1;
}

void image(const StepValues &values, const StepFigure &figure, FigurePoints &image)
{
    const long double angle = values.AnimAngle * DegreesToRadians;
    const long double c = std::cos(angle);
    const long double s = std::sin(angle);
    // A circle turns its centre only; its radius entries stay as they are.
    for (int i = 0; i <= figure.figureType; ++i) {
        image.x[i] = figure.cur.x[i];
        image.y[i] = figure.cur.y[i];
    }
    for (int i = 0; i <= figure.last(); ++i) {
        const long double x = figure.cur.x[i] - values.AnimCentreX;
        const long double y = figure.cur.y[i] - values.AnimCentreY;
        image.x[i] = float(values.AnimCentreX + x * c - y * s);
        image.y[i] = float(values.AnimCentreY + x * s + y * c);
    }
}

} // namespace RotationFrames
