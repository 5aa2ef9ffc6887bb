#pragma once

#include <QString>

// Limits of a spin control. A wrapping spin steps past one end to the other,
// as the angle spins do, so a full turn can be dialled either way.
struct SpinRange {
    int minimum;
    int maximum;
    bool wraps = false;
};

// The position a spin control moves to when stepped `steps` times from
// `position` (negative steps go down).
int steppedPosition(int position, int steps, SpinRange range);

// A position brought inside the range, for values read from the store.
int boundedPosition(int position, SpinRange range);

// How a value field shows its spin's position. Reals with one decimal are
// edited as ten times their value, so their field shows the position as
// tenths ("1.5" for 15), never the raw integer.
enum class SpinDisplay { Whole, Tenths };

QString positionText(int position, SpinDisplay display);

// The position that shows a stored real with one decimal: ten times the
// value rounded to the nearest integer (ties to even, as every rounding of
// the program), a value outside the range shown as the nearest limit.
int tenthsPosition(float value, SpinRange range);

// The real a tenths position stands for, in single precision as stored.
float tenthsValue(int position);
