// Evaluations per second of the expression evaluator over a fixed mix of
// typical expressions (numbers, functions, powers, nested parentheses), and
// of a plain recursive-descent evaluator in double precision over the same
// mix, for scale. The machine may be shared: each round times both in turn,
// on the thread's CPU clock beside the wall clock, and the medians of the
// rounds are printed.
//
//     bench_evaluator [rounds]
#include "benchclock.h"
#include "calc/expressionevaluator.h"
#include "evaluatorinputs.h"

#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string_view>
#include <vector>

namespace {

constexpr int DefaultRounds = 7;
constexpr double RoundCpuSeconds = 0.25; // for each evaluator in each round
// The thread's CPU clock is a system call, slow beside one evaluation.
constexpr int PassesBetweenClockReadings = 100;

// A small evaluator written for this benchmark alone: lower-case names, no
// blanks, no error messages. It knows what the mix uses (implicit products,
// functions binding tighter than powers, "exp-" as exp of a negated
// argument, odd roots of negative numbers, the decimal comma) and gives the
// mix's values within rounding; its speed is the yardstick.
class ReferenceEvaluator
{
public:
    explicit ReferenceEvaluator(double radiansPerUnit) : m_radiansPerUnit(radiansPerUnit) {}

    double evaluate(QStringView text)
    {
        m_text = text;
        m_at = 0;
        const double value = sum();
        return m_at == m_text.size() ? value : NAN;
    }

private:
    bool next(char16_t character)
    {
        if (m_at < m_text.size() && m_text[m_at] == character) {
            ++m_at;
            return true;
        }
        return false;
    }

    bool nextName(std::u16string_view name)
    {
        const QStringView rest = m_text.sliced(m_at);
        if (rest.size() < qsizetype(name.size()) || !std::equal(name.begin(), name.end(), rest.utf16()))
            return false;
        m_at += qsizetype(name.size());
        return true;
    }

    bool startsFactor() const
    {
        if (m_at >= m_text.size())
            return false;
        const QChar character = m_text[m_at];
        return character.isDigit() || character.isLetter() || character == u'(';
    }

    double sum()
    {
        double value = product();
        for (;;) {
            if (next(u'+'))
                value += product();
            else if (next(u'-'))
                value -= product();
            else
                return value;
        }
    }

    double product()
    {
        double value = signedPower();
        for (;;) {
            if (next(u'*'))
                value *= signedPower();
            else if (next(u'/'))
                value /= signedPower();
            else if (startsFactor())
                value *= signedPower();
            else
                return value;
        }
    }

    // A sign binds looser than a power: -2^2 is -4.
    double signedPower()
    {
        return next(u'-') ? -signedPower() : power();
    }

    double power()
    {
        const double base = argument();
        return next(u'^') ? raised(base, signedPower()) : base;
    }

    static double raised(double base, double exponent)
    {
        if (base >= 0 || exponent == std::trunc(exponent))
            return std::pow(base, exponent);
        const double root = 1 / exponent;
        return std::fmod(root, 2) == 1 || std::fmod(root, 2) == -1 ? -std::pow(-base, exponent) : NAN;
    }

    // What a function applies to: a factor with an optional sign.
    double argument()
    {
        return next(u'-') ? -argument() : factor();
    }

    double factor()
    {
        if (next(u'(')) {
            const double value = sum();
            return next(u')') ? value : NAN;
        }
        const double angle = m_radiansPerUnit;
        if (nextName(u"arcsin"))
            return std::asin(argument()) / angle;
        if (nextName(u"arccos"))
            return std::acos(argument()) / angle;
        if (nextName(u"arctan"))
            return std::atan(argument()) / angle;
        if (nextName(u"sin"))
            return std::sin(argument() * angle);
        if (nextName(u"cos"))
            return std::cos(argument() * angle);
        if (nextName(u"exp"))
            return std::exp(argument());
        if (nextName(u"ln"))
            return std::log(argument());
        if (nextName(u"log"))
            return std::log10(argument());
        if (nextName(u"sqrt"))
            return std::sqrt(argument());
        if (nextName(u"abs"))
            return std::fabs(argument());
        if (nextName(u"pi"))
            return std::numbers::pi;
        if (nextName(u"e"))
            return std::numbers::e;
        return number();
    }

