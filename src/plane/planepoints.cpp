#include "plane/planepoints.h"

void AddCentreToPoints(const FigurePoints &rel, int centreX, int centreY, int originY, FigurePoints &work)
{
    for (int i = 0; i < VertexCount; ++i) {
        work.x[i] = float(10 * centreX + rel.x[i]);
        work.y[i] = float(originY + rel.y[i] - 10 * centreY);
    }
    for (int i = VertexCount; i < 10; ++i) {
        work.x[i] = float(roundToInt((10.0L * centreX + rel.x[i]) / 10));
        work.y[i] = float(roundToInt((rel.y[i] - 10.0L * centreY) / 10 + originY));
    }
}

void AddCentreToPointsRelative(const FigurePoints &rel, int centreX, int centreY, FigurePoints &work)
{
    for (int i = 0; i < FigurePointCount; ++i) {
        work.x[i] = float(10 * centreX + rel.x[i]);
        work.y[i] = float(rel.y[i] - 10 * centreY);
    }
}

QString coordinateText(float value)
{
    // Rounding errors leave points on an axis a hair below zero; they are
    // shown as the zero they are.
    if (std::abs(value) < 0.05f)
        value = 0;
    return QString::number(value, 'f', 1).left(5);
}
