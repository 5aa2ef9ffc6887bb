#pragma once

#include <QStringList>

class QTextStream;

// `aralda --eval EXPRESSION [--radians]`: prints what the calculator's result
// field would show for the expression, with no window, so that a teacher can
// check answers from a terminal.
namespace EvalCommand {

// Whether the command line asks for this mode; decided before any
// application object exists, since this mode needs no window system.
bool requested(int argc, char *argv[]);

// The exit code: 0 for a value; 1 for an evaluation error (its message is
// printed like a value) or an expression with nothing but blanks (said on
// `err`); 2 for a command line it cannot read. Whether `out` reached its
// reader is the caller's to check, as for every command-line mode.
int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace EvalCommand
