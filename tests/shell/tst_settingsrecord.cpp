#include "lang/languagetables.h"
#include "shell/settingsrecord.h"
#include "support/settingsbytes.h"
#include "support/specialfiles.h"
#include "support/workfolder.h"

#include <QDir>
#include <QTest>

namespace {

const QString SettingsFile = QStringLiteral("Aralda.cfg");

// What "Aralda.cfg" is made to be before a read or a write; "other.cfg"
// beside it always holds a good record. The other kinds of file are
// tst_regularfile's: here that links are refused.
void standAtTheSettingsFile(const QString &kind)
{
    writeFileBytes(QStringLiteral("other.cfg"), settingsRecord(0, 2));
    if (kind == QLatin1String("regular file"))
        writeFileBytes(SettingsFile, settingsRecord(0, 2));
    else if (kind == QLatin1String("regular file past one record"))
        writeFileBytes(SettingsFile, settingsRecord(0, 2) + QByteArray(4 << 20, '\xff'));
    else if (kind == QLatin1String("link to a good record"))
        QVERIFY(makeLink(QStringLiteral("other.cfg"), SettingsFile));
    else if (kind == QLatin1String("named pipe"))
        QVERIFY(makeFifo(SettingsFile));
    else
        QCOMPARE(kind, QStringLiteral("nothing"));
}

} // namespace

class TestSettingsRecord : public QObject
{
    Q_OBJECT

private slots:
    void layoutOfTheRecord()
    {
        SettingsRecord record;
        record.hints = true;
        record.language = 3;
        record.setPathText(QStringLiteral(u"C:\\Lingue\\traespañol.lng"));
        QCOMPARE(record.toBytes(), settingsRecord(1, 3, QByteArray("C:\\Lingue\\traespa\xf1ol.lng")));
        const auto back = SettingsRecord::fromBytes(record.toBytes() + "trailing");
        QVERIFY(back);
        QCOMPARE(back->pathText(), QStringLiteral(u"C:\\Lingue\\traespañol.lng"));
    }

