#include "plane/symmetryframes.h"

#include <cmath>
#include <numbers>

namespace SymmetryFrames {

namespace {

constexpr long double DegreesToRadians = std::numbers::pi_v<long double> / 180;

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

} // namespace

void image(const SlotParameters &parameters, const StepValues &values, const StepFigure &figure,
           FigurePoints &image)
{
    for (int i = 0; i <= figure.figureType; ++i) {
        image.x[i] = figure.cur.x[i];
        image.y[i] = figure.cur.y[i];
    }
    for (int i = 0; i <= figure.last(); ++i) {
        long double rx = 0;
        long double ry = 0;
        reflect(parameters, figure.cur.x[i], figure.cur.y[i], values, rx, ry);
        image.x[i] = float(rx);
        image.y[i] = float(ry);
    }
}

void framePoints(const StepValues &values, const StepFigure &figure, const FigurePoints &image, FigurePoints &rel)
{
    for (int i = 0; i <= figure.last(); ++i) {
        rel.x[i] = float(roundToInt(10.0L * image.x[i]));
        rel.y[i] = float(-roundToInt(10.0L * (image.y[i] - values.AnimCentreY)));
    }
    repeatLastVertex(rel, figure.last());
}

bool showsCentre(const SlotParameters &parameters)
{
    return parameters.SymmetryKind == 0;
}

QLine axis(const StepValues &values, const ScreenMapping &mapping)
{
    return mapping.axisThrough(values.AnimDX, values.AnimCentreY + values.AnimDY, values.AnimAngle);
}

} // namespace SymmetryFrames
