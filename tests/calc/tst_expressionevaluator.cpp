#include "calc/expressionevaluator.h"

#include <QTest>

#include <cmath>
#include <cstdlib>

class TestExpressionEvaluator : public QObject
{
    Q_OBJECT

private slots:
    // The text as the checks leave it: names replaced in their order, "+"
    // removed, signs turned into subtractions, products made explicit.
    void rewriting_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("rewritten");
        QTest::newRow("blanks, case, rad") << "Sqrt 4*rad 9" << QByteArray("r4*r9");
        QTest::newRow("arc names first") << "arccos1+cos1-arcsin1*sin1/arctan1" << QByteArray("d1+o1-b1*s1/a1");
        QTest::newRow("exp- before exp before e") << "exp-1*exp(e)" << QByteArray("f1*c(e)");
        QTest::newRow("e before sin") << "sine" << QByteArray("se");
        QTest::newRow("ln log pi abs, comma") << "ln log pi abs 0,5" << QByteArray("lgp*h0.5");
        QTest::newRow("power of a negative") << "2^-3" << QByteArray("2#3");
        QTest::newRow("pluses after operators go") << "2*+3^+4-+5+++6" << QByteArray("2*3^4-5+6");
        QTest::newRow("plus after a function goes") << "sin+30" << QByteArray("s30");
        QTest::newRow("leading signs") << "-2^2" << QByteArray("0-2^2");
        QTest::newRow("signs after parentheses, to the last")
            << "(+1)(-1)(-1)(-1)(-1)" << QByteArray("(0+1)*(0-1)*(0-1)*(0-1)*(0-1)");
        QTest::newRow("number and pi, pi and number") << "2pi+pi2" << QByteArray("2*p+p*2");
        QTest::newRow("number and function") << "2sin(30)" << QByteArray("2*s(30)");
        QTest::newRow("parentheses") << "2(3)(4)5" << QByteArray("2*(3)*(4)*5");
        QTest::newRow("digit joins e") << "e2+2e3" << QByteArray("e2+2*e3");
        QTest::newRow("10^20 byte") << u"\u00EC2+2\u00EC"_qs << QByteArray("\xEC*2+2\xEC");
        QTest::newRow("negated exponent keeps its operand") << "2^-(1)^-e" << QByteArray("2#(1)#e");
    }

    void rewriting()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, rewritten);
        ExpressionEvaluator evaluator;
        evaluator.Start(text);
        evaluator.CheckText();
        QVERIFY2(evaluator.EvalOk, qPrintable(evaluator.EvalMessage));
        QCOMPARE(evaluator.EvalText, rewritten);
    }

    void postfix_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("postfix");
        QTest::newRow("powers group from the right") << "2^3^-2" << QByteArray("2 3 2 # ^");
        QTest::newRow("left grouping") << "8/4*2-1+3" << QByteArray("8 4 / 2 * 1 - 3 +");
        QTest::newRow("precedence and parentheses") << "2+3*(4-1)" << QByteArray("2 3 4 1 - * +");
        QTest::newRow("function binds tightest") << "sin30+1" << QByteArray("30 s 1 +");
        QTest::newRow("power of a function") << "sqrt sqrt 16^2" << QByteArray("16 r r 2 ^");
        QTest::newRow("function in an exponent") << "2^sin(30)" << QByteArray("2 30 s ^");
        QTest::newRow("number cut to 20 characters") << "123456789012345678901" << QByteArray("12345678901234567890");
    }

    void postfix()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, postfix);
        ExpressionEvaluator evaluator;
        evaluator.Evaluate(text);
        QVERIFY2(evaluator.EvalOk, qPrintable(evaluator.EvalMessage));
        QCOMPARE(evaluator.PostfixList.join(' '), postfix);
    }

    void values_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<bool>("radians");
        QTest::addColumn<float>("value");
        QTest::newRow("odd power of a negative") << "(-2)^-3" << false << -0.125f;
        QTest::newRow("fifth root of a negative") << "(-32)^0.2" << false << -2.0f;
        QTest::newRow("zero power of a negative") << "(-8)^0" << false << 1.0f;
        QTest::newRow("powers group from the right") << "2^3^2" << false << 512.0f;
        QTest::newRow("power of a function") << "2sin(30)^2" << false << 0.5f;
        QTest::newRow("arcsin of 1 in radians") << "arcsin(1)" << true << 1.5707964f;
        QTest::newRow("arccos of -1") << "arccos(-1)" << false << 180.0f;
        QTest::newRow("arccos of 0") << "arccos(0)" << false << 90.0f;
        QTest::newRow("arctan of 1") << "arctan(1)" << false << 45.0f;
        QTest::newRow("cosine, no parentheses") << "cos60" << false << 0.5f;
        QTest::newRow("exp of minus") << "exp-1" << false << 0.36787945f;
        QTest::newRow("log through ln") << "log(1000)+ln(e)" << false << 4.0f;
        QTest::newRow("abs, minus before a function") << "abs(-3)-sqrt9" << false << 0.0f;
        QTest::newRow("10^20 then digit") << u"\u00EC2"_qs << false << 2e20f;
        QTest::newRow("points") << "5.+.5" << false << 5.5f;
        QTest::newRow("number cut to 20 characters") << "0.1234567890123456789012" << false << 0.12345679f;
        QTest::newRow("empty parentheses after e") << "e()" << false << 2.7182817f;
        QTest::newRow("255 characters") << QString(254, u' ') + u'1' << false << 1.0f;
        QTest::newRow("nested 127 deep") << QString(127, u'(') + u'1' + QString(127, u')') << false << 1.0f;
        QTest::newRow("151 tokens") << u"1"_qs + u"+1"_qs.repeated(75) << false << 76.0f;
        QTest::newRow("exp just under its bounds") << "exp(2500)/exp(2500)+exp-2800/exp-2800" << false << 2.0f;
        QTest::newRow("largest single") << "3.4028234663852886*10^19*10^19" << false << 3.4028235e38f;
    }

    void values()
    {
        QFETCH(QString, expression);
        QFETCH(bool, radians);
        QFETCH(float, value);
        ExpressionEvaluator evaluator;
        evaluator.AngleFactor = radians ? RadianFactor : DegreeFactor;
        const float result = evaluator.Evaluate(expression);
        QVERIFY2(evaluator.EvalOk, qPrintable(evaluator.EvalMessage));
        QCOMPARE(double(result), double(value));
        QCOMPARE(evaluator.EvalCode, EvalError::None);
    }

    void errors_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<int>("code");
        QTest::newRow("operator at the end") << "2*" << 2;
        QTest::newRow("name cut short at the end") << "sin" << 2;
        QTest::newRow("two minuses") << "--2" << 2;
        QTest::newRow("letters left") << "2x" << 2;
        QTest::newRow("byte outside the alphabet") << u"2\u00E9"_qs << 2;
        QTest::newRow("character outside Windows-1252") << u"\u221A4"_qs << 2;
        QTest::newRow("256 characters") << QString(255, u' ') + u'1' << 2;
        QTest::newRow("153 tokens") << u"1"_qs + u"+1"_qs.repeated(76) << 2;
        QTest::newRow("two points") << "1.2.3" << 2;
        QTest::newRow("function of nothing") << "sqrt()" << 2;
        QTest::newRow("function short of its argument") << "sqrt()e(3)" << 2;
        QTest::newRow("malformed number in a product") << "1.2.3e(2)" << 2;
        QTest::newRow("two values left") << "ee+e(2)" << 2;
        QTest::newRow("digit after 10^20") << u"2\u00EC"_qs << 2;
        QTest::newRow("negated exponent bound is on its operand") << "2^-20" << 7;
        QTest::newRow("beyond single precision") << "3.4028236*10^19*10^19" << 7;
        QTest::newRow("beyond extended precision") << "exp(2500)*exp(2500)*exp(2500)*exp(2500)*exp(2500)" << 7;
        QTest::newRow("huge power of a small base") << "0.5^(0-99999999999999999999)" << 7;
        QTest::newRow("arccos beyond -1") << "arccos(-1.0000001)" << 1;
        QTest::newRow("division by a zero difference") << "1/(2-2)" << 6;
    }

    void errors()
    {
        QFETCH(QString, expression);
        QFETCH(int, code);
        ExpressionEvaluator evaluator;
        QCOMPARE(evaluator.Evaluate(expression), 0.0f);
        QVERIFY(!evaluator.EvalOk);
        QCOMPARE(int(evaluator.EvalCode), code);
        QCOMPARE(evaluator.EvalMessage, evalErrorMessage(EvalError(code)));
    }

    void messages()
    {
        const QStringList messages = {"", "arcsin or arccos out of range", "syntax error", "out of range",
                                      "out of range", "log out of range", "division by 0", "overflow"};
        for (int code = 0; code < messages.size(); ++code)
            QCOMPARE(evalErrorMessage(EvalError(code)), messages[code]);
    }

    void alphabet()
    {
        const QByteArray alphabet("#()*+,-./0123456789^abcdefghilopors\xEC");
        for (int byte = 0; byte < 256; ++byte) {
            ExpressionEvaluator evaluator;
            evaluator.EvalText = QByteArray(1, char(byte));
            evaluator.EvalOk = true;
            evaluator.CheckCharacters();
            QVERIFY2(evaluator.EvalOk == alphabet.contains(char(byte)), QByteArray::number(byte));
        }
    }

    void emptyTextHasNoMessage()
    {
        ExpressionEvaluator evaluator;
        evaluator.Evaluate(u"1/0"_qs);
        evaluator.Evaluate(QString());
        QVERIFY(!evaluator.EvalOk);
        QVERIFY(evaluator.EvalMessage.isEmpty());
    }

    void resetRestoresStartValues()
    {
        Evaluator.Evaluate(u"1/0"_qs);
        Evaluator.AngleFactor = RadianFactor;
        resetEvaluatorValues();
        QVERIFY(!Evaluator.EvalOk);
        QVERIFY(Evaluator.EvalMessage.isEmpty());
        QCOMPARE(Evaluator.AngleFactor, DegreeFactor);
    }

    // Operands as typed, read in extended precision: the bounds lie between
    // neighbouring extended values, not double ones.
    void applyOperatorBounds_data()
    {
        QTest::addColumn<char>("code");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("error");
        QTest::newRow("/ by 0") << '/' << "0" << "1" << 6;
        QTest::newRow("^ base 2500.1") << '^' << "2" << "2500.1" << 7;
        QTest::newRow("^ base 2500.09") << '^' << "2" << "2500.09" << 0;
        QTest::newRow("^ base -2800.1") << '^' << "2" << "-2800.1" << 7;
        QTest::newRow("^ base -2800.09") << '^' << "2" << "-2800.09" << 0;
        QTest::newRow("^ exponent 20") << '^' << "20" << "2" << 7;
        QTest::newRow("^ exponent 19.99") << '^' << "19.99" << "2" << 0;
        QTest::newRow("# operand 20") << '#' << "20" << "2" << 7;
        QTest::newRow("# base 2500.1") << '#' << "1" << "2500.1" << 7;
        QTest::newRow("# even root of a negative") << '#' << "-0.5" << "-4" << 3;
        QTest::newRow("c at 2500.1") << 'c' << "0" << "2500.1" << 7;
        QTest::newRow("c at 2500.09") << 'c' << "0" << "2500.09" << 0;
        QTest::newRow("c at -2800.1") << 'c' << "0" << "-2800.1" << 7;
        QTest::newRow("c at -2800.09") << 'c' << "0" << "-2800.09" << 0;
        QTest::newRow("f at 2800.1") << 'f' << "0" << "2800.1" << 7;
        QTest::newRow("f at 2800.09") << 'f' << "0" << "2800.09" << 0;
        QTest::newRow("f at -2500.1") << 'f' << "0" << "-2500.1" << 7;
        QTest::newRow("f at -2500.09") << 'f' << "0" << "-2500.09" << 0;
        QTest::newRow("g at 0") << 'g' << "0" << "0" << 5;
        QTest::newRow("l at a tiny negative") << 'l' << "0" << "-1e-300" << 5;
        QTest::newRow("r at a tiny negative") << 'r' << "0" << "-1e-300" << 4;
        QTest::newRow("r at 0") << 'r' << "0" << "0" << 0;
        QTest::newRow("b at 1.0000001") << 'b' << "0" << "1.0000001" << 1;
        QTest::newRow("d at -1.0000001") << 'd' << "0" << "-1.0000001" << 1;
        QTest::newRow("unknown code") << 'q' << "0" << "1" << 2;
    }

    void applyOperatorBounds()
    {
        QFETCH(char, code);
        QFETCH(QString, right);
        QFETCH(QString, left);
        QFETCH(int, error);
        ExpressionEvaluator evaluator;
        evaluator.EvalOk = true;
        const long double result = evaluator.ApplyOperator(code, std::strtold(qPrintable(right), nullptr),
                                                           std::strtold(qPrintable(left), nullptr));
        QCOMPARE(int(evaluator.EvalCode), error);
        QCOMPARE(evaluator.EvalOk, error == 0);
        QVERIFY(error == 0 ? std::isfinite(result) : result == 0);
    }
};

QTEST_GUILESS_MAIN(TestExpressionEvaluator)
#include "tst_expressionevaluator.moc"