    double number()
    {
        double value = 0;
        double scale = 0;
        const qsizetype start = m_at;
        for (; m_at < m_text.size(); ++m_at) {
            const char16_t character = m_text[m_at].unicode();
            if (character >= u'0' && character <= u'9') {
                value = value * 10 + (character - u'0');
                scale *= 10;
            } else if ((character == u'.' || character == u',') && scale == 0) {
                scale = 1;
            } else {
                break;
            }
        }
        return m_at == start ? NAN : scale > 0 ? value / scale : value;
    }

    double m_radiansPerUnit;
    QStringView m_text;
    qsizetype m_at = 0;
};

struct Rates {
    double perCpuSecond = 0;
    double perWallSecond = 0;
};

// Runs the whole mix through `evaluate` until the thread has spent
// RoundCpuSeconds of CPU time on it.
template<typename Evaluate>
Rates timeRound(const QStringList &mix, Evaluate evaluate)
{
    volatile double sink = 0;
    long long evaluations = 0;
    const BenchClock clock;
    double cpuSeconds = 0;
    do {
        for (int pass = 0; pass < PassesBetweenClockReadings; ++pass) {
            for (const QString &expression : mix)
                sink = sink + evaluate(expression);
        }
        evaluations += PassesBetweenClockReadings * mix.size();
        cpuSeconds = clock.elapsed().cpuMicroseconds / 1e6;
    } while (cpuSeconds < RoundCpuSeconds);
    const BenchSample spent = clock.elapsed();
    return {double(evaluations) * 1e6 / spent.cpuMicroseconds, double(evaluations) * 1e6 / spent.wallMicroseconds};
}

double median(const std::vector<double> &values)
{
    return benchFigures(values).median;
}

// Both evaluators must agree on the mix, or the ratio compares different
// work.
bool sameValues(const QStringList &mix)
{
    ExpressionEvaluator evaluator;
    ReferenceEvaluator reference(double(evaluator.AngleFactor));
    bool same = true;
    for (const QString &expression : mix) {
        const double value = evaluator.Evaluate(expression);
        const double expected = reference.evaluate(expression);
        if (!evaluator.EvalOk || !(std::fabs(value - expected) <= 1e-6 * std::max(1.0, std::fabs(expected)))) {
            std::fprintf(stderr, "%s: evaluator %.9g, reference %.9g\n", qPrintable(expression), value, expected);
            same = false;
        }
    }
    return same;
}

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : DefaultRounds;
    if (rounds < 1) {
        std::fprintf(stderr, "usage: bench_evaluator [rounds]\n");
        return 2;
    }
    const QStringList mix = benchmarkMix();
    if (!sameValues(mix))
        return 1;
    ExpressionEvaluator evaluator;
    ReferenceEvaluator reference(double(evaluator.AngleFactor));
    std::vector<double> evaluatorCpu, evaluatorWall, referenceCpu, referenceWall, cpuRatio, wallRatio;
    for (int round = 0; round < rounds; ++round) {
        const Rates own = timeRound(mix, [&](const QString &text) { return evaluator.Evaluate(text); });
        const Rates plain = timeRound(mix, [&](const QString &text) { return reference.evaluate(text); });
        evaluatorCpu.push_back(own.perCpuSecond);
        evaluatorWall.push_back(own.perWallSecond);
        referenceCpu.push_back(plain.perCpuSecond);
        referenceWall.push_back(plain.perWallSecond);
        // Ratios within a round, whose two halves saw the same load.
        cpuRatio.push_back(own.perCpuSecond / plain.perCpuSecond);
        wallRatio.push_back(own.perWallSecond / plain.perWallSecond);
    }
    std::printf("%lld expressions, medians of %d rounds, evaluations per second of CPU time / of wall time\n",
                static_cast<long long>(mix.size()), rounds);
    std::printf("evaluator: %10.0f / %10.0f\n", median(evaluatorCpu), median(evaluatorWall));
    std::printf("reference: %10.0f / %10.0f\n", median(referenceCpu), median(referenceWall));
    std::printf("evaluator / reference: %.3f / %.3f\n", median(cpuRatio), median(wallRatio));
    return 0;
}
