#include "plane/shearframes.h"

#include <cmath>
#include <numbers>

namespace ShearFrames {

namespace {

constexpr long double CoefficientStep = 0.05L;
constexpr long double DegreesToRadians = std::numbers::pi_v<long double> / 180;

} // namespace

int sign(const SlotParameters &parameters)
{
    return parameters.ShearSign == 1 ? -1 : 1;
}

bool ended(const StepValues &values)
{
    return values.StepIndex > values.StepCount;
}

void framePoints(const StepValues &values, const SlotParameters &parameters, const StepFigure &figure,
                 FigurePoints &rel)
{
    const int s = sign(parameters);
    const long double a = values.AnimFactorX;
    const long double b = values.AnimFactorY;
    for (int i = 0; i <= figure.last(); ++i) {
        const long double x = figure.cur.x[i];
        const long double y = figure.cur.y[i];
        rel.x[i] = float(roundToInt(10 * x + 10 * s * a * y));
        rel.y[i] = float(-roundToInt(10 * y + 10 * s * b * x));
    }
    repeatLastVertex(rel, figure.last());
}

void circlePixels(const StepValues &values, const SlotParameters &parameters, const StepFigure &figure,
                  const ScreenMapping &mapping, CirclePixels &pixels)
{
    const int s = sign(parameters);
    const long double a = values.AnimFactorX;
    const long double b = values.AnimFactorY;
    const long double x0 = figure.cur.x[0];
    const long double y0 = figure.cur.y[0];
    const long double r = figure.cur.x[1];
    const long double r2 = figure.cur.y[1];
    for (int j = 0; j < CirclePixelCount; ++j) {
        const long double angle = j * DegreesToRadians;
        // The point of the circle is kept in single precision, unrounded, in
        // pixels at 100% about the origin with y downwards; the shear is
        // applied to it there.
        const float x = float(10 * (x0 + r * std::cos(angle)));
        const float y = float(-10 * (y0 + r2 * std::sin(angle)));
        pixels[size_t(j)] = mapping.fromFramePixels(x - s * a * y, y - s * b * x);
    }
}

void advance(StepValues &values, const SlotParameters &parameters)
{
    if (parameters.ShearAxis == 0)
        values.AnimFactorX = float(values.AnimFactorX + CoefficientStep);
    else
        values.AnimFactorY = float(values.AnimFactorY + CoefficientStep);
    ++values.StepIndex;
}

void image(const SlotParameters &parameters, const StepFigure &figure, FigurePoints &image)
{
    // The coefficient of the axis the frames shear along; the dialog leaves
    // the other one 0.
    const float s = float(sign(parameters));
    const float a = parameters.ShearAxis == 0 ? s * parameters.ShearX : 0.0f;
    const float b = parameters.ShearAxis == 1 ? s * parameters.ShearY : 0.0f;
    for (int i = 0; i <= figure.figureType; ++i) {
        image.x[i] = figure.cur.x[i] + a * figure.cur.y[i];
        image.y[i] = figure.cur.y[i] + b * figure.cur.x[i];
    }
    if (figure.isCircle) {
        image.x[1] = figure.cur.x[1];
        image.y[1] = figure.cur.y[1];
    }
}

} // namespace ShearFrames
