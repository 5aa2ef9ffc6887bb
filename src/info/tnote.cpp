#include "info/tnote.h"

#include "info/memotext.h"
#include "lang/fixedtexts.h"
#include "lang/infotexts.h"
#include "lang/languagetables.h"
#include "shell/helpcontexts.h"
#include "shell/helpviewer.h"
#include "shell/imagelist.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

namespace {

constexpr QRgb Silver = 0xC0C0C0;

// A window of fixed size: the heading, the notes and the button, top to bottom.
constexpr QSize WindowSize(407, 314);
constexpr QRect Panel1Bounds(8, 8, 391, 30);
constexpr QRect Memo1Bounds(8, 44, 391, 230);
constexpr QRect BitBtn1Bounds(166, 281, 75, 25);
constexpr int HeadingPixels = 19;

} // namespace

Tnote::Tnote(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("note"));
    setFixedSize(WindowSize);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    Panel1 = new QLabel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(Panel1Bounds);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setAutoFillBackground(true);
    QPalette silver = Panel1->palette();
    silver.setColor(QPalette::Window, QColor::fromRgb(Silver));
    Panel1->setPalette(silver);
    QFont heading = Panel1->font();
    heading.setPixelSize(HeadingPixels);
    Panel1->setFont(heading);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(Memo1Bounds);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette memoPalette = Memo1->palette();
    memoPalette.setColor(QPalette::Base, QColor::fromRgb(Silver));
    Memo1->setPalette(memoPalette);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QString::fromLatin1(FixedTexts::OkCaption), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(BitBtn1Bounds);
    BitBtn1->setToolTip(QString::fromLatin1(FixedTexts::OkCaption));
    BitBtn1->setCursor(pointingCursor());
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto *helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, [] { HelpViewer::showTopic(HelpContext::NotesWindow); });

    FormCreate();

    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    move(screen->geometry().center() - rect().center());
}

void Tnote::FormCreate()
{
    setWindowTitle(QString::fromLatin1(FixedTexts::NotesCaption));
    Memo1->setAccessibleName(windowTitle()); // a screen reader names the text it reads by the window's own caption
    Panel1->setText(LongTexts.text(33));
    showLines(Memo1, InfoTexts::notesLines(Language.LanguageIndex));
}
