#include "app/tnumeria.h"

#include "app/helpviewer.h"
#include "app/imagelist.h"
#include "app/localelanguage.h"
#include "app/shellvalues.h"
#include "info/tversione.h"
#include "calc/tcalcola.h"
#include "lang/fixedtexts.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "plane/tgeo.h"
#include "space/tuncubo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int SplashWidth = 445;
constexpr int SplashHeight = 280;
constexpr int FirstPhaseTicks = 40;  // the first phase ends when the count passes this
constexpr int SecondPhaseTicks = 65; // and the splash when it passes this
constexpr int TaskBarHeight = 28;
constexpr int LanguageFilePathCapacity = 250;

constexpr int FrenchFlag = 24;
constexpr int EnglishFlag = 25;
constexpr int ItalianFlag = 26;
constexpr int HelpImage = 12;
constexpr int PreviousImage = 13;
constexpr int NextImage = 14;

constexpr int LanguageHelp = 4;
constexpr int CalculatorHelp = 101;
constexpr int ExitHelp = 102;
constexpr int HintsHelp = 103;
constexpr int PlaneHelp = 201;
constexpr int SpaceHelp = 202;

const char *const HelpContextProperty = "helpContext";

QRect screenRect()
{
    return QGuiApplication::primaryScreen()->geometry();
}

QLabel *splashLabel(QWidget *parent, const QString &text, const QFont &font, const char *name)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: aqua; background: blue;"));
    label->adjustSize();
    return label;
}

void centreHorizontally(QLabel *label, int top, int width)
{
    label->move((width - label->width()) / 2, top);
}

} // namespace

