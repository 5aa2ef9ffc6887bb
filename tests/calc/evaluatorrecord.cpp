#include "evaluatorrecord.h"

#include "calc/calculatorvalues.h"
#include "calc/expressionevaluator.h"
#include "evaluatorinputs.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <vector>

namespace {

constexpr QByteArrayView ExtendedField = " extended ";

QByteArray escaped(QByteArrayView bytes)
{
    QByteArray text = "\"";
    for (char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x20 && code < 0x7F && byte != '"' && byte != '\\') {
            text.append(byte);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", code);
            text.append(escape);
        }
    }
    return text + '"';
}

QByteArray hexFloat(long double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%La", value);
    return text;
}

QByteArray number(long long value)
{
    return QByteArray::number(value);
}

QByteArray postfixText(const ExpressionEvaluator &evaluator)
{
    QByteArray text;
    for (const QByteArrayView token : evaluator.PostfixList)
        text.append(text.isEmpty() ? "" : " ").append(token);
    return escaped(text);
}

// Flag, code and text length after one stage.
QByteArray stageState(const ExpressionEvaluator &evaluator)
{
    return number(evaluator.EvalOk) + number(int(evaluator.EvalCode)) + ':' + number(evaluator.EvalText.size());
}

// The state after each stage, written as "=" where the stage changed none
// of it (as every stage after a failure should), which keeps the record
// small.
class StageTrace
{
public:
    explicit StageTrace(const ExpressionEvaluator &evaluator) : m_evaluator(evaluator) {}

    void add()
    {
        const QByteArray state = stageState(m_evaluator);
        m_trace += ' ' + (state == m_last ? QByteArray("=") : state);
        m_last = state;
    }
    void addValue(float value) { m_trace += ' ' + hexFloat(value); }
    void addPostfixSize() { m_trace += '/' + number(m_evaluator.PostfixList.size()); }
    const QByteArray &trace() const { return m_trace; }

private:
    const ExpressionEvaluator &m_evaluator;
    QByteArray m_trace = "stages";
    QByteArray m_last;
};

QByteArray stagesOneByOne(ExpressionEvaluator &evaluator, const QString &text)
{
    StageTrace trace(evaluator);
    evaluator.Start(text);
    trace.add();
    evaluator.CheckLastChar();
    trace.add();
    evaluator.Tokenize();
    trace.add();
    evaluator.CheckCharacters();
    trace.add();
    evaluator.Normalize();
    trace.add();
    evaluator.BeginParse();
    trace.add();
    evaluator.ToPostfix();
    trace.add();
    evaluator.CollectPostfix();
    trace.add();
    trace.addPostfixSize();
    evaluator.CheckOperandCount();
    trace.add();
    trace.addValue(evaluator.EvaluatePostfix());
    trace.add();
    evaluator.EndParse();
    trace.add();
    return trace.trace();
}

// What one call of the C library's logarithm, exponential, sine, cosine or
// arctangent may differ by between two x86-64 processors, in units in the
// last place of its result: the x87 instructions behind them are faithful,
// not correctly rounded, and makers round the last bit differently.
constexpr long double LibraryUlps = 4;

long double ulp(long double value)
{
    return value == 0 ? 0 : std::scalbn(1.0L, std::ilogb(value) - (std::numeric_limits<long double>::digits - 1));
}

// A value of the evaluation and how far another processor's may lie from it.
struct Spread {
    long double value = 0;
    long double reach = 0;
};

// Nothing carried stays nothing, even where the derivative is infinite.
long double carried(long double reach, long double derivative)
{
    return reach == 0 ? 0 : reach * std::fabs(derivative);
}

// arcsin(1), arcsin(-1) and arccos(0) are quotients of pi, not library calls.
bool callsLibrary(char code, long double argument)
{
    if (code == 'b')
        return std::fabs(argument) != 1;
    if (code == 'd')
        return argument != 0;
    return QByteArrayView("#^acfglos").contains(code);
}

