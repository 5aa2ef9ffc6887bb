#include "calc/tcalcola.h"

#include "calc/calculatorvalues.h"
#include "calc/expressionevaluator.h"
#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "shell/helpcontexts.h"
#include "shell/helpviewer.h"
#include "shell/imagelist.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int ClientWidth = 281;
constexpr int ClientHeight = 404;
constexpr int CaptionRow = 4; // LongTexts
constexpr int DegreesRow = 13; // ShortTexts
constexpr int RadiansRow = 11; // LongTexts

constexpr QRgb Silver = 0xC0C0C0;
constexpr QRgb Navy = 0x000080;
constexpr QRgb Blue = 0x0000FF;

enum class Action { Append, Evaluate, Clear, DeleteLast, MemoryAdd, MemorySubtract, MemoryClear, Help, Off };

// One key of the keypad: its place in the grid of five columns, what it
// does, the text it appends and its caption when that differs from the text.
struct KeyPlace {
    const char *name;
    int row;
    int column;
    Action action;
    const char *input = "";
    const char *caption = nullptr;
    const char *glyph = nullptr;
    int rowSpan = 1;
    int columnSpan = 1;
    const char *spokenName = nullptr; // for a screen reader, where the caption is a picture or a letter
};

// Digits "0" to "9" are Button1 to Button10.
constexpr KeyPlace Keypad[] = {
    {"Button25", 0, 0, Action::Append, "sin"},
    {"Button26", 0, 1, Action::Append, "cos"},
    {"Button16", 0, 2, Action::Append, "arcsin"},
    {"Button30", 0, 3, Action::Append, "arccos"},
    {"Button31", 0, 4, Action::Append, "arctan"},
    {"Button23", 1, 0, Action::Append, "log"},
    {"Button24", 1, 1, Action::Append, "ln"},
    {"Button27", 1, 2, Action::Append, "exp"},
    {"Button28", 1, 3, Action::Append, "e", nullptr, nullptr, 1, 1, FixedTexts::CalculatorEName},
    {"Button29", 1, 4, Action::Append, "abs"},
    {"BitBtn1", 2, 0, Action::Append, "sqrt", "", ":/pictures/calc/sqrt.png", 1, 1, FixedTexts::CalculatorSquareRootName},
    {"Button22", 2, 1, Action::Append, "^"},
    {"Button20", 2, 2, Action::Append, "("},
    {"Button21", 2, 3, Action::Append, ")"},
    {"Button19", 2, 4, Action::Append, "pi", FixedTexts::CalculatorPi, nullptr, 1, 1, FixedTexts::CalculatorPiName},
    {"Button8", 3, 0, Action::Append, "7"},
    {"Button9", 3, 1, Action::Append, "8"},
    {"Button10", 3, 2, Action::Append, "9"},
    {"Button11", 3, 3, Action::Append, "/", FixedTexts::CalculatorDivide},
    {"BitBtn2", 3, 4, Action::DeleteLast, "", "", ":/pictures/calc/delete.png", 1, 1, FixedTexts::CalculatorDeleteName},
    {"Button5", 4, 0, Action::Append, "4"},
    {"Button6", 4, 1, Action::Append, "5"},
    {"Button7", 4, 2, Action::Append, "6"},
    {"Button12", 4, 3, Action::Append, "*", FixedTexts::CalculatorMultiply},
    {"Button18", 4, 4, Action::Clear, "", FixedTexts::CalculatorClear, nullptr, 1, 1, FixedTexts::CalculatorClearName},
    {"Button2", 5, 0, Action::Append, "1"},
    {"Button3", 5, 1, Action::Append, "2"},
    {"Button4", 5, 2, Action::Append, "3"},
    {"Button13", 5, 3, Action::Append, "-"},
    {"Button15", 5, 4, Action::Evaluate, "", FixedTexts::CalculatorEquals, nullptr, 2, 1},
    {"Button1", 6, 0, Action::Append, "0", nullptr, nullptr, 1, 2},
    {"Button17", 6, 2, Action::Append, "."},
    {"Button14", 6, 3, Action::Append, "+"},
    {"Button33", 7, 0, Action::MemoryAdd, "", FixedTexts::CalculatorMemoryAdd},
    {"Button34", 7, 1, Action::MemorySubtract, "", FixedTexts::CalculatorMemorySubtract},
    {"Button35", 7, 2, Action::MemoryClear, "", FixedTexts::CalculatorMemoryClear},
    {"BitBtn3", 7, 3, Action::Help, "", FixedTexts::CalculatorHelp},
    {"OKBtn", 7, 4, Action::Off, "", FixedTexts::CalculatorOff},
};

