// The lesson flow: a new figure, the choice of the transformations, the
// dispatch of each step, the inverse sequence, clearing, scale and overlay.
#include "plane/tgeo.h"

#include "dialogs/spincontrol.h"
#include "dialogs/taffina.h"
#include "dialogs/tcoordinate.h"
#include "dialogs/tdilatazioni.h"
#include "dialogs/tgeomot.h"
#include "dialogs/tgeorota.h"
#include "dialogs/tgeosim.h"
#include "dialogs/tgeotrasla.h"
#include "dialogs/tinclinazioni.h"
#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "plane/framechange.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int KindCount = 7;
constexpr int AffinityRow = 10;
constexpr int ExtraKindRows[] = {9, 19, AffinityRow};
constexpr int TableKindNameLength = 12;

// The recorded coordinates of every stage after the initial one.
void clearRecordedStages()
{
    for (int vertex = 0; vertex < VertexCount; ++vertex) {
        for (int stage = 1; stage < VertexStageCount; ++stage) {
            TransformSettings.VertexTextX[vertex][stage].clear();
            TransformSettings.VertexTextY[vertex][stage].clear();
        }
    }
}

} // namespace

void Tgeo::applyFlow()
{
    const FlowControls &e = m_flow.enabled;
    trasfuno->setEnabled(e.trasfuno);
    trasfdue->setEnabled(e.trasfdue);
    continua->setEnabled(e.continua);
    nuova->setEnabled(e.nuova);
    inversa->setEnabled(e.inversa);
    cancella->setEnabled(e.cancella);
    Tabel->setEnabled(e.Tabel);
    czoom->setEnabled(e.czoom);
    pnum->setEnabled(e.pnum);
    sovra->setEnabled(e.sovra);

    if (m_flow.message == FlowText::NoMessage)
        Label1->clear();
    else if (m_flow.message == FlowText::AffinityNotConfirmed)
        Label1->setText(noticeText(AffinityNotConfirmed));
    else
        Label1->setText(LongTexts.text(m_flow.message));
    tcontinua->setVisible(m_flow.glyph == MessageGlyph::Continua);
    tinversa->setVisible(m_flow.glyph == MessageGlyph::Inversa);
    Label4->setText(m_flow.modeText == FlowText::NoMessage ? QString() : LongTexts.text(m_flow.modeText));
    Panel1->setText(LongTexts.text(m_flow.sequenceText));
    Panel1->setVisible(m_flow.sequenceShown);
    stx->setVisible(m_flow.frameLabelsShown);
    sty->setVisible(m_flow.frameLabelsShown);
}

void Tgeo::nuovaClick()
{
    const bool axes = tipi->currentIndex() == 1;
    m_flow.nuovaPressed(axes);
    m_map.setZoomDivisor(czoom->currentIndex() + 1);
    TransformSettings.FrameMode = axes ? 1 : 0;
    trasfuno->setCurrentIndex(-1);
    trasfdue->setCurrentIndex(-1);
    applyFlow();

    forgetStepStart();
    Tcoordinate dialog(this);
    const bool confirmed = dialog.confirm(m_dialogAnswer);
    placeFocus();
    if (!confirmed)
        return;

    if (m_flow.FrameMode)
        pnum->setValue(1);
    m_flow.figureConfirmed(pnum->value());
    TransformSettings.CurrentSlot = 1;
    for (int i = 0; i < 10; ++i) {
        m_start.x[i] = float(m_map.workingX(TransformSettings.FigureX[i]));
        m_start.y[i] = float(m_map.workingY(TransformSettings.FigureY[i]));
    }
    const bool savedClear = std::exchange(ClearBeforeScene, TransformSettings.ClearScreen);
    DrawScene();
    ClearBeforeScene = savedClear;

    if (pnum->value() == 2 && TransformSettings.FigureIsCircle)
        RemoveExtraKinds();
    else
        AddExtraKinds();
    // Adding the extra kinds back must not offer the affinity to a change of
    // frame, which has no matrix for it.
    if (m_flow.FrameMode)
        removeAffinity();
    if (!TransformSettings.FigureIsCircle)
        DrawVertexLabels(m_start, PlaneColour::White);

    clearRecordedStages();
    // A change of frame records these texts as they stand: they must not be
    // the image of an earlier figure.
    for (int vertex = 0; vertex < VertexCount; ++vertex) {
        m_currentTextX[vertex].clear();
        m_currentTextY[vertex].clear();
    }
    describeDrawing(-1);
    m_runsDrawn = 0;
    applyFlow();
    present();
}

