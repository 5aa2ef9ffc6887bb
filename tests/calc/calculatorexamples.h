#pragma once

#include <QString>
#include <QTest>

// The worked examples of the evaluator and the calculator, each named by
// itself, with what the result field shows, in degrees but for the last row.
inline void addCalculatorExampleRows()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<bool>("radians");
    QTest::addColumn<QString>("shown");
    const char *const examples[][2] = {
        {"2^-3", "0.1250000000"}, {"2*-3", "syntax error"}, {"-2^2", "-4"},
        {"(-8)^(1/3)", "-2"}, {"(-8)^0.5", "out of range"}, {"2^20", "overflow"}, {"2^19.9", "978356"},
        {"0^-2", "0"}, {"0^0", "0"}, {"arcsin(2)", "arcsin or arccos out of range"},
        {"arcsin(1)", "90"}, {"arccos(-0.5)", "120"}, {"log(0)", "log out of range"},
        {"ln(-1)", "log out of range"}, {"sqrt(-4)", "out of range"}, {"1/0", "division by 0"},
        {"2pi", "6.2831854820"}, {"2(3+1)", "8"}, {"2,", "syntax error"}, {"0,5", "0.5000000000"},
        {"(2+3", "syntax error"}, {"2+3)", "syntax error"}, {"tan(1)", "syntax error"}, {"sqrt", "syntax error"},
        {"\xC3\xAC", " 1.00000002004088E+0020"}, {"e2", "syntax error"}, {"2e3", "syntax error"},
        {"e*2", "5.4365634918"}, {"sin(30)", "0.5000000000"}, {"1/3", "0.3333333433"},
        {"2000000", " 2.00000000000000E+0006"}, {"2", "2"}, {"0.5", "0.5000000000"}, {"-2.5", "-2.5000000000"},
        {"1/3=", "syntax error"}, {"2sin(30)+sqrt(3)/2", "1.8660254478"},
    };
    for (const auto &[expression, shown] : examples)
        QTest::newRow(expression) << QString::fromUtf8(expression) << false << QString::fromLatin1(shown);
    QTest::newRow("sin(30) in radians") << u"sin(30)"_qs << true << u"-0.9880316257"_qs;
}
