// The lesson files' type as a desktop reads it from the installed tree:
// shared-mime-info's own compiler builds the database there, and Qt's MIME
// database, which follows the same freedesktop standard, finds the type by the
// name's ending and by the first line alone.
#include <QDir>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestMimeType : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString share = qEnvironmentVariable("ARALDA_INSTALLED_SHARE");
        QVERIFY(QFile::exists(share + QStringLiteral("/mime/packages/org.aralda.Aralda.xml")));
        QVERIFY(m_copy.isValid());
        QVERIFY(QDir().mkpath(m_copy.filePath(QStringLiteral("mime/packages"))));
        QVERIFY(QFile::copy(share + QStringLiteral("/mime/packages/org.aralda.Aralda.xml"),
                            m_copy.filePath(QStringLiteral("mime/packages/org.aralda.Aralda.xml"))));
        // Where the desktop would look, so the compiler has nothing to warn of.
        qputenv("XDG_DATA_DIRS", (m_copy.path() + QStringLiteral(":/usr/share")).toLocal8Bit());
        QProcess compiler;
        compiler.start(QStringLiteral("update-mime-database"), {m_copy.filePath(QStringLiteral("mime"))});
        QVERIFY(compiler.waitForFinished(30000));
        QCOMPARE(compiler.exitCode(), 0);
        QCOMPARE(compiler.readAllStandardError(), QByteArray()); // no complaint about the definition
    }

    void typeByNameAndByContent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("type");
        QTest::newRow("by its ending") << "lesson.aralda" << QByteArray("anything\n") << "application/x-aralda-lesson";
        QTest::newRow("by its first line") << "lesson" << QByteArray("Aralda lesson 1\nmode = figure\n")
                                           << "application/x-aralda-lesson";
        QTest::newRow("another text") << "notes" << QByteArray("Aralda lessen 1\n") << "text/plain";
    }

    void typeByNameAndByContent()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, type);
        QTemporaryDir folder;
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const QMimeType found = QMimeDatabase().mimeTypeForFile(file.fileName());
        QCOMPARE(found.name(), type);
        if (type.startsWith(QLatin1String("application/x-aralda"))) {
            QCOMPARE(found.iconName(), QStringLiteral("org.aralda.Aralda"));
            QVERIFY(found.inherits(QStringLiteral("text/plain")));
        }
    }

private:
    QTemporaryDir m_copy;
};

QTEST_GUILESS_MAIN(TestMimeType)
#include "tst_mimetype.moc"
