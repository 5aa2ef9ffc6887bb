#include "dialogs/ratiorules.h"

#include "lang/fixedtexts.h"

int signItem(qint8 sign)
{
    return sign < 0 ? NegativeItem : PositiveItem;
}

qint8 signOfItem(int item)
{
    return item == NegativeItem ? -1 : 1;
}

QString ratioLabel(int item)
{
    return QString::fromUtf8(item == NegativeItem ? FixedTexts::NegativeRatioLabel : FixedTexts::PositiveRatioLabel);
}

ShearCoefficients shearCoefficients(int axis, float coefficient)
{
    if (axis == ShearAlongY)
        return {0, coefficient};
    return {coefficient, 0};
}

float shownShear(int axis, ShearCoefficients stored)
{
    return axis == ShearAlongY ? stored.y : stored.x;
}
