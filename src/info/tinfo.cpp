#include "info/tinfo.h"

#include "info/memotext.h"
#include "lang/fixedtexts.h"
#include "lang/infotexts.h"
#include "lang/languagetables.h"
#include "shell/imagelist.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QUrl>

namespace {

constexpr QRgb Olive = 0x808000;
constexpr QRgb Silver = 0xC0C0C0;
constexpr QRgb Blue = 0x0000FF;
constexpr QRgb Black = 0x000000;

// The window is borderless and of fixed size, so its parts keep fixed places:
// the heading panel, the text, the link panel and the button, top to bottom.
constexpr QSize WindowSize(413, 331);
constexpr QRect Panel1Bounds(8, 8, 397, 76);
constexpr QRect Memo1Bounds(8, 90, 397, 140);
constexpr QRect Panel2Bounds(8, 236, 397, 57);
constexpr QRect BitBtn1Bounds(169, 299, 75, 25);
constexpr QRect ProgramIconBounds(8, 8, 32, 32);
constexpr int ProgramIconSize = 32;
constexpr int ProductNamePixels = 16;
// Tops of the lines of text inside the panels.
constexpr int ProductNameTop = 6;
constexpr int VersionTop = 32;
constexpr int Label3Top = 54;
constexpr int Label1Left = 6;
constexpr int Label1Top = 3;
constexpr int Label2Top = 20;
constexpr int Label4Top = 37;
constexpr int AboutItemRow = 14; // the menu item "About" that opens this window

QFrame *makePanel(const char *name, QFrame::Shadow shadow, QColor colour, QRect bounds, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | shadow);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    panel->setGeometry(bounds);
    panel->setMouseTracking(true);
    return panel;
}

QLabel *makeLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

void setTextColour(QWidget *widget, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(colour));
    widget->setPalette(palette);
}

} // namespace

Tinfo::Tinfo(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("info"));
    setFixedSize(WindowSize);
    QPalette olive = palette();
    olive.setColor(QPalette::Window, QColor::fromRgb(Olive));
    setPalette(olive);
    setAutoFillBackground(true);
    setMouseTracking(true);

    Panel1 = makePanel("Panel1", QFrame::Raised, QColor::fromRgb(Silver), Panel1Bounds, this);
    ProgramIcon = makeLabel("ProgramIcon", QString(), Panel1);
    ProgramIcon->setGeometry(ProgramIconBounds);
    ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/pictures/aralda.png"))
                               .scaled(ProgramIconSize, ProgramIconSize, Qt::KeepAspectRatio,
                                       Qt::SmoothTransformation));
    ProductName = makeLabel("ProductName", QString(), Panel1);
    QFont titleFont = ProductName->font();
    titleFont.setPixelSize(ProductNamePixels);
    ProductName->setFont(titleFont);
    setTextColour(ProductName, Black);
    Version = makeLabel("Version", QString(), Panel1);
    Label3 = makeLabel("Label3", QString(), Panel1);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(Memo1Bounds);
    Memo1->setReadOnly(true);
    Memo1->setAccessibleName(MenuTexts.text(AboutItemRow).remove(QLatin1Char('&')));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette memoPalette = Memo1->palette();
    memoPalette.setColor(QPalette::Base, QColor::fromRgb(Silver));
    memoPalette.setColor(QPalette::Text, QColor::fromRgb(Black));
    Memo1->setPalette(memoPalette);
    Memo1->viewport()->setMouseTracking(true);

    // Panel2 has no colour of its own in the design: the button face, as a
    // panel of the platform has.
    Panel2 = makePanel("Panel2", QFrame::Sunken, QApplication::palette().color(QPalette::Button), Panel2Bounds,
                       this);
    Label1 = makeLabel("Label1", QString(), Panel2);
    Label1->setCursor(pointingCursor());
    Label2 = makeLabel("Label2", QString(), Panel2);
    setTextColour(Label2, Blue);
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->setMouseTracking(true);
    // The link is reached with Tab and followed with Enter or Space; a click
    // still follows it without taking the focus.
    Label2->setFocusPolicy(Qt::TabFocus);
    Label4 = makeLabel("Label4", QString(), Panel2);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QString::fromLatin1(FixedTexts::OkCaption), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(BitBtn1Bounds);
    BitBtn1->setCursor(pointingCursor());
    BitBtn1->setDefault(true);
    BitBtn1->setMouseTracking(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    for (QObject *watched : {static_cast<QObject *>(Panel1), static_cast<QObject *>(Panel2),
                             static_cast<QObject *>(Memo1), static_cast<QObject *>(Memo1->viewport()),
                             static_cast<QObject *>(Label2), static_cast<QObject *>(BitBtn1)})
        watched->installEventFilter(this);

    FormCreate();

    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    move(screen->geometry().center() - rect().center());
}

void Tinfo::FormCreate()
{
    showLines(Memo1, InfoTexts::informationLines(Language.LanguageIndex));
    ProductName->setText(LongTexts.text(1));
    Version->setText(QString::fromUtf8(FixedTexts::AuthorName));
    Label3->setText(ShortTexts.text(18));
    Label1->setText(LongTexts.text(53));
    Label2->setText(LongTexts.text(54));
    Label4->setText(LongTexts.text(55));

    Label1->adjustSize();
    Label1->move(Label1Left, Label1Top);
    showLinkHovered(false);
    centreInPanel(ProductName, ProductNameTop);
    centreInPanel(Version, VersionTop);
    centreInPanel(Label3, Label3Top);
    centreInPanel(Label2, Label2Top);
    centreInPanel(Label4, Label4Top);
}

void Tinfo::centreInPanel(QLabel *label, int top)
{
    label->adjustSize();
    label->move((label->parentWidget()->width() - label->width()) / 2, top);
}

void Tinfo::showLinkHovered(bool hovered)
{
    QFont font = Label2->font();
    font.setBold(true);
    font.setUnderline(hovered);
    Label2->setFont(font);
}

void Tinfo::FormMouseDown()
{
    QApplication::beep();
    emit beeped();
}

void Tinfo::Label2Click()
{
    accept();
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(FixedTexts::HomePage)));
    if (QWidget *opener = parentWidget())
        opener->window()->showMinimized();
}

bool Tinfo::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        showLinkHovered(watched == Label2);
        // A label passes the move on to its panel, which would take the
        // underline away again.
        if (watched == Label2)
            return true;
        break;
    case QEvent::MouseButtonPress:
        if (watched == Label2)
            return true; // the link acts on release, as a click does
        if (watched == Panel1 || watched == Panel2 || watched == Memo1->viewport()) {
            FormMouseDown();
            // The text goes on to place its cursor; a panel's press would
            // reach the window and beep a second time.
            return watched != Memo1->viewport();
        }
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // Underlined while focused, as under the pointer: the only sign that
        // the keys now act on the link.
        if (watched == Label2)
            showLinkHovered(event->type() == QEvent::FocusIn);
        break;
    case QEvent::KeyPress:
        if (watched == Label2) {
            switch (static_cast<QKeyEvent *>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Space:
                Label2Click();
                return true;
            default:
                break;
            }
        }
        break;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (watched == Label2 && mouse->button() == Qt::LeftButton && Label2->rect().contains(mouse->position().toPoint())) {
            Label2Click();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void Tinfo::mousePressEvent(QMouseEvent *event)
{
    FormMouseDown();
    QDialog::mousePressEvent(event);
}

void Tinfo::mouseMoveEvent(QMouseEvent *event)
{
    showLinkHovered(false);
    QDialog::mouseMoveEvent(event);
}
