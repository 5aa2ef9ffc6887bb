#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Everything the evaluator leaves observable after each input, written one
// line per input so that a change of any stage, message, flag or last bit of
// a value changes the line. Floats are written as hexadecimal floats.
//
// The inputs are the robustness texts, each through the calculator's own
// path on the program-wide evaluator (degrees for even positions, radians
// for odd ones), every stage also run one by one first; then the benchmark's
// mix on a fresh evaluator, in degrees and in radians.

// Called with each input, its line and the line's extended-value reach, in
// order; returning false stops.
using RecordSink = std::function<bool(const QString &input, const QByteArray &line, long double reach)>;

void recordEvaluatorOutputs(const RecordSink &sink);

// Whether a line made now says what the recorded line says: every field
// byte for byte, but the extended value only within twice its reach. The
// reach is 0, and the value compared exactly, unless the C library's
// transcendental functions made it: their x87 instructions round the last
// bit differently from one processor maker to another.
bool matchesRecord(QByteArrayView recorded, QByteArrayView line, long double reach);

// The recorded file holds the lines, each ended by a newline, compressed
// with qCompress. Each line of `previous` (uncompressed) that the new line
// still matches is kept as it stands, so that writing the record again on
// another processor changes only the lines whose outputs changed.
QByteArray recordedEvaluatorOutputs(const QByteArray &previous);

// The input as printable ASCII, other bytes and characters as escapes.
QByteArray printable(const QString &text);
