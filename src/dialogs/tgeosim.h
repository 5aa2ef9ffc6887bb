#pragma once

#include "dialogs/parameterdialog.h"
#include "dialogs/spincontrol.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;

// The symmetry dialog: what the figure of `CurrentSlot` is reflected about,
// a point, a line parallel to an axis, a bisector or a line y = m x + q.
class Tgeosim : public ParameterDialog
{
    Q_OBJECT

public:
    explicit Tgeosim(QWidget *parent = nullptr);

private:
    void FormActivate() override;
    bool storeValues() override;
    void tiposimClick(int kind);
    void pangoloClick();

    QGroupBox *m_tiposimBox;
    QButtonGroup *tiposim;
    ValueSpin m_x;
    ValueSpin m_y;
    ValueSpin m_angle;
    QLineEdit *Edit3;
    ValueSpin m_q;
    QCheckBox *centrasse;
};
