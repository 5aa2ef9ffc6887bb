#include "app/tnumeria.h"

#include "app/splash.h"
#include "calc/tcalcola.h"
#include "info/tinfo.h"
#include "info/tversione.h"
#include "lang/fixedtexts.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "lang/regularfile.h"
#include "lesson/lessonfile.h"
#include "plane/tgeo.h"
#include "shell/helpcontexts.h"
#include "shell/helpviewer.h"
#include "shell/imagelist.h"
#include "shell/localelanguage.h"
#include "shell/mdichildwindow.h"
#include "shell/menuhelp.h"
#include "shell/qttexts.h"
#include "shell/shellvalues.h"
#include "space/tuncubo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

#include <utility>

namespace {

constexpr int TaskBarHeight = 28;
constexpr int LanguageFilePathCapacity = 250;

SettingsSurroundings settingsSurroundings()
{
    const QFileInfo local(QString::fromLatin1(SettingsFileName));
    const QFileInfo working(QDir::currentPath());
    return {working.canonicalFilePath(), QFileInfo(QDir::homePath()).canonicalFilePath(),
            qEnvironmentVariable("XDG_CONFIG_HOME"), local.exists() || local.isSymLink(), working.isWritable()};
}

QRect screenRect()
{
    return QGuiApplication::primaryScreen()->geometry();
}

// The largest picture the main window holds, kept at three bytes a pixel
// rather than the four Qt would convert it to: drawn, it shows the same pixels.
QPixmap backgroundPicture()
{
    const QImage picture(QStringLiteral(":/pictures/immatem.png"));
    return QPixmap::fromImage(picture.convertToFormat(QImage::Format_RGB888), Qt::NoFormatConversion);
}

} // namespace

Tnumeria::Tnumeria(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("numeria"));
    // The splash's title is in the language in force, so the language comes first.
    Language.LanguageIndex = quint8(LocaleLanguage::preselectedLanguage());
    readSettings();
    if (Language.LanguageIndex > French)
        LanguageFile::loadAtStartUp();
    showTitle(); // the desktop shows it from the first frame
    createSplash();

    Shell.ChildAreaWidth = Splash::Width;
    Shell.ChildAreaHeight = Splash::Height;

    m_splash->start();
}

void Tnumeria::createSplash()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    const QRect screen = screenRect();
    setGeometry((screen.width() - Splash::Width) / 2, (screen.height() - Splash::Height) * 5 / 12, Splash::Width,
                Splash::Height);
    m_splash = new Splash;
    // Queued, so that the frame is on screen before the rest loads.
    connect(m_splash, &Splash::firstPainted, this, &Tnumeria::completeStartUp, Qt::QueuedConnection);
    connect(m_splash, &Splash::finished, this, &Tnumeria::endSplash);
    setCentralWidget(m_splash);
}

void Tnumeria::completeStartUp()
{
    if (std::exchange(m_started, true))
        return;
    m_frame = new QMdiArea(this);
    m_frame->hide();
    Immatem = new QLabel(this);
    Immatem->hide();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/aralda.png")));
    createMenus();
    if (Language.LanguageLoaded)
        showLoadedLanguage();
    Mostrasuggerimenti1->setChecked(Shell.MainShowHints);
    Lingua1->menuAction()->setIcon(currentFlag());
    QtTexts::follow(Language.LanguageIndex, Language.LanguageFilePath);
    ApplyMainTexts();
}

QAction *Tnumeria::addMenuItem(QMenu *menu, const char *name, int helpContext, void (Tnumeria::*handler)())
{
    auto *action = new QAction(this);
    action->setObjectName(QString::fromLatin1(name));
    if (helpContext)
        MenuHelp::setTopic(action, helpContext);
    if (handler)
        connect(action, &QAction::triggered, this, handler);
    menu ? menu->addAction(action) : menuBar()->addAction(action);
    return action;
}

