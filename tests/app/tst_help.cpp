#include "app/helpset.h"
#include "app/helpviewer.h"
#include "lang/languagetables.h"
#include "support/guitest.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

const int Contexts[] = {4, 101, 102, 103, 201, 202, 801, 802, 803, 804, 805, 806, 807, 808, 809};

void writePage(const QString &path, const QByteArray &html)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(html);
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

    void helpFileNameFollowsTheLanguage()
    {
        QCOMPARE(HelpSet::helpFileName(), QStringLiteral("Aralda.hlp"));
        LongTexts.setCell(58, LoadedLanguage, QString(70, QLatin1Char('a')));
        Language.LanguageIndex = LoadedLanguage;
        QCOMPARE(HelpSet::helpFileName().size(), 64);
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
        QCOMPARE(HelpSet::folder(), folder);
        QVERIFY(QFile::exists(folder + QStringLiteral("/index.html")));
        for (int context : Contexts) {
            const QUrl page = HelpSet::topicUrl(context);
            QCOMPARE(page.toString(), QStringLiteral("qrc%1/%2.html").arg(folder).arg(context));
            QFile file(QLatin1Char(':') + page.path());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(file.size() > 600, qPrintable(page.toString()));
        }
    }

    void contentsLinksEveryTopic()
    {
        for (const char *folder : {":/help/it", ":/help/en", ":/help/fr"}) {
            QFile contents(QString::fromLatin1(folder) + QStringLiteral("/index.html"));
            QVERIFY(contents.open(QIODevice::ReadOnly));
            const QByteArray html = contents.readAll();
            for (int context : Contexts)
                QVERIFY2(html.contains(QByteArray::number(context) + ".html"), folder);
        }
    }

    void unknownContextShowsTheContents()
    {
        QCOMPARE(HelpSet::topicUrl(999).toString(), QStringLiteral("qrc:/help/en/index.html"));
    }

    void loadedLanguageUsesItsOwnSetWhenPresent()
    {
        QDir(m_fixture->folder()).mkpath(QStringLiteral("lingue/Ajuda.hlp"));
        writePage(m_fixture->filePath(QStringLiteral("lingue/Ajuda.hlp/index.html")), "<p>Indice</p>");
        writePage(m_fixture->filePath(QStringLiteral("lingue/Ajuda.hlp/201.html")), "<p>Plano</p>");
        Language.LanguageFilePath = m_fixture->filePath(QStringLiteral("lingue/pt.lng"));
        LongTexts.setCell(58, LoadedLanguage, QStringLiteral("Ajuda"));
        Language.LanguageIndex = LoadedLanguage;
        QCOMPARE(HelpSet::topicUrl(201),
                 QUrl::fromLocalFile(m_fixture->filePath(QStringLiteral("lingue/Ajuda.hlp/201.html"))));
        // A topic its translators did not write falls back to its own contents.
        QCOMPARE(HelpSet::topicUrl(101),
                 QUrl::fromLocalFile(m_fixture->filePath(QStringLiteral("lingue/Ajuda.hlp/index.html"))));
    }

    void loadedLanguageWithoutASetReadsEnglish()
    {
        Language.LanguageFilePath = m_fixture->filePath(QStringLiteral("pt.lng"));
        LongTexts.setCell(58, LoadedLanguage, QStringLiteral("Ajuda"));
        Language.LanguageIndex = LoadedLanguage;
        QCOMPARE(HelpSet::folder(), QStringLiteral(":/help/en"));
    }

    void viewerGoesBackAndForward()
    {
        Language.LanguageIndex = French;
        HelpViewer::showContents();
        HelpViewer *viewer = HelpViewer::current();
        QVERIFY(viewer);
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Aide d'Aralda"));
        HelpViewer::showTopic(201);
        QCOMPARE(HelpViewer::current(), viewer);
        QCOMPARE(viewer->currentPage().toString(), QStringLiteral("qrc:/help/fr/201.html"));
        auto *back = viewer->findChild<QAction *>(QStringLiteral("indietro"));
        auto *forward = viewer->findChild<QAction *>(QStringLiteral("avanti"));
        QVERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());
        back->trigger();
        QCOMPARE(viewer->currentPage().toString(), QStringLiteral("qrc:/help/fr/index.html"));
        QVERIFY(forward->isEnabled());
        forward->trigger();
        QCOMPARE(viewer->currentPage().toString(), QStringLiteral("qrc:/help/fr/201.html"));
        const QTextDocument *page = viewer->findChild<QTextBrowser *>(QStringLiteral("pagina"))->document();
        QVERIFY(!page->toPlainText().trimmed().isEmpty());
        // Every page takes its headings' colour from the one shared style sheet.
        int headings = 0;
        for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().headingLevel() != 1)
                continue;
            ++headings;
            QCOMPARE(block.charFormat().foreground().color(), QColor(0x00, 0x33, 0x99));
        }
        QCOMPARE(headings, 1);
    }

    void missingPageSaysSo()
    {
        Language.LanguageFilePath = m_fixture->filePath(QStringLiteral("xx.lng"));
        QDir(m_fixture->folder()).mkpath(QStringLiteral("Vuoto.hlp"));
        writePage(m_fixture->filePath(QStringLiteral("Vuoto.hlp/index.html")), "");
        LongTexts.setCell(58, LoadedLanguage, QStringLiteral("Vuoto"));
        Language.LanguageIndex = LoadedLanguage;
        HelpViewer::showContents();
        const QString text =
            HelpViewer::current()->findChild<QTextBrowser *>(QStringLiteral("pagina"))->toPlainText();
        QCOMPARE(text, noticeText(HelpPageMissing));
    }

private:
    std::unique_ptr<GuiTest::Fixture> m_fixture;
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
