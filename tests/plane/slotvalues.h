#pragma once

#include "plane/steppreparation.h"
#include "transform/transformsettings.h"

#include <QList>
#include <QMetaType>
#include <QPointF>
#include <QString>

#include <cmath>

Q_DECLARE_METATYPE(SlotParameters)

// One slot's parameters for one kind, the rest at their defaults; figures.
namespace SlotValues {

inline SlotParameters translation(int dx, int dy) { return {.TranslationDX = dx, .TranslationDY = dy}; }

inline SlotParameters rotation(int angle, int cx, int cy)
{
    return {.RotationCentreX = cx, .RotationCentreY = cy, .RotationAngle = angle};
}

// Every symmetry value set, so that a test shows which of them its kind reads.
inline SlotParameters symmetry(int kind, int cx, int cy, int angle, int q)
{
    return {.SymmetryKind = quint8(kind), .SymmetryCentreX = cx, .SymmetryCentreY = cy, .SymmetryAxisAngle = angle,
            .SymmetryAxisQ = q};
}

inline SlotParameters homothety(int sign, float ratio, int cx, int cy)
{
    return {.HomothetyCentreX = cx, .HomothetyCentreY = cy, .HomothetyRatio = ratio, .HomothetySign = qint8(sign)};
}

inline SlotParameters dilation(float fx, float fy) { return {.DilationX = fx, .DilationY = fy}; }

// As the dialog stores it: `axis` 0 along x, 1 along y; |k| on that axis,
// 0 on the other, and the sign apart.
inline SlotParameters shear(int axis, float k)
{
    SlotParameters p{.ShearAxis = quint8(axis), .ShearSign = quint8(k < 0 ? 1 : 0)};
    (axis == 0 ? p.ShearX : p.ShearY) = std::abs(k);
    return p;
}

// In the order of the equations: x' = a x + b y + c, y' = a' x + b' y + c'.
inline SlotParameters affinity(float a, float b, float c, float a2, float b2, float c2)
{
    return {.AffineCoeff = AffineMatrix{{{c, a, b}, {c2, a2, b2}}}};
}

// Points written "x y, x y, ...".
inline QList<QPointF> points(const char *text)
{
    QList<QPointF> result;
    for (const QString &point : QString::fromLatin1(text).split(u','))
        result << QPointF(point.section(u' ', 0, 0, QString::SectionSkipEmpty).toDouble(),
                          point.section(u' ', 1, 1, QString::SectionSkipEmpty).toDouble());
    return result;
}

inline FigurePoints figurePoints(const QList<QPointF> &vertices)
{
    FigurePoints p;
    for (int i = 0; i < vertices.size(); ++i)
        p.x[i] = float(vertices[i].x()), p.y[i] = float(vertices[i].y());
    return p;
}

inline StepFigure figureOf(const QList<QPointF> &v) { return {figurePoints(v), int(v.size()) - 1}; }

// A circle as the store keeps it: a triangle that knows it is a circle.
inline StepFigure circleOf(double x, double y, double r)
{
    return {.cur = figurePoints({{x, y}, {r, r}, {0, 0}}), .figureType = 2, .isCircle = true};
}

// The triangle A (15, 11), B (10, 9), C (21, 4) of the first lesson.
inline StepFigure startTriangle() { return figureOf({{15, 11}, {10, 9}, {21, 4}}); }

} // namespace SlotValues
