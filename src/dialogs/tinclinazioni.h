#pragma once

#include "dialogs/parameterdialog.h"
#include "dialogs/spincontrol.h"

class QButtonGroup;
class QGroupBox;

// The shear dialog: the axis, sign and coefficient of the shear of
// `CurrentSlot`. The axis and the sign are shared by both slots; the
// coefficient is the slot's own, edited as tenths.
class Tinclinazioni : public ParameterDialog
{
    Q_OBJECT

public:
    explicit Tinclinazioni(QWidget *parent = nullptr);

private:
    void FormActivate() override;
    bool storeValues() override;

    QGroupBox *m_sceltasseBox;
    QButtonGroup *sceltasse;
    QGroupBox *m_segnokappaBox;
    QButtonGroup *segnokappa;
    ValueSpin m_coefficient;
};
