// The workspace's transport: pause, one frame, the speed, "again", the keys
// of a keyboard and of a presenter remote, and where the focus goes. It
// changes when frames come, never what they are.
#include "plane/tgeo.h"

#include "lang/languagetables.h"
#include "shell/imagelist.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int SpeedSliderWidth = 60;

QIcon planePicture(const char *name)
{
    return QIcon(QStringLiteral(":/pictures/plane/%1.png").arg(QString::fromLatin1(name)));
}

} // namespace

void Tgeo::createTransportBar()
{
    auto button = [this](const char *name, const QIcon &icon, NoticeRow hintRow) {
        auto *control = new QToolButton(ToolBar8);
        control->setObjectName(QString::fromLatin1(name));
        control->setIcon(icon);
        control->setToolTip(noticeText(hintRow));
        control->setAccessibleName(control->toolTip());
        control->setFocusPolicy(Qt::TabFocus);
        control->setCursor(pointingCursor());
        ToolBar8->addWidget(control);
        return control;
    };
    pausa = button("pausa", QIcon(QStringLiteral(":/pictures/space/pausa.png")), TransportPauseHint);
    pausa->setCheckable(true);
    connect(pausa, &QToolButton::toggled, this, &Tgeo::pausaClick);
    fotogramma = button("fotogramma", planePicture("fotogramma"), TransportFrameHint);
    connect(fotogramma, &QToolButton::clicked, this, &Tgeo::fotogrammaClick);
    ToolBar8->addSeparator();

    velocita = new QSlider(Qt::Horizontal, ToolBar8);
    velocita->setObjectName(QStringLiteral("velocita"));
    velocita->setRange(0, AnimationTransport::SpeedCount - 1);
    velocita->setPageStep(1);
    velocita->setTickPosition(QSlider::TicksBelow);
    velocita->setValue(m_speed);
    velocita->setFixedWidth(SpeedSliderWidth);
    velocita->setToolTip(noticeText(TransportSpeedHint));
    velocita->setAccessibleName(velocita->toolTip());
    velocita->setAccessibleDescription(AnimationTransport::speedText(m_speed));
    velocita->setFocusPolicy(Qt::TabFocus);
    velocita->setCursor(pointingCursor());
    connect(velocita, &QSlider::valueChanged, this, &Tgeo::velocitaChange);
    ToolBar8->addWidget(velocita);
    ToolBar8->addSeparator();

    ancora = button("ancora", planePicture("ancora"), TransportAgainHint);
    connect(ancora, &QToolButton::clicked, this, &Tgeo::ancoraClick);
    lettura = new QLabel(ToolBar8);
    lettura->setObjectName(QStringLiteral("lettura"));
    lettura->setContentsMargins(4, 0, 4, 0);
    ToolBar8->addWidget(lettura);

    // The keys are the workspace's wherever its focus is; a dialog or an
    // open list keeps its own.
    qApp->installEventFilter(this);
}

QTimer *Tgeo::stepTimer() const
{
    switch (RunningKind) {
    case Traslazione:
        return traslazione;
    case Rotazione:
        return rotazione;
    case Omotetia:
        return omotetia;
    case Dilatazione:
        return dilatazione;
    default:
        return inclinazione;
    }
}

void Tgeo::runStepFrame()
{
    switch (RunningKind) {
    case Traslazione:
        traslazioneTimer();
        break;
    case Rotazione:
        rotazioneTimer();
        break;
    case Omotetia:
        omotetiaTimer();
        break;
    case Dilatazione:
        dilatazioneTimer();
        break;
    default:
        inclinazioneTimer();
        break;
    }
}

bool Tgeo::stepAnimating() const
{
    return !m_flow.FrameMode && AnimationTransport::animated(RunningKind) && (m_paused || stepTimer()->isActive());
}

void Tgeo::updateTransport()
{
    const bool animating = stepAnimating();
    pausa->setEnabled(animating);
    fotogramma->setEnabled(animating && m_paused);
    ancora->setEnabled(m_stepStart.has_value() && !animating);
    if (animating && m_paused) {
        const AnimationTransport::Readout where =
            AnimationTransport::readout(RunningKind, m_preparedStep, m_parameters, m_framesShown);
        lettura->setText(where.frames + QStringLiteral("  ") + where.value);
    } else {
        lettura->clear();
    }
    lettura->setAccessibleName(lettura->text());
}

void Tgeo::frameShown()
{
    ++m_framesShown;
    if (m_frameRecorder)
        m_frameRecorder(RunningKind == Inclinazione ? AnimationTransport::ShearInterval : AnimationTransport::FrameInterval);
    present();
    if (m_paused)
        updateTransport();
}

