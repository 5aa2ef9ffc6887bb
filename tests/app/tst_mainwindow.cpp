#include "app/fontwarmup.h"
#include "lang/languagetables.h"
#include "mainwindowtest.h"
#include "plane/tgeo.h"
#include "shell/helpviewer.h"
#include "shell/imagelist.h"
#include "shell/qttexts.h"
#include "shell/shellvalues.h"
#include "support/guitest.h"
#include "support/settingsbytes.h"
#include "support/specialfiles.h"

#include <QColorSpace>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QScopeGuard>
#include <QSet>
#include <QStyle>
#include <QTest>

#include <algorithm>

namespace {

const QString SettingsFile = QStringLiteral("Aralda.cfg");

bool backgroundShown(Tnumeria &window)
{
    return window.findChild<QLabel *>(QStringLiteral("Immatem"))->isVisible();
}

QString qtCatalogue(const char *language)
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_%1.qm").arg(QLatin1String(language));
}

QImage flagShown(Tnumeria &window)
{
    return item(window, QStringLiteral("Lingua1"))->icon().pixmap(16, 16).toImage();
}

// The colours of `picture` outside every one of `areas`.
QSet<QRgb> coloursOutside(const QImage &picture, const QList<QRect> &areas = {})
{
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (std::none_of(areas.begin(), areas.end(), [x, y](const QRect &area) { return area.contains(x, y); }))
                colours.insert(picture.pixel(x, y));
    return colours;
}

// "name=caption" for each entry, menus before their entries, separators left out.
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

// A valid language file "NAME.lng" whose own name is NAME, with its file
// menu, beside a 16 x 16 magenta flag.
QByteArray writeLanguageFile(const QByteArray &name, const QByteArray &fileMenu)
{
    QByteArray lines;
    for (int line = 0; line < 277; ++line)
        lines += line == 82 ? "### m\r\n"_qba : "## " + (line == 86 ? name : line == 87 ? fileMenu : "x"_qba) + "\r\n";
    writeFileBytes(QString::fromLatin1(name + ".lng"), lines);
    QImage flag(16, 16, QImage::Format_RGB32);
    flag.fill(Qt::magenta);
    flag.save(QString::fromLatin1(name + ".bmp"), "BMP");
    return lines;
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

} // namespace

