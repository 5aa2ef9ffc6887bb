#pragma once

#include "shell/mdichildwindow.h"
#include "shell/ratioimage.h"
#include "space/cubeframe.h"
#include "space/cubelegend.h"
#include "space/cubesequence.h"
#include "space/tcuborot.h"

#include <QImage>

class HintSwitch;
class PictureCommands;
class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;
class QToolButton;

// The space-rotation window: a coloured cube turned in quarter turns about
// x, y and z, to show that rotations in space do not commute. The window is
// cut into thirds; step k of the schedule is animated in third k, starting
// from the cube the step before left.
class Tuncubo : public MdiChildWindow
{
    Q_OBJECT

public:
    explicit Tuncubo(QWidget *parent = nullptr);
    ~Tuncubo() override;

    // What the window shows (every drawing routine draws into the canvas)
    // and the state behind it.
    const QImage &canvas() const { return m_canvas; }
    // The canvas's size in the program's pixels; the image itself has the
    // screen's device pixel ratio.
    QSize clientSize() const { return programSize(m_canvas); }
    const CubeSequence &sequence() const { return m_sequence; }
    const CubeDimensions &dimensions() const { return m_dimensions; }
    const LegendPlace &legendPlace() const { return m_legend; }

public slots:
    // Activation restarts the sequence from the start cube.
    void FormActivate();
    void FormDeactivate();

    // Timer handlers, public so that tests can tick them.
    void cadenzaxTimer();
    void cadenzayTimer();
    void cadenzazTimer();
    void Timer1Timer();

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void pausabClick(bool down);
    void veloChange(int position);
    void nuovoClick();
    void aiutoClick();
    void mostraClick();
    void piattoClick();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createToolBars();
    void createPanels();
    void createStepControls();
    void nameStepButtons();
    void createPopupMenu();
    void sizePictures();
    void placeControls();
    void applyFlatButtons(bool flat);

    void animateAxis(CubeAxis axis);
    void startStep(int step);
    void showStepLabel(int step, CubeAxis axis);
    void copyToPanel(int panel);
    void stopAxisTimers();
    QTimer *axisTimer(CubeAxis axis) const;

    QWidget *m_client;
    QImage m_canvas;
    QImage CubeBitmap;
    CubeDimensions m_dimensions;
    LegendPlace m_legend;
    CubeSequence m_sequence;
    CubeDialogHints m_dialogHints;
    bool m_firstActivation = true;
    QMetaObject::Connection m_activation;
    HintSwitch *m_hints;

    QWidget *barrasotto;
    QToolButton *pausab;
    QSlider *velo;
    QToolButton *nuovo;
    QToolButton *aiuto;
    std::array<QPushButton *, StepCount> m_stepButtons;
    std::array<QLabel *, StepCount> m_stepLabels;
    std::array<QLabel *, StepCount> m_anticlockwiseArrows; // Image1..Image3
    std::array<QLabel *, StepCount> m_clockwiseArrows;     // Image4..Image6
    QFrame *Bevel1;
    QFrame *sotto;
    std::array<QTimer *, CubeAxisCount> m_axisTimers; // cadenzax, cadenzay, cadenzaz
    QTimer *Timer1;
    QAction *mostra;
    QAction *piatto;
    PictureCommands *m_pictures;
};
