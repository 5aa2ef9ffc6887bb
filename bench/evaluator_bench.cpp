// Evaluations per second of the expression evaluator over a fixed mix of
// typical expressions: numbers, functions, powers, nested parentheses.
#include "calc/expressionevaluator.h"
#include "evaluatorinputs.h"

#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

int main()
{
    const QStringList mix = benchmarkMix();
    constexpr qint64 MinimumNanoseconds = 2'000'000'000;
    ExpressionEvaluator evaluator;
    volatile float sink = 0;
    qint64 evaluations = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.nsecsElapsed() < MinimumNanoseconds) {
        for (const QString &expression : mix)
            sink = sink + evaluator.Evaluate(expression);
        evaluations += mix.size();
    }
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    std::printf("%lld evaluations of %lld expressions in %.2f s: %.0f evaluations per second\n",
                static_cast<long long>(evaluations), static_cast<long long>(mix.size()), seconds,
                double(evaluations) / seconds);
    return 0;
}
