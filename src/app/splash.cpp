#include "app/splash.h"

#include "lang/fixedtexts.h"
#include "lang/languagetables.h"

#include <QLabel>
#include <QTimer>

#include <utility>

namespace {

constexpr int FirstPhaseTicks = 40;  // the first phase ends when the count passes this
constexpr int SecondPhaseTicks = 65; // and the splash when it passes this

// Colours come from palettes, not style sheets: the same pixels, without
// setting up Qt's style sheet machinery before the first frame.
void setColours(QWidget *widget, QColor text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::blue);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

// Sized when placed: measuring the names loads their bold italic face, which
// the first phase, the title alone, does without.
QLabel *splashLabel(QWidget *parent, const QString &text, const QFont &font, const char *name, QColor colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    setColours(label, colour);
    return label;
}

void centreHorizontally(QLabel *label, int top)
{
    label->move((Splash::Width - label->width()) / 2, top);
}

QTimer *splashTimer(QObject *parent, const char *name, int interval)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(interval);
    return timer;
}

} // namespace

Splash::Splash(QWidget *parent)
    : QWidget(parent)
    , Timer1(splashTimer(this, "Timer1", 35))
    , Timer3(splashTimer(this, "Timer3", 1))
{
    setObjectName(QStringLiteral("Imatem"));
    setCursor(Qt::BlankCursor);
    setColours(this, Qt::cyan);
    setAutoFillBackground(true); // the blue of the whole window: the splash fills it

    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(48);
    QFont nameFont(QStringLiteral("Arial"));
    nameFont.setPixelSize(16);
    nameFont.setBold(true);
    nameFont.setItalic(true);

    Label1 = splashLabel(this, LongTexts.text(1), titleFont, "Label1", Qt::white);
    Label2 = splashLabel(this, QString::fromUtf8(FixedTexts::AuthorName), nameFont, "Label2", Qt::cyan);
    Label3 = splashLabel(this, QString::fromUtf8(FixedTexts::SchoolName), nameFont, "Label3", Qt::cyan);
    Label2->hide();
    Label3->hide();
    placeTitle();

    connect(Timer3, &QTimer::timeout, this, &Splash::Timer3Timer);
    connect(Timer1, &QTimer::timeout, this, &Splash::Timer1Timer);
}

void Splash::start()
{
    Timer3->start();
}

void Splash::placeTitle()
{
    Label1->setText(LongTexts.text(1));
    Label1->adjustSize();
    centreHorizontally(Label1, (Height - Label1->height()) / 2 - 10);
}

void Splash::placeNames()
{
    Label2->adjustSize();
    Label3->adjustSize();
    centreHorizontally(Label2, 15);
    centreHorizontally(Label3, Height - Label3->height() - 15);
}

void Splash::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!std::exchange(m_painted, true))
        emit firstPainted();
}

void Splash::Timer3Timer()
{
    if (++m_tick <= FirstPhaseTicks)
        return;
    placeNames();
    Label2->show();
    Label3->show();
    delete Timer3;
    Timer3 = nullptr;
    Timer1->start();
}

void Splash::Timer1Timer()
{
    if (++m_tick <= SecondPhaseTicks)
        return;
    Timer1->stop();
    emit finished(); // the owner deletes the splash: nothing may follow
}
