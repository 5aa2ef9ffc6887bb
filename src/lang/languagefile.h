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

enum class ReadStatus { Read, CannotOpen, TooLarge };

struct FileBytes {
    ReadStatus status;
    QByteArray bytes;
};

// A translator's file can be anything; a larger one is not a language file.
constexpr qint64 MaximumFileSize = 1 << 20;

FileBytes readBytes(const QString &path);

// The extension must be exactly ".lng": a translator's "Spanish.LNG" is not one.
bool hasLanguageExtension(const QString &path);

// Lines split at CR LF, CR or LF; a final line break ends the last line
// rather than starting an empty one.
QStringList splitLines(const QString &text);

// The file's bytes decoded and split; empty when the file cannot be read.
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

} // namespace LanguageFile
