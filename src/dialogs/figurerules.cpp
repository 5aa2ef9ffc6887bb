#include "dialogs/figurerules.h"

FigureRows rowsForType(int type)
{
    FigureRows rows;
    if (type == CircleFigure) {
        rows.radius = true;
        return rows;
    }
    rows.b = type >= SegmentFigure;
    rows.c = type >= TriangleFigure;
    rows.d = type >= QuadrilateralFigure;
    return rows;
}

FigureRows rowsOnOpening(bool showsCircle, int confirmedType)
{
    if (showsCircle)
        return rowsForType(CircleFigure);
    FigureRows rows;
    rows.b = confirmedType > PointFigure;
    rows.c = confirmedType > SegmentFigure;
    rows.d = confirmedType > TriangleFigure;
    return rows;
}

std::optional<int> typedRadius(const QString &text)
{
    bool isNumber = false;
    const int value = text.trimmed().toInt(&isNumber);
    if (!isNumber)
        return std::nullopt;
    return boundedPosition(value, RadiusRange);
}

QString vertexText(const QString &fieldText)
{
    return fieldText.left(5);
}
