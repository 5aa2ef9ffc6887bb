#pragma once

#include "dialogs/parameterdialog.h"
#include "dialogs/spincontrol.h"

class QButtonGroup;
class QGroupBox;

// The shear dialog: the axis, sign and coefficient of the shear of
// `CurrentSlot`, all three the slot's own; the coefficient is edited as
// tenths.
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
