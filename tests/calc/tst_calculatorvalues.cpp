#include "calc/calculatorvalues.h"
#include "calc/expressionevaluator.h"
#include "calculatorexamples.h"
#include "lang/languagetables.h"
#include "support/guitest.h"

#include <QTest>

#include <cstdlib>

class TestCalculatorValues : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        GuiTest::resetProgramValues();
        resetEvaluatorValues();
        resetCalculatorValues();
    }

    void format_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("negative zero") << "-0" << "0";
        QTest::newRow("a millionth") << "0.000001" << "0.0000010000";
        QTest::newRow("under a millionth") << "-3.0000001" << "-3";
        QTest::newRow("small negative, no minus") << "-0.0000001" << "0";
        QTest::newRow("tie at the tenth decimal to even") << "1.00048828125" << "1.0004882812";
        QTest::newRow("just under a million") << "999999.5" << "999999.5000000000";
        QTest::newRow("a million") << "1000000" << " 1.00000000000000E+0006";
        QTest::newRow("minus two million") << "-2000000" << "-2.00000000000000E+0006";
        QTest::newRow("mantissa rounds up") << "9999999999999999" << " 1.00000000000000E+0016";
        QTest::newRow("largest single") << "3.4028234663852886e38" << " 3.40282346638529E+0038";
        QTest::newRow("four exponent digits") << "1e1000" << " 1.00000000000000E+1000";
    }

    void format()
    {
        QFETCH(QString, value);
        QFETCH(QString, shown);
        QCOMPARE(formatResult(std::strtold(qPrintable(value), nullptr)), shown);
    }

    void examples_data() { addCalculatorExampleRows(); }

    void examples()
    {
        QFETCH(QString, expression);
        QFETCH(bool, radians);
        QFETCH(QString, shown);
        selectAngleUnit(radians ? AngleUnit::Radians : AngleUnit::Degrees);
        QCOMPARE(calculate(expression).shown, shown);
    }

    void beepOnlyForTextChecks_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<bool>("textRejected");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("last character") << "2*" << true;
        QTest::newRow("neighbours") << "2*-3" << true;
        QTest::newRow("outside Windows-1252") << u"\u221A4"_qs << true;
        QTest::newRow("parenthesis never opened") << "2+3)" << false;
        QTest::newRow("operand count") << "sqrt" << false;
        QTest::newRow("division by 0") << "1/0" << false;
    }

    void beepOnlyForTextChecks()
    {
        QFETCH(QString, expression);
        QFETCH(bool, textRejected);
        const Calculation calculation = calculate(expression);
        QVERIFY(!calculation.ok);
        QCOMPARE(calculation.textRejected, textRejected);
        QCOMPARE(calculation.shown, Evaluator.EvalMessage);
    }

    void memory()
    {
        calculate(u"0.1"_qs);
        QVERIFY(addResultToMemory());
        calculate(u"0.2"_qs);
        QVERIFY(addResultToMemory());
        // Singles added in extended precision and kept so.
        QCOMPARE(Calculator.MemoryText, u"0.3000000045"_qs);
        calculate(u"2000000"_qs);
        QVERIFY(subtractResultFromMemory());
        QCOMPARE(double(Calculator.CalcMemory), double(0.1f) + double(0.2f) - 2000000.0);
        QCOMPARE(Calculator.MemoryText, u"-1.99999970000000E+0006"_qs);
        for (const QString &failure : {u"1/0"_qs, u"2*-3"_qs, QString()}) {
            calculate(failure);
            QVERIFY(!addResultToMemory());
            QVERIFY(!subtractResultFromMemory());
        }
        QCOMPARE(Calculator.MemoryText, u"-1.99999970000000E+0006"_qs);
        QCOMPARE(double(Calculator.EvalResult), 2000000.0);
        clearMemory();
        QCOMPARE(double(Calculator.CalcMemory), 0.0);
        QVERIFY(Calculator.MemoryText.isEmpty());
    }

    void angleUnit_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("degrees");
        QTest::addColumn<QString>("radians");
        QTest::newRow("Italian") << int(Italian) << "Gradi" << "Radianti";
        QTest::newRow("French") << int(French) << u"Degrés"_qs << "Radiants";
    }

    void angleUnit()
    {
        QFETCH(int, language);
        QFETCH(QString, degrees);
        QFETCH(QString, radians);
        Language.LanguageIndex = quint8(language);
        QCOMPARE(selectAngleUnit(AngleUnit::Radians), radians);
        QCOMPARE(Evaluator.AngleFactor, 1.0f);
        QCOMPARE(selectAngleUnit(AngleUnit::Degrees), degrees);
        QCOMPARE(Evaluator.AngleFactor, 0.017453292f);
    }

    void resetRestoresStartValues()
    {
        calculate(u"3"_qs);
        addResultToMemory();
        resetCalculatorValues();
        QCOMPARE(double(Calculator.CalcMemory + Calculator.EvalResult), 0.0);
        QVERIFY(Calculator.MemoryText.isEmpty() && Calculator.ResultText.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCalculatorValues)
#include "tst_calculatorvalues.moc"
