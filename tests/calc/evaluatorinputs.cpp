#include "evaluatorinputs.h"

namespace {

// Pieces of the evaluator's alphabet and of what lies just outside it.
const QStringList &pieces()
{
    static const QStringList list = u"0|1|2|3|5|9|.|,|+|-|*|/|^|^-|(|)| |sin|cos|arcsin|arccos|arctan|exp|exp-|ln|log|"
                                    u"sqrt|rad|abs|pi|e|E|\u00EC|\u00FB|x|#|@|=|2500.1|2800.1|19.99|20|0.5|"
                                    u"99999999999999999999|\u4E00|\u20AC|\t|\0"_qs.split(u'|');
    return list;
}

// Well-formed expressions for the mutations to start from.
const QStringList &seeds()
{
    static const QStringList list = u"2sin(30)+sqrt(3)/2|(-8)^(1/3)|2^-3|-2^2|arccos(-0.5)*2pi|exp(2500)/exp(2499)|"
                                    u"log(1000)-ln(e)|abs(-3)^19.9|\u00EC/\u00EC|0,5*(1+2)(3-4)|arcsin(0.5)+arctan(1)|"
                                    u"exp-1^2^0.5|1/(2-2)"_qs.split(u'|');
    return list;
}

} // namespace

QString RobustnessTexts::next()
{
    return m_produced++ < Count / 2 ? generated() : mutated();
}

int RobustnessTexts::pick(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(m_random);
}

const QString &RobustnessTexts::any(const QStringList &from)
{
    return from[pick(0, int(from.size()) - 1)];
}

QString RobustnessTexts::generated()
{
    QString text;
    for (int i = pick(1, 40); i > 0; --i)
        text += pick(0, 20) == 0 ? QString(QChar(char16_t(pick(0, 0x2FF)))) : any(pieces());
    return text;
}

QString RobustnessTexts::mutated()
{
    QString text = any(seeds());
    for (int i = pick(1, 6); i > 0; --i) {
        const int at = pick(0, int(text.size()));
        switch (pick(0, 5)) {
        case 0: text.insert(at, any(pieces())); break;
        case 1: text.remove(at, pick(1, 4)); break;
        case 2: text.replace(at, 1, QChar(char16_t(pick(0, 0x2FF)))); break;
        case 3: {
            // Drawn length first, in sequence, so that every compiler makes
            // the same texts as the one the outputs were recorded with.
            const int length = pick(1, 12);
            const int from = pick(0, int(text.size()));
            text.insert(at, text.mid(from, length));
            break;
        }
        case 4: text = u'(' + text + u')'; break;
        default: text = text.repeated(pick(2, 24)).left(pick(200, 300)); // the length and postfix limits
        }
    }
    return text;
}

QStringList benchmarkMix()
{
    return {
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
}
