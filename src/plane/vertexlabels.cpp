#include "plane/vertexlabels.h"

LabelPositions vertexLabelPositions(const FigurePoints &points, int vertexCount, int w, int h)
{
    int sumX = 0;
    int sumY = 0;
    for (int i = 0; i < vertexCount; ++i) {
        sumX += roundToInt(points.x[i]);
        sumY += roundToInt(points.y[i]);
    }
    const int centroidX = sumX / vertexCount;
    const int centroidY = sumY / vertexCount;

    // A letter is written from its top-left corner: 3w/2 to the left leaves a
    // gap of w/2 before the vertex, as w/2 to the right does after it.
    const long double left = 3.0L * w / 2;
    const long double right = w / 2.0L;
    const long double above = 3.0L * h / 2;

    LabelPositions labels;
    int minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int i = 0; i < vertexCount; ++i) {
        const float x = points.x[i];
        const float y = points.y[i];
        labels.x[i] = roundToInt(centroidX > x ? x - left : x + right);
        labels.y[i] = roundToInt(centroidY > y ? y - h : (long double)y);
        // Ties keep the earlier vertex.
        if (x < points.x[minX])
            minX = i;
        if (x > points.x[maxX])
            maxX = i;
        if (y < points.y[minY])
            minY = i;
        if (y > points.y[maxY])
            maxY = i;
    }
    labels.x[minX] = roundToInt(points.x[minX] - left);
    labels.x[maxX] = roundToInt(points.x[maxX] + right);
    labels.y[minY] = roundToInt(points.y[minY] - above);
    labels.y[maxY] = roundToInt((long double)points.y[maxY]);
    return labels;
}
