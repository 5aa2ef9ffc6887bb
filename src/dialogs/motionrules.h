#pragma once

#include "dialogs/spinrules.h"

// Ranges of the translation and rotation dialogs.
inline constexpr SpinRange TranslationDXRange{-30, 30};
inline constexpr SpinRange TranslationDYRange{-20, 20};
inline constexpr SpinRange RotationCentreRange{-5, 5};
inline constexpr SpinRange RotationAngleRange{-359, 359, true};
