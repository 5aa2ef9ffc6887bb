#pragma once

#include <QMdiSubWindow>

// A child window of the main frame that keeps the frame's "no such window"
// flag while it exists and tells the frame when it is closed, so the frame
// can show its background picture again.
class MdiChildWindow : public QMdiSubWindow
{
    Q_OBJECT

public:
    // closedFlag is the shell value that says no window of this kind exists.
    MdiChildWindow(bool &closedFlag, QWidget *parent = nullptr);
    ~MdiChildWindow() override;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool &m_closedFlag;
};
