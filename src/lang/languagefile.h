#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class TextTable;

// A fourth interface language comes from a translator's text file of 277
// lines in Windows-1252, each used line behind a three-character prefix.
namespace LanguageFile {

constexpr int LineCount = 277;
constexpr int SignatureLine = 82;
// The signature is the fifth character of its line: the second behind the prefix.
constexpr int SignaturePosition = 4;
constexpr char SignatureCharacter = 'm';
constexpr int PrefixLength = 3;

// The cell of column 3 (or, for the language's name, of any column) that a
// line of the file writes. Long texts lose one further leading character
// after the cut, so a translator's long text keeps at most 59 characters.
struct FedCell {
    TextTable *table;
    int row;
    int column;
    bool dropsFirstCharacter;
};

// Empty for the lines that fill no table: the information and notes texts,
// the signature and the three unused lines.
std::optional<FedCell> cellFedBy(int line);

// The text a line carries, behind its prefix.
QString textOf(const QString &line);

// The most a language file or its flag picture may hold, 1 MiB: a real file
// of 277 lines has a few kilobytes, a 16 x 16 picture one; a larger file is
// refused rather than read on.
constexpr qsizetype MaximumFileSize = 1 << 20;

enum class ReadStatus { Read, CannotOpen, TooLarge };

struct FileBytes {
    ReadStatus status;
    QByteArray bytes;
};

// The bytes of a regular file (or of a link to one) of at most
// MaximumFileSize bytes. A pipe or a device is never opened: it cannot be
// read, like a missing file. `name` is spelt byte for byte as the file
// system spells it.
FileBytes readBytes(const QByteArray &name);

// The extension must be exactly ".lng": a translator's "Spanish.LNG" is not one.
bool hasLanguageExtension(const QString &path);

// Windows-1252 text split at CR LF, CR or LF; a final line break ends the
// last line rather than starting an empty one.
QStringList decodeLines(const QByteArray &bytes);

// The file's bytes decoded and split. Empty when the file is missing, cannot
// be read, is too large or is no regular file.
std::optional<QStringList> readLines(const QString &path);

// 277 lines, and the fifth character of the signature line 82 is "m".
bool isValid(const QStringList &lines);

// Writes column 3 of the three tables from a valid file and keeps its lines.
void fillLoadedColumn(const QStringList &lines);

// The file asked for by the locale's language (4 Spanish, 5 Portuguese,
// 6 German); empty for any other index.
QString defaultFileName(int languageIndex);

// The start-up rule: with LanguageIndex 3..6 tries the named or default file
// and leaves LanguageIndex at 3 when it loaded, else at English. Silent.
void loadAtStartUp();

// The flag picture that may stand beside a language file.
QString flagPicturePath(const QString &languageFilePath);

// The bytes of that picture, read by the same rules as the language file;
// empty when there is none to read.
std::optional<QByteArray> readFlagPicture(const QString &languageFilePath);

} // namespace LanguageFile
