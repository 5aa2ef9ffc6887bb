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

} // namespace

// The signals are raised in this process: each arrives before raise()
// returns, and the spy's bounded wait lets the pipe's notifier run.
class TestTerminationSignals : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        for (int number : {SIGTERM, SIGINT, SIGHUP})
            std::signal(number, SIG_DFL);
    }

    void eachSignalArrivesAsAMessage_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void eachSignalArrivesAsAMessage()
    {
        QFETCH(int, number);
        {
            TerminationSignals requests;
            QCOMPARE(requests.handled(), QList<int>({SIGTERM, SIGINT, SIGHUP}));
            QSignalSpy received(&requests, &TerminationSignals::received);
            QCOMPARE(std::raise(number), 0);
            QCOMPARE(std::raise(number), 0);
            QVERIFY(received.wait(5000));
            if (received.size() < 2)
                QVERIFY(received.wait(5000));
            QCOMPARE(received.size(), 2);
            QCOMPARE(received.at(0).at(0).toInt(), number);
            QCOMPARE(received.at(1).at(0).toInt(), number);
        }
        // Gone with the object: the default comes back.
        QVERIFY(disposition(number) == SIG_DFL);
    }

    void signalIgnoredAtStartStaysIgnored()
    {
        std::signal(SIGHUP, SIG_IGN);
        TerminationSignals requests;
        QCOMPARE(requests.handled(), QList<int>({SIGTERM, SIGINT}));
        QVERIFY(disposition(SIGHUP) == SIG_IGN);
        QSignalSpy received(&requests, &TerminationSignals::received);
        QCOMPARE(std::raise(SIGHUP), 0);
        QCOMPARE(std::raise(SIGTERM), 0);
        QVERIFY(received.wait(5000));
        // The pipe keeps the order: a SIGHUP that got through would come first.
        QCOMPARE(received.size(), 1);
        QCOMPARE(received.at(0).at(0).toInt(), int(SIGTERM));
    }

    void oneObjectAtATime()
    {
        TerminationSignals first;
        TerminationSignals second;
        QCOMPARE(second.handled(), QList<int>());
        QSignalSpy firstReceived(&first, &TerminationSignals::received);
        QSignalSpy secondReceived(&second, &TerminationSignals::received);
        QCOMPARE(std::raise(SIGINT), 0);
        QVERIFY(firstReceived.wait(5000));
        QCOMPARE(secondReceived.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
