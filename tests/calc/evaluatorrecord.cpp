#include "evaluatorrecord.h"

#include "calc/calculatorvalues.h"
#include "calc/expressionevaluator.h"
#include "evaluatorinputs.h"

#include <cstdio>

namespace {

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

QByteArray evaluatorState(const ExpressionEvaluator &evaluator)
{
    return "ok " + number(evaluator.EvalOk) + " code " + number(int(evaluator.EvalCode)) + " message "
        + escaped(evaluator.EvalMessage.toUtf8()) + " mode " + number(evaluator.EvalMode) + " factor "
        + hexFloat(evaluator.AngleFactor) + " extended " + hexFloat(evaluator.extendedResult()) + " text "
        + escaped(evaluator.EvalText) + " postfix " + postfixText(evaluator);
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
        if (!sink(text, line))
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
            if (!sink(expression, line))
                return;
        }
    }
}

} // namespace

void recordEvaluatorOutputs(const RecordSink &sink)
{
    if (recordRobustnessTexts(sink))
        recordBenchmarkMix(sink);
}

QByteArray recordedEvaluatorOutputs()
{
    QByteArray lines;
    recordEvaluatorOutputs([&lines](const QString &, const QByteArray &line) {
        lines += line + '\n';
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
