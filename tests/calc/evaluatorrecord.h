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

// Called with each input and its line, in order; returning false stops.
using RecordSink = std::function<bool(const QString &input, const QByteArray &line)>;

void recordEvaluatorOutputs(const RecordSink &sink);

// The recorded file holds the lines, each ended by a newline, compressed
// with qCompress.
QByteArray recordedEvaluatorOutputs();

// The input as printable ASCII, other bytes and characters as escapes.
QByteArray printable(const QString &text);