void Tnumeria::createMenus()
{
    Ambiente1 = menuBar()->addMenu(QString());
    Ambiente1->setObjectName(QStringLiteral("Ambiente1"));
    createLessonItems();
    Calcolatrice1 = addMenuItem(Ambiente1, "Calcolatrice1", HelpContext::Calculator, &Tnumeria::Calcolatrice1Click);
    Ambiente1->addSeparator()->setObjectName(QStringLiteral("N11"));
    Mostrasuggerimenti1 = addMenuItem(Ambiente1, "Mostrasuggerimenti1", HelpContext::Hints,
                                      &Tnumeria::Mostrasuggerimenti1Click);
    Mostrasuggerimenti1->setCheckable(true);
    Mostrasuggerimenti1->setChecked(true);
    Ambiente1->addSeparator()->setObjectName(QStringLiteral("N12"));

    Lingua1 = Ambiente1->addMenu(QString());
    Lingua1->setObjectName(QStringLiteral("Lingua1"));
    MenuHelp::setTopic(Lingua1->menuAction(), HelpContext::Language);
    Francese1 = addMenuItem(Lingua1, "Francese1", HelpContext::Language, &Tnumeria::Francese1Click);
    Francese1->setIcon(ImageList1::image(ImageList1::FrenchFlag));
    Inglese1 = addMenuItem(Lingua1, "Inglese1", HelpContext::Language, &Tnumeria::Inglese1Click);
    Inglese1->setIcon(ImageList1::image(ImageList1::EnglishFlag));
    Italiano1 = addMenuItem(Lingua1, "Italiano1", HelpContext::Language, &Tnumeria::Italiano1Click);
    Italiano1->setIcon(ImageList1::image(ImageList1::ItalianFlag));
    altra = addMenuItem(Lingua1, "altra", HelpContext::Language, &Tnumeria::altraClick);
    altra->setVisible(false);

    Caricaunaltraversione1 = addMenuItem(Ambiente1, "Caricaunaltraversione1", HelpContext::Language,
                                         &Tnumeria::Caricaunaltraversione1Click);
    Linguapredefinita1 = addMenuItem(Ambiente1, "Linguapredefinita1", HelpContext::Language,
                                     nullptr); // toggles its own check mark, read at exit
    Linguapredefinita1->setCheckable(true);
    Ambiente1->addSeparator()->setObjectName(QStringLiteral("N2"));
    Uscita1 = addMenuItem(Ambiente1, "Uscita1", HelpContext::Exit, &Tnumeria::Uscita1Click);
    Uscita1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    Trasformazioni1 = addMenuItem(nullptr, "Trasformazioni1", HelpContext::PlaneWindow, &Tnumeria::Trasformazioni1Click);
    Spaziali1 = addMenuItem(nullptr, "Spaziali1", HelpContext::SpaceWindow, &Tnumeria::Spaziali1Click);

    Finestre1 = menuBar()->addMenu(QString());
    Finestre1->setObjectName(QStringLiteral("Finestre1"));
    Precedente1 = addMenuItem(Finestre1, "Precedente1", 0, &Tnumeria::Precedente1Click);
    Precedente1->setIcon(ImageList1::image(ImageList1::PreviousPicture));
    Successiva1 = addMenuItem(Finestre1, "Successiva1", 0, &Tnumeria::Successiva1Click);
    Successiva1->setIcon(ImageList1::image(ImageList1::NextPicture));
    Chiudetutte1 = addMenuItem(Finestre1, "Chiudetutte1", 0, &Tnumeria::Chiudetutte1Click);
    // Ctrl+W and Ctrl+F4 close the active child window, as in every desktop
    // program; no menu item shows them, so the menus keep their texts.
    auto *closeChild = new QAction(this);
    closeChild->setObjectName(QStringLiteral("chiudefinestra"));
    closeChild->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)});
    connect(closeChild, &QAction::triggered, m_frame, &QMdiArea::closeActiveSubWindow);
    addAction(closeChild);

    N1 = menuBar()->addMenu(QString());
    N1->setObjectName(QStringLiteral("N1"));
    Guida1 = addMenuItem(N1, "Guida1", 0, &Tnumeria::Guida1Click);
    Guida1->setIcon(ImageList1::image(ImageList1::HelpPicture));
    Guida1->setShortcut(QKeySequence::HelpContents);
    N1->addSeparator()->setObjectName(QStringLiteral("N3"));
    email1 = addMenuItem(N1, "email1", 0, &Tnumeria::email1Click);
    N1->addSeparator()->setObjectName(QStringLiteral("N4"));
    QRHomepage1 = addMenuItem(N1, "QRHomepage1", 0, &Tnumeria::QRHomepage1Click);
    N1->addSeparator()->setObjectName(QStringLiteral("N10"));
    Informazioni1 = addMenuItem(N1, "Informazioni1", 0, &Tnumeria::Informazioni1Click);

    new MenuHelp(this, menuBar(), {Ambiente1, Lingua1, Finestre1, N1});
    setMenusVisible(false);
}

