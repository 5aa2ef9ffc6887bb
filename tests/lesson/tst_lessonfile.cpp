#include "lang/languagetables.h"
#include "lesson/lessonfile.h"
#include "support/settingsbytes.h"
#include "support/specialfiles.h"
#include "support/workfolder.h"

#include <QDir>
#include <QTest>

namespace {

// A good lesson, line by line: line 1 is the format's, line 9 the kind's.
const QStringList Good{"Aralda lesson 1",  "mode = figure",  "transformations = 1", "figure = triangle",
                       "a = 1 1",          "b = 4 1",        "c = 1 3",             "clear = yes",
                       "1.kind = rotation", "1.centre = 0 0", "1.angle = 90"};

// The good lesson with line `number` (1 = the first) replaced by `line`, or
// with `line` added when `number` is past the end.
QByteArray goodWith(int number, const QString &line)
{
    QStringList lines = Good;
    if (number <= lines.size())
        lines[number - 1] = line;
    else
        lines << line;
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

} // namespace

class TestLessonFile : public QObject
{
    Q_OBJECT

private slots:
    void goodLessonIsRead()
    {
        const LessonFile::ReadResult read = LessonFile::parse(goodWith(12, QStringLiteral("1.trace = yes")), English);
        QVERIFY2(read.lesson, qPrintable(read.reason));
        const Lesson &lesson = *read.lesson;
        QCOMPARE(lesson.kinds[0], int(Rotazione));
        QCOMPARE(lesson.values.RotationAngle[1], 90);
        QVERIFY(lesson.values.ShowRotationArcs[1]);
        QCOMPARE(lesson.values.FigureX[1], 4);
        QCOMPARE(lesson.values.FigureY[2], 3);
        QCOMPARE(read.unknownKeys, QStringList());
    }

