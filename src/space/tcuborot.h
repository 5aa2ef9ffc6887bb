#pragma once

#include "space/cubesequence.h"

#include <QDialog>

class HintSwitch;
class QAction;
class QButtonGroup;
class QGridLayout;
class QSpinBox;
class QToolButton;

// The settings dialog's hints, kept by the space window: the first opening
// after the window was created follows the main window's switch, later
// openings the dialog's own last choice.
struct CubeDialogHints {
    bool firstActivation = true;
    bool CubeDialogShowHints = true;
};

// The schedule of the space window: for each of the three steps the axis,
// the number of quarter turns and the direction. OK writes the schedule;
// cancel leaves it as it was.
class Tcuborot : public QDialog
{
    Q_OBJECT

public:
    Tcuborot(CubeSchedule &schedule, CubeDialogHints &hints, QWidget *parent = nullptr);

public slots:
    void BitBtn1Click();
    void BitBtn3Click();
    void MostraClick();

private:
    struct StepRow {
        QButtonGroup *axes;
        QSpinBox *spin;
        QToolButton *clockwise;
        QToolButton *anticlockwise;
    };

    void createRow(QGridLayout *rows, int step, const char *group, const char *field, const char *spin);
    QToolButton *directionButton(const QString &name, bool clockwise, int hintRow);

    CubeSchedule &m_schedule;
    CubeDialogHints &m_hints;
    HintSwitch *m_hintSwitch;
    std::array<StepRow, StepCount> m_rows;
    QAction *Mostra;
};
