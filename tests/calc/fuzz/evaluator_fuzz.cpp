// libFuzzer target: any input ends in a value or one of the evaluator's messages, never in a crash or hang.
#include "calc/calculatorvalues.h"
#include "calc/expressionevaluator.h"
#include "lang/cp1252.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the angle unit and how the rest is read: as the evaluator's own single-byte
    // text, or as UTF-8, which also reaches characters outside Windows-1252.
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QString text = data[0] & 1 ? QString::fromUtf8(bytes) : Cp1252::decode(bytes);
    Evaluator.AngleFactor = data[0] & 2 ? RadianFactor : DegreeFactor;
    const Calculation calculation = calculate(text);
    const bool consistent = calculation.ok
        ? Evaluator.EvalCode == EvalError::None && std::isfinite(Calculator.EvalResult)
            && Evaluator.PostfixList.size() <= ExpressionEvaluator::PostfixCapacity
        : calculation.shown == evalErrorMessage(Evaluator.EvalCode)
            && (Evaluator.EvalCode != EvalError::None || text.isEmpty());
    if (!consistent)
        __builtin_trap();
    return 0;
}
