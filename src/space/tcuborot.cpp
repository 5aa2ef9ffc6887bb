#include "space/tcuborot.h"

#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "shell/helpcontexts.h"
#include "shell/helpviewer.h"
#include "shell/hintswitch.h"
#include "shell/imagelist.h"
#include "shell/shellvalues.h"
#include "space/directionarrow.h"

#include <QAction>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QToolButton>
#include <utility>

namespace {

constexpr int MostTurns = 3;
constexpr int FirstAxisRow = 15;    // ShortTexts: "asse   x", then y and z
constexpr int FirstCaptionRow = 23; // LongTexts: "I rotazione", then II and III
constexpr int TurnsHint = 44;
constexpr int ClockwiseHint = 42;
constexpr int AnticlockwiseHint = 43;
constexpr int OkHint = 31;
constexpr int CancelHint = 32;
constexpr int HelpHint = 4;

QPushButton *dialogButton(const char *name, int row, QWidget *parent)
{
    auto *button = new QPushButton(hint(row), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint(row));
    button->setCursor(pointingCursor());
    return button;
}

// The spin shows only its arrows: the number stands in the field beside it.
int arrowsOnlyWidth(QSpinBox *spin)
{
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.subControls = QStyle::SC_SpinBoxUp;
    const QRect arrows = spin->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, spin);
    return arrows.width() + 2 * spin->style()->pixelMetric(QStyle::PM_SpinBoxFrameWidth, &option, spin);
}

} // namespace

Tcuborot::Tcuborot(CubeSchedule &schedule, CubeDialogHints &hints, QWidget *parent)
    : QDialog(parent)
    , m_schedule(schedule)
    , m_hints(hints)
{
    setObjectName(QStringLiteral("cuborot"));
    setWindowTitle(LongTexts.text(6));
    const bool hintsShown =
        std::exchange(m_hints.firstActivation, false) ? Shell.MainShowHints : m_hints.CubeDialogShowHints;
    m_hintSwitch = new HintSwitch(this, hintsShown);

    auto *steps = new QFrame(this);
    steps->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *rows = new QGridLayout(steps);
    createRow(rows, 1, "prima", "eprima", "pprima");
    createRow(rows, 2, "seconda", "eseconda", "pseconda");
    createRow(rows, 3, "terza", "eterza", "pterza");

    auto *ok = dialogButton("BitBtn1", OkHint, this);
    ok->setDefault(true);
    auto *cancel = dialogButton("BitBtn2", CancelHint, this);
    auto *help = dialogButton("BitBtn3", HelpHint, this);
    help->setIcon(ImageList1::image(ImageList1::HelpPicture));
    connect(ok, &QPushButton::clicked, this, &Tcuborot::BitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &Tcuborot::BitBtn3Click);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(steps);
    layout->addLayout(buttons);

    Mostra = new QAction(QString::fromLatin1(FixedTexts::ShowHintsItem), this);
    Mostra->setObjectName(QStringLiteral("Mostra"));
    Mostra->setCheckable(true);
    Mostra->setChecked(hintsShown);
    connect(Mostra, &QAction::triggered, this, &Tcuborot::MostraClick);
    addAction(Mostra);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    auto *helpKey = new QAction(this);
    helpKey->setShortcut(QKeySequence::HelpContents);
    connect(helpKey, &QAction::triggered, this, &Tcuborot::BitBtn3Click);
    addAction(helpKey);
}