QComboBox *Tgeo::kindBox(int slot) const
{
    return slot == 1 ? trasfuno : trasfdue;
}

void Tgeo::trasfunoChange()
{
    transformationChosen(1);
}

void Tgeo::trasfdueChange()
{
    transformationChosen(2);
}

bool Tgeo::confirmParameters(int kind)
{
    switch (kind) {
    case Traslazione: {
        Tgeotrasla dialog(this);
        return dialog.confirm(m_dialogAnswer);
    }
    case Rotazione: {
        Tgeorota dialog(this);
        return dialog.confirm(m_dialogAnswer);
    }
    case Simmetria: {
        Tgeosim dialog(this);
        return dialog.confirm(m_dialogAnswer);
    }
    case Omotetia: {
        Tgeomot dialog(this);
        return dialog.confirm(m_dialogAnswer);
    }
    case Dilatazione: {
        Tdilatazioni dialog(this);
        return dialog.confirm(m_dialogAnswer);
    }
    case Inclinazione: {
        Tinclinazioni dialog(this);
        return dialog.confirm(m_dialogAnswer);
    }
    case Affinita: {
        Taffina dialog(this);
        return dialog.confirm(m_dialogAnswer);
    }
    default:
        return false;
    }
}

int Tgeo::confirmedKind(int slot) const
{
    const bool chosen = slot == 1 ? m_flow.FirstChosen : m_flow.SecondChosen;
    return chosen ? TransformSettings.SlotKind[slot] : -1;
}

void Tgeo::transformationChosen(int slot)
{
    TransformSettings.CurrentSlot = quint8(slot);
    QComboBox *box = kindBox(slot);
    const int kind = box->currentIndex();
    const bool confirmed = confirmParameters(kind);
    if (!confirmed) {
        // The box already shows the kind just refused; `continua` runs the
        // kind the box shows, so it goes back to the one confirmed.
        box->setCurrentIndex(confirmedKind(slot));
        placeFocus();
        return;
    }
    clearRecordedStages();
    TransformSettings.SlotKind[slot] = quint8(kind);
    m_flow.transformConfirmed(slot);
    forgetStepStart();
    applyFlow();
    placeFocus();
}

bool Tgeo::stepRuns(int kind) const
{
    // A change of frame has no matrix for the affinity.
    if (m_flow.FrameMode)
        return kind >= Traslazione && kind <= Inclinazione;
    return kind >= Traslazione && kind <= Affinita;
}

void Tgeo::loadStepFigure(const StepChoice &choice)
{
    TransformSettingsValues &s = TransformSettings;
    if (s.FigureType == 4)
        s.FigureType = 2;
    m_figure.figureType = s.FigureType;
    m_figure.isCircle = s.FigureIsCircle;
    if (m_flow.FrameMode) {
        const QFontMetrics &metrics = m_canvas.metrics();
        m_figure.cur = FrameChange::axisPoints(
            m_map.originY(), metrics.horizontalAdvance(QString::fromLatin1(FixedTexts::MeasureX)), metrics.height());
        return;
    }
    // Every sequence starts again from the confirmed figure, not from what
    // the screen shows.
    for (int i = 0; i < 10; ++i) {
        m_figure.cur.x[i] = choice.fromFigure ? float(s.FigureX[i]) : m_points.image.x[i];
        m_figure.cur.y[i] = choice.fromFigure ? float(s.FigureY[i]) : m_points.image.y[i];
    }
}

