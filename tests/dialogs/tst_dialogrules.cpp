#include "calc/expressionevaluator.h"
#include "dialogs/affinityrules.h"
#include "dialogs/ratiorules.h"
#include "dialogs/spinrules.h"
#include "dialogs/symmetryrules.h"

#include <QTest>
#include <bit>
#include <climits>
#include <limits>
#include <tuple>

// The dialogs' logic without a window: the spins' steps and texts, the
// symmetry's rows and slope, the signs and the shear's axis, the affinity's
// change rule, presets and error line.
namespace {

constexpr SpinRange Angle{-359, 359, true};
constexpr SpinRange Centre{-5, 5};
// Off centre, so that an end reached by negating the other shows.
constexpr SpinRange WrappingOffCentre{2, 15, true};
constexpr SpinRange Ratio{1, 20, true};
constexpr SpinRange Factor{5, 50};

// A slot's matrix in the order of the texts, c, a, b, c', a', b', nine
// significant digits telling every single-precision value apart.
QString matrix(const TransformSettingsValues &store, int slot)
{
    QStringList values;
    for (int field = 0; field < AffineFieldCount; ++field)
        values << QString::number(double(store.AffineCoeff[slot][affineRow(field)][affineColumn(field)]), 'g', 9);
    return values.join(u' ');
}

const QString StartMatrix = QStringLiteral("-6 2 0 -12 1 1.5");

TransformSettingsValues startStore()
{
    TransformSettingsValues store;
    store.AffineCoeff = PerSlot<AffineMatrix>(AffineMatrix{{{-6.0f, 2.0f, 0.0f}, {-12.0f, 1.0f, 1.5f}}});
    store.AffineText = PerSlot<AffineTexts>({"-6", "2", "0", "-12", "1", "1.5"});
    return store;
}

} // namespace

