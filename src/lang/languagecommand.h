#pragma once

class QTextStream;

// `aralda --check-language FILE` and `aralda --write-language-template FILE`:
// a translator's two tools, with no window, so they work over ssh and in
// scripts as `--eval` does.
namespace LanguageCommand {

// Whether the command line asks for one of these modes; decided before any
// application object exists, since they need no window system.
bool requested(int argc, char *argv[]);

// The exit code. --check-language: 0 when the program would load the file,
// 1 when it would not, 2 when the file cannot be read.
// --write-language-template: 0 when written, 1 when the file already exists,
// 2 when it cannot be written. Either: 2 for a command line it cannot read.
// `argv` as the program got it: a file name keeps its bytes, whatever its
// encoding.
int run(int argc, char *argv[], QTextStream &out, QTextStream &err);

} // namespace LanguageCommand
