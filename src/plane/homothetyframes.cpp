#include "plane/homothetyframes.h"

#include <cmath>
#include <cstdlib>

namespace HomothetyFrames {

namespace {

constexpr long double RatioStep = 0.05L;

// The image at ratio t of the grid point (x, y), tenths of a unit, y downwards.
void scaled(long double t, const SlotParameters &p, long double x, long double y, float &relX, float &relY)
{
    relX = float(roundToInt(10 * ((1 - t) * p.HomothetyCentreX + t * x)));
    relY = float(-roundToInt(10 * ((1 - t) * p.HomothetyCentreY + t * y)));
}

} // namespace

float signedRatio(const SlotParameters &parameters)
{
    return float(parameters.HomothetySign * parameters.HomothetyRatio);
}

int frameCount(const SlotParameters &parameters)
{
    return std::abs(20 - roundToInt(20.0L * signedRatio(parameters))) + 1;
}

bool ended(const StepValues &values, const SlotParameters &parameters)
{
    return values.StepIndex > frameCount(parameters) - 1;
}

void framePoints(const StepValues &values, const SlotParameters &parameters, const StepFigure &figure,
                 FigurePoints &rel)
{
    const long double t = values.AnimProgress;
    placeFramePoints(figure, rel, [t, &parameters](long double x, long double y, float &relX, float &relY) {
        scaled(t, parameters, x, y, relX, relY);
    });
}

void advance(StepValues &values, const SlotParameters &parameters)
{
    values.AnimProgress =
        float(values.AnimProgress + values.HomothetyDirection * RatioStep * parameters.HomothetySign);
    ++values.StepIndex;
}

void image(const SlotParameters &parameters, const StepFigure &figure, FigurePoints &image)
{
    const float k = signedRatio(parameters);
    const float cx = float(parameters.HomothetyCentreX);
    const float cy = float(parameters.HomothetyCentreY);
    for (int i = 0; i <= figure.figureType; ++i) {
        image.x[i] = cx + (figure.cur.x[i] - cx) * k;
        image.y[i] = cy + (figure.cur.y[i] - cy) * k;
    }
    if (figure.isCircle) {
        image.x[1] = std::abs(k) * figure.cur.x[1];
        image.y[1] = std::abs(k) * figure.cur.y[1];
    }
}

} // namespace HomothetyFrames