QPalette colours(QWidget *widget, QPalette::ColorRole background, QRgb backColour, QPalette::ColorRole text,
                 QRgb textColour)
{
    QPalette palette = widget->palette();
    palette.setColor(background, QColor(backColour));
    palette.setColor(text, QColor(textColour));
    return palette;
}

QToolButton *angleButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setCheckable(true);
    // Some styles leave tool buttons out of the Tab chain; these must be in it.
    button->setFocusPolicy(Qt::TabFocus);
    button->setCursor(pointingCursor());
    return button;
}

} // namespace

TCalcola::TCalcola(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
    , nome(new QLineEdit(this))
    , erisultato(new QLineEdit(this))
    , risulta(new QLabel(this))
    , Label1(new QLabel(this))
    , gradi(angleButton(QStringLiteral("gradi"), ShortTexts.text(DegreesRow), this))
    , SpeedButton2(angleButton(QStringLiteral("SpeedButton2"), LongTexts.text(RadiansRow), this))
{
    setObjectName(QStringLiteral("Calcola"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(LongTexts.text(CaptionRow));
    setPalette(colours(this, QPalette::Window, Silver, QPalette::WindowText, 0x000000));
    setAutoFillBackground(true);

    nome->setObjectName(QStringLiteral("nome"));
    nome->installEventFilter(this);
    nome->setAccessibleName(noticeText(CalculatorExpressionName));
    erisultato->setObjectName(QStringLiteral("erisultato"));
    erisultato->setAccessibleName(noticeText(CalculatorResultName));
    erisultato->setReadOnly(true);
    erisultato->setFocusPolicy(Qt::ClickFocus); // read and copied, never tabbed to
    erisultato->setPalette(colours(erisultato, QPalette::Base, 0x000000, QPalette::Text, 0xFFFFFF));

    risulta->setObjectName(QStringLiteral("risulta"));
    QFont bold = risulta->font();
    bold.setBold(true);
    risulta->setFont(bold);
    risulta->setPalette(colours(risulta, QPalette::Window, Silver, QPalette::WindowText, Blue));

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAutoFillBackground(true);
    Label1->setPalette(colours(Label1, QPalette::Window, Navy, QPalette::WindowText, 0xFFFFFF));
    Label1->setText(Calculator.MemoryText);

    auto *units = new QButtonGroup(this);
    units->addButton(gradi);
    units->addButton(SpeedButton2);
    gradi->setChecked(true);
    connect(gradi, &QToolButton::clicked, this, &TCalcola::gradiClick);
    connect(SpeedButton2, &QToolButton::clicked, this, &TCalcola::gradiClick);

    auto *unitRow = new QHBoxLayout;
    unitRow->addWidget(risulta, 1);
    unitRow->addWidget(gradi);
    unitRow->addWidget(SpeedButton2);

    auto *keypad = new QGridLayout;
    keypad->setSpacing(3);
    createKeypad(keypad);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(nome);
    layout->addWidget(erisultato);
    layout->addLayout(unitRow);
    layout->addWidget(Label1);
    layout->addLayout(keypad, 1);

    auto *helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, &TCalcola::BitBtn3Click);

    setFixedSize(ClientWidth, ClientHeight);
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    move(screen->availableGeometry().center() - rect().center());
}

void TCalcola::createKeypad(QGridLayout *keypad)
{
    for (const KeyPlace &place : Keypad) {
        auto *button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(place.name));
        button->setText(QString::fromUtf8(place.caption ? place.caption : place.input));
        if (place.glyph)
            button->setIcon(QIcon(QString::fromLatin1(place.glyph)));
        if (place.spokenName)
            button->setAccessibleName(QString::fromLatin1(place.spokenName));
        button->setCursor(pointingCursor());
        // The window has a fixed size; the keys share what is left of it.
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        keypad->addWidget(button, place.row, place.column, place.rowSpan, place.columnSpan);
        switch (place.action) {
        case Action::Help:
            BitBtn3 = button;
            BitBtn3->setAccessibleName(hint(4));
            connect(button, &QPushButton::clicked, this, &TCalcola::BitBtn3Click);
            break;
        case Action::Off:
            OKBtn = button;
            OKBtn->setDefault(true);
            connect(button, &QPushButton::clicked, this, &QDialog::accept);
            break;
        default:
            m_keys.insert(button, int(&place - Keypad));
            connect(button, &QPushButton::clicked, this, &TCalcola::Button14Click);
        }
    }
}

int TCalcola::execute(QWidget *parent)
{
    return (new TCalcola(parent))->exec();
}

void TCalcola::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Each opening is a new window, so its opening work runs once; running it
    // again whenever the window is re-activated (back from help) would put
    // degrees in force while the radians button stays down.
    if (!m_activated) {
        m_activated = true;
        FormActivate();
    }
}

