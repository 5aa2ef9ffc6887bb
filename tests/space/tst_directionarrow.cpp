#include "space/directionarrow.h"

#include <QTest>

#include <cmath>

namespace {

constexpr QRgb Orange = 0xFFFF8000;

bool painted(const QImage &image, QPointF at)
{
    const QPoint pixel(int(std::floor(at.x())), int(std::floor(at.y())));
    return image.rect().contains(pixel) && qAlpha(image.pixel(pixel)) > 127;
}

// Painted pixels of one row, in the left or the right half of the picture.
int paintedInRow(const QImage &image, int row, bool rightHalf)
{
    int count = 0;
    const int half = image.width() / 2;
    for (int x = rightHalf ? half : 0; x < (rightHalf ? image.width() : half); ++x)
        count += qAlpha(image.pixel(x, row)) > 127;
    return count;
}

} // namespace

class TestDirectionArrow : public QObject
{
    Q_OBJECT

private slots:
    // 16 is the size both windows use; the others keep the shape honest
    // when a style asks for larger icons.
    void arrows_data()
    {
        QTest::addColumn<int>("side");
        QTest::newRow("16") << 16;
        QTest::newRow("24") << 24;
        QTest::newRow("32") << 32;
    }

    void arrows()
    {
        QFETCH(int, side);
        const QSize size(side, side);
        const QImage clockwise = directionArrow(size, true);
        const QImage anticlockwise = directionArrow(size, false);
        QCOMPARE(clockwise.size(), size);
        QCOMPARE(anticlockwise.size(), size);
        QCOMPARE(qAlpha(clockwise.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(clockwise.pixel(side - 1, side - 1)), 0);

        // Mirror images, and not the same picture.
        QCOMPARE(anticlockwise, clockwise.mirrored(true, false));
        QVERIFY(anticlockwise != clockwise);

        // The head points down on the right for a clockwise turn, on the left
        // for an anticlockwise one.
        const QPointF tip = directionArrowTip(size, true);
        const QPointF otherTip = directionArrowTip(size, false);
        QVERIFY2(tip.x() > side / 2.0 && otherTip.x() < side / 2.0,
                 qPrintable(u"tips at %1 and %2"_qs.arg(tip.x()).arg(otherTip.x())));
        QCOMPARE(otherTip.x(), side - tip.x());
        for (const auto &[image, at] : {std::pair{clockwise, tip}, std::pair{anticlockwise, otherTip}}) {
            QVERIFY(painted(image, at - QPointF(0, 1.5)));
            QVERIFY(!painted(image, at + QPointF(0, 2)));
            // The middle of the head is solid orange.
            const QPointF inside = at - QPointF(0, side * 0.2);
            QCOMPARE(image.pixel(int(inside.x()), int(inside.y())), Orange);
        }

        // The head is bold: across it, its half holds clearly more painted
        // pixels than the other half, where only the loop passes.
        const int acrossHead = int(tip.y() - side * 0.32);
        const int headSide = paintedInRow(clockwise, acrossHead, true);
        const int loopSide = paintedInRow(clockwise, acrossHead, false);
        QVERIFY2(headSide >= loopSide + side / 8 && headSide >= side / 4,
                 qPrintable(u"%1 against %2"_qs.arg(headSide).arg(loopSide)));
        QCOMPARE(paintedInRow(anticlockwise, acrossHead, false), headSide);
    }
};

QTEST_MAIN(TestDirectionArrow)
#include "tst_directionarrow.moc"
