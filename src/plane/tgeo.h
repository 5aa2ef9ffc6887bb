#pragma once

#include "dialogs/parameterdialog.h"
#include "lesson/lessonfile.h"
#include "plane/animationtransport.h"
#include "plane/composition.h"
#include "plane/lessonflow.h"
#include "plane/planecanvas.h"
#include "plane/screenmapping.h"
#include "plane/steppreparation.h"
#include "plane/worksheet.h"
#include "shell/mdichildwindow.h"
#include "transform/transformsettings.h"

#include <QStringList>

#include <functional>
#include <optional>

class HintSwitch;
class PictureCommands;
class QAction;
class QComboBox;
class QKeyEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QSlider;
class QTimer;
class QToolBar;
class QToolButton;
class SpinControl;

// The plane workspace: a figure on a Cartesian plane carried through one or
// two transformations, in the direct and the inverse order, or the frame of
// reference moved instead ("Assi" mode). The window's code is split by
// concern: controls and layout (tgeo_layout.cpp), the lesson flow
// (tgeo_flow.cpp), the drawing routines and the end of a step
// (tgeo_drawing.cpp), and one file per animation kind.
class Tgeo : public MdiChildWindow
{
    Q_OBJECT

public:
    explicit Tgeo(QWidget *parent = nullptr);

    // What the window shows and keeps, for the tests and the benchmark.
    const QImage &canvas() const { return m_canvas.image(); }
    // The drawing area of the canvas, as copied and saved by the pop-up's
    // picture items; the panel below it holds only controls.
    // The colour of the canvas's program pixel `at`, at any device pixel ratio.
    QRgb canvasPixel(QPoint at) const { return m_canvas.pixel(at); }
    // At the canvas's own resolution, so a picture taken on a projector is
    // as sharp as the screen showed it; cropped and recoloured as the
    // picture items ask.
    QImage drawingPicture() const { return m_canvas.picture(m_pictureLook); }
    QRect picturePart() const { return m_canvas.picturePart(m_pictureLook.onlyFigures); }
    // Where the screen shows the program pixel `program`: the canvas's own
    // place, unless the view is magnified or moved.
    QPointF viewPoint(QPointF program) const;
    // The worksheet of the lesson as the table records it.
    Worksheet::Sheet worksheet() const;
    // The GIF of the last step, as the picture items' options ask, or why
    // there is none.
    std::optional<QString> animation(QByteArray &bytes);
    // The same drawing as shapes, for the SVG and PDF files.
    void paintDrawingPicture(QPainter &p) const { m_canvas.paintPicture(p, m_pictureLook); }
    QImage figureResultBitmap() const { return m_canvas.figureResult(); }
    QImage frameResultBitmap() const { return m_canvas.frameResult(); }
    const QFont &canvasFont() const { return m_canvas.font(); }
    const ScreenMapping &mapping() const { return m_map; }
    QString tableKindName(int slot) const { return slot == 1 ? m_tableKindName1 : m_tableKindName2; }
    int topBarHeight() const;
    int panelHeight() const;

    // tgeo_lesson.cpp
    // Puts the workspace where confirming the lesson's values through its
    // dialogs would: the figure drawn, the transformations confirmed.
    void openLesson(const Lesson &lesson);
    // What a teacher would prepare again to reach the workspace's state.
    Lesson lesson() const;
    // The file dialogs and the messages around a lesson file; opening by
    // name reads a file, or a ready lesson under ":/lessons".
    void openLessonFile(const QString &path);
    void askToOpenLesson();
    void askToSaveLesson();

public slots:
    void FormActivate();
    void FormMouseMove(QPoint position);

    void nuovaClick();
    void trasfunoChange();
    void trasfdueChange();
    void continuaClick();
    void pnumClick();
    void tipiChange();
    void inversaClick();
    void cancellaClick();
    void czoomClick();
    void czoomChange();
    void sovraClick();
    void mostraClick();
    void piattoClick();
    void aiutoClick();
    void memoClick();
    void TabelClick();

    void traslazioneTimer();
    void rotazioneTimer();
    void omotetiaTimer();
    void dilatazioneTimer();
    void inclinazioneTimer();

    void pausaClick(bool paused);
    void fotogrammaClick();
    void velocitaChange(int speed);
    void ancoraClick();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // tgeo_layout.cpp
    void createControls();
    void createTopBar();
    QToolButton *addToolButton(QToolBar *bar, const char *name, int image, int hintRow, void (Tgeo::*handler)());
    void createBottomPanel();
    void createTimers();
    void finishCreation();
    void layOutBottomPanel();
    void setToolBarFlat(QToolBar *bar, bool flat);

