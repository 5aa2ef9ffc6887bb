#include <QProcess>
#include <QTest>

// The program run with a scale it must refuse. The refusal comes before any
// window, so no window system is reached: were the check late, the program
// would abort on the missing display instead of exiting with 2.
class TestScaleCommand : public QObject
{
    Q_OBJECT

private slots:
    void refused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        QTest::newRow("zero") << QStringList{"--scale", "0"} << "\"0\"";
        QTest::newRow("just below one") << QStringList{"--scale", "0.99"} << "\"0.99\"";
        QTest::newRow("just above three") << QStringList{"--scale", "3.01"} << "\"3.01\"";
        QTest::newRow("four") << QStringList{"--scale", "4"} << "\"4\"";
        QTest::newRow("negative") << QStringList{"--scale", "-2"} << "\"-2\"";
        QTest::newRow("not a number") << QStringList{"--scale", "x"} << "\"x\"";
        QTest::newRow("nan") << QStringList{"--scale", "nan"} << "\"nan\"";
        QTest::newRow("joined, four") << QStringList{"--scale=4"} << "\"4\"";
        QTest::newRow("empty") << QStringList{"--scale="} << "\"\"";
        QTest::newRow("missing") << QStringList{"--scale"} << "--scale";
        QTest::newRow("second one wrong") << QStringList{"--scale", "2", "--scale", "5"} << "\"5\"";
    }

    void refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        QProcess program;
        program.start(qEnvironmentVariable("ARALDA_EXECUTABLE"), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        QVERIFY(program.readAllStandardOutput().isEmpty());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(err.contains(named) && err.contains("1 to 3") && err.contains("usage: aralda [--scale F]"),
                 qPrintable(err));
    }

    void helpNamesTheOption()
    {
        QProcess program;
        program.start(qEnvironmentVariable("ARALDA_EXECUTABLE"), {"--help"});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(QString::fromUtf8(program.readAllStandardOutput()).contains("aralda [--scale F]"));
    }
};

QTEST_GUILESS_MAIN(TestScaleCommand)
#include "tst_scalecommand.moc"