    void damagedRecordsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("one byte short") << settingsRecord(1, 1).left(202);
        QByteArray impossibleLength = settingsRecord(1, 3);
        impossibleLength[2] = char(201);
        QTest::newRow("path length 201") << impossibleLength;
    }

    void damagedRecordsAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!SettingsRecord::fromBytes(bytes));
    }

    void whatIsWrittenAtExit_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("hints");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("expected"); // empty: nothing written
        // The record read at start says: hints on, Italian.
        QTest::newRow("nothing changed") << false << true << 2 << "" << QByteArray();
        QTest::newRow("hints off keeps the language read") << false << false << 2 << "" << settingsRecord(0, 0);
        QTest::newRow("french as default") << true << true << 2 << "x.lng" << settingsRecord(1, 2);
        QTest::newRow("loaded language keeps its path") << true << true << 3 << "es.lng"
                                                        << settingsRecord(1, 3, "es.lng");
        QTest::newRow("path cut to 200") << true << true << 3 << QString(250, QLatin1Char('p'))
                                         << settingsRecord(1, 3, QByteArray(200, 'p'));
        QTest::newRow("path outside Windows-1252 not stored") << true << true << 3 << u"/学生/l.lng"_qs
                                                              << settingsRecord(1, 3);
    }

    void whatIsWrittenAtExit()
    {
        QFETCH(bool, checked);
        QFETCH(bool, hints);
        QFETCH(int, language);
        QFETCH(QString, path);
        QFETCH(QByteArray, expected);
        SettingsRecord read;
        read.hints = true;
        read.language = 0;
        const auto record = settingsToSave(read, {checked, hints, language, path});
        QCOMPARE(record ? record->toBytes() : QByteArray(), expected);
    }

    void readTakesOnlyARegularFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("status");
        QTest::newRow("nothing") << "nothing" << int(SettingsReadStatus::Missing);
        QTest::newRow("regular file") << "regular file" << int(SettingsReadStatus::Read);
        QTest::newRow("regular file past one record") << "regular file past one record" << int(SettingsReadStatus::Read);
        QTest::newRow("link to a good record") << "link to a good record" << int(SettingsReadStatus::Damaged);
        QTest::newRow("named pipe, nobody writing") << "named pipe" << int(SettingsReadStatus::Damaged);
    }

    // Run in a child process: a read that waits on a pipe or grows without
    // end is ended there and fails the test instead of holding it.
    void readTakesOnlyARegularFile()
    {
        QFETCH(QString, kind);
        QFETCH(int, status);
        WorkFolder folder;
        standAtTheSettingsFile(kind);
        const ChildOutcome outcome = runInChild([] {
            const SettingsReadResult result = readSettingsFile();
            const bool recordRead = result.record.toBytes() == settingsRecord(0, 2);
            return int(result.status) * 2 + (recordRead ? 1 : 0);
        }, 5);
        QVERIFY2(outcome.exited, qPrintable(QStringLiteral("ended by signal %1").arg(outcome.code)));
        QCOMPARE(outcome.code / 2, status);
        QCOMPARE(outcome.code % 2 == 1, status == int(SettingsReadStatus::Read));
    }

    void writeTakesOnlyARegularFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("written");
        QTest::newRow("nothing") << "nothing" << true;
        QTest::newRow("regular file") << "regular file" << true;
        QTest::newRow("link to a good record") << "link to a good record" << false;
        QTest::newRow("named pipe") << "named pipe" << false;
    }

    void writeTakesOnlyARegularFile()
    {
        QFETCH(QString, kind);
        QFETCH(bool, written);
        WorkFolder folder;
        standAtTheSettingsFile(kind);
        const char entry = entryKind(SettingsFile);
        const QString target = linkTarget(SettingsFile);
        QStringList entries = folderEntries();
        SettingsRecord record;
        record.hints = true;
        record.language = 0;
        const auto failure = writeSettingsFile(record);
        QCOMPARE(fileBytes(QStringLiteral("other.cfg")), settingsRecord(0, 2));
        if (written) {
            QCOMPARE(failure, std::nullopt);
            QCOMPARE(entryKind(SettingsFile), 'f');
            QCOMPARE(fileBytes(SettingsFile), settingsRecord(1, 0));
            entries = QStringList({SettingsFile, QStringLiteral("other.cfg")});
        } else {
            QVERIFY(failure && !failure->isEmpty());
            QCOMPARE(entryKind(SettingsFile), entry);
            QCOMPARE(linkTarget(SettingsFile), target);
            QCOMPARE(*failure, noticeText(SettingsFileNotRegular));
        }
        QCOMPARE(folderEntries(), entries); // no target created, no temporary left
    }

    // The working folder keeps the file for those who rely on it; a menu's
    // working folder (home, or one that cannot be written) sends it to the
    // configuration folder.
    void placeOfTheSettings_data()
    {
        QTest::addColumn<QString>("working");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<QString>("expected");
        const QString local = SettingsFile;
        const QString config = QStringLiteral("/home/ada/.config/aralda/Aralda.cfg");
        QTest::newRow("writable lesson folder") << "/home/ada/maths" << false << true << "" << local;
        QTest::newRow("file already in the home folder") << "/home/ada" << true << true << "" << local;
        QTest::newRow("file in a read-only folder") << "/" << true << false << "" << local;
        QTest::newRow("home folder") << "/home/ada" << false << true << "" << config;
        QTest::newRow("root folder") << "/" << false << false << "" << config;
        QTest::newRow("read-only folder, own config home")
            << "/srv" << false << false << "/tmp/cfg/" << QStringLiteral("/tmp/cfg/aralda/Aralda.cfg");
        QTest::newRow("relative config home is ignored") << "/" << false << false << "cfg" << config;
    }

    void placeOfTheSettings()
    {
        QFETCH(QString, working);
        QFETCH(bool, exists);
        QFETCH(bool, writable);
        QFETCH(QString, xdg);
        QFETCH(QString, expected);
        QCOMPARE(settingsFilePath({working, QStringLiteral("/home/ada"), xdg, exists, writable}), expected);
    }

    // A message names the file the program used, by its full path when it
    // is not the working folder's.
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
