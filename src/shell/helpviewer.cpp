#include "shell/helpviewer.h"

#include "lang/languagetables.h"
#include "shell/helpset.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QPointer<HelpViewer> &openViewer()
{
    static QPointer<HelpViewer> viewer;
    return viewer;
}

// Reads every page, picture and style sheet through the help set, which
// bounds what a translator's folder may hold. An empty answer is still an
// answer: a null one would let the document read the file itself, unbounded.
class HelpPage : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int, const QUrl &name) override
    {
        return HelpSet::pageBytes(source().resolved(name));
    }
};

} // namespace

HelpViewer::HelpViewer(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new HelpPage(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 560);

    auto *bar = new QToolBar(this);
    m_back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), {}, m_browser, &QTextBrowser::backward);
    m_forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), {}, m_browser, &QTextBrowser::forward);
    m_contents = bar->addAction(QIcon(QStringLiteral(":/pictures/imagelist/12.png")), {},
                                this, [this] { showPage(HelpSet::contentsUrl()); });
    m_back->setObjectName(QStringLiteral("indietro"));
    m_forward->setObjectName(QStringLiteral("avanti"));
    m_contents->setObjectName(QStringLiteral("sommario"));
    m_back->setShortcut(QKeySequence::Back);
    m_forward->setShortcut(QKeySequence::Forward);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);

    auto *closeAction = new QAction(this);
    closeAction->setShortcut(Qt::Key_Escape);
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    addAction(closeAction);

    m_browser->setObjectName(QStringLiteral("pagina"));
    QFile style(QStringLiteral(":/help/help.css"));
    if (style.open(QIODevice::ReadOnly))
        m_browser->document()->setDefaultStyleSheet(QString::fromUtf8(style.readAll()));
    m_browser->setOpenExternalLinks(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_browser);
    applyTexts();
}

void HelpViewer::applyTexts()
{
    setWindowTitle(noticeText(HelpCaption));
    m_back->setText(noticeText(HelpBack));
    m_forward->setText(noticeText(HelpForward));
    m_contents->setText(noticeText(HelpContents));
}

HelpViewer *HelpViewer::current()
{
    return openViewer();
}

HelpViewer *HelpViewer::open()
{
    // While a modal window is up only its own windows take input, so the help
    // window belongs to it for as long as it lasts.
    QWidget *modal = QApplication::activeModalWidget();
    QPointer<HelpViewer> &viewer = openViewer();
    if (viewer && viewer->parentWidget() != modal) {
        viewer->close();
        viewer = nullptr;
    }
    if (!viewer) {
        viewer = new HelpViewer(modal);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        viewer->move(screen.center() - viewer->rect().center());
    }
    viewer->applyTexts();
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

void HelpViewer::showPage(const QUrl &page)
{
    m_browser->setSource(page);
    if (m_browser->toPlainText().trimmed().isEmpty())
        m_browser->setPlainText(noticeText(HelpPageMissing));
}

QUrl HelpViewer::currentPage() const
{
    return m_browser->source();
}

void HelpViewer::showContents()
{
    open()->showPage(HelpSet::contentsUrl());
}

void HelpViewer::showTopic(int context)
{
    open()->showPage(HelpSet::topicUrl(context));
}
