#include "support/lessonchecks.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <random>

// The ready lessons, mutated with a fixed seed in every test run; the fuzz
// target (tests/lesson/fuzz/) runs the same checks on what libFuzzer finds.
class TestLessonRobustness : public QObject
{
    Q_OBJECT

private slots:
    void everyTextIsALessonOrRefused()
    {
        QList<QByteArray> seeds;
        const QDir folder(QStringLiteral(SOURCE_LESSONS));
        for (const QString &name : folder.entryList(QDir::Files)) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            seeds << file.readAll();
        }
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

QTEST_GUILESS_MAIN(TestLessonRobustness)
#include "tst_lessonrobustness.moc"
