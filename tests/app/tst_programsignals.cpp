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

    // --scale enlarges Aralda alone, not the browser or mail program it starts.
    void scaleStaysInTheProgram()
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_PLUGIN_PATH"), qEnvironmentVariable("ARALDA_DRIVER_PATH"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
        program.setProcessEnvironment(environment);
        WorkFolder folder;
        program.setWorkingDirectory(folder.path());
        program.start(qEnvironmentVariable("ARALDA_EXECUTABLE"),
                      {QStringLiteral("--scale"), QStringLiteral("2"), QStringLiteral("-plugin"),
                       QStringLiteral("araldadriver:scale")});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.readAllStandardOutput(), QByteArray("ratio 2 QT_SCALE_FACTOR none\n"));
    }
};

QTEST_GUILESS_MAIN(TestProgramSignals)
#include "tst_programsignals.moc"
