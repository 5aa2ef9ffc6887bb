#include "lang/regularfile.h"
#include "support/settingsbytes.h"
#include "support/specialfiles.h"
#include "support/workfolder.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <cerrno>
#include <memory>
#include <optional>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using RegularFile::Existing;
using RegularFile::Links;
using RegularFile::Status;

Q_DECLARE_METATYPE(Existing)
Q_DECLARE_METATYPE(Links)
Q_DECLARE_METATYPE(Status)

namespace {

struct stat entryStatus(const QString &path)
{
    struct stat info {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

} // namespace

class TestRegularFile : public QObject
{
    Q_OBJECT

private slots:
    void whatIsRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Links>("links");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("nonRegular"); // something stands there, and no regular file
        const QByteArray ten("0123456789");
        QTest::newRow("empty file") << "file:" << Links::Refuse << Status::Read << QByteArray() << false;
        QTest::newRow("one byte under the limit") << "file:012345678" << Links::Refuse << Status::Read
                                                  << QByteArray("012345678") << false;
        QTest::newRow("at the limit") << "file:0123456789" << Links::Refuse << Status::Read << ten << false;
        QTest::newRow("one byte past the limit") << "file:0123456789a" << Links::Refuse << Status::TooLarge << ten << false;
        QTest::newRow("far past the limit") << "big" << Links::Refuse << Status::TooLarge << ten << false;
        QTest::newRow("nothing") << "nothing" << Links::Follow << Status::Missing << QByteArray() << false;
        QTest::newRow("in a missing folder") << "missing folder" << Links::Follow << Status::Missing << QByteArray() << false;
        QTest::newRow("link followed") << "link" << Links::Follow << Status::Read << ten << true;
        QTest::newRow("link refused") << "link" << Links::Refuse << Status::NotRegular << QByteArray() << true;
        QTest::newRow("dangling link followed") << "dangling" << Links::Follow << Status::Missing << QByteArray() << true;
        QTest::newRow("dangling link refused") << "dangling" << Links::Refuse << Status::NotRegular << QByteArray() << true;
        QTest::newRow("link to a device") << "device" << Links::Follow << Status::NotRegular << QByteArray() << true;
        QTest::newRow("folder") << "folder" << Links::Follow << Status::NotRegular << QByteArray() << true;
        QTest::newRow("pipe") << "pipe" << Links::Follow << Status::NotRegular << QByteArray() << true;
        QTest::newRow("link to a pipe with a writer") << "written pipe" << Links::Follow << Status::NotRegular
                                                      << QByteArray() << true;
    }

    void whatIsRead()
    {
        QFETCH(QString, kind);
        QFETCH(Links, links);
        QFETCH(Status, status);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, nonRegular);
        WorkFolder folder;
        QString path = QStringLiteral("f");
        std::unique_ptr<FifoWriter> writer;
        writeFileBytes(QStringLiteral("ten"), "0123456789");
        if (kind.startsWith(QLatin1String("file:")))
            writeFileBytes(path, kind.mid(5).toLatin1());
        else if (kind == QLatin1String("big"))
            writeFileBytes(path, QByteArray(3 << 20, 'x').prepend("0123456789"));
        else if (kind == QLatin1String("missing folder"))
            path = QStringLiteral("no/f");
        else if (kind == QLatin1String("link"))
            QVERIFY(makeLink(QStringLiteral("ten"), path));
        else if (kind == QLatin1String("dangling"))
            QVERIFY(makeLink(QStringLiteral("gone"), path));
        else if (kind == QLatin1String("device"))
            QVERIFY(makeLink(QStringLiteral("/dev/zero"), path));
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        else if (kind == QLatin1String("pipe"))
            QVERIFY(makeFifo(path));
        else if (kind == QLatin1String("written pipe")) {
            writer = std::make_unique<FifoWriter>(QStringLiteral("pipe"), QByteArray("0123"));
            QVERIFY(writer->ready() && makeLink(QStringLiteral("pipe"), path));
        }
        const RegularFile::Contents contents = RegularFile::read(path, 10, links);
        QCOMPARE(contents.status, status);
        QCOMPARE(contents.bytes, bytes);
        QCOMPARE(RegularFile::isNonRegular(path), nonRegular);
        if (writer)
            QVERIFY(!writer->delivered(0));
    }

