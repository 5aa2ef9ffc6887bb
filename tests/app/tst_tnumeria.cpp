#include "startedwindow.h"

#include "app/fontwarmup.h"
#include "app/splash.h"
#include "app/tnumeria.h"
#include "lang/languagetables.h"
#include "plane/tgeo.h"
#include "shell/helpviewer.h"
#include "shell/imagelist.h"
#include "shell/qttexts.h"
#include "shell/shellvalues.h"
#include "support/guitest.h"
#include "support/settingsbytes.h"
#include "support/specialfiles.h"
#include "transform/transformsettings.h"

#include <QColorSpace>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScopeGuard>
#include <QSet>
#include <QStyle>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

const QString SettingsFile = QStringLiteral("Aralda.cfg");

QAction *item(Tnumeria &window, const QString &name)
{
    if (auto *menu = window.findChild<QMenu *>(name))
        return menu->menuAction();
    return window.findChild<QAction *>(name);
}

bool backgroundShown(Tnumeria &window)
{
    return window.findChild<QLabel *>(QStringLiteral("Immatem"))->isVisible();
}

QString qtCatalogue(const char *language)
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_%1.qm").arg(QLatin1String(language));
}

// The colours of `picture` outside every one of `areas`.
QSet<QRgb> coloursOutside(const QImage &picture, const QList<QRect> &areas = {})
{
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (std::none_of(areas.begin(), areas.end(), [x, y](const QRect &area) { return area.contains(x, y); }))
                colours.insert(picture.pixel(x, y));
        }
    }
    return colours;
}

// Every item and menu of the main window in the order a user meets them:
// along the menu bar, each menu's entries after its title, separators left out.
const QStringList MenuItemNames{"Ambiente1", "apriLezione", "salvaLezione", "lezioniPronte", "Calcolatrice1",
                                "Mostrasuggerimenti1", "Lingua1", "Francese1", "Inglese1", "Italiano1", "altra",
                                "Caricaunaltraversione1", "Linguapredefinita1", "Uscita1", "Trasformazioni1",
                                "Spaziali1", "Finestre1", "Precedente1", "Successiva1", "Chiudetutte1", "N1",
                                "Guida1", "email1", "QRHomepage1", "Informazioni1"};

// "name=caption" for each entry, menus before their entries, in that same order.
QStringList menuWalk(const QList<QAction *> &actions)
{
    QStringList entries;
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        auto *menu = action->menu<QMenu *>();
        entries << (menu ? menu->objectName() : action->objectName()) + QLatin1Char('=') + action->text();
        // The ready lessons are the lessons' own titles, checked with them.
        if (menu && menu->objectName() != QLatin1String("lezioniPronte"))
            entries << menuWalk(menu->actions());
    }
    return entries;
}

void closeAndFlush(Tnumeria &window, const char *command)
{
    item(window, QString::fromLatin1(command))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A valid language file whose own name is "Sardu" and whose file menu is "&Archiviu".
QByteArray sarduFile()
{
    QByteArray lines;
    for (int line = 0; line < 277; ++line)
        lines += line == 82 ? "### m\r\n" : line == 86 ? "## Sardu\r\n" : line == 87 ? "## &Archiviu\r\n" : "## x\r\n";
    return lines;
}

// A 16 x 16 magenta flag in a bitmap file.
void writeMagentaFlag(const QString &file)
{
    QImage flag(16, 16, QImage::Format_RGB32);
    flag.fill(Qt::magenta);
    QVERIFY(flag.save(file, "BMP"));
}

// Chooses `file` with "Load another version", typed as a user would (the
// dialog's list loads when it likes), and returns the name the refusal
// window shows, empty when none opens.
QString chooseLanguageFile(Tnumeria &window, const QString &file)
{
    QString refused;
    GuiTest::whenModalOpens([file, &refused](QWidget *modal) {
        modal->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QFileInfo(file).absoluteFilePath());
        GuiTest::whenModalOpens([&refused](QWidget *refusal) {
            refused = refusal->findChild<QLabel *>(QStringLiteral("Label2"))->text();
            const Qt::WindowFlags icons = Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint;
            if (refusal->minimumSize() != refusal->maximumSize() || (refusal->windowFlags() & icons))
                refused += QStringLiteral(" (resizable or with icons)");
            refusal->close();
        });
        static_cast<QDialog *>(modal)->accept(); // QFileDialog hides it
    });
    item(window, QStringLiteral("Caricaunaltraversione1"))->trigger();
    GuiTest::whenModalOpens({}); // nothing waits for a refusal that did not come
    return refused;
}

