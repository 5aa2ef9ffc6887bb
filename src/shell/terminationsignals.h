#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM (logout, shutdown, kill), SIGINT (Ctrl+C in a terminal) and SIGHUP
// (the terminal gone) end a program at once by default, and with it what the
// run had to save. While an object of this class lives they arrive instead as
// `received`, on the thread that made it, through a pipe the handler writes
// into: the handler does nothing else, since nearly nothing is safe inside a
// signal handler. A signal ignored when the program started (nohup, a
// background job) stays ignored. One object at a time.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // The signals handled: those not ignored at start.
    QList<int> handled() const { return m_handled; }

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
    QList<int> m_handled;
};
