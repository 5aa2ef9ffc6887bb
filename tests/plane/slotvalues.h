#pragma once

#include "transform/transformsettings.h"

#include <cmath>

// One slot's parameters for a single kind, the others at their defaults.
namespace SlotValues {

inline SlotParameters translation(int dx, int dy)
{
    SlotParameters p;
    p.TranslationDX = dx;
    p.TranslationDY = dy;
    return p;
}

inline SlotParameters rotation(int angle, int cx, int cy)
{
    SlotParameters p;
    p.RotationAngle = angle;
    p.RotationCentreX = cx;
    p.RotationCentreY = cy;
    return p;
}

// Every symmetry value set, so that a test shows which of them its kind reads.
inline SlotParameters symmetry(int kind, int cx, int cy, int angle, int q)
{
    SlotParameters p;
    p.SymmetryKind = quint8(kind);
    p.SymmetryCentreX = cx;
    p.SymmetryCentreY = cy;
    p.SymmetryAxisAngle = angle;
    p.SymmetryAxisQ = q;
    return p;
}

inline SlotParameters homothety(int sign, float ratio, int cx, int cy)
{
    SlotParameters p;
    p.HomothetySign = qint8(sign);
    p.HomothetyRatio = ratio;
    p.HomothetyCentreX = cx;
    p.HomothetyCentreY = cy;
    return p;
}

inline SlotParameters dilation(float fx, float fy)
{
    SlotParameters p;
    p.DilationX = fx;
    p.DilationY = fy;
    return p;
}

// As the shear dialog stores it: `axis` 0 along x, 1 along y; the
// coefficient's size on its axis, 0 on the other, and a negative `k` as the
// sign apart.
inline SlotParameters shear(int axis, float k)
{
    SlotParameters p;
    p.ShearAxis = quint8(axis);
    p.ShearSign = k < 0 ? 1 : 0;
    (axis == 0 ? p.ShearX : p.ShearY) = std::abs(k);
    return p;
}

} // namespace SlotValues
