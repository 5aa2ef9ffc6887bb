#include "shell/settingsrecord.h"
#include "support/settingsbytes.h"
#include "support/workfolder.h"

#include <QTest>

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

    void failedWriteLeavesTheOldFile()
    {
        WorkFolder folder;
        const QByteArray old = settingsRecord(1, 0);
        writeFileBytes(QStringLiteral("Aralda.cfg"), old);
        std::optional<QString> failure;
        {
            FileSizeLimit limit(100);
            failure = writeSettingsFile(SettingsRecord{});
        }
        QVERIFY(failure && !failure->isEmpty());
        QCOMPARE(fileBytes(QStringLiteral("Aralda.cfg")), old);
    }
};

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "tst_settingsrecord.moc"