    // Each kind of bad input names its line and says what is wrong.
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        const QString notLesson = noticeText(LessonNotALesson).arg(QStringLiteral("Aralda lesson 1"));
        const auto bad = [](const char *value, const char *key) {
            return noticeText(LessonBadValue).arg(QString::fromUtf8(value), QString::fromLatin1(key));
        };
        const auto range = [](const char *key, const char *low, const char *high) {
            return noticeText(LessonOutOfRange).arg(QString::fromLatin1(key), QString::fromLatin1(low),
                                                    QString::fromLatin1(high));
        };
        QTest::newRow("empty") << QByteArray() << 1 << notLesson;
        QTest::newRow("foreign text") << QByteArray("[Desktop Entry]\nName=x\n") << 1 << notLesson;
        QTest::newRow("newer version") << goodWith(1, "Aralda lesson 2") << 1 << noticeText(LessonNewerVersion).arg(2);
        QTest::newRow("binary") << QByteArray("Aralda lesson 1\n\0\x01\x02", 19) << 0 << noticeText(LessonNotText);
        QTest::newRow("broken UTF-8") << goodWith(12, "title = cafe").replace("cafe", "caf\xe9") << 0 << noticeText(LessonNotText);
        QTest::newRow("no equals sign") << goodWith(3, "transformations 1") << 3 << noticeText(LessonNoEquals);
        QTest::newRow("key twice") << goodWith(12, "1.angle = 45") << 12
                                   << noticeText(LessonRepeatedKey).arg(QStringLiteral("1.angle"));
        QTest::newRow("figure missing") << goodWith(4, "# no figure") << 12
                                        << noticeText(LessonMissingKey).arg(QStringLiteral("figure"));
        QTest::newRow("truncated before the angle") << goodWith(11, "") << 12
                                                    << noticeText(LessonMissingKey).arg(QStringLiteral("1.angle"));
        QTest::newRow("unknown kind") << goodWith(9, "1.kind = spiral") << 9 << bad("spiral", "1.kind");
        QTest::newRow("kind by a translated name") << goodWith(9, "1.kind = rotazione") << 9
                                                   << bad("rotazione", "1.kind");
        QTest::newRow("angle one past the end") << goodWith(11, "1.angle = 360") << 11 << range("1.angle", "-359", "359");
        QTest::newRow("angle at the end") << goodWith(11, "1.angle = -360") << 11 << range("1.angle", "-359", "359");
        QTest::newRow("centre one past") << goodWith(10, "1.centre = 0 6") << 10 << range("1.centre", "-5", "5");
        QTest::newRow("vertex not a number") << goodWith(5, "a = 1 x") << 5 << bad("x", "a");
        QTest::newRow("vertex with three numbers") << goodWith(5, "a = 1 1 1") << 5 << bad("1 1 1", "a");
        QTest::newRow("vertex past the plane") << goodWith(5, "a = 40 1") << 5 << range("a", "-39", "39");
        QTest::newRow("three transformations") << goodWith(3, "transformations = 3") << 3
                                               << range("transformations", "1", "2");
        QTest::newRow("frame with two") << goodWith(2, "mode = frame").replace("transformations = 1",
                                                                               "transformations = 2")
                                        << 3 << noticeText(LessonFrameOneStep);
        QTest::newRow("unknown mode") << goodWith(2, "mode = axes") << 2 << bad("axes", "mode");
        QTest::newRow("zoom not offered") << goodWith(12, "zoom = 25%") << 12 << bad("25%", "zoom");
        const QByteArray homothety = goodWith(9, "1.kind = homothety").replace("1.angle = 90", "1.trace = no");
        QTest::newRow("ratio with two decimals") << homothety + "1.ratio = 0.55\n" << 12 << bad("0.55", "1.ratio");
        QTest::newRow("ratio zero") << homothety + "1.ratio = 0\n" << 12 << range("1.ratio", "0.1", "2.0");
        QTest::newRow("ratio past two") << homothety + "1.ratio = -2.1\n" << 12 << range("1.ratio", "0.1", "2.0");
        const QByteArray dilation = goodWith(9, "1.kind = dilation").replace("1.centre = 0 0\n", "").replace(
            "1.angle = 90\n", "");
        QTest::newRow("negative dilation") << dilation + "1.factors = -1.0 1.0\n" << 10 << bad("-1.0", "1.factors");
        QTest::newRow("dilation below a half") << dilation + "1.factors = 1.0 0.4\n" << 10
                                               << range("1.factors", "0.5", "5.0");
        const QByteArray affinity = goodWith(9, "1.kind = affinity").replace("1.centre = 0 0\n", "").replace(
            "1.angle = 90\n", "preset = 0\n1.c = 0\n1.a = 1\n1.b = 0\n1.c' = 0\n1.a' = 0\n");
        QTest::newRow("affinity text no number") << affinity + "1.b' = 1/\n" << 16 << bad("1/", "1.b'");
        QTest::newRow("affinity text too long") << affinity + "1.b' = " + QByteArray(256, '1') + "\n" << 16
                                                << bad(QByteArray(256, '1').constData(), "1.b'");
        QTest::newRow("frame with an affinity") << QByteArray(affinity).replace("mode = figure", "mode = frame") + "1.b' = 1\n"
                                                << 3 << noticeText(LessonFrameNoAffinity);
        QTest::newRow("circle with two and a shear")
            << QByteArray("Aralda lesson 1\ntransformations = 2\nfigure = circle\ncentre = 0 0\nradius = 3\n"
                          "1.kind = translation\n1.vector = 1 1\n2.kind = shear\n2.axis = x\n2.amount = 1\n")
            << 2 << noticeText(LessonCircleKinds);
        QTest::newRow("radius below two") << QByteArray("Aralda lesson 1\nfigure = circle\ncentre = 0 0\nradius = 1\n"
                                                        "1.kind = translation\n1.vector = 1 1\n")
                                          << 4 << range("radius", "2", "15");
    }

