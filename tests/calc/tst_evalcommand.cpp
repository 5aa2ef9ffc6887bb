#include <QProcess>
#include <QTest>

class TestEvalCommand : public QObject
{
    Q_OBJECT

private slots:
    void commandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::newRow("value") << QStringList{"--eval", "2000000"} << 0 << " 2.00000000000000E+0006\n";
        QTest::newRow("error") << QStringList{"--eval", "sqrt(-4)"} << 1 << "out of range\n";
        QTest::newRow("empty expression") << QStringList{"--eval", ""} << 1 << "\n";
        QTest::newRow("radians, joined value") << QStringList{"--radians", "--eval=arcsin(1)"} << 0 << "1.5707963705\n";
        QTest::newRow("missing expression") << QStringList{"--eval"} << 2 << "";
        QTest::newRow("stray argument") << QStringList{"--eval", "1", "2"} << 2 << "";
        QTest::newRow("unknown option") << QStringList{"--eval", "1", "--gradians"} << 2 << "";
    }

    void commandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QProcess program;
        program.start(qEnvironmentVariable("ARALDA_EXECUTABLE"), arguments);
        QVERIFY(program.waitForFinished(30000) && program.exitStatus() == QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), out);
        QCOMPARE(program.exitCode(), exitCode);
        QCOMPARE(program.readAllStandardError().isEmpty(), exitCode != 2); // the usage, or nothing
    }
};

QTEST_GUILESS_MAIN(TestEvalCommand)
#include "tst_evalcommand.moc"