// The operands' reach carried through one step, to first order.
long double carriedReach(char code, const Spread &left, const Spread &right, long double result, long double factor)
{
    const long double l = left.value;
    const long double r = right.value;
    switch (code) {
    case '+':
    case '-':
        return left.reach + right.reach;
    case '*':
        return carried(left.reach, r) + carried(right.reach, l);
    case '/':
        return carried(left.reach, 1 / r) + carried(right.reach, result / r);
    case 'r':
        return carried(left.reach, 1 / (2 * result));
    case 'h':
        return left.reach;
    case '^':
    case '#': {
        if (l == 0)
            return carried(left.reach, std::numeric_limits<long double>::infinity());
        // e^(E ln L), with the logarithm's own difference multiplied by E.
        const long double exponent = code == '^' ? r : -r;
        const long double logarithm = std::log(std::fabs(l));
        return carried(left.reach, result * exponent / l) + carried(right.reach, result * logarithm)
            + std::fabs(result * exponent) * LibraryUlps * ulp(logarithm);
    }
    case 'c':
    case 'f':
        return carried(left.reach, result);
    case 'l':
        return carried(left.reach, 1 / l);
    case 'g':
        return carried(left.reach, 1 / (l * std::numbers::ln10_v<long double>));
    case 's':
    case 'o':
        return carried(left.reach, factor);
    case 'a':
        return carried(left.reach, 1 / ((1 + l * l) * factor));
    default: // arcsin and arccos
        return carried(left.reach, 1 / (std::sqrt(1 - l * l) * factor));
    }
}

// Each step rounds its result once more where its operands differ, and a
// library call adds its own difference.
Spread step(ExpressionEvaluator &evaluator, char code, const Spread &left, const Spread &right)
{
    const long double result = evaluator.ApplyOperator(code, right.value, left.value);
    const long double reach = carriedReach(code, left, right, result, evaluator.AngleFactor);
    const long double rounding = reach == 0 ? 0 : ulp(result);
    const long double library = callsLibrary(code, left.value) ? LibraryUlps * ulp(result) : 0;
    return {result, reach + rounding + library};
}

// How far the last evaluation's extended value may lie from another x86-64
// processor's, to first order; 0 when no step called the C library.
long double extendedReach(const ExpressionEvaluator &evaluated)
{
    if (!evaluated.EvalOk)
        return 0;
    ExpressionEvaluator evaluator;
    evaluator.AngleFactor = evaluated.AngleFactor;
    std::vector<Spread> values;
    for (const QByteArrayView token : evaluated.PostfixList) {
        if (const std::optional<long double> value = operandValue(token)) {
            values.push_back({*value, 0});
            continue;
        }
        Spread right;
        if (QByteArrayView("#*+-/^").contains(token.front())) {
            right = values.back();
            values.pop_back();
        }
        values.back() = step(evaluator, token.front(), values.back(), right);
    }
    return values.back().reach;
}

QByteArray evaluatorState(const ExpressionEvaluator &evaluator)
{
    return "ok " + number(evaluator.EvalOk) + " code " + number(int(evaluator.EvalCode)) + " message "
        + escaped(evaluator.EvalMessage.toUtf8()) + " mode " + number(evaluator.EvalMode) + " factor "
        + hexFloat(evaluator.AngleFactor) + ExtendedField.toByteArray() + hexFloat(evaluator.extendedResult())
        + " text " + escaped(evaluator.EvalText) + " postfix " + postfixText(evaluator);
}

QByteArray calculatorState(const Calculation &calculation)
{
    return "shown " + number(calculation.ok) + number(calculation.textRejected) + ' '
        + escaped(calculation.shown.toUtf8()) + " result " + hexFloat(Calculator.EvalResult) + ' '
        + escaped(Calculator.ResultText.toUtf8());
}

AngleUnit unitAt(int position)
{
    return position % 2 == 0 ? AngleUnit::Degrees : AngleUnit::Radians;
}

