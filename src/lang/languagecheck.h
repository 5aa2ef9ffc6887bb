#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// What a translator needs to know about a language file before a class sees
// it: whether the program would load it, and which texts it would cut. The
// file is read and laid out by the very code that loads it (languagefile.h).
namespace LanguageCheck {

struct Report {
    QStringList lines; // printed one a line, in the order of the file's lines
    bool accepted = false;
};

// The report on a file's lines as LanguageFile::readLines gives them.
Report check(const QStringList &lines);

// Empty when the file cannot be read at all (missing, a folder, unreadable);
// a file too large to be a language file gets a report that refuses it.
// `name` is spelt byte for byte as the file system spells it.
std::optional<Report> checkFile(const QByteArray &name);

// `quoted` as a terminal shows it and is never steered by it: each control
// character (C0, DEL, C1) written as an escape, "\x1b".
QString printable(const QString &quoted);

// A file name spelt as bytes, printable: read as UTF-8 when it is UTF-8,
// otherwise each byte past ASCII as an escape too, "caf\xe9.lng".
QString printableName(const QByteArray &name);

// A file the program accepts, each line behind a prefix that names the table
// and row it feeds, with the English texts in place.
QStringList templateLines();

// Those lines in Windows-1252, each ended by CR LF.
QByteArray templateBytes();

// The English text of a line of the information window (file lines 0..81) or
// of the notes window (231..276).
QString englishWindowLine(int fileLine);

} // namespace LanguageCheck
