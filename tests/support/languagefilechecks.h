#pragma once

// What must hold for any bytes read as a language file, checked against
// rules written here apart from the reader: shared by the robustness test
// (tests/lang/tst_languagefilerobustness.cpp) and the fuzz target
// (tests/lang/fuzz/languagefile_fuzz.cpp). Each check returns what failed,
// or an empty text.

#include "lang/cp1252.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"

#include <QFile>

namespace LanguageFileChecks {

// Lines by another route: every CR LF becomes LF, then every CR is one,
// and a final break closes the last line instead of opening another.
inline QStringList expectedLines(const QByteArray &bytes)
{
    QByteArray unified = bytes;
    unified.replace("\r\n", "\n").replace('\r', '\n');
    QList<QByteArray> pieces = unified.split('\n');
    if (pieces.constLast().isEmpty())
        pieces.removeLast();
    QStringList lines;
    for (const QByteArray &piece : std::as_const(pieces))
        lines.append(Cp1252::decode(piece));
    return lines;
}

inline bool expectedValid(const QStringList &lines)
{
    return lines.size() == 277 && lines[82].size() >= 5 && lines[82][4] == QLatin1Char('m');
}

// Column 3 after a fill: each cell is its line past the three-character
// prefix, cut to the cell; long texts then lose one more leading character.
inline QString fillFailure(const QStringList &lines)
{
    const auto text = [&lines](int line, int width) { return lines[line].mid(3).left(width); };
    for (int column = 0; column < 4; ++column) {
        if (MenuTexts.cell(21, column) != text(83 + column, 32))
            return QStringLiteral("language name, column %1").arg(column);
    }
    for (int row = 0; row <= 20; ++row) {
        if (MenuTexts.cell(row, LoadedLanguage) != text(87 + row, 32))
            return QStringLiteral("menu row %1").arg(row);
    }
    for (int row = 0; row <= 60; ++row) {
        if (ShortTexts.cell(row, LoadedLanguage) != text(109 + row, 40))
            return QStringLiteral("short row %1").arg(row);
    }
    for (int row = 0; row <= 58; ++row) {
        if (LongTexts.cell(row, LoadedLanguage) != text(171 + row, 60).mid(1))
            return QStringLiteral("long row %1").arg(row);
    }
    if (!Language.LanguageLoaded || Language.LanguageLines != lines)
        return QStringLiteral("lines not kept");
    return {};
}

// Splitting, validation and, for a valid file, the fill of column 3.
inline QString bytesFailure(const QByteArray &bytes, bool *valid = nullptr)
{
    const QStringList lines = LanguageFile::decodeLines(bytes);
    const QStringList expected = expectedLines(bytes);
    if (lines != expected)
        return QStringLiteral("split into %1 lines, expected %2").arg(lines.size()).arg(expected.size());
    const bool isValid = LanguageFile::isValid(lines);
    if (valid)
        *valid = isValid;
    if (isValid != expectedValid(lines))
        return QStringLiteral("validation says %1").arg(isValid);
    if (!isValid)
        return {};
    resetLanguageValues();
    LanguageFile::fillLoadedColumn(lines);
    return fillFailure(lines);
}

// The same bytes as the file `fileName`, read by the program's reader and by
// the start-up rule.
inline QString fileFailure(const QByteArray &bytes, const QString &fileName)
{
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            return QStringLiteral("test file not written");
    }
    const auto lines = LanguageFile::readLines(fileName);
    const bool withinLimit = bytes.size() <= LanguageFile::MaximumFileSize;
    if (bool(lines) != withinLimit)
        return QStringLiteral("read %1 at %2 bytes").arg(bool(lines)).arg(bytes.size());
    if (lines && *lines != expectedLines(bytes))
        return QStringLiteral("file lines differ from the bytes' lines");
    resetLanguageValues();
    Language.LanguageIndex = LoadedLanguage;
    Language.LanguageFilePath = fileName;
    LanguageFile::loadAtStartUp();
    const bool loaded = lines && expectedValid(*lines);
    if (Language.LanguageIndex != (loaded ? LoadedLanguage : English) || Language.LanguageLoaded != loaded)
        return QStringLiteral("start-up rule gave language %1").arg(Language.LanguageIndex);
    return {};
}

} // namespace LanguageFileChecks
