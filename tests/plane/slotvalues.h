#pragma once

#include "plane/steppreparation.h"
#include "transform/transformsettings.h"

#include <QList>
#include <QPointF>

#include <cmath>

// One slot's parameters for a single kind, the others at their defaults, and
// the figures the steps are tried on.
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

// In the order of the equations: x' = a x + b y + c, y' = a' x + b' y + c'.
inline SlotParameters affinity(float a, float b, float c, float a2, float b2, float c2)
{
    SlotParameters p;
    p.AffineCoeff = AffineMatrix{{{c, a, b}, {c2, a2, b2}}};
    return p;
}

inline FigurePoints figurePoints(const QList<QPointF> &vertices)
{
    FigurePoints p;
    for (int i = 0; i < vertices.size(); ++i) {
        p.x[i] = float(vertices[i].x());
        p.y[i] = float(vertices[i].y());
    }
    return p;
}

inline StepFigure figureOf(const QList<QPointF> &vertices)
{
    StepFigure figure;
    figure.cur = figurePoints(vertices);
    figure.figureType = int(vertices.size()) - 1;
    return figure;
}

// A circle of centre (x, y) and radius r, as the store keeps it: prepared as
// a triangle that still knows it is a circle.
inline StepFigure circleOf(double x, double y, double r)
{
    StepFigure figure = figureOf({{x, y}, {r, r}, {0, 0}});
    figure.isCircle = true;
    return figure;
}

// The triangle A (15, 11), B (10, 9), C (21, 4) of the first lesson.
inline StepFigure startTriangle()
{
    return figureOf({{15, 11}, {10, 9}, {21, 4}});
}

} // namespace SlotValues
