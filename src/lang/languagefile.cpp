#include "lang/languagefile.h"

#include "lang/cp1252.h"
#include "lang/languagetables.h"
#include "lang/regularfile.h"

namespace LanguageFile {

namespace {

constexpr int SignatureLine = 82;
constexpr int LanguageNameLines = 83;   // MenuTexts row 21, columns 0..3
constexpr int MenuLines = 87;           // MenuTexts rows 0..20
constexpr int ShortLines = 109;         // ShortTexts rows 0..60
constexpr int LongLines = 171;          // LongTexts rows 0..58
constexpr int PrefixLength = 3;

QString textOf(const QString &line)
{
    return line.mid(PrefixLength);
}

std::optional<QByteArray> readBounded(const QString &path)
{
    RegularFile::Contents contents = RegularFile::read(path, MaximumFileSize, RegularFile::Links::Follow);
    if (contents.status != RegularFile::Status::Read)
        return std::nullopt;
    return std::move(contents.bytes);
}

} // namespace

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

std::optional<QStringList> readLines(const QString &path)
{
    const auto bytes = readBounded(path);
    if (!bytes)
        return std::nullopt;
    return decodeLines(*bytes);
}

bool isValid(const QStringList &lines)
{
    return lines.size() == LineCount && lines.at(SignatureLine).size() >= 5
           && lines.at(SignatureLine).at(4) == QLatin1Char('m');
}

void fillLoadedColumn(const QStringList &lines)
{
    Language.LanguageLoaded = true;
    Language.LanguageLines = lines;
    for (int column = 0; column < LanguageColumns; ++column)
        MenuTexts.setCell(21, column, textOf(lines.at(LanguageNameLines + column)));
    for (int row = 0; row <= 20; ++row)
        MenuTexts.setCell(row, LoadedLanguage, textOf(lines.at(MenuLines + row)));
    for (int row = 0; row < ShortTexts.rowCount(); ++row)
        ShortTexts.setCell(row, LoadedLanguage, textOf(lines.at(ShortLines + row)));
    // Long texts carry one more leading character than the rest: it is cut
    // after the cell is filled, so a long text keeps at most 59 characters.
    for (int row = 0; row < LongTexts.rowCount(); ++row) {
        LongTexts.setCell(row, LoadedLanguage, textOf(lines.at(LongLines + row)));
        LongTexts.setCell(row, LoadedLanguage, LongTexts.cell(row, LoadedLanguage).mid(1));
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
    return readBounded(flagPicturePath(languageFilePath));
}

} // namespace LanguageFile
