#include "shell/menuhelp.h"

#include "shell/helpviewer.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace {

const char *const TopicProperty = "helpContext";

int topicOf(QAction *item)
{
    return item ? item->property(TopicProperty).toInt() : 0;
}

} // namespace

MenuHelp::MenuHelp(QObject *owner, QMenuBar *bar, std::initializer_list<QMenu *> menus)
    : QObject(owner)
    , m_bar(bar)
{
    for (QMenu *menu : menus)
        menu->installEventFilter(this);
    bar->installEventFilter(this);
}

void MenuHelp::setTopic(QAction *item, int context)
{
    item->setProperty(TopicProperty, context);
}

bool MenuHelp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_F1)
        return false;
    QAction *highlighted = nullptr;
    if (auto *menu = qobject_cast<QMenu *>(watched))
        highlighted = menu->activeAction() ? menu->activeAction() : menu->menuAction();
    else if (watched == m_bar)
        highlighted = m_bar->activeAction();
    const int context = topicOf(highlighted);
    if (context == 0)
        return false;
    HelpViewer::showTopic(context);
    return true;
}