    void refusals()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(QString, reason);
        const LessonFile::ReadResult read = LessonFile::parse(bytes, English);
        QVERIFY(!read.lesson);
        QCOMPARE(read.reason, reason);
        QCOMPARE(read.line, line);
    }

    // Unknown keys do not refuse a lesson: they are named once.
    void unknownKeysAreSkippedAndNamed()
    {
        const LessonFile::ReadResult read = LessonFile::parse(
            goodWith(12, "colour = red").append("2.kind = shear\n"), English);
        QVERIFY(read.lesson);
        QCOMPARE(read.unknownKeys, (QStringList{"2.kind", "colour"}));
    }

    // A note and a title in the language in force, else the plain ones; a
    // loaded language reads English.
    void titleInTheLanguageInForce_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("Italian") << int(Italian) << "Assi";
        QTest::newRow("French") << int(French) << "Axes";
        QTest::newRow("loaded language") << int(LoadedLanguage) << "Axes (en)";
    }

    void titleInTheLanguageInForce()
    {
        QFETCH(int, language);
        QFETCH(QString, title);
        const QByteArray bytes = goodWith(12, "title = Axes").append("title.it = Assi\ntitle.en = Axes (en)\n");
        QCOMPARE(LessonFile::parse(bytes, language).lesson->title, title);
    }

    // Only a regular file of a bounded size is read.
    void filesThatAreNoLesson_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing" << noticeText(LessonMissing);
        QTest::newRow("folder") << "folder" << noticeText(LessonNotRegular);
        QTest::newRow("named pipe") << "named pipe" << noticeText(LessonNotRegular);
        QTest::newRow("link to a pipe") << "link to a pipe" << noticeText(LessonNotRegular);
        QTest::newRow("one byte too large") << "too large" << noticeText(LessonTooLarge).arg(64);
        QTest::newRow("link to a good lesson") << "link to a lesson" << QString();
        QTest::newRow("as large as allowed") << "largest" << QString();
    }

    void filesThatAreNoLesson()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        WorkFolder folder;
        const QString name = QStringLiteral("lesson.aralda");
        const QByteArray good = goodWith(12, "# a comment");
        const QByteArray padding = QByteArray(LessonFile::SizeLimit - good.size() - 1, '#') + '\n';
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(name));
        else if (kind == QLatin1String("named pipe"))
            QVERIFY(makeFifo(name));
        else if (kind == QLatin1String("link to a pipe"))
            QVERIFY(makeFifo(QStringLiteral("pipe")) && makeLink(QStringLiteral("pipe"), name));
        else if (kind == QLatin1String("too large"))
            writeFileBytes(name, good + padding + '#');
        else if (kind == QLatin1String("largest"))
            writeFileBytes(name, good + padding);
        if (kind == QLatin1String("link to a lesson")) {
            writeFileBytes(QStringLiteral("real.aralda"), good);
            QVERIFY(makeLink(QStringLiteral("real.aralda"), name));
        }
        const LessonFile::ReadResult read = LessonFile::read(name, English);
        QCOMPARE(read.reason, reason);
        QCOMPARE(read.lesson.has_value(), reason.isEmpty());
    }

    // Saving replaces what stands at the name, a link itself and never its
    // target, and leaves no temporary file.
    void writeNeverGoesThroughALink()
    {
        WorkFolder folder;
        writeFileBytes(QStringLiteral("target"), "kept");
        QVERIFY(makeLink(QStringLiteral("target"), QStringLiteral("lesson.aralda")));
        const Lesson lesson = *LessonFile::parse(goodWith(12, "title = Saved"), English).lesson;
        QVERIFY(!LessonFile::write(lesson, QStringLiteral("lesson.aralda")));
        QCOMPARE(fileBytes(QStringLiteral("target")), QByteArray("kept"));
        QCOMPARE(entryKind(QStringLiteral("lesson.aralda")), 'f');
        QCOMPARE(fileBytes(QStringLiteral("lesson.aralda")), LessonFile::compose(lesson));
        QCOMPARE(folderEntries(), (QStringList{"lesson.aralda", "target"}));
        const auto failure = LessonFile::write(lesson, QStringLiteral("/proc/lesson.aralda"));
        QVERIFY(failure && !failure->isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLessonFile)
#include "tst_lessonfile.moc"
