#include "calc/expressionevaluator.h"

#include "lang/cp1252.h"
#include "lang/fixedtexts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>

ExpressionEvaluator Evaluator;

void resetEvaluatorValues()
{
    Evaluator = ExpressionEvaluator();
}

QString evalErrorMessage(EvalError code)
{
    return QString::fromUtf8(FixedTexts::EvalMessages[std::size_t(code)]);
}

namespace {

constexpr char EndMarker = '@';
constexpr char TenToTheTwenty = '\xEC';

// Function codes that take one argument, as the stack conversion and
// ApplyOperator know them.
constexpr std::string_view FunctionCodes = "abcdfghlors";
constexpr std::string_view BinaryOperators = "#*+-/^";
// What an arriving "*" or "/", and an arriving "+" or "-", take off the
// operator stack before they are pushed.
constexpr std::string_view BindingAtLeastProducts = "abcdfghlors^#*/";
constexpr std::string_view BindingAtLeastSums = "abcdfghlors^#*/+-";
constexpr std::string_view OperandCharacters = ".0123456789ep\xEC";

// The name of each function and constant, and its code, in the order they
// are replaced: ARCCOS before COS, EXP- before EXP before E.
constexpr std::pair<std::string_view, char> NameCodes[] = {
    {",", '.'},     {"ABS", 'h'},  {"ARCCOS", 'd'}, {"ARCSIN", 'b'}, {"ARCTAN", 'a'}, {"COS", 'o'},
    {"EXP-", 'f'},  {"EXP", 'c'},  {"E", 'e'},      {"^-", '#'},     {"LN", 'l'},     {"LOG", 'g'},
    {"PI", 'p'},    {"SIN", 's'},  {"SQRT", 'r'},   {"RAD", 'r'},
};

// Every byte the rewritten text may hold.
constexpr std::string_view Alphabet = "#()*+,-./0123456789^abcdefghilopors\xEC";

// Left neighbours after which the implicit-multiplication passes insert no
// "*". "#" stands beside "^" in each: it is the power with a negated
// exponent, and 2^-3 must stay a power.
constexpr std::string_view KeepBeforeLetter = "(*+-./^#abcdefghilors";
constexpr std::string_view KeepBeforeDigit = "(*+-./0123456789^#abcdefghilors";
constexpr std::string_view KeepBeforeParenthesis = "(*+-/^#abcdefghilors";

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

// Digits with an optional "." fraction.
bool isNumber(const QByteArray &token)
{
    bool digitSeen = false;
    bool pointSeen = false;
    for (char character : token) {
        if (isDigit(character))
            digitSeen = true;
        else if (character == '.' && !pointSeen)
            pointSeen = true;
        else
            return false;
    }
    return digitSeen;
}

bool isConstant(const QByteArray &token)
{
    return token == "e" || token == "p" || token == QByteArray(1, TenToTheTwenty);
}

// Inserts "*" before every character that `isTarget` picks unless its left
// neighbour is one of `keep`.
template<typename Predicate>
QByteArray multiplyBefore(const QByteArray &text, Predicate isTarget, std::string_view keep)
{
    QByteArray result;
    result.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i > 0 && isTarget(text[i]) && !isOneOf(text[i - 1], keep))
            result.append('*');
        result.append(text[i]);
    }
    return result;
}

} // namespace

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
    const std::optional<QByteArray> bytes = Cp1252::encode(text);
    EvalText = bytes.value_or(QByteArray());
    if (text.isEmpty())
        EvalOk = false;
    else if (!bytes || text.size() > TextCapacity)
        SetEvalError(EvalError::Syntax);
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
    QByteArray text;
    text.reserve(EvalText.size());
    for (char character : std::as_const(EvalText)) {
        if (character != ' ')
            text.append(isSmall(character) ? char(character - 'a' + 'A') : character);
    }
    for (const auto &[name, code] : NameCodes)
        text.replace(QByteArrayView(name.data(), name.size()), QByteArrayView(&code, 1));
    if (std::any_of(text.cbegin(), text.cend(), isCapital)) {
        SetEvalError(EvalError::Syntax);
        return;
    }
    // A "+" after an operator or a function name is only a sign and says nothing.
    EvalText.clear();
    for (char character : std::as_const(text)) {
        const bool redundantPlus = character == '+' && !EvalText.isEmpty()
            && (isOneOf(EvalText.back(), BinaryOperators) || isOneOf(EvalText.back(), FunctionCodes));
        if (!redundantPlus)
            EvalText.append(character);
    }
}