void Tnumeria::setMenusVisible(bool visible)
{
    for (QAction *item : {Ambiente1->menuAction(), Trasformazioni1, Spaziali1, Finestre1->menuAction(),
                          N1->menuAction()})
        item->setVisible(visible);
    menuBar()->setVisible(visible);
}

void Tnumeria::readSettings()
{
    m_settingsPath = settingsFilePath(settingsSurroundings());
    RegularFile::removeWriteLeftovers(m_settingsPath);
    const SettingsReadResult result = readSettingsFile(m_settingsPath);
    if (result.status == SettingsReadStatus::Read) {
        m_settings = result.record;
        Shell.MainShowHints = m_settings.hints;
        Language.LanguageFilePath = m_settings.pathText();
        Language.LanguageIndex = m_settings.language;
        return;
    }
    m_settingsUnreadable = result.status == SettingsReadStatus::Damaged;
    m_settings.hints = Shell.MainShowHints;
    m_settings.language = Language.LanguageIndex;
}

void Tnumeria::showLoadedLanguage()
{
    altra->setText(MenuTexts.cell(21, LoadedLanguage));
    altra->setVisible(true);
    QPixmap flag;
    if (const auto bytes = LanguageFile::readFlagPicture(Language.LanguageFilePath))
        flag.loadFromData(*bytes);
    altra->setIcon(flag.isNull() ? QIcon() : ImageList1::image(ImageList1::append(flag)));
}

QIcon Tnumeria::currentFlag() const
{
    switch (Language.LanguageIndex) {
    case Italian: return ImageList1::image(ImageList1::ItalianFlag);
    case French: return ImageList1::image(ImageList1::FrenchFlag);
    case LoadedLanguage: return altra->icon();
    default: return ImageList1::image(ImageList1::EnglishFlag);
    }
}

void Tnumeria::showTitle()
{
    setWindowTitle(LongTexts.text(0));
    QCoreApplication::setApplicationName(LongTexts.text(0));
}

void Tnumeria::ApplyMainTexts()
{
    showTitle();
    const std::pair<QAction *, int> captions[] = {
        {Ambiente1->menuAction(), 0}, {Mostrasuggerimenti1, 1}, {Calcolatrice1, 2},
        {Lingua1->menuAction(), 3}, {Francese1, 4}, {Inglese1, 5}, {Italiano1, 6}, {Uscita1, 7},
        {Finestre1->menuAction(), 8}, {Precedente1, 9}, {Successiva1, 10}, {Chiudetutte1, 11},
        {N1->menuAction(), 12}, {Guida1, 13}, {Informazioni1, 14}, {Trasformazioni1, 15},
        {Spaziali1, 16}, {email1, 17}, {QRHomepage1, 18}, {Caricaunaltraversione1, 19},
        {Linguapredefinita1, 20},
    };
    for (const auto &[item, row] : captions)
        item->setText(MenuTexts.text(row));
    altra->setText(MenuTexts.cell(21, LoadedLanguage));
    apriLezione->setText(noticeText(OpenLessonItem));
    salvaLezione->setText(noticeText(SaveLessonItem));
    lezioniPronte->setTitle(noticeText(ReadyLessonsItem));
    // Filled when it first opens in this language: the start-up reads no lesson.
    lezioniPronte->clear();
    if (m_splash)
        m_splash->placeTitle();
}

void Tnumeria::endSplash()
{
    completeStartUp(); // in case the splash was never drawn
    hide();

    const QRect screen = screenRect();
    setWindowFlags(Qt::Window);
    delete takeCentralWidget(); // the splash
    setCentralWidget(m_frame);
    m_frame->show();
    m_frame->setObjectName(QStringLiteral("frame"));
    m_frame->setBackground(Qt::black);
    m_frame->setActivationOrder(QMdiArea::StackingOrder);
    Immatem->setParent(m_frame->viewport());
    Immatem->setObjectName(QStringLiteral("Immatem"));
    Immatem->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    Immatem->setAttribute(Qt::WA_TransparentForMouseEvents);
    Immatem->hide();
    m_frame->viewport()->installEventFilter(this);

    setMenusVisible(true);
    const int textHeight = QFontMetrics(font()).height();
    Shell.PanelHeight = 2 * textHeight;
    Shell.SmallControlHeight = textHeight + 4;

    setGeometry(0, 0, screen.width(), screen.height() - TaskBarHeight);
    showMaximized();
    if (layout())
        layout()->activate();

    Shell.ChildAreaHeight = m_frame->height() - 4;
    Shell.ChildAreaWidth = m_frame->width() - 4;
    fitBackground();
    QCursor::setPos(m_frame->width() / 2, m_frame->height() / 10);

    ShowBackgroundIfIdle();
    if (m_settingsUnreadable)
        showSettingsUnreadable();
    if (!m_lessonAtStart.isEmpty())
        openLesson(std::exchange(m_lessonAtStart, QString()));
}

