#pragma once

#include "dialogs/figurerules.h"
#include "dialogs/parameterdialog.h"
#include "dialogs/spincontrol.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;

// The figure dialog: the type of the figure and the grid coordinates of its
// vertices, or the centre and radius of the circle.
class Tcoordinate : public ParameterDialog
{
    Q_OBJECT

public:
    explicit Tcoordinate(QWidget *parent = nullptr);

private:
    void FormActivate() override;
    bool storeValues() override;
    void tipoClick(int type);
    void raggioEdited(const QString &text);
    void raggioEditingFinished();
    void enableRows(const FigureRows &rows);

    QGroupBox *m_tipoBox;
    QButtonGroup *tipo;
    QCheckBox *pulizia;
    std::array<ValueSpin, VertexCount> m_x; // A..D
    std::array<ValueSpin, VertexCount> m_y;
    QLineEdit *raggio;
    SpinControl *praggio;
};
