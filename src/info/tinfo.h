#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The information window: the program, its authors and translators, a text
// about Aralda and the geometry it teaches, and a link to the web site.
class Tinfo : public QDialog
{
    Q_OBJECT

public:
    explicit Tinfo(QWidget *parent = nullptr);

signals:
    // A mouse button pressed on the window, a panel or the text: the moment
    // of the system beep, which a headless run cannot hear.
    void beeped();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void FormCreate();
    void FormMouseDown();
    void Label2Click();
    // The link's hover effect: bold always, underlined while the mouse is on it.
    void showLinkHovered(bool hovered);
    void centreInPanel(QLabel *label, int top);

    QFrame *Panel1;
    QLabel *ProgramIcon;
    QLabel *ProductName;
    QLabel *Version;
    QLabel *Label3;
    QPlainTextEdit *Memo1;
    QFrame *Panel2;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label4;
    QPushButton *BitBtn1;
};
