#include "lang/languagecheck.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "support/settingsbytes.h"
#include "support/workfolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/stat.h>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// The real program, with no window system to reach (see CMakeLists.txt),
// started as a shell starts it: a file size limit ends it by SIGXFSZ unless
// the program itself says otherwise.
Run aralda(const QStringList &arguments)
{
    QProcess program;
    program.setChildProcessModifier([] { std::signal(SIGXFSZ, SIG_DFL); });
    program.start(qEnvironmentVariable("ARALDA_EXECUTABLE"), arguments);
    Run run;
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = program.exitCode();
    run.out = QString::fromUtf8(program.readAllStandardOutput());
    run.err = QString::fromUtf8(program.readAllStandardError());
    return run;
}

} // namespace

class TestLanguageCommand : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLanguageValues(); }

    void checkingFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file; "folder": a folder
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        const QByteArray good = LanguageCheck::templateBytes();
        QTest::newRow("accepted") << good << 0
                                  << "line count: 277 (277 expected)\n"
                                     "line 83: signature: fifth character \"m\"\n"
                                     "accepted: Aralda would load this file\n";
        QTest::newRow("276 lines") << good.left(good.lastIndexOf("N46")) << 1
                                   << "line count: 276 (277 expected): refused\n"
                                      "line 83: signature: fifth character \"m\"\n"
                                      "refused: Aralda would not load this file\n";
        QByteArray cut = good;
        // Control bytes would steer the translator's terminal.
        cut.replace("S06rotation",
                    QByteArrayLiteral("S06rotation of the figure about its centre,\x1b[2J\x07\x00\x7f slowly\x81"));
        cut.replace("SIG m", "SIG \x1b");
        QTest::newRow("refused, with a cut, controls and a byte")
            << cut << 1
            << "line count: 277 (277 expected)\n"
               "line 83: signature: fifth character \"\\x1b\", must be \"m\": refused\n"
               "line 116: ShortTexts row 6: cut after 40 characters, losing \"\\x1b[2J\\x07\\x00\\x7f slowly\\x81\"\n"
               "line 116, column 58: byte 0x81 is undefined in Windows-1252\n"
               "refused: Aralda would not load this file\n";
        QTest::newRow("missing") << QByteArray() << 2 << "";
        QTest::newRow("a folder") << QByteArray("folder") << 2 << "";
    }

    void checkingFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        WorkFolder folder;
        const QString path = folder.filePath(QStringLiteral("es.lng"));
        if (bytes == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (!bytes.isEmpty())
            writeFileBytes(path, bytes);
        const Run run = aralda({QStringLiteral("--check-language=") + path});
        QCOMPARE(run.out, out);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err, exitCode == 2 ? QStringLiteral("aralda: cannot read %1\n").arg(path) : QString());
    }

    // The written template is the program's, and the program accepts it.
    void templateIsWrittenAndAccepted()
    {
        WorkFolder folder;
        const QString path = folder.filePath(QStringLiteral("new.lng"));
        const Run written = aralda({QStringLiteral("--write-language-template"), path});
        QCOMPARE(written.exitCode, 0);
        QCOMPARE(written.out, QString());
        QCOMPARE(written.err, QString());
        QCOMPARE(fileBytes(path), LanguageCheck::templateBytes());

        const Run checked = aralda({QStringLiteral("--check-language"), path});
        QCOMPARE(checked.exitCode, 0);
        QVERIFY(checked.out.endsWith(QStringLiteral("\naccepted: Aralda would load this file\n")));

    }

    // A name in Latin-1 is no UTF-8: its bytes are the name, as the shell gave them.
    void nameKeepsItsBytes()
    {
        WorkFolder folder;
        QProcess shell;
        shell.setWorkingDirectory(folder.path());
        const QString twiceAndChecked = QStringLiteral(R"(name=$(printf 'caf\351.lng'); "$0" --write-language-template)"
                                                       R"( "$name" && "$0" --check-language "$name" && "$0")"
                                                       R"( --write-language-template "$name")");
        shell.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"), twiceAndChecked, qEnvironmentVariable("ARALDA_EXECUTABLE")});
        QVERIFY(shell.waitForFinished(30000));
        QCOMPARE(shell.exitCode(), 1);
        QVERIFY(shell.readAllStandardOutput().endsWith("\naccepted: Aralda would load this file\n"));
        QCOMPARE(shell.readAllStandardError(), QByteArray("aralda: caf\\xe9.lng already exists; nothing written\n"));
        struct stat written {};
        QCOMPARE(::stat(QFile::encodeName(folder.path()) + "/caf\xe9.lng", &written), 0);
        QCOMPARE(qsizetype(written.st_size), LanguageCheck::templateBytes().size());
    }

    void existingFileIsNeverOverwritten_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::newRow("a translator's work") << QByteArray("S00pausa|\r\n\x81 half done");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("a template") << LanguageCheck::templateBytes();
    }

    void existingFileIsNeverOverwritten()
    {
        QFETCH(QByteArray, existing);
        WorkFolder folder;
        const QString path = folder.filePath(QStringLiteral("es.lng"));
        writeFileBytes(path, existing);
        const Run run = aralda({QStringLiteral("--write-language-template"), path});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, QStringLiteral("aralda: %1 already exists; nothing written\n").arg(path));
        QCOMPARE(fileBytes(path), existing);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"es.lng"}); // no leftovers
    }

    void failedWriteIsReported()
    {
        WorkFolder folder;
        const QString path = folder.filePath(QStringLiteral("no folder/es.lng"));
        const Run run = aralda({QStringLiteral("--write-language-template=") + path});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.startsWith(QStringLiteral("aralda: cannot write %1: ").arg(path)), qPrintable(run.err));
        QVERIFY(!QFile::exists(path));
    }

    // A disk that fills up halfway (a file size limit, which binds root too and
    // passes to the program) leaves no file, not half a template, and is said.
    void writeFailingHalfwayLeavesNothing()
    {
        WorkFolder folder;
        const QString path = folder.filePath(QStringLiteral("es.lng"));
        Run run;
        {
            FileSizeLimit limit(1000);
            run = aralda({QStringLiteral("--write-language-template"), path});
        }
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, QStringLiteral("aralda: cannot write %1: %2\n").arg(path, qt_error_string(EFBIG)));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestLanguageCommand)
#include "tst_languagecommand.moc"
