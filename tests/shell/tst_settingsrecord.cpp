#include "shell/settingsrecord.h"
#include "support/settingsbytes.h"
#include "support/settingschecks.h"
#include "support/specialfiles.h"
#include "support/workfolder.h"

#include <QTest>

#include <random>

const QString SettingsFile = QStringLiteral("Aralda.cfg");

class TestSettingsRecord : public QObject
{
    Q_OBJECT

private slots:
    // Bytes drawn with a fixed seed; the fuzz target runs the same checks on
    // the inputs libFuzzer finds.
    void anyBytesAreARecordOrDamaged()
    {
        std::mt19937 random(20240611);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        // Where the rules turn: booleans, languages, the path length's limit, the top of a byte.
        constexpr unsigned char edges[] = {0, 1, 2, 3, 6, 7, 199, 200, 201, 0x80, 0x9D, 0xF1, 255};
        WorkFolder folder;
        int records = 0;
        for (int i = 0; i < 40000; ++i) {
            const int lengths[] = {pick(0, 8), pick(196, 210), pick(0, 600), 203};
            QByteArray bytes(lengths[pick(0, 3)], '\0');
            for (char &byte : bytes)
                byte = char(pick(0, 2) ? edges[pick(0, int(std::size(edges)) - 1)] : pick(0, 255));
            QString failure = SettingsChecks::recordFailure(bytes);
            if (failure.isEmpty() && i % 100 == 0) // through the file reader too
                failure = SettingsChecks::fileFailure(bytes, SettingsFile);
            if (!failure.isEmpty())
                QFAIL(qPrintable(failure + QStringLiteral(": ") + QString::fromLatin1(bytes.toHex())));
            records += SettingsChecks::isRecord(bytes);
        }
        // Both sides of the rule are reached.
        QVERIFY(records > 5000 && records < 35000);
    }

    void whatIsWrittenAtExit()
    {
        const SettingsRecord read = *SettingsRecord::fromBytes(settingsRecord(1, 0, "old")); // hints on, Italian
        const std::pair<SettingsAtExit, QByteArray> rows[] = { // no bytes: nothing written
            {{false, true, 2, {}}, {}},
            {{false, false, 2, {}}, settingsRecord(0, 0, "old")}, // hints off keeps language and path
            {{true, true, 2, QStringLiteral("x.lng")}, settingsRecord(1, 2)}, // French keeps no path
            {{true, true, 3, u"C:\\Lingue\\traespañol.lng"_qs}, settingsRecord(1, 3, "C:\\Lingue\\traespa\xf1ol.lng")},
            {{true, true, 3, QString(250, QLatin1Char('p'))}, settingsRecord(1, 3, QByteArray(200, 'p'))},
            {{true, true, 3, u"/学生/l.lng"_qs}, settingsRecord(1, 3)}}; // outside Windows-1252: not stored
        for (const auto &[state, expected] : rows) {
            const auto record = settingsToSave(read, state);
            QCOMPARE(record ? record->toBytes() : QByteArray(), expected);
        }
    }

    void onlyARegularFileIsReadOrWritten_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<SettingsReadStatus>("status");
        using enum SettingsReadStatus;
        const std::pair<const char *, SettingsReadStatus> rows[] = {
            {"nothing", Missing}, {"regular", Read}, {"regular, more", Read}, {"link", Damaged}, {"pipe", Damaged}};
        for (const auto &[kind, status] : rows)
            QTest::newRow(kind) << QString::fromLatin1(kind) << status;
    }

    // Every other kind of file is tst_languagefile's, which tests the file reader: here, that links are refused.
    // The read runs in a child process: one that waits on a pipe or grows
    // without end is ended there and fails the test instead of holding it.
    void onlyARegularFileIsReadOrWritten()
    {
        QFETCH(QString, kind);
        QFETCH(SettingsReadStatus, status);
        WorkFolder folder;
        // "other.cfg" beside the file always holds a good record.
        writeFileBytes(QStringLiteral("other.cfg"), settingsRecord(0, 2));
        if (kind.startsWith(QLatin1String("regular"))) // with 4 MiB more, for the read to stop at the record
            writeFileBytes(SettingsFile, settingsRecord(0, 2) + QByteArray(kind.endsWith(u"more") ? 4 << 20 : 0, '~'));
        else if (kind == QLatin1String("link"))
            QVERIFY(makeLink(QStringLiteral("other.cfg"), SettingsFile));
        else if (kind == QLatin1String("pipe"))
            QVERIFY(makeFifo(SettingsFile));
        const ChildOutcome outcome = runInChild([] {
            const SettingsReadResult result = readSettingsFile();
            return int(result.status) * 2 + (result.record.toBytes() == settingsRecord(0, 2));
        }, 5);
        QVERIFY2(outcome.exited, qPrintable(QStringLiteral("ended by signal %1").arg(outcome.code)));
        QCOMPARE(outcome.code, int(status) * 2 + (status == SettingsReadStatus::Read));

        const bool written = status != SettingsReadStatus::Damaged;
        const char entry = entryKind(SettingsFile);
        const QString target = linkTarget(SettingsFile);
        const QStringList entries = written ? QStringList{SettingsFile, QStringLiteral("other.cfg")} : folderEntries();
        const auto failure = writeSettingsFile(*SettingsRecord::fromBytes(settingsRecord(1, 0)));
        QCOMPARE(failure, written ? std::nullopt : std::optional(noticeText(SettingsFileNotRegular)));
        QCOMPARE(fileBytes(QStringLiteral("other.cfg")), settingsRecord(0, 2));
        QCOMPARE(entryKind(SettingsFile), written ? 'f' : entry);
        QCOMPARE(linkTarget(SettingsFile), target);
        if (written)
            QCOMPARE(fileBytes(SettingsFile), settingsRecord(1, 0));
        QCOMPARE(folderEntries(), entries); // no link target created, no temporary left
    }

    // The working folder keeps the file for those who rely on it; a menu's
    // working folder (home, or one that cannot be written) sends it to the
    // configuration folder.
    void placeOfTheSettings()
    {
        const QString home = QStringLiteral("/home/ada"), config = home + QStringLiteral("/.config/aralda/Aralda.cfg");
        const std::pair<SettingsSurroundings, QString> rows[] = {
            {{"/home/ada/maths", home, "", false, true}, SettingsFile}, // a lesson folder
            {{home, home, "", true, true}, SettingsFile},               // a file already in the home folder
            {{"/", home, "", true, false}, SettingsFile},               // a file in a read-only folder
            {{home, home, "", false, true}, config},
            {{"/", home, "", false, false}, config},
            {{"/srv", home, "/tmp/cfg/", false, false}, "/tmp/cfg/aralda/Aralda.cfg"},
            {{"/", home, "cfg", false, false}, config}}; // a relative config home is ignored
        for (const auto &[surroundings, expected] : rows)
            QCOMPARE(settingsFilePath(surroundings), expected);
    }

    // A message names the file used, by its full path when it is not the working folder's.
    void messagesNameTheFileUsed()
    {
        QCOMPARE(settingsMessage(SettingsNotSaved, SettingsFile), noticeText(SettingsNotSaved));
        const QString path = QStringLiteral("/home/ada/.config/aralda/Aralda.cfg");
        for (NoticeRow row : {SettingsUnreadable, SettingsNotSaved, SettingsFileNotRegular}) {
            const QString message = settingsMessage(row, path);
            QVERIFY2(message.contains(QLatin1Char('"') + path + QLatin1Char('"')), qPrintable(message));
            QVERIFY(!message.contains(QStringLiteral("\"Aralda.cfg\"")));
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "tst_settingsrecord.moc"