Tnumeria::Tnumeria(QWidget *parent)
    : QMainWindow(parent)
    , Immatem(new QLabel(this))
    , m_frame(new QMdiArea(this))
{
    Immatem->hide();
    m_frame->hide();
    setObjectName(QStringLiteral("numeria"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/aralda.png")));
    createMenus();
    createSplash();

    Language.LanguageIndex = quint8(LocaleLanguage::preselectedLanguage());
    Linguapredefinita1->setIcon({});
    readSettings();
    if (Language.LanguageIndex > French) {
        LanguageFile::loadAtStartUp();
        if (Language.LanguageLoaded)
            showLoadedLanguage();
    }
    Mostrasuggerimenti1->setChecked(Shell.MainShowHints);
    Lingua1->menuAction()->setIcon(currentFlag());
    ApplyMainTexts();

    Shell.ChildAreaWidth = SplashWidth;
    Shell.ChildAreaHeight = SplashHeight;

    Timer3->start();
}

void Tnumeria::createSplash()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setStyleSheet(QStringLiteral("Tnumeria { background: blue; }"));
    const QRect screen = screenRect();
    setGeometry((screen.width() - SplashWidth) / 2, (screen.height() - SplashHeight) * 5 / 12,
                SplashWidth, SplashHeight);

    Imatem = new QWidget;
    Imatem->setObjectName(QStringLiteral("Imatem"));
    Imatem->setCursor(Qt::BlankCursor);
    setCentralWidget(Imatem);

    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(48);
    QFont nameFont(QStringLiteral("Arial"));
    nameFont.setPixelSize(16);
    nameFont.setBold(true);
    nameFont.setItalic(true);

    Label1 = splashLabel(Imatem, LongTexts.text(1), titleFont, "Label1");
    Label1->setStyleSheet(QStringLiteral("color: white; background: blue;"));
    Label2 = splashLabel(Imatem, QString::fromUtf8(FixedTexts::AuthorName), nameFont, "Label2");
    Label3 = splashLabel(Imatem, QString::fromUtf8(FixedTexts::SchoolName), nameFont, "Label3");
    Label2->hide();
    Label3->hide();

    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(1);
    connect(Timer3, &QTimer::timeout, this, &Tnumeria::Timer3Timer);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(35);
    connect(Timer1, &QTimer::timeout, this, &Tnumeria::Timer1Timer);
}

void Tnumeria::placeSplashLabels()
{
    Label1->setText(LongTexts.text(1));
    Label1->adjustSize();
    centreHorizontally(Label1, (SplashHeight - Label1->height()) / 2 - 10, SplashWidth);
    centreHorizontally(Label2, 15, SplashWidth);
    centreHorizontally(Label3, SplashHeight - Label3->height() - 15, SplashWidth);
}

QAction *Tnumeria::addMenuItem(QMenu *menu, const char *name, int helpContext, void (Tnumeria::*handler)())
{
    auto *action = new QAction(this);
    action->setObjectName(QString::fromLatin1(name));
    if (helpContext)
        action->setProperty(HelpContextProperty, helpContext);
    if (handler)
        connect(action, &QAction::triggered, this, handler);
    menu ? menu->addAction(action) : menuBar()->addAction(action);
    return action;
}

void Tnumeria::createMenus()
{
    Ambiente1 = menuBar()->addMenu(QString());
    Ambiente1->setObjectName(QStringLiteral("Ambiente1"));
    Calcolatrice1 = addMenuItem(Ambiente1, "Calcolatrice1", CalculatorHelp, &Tnumeria::Calcolatrice1Click);
    Ambiente1->addSeparator()->setObjectName(QStringLiteral("N11"));
    Mostrasuggerimenti1 = addMenuItem(Ambiente1, "Mostrasuggerimenti1", HintsHelp,
                                      &Tnumeria::Mostrasuggerimenti1Click);
    Mostrasuggerimenti1->setCheckable(true);
    Mostrasuggerimenti1->setChecked(true);
    Ambiente1->addSeparator()->setObjectName(QStringLiteral("N12"));

    Lingua1 = Ambiente1->addMenu(QString());
    Lingua1->setObjectName(QStringLiteral("Lingua1"));
    Lingua1->menuAction()->setProperty(HelpContextProperty, LanguageHelp);
    Francese1 = addMenuItem(Lingua1, "Francese1", LanguageHelp, &Tnumeria::Francese1Click);
    Francese1->setIcon(ImageList1::image(FrenchFlag));
    Inglese1 = addMenuItem(Lingua1, "Inglese1", LanguageHelp, &Tnumeria::Inglese1Click);
    Inglese1->setIcon(ImageList1::image(EnglishFlag));
    Italiano1 = addMenuItem(Lingua1, "Italiano1", LanguageHelp, &Tnumeria::Italiano1Click);
    Italiano1->setIcon(ImageList1::image(ItalianFlag));
    altra = addMenuItem(Lingua1, "altra", LanguageHelp, &Tnumeria::altraClick);
    altra->setVisible(false);

    Caricaunaltraversione1 = addMenuItem(Ambiente1, "Caricaunaltraversione1", LanguageHelp,
                                         &Tnumeria::Caricaunaltraversione1Click);
    Linguapredefinita1 = addMenuItem(Ambiente1, "Linguapredefinita1", LanguageHelp,
                                     nullptr); // toggles its own check mark, read at exit
    Linguapredefinita1->setCheckable(true);
    Ambiente1->addSeparator()->setObjectName(QStringLiteral("N2"));
    Uscita1 = addMenuItem(Ambiente1, "Uscita1", ExitHelp, &Tnumeria::Uscita1Click);
    Uscita1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    Trasformazioni1 = addMenuItem(nullptr, "Trasformazioni1", PlaneHelp, &Tnumeria::Trasformazioni1Click);
    Spaziali1 = addMenuItem(nullptr, "Spaziali1", SpaceHelp, &Tnumeria::Spaziali1Click);

    Finestre1 = menuBar()->addMenu(QString());
    Finestre1->setObjectName(QStringLiteral("Finestre1"));
    Precedente1 = addMenuItem(Finestre1, "Precedente1", 0, &Tnumeria::Precedente1Click);
    Precedente1->setIcon(ImageList1::image(PreviousImage));
    Successiva1 = addMenuItem(Finestre1, "Successiva1", 0, &Tnumeria::Successiva1Click);
    Successiva1->setIcon(ImageList1::image(NextImage));
    Chiudetutte1 = addMenuItem(Finestre1, "Chiudetutte1", 0, &Tnumeria::Chiudetutte1Click);

    N1 = menuBar()->addMenu(QString());
    N1->setObjectName(QStringLiteral("N1"));
    Guida1 = addMenuItem(N1, "Guida1", 0, &Tnumeria::Guida1Click);
    Guida1->setIcon(ImageList1::image(HelpImage));
    Guida1->setShortcut(QKeySequence::HelpContents);
    N1->addSeparator()->setObjectName(QStringLiteral("N3"));
    email1 = addMenuItem(N1, "email1", 0, &Tnumeria::email1Click);
    N1->addSeparator()->setObjectName(QStringLiteral("N4"));
    QRHomepage1 = addMenuItem(N1, "QRHomepage1", 0, &Tnumeria::QRHomepage1Click);
    N1->addSeparator()->setObjectName(QStringLiteral("N10"));
    Informazioni1 = addMenuItem(N1, "Informazioni1", 0, nullptr);

    for (QMenu *menu : {Ambiente1, Lingua1, Finestre1, N1})
        menu->installEventFilter(this);
    menuBar()->installEventFilter(this);
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
    const SettingsReadResult result = readSettingsFile();
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
    const QPixmap flag(LanguageFile::flagPicturePath(Language.LanguageFilePath));
    altra->setIcon(flag.isNull() ? QIcon() : ImageList1::image(ImageList1::append(flag)));
}

QIcon Tnumeria::currentFlag() const
{
    switch (Language.LanguageIndex) {
    case Italian: return ImageList1::image(ItalianFlag);
    case French: return ImageList1::image(FrenchFlag);
    case LoadedLanguage: return altra->icon();
    default: return ImageList1::image(EnglishFlag);
    }
}

void Tnumeria::ApplyMainTexts()
{
    setWindowTitle(LongTexts.text(0));
    QCoreApplication::setApplicationName(LongTexts.text(0));

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
    if (Label1)
        placeSplashLabels();
}

void Tnumeria::Timer3Timer()
{
    if (++m_splashTick <= FirstPhaseTicks)
        return;
    Label2->show();
    Label3->show();
    delete Timer3;
    Timer3 = nullptr;
    Timer1->start();
}

void Tnumeria::Timer1Timer()
{
    if (++m_splashTick <= SecondPhaseTicks)
        return;
    endSplash();
}

void Tnumeria::endSplash()
{
    hide();
    Label1 = Label2 = Label3 = nullptr;

    const QRect screen = screenRect();
    setWindowFlags(Qt::Window);
    setStyleSheet(QString());
    delete takeCentralWidget(); // the splash picture and its labels
    setCentralWidget(m_frame);
    m_frame->show();
    Imatem = nullptr;
    m_frame->setObjectName(QStringLiteral("frame"));
    m_frame->setBackground(Qt::black);
    m_frame->setActivationOrder(QMdiArea::StackingOrder);
    Immatem->setParent(m_frame->viewport());
    Immatem->setObjectName(QStringLiteral("Immatem"));
    Immatem->setPixmap(QPixmap(QStringLiteral(":/pictures/immatem.png")));
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

    delete Timer1;
    Timer1 = nullptr;
    ShowBackgroundIfIdle();
    if (m_settingsUnreadable)
        showSettingsUnreadable();
}

void Tnumeria::fitBackground()
{
    Immatem->setGeometry(0, 0, m_frame->viewport()->width(), m_frame->viewport()->height());
    Immatem->lower();
}

void Tnumeria::showSettingsUnreadable()
{
    auto *box = new QMessageBox(QMessageBox::Warning, LongTexts.text(0), noticeText(SettingsUnreadable),
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("settingsUnreadable"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void Tnumeria::HideBackground()
{
    Immatem->hide();
}

void Tnumeria::ShowBackgroundIfIdle()
{
    if (Shell.PlaneWindowClosed && Shell.SpaceWindowClosed && !Imatem)
        Immatem->show();
}

void Tnumeria::adoptChild(MdiChildWindow *child)
{
    connect(child, &MdiChildWindow::shown, this, &Tnumeria::HideBackground);
    connect(child, &MdiChildWindow::closed, this, &Tnumeria::ShowBackgroundIfIdle);
    m_frame->addSubWindow(child);
    child->show();
}

void Tnumeria::bringToFront(QMdiSubWindow *child)
{
    m_frame->setActiveSubWindow(child);
    child->raise();
}

void Tnumeria::Trasformazioni1Click()
{
    if (Shell.PlaneWindowClosed || !m_plane) {
        m_plane = new Tgeo;
        adoptChild(m_plane);
    } else {
        bringToFront(m_plane);
    }
}

void Tnumeria::Spaziali1Click()
{
    if (Shell.SpaceWindowClosed || !m_space) {
        m_space = new Tuncubo;
        adoptChild(m_space);
    } else {
        bringToFront(m_space);
    }
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

void Tnumeria::writeSettings()
{
    const SettingsAtExit state{Linguapredefinita1->isChecked(), Shell.MainShowHints, Language.LanguageIndex,
                               Language.LanguageFilePath};
    const auto record = settingsToSave(m_settings, state);
    if (!record)
        return;
    if (const auto failure = writeSettingsFile(*record)) {
        QMessageBox box(QMessageBox::Warning, LongTexts.text(0),
                        noticeText(SettingsNotSaved) + QLatin1Char('\n') + *failure, QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("settingsNotSaved"));
        box.exec();
    }
}

void Tnumeria::closeEvent(QCloseEvent *event)
{
    writeSettings();
    event->accept();
}

bool Tnumeria::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_frame->viewport() && event->type() == QEvent::Resize)
        fitBackground();
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_F1)
        return QMainWindow::eventFilter(watched, event);
    QAction *highlighted = nullptr;
    if (auto *menu = qobject_cast<QMenu *>(watched))
        highlighted = menu->activeAction() ? menu->activeAction() : menu->menuAction();
    else if (watched == menuBar())
        highlighted = menuBar()->activeAction();
    const int context = highlighted ? highlighted->property(HelpContextProperty).toInt() : 0;
    if (context == 0)
        return QMainWindow::eventFilter(watched, event);
    HelpViewer::showTopic(context);
    return true;
}
