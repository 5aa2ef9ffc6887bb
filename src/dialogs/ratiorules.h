#pragma once

#include "dialogs/spinrules.h"

#include <QString>

// Ranges of the homothety, dilation and shear dialogs. The ratios are spin
// positions worth a tenth each (SpinDisplay::Tenths).
inline constexpr SpinRange HomothetyCentreXRange{-36, 36};
inline constexpr SpinRange HomothetyCentreYRange{-25, 25};
// 0.1..2.0; it never reaches 0, the sign choice carries the negative ratios.
inline constexpr SpinRange HomothetyRatioRange{1, 20, true};
inline constexpr SpinRange DilationRange{5, 50};
inline constexpr SpinRange ShearRange{5, 50};

// The sign choices of the homothety and the shear: item 0 is "k positivo",
// item 1 "k negativo".
enum SignItem : int { PositiveItem, NegativeItem };

// The homothety keeps its sign as +1 or -1.
int signItem(qint8 sign);
qint8 signOfItem(int item);

// The label before the homothety's ratio, which shows the sign chosen.
QString ratioLabel(int item);

// The shear axis, as `ShearAxis` keeps it.
enum ShearAxisItem : int { ShearAlongX, ShearAlongY };

// What a slot stores for a shear: the coefficient in the entry of its axis
// and 0 in the other, so that the step needs no axis to know which applies.
struct ShearCoefficients {
    float x = 0;
    float y = 0;

    friend bool operator==(const ShearCoefficients &, const ShearCoefficients &) = default;
};

ShearCoefficients shearCoefficients(int axis, float coefficient);

// The coefficient the shear dialog shows for a slot: that of the axis in force.
float shownShear(int axis, ShearCoefficients stored);
