#include "lang/languagefile.h"

#include "lang/cp1252.h"
#include "lang/languagetables.h"
#include "lang/regularfile.h"

#include <QFile>

namespace LanguageFile {

namespace {

constexpr int LanguageNameLines = 83;   // MenuTexts row 21, columns 0..3
constexpr int MenuLines = 87;           // MenuTexts rows 0..20
constexpr int ShortLines = 109;         // ShortTexts rows 0..60
constexpr int LongLines = 171;          // LongTexts rows 0..58
constexpr int LanguageNameRow = 21;

} // namespace

std::optional<FedCell> cellFedBy(int line)
{
    if (line >= LanguageNameLines && line < LanguageNameLines + LanguageColumns)
        return FedCell{&MenuTexts, LanguageNameRow, line - LanguageNameLines, false};
    if (line >= MenuLines && line < MenuLines + LanguageNameRow)
        return FedCell{&MenuTexts, line - MenuLines, LoadedLanguage, false};
    if (line >= ShortLines && line < ShortLines + ShortTexts.rowCount())
        return FedCell{&ShortTexts, line - ShortLines, LoadedLanguage, false};
    if (line >= LongLines && line < LongLines + LongTexts.rowCount())
        return FedCell{&LongTexts, line - LongLines, LoadedLanguage, true};
    return std::nullopt;
}

QString textOf(const QString &line)
{
    return line.mid(PrefixLength);
}

QStringList decodeLines(const QByteArray &bytes)
{
    const QString text = Cp1252::decode(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

bool hasLanguageExtension(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && path.mid(dot) == QLatin1String(".lng");
}

FileBytes readBytes(const QByteArray &name)
{
    RegularFile::Contents contents = RegularFile::read(name, MaximumFileSize, RegularFile::Links::Follow);
    switch (contents.status) {
    case RegularFile::Status::Read:
        return {ReadStatus::Read, std::move(contents.bytes)};
    case RegularFile::Status::TooLarge:
        return {ReadStatus::TooLarge, {}};
    default:
        return {ReadStatus::CannotOpen, {}};
    }
}

std::optional<QStringList> readLines(const QString &path)
{
    const FileBytes file = readBytes(QFile::encodeName(path));
    if (file.status != ReadStatus::Read)
        return std::nullopt;
    return decodeLines(file.bytes);
}

bool isValid(const QStringList &lines)
{
    return lines.size() == LineCount && lines.at(SignatureLine).size() > SignaturePosition
           && lines.at(SignatureLine).at(SignaturePosition) == QLatin1Char(SignatureCharacter);
}

void fillLoadedColumn(const QStringList &lines)
{
    Language.LanguageLoaded = true;
    Language.LanguageLines = lines;
    for (int line = 0; line < LineCount; ++line) {
        const auto fed = cellFedBy(line);
        if (!fed)
            continue;
        // The cut comes first, so the dropped character counts in it.
        fed->table->setCell(fed->row, fed->column, textOf(lines.at(line)));
        if (fed->dropsFirstCharacter)
            fed->table->setCell(fed->row, fed->column, fed->table->cell(fed->row, fed->column).mid(1));
    }
}

QString defaultFileName(int languageIndex)
{
    switch (languageIndex) {
    case 4: return QStringLiteral(u"traespañol.lng");
    case 5: return QStringLiteral(u"traportuguês.lng");
    case 6: return QStringLiteral(u"tradeutsch.lng");
    default: return {};
    }
}

void loadAtStartUp()
{
    const int requested = Language.LanguageIndex;
    if (requested < LoadedLanguage)
        return;
    Language.LanguageIndex = English;
    if (requested > 6)
        return;
    if (requested > LoadedLanguage)
        Language.LanguageFilePath = defaultFileName(requested);
    if (!hasLanguageExtension(Language.LanguageFilePath))
        return;
    const auto lines = readLines(Language.LanguageFilePath);
    if (!lines || !isValid(*lines))
        return;
    fillLoadedColumn(*lines);
    Language.LanguageIndex = LoadedLanguage;
}

QString flagPicturePath(const QString &languageFilePath)
{
    const qsizetype dot = languageFilePath.lastIndexOf(QLatin1Char('.'));
    return (dot >= 0 ? languageFilePath.left(dot) : languageFilePath) + QStringLiteral(".bmp");
}

std::optional<QByteArray> readFlagPicture(const QString &languageFilePath)
{
    FileBytes file = readBytes(QFile::encodeName(flagPicturePath(languageFilePath)));
    if (file.status != ReadStatus::Read)
        return std::nullopt;
    return std::move(file.bytes);
}

} // namespace LanguageFile
