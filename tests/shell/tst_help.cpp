#include "lang/languagetables.h"
#include "shell/helpset.h"
#include "shell/helpviewer.h"
#include "support/guitest.h"
#include "support/settingsbytes.h"
#include "support/specialfiles.h"

#include <QAction>
#include <QDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

const int Contexts[] = {4, 101, 102, 103, 201, 202, 801, 802, 803, 804, 805, 806, 807, 808, 809};

QByteArray resource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QTextBrowser *page()
{
    return HelpViewer::current()->findChild<QTextBrowser *>(QStringLiteral("pagina"));
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<GuiTest::Fixture>(); }
    void cleanup()
    {
        delete HelpViewer::current();
        m_fixture.reset();
    }

    void everyTopicHasAPageInEveryBuiltInLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("folder");
        QTest::newRow("Italian") << int(Italian) << ":/help/it";
        QTest::newRow("English") << int(English) << ":/help/en";
        QTest::newRow("French") << int(French) << ":/help/fr";
    }

    void everyTopicHasAPageInEveryBuiltInLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, folder);
        Language.LanguageIndex = quint8(language);
        const QByteArray contents = resource(folder + QStringLiteral("/index.html"));
        for (int context : Contexts) {
            const QUrl topic = HelpSet::topicUrl(context);
            QCOMPARE(topic.toString(), QStringLiteral("qrc%1/%2.html").arg(folder).arg(context));
            QVERIFY2(resource(QLatin1Char(':') + topic.path()).size() > 600, qPrintable(topic.toString()));
            QVERIFY(contents.contains(QByteArray::number(context) + ".html"));
        }
        QCOMPARE(HelpSet::topicUrl(999).toString(), QStringLiteral("qrc%1/index.html").arg(folder));
    }

    void loadedLanguageUsesItsOwnSetBesideTheFile()
    {
        QDir(m_fixture->folder()).mkpath(QStringLiteral("lingue/Ajuda.hlp"));
        const QString set = m_fixture->filePath(QStringLiteral("lingue/Ajuda.hlp/"));
        QFile(set + QStringLiteral("index.html")).open(QIODevice::WriteOnly);
        QFile(set + QStringLiteral("201.html")).open(QIODevice::WriteOnly);
        Language.LanguageFilePath = m_fixture->filePath(QStringLiteral("lingue/pt.lng"));
        LongTexts.setCell(58, LoadedLanguage, QStringLiteral("Ajuda"));
        Language.LanguageIndex = LoadedLanguage;
        QCOMPARE(HelpSet::helpFileName(), QStringLiteral("Ajuda.hlp"));
        QCOMPARE(HelpSet::topicUrl(201), QUrl::fromLocalFile(set + QStringLiteral("201.html")));
        QCOMPARE(HelpSet::topicUrl(101), QUrl::fromLocalFile(set + QStringLiteral("index.html")));
        // An empty page says so rather than showing nothing.
        HelpViewer::showContents();
        QCOMPARE(page()->toPlainText(), noticeText(HelpPageMissing));
        // Without a set of its own, the loaded language reads English.
        LongTexts.setCell(58, LoadedLanguage, QStringLiteral("Ayuda"));
        QCOMPARE(HelpSet::folder(), QStringLiteral(":/help/en"));
    }

    // A translator's set is read as a language file is: regular files only,
    // and only so far. Each case runs in a child process bounded in time and
    // memory, so that a page that waits or grows fails the test, not the machine.
    void unreadablePagesAreRefused_data()
    {
        QTest::addColumn<QString>("name");   // in the set
        QTest::addColumn<QString>("target"); // what stands at that name
        QTest::addColumn<QString>("shown");  // empty: the missing-page notice
        QTest::newRow("contents linked to an endless device") << "index.html" << "/dev/zero" << "";
        QTest::newRow("contents a named pipe") << "index.html" << "pipe" << "";
        QTest::newRow("picture linked to an endless device") << "zero.png" << "/dev/zero" << "Indice\uFFFC";
    }

    void unreadablePagesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, target);
        QFETCH(QString, shown);
        const QString set = m_fixture->filePath(QStringLiteral("Ajuda.hlp/"));
        QVERIFY(QDir().mkpath(set));
        if (name != QLatin1String("index.html"))
            writeFileBytes(set + QStringLiteral("index.html"), "<p>Indice<img src=\"zero.png\"></p>");
        QVERIFY(target == QLatin1String("pipe") ? makeFifo(set + name) : makeLink(target, set + name));
        Language.LanguageFilePath = m_fixture->filePath(QStringLiteral("pt.lng"));
        LongTexts.setCell(58, LoadedLanguage, QStringLiteral("Ajuda"));
        Language.LanguageIndex = LoadedLanguage;
        const QString expected = shown.isEmpty() ? noticeText(HelpPageMissing) : shown;
        const ChildOutcome outcome = runInChild([&expected] {
            HelpViewer::showContents();
            page()->grab(); // lays the page out, which loads its picture
            return page()->toPlainText() == expected ? 0 : 1;
        }, 5, 256ull << 20);
        QVERIFY2(outcome.exited, qPrintable(QStringLiteral("ended by signal %1").arg(outcome.code)));
        QCOMPARE(outcome.code, 0);
    }

    void viewerGoesBackAndForward()
    {
        Language.LanguageIndex = French;
        HelpViewer::showContents();
        HelpViewer *viewer = HelpViewer::current();
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Aide d'Aralda"));
        HelpViewer::showTopic(201);
        QCOMPARE(HelpViewer::current(), viewer);
        auto *back = viewer->findChild<QAction *>(QStringLiteral("indietro"));
        auto *forward = viewer->findChild<QAction *>(QStringLiteral("avanti"));
        QVERIFY(back->isEnabled() && !forward->isEnabled());
        back->trigger();
        QCOMPARE(viewer->currentPage().toString(), QStringLiteral("qrc:/help/fr/index.html"));
        forward->trigger();
        QCOMPARE(viewer->currentPage().toString(), QStringLiteral("qrc:/help/fr/201.html"));
        // Every page takes its headings' colour from the one shared style sheet.
        int headings = 0;
        for (QTextBlock block = page()->document()->begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().headingLevel() == 1) {
                ++headings;
                QCOMPARE(block.charFormat().foreground().color(), QColor(0x00, 0x33, 0x99));
            }
        }
        QCOMPARE(headings, 1);
    }

private:
    std::unique_ptr<GuiTest::Fixture> m_fixture;
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
