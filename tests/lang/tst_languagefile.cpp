#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "support/settingsbytes.h"
#include "support/specialfiles.h"
#include "support/workfolder.h"

#include <QTest>

#include <memory>

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

// The size a language file may have, 1 MiB: far above a real file of 277
// lines, far below what a device could pour into memory.
constexpr qsizetype Limit = 1 << 20;

QByteArray languageBytes(qsizetype size = 0)
{
    QByteArray bytes = languageLines().join(QStringLiteral("\r\n")).toLatin1();
    if (bytes.size() < size)
        bytes.append(QByteArray(size - bytes.size(), 'x')); // the last line grows
    return bytes;
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

    // How each line fills its cell is checked on generated files by
    // tst_languagefilerobustness; here what a fill leaves alone.
    void fillingColumnThree()
    {
        LanguageFile::fillLoadedColumn(languageLines());
        QCOMPARE(ShortTexts.cell(3, LoadedLanguage), QStringLiteral("nuevo|"));
        QCOMPARE(ShortTexts.cell(3, Italian), QStringLiteral("nuovo|")); // built-in columns are never written
        QCOMPARE(LongTexts.cell(58, English), QStringLiteral("Aralda"));
        QStringList german = languageLines();
        german[86] = QStringLiteral("## Deutsch");
        german[109 + 3] = QStringLiteral("## neu|");
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
            writeFileBytes(fileOnDisk, lines.join(QStringLiteral("\r\n")).toLatin1());
        Language.LanguageIndex = quint8(requested);
        Language.LanguageFilePath = settingsPath;
        LanguageFile::loadAtStartUp();
        QCOMPARE(int(Language.LanguageIndex), result);
        QCOMPARE(Language.LanguageLoaded, result == LoadedLanguage);
    }

    void readsOnlyRegularFilesWithinTheLimit_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("read");
        QTest::newRow("regular file") << "regular file" << true;
        QTest::newRow("link to a regular file") << "link to a regular file" << true;
        QTest::newRow("exactly the limit") << "exactly the limit" << true;
        QTest::newRow("one byte past the limit") << "one byte past the limit" << false;
        QTest::newRow("link to an endless device") << "/dev/zero" << false;
        QTest::newRow("named pipe with a good file") << "named pipe with a good file" << false;
    }

    // Each read runs in a child process with its time and memory bounded: a
    // reader that waits on a pipe or grows with a device fails the test
    // instead of holding it or the machine.
    void readsOnlyRegularFilesWithinTheLimit()
    {
        QFETCH(QString, kind);
        QFETCH(bool, read);
        WorkFolder folder;
        const QString name = QStringLiteral(u"traespañol.lng");
        std::unique_ptr<FifoWriter> writer;
        if (kind == QLatin1String("regular file")) {
            writeFileBytes(name, languageBytes());
        } else if (kind == QLatin1String("link to a regular file")) {
            writeFileBytes(QStringLiteral("real.lng"), languageBytes());
            QVERIFY(makeLink(QStringLiteral("real.lng"), name));
        } else if (kind == QLatin1String("exactly the limit")) {
            writeFileBytes(name, languageBytes(Limit));
        } else if (kind == QLatin1String("one byte past the limit")) {
            writeFileBytes(name, languageBytes(Limit + 1));
        } else if (kind.startsWith(QLatin1String("/dev/"))) {
            QVERIFY(makeLink(kind, name));
        } else {
            writer = std::make_unique<FifoWriter>(name, languageBytes());
            QVERIFY(writer->ready());
        }
        const ChildOutcome outcome = runInChild([&name] {
            const auto lines = LanguageFile::readLines(name);
            return !lines ? 0 : LanguageFile::isValid(*lines) ? 1 : 2;
        }, 5, 256ull << 20);
        QVERIFY2(outcome.exited, qPrintable(QStringLiteral("ended by signal %1").arg(outcome.code)));
        QCOMPARE(outcome.code, read ? 1 : 0);
        if (writer)
            QVERIFY(!writer->delivered(0));
    }

    // The flag beside the file is read by the same reader: only the name
    // it is looked for by is the flag's own.
    void flagPictureBesideTheFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("regular file") << "regular file";
        QTest::newRow("none") << "none";
        QTest::newRow("link to a device") << "link to a device";
    }

    void flagPictureBesideTheFile()
    {
        QFETCH(QString, kind);
        WorkFolder folder;
        const QByteArray picture = QByteArray("BM").append(QByteArray(200, '\x7f'));
        if (kind == QLatin1String("regular file"))
            writeFileBytes(QStringLiteral("es.bmp"), picture);
        else if (kind == QLatin1String("link to a device"))
            QVERIFY(makeLink(QStringLiteral("/dev/zero"), QStringLiteral("es.bmp")));
        const auto bytes = LanguageFile::readFlagPicture(QStringLiteral("es.lng"));
        QCOMPARE(bytes.value_or("none"), kind == QLatin1String("regular file") ? picture : QByteArray("none"));
    }

    void decodingAndSplitting_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("nothing") << QByteArray() << QStringList();
        QTest::newRow("one break") << QByteArray("\n") << QStringList{""};
        QTest::newRow("CR LF is one break") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("LF CR is two") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\n") << QStringList{"a", ""};
        QTest::newRow("no final break") << QByteArray("a\nb") << QStringList{"a", "b"};
        QTest::newRow("Windows-1252") << QByteArray("\x80\xf1\x9d") << QStringList{u"\u20AC\u00F1\u009D"_qs};
        QTest::newRow("NUL kept") << QByteArray("a\0b", 3) << QStringList{QString::fromLatin1("a\0b", 3)};
    }

    void decodingAndSplitting()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(LanguageFile::decodeLines(bytes), lines);
    }
};

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
