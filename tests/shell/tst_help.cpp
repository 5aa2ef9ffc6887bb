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
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

QTextBrowser *page()
{
    return HelpViewer::current()->findChild<QTextBrowser *>(QStringLiteral("pagina"));
}

// A translator's set "Ajuda.hlp" in `folder`, beside the loaded language's file.
QString useLoadedSet(const QString &folder)
{
    QDir().mkpath(folder + QStringLiteral("/Ajuda.hlp"));
    Language.LanguageFilePath = folder + QStringLiteral("/pt.lng");
    LongTexts.setCell(58, LoadedLanguage, QStringLiteral("Ajuda"));
    Language.LanguageIndex = LoadedLanguage;
    return folder + QStringLiteral("/Ajuda.hlp/");
}

// Whether a tooltip request reaches `widget`: one held back never arrives.
bool toolTipReaches(QWidget *widget)
{
    struct Counter : QObject {
        int toolTips = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            toolTips += event->type() == QEvent::ToolTip;
            return false;
        }
    } counter;
    widget->installEventFilter(&counter);
    QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), widget->mapToGlobal(QPoint(1, 1)));
    QCoreApplication::sendEvent(widget, &help);
    return counter.toolTips == 1;
}

// What the contents page of the loaded set shows, in a child process bounded
// in time and memory so that a page that waits or grows fails the test, not
// the machine: 0 `expected`, 1 another text, 100 + n ended by signal n.
int contentsShownInChild(const QString &expected)
{
    const ChildOutcome outcome = runInChild([&expected] {
        HelpViewer::showContents();
        page()->grab(); // lays the page out, which loads its pictures
        return page()->toPlainText() == expected ? 0 : 1;
    }, 5, 256ull << 20);
    return outcome.exited ? outcome.code : 100 + outcome.code;
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
    void everyTopicHasItsPage()
    {
        using namespace HelpContext;
        const std::pair<int, const char *> topics[] = {
            {HelpContext::Language, "Languages"}, {Calculator, "Calculator"}, {Exit, "Exit"}, {Hints, "Hints"},
            {PlaneWindow, "Transformations on the plane"}, {SpaceWindow, "Rotations in space"},
            {FigureDialog, "The figure"}, {HomothetyDialog, "Homothety"}, {TranslationDialog, "Translation"},
            {AffinityDialog, "Affinity"}, {SymmetryDialog, "Symmetry"}, {RotationDialog, "Rotation"},
            {NotesWindow, "Rotation"}, {DilationDialog, "Scaling"}, {ShearDialog, "Shear"},
            {SpaceDialog, "The rotation schedule"}};
        const std::pair<int, QString> folders[] = {
            {Italian, ":/help/it"}, {English, ":/help/en"}, {French, ":/help/fr"}};
        for (const auto &[language, folder] : folders) {
            ::Language.LanguageIndex = quint8(language);
            QCOMPARE(HelpSet::topicUrl(999).toString(), QStringLiteral("qrc%1/index.html").arg(folder));
            const QByteArray index = fileBytes(folder + QStringLiteral("/index.html"));
            for (const auto &[context, title] : topics) {
                const QUrl topic = HelpSet::topicUrl(context);
                QCOMPARE(topic.toString(), QStringLiteral("qrc%1/%2.html").arg(folder).arg(context));
                const QString text = QString::fromUtf8(fileBytes(QLatin1Char(':') + topic.path()));
                QVERIFY2(text.size() > 600 && index.contains(QByteArray::number(context) + ".html"),
                         qPrintable(topic.toString()));
                if (language == English)
                    QCOMPARE(text.section(QStringLiteral("<title>"), 1).section(QStringLiteral("</title>"), 0, 0),
                             QString::fromLatin1(title));
            }
        }
    }

    void loadedLanguageUsesItsOwnSetBesideTheFile()
    {
        QString set = useLoadedSet(m_fixture->filePath(QStringLiteral("lingue")));
        writeFileBytes(set + QStringLiteral("index.html"), {});
        writeFileBytes(set + QStringLiteral("201.html"), {});
        QCOMPARE(HelpSet::helpFileName(), QStringLiteral("Ajuda.hlp"));
        QCOMPARE(HelpSet::topicUrl(201), QUrl::fromLocalFile(set + QStringLiteral("201.html")));
        QCOMPARE(HelpSet::topicUrl(101), QUrl::fromLocalFile(set + QStringLiteral("index.html")));
        // An empty page says so rather than showing nothing.
        HelpViewer::showContents();
        QCOMPARE(page()->toPlainText(), noticeText(HelpPageMissing));
        // A translator's set is read as a language file is: regular files only, and only so far.
        QVERIFY(makeFifo(useLoadedSet(m_fixture->filePath(QStringLiteral("pipe"))) + QStringLiteral("index.html")));
        QCOMPARE(contentsShownInChild(noticeText(HelpPageMissing)), 0);
        set = useLoadedSet(m_fixture->filePath(QStringLiteral("device")));
        writeFileBytes(set + QStringLiteral("index.html"), "<p>Indice<img src=\"zero.png\"></p>");
        QVERIFY(makeLink(QStringLiteral("/dev/zero"), set + QStringLiteral("zero.png")));
        QCOMPARE(contentsShownInChild(QStringLiteral("Indice\uFFFC")), 0);
        // Without a set of its own, the loaded language reads English.
        LongTexts.setCell(58, LoadedLanguage, QStringLiteral("Ayuda"));
        QCOMPARE(HelpSet::folder(), QStringLiteral(":/help/en"));
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
        QStringList headings;
        for (QTextBlock block = page()->document()->begin(); block.isValid(); block = block.next())
            if (block.blockFormat().headingLevel() == 1)
                headings.append(block.charFormat().foreground().color().name());
        QCOMPARE(headings, QStringList{QStringLiteral("#003399")});
    }

    // The hints switch of one window silences that window alone.
    void onlyTheSwitchedWindowIsSilenced()
    {
        QWidget frame;
        auto *window = new QWidget(&frame);
        auto *control = new QWidget(window);
        auto *sibling = new QWidget(new QWidget(&frame));
        HintSwitch hints(window, false);
        QVERIFY(!toolTipReaches(control));
        QVERIFY(toolTipReaches(sibling));
        QAction mostra;
        mostra.setCheckable(true);
        QVERIFY(hints.toggle(&mostra));
        QVERIFY(mostra.isChecked());
        QVERIFY(toolTipReaches(control));
    }

private:
    std::unique_ptr<GuiTest::Fixture> m_fixture;
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
