#include "dialogs/spinrules.h"

#include <QTest>
#include <climits>

Q_DECLARE_METATYPE(SpinRange)

namespace {

constexpr SpinRange Angle{-359, 359, true};
constexpr SpinRange Centre{-5, 5};
// Off centre, so that an end reached by negating the other shows.
constexpr SpinRange WrappingOffCentre{2, 15, true};

} // namespace

class TestSpinRules : public QObject
{
    Q_OBJECT

private slots:
    void steppedPosition_data()
    {
        QTest::addColumn<SpinRange>("range");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("expected");
        QTest::newRow("wrapping, up to the top") << Angle << 358 << 1 << 359;
        QTest::newRow("wrapping, up past the top") << Angle << 359 << 1 << -359;
        QTest::newRow("wrapping, up from the bottom") << Angle << -359 << 1 << -358;
        QTest::newRow("wrapping, down to the bottom") << Angle << -358 << -1 << -359;
        QTest::newRow("wrapping, down past the bottom") << Angle << -359 << -1 << 359;
        QTest::newRow("wrapping, down from the top") << Angle << 359 << -1 << 358;
        QTest::newRow("wrapping, no step at the top") << Angle << 359 << 0 << 359;
        QTest::newRow("wrapping, no step at the bottom") << Angle << -359 << 0 << -359;
        QTest::newRow("wrapping, far past the top") << Angle << 359 << INT_MAX << -359;
        QTest::newRow("wrapping, far past the bottom") << Angle << -359 << INT_MIN << 359;
        QTest::newRow("wrapping off centre, up to the top") << WrappingOffCentre << 14 << 1 << 15;
        QTest::newRow("wrapping off centre, up past the top") << WrappingOffCentre << 15 << 1 << 2;
        QTest::newRow("wrapping off centre, down to the bottom") << WrappingOffCentre << 3 << -1 << 2;
        QTest::newRow("wrapping off centre, down past the bottom") << WrappingOffCentre << 2 << -1 << 15;
        QTest::newRow("stopping, up to the top") << Centre << 4 << 1 << 5;
        QTest::newRow("stopping, up past the top") << Centre << 5 << 1 << 5;
        QTest::newRow("stopping, down to the bottom") << Centre << -4 << -1 << -5;
        QTest::newRow("stopping, down past the bottom") << Centre << -5 << -1 << -5;
        QTest::newRow("stopping, far past the top") << Centre << 5 << INT_MAX << 5;
        QTest::newRow("stopping, far past the bottom") << Centre << -5 << INT_MIN << -5;
    }

    void steppedPosition()
    {
        QFETCH(SpinRange, range);
        QFETCH(int, position);
        QFETCH(int, steps);
        QFETCH(int, expected);
        QCOMPARE(::steppedPosition(position, steps, range), expected);
    }
};

QTEST_MAIN(TestSpinRules)
#include "tst_spinrules.moc"
