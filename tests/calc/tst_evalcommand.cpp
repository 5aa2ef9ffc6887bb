#include "calc/calculatorvalues.h"
#include "calc/evalcommand.h"
#include "calc/expressionevaluator.h"
#include "calculatorexamples.h"

#include <QProcess>
#include <QTest>
#include <QTextStream>

namespace {

struct Run {
    int exitCode;
    QString out;
    QString err;
};

Run runInProcess(const QStringList &arguments)
{
    resetEvaluatorValues();
    resetCalculatorValues();
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int exitCode = EvalCommand::run(QStringList{u"aralda"_qs} + arguments, outStream, errStream);
    return {exitCode, out, err};
}

// The real program, with no window system to reach: an application object
// for windows would abort it.
Run runProgram(const QStringList &arguments)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    program.setProcessEnvironment(environment);
    program.start(qEnvironmentVariable("ARALDA_EXECUTABLE"), arguments);
    if (!program.waitForFinished(30000))
        return {-1, {}, {}};
    const int exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    return {exitCode, QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

} // namespace

class TestEvalCommand : public QObject
{
    Q_OBJECT

private slots:
    void commandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::newRow("value") << QStringList{"--eval", "1/3"} << 0 << "0.3333333433\n";
        QTest::newRow("value with a leading minus") << QStringList{"--eval", "-2.5"} << 0 << "-2.5000000000\n";
        QTest::newRow("radians before") << QStringList{"--radians", "--eval", "sin(30)"} << 0 << "-0.9880316257\n";
        QTest::newRow("radians after") << QStringList{"--eval", "sin(30)", "--radians"} << 0 << "-0.9880316257\n";
        QTest::newRow("evaluation error") << QStringList{"--eval", "1/0"} << 1 << "division by 0\n";
        QTest::newRow("empty expression") << QStringList{"--eval", ""} << 1 << "\n";
        QTest::newRow("missing expression") << QStringList{"--eval"} << 2 << "";
        QTest::newRow("stray argument") << QStringList{"--eval", "1", "2"} << 2 << "";
        QTest::newRow("unknown option") << QStringList{"--eval", "1", "--gradians"} << 2 << "";
    }

    void commandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        const Run run = runInProcess(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err.contains(QLatin1String("usage: aralda --eval")), exitCode == 2);
    }

    void program_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::newRow("success") << QStringList{"--eval", "2000000"} << 0 << " 2.00000000000000E+0006\n";
        QTest::newRow("failure") << QStringList{"--eval", "sqrt(-4)"} << 1 << "out of range\n";
        QTest::newRow("joined value, radians first") << QStringList{"--radians", "--eval=arcsin(1)"} << 0
                                                     << "1.5707963705\n";
    }

    void program()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        const Run run = runProgram(arguments);
        QCOMPARE(run.out, out);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    }

    void programExamples_data() { addCalculatorExampleRows(); }

    void programExamples()
    {
        QFETCH(QString, expression);
        QFETCH(bool, radians);
        QFETCH(QString, shown);
        QStringList arguments{u"--eval"_qs, expression};
        if (radians)
            arguments.append(u"--radians"_qs);
        const Run run = runProgram(arguments);
        QCOMPARE(run.out, shown + u'\n');
        const bool value = shown.front().isDigit() || shown.front() == u' ' || shown.front() == u'-';
        QCOMPARE(run.exitCode, value ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(TestEvalCommand)
#include "tst_evalcommand.moc"
