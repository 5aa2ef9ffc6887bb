#include "shell/terminationsignals.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>

namespace {

void (*disposition(int number))(int)
{
    struct sigaction current {};
    sigaction(number, nullptr, &current);
    return current.sa_handler;
}

// What `requests` received after `raised` were raised in this process: each arrives
// before raise() returns, and the spy's bounded wait lets the pipe's notifier run.
QList<int> receivedAfter(TerminationSignals &requests, const QList<int> &raised, qsizetype expected)
{
    QSignalSpy spy(&requests, &TerminationSignals::received);
    for (int number : raised)
        std::raise(number);
    while (spy.size() < expected && spy.wait(5000)) {
    }
    QList<int> numbers;
    for (const QList<QVariant> &arguments : spy)
        numbers.append(arguments.at(0).toInt());
    return numbers;
}

} // namespace

class TestTerminationSignals : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        for (int number : {SIGTERM, SIGINT, SIGHUP})
            std::signal(number, SIG_DFL);
    }

    // One object at a time: a second one takes no signal.
    void eachSignalArrivesAsAMessage()
    {
        for (int number : {SIGTERM, SIGINT, SIGHUP}) {
            {
                TerminationSignals requests;
                TerminationSignals second;
                QCOMPARE(requests.handled(), QList<int>({SIGTERM, SIGINT, SIGHUP}));
                QCOMPARE(second.handled(), QList<int>());
                QSignalSpy secondReceived(&second, &TerminationSignals::received);
                QCOMPARE(receivedAfter(requests, {number, number}, 2), QList<int>({number, number}));
                QCOMPARE(secondReceived.size(), 0);
            }
            // Gone with the objects: the default comes back.
            QVERIFY(disposition(number) == SIG_DFL);
        }
    }

    void signalIgnoredAtStartStaysIgnored()
    {
        std::signal(SIGHUP, SIG_IGN);
        TerminationSignals requests;
        QCOMPARE(requests.handled(), QList<int>({SIGTERM, SIGINT}));
        QVERIFY(disposition(SIGHUP) == SIG_IGN);
        // The pipe keeps the order: a SIGHUP that got through would come first.
        QCOMPARE(receivedAfter(requests, {SIGHUP, SIGTERM}, 1), QList<int>({SIGTERM}));
    }
};

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
