#pragma once

#include <QDialog>

// Tells the user that a language file cannot be used, naming the file.
class Tversione : public QDialog
{
    Q_OBJECT

public:
    Tversione(const QString &refusedPath, QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
