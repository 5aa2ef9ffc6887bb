#include "calc/expressionevaluator.h"
#include "dialogs/affinityrules.h"
#include "dialogs/ratiorules.h"
#include "dialogs/spinrules.h"
#include "dialogs/symmetryrules.h"

#include <QTest>
#include <bit>
#include <climits>
#include <limits>

Q_DECLARE_METATYPE(SpinRange)

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

// Nine significant digits tell every single-precision value apart.
QString real(float value)
{
    return QString::number(double(value), 'g', 9);
}

// A slot's matrix in the order of the texts: c, a, b, c', a', b'.
QStringList matrix(const TransformSettingsValues &store, int slot)
{
    QStringList values;
    for (int field = 0; field < AffineFieldCount; ++field)
        values << real(store.AffineCoeff[slot][affineRow(field)][affineColumn(field)]);
    return values;
}

const QStringList StartMatrix{"-6", "2", "0", "-12", "1", "1.5"};

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

    void steppedPosition_data()
    {
        QTest::addColumn<SpinRange>("range");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("expected");
        QTest::newRow("wrapping, up to the top") << Angle << 358 << 1 << 359;
        QTest::newRow("wrapping, up past the top") << Angle << 359 << 1 << -359;
        QTest::newRow("wrapping, down to the bottom") << Angle << -358 << -1 << -359;
        QTest::newRow("wrapping, down past the bottom") << Angle << -359 << -1 << 359;
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

    // Whole positions as they are; tenths always with one decimal, below one
    // and negative too.
    void positionText()
    {
        QStringList texts{::positionText(-359, SpinDisplay::Whole)};
        for (int position : {15, 5, 20, 3, 0, -5})
            texts << ::positionText(position, SpinDisplay::Tenths);
        QCOMPARE(texts, (QStringList{"-359", "1.5", "0.5", "2.0", "0.3", "0.0", "-0.5"}));
    }

    void tenthsPosition_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<SpinRange>("range");
        QTest::addColumn<int>("position");
        QTest::newRow("a tenth not exact in binary") << 0.7f << Ratio << 7;
        QTest::newRow("rounded up") << 1.26f << Ratio << 13;
        QTest::newRow("rounded down") << 1.24f << Ratio << 12;
        // 0.25 and 0.75 are exact in binary, so ten times each is a true tie.
        QTest::newRow("a tie goes down to the even position") << 0.25f << Ratio << 2;
        QTest::newRow("a tie goes up to the even position") << 0.75f << Ratio << 8;
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
    void tenthsValue()
    {
        for (const auto &[position, value] : {std::pair{1, 0.1f}, {13, 1.3f}, {49, 4.9f}})
            QCOMPARE(std::bit_cast<quint32>(::tenthsValue(position)), std::bit_cast<quint32>(value));
    }

    void symmetryRows()
    {
        // x, y and line rows of P (x, y), x = cost, y = cost, y = x, y = -x, y = mx + q.
        const QStringList expected{"110", "100", "010", "000", "000", "001"};
        QStringList rows;
        for (int kind = 0; kind < SymmetryKindCount; ++kind) {
            const SymmetryRows on = rowsForSymmetryKind(kind);
            rows << QString::number(on.x) + QString::number(on.y) + QString::number(on.line);
        }
        QCOMPARE(rows, expected);
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
        QTest::addColumn<QStringList>("slotMatrix"); // c, a, b, c', a', b' afterwards
        QTest::newRow("c, a whole number") << 1 << int(AffineC) << "7" << "" << QStringList{"7", "2", "0", "-12", "1", "1.5"};
        QTest::newRow("a, an expression") << 2 << int(AffineA) << "sqrt(3)/2" << ""
                                          << QStringList{"-6", "0.866025388", "0", "-12", "1", "1.5"};
        QTest::newRow("b, a decimal comma") << 1 << int(AffineB) << "0,5" << ""
                                            << QStringList{"-6", "2", "0.5", "-12", "1", "1.5"};
        QTest::newRow("b', degrees") << 2 << int(AffineBPrime) << "sin(30)" << ""
                                     << QStringList{"-6", "2", "0", "-12", "1", "0.5"};
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
        QFETCH(QStringList, slotMatrix);
        TransformSettingsValues store = startStore();
        Evaluator.EvalMode = 3;
        QCOMPARE(applyAffineText(store, slot, field, text), message.isEmpty());
        QCOMPARE(Evaluator.EvalOk, message.isEmpty());
        QCOMPARE(Evaluator.EvalMessage, message);
        QCOMPARE(Evaluator.EvalMode, quint8(0));
        QCOMPARE(store.AffineText[slot][field], text);
        QCOMPARE(matrix(store, slot), slotMatrix);
        QCOMPARE(matrix(store, 3 - slot), StartMatrix);
        QCOMPARE(store.AffineText[3 - slot], startStore().AffineText[3 - slot]);
    }

    // A failure earlier in the run does not carry over into the next field.
    void successAfterFailure()
    {
        TransformSettingsValues store = startStore();
        QVERIFY(!applyAffineText(store, 1, AffineA, QStringLiteral("1/0")));
        QVERIFY(applyAffineText(store, 1, AffineA, QStringLiteral("3")));
        QCOMPARE(Evaluator.EvalMessage, QString());
        QCOMPARE(store.AffineCoeff[1][0][1], 3.0f);
    }

    void affinePresets_data()
    {
        QTest::addColumn<int>("preset");
        QTest::addColumn<QStringList>("texts");  // c, a, b, c', a', b'
        QTest::addColumn<QStringList>("values"); // the same order; none where they read as the texts
        QTest::newRow("generica") << 0 << QStringList{"-8", "2", "0", "-3", "0", "2"} << QStringList();
        QTest::newRow("traslazione") << 1 << QStringList{"-4", "1", "0", "3", "0", "1"} << QStringList();
        QTest::newRow("rotazione") << 2 << QStringList{"0", "1/2", "-sqrt(3)/2", "0", "sqrt(3)/2", "1/2"}
                                   << QStringList{"0", "0.5", "-0.866025388", "0", "0.866025388", "0.5"};
        QTest::newRow("simmetria") << 3 << QStringList{"-2", "0", "-1", "-3", "-1", "0"} << QStringList();
        QTest::newRow("omotetia") << 4 << QStringList{"0", "1.5", "0", "0", "0", "1.5"} << QStringList();
        QTest::newRow("dilatazione") << 5 << QStringList{"0", "2", "0", "0", "0", "1.5"} << QStringList();
        QTest::newRow("inclinazione") << 6 << QStringList{"0", "1", "0,5", "0", "0", "1"}
                                      << QStringList{"0", "1", "0.5", "0", "0", "1"};
    }

    // Each preset's texts, evaluated by the change rule, give its matrix;
    // -0.866025388 and 0.866025388 are the singles nearest to -sqrt(3)/2 and
    // sqrt(3)/2. Only "generica" has values to store directly, the same.
    void affinePresets()
    {
        QFETCH(int, preset);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, values);
        if (values.isEmpty())
            values = texts;
        const AffineTexts presetTexts = affinePresetTexts(preset);
        QCOMPARE(QStringList(presetTexts.cbegin(), presetTexts.cend()), texts);
        TransformSettingsValues store = startStore();
        for (int field = 0; field < AffineFieldCount; ++field)
            QVERIFY(applyAffineText(store, 2, field, presetTexts[field]));
        QCOMPARE(matrix(store, 2), values);
        const std::optional<AffineMatrix> direct = affinePresetMatrix(preset);
        QCOMPARE(direct.has_value(), preset == 0);
        if (direct) {
            store.AffineCoeff[2] = *direct;
            QCOMPARE(matrix(store, 2), values);
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
