#pragma once

// The lesson's state machine: which controls of the workspace are enabled,
// what the message line says and which button picture follows it, and which
// step `continua` runs next. It knows nothing of widgets; the window applies
// it after every event.

// Rows of LongTexts shown by the message line, the mode text and the
// sequence panel.
namespace FlowText {
constexpr int NoMessage = -1;
constexpr int ChooseTransformation = 43;
constexpr int ChooseSecond = 44;
constexpr int ChooseFirst = 45;
constexpr int PressButton = 46;
constexpr int FigureOffScreen = 47;
constexpr int GeometricTransformation = 48;
constexpr int ChangeOfFrame = 49;
constexpr int Direct = 50;
constexpr int Inverse = 51;
// Not a LongTexts row: the notice that an affinity step needs its dialog
// confirmed first (the language tables' AffinityNotConfirmed).
constexpr int AffinityNotConfirmed = -2;
} // namespace FlowText

// The picture of the button that "Premere il tasto" means.
enum class MessageGlyph { None, Continua, Inversa };

struct FlowControls {
    bool trasfuno = false;
    bool trasfdue = false;
    bool continua = false;
    bool nuova = true;
    bool inversa = false;
    bool cancella = false;
    bool Tabel = false;
    bool czoom = false;
    bool pnum = true;
    bool sovra = false;

};

// The step `continua` runs: the slot whose parameters drive it (its kind is
// the one chosen in that slot's combo box) and whether it starts from the
// confirmed figure or from the image of the step before.
struct StepChoice {
    int slot = 1;
    bool fromFigure = true;
};

class LessonFlow
{
public:
    FlowControls enabled;
    int message = FlowText::NoMessage;
    MessageGlyph glyph = MessageGlyph::None;
    bool frameLabelsShown = false; // "x" and "y" of the moved frame
    bool sequenceShown = false;
    int sequenceText = FlowText::Direct;
    int modeText = FlowText::NoMessage;

    int TransformCount = 1;
    bool FirstChosen = false;
    bool SecondChosen = false;
    bool FirstStepNext = true;
    bool DirectSequence = true;
    bool FrameMode = false; // the mode of the confirmed figure
    int FigureRuns = 0;
    int FrameRuns = 0;

    // `nuova` pressed, before the figure dialog opens; `axes` is the mode
    // chosen in `tipi`.
    void nuovaPressed(bool axes);
    // The figure dialog confirmed; `transformations` is the position of
    // `pnum`, which frame mode forces to 1.
    void figureConfirmed(int transformations);
    // A parameter dialog of slot 1 or 2 confirmed.
    void transformConfirmed(int slot);

    // The step the next `continua` runs, without running it.
    StepChoice nextStep() const;
    // `continua` pressed: the step of nextStep() starts.
    StepChoice continuaPressed();
    // The step of the last press cannot run: every control, the message
    // panel and the sequence panel are back as they were before the press,
    // and the message line shows `reason`.
    void stepRefused(int reason);

    // A figure-mode step ends: first it counts (as it begins, for the kinds
    // drawn at once), then it hands the lesson back. Returns the stage of the
    // recorded vertex texts the step's image belongs to.
    void figureRunCounted();
    int figureStepEnded();
    void figureOffScreen();
    // The change of frame is drawn; returns the stage it records.
    void frameRunCounted();
    int frameStepEnded();

    void inversaPressed();
    // `cancella` or a new scale.
    void cleared();
    // "Assi" (true) or "Figura" chosen in `tipi`.
    void modeChosen(bool axes);

private:
    void updateSovra();
    void stepOver();

    // The controls and panels as they were when `continua` was pressed.
    FlowControls m_enabledBeforeStep;
    bool m_sequenceShownBeforeStep = false;
    int m_sequenceTextBeforeStep = FlowText::Direct;
    bool m_czoomBeforeStep = false;
    bool m_stepRunning = false;
    bool m_inverseRequested = false;
};
