#include "plane/framechange.h"

#include <cmath>
#include <numbers>

namespace FrameChange {

namespace {

constexpr long double DegreesToRadians = std::numbers::pi_v<long double> / 180;

AffineMatrix rows(long double c, long double a, long double b, long double c2, long double a2, long double b2)
{
    return AffineMatrix{{{float(c), float(a), float(b)}, {float(c2), float(a2), float(b2)}}};
}

AffineMatrix symmetryMatrix(const SlotParameters &p)
{
    switch (p.SymmetryKind) {
    case 0:
        return rows(2.0L * p.SymmetryCentreX, -1, 0, 2.0L * p.SymmetryCentreY, 0, -1);
    case 1:
        return rows(2.0L * p.SymmetryCentreX, -1, 0, 0, 0, 1);
    case 2:
        return rows(0, 1, 0, 2.0L * p.SymmetryCentreY, 0, -1);
    case 3:
        return rows(0, 0, 1, 0, 1, 0);
    case 4:
        return rows(0, 0, -1, 0, -1, 0);
    default:
        break;
    }
    const int angle = p.SymmetryAxisAngle;
    if (angle == 90) // the reflection in the y axis, whatever the intercept
        return rows(0, -1, 0, 0, 0, 1);
    const long double m = std::sin(angle * DegreesToRadians) / std::cos(angle * DegreesToRadians);
    const long double q = p.SymmetryAxisQ;
    const long double d = 1 + m * m;
    return rows(-2 * m * q / d, (1 - m * m) / d, 2 * m / d, 2 * q / d, 2 * m / d, -(1 - m * m) / d);
}

} // namespace

FigurePoints axisPoints(int originY, int w, int h)
{
    FigurePoints p;
    auto set = [&p](int index, int x, int y) {
        p.x[index] = float(x);
        p.y[index] = float(y);
    };
    set(YAxisLow, 0, -originY);
    set(YAxisHigh, 0, originY);
    set(XAxisLeft, -originY, 0);
    set(XAxisRight, originY, 0);
    set(XArrowTip, 10, 0);
    set(XArrowWing1, 6, 2);
    set(XArrowWing2, 6, -2);
    set(YArrowTip, 0, 10);
    set(YArrowWing1, -2, 6);
    set(YArrowWing2, 2, 6);
    set(XLabel, originY / 2, -(h / 2));
    set(YLabel, w / 2, originY / 2);
    return p;
}

AffineMatrix matrix(int kind, const SlotParameters &p)
{
    switch (kind) {
    case Traslazione:
        return rows(-p.TranslationDX, 1, 0, -p.TranslationDY, 0, 1);
    case Rotazione: {
        const long double t = p.RotationAngle * DegreesToRadians;
        return rows(0, std::cos(t), std::sin(t), 0, -std::sin(t), std::cos(t));
    }
    case Simmetria:
        return symmetryMatrix(p);
    case Omotetia: {
        const long double k = p.HomothetySign * (long double)p.HomothetyRatio;
        return rows(p.HomothetyCentreX, k, 0, p.HomothetyCentreY, 0, k);
    }
    case Dilatazione:
        return rows(0, p.DilationX, 0, 0, 0, p.DilationY);
    default: {
        const long double g = p.ShearSign == 0 ? 1 : -1;
        return rows(0, 1, g * p.ShearX, 0, g * p.ShearY, 1);
    }
    }
}

AffineMatrix stepMap(int kind, const SlotParameters &p)
{
    switch (kind) {
    case Traslazione:
        return rows(p.TranslationDX, 1, 0, p.TranslationDY, 0, 1);
    case Rotazione: {
        const long double t = p.RotationAngle * DegreesToRadians;
        const long double cx = p.RotationCentreX;
        const long double cy = p.RotationCentreY;
        return rows(cx - cx * std::cos(t) + cy * std::sin(t), std::cos(t), -std::sin(t),
                    cy - cx * std::sin(t) - cy * std::cos(t), std::sin(t), std::cos(t));
    }
    case Simmetria: // a reflection is its own inverse: its frame matrix is the map
        return symmetryMatrix(p);
    case Omotetia: {
        const long double k = p.HomothetySign * (long double)p.HomothetyRatio;
        return rows(p.HomothetyCentreX * (1 - k), k, 0, p.HomothetyCentreY * (1 - k), 0, k);
    }
    case Dilatazione:
        return rows(0, p.DilationX, 0, 0, 0, p.DilationY);
    default: {
        const long double g = p.ShearSign == 0 ? 1 : -1;
        return rows(0, 1, g * p.ShearX, 0, g * p.ShearY, 1);
    }
    }
}

ScreenPoints screenPoints(const FigurePoints &points, const AffineMatrix &map, const ScreenMapping &mapping,
                          FigurePoints &image)
{
    const auto &[c, a, b] = map[0];
    const auto &[c2, a2, b2] = map[1];
    ScreenPoints screen;
    for (int j = 0; j < FigurePointCount; ++j) {
        const long double x = points.x[j];
        const long double y = points.y[j];
        image.x[j] = float(a * x + 10.0L * c + b * y);
        image.y[j] = float(a2 * x + 10.0L * c2 + b2 * y);
        // The frame's pixels are kept y upwards; the screen's run downwards.
        const QPoint p = mapping.fromFramePixels(image.x[j], -image.y[j]);
        screen.x[j] = p.x();
        screen.y[j] = p.y();
    }
    return screen;
}

} // namespace FrameChange
