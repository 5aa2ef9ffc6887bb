#include "lang/cp1252.h"
#include "lang/languagecheck.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "lang/records.h"
#include "support/settingsbytes.h"
#include "support/specialfiles.h"
#include "support/workfolder.h"

#include <QRegularExpression>
#include <QTest>

namespace {

const QString Count = QStringLiteral("line count: 277 (277 expected)");
const QString Accepted = QStringLiteral("accepted: Aralda would load this file");
const QString Refused = QStringLiteral("refused: Aralda would not load this file");

// "abc..." so that the cut and the lost part can be told apart.
QString textOfLength(int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text.append(QChar(u'a' + i % 26));
    return text;
}

// A translator's file: the template with the language's own names.
QStringList languageLines(const QString &name, const QString &shortText)
{
    QStringList lines = LanguageCheck::templateLines();
    lines[86] = QStringLiteral("## ") + name;
    lines[109 + 3] = QStringLiteral("## ") + shortText;
    return lines;
}

QByteArray languageBytes()
{
    return *Cp1252::encode(languageLines(QStringLiteral(u"Español"), QStringLiteral("nuevo|")).join(QStringLiteral("\r\n")));
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
        QTest::newRow("dot in folder only") << "/x.lng/es" << false;
        QTest::newRow("empty") << "" << false;
    }

    void extensionMustBeExactlyLng()
    {
        QFETCH(QString, path);
        QFETCH(bool, accepted);
        QCOMPARE(LanguageFile::hasLanguageExtension(path), accepted);
    }

    // How each line fills its cell is checked on generated files by
    // tst_languagefilerobustness, always from reset tables; here a second
    // file replaces the first.
    void fillingAgainReplacesTheFirstFile()
    {
        LanguageFile::fillLoadedColumn(languageLines(QStringLiteral(u"Español"), QStringLiteral("nuevo|")));
        const QStringList german = languageLines(QStringLiteral("Deutsch"), QStringLiteral("neu|"));
        LanguageFile::fillLoadedColumn(german);
        QCOMPARE(MenuTexts.cell(21, LoadedLanguage), QStringLiteral("Deutsch"));
        QCOMPARE(ShortTexts.cell(3, LoadedLanguage), QStringLiteral("neu|"));
        QCOMPARE(Language.LanguageLines, german);
    }

    void startUpRule_data()
    {
        QTest::addColumn<int>("requested");
        QTest::addColumn<QString>("settingsPath");
        QTest::addColumn<QString>("fileOnDisk");
        QTest::addColumn<int>("result"); // -1: the file is one line short, refused silently
        QTest::newRow("Spanish default present") << 4 << "" << u"traespañol.lng"_qs << 3;
        QTest::newRow("Spanish default missing") << 4 << "" << "" << 1;
        QTest::newRow("Portuguese default present") << 5 << "" << u"traportuguês.lng"_qs << 3;
        QTest::newRow("German default present") << 6 << "" << "tradeutsch.lng" << 3;
        QTest::newRow("path from settings") << 3 << "mine.lng" << "mine.lng" << 3;
        QTest::newRow("path from settings missing") << 3 << "gone.lng" << "" << 1;
        QTest::newRow("wrong extension") << 3 << "mine.LNG" << "mine.LNG" << 1;
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
        QByteArray bytes = languageBytes();
        if (result < 0) {
            bytes.truncate(bytes.lastIndexOf("N46"));
            result = English;
        }
        if (!fileOnDisk.isEmpty())
            writeFileBytes(fileOnDisk, bytes);
        Language.LanguageIndex = quint8(requested);
        Language.LanguageFilePath = settingsPath;
        LanguageFile::loadAtStartUp();
        QCOMPARE(int(Language.LanguageIndex), result);
        QCOMPARE(Language.LanguageLoaded, result == LoadedLanguage);
    }

    // What stands at the name is read through the one bounded reader (its
    // kinds of file are tst_regularfile's); a language file may be a link,
    // and so may the flag beside it, found by the flag's own name.
    void linksAreFollowed()
    {
        WorkFolder folder;
        writeFileBytes(QStringLiteral("real.lng"), languageBytes());
        QVERIFY(makeLink(QStringLiteral("real.lng"), QStringLiteral("es.lng")));
        const auto lines = LanguageFile::readLines(QStringLiteral("es.lng"));
        QVERIFY(lines && LanguageFile::isValid(*lines));
        QCOMPARE(LanguageFile::readFlagPicture(QStringLiteral("es.lng")), std::nullopt);
        const QByteArray picture = QByteArray("BM").append(QByteArray(200, '\x7f'));
        writeFileBytes(QStringLiteral("real.bmp"), picture);
        QVERIFY(makeLink(QStringLiteral("real.bmp"), QStringLiteral("es.bmp")));
        QCOMPARE(LanguageFile::readFlagPicture(QStringLiteral("es.lng")).value_or("none"), picture);
        QVERIFY(QFile::remove(QStringLiteral("es.bmp")) && makeLink(QStringLiteral("/dev/zero"), QStringLiteral("es.bmp")));
        QCOMPARE(LanguageFile::readFlagPicture(QStringLiteral("es.lng")), std::nullopt);
    }

