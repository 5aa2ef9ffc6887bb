#include "plane/composition.h"
#include "slotvalues.h"

#include <QTest>

using namespace SlotValues;

namespace {

struct Step {
    int kind;
    SlotParameters parameters;
};

} // namespace

Q_DECLARE_METATYPE(Step)

class TestComposition : public QObject
{
    Q_OBJECT

private slots:
    // What the second after the first amounts to, named as the page names it.
    void classification_data()
    {
        QTest::addColumn<Step>("first");
        QTest::addColumn<Step>("second");
        QTest::addColumn<QString>("named");
        const Step none{-1, {}};
        // Symmetries about x = k (1), y = k (2), y = x (3) and y = - x (4).
        const auto axis = [](int kind, int k) { return Step{Simmetria, symmetry(kind, k, k, 0, 0)}; };
        const auto line = [](int angle, int q) { return Step{Simmetria, symmetry(5, 0, 0, angle, q)}; };
        const auto turn = [](int angle, int cx, int cy) { return Step{Rotazione, rotation(angle, cx, cy)}; };
        const auto scale = [](int sign, float k, int cx, int cy) { return Step{Omotetia, homothety(sign, k, cx, cy)}; };
        const auto move = [](int dx, int dy) { return Step{Traslazione, translation(dx, dy)}; };
        QTest::newRow("parallel axes x = 2, x = 5") << axis(1, 2) << axis(1, 5) << "traslazione di (6; 0)";
        QTest::newRow("x = 2 then y = x") << axis(1, 2) << axis(3, 0) << "rotazione di -90° attorno a (2; 2)";
        QTest::newRow("the same symmetry twice") << line(30, 2) << line(30, 2) << "identità";
        QTest::newRow("perpendicular axes") << axis(1, 3) << axis(2, -1) << "simmetria centrale rispetto a (3; -1)";
        QTest::newRow("rotation by 0") << turn(0, 3, 4) << none << "identità";
        QTest::newRow("rotation by 180") << turn(180, 2, -1) << none << "simmetria centrale rispetto a (2; -1)";
        QTest::newRow("rotation by -180") << turn(-180, 2, -1) << none << "simmetria centrale rispetto a (2; -1)";
        QTest::newRow("two rotations, one centre") << turn(30, 1, 1) << turn(45, 1, 1)
                                                   << "rotazione di 75° attorno a (1; 1)";
        QTest::newRow("rotations that cancel") << turn(90, 1, 0) << turn(-90, -1, 0) << "traslazione di (-2; -2)";
        QTest::newRow("homothety k = -1") << scale(-1, 1, 3, 2) << none << "simmetria centrale rispetto a (3; 2)";
        QTest::newRow("homothety k = -1.5") << scale(-1, 1.5f, 1, 0) << none
                                            << "omotetia di rapporto -1.5 e centro (1; 0)";
        QTest::newRow("homotheties to a translation") << scale(1, 2, 0, 0) << scale(1, 0.5f, 2, 0)
                                                      << "traslazione di (1; 0)";
        QTest::newRow("shear and its opposite") << Step{Inclinazione, shear(0, 1.5f)}
                                                << Step{Inclinazione, shear(0, -1.5f)} << "identità";
        QTest::newRow("translation") << move(3, -2) << none << "traslazione di (3; -2)";
        QTest::newRow("translation then rotation") << move(6, 0) << turn(90, 0, 0)
                                                   << "rotazione di 90° attorno a (-3; 3)";
        QTest::newRow("axis y = x") << axis(3, 0) << none << "simmetria assiale rispetto a y = x";
        QTest::newRow("axis y = - x") << axis(4, 0) << none << "simmetria assiale rispetto a y = - x";
        QTest::newRow("axis at 60 through q = -2") << line(60, -2) << none
                                                    << "simmetria assiale rispetto a y = 1.7321x - 2";
        QTest::newRow("axis y = 3") << axis(2, 3) << none << "simmetria assiale rispetto a y = 3";
        QTest::newRow("glide reflection") << axis(2, 1) << move(4, 0)
                                          << "glissosimmetria rispetto a y = 1, vettore (4; 0)";
        QTest::newRow("similarity") << turn(90, 0, 0) << scale(1, 2, 0, 0)
                                    << "similitudine di rapporto 2, angolo 90°, centro (0; 0)";
        QTest::newRow("indirect similarity") << axis(1, 0) << scale(1, 2, 0, 0) << "similitudine inversa di rapporto 2";
        QTest::newRow("dilation") << Step{Dilatazione, dilation(2.0f, 0.5f)} << none << "affinità";
        QTest::newRow("singular affinity") << Step{Affinita, affinity(1, 2, 0, 2, 4, 1)} << none
                                           << "affinità (degenere)";
        // cos 60° and sin 60° as the dialog stores them, in single precision.
        QTest::newRow("affinity within float noise of a rotation")
            << Step{Affinita, affinity(0.5f, -0.8660254f, 0, 0.8660254f, 0.5f, 0)} << none
            << "rotazione di 60° attorno a (0; 0)";
        QTest::newRow("homothety then shear") << scale(1, 2, -1, 1) << Step{Inclinazione, shear(0, 0.5f)} << "affinità";
    }

    void classification()
    {
        QFETCH(Step, first);
        QFETCH(Step, second);
        QFETCH(QString, named);
        const Composition::Rows m = Composition::product(kindMatrix(second.kind, second.parameters),
                                                             kindMatrix(first.kind, first.parameters));
        QCOMPARE(Composition::describe(Composition::classify(m)), named);
    }

    // The homothety and the shear of the teacher's lesson, in both orders:
    // S·H and H·S differ in their constant terms, both with det 4.
    void productsInBothOrders()
    {
        const Composition::Rows h = kindMatrix(Omotetia, homothety(1, 2.0f, -1, 1));
        const Composition::Rows s = kindMatrix(Inclinazione, shear(0, 0.5f));
        const Composition::Rows sh = Composition::product(s, h);
        const Composition::Rows hs = Composition::product(h, s);
        QList<double> both;
        for (const Composition::Rows &m : {sh, hs})
            for (const auto &row : m)
                both << double(row[0]) << double(row[1]) << double(row[2]);
        QCOMPARE(both, (QList<double>{2, 1, 0.5, 0, 2, -1, 2, 1, 1, 0, 2, -1}));
        QCOMPARE(double(Composition::determinant(sh)), 4.0);
        QCOMPARE(Composition::apply(sh, QPointF(1, 1)), QPointF(3.5, 1));
    }

    // Float noise and a negative zero written as the whole number; at most
    // four decimals.
    void numbers()
    {
        QStringList written;
        for (double value : {6.0, 5.99999, -0.00001, -0.5, 0.57735})
            written << Composition::number(value);
        QCOMPARE(written, (QStringList{"6", "6", "0", "-0.5", "0.5774"}));
    }
};

QTEST_GUILESS_MAIN(TestComposition)
#include "tst_composition.moc"
