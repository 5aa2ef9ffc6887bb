#pragma once

#include <QString>
#include <QTest>

// Expressions with what the calculator's result field shows for them, in
// degrees unless marked; the logic, the window and the command line must all
// show the same.
struct CalculatorExample {
    const char *row;
    const char *expression; // UTF-8
    bool radians;
    const char *shown;
};

inline constexpr CalculatorExample CalculatorExamples[] = {
    {"negated exponent", "2^-3", false, "0.1250000000"},
    {"minus after an operator", "2*-3", false, "syntax error"},
    {"leading minus before a power", "-2^2", false, "-4"},
    {"odd root of a negative", "(-8)^(1/3)", false, "-2"},
    {"even root of a negative", "(-8)^0.5", false, "out of range"},
    {"exponent bound", "2^20", false, "overflow"},
    {"exponent under the bound", "2^19.9", false, "978356"},
    {"zero to a negative power", "0^-2", false, "0"},
    {"zero to the zero", "0^0", false, "0"},
    {"arcsin beyond 1", "arcsin(2)", false, "arcsin or arccos out of range"},
    {"arcsin of 1 in degrees", "arcsin(1)", false, "90"},
    {"arccos of -0.5 in degrees", "arccos(-0.5)", false, "120"},
    {"log of 0", "log(0)", false, "log out of range"},
    {"ln of -1", "ln(-1)", false, "log out of range"},
    {"root of a negative", "sqrt(-4)", false, "out of range"},
    {"division by 0", "1/0", false, "division by 0"},
    {"2pi", "2pi", false, "6.2831854820"},
    {"number before a parenthesis", "2(3+1)", false, "8"},
    {"ends in a comma", "2,", false, "syntax error"},
    {"decimal comma", "0,5", false, "0.5000000000"},
    {"parenthesis never closed", "(2+3", false, "syntax error"},
    {"parenthesis never opened", "2+3)", false, "syntax error"},
    {"unknown name", "tan(1)", false, "syntax error"},
    {"function name alone", "sqrt", false, "syntax error"},
    {"10^20 character", "\xC3\xAC", false, " 1.00000002004088E+0020"},
    {"digit after e", "e2", false, "syntax error"},
    {"e between digits", "2e3", false, "syntax error"},
    {"e times 2", "e*2", false, "5.4365634918"},
    {"sine in degrees", "sin(30)", false, "0.5000000000"},
    {"sine in radians", "sin(30)", true, "-0.9880316257"},
    {"single-precision third", "1/3", false, "0.3333333433"},
    {"scientific from a million", "2000000", false, " 2.00000000000000E+0006"},
    {"whole value", "2", false, "2"},
    {"half", "0.5", false, "0.5000000000"},
    {"negative fraction", "-2.5", false, "-2.5000000000"},
    {"second equals sign", "1/3=", false, "syntax error"},
    {"functions, roots and implicit products", "2sin(30)+sqrt(3)/2", false, "1.8660254478"},
};

inline void addCalculatorExampleRows()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<bool>("radians");
    QTest::addColumn<QString>("shown");
    for (const CalculatorExample &example : CalculatorExamples) {
        QTest::newRow(example.row) << QString::fromUtf8(example.expression) << example.radians
                                   << QString::fromUtf8(example.shown);
    }
}
