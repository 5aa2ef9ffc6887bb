#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The notes window: the workspace's commands as a numbered sequence, opened
// by the workspace's notes button.
class Tnote : public QDialog
{
    Q_OBJECT

public:
    explicit Tnote(QWidget *parent = nullptr);

private:
    void FormCreate();

    QLabel *Panel1;
    QPlainTextEdit *Memo1;
    QPushButton *BitBtn1;
};
