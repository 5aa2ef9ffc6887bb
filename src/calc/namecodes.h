#pragma once

#include <QByteArray>

// The evaluator works on one-byte codes for its function and constant names
// (SIN is "s", PI is "p", the decimal comma is "."). Replaces each name in a
// text of capitals by its code, in place; false when a capital is left that
// is part of no name.
bool replaceNames(QByteArray &text);
