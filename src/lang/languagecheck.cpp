#include "lang/languagecheck.h"

#include "lang/cp1252.h"
#include "lang/fixedtexts.h"
#include "lang/infotexts.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"

namespace LanguageCheck {

namespace {

constexpr int InformationLines = 82;  // file lines 0..81
constexpr int FirstNotesLine = 231;   // file lines 231..276 are window lines 1..46
constexpr int LanguageNameRow = 21;   // MenuTexts row 21 holds the language's name
constexpr int EnglishNameRow = 5;     // MenuTexts row 5, the "English" menu item

struct TableNames {
    const char *name;
    char letter;
};

TableNames namesOf(const TextTable *table)
{
    if (table == &MenuTexts)
        return {"MenuTexts", 'M'};
    if (table == &ShortTexts)
        return {"ShortTexts", 'S'};
    return {"LongTexts", 'L'};
}

bool namesTheLanguage(const LanguageFile::FedCell &fed)
{
    return fed.table == &MenuTexts && fed.row == LanguageNameRow;
}

QString text(const char *fixed)
{
    return QString::fromUtf8(fixed);
}

// Report lines count the file's lines from 1, as the translator's editor does.
QString shownLine(int line)
{
    return QString::number(line + 1);
}

QString cellName(const LanguageFile::FedCell &fed)
{
    const char *table = namesOf(fed.table).name;
    if (namesTheLanguage(fed))
        return text(FixedTexts::CheckNameCell).arg(QLatin1String(table)).arg(fed.row).arg(fed.column);
    return text(FixedTexts::CheckCell).arg(QLatin1String(table)).arg(fed.row);
}

QString signatureLine(const QStringList &lines)
{
    const QString line = shownLine(LanguageFile::SignatureLine);
    const QString wanted = QString(QLatin1Char(LanguageFile::SignatureCharacter));
    const QString refused = text(FixedTexts::CheckRefusedSuffix);
    if (lines.size() <= LanguageFile::SignatureLine)
        return text(FixedTexts::CheckSignatureMissing).arg(line) + refused;
    const QString &signature = lines.at(LanguageFile::SignatureLine);
    if (signature.size() <= LanguageFile::SignaturePosition)
        return text(FixedTexts::CheckSignatureShort).arg(line).arg(signature.size()).arg(wanted) + refused;
    const QString found(signature.at(LanguageFile::SignaturePosition));
    if (found != wanted)
        return text(FixedTexts::CheckSignatureWrong).arg(line, found, wanted) + refused;
    return text(FixedTexts::CheckSignatureGood).arg(line, found);
}

void reportCell(const QString &line, int index, QStringList &report)
{
    const auto fed = LanguageFile::cellFedBy(index);
    if (!fed)
        return;
    const QString carried = LanguageFile::textOf(line);
    // A letter or digit there is most likely the text's own first letter,
    // written where the long texts' extra character belongs.
    if (fed->dropsFirstCharacter && !carried.isEmpty() && carried.front().isLetterOrNumber())
        report << text(FixedTexts::CheckDropped).arg(shownLine(index), cellName(*fed), carried.left(1));
    const int capacity = fed->table->capacity();
    if (carried.size() > capacity) {
        report << text(FixedTexts::CheckCut)
                      .arg(shownLine(index), cellName(*fed), QString::number(capacity), carried.mid(capacity));
    }
}

void reportUndefinedBytes(const QString &line, int index, QStringList &report)
{
    for (qsizetype column = 0; column < line.size(); ++column) {
        const char16_t code = line.at(column).unicode();
        if (code <= 0xFF && Cp1252::isUndefinedByte(static_cast<unsigned char>(code))) {
            report << text(FixedTexts::CheckUndefinedByte)
                          .arg(shownLine(index), QString::number(column + 1),
                               QString::number(code, 16).toUpper());
        }
    }
}

bool isControl(char16_t code)
{
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

QString escaped(uint code)
{
    return text(FixedTexts::ControlEscape).arg(code, 2, 16, QLatin1Char('0'));
}

QString verdict(bool accepted)
{
    return text(accepted ? FixedTexts::CheckAccepted : FixedTexts::CheckRefused);
}

QString prefixed(char letter, int number, const QString &rest)
{
    return QLatin1Char(letter) + QString::number(number).rightJustified(2, QLatin1Char('0')) + rest;
}

QString templateCell(const LanguageFile::FedCell &fed)
{
    if (namesTheLanguage(fed)) {
        // The English template names English, in each column's language.
        const int column = fed.column == LoadedLanguage ? English : fed.column;
        const QString name = MenuTexts.cell(EnglishNameRow, column).remove(QLatin1Char('&')).trimmed();
        return text(FixedTexts::TemplateNamePrefixes[fed.column]) + name;
    }
    const QString mark = fed.dropsFirstCharacter ? QString(QLatin1Char(FixedTexts::TemplateLongTextMark)) : QString();
    return prefixed(namesOf(fed.table).letter, fed.row, mark + fed.table->cell(fed.row, English));
}

} // namespace

Report check(const QStringList &lines)
{
    Report report;
    QString count = text(FixedTexts::CheckLineCount).arg(lines.size()).arg(LanguageFile::LineCount);
    if (lines.size() != LanguageFile::LineCount)
        count += text(FixedTexts::CheckRefusedSuffix);
    report.lines << count;
    for (int index = 0; index < lines.size(); ++index) {
        if (index == LanguageFile::SignatureLine)
            report.lines << signatureLine(lines);
        reportCell(lines.at(index), index, report.lines);
        reportUndefinedBytes(lines.at(index), index, report.lines);
    }
    if (lines.size() <= LanguageFile::SignatureLine)
        report.lines << signatureLine(lines);
    report.accepted = LanguageFile::isValid(lines);
    report.lines << verdict(report.accepted);
    // The file's texts are quoted in the report, and a file may hold anything.
    for (QString &line : report.lines)
        line = printable(line);
    return report;
}

std::optional<Report> checkFile(const QByteArray &name)
{
    const LanguageFile::FileBytes file = LanguageFile::readBytes(name);
    switch (file.status) {
    case LanguageFile::ReadStatus::CannotOpen:
        return std::nullopt;
    case LanguageFile::ReadStatus::TooLarge:
        return Report{{text(FixedTexts::CheckTooLarge).arg(LanguageFile::MaximumFileSize)
                           + text(FixedTexts::CheckRefusedSuffix),
                       verdict(false)},
                      false};
    case LanguageFile::ReadStatus::Read:
        break;
    }
    return check(LanguageFile::decodeLines(file.bytes));
}

QString printable(const QString &quoted)
{
    QString shown;
    shown.reserve(quoted.size());
    for (const QChar character : quoted)
        shown += isControl(character.unicode()) ? escaped(character.unicode()) : QString(character);
    return shown;
}

QString printableName(const QByteArray &name)
{
    const QString decoded = QString::fromUtf8(name);
    if (decoded.toUtf8() == name)
        return printable(decoded);
    QString shown;
    for (const char byte : name) {
        const auto code = static_cast<unsigned char>(byte);
        shown += code < 0x80 && !isControl(code) ? QString(QLatin1Char(byte)) : escaped(code);
    }
    return shown;
}

QString englishWindowLine(int fileLine)
{
    if (fileLine < InformationLines)
        return InfoTexts::builtInInformationLine(fileLine, English);
    return InfoTexts::builtInNotesLine(fileLine - FirstNotesLine + 1, English);
}

QStringList templateLines()
{
    QStringList lines;
    for (int line = 0; line < LanguageFile::LineCount; ++line) {
        if (line < InformationLines)
            lines << prefixed('I', line, englishWindowLine(line));
        else if (line == LanguageFile::SignatureLine)
            lines << text(FixedTexts::TemplateSignature);
        else if (const auto fed = LanguageFile::cellFedBy(line))
            lines << templateCell(*fed);
        else if (line >= FirstNotesLine)
            lines << prefixed('N', line - FirstNotesLine + 1, englishWindowLine(line));
        else
            lines << text(FixedTexts::TemplateUnused);
    }
    return lines;
}

QByteArray templateBytes()
{
    QByteArray bytes;
    for (const QString &line : templateLines()) {
        for (QChar character : line)
            bytes.append(static_cast<char>(Cp1252::encodeChar(character).value_or('?')));
        bytes.append("\r\n");
    }
    return bytes;
}

} // namespace LanguageCheck