    // The cases and their reports are in records/reports.txt.
    void report_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");
        const QRegularExpression marks(QStringLiteral(R"(\{(\d+)\}|\\x([0-9A-F]{2}))"));
        QString name = QStringLiteral("no record");
        QStringList lines;
        QStringList expected{QStringLiteral("the record's cases")};
        const auto add = [&] { QTest::newRow(qPrintable(name)) << lines << expected; };
        for (const QString &record : Records::lines(QStringLiteral("reports.txt"))) {
            if (record.startsWith(QLatin1String("= "))) {
                if (!lines.isEmpty())
                    add();
                name = record.mid(2);
                lines = LanguageCheck::templateLines();
                expected.clear();
            } else if (record.startsWith(QLatin1String("lines "))) {
                const int count = record.mid(6).toInt();
                while (lines.size() < count)
                    lines.append(QStringLiteral("---"));
                lines = lines.mid(0, count);
            } else if (record.startsWith(QLatin1Char('@'))) {
                QString text = record.section(QLatin1Char(' '), 1);
                for (auto match = marks.match(text); match.hasMatch(); match = marks.match(text, match.capturedStart()))
                    text.replace(match.capturedStart(), match.capturedLength(),
                                 match.captured(1).isEmpty() ? QString(QChar(char16_t(match.captured(2).toInt(nullptr, 16))))
                                                             : textOfLength(match.captured(1).toInt()));
                lines[record.section(QLatin1Char(' '), 0, 0).mid(1).toInt()] = text;
            } else {
                expected.append(record.mid(2));
            }
        }
        add();
    }

    void report()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        const LanguageCheck::Report report = LanguageCheck::check(lines);
        QCOMPARE(report.lines, expected);
        QCOMPARE(report.accepted, expected.constLast() == Accepted);
        QCOMPARE(report.accepted, LanguageFile::isValid(lines));
    }

    // What the report says is cut is what the loader leaves out of the cell.
    void cutsAreTheLoadersCuts_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("textLength");
        QTest::newRow("menu") << 87 + 4 << 40;
        QTest::newRow("language's name") << 86 << 40;
        QTest::newRow("short") << 109 + 30 << 50;
        QTest::newRow("long") << 171 + 30 << 70;
    }

    void cutsAreTheLoadersCuts()
    {
        QFETCH(int, line);
        QFETCH(int, textLength);
        QStringList lines = LanguageCheck::templateLines();
        const QString text = textOfLength(textLength);
        lines[line] = QStringLiteral("###") + text;
        const QString reported = LanguageCheck::check(lines).lines.filter(QStringLiteral("cut after")).value(0);
        const QString lost = reported.section(QLatin1Char('"'), 1, 1);
        QVERIFY2(!lost.isEmpty(), qPrintable(reported));
        QVERIFY(text.endsWith(lost));
        LanguageFile::fillLoadedColumn(lines);
        const auto fed = LanguageFile::cellFedBy(line);
        QVERIFY(fed);
        QString kept = text.left(text.size() - lost.size());
        if (fed->dropsFirstCharacter)
            kept = kept.mid(1);
        QCOMPARE(fed->table->cell(fed->row, fed->column), kept);
    }

    // The template's texts are those of the English record (see
    // tst_languagetables); here only its bytes: Windows-1252, CR LF each.
    void templateBytesAreWindows1252WithCrLf()
    {
        const QByteArray bytes = LanguageCheck::templateBytes();
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), 277);
        QCOMPARE(bytes.count('\r') + bytes.count('\n'), 2 * 277);
        // No character stood in for by a question mark.
        QCOMPARE(bytes.count('?'), LanguageCheck::templateLines().join(QString()).count(QLatin1Char('?')));
        QCOMPARE(LanguageFile::decodeLines(bytes), LanguageCheck::templateLines());
    }

    // The last line lengthened up to the limit, its end of line kept, and
    // one byte past it: refused by the checker as by the program.
    void fileTooLargeToBeALanguageFile()
    {
        WorkFolder folder;
        QByteArray bytes = LanguageCheck::templateBytes();
        bytes.chop(2);
        bytes += QByteArray(LanguageFile::MaximumFileSize - bytes.size() - 2, 'x');
        writeFileBytes(QStringLiteral("limit.lng"), bytes + "\r\n");
        const auto atLimit = LanguageCheck::checkFile("limit.lng");
        QVERIFY(atLimit);
        QCOMPARE(atLimit->lines.first(), Count);
        QVERIFY(LanguageFile::readLines(QStringLiteral("limit.lng")));
        writeFileBytes(QStringLiteral("large.lng"), bytes + "x\r\n");
        const auto large = LanguageCheck::checkFile("large.lng");
        QVERIFY(large);
        QCOMPARE(large->lines, QStringList({"size: more than 1048576 bytes: refused", Refused}));
        QVERIFY(!large->accepted);
        QVERIFY(!LanguageFile::readLines(QStringLiteral("large.lng")));
    }
};

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