QByteArray unitName(AngleUnit unit)
{
    return unit == AngleUnit::Degrees ? "deg" : "rad";
}

bool recordRobustnessTexts(const RecordSink &sink)
{
    resetEvaluatorValues();
    resetCalculatorValues();
    RobustnessTexts texts;
    for (int i = 0; i < RobustnessTexts::Count; ++i) {
        const QString text = texts.next();
        selectAngleUnit(unitAt(i));
        const QByteArray stages = stagesOneByOne(Evaluator, text);
        const Calculation calculation = calculate(text);
        const QByteArray line = "robustness " + unitName(unitAt(i)) + " | " + stages + " | "
            + evaluatorState(Evaluator) + " | " + calculatorState(calculation);
        if (!sink(text, line, extendedReach(Evaluator)))
            return false;
    }
    return true;
}

void recordBenchmarkMix(const RecordSink &sink)
{
    const QStringList mix = benchmarkMix();
    for (AngleUnit unit : {AngleUnit::Degrees, AngleUnit::Radians}) {
        for (const QString &expression : mix) {
            ExpressionEvaluator evaluator;
            evaluator.AngleFactor = unit == AngleUnit::Degrees ? DegreeFactor : RadianFactor;
            const float value = evaluator.Evaluate(expression);
            const QByteArray line = "mix " + unitName(unit) + " | value " + hexFloat(value)
                + " | " + evaluatorState(evaluator);
            if (!sink(expression, line, extendedReach(evaluator)))
                return;
        }
    }
}

// Where a line holds its extended value: from the end of the field's name
// to the next blank.
struct FieldPlace {
    qsizetype start = -1;
    qsizetype end = -1;
};

FieldPlace extendedPlace(QByteArrayView line)
{
    const qsizetype name = line.indexOf(ExtendedField);
    if (name < 0)
        return {};
    const qsizetype start = name + ExtendedField.size();
    return {start, line.indexOf(' ', start)};
}

long double extendedValue(QByteArrayView line, FieldPlace place)
{
    return std::strtold(line.sliced(place.start, place.end - place.start).toByteArray().constData(), nullptr);
}

} // namespace

void recordEvaluatorOutputs(const RecordSink &sink)
{
    if (recordRobustnessTexts(sink))
        recordBenchmarkMix(sink);
}

bool matchesRecord(QByteArrayView recorded, QByteArrayView line, long double reach)
{
    if (recorded == line)
        return true;
    const FieldPlace was = extendedPlace(recorded);
    const FieldPlace is = extendedPlace(line);
    if (reach == 0 || was.end < 0 || is.end < 0 || recorded.first(was.start) != line.first(is.start)
        || recorded.sliced(was.end) != line.sliced(is.end))
        return false;
    // Twice the reach: a first-order estimate is not a bound.
    return std::fabs(extendedValue(recorded, was) - extendedValue(line, is)) <= 2 * reach;
}

QByteArray recordedEvaluatorOutputs(const QByteArray &previous)
{
    const QList<QByteArray> previousLines = previous.split('\n');
    QByteArray lines;
    qsizetype index = 0;
    recordEvaluatorOutputs([&](const QString &, const QByteArray &line, long double reach) {
        const bool kept = index < previousLines.size() && matchesRecord(previousLines[index], line, reach);
        lines += (kept ? previousLines[index] : line) + '\n';
        ++index;
        return true;
    });
    return qCompress(lines, 9);
}

QByteArray printable(const QString &text)
{
    QByteArray bytes;
    for (QChar character : text) {
        if (character.unicode() >= 0x20 && character.unicode() < 0x7F && character != u'\\') {
            bytes.append(char(character.unicode()));
        } else {
            char escape[12];
            std::snprintf(escape, sizeof escape, "\\u%04X", unsigned(character.unicode()));
            bytes.append(escape);
        }
    }
    return bytes;
}
