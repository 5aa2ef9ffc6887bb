#include "space/tuncubo.h"

#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "shell/helpcontexts.h"
#include "shell/helpviewer.h"
#include "shell/hintswitch.h"
#include "shell/imagelist.h"
#include "shell/picturecommands.h"
#include "shell/shellvalues.h"
#include "space/directionarrow.h"
#include "space/spacepictures.h"

#include <QAction>
#include <QBoxLayout>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int StartSpeed = 150;
constexpr int SlowestSpeed = 5;
constexpr int FastestSpeed = 195;
constexpr int IntervalOfSpeedZero = 200; // ms; each slider step is 1 ms less
constexpr int LegendInterval = 1000;     // ms after activation
constexpr int ArrowSize = 16;
constexpr int StepButtonWidth = 75;
constexpr int StepButtonHeight = 25;
constexpr int SliderWidth = 150;
constexpr int ClockwiseHint = 42;
constexpr int AnticlockwiseHint = 43;

QToolButton *toolButton(QToolBar *bar, const char *name, const QIcon &icon, int hintRow)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(icon);
    button->setToolTip(hint(hintRow));
    // A picture alone says nothing to a screen reader; the hint names it.
    button->setAccessibleName(button->toolTip());
    // Some styles leave tool buttons out of the Tab chain; these must be in it.
    button->setFocusPolicy(Qt::TabFocus);
    button->setCursor(pointingCursor());
    bar->addWidget(button);
    return button;
}

QToolBar *toolBar(QWidget *area, const char *name)
{
    auto *bar = new QToolBar(area);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    area->layout()->addWidget(bar);
    return bar;
}

// The centre of third k (1..3) of a client width.
int thirdCentre(int step, int clientWidth)
{
    return step == 2 ? clientWidth / 2 : (2 * step - 1) * (clientWidth / 6);
}

} // namespace

Tuncubo::Tuncubo(QWidget *parent)
    : MdiChildWindow(Shell.SpaceWindowClosed, parent)
    , m_client(new QWidget)
    , m_hints(new HintSwitch(this, Shell.MainShowHints))
{
    setObjectName(QStringLiteral("uncubo"));
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(LongTexts.text(3));
    m_client->setObjectName(QStringLiteral("client"));
    setWidget(m_client);
    setGeometry(0, 0, Shell.ChildAreaWidth, Shell.ChildAreaHeight);
    m_client->installEventFilter(this);
    // The client paints every pixel itself, so nothing behind it is painted
    // first: at each frame of a turn that would be a second fill of the area.
    m_client->setAttribute(Qt::WA_OpaquePaintEvent);

    createToolBars();
    createPanels();
    createStepControls();
    createPopupMenu();

    for (int axis = 0; axis < CubeAxisCount; ++axis) {
        auto *timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("cadenza") + QLatin1Char(FixedTexts::AxisLetters[axis]));
        timer->setInterval(IntervalOfSpeedZero - StartSpeed);
        m_axisTimers[axis] = timer;
    }
    connect(m_axisTimers[AxisX], &QTimer::timeout, this, &Tuncubo::cadenzaxTimer);
    connect(m_axisTimers[AxisY], &QTimer::timeout, this, &Tuncubo::cadenzayTimer);
    connect(m_axisTimers[AxisZ], &QTimer::timeout, this, &Tuncubo::cadenzazTimer);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(LegendInterval);
    connect(Timer1, &QTimer::timeout, this, &Tuncubo::Timer1Timer);

    m_dialogHints = {true, Shell.MainShowHints};
    m_activation = connect(this, &QMdiSubWindow::windowStateChanged, this,
                           [this](Qt::WindowStates before, Qt::WindowStates now) {
                               if (!before.testFlag(Qt::WindowActive) && now.testFlag(Qt::WindowActive))
                                   FormActivate();
                               else if (before.testFlag(Qt::WindowActive) && !now.testFlag(Qt::WindowActive))
                                   FormDeactivate();
                           });
}

Tuncubo::~Tuncubo()
{
    // The frame part of the window reports its deactivation as it goes,
    // after this part is gone.
    disconnect(m_activation);
}

