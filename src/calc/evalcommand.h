#pragma once

#include <QString>

class QTextStream;

// `aralda --eval EXPRESSION [--radians]`: prints what the calculator's result
// field would show for the expression, with no window, so that a teacher can
// check answers from a terminal.
namespace EvalCommand {

// The exit code: 0 for a value; 1 for an evaluation error (its message is
// printed like a value) or an expression with nothing but blanks (said on
// `err`). The command line is read by the program's one parser. Whether `out` reached its
// reader is the caller's to check, as for every command-line mode.
int run(const QString &expression, bool radians, QTextStream &out, QTextStream &err);

} // namespace EvalCommand
