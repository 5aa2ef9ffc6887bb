#include "support/settingsbytes.h"
#include "support/workfolder.h"

#include <QProcess>
#include <QTest>

#include <csignal>

// Runs the real program and ends it as the system would. The driver plugin
// (driver/araldadriver.cpp) turns the hints off first, so that the run has
// something to save.
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
        QTest::newRow("SIGTERM, first run") << int(SIGTERM) << "araldadriver" << QByteArray() << settingsRecord(0, 1);
        QTest::newRow("SIGINT, French kept") << int(SIGINT) << "araldadriver" << settingsRecord(1, 2)
                                             << settingsRecord(0, 2);
        QTest::newRow("SIGHUP, hints back on") << int(SIGHUP) << "araldadriver" << settingsRecord(0, 0)
                                               << settingsRecord(1, 0);
        QTest::newRow("SIGTERM, calculator open") << int(SIGTERM) << "araldadriver:calculator"
                                                  << settingsRecord(1, 1) << settingsRecord(0, 1);
        QTest::newRow("SIGTERM, help open") << int(SIGTERM) << "araldadriver:help" << settingsRecord(1, 1)
                                            << settingsRecord(0, 1);
    }

    void endedByTheSystemSavesAsExitWould()
    {
        QFETCH(int, signalNumber);
        QFETCH(QString, driver);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        WorkFolder folder;
        if (!before.isEmpty())
            writeFileBytes(QStringLiteral("Aralda.cfg"), before);

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_PLUGIN_PATH"), qEnvironmentVariable("ARALDA_DRIVER_PATH"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(folder.path());
        // The test's own runner may ignore these; the program must see them.
        program.setChildProcessModifier([] {
            for (int number : {SIGTERM, SIGINT, SIGHUP})
                std::signal(number, SIG_DFL);
        });
        program.start(qEnvironmentVariable("ARALDA_EXECUTABLE"), {QStringLiteral("-plugin"), driver});
        QVERIFY(program.waitForStarted(30000));
        QByteArray said;
        while (!said.contains("ready\n") && program.state() == QProcess::Running && program.waitForReadyRead(30000))
            said += program.readAllStandardOutput();
        QVERIFY2(said.contains("ready\n"), said.constData());
        QVERIFY(said.contains(after.at(0) ? "hints on\n" : "hints off\n"));
        if (driver.endsWith(QLatin1String("calculator")))
            QVERIFY2(said.contains("modal Calcola\n"), said.constData());
        QCOMPARE(fileBytes(QStringLiteral("Aralda.cfg")), before); // nothing saved before the end

        QCOMPARE(::kill(pid_t(program.processId()), signalNumber), 0);
        QVERIFY(program.waitForFinished(30000));
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
        QTest::newRow("auto on 1024 x 768") << "auto" << QSize(1024, 768) << "1" << false;
        QTest::newRow("auto on 1366 x 768") << "auto" << QSize(1366, 768) << "1.25" << false;
        QTest::newRow("auto on 1920 x 1080") << "auto" << QSize(1920, 1080) << "1.75" << false;
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
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_PLUGIN_PATH"), qEnvironmentVariable("ARALDA_DRIVER_PATH"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                           QStringLiteral("offscreen:configfile=") + folder.path() + QStringLiteral("/screen.json"));
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2.75")); // overridden
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(folder.path());
        program.start(qEnvironmentVariable("ARALDA_EXECUTABLE"),
                      {QStringLiteral("--scale"), factor, QStringLiteral("-plugin"), QStringLiteral("araldadriver:scale")});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.readAllStandardOutput(), QStringLiteral("ratio %1 QT_SCALE_FACTOR none\n").arg(ratio).toLatin1());
        const QByteArray errors = program.readAllStandardError();
        QCOMPARE(errors.contains("aralda: at --scale " + factor.toLatin1() + " the tool bars and dialogs do not fit"),
                 warned);
    }
};

QTEST_GUILESS_MAIN(TestProgramSignals)
#include "tst_programsignals.moc"