void Tuncubo::createToolBars()
{
    barrasotto = new QWidget(m_client);
    barrasotto->setObjectName(QStringLiteral("barrasotto"));
    auto *bars = new QHBoxLayout(barrasotto);
    bars->setContentsMargins(0, 0, 0, 0);
    QToolBar *pauseBar = toolBar(barrasotto, "ToolBar1");
    QToolBar *speedBar = toolBar(barrasotto, "ToolBar2");
    QToolBar *scheduleBar = toolBar(barrasotto, "ToolBar3");
    bars->addStretch();

    pausab = toolButton(pauseBar, "pausab", QIcon(spacePicture("pausa")), 0);
    pausab->setCheckable(true);
    connect(pausab, &QToolButton::toggled, this, &Tuncubo::pausabClick);

    velo = new QSlider(Qt::Horizontal, speedBar);
    velo->setObjectName(QStringLiteral("velo"));
    velo->setRange(SlowestSpeed, FastestSpeed);
    velo->setValue(StartSpeed);
    velo->setToolTip(hint(1));
    velo->setAccessibleName(hint(1));
    velo->setCursor(pointingCursor());
    velo->setFixedWidth(SliderWidth);
    speedBar->addWidget(velo);
    connect(velo, &QSlider::valueChanged, this, &Tuncubo::veloChange);

    nuovo = toolButton(scheduleBar, "nuovo", QIcon(spacePicture("nuovo")), 3);
    nuovo->setEnabled(false);
    connect(nuovo, &QToolButton::clicked, this, &Tuncubo::nuovoClick);
    aiuto = toolButton(scheduleBar, "aiuto", ImageList1::image(ImageList1::HelpPicture), 4);
    connect(aiuto, &QToolButton::clicked, this, &Tuncubo::aiutoClick);
    auto *helpKey = new QAction(m_client);
    helpKey->setShortcut(QKeySequence::HelpContents);
    helpKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(helpKey, &QAction::triggered, this, &Tuncubo::aiutoClick);
    m_client->addAction(helpKey);

    barrasotto->hide();
    applyFlatButtons(Shell.FlatToolbars);
}

void Tuncubo::createPanels()
{
    Bevel1 = new QFrame(m_client);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Raised);
    sotto = new QFrame(m_client);
    sotto->setObjectName(QStringLiteral("sotto"));
    sotto->setFrameStyle(QFrame::Panel | QFrame::Raised);
    sotto->setFixedHeight(Shell.PanelHeight);

    // Tool bars at the top and the panel at the bottom; everything between
    // stands where the pictures put it.
    auto *column = new QVBoxLayout(m_client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(barrasotto);
    column->addStretch();
    column->addWidget(sotto);
}

void Tuncubo::createStepControls()
{
    QFont labelFont = font();
    labelFont.setBold(true);
    labelFont.setPixelSize(QFontInfo(labelFont).pixelSize() * 3 / 2);
    const qreal ratio = m_client->devicePixelRatio();
    const QPixmap anticlockwise = QPixmap::fromImage(directionArrow(QSize(ArrowSize, ArrowSize), false, ratio));
    const QPixmap clockwise = QPixmap::fromImage(directionArrow(QSize(ArrowSize, ArrowSize), true, ratio));
    for (int k = 1; k <= StepCount; ++k) {
        auto *button = new QPushButton(QIcon(spacePicture("via")), QString(), m_client);
        button->setObjectName(QStringLiteral("BitBtn%1").arg(k));
        button->setFixedSize(StepButtonWidth, StepButtonHeight);
        button->setCursor(pointingCursor());
        button->setEnabled(false);
        m_stepButtons[k - 1] = button;

        // The labels stand on the black of the cube pictures.
        auto *label = new QLabel(m_client);
        label->setObjectName(QStringLiteral("Label%1").arg(k));
        label->setFont(labelFont);
        label->setStyleSheet(QStringLiteral("color: white;"));
        m_stepLabels[k - 1] = label;

        auto arrow = [this](const QPixmap &pixmap, int number) {
            auto *image = new QLabel(m_client);
            image->setObjectName(QStringLiteral("Image%1").arg(number));
            image->setPixmap(pixmap);
            image->setFixedSize(ArrowSize, ArrowSize);
            image->hide();
            return image;
        };
        m_anticlockwiseArrows[k - 1] = arrow(anticlockwise, k);
        m_clockwiseArrows[k - 1] = arrow(clockwise, k + StepCount);
    }
    connect(m_stepButtons[0], &QPushButton::clicked, this, &Tuncubo::BitBtn1Click);
    connect(m_stepButtons[1], &QPushButton::clicked, this, &Tuncubo::BitBtn2Click);
    connect(m_stepButtons[2], &QPushButton::clicked, this, &Tuncubo::BitBtn3Click);
    nameStepButtons();
}

