#pragma once

#include "dialogs/spincontrol.h"

#include <QString>
#include <QWidget>

// Working a parameter dialog as the user works it, by objectName.
namespace DialogDriver {

template <typename Control = QWidget>
Control *child(const QWidget *dialog, const QString &name)
{
    return dialog->findChild<Control *>(name);
}

inline SpinControl *spin(const QWidget *dialog, const QString &name) { return child<SpinControl>(dialog, name); }

// A line edit's or a label's text, a check box's 1 or 0, a button group's checked item.
QString text(const QWidget *dialog, const QString &name);
void click(const QWidget *dialog, const QString &name);
// A radio item clicked on its round indicator at the left, as the user does.
void chooseItem(const QWidget *dialog, const QString &name);
inline void pressOk(const QWidget *dialog) { click(dialog, QStringLiteral("BitBtn1")); }
inline void pressCancel(const QWidget *dialog) { click(dialog, QStringLiteral("BitBtn2")); }

} // namespace DialogDriver
