#include "app/fontwarmup.h"

#include <QTest>

#include <memory>

class TestFontWarmUp : public QObject
{
    Q_OBJECT

private slots:
    // Qt's font database on this system is fontconfig's, in the process with
    // Qt's GUI library, as in the program: a lookup that missed it would
    // quietly leave the loading to the main thread again. Destroyed without a
    // wait, it still ends its thread: a thread left running would end the
    // program.
    void startsWhereFontconfigIsInTheProcessAndEnds()
    {
        FontWarmUp warmUp;
        QVERIFY(warmUp.started());
        warmUp.wait();
        warmUp.wait(); // a second wait returns at once
        QVERIFY(warmUp.started());
        auto unwaited = std::make_unique<FontWarmUp>();
        QVERIFY(unwaited->started());
        unwaited.reset();
    }
};

QTEST_MAIN(TestFontWarmUp)
#include "tst_fontwarmup.moc"