void Tuncubo::nameStepButtons()
{
    // The picture alone says nothing to a screen reader: each button says
    // which turn it starts.
    const CubeSchedule &schedule = m_sequence.schedule;
    for (int k = 0; k < StepCount; ++k)
        m_stepButtons[k]->setAccessibleName(noticeText(CubeStepName)
                                                .arg(k + 1)
                                                .arg(QChar::fromLatin1(FixedTexts::AxisLetters[schedule.StepAxis[k]]))
                                                .arg(schedule.StepTurns[k])
                                                .arg(hint(schedule.StepClockwise[k] ? ClockwiseHint : AnticlockwiseHint)));
}

void Tuncubo::createPopupMenu()
{
    mostra = new QAction(QString::fromLatin1(FixedTexts::SpaceShowHintsItem), this);
    mostra->setObjectName(QStringLiteral("mostra"));
    mostra->setCheckable(true);
    mostra->setChecked(m_hints->isShown());
    connect(mostra, &QAction::triggered, this, &Tuncubo::mostraClick);
    piatto = new QAction(QString::fromLatin1(FixedTexts::SpaceFlatButtonsItem), this);
    piatto->setObjectName(QStringLiteral("piatto"));
    piatto->setCheckable(true);
    piatto->setChecked(Shell.FlatToolbars);
    connect(piatto, &QAction::triggered, this, &Tuncubo::piattoClick);
    m_client->addActions({mostra, piatto});
    m_pictures = new PictureCommands(this, [this] { return m_canvas; });
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    m_client->addActions({separator, m_pictures->copyAction(), m_pictures->saveAction()});
    m_client->setContextMenuPolicy(Qt::ActionsContextMenu);
}

bool Tuncubo::event(QEvent *event)
{
    const bool handled = MdiChildWindow::event(event);
    // The frame and title bar take their room only once the window has its
    // place in the main window; the pictures are sized to what is left.
    if (event->type() == QEvent::ParentChange && parentWidget() && m_canvas.isNull())
        sizePictures();
    return handled;
}

void Tuncubo::sizePictures()
{
    const QSize client = contentsRect().size().expandedTo(QSize(1, 1));
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    m_dimensions = cubeDimensions(screenWidth, client);
    m_legend = {client.width() * 3 / 5, barrasotto->sizeHint().height() * 4 / 3, screenWidth / 30};
    const qreal ratio = m_client->devicePixelRatio();
    m_canvas = ratioImage(client, ratio);
    m_canvas.fill(WindowSilver);
    CubeBitmap = newCubeBitmap(m_dimensions, ratio);
    placeControls();
}

void Tuncubo::placeControls()
{
    const int clientWidth = clientSize().width();
    const int clientHeight = clientSize().height();
    const auto [x0, t, s] = m_legend;
    Bevel1->setGeometry(0, t + 7 * s / 4, clientWidth, 2);
    for (int k = 1; k <= StepCount; ++k) {
        m_stepButtons[k - 1]->move(thirdCentre(k, clientWidth) - StepButtonWidth / 2,
                                   3 * (clientHeight / 4) + StepButtonHeight);
        QLabel *label = m_stepLabels[k - 1];
        label->resize(label->width(), label->fontMetrics().height());
        label->move(0, (t + clientHeight / 4 + 7 * s - label->height()) / 2);
    }
}

void Tuncubo::applyFlatButtons(bool flat)
{
    for (QToolButton *button : {pausab, nuovo, aiuto})
        button->setAutoRaise(flat);
}

bool Tuncubo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Paint) {
        QPainter painter(m_client);
        const QRect area = static_cast<QPaintEvent *>(event)->rect();
        // Only a client grown past its canvas shows bare silver.
        for (const QRect &bare : QRegion(area).subtracted(QRect(QPoint(), clientSize())))
            painter.fillRect(bare, QColor(WindowSilver));
        // The source rectangle is in image pixels, the target in ours.
        painter.drawImage(area.topLeft(), m_canvas, imageRect(m_canvas, area));
        return true;
    }
    return MdiChildWindow::eventFilter(watched, event);
}

void Tuncubo::FormActivate()
{
    if (m_firstActivation) {
        m_firstActivation = false;
        QCursor::setPos(clientSize().width() / 2, clientSize().height() / 10);
        barrasotto->show();
    }
    // Whatever ran before, the sequence starts again from the start cube:
    // no other step may go on with the old rings, and no third may keep a
    // cube the new run has not reached.
    stopAxisTimers();
    CubeBitmap.fill(Qt::black);
    const CubeAxis first = m_sequence.restart();
    for (int panel = 0; panel < StepCount; ++panel)
        copyToPanel(panel);
    m_stepButtons[0]->setEnabled(true);
    m_stepButtons[1]->setEnabled(false);
    m_stepButtons[2]->setEnabled(false);
    Timer1->start();
    axisTimer(first)->start();
}

