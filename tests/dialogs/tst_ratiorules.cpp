#include "dialogs/ratiorules.h"

#include <QTest>

// The sign choices of the homothety and the shear, and what the shear
// stores for each axis.
class TestRatioRules : public QObject
{
    Q_OBJECT

private slots:
    void homothetySign_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("label");
        QTest::newRow("positive") << 1 << 0 << "k = ";
        QTest::newRow("negative") << -1 << 1 << "k = -";
    }

    void homothetySign()
    {
        QFETCH(int, sign);
        QFETCH(int, item);
        QFETCH(QString, label);
        QCOMPARE(signItem(qint8(sign)), item);
        QCOMPARE(int(signOfItem(item)), sign);
        QCOMPARE(ratioLabel(item), label);
    }

    void shear_data()
    {
        QTest::addColumn<int>("axis");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::newRow("along x") << 0 << 1.3f << 0.0f;
        QTest::newRow("along y") << 1 << 0.0f << 1.3f;
    }

    // The unused axis is zeroed, so the stored pair alone says which applies;
    // the dialog shows back the coefficient of the axis in force.
    void shear()
    {
        QFETCH(int, axis);
        QFETCH(float, x);
        QFETCH(float, y);
        const ShearCoefficients stored = shearCoefficients(axis, 1.3f);
        QCOMPARE((QList<float>{stored.x, stored.y}), (QList<float>{x, y}));
        QCOMPARE(shownShear(axis, {2.5f, 0.7f}), axis == 0 ? 2.5f : 0.7f);
    }
};

QTEST_MAIN(TestRatioRules)
#include "tst_ratiorules.moc"
