#include "calc/expressionevaluator.h"

#include <QTest>

#include <cstdlib>

class TestExpressionEvaluator : public QObject
{
    Q_OBJECT

private slots:
    // The text as the checks leave it.
    void rewriting_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("rewritten");
        QTest::newRow("arc names first") << "arccos1+cos1-arcsin1*sin1/arctan1" << QByteArray("d1+o1-b1*s1/a1");
        QTest::newRow("exp- before exp before e") << "exp-1*exp(e)" << QByteArray("f1*c(e)");
        QTest::newRow("blanks, case, other names, comma") << "Sqrt 4*rad 9*ln log pi abs 0,5" << QByteArray("r4*r9*lgp*h0.5");
        QTest::newRow("pluses after operators and functions") << "2*+3^+4-+5+++sin+6" << QByteArray("2*3^4-5+s6");
        QTest::newRow("signs at the start and after each (") << "-1(+1)(-1)(-1)" << QByteArray("0-1*(0+1)*(0-1)*(0-1)");
        QTest::newRow("implicit products") << "2pi+pi2+2sin(3)(4)5+\u00EC2" << QByteArray("2*p+p*2+2*s(3)*(4)*5+\xEC*2");
        // "#" is a power like "^": 2^-3 must stay a power, not become 2#*3.
        QTest::newRow("negated exponent keeps its operand") << "2^-3^-(1)^-e" << QByteArray("2#3#(1)#e");
    }

    void rewriting()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, rewritten);
        ExpressionEvaluator evaluator;
        evaluator.Start(text);
        evaluator.CheckText();
        QCOMPARE(evaluator.EvalText, rewritten);
    }

    // A fresh evaluator, in degrees from the start: with a factor of 0 every
    // sine would be 0.
    void evaluate_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("code");
        const auto row = [](const char *name, const QString &expression, float value, int code = 0) {
            QTest::newRow(name) << expression << value << code;
        };
        row("odd and even whole powers of a negative", u"(-2)^-3+(-2)^2"_qs, 3.875f);
        row("powers group from the right", u"2^3^2"_qs, 512);
        row("a function binds tighter than ^", u"2sin(30)^2"_qs, 0.5f);
        row("arccos of -1, past a negative zero", u"arccos(-1)"_qs, 180);
        row("the other functions", u"arctan(1)+cos60+log(1000)+ln(e)+abs(-3)-sqrt9+exp-1"_qs, 49.867878f);
        // A number is read whole; from 10^20 on it overflows, as 10^20 does.
        row("10^20 written out", u"100000000000000000000"_qs, 0, 7);
        row("255 nines", QString(255, u'9'), 0, 7);
        row("just below 10^20", u"99999999999999999999.9"_qs, 1e20f);
        row("leading zeros past 20 characters", u"0000000000000000000000001"_qs, 1);
        row("25 decimals", u"0.0000000000000000000000123/0.0000000000000000000000001"_qs, 123);
        row("second point past 20 characters", u"1234567890.123456789.5"_qs, 0, 2);
        row("largest single", u"3.4028234663852886*10^19*10^19"_qs, 3.4028235e38f);
        row("beyond single precision", u"3.4028236*10^19*10^19"_qs, 0, 7);
        row("beyond extended precision", u"exp(2500)*exp(2500)*exp(2500)*exp(2500)*exp(2500)"_qs, 0, 7);
        row("byte outside the alphabet", u"2\u00E9"_qs, 0, 2);
        row("character outside Windows-1252", u"\u221A4"_qs, 0, 2);
        row("256 characters", QString(255, u' ') + u'1', 0, 2);
        row("153 tokens", u"1"_qs + u"+1"_qs.repeated(76), 0, 2);
        // The operand count lets these through; evaluation must neither read
        // beyond the value stack nor take a malformed token for a number.
        row("function short of its argument", u"sqrt()e(3)"_qs, 0, 2);
        row("malformed number in a product", u"1.2.3e(2)"_qs, 0, 2);
    }

    void evaluate()
    {
        QFETCH(QString, expression);
        QFETCH(float, value);
        QFETCH(int, code);
        ExpressionEvaluator evaluator;
        QCOMPARE(evaluator.Evaluate(expression), value);
        QCOMPARE(int(evaluator.EvalCode), code);
    }

    void operandCount()
    {
        const std::pair<const char *, bool> rows[] = {{"e p \xEC # 4 r ^ +", true}, {"1 2", false}, {"r", false}};
        for (const auto &[postfix, ok] : rows) {
            ExpressionEvaluator evaluator;
            evaluator.EvalOk = true;
            for (const QByteArray &token : QByteArray(postfix).split(' '))
                evaluator.PostfixList.append(token);
            evaluator.CheckOperandCount();
            QVERIFY2(evaluator.EvalOk == ok, postfix);
        }
    }

    // Each row is named "code right left", the operands as typed and read in
    // extended precision: the bounds lie between neighbouring extended
    // values, not double ones.
    void applyOperatorBounds_data()
    {
        QTest::addColumn<int>("error");
        const std::pair<const char *, int> rows[] = {
            {"/ 0 1", 6}, {"^ 20 2", 7}, {"^ 19.99 2", 0}, {"# 20 2", 7},
            {"^ 2 2500.1", 7}, {"^ 2 2500.09", 0}, {"^ 2 -2800.1", 7}, {"^ 2 -2800.09", 0},
            {"c 0 2500.1", 7}, {"c 0 2500.09", 0}, {"c 0 -2800.1", 7}, {"c 0 -2800.09", 0},
            {"f 0 2800.1", 7}, {"f 0 2800.09", 0}, {"f 0 -2500.1", 7}, {"f 0 -2500.09", 0},
            {"g 0 0", 5}, {"l 0 -1e-300", 5}, {"r 0 -1e-300", 4}, {"r 0 0", 0},
            {"b 0 1.0000001", 1}, {"d 0 -1.0000001", 1},
        };
        for (const auto &[name, error] : rows)
            QTest::newRow(name) << error;
    }

    void applyOperatorBounds()
    {
        QFETCH(int, error);
        const QList<QByteArray> row = QByteArray(QTest::currentDataTag()).split(' ');
        ExpressionEvaluator evaluator;
        evaluator.ApplyOperator(row[0][0], std::strtold(row[1], nullptr), std::strtold(row[2], nullptr));
        QCOMPARE(int(evaluator.EvalCode), error);
    }
};

QTEST_GUILESS_MAIN(TestExpressionEvaluator)
#include "tst_expressionevaluator.moc"
