#include "dialogs/spinrules.h"

#include <QTest>
#include <bit>
#include <climits>
#include <limits>

Q_DECLARE_METATYPE(SpinRange)

namespace {

constexpr SpinRange Angle{-359, 359, true};
constexpr SpinRange Centre{-5, 5};
// Off centre, so that an end reached by negating the other shows.
constexpr SpinRange WrappingOffCentre{2, 15, true};
constexpr SpinRange Ratio{1, 20, true};
constexpr SpinRange Factor{5, 50};

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
        QTest::newRow("wrapping, far past the top") << Angle << 359 << INT_MAX << -359;
        QTest::newRow("wrapping, far past the bottom") << Angle << -359 << INT_MIN << 359;
        QTest::newRow("wrapping off centre, up past the top") << WrappingOffCentre << 15 << 1 << 2;
        QTest::newRow("wrapping off centre, down past the bottom") << WrappingOffCentre << 2 << -1 << 15;
        QTest::newRow("stopping, up past the top") << Centre << 5 << 1 << 5;
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

    void positionText_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("display");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole") << 15 << int(SpinDisplay::Whole) << "15";
        QTest::newRow("whole, negative") << -359 << int(SpinDisplay::Whole) << "-359";
        QTest::newRow("tenths, 1.5") << 15 << int(SpinDisplay::Tenths) << "1.5";
        QTest::newRow("tenths, below one") << 5 << int(SpinDisplay::Tenths) << "0.5";
        QTest::newRow("tenths, a whole number keeps its decimal") << 20 << int(SpinDisplay::Tenths) << "2.0";
        QTest::newRow("tenths, 0.3 exactly") << 3 << int(SpinDisplay::Tenths) << "0.3";
        QTest::newRow("tenths, zero") << 0 << int(SpinDisplay::Tenths) << "0.0";
        QTest::newRow("tenths, negative") << -5 << int(SpinDisplay::Tenths) << "-0.5";
    }

    void positionText()
    {
        QFETCH(int, position);
        QFETCH(int, display);
        QFETCH(QString, shown);
        QCOMPARE(::positionText(position, SpinDisplay(display)), shown);
    }

    void tenthsPosition_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<SpinRange>("range");
        QTest::addColumn<int>("position");
        QTest::newRow("1.5") << 1.5f << Ratio << 15;
        QTest::newRow("the low end") << 0.1f << Ratio << 1;
        QTest::newRow("the high end") << 2.0f << Ratio << 20;
        QTest::newRow("a tenth not exact in binary") << 0.7f << Ratio << 7;
        QTest::newRow("rounded up") << 1.26f << Ratio << 13;
        QTest::newRow("rounded down") << 1.24f << Ratio << 12;
        // 0.25 and 0.75 are exact in binary, so ten times each is a true tie.
        QTest::newRow("a tie goes down to the even position") << 0.25f << Ratio << 2;
        QTest::newRow("a tie goes up to the even position") << 0.75f << Ratio << 8;
        QTest::newRow("0 shows the lowest factor") << 0.0f << Factor << 5;
        QTest::newRow("below the range") << 0.44f << Factor << 5;
        QTest::newRow("above the range") << 5.06f << Factor << 50;
        QTest::newRow("far above the range") << 3e38f << Factor << 50;
        QTest::newRow("negative") << -1.5f << Ratio << 1;
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << Factor << 5;
    }

    void tenthsPosition()
    {
        QFETCH(float, value);
        QFETCH(SpinRange, range);
        QFETCH(int, position);
        QCOMPARE(::tenthsPosition(value, range), position);
    }

    // Bit for bit the single nearest to the tenth, as a typed literal is.
    void tenthsValue_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<float>("value");
        QTest::newRow("0.1") << 1 << 0.1f;
        QTest::newRow("1.3") << 13 << 1.3f;
        QTest::newRow("4.9") << 49 << 4.9f;
    }

    void tenthsValue()
    {
        QFETCH(int, position);
        QFETCH(float, value);
        QCOMPARE(std::bit_cast<quint32>(::tenthsValue(position)), std::bit_cast<quint32>(value));
    }
};

QTEST_MAIN(TestSpinRules)
#include "tst_spinrules.moc"
