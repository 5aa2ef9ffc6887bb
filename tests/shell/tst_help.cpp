#include "lang/languagetables.h"
#include "shell/helpcontexts.h"
#include "shell/helpset.h"
#include "shell/helpviewer.h"
#include "shell/hintswitch.h"
#include "support/guitest.h"
#include "support/settingsbytes.h"
#include "support/specialfiles.h"

#include <QAction>
#include <QDir>
#include <QHelpEvent>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QByteArray resource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QTextBrowser *page()
{
    return HelpViewer::current()->findChild<QTextBrowser *>(QStringLiteral("pagina"));
}


// Whether a tooltip request reached the widget (a button shows its tooltip,
// so it accepts the event; a held-back one never arrives).
class ToolTipCounter : public QPushButton
{
public:
    using QPushButton::QPushButton;
    int toolTips = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip)
            ++toolTips;
        return QPushButton::event(event);
    }
};

void askForToolTip(QWidget *widget)
{
    QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), widget->mapToGlobal(QPoint(1, 1)));
    QCoreApplication::sendEvent(widget, &help);
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

    // Each topic a window opens has its page in every built-in language, and
    // the English page's title names what the window is.
    void everyTopicHasItsPage_data()
    {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("title");
        QTest::newRow("language menu") << HelpContext::Language << "Languages";
        QTest::newRow("calculator") << HelpContext::Calculator << "Calculator";
        QTest::newRow("exit") << HelpContext::Exit << "Exit";
        QTest::newRow("hints") << HelpContext::Hints << "Hints";
        QTest::newRow("plane window") << HelpContext::PlaneWindow << "Transformations on the plane";
        QTest::newRow("space window") << HelpContext::SpaceWindow << "Rotations in space";
        QTest::newRow("figure dialog") << HelpContext::FigureDialog << "The figure";
        QTest::newRow("homothety dialog") << HelpContext::HomothetyDialog << "Homothety";
        QTest::newRow("translation dialog") << HelpContext::TranslationDialog << "Translation";
        QTest::newRow("affinity dialog") << HelpContext::AffinityDialog << "Affinity";
        QTest::newRow("symmetry dialog") << HelpContext::SymmetryDialog << "Symmetry";
        QTest::newRow("rotation dialog") << HelpContext::RotationDialog << "Rotation";
        QTest::newRow("notes window") << HelpContext::NotesWindow << "Rotation";
        QTest::newRow("dilation dialog") << HelpContext::DilationDialog << "Scaling";
        QTest::newRow("shear dialog") << HelpContext::ShearDialog << "Shear";
        QTest::newRow("space dialog") << HelpContext::SpaceDialog << "The rotation schedule";
    }

    void everyTopicHasItsPage()
    {
        QFETCH(int, context);
        QFETCH(QString, title);
        const std::pair<int, QString> folders[] = {
            {Italian, QStringLiteral(":/help/it")}, {English, QStringLiteral(":/help/en")},
            {French, QStringLiteral(":/help/fr")}};
        for (const auto &[language, folder] : folders) {
            Language.LanguageIndex = quint8(language);
            const QUrl topic = HelpSet::topicUrl(context);
            QCOMPARE(topic.toString(), QStringLiteral("qrc%1/%2.html").arg(folder).arg(context));
            QVERIFY2(resource(QLatin1Char(':') + topic.path()).size() > 600, qPrintable(topic.toString()));
            QVERIFY(resource(folder + QStringLiteral("/index.html")).contains(QByteArray::number(context) + ".html"));
            QCOMPARE(HelpSet::topicUrl(999).toString(), QStringLiteral("qrc%1/index.html").arg(folder));
        }
        const QString page = QString::fromUtf8(resource(QStringLiteral(":/help/en/%1.html").arg(context)));
        QCOMPARE(page.section(QStringLiteral("<title>"), 1).section(QStringLiteral("</title>"), 0, 0), title);
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

    // The hints switch of one window silences that window alone.
    void onlyTheSwitchedWindowIsSilenced()
    {
        QWidget frame;
        auto *layout = new QVBoxLayout(&frame);
        auto *child = new QWidget;
        auto *sibling = new QWidget;
        layout->addWidget(child);
        layout->addWidget(sibling);
        auto *childButton = new ToolTipCounter(child);
        auto *siblingButton = new ToolTipCounter(sibling);
        HintSwitch hints(child, false);

        askForToolTip(childButton);
        askForToolTip(siblingButton);
        QCOMPARE(childButton->toolTips, 0);
        QCOMPARE(siblingButton->toolTips, 1);

        QAction mostra;
        mostra.setCheckable(true);
        QVERIFY(hints.toggle(&mostra));
        QVERIFY(mostra.isChecked());
        askForToolTip(childButton);
        QCOMPARE(childButton->toolTips, 1);
    }

private:
    std::unique_ptr<GuiTest::Fixture> m_fixture;
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