void TCalcola::FormActivate()
{
    nome->setFocus();
    risulta->setText(selectAngleUnit(AngleUnit::Degrees));
    Evaluator.EvalMode = 0;
}

void TCalcola::gradiClick()
{
    risulta->setText(selectAngleUnit(gradi->isChecked() ? AngleUnit::Degrees : AngleUnit::Radians));
}

void TCalcola::BitBtn3Click()
{
    HelpViewer::showTopic(HelpContext::Calculator);
}

void TCalcola::Button14Click()
{
    const auto key = m_keys.constFind(sender());
    if (key == m_keys.cend())
        return;
    const KeyPlace &place = Keypad[*key];
    switch (place.action) {
    case Action::Append:
        nome->setText(nome->text() + QString::fromLatin1(place.input));
        break;
    case Action::Evaluate: {
        const QString expression = nome->text();
        nome->setText(expression + QLatin1Char('='));
        evaluate(expression);
        break;
    }
    case Action::Clear:
        nome->clear();
        erisultato->clear();
        break;
    case Action::DeleteLast: {
        QString expression = nome->text();
        expression.chop(1);
        nome->setText(expression);
        break;
    }
    case Action::MemoryAdd:
        if (addResultToMemory())
            Label1->setText(Calculator.MemoryText);
        break;
    case Action::MemorySubtract:
        if (subtractResultFromMemory())
            Label1->setText(Calculator.MemoryText);
        break;
    case Action::MemoryClear:
        clearMemory();
        Label1->clear();
        break;
    case Action::Help:
    case Action::Off:
        break; // their own handlers
    }
}

void TCalcola::evaluate(const QString &expression)
{
    const Calculation calculation = calculate(expression);
    if (calculation.textRejected)
        QApplication::beep();
    erisultato->setText(calculation.shown);
}

bool TCalcola::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == nome && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        // Enter would otherwise reach the dialog and press the default "Off"
        // button, closing the window on the expression just typed.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            evaluate(nome->text());
            return true;
        }
        nomeKeyPress(key);
    }
    return QDialog::eventFilter(watched, event);
}

void TCalcola::nomeKeyPress(const QKeyEvent *event)
{
    // The "=" itself is typed by the field afterwards, as any other key.
    if (event->text() == QLatin1String("="))
        evaluate(nome->text());
}
