#include "dialogs/symmetryrules.h"

#include <QTest>

// Which rows of the symmetry dialog take input for each kind, and the slope
// it shows for an inclination.
class TestSymmetryRules : public QObject
{
    Q_OBJECT

private slots:
    void rowsForKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("x");
        QTest::addColumn<bool>("y");
        QTest::addColumn<bool>("line");
        QTest::newRow("P (x, y)") << 0 << true << true << false;
        QTest::newRow("x = cost") << 1 << true << false << false;
        QTest::newRow("y = cost") << 2 << false << true << false;
        QTest::newRow("y = x") << 3 << false << false << false;
        QTest::newRow("y = -x") << 4 << false << false << false;
        QTest::newRow("y = mx + q") << 5 << false << false << true;
    }

    void rowsForKind()
    {
        QFETCH(int, kind);
        QFETCH(bool, x);
        QFETCH(bool, y);
        QFETCH(bool, line);
        const SymmetryRows rows = rowsForSymmetryKind(kind);
        QCOMPARE((QList<bool>{rows.x, rows.y, rows.line}), (QList<bool>{x, y, line}));
    }

    void slopeText_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<QString>("shown");
        QTest::newRow("vertical") << 90 << "inf";
        QTest::newRow("horizontal") << 0 << "0.00";
        QTest::newRow("60") << 60 << "1.73";
        QTest::newRow("135") << 135 << "-1.00";
        QTest::newRow("45, just under 1 in single precision") << 45 << "1.00";
        QTest::newRow("just before vertical") << 89 << "57.29";
        QTest::newRow("just after vertical") << 91 << "-57.29";
        QTest::newRow("1") << 1 << "0.02";
        QTest::newRow("the top of the range") << 179 << "-0.02";
        QTest::newRow("120") << 120 << "-1.73";
        QTest::newRow("30") << 30 << "0.58";
    }

    void slopeText()
    {
        QFETCH(int, angle);
        QFETCH(QString, shown);
        QCOMPARE(::slopeText(angle), shown);
    }
};

QTEST_MAIN(TestSymmetryRules)
#include "tst_symmetryrules.moc"