    // tgeo_flow.cpp
    void applyFlow();
    void transformationChosen(int slot);
    // The kind last confirmed for the slot since the figure, or -1 (none).
    int confirmedKind(int slot) const;
    bool confirmParameters(int kind);
    QComboBox *kindBox(int slot) const;
    bool stepRuns(int kind) const;
    void loadStepFigure(const StepChoice &choice);
    void startStep(int kind);
    void AddExtraKinds();
    void RemoveExtraKinds();
    void removeAffinity();

    // tgeo_lesson.cpp
    void createLessonItems();
    void createPictureItems();
    // The last step (with the first, when it is the second of a sequence)
    // run once more at once, off the screen, from where it started: `frame`
    // takes each picture with how long it is shown, the start, the picture
    // between two steps and the end held longer. The canvas is as before
    // afterwards.
    void replayLastStep(const std::function<void(int delayMs)> &frame);
    void askToSaveAnimation();
    void printWorksheet();
    void createViewItems();
    // The drawing area below the tool bars, which the view fits into.
    QRect visibleDrawing() const;
    bool viewMoved() const;
    void setView(qreal magnification, QPointF origin);
    // One step more or less magnified, ×1 to ×3.
    void magnify(qreal step);
    void fitFigures();
    void paintView(QPainter &painter, const QRegion &exposed);

    // tgeo_transport.cpp
    void createTransportBar();
    // The timer of the running kind's animation and its handler.
    QTimer *stepTimer() const;
    void runStepFrame();
    // A timer-driven step is running or paused.
    bool stepAnimating() const;
    void updateTransport();
    // A frame of the running step is on the canvas.
    void frameShown();
    void keepStepStart(int kind);
    void forgetStepStart();
    // A state a step started from, back in place.
    struct StepStart;
    void restoreStepStart(const StepStart &start);
    // The step that `start` began run again at once, `frame` taking each
    // of its frames.
    void replayStep(const StepStart &start, const std::function<void(int delayMs)> &frame);
    // The keys of the workspace and of a presenter remote; true when used.
    bool transportKey(const QKeyEvent *key);
    bool kindBoxKey(QObject *watched, const QKeyEvent *key);
    void setBlank(std::optional<QRgb> colour);
    // After a dialog or a step: never on a control a remote's keys could
    // change, nor beside `nuova` where one slip ends the lesson.
    void placeFocus();
    // The drawing's accessible description, from the table's texts of the
    // stages it shows; `stage` is one more stage drawn, or -1 for a drawing
    // that shows the figure alone again.
    void describeDrawing(int stage);
    void showCompositionElement(const Composition::Map &map);

    // tgeo_drawing.cpp
    void present();
    void drawStaticScene();
    void DrawScene();
    // `suffix` follows each letter: the prime of a marked image.
    void DrawVertexLabels(const FigurePoints &points, QRgb colour, const QString &suffix = QString());
    void RecordVertexTexts(int stage);
    void OffScreenCheck();
    QRgb stepColour() const;
    void placeFrame();
    void placeFrame(int last);
    // The figure of the step where m_points.work puts it, placed first.
    PlaneShape frameFigure();
    // The same for the kinds that scale a circle's box with it.
    PlaneShape frameFigureInBox();
    // Whether the overlay's figure picture is taken from a step with one
    // transformation only, or from every step (the dilation's rule).
    enum class FigureResult { OneTransformation, Always };
    // The end of a timer-driven step, its image already in ImageX/ImageY.
    void endFigureStep(QTimer *timer, FigureResult result = FigureResult::OneTransformation);
    // The parts of a step's end that the kinds drawn at once share with it.
    void countFigureRun();
    void labelImage();
    void countRun();
    // The canvas's `source` image pixels as the screen shows them.
    QImage shownPart(const QRect &source) const;
    void handOver();

    // One file per kind.
    void placeTranslationFrame();
    void drawTranslationFrame();
    void drawRotationFrame();
    void drawSymmetry();
    void drawHomothetyFrame();
    void drawDilationFrame();
    void drawShearFrame();
    void drawAffinity(const AffineMatrix &matrix);
    void drawFrameChange();

