#pragma once

#include <QString>
#include <QStringList>

#include <random>

// The robustness test's expressions, the same on every run: the first half
// strings pieces of the evaluator's alphabet (and of what lies just outside
// it) at random, the second half mutates well-formed expressions. The
// recorded outputs are kept for exactly this sequence, so the generator may
// only change together with that record.
class RobustnessTexts
{
public:
    static constexpr int Count = 200000;

    // The next text of the sequence; call it at most Count times.
    QString next();

private:
    int pick(int low, int high);
    const QString &any(const QStringList &from);
    QString generated();
    QString mutated();

    std::mt19937 m_random{20240611};
    int m_produced = 0;
};

// The benchmark's fixed mix of typical expressions: numbers, functions,
// powers, nested parentheses.
QStringList benchmarkMix();