void Tgeo::pausaClick(bool paused)
{
    if (paused == m_paused)
        return;
    if (paused && !stepAnimating()) {
        pausa->setChecked(false);
        return;
    }
    m_paused = paused;
    if (paused)
        stepTimer()->stop();
    else
        stepTimer()->start();
    updateTransport();
}

void Tgeo::fotogrammaClick()
{
    if (!m_paused || !stepAnimating())
        return;
    // The handler runs only for an active timer, which no event can reach
    // before it is stopped again below: the frame is the timer's own.
    QTimer *timer = stepTimer();
    timer->start();
    runStepFrame();
    if (timer->isActive()) {
        timer->stop();
    } else {
        // That was the event that ends the step.
        m_paused = false;
        pausa->setChecked(false);
    }
    updateTransport();
}

void Tgeo::velocitaChange(int speed)
{
    m_speed = speed;
    using namespace AnimationTransport;
    for (QTimer *timer : {rotazione, traslazione, omotetia, dilatazione})
        timer->setInterval(interval(FrameInterval, speed));
    inclinazione->setInterval(interval(ShearInterval, speed));
    velocita->setAccessibleDescription(AnimationTransport::speedText(speed));
    velocita->setToolTip(noticeText(TransportSpeedHint) + QStringLiteral(": ") + AnimationTransport::speedText(speed));
}

void Tgeo::keepStepStart(int kind)
{
    m_stepStart = StepStart{kind,           m_flow,         TransformSettings, m_canvas.kept(), m_figure,
                            m_points,       m_currentTextX, m_currentTextY,    Label2->text(),  Label3->text(),
                            m_runsDrawn};
    m_framesShown = 0;
}

void Tgeo::forgetStepStart()
{
    m_stepStart.reset();
    m_sequenceStart.reset();
    updateTransport();
}

void Tgeo::ancoraClick()
{
    if (!m_stepStart || stepAnimating())
        return;
    restoreStepStart(*m_stepStart);
    present();
    startStep(m_stepStart->kind);
    updateTransport();
}

void Tgeo::restoreStepStart(const StepStart &kept)
{
    const StepStart start = kept;
    m_flow = start.flow;
    TransformSettings = start.settings;
    m_canvas.restore(start.canvas);
    m_figure = start.figure;
    m_points = start.points;
    m_currentTextX = start.textX;
    m_currentTextY = start.textY;
    Label2->setText(start.label2);
    Label3->setText(start.label3);
    RunningKind = start.kind;
    m_runsDrawn = start.runsDrawn;
    m_framesShown = 0;
    applyFlow();
}

void Tgeo::setBlank(std::optional<QRgb> colour)
{
    m_blank = colour;
    m_surface->update();
}

void Tgeo::placeFocus()
{
    if (continua->isEnabled())
        continua->setFocus(Qt::OtherFocusReason);
    else
        m_surface->setFocus(Qt::OtherFocusReason);
}

bool Tgeo::kindBoxKey(QObject *watched, const QKeyEvent *key)
{
    // A closed list opens on an arrow or a page key instead of taking the
    // next kind, whose dialog would open at once: a kind is chosen in the
    // open list, by Return, Space or a click.
    auto *box = qobject_cast<QComboBox *>(watched);
    if (!box || (box != trasfuno && box != trasfdue && box != tipi && box != czoom))
        return false;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        box->showPopup();
        return true;
    default:
        return false;
    }
}

bool Tgeo::transportKey(const QKeyEvent *key)
{
    if (m_blank) {
        // As slide programs do: the next key brings the picture back, and
        // does nothing else.
        setBlank(std::nullopt);
        return true;
    }
    if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_Space:
    case Qt::Key_P:
        // Space still presses a focused button between steps.
        if (!stepAnimating())
            return false;
        pausa->toggle();
        return true;
    case Qt::Key_Right:
    case Qt::Key_Period:
        if (!m_paused)
            return false;
        fotogrammaClick();
        return true;
    case Qt::Key_Plus:
        velocita->setValue(AnimationTransport::faster(m_speed));
        return true;
    case Qt::Key_Minus:
        velocita->setValue(AnimationTransport::slower(m_speed));
        return true;
    case Qt::Key_PageDown:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (continua->isEnabled())
            continuaClick();
        return true;
    case Qt::Key_PageUp:
        if (ancora->isEnabled())
            ancoraClick();
        return true;
    case Qt::Key_B:
        setBlank(PlaneColour::Black);
        return true;
    case Qt::Key_W:
        setBlank(PlaneColour::White);
        return true;
    default:
        return false;
    }
}
