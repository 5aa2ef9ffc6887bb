#include "lang/languagetables.h"

LanguageValues Language;

TextTable::TextTable(int capacity, std::span<const BuiltInTexts> builtIn)
    : m_capacity(capacity)
    , m_cells(builtIn.size())
{
    for (std::size_t row = 0; row < builtIn.size(); ++row) {
        setCell(int(row), Italian, QString::fromUtf8(builtIn[row].italian));
        setCell(int(row), English, QString::fromUtf8(builtIn[row].english));
        setCell(int(row), French, QString::fromUtf8(builtIn[row].french));
    }
}

QString TextTable::text(int row) const
{
    return cell(row, Language.LanguageIndex);
}

QString TextTable::cell(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= LanguageColumns)
        return {};
    return m_cells[row][column];
}

void TextTable::setCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= LanguageColumns)
        return;
    m_cells[row][column] = text.left(m_capacity);
}

void TextTable::clearColumn(int column)
{
    for (int row = 0; row < rowCount(); ++row)
        setCell(row, column, {});
}

void resetLanguageValues()
{
    Language = LanguageValues{};
    ShortTexts.clearColumn(LoadedLanguage);
    LongTexts.clearColumn(LoadedLanguage);
    MenuTexts.clearColumn(LoadedLanguage);
}

QString hint(int row)
{
    return ShortTexts.text(row).section(QLatin1Char('|'), 0, 0);
}
