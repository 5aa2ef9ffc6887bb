#include "calc/calculatorvalues.h"
#include "calc/expressionevaluator.h"

#include <QTest>

#include <array>
#include <cmath>
#include <random>

namespace {

// The same texts on every run: the first half strings pieces of the
// evaluator's alphabet (and of what lies just outside it) at random, the
// second half mutates well-formed expressions.
QStringList robustnessTexts()
{
    std::mt19937 random(20240611);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const auto any = [&](const QStringList &from) { return from[pick(0, int(from.size()) - 1)]; };
    const auto character = [&] { return QString(QChar(char16_t(pick(0, 0x2FF)))); };
    const QStringList pieces = u"0|1|2|3|5|9|.|,|+|-|*|/|^|^-|(|)| |sin|cos|arcsin|arccos|arctan|exp|exp-|ln|log|"
                               u"sqrt|rad|abs|pi|e|E|\u00EC|\u00FB|x|#|@|=|2500.1|2800.1|19.99|20|0.5|"
                               u"99999999999999999999|\u4E00|\u20AC|\t|\0"_qs.split(u'|');
    const QStringList seeds = u"2sin(30)+sqrt(3)/2|(-8)^(1/3)|2^-3|-2^2|arccos(-0.5)*2pi|exp(2500)/exp(2499)|"
                              u"log(1000)-ln(e)|abs(-3)^19.9|\u00EC/\u00EC|0,5*(1+2)(3-4)|arcsin(0.5)+arctan(1)|"
                              u"exp-1^2^0.5|1/(2-2)"_qs.split(u'|');
    QStringList texts;
    while (texts.size() < 100000) {
        QString text;
        for (int i = pick(1, 40); i > 0; --i)
            text += pick(0, 20) == 0 ? character() : any(pieces);
        texts.append(text);
    }
    while (texts.size() < 200000) {
        QString text = any(seeds);
        for (int i = pick(1, 6); i > 0; --i) {
            const int at = pick(0, int(text.size()));
            switch (pick(0, 5)) {
            case 0: text.insert(at, any(pieces)); break;
            case 1: text.remove(at, pick(1, 4)); break;
            case 2: text.replace(at, 1, character()); break;
            case 3: text.insert(at, text.mid(pick(0, int(text.size())), pick(1, 12))); break;
            case 4: text = u'(' + text + u')'; break;
            default: text = text.repeated(pick(2, 24)).left(pick(200, 300)); // the length and postfix limits
            }
        }
        texts.append(text);
    }
    return texts;
}

} // namespace

class TestEvaluatorRobustness : public QObject
{
    Q_OBJECT

private slots:
    void everyTextEndsInAValueOrAMessage()
    {
        std::array<int, 8> outcomes{};
        for (const QString &text : robustnessTexts()) {
            const Calculation calculation = calculate(text);
            const EvalError code = Evaluator.EvalCode;
            ++outcomes[int(code)];
            QVERIFY2(calculation.ok ? code == EvalError::None && std::isfinite(Calculator.EvalResult)
                                    : calculation.shown == evalErrorMessage(code)
                                          && (code != EvalError::None || text.isEmpty()),
                     qPrintable(text));
        }
        // The texts reach every stage: many succeed and each failure occurs.
        QVERIFY(outcomes[0] > 10000);
        for (int code = 1; code <= 7; ++code)
            QVERIFY2(outcomes[code] > 0, qPrintable(evalErrorMessage(EvalError(code))));
    }
};

QTEST_GUILESS_MAIN(TestEvaluatorRobustness)
#include "tst_evaluatorrobustness.moc"
