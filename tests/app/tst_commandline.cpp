#include "support/workfolder.h"

#include <QDir>
#include <QProcess>
#include <QTest>

// The real program over whole command lines, with no window system to reach
// (see CMakeLists.txt): every answer comes before any window, so a late check
// would abort the program on the missing display instead.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void commandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("firstLine"); // of standard output, or of standard error when it is empty
        const QString usage = QStringLiteral("Usage: aralda [options] [LESSON]");
        const QString scale = QStringLiteral("aralda: --scale takes auto or a number from 1 to 3, not \"%1\"");
        QTest::newRow("help") << QStringList{"--help"} << 0 << usage;
        QTest::newRow("-h") << QStringList{"-h"} << 0 << usage;
        QTest::newRow("help wins over a mode") << QStringList{"--eval", "1", "--help"} << 0 << usage;
        QTest::newRow("help-all") << QStringList{"--help-all"} << 0 << usage;
        QTest::newRow("version") << QStringList{"--version"} << 0 << "aralda 1.0";
        QTest::newRow("eval") << QStringList{"--eval", "1+1"} << 0 << "2";
        QTest::newRow("eval, joined") << QStringList{"--eval=1+1"} << 0 << "2";
        QTest::newRow("eval, a minus first") << QStringList{"--eval", "-1"} << 0 << "-1";
        QTest::newRow("eval, radians") << QStringList{"--radians", "--eval=arcsin(1)"} << 0 << "1.5707963705";
        QTest::newRow("check-language") << QStringList{"--check-language", "none.lng"} << 2
                                        << "aralda: cannot read none.lng";
        QTest::newRow("unknown option") << QStringList{"--no-such-option"} << 2
                                        << "aralda: Unknown option 'no-such-option'.";
        QTest::newRow("unknown option in a mode") << QStringList{"--eval", "1", "--gradians"} << 2
                                                  << "aralda: Unknown option 'gradians'.";
        QTest::newRow("eval, missing value") << QStringList{"--eval"} << 2 << "aralda: Missing value after '--eval'.";
        QTest::newRow("check-language, missing value")
            << QStringList{"--check-language"} << 2 << "aralda: Missing value after '--check-language'.";
        QTest::newRow("eval and check-language")
            << QStringList{"--eval", "1", "--check-language", "a.lng"} << 2
            << "aralda: --eval and --check-language cannot be given together";
        QTest::newRow("both language modes")
            << QStringList{"--check-language", "a.lng", "--write-language-template", "b.lng"} << 2
            << "aralda: --check-language and --write-language-template cannot be given together";
        QTest::newRow("two files") << QStringList{"--check-language", "a.lng", "--check-language", "b.lng"} << 2
                                   << "aralda: --check-language is given more than once";
        QTest::newRow("radians alone") << QStringList{"--radians"} << 2 << "aralda: --radians is only read with --eval";
        QTest::newRow("scale with a mode") << QStringList{"--scale", "2", "--eval", "1"} << 2
                                           << "aralda: --scale is only read when Aralda opens its window";
        const QString stray = QStringLiteral("aralda: unexpected argument \"%1\": Aralda opens one lesson, and only in "
                                             "its window");
        QTest::newRow("eval, stray argument") << QStringList{"--eval", "1", "2"} << 2 << stray.arg("2");
        QTest::newRow("template, stray argument")
            << QStringList{"--write-language-template", "a.lng", "b.lng"} << 2 << stray.arg("b.lng");
        QTest::newRow("window, two lessons") << QStringList{"a.aralda", "b.aralda"} << 2 << stray.arg("b.aralda");
        QTest::newRow("scale, just below one") << QStringList{"--scale", "0.99"} << 2 << scale.arg("0.99");
        QTest::newRow("scale, just above three") << QStringList{"--scale", "3.01"} << 2 << scale.arg("3.01");
        QTest::newRow("scale, negative") << QStringList{"--scale", "-2"} << 2 << scale.arg("-2");
        QTest::newRow("scale, not a number") << QStringList{"--scale", "x"} << 2 << scale.arg("x");
        QTest::newRow("scale, auto in capitals") << QStringList{"--scale", "AUTO"} << 2 << scale.arg("AUTO");
        QTest::newRow("scale auto with a mode") << QStringList{"--scale=auto", "--eval", "1"} << 2
                                                << "aralda: --scale is only read when Aralda opens its window";
        QTest::newRow("scale, nan") << QStringList{"--scale", "nan"} << 2 << scale.arg("nan");
        QTest::newRow("scale, empty") << QStringList{"--scale="} << 2 << scale.arg("");
        QTest::newRow("scale, missing value") << QStringList{"--scale"} << 2
                                              << "aralda: Missing value after '--scale'.";
        QTest::newRow("scale, twice") << QStringList{"--scale", "2", "--scale", "3"} << 2
                                      << "aralda: --scale is given more than once";
    }

    void commandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, firstLine);
        WorkFolder folder;
        QProcess program;
        program.setWorkingDirectory(folder.path());
        program.start(qEnvironmentVariable("ARALDA_EXECUTABLE"), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE((out.isEmpty() ? err : out).section(QLatin1Char('\n'), 0, 0), firstLine);
        QCOMPARE(program.exitCode(), exitCode);
        if (exitCode == 2)
            QVERIFY2(out.isEmpty(), qPrintable(out));
        QVERIFY(QDir(folder.path()).isEmpty()); // nothing written
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
