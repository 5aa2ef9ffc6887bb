#include "app/scaleoption.h"

#include "lang/fixedtexts.h"

#include <cstring>

namespace ScaleOption {

namespace {

constexpr double Smallest = 1;
constexpr double Largest = 3;

} // namespace

Result read(int argc, char *argv[])
{
    Result result;
    for (int i = 1; i < argc; ++i) {
        QString value;
        if (std::strcmp(argv[i], "--scale") == 0) {
            if (i + 1 >= argc) {
                result.error = QString::fromLatin1(FixedTexts::ScaleMissing);
                return result;
            }
            value = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strncmp(argv[i], "--scale=", 8) == 0) {
            value = QString::fromLocal8Bit(argv[i] + 8);
        } else {
            continue;
        }
        bool number = false;
        const double factor = value.toDouble(&number);
        // The negated test also rejects NaN.
        if (!number || !(factor >= Smallest && factor <= Largest)) {
            result.error = QString::fromLatin1(FixedTexts::ScaleOutOfRange).arg(value);
            return result;
        }
        result.given = true;
        result.factor = factor;
    }
    return result;
}

void apply(double factor)
{
    // Qt's own global enlargement, not a per-window zoom of ours: every
    // widget, font, icon and the canvases' device pixel ratio follow it,
    // and it multiplies the screen's own ratio, so a HiDPI screen keeps its
    // sharpness too. Fractional ratios are used as they are (Qt 6 passes
    // them through unrounded), so 1.5 means 1.5.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
}

} // namespace ScaleOption
