#include "calc/decimalvalue.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace {

// Up to 19 digits read as one whole number fit 64 bits, and so does 5^19:
// the whole number and its power of ten are both exact in extended
// precision, whose significand has 64 bits, and one division rounds their
// quotient to nearest just as the library rounds the decimal text.
constexpr int ExactDigits = 19;

constexpr std::array<long double, ExactDigits + 1> PowersOfTen = [] {
    std::array<long double, ExactDigits + 1> powers{};
    long double power = 1;
    for (long double &entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

bool isDigit(char character)
{
    return character >= '0' && character <= '9';
}

long double roundedByLibrary(QByteArrayView text)
{
    long double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return value;
}

} // namespace

std::optional<long double> decimalValue(QByteArrayView text)
{
    std::uint64_t whole = 0;
    int digits = 0;
    int fractionDigits = 0;
    bool pointSeen = false;
    for (char character : text) {
        if (isDigit(character)) {
            if (digits < ExactDigits)
                whole = whole * 10 + std::uint64_t(character - '0');
            ++digits;
            if (pointSeen)
                ++fractionDigits;
        } else if (character == '.' && !pointSeen) {
            pointSeen = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (digits > ExactDigits)
        return roundedByLibrary(text);
    return static_cast<long double>(whole) / PowersOfTen[fractionDigits];
}
