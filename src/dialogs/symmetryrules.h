#pragma once

#include "dialogs/spinrules.h"

#include <QString>

// What a symmetry reflects about, in the order of `SymmetryKind`.
enum SymmetryKindIndex : int {
    PointSymmetry,         // the point (x, y)
    VerticalLineSymmetry,  // x = x0
    HorizontalLineSymmetry, // y = y0
    BisectorSymmetry,      // y = x
    AntiBisectorSymmetry,  // y = -x
    GeneralLineSymmetry,   // y = m x + q, m from the inclination
};

inline constexpr int SymmetryKindCount = 6;

inline constexpr SpinRange SymmetryCentreXRange{-10, 10};
inline constexpr SpinRange SymmetryCentreYRange{-5, 5};
// Inclinations of a line: 180 would be the line of 0 again.
inline constexpr SpinRange SymmetryAngleRange{0, 179, true};
inline constexpr SpinRange SymmetryQRange{-5, 5};

// Which value rows take input: the x row, the y row, and the rows of the
// general line (inclination, slope and intercept).
struct SymmetryRows {
    bool x = false;
    bool y = false;
    bool line = false;

    friend bool operator==(const SymmetryRows &, const SymmetryRows &) = default;
};

SymmetryRows rowsForSymmetryKind(int kind);

// The slope of a line inclined `angle` degrees on the x axis, with two
// decimals ("1.73" for 60), or "inf" for the vertical line.
QString slopeText(int angle);