void Tnumeria::fitBackground()
{
    Immatem->setGeometry(0, 0, m_frame->viewport()->width(), m_frame->viewport()->height());
    Immatem->lower();
}

void Tnumeria::showSettingsUnreadable()
{
    auto *box = new QMessageBox(QMessageBox::Warning, LongTexts.text(0),
                                settingsMessage(SettingsUnreadable, m_settingsPath), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("settingsUnreadable"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Tnumeria::HideBackground()
{
    // The windows cover it until they all close; it is read again then.
    Immatem->hide();
    Immatem->clear();
}

void Tnumeria::ShowBackgroundIfIdle()
{
    if (!Shell.PlaneWindowClosed || !Shell.SpaceWindowClosed || m_splash)
        return;
    if (Immatem->pixmap().isNull())
        Immatem->setPixmap(backgroundPicture());
    Immatem->show();
}

void Tnumeria::bringToFront(QMdiSubWindow *child)
{
    m_frame->setActiveSubWindow(child);
    child->raise();
}

// One window of a kind at most: a second command brings the first forward.
template <typename Window>
void Tnumeria::openOrRaise(QPointer<Window> &window, bool closed)
{
    if (!closed && window) {
        bringToFront(window);
        return;
    }
    HideBackground(); // first, so that the picture and the new window are never held together
    window = new Window;
    connect(window, &MdiChildWindow::closed, this, &Tnumeria::ShowBackgroundIfIdle);
    connect(window, &MdiChildWindow::closed, this, &Tnumeria::updateLessonItems);
    m_frame->addSubWindow(window);
    window->show();
}

void Tnumeria::Trasformazioni1Click()
{
    openOrRaise(m_plane, Shell.PlaneWindowClosed);
    updateLessonItems();
}

void Tnumeria::createLessonItems()
{
    apriLezione = addMenuItem(Ambiente1, "apriLezione", HelpContext::PlaneWindow, &Tnumeria::apriLezioneClick);
    apriLezione->setShortcut(QKeySequence::Open);
    salvaLezione = addMenuItem(Ambiente1, "salvaLezione", HelpContext::PlaneWindow, &Tnumeria::salvaLezioneClick);
    // Ctrl+S stays the picture's.
    salvaLezione->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    salvaLezione->setEnabled(false);
    lezioniPronte = Ambiente1->addMenu(QString());
    lezioniPronte->setObjectName(QStringLiteral("lezioniPronte"));
    connect(lezioniPronte, &QMenu::aboutToShow, this, [this] {
        if (lezioniPronte->isEmpty())
            fillReadyLessons();
    });
    Ambiente1->addSeparator()->setObjectName(QStringLiteral("lessonsEnd"));
}

// One item per ready lesson, named by its title in the language in force.
void Tnumeria::fillReadyLessons()
{
    const QDir folder(QStringLiteral(":/lessons"));
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const LessonFile::ReadResult read = LessonFile::parse(file.read(LessonFile::SizeLimit), Language.LanguageIndex);
        QAction *item = lezioniPronte->addAction(read.lesson ? read.lesson->title : name);
        item->setObjectName(QStringLiteral("lezione_") + QFileInfo(name).completeBaseName());
        connect(item, &QAction::triggered, this, [this, path] { openLesson(path); });
    }
}

void Tnumeria::updateLessonItems()
{
    salvaLezione->setEnabled(m_plane && !Shell.PlaneWindowClosed);
}

void Tnumeria::openLesson(const QString &path)
{
    Trasformazioni1Click();
    if (m_plane)
        m_plane->openLessonFile(path);
}

void Tnumeria::apriLezioneClick()
{
    Trasformazioni1Click();
    if (m_plane)
        m_plane->askToOpenLesson();
}

void Tnumeria::salvaLezioneClick()
{
    if (m_plane && !Shell.PlaneWindowClosed)
        m_plane->askToSaveLesson();
}

void Tnumeria::Spaziali1Click()
{
    openOrRaise(m_space, Shell.SpaceWindowClosed);
}

void Tnumeria::Calcolatrice1Click()
{
    TCalcola::execute(this);
}

void Tnumeria::Mostrasuggerimenti1Click()
{
    Shell.MainShowHints = !Shell.MainShowHints;
    Mostrasuggerimenti1->setChecked(Shell.MainShowHints);
}

void Tnumeria::chooseLanguage(int column)
{
    Language.LanguageIndex = quint8(column);
    Lingua1->menuAction()->setIcon(currentFlag());
    Chiudetutte1Click();
    QtTexts::follow(Language.LanguageIndex, Language.LanguageFilePath);
    ApplyMainTexts();
}

void Tnumeria::Francese1Click()
{
    chooseLanguage(French);
}

void Tnumeria::Inglese1Click()
{
    chooseLanguage(English);
}

void Tnumeria::Italiano1Click()
{
    chooseLanguage(Italian);
}

void Tnumeria::altraClick()
{
    if (Language.LanguageLoaded)
        chooseLanguage(LoadedLanguage);
}

void Tnumeria::Caricaunaltraversione1Click()
{
    QFileDialog OpenDialog1(this, QString(), QString(), QStringLiteral("Textfile (*.lng)"));
    OpenDialog1.setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1.setDefaultSuffix(QStringLiteral("lng"));
    OpenDialog1.setFileMode(QFileDialog::ExistingFile);
    // A desktop's own dialog (GTK's, a portal's) would ignore Qt's catalogue
    // and speak the desktop's language rather than the program's.
    OpenDialog1.setOption(QFileDialog::DontUseNativeDialog);
    if (OpenDialog1.exec() != QDialog::Accepted || OpenDialog1.selectedFiles().isEmpty())
        return;
    const QString chosen = OpenDialog1.selectedFiles().constFirst().left(LanguageFilePathCapacity);
    // A refused file changes nothing: the language in force keeps its path,
    // so that "Default language" never stores a file that could not be used.
    const auto lines = LanguageFile::hasLanguageExtension(chosen) ? LanguageFile::readLines(chosen) : std::nullopt;
    if (!lines || !LanguageFile::isValid(*lines)) {
        Tversione(chosen, this).exec();
        return;
    }
    Language.LanguageFilePath = chosen;
    LanguageFile::fillLoadedColumn(*lines);
    showLoadedLanguage();
    chooseLanguage(LoadedLanguage);
}

void Tnumeria::Uscita1Click()
{
    close();
}

void Tnumeria::Precedente1Click()
{
    m_frame->activateNextSubWindow();
}

void Tnumeria::Successiva1Click()
{
    m_frame->activatePreviousSubWindow();
}

void Tnumeria::Chiudetutte1Click()
{
    for (QMdiSubWindow *child : m_frame->subWindowList(QMdiArea::CreationOrder))
        child->close();
    ShowBackgroundIfIdle();
}

void Tnumeria::Guida1Click()
{
    HelpViewer::showContents();
}

void Tnumeria::email1Click()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(FixedTexts::AuthorMail)));
    showMinimized();
}

