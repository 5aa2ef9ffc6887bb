#include "plane/translationframes.h"

namespace TranslationFrames {

bool ended(const StepValues &values)
{
    return values.StepCount < values.AnimProgress || values.StepCount == 0;
}

void framePoints(const StepValues &values, const StepFigure &figure, FigurePoints &rel)
{
    // With no vector there is no frame to draw, but the points of the figure
    // itself still label it at the end.
    const long double t = values.StepCount == 0 ? 0 : values.AnimProgress / (long double)values.StepCount;
    const long double shiftX = values.AnimDX * t;
    const long double shiftY = values.AnimDY * t;
    for (int i = 0; i <= figure.figureType; ++i) {
        rel.x[i] = float(roundToInt(10 * (shiftX + figure.cur.x[i])));
        rel.y[i] = float(-roundToInt(10 * (shiftY + figure.cur.y[i])));
    }
    repeatLastVertex(rel, figure.figureType);
}

void advance(StepValues &values)
{
    values.AnimProgress = float(values.AnimProgress + 0.1L);
}

void image(const StepValues &values, const StepFigure &figure, FigurePoints &image)
{
    for (int i = 0; i <= figure.figureType; ++i) {
        image.x[i] = figure.cur.x[i] + values.AnimDX;
        image.y[i] = figure.cur.y[i] + values.AnimDY;
    }
    if (figure.isCircle) {
        image.x[1] = figure.cur.x[1];
        image.y[1] = figure.cur.y[1];
    }
}

} // namespace TranslationFrames
