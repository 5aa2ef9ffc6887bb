#include "calc/expressionevaluator.h"

#include "calc/decimalvalue.h"
#include "calc/namecodes.h"
#include "lang/cp1252.h"
#include "lang/fixedtexts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

ExpressionEvaluator Evaluator;

void resetEvaluatorValues()
{
    Evaluator = ExpressionEvaluator();
}

QString evalErrorMessage(EvalError code)
{
    // Made once, so that an error costs no conversion and no allocation.
    static const auto messages = [] {
        std::array<QString, std::size(FixedTexts::EvalMessages)> texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = QString::fromUtf8(FixedTexts::EvalMessages[i]);
        return texts;
    }();
    return messages[std::size_t(code)];
}

namespace {

constexpr char EndMarker = '@';
constexpr char TenToTheTwenty = '\xEC';

// Function codes that take one argument, as the stack conversion and
// ApplyOperator know them.
constexpr ByteSet FunctionCodes{"abcdfghlors"};
constexpr ByteSet BinaryOperators{"#*+-/^"};
// What an arriving "*" or "/", and an arriving "+" or "-", take off the
// operator stack before they are pushed.
constexpr ByteSet BindingAtLeastProducts{"abcdfghlors^#*/"};
constexpr ByteSet BindingAtLeastSums{"abcdfghlors^#*/+-"};
constexpr ByteSet OperandCharacters{".0123456789ep\xEC"};

// Every byte the rewritten text may hold.
constexpr ByteSet Alphabet{"#()*+,-./0123456789^abcdefghilopors\xEC"};
// An operator may not follow an operator or a function name, so a minus
// sign only starts the text or follows "(".
constexpr ByteSet NoOperatorAfter{"#*+-/^abcdfghilors"};
constexpr ByteSet TypedOperators{"*+-/^"};

// Left neighbours after which the implicit products insert no "*". "#"
// stands beside "^" in each: it is the power with a negated exponent, and
// 2^-3 must stay a power.
constexpr ByteSet KeepBeforeLetter{"(*+-./^#abcdefghilors"};
constexpr ByteSet KeepBeforeDigit{"(*+-./0123456789^#abcdefghilors"};
constexpr ByteSet KeepBeforeParenthesis{"(*+-/^#abcdefghilors"};

// Numbers are read whole, however long; no number of 20 characters reaches
// 10^20, and from there on a number overflows, as 10^20 itself does.
constexpr qsizetype MostWholeDigits = 20;

// Values with at least this magnitude round to infinity in single precision.
constexpr long double SingleOverflow = 0x1.ffffffp127L;

constexpr long double Pi = std::numbers::pi_v<long double>;

bool isOneOf(char character, std::string_view set)
{
    return set.find(character) != std::string_view::npos;
}

bool isCapital(char character)
{
    return character >= 'A' && character <= 'Z';
}

bool isSmall(char character)
{
    return character >= 'a' && character <= 'z';
}

bool isDigit(char character)
{
    return character >= '0' && character <= '9';
}

bool isLetterCode(char character)
{
    return (character >= 'a' && character <= 'p') || character == 'r' || character == 's';
}

// What no complete expression ends with: an operator, an opening
// parenthesis, a point, or a letter that ends no name (the last letters of
// sqrt, pi and e, and of variables, stay allowed).
bool refusedAtEnd(char character)
{
    return isOneOf(character, "(*+,-./") || (isCapital(character) && !isOneOf(character, "EIX"))
        || (isSmall(character) && !isOneOf(character, "eitxy")) || character == '\xFB';
}

// The implicit products: a "*" goes before a letter code, a digit or a "("
// unless its left neighbour keeps them apart. The "*" that one kind
// inserts stands right before a character of that kind, so it is never the
// left neighbour another kind looks at: one pass decides all three.
bool productBetween(char left, char right)
{
    if (isLetterCode(right))
        return !KeepBeforeLetter.contains(left);
    if (isDigit(right))
        return !KeepBeforeDigit.contains(left);
    return right == '(' && !KeepBeforeParenthesis.contains(left);
}

// Blanks dropped, small letters made capitals, written over `to`.
void capitalizeWithoutBlanks(QByteArrayView from, QByteArray &to)
{
    to.resize(from.size());
    char *end = to.data();
    for (char character : from) {
        if (character != ' ')
            *end++ = isSmall(character) ? char(character - 'a' + 'A') : character;
    }
    to.resize(end - to.constData());
}

// A "+" after an operator or a function name is only a sign and says
// nothing.
void dropRedundantPluses(QByteArray &text)
{
    char *const begin = text.data();
    char *end = begin;
    for (char character : std::as_const(text)) {
        const bool redundant = character == '+' && end != begin
            && (BinaryOperators.contains(end[-1]) || FunctionCodes.contains(end[-1]));
        if (!redundant)
            *end++ = character;
    }
    text.resize(end - begin);
}

// Whether a number is 10^20 or more: its whole part has more than 20
// digits after its leading zeros.
bool reachesTenToTheTwenty(QByteArrayView number)
{
    if (number.size() <= MostWholeDigits)
        return false;
    const qsizetype point = number.indexOf('.');
    const QByteArrayView whole = point < 0 ? number : number.first(point);
    const auto firstSignificant = std::find_if(whole.begin(), whole.end(), [](char digit) { return digit != '0'; });
    return whole.end() - firstSignificant > MostWholeDigits;
}

} // namespace

