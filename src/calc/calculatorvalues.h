#pragma once

#include <QString>

// What the calculator keeps for the whole run, from one opening of its
// window to the next.
struct CalculatorValues {
    long double EvalResult = 0; // the value of the last successful evaluation
    QString ResultText;
    long double CalcMemory = 0;
    QString MemoryText;
};

extern CalculatorValues Calculator;

void resetCalculatorValues();

// The calculator's number format, for results and the memory. From 1000000
// on, the 23-character scientific form " 2.00000000000000E+0006" (a blank or
// a minus, 15 digits, a four-digit exponent); below, 10 decimals, or none
// when the fraction is under 0.000001.
QString formatResult(long double value);

// What one evaluation leaves for the window to show.
struct Calculation {
    bool ok = false;
    bool textRejected = false; // the text checks failed, which deserves a beep
    QString shown;             // the result in the calculator's format, or the message
};

// Evaluates the expression with the program-wide evaluator; on success keeps
// the value in EvalResult and its text in ResultText.
Calculation calculate(const QString &expression);

enum class AngleUnit { Degrees, Radians };

// Puts the evaluator's trigonometry in that unit and returns the unit's name.
QString selectAngleUnit(AngleUnit unit);

// "M+" and "M-": they act only while the last evaluation stands successful,
// and tell whether the memory changed.
bool addResultToMemory();
bool subtractResultFromMemory();
void clearMemory();
