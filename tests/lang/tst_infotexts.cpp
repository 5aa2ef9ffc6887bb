#include "lang/cp1252.h"
#include "lang/infotexts.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "support/testlanguage.h"
#include "support/workfolder.h"

#include <QRegularExpression>
#include <QTest>

using namespace InfoTexts;

namespace {

enum class Text { Information, Notes };

QString builtIn(Text text, int line, int column)
{
    return text == Text::Information ? builtInInformationLine(line, column) : builtInNotesLine(line, column);
}

} // namespace

Q_DECLARE_METATYPE(Text)

class TestInfoTexts : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLanguageValues(); }

    void builtInTablesKeepTheirSize_data()
    {
        QTest::addColumn<Text>("text");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("information, Italian") << Text::Information << 0 << 82 << 65
                                              << "Aralda: le trasformazioni geometriche viste in movimento"
                                              << QStringLiteral(u"menu «?» o visitate il sito indicato qui sotto.");
        QTest::newRow("information, English") << Text::Information << 1 << 82 << 65
                                              << "Aralda: geometric transformations seen in motion"
                                              << "or visit the site named below.";
        QTest::newRow("information, French") << Text::Information << 2 << 82 << 65
                                             << QStringLiteral(u"Aralda: les transformations géométriques en mouvement")
                                             << QStringLiteral(u"écrivez-nous depuis le menu «?» ou visitez le site ci-dessous.");
        QTest::newRow("notes, Italian") << Text::Notes << 0 << 47 << 70 << ""
                                        << QStringLiteral(u"      questa finestra si chiude con «OK».");
        QTest::newRow("notes, English") << Text::Notes << 1 << 47 << 70 << ""
                                        << "      this window closes with \"OK\".";
        QTest::newRow("notes, French") << Text::Notes << 2 << 47 << 70 << ""
                                       << QStringLiteral(u"      cette fenêtre se ferme avec «OK».");
    }

    // Counted lines, first and last pinned: a line lost or added in the
    // middle of a text moves its end.
    void builtInTablesKeepTheirSize()
    {
        QFETCH(Text, text);
        QFETCH(int, column);
        QFETCH(int, lineCount);
        QFETCH(int, width);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const QStringList lines = text == Text::Information ? informationLines(column) : notesLines(column);
        QCOMPARE(lines.size(), lineCount);
        QCOMPARE(lines.constFirst(), first);
        QCOMPARE(lines.constLast(), last);
        QCOMPARE(builtIn(text, lineCount - 1, column), last);
        QCOMPARE(builtIn(text, lineCount, column), QString());
        for (int line = 0; line < lineCount; ++line) {
            const QString cell = builtIn(text, line, column);
            QCOMPARE(lines.at(line), cell);
            QVERIFY2(cell.size() <= width, qPrintable(QStringLiteral("line %1 has %2 characters: %3")
                                                           .arg(line).arg(cell.size()).arg(cell)));
            // The texts share the single-byte character set of the tables and
            // of the language files that replace them.
            QVERIFY2(Cp1252::encode(cell), qPrintable(QStringLiteral("line %1: %2").arg(line).arg(cell)));
        }
        // Prose, not padding: empty lines are few.
        QVERIFY(lines.count(QString()) <= lineCount / 4);
    }

    void notesBeginWithTheirFirstStep_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("firstStep");
        QTest::newRow("Italian") << 0 << " 1.   Scelta della simulazione:";
        QTest::newRow("English") << 1 << " 1.   Choice of the simulation:";
        QTest::newRow("French") << 2 << " 1.   Choix de la simulation:";
    }

    void notesBeginWithTheirFirstStep()
    {
        QFETCH(int, column);
        QFETCH(QString, firstStep);
        QCOMPARE(builtInNotesLine(0, column), QString());
        QCOMPARE(builtInNotesLine(1, column), firstStep);
        // The steps are numbered 1 to 10, in order, at the start of a line.
        static const QRegularExpression step(QStringLiteral("^([ 1][0-9])\\.   \\S"));
        QList<int> numbers;
        for (const QString &line : notesLines(column)) {
            const auto match = step.match(line);
            if (match.hasMatch())
                numbers.append(match.captured(1).trimmed().toInt());
        }
        QCOMPARE(numbers, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    }

    // The guide names each control as the workspace shows it, in quotes:
    // a hint renamed in the tables and not in the notes shows here.
    void notesNameTheControlsAsTheWorkspaceDoes_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        const char *languages[] = {"Italian", "English", "French"};
        const std::pair<int, const char *> controls[] = {
            {22, "point of view"},   {11, "Figure"},         {12, "Frame"},
            {23, "number of transformations"}, {28, "new figure"}, {27, "continue"},
            {30, "inverse sequence"}, {26, "table"},         {25, "clears the screen"},
            {20, "superimposition"}, {24, "reduces the figures"},
        };
        for (int column = 0; column < 3; ++column)
            for (const auto &[row, name] : controls)
                QTest::addRow("%s, %s", languages[column], name) << column << row;
    }

    void notesNameTheControlsAsTheWorkspaceDoes()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        const QString name = ShortTexts.cell(row, column);
        const QString notes = notesLines(column).join(QLatin1Char(' '));
        const QString quoted = column == English ? QLatin1Char('"') + name + QLatin1Char('"')
                                                 : QStringLiteral(u"«") + name + QStringLiteral(u"»");
        QVERIFY2(notes.contains(quoted), qPrintable(quoted));
    }

    void neitherTextHasABuiltInFourthColumn()
    {
        for (int line = 0; line < InformationLineCount; ++line)
            QCOMPARE(builtInInformationLine(line, LoadedLanguage), QString());
        for (int line = 0; line < NotesLineCount; ++line)
            QCOMPARE(builtInNotesLine(line, LoadedLanguage), QString());
    }

    void loadedLanguageReadsTheLanguageFile_data()
    {
        QTest::addColumn<bool>("fromDisk");
        QTest::newRow("filled from lines") << false;
        QTest::newRow("read at start-up") << true;
    }

    void loadedLanguageReadsTheLanguageFile()
    {
        QFETCH(bool, fromDisk);
        WorkFolder folder;
        if (fromDisk) {
            QVERIFY(TestLanguage::write(QStringLiteral("es.lng")));
            Language.LanguageIndex = LoadedLanguage;
            Language.LanguageFilePath = QStringLiteral("es.lng");
            LanguageFile::loadAtStartUp();
            QCOMPARE(int(Language.LanguageIndex), int(LoadedLanguage));
        } else {
            LanguageFile::fillLoadedColumn(TestLanguage::lines());
        }

        const QStringList information = informationLines(LoadedLanguage);
        QCOMPARE(information.size(), InformationLineCount);
        for (int line = 0; line < InformationLineCount; ++line)
            QCOMPARE(information.at(line), TestLanguage::informationText(line));

        const QStringList notes = notesLines(LoadedLanguage);
        QCOMPARE(notes.size(), NotesLineCount);
        QCOMPARE(notes.at(0), QString()); // never file line 230
        for (int line = 1; line < NotesLineCount; ++line)
            QCOMPARE(notes.at(line), TestLanguage::notesText(line));
    }

    // With the loaded language in force the windows never read a built-in
    // column, and a list shorter than a language file gives empty lines.
    void loadedLanguageWithoutItsLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("none") << QStringList();
        QTest::newRow("prefixes only") << QStringList(277, QStringLiteral("abc"));
        QTest::newRow("cut after the information") << TestLanguage::lines().mid(0, 82);
    }

    void loadedLanguageWithoutItsLines()
    {
        QFETCH(QStringList, lines);
        Language.LanguageLines = lines;
        const QStringList information = informationLines(LoadedLanguage);
        const QStringList notes = notesLines(LoadedLanguage);
        QCOMPARE(information.size(), InformationLineCount);
        QCOMPARE(notes, QStringList(NotesLineCount));
        for (int line = 0; line < InformationLineCount; ++line)
            QCOMPARE(information.at(line), line < lines.size() ? lines.at(line).mid(3) : QString());
    }
};

QTEST_APPLESS_MAIN(TestInfoTexts)
#include "tst_infotexts.moc"
