#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

// The "mostra suggerimenti" switch of one window: while it is off, no
// tooltip of that window or of its controls is shown.
class HintSwitch : public QObject
{
    Q_OBJECT

public:
    HintSwitch(QWidget *window, bool shown);

    bool isShown() const { return m_shown; }
    void setShown(bool shown) { m_shown = shown; }
    // The window's "mostra" item: flips the switch, lets the item's check
    // mark follow and returns the new state.
    bool toggle(QAction *checkMark);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    bool m_shown;
};
