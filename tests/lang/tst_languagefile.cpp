#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "support/workfolder.h"

#include <QFile>
#include <QTest>

namespace {

// A translator's file: every line "NN " followed by a text naming its line.
QStringList languageLines()
{
    QStringList lines;
    for (int i = 0; i < LanguageFile::LineCount; ++i)
        lines.append(QString::number(i).rightJustified(3, QLatin1Char('0')) + QStringLiteral("line %1").arg(i));
    lines[82] = QStringLiteral("### m signature");
    lines[83] = QStringLiteral("## Spagnolo");
    lines[84] = QStringLiteral("## Spanish");
    lines[85] = QStringLiteral("## Espagnol");
    lines[86] = QStringLiteral(u"## Español");
    lines[109 + 3] = QStringLiteral("## nuevo|");
    return lines;
}

void writeLines(const QString &path, const QStringList &lines, const QByteArray &end = "\r\n")
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const QString &line : lines)
        file.write(line.toLatin1() + end);
}

} // namespace

class TestLanguageFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLanguageValues(); }

    void extensionMustBeExactlyLng_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "es.lng" << true;
        QTest::newRow("folder with dot") << "/a.b/es.lng" << true;
        QTest::newRow("upper case") << "es.LNG" << false;
        QTest::newRow("other") << "es.txt" << false;
        QTest::newRow("dot in folder only") << "/x.lng/es" << false;
        QTest::newRow("empty") << "" << false;
    }

    void extensionMustBeExactlyLng()
    {
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        QCOMPARE(LanguageFile::hasLanguageExtension(path), accepted);
    }

    void lineEndings_data()
    {
        QTest::addColumn<QByteArray>("end");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR") << QByteArray("\r");
    }

    void lineEndings()
    {
        QFETCH(QByteArray, end);
        WorkFolder folder;
        writeLines(QStringLiteral("es.lng"), languageLines(), end);
        const auto lines = LanguageFile::readLines(QStringLiteral("es.lng"));
        QVERIFY(lines);
        QCOMPARE(lines->size(), 277);
        QVERIFY(LanguageFile::isValid(*lines));
    }

    void validation_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QString>("signature");
        QTest::addColumn<bool>("valid");
        QTest::newRow("277 lines") << 277 << "### m" << true;
        QTest::newRow("276 lines") << 276 << "### m" << false;
        QTest::newRow("278 lines") << 278 << "### m" << false;
        QTest::newRow("signature too short") << 277 << "### " << false;
        QTest::newRow("other fifth character") << 277 << "### n" << false;
        QTest::newRow("m in the fourth place") << 277 << "###m" << false;
    }

    void validation()
    {
        QFETCH(int, lineCount);
        QFETCH(QString, signature);
        QFETCH(bool, valid);
        QStringList lines = languageLines();
        lines[82] = signature;
        while (lines.size() < lineCount)
            lines.append(QStringLiteral("## extra"));
        while (lines.size() > lineCount)
            lines.removeLast();
        QCOMPARE(LanguageFile::isValid(lines), valid);
    }

    void fillingColumnThree()
    {
        QStringList lines = languageLines();
        lines[171 + 5] = QStringLiteral("###Abcdef");
        lines[109 + 10] = QStringLiteral("###") + QString(50, QLatin1Char('s'));
        lines[171 + 6] = QStringLiteral("###") + QString(70, QLatin1Char('l'));
        LanguageFile::fillLoadedColumn(lines);
        QVERIFY(Language.LanguageLoaded);
        QCOMPARE(Language.LanguageLines, lines);
        QCOMPARE(MenuTexts.cell(21, Italian), QStringLiteral("Spagnolo"));
        QCOMPARE(MenuTexts.cell(21, LoadedLanguage), QStringLiteral(u"Español"));
        QCOMPARE(MenuTexts.cell(0, LoadedLanguage), QStringLiteral("line 87"));
        QCOMPARE(ShortTexts.cell(3, LoadedLanguage), QStringLiteral("nuevo|"));
        QCOMPARE(ShortTexts.cell(10, LoadedLanguage), QString(40, QLatin1Char('s')));
        QCOMPARE(LongTexts.cell(5, LoadedLanguage), QStringLiteral("bcdef"));
        QCOMPARE(LongTexts.cell(6, LoadedLanguage), QString(59, QLatin1Char('l')));
        QCOMPARE(LongTexts.cell(58, LoadedLanguage), QStringLiteral("ine 229"));
        // The built-in columns are never written; a second load replaces column 3.
        QCOMPARE(ShortTexts.cell(3, Italian), QStringLiteral("nuovo|"));
        QStringList german = languageLines();
        german[86] = QStringLiteral("## Deutsch");
        german[109 + 3] = QStringLiteral("## neu|");
        LanguageFile::fillLoadedColumn(german);
        QCOMPARE(MenuTexts.cell(21, LoadedLanguage), QStringLiteral("Deutsch"));
        QCOMPARE(ShortTexts.cell(3, LoadedLanguage), QStringLiteral("neu|"));
    }

    void startUpRule_data()
    {
        QTest::addColumn<int>("requested");
        QTest::addColumn<QString>("settingsPath");
        QTest::addColumn<QString>("fileOnDisk");
        QTest::addColumn<int>("result");
        QTest::newRow("Spanish default present") << 4 << "" << u"traespañol.lng"_qs << 3;
        QTest::newRow("Spanish default missing") << 4 << "" << "" << 1;
        QTest::newRow("Portuguese default present") << 5 << "" << u"traportuguês.lng"_qs << 3;
        QTest::newRow("German default present") << 6 << "" << "tradeutsch.lng" << 3;
        QTest::newRow("path from settings") << 3 << "mine.lng" << "mine.lng" << 3;
        QTest::newRow("path from settings missing") << 3 << "gone.lng" << "" << 1;
        QTest::newRow("wrong extension") << 3 << "mine.LNG" << "mine.LNG" << 1;
        QTest::newRow("empty path") << 3 << "" << "" << 1;
        QTest::newRow("language byte out of range") << 9 << "mine.lng" << "mine.lng" << 1;
        QTest::newRow("built-in language untouched") << 2 << "mine.lng" << "mine.lng" << 2;
        QTest::newRow("invalid file") << 6 << "" << "tradeutsch.lng" << -1;
    }

    void startUpRule()
    {
        QFETCH(int, requested);
        QFETCH(QString, settingsPath);
        QFETCH(QString, fileOnDisk);
        QFETCH(int, result);
        WorkFolder folder;
        QStringList lines = languageLines();
        if (result < 0) { // a file one line short: refused, silently
            lines.removeLast();
            result = English;
        }
        if (!fileOnDisk.isEmpty())
            writeLines(fileOnDisk, lines);
        Language.LanguageIndex = quint8(requested);
        Language.LanguageFilePath = settingsPath;
        LanguageFile::loadAtStartUp();
        QCOMPARE(int(Language.LanguageIndex), result);
        QCOMPARE(Language.LanguageLoaded, result == LoadedLanguage);
    }
};

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
