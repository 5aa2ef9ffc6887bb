#include "plane/lessonflow.h"

#include <utility>

void LessonFlow::nuovaPressed(bool axes)
{
    message = FlowText::NoMessage;
    enabled.inversa = false;
    glyph = MessageGlyph::None;
    FirstChosen = false;
    SecondChosen = false;
    frameLabelsShown = false;
    enabled.continua = false;
    FrameMode = axes;
    modeText = axes ? FlowText::ChangeOfFrame : FlowText::GeometricTransformation;
}

void LessonFlow::figureConfirmed(int transformations)
{
    if (FrameMode)
        enabled.pnum = false;
    TransformCount = FrameMode ? 1 : transformations;
    enabled.trasfuno = true;
    enabled.trasfdue = TransformCount == 2;
    enabled.Tabel = true;
    enabled.cancella = false;
    enabled.czoom = false;
    FirstStepNext = true;
    DirectSequence = true;
    message = FlowText::ChooseTransformation;
}

void LessonFlow::transformConfirmed(int slot)
{
    (slot == 1 ? FirstChosen : SecondChosen) = true;
    DirectSequence = true;
    enabled.inversa = false;
    const bool otherChosen = slot == 1 ? (TransformCount == 1 || SecondChosen) : FirstChosen;
    if (otherChosen) {
        enabled.continua = true;
        message = FlowText::PressButton;
        glyph = MessageGlyph::Continua;
    } else {
        message = slot == 1 ? FlowText::ChooseSecond : FlowText::ChooseFirst;
    }
}

StepChoice LessonFlow::nextStep() const
{
    if (FrameMode)
        return {1, true};
    const bool firstSlot = FirstStepNext == DirectSequence;
    return {firstSlot ? 1 : 2, FirstStepNext};
}

StepChoice LessonFlow::continuaPressed()
{
    m_enabledBeforeStep = enabled;
    m_sequenceShownBeforeStep = sequenceShown;
    m_sequenceTextBeforeStep = sequenceText;
    enabled.trasfuno = false;
    enabled.trasfdue = false;
    enabled.continua = false;
    if (TransformCount == 1) {
        message = FlowText::NoMessage;
        glyph = MessageGlyph::None;
    }
    enabled.Tabel = false;
    enabled.nuova = false;
    enabled.cancella = false;
    // A new scale clears the drawing and offers `continua`: while a step
    // animates, that would start a second step over the running one.
    m_czoomBeforeStep = std::exchange(enabled.czoom, false);
    m_stepRunning = true;
    sequenceShown = TransformCount != 1;
    sequenceText = DirectSequence ? FlowText::Direct : FlowText::Inverse;
    if (!FirstStepNext) {
        glyph = MessageGlyph::None;
        if (DirectSequence) {
            // The inverse sequence may begin as soon as the direct one is
            // complete on the screen.
            enabled.inversa = true;
            message = FlowText::PressButton;
            glyph = MessageGlyph::Inversa;
        } else {
            message = FlowText::NoMessage;
        }
    }
    if (FrameMode)
        enabled.inversa = false;
    return nextStep();
}

void LessonFlow::stepRefused(int reason)
{
    enabled = m_enabledBeforeStep;
    sequenceShown = m_sequenceShownBeforeStep;
    sequenceText = m_sequenceTextBeforeStep;
    m_stepRunning = false;
    message = reason;
    glyph = MessageGlyph::None;
}

void LessonFlow::updateSovra()
{
    enabled.sovra = FigureRuns >= 1 && FrameRuns >= 1;
}

void LessonFlow::figureRunCounted()
{
    ++FigureRuns;
    updateSovra();
}

void LessonFlow::stepOver()
{
    enabled.czoom = m_czoomBeforeStep;
    m_stepRunning = false;
}

int LessonFlow::figureStepEnded()
{
    stepOver();
    enabled.Tabel = true;
    enabled.nuova = true;
    if (TransformCount == 1) {
        enabled.trasfuno = true;
        enabled.cancella = true;
        enabled.czoom = true;
        return 1;
    }
    if (FirstStepNext) {
        FirstStepNext = false;
        enabled.continua = true;
        return DirectSequence ? 1 : 3;
    }
    FirstStepNext = true;
    const int stage = DirectSequence ? 2 : 4;
    if (DirectSequence)
        enabled.inversa = true;
    else
        DirectSequence = true;
    enabled.cancella = true;
    enabled.czoom = true;
    enabled.trasfdue = true;
    enabled.trasfuno = true;
    if (std::exchange(m_inverseRequested, false))
        inversaPressed();
    return stage;
}

void LessonFlow::figureOffScreen()
{
    message = FlowText::FigureOffScreen;
}

void LessonFlow::frameRunCounted()
{
    ++FrameRuns;
    updateSovra();
}

int LessonFlow::frameStepEnded()
{
    stepOver();
    frameLabelsShown = true;
    enabled.Tabel = true;
    enabled.nuova = true;
    enabled.trasfuno = true;
    enabled.cancella = true;
    enabled.czoom = true;
    return 1;
}

void LessonFlow::inversaPressed()
{
    enabled.inversa = false;
    glyph = MessageGlyph::Continua;
    if (m_stepRunning) {
        // Pressed while the direct second step animates: the inverse
        // sequence begins once that step has ended and been recorded.
        m_inverseRequested = true;
        return;
    }
    DirectSequence = false;
    FirstStepNext = true;
    enabled.continua = true;
}

void LessonFlow::cleared()
{
    message = FlowText::NoMessage;
    glyph = MessageGlyph::None;
    frameLabelsShown = false;
    enabled.inversa = false;
    enabled.continua = true;
    enabled.cancella = false;
}

void LessonFlow::modeChosen(bool axes)
{
    enabled.pnum = !axes;
}
