#include "shell/hintswitch.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QWidget>

HintSwitch::HintSwitch(QWidget *window, bool shown)
    : QObject(window)
    , m_window(window)
    , m_shown(shown)
{
    // Tooltips go to the control under the pointer, so the whole application
    // is watched and only this window's own controls are held back: a child
    // window of the main frame must not silence its siblings.
    qApp->installEventFilter(this);
}

bool HintSwitch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && !m_shown) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && m_window && (widget == m_window || m_window->isAncestorOf(widget)))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool HintSwitch::toggle(QAction *checkMark)
{
    m_shown = !m_shown;
    checkMark->setChecked(m_shown);
    return m_shown;
}