void Tgeo::continuaClick()
{
    const StepChoice next = m_flow.nextStep();
    const int kind = kindBox(next.slot)->currentIndex();
    // A kind chosen without its parameters confirmed, or one that cannot run
    // in this mode, starts nothing; the controls stay as they are, so the
    // lesson can go on.
    if (!stepRuns(kind)) {
        QApplication::beep();
        return;
    }
    const StepChoice choice = m_flow.continuaPressed();
    // An affinity runs only on coefficients its dialog accepted for this
    // slot. The evaluator's success flag cannot tell: the calculator writes
    // it too. Refused, the step leaves the lesson as it was before the press.
    if (kind == Affinita && !TransformSettings.AffineConfirmed[choice.slot]) {
        m_flow.stepRefused(FlowText::AffinityNotConfirmed);
        applyFlow();
        return;
    }
    loadStepFigure(choice);
    TransformSettings.CurrentSlot = quint8(choice.slot);
    RunningKind = kind;
    m_tableKindName1 = trasfuno->currentText().left(TableKindNameLength);
    m_tableKindName2 = trasfdue->currentText().left(TableKindNameLength);
    applyFlow();
    // The second step of a sequence goes on from the first, which a GIF
    // of the sequence plays before it.
    m_sequenceStart = choice.fromFigure ? std::nullopt : m_stepStart;
    keepStepStart(kind);
    startStep(kind);
    updateTransport();
    placeFocus();
}

void Tgeo::startStep(int kind)
{
    if (m_flow.FrameMode) {
        TransformSettings.AffineCoeff[1] = FrameChange::matrix(kind, slotParameters(TransformSettings, 1));
        drawFrameChange();
        return;
    }
    const int slot = TransformSettings.CurrentSlot;
    m_parameters = slotParameters(TransformSettings, slot);
    prepareStep(kind, slot, m_parameters, m_figure, m_map.originY(), m_step, m_points);
    m_preparedStep = m_step;
    switch (kind) {
    case Traslazione:
        traslazione->start();
        break;
    case Rotazione:
        rotazione->start();
        break;
    case Simmetria:
        drawSymmetry();
        break;
    case Omotetia:
        omotetia->start();
        break;
    case Dilatazione:
        dilatazione->start();
        break;
    case Inclinazione:
        inclinazione->start();
        break;
    default:
        drawAffinity(TransformSettings.AffineCoeff[slot]);
        break;
    }
}

void Tgeo::pnumClick()
{
    num->setText(QString::number(pnum->value()));
}

void Tgeo::tipiChange()
{
    const bool axes = tipi->currentIndex() == 1;
    if (axes) {
        pnum->setValue(1);
        TransformSettings.CurrentSlot = 1;
        removeAffinity();
    } else if (trasfuno->count() == KindCount - 1) {
        trasfuno->addItem(ShortTexts.text(AffinityRow));
        trasfdue->addItem(ShortTexts.text(AffinityRow));
    }
    m_flow.modeChosen(axes);
    forgetStepStart();
    applyFlow();
}

void Tgeo::removeAffinity()
{
    if (trasfuno->count() == KindCount) {
        trasfuno->removeItem(Affinita);
        trasfdue->removeItem(Affinita);
    }
}

void Tgeo::AddExtraKinds()
{
    if (ExtraKindsPresent)
        return;
    for (QComboBox *box : {trasfuno, trasfdue})
        for (int row : ExtraKindRows)
            box->addItem(ShortTexts.text(row));
    ExtraKindsPresent = true;
}

void Tgeo::RemoveExtraKinds()
{
    if (!ExtraKindsPresent)
        return;
    for (QComboBox *box : {trasfuno, trasfdue})
        for (int item : {Affinita, Inclinazione, Dilatazione})
            box->removeItem(item);
    ExtraKindsPresent = false;
}

void Tgeo::inversaClick()
{
    m_flow.inversaPressed();
    forgetStepStart();
    applyFlow();
}

void Tgeo::cancellaClick()
{
    m_flow.cleared();
    forgetStepStart();
    ClearBeforeScene = true;
    DrawScene();
    if (!TransformSettings.FigureIsCircle)
        DrawVertexLabels(m_start, PlaneColour::White);
    describeDrawing(-1);
    m_runsDrawn = 0;
    applyFlow();
    present();
}

void Tgeo::czoomClick()
{
    m_map.setZoomDivisor(czoom->currentIndex() + 1);
    cancellaClick();
}

void Tgeo::czoomChange()
{
    cancellaClick();
}

void Tgeo::sovraClick()
{
    m_canvas.overlayResults();
    present();
}
