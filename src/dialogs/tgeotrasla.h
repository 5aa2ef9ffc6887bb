#pragma once

#include "dialogs/parameterdialog.h"
#include "dialogs/spincontrol.h"

class QCheckBox;

// The translation dialog: the vector of the translation of `CurrentSlot`.
class Tgeotrasla : public ParameterDialog
{
    Q_OBJECT

public:
    explicit Tgeotrasla(QWidget *parent = nullptr);

private:
    void FormActivate() override;
    bool storeValues() override;

    ValueSpin m_x;
    ValueSpin m_y;
    QCheckBox *vettore;
};
