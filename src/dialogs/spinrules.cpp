#include "dialogs/spinrules.h"

#include <algorithm>

int steppedPosition(int position, int steps, SpinRange range)
{
    const long long target = static_cast<long long>(position) + steps;
    if (range.wraps) {
        // Stepping past an end lands on the other end, not beyond it.
        if (target > range.maximum)
            return range.minimum;
        if (target < range.minimum)
            return range.maximum;
        return static_cast<int>(target);
    }
    return static_cast<int>(std::clamp<long long>(target, range.minimum, range.maximum));
}

int boundedPosition(int position, SpinRange range)
{
    return std::clamp(position, range.minimum, range.maximum);
}
