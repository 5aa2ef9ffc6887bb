#include "app/hintswitch.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

HintSwitch::HintSwitch(QWidget *window, bool shown)
    : QObject(window)
    , m_window(window)
    , m_shown(shown)
{
    // Tooltips go to the control under the pointer, so the whole application
    // is watched and only this window's controls are held back.
    qApp->installEventFilter(this);
}

bool HintSwitch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !m_shown) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && m_window && widget->window() == m_window->window())
            return true;
    }
    return QObject::eventFilter(watched, event);
}