void Tuncubo::FormDeactivate()
{
    stopAxisTimers();
}

void Tuncubo::cadenzaxTimer()
{
    animateAxis(AxisX);
}

void Tuncubo::cadenzayTimer()
{
    animateAxis(AxisY);
}

void Tuncubo::cadenzazTimer()
{
    animateAxis(AxisZ);
}

void Tuncubo::animateAxis(CubeAxis axis)
{
    const CubeTick tick = m_sequence.tick(axis);
    if (tick.drawFrame)
        drawCubeFrame(CubeBitmap, axis, tick.phase, m_sequence.rings, m_dimensions);
    if (tick.stopTimer)
        axisTimer(axis)->stop();
    if (tick.stepCompleted) {
        if (m_sequence.CurrentStep < StepCount)
            m_stepButtons[m_sequence.CurrentStep]->setEnabled(true);
        else
            nuovo->setEnabled(true);
    }
    copyToPanel(tick.panel);
}

void Tuncubo::Timer1Timer()
{
    Timer1->stop();
    drawLegend(m_canvas, m_legend, m_client->font());
    m_client->update();
}

void Tuncubo::BitBtn1Click()
{
    startStep(1);
}

void Tuncubo::BitBtn2Click()
{
    startStep(2);
}

void Tuncubo::BitBtn3Click()
{
    startStep(3);
}

void Tuncubo::startStep(int step)
{
    m_stepButtons[step - 1]->setEnabled(false);
    const CubeAxis axis = m_sequence.startStep(step);
    axisTimer(axis)->start();
    showStepLabel(step, axis);
}

void Tuncubo::showStepLabel(int step, CubeAxis axis)
{
    const int turns = m_sequence.schedule.StepTurns[step - 1];
    const bool clockwise = m_sequence.schedule.StepClockwise[step - 1];
    QLabel *label = m_stepLabels[step - 1];
    label->setText(QChar::fromLatin1(FixedTexts::AxisLetters[axis]).toUpper() + QLatin1Char(' ')
                   + QString::number(turns));
    label->resize(label->sizeHint().width(), label->height());
    const int left = thirdCentre(step, clientSize().width()) - (label->width() + 2 * ArrowSize) / 2;
    label->move(left, label->y());
    label->show();
    for (QLabel *arrow : {m_clockwiseArrows[step - 1], m_anticlockwiseArrows[step - 1]}) {
        arrow->move(left + label->width() + ArrowSize, label->y() + (label->height() - ArrowSize) / 2);
        arrow->setVisible(turns != 0 && clockwise == (arrow == m_clockwiseArrows[step - 1]));
    }
}

void Tuncubo::copyToPanel(int panel)
{
    const QPoint at(clientSize().width() * panel / 3, clientSize().height() / 4);
    QPainter painter(&m_canvas);
    painter.drawImage(at, CubeBitmap);
    m_client->update(QRect(at, CubeBitmap.size()));
}

void Tuncubo::stopAxisTimers()
{
    for (QTimer *timer : m_axisTimers)
        timer->stop();
}

QTimer *Tuncubo::axisTimer(CubeAxis axis) const
{
    return m_axisTimers[axis];
}

void Tuncubo::pausabClick(bool down)
{
    m_sequence.Paused = down;
}

void Tuncubo::veloChange(int position)
{
    for (QTimer *timer : m_axisTimers)
        timer->setInterval(IntervalOfSpeedZero - position);
}

void Tuncubo::nuovoClick()
{
    for (int k = 0; k < StepCount; ++k) {
        m_clockwiseArrows[k]->hide();
        m_anticlockwiseArrows[k]->hide();
        m_stepLabels[k]->clear();
        m_stepButtons[k]->setEnabled(false);
    }
    stopAxisTimers();
    Tcuborot dialog(m_sequence.schedule, m_dialogHints, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_firstActivation = true;
    nameStepButtons();
    nuovo->setEnabled(false);
    FormActivate();
}

void Tuncubo::aiutoClick()
{
    HelpViewer::showTopic(HelpContext::SpaceWindow);
}

void Tuncubo::mostraClick()
{
    m_hints->toggle(mostra);
}

void Tuncubo::piattoClick()
{
    const bool flat = !pausab->autoRaise();
    applyFlatButtons(flat);
    piatto->setChecked(flat);
}
