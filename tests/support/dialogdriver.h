#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class ParameterDialog;
class SpinControl;

// Working a parameter dialog as the user works it, by objectName.
namespace DialogDriver {

template <typename Control = QWidget>
Control *child(const QWidget *dialog, const QString &name)
{
    return dialog->findChild<Control *>(name);
}

enum DialogKind { Figure, Translation, Rotation, Symmetry, Homothety, Dilation, Shear, Affinity };
std::unique_ptr<ParameterDialog> makeDialog(int kind);

SpinControl *spin(const QWidget *dialog, const QString &name);
QString text(const QWidget *dialog, const QString &name); // of a line edit or a label
// What each named control shows: a field's or label's text, a check box's
// 1 or 0, the checked item of a button group.
QStringList shown(const QWidget *dialog, const QStringList &names);
// The text the user reads on a control: a caption, a group's title, a
// label, else its hint.
QString caption(const QWidget *control);
// The caption of the label that names `control`, empty if none does.
QString labelOf(const QWidget *control);
void click(const QWidget *dialog, const QString &name);
// A radio item clicked on its round indicator at the left, as the user does.
void chooseItem(const QWidget *dialog, const QString &name);
void pressOk(const QWidget *dialog);
void pressCancel(const QWidget *dialog);
// One press of the spin's up (positive) or down (negative) arrow key.
void step(const QWidget *dialog, const QString &spinName, int direction);
// Whether each named control takes input, as a string of 1 and 0.
QString enabling(const QWidget *dialog, const QStringList &names);

// Whether each named control shows the pointing hand (the picture cursor
// with its hot spot at the fingertip), as a string of 1 and 0.
QString pointingHands(const QWidget *dialog, const QStringList &names);

// Every value of the transformation store by name ("HomothetyRatio[2]",
// "AffineCoeff[1][0][2]"), reals written to nine significant digits, so
// two single-precision values compare equal only when they are the same.
QMap<QString, QString> storeValues();

// The entries of `after` that differ from `before`, as "name=value", sorted.
QStringList changedValues(const QMap<QString, QString> &before, const QMap<QString, QString> &after);

// A real as storeValues() writes it.
QString real(float value);

// A help set of a loaded language in `folder`, holding `page` only, so that
// the help window can show nothing but that page.
bool writeHelpSet(const QString &folder, const QString &page);

} // namespace DialogDriver
