#include "transform/transformsettings.h"

#include <QTest>

class TestTransformSettings : public QObject
{
    Q_OBJECT

    using Store = TransformSettingsValues;
    using Slot = SlotParameters;

private slots:
    void init() { resetTransformSettings(); }

    // The values the start values do not name survive a new workspace.
    void startValuesOfEachNewWorkspace()
    {
        QCOMPARE(TransformSettings.SymmetryCentreX[1], 0); // zero for the whole run until stored
        TransformSettings.SymmetryCentreY[2] = -4;
        TransformSettings.ShearX[1] = 2.5f;
        TransformSettings.VertexTextX[2][3] = QStringLiteral("-12.5");
        TransformSettings.RotationAngle[2] = -90;
        TransformSettings.CurrentSlot = 2;
        TransformSettings.ClearScreen = false;
        TransformSettings.ShearAxis[2] = 1;
        TransformSettings.ShearSign[1] = 1;
        TransformSettings.FigureIsCircle = true;
        applyWorkspaceStartValues(false);
        const Store &s = TransformSettings;
        const std::pair<PerSlot<int> Store::*, int> whole[]{
            {&Store::TranslationDX, -6},    {&Store::TranslationDY, -8},    {&Store::RotationCentreX, 2},
            {&Store::RotationCentreY, -2},  {&Store::RotationAngle, 70},    {&Store::SymmetryAxisAngle, 60},
            {&Store::SymmetryAxisQ, -3},    {&Store::HomothetyCentreX, -1}};
        for (int slot : {1, 2}) {
            for (const auto &[field, value] : whole)
                QCOMPARE((s.*field)[slot], value);
            QVERIFY(s.HomothetyRatio[slot] == 1.5f && s.HomothetySign[slot] == 1 && s.DilationY[slot] == 0.5f);
            QCOMPARE(s.AffineText[slot], (AffineTexts{"-6", "2", "0", "-12", "1", "1.5"}));
            QCOMPARE(s.AffineCoeff[slot], (AffineMatrix{{{-6.0f, 2.0f, 0.0f}, {-12.0f, 1.0f, 1.5f}}}));
            QCOMPARE(s.ShearAxis[slot] + s.ShearSign[slot], 0);
        }
        QVERIFY(s.FigureType == 2 && !s.FigureIsCircle && s.ClearScreen && !s.DialogShowHints && s.CurrentSlot == 1);
        QCOMPARE((QList<int>{s.FigureX[0], s.FigureY[2], s.FigureX[3]}), (QList<int>{15, 4, 19}));
        QVERIFY(s.SymmetryCentreY[2] == -4 && s.ShearX[1] == 2.5f && s.VertexTextX[2][3] == u"-12.5"_qs);
    }

    // Every field from its own slot: the store's slots 1 and 2 hold values
    // that no other field shares.
    void slotParametersReadTheirSlot()
    {
        const auto eachField = [](auto visit) {
#define FIELD(name) visit(&Store::name, &Slot::name)
            FIELD(TranslationDX); FIELD(TranslationDY); FIELD(RotationCentreX); FIELD(RotationCentreY); FIELD(RotationAngle);
            FIELD(SymmetryCentreX); FIELD(SymmetryCentreY); FIELD(SymmetryAxisAngle); FIELD(SymmetryAxisQ);
            FIELD(HomothetyCentreX); FIELD(HomothetyCentreY); FIELD(HomothetyRatio); FIELD(DilationX); FIELD(DilationY);
            FIELD(ShearX); FIELD(ShearY); FIELD(SymmetryKind); FIELD(ShearAxis); FIELD(ShearSign);
#undef FIELD
        };
        Store s;
        for (int slot : {1, 2}) {
            int value = 100 * slot;
            eachField([&]<typename T>(PerSlot<T> Store::*field, T Slot::*) { (s.*field)[slot] = T(++value); });
            s.HomothetySign[slot] = qint8(slot == 1 ? 1 : -1);
            s.AffineCoeff[slot] = AffineMatrix{{{value + 1.0f, 2, 3}, {4, 5, value + 6.0f}}};
        }
        for (int slot : {1, 2}) {
            const Slot p = slotParameters(s, slot);
            int value = 100 * slot;
            eachField([&]<typename T>(PerSlot<T> Store::*, T Slot::*read) { QCOMPARE(p.*read, T(++value)); });
            QCOMPARE(p.HomothetySign, qint8(slot == 1 ? 1 : -1));
            QCOMPARE(p.AffineCoeff, (AffineMatrix{{{value + 1.0f, 2, 3}, {4, 5, value + 6.0f}}}));
        }
    }
};

QTEST_GUILESS_MAIN(TestTransformSettings)
#include "tst_transformsettings.moc"
