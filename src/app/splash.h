#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The picture the program opens with: the title between the author's and the
// school's names on blue. It runs two phases, 41 ticks of 1 ms with the title
// alone, then 25 ticks of 35 ms with the names too, and then says it is done.
class Splash : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Width = 445;
    static constexpr int Height = 280;

    // The title is written in the language in force when the splash is made.
    explicit Splash(QWidget *parent = nullptr);

    void start();
    // The title follows the language in force.
    void placeTitle();

public slots:
    // Public so that tests can tick them.
    void Timer3Timer();
    void Timer1Timer();

signals:
    // Once, when the splash is first drawn: what it does not show can load then.
    void firstPainted();
    void finished();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void placeNames();

    bool m_painted = false;
    int m_tick = 0;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QTimer *Timer1;
    QTimer *Timer3;
};
