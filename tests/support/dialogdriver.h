#pragma once

#include <QString>
#include <QWidget>

class SpinControl;

// Working a parameter dialog as the user works it, by objectName.
namespace DialogDriver {

template <typename Control = QWidget>
Control *child(const QWidget *dialog, const QString &name)
{
    return dialog->findChild<Control *>(name);
}

SpinControl *spin(const QWidget *dialog, const QString &name);
QString text(const QWidget *dialog, const QString &name); // of a line edit or a label
void click(const QWidget *dialog, const QString &name);
// A radio item clicked on its round indicator at the left, as the user does.
void chooseItem(const QWidget *dialog, const QString &name);
void pressOk(const QWidget *dialog);
void pressCancel(const QWidget *dialog);

} // namespace DialogDriver
