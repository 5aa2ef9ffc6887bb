#include "calc/expressionevaluator.h"

#include <QTest>

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

    // A fresh evaluator works in degrees from the start: with a factor of 0
    // every arc function would divide by zero. The typed edges are in the
    // calculator's record; the lengths at the evaluator's limits are built here.
    void evaluate_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("code");
        QTest::newRow("degrees from the start") << u"arcsin(1)"_qs << 90.0f << 0;
        QTest::newRow("255 nines") << QString(255, u'9') << 0.0f << 7;
        QTest::newRow("255 characters") << QString(254, u' ') + u'1' << 1.0f << 0;
        QTest::newRow("256 characters") << QString(255, u' ') + u'1' << 0.0f << 2;
        QTest::newRow("151 tokens") << u"1"_qs + u"+1"_qs.repeated(75) << 76.0f << 0;
        QTest::newRow("153 tokens") << u"1"_qs + u"+1"_qs.repeated(76) << 0.0f << 2;
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
};

QTEST_GUILESS_MAIN(TestExpressionEvaluator)
#include "tst_expressionevaluator.moc"
