#include "dialogs/figurerules.h"
#include "dialogs/spinrules.h"

#include <QTest>

Q_DECLARE_METATYPE(FigureRows)

class TestDialogRules : public QObject
{
    Q_OBJECT

private slots:
    void steppedPosition_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("wraps");
        QTest::addColumn<int>("expected");
        QTest::newRow("inside") << 70 << -1 << true << 69;
        QTest::newRow("top wraps to bottom") << 359 << 1 << true << -359;
        QTest::newRow("bottom wraps to top") << -359 << -1 << true << 359;
        QTest::newRow("page past the top lands on the bottom") << 355 << 10 << true << -359;
        QTest::newRow("top stops") << 359 << 1 << false << 359;
        QTest::newRow("page past the bottom stops") << -355 << -10 << false << -359;
        QTest::newRow("huge step does not overflow") << 359 << INT_MAX << false << 359;
    }

    void steppedPosition()
    {
        QFETCH(int, position);
        QFETCH(int, steps);
        QFETCH(bool, wraps);
        QFETCH(int, expected);
        QCOMPARE(::steppedPosition(position, steps, SpinRange{-359, 359, wraps}), expected);
    }

    void figureRows_data()
    {
        QTest::addColumn<bool>("opening");
        QTest::addColumn<bool>("showsCircle");
        QTest::addColumn<int>("type");
        QTest::addColumn<FigureRows>("expected");
        QTest::newRow("pick point") << false << false << 0 << FigureRows{};
        QTest::newRow("pick segment") << false << false << 1 << FigureRows{true, false, false, false};
        QTest::newRow("pick quadrilateral") << false << false << 3 << FigureRows{true, true, true, false};
        QTest::newRow("pick circle") << false << false << 4 << FigureRows{false, false, false, true};
        QTest::newRow("open on circle") << true << true << 2 << FigureRows{false, false, false, true};
        QTest::newRow("open, point confirmed") << true << false << 0 << FigureRows{};
        QTest::newRow("open, triangle confirmed") << true << false << 2 << FigureRows{true, true, false, false};
        QTest::newRow("open, circle confirmed") << true << false << 4 << FigureRows{true, true, true, false};
    }

    void figureRows()
    {
        QFETCH(bool, opening);
        QFETCH(bool, showsCircle);
        QFETCH(int, type);
        QFETCH(FigureRows, expected);
        QVERIFY((opening ? rowsOnOpening(showsCircle, type) : rowsForType(type)) == expected);
    }

    void typedRadius_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1: no number
        QTest::newRow("inside") << " 7 " << 7;
        QTest::newRow("below the range") << "0" << 2;
        QTest::newRow("above the range") << "99" << 15;
        QTest::newRow("negative") << "-4" << 2;
        QTest::newRow("letters") << "7x" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("too large for int") << "99999999999" << -1;
    }

    void typedRadius()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(::typedRadius(text).value_or(-1), expected);
    }

    void vertexTextIsCutToFive()
    {
        QCOMPARE(vertexText(QStringLiteral("-39")), QStringLiteral("-39"));
        QCOMPARE(vertexText(QStringLiteral("-12.34")), QStringLiteral("-12.3"));
    }
};

QTEST_GUILESS_MAIN(TestDialogRules)
#include "tst_dialogrules.moc"
