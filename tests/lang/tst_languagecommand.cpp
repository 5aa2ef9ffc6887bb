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
#include <fstream>
#include <optional>

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
        // The report's texts are tst_languagefile's; here how they reach the terminal.
        const QByteArray good = LanguageCheck::templateBytes();
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

    // The written template is the program's, and the program accepts it; a
    // name in Latin-1 is no UTF-8: its bytes are the name, as the shell gave them.
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
        QCOMPARE(shell.readAllStandardOutput(), QByteArray("line count: 277 (277 expected)\n"
                                                          "line 83: signature: fifth character \"m\"\n"
                                                          "accepted: Aralda would load this file\n"));
        QCOMPARE(shell.readAllStandardError(), QByteArray("aralda: caf\\xe9.lng already exists; nothing written\n"));
        std::ifstream written((QFile::encodeName(folder.path()) + "/caf\xe9.lng").toStdString(), std::ios::binary);
        QCOMPARE(QByteArray::fromStdString({std::istreambuf_iterator<char>(written), {}}), LanguageCheck::templateBytes());
    }

    void existingFileIsNeverOverwritten_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::newRow("a translator's work") << QByteArray("S00pausa|\r\n\x81 half done");
        QTest::newRow("empty file") << QByteArray();
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

    // A missing folder, and a disk that fills up halfway (a file size limit,
    // which binds root too and passes to the program): no file is left, not
    // half a template, and the reason is said.
    void failedWriteIsReported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sizeLimit"); // 0: none
        QTest::newRow("missing folder") << "no folder/es.lng" << 0;
        QTest::newRow("disk full halfway") << "es.lng" << 1000;
    }

    void failedWriteIsReported()
    {
        QFETCH(QString, name);
        QFETCH(int, sizeLimit);
        WorkFolder folder;
        const QString path = folder.filePath(name);
        Run run;
        {
            std::optional<FileSizeLimit> limit;
            if (sizeLimit)
                limit.emplace(sizeLimit);
            run = aralda({QStringLiteral("--write-language-template=") + path});
        }
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QString());
        const QString reason = sizeLimit ? qt_error_string(EFBIG) : qt_error_string(ENOENT);
        QCOMPARE(run.err, QStringLiteral("aralda: cannot write %1: %2\n").arg(path, reason));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestLanguageCommand)
#include "tst_languagecommand.moc"
