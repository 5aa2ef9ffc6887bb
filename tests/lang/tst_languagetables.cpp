#include "lang/cp1252.h"
#include "lang/infotexts.h"
#include "lang/languagecheck.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "lang/records.h"
#include "lang/symbolfont.h"

#include <QTest>
#include <array>

namespace {

// A record line's text as the cell holds it: past the prefix, and past the
// mark a long text carries for the character the loader drops.
QString recordedText(const QString &line, const LanguageFile::FedCell &fed)
{
    return LanguageFile::textOf(line).mid(fed.dropsFirstCharacter ? 1 : 0);
}


// The code point of each byte: Latin-1 but where the record of the high
// block says otherwise.
std::array<char16_t, 0x100> expectedCodePoints()
{
    std::array<char16_t, 0x100> codes;
    for (int byte = 0; byte < 0x100; ++byte)
        codes[byte] = char16_t(byte);
    for (const QStringList &row : Records::rows(QStringLiteral("cp1252.tsv")))
        codes[row.at(0).toInt(nullptr, 16)] = char16_t(row.at(1).toInt(nullptr, 16));
    return codes;
}

QString codePointName(char16_t code)
{
    return QStringLiteral("U+%1").arg(int(code), 4, 16, QLatin1Char('0')).toUpper();
}

QString byteName(std::optional<unsigned char> byte)
{
    return byte ? QStringLiteral("0x%1").arg(int(*byte), 2, 16, QLatin1Char('0')).toUpper() : QStringLiteral("no byte");
}

} // namespace