void Tnumeria::QRHomepage1Click()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(FixedTexts::HomePage)));
    showMinimized();
}

void Tnumeria::Informazioni1Click()
{
    Tinfo info(this);
    info.exec();
}

void Tnumeria::writeSettings()
{
    // Ended before the menus were made, "Default language" was never there to check.
    const bool defaultLanguage = Linguapredefinita1 && Linguapredefinita1->isChecked();
    const SettingsAtExit state{defaultLanguage, Shell.MainShowHints, Language.LanguageIndex,
                               Language.LanguageFilePath};
    const auto record = settingsToSave(m_settings, state);
    if (!record)
        return;
    // The configuration folder is made only when there is something to keep in it.
    QDir().mkpath(QFileInfo(m_settingsPath).path());
    if (const auto failure = writeSettingsFile(*record, m_settingsPath)) {
        QMessageBox box(QMessageBox::Warning, LongTexts.text(0),
                        settingsMessage(SettingsNotSaved, m_settingsPath) + QLatin1Char('\n') + *failure,
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("settingsNotSaved"));
        box.exec();
    }
}

void Tnumeria::closeEvent(QCloseEvent *event)
{
    writeSettings();
    // The help window stands on its own on the desktop and would keep the
    // program running after its end.
    if (HelpViewer *help = HelpViewer::current())
        help->close();
    event->accept();
}

bool Tnumeria::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_frame->viewport() && event->type() == QEvent::Resize)
        fitBackground();
    return QMainWindow::eventFilter(watched, event);
}
