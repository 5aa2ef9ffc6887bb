#include "support/settingsbytes.h"
#include "support/settingschecks.h"
#include "support/workfolder.h"

#include <QTest>

#include <random>

// Generated and mutated settings files with a fixed seed, in every test run;
// the fuzz target (tests/shell/fuzz/) runs the same checks on the inputs
// libFuzzer finds.
class TestSettingsRobustness : public QObject
{
    Q_OBJECT

private slots:
    void everyFileIsARecordOrDamaged()
    {
        std::mt19937 random(20240611);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        // The bytes where the rules turn: booleans, the languages, the path
        // length's limit and the top of a byte.
        const auto edgyByte = [&] {
            constexpr unsigned char edges[] = {0, 1, 2, 3, 4, 6, 7, 199, 200, 201, 0x80, 0x9D, 0xF1, 255};
            return char(pick(0, 2) == 0 ? pick(0, 255) : edges[pick(0, int(std::size(edges)) - 1)]);
        };
        const auto generated = [&] {
            const int lengths[] = {pick(0, 8), pick(196, 210), pick(0, 600), 203};
            QByteArray bytes(lengths[pick(0, 3)], '\0');
            for (char &byte : bytes)
                byte = edgyByte();
            return bytes;
        };
        const QList<QByteArray> seeds{settingsRecord(1, 1), settingsRecord(0, 3, "C:\\Lingue\\traespa\xf1ol.lng"),
                                      settingsRecord(1, 3, QByteArray(200, 'p')), settingsRecord(0, 6)};
        const auto mutated = [&] {
            QByteArray bytes = seeds[pick(0, int(seeds.size()) - 1)];
            for (int i = pick(1, 4); i > 0; --i) {
                const int at = pick(0, int(bytes.size()));
                switch (pick(0, 5)) {
                case 0: if (at < bytes.size()) bytes[at] = edgyByte(); break;
                case 1: bytes[2] = char(pick(190, 255)); break;
                case 2: bytes.truncate(pick(0, int(bytes.size()))); break;
                case 3: bytes.insert(at, edgyByte()); break;
                case 4: bytes.remove(at, pick(1, 3)); break;
                default: bytes.append(QByteArray(pick(1, 300), edgyByte()));
                }
                if (bytes.size() < 3)
                    bytes.resize(3, '\0');
            }
            return bytes;
        };

        WorkFolder folder;
        int records = 0;
        int damaged = 0;
        for (int i = 0; i < 40000; ++i) {
            const QByteArray bytes = i % 2 ? generated() : mutated();
            QString failure = SettingsChecks::recordFailure(bytes);
            if (failure.isEmpty() && i % 20 == 0) // through the file reader too
                failure = SettingsChecks::fileFailure(bytes, QStringLiteral("Aralda.cfg"));
            if (!failure.isEmpty())
                QFAIL(qPrintable(failure + QStringLiteral(": ") + QString::fromLatin1(bytes.toHex())));
            ++(SettingsChecks::isRecord(bytes) ? records : damaged);

            SettingsRecord read;
            read.hints = pick(0, 1);
            read.language = quint8(pick(0, 6));
            read.path = bytes.left(pick(0, 200));
            const QString path = pick(0, 3) ? QString::fromLatin1(bytes.mid(3, pick(0, 260)))
                                            : QString(QChar(char16_t(pick(0x100, 0x2FF)))) + QStringLiteral(".lng");
            const SettingsAtExit state{pick(0, 1) == 1, pick(0, 1) == 1, pick(0, 6), path};
            failure = SettingsChecks::savingFailure(read, state);
            if (!failure.isEmpty())
                QFAIL(qPrintable(failure));
        }
        // Both sides of the rule are reached.
        QVERIFY(records > 5000);
        QVERIFY(damaged > 5000);
    }
};

QTEST_GUILESS_MAIN(TestSettingsRobustness)
#include "tst_settingsrobustness.moc"
