#pragma once

#include "dialogs/affinityrules.h"
#include "dialogs/parameterdialog.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

// The affinity dialog: the six coefficients of the affinity of
// `CurrentSlot`, typed as expressions and evaluated as they change, with
// presets of familiar transformations. OK closes only on six valid
// coefficients.
class Taffina : public ParameterDialog
{
    Q_OBJECT

public:
    explicit Taffina(QWidget *parent = nullptr);

signals:
    // OK found an invalid field and the dialog stays open: the moment of the
    // system beep, which a headless run cannot hear.
    void okRefused();

private:
    void FormActivate() override;
    bool storeValues() override;
    void fieldChange(int field);
    void combinatoChange(int preset);

    // In `AffineField` order: nome (c), bis (a), Edit1 (b), Edit2 (c'),
    // Edit3 (a'), Edit4 (b').
    std::array<QLineEdit *, AffineFieldCount> m_fields;
    AffineValidity m_valid{};
    QComboBox *combinato;
    QLabel *Label1;
};
