#pragma once

#include "dialogs/parameterdialog.h"
#include "dialogs/spincontrol.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;

// The homothety dialog: centre, ratio and sign of the homothety of
// `CurrentSlot`. The ratio is edited as tenths and is always positive; the
// sign is a choice of its own, stored as soon as it is clicked.
class Tgeomot : public ParameterDialog
{
    Q_OBJECT

public:
    explicit Tgeomot(QWidget *parent = nullptr);

private:
    void FormActivate() override;
    bool storeValues() override;
    void segnoClick(int item);

    QGroupBox *m_segnoBox;
    QButtonGroup *segno;
    ValueSpin m_ratio;
    ValueSpin m_centreX;
    ValueSpin m_centreY;
    QCheckBox *centro;
};