class TestLanguageTables : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLanguageValues(); }

    // Every text of the 277-line layout, in each built-in language, against
    // the language files recorded in records/ (UTF-8 there, for reading):
    // the built-in cells and windows must say what the record says, and so
    // must the fourth column once the record is loaded as a language file.
    void builtInTextsMatchTheirRecord_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("record");
        QTest::newRow("Italian") << int(Italian) << "italian.txt";
        QTest::newRow("English") << int(English) << "english.txt";
        QTest::newRow("French") << int(French) << "french.txt";
    }

    void builtInTextsMatchTheirRecord()
    {
        QFETCH(int, column);
        QFETCH(QString, record);
        const QStringList lines = Records::lines(record);
        QCOMPARE(lines.size(), LanguageFile::LineCount);
        // The English record is the template a translator starts from.
        if (column == English)
            QCOMPARE(LanguageCheck::templateLines(), lines);
        QStringList recorded;
        QStringList builtIn;
        QStringList loaded;
        LanguageFile::fillLoadedColumn(lines);
        for (int line = 0; line < LanguageFile::LineCount; ++line) {
            const auto fed = LanguageFile::cellFedBy(line);
            // The language's own names (lines 84..87) are the file's alone.
            if (!fed || fed->column != LoadedLanguage || (fed->table == &MenuTexts && fed->row == 21))
                continue;
            const QString where = QStringLiteral("line %1: ").arg(line + 1);
            recorded << where + recordedText(lines.at(line), *fed);
            builtIn << where + fed->table->cell(fed->row, column);
            loaded << where + fed->table->cell(fed->row, LoadedLanguage);
        }
        QCOMPARE(builtIn, recorded);
        QCOMPARE(loaded, recorded);
        QStringList information;
        for (int line = 0; line < InfoTexts::InformationLineCount; ++line)
            information << LanguageFile::textOf(lines.at(line));
        QCOMPARE(InfoTexts::informationLines(column), information);
        QCOMPARE(InfoTexts::informationLines(LoadedLanguage), information);
        QStringList notes{QString()}; // the window's first line is always empty
        for (int line = InfoTexts::NotesFirstFileLine; line < LanguageFile::LineCount; ++line)
            notes << LanguageFile::textOf(lines.at(line));
        QCOMPARE(InfoTexts::notesLines(column), notes);
        QCOMPARE(InfoTexts::notesLines(LoadedLanguage), notes);
    }

    // The texts beyond the 277 lines, one row of the record per notice; a
    // loaded language has no column of its own and reads the English one.
    void noticesMatchTheirRecord_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("column");
        QTest::newRow("Italian") << int(Italian) << 0;
        QTest::newRow("English") << int(English) << 1;
        QTest::newRow("French") << int(French) << 2;
        QTest::newRow("loaded") << int(LoadedLanguage) << 1;
    }

    void noticesMatchTheirRecord()
    {
        QFETCH(int, language);
        QFETCH(int, column);
        const QList<QStringList> rows = Records::rows(QStringLiteral("notices.tsv"));
        QCOMPARE(rows.size(), int(NoticeRowCount));
        Language.LanguageIndex = quint8(language);
        QStringList shown;
        QStringList recorded;
        for (int row = 0; row < NoticeRowCount; ++row) {
            shown << QStringLiteral("row %1: %2").arg(row).arg(noticeText(NoticeRow(row)));
            recorded << QStringLiteral("row %1: %2").arg(row).arg(rows.at(row).value(column));
        }
        QCOMPARE(shown, recorded);
    }

    void loadedColumnIsEmptyUntilFilled()
    {
        Language.LanguageIndex = French;
        QCOMPARE(ShortTexts.text(32), QStringLiteral("annuler"));
        Language.LanguageIndex = LoadedLanguage;
        for (const TextTable *table : {&ShortTexts, &LongTexts, &MenuTexts})
            for (int row = 0; row < table->rowCount(); ++row)
                QVERIFY(table->text(row).isEmpty());
        // Neither window has a built-in fourth column either.
        for (int line = 0; line < InfoTexts::InformationLineCount; ++line)
            QCOMPARE(InfoTexts::builtInInformationLine(line, LoadedLanguage), QString());
        for (int line = 0; line < InfoTexts::NotesLineCount; ++line)
            QCOMPARE(InfoTexts::builtInNotesLine(line, LoadedLanguage), QString());
    }

    // With the loaded language in force the windows never read a built-in
    // column, and a list shorter than a language file gives empty lines.
    void loadedLanguageWithoutItsLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("none") << QStringList();
        QTest::newRow("cut after the information") << Records::lines(QStringLiteral("french.txt")).mid(0, 82);
    }

    void loadedLanguageWithoutItsLines()
    {
        QFETCH(QStringList, lines);
        Language.LanguageLines = lines;
        const QStringList information = InfoTexts::informationLines(LoadedLanguage);
        QCOMPARE(information.size(), InfoTexts::InformationLineCount);
        QCOMPARE(InfoTexts::notesLines(LoadedLanguage), QStringList(InfoTexts::NotesLineCount));
        for (int line = 0; line < InfoTexts::InformationLineCount; ++line)
            QCOMPARE(information.at(line), line < lines.size() ? lines.at(line).mid(3) : QString());
    }

    void everyByteBothWays_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("codePoint");
        const auto codes = expectedCodePoints();
        for (int byte = 0; byte < 0x100; ++byte)
            QTest::addRow("0x%02X", byte) << byte << int(codes[byte]);
    }

    void everyByteBothWays()
    {
        QFETCH(int, byte);
        QFETCH(int, codePoint);
        QCOMPARE(codePointName(Cp1252::decodeByte(static_cast<unsigned char>(byte)).unicode()),
                 codePointName(char16_t(codePoint)));
        QCOMPARE(byteName(Cp1252::encodeChar(QChar(char16_t(codePoint)))),
                 byteName(static_cast<unsigned char>(byte)));
        // Undefined exactly where the code page gives the byte no character of its own.
        QCOMPARE(Cp1252::isUndefinedByte(static_cast<unsigned char>(byte)),
                 byte >= 0x80 && byte < 0xA0 && codePoint == byte);
    }

    void wholeTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes"); // empty when the text has no encoding
        QTest::addColumn<bool>("encodable");
        QTest::newRow("empty") << QString() << QByteArray() << true;
        QTest::newRow("accents, euro, quotes, undefined byte") << u"Fenêtre può € ‘a’ \u008D"_qs
                                                               << QByteArray("Fen\xeatre pu\xf2 \x80 \x91" "a\x92 \x8d")
                                                               << true;
        QTest::newRow("last character outside") << u"abc日"_qs << QByteArray() << false;
        QTest::newRow("first character outside") << u"πr"_qs << QByteArray() << false;
        QTest::newRow("C1 control of the right quote's byte") << u"l\u0092a"_qs << QByteArray() << false;
    }

    // One character without a byte spoils the whole text: a path or a line
    // is never written with a character silently dropped.
    void wholeTexts()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, encodable);
        const std::optional<QByteArray> encoded = Cp1252::encode(text);
        QCOMPARE(encoded.has_value(), encodable);
        if (encodable) {
            QCOMPARE(*encoded, bytes);
            QCOMPARE(Cp1252::decode(bytes), text);
        }
    }
    // Latin letters become the Greek letters Symbol puts in their place, not
    // their Latin look-alikes in order (c is chi, q theta, j the open phi).
    void symbolFont_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("label and minus sign") << "a = -45" << QStringLiteral("\u03B1 = \u221245");
        QTest::newRow("digits and signs kept") << "0123456789 .,+=()/<>" << "0123456789 .,+=()/<>";
        QTest::newRow("lower case out of order") << "bcjpqvw" << QStringLiteral("\u03B2\u03C7\u03D5\u03C0\u03B8\u03D6\u03C9");
        QTest::newRow("upper case") << "ABCDFGJQSVWZ"
                                    << QStringLiteral("\u0391\u0392\u03A7\u0394\u03A6\u0393\u03D1\u0398\u03A3\u03C2"
                                                      "\u03A9\u0396");
        QTest::newRow("ends of the range") << " ~" << QStringLiteral(" \u223C");
        QTest::newRow("mathematical signs") << "\"$'*@\\^" << QStringLiteral("\u2200\u2203\u220B\u2217\u2245\u2234\u22A5");
        QTest::newRow("beyond ASCII kept") << QStringLiteral("\u00B0\u00E0\u03B1") << QStringLiteral("\u00B0\u00E0\u03B1");
    }

    void symbolFont()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(symbolFontText(text), shown);
    }
};

QTEST_GUILESS_MAIN(TestLanguageTables)
#include "tst_languagetables.moc"
