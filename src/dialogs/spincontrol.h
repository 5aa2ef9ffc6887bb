#pragma once

#include "dialogs/spinrules.h"

#include <QSpinBox>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

// The arrows of a spin control. Its position is shown in a separate value
// field (see ValueSpin), so its own text area is kept out of sight.
class SpinControl : public QSpinBox
{
    Q_OBJECT

public:
    SpinControl(const QString &objectName, SpinRange range, QWidget *parent);

    SpinRange range() const { return m_range; }
    void stepBy(int steps) override;

private:
    SpinRange m_range;
};

// A numeric parameter as every dialog shows it: a label, a read-only field
// and the spin control that alone changes it. The field follows the spin at
// every change, in the form `display` gives.
class ValueSpin
{
public:
    ValueSpin(QWidget *parent, const QString &label, const QString &fieldName, const QString &spinName,
              SpinRange range, SpinDisplay display = SpinDisplay::Whole);

    QLabel *label;
    QLineEdit *field;
    SpinControl *spin;

    // Label, field and spin in three neighbouring cells of one grid row.
    void addTo(QGridLayout *grid, int row, int column) const;

    int position() const;
    void setPosition(int position);
    void setEnabled(bool enabled);
    void setHint(const QString &hint);
};
