#include "plane/dilationframes.h"

namespace DilationFrames {

namespace {

constexpr long double FactorStep = 0.05L;

void stretched(long double fx, long double fy, long double x, long double y, float &relX, float &relY)
{
    relX = float(roundToInt(10 * fx * x));
    relY = float(-roundToInt(10 * fy * y));
}

} // namespace

bool ended(const StepValues &values)
{
    return values.StepIndex > values.StepCount;
}

void framePoints(const StepValues &values, const StepFigure &figure, FigurePoints &rel)
{
    const long double fx = values.AnimFactorX;
    const long double fy = values.AnimFactorY;
    placeFramePoints(figure, rel, [fx, fy](long double x, long double y, float &relX, float &relY) {
        stretched(fx, fy, x, y, relX, relY);
    });
}

void advance(StepValues &values)
{
    // Factors 1 and 1 draw their one frame and stop: nothing to divide.
    if (values.DilationLargestDelta != 0) {
        const long double m = values.DilationLargestDelta;
        values.AnimFactorX = float(values.AnimFactorX + FactorStep * values.AnimDeltaX / m);
        values.AnimFactorY = float(values.AnimFactorY + FactorStep * values.AnimDeltaY / m);
    }
    ++values.StepIndex;
}

void image(const SlotParameters &parameters, const StepFigure &figure, FigurePoints &image)
{
    const float fx = parameters.DilationX;
    const float fy = parameters.DilationY;
    for (int i = 0; i <= figure.figureType; ++i) {
        image.x[i] = fx * figure.cur.x[i];
        image.y[i] = fy * figure.cur.y[i];
    }
    if (figure.isCircle) {
        const float x0 = figure.cur.x[0];
        const float y0 = figure.cur.y[0];
        const float r = figure.cur.x[1];
        const float r2 = figure.cur.y[1];
        image.x[1] = fx * (x0 - r);
        image.y[1] = fy * (y0 - r2);
        image.x[2] = fx * (x0 + r);
        image.y[2] = fy * (y0 + r2);
    }
}

} // namespace DilationFrames