void Tcuborot::createRow(QGridLayout *rows, int step, const char *group, const char *field, const char *spin)
{
    StepRow &row = m_rows[step - 1];
    auto *axisGroup = new QGroupBox(LongTexts.text(FirstCaptionRow + step - 1), this);
    axisGroup->setObjectName(QString::fromLatin1(group));
    row.axes = new QButtonGroup(axisGroup);
    auto *items = new QVBoxLayout(axisGroup);
    for (int axis = 0; axis < CubeAxisCount; ++axis) {
        auto *item = new QRadioButton(ShortTexts.text(FirstAxisRow + axis), axisGroup);
        item->setAccessibleName(axisGroup->title() + QStringLiteral(": ") + item->text().trimmed());
        row.axes->addButton(item, axis);
        items->addWidget(item);
    }

    row.clockwise = directionButton(QStringLiteral("rota%1d").arg(step), true, ClockwiseHint);
    row.anticlockwise = directionButton(QStringLiteral("rota%1s").arg(step), false, AnticlockwiseHint);
    // One of the pair at most is down; both may be up, and then the step
    // turns anticlockwise.
    connect(row.clockwise, &QToolButton::toggled, row.anticlockwise, [&row](bool down) {
        if (down)
            row.anticlockwise->setChecked(false);
    });
    connect(row.anticlockwise, &QToolButton::toggled, row.clockwise, [&row](bool down) {
        if (down)
            row.clockwise->setChecked(false);
    });

    auto *turnsField = new QLineEdit(this);
    turnsField->setObjectName(QString::fromLatin1(field));
    // Turns are set with the arrows only, so a step never holds a number
    // outside 0..3 or a text that is no number.
    turnsField->setReadOnly(true);
    turnsField->setToolTip(hint(TurnsHint));
    turnsField->setAccessibleName(axisGroup->title() + QStringLiteral(": ") + hint(TurnsHint));
    turnsField->setFixedWidth(turnsField->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 4);
    row.spin = new QSpinBox(this);
    row.spin->setObjectName(QString::fromLatin1(spin));
    row.spin->setRange(0, MostTurns);
    row.spin->setWrapping(true);
    row.spin->setToolTip(hint(TurnsHint));
    row.spin->setAccessibleName(turnsField->accessibleName());
    row.spin->setCursor(pointingCursor());
    row.spin->setFixedWidth(arrowsOnlyWidth(row.spin));
    connect(row.spin, &QSpinBox::valueChanged, turnsField,
            [turnsField](int turns) { turnsField->setText(QString::number(turns)); });

    row.spin->setValue(m_schedule.StepTurns[step - 1]);
    turnsField->setText(QString::number(row.spin->value()));
    row.axes->button(m_schedule.StepAxis[step - 1])->setChecked(true);
    row.clockwise->setChecked(m_schedule.StepClockwise[step - 1]);
    row.anticlockwise->setChecked(!m_schedule.StepClockwise[step - 1]);

    auto *directions = new QHBoxLayout;
    directions->addWidget(row.clockwise);
    directions->addWidget(row.anticlockwise);
    auto *turns = new QHBoxLayout;
    turns->addWidget(turnsField);
    turns->addWidget(row.spin);
    turns->addStretch();
    auto *right = new QVBoxLayout;
    right->addLayout(directions);
    right->addLayout(turns);
    right->addStretch();
    rows->addWidget(axisGroup, step - 1, 0);
    rows->addLayout(right, step - 1, 1);
}

QToolButton *Tcuborot::directionButton(const QString &name, bool clockwise, int hintRow)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setIcon(
        QIcon(QPixmap::fromImage(directionArrow(button->iconSize(), clockwise, button->devicePixelRatio()))));
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setToolTip(hint(hintRow));
    // The arrow alone says nothing to a screen reader; the hint names it.
    button->setAccessibleName(button->toolTip());
    // Some styles leave tool buttons out of the Tab chain; these must be in it.
    button->setFocusPolicy(Qt::TabFocus);
    button->setCursor(pointingCursor());
    return button;
}

void Tcuborot::BitBtn1Click()
{
    for (int k = 0; k < StepCount; ++k) {
        const StepRow &row = m_rows[k];
        m_schedule.StepTurns[k] = row.spin->value();
        m_schedule.StepAxis[k] = CubeAxis(row.axes->checkedId());
        m_schedule.StepClockwise[k] = row.clockwise->isChecked();
    }
    accept();
}

void Tcuborot::BitBtn3Click()
{
    HelpViewer::showTopic(HelpContext::SpaceDialog);
}

void Tcuborot::MostraClick()
{
    m_hints.CubeDialogShowHints = m_hintSwitch->toggle(Mostra);
}
