#include "shell/screenfit.h"

#include <cmath>

namespace ScreenFit {

bool fits(double factor, QSize available, std::span<const Need> needs)
{
    for (const Need &need : needs) {
        const double width = std::ceil(need.size.width() * factor) + WindowFrame.width();
        const double height = std::ceil(need.size.height() * factor) + WindowFrame.height();
        if (width > available.width() || height > available.height())
            return false;
    }
    return true;
}

double largestFittingFactor(QSize available, std::span<const Need> needs)
{
    for (double factor = LargestFactor; factor > SmallestFactor; factor -= FactorStep)
        if (fits(factor, available, needs))
            return factor;
    return SmallestFactor;
}

} // namespace ScreenFit
