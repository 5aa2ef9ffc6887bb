#pragma once

#include "dialogs/parameterdialog.h"
#include "dialogs/spincontrol.h"

class QCheckBox;

// The rotation dialog: centre and angle of the rotation of `CurrentSlot`.
class Tgeorota : public ParameterDialog
{
    Q_OBJECT

public:
    explicit Tgeorota(QWidget *parent = nullptr);

private:
    void FormActivate() override;
    bool storeValues() override;

    ValueSpin m_centreX;
    ValueSpin m_centreY;
    ValueSpin m_angle;
    QCheckBox *raggic;
};
