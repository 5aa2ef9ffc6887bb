#include "calc/calculatorvalues.h"

#include "calc/expressionevaluator.h"
#include "lang/languagetables.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

CalculatorValues Calculator;

void resetCalculatorValues()
{
    Calculator = CalculatorValues();
}

namespace {

constexpr int DegreesRow = 13;  // ShortTexts
constexpr int RadiansRow = 11;  // LongTexts
constexpr long double ScientificFrom = 1000000;
constexpr long double WholeBelow = 0.000001L; // a smaller fraction is not shown

QString scientific(long double value)
{
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.14Le", std::fabs(value));
    char *exponentMark = std::strchr(digits, 'e');
    const int exponent = std::atoi(exponentMark + 1);
    *exponentMark = '\0';
    char text[64];
    std::snprintf(text, sizeof text, "%c%sE%c%04d", value < 0 ? '-' : ' ', digits,
                  exponent < 0 ? '-' : '+', std::abs(exponent));
    return QString::fromLatin1(text);
}

QString fixed(long double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*Lf", decimals, value);
    return QString::fromLatin1(text);
}

bool changeMemory(long double change)
{
    if (!Evaluator.EvalOk)
        return false;
    Calculator.CalcMemory += change;
    Calculator.MemoryText = formatResult(Calculator.CalcMemory);
    return true;
}

} // namespace

QString formatResult(long double value)
{
    const long double magnitude = std::fabs(value);
    if (magnitude >= ScientificFrom)
        return scientific(value);
    const long double whole = std::floor(magnitude);
    if (magnitude - whole >= WholeBelow)
        return fixed(value, 10);
    // No "-0" for a small negative value shown without decimals.
    return fixed(value < 0 && whole != 0 ? -whole : whole, 0);
}

Calculation calculate(const QString &expression)
{
    Evaluator.Start(expression);
    Evaluator.CheckText();
    const bool textRejected = !Evaluator.EvalOk;
    const float value = Evaluator.ParseAndEvaluate();
    if (!Evaluator.EvalOk)
        return {false, textRejected, Evaluator.EvalMessage};
    Calculator.EvalResult = value;
    Calculator.ResultText = formatResult(value);
    return {true, false, Calculator.ResultText};
}

QString selectAngleUnit(AngleUnit unit)
{
    if (unit == AngleUnit::Degrees) {
        Evaluator.AngleFactor = DegreeFactor;
        return ShortTexts.text(DegreesRow);
    }
    Evaluator.AngleFactor = RadianFactor;
    return LongTexts.text(RadiansRow);
}

bool addResultToMemory()
{
    return changeMemory(Calculator.EvalResult);
}

bool subtractResultFromMemory()
{
    return changeMemory(-Calculator.EvalResult);
}

void clearMemory()
{
    Calculator.CalcMemory = 0;
    Calculator.MemoryText.clear();
}
