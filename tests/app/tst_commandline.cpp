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
        const QString stray = QStringLiteral("aralda: unexpected argument \"%1\": Aralda opens one lesson, and only in "
                                             "its window");
        const QString scaleInMode = QStringLiteral("aralda: --scale is only read when Aralda opens its window");
        const struct {
            const char *name;
            QStringList arguments;
            int exitCode;
            QString firstLine;
        } rows[] = {
            {"help", {"--help"}, 0, usage},
            {"-h", {"-h"}, 0, usage},
            {"help wins over a mode", {"--eval", "1", "--help"}, 0, usage},
            {"help-all", {"--help-all"}, 0, usage},
            {"version", {"--version"}, 0, "aralda 1.0"},
            {"eval", {"--eval", "1+1"}, 0, "2"},
            {"eval, joined", {"--eval=1+1"}, 0, "2"},
            {"eval, a minus first", {"--eval", "-1"}, 0, "-1"},
            {"eval, radians", {"--radians", "--eval=arcsin(1)"}, 0, "1.5707963705"},
            {"check-language", {"--check-language", "none.lng"}, 2, "aralda: cannot read none.lng"},
            {"unknown option", {"--no-such-option"}, 2, "aralda: Unknown option 'no-such-option'."},
            {"unknown option in a mode", {"--eval", "1", "--gradians"}, 2, "aralda: Unknown option 'gradians'."},
            {"eval, missing value", {"--eval"}, 2, "aralda: Missing value after '--eval'."},
            {"check-language, missing value", {"--check-language"}, 2, "aralda: Missing value after '--check-language'."},
            {"eval and check-language", {"--eval", "1", "--check-language", "a.lng"}, 2,
             "aralda: --eval and --check-language cannot be given together"},
            {"both language modes", {"--check-language", "a.lng", "--write-language-template", "b.lng"}, 2,
             "aralda: --check-language and --write-language-template cannot be given together"},
            {"two files", {"--check-language", "a.lng", "--check-language", "b.lng"}, 2,
             "aralda: --check-language is given more than once"},
            {"radians alone", {"--radians"}, 2, "aralda: --radians is only read with --eval"},
            {"scale with a mode", {"--scale", "2", "--eval", "1"}, 2, scaleInMode},
            {"scale auto with a mode", {"--scale=auto", "--eval", "1"}, 2, scaleInMode},
            {"eval, stray argument", {"--eval", "1", "2"}, 2, stray.arg("2")},
            {"template, stray argument", {"--write-language-template", "a.lng", "b.lng"}, 2, stray.arg("b.lng")},
            {"window, two lessons", {"a.aralda", "b.aralda"}, 2, stray.arg("b.aralda")},
            {"scale, just below one", {"--scale", "0.99"}, 2, scale.arg("0.99")},
            {"scale, just above three", {"--scale", "3.01"}, 2, scale.arg("3.01")},
            {"scale, auto in capitals", {"--scale", "AUTO"}, 2, scale.arg("AUTO")},
            {"scale, nan", {"--scale", "nan"}, 2, scale.arg("nan")},
            {"scale, empty", {"--scale="}, 2, scale.arg("")},
            {"scale, missing value", {"--scale"}, 2, "aralda: Missing value after '--scale'."},
            {"scale, twice", {"--scale", "2", "--scale", "3"}, 2, "aralda: --scale is given more than once"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.arguments << row.exitCode << row.firstLine;
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
