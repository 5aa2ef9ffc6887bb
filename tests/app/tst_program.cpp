#include "support/settingsbytes.h"
#include "support/workfolder.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// The real program in the current folder on `platform`, with the driver
// plugin (driver/araldadriver.cpp) in reach.
void start(QProcess &program, const QStringList &arguments, const QString &platform = QStringLiteral("offscreen"),
           const QString &scaleFactor = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), qEnvironmentVariable("ARALDA_DRIVER_PATH"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    if (!scaleFactor.isEmpty())
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scaleFactor);
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    program.setProcessEnvironment(environment);
    program.start(qEnvironmentVariable("ARALDA_EXECUTABLE"), arguments);
}

// What the program says until `line` has been said `times` times, or it ends.
void readUntil(QProcess &program, QByteArray &said, const QByteArray &line, int times = 1)
{
    while (said.count(line) < times && program.state() == QProcess::Running && program.waitForReadyRead(30000))
        said += program.readAllStandardOutput();
    said += program.readAllStandardOutput(); // what came with the end
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    // Whole command lines with no window system to reach: every answer comes
    // before any window, so a late check would abort the program on the
    // missing display instead.
    void commandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("firstLine"); // of standard output, or of standard error when it is empty
        const QString usage = QStringLiteral("Usage: aralda [options] [LESSON]");
        const QString scale = QStringLiteral("--scale takes auto or a number from 1 to 3, not \"%1\"");
        const QString stray = QStringLiteral("unexpected argument \"%1\": Aralda opens one lesson, and only in its window");
        const QString modes = QStringLiteral("%1 and %2 cannot be given together");
        const struct {
            const char *name;
            QStringList arguments;
            int exitCode;
            QString firstLine; // after "aralda: " when the exit code is 2
        } rows[] = {
            {"help", {"--help"}, 0, usage},
            {"help wins over a mode", {"--eval", "1", "--help"}, 0, usage},
            {"help-all", {"--help-all"}, 0, usage},
            {"version", {"--version"}, 0, "aralda 1.0"},
            {"eval, a minus first", {"--eval", "-1"}, 0, "-1"},
            {"eval, radians", {"--radians", "--eval=arcsin(1)"}, 0, "1.5707963705"},
            {"unknown option in a mode", {"--eval", "1", "--gradians"}, 2, "Unknown option 'gradians'."},
            {"eval, missing value", {"--eval"}, 2, "Missing value after '--eval'."},
            {"eval with check", {"--eval", "1", "--check-language", "a"}, 2, modes.arg("--eval", "--check-language")},
            {"both language modes", {"--check-language", "a", "--write-language-template", "b"}, 2,
             modes.arg("--check-language", "--write-language-template")},
            {"two files", {"--check-language", "a", "--check-language", "b"}, 2, "--check-language is given more than once"},
            {"scale, twice", {"--scale", "2", "--scale", "3"}, 2, "--scale is given more than once"},
            {"radians alone", {"--radians"}, 2, "--radians is only read with --eval"},
            {"scale with a mode", {"--scale", "2", "--eval", "1"}, 2, "--scale is only read when Aralda opens its window"},
            {"eval, stray argument", {"--eval", "1", "2"}, 2, stray.arg("2")},
            {"window, two lessons", {"a.aralda", "b.aralda"}, 2, stray.arg("b.aralda")},
            {"scale, just below one", {"--scale", "0.99"}, 2, scale.arg("0.99")},
            {"scale, just above three", {"--scale", "3.01"}, 2, scale.arg("3.01")},
            {"scale, auto in capitals", {"--scale", "AUTO"}, 2, scale.arg("AUTO")},
            {"scale, nan", {"--scale", "nan"}, 2, scale.arg("nan")},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.arguments << row.exitCode
                                    << (row.exitCode == 2 ? QStringLiteral("aralda: ") : QString()) + row.firstLine;
    }

    void commandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, firstLine);
        WorkFolder folder;
        QProcess program;
        start(program, arguments, QStringLiteral("xcb"));
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE((out.isEmpty() ? err : out).section(QLatin1Char('\n'), 0, 0), firstLine);
        QCOMPARE(program.exitCode(), exitCode);
        if (exitCode == 2)
            QVERIFY2(out.isEmpty(), qPrintable(out));
        QVERIFY(QDir().isEmpty()); // nothing written
    }

    // The driver plugin turns the hints off first, so that the run has
    // something to save; past a file size limit the notice waits, and a
    // second signal ends the run.
    void endedByTheSystemSavesAsExitWould_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<QString>("driver");
        QTest::addColumn<QByteArray>("before"); // empty: no settings file at start
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("writeFails");
        const auto record = [](char hints, char language) { return settingsRecord(hints, language); };
        QTest::newRow("SIGTERM, first run") << int(SIGTERM) << "araldadriver" << QByteArray() << record(0, 1) << false;
        QTest::newRow("SIGINT, French kept") << int(SIGINT) << "araldadriver" << record(1, 2) << record(0, 2) << false;
        QTest::newRow("SIGHUP, hints back on") << int(SIGHUP) << "araldadriver" << record(0, 0) << record(1, 0) << false;
        QTest::newRow("calculator") << int(SIGTERM) << "araldadriver:calculator" << record(1, 1) << record(0, 1) << false;
        QTest::newRow("help") << int(SIGTERM) << "araldadriver:help" << record(1, 1) << record(0, 1) << false;
        QTest::newRow("twice, the write failing") << int(SIGTERM) << "araldadriver" << record(1, 1) << record(1, 1) << true;
    }

    void endedByTheSystemSavesAsExitWould()
    {
        QFETCH(int, signalNumber);
        QFETCH(QString, driver);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(bool, writeFails);
        WorkFolder folder;
        if (!before.isEmpty())
            writeFileBytes(QStringLiteral("Aralda.cfg"), before);
        QProcess program;
        // The test's own runner may ignore these; the program must see them.
        program.setChildProcessModifier([writeFails] {
            for (int number : {SIGTERM, SIGINT, SIGHUP})
                std::signal(number, SIG_DFL);
            if (writeFails) {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{64, 64};
                setrlimit(RLIMIT_FSIZE, &limit);
            }
        });
        start(program, {QStringLiteral("-plugin"), driver});
        QVERIFY(program.waitForStarted(30000));
        QByteArray said;
        readUntil(program, said, "ready\n");
        QVERIFY2(said.contains("ready\n"), said.constData());
        const bool hintsOn = !before.isEmpty() && !before.at(0); // on at a first run, then turned over
        QVERIFY(said.contains(hintsOn ? "hints on\n" : "hints off\n"));
        if (driver.endsWith(QLatin1String("calculator")))
            QVERIFY2(said.contains("modal Calcola\n"), said.constData());
        QCOMPARE(fileBytes(QStringLiteral("Aralda.cfg")), before); // nothing saved before the end

        QCOMPARE(::kill(pid_t(program.processId()), signalNumber), 0);
        if (writeFails) {
            readUntil(program, said, "message settingsNotSaved\n");
            QCOMPARE(::kill(pid_t(program.processId()), signalNumber), 0);
            // Ended at once: the program neither closes again nor says it could not save a second time.
            readUntil(program, said, "message settingsNotSaved\n", 2);
            QCOMPARE(said.count("message settingsNotSaved\n"), 1);
        }
        QVERIFY(program.state() == QProcess::NotRunning || program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(fileBytes(QStringLiteral("Aralda.cfg")), after);
    }

    // --scale enlarges Aralda alone, not the browser or mail program it
    // starts; "auto" picks the factor the screen holds, and a factor too
    // large for the screen is used with a warning.
    void scaleStaysInTheProgram_data()
    {
        QTest::addColumn<QString>("factor");
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<bool>("warned");
        QTest::newRow("2 on 1366 x 768") << "2" << "2" << true;
        QTest::newRow("auto on 1366 x 768") << "auto" << "1.25" << false;
    }

    void scaleStaysInTheProgram()
    {
        QFETCH(QString, factor);
        QFETCH(QString, ratio);
        QFETCH(bool, warned);
        WorkFolder folder;
        // The offscreen platform takes its screen from a file.
        writeFileBytes(QStringLiteral("screen.json"), R"({"screens": [{"width": 1366, "height": 768, "logicalDpi": 96}]})");
        QProcess program;
        start(program, {QStringLiteral("--scale"), factor, QStringLiteral("-plugin"), QStringLiteral("araldadriver:scale")},
              QStringLiteral("offscreen:configfile=") + folder.filePath(QStringLiteral("screen.json")),
              QStringLiteral("2.75")); // overridden
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.readAllStandardOutput(), QStringLiteral("ratio %1 QT_SCALE_FACTOR none\n").arg(ratio).toLatin1());
        QCOMPARE(program.readAllStandardError().contains("aralda: at --scale " + factor.toLatin1()
                                                         + " the tool bars and dialogs do not fit"), warned);
    }

};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
