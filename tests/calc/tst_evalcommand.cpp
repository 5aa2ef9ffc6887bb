#include <QProcess>
#include <QTest>

class TestEvalCommand : public QObject
{
    Q_OBJECT

private slots:
    // Output that never reached its reader is a failure, not a success, in
    // every mode that prints: the rows "to a full device" write there.
    void commandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err"); // how it starts, for a full device
        const QString empty = QStringLiteral("aralda: the expression is empty\n");
        const QString unwritten = QStringLiteral("aralda: the output could not be written: ");
        QTest::newRow("value") << QStringList{"--eval", "2000000"} << false << 0 << " 2.00000000000000E+0006\n" << "";
        QTest::newRow("error") << QStringList{"--eval", "sqrt(-4)"} << false << 1 << "out of range\n" << "";
        QTest::newRow("empty expression") << QStringList{"--eval", ""} << false << 1 << "" << empty;
        QTest::newRow("blank expression") << QStringList{"--eval", "   "} << false << 1 << "" << empty;
        QTest::newRow("blank joined expression") << QStringList{"--eval= "} << false << 1 << "" << empty;
        QTest::newRow("tab is no blank") << QStringList{"--eval", "\t"} << false << 1 << "syntax error\n" << "";
        QTest::newRow("blanks around a value") << QStringList{"--eval", " 1 + 1 "} << false << 0 << "2\n" << "";
        const std::pair<const char *, QStringList> unwrittenRows[] = {
            {"value to a full device", {"--eval", "1+1"}},
            {"evaluation error to a full device", {"--eval", "sqrt(-4)"}},
            {"language report to a full device", {"--check-language", QCoreApplication::applicationFilePath()}},
            {"help to a full device", {"--help"}},
            {"version to a full device", {"--version"}},
        };
        for (const auto &[name, arguments] : unwrittenRows)
            QTest::newRow(name) << arguments << true << 2 << "" << unwritten;
    }

    void commandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, full);
        QFETCH(QString, err);
        QProcess program;
        if (full)
            program.setStandardOutputFile(QStringLiteral("/dev/full"));
        program.start(qEnvironmentVariable("ARALDA_EXECUTABLE"), arguments);
        QVERIFY(program.waitForFinished(30000) && program.exitStatus() == QProcess::NormalExit);
        QTEST(QString::fromUtf8(program.readAllStandardOutput()), "out");
        QTEST(program.exitCode(), "exitCode");
        const QString shownErr = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(full ? shownErr.startsWith(err) && shownErr.endsWith(u'\n') : shownErr == err, qPrintable(shownErr));
    }
};

QTEST_GUILESS_MAIN(TestEvalCommand)
#include "tst_evalcommand.moc"