// The main window itself: its splash, menus, languages, help, child windows
// and settings.
class TestMainWindow : public MainWindowCases
{
    Q_OBJECT

private slots:
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
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("Imatem"))->cursor().shape(), Qt::BlankCursor);
        QVERIFY(!window.mdiArea());
        const auto label = [&window](const char *name) { return window.findChild<QLabel *>(QString::fromLatin1(name)); };
        const auto placed = [](QLabel *shown, int top) {
            QCOMPARE(shown->geometry(), QRect(QPoint((Splash::Width - shown->width()) / 2, top), shown->sizeHint()));
        };
        const QRect title = label("Label1")->geometry();
        placed(label("Label1"), (280 - title.height()) / 2 - 10);
        QImage frame = window.grab().toImage();
        QVERIFY(coloursOutside(frame.copy(title)).contains(QColor(Qt::white).rgb()));
        QCOMPARE(coloursOutside(frame, {title}), QSet<QRgb>{QColor(Qt::blue).rgb()});

        tick(window, 0, 0); // the real timers stopped: the test counts the ticks
        QCoreApplication::processEvents(); // draws the first frame
        QCoreApplication::sendPostedEvents(); // what the frame queued
        QVERIFY(!window.menuBar()->isVisible());
        QCOMPARE(QtTexts::inForce(), qtCatalogue("it"));
        const QImage icon = QPixmap(QStringLiteral(":/pictures/aralda.png")).toImage();
        QCOMPARE(QApplication::windowIcon().pixmap(icon.size()).toImage(), icon);

        QLabel *author = label("Label2");
        tick(window, 40, 0);
        QVERIFY(!author->isVisible());
        tick(window, 1, 0);
        QVERIFY(author->isVisible());
        const QRect school = label("Label3")->geometry();
        placed(author, 15);
        placed(label("Label3"), 280 - school.height() - 15);
        frame = window.grab().toImage();
        QVERIFY(coloursOutside(frame.copy(author->geometry())).contains(QColor(Qt::cyan).rgb()));
        QVERIFY(coloursOutside(frame.copy(school)).contains(QColor(Qt::cyan).rgb()));
        QCOMPARE(coloursOutside(frame, {title, author->geometry(), school}), QSet<QRgb>{QColor(Qt::blue).rgb()});

        tick(window, 0, 24);
        QVERIFY(!window.isMaximized());
        tick(window, 0, 1);
        QVERIFY(window.isMaximized());
        QVERIFY(!(window.windowFlags() & Qt::FramelessWindowHint));
        for (const char *name : {"Ambiente1", "Trasformazioni1", "Spaziali1", "Finestre1", "N1"})
            QVERIFY2(item(window, QString::fromLatin1(name))->isVisible(), name);
        QVERIFY(!window.findChild<QWidget *>(QStringLiteral("Imatem")));
        QVERIFY(backgroundShown(window));
        QCOMPARE(window.mdiArea()->background().color(), QColor(Qt::black));
        const int textHeight = QFontMetrics(window.font()).height();
        QCOMPARE(QList<int>({Shell.PanelHeight, Shell.SmallControlHeight, Shell.ChildAreaWidth, Shell.ChildAreaHeight}),
                 QList<int>({2 * textHeight, textHeight + 4, window.mdiArea()->width() - 4,
                             window.mdiArea()->height() - 4}));
    }

    // CTest also runs this alone in other locales (see CMakeLists.txt): the
    // user's own locale settings choose the first language.
    void startsInTheLocaleLanguage()
    {
        QLocale::setDefault(QLocale::system());
        Tnumeria window;
        QCOMPARE(int(Language.LanguageIndex), qEnvironmentVariable("EXPECTED_LANGUAGE", QStringLiteral("1")).toInt());
        window.completeStartUp();
        QCOMPARE(item(window, u"Ambiente1"_qs)->text(), qEnvironmentVariable("EXPECTED_FILE_MENU", u"&File"_qs));
    }

    // Started in French, Italian then English chosen: each choice reaches the
    // menus, the flag and Qt's own texts. The menus are walked as built, so
    // that an item missing, doubled, moved or captioned with its neighbour's
    // text fails; the English captions, all different, show which row each
    // item takes, and "altra" stays empty with no language file loaded.
    void languageCommandsReachTheMenus()
    {
        auto window = startedWindow("fr_FR");
        QCOMPARE(flagShown(*window), ImageList1::image(ImageList1::FrenchFlag).pixmap(16, 16).toImage());
        item(*window, QStringLiteral("Italiano1"))->trigger();
        QCOMPARE(flagShown(*window), ImageList1::image(ImageList1::ItalianFlag).pixmap(16, 16).toImage());
        QCOMPARE(QtTexts::inForce(), qtCatalogue("it"));
        item(*window, QStringLiteral("Inglese1"))->trigger();
        QCOMPARE(flagShown(*window), ImageList1::image(ImageList1::EnglishFlag).pixmap(16, 16).toImage());
        QCOMPARE(QtTexts::inForce(), QString());
        QCOMPARE(menuWalk(window->menuBar()->actions()),
                 QString::fromUtf8("Ambiente1=&File|apriLezione=&Open lesson…|salvaLezione=&Save lesson…|"
                                   "lezioniPronte=&Ready lessons|Calcolatrice1=&Calculator|Mostrasuggerimenti1=&Hints|"
                                   "Lingua1=&Language|Francese1= &French|Inglese1= &English|Italiano1= &Italian|altra=|"
                                   "Caricaunaltraversione1=Load another &version|Linguapredefinita1=&Default language|"
                                   "Uscita1=E&xit|Trasformazioni1=&Transformations on the plane|"
                                   "Spaziali1=&Rotations in space|Finestre1=&Windows|Precedente1=&Previous|"
                                   "Successiva1=&Next|Chiudetutte1=&All closed|N1=   ?   |Guida1=&Help|email1=&e-mail|"
                                   "QRHomepage1=&Q&&R Home page|Informazioni1=&About")
                     .split(QLatin1Char('|')));
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
        auto *closeChild = window->findChild<QAction *>(QStringLiteral("chiudefinestra"));
        QCOMPARE(closeChild->shortcuts(), QKeySequence::listFromString(QStringLiteral("Ctrl+W; Ctrl+F4")));
        closeChild->trigger();
        QCOMPARE(frame->subWindowList(), QList<QMdiSubWindow *>{plane});
        QVERIFY(!backgroundShown(*window));
        // Closed but not yet deleted, the old window is no longer the one to raise.
        item(*window, QStringLiteral("Spaziali1"))->trigger();
        QCOMPARE(frame->subWindowList().size(), 2);
        QVERIFY(frame->activeSubWindow() && frame->activeSubWindow()->isVisible());
        item(*window, QStringLiteral("Chiudetutte1"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(frame->subWindowList().isEmpty());
        QVERIFY(backgroundShown(*window));
        QCOMPARE(background->pixmap().size(), QSize(900, 560));
    }

    // F1 on an item highlighted in a menu ("-": on the menu bar) opens its page.
    void helpKeyOnAHighlightedMenuItem_data()
    {
        QTest::addColumn<QStringList>("row"); // menu, item, page
        for (const char *row : {"Ambiente1 Calcolatrice1 101", "Ambiente1 Uscita1 102", "Ambiente1 Mostrasuggerimenti1 103",
                                "Lingua1 Inglese1 4", "- Trasformazioni1 201", "- Spaziali1 202"})
            QTest::newRow(row) << QString::fromLatin1(row).split(QLatin1Char(' '));
    }

    void helpKeyOnAHighlightedMenuItem()
    {
        QFETCH(QStringList, row);
        auto window = startedWindow();
        QWidget *target = window->menuBar();
        if (row[0] == QLatin1String("-")) {
            window->menuBar()->setActiveAction(item(*window, row[1]));
        } else {
            auto *popup = window->findChild<QMenu *>(row[0]);
            popup->popup(QPoint(0, 0));
            popup->setActiveAction(item(*window, row[1]));
            target = popup;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        QVERIFY(HelpViewer::current());
        QCOMPARE(HelpViewer::current()->currentPage().toString(), QStringLiteral("qrc:/help/en/%1.html").arg(row[2]));
    }

    // What goes to the desktop (a URL scheme) minimises the main window; the
    // modal windows (a class) open over it.
    void commandsOpenTheirWindows_data()
    {
        QTest::addColumn<QStringList>("row"); // command, what opens
        for (const char *row : {"email1 mailto", "QRHomepage1 https", "Calcolatrice1 TCalcola", "Informazioni1 Tinfo"})
            QTest::newRow(row) << QString::fromLatin1(row).split(QLatin1Char(' '));
    }

    void commandsOpenTheirWindows()
    {
        QFETCH(QStringList, row);
        const QString &opens = row[1];
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
        item(*window, row[0])->trigger();
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
    }

    // A write ended half-way leaves its temporary file beside the settings:
    // a hidden name of the program's own. A user's files of a like name, six
    // letters after "Aralda.cfg." and no larger than a record, are theirs.
    void leftoverTemporariesOfTheSettingsGoAtStart()
    {
        writeFileBytes(SettingsFile, settingsRecord(1, 2));
        writeFileBytes(QStringLiteral(".Aralda.cfg.aralda-tmp-AbC1eF"), settingsRecord(0, 0).left(120));
        writeFileBytes(QStringLiteral(".Aralda.cfg.aralda-tmp-zzzzzz"), QByteArray());
        QStringList kept{"Aralda.cfg.AbCdEf", ".Aralda.cfg.aralda-tmp-AbCdE", ".Aralda.cfg.aralda-tmp-AbCdEfg",
                         ".Aralda.cfg.aralda-tmp-AbC-Ef", "target.bin"};
        for (const QString &name : kept)
            writeFileBytes(name, settingsRecord(0, 0));
        QVERIFY(QDir().mkdir(QStringLiteral(".Aralda.cfg.aralda-tmp-DiRdIr")));
        QVERIFY(makeLink(QStringLiteral("target.bin"), QStringLiteral(".Aralda.cfg.aralda-tmp-LiNkEd")));
        kept << ".Aralda.cfg.aralda-tmp-DiRdIr" << ".Aralda.cfg.aralda-tmp-LiNkEd" << SettingsFile;
        kept.sort();

        auto window = startedWindow();
        QCOMPARE(int(Language.LanguageIndex), int(French));
        QCOMPARE(folderEntries(), kept);
        QCOMPARE(fileBytes(QStringLiteral("target.bin")), settingsRecord(0, 0));
    }

    // Loaded at start from the settings, with Qt's catalogue beside it, then
    // another from the menu, which closes the windows. A refused file changes
    // nothing, not even the lines of the language loaded before.
    void languageFiles()
    {
        writeFileBytes(SettingsFile, settingsRecord(1, 3, "sardu.lng"));
        QByteArray lines = writeLanguageFile("sardu", "&Archiviu");
        QVERIFY(QFile::copy(qtCatalogue("de"), QStringLiteral("sardu.qm")));
        writeLanguageFile("logudorese", "&Documentos");
        writeFileBytes(QStringLiteral("firma.lng"), lines.replace("### m", "### x")); // no signature
        auto window = startedWindow("it_IT");
        QCOMPARE(int(Language.LanguageIndex), int(LoadedLanguage));
        QCOMPARE(item(*window, QStringLiteral("altra"))->text(), QStringLiteral("sardu"));
        QVERIFY(item(*window, QStringLiteral("altra"))->isVisible());
        QCOMPARE(item(*window, QStringLiteral("Ambiente1"))->text(), QStringLiteral("&Archiviu"));
        QCOMPARE(flagShown(*window).pixelColor(8, 8), QColor(Qt::magenta));
        QCOMPARE(QtTexts::inForce(), QDir::current().absoluteFilePath(QStringLiteral("sardu.qm")));
        item(*window, QStringLiteral("Trasformazioni1"))->trigger();
        item(*window, QStringLiteral("Spaziali1"))->trigger();

        const QStringList sardu = Language.LanguageLines;
        QCOMPARE(chooseLanguageFile(*window, QStringLiteral("firma.lng")), QStringLiteral("firma.lng"));
        QCOMPARE(Language.LanguageLines, sardu);
        QCOMPARE(Language.LanguageFilePath, QStringLiteral("sardu.lng"));
        QCOMPARE(window->mdiArea()->subWindowList().size(), 2);

        QCOMPARE(chooseLanguageFile(*window, QStringLiteral("logudorese.lng")), QString());
        QCOMPARE(item(*window, QStringLiteral("altra"))->text(), QStringLiteral("logudorese"));
        QCOMPARE(item(*window, QStringLiteral("Ambiente1"))->text(), QStringLiteral("&Documentos"));
        QCOMPARE(Language.LanguageFilePath, QFileInfo(QStringLiteral("logudorese.lng")).absoluteFilePath());
        QCOMPARE(QtTexts::inForce(), QString()); // no catalogue beside it
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window->mdiArea()->subWindowList().isEmpty()); // the switch closed both windows
        QVERIFY(backgroundShown(*window));
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
        QVERIFY(window->findChild<Tgeo *>()->windowTitle().endsWith(QStringLiteral("Deux symétries d'axes parallèles")));
        QVERIFY(item(*window, QStringLiteral("salvaLezione"))->isEnabled());
    }

    // Fontconfig, Qt's font database here, is found in the process as in the
    // program (a miss would quietly leave the loading to the main thread);
    // destroyed without a wait, it still ends its thread, or the program ends.
    void fontWarmUpStartsWhereFontconfigIsAndEnds()
    {
        FontWarmUp warmUp;
        QVERIFY(warmUp.started());
        warmUp.wait();
        warmUp.wait(); // a second wait returns at once
        QVERIFY(std::make_unique<FontWarmUp>()->started());
    }

public slots:
    void openUrl(const QUrl &url) { m_opened = url; }

private:
    QUrl m_opened;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
