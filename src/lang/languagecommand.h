#pragma once

class QByteArray;
class QTextStream;

// `aralda --check-language FILE` and `aralda --write-language-template FILE`:
// a translator's two tools, with no window, so they work over ssh and in
// scripts as `--eval` does. `name` holds the file name's bytes as the
// command line gave them, whatever their encoding.
namespace LanguageCommand {

// 0 when the program would load the file, 1 when it would not, 2 when the
// file cannot be read.
int checkLanguage(const QByteArray &name, QTextStream &out, QTextStream &err);

// 0 when written, 1 when the file already exists, 2 when it cannot be
// written.
int writeTemplate(const QByteArray &name, QTextStream &err);

} // namespace LanguageCommand
