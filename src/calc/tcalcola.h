#pragma once

#include <QDialog>
#include <QHash>

class QGridLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;
class QToolButton;

// The pocket calculator: an expression built with the keyboard or the keys,
// evaluated with "=", a running memory, degrees or radians. Modal, on top of
// every window, and gone once closed.
class TCalcola : public QDialog
{
    Q_OBJECT

public:
    explicit TCalcola(QWidget *parent = nullptr);

    // Creates the window, shows it modally and lets it free itself on closing.
    static int execute(QWidget *parent);

    void FormActivate();
    void Button14Click();
    void gradiClick();
    void BitBtn3Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createKeypad(QGridLayout *keypad);
    void nomeKeyPress(const QKeyEvent *event);
    void evaluate(const QString &expression);

    QLineEdit *nome;
    QLineEdit *erisultato;
    QLabel *risulta;
    QLabel *Label1;
    QToolButton *gradi;
    QToolButton *SpeedButton2;
    QPushButton *BitBtn3 = nullptr;
    QPushButton *OKBtn = nullptr;

    QHash<const QObject *, int> m_keys; // the keys served by Button14Click, by place in the keypad
    bool m_activated = false;
};
