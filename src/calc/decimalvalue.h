#pragma once

#include <QByteArrayView>

#include <optional>

// The value of a decimal number written as digits with an optional "."
// fraction (no sign, no exponent), rounded to the nearest extended-precision
// value exactly as std::from_chars rounds it; empty for any other text.
std::optional<long double> decimalValue(QByteArrayView text);
