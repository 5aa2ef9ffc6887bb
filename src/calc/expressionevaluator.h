#pragma once

#include "calc/byteset.h"
#include "calc/postfixtokens.h"

#include <QByteArray>
#include <QString>

#include <numbers>
#include <optional>
#include <string>
#include <vector>

// The evaluator's error codes; each has one message, English in every
// language (see evalErrorMessage).
enum class EvalError : quint8 {
    None = 0,
    ArcOutOfRange = 1,
    Syntax = 2,
    PowerOutOfRange = 3,
    RootOutOfRange = 4,
    LogOutOfRange = 5,
    DivisionByZero = 6,
    Overflow = 7,
};

QString evalErrorMessage(EvalError code);

// The value of a postfix token that is a number or one of the constants e,
// pi and 10^20; empty for any other token.
std::optional<long double> operandValue(QByteArrayView token);

// Radians per angle unit, as the single-precision values the calculator sets.
inline constexpr float DegreeFactor = float(std::numbers::pi / 180);
inline constexpr float RadianFactor = 1.0f;

// Turns a typed expression such as 2sin(30)+sqrt(3)/2 into one real value, in
// fixed stages: text checks and rewriting, conversion to postfix order,
// an operand count and evaluation on a value stack. Every stage does nothing
// once an earlier one has failed, so callers may run them blindly in order.
//
// The text is worked on as Windows-1252 bytes: the alphabet has one-byte
// codes for the function names and the byte 0xEC for 10^20.
class ExpressionEvaluator
{
public:
    static constexpr int TextCapacity = 255;
    static constexpr int PostfixCapacity = 151;

    // Program-wide state, read and written by the callers as well.
    QByteArray EvalText;
    bool EvalOk = false;
    QString EvalMessage;
    EvalError EvalCode = EvalError::None;
    quint8 EvalMode = 0; // 0: plain numbers, the only mode this program uses
    // Degrees from the start rather than 0: the affinity dialog may evaluate
    // before the calculator ever opened, and with 0 every sine would read 0
    // and every arc function divide by zero.
    float AngleFactor = DegreeFactor;
    PostfixTokens PostfixList;

    // Step 1: success flag set, plain numbers, text stored. An empty text
    // fails with no message, leaving the wording to the caller.
    void Start(const QString &text);

    void CheckLastChar();
    void Tokenize();
    void CheckCharacters();
    void Normalize();
    void BeginParse();
    void ToPostfix();
    void CollectPostfix();
    void CheckOperandCount();
    float EvaluatePostfix();
    void EndParse();

    // The stages from CheckLastChar to Normalize: whatever fails here is a
    // fault in the text as typed.
    void CheckText();
    // The stages from BeginParse to EndParse; 0 on failure.
    float ParseAndEvaluate();
    // Every step in order on one text.
    float Evaluate(const QString &text);

    // The last evaluation's value before its rounding to single precision;
    // 0 unless that evaluation succeeded.
    long double extendedResult() const { return m_result; }

    // `left` is the function's argument for the one-operand codes.
    long double ApplyOperator(char code, long double right, long double left);
    void SetEvalError(EvalError code);

private:
    // Into EvalText, Windows-1252; false, leaving it empty, for a character
    // that has no byte there.
    bool encode(const QString &text);
    void emitToken(QByteArrayView token);
    void popOperatorsWhile(const ByteSet &popped);
    long double power(long double base, long double exponent);

    // The text stages write their result here and swap it with EvalText, so
    // that both buffers keep their capacity from one evaluation to the next.
    QByteArray m_rewritten;
    std::string m_operators; // the operator stack, top at the end
    PostfixTokens m_output;
    std::vector<long double> m_values;
    long double m_result = 0;
    bool m_parsing = false;
};

extern ExpressionEvaluator Evaluator;

// Start values of the whole module, AngleFactor in degrees.
void resetEvaluatorValues();
