#include "plane/affinityframes.h"

#include <cmath>
#include <numbers>

namespace AffinityFrames {

namespace {

constexpr long double DegreesToRadians = std::numbers::pi_v<long double> / 180;

float mappedX(const AffineMatrix &m, float x, float y)
{
    return m[0][2] * y + m[0][1] * x + m[0][0];
}

float mappedY(const AffineMatrix &m, float x, float y)
{
    return m[1][2] * y + m[1][1] * x + m[1][0];
}

} // namespace

void image(const AffineMatrix &matrix, const StepFigure &figure, FigurePoints &image)
{
    for (int i = 0; i <= figure.figureType; ++i) {
        image.x[i] = mappedX(matrix, figure.cur.x[i], figure.cur.y[i]);
        image.y[i] = mappedY(matrix, figure.cur.x[i], figure.cur.y[i]);
    }
    if (figure.isCircle) {
        image.x[1] = figure.cur.x[1];
        image.y[1] = figure.cur.y[1];
    }
}

void framePoints(const StepFigure &figure, const FigurePoints &image, FigurePoints &rel)
{
    for (int i = 0; i <= figure.last(); ++i) {
        rel.x[i] = float(roundToInt(10.0L * image.x[i]));
        rel.y[i] = float(-roundToInt(10.0L * image.y[i]));
    }
    repeatLastVertex(rel, figure.last());
}

void circlePixels(const AffineMatrix &matrix, const StepFigure &figure, const ScreenMapping &mapping,
                  CirclePixels &pixels)
{
    const long double x0 = figure.cur.x[0];
    const long double y0 = figure.cur.y[0];
    const long double r = figure.cur.x[1];
    for (int j = 0; j < CirclePixelCount; ++j) {
        const long double angle = j * DegreesToRadians;
        const long double px = x0 + r * std::cos(angle);
        const long double py = y0 + r * std::sin(angle);
        const long double x = matrix[0][1] * px + matrix[0][2] * py + matrix[0][0];
        const long double y = matrix[1][1] * px + matrix[1][2] * py + matrix[1][0];
        // Kept unrounded in single precision, relative to the origin, then
        // made working coordinates.
        const float relX = float(10 * x);
        const float relY = float(-10 * y);
        pixels[size_t(j)] = mapping.fromWorking(relX, float(mapping.originY() + relY));
    }
}

} // namespace AffinityFrames