    // Top bar.
    QWidget *barrasotto;
    QMenu *PopupMenu1;
    QAction *mostra;
    QAction *piatto;
    PictureCommands *m_pictures;
    QToolBar *ToolBar7;
    QComboBox *tipi;
    QLineEdit *num;
    SpinControl *pnum;
    QToolBar *ToolBar4;
    QComboBox *trasfuno;
    QComboBox *trasfdue;
    QComboBox *czoom;
    QToolBar *ToolBar3;
    QToolButton *inversa;
    QToolButton *cancella;
    QToolButton *Tabel;
    QToolButton *sovra;
    QToolBar *ToolBar2;
    QToolButton *continua;
    QToolButton *nuova;
    QToolBar *ToolBar1;
    QToolButton *memo;
    QToolButton *aiuto;
    QToolBar *ToolBar8;
    QToolButton *pausa;
    QToolButton *fotogramma;
    QSlider *velocita;
    QToolButton *ancora;
    QLabel *lettura;

    // Bottom panel.
    QFrame *sotto;
    QLabel *Label1;
    QToolButton *tcontinua;
    QToolButton *tinversa;
    QFrame *Bevel1;
    QLabel *Label5;
    QFrame *Bevel2;
    QLabel *Label4;
    QFrame *Bevel3;
    QLabel *triangoli;
    QLabel *Label2;
    QFrame *Bevel4;
    QLabel *grafici;
    QLabel *Label3;
    QFrame *Bevel5;
    QLabel *Panel1;

    QLabel *stx;
    QLabel *sty;

    QTimer *rotazione;
    QTimer *traslazione;
    QTimer *omotetia;
    QTimer *dilatazione;
    QTimer *inclinazione;

    QWidget *m_surface; // the client area, which shows the canvas
    HintSwitch *m_hints;
    bool m_created = false;

    PlaneCanvas m_canvas;
    ScreenMapping m_map;
    LessonFlow m_flow;
    QStringList KindNames;
    bool ClearBeforeScene = true;
    bool ExtraKindsPresent = true;
    int RunningKind = 0;
    QString m_tableKindName1;
    QString m_tableKindName2;
    std::array<bool, VertexStageCount> m_stagesDrawn{};
    // While a lesson is opened its values are confirmed without the user.
    ParameterDialog::Answer m_dialogAnswer = ParameterDialog::Answer::User;
    QString m_lessonTitle;
    QString m_lessonNote;
    // "Primes on images": off as the workspace opens, kept until it closes.
    bool m_primes = false;
    int m_runsDrawn = 0; // one-transformation runs since the drawing was cleared
    QAction *m_primesItem = nullptr;
    bool m_lightBoard = false; // "Light board": shown recoloured, off at first
    bool m_thickLines = false; // "Thick lines": shown thicker, off at first
    PictureLook m_pictureLook; // the picture items' options, off at first
    bool m_loopAnimation = true; // "Loop the animation"
    // The view: the screen shows program pixel p at (p - origin) × magnification.
    qreal m_magnification = 1;
    QPointF m_viewOrigin;
    std::function<void(int delayMs)> m_frameRecorder; // while a step is replayed for a file
    QAction *m_openLesson = nullptr;
    QAction *m_saveLesson = nullptr;

    FigurePoints m_start;    // StartX/StartY: the confirmed figure, working units
    ScreenPoints m_startScreen;
    StepFigure m_figure;     // CurX/CurY and the vertex count of the running step
    StepValues m_step;
    SlotParameters m_parameters; // the running slot's, fixed while its step runs
    StepPoints m_points;     // ImageX/Y, RelX/Y, WorkX/Y
    ScreenPoints m_frameScreen;
    PlaneFrame m_frame; // the shapes of the running step's frame, kept from frame to frame
    std::array<QString, VertexCount> m_currentTextX;
    std::array<QString, VertexCount> m_currentTextY;

    // The transport: when frames come, never what they are.
    int m_speed = AnimationTransport::NormalSpeed;
    bool m_paused = false;
    int m_framesShown = 0;
    StepValues m_preparedStep;
    std::optional<QRgb> m_blank;
    // Everything the last step changed, as it was when it started, so that
    // "again" runs it once more from there.
    struct StepStart {
        int kind = 0;
        LessonFlow flow;
        TransformSettingsValues settings;
        PlaneCanvas::Kept canvas;
        StepFigure figure;
        StepPoints points;
        std::array<QString, VertexCount> textX;
        std::array<QString, VertexCount> textY;
        QString label2;
        QString label3;
        int runsDrawn = 0;
    };
    std::optional<StepStart> m_stepStart;
    // The first step's, while the last is the second of a sequence.
    std::optional<StepStart> m_sequenceStart;
};