std::optional<long double> operandValue(QByteArrayView token)
{
    if (token.size() == 1) {
        switch (token.front()) {
        case 'e':
            return std::numbers::e_v<long double>;
        case 'p':
            return Pi;
        case TenToTheTwenty:
            return 1e20L;
        }
    }
    return decimalValue(token);
}

void ExpressionEvaluator::SetEvalError(EvalError code)
{
    EvalCode = code;
    EvalMessage = evalErrorMessage(code);
    EvalOk = false;
}

void ExpressionEvaluator::Start(const QString &text)
{
    EvalOk = true;
    EvalMode = 0;
    EvalMessage.clear();
    EvalCode = EvalError::None;
    PostfixList.clear();
    m_result = 0;
    const bool encoded = encode(text);
    if (text.isEmpty())
        EvalOk = false;
    else if (!encoded || text.size() > TextCapacity)
        SetEvalError(EvalError::Syntax);
}

bool ExpressionEvaluator::encode(const QString &text)
{
    EvalText.resize(text.size());
    char *byte = EvalText.data();
    for (QChar character : text) {
        const std::optional<unsigned char> encoded = Cp1252::encodeChar(character);
        if (!encoded) {
            EvalText.resize(0);
            return false;
        }
        *byte++ = char(*encoded);
    }
    return true;
}

void ExpressionEvaluator::CheckText()
{
    CheckLastChar();
    Tokenize();
    CheckCharacters();
    Normalize();
}

float ExpressionEvaluator::ParseAndEvaluate()
{
    if (!EvalOk)
        return 0;
    BeginParse();
    ToPostfix();
    CollectPostfix();
    CheckOperandCount();
    const float value = EvaluatePostfix();
    EndParse();
    return value;
}

float ExpressionEvaluator::Evaluate(const QString &text)
{
    Start(text);
    CheckText();
    return ParseAndEvaluate();
}

void ExpressionEvaluator::CheckLastChar()
{
    if (!EvalOk)
        return;
    EvalMessage.clear();
    if (EvalText.isEmpty())
        EvalOk = false;
    else if (refusedAtEnd(EvalText.back()))
        SetEvalError(EvalError::Syntax);
}

void ExpressionEvaluator::Tokenize()
{
    if (!EvalOk)
        return;
    capitalizeWithoutBlanks(EvalText, m_rewritten);
    if (!replaceNames(m_rewritten)) {
        SetEvalError(EvalError::Syntax);
        return;
    }
    dropRedundantPluses(m_rewritten);
    EvalText.swap(m_rewritten);
}

void ExpressionEvaluator::CheckCharacters()
{
    if (!EvalOk)
        return;
    char left = 0; // in no set: nothing stands before the first character
    for (char character : std::as_const(EvalText)) {
        const bool refusedPair = NoOperatorAfter.contains(left) && TypedOperators.contains(character);
        if (!Alphabet.contains(character) || refusedPair) {
            SetEvalError(EvalError::Syntax);
            return;
        }
        left = character;
    }
}

