#include "shell/mdichildwindow.h"

#include <QCloseEvent>

MdiChildWindow::MdiChildWindow(bool &closedFlag, QWidget *parent)
    : QMdiSubWindow(parent)
    , m_closedFlag(closedFlag)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_closedFlag = false;
}

MdiChildWindow::~MdiChildWindow()
{
    m_closedFlag = true;
}

void MdiChildWindow::closeEvent(QCloseEvent *event)
{
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) {
        m_closedFlag = true;
        emit closed();
    }
}
