#include "support/languagefilechecks.h"
#include "support/workfolder.h"

#include <QTest>

#include <array>
#include <random>

// Generated and mutated language files with a fixed seed, in every test run;
// the fuzz target (tests/lang/fuzz/) runs the same checks on the inputs
// libFuzzer finds.
class TestLanguageFileRobustness : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLanguageValues(); }
    void cleanup() { resetLanguageValues(); }

    void everyFileIsSplitValidatedAndFilledByTheRules()
    {
        std::mt19937 random(20240611);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        // The ends of line, alone, paired and reversed.
        const std::array<QByteArray, 5> ends{"\r\n", "\n", "\r", "\n\r", "\r\r\n"};
        const auto character = [&] {
            constexpr char special[] = {'m', '#', ' ', '\0', '\x80', '\x81', '\x9d', '\xf1', '\xff', '|'};
            return pick(0, 3) == 0 ? special[pick(0, int(std::size(special)) - 1)] : char(pick(0x20, 0x7e));
        };
        // Lines drawn once and then picked, so that the time goes to the reader.
        QList<QByteArray> pool;
        for (int i = 0; i < 600; ++i) {
            QByteArray text(pick(0, 5) == 0 ? pick(0, 4) : pick(3, 75), '\0');
            for (char &c : text)
                c = character();
            pool.append(text);
        }
        const auto line = [&](int lineNumber) {
            if (lineNumber == 82 && pick(0, 4) != 0) // the signature, mostly right
                return QByteArray("###").append(pick(0, 5) ? 'm' : character()).prepend(character());
            return pool[pick(0, int(pool.size()) - 1)];
        };
        const auto generated = [&] {
            const int count = pick(0, 3) ? pick(276, 278) : pick(0, 300);
            const QByteArray &end = ends[pick(0, 2)];
            QByteArray bytes;
            for (int i = 0; i < count; ++i) {
                bytes += line(i);
                if (i + 1 < count || pick(0, 1))
                    bytes += pick(0, 30) ? end : ends[pick(0, 4)];
            }
            return bytes;
        };
        QByteArray valid;
        for (int i = 0; i < 277; ++i)
            valid += (i == 82 ? QByteArray("### m") : QByteArray("## text of line ") + QByteArray::number(i)) + "\r\n";
        const auto mutated = [&] {
            QByteArray bytes = valid;
            for (int i = pick(1, 5); i > 0; --i) {
                const int at = pick(0, int(bytes.size()));
                switch (pick(0, 5)) {
                case 0: bytes.insert(at, ends[pick(0, 4)]); break;
                case 1: bytes.remove(at, pick(1, 6)); break;
                case 2: if (at < bytes.size()) bytes[at] = character(); break;
                case 3: bytes.insert(at, QByteArray(pick(1, 80), character())); break;
                case 4: bytes.truncate(pick(int(bytes.size()) - 20, int(bytes.size()))); break;
                default: bytes.replace("\r\n", ends[pick(0, 4)]);
                }
            }
            return bytes;
        };

        WorkFolder folder;
        int validFiles = 0;
        int invalidFiles = 0;
        for (int i = 0; i < 5000; ++i) {
            const QByteArray bytes = i % 2 ? generated() : mutated();
            bool isValid = false;
            QString failure = LanguageFileChecks::bytesFailure(bytes, &isValid);
            if (failure.isEmpty() && i % 10 == 0) // through the file reader and the start-up rule too
                failure = LanguageFileChecks::fileFailure(bytes, QStringLiteral("es.lng"));
            if (!failure.isEmpty())
                QFAIL(qPrintable(failure + QStringLiteral(": ") + QString::fromLatin1(bytes.toHex())));
            ++(isValid ? validFiles : invalidFiles);
        }
        QVERIFY(validFiles > 1000);
        QVERIFY(invalidFiles > 1000);
    }
};

QTEST_GUILESS_MAIN(TestLanguageFileRobustness)
#include "tst_languagefilerobustness.moc"
