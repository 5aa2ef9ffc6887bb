// Evaluations per second of the expression evaluator over a fixed mix of
// typical expressions: numbers, functions, powers, nested parentheses.
#include "calc/expressionevaluator.h"

#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

int main()
{
    const QStringList mix = {
        QStringLiteral("2sin(30)+sqrt(3)/2"),
        QStringLiteral("1/3"),
        QStringLiteral("(-8)^(1/3)"),
        QStringLiteral("2^-3*4^0.5"),
        QStringLiteral("arccos(-0.5)+arcsin(1)-arctan(1)"),
        QStringLiteral("((1+2)*(3-4))/((5+6)*(7-8))"),
        QStringLiteral("log(1000)+ln(e^2)"),
        QStringLiteral("exp-1*abs(-2.5)"),
        QStringLiteral("12345.678*0,001"),
        QStringLiteral("2pi(1+cos(60))^2"),
        QStringLiteral("(((((2+3)*4)-5)/6)^2)"),
        QStringLiteral("sqrt(2)^2-2"),
    };
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
