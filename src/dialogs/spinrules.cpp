#include "dialogs/spinrules.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

QString positionText(int position, SpinDisplay display)
{
    if (display == SpinDisplay::Whole)
        return QString::number(position);
    // Digits from the integer itself: a division in floating point could
    // show 0.3 as 0.30000001 or round 0.05 either way.
    const int magnitude = std::abs(position);
    return QStringLiteral("%1%2.%3")
        .arg(position < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 10)
        .arg(magnitude % 10);
}

int tenthsPosition(float value, SpinRange range)
{
    const double scaled = double(value) * 10;
    // Checked before converting, so that a huge or undefined stored value
    // cannot overflow the integer; it is shown as a limit like any other.
    if (!(scaled >= range.minimum))
        return range.minimum;
    if (scaled > range.maximum)
        return range.maximum;
    return int(std::nearbyint(scaled));
}

float tenthsValue(int position)
{
    return float(position) / 10.0f;
}