void ExpressionEvaluator::CheckCharacters()
{
    if (!EvalOk)
        return;
    for (qsizetype i = 0; i < EvalText.size(); ++i) {
        const char character = EvalText[i];
        // An operator may not follow an operator or a function name, so a
        // minus sign only starts the text or follows "(".
        const bool refusedPair = i > 0 && isOneOf(EvalText[i - 1], "#*+-/^abcdfghilors")
            && isOneOf(character, "*+-/^");
        if (!isOneOf(character, Alphabet) || refusedPair) {
            SetEvalError(EvalError::Syntax);
            return;
        }
    }
}

void ExpressionEvaluator::Normalize()
{
    if (!EvalOk)
        return;
    // A leading sign and a sign after "(" become subtractions from 0.
    QByteArray text;
    text.reserve(EvalText.size() * 2);
    if (EvalText.startsWith('+') || EvalText.startsWith('-'))
        text.append('0');
    for (qsizetype i = 0; i < EvalText.size(); ++i) {
        text.append(EvalText[i]);
        if (EvalText[i] == '(' && i + 1 < EvalText.size() && isOneOf(EvalText[i + 1], "+-"))
            text.append('0');
    }
    text = multiplyBefore(text, isLetterCode, KeepBeforeLetter);
    text = multiplyBefore(text, isDigit, KeepBeforeDigit);
    text = multiplyBefore(text, [](char character) { return character == '('; }, KeepBeforeParenthesis);
    EvalText = text;
}

void ExpressionEvaluator::BeginParse()
{
    EvalText.append(EndMarker);
    m_operators = QByteArray(1, EndMarker);
    m_output.clear();
    m_parsing = true;
}

void ExpressionEvaluator::emitToken(const QByteArray &token)
{
    if (m_output.size() >= PostfixCapacity)
        SetEvalError(EvalError::Syntax);
    else
        m_output.append(token);
}

void ExpressionEvaluator::ToPostfix()
{
    if (!EvalOk || !m_parsing)
        return;
    // The end marker at the bottom of the stack stops every popping loop
    // below; only the end of the text removes what lies above it.
    auto popWhile = [this](std::string_view popped) {
        while (EvalOk && isOneOf(m_operators.back(), popped)) {
            emitToken(QByteArray(1, m_operators.back()));
            m_operators.chop(1);
        }
    };
    qsizetype i = 0;
    while (EvalOk && i < EvalText.size()) {
        const char character = EvalText[i];
        if (isOneOf(character, OperandCharacters)) {
            qsizetype end = i;
            while (end < EvalText.size() && isOneOf(EvalText[end], OperandCharacters))
                ++end;
            emitToken(EvalText.mid(i, std::min<qsizetype>(end - i, OperandCapacity)));
            i = end;
            continue;
        }
        ++i;
        if (character == '(' || isOneOf(character, FunctionCodes)) {
            m_operators.append(character);
        } else if (character == '^' || character == '#') {
            // Functions bind tightest, so sin(30)^2 squares the sine rather
            // than taking the sine of 900; powers group from the right, so
            // 2^3^2 is 2^9.
            popWhile(FunctionCodes);
            m_operators.append(character);
        } else if (character == '*' || character == '/') {
            popWhile(BindingAtLeastProducts);
            m_operators.append(character);
        } else if (character == '+' || character == '-') {
            popWhile(BindingAtLeastSums);
            m_operators.append(character);
        } else if (character == ')') {
            popWhile(BindingAtLeastSums);
            if (m_operators.back() == '(')
                m_operators.chop(1);
            else
                SetEvalError(EvalError::Syntax); // a ")" without its "("
        } else if (character == EndMarker) {
            popWhile(BindingAtLeastSums);
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
    for (const QByteArray &token : std::as_const(PostfixList)) {
        if (isNumber(token) || isConstant(token))
            ++balance;
        else if (isOneOf(token.front(), BinaryOperators))
            --balance;
    }
    if (balance != 1)
        SetEvalError(EvalError::Syntax);
}

std::optional<long double> ExpressionEvaluator::operandValue(const QByteArray &token) const
{
    if (isNumber(token)) {
        long double value = 0;
        std::from_chars(token.cbegin(), token.cend(), value, std::chars_format::fixed);
        return value;
    }
    if (token == "e")
        return std::numbers::e_v<long double>;
    if (token == "p")
        return Pi;
    if (token == QByteArray(1, TenToTheTwenty))
        return 1e20L;
    return std::nullopt;
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
    for (const QByteArray &token : std::as_const(PostfixList)) {
        if (!EvalOk)
            break;
        if (const std::optional<long double> value = operandValue(token)) {
            m_values.push_back(*value);
            continue;
        }
        const char code = token.front();
        const bool binary = token.size() == 1 && isOneOf(code, BinaryOperators);
        const bool function = token.size() == 1 && isOneOf(code, FunctionCodes);
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