void ExpressionEvaluator::Normalize()
{
    if (!EvalOk)
        return;
    // At most a "*" before each character, and a "0" after each "(" and
    // at the start.
    m_rewritten.resize(3 * EvalText.size() + 1);
    char *const begin = m_rewritten.data();
    char *end = begin;
    const auto put = [&](char character) {
        if (end != begin && productBetween(end[-1], character))
            *end++ = '*';
        *end++ = character;
    };
    // A leading sign and a sign after "(" become subtractions from 0.
    if (EvalText.startsWith('+') || EvalText.startsWith('-'))
        put('0');
    for (qsizetype i = 0; i < EvalText.size(); ++i) {
        put(EvalText[i]);
        if (EvalText[i] == '(' && i + 1 < EvalText.size() && isOneOf(EvalText[i + 1], "+-"))
            put('0');
    }
    m_rewritten.resize(end - begin);
    EvalText.swap(m_rewritten);
}

void ExpressionEvaluator::BeginParse()
{
    EvalText.append(EndMarker);
    m_operators.assign(1, EndMarker);
    m_output.clear();
    m_parsing = true;
}

void ExpressionEvaluator::emitToken(QByteArrayView token)
{
    if (m_output.size() >= PostfixCapacity)
        SetEvalError(EvalError::Syntax);
    else
        m_output.append(token);
}

// The end marker at the bottom of the stack stops every popping loop; only
// the end of the text removes what lies above it.
void ExpressionEvaluator::popOperatorsWhile(const ByteSet &popped)
{
    while (EvalOk && popped.contains(m_operators.back())) {
        emitToken(QByteArrayView(&m_operators.back(), 1));
        m_operators.pop_back();
    }
}

void ExpressionEvaluator::ToPostfix()
{
    if (!EvalOk || !m_parsing)
        return;
    qsizetype i = 0;
    while (EvalOk && i < EvalText.size()) {
        const char character = EvalText[i];
        if (OperandCharacters.contains(character)) {
            qsizetype end = i;
            while (end < EvalText.size() && OperandCharacters.contains(EvalText[end]))
                ++end;
            emitToken(QByteArrayView(EvalText).sliced(i, end - i));
            i = end;
            continue;
        }
        ++i;
        if (character == '(' || FunctionCodes.contains(character)) {
            m_operators.push_back(character);
        } else if (character == '^' || character == '#') {
            // Functions bind tightest, so sin(30)^2 squares the sine rather
            // than taking the sine of 900; powers group from the right, so
            // 2^3^2 is 2^9.
            popOperatorsWhile(FunctionCodes);
            m_operators.push_back(character);
        } else if (character == '*' || character == '/') {
            popOperatorsWhile(BindingAtLeastProducts);
            m_operators.push_back(character);
        } else if (character == '+' || character == '-') {
            popOperatorsWhile(BindingAtLeastSums);
            m_operators.push_back(character);
        } else if (character == ')') {
            popOperatorsWhile(BindingAtLeastSums);
            if (m_operators.back() == '(')
                m_operators.pop_back();
            else
                SetEvalError(EvalError::Syntax); // a ")" without its "("
        } else if (character == EndMarker) {
            popOperatorsWhile(BindingAtLeastSums);
            if (m_operators.back() != EndMarker)
                SetEvalError(EvalError::Syntax); // a "(" never closed
            return;
        } else {
            SetEvalError(EvalError::Syntax);
        }
    }
}

void ExpressionEvaluator::CollectPostfix()
{
    if (EvalOk)
        PostfixList = m_output;
}

void ExpressionEvaluator::CheckOperandCount()
{
    if (!EvalOk)
        return;
    int balance = 0;
    for (const QByteArrayView token : PostfixList) {
        if (operandValue(token))
            ++balance;
        else if (!token.isEmpty() && BinaryOperators.contains(token.front()))
            --balance;
    }
    if (balance != 1)
        SetEvalError(EvalError::Syntax);
}

