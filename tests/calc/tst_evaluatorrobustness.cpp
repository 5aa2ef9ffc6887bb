#include "calc/calculatorvalues.h"
#include "calc/expressionevaluator.h"
#include "evaluatorinputs.h"

#include <QTest>

#include <array>
#include <cmath>

class TestEvaluatorRobustness : public QObject
{
    Q_OBJECT

private slots:
    void everyTextEndsInAValueOrAMessage()
    {
        RobustnessTexts texts;
        std::array<int, 8> outcomes{};
        for (int i = 0; i < RobustnessTexts::Count; ++i) {
            const QString text = texts.next();
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
