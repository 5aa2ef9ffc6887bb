#include "lang/languagetables.h"
#include "lesson/lessonfile.h"
#include "support/lessonchecks.h"
#include "support/settingsbytes.h"
#include "support/specialfiles.h"
#include "support/workfolder.h"

#include <QDir>
#include <QTest>

#include <random>

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
    // Unknown keys, a step's past the lesson's count among them, do not
    // refuse a lesson: they are named.
    void goodLessonIsRead()
    {
        const QByteArray bytes = goodWith(12, QStringLiteral("1.trace = yes")).append("colour = red\n2.kind = shear\n");
        const LessonFile::ReadResult read = LessonFile::parse(bytes, English);
        QVERIFY2(read.lesson, qPrintable(read.reason));
        const auto &values = read.lesson->values;
        QCOMPARE(read.lesson->kinds[0], int(Rotazione));
        QVERIFY(values.RotationAngle[1] == 90 && values.ShowRotationArcs[1] && values.FigureX[1] == 4 && values.FigureY[2] == 3);
        QCOMPARE(read.unknownKeys, (QStringList{"2.kind", "colour"}));
    }

    // Each kind of bad input names its line and says what is wrong: the
    // notice's arguments are given "|"-separated.
    void refusals_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        const auto add = [](const char *name, const QByteArray &bytes, int line, NoticeRow row, const QString &args = {}) {
            QString reason = noticeText(row);
            for (const QString &arg : args.split(u'|', Qt::SkipEmptyParts))
                reason = reason.arg(arg);
            QTest::newRow(name) << bytes << line << reason;
        };
        add("foreign text", "[Desktop Entry]\nName=x\n", 1, LessonNotALesson, "Aralda lesson 1");
        add("newer version", goodWith(1, "Aralda lesson 2"), 1, LessonNewerVersion, "2");
        add("binary", QByteArray("Aralda lesson 1\n\0\x01\x02", 19), 0, LessonNotText);
        add("broken UTF-8", goodWith(12, "title = cafe").replace("cafe", "caf\xe9"), 0, LessonNotText);
        add("no equals sign", goodWith(3, "transformations 1"), 3, LessonNoEquals);
        add("key twice", goodWith(12, "1.angle = 45"), 12, LessonRepeatedKey, "1.angle");
        add("figure missing", goodWith(4, "# no figure"), 12, LessonMissingKey, "figure");
        add("truncated before the angle", goodWith(11, ""), 12, LessonMissingKey, "1.angle");
        add("unknown kind: a translated name", goodWith(9, "1.kind = rotazione"), 9, LessonBadValue, "rotazione|1.kind");
        add("angle one past the end", goodWith(11, "1.angle = 360"), 11, LessonOutOfRange, "1.angle|-359|359");
        add("angle at the other end", goodWith(11, "1.angle = -360"), 11, LessonOutOfRange, "1.angle|-359|359");
        add("centre one past", goodWith(10, "1.centre = 0 6"), 10, LessonOutOfRange, "1.centre|-5|5");
        add("vertex not a number", goodWith(5, "a = 1 x"), 5, LessonBadValue, "x|a");
        add("vertex with three numbers", goodWith(5, "a = 1 1 1"), 5, LessonBadValue, "1 1 1|a");
        add("vertex past the plane", goodWith(5, "a = 40 1"), 5, LessonOutOfRange, "a|-39|39");
        add("three transformations", goodWith(3, "transformations = 3"), 3, LessonOutOfRange, "transformations|1|2");
        add("frame with two", goodWith(2, "mode = frame").replace("transformations = 1", "transformations = 2"), 3,
            LessonFrameOneStep);
        add("unknown mode", goodWith(2, "mode = axes"), 2, LessonBadValue, "axes|mode");
        add("zoom not offered", goodWith(12, "zoom = 25%"), 12, LessonBadValue, "25%|zoom");
        const QByteArray homothety = goodWith(9, "1.kind = homothety").replace("1.angle = 90", "1.trace = no");
        add("ratio with two decimals", homothety + "1.ratio = 0.55\n", 12, LessonBadValue, "0.55|1.ratio");
        add("ratio zero", homothety + "1.ratio = 0\n", 12, LessonOutOfRange, "1.ratio|0.1|2.0");
        add("ratio past two", homothety + "1.ratio = -2.1\n", 12, LessonOutOfRange, "1.ratio|0.1|2.0");
        const QByteArray dilation = goodWith(9, "1.kind = dilation").replace("1.centre = 0 0\n", "").replace("1.angle = 90\n", "");
        add("negative dilation", dilation + "1.factors = -1.0 1.0\n", 10, LessonBadValue, "-1.0|1.factors");
        add("dilation below a half", dilation + "1.factors = 1.0 0.4\n", 10, LessonOutOfRange, "1.factors|0.5|5.0");
        const QByteArray affinity = goodWith(9, "1.kind = affinity").replace("1.centre = 0 0\n", "").replace(
            "1.angle = 90\n", "preset = 0\n1.c = 0\n1.a = 1\n1.b = 0\n1.c' = 0\n1.a' = 0\n");
        add("affinity text no number", affinity + "1.b' = 1/\n", 16, LessonBadValue, "1/|1.b'");
        add("affinity text too long", affinity + "1.b' = " + QByteArray(256, '1') + "\n", 16, LessonBadValue,
            QString(256, QLatin1Char('1')) + "|1.b'");
        add("frame with an affinity", QByteArray(affinity).replace("mode = figure", "mode = frame") + "1.b' = 1\n", 3,
            LessonFrameNoAffinity);
        const QByteArray circle = "Aralda lesson 1\nfigure = circle\ncentre = 0 0\nradius = 3\n1.kind = translation\n"
                                  "1.vector = 1 1\n";
        add("circle with two and a shear", QByteArray(circle).replace("figure", "transformations = 2\nfigure")
            + "2.kind = shear\n2.axis = x\n2.amount = 1\n", 2, LessonCircleKinds);
        add("radius below two", QByteArray(circle).replace("radius = 3", "radius = 1"), 4, LessonOutOfRange, "radius|2|15");
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

    // A title in the language in force, else the plain one; a loaded
    // language reads English.
    void titleInTheLanguageInForce()
    {
        const QByteArray bytes = goodWith(12, "title = Axes").append("title.it = Assi\ntitle.en = Axes (en)\n");
        const std::pair<int, const char *> titles[] = {{Italian, "Assi"}, {French, "Axes"}, {LoadedLanguage, "Axes (en)"}};
        for (const auto &[language, title] : titles)
            QCOMPARE(LessonFile::parse(bytes, language).lesson->title, QString::fromLatin1(title));
    }

    // Only a regular file of a bounded size is read, a link to one too (the
    // kinds of file are tst_languagefile's; here the lesson's limit and
    // notices); saving replaces a link itself and never its target.
    void filesAtTheName()
    {
        WorkFolder folder;
        const QByteArray good = goodWith(12, "title = Saved");
        const QByteArray largest = good + QByteArray(LessonFile::SizeLimit - good.size() - 1, '#') + '\n';
        QVERIFY(QDir().mkdir(QStringLiteral("folder")));
        writeFileBytes(QStringLiteral("large"), largest + '#');
        writeFileBytes(QStringLiteral("largest"), largest);
        writeFileBytes(QStringLiteral("target"), good);
        QVERIFY(makeLink(QStringLiteral("target"), QStringLiteral("link")));
        const std::pair<const char *, QString> files[] = {{"missing", noticeText(LessonMissing)},
            {"folder", noticeText(LessonNotRegular)}, {"large", noticeText(LessonTooLarge).arg(64)}, {"largest", {}},
            {"link", {}}};
        for (const auto &[name, reason] : files) {
            const LessonFile::ReadResult read = LessonFile::read(QString::fromLatin1(name), English);
            QCOMPARE(read.reason, reason);
            QCOMPARE(read.lesson.has_value(), reason.isEmpty());
        }
        const Lesson lesson = *LessonFile::read(QStringLiteral("link"), English).lesson;
        QVERIFY(!LessonFile::write(lesson, QStringLiteral("link")));
        QCOMPARE(fileBytes(QStringLiteral("target")), good);
        QCOMPARE(entryKind(QStringLiteral("link")), 'f');
        QCOMPARE(fileBytes(QStringLiteral("link")), LessonFile::compose(lesson));
        const auto failure = LessonFile::write(lesson, QStringLiteral("/proc/lesson.aralda"));
        QVERIFY(failure && !failure->isEmpty());
    }

    // The ready lessons, mutated with a fixed seed in every test run; the fuzz
    // target (tests/lesson/fuzz/) runs the same checks on what libFuzzer finds.
    void everyTextIsALessonOrRefused()
    {
        QList<QByteArray> seeds;
        const QDir folder(QStringLiteral(SOURCE_LESSONS));
        for (const QString &name : folder.entryList(QDir::Files))
            seeds << fileBytes(folder.filePath(name));
        QCOMPARE(seeds.size(), 12);
        std::mt19937 random(20261207);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        // Bytes where the reader's rules turn: separators, signs, digits, the
        // decimal point, the end of a line, a stray NUL and broken UTF-8.
        constexpr char edges[] = {'=', ' ', '-', '.', '0', '9', '\n', '\r', '#', '\0', '\xc3', '\xff', '\'', '%'};
        int lessons = 0;
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes = seeds[pick(0, int(seeds.size()) - 1)];
            for (int i = pick(1, 4); i > 0 && !bytes.isEmpty(); --i) {
                const int at = pick(0, int(bytes.size()) - 1);
                switch (pick(0, 3)) {
                case 0: bytes[at] = edges[pick(0, int(std::size(edges)) - 1)]; break;
                case 1: bytes.remove(at, pick(1, 12)); break;
                case 2: bytes.insert(at, bytes.mid(pick(0, int(bytes.size()) - 1), pick(1, 30))); break;
                default: bytes.truncate(at); break;
                }
            }
            const QString failure = LessonChecks::lessonFailure(bytes);
            QVERIFY2(failure.isEmpty(), qPrintable(failure + QStringLiteral("\n") + QString::fromUtf8(bytes)));
            lessons += LessonFile::parse(bytes, 1).lesson.has_value();
        }
        // Both sides of the reader were reached.
        QVERIFY(lessons > 100 && lessons < 2900);
    }
};

QTEST_GUILESS_MAIN(TestLessonFile)
#include "tst_lessonfile.moc"
