#include "dialogs/symmetryrules.h"

#include "lang/fixedtexts.h"

#include <cmath>
#include <numbers>

SymmetryRows rowsForSymmetryKind(int kind)
{
    SymmetryRows rows;
    rows.x = kind == PointSymmetry || kind == VerticalLineSymmetry;
    rows.y = kind == PointSymmetry || kind == HorizontalLineSymmetry;
    rows.line = kind == GeneralLineSymmetry;
    return rows;
}

QString slopeText(int angle)
{
    // Tested on the whole degrees, before any division: the cosine of 90
    // degrees computed in floating point is not 0, and would give a slope.
    if (angle % 180 == 90 || angle % 180 == -90)
        return QString::fromUtf8(FixedTexts::InfiniteSlope);
    const double radians = angle * std::numbers::pi / 180;
    // The slope is kept in single precision before it is shown, so that the
    // shown digits are those of the stored real.
    const float slope = float(std::sin(radians) / std::cos(radians));
    return QString::number(double(slope), 'f', 2);
}
