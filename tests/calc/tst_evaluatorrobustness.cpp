#include "calc/calculatorvalues.h"
#include "calc/expressionevaluator.h"

#include <QTest>

#include <array>
#include <cmath>
#include <random>

namespace {

constexpr int GeneratedCount = 100000;
constexpr int MutatedCount = 100000;

// Pieces of the evaluator's alphabet and of what lies just outside it.
const QStringList Pieces = {
    u"0"_qs, u"1"_qs, u"2"_qs, u"3"_qs, u"5"_qs, u"9"_qs, u"."_qs, u","_qs, u"+"_qs, u"-"_qs, u"*"_qs,
    u"/"_qs, u"^"_qs, u"^-"_qs, u"("_qs, u")"_qs, u" "_qs, u"sin"_qs, u"cos"_qs, u"arcsin"_qs,
    u"arccos"_qs, u"arctan"_qs, u"exp"_qs, u"exp-"_qs, u"ln"_qs, u"log"_qs, u"sqrt"_qs, u"rad"_qs,
    u"abs"_qs, u"pi"_qs, u"e"_qs, u"E"_qs, u"\u00EC"_qs, u"\u00FB"_qs, u"x"_qs, u"#"_qs, u"@"_qs,
    u"="_qs, u"2500.1"_qs, u"2800.1"_qs, u"19.99"_qs, u"20"_qs, u"0.5"_qs, u"99999999999999999999"_qs,
    u"\u4E00"_qs, u"\u20AC"_qs, u"\t"_qs, QString(QChar(0)),
};

// Well-formed expressions for the mutations to start from.
const QStringList Seeds = {
    u"2sin(30)+sqrt(3)/2"_qs, u"(-8)^(1/3)"_qs, u"2^-3"_qs, u"-2^2"_qs, u"arccos(-0.5)*2pi"_qs,
    u"exp(2500)/exp(2499)"_qs, u"log(1000)-ln(e)"_qs, u"abs(-3)^19.9"_qs, u"\u00EC/\u00EC"_qs,
    u"0,5*(1+2)(3-4)"_qs, u"arcsin(0.5)+arctan(1)"_qs, u"exp-1^2^0.5"_qs, u"1/(2-2)"_qs,
};

class Fuzz
{
public:
    QString generated()
    {
        QString text;
        const int length = pick(1, 40);
        for (int i = 0; i < length; ++i)
            text += pick(0, 20) == 0 ? randomCharacter() : Pieces[pick(0, int(Pieces.size()) - 1)];
        return text;
    }

    QString mutated()
    {
        QString text = Seeds[pick(0, int(Seeds.size()) - 1)];
        const int mutations = pick(1, 6);
        for (int i = 0; i < mutations; ++i)
            mutate(text);
        return text;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    QChar randomCharacter() { return QChar(char16_t(pick(0, 0x2FF))); }

    void mutate(QString &text)
    {
        const int at = pick(0, int(text.size()));
        switch (pick(0, 5)) {
        case 0:
            text.insert(at, Pieces[pick(0, int(Pieces.size()) - 1)]);
            break;
        case 1:
            text.remove(at, pick(1, 4));
            break;
        case 2:
            if (at < text.size())
                text[at] = randomCharacter();
            break;
        case 3:
            text.insert(at, text.mid(pick(0, int(text.size())), pick(1, 12)));
            break;
        case 4:
            text = QLatin1Char('(') + text + QLatin1Char(')');
            break;
        default:
            // Long texts reach the length and postfix limits.
            text = text.repeated(pick(2, 24)).left(pick(200, 300));
        }
    }

    std::mt19937 m_random{20240611};
};

} // namespace

class TestEvaluatorRobustness : public QObject
{
    Q_OBJECT

private slots:
    void everyTextEndsInAValueOrAMessage()
    {
        QStringList messages;
        for (int code = 1; code <= 7; ++code)
            messages.append(evalErrorMessage(EvalError(code)));
        std::array<int, 8> outcomes{};
        int successes = 0;
        Fuzz fuzz;
        for (int i = 0; i < GeneratedCount + MutatedCount; ++i) {
            const QString text = i < GeneratedCount ? fuzz.generated() : fuzz.mutated();
            const Calculation calculation = calculate(text);
            const int code = int(Evaluator.EvalCode);
            ++outcomes[code];
            successes += calculation.ok;
            if (calculation.ok) {
                QVERIFY2(code == 0 && Evaluator.EvalMessage.isEmpty(), qPrintable(text));
                QVERIFY2(std::isfinite(Calculator.EvalResult), qPrintable(text));
                QVERIFY2(!calculation.shown.isEmpty(), qPrintable(text));
                QVERIFY2(Evaluator.PostfixList.size() <= ExpressionEvaluator::PostfixCapacity, qPrintable(text));
            } else if (code == 0) {
                QVERIFY2(text.isEmpty() && calculation.shown.isEmpty(), qPrintable(text));
            } else {
                QVERIFY2(calculation.shown == messages[code - 1], qPrintable(text));
            }
        }
        qInfo("values %d; messages by code 1-7: %d %d %d %d %d %d %d", successes, outcomes[1], outcomes[2],
              outcomes[3], outcomes[4], outcomes[5], outcomes[6], outcomes[7]);
        // The texts reach every stage: each failure occurs and many succeed.
        QVERIFY(successes > 10000);
        for (int code = 1; code <= 7; ++code)
            QVERIFY2(outcomes[code] > 0, qPrintable(messages[code - 1]));
    }
};

QTEST_GUILESS_MAIN(TestEvaluatorRobustness)
#include "tst_evaluatorrobustness.moc"
