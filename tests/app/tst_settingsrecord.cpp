#include "app/settingsrecord.h"
#include "support/guitest.h"

#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray recordBytes(char hints, char language, const QByteArray &path = {})
{
    QByteArray bytes(SettingsRecord::Size, '\0');
    bytes[0] = hints;
    bytes[1] = language;
    bytes[2] = char(path.size());
    bytes.replace(3, path.size(), path);
    return bytes;
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Files may not grow past `limit` bytes while this lives: the way to make a
// write fail even for root, who ignores folder permissions.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit reduced = m_previous;
        reduced.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &reduced);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }

private:
    rlimit m_previous{};
};

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
        const QByteArray bytes = record.toBytes();
        QCOMPARE(bytes.size(), 203);
        QCOMPARE(bytes, recordBytes(1, 3, QByteArray("C:\\Lingue\\traespa\xf1ol.lng")));
    }

    void readBack()
    {
        const auto record = SettingsRecord::fromBytes(recordBytes(0, 2, "abc.lng") + "trailing");
        QVERIFY(record);
        QCOMPARE(record->hints, false);
        QCOMPARE(record->language, quint8(2));
        QCOMPARE(record->pathText(), QStringLiteral("abc.lng"));
    }

    void damagedRecordsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("one byte short") << recordBytes(1, 1).left(202);
        QByteArray impossibleLength = recordBytes(1, 3);
        impossibleLength[2] = char(201);
        QTest::newRow("path length 201") << impossibleLength;
    }

    void damagedRecordsAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!SettingsRecord::fromBytes(bytes));
    }

    void longPathIsCutTo200()
    {
        SettingsRecord record;
        record.setPathText(QString(250, QLatin1Char('p')));
        QCOMPARE(record.path.size(), 200);
        QCOMPARE(record.toBytes().at(2), char(200));
    }

    void pathOutsideWindows1252IsNotStored()
    {
        SettingsRecord record;
        record.setPathText(QStringLiteral(u"/home/学生/lingua.lng"));
        QVERIFY(record.path.isEmpty());
    }

    void whatIsWrittenAtExit_data()
    {
        QTest::addColumn<bool>("readHints");
        QTest::addColumn<int>("readLanguage");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("hints");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("nothing changed") << true << 1 << false << true << 2 << "" << false << QByteArray();
        QTest::newRow("hints off keeps the language read")
            << true << 0 << false << false << 2 << "" << true << recordBytes(0, 0);
        QTest::newRow("french as default") << true << 1 << true << true << 2 << "x.lng" << true << recordBytes(1, 2);
        QTest::newRow("loaded language keeps its path")
            << true << 1 << true << true << 3 << "es.lng" << true << recordBytes(1, 3, "es.lng");
        QTest::newRow("hints back on") << false << 1 << false << true << 1 << "" << true << recordBytes(1, 1);
    }

    void whatIsWrittenAtExit()
    {
        QFETCH(bool, readHints);
        QFETCH(int, readLanguage);
        QFETCH(bool, checked);
        QFETCH(bool, hints);
        QFETCH(int, language);
        QFETCH(QString, path);
        QFETCH(bool, written);
        QFETCH(QByteArray, expected);
        SettingsRecord read;
        read.hints = readHints;
        read.language = quint8(readLanguage);
        const auto record = settingsToSave(read, {checked, hints, language, path});
        QCOMPARE(record.has_value(), written);
        if (written)
            QCOMPARE(record->toBytes(), expected);
    }

    void fileRoundTrip()
    {
        GuiTest::Fixture fixture;
        QCOMPARE(readSettingsFile().status, SettingsReadStatus::Missing);
        SettingsRecord record;
        record.language = 2;
        QVERIFY(!writeSettingsFile(record));
        QCOMPARE(fileBytes(QStringLiteral("Aralda.cfg")), recordBytes(0, 2));
        const SettingsReadResult read = readSettingsFile();
        QCOMPARE(read.status, SettingsReadStatus::Read);
        QCOMPARE(read.record.language, quint8(2));
    }

    void shortOrGarbageFileIsDamaged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("short") << QByteArray("\x01\x02", 2);
        QTest::newRow("garbage") << QByteArray(300, '\xff');
    }

    void shortOrGarbageFileIsDamaged()
    {
        QFETCH(QByteArray, bytes);
        GuiTest::Fixture fixture;
        writeFile(QStringLiteral("Aralda.cfg"), bytes);
        QCOMPARE(readSettingsFile().status, SettingsReadStatus::Damaged);
    }

    void failedWriteLeavesTheOldFile()
    {
        GuiTest::Fixture fixture;
        const QByteArray old = recordBytes(1, 0);
        writeFile(QStringLiteral("Aralda.cfg"), old);
        SettingsRecord record;
        record.language = 2;
        std::optional<QString> failure;
        {
            FileSizeLimit limit(100);
            failure = writeSettingsFile(record);
        }
        QVERIFY(failure.has_value());
        QVERIFY(!failure->isEmpty());
        QCOMPARE(fileBytes(QStringLiteral("Aralda.cfg")), old);
    }

    void writeIntoMissingFolderFails()
    {
        GuiTest::Fixture fixture;
        QVERIFY(writeSettingsFile(SettingsRecord{}, fixture.filePath(QStringLiteral("no/such/Aralda.cfg"))));
    }
};

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "tst_settingsrecord.moc"