    void whatIsWritten_data()
    {
        QTest::addColumn<QString>("kind"); // what stands at the name
        QTest::addColumn<QString>("path");
        QTest::addColumn<Existing>("existing");
        QTest::addColumn<int>("error"); // 0: written
        QTest::newRow("new file") << "nothing" << "f" << Existing::Replace << 0;
        QTest::newRow("replaced, owner and mode kept") << "file" << "f" << Existing::Replace << 0;
        QTest::newRow("full disk keeps the old file") << "file, disk full" << "f" << Existing::Replace << EFBIG;
        QTest::newRow("link replaced, not its target") << "link" << "f" << Existing::Replace << 0;
        QTest::newRow("missing folder") << "nothing" << "no/f" << Existing::Replace << ENOENT;
        QTest::newRow("folder that takes no file") << "nothing" << "/proc/f" << Existing::Replace << ENOENT;
        QTest::newRow("kept: nothing there") << "nothing" << "f" << Existing::Keep << 0;
        QTest::newRow("kept: regular file") << "file" << "f" << Existing::Keep << EEXIST;
        QTest::newRow("kept: dangling link") << "dangling" << "f" << Existing::Keep << EEXIST;
        QTest::newRow("kept: taken in a folder that takes no file") << "nothing" << "/proc/version"
                                                                    << Existing::Keep << EEXIST;
    }

    void whatIsWritten()
    {
        QFETCH(QString, kind);
        QFETCH(QString, path);
        QFETCH(Existing, existing);
        QFETCH(int, error);
        WorkFolder folder;
        writeFileBytes(QStringLiteral("ten"), "0123456789");
        if (kind.startsWith(QLatin1String("file"))) {
            writeFileBytes(path, "old");
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0604) == 0);
            QVERIFY(::chown(QFile::encodeName(path).constData(), 4321, 4321) == 0 || ::geteuid() != 0);
        } else if (kind == QLatin1String("link")) {
            QVERIFY(makeLink(QStringLiteral("ten"), path));
        } else if (kind == QLatin1String("dangling")) {
            QVERIFY(makeLink(QStringLiteral("gone"), path));
        }
        QStringList entries = folderEntries();
        const char entry = entryKind(path);
        const QString target = linkTarget(path);
        const QByteArray bytes = fileBytes(path);
        const struct stat old = entryStatus(path);
        const QByteArray written(1000, 'n');
        std::optional<FileSizeLimit> limit;
        if (kind.endsWith(QLatin1String("disk full")))
            limit.emplace(100);
        const auto failure = RegularFile::write(path, written, existing);
        limit.reset();
        QCOMPARE(failure ? failure->error : 0, error);
        QCOMPARE(fileBytes(QStringLiteral("ten")), QByteArray("0123456789"));
        if (failure) {
            QVERIFY(!failure->reason().isEmpty());
            QCOMPARE(entryKind(path), entry);
            QCOMPARE(linkTarget(path), target);
            QCOMPARE(fileBytes(path), bytes);
        } else {
            QCOMPARE(entryKind(path), 'f');
            QCOMPARE(fileBytes(path), written);
            if (entry == 'f') {
                const struct stat now = entryStatus(path);
                QCOMPARE(now.st_uid, old.st_uid);
                QCOMPARE(now.st_gid, old.st_gid);
                QCOMPARE(now.st_mode, old.st_mode);
            }
            if (!entries.contains(path))
                entries.append(path);
        }
        entries.sort();
        QCOMPARE(folderEntries(), entries); // no temporary file left
    }

    // The start-up clean-up removes leftovers by their name, so every
    // temporary must carry the whole pattern; a name is drawn at random, so
    // many writes are watched.
    void temporariesAreNamedAsLeftovers()
    {
        WorkFolder folder;
        const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(watch >= 0);
        QVERIFY(::inotify_add_watch(watch, ".", IN_CREATE) >= 0);
        const QRegularExpression leftover(QStringLiteral("^\\.f\\.aralda-tmp-[A-Za-z0-9]{6}$"));
        int created = 0;
        for (int write = 0; write < 100; ++write) {
            QVERIFY(!RegularFile::write(QStringLiteral("f"), "x", Existing::Replace));
            alignas(inotify_event) char events[4096];
            for (ssize_t size; (size = ::read(watch, events, sizeof events)) > 0;)
                for (const char *at = events; at < events + size;) {
                    const auto *event = reinterpret_cast<const inotify_event *>(at);
                    // The rename that puts the file in place is no creation.
                    const QString name = QString::fromLatin1(event->name);
                    QVERIFY2(leftover.match(name).hasMatch(), qPrintable(name));
                    ++created;
                    at += sizeof(inotify_event) + event->len;
                }
        }
        ::close(watch);
        QCOMPARE(created, 100);
    }
};

QTEST_GUILESS_MAIN(TestRegularFile)
#include "tst_regularfile.moc"
