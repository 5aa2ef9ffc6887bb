#pragma once

#include "app/shellvalues.h"
#include "dialogs/spincontrol.h"
#include "dialogs/transformsettings.h"
#include "support/guitest.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <functional>

// What the dialog tests share: the store as a freshly created workspace
// leaves it, and the workspace's way of running a dialog.
namespace DialogTest {

inline void startWorkspace(bool mainShowHints = true)
{
    Shell.MainShowHints = mainShowHints;
    applyWorkspaceStartValues(mainShowHints);
}

template <typename Control>
Control *child(QWidget *dialog, const char *name)
{
    auto *control = dialog->findChild<Control *>(QString::fromLatin1(name));
    if (!control)
        qWarning("no control named %s", name);
    return control;
}

inline SpinControl *spin(QWidget *dialog, const char *name) { return child<SpinControl>(dialog, name); }
inline QLineEdit *field(QWidget *dialog, const char *name) { return child<QLineEdit>(dialog, name); }

inline void click(QWidget *dialog, const char *name)
{
    QTest::mouseClick(child<QAbstractButton>(dialog, name), Qt::LeftButton);
}

// One press on a spin's up or down arrow, where the user's mouse would go.
inline void clickArrow(SpinControl *control, bool up)
{
    QStyleOptionSpinBox option;
    option.initFrom(control);
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect arrow = control->style()->subControlRect(
        QStyle::CC_SpinBox, &option, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, control);
    QTest::mouseClick(control, Qt::LeftButton, {}, arrow.center());
}

// Runs the dialog modally as the workspace does; `act` works on it while it
// waits in exec() and ends it with OK or cancel. Returns the modal result.
template <typename Dialog>
int runModal(const std::function<void(Dialog &)> &act)
{
    Dialog dialog;
    GuiTest::whenModalOpens([&](QWidget *) {
        act(dialog);
        if (dialog.isVisible())
            dialog.reject();
    });
    return dialog.exec();
}

// Keyboard focus and shortcuts need the dialog to be the active window.
inline bool activate(QWidget *dialog)
{
    dialog->activateWindow();
    return QTest::qWaitForWindowActive(dialog);
}

inline void pressOk(QWidget *dialog) { click(dialog, "BitBtn1"); }
inline void pressCancel(QWidget *dialog) { click(dialog, "BitBtn2"); }

} // namespace DialogTest
