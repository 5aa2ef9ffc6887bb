#pragma once

#include "transform/transformsettings.h"

#include <QString>
#include <array>
#include <optional>

// The six coefficients of x' = a x + b y + c, y' = a' x + b' y + c', in the
// order of `AffineText`.
enum AffineField : int { AffineC, AffineA, AffineB, AffineCPrime, AffineAPrime, AffineBPrime };

inline constexpr int AffineFieldCount = 6;
inline constexpr int AffinePresetCount = 7;

// Whether each field's last evaluation succeeded, in `AffineField` order.
using AffineValidity = std::array<bool, AffineFieldCount>;

// The place of a field's value in `AffineCoeff`: row 0 for x', row 1 for
// y', each as (constant term, x coefficient, y coefficient), which is the
// order of the texts too.
constexpr int affineRow(int field) { return field / 3; }
constexpr int affineColumn(int field) { return field % 3; }

// What the affinity dialog does whenever a field's text changes: the text is
// evaluated by the program-wide evaluator in plain-number mode and stored in
// the slot's `AffineText` whether it is valid or not; its value is stored in
// `AffineCoeff`, in single precision, only when it evaluates. An empty text
// fails with the evaluator's message "Stringa vuota". Returns whether the
// text evaluated; the evaluator's success flag says the same.
bool applyAffineText(TransformSettingsValues &store, int slot, int field, const QString &text);

// The texts a preset puts in the six fields, in `AffineField` order.
AffineTexts affinePresetTexts(int preset);

// The values a preset also stores directly, without evaluating its texts:
// only "generica" has them.
std::optional<AffineMatrix> affinePresetMatrix(int preset);

// The line shown when OK finds invalid fields: "Error in:  " and the name of
// each invalid field, in `AffineField` order. The same in every language.
QString affineErrorLine(const AffineValidity &valid);
