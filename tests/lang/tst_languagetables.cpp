#include "lang/infotexts.h"
#include "lang/languagecheck.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "lang/records.h"

#include <QTest>

namespace {

// A record line's text as the cell holds it: past the prefix, and past the
// mark a long text carries for the character the loader drops.
QString recordedText(const QString &line, const LanguageFile::FedCell &fed)
{
    return LanguageFile::textOf(line).mid(fed.dropsFirstCharacter ? 1 : 0);
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
        QTest::newRow("prefixes only") << QStringList(277, QStringLiteral("abc"));
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

    void cellsAreCutAtCapacity_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("capacity");
        QTest::newRow("short") << 0 << 40;
        QTest::newRow("long") << 1 << 60;
        QTest::newRow("menu") << 2 << 32;
    }

    void cellsAreCutAtCapacity()
    {
        QFETCH(int, table);
        QFETCH(int, capacity);
        TextTable *tables[] = {&ShortTexts, &LongTexts, &MenuTexts};
        const QString longText = QStringLiteral("0123456789").repeated(8);
        tables[table]->setCell(5, LoadedLanguage, longText);
        QCOMPARE(tables[table]->cell(5, LoadedLanguage), longText.left(capacity));
        tables[table]->setCell(5, LoadedLanguage, longText.left(capacity));
        QCOMPARE(tables[table]->cell(5, LoadedLanguage).size(), capacity);
        Language.LanguageIndex = LoadedLanguage;
        QCOMPARE(tables[table]->text(5), longText.left(capacity));
    }
};

QTEST_GUILESS_MAIN(TestLanguageTables)
#include "tst_languagetables.moc"
