#include "dialogs/spincontrol.h"

#include "shell/imagelist.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionSpinBox>

SpinControl::SpinControl(const QString &objectName, SpinRange range, QWidget *parent)
    : QSpinBox(parent)
    , m_range(range)
{
    setObjectName(objectName);
    setRange(range.minimum, range.maximum);
    setWrapping(range.wraps);
    setCursor(pointingCursor());
    // Only the arrows are meant to be seen and used: the position is shown by
    // the value field beside them, and typing here would bypass the range.
    lineEdit()->setReadOnly(true);
    QPalette hidden = lineEdit()->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::Highlight, QPalette::HighlightedText})
        hidden.setColor(role, Qt::transparent);
    lineEdit()->setPalette(hidden);
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const int arrows = style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, this).width();
    setFixedWidth(arrows + 2 * style()->pixelMetric(QStyle::PM_SpinBoxFrameWidth, &option, this) + 2);
}

void SpinControl::stepBy(int steps)
{
    setValue(steppedPosition(value(), steps, m_range));
}

ValueSpin::ValueSpin(QWidget *parent, const QString &labelText, const QString &fieldName,
                     const QString &spinName, SpinRange range, SpinDisplay display)
    : label(new QLabel(labelText, parent))
    , field(new QLineEdit(parent))
    , spin(new SpinControl(spinName, range, parent))
{
    field->setObjectName(fieldName);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-0000")) + 12);
    field->setStyleSheet(QStringLiteral("QLineEdit { background: black; color: white; font-weight: bold; }"
                                        "QLineEdit:disabled { background: #404040; color: #a0a0a0; }"));
    label->setBuddy(spin);
    field->setText(positionText(spin->value(), display));
    QObject::connect(spin, &QSpinBox::valueChanged, field,
                     [edit = field, display](int position) { edit->setText(positionText(position, display)); });
}

void ValueSpin::addTo(QGridLayout *grid, int row, int column) const
{
    grid->addWidget(label, row, column, Qt::AlignRight);
    grid->addWidget(field, row, column + 1);
    grid->addWidget(spin, row, column + 2);
}

int ValueSpin::position() const
{
    return spin->value();
}

void ValueSpin::setPosition(int position)
{
    spin->setValue(boundedPosition(position, spin->range()));
}

void ValueSpin::setEnabled(bool enabled)
{
    field->setEnabled(enabled);
    spin->setEnabled(enabled);
}

void ValueSpin::setHint(const QString &hint)
{
    // The label beside the pair is often a lone letter; the hint says which
    // value the two show.
    for (QWidget *part : {static_cast<QWidget *>(field), static_cast<QWidget *>(spin)}) {
        part->setToolTip(hint);
        part->setAccessibleName(hint);
    }
}