QColor flagCentre(Tnumeria &window)
{
    return item(window, QStringLiteral("Lingua1"))->icon().pixmap(16, 16).toImage().pixelColor(8, 8);
}

} // namespace

class TestTnumeria : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<GuiTest::Fixture>(); }

    void cleanup()
    {
        const QStringList unexpected = GuiTest::unexpectedModals();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1Char(','))));
        delete HelpViewer::current();
        m_fixture.reset();
    }

    // The first frame needs the splash alone: blue with the title in white.
    // The rest loads once it is on screen; after 41 ticks the names join it in
    // cyan, 15 pixels from the top and from the bottom; 25 ticks later the
    // main window takes the screen.
    void splash()
    {
        QLocale::setDefault(QLocale(QStringLiteral("it_IT")));
        QApplication::setWindowIcon(QIcon());
        Tnumeria window;
        window.show();
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window.size(), QSize(445, 280));
        QCOMPARE(window.windowTitle(), QStringLiteral("Aralda"));
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("Imatem"))->cursor().shape(), Qt::BlankCursor);
        QVERIFY(!window.mdiArea());
        QCOMPARE(QtTexts::inForce(), QString());
        QVERIFY(QApplication::windowIcon().isNull());
        const auto placed = [&window](const char *name, int top) {
            const auto *label = window.findChild<QLabel *>(QString::fromLatin1(name));
            const QRect area = label->geometry();
            QCOMPARE(area, QRect(QPoint((Splash::Width - area.width()) / 2, top), label->sizeHint()));
        };
        const QRect title = window.findChild<QLabel *>(QStringLiteral("Label1"))->geometry();
        placed("Label1", (280 - title.height()) / 2 - 10);
        QImage frame = window.grab().toImage();
        QVERIFY(coloursOutside(frame.copy(title)).contains(QColor(Qt::white).rgb()));
        QCOMPARE(coloursOutside(frame, {title}), QSet<QRgb>{QColor(Qt::blue).rgb()});

        tick(window, 0, 0); // the real timers stopped: the test counts the ticks
        QCoreApplication::processEvents(); // draws the first frame
        QCoreApplication::sendPostedEvents(); // what the frame queued
        QVERIFY(!window.menuBar()->isVisible());
        QVERIFY(window.mdiArea());
        QCOMPARE(item(window, QStringLiteral("Ambiente1"))->text(), QStringLiteral("&Archivio"));
        QCOMPARE(QtTexts::inForce(), qtCatalogue("it"));
        const QImage icon = QPixmap(QStringLiteral(":/pictures/aralda.png")).toImage();
        QCOMPARE(QApplication::windowIcon().pixmap(icon.size()).toImage(), icon);

        auto *author = window.findChild<QLabel *>(QStringLiteral("Label2"));
        tick(window, 40, 0);
        QVERIFY(!author->isVisible());
        tick(window, 1, 0);
        QVERIFY(author->isVisible());
        const QRect school = window.findChild<QLabel *>(QStringLiteral("Label3"))->geometry();
        placed("Label2", 15);
        placed("Label3", 280 - school.height() - 15);
        frame = window.grab().toImage();
        QVERIFY(coloursOutside(frame.copy(author->geometry())).contains(QColor(Qt::cyan).rgb()));
        QVERIFY(coloursOutside(frame.copy(school)).contains(QColor(Qt::cyan).rgb()));
        QCOMPARE(coloursOutside(frame, {title, author->geometry(), school}), QSet<QRgb>{QColor(Qt::blue).rgb()});
        QVERIFY(!window.findChild<QTimer *>(QStringLiteral("Timer3")));
        QCOMPARE(window.findChild<QTimer *>(QStringLiteral("Timer1"))->interval(), 35);

        tick(window, 0, 24);
        QVERIFY(!window.isMaximized());
        tick(window, 0, 1);
        QVERIFY(window.isMaximized());
        QVERIFY(!(window.windowFlags() & Qt::FramelessWindowHint));
        for (const char *name : {"Ambiente1", "Trasformazioni1", "Spaziali1", "Finestre1", "N1"})
            QVERIFY2(item(window, QString::fromLatin1(name))->isVisible(), name);
        QVERIFY(!window.findChild<QTimer *>(QStringLiteral("Timer1")));
        QVERIFY(!window.findChild<QWidget *>(QStringLiteral("Imatem")));
        QVERIFY(backgroundShown(window));
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
        QTest::addColumn<QStringList>("commands"); // language commands chosen after the start, in order
        QTest::addColumn<QString>("fileMenu");
        QTest::addColumn<int>("flag");
        QTest::addColumn<QString>("catalogue"); // Qt's own texts; empty: Qt's English
        QTest::newRow("Belgian French locale") << "fr_BE" << QStringList() << "&Fichier" << 24 << "fr";
        QTest::newRow("English locale, French then Italian chosen")
            << "en_GB" << QStringList{"Francese1", "Italiano1"} << "&Archivio" << 26 << "it";
        QTest::newRow("French locale, Italian then English chosen")
            << "fr_FR" << QStringList{"Italiano1", "Inglese1"} << "&File" << 25 << "";
    }

    // Walks the menus as built, not a list of names, so that an item missing,
    // doubled, moved or captioned with its neighbour's text fails as well. The
    // English captions, all different, show which row each item takes; the
    // other languages' rows are the language tables' own.
    void menuCaptionsInEachLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, commands);
        QFETCH(QString, fileMenu);
        QFETCH(int, flag);
        QFETCH(QString, catalogue);
        auto window = startedWindow(qPrintable(locale));
        for (const QString &command : commands)
            item(*window, command)->trigger();
        QCOMPARE(item(*window, QStringLiteral("Ambiente1"))->text(), fileMenu);
        const QImage shown = item(*window, QStringLiteral("Lingua1"))->icon().pixmap(16, 16).toImage();
        QVERIFY(!shown.isNull());
        QCOMPARE(shown, ImageList1::image(flag).pixmap(16, 16).toImage());
        QCOMPARE(QtTexts::inForce(), catalogue.isEmpty() ? QString() : qtCatalogue(qPrintable(catalogue)));
        if (fileMenu != QLatin1String("&File"))
            return;
        // altra stays empty: no language file is loaded.
        const QStringList english{"&File", u"&Open lesson…"_qs, u"Sa&ve lesson…"_qs, "&Ready lessons", "&Calculator",
                                  "&Hints", "&Language", " &French", " &English", " &Italian", "",
                                  "Load another &version", "&Default language", "E&xit",
                                  "&Transformations on the plane", "&Rotations in space", "&Windows", "&Previous",
                                  "&Next", "&All closed", "   ?   ", "&Help", "&e-mail", "&Q&&R Home page", "&About"};
        QStringList expected;
        for (int i = 0; i < MenuItemNames.size(); ++i)
            expected << MenuItemNames.at(i) + QLatin1Char('=') + english.at(i);
        QCOMPARE(menuWalk(window->menuBar()->actions()), expected);
    }

    // One workspace and one cube window at most: a second command brings the
    // open one forward. The picture is held only while the idle frame shows
    // it, at its own pixels, centred at the top.
    void childWindowsAndTheBackground()
    {
        auto window = startedWindow();
        QMdiArea *frame = window->mdiArea();
        auto *background = window->findChild<QLabel *>(QStringLiteral("Immatem"));
        QImage picture = QImage(QStringLiteral(":/pictures/immatem.png")).convertToFormat(QImage::Format_RGB32);
        picture.setColorSpace({}); // the file's, which the drawn copy does not carry
        const QImage shown = background->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect placed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignTop | Qt::AlignHCenter, picture.size(),
                                                 background->rect());
        const QRect visible = placed & background->rect();
        QVERIFY(visible.width() > 100 && visible.height() > 100);
        QCOMPARE(shown.copy(visible), picture.copy(visible.translated(-placed.topLeft())));

        item(*window, QStringLiteral("Trasformazioni1"))->trigger();
        QMdiSubWindow *plane = frame->subWindowList().at(0);
        QCOMPARE(plane->geometry(), QRect(0, 0, Shell.ChildAreaWidth, Shell.ChildAreaHeight));
        item(*window, QStringLiteral("Spaziali1"))->trigger();
        QMdiSubWindow *space = frame->activeSubWindow();
        QCOMPARE(space->windowTitle(), QStringLiteral("Rotations in space"));
        QVERIFY(!backgroundShown(*window));
        QVERIFY(background->pixmap().isNull());
        item(*window, QStringLiteral("Trasformazioni1"))->trigger();
        QCOMPARE(frame->activeSubWindow(), plane);
        item(*window, QStringLiteral("Spaziali1"))->trigger();
        QCOMPARE(frame->activeSubWindow(), space);
        QCOMPARE(frame->subWindowList().size(), 2);
        // "Precedente" runs the next-child command, "Successiva" the previous one.
        item(*window, QStringLiteral("Precedente1"))->trigger();
        QCOMPARE(frame->activeSubWindow(), plane);
        item(*window, QStringLiteral("Successiva1"))->trigger();
        QCOMPARE(frame->activeSubWindow(), space);
        // Ctrl+W and Ctrl+F4 close the active child only.
        auto *closeChild = window->findChild<QAction *>(QStringLiteral("chiudefinestra"));
        QCOMPARE(closeChild->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+W")),
                                                               QKeySequence(QStringLiteral("Ctrl+F4"))}));
        closeChild->trigger();
        QCOMPARE(frame->subWindowList(), QList<QMdiSubWindow *>{plane});
        QVERIFY(!backgroundShown(*window));
        // Closed but not yet deleted, the old window is no longer the one to raise.
        item(*window, QStringLiteral("Spaziali1"))->trigger();
        QCOMPARE(frame->subWindowList().size(), 2);
        QVERIFY(frame->activeSubWindow() && frame->activeSubWindow()->isVisible());
        QVERIFY(!Shell.SpaceWindowClosed);
        closeAndFlush(*window, "Chiudetutte1");
        QVERIFY(frame->subWindowList().isEmpty());
        QVERIFY(backgroundShown(*window));
        QCOMPARE(background->pixmap().size(), QSize(900, 560));
    }

    // A language change closes the windows; a workspace opened afterwards
    // starts the transformations' values again, but not the symmetry's centre.
    void languageChangeClosesTheWindows()
    {
        auto window = startedWindow();
        item(*window, QStringLiteral("Mostrasuggerimenti1"))->trigger();
        item(*window, QStringLiteral("Trasformazioni1"))->trigger();
        QCOMPARE(TransformSettings.DialogShowHints, false);
        TransformSettings.TranslationDX[1] = 12;
        TransformSettings.SymmetryCentreX[2] = 4;
        TransformSettings.DialogFirstActivation[FigureDialogGroup] = false;
        item(*window, QStringLiteral("Trasformazioni1"))->trigger(); // the open one: nothing starts again
        QCOMPARE(TransformSettings.TranslationDX[1], 12);
        item(*window, QStringLiteral("Spaziali1"))->trigger();
        closeAndFlush(*window, "Italiano1");
        QVERIFY(window->mdiArea()->subWindowList().isEmpty());
        QVERIFY(Shell.PlaneWindowClosed && Shell.SpaceWindowClosed);
        QVERIFY(backgroundShown(*window));
        item(*window, QStringLiteral("Trasformazioni1"))->trigger();
        QCOMPARE(window->mdiArea()->subWindowList().at(0)->windowTitle(), QStringLiteral("Trasformazioni nel piano"));
        QCOMPARE(TransformSettings.TranslationDX[1], -6);
        QCOMPARE(TransformSettings.SymmetryCentreX[2], 4);
        QVERIFY(TransformSettings.DialogFirstActivation[FigureDialogGroup]);
    }

    void helpKeyOnAHighlightedMenuItem_data()
    {
        QTest::addColumn<QString>("menu"); // empty: the item stands on the menu bar
        QTest::addColumn<QString>("highlighted");
        QTest::addColumn<QString>("page");
        QTest::newRow("calculator") << "Ambiente1" << "Calcolatrice1" << "qrc:/help/en/101.html";
        QTest::newRow("exit") << "Ambiente1" << "Uscita1" << "qrc:/help/en/102.html";
        QTest::newRow("hints") << "Ambiente1" << "Mostrasuggerimenti1" << "qrc:/help/en/103.html";
        QTest::newRow("language") << "Lingua1" << "Inglese1" << "qrc:/help/en/4.html";
        QTest::newRow("plane") << "" << "Trasformazioni1" << "qrc:/help/en/201.html";
        QTest::newRow("space") << "" << "Spaziali1" << "qrc:/help/en/202.html";
    }

    void helpKeyOnAHighlightedMenuItem()
    {
        QFETCH(QString, menu);
        QFETCH(QString, highlighted);
        QFETCH(QString, page);
        auto window = startedWindow();
        QWidget *target = window->menuBar();
        if (menu.isEmpty()) {
            window->menuBar()->setActiveAction(item(*window, highlighted));
        } else {
            auto *popup = window->findChild<QMenu *>(menu);
            popup->popup(QPoint(0, 0));
            popup->setActiveAction(item(*window, highlighted));
            target = popup;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        QVERIFY(HelpViewer::current());
        QCOMPARE(HelpViewer::current()->currentPage().toString(), page);
    }

    void commandsOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("opens"); // a URL scheme for the desktop, else the modal window's class
        QTest::newRow("e-mail") << "email1" << "mailto";
        QTest::newRow("home page") << "QRHomepage1" << "https";
        QTest::newRow("calculator") << "Calcolatrice1" << "TCalcola";
        QTest::newRow("about") << "Informazioni1" << "Tinfo";
    }

    // What goes to the desktop minimises the main window; the modal windows
    // open over it.
    void commandsOpenTheirWindows()
    {
        QFETCH(QString, command);
        QFETCH(QString, opens);
        auto window = startedWindow();
        QString modal;
        GuiTest::whenModalOpens([&modal, &window](QWidget *shown) {
            modal = QString::fromLatin1(shown->metaObject()->className());
            if (shown->parentWidget() != window.get())
                modal += QStringLiteral(" without the main window as its parent");
            shown->close();
        });
        const bool desktop = opens.at(0).isLower();
        if (desktop)
            QDesktopServices::setUrlHandler(opens, this, "openUrl");
        item(*window, command)->trigger();
        QDesktopServices::unsetUrlHandler(opens);
        GuiTest::whenModalOpens({});
        QCOMPARE(desktop ? m_opened.scheme() : modal, opens);
        QCOMPARE(window->isMinimized(), desktop);
    }

    // Written at exit, in the configuration folder when started from the
    // home folder, and read at the next start in another locale.
    void settingsKeptAtExit()
    {
        const auto restoreHome = qScopeGuard([home = qgetenv("HOME")] { qputenv("HOME", home); });
        qputenv("HOME", QDir::currentPath().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        auto window = startedWindow();
        for (const char *command : {"Mostrasuggerimenti1", "Francese1", "Linguapredefinita1"})
            item(*window, QString::fromLatin1(command))->trigger();
        window->close();
        QVERIFY(!QFile::exists(SettingsFile));
        QCOMPARE(fileBytes(QStringLiteral(".config/aralda/Aralda.cfg")), settingsRecord(0, char(French)));
        GuiTest::resetProgramValues();
        window = startedWindow("nl_NL");
        QCOMPARE(int(Language.LanguageIndex), int(French));
        QVERIFY(!item(*window, QStringLiteral("Mostrasuggerimenti1"))->isChecked());
        QVERIFY(!Shell.MainShowHints);
        QVERIFY(!item(*window, QStringLiteral("Linguapredefinita1"))->isChecked());
        QCOMPARE(item(*window, QStringLiteral("Ambiente1"))->text(), QStringLiteral("&Fichier"));
    }

    void damagedFileKeepsTheDefaultsAndSaysSo()
    {
        writeFileBytes(SettingsFile, QByteArray("\x00\x02", 2));
        auto window = startedWindow("fr_CH");
        QVERIFY(Shell.MainShowHints);
        QCOMPARE(int(Language.LanguageIndex), int(French));
        auto *message = window->findChild<QMessageBox *>(QStringLiteral("settingsUnreadable"));
        QVERIFY(message && message->isVisible());
        QVERIFY(message->text().contains(SettingsFile));
        message->close();
        item(*window, QStringLiteral("Trasformazioni1"))->trigger();
        QCOMPARE(window->mdiArea()->subWindowList().size(), 1);
    }

    void failedWriteIsReportedAndTheOldFileKept()
    {
        const QByteArray old = settingsRecord(1, 1);
        writeFileBytes(SettingsFile, old);
        auto window = startedWindow();
        item(*window, QStringLiteral("Mostrasuggerimenti1"))->trigger();
        QString shown;
        GuiTest::whenModalOpens([&shown](QWidget *modal) {
            shown = static_cast<QMessageBox *>(modal)->text();
            modal->close();
        });
        {
            FileSizeLimit limit(64);
            window->close();
        }
        QVERIFY(shown.startsWith(noticeText(SettingsNotSaved)));
        QVERIFY(!window->isVisible());
        QCOMPARE(fileBytes(SettingsFile), old);
    }

    // A write ended half-way leaves its temporary file beside the settings:
    // a hidden name of the program's own. A user's files of a like name, six
    // letters after "Aralda.cfg." and no larger than a record, are theirs.
    void leftoverTemporariesOfTheSettingsGoAtStart()
    {
        writeFileBytes(SettingsFile, settingsRecord(1, 2));
        writeFileBytes(QStringLiteral(".Aralda.cfg.aralda-tmp-AbC1eF"), settingsRecord(0, 0).left(120));
        writeFileBytes(QStringLiteral(".Aralda.cfg.aralda-tmp-zzzzzz"), QByteArray());
        QStringList kept{"Aralda.cfg.backup", "Aralda.cfg.README", "Aralda.cfg.AbCdEf", ".Aralda.cfg.aralda-tmp-AbCdE",
                         ".Aralda.cfg.aralda-tmp-AbCdEfg", ".Aralda.cfg.aralda-tmp-AbC-Ef", "target.bin"};
        for (const QString &name : kept)
            writeFileBytes(name, settingsRecord(0, 0));
        QVERIFY(QDir().mkdir(QStringLiteral(".Aralda.cfg.aralda-tmp-DiRdIr")));
        QVERIFY(makeLink(QStringLiteral("target.bin"), QStringLiteral(".Aralda.cfg.aralda-tmp-LiNkEd")));
        kept << QStringLiteral(".Aralda.cfg.aralda-tmp-DiRdIr") << QStringLiteral(".Aralda.cfg.aralda-tmp-LiNkEd")
             << SettingsFile;
        kept.sort();

        auto window = startedWindow();
        QCOMPARE(int(Language.LanguageIndex), int(French));
        QCOMPARE(folderEntries(), kept);
        QCOMPARE(fileBytes(QStringLiteral("target.bin")), settingsRecord(0, 0));
        QCOMPARE(fileBytes(SettingsFile), settingsRecord(1, 2));
    }

    void languageAtStartUp_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("languageFile");     // "Sardu", with a magenta flag, when not empty
        QTest::addColumn<QString>("besideCatalogue");  // Qt's catalogue copied beside it as sardu.qm
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("catalogue");        // empty: Qt's English
        const QString beside = QStringLiteral("beside");
        QTest::newRow("Spanish locale, Spanish file")
            << "es_ES" << QByteArray() << u"traespañol.lng"_qs << "" << int(LoadedLanguage) << "es";
        QTest::newRow("loaded language with its catalogue")
            << "it_IT" << settingsRecord(1, 3, "sardu.lng") << "sardu.lng" << "de" << int(LoadedLanguage) << beside;
        QTest::newRow("loaded language file gone")
            << "fr_FR" << settingsRecord(1, 3, "gone.lng") << "sardu.lng" << "" << int(English) << "";
    }

    void languageAtStartUp()
    {
        QFETCH(QString, locale);
        QFETCH(QByteArray, settings);
        QFETCH(QString, languageFile);
        QFETCH(QString, besideCatalogue);
        QFETCH(int, language);
        QFETCH(QString, catalogue);
        if (!settings.isEmpty())
            writeFileBytes(SettingsFile, settings);
        if (!languageFile.isEmpty()) {
            writeFileBytes(languageFile, sarduFile());
            writeMagentaFlag(QFileInfo(languageFile).completeBaseName() + QStringLiteral(".bmp"));
        }
        if (!besideCatalogue.isEmpty())
            QVERIFY(QFile::copy(qtCatalogue(qPrintable(besideCatalogue)), QStringLiteral("sardu.qm")));
        auto window = startedWindow(qPrintable(locale));
        QCOMPARE(int(Language.LanguageIndex), language);
        const bool loaded = language == LoadedLanguage;
        QAction *other = item(*window, QStringLiteral("altra"));
        QCOMPARE(other->isVisible(), loaded);
        QCOMPARE(item(*window, QStringLiteral("Ambiente1"))->text(),
                 loaded ? QStringLiteral("&Archiviu") : MenuTexts.cell(0, language));
        if (loaded) {
            QCOMPARE(other->text(), QStringLiteral("Sardu"));
            QCOMPARE(flagCentre(*window), QColor(Qt::magenta));
        }
        QCOMPARE(QtTexts::inForce(), catalogue.isEmpty() ? QString()
                                     : catalogue == QLatin1String("beside")
                                         ? QDir::current().absoluteFilePath(QStringLiteral("sardu.qm"))
                                         : qtCatalogue(qPrintable(catalogue)));
    }

    // A refused file changes nothing, not even the lines of the language
    // loaded before.
    void loadingAnotherLanguageFromTheMenu()
    {
        const QByteArray lines = sarduFile();
        writeFileBytes(QStringLiteral("sardu.lng"), lines);
        writeFileBytes(QStringLiteral("corto.lng"), lines.left(lines.size() - 6)); // one line short
        QByteArray unsignedFile = lines;
        writeFileBytes(QStringLiteral("firma.lng"), unsignedFile.replace("### m", "### x")); // no signature
        auto window = startedWindow("it_IT");
        item(*window, QStringLiteral("Trasformazioni1"))->trigger();

        QCOMPARE(chooseLanguageFile(*window, QStringLiteral("corto.lng")), QStringLiteral("corto.lng"));
        QCOMPARE(int(Language.LanguageIndex), int(Italian));
        QVERIFY(!item(*window, QStringLiteral("altra"))->isVisible());
        QCOMPARE(window->mdiArea()->subWindowList().size(), 1);

        QCOMPARE(chooseLanguageFile(*window, QStringLiteral("sardu.lng")), QString());
        QCOMPARE(int(Language.LanguageIndex), int(LoadedLanguage));
        QCOMPARE(item(*window, QStringLiteral("altra"))->text(), QStringLiteral("Sardu"));
        QCOMPARE(item(*window, QStringLiteral("Ambiente1"))->text(), QStringLiteral("&Archiviu"));
        QCOMPARE(Language.LanguageFilePath, QFileInfo(QStringLiteral("sardu.lng")).absoluteFilePath());
        // No catalogue for Sardinian: Qt's texts go back to English.
        QCOMPARE(QtTexts::inForce(), QString());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window->mdiArea()->subWindowList().isEmpty()); // the switch closed the workspace

        const QStringList sardu = Language.LanguageLines;
        QCOMPARE(chooseLanguageFile(*window, QStringLiteral("firma.lng")), QStringLiteral("firma.lng"));
        QCOMPARE(Language.LanguageLines, sardu);
        QCOMPARE(MenuTexts.cell(0, LoadedLanguage), QStringLiteral("&Archiviu"));
        QCOMPARE(Language.LanguageFilePath, QFileInfo(QStringLiteral("sardu.lng")).absoluteFilePath());
    }

    // The ready lessons are named in the language in force and open the
    // workspace with the lesson.
    void readyLessonsFromTheFileMenu()
    {
        auto window = startedWindow("fr_FR");
        auto *ready = window->findChild<QMenu *>(QStringLiteral("lezioniPronte"));
        QVERIFY(ready->isEmpty()); // read only when the menu first opens
        emit ready->aboutToShow();
        const QList<QAction *> lessons = ready->actions();
        QCOMPARE(lessons.size(), 12);
        QCOMPARE(lessons.first()->text(), QStringLiteral("Une translation"));
        QVERIFY(!item(*window, QStringLiteral("salvaLezione"))->isEnabled());
        lessons[3]->trigger();
        const auto *plane = window->findChild<Tgeo *>();
        QVERIFY(plane);
        QVERIFY(plane->windowTitle().endsWith(QStringLiteral("Deux symétries d'axes parallèles")));
        QVERIFY(item(*window, QStringLiteral("salvaLezione"))->isEnabled());
    }

    // Qt's font database on this system is fontconfig's, in the process with
    // Qt's GUI library, as in the program: a lookup that missed it would
    // quietly leave the loading to the main thread again. Destroyed without a
    // wait, it still ends its thread: a thread left running would end the
    // program.
    void fontWarmUpStartsWhereFontconfigIsAndEnds()
    {
        FontWarmUp warmUp;
        QVERIFY(warmUp.started());
        warmUp.wait();
        warmUp.wait(); // a second wait returns at once
        QVERIFY(warmUp.started());
        auto unwaited = std::make_unique<FontWarmUp>();
        QVERIFY(unwaited->started());
    }

public slots:
    void openUrl(const QUrl &url) { m_opened = url; }

private:
    std::unique_ptr<GuiTest::Fixture> m_fixture;
    QUrl m_opened;
};

QTEST_MAIN(TestTnumeria)
#include "tst_tnumeria.moc"
