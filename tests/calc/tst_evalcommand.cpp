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
        QTest::addColumn<QString>("err");
        const QString empty = QStringLiteral("aralda: the expression is empty\n");
        QTest::newRow("value") << QStringList{"--eval", "2000000"} << 0 << " 2.00000000000000E+0006\n" << "";
        QTest::newRow("error") << QStringList{"--eval", "sqrt(-4)"} << 1 << "out of range\n" << "";
        QTest::newRow("30 digits") << QStringList{"--eval", "123456789012345678901234567890"} << 1 << "overflow\n"
                                   << "";
        QTest::newRow("empty expression") << QStringList{"--eval", ""} << 1 << "" << empty;
        QTest::newRow("blank expression") << QStringList{"--eval", "   "} << 1 << "" << empty;
        QTest::newRow("blank joined expression") << QStringList{"--eval= "} << 1 << "" << empty;
        QTest::newRow("tab is no blank") << QStringList{"--eval", "\t"} << 1 << "syntax error\n" << "";
        QTest::newRow("blanks around a value") << QStringList{"--eval", " 1 + 1 "} << 0 << "2\n" << "";
        QTest::newRow("radians, joined value") << QStringList{"--radians", "--eval=arcsin(1)"} << 0
                                               << "1.5707963705\n" << "";
    }

    void commandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess program;
        program.start(qEnvironmentVariable("ARALDA_EXECUTABLE"), arguments);
        QVERIFY(program.waitForFinished(30000) && program.exitStatus() == QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), out);
        QCOMPARE(program.exitCode(), exitCode);
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
    }

    // Output that never reached its reader is a failure, not a success, in
    // every mode that prints.
    void outputThatCannotBeWritten_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("value") << QStringList{"--eval", "1+1"};
        QTest::newRow("evaluation error") << QStringList{"--eval", "sqrt(-4)"};
        QTest::newRow("language report") << QStringList{"--check-language", QCoreApplication::applicationFilePath()};
        QTest::newRow("help") << QStringList{"--help"};
        QTest::newRow("version") << QStringList{"--version"};
    }

    void outputThatCannotBeWritten()
    {
        QFETCH(QStringList, arguments);
        QProcess program;
        program.setStandardOutputFile(QStringLiteral("/dev/full"));
        program.start(qEnvironmentVariable("ARALDA_EXECUTABLE"), arguments);
        QVERIFY(program.waitForFinished(30000) && program.exitStatus() == QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        const QString shownErr = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(shownErr.startsWith(QStringLiteral("aralda: the output could not be written: ")), qPrintable(shownErr));
        QVERIFY(shownErr.endsWith(QLatin1Char('\n')));
    }
};

QTEST_GUILESS_MAIN(TestEvalCommand)
#include "tst_evalcommand.moc"
