#include "plane/imagemarks.h"

#include <iterator>

namespace ImageMarks {

QRgb colour(bool marked, bool firstStep, int transformCount, int run)
{
    if (!marked || transformCount == 2)
        return firstStep ? Palette[0] : Palette[1];
    return Palette[run % int(std::size(Palette))];
}

QString suffix(bool marked, bool firstStep)
{
    if (!marked)
        return {};
    return firstStep ? QStringLiteral("\u2032") : QStringLiteral("\u2033");
}

} // namespace ImageMarks
