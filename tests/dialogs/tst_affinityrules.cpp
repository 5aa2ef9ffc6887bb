#include "calc/expressionevaluator.h"
#include "dialogs/affinityrules.h"

#include <QTest>

// The affinity dialog's logic on a store of its own: the change rule of one
// field, the presets and the error line.
namespace {

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

TransformSettingsValues startStore()
{
    TransformSettingsValues store;
    const AffineMatrix start{{{-6.0f, 2.0f, 0.0f}, {-12.0f, 1.0f, 1.5f}}};
    store.AffineCoeff = PerSlot<AffineMatrix>(start);
    store.AffineText = PerSlot<AffineTexts>({QStringLiteral("-6"), QStringLiteral("2"), QStringLiteral("0"),
                                             QStringLiteral("-12"), QStringLiteral("1"), QStringLiteral("1.5")});
    return store;
}

const QStringList StartMatrix{"-6", "2", "0", "-12", "1", "1.5"};

} // namespace

class TestAffinityRules : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetEvaluatorValues(); }

    void changeRule_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("slotMatrix"); // c, a, b, c', a', b' afterwards
        QTest::newRow("c, a whole number") << 1 << int(AffineC) << "7" << true << ""
                                           << QStringList{"7", "2", "0", "-12", "1", "1.5"};
        QTest::newRow("a, an expression") << 2 << int(AffineA) << "sqrt(3)/2" << true << ""
                                          << QStringList{"-6", "0.866025388", "0", "-12", "1", "1.5"};
        QTest::newRow("b, a decimal comma") << 1 << int(AffineB) << "0,5" << true << ""
                                            << QStringList{"-6", "2", "0.5", "-12", "1", "1.5"};
        QTest::newRow("c', a leading minus") << 2 << int(AffineCPrime) << "-2^2" << true << ""
                                             << QStringList{"-6", "2", "0", "-4", "1", "1.5"};
        QTest::newRow("b', degrees") << 2 << int(AffineBPrime) << "sin(30)" << true << ""
                                     << QStringList{"-6", "2", "0", "-12", "1", "0.5"};
        QTest::newRow("empty") << 1 << int(AffineA) << "" << false << "Stringa vuota" << StartMatrix;
        QTest::newRow("text rejected") << 2 << int(AffineB) << "2*" << false << "syntax error" << StartMatrix;
        QTest::newRow("a variable letter") << 1 << int(AffineC) << "x" << false << "syntax error" << StartMatrix;
        QTest::newRow("evaluation fails") << 1 << int(AffineBPrime) << "1/0" << false << "division by 0"
                                          << StartMatrix;
    }

    // The text is stored valid or not; the value only when valid; the other
    // slot is never touched; the evaluator tells the same as the result.
    void changeRule()
    {
        QFETCH(int, slot);
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QString, message);
        QFETCH(QStringList, slotMatrix);
        TransformSettingsValues store = startStore();
        Evaluator.EvalMode = 3;
        QCOMPARE(applyAffineText(store, slot, field, text), valid);
        QCOMPARE(Evaluator.EvalOk, valid);
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

    void presets_data()
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
    void presets()
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

    void errorLine_data()
    {
        QTest::addColumn<QString>("invalid"); // a letter per invalid field: c a b C A B for c a b c' a' b'
        QTest::addColumn<QString>("line");
        QTest::newRow("c and b'") << "cB" << "Error in:  c  b'  ";
        QTest::newRow("b' and c, named in field order") << "Bc" << "Error in:  c  b'  ";
        QTest::newRow("a' alone") << "A" << "Error in:  a'  ";
        QTest::newRow("c' alone") << "C" << "Error in:  c'  ";
        QTest::newRow("a and b") << "ba" << "Error in:  a  b  ";
        QTest::newRow("every field") << "cabCAB" << "Error in:  c  a  b  c'  a'  b'  ";
        QTest::newRow("none") << "" << "Error in:  ";
    }

    void errorLine()
    {
        QFETCH(QString, invalid);
        QFETCH(QString, line);
        const QString letters = QStringLiteral("cabCAB");
        AffineValidity valid;
        for (int field = 0; field < AffineFieldCount; ++field)
            valid[field] = !invalid.contains(letters[field]);
        QCOMPARE(affineErrorLine(valid), line);
    }
};

QTEST_MAIN(TestAffinityRules)
#include "tst_affinityrules.moc"
