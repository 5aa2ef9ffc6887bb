#include "app/helpviewer.h"
#include "app/imagelist.h"
#include "app/shellvalues.h"
#include "app/tnumeria.h"
#include "dialogs/transformsettings.h"
#include "lang/languagetables.h"
#include "support/guitest.h"

#include <QDesktopServices>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {

QAction *item(Tnumeria &window, const char *name)
{
    auto *action = window.findChild<QAction *>(QString::fromLatin1(name));
    if (!action) {
        if (auto *menu = window.findChild<QMenu *>(QString::fromLatin1(name)))
            action = menu->menuAction();
    }
    return action;
}

QLabel *background(Tnumeria &window)
{
    return window.findChild<QLabel *>(QStringLiteral("Immatem"));
}

// Ticks the splash by hand: the real timers are stopped so that no tick
// comes from the event loop in between.
void finishSplash(Tnumeria &window)
{
    window.findChild<QTimer *>(QStringLiteral("Timer3"))->stop();
    for (int tick = 0; tick < 41; ++tick)
        window.Timer3Timer();
    window.findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
    for (int tick = 0; tick < 25; ++tick)
        window.Timer1Timer();
}

std::unique_ptr<Tnumeria> startedWindow()
{
    auto window = std::make_unique<Tnumeria>();
    window->show();
    finishSplash(*window);
    return window;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QByteArray settingsBytes()
{
    QFile file(QStringLiteral("Aralda.cfg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray record(char hints, char language, const QByteArray &path = {})
{
    QByteArray bytes(203, '\0');
    bytes[0] = hints;
    bytes[1] = language;
    bytes[2] = char(path.size());
    bytes.replace(3, path.size(), path);
    return bytes;
}

void writeSettings(const QByteArray &bytes)
{
    QFile file(QStringLiteral("Aralda.cfg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

bool sameIcon(const QIcon &a, const QIcon &b)
{
    return a.pixmap(16, 16).toImage() == b.pixmap(16, 16).toImage();
}

} // namespace

class TestTnumeria : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
        m_fixture = std::make_unique<GuiTest::Fixture>();
    }

    void cleanup()
    {
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
        if (HelpViewer::current())
            delete HelpViewer::current();
        m_fixture.reset();
    }

    void splashRunsItsTwoPhases()
    {
        Tnumeria window;
        window.show();
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window.size(), QSize(445, 280));
        QVERIFY(!window.menuBar()->isVisible());
        auto *author = window.findChild<QLabel *>(QStringLiteral("Label2"));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("A R A L D A"));
        QVERIFY(window.findChild<QWidget *>(QStringLiteral("Imatem"))->cursor().shape() == Qt::BlankCursor);

        window.findChild<QTimer *>(QStringLiteral("Timer3"))->stop();
        for (int tick = 0; tick < 40; ++tick)
            window.Timer3Timer();
        QVERIFY(!author->isVisible());
        window.Timer3Timer();
        QVERIFY(author->isVisible());
        QVERIFY(!window.findChild<QTimer *>(QStringLiteral("Timer3")));
        auto *second = window.findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(second->isActive());
        QCOMPARE(second->interval(), 35);
        second->stop();

        for (int tick = 0; tick < 24; ++tick)
            window.Timer1Timer();
        QVERIFY(!window.isMaximized());
        window.Timer1Timer();
        QVERIFY(window.isMaximized());
        QVERIFY(!(window.windowFlags() & Qt::FramelessWindowHint));
        QVERIFY(window.menuBar()->isVisible());
        for (const char *name : {"Ambiente1", "Trasformazioni1", "Spaziali1", "Finestre1", "N1"})
            QVERIFY2(item(window, name)->isVisible(), name);
        QVERIFY(!window.findChild<QTimer *>(QStringLiteral("Timer1")));
        QVERIFY(!window.findChild<QWidget *>(QStringLiteral("Imatem")));
        QVERIFY(background(window)->isVisible());
        QCOMPARE(window.mdiArea()->background().color(), QColor(Qt::black));
        const int textHeight = QFontMetrics(window.font()).height();
        QCOMPARE(Shell.PanelHeight, 2 * textHeight);
        QCOMPARE(Shell.SmallControlHeight, textHeight + 4);
        QCOMPARE(Shell.ChildAreaWidth, window.mdiArea()->width() - 4);
        QCOMPARE(Shell.ChildAreaHeight, window.mdiArea()->height() - 4);
    }

    void menuCaptionsInEachLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("captions");
        // File, Hints, Plane, Space, Windows, Previous, ?, Q&R, Default language
        QTest::newRow("Italian") << "it_IT"
                                 << QStringList{"&Archivio", "&Funzione dei pulsanti", "&Traformazioni nel piano",
                                                "&Rotazioni nello spazio", "&Finestre", "&Precedente", "   ?   ",
                                                "&Q&&R Home page", "Lingua &predefinita"};
        QTest::newRow("English") << "en_US"
                                 << QStringList{"&File", "&Hints", "&Transformations on the plane",
                                                "&Rotations in space", "&Windows", "&Previous", "   ?   ",
                                                "&Q&&R Home page", "&Default language"};
        QTest::newRow("French") << "fr_BE"
                                << QStringList{"&Fichier", "&Bulles d'aide", "&Transformations dans le plane",
                                               "&Rotations dans l'espace", u"F&enêtres"_qs, u"&Précédente"_qs,
                                               "   ?   ", "&Q&&R Accueil", "Langue de &defaut"};
        QTest::newRow("Dutch falls back to English")
            << "nl_NL"
            << QStringList{"&File", "&Hints", "&Transformations on the plane", "&Rotations in space", "&Windows",
                           "&Previous", "   ?   ", "&Q&&R Home page", "&Default language"};
    }

    void menuCaptionsInEachLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, captions);
        QLocale::setDefault(QLocale(locale));
        auto window = startedWindow();
        const char *names[] = {"Ambiente1", "Mostrasuggerimenti1", "Trasformazioni1", "Spaziali1", "Finestre1",
                               "Precedente1", "N1", "QRHomepage1", "Linguapredefinita1"};
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(item(*window, names[i])->text(), captions.at(i));
        QCOMPARE(window->windowTitle(), QStringLiteral("Aralda"));
    }

    void languageCommandsSwitchTextsAndFlag_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("calculator");
        QTest::addColumn<int>("flag");
        QTest::newRow("French") << "Francese1" << "&Calculatrice" << 24;
        QTest::newRow("English") << "Inglese1" << "&Calculator" << 25;
        QTest::newRow("Italian") << "Italiano1" << "&Calcolatrice" << 26;
    }

    void languageCommandsSwitchTextsAndFlag()
    {
        QFETCH(QString, command);
        QFETCH(QString, calculator);
        QFETCH(int, flag);
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        auto window = startedWindow();
        item(*window, qPrintable(command))->trigger();
        QCOMPARE(item(*window, "Calcolatrice1")->text(), calculator);
        QVERIFY(sameIcon(item(*window, "Lingua1")->icon(), ImageList1::image(flag)));
        QVERIFY(!item(*window, "Lingua1")->icon().isNull());
    }

    void languageChangeClosesOpenWindows()
    {
        auto window = startedWindow();
        item(*window, "Trasformazioni1")->trigger();
        item(*window, "Spaziali1")->trigger();
        QCOMPARE(window->mdiArea()->subWindowList().size(), 2);
        QVERIFY(!background(*window)->isVisible());
        QVERIFY(!Shell.PlaneWindowClosed);
        item(*window, "Italiano1")->trigger();
        flushDeletes();
        QCOMPARE(window->mdiArea()->subWindowList().size(), 0);
        QVERIFY(Shell.PlaneWindowClosed);
        QVERIFY(Shell.SpaceWindowClosed);
        QVERIFY(background(*window)->isVisible());
        // A window opened afterwards reads the new language.
        item(*window, "Trasformazioni1")->trigger();
        QCOMPARE(window->mdiArea()->subWindowList().at(0)->windowTitle(), QStringLiteral("Trasformazioni nel piano"));
    }

    void oneWorkspaceAndOneSpaceWindowAtMost()
    {
        auto window = startedWindow();
        item(*window, "Trasformazioni1")->trigger();
        QMdiSubWindow *plane = window->mdiArea()->subWindowList().at(0);
        item(*window, "Spaziali1")->trigger();
        QCOMPARE(window->mdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("Rotations in space"));
        item(*window, "Trasformazioni1")->trigger();
        QCOMPARE(window->mdiArea()->subWindowList().size(), 2);
        QCOMPARE(window->mdiArea()->activeSubWindow(), plane);
        item(*window, "Spaziali1")->trigger();
        QCOMPARE(window->mdiArea()->subWindowList().size(), 2);
        QCOMPARE(plane->windowTitle(), QStringLiteral("Tranformations on the plane"));
        QCOMPARE(plane->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(plane->size(), QSize(Shell.ChildAreaWidth, Shell.ChildAreaHeight));
    }

    void eachNewWorkspaceStartsTheStoreAgain()
    {
        auto window = startedWindow();
        item(*window, "Mostrasuggerimenti1")->trigger();
        item(*window, "Trasformazioni1")->trigger();
        QCOMPARE(TransformSettings.TranslationDX[1], -6);
        QCOMPARE(TransformSettings.DialogShowHints, false);
        TransformSettings.TranslationDX[1] = 12;
        TransformSettings.SymmetryCentreX[2] = 4;
        TransformSettings.DialogFirstActivation[FigureDialogGroup] = false;
        item(*window, "Trasformazioni1")->trigger(); // the open one: nothing starts again
        QCOMPARE(TransformSettings.TranslationDX[1], 12);
        item(*window, "Chiudetutte1")->trigger();
        flushDeletes();
        item(*window, "Trasformazioni1")->trigger();
        QCOMPARE(TransformSettings.TranslationDX[1], -6);
        QCOMPARE(TransformSettings.SymmetryCentreX[2], 4);
        QVERIFY(TransformSettings.DialogFirstActivation[FigureDialogGroup]);
    }

    void closingOneChildKeepsTheBackgroundHidden()
    {
        auto window = startedWindow();
        item(*window, "Trasformazioni1")->trigger();
        item(*window, "Spaziali1")->trigger();
        window->mdiArea()->subWindowList().at(0)->close();
        flushDeletes();
        QVERIFY(Shell.PlaneWindowClosed);
        QVERIFY(!background(*window)->isVisible());
        window->mdiArea()->subWindowList().at(0)->close();
        flushDeletes();
        QVERIFY(background(*window)->isVisible());
    }

    void closeAllShowsTheBackgroundAgain()
    {
        auto window = startedWindow();
        item(*window, "Trasformazioni1")->trigger();
        item(*window, "Spaziali1")->trigger();
        item(*window, "Chiudetutte1")->trigger();
        QVERIFY(background(*window)->isVisible());
        flushDeletes();
        QVERIFY(window->mdiArea()->subWindowList().isEmpty());
    }

    void previousAndNextSwapTheActiveChild()
    {
        auto window = startedWindow();
        item(*window, "Trasformazioni1")->trigger();
        item(*window, "Spaziali1")->trigger();
        const QList<QMdiSubWindow *> children = window->mdiArea()->subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(window->mdiArea()->activeSubWindow(), children.at(1));
        item(*window, "Precedente1")->trigger();
        QCOMPARE(window->mdiArea()->activeSubWindow(), children.at(0));
        item(*window, "Successiva1")->trigger();
        QCOMPARE(window->mdiArea()->activeSubWindow(), children.at(1));
    }

    void calculatorOpensModally_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Italian") << "Italiano1" << "Calcolatrice";
        QTest::newRow("French") << "Francese1" << " Calculatrice";
    }

    void calculatorOpensModally()
    {
        QFETCH(QString, command);
        QFETCH(QString, caption);
        auto window = startedWindow();
        item(*window, qPrintable(command))->trigger();
        QString shown;
        GuiTest::whenModalOpens([&shown](QWidget *modal) {
            shown = modal->windowTitle();
            modal->close();
        });
        item(*window, "Calcolatrice1")->trigger();
        QCOMPARE(shown, caption);
    }

    void hintsSwitch()
    {
        auto window = startedWindow();
        QAction *hints = item(*window, "Mostrasuggerimenti1");
        QVERIFY(hints->isChecked());
        hints->trigger();
        QVERIFY(!Shell.MainShowHints);
        QVERIFY(!hints->isChecked());
    }

    void firstRunWithHintsOffWritesTheLocaleLanguage()
    {
        QLocale::setDefault(QLocale(QStringLiteral("it_IT")));
        {
            auto window = startedWindow();
            item(*window, "Mostrasuggerimenti1")->trigger();
            window->close();
        }
        QCOMPARE(settingsBytes(), record(0, 0));

        GuiTest::resetProgramValues();
        QLocale::setDefault(QLocale(QStringLiteral("fr_FR")));
        auto again = startedWindow();
        QVERIFY(!Shell.MainShowHints);
        QVERIFY(!item(*again, "Mostrasuggerimenti1")->isChecked());
        QCOMPARE(int(Language.LanguageIndex), int(Italian));
    }

    void defaultLanguageFrenchIsStored()
    {
        {
            auto window = startedWindow();
            item(*window, "Francese1")->trigger();
            item(*window, "Linguapredefinita1")->trigger();
            window->close();
        }
        QCOMPARE(settingsBytes(), record(1, 2));
        GuiTest::resetProgramValues();
        QLocale::setDefault(QLocale(QStringLiteral("it_IT")));
        auto again = startedWindow();
        QCOMPARE(item(*again, "Ambiente1")->text(), QStringLiteral("&Fichier"));
        QVERIFY(!item(*again, "Linguapredefinita1")->isChecked());
    }

    void longLanguagePathIsCutTo200()
    {
        auto window = startedWindow();
        Language.LanguageIndex = LoadedLanguage;
        Language.LanguageFilePath = QString(250, QLatin1Char('p'));
        item(*window, "Linguapredefinita1")->trigger();
        window->close();
        QCOMPARE(settingsBytes(), record(1, 3, QByteArray(200, 'p')));
    }

    void nothingChangedWritesNoFile()
    {
        auto window = startedWindow();
        item(*window, "Francese1")->trigger();
        window->close();
        QVERIFY(!QFile::exists(QStringLiteral("Aralda.cfg")));
    }

    void damagedFileKeepsTheDefaultsAndSaysSo_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("short") << QByteArray("\x00\x02", 2);
        QTest::newRow("garbage") << QByteArray(203, '\xee');
    }

    void damagedFileKeepsTheDefaultsAndSaysSo()
    {
        QFETCH(QByteArray, bytes);
        writeSettings(bytes);
        QLocale::setDefault(QLocale(QStringLiteral("fr_CH")));
        auto window = startedWindow();
        QVERIFY(Shell.MainShowHints);
        QCOMPARE(int(Language.LanguageIndex), int(French));
        auto *message = window->findChild<QMessageBox *>(QStringLiteral("settingsUnreadable"));
        QVERIFY(message);
        QVERIFY(message->isVisible());
        QCOMPARE(message->text(), noticeText(SettingsUnreadable));
        QVERIFY(message->text().contains(QStringLiteral("Aralda.cfg")));
        message->close();
        // The program goes on as usual.
        item(*window, "Trasformazioni1")->trigger();
        QCOMPARE(window->mdiArea()->subWindowList().size(), 1);
    }

    void failedWriteIsReportedAndTheOldFileKept()
    {
        const QByteArray old = record(1, 1);
        writeSettings(old);
        auto window = startedWindow();
        item(*window, "Mostrasuggerimenti1")->trigger();
        QString shown;
        GuiTest::whenModalOpens([&shown](QWidget *modal) {
            shown = static_cast<QMessageBox *>(modal)->text();
            modal->close();
        });
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit reduced = previous;
        reduced.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &reduced);
        window->close();
        setrlimit(RLIMIT_FSIZE, &previous);
        QVERIFY(shown.startsWith(noticeText(SettingsNotSaved)));
        QVERIFY(!window->isVisible());
        QCOMPARE(settingsBytes(), old);
    }

    void helpKeyOnAHighlightedMenuItem_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("highlighted");
        QTest::addColumn<QString>("page");
        QTest::newRow("calculator") << "Ambiente1" << "Calcolatrice1" << "101.html";
        QTest::newRow("exit") << "Ambiente1" << "Uscita1" << "102.html";
        QTest::newRow("hints") << "Ambiente1" << "Mostrasuggerimenti1" << "103.html";
        QTest::newRow("language") << "Lingua1" << "Inglese1" << "4.html";
        QTest::newRow("plane on the menu bar") << "" << "Trasformazioni1" << "201.html";
        QTest::newRow("space on the menu bar") << "" << "Spaziali1" << "202.html";
    }

    void helpKeyOnAHighlightedMenuItem()
    {
        QFETCH(QString, menu);
        QFETCH(QString, highlighted);
        QFETCH(QString, page);
        auto window = startedWindow();
        QWidget *target = window->menuBar();
        if (!menu.isEmpty()) {
            auto *popup = window->findChild<QMenu *>(menu);
            popup->popup(QPoint(0, 0));
            popup->setActiveAction(item(*window, qPrintable(highlighted)));
            target = popup;
        } else {
            window->menuBar()->setActiveAction(item(*window, qPrintable(highlighted)));
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        QVERIFY(HelpViewer::current());
        QCOMPARE(HelpViewer::current()->currentPage().fileName(), page);
        QVERIFY(HelpViewer::current()->currentPage().path().startsWith(QStringLiteral("/help/en/")));
    }

    void guideOpensTheContents()
    {
        QLocale::setDefault(QLocale(QStringLiteral("it_IT")));
        auto window = startedWindow();
        item(*window, "Guida1")->trigger();
        QVERIFY(HelpViewer::current());
        QCOMPARE(HelpViewer::current()->currentPage().toString(), QStringLiteral("qrc:/help/it/index.html"));
    }

    void mailAndHomePageGoToTheDesktopThenMinimise_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("scheme");
        QTest::newRow("e-mail") << "email1" << "mailto";
        QTest::newRow("home page") << "QRHomepage1" << "https";
    }

    void mailAndHomePageGoToTheDesktopThenMinimise()
    {
        QFETCH(QString, command);
        QFETCH(QString, scheme);
        auto window = startedWindow();
        QDesktopServices::setUrlHandler(scheme, this, "openUrl");
        item(*window, qPrintable(command))->trigger();
        QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(m_opened.scheme(), scheme);
        QVERIFY(window->isMinimized());
    }

    void loadedLanguageFromTheSettingsFile()
    {
        QFile language(QStringLiteral("mia.lng"));
        QVERIFY(language.open(QIODevice::WriteOnly));
        for (int line = 0; line < 277; ++line)
            language.write(line == 82 ? "### m\r\n" : line == 86 ? "## Sardu\r\n" : line == 87 ? "## &Archiviu\r\n"
                                                                                              : "## x\r\n");
        language.close();
        QImage flag(16, 16, QImage::Format_RGB32);
        flag.fill(Qt::magenta);
        QVERIFY(flag.save(QStringLiteral("mia.bmp")));
        writeSettings(record(1, 3, "mia.lng"));

        auto window = startedWindow();
        QCOMPARE(int(Language.LanguageIndex), int(LoadedLanguage));
        QAction *other = item(*window, "altra");
        QVERIFY(other->isVisible());
        QCOMPARE(other->text(), QStringLiteral("Sardu"));
        QCOMPARE(item(*window, "Ambiente1")->text(), QStringLiteral("&Archiviu"));
        QCOMPARE(other->icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::magenta));
        QVERIFY(sameIcon(item(*window, "Lingua1")->icon(), other->icon()));
    }

    void missingLoadedLanguageFallsBackToEnglish()
    {
        writeSettings(record(1, 3, "gone.lng"));
        QLocale::setDefault(QLocale(QStringLiteral("it_IT")));
        auto window = startedWindow();
        QCOMPARE(int(Language.LanguageIndex), int(English));
        QVERIFY(!item(*window, "altra")->isVisible());
    }

    void spanishLocaleWithoutItsFileStartsInEnglish()
    {
        QLocale::setDefault(QLocale(QStringLiteral("es_ES")));
        auto window = startedWindow();
        QCOMPARE(int(Language.LanguageIndex), int(English));
        QCOMPARE(item(*window, "Ambiente1")->text(), QStringLiteral("&File"));
    }

    void languageByteOutOfRangeStartsInEnglish()
    {
        writeSettings(record(1, 9, "x.lng"));
        auto window = startedWindow();
        QCOMPARE(int(Language.LanguageIndex), int(English));
    }

public slots:
    void openUrl(const QUrl &url) { m_opened = url; }

private:
    std::unique_ptr<GuiTest::Fixture> m_fixture;
    QUrl m_opened;
};

QTEST_MAIN(TestTnumeria)
#include "tst_tnumeria.moc"
