#pragma once

// What must hold for any bytes read as a language file, checked against
// rules written here apart from the reader: shared by tst_languagefile and
// the fuzz target (tests/lang/fuzz/). Each check returns what failed, or an
// empty text.

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
    QList<QByteArray> pieces = unified.replace("\r\n", "\n").replace('\r', '\n').split('\n');
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

// The loaded column after a fill: each cell is its line past the
// three-character prefix, cut to the cell; long texts then lose one more
// leading character. The language's names fill row 21 of the menus in
// every column.
inline QString fillFailure(const QStringList &lines)
{
    const auto text = [&lines](int line, int width) { return lines[line].mid(3).left(width); };
    for (int column = 0; column < 4; ++column)
        if (MenuTexts.cell(21, column) != text(83 + column, 32))
            return QStringLiteral("language name, column %1").arg(column);
    const struct {
        const TextTable *table;
        int firstLine, rows, width, dropped;
    } blocks[] = {{&MenuTexts, 87, 21, 32, 0}, {&ShortTexts, 109, 61, 40, 0}, {&LongTexts, 171, 59, 60, 1}};
    for (const auto &block : blocks)
        for (int row = 0; row < block.rows; ++row)
            if (block.table->cell(row, LoadedLanguage) != text(block.firstLine + row, block.width).mid(block.dropped))
                return QStringLiteral("line %1").arg(block.firstLine + row + 1);
    if (!Language.LanguageLoaded || Language.LanguageLines != lines)
        return QStringLiteral("lines not kept");
    return {};
}

// Splitting, validation and, for a valid file, the fill of the loaded column.
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
    // Over whatever the file before left: every cell is replaced.
    LanguageFile::fillLoadedColumn(lines);
    return fillFailure(lines);
}

// The same bytes as the file `fileName`, read by the program's reader.
inline QString fileFailure(const QByteArray &bytes, const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QStringLiteral("test file not written");
    file.close();
    const auto lines = LanguageFile::readLines(fileName); // far below the size limit
    return lines && *lines == expectedLines(bytes) ? QString() : QStringLiteral("file lines differ from the bytes' lines");
}

} // namespace LanguageFileChecks
