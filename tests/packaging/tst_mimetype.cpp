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
        const QString definition = QStringLiteral("mime/packages/org.aralda.Aralda.xml");
        QVERIFY(m_copy.isValid() && QDir().mkpath(m_copy.filePath(QStringLiteral("mime/packages"))));
        QVERIFY(QFile::copy(qEnvironmentVariable("ARALDA_INSTALLED_SHARE") + u'/' + definition, m_copy.filePath(definition)));
        // Where the desktop would look, so the compiler has nothing to warn of.
        qputenv("XDG_DATA_DIRS", (m_copy.path() + QStringLiteral(":/usr/share")).toLocal8Bit());
        QProcess compiler;
        compiler.start(QStringLiteral("update-mime-database"), {m_copy.filePath(QStringLiteral("mime"))});
        QVERIFY(compiler.waitForFinished(30000));
        QCOMPARE(compiler.exitCode(), 0);
        QCOMPARE(compiler.readAllStandardError(), QByteArray()); // no complaint about the definition
    }

    void typeByNameAndByContent()
    {
        const struct {
            const char *name, *bytes, *type;
        } files[] = {{"lesson.aralda", "anything\n", "application/x-aralda-lesson"},
                     {"lesson", "Aralda lesson 1\nmode = figure\n", "application/x-aralda-lesson"},
                     {"notes", "Aralda lessen 1\n", "text/plain"}};
        QTemporaryDir folder;
        for (const auto &file : files) {
            QFile written(folder.filePath(QString::fromLatin1(file.name)));
            QVERIFY(written.open(QIODevice::WriteOnly) && written.write(file.bytes) > 0);
            written.close();
            const QMimeType found = QMimeDatabase().mimeTypeForFile(written.fileName());
            QCOMPARE(found.name(), QString::fromLatin1(file.type));
            if (found.name().startsWith(QLatin1String("application/x-aralda"))) {
                QCOMPARE(found.iconName(), QStringLiteral("org.aralda.Aralda"));
                QVERIFY(found.inherits(QStringLiteral("text/plain")));
            }
        }
    }

private:
    QTemporaryDir m_copy;
};

QTEST_GUILESS_MAIN(TestMimeType)
#include "tst_mimetype.moc"