float ExpressionEvaluator::EvaluatePostfix()
{
    if (!EvalOk)
        return 0;
    m_values.clear();
    // The operand count alone lets through lists such as "r e 3 *" (from
    // sqrt()e(3)), whose function finds no argument, and tokens that are
    // neither a number nor a constant; both are syntax errors, not a read
    // beyond the stack.
    for (const QByteArrayView token : PostfixList) {
        if (!EvalOk)
            break;
        if (const std::optional<long double> value = operandValue(token)) {
            if (reachesTenToTheTwenty(token)) {
                SetEvalError(EvalError::Overflow);
                break;
            }
            m_values.push_back(*value);
            continue;
        }
        const char code = token.isEmpty() ? 0 : token.front();
        const bool binary = token.size() == 1 && BinaryOperators.contains(code);
        const bool function = token.size() == 1 && FunctionCodes.contains(code);
        if (!(binary || function) || m_values.size() < (binary ? 2u : 1u)) {
            SetEvalError(EvalError::Syntax);
            break;
        }
        long double right = 0;
        if (binary) {
            right = m_values.back();
            m_values.pop_back();
        }
        m_values.back() = ApplyOperator(code, right, m_values.back());
    }
    if (EvalOk && m_values.size() != 1)
        SetEvalError(EvalError::Syntax);
    if (EvalOk && std::fabs(m_values.back()) >= SingleOverflow)
        SetEvalError(EvalError::Overflow);
    m_result = EvalOk ? m_values.back() : 0;
    return float(m_result);
}

void ExpressionEvaluator::EndParse()
{
    m_operators.clear();
    m_parsing = false;
}

long double ExpressionEvaluator::power(long double base, long double exponent)
{
    if (base > 0)
        return std::exp(exponent * std::log(base));
    if (base == 0)
        return 0;
    const long double magnitude = std::exp(exponent * std::log(-base));
    if (std::trunc(exponent) == exponent)
        return std::fmod(exponent, 2.0L) == 0 ? magnitude : -magnitude;
    const long double root = 1 / exponent;
    if (std::trunc(root) == root && std::fmod(root, 2.0L) != 0)
        return -magnitude; // an odd root of a negative number
    SetEvalError(EvalError::PowerOutOfRange);
    return 0;
}

long double ExpressionEvaluator::ApplyOperator(char code, long double right, long double left)
{
    const long double factor = AngleFactor;
    long double result = 0;
    switch (code) {
    case '+':
        result = left + right;
        break;
    case '-':
        result = left - right;
        break;
    case '*':
        result = left * right;
        break;
    case '/':
        if (right == 0) {
            SetEvalError(EvalError::DivisionByZero);
            return 0;
        }
        result = left / right;
        break;
    case '^':
    case '#':
        if (left >= 2500.1L || left <= -2800.1L || right >= 20) {
            SetEvalError(EvalError::Overflow);
            return 0;
        }
        result = power(left, code == '^' ? right : -right);
        break;
    case 'c':
        if (!(left > -2800.1L && left < 2500.1L)) {
            SetEvalError(EvalError::Overflow);
            return 0;
        }
        result = std::exp(left);
        break;
    case 'f':
        if (!(left > -2500.1L && left < 2800.1L)) {
            SetEvalError(EvalError::Overflow);
            return 0;
        }
        result = std::exp(-left);
        break;
    case 'g':
    case 'l':
        if (left <= 0) {
            SetEvalError(EvalError::LogOutOfRange);
            return 0;
        }
        result = code == 'l' ? std::log(left) : std::log(left) / std::log(10.0L);
        break;
    case 'r':
        if (left < 0) {
            SetEvalError(EvalError::RootOutOfRange);
            return 0;
        }
        result = std::sqrt(left);
        break;
    case 'h':
        result = std::fabs(left);
        break;
    case 's':
        result = std::sin(left * factor);
        break;
    case 'o':
        result = std::cos(left * factor);
        break;
    case 'a':
        result = std::atan(left) / factor;
        break;
    case 'b':
    case 'd':
        if (left > 1 || left < -1) {
            SetEvalError(EvalError::ArcOutOfRange);
            return 0;
        }
        if (code == 'b' && (left == 1 || left == -1))
            result = left * Pi / (2 * factor);
        else if (code == 'b')
            result = std::atan(left / std::sqrt(1 - left * left)) / factor;
        else if (left == 0)
            result = Pi / (2 * factor);
        else {
            // The second half turn follows the sign of the argument, not of the
            // arctangent, which for -1 is a negative zero.
            result = std::atan(std::sqrt(1 - left * left) / left) / factor;
            if (left < 0)
                result += Pi / factor;
        }
        break;
    default:
        SetEvalError(EvalError::Syntax);
        return 0;
    }
    // Extended precision is wide but not endless: a chain of products of
    // exp(2500) or a huge power of a small base ends in infinity.
    if (!std::isfinite(result)) {
        SetEvalError(EvalError::Overflow);
        return 0;
    }
    return result;
}
