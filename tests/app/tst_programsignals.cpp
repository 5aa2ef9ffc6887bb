#include "support/settingsbytes.h"
#include "support/workfolder.h"

#include <QProcess>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// The real program in the current folder, with the driver plugin
// (driver/araldadriver.cpp) in reach; `platform` is the offscreen one with
// its options.
void start(QProcess &program, const QStringList &arguments, const QString &platform = QStringLiteral("offscreen"),
           const QString &scaleFactor = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), qEnvironmentVariable("ARALDA_DRIVER_PATH"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    if (!scaleFactor.isEmpty())
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scaleFactor);
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

// The driver plugin turns the hints off first, so that the run has something
// to save.
class TestProgramSignals : public QObject
{
    Q_OBJECT

private slots:
    void endedByTheSystemSavesAsExitWould_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<QString>("driver");
        QTest::addColumn<QByteArray>("before"); // empty: no settings file at start
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("writeFails"); // past a file size limit: the notice waits, a second signal ends the run
        QTest::newRow("SIGTERM, first run") << int(SIGTERM) << "araldadriver" << QByteArray() << settingsRecord(0, 1)
                                            << false;
        QTest::newRow("SIGINT, French kept") << int(SIGINT) << "araldadriver" << settingsRecord(1, 2)
                                             << settingsRecord(0, 2) << false;
        QTest::newRow("SIGHUP, hints back on") << int(SIGHUP) << "araldadriver" << settingsRecord(0, 0)
                                               << settingsRecord(1, 0) << false;
        QTest::newRow("SIGTERM, calculator open") << int(SIGTERM) << "araldadriver:calculator"
                                                  << settingsRecord(1, 1) << settingsRecord(0, 1) << false;
        QTest::newRow("SIGTERM, help open") << int(SIGTERM) << "araldadriver:help" << settingsRecord(1, 1)
                                            << settingsRecord(0, 1) << false;
        QTest::newRow("SIGTERM twice, the write failing") << int(SIGTERM) << "araldadriver" << settingsRecord(1, 1)
                                                          << settingsRecord(1, 1) << true;
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
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<bool>("warned");
        QTest::newRow("2 on 1920 x 1080") << "2" << QSize(1920, 1080) << "2" << true;
        QTest::newRow("1.5 on 1920 x 1080") << "1.5" << QSize(1920, 1080) << "1.5" << false;
        QTest::newRow("auto on 1366 x 768") << "auto" << QSize(1366, 768) << "1.25" << false;
        QTest::newRow("auto on 3840 x 2160") << "auto" << QSize(3840, 2160) << "3" << false;
    }

    void scaleStaysInTheProgram()
    {
        QFETCH(QString, factor);
        QFETCH(QSize, screen);
        QFETCH(QString, ratio);
        QFETCH(bool, warned);
        WorkFolder folder;
        // The offscreen platform takes its screen from a file.
        writeFileBytes(QStringLiteral("screen.json"),
                       QStringLiteral("{\"screens\": [{\"name\": \"s\", \"x\": 0, \"y\": 0, \"width\": %1, "
                                      "\"height\": %2, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                           .arg(screen.width())
                           .arg(screen.height())
                           .toLatin1());
        QProcess program;
        start(program, {QStringLiteral("--scale"), factor, QStringLiteral("-plugin"), QStringLiteral("araldadriver:scale")},
              QStringLiteral("offscreen:configfile=") + folder.filePath(QStringLiteral("screen.json")),
              QStringLiteral("2.75")); // overridden
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.readAllStandardOutput(), QStringLiteral("ratio %1 QT_SCALE_FACTOR none\n").arg(ratio).toLatin1());
        const QByteArray errors = program.readAllStandardError();
        QCOMPARE(errors.contains("aralda: at --scale " + factor.toLatin1() + " the tool bars and dialogs do not fit"),
                 warned);
    }
};

QTEST_GUILESS_MAIN(TestProgramSignals)
#include "tst_programsignals.moc"