class TestDialogRules : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetEvaluatorValues(); }

    // Up to each end and past it, no step at all, and far past it: a
    // wrapping spin lands on the other end, a stopping one stays.
    void steppedPosition()
    {
        QList<int> reached;
        for (const auto &[range, position, steps] :
             {std::tuple{Angle, 358, 1}, {Angle, 359, 1}, {Angle, -358, -1}, {Angle, -359, -1}, {Angle, 359, 0},
              {Angle, 359, INT_MAX}, {Angle, -359, INT_MIN}, {WrappingOffCentre, 15, 1}, {WrappingOffCentre, 2, -1},
              {Centre, 5, 1}, {Centre, -5, -1}, {Centre, 5, INT_MAX}, {Centre, -5, INT_MIN}})
            reached << ::steppedPosition(position, steps, range);
        QCOMPARE(reached, (QList<int>{359, -359, -359, 359, 359, -359, 359, 2, 15, 5, -5, 5, -5}));
    }

    // Whole positions as they are; tenths always with one decimal, below one
    // and negative too.
    void positionText()
    {
        QStringList texts{::positionText(-359, SpinDisplay::Whole)};
        for (int position : {15, 5, 20, 3, 0, -5})
            texts << ::positionText(position, SpinDisplay::Tenths);
        QCOMPARE(texts, (QStringList{"-359", "1.5", "0.5", "2.0", "0.3", "0.0", "-0.5"}));
    }

    // A tenth not exact in binary, rounded up and down, true ties (0.25 and
    // 0.75 are exact) to the even position, below, above and far above the
    // range, negative, not a number.
    void tenthsPosition()
    {
        QList<int> positions;
        for (const auto &[value, range] : {std::pair{0.7f, Ratio}, {1.26f, Ratio}, {1.24f, Ratio}, {0.25f, Ratio},
                                           {0.75f, Ratio}, {0.44f, Factor}, {5.06f, Factor}, {3e38f, Factor},
                                           {-1.5f, Ratio}, {std::numeric_limits<float>::quiet_NaN(), Factor}})
            positions << ::tenthsPosition(value, range);
        QCOMPARE(positions, (QList<int>{7, 13, 12, 2, 8, 5, 50, 50, 1, 5}));
    }

    // Bit for bit the single nearest to the tenth, as a typed literal is.
    void tenthsValue()
    {
        for (const auto &[position, value] : {std::pair{1, 0.1f}, {13, 1.3f}, {49, 4.9f}})
            QCOMPARE(std::bit_cast<quint32>(::tenthsValue(position)), std::bit_cast<quint32>(value));
    }

    // x, y and line rows of P (x, y), x = cost, y = cost, y = x, y = -x, y = mx + q.
    void symmetryRows()
    {
        QStringList rows;
        for (int kind = 0; kind < SymmetryKindCount; ++kind) {
            const SymmetryRows on = rowsForSymmetryKind(kind);
            rows << QString::number(on.x) + QString::number(on.y) + QString::number(on.line);
        }
        QCOMPARE(rows, (QStringList{"110", "100", "010", "000", "000", "001"}));
    }

    // Horizontal, vertical and either side of it, 45 (just under 1 in single
    // precision) and the top of the range.
    void slopeText()
    {
        QStringList slopes;
        for (int angle : {90, 0, 60, 135, 45, 89, 91, 1, 179})
            slopes << ::slopeText(angle);
        QCOMPARE(slopes, (QStringList{"inf", "0.00", "1.73", "-1.00", "1.00", "57.29", "-57.29", "0.02", "-0.02"}));
    }

    // The homothety's item and label for each sign; the shear zeroes the
    // unused axis, so the stored pair alone says which applies, and shows
    // back the coefficient of the axis in force.
    void signsAndShear()
    {
        QCOMPARE((QList<int>{signItem(1), signItem(-1), signOfItem(0), signOfItem(1)}), (QList<int>{0, 1, 1, -1}));
        QCOMPARE((QStringList{ratioLabel(0), ratioLabel(1)}), (QStringList{"k = ", "k = -"}));
        const ShearCoefficients alongX = shearCoefficients(0, 1.3f);
        const ShearCoefficients alongY = shearCoefficients(1, 1.3f);
        QCOMPARE((QList<float>{alongX.x, alongX.y, alongY.x, alongY.y}), (QList<float>{1.3f, 0, 0, 1.3f}));
        QCOMPARE((QList<float>{shownShear(0, {2.5f, 0.7f}), shownShear(1, {2.5f, 0.7f})}), (QList<float>{2.5f, 0.7f}));
    }

    void changeRule_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message"); // empty when valid
        QTest::addColumn<QString>("slotMatrix"); // c, a, b, c', a', b' afterwards
        QTest::newRow("c, a whole number") << 1 << int(AffineC) << "7" << "" << "7 2 0 -12 1 1.5";
        QTest::newRow("a, an expression") << 2 << int(AffineA) << "sqrt(3)/2" << "" << "-6 0.866025388 0 -12 1 1.5";
        QTest::newRow("b, a decimal comma") << 1 << int(AffineB) << "0,5" << "" << "-6 2 0.5 -12 1 1.5";
        QTest::newRow("b', degrees") << 2 << int(AffineBPrime) << "sin(30)" << "" << "-6 2 0 -12 1 0.5";
        QTest::newRow("empty") << 1 << int(AffineA) << "" << "Stringa vuota" << StartMatrix;
        QTest::newRow("text rejected") << 2 << int(AffineB) << "2*" << "syntax error" << StartMatrix;
        QTest::newRow("a variable letter") << 1 << int(AffineC) << "x" << "syntax error" << StartMatrix;
        QTest::newRow("evaluation fails") << 1 << int(AffineBPrime) << "1/0" << "division by 0" << StartMatrix;
    }

    // The text is stored valid or not; the value only when valid; the other
    // slot is never touched; the evaluator tells the same as the result.
    void changeRule()
    {
        QFETCH(int, slot);
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, slotMatrix);
        TransformSettingsValues store = startStore();
        Evaluator.EvalMode = 3;
        QCOMPARE(applyAffineText(store, slot, field, text), message.isEmpty());
        QCOMPARE((QList<bool>{Evaluator.EvalOk, Evaluator.EvalMode == 0}), (QList<bool>{message.isEmpty(), true}));
        QCOMPARE(Evaluator.EvalMessage, message);
        QCOMPARE(store.AffineText[slot][field], text);
        QCOMPARE(matrix(store, slot), slotMatrix);
        QCOMPARE(matrix(store, 3 - slot), StartMatrix);
        QCOMPARE(store.AffineText[3 - slot], startStore().AffineText[3 - slot]);
        // A failure does not carry over into the next field.
        QVERIFY(applyAffineText(store, slot, AffineA, QStringLiteral("3")));
        QCOMPARE(Evaluator.EvalMessage, QString());
        QCOMPARE(store.AffineCoeff[slot][0][1], 3.0f);
    }

    // Each preset's texts, evaluated by the change rule, give its matrix, as
    // written but for rotazione's singles nearest to -sqrt(3)/2 and sqrt(3)/2
    // and inclinazione's comma. Only "generica" stores values directly, the same.
    void affinePresets()
    {
        const QStringList texts{"-8 2 0 -3 0 2", "-4 1 0 3 0 1", "0 1/2 -sqrt(3)/2 0 sqrt(3)/2 1/2", "-2 0 -1 -3 -1 0",
                          "0 1.5 0 0 0 1.5", "0 2 0 0 0 1.5", "0 1 0,5 0 0 1"};
        QStringList values = texts;
        values[2] = QStringLiteral("0 0.5 -0.866025388 0 0.866025388 0.5");
        values[6] = QStringLiteral("0 1 0.5 0 0 1");
        for (int preset = 0; preset < AffinePresetCount; ++preset) {
            const AffineTexts presetTexts = affinePresetTexts(preset);
            QCOMPARE(QStringList(presetTexts.cbegin(), presetTexts.cend()).join(u' '), texts[preset]);
            TransformSettingsValues store = startStore();
            for (int field = 0; field < AffineFieldCount; ++field)
                QVERIFY(applyAffineText(store, 2, field, presetTexts[field]));
            QCOMPARE(matrix(store, 2), values[preset]);
            const std::optional<AffineMatrix> direct = affinePresetMatrix(preset);
            QCOMPARE(direct.has_value(), preset == 0);
            if (direct) {
                store.AffineCoeff[2] = *direct;
                QCOMPARE(matrix(store, 2), values[preset]);
            }
        }
    }

    // The invalid fields, a letter each (c a b C A B for c a b c' a' b'),
    // named in field order whatever the order of the letters.
    void affineErrorLine()
    {
        const QString letters = QStringLiteral("cabCAB");
        QStringList lines;
        for (const QString invalid : {"Bc", "A", "C", "ba", "cabCAB", ""}) {
            AffineValidity valid;
            for (int field = 0; field < AffineFieldCount; ++field)
                valid[field] = !invalid.contains(letters[field]);
            lines << ::affineErrorLine(valid);
        }
        QCOMPARE(lines, (QStringList{"Error in:  c  b'  ", "Error in:  a'  ", "Error in:  c'  ", "Error in:  a  b  ",
                                     "Error in:  c  a  b  c'  a'  b'  ", "Error in:  "}));
    }
};

QTEST_MAIN(TestDialogRules)
#include "tst_dialogrules.moc"
