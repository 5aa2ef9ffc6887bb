#pragma once

#include "dialogs/parameterdialog.h"
#include "dialogs/spincontrol.h"

// The dilation dialog: the factors along x and y of the dilation of
// `CurrentSlot`, each edited as tenths.
class Tdilatazioni : public ParameterDialog
{
    Q_OBJECT

public:
    explicit Tdilatazioni(QWidget *parent = nullptr);

private:
    void FormActivate() override;
    bool storeValues() override;

    ValueSpin m_x;
    ValueSpin m_y;
};
