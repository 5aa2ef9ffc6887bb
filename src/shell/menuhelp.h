#pragma once

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

// F1 on a highlighted menu item, or on an open submenu, opens the item's help
// topic; items without a topic let the key through.
class MenuHelp : public QObject
{
    Q_OBJECT

public:
    // Watches the bar and the menus for F1 while `owner` lives.
    MenuHelp(QObject *owner, QMenuBar *bar, std::initializer_list<QMenu *> menus);

    static void setTopic(QAction *item, int context);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMenuBar *m_bar;
};
