#include "transform/transformsettings.h"

#include <QTest>

class TestTransformSettings : public QObject
{
    Q_OBJECT

    using Store = TransformSettingsValues;
    using Slot = SlotParameters;

private slots:
    void init() { resetTransformSettings(); }

    void startValuesOfEachNewWorkspace()
    {
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
            QCOMPARE(s.HomothetyRatio[slot], 1.5f);
            QCOMPARE(s.HomothetySign[slot], qint8(1));
            QCOMPARE(s.DilationY[slot], 0.5f);
            QCOMPARE(s.AffineText[slot], (AffineTexts{"-6", "2", "0", "-12", "1", "1.5"}));
            QCOMPARE(s.AffineCoeff[slot], (AffineMatrix{{{-6.0f, 2.0f, 0.0f}, {-12.0f, 1.0f, 1.5f}}}));
            QCOMPARE(s.ShearAxis[slot] + s.ShearSign[slot], 0);
        }
        QCOMPARE(s.FigureType, quint8(2));
        QVERIFY(!s.FigureIsCircle && s.ClearScreen && !s.DialogShowHints);
        QCOMPARE(s.CurrentSlot, quint8(1));
        QCOMPARE((QList<int>{s.FigureX[0], s.FigureY[2], s.FigureX[3]}), (QList<int>{15, 4, 19}));
    }

    void unnamedValuesSurviveANewWorkspace()
    {
        QCOMPARE(TransformSettings.SymmetryCentreX[1], 0); // zero for the whole run until stored
        applyWorkspaceStartValues(true);
        TransformSettings.SymmetryCentreY[2] = -4;
        TransformSettings.ShearX[1] = 2.5f;
        TransformSettings.VertexTextX[2][3] = QStringLiteral("-12.5");
        TransformSettings.RotationAngle[2] = -90;
        applyWorkspaceStartValues(true);
        QCOMPARE(TransformSettings.SymmetryCentreY[2], -4);
        QCOMPARE(TransformSettings.ShearX[1], 2.5f);
        QCOMPARE(TransformSettings.VertexTextX[2][3], QStringLiteral("-12.5"));
        QCOMPARE(TransformSettings.RotationAngle[2], 70);
    }

    // Every field from its own slot: the store's slots 1 and 2 hold values
    // that no other field shares.
    void slotParametersReadTheirSlot()
    {
        const std::pair<PerSlot<int> Store::*, int Slot::*> whole[]{
            {&Store::TranslationDX, &Slot::TranslationDX},       {&Store::TranslationDY, &Slot::TranslationDY},
            {&Store::RotationCentreX, &Slot::RotationCentreX},   {&Store::RotationCentreY, &Slot::RotationCentreY},
            {&Store::RotationAngle, &Slot::RotationAngle},       {&Store::SymmetryCentreX, &Slot::SymmetryCentreX},
            {&Store::SymmetryCentreY, &Slot::SymmetryCentreY},   {&Store::SymmetryAxisAngle, &Slot::SymmetryAxisAngle},
            {&Store::SymmetryAxisQ, &Slot::SymmetryAxisQ},       {&Store::HomothetyCentreX, &Slot::HomothetyCentreX},
            {&Store::HomothetyCentreY, &Slot::HomothetyCentreY}};
        const std::pair<PerSlot<float> Store::*, float Slot::*> real[]{
            {&Store::HomothetyRatio, &Slot::HomothetyRatio}, {&Store::DilationX, &Slot::DilationX},
            {&Store::DilationY, &Slot::DilationY},           {&Store::ShearX, &Slot::ShearX},
            {&Store::ShearY, &Slot::ShearY}};
        const std::pair<PerSlot<quint8> Store::*, quint8 Slot::*> small[]{
            {&Store::SymmetryKind, &Slot::SymmetryKind}, {&Store::ShearAxis, &Slot::ShearAxis},
            {&Store::ShearSign, &Slot::ShearSign}};
        const auto matrix = [](int base) {
            const float b = float(base);
            return AffineMatrix{{{b + 40, b + 41, b + 42}, {b + 43, b + 44, b + 45}}};
        };
        Store s;
        for (int slot : {1, 2}) {
            int value = 100 * slot;
            for (const auto &[field, read] : whole)
                (s.*field)[slot] = ++value;
            for (const auto &[field, read] : real)
                (s.*field)[slot] = float(++value) + 0.5f;
            for (const auto &[field, read] : small)
                (s.*field)[slot] = quint8(++value);
            s.HomothetySign[slot] = qint8(slot == 1 ? 1 : -1);
            s.AffineCoeff[slot] = matrix(100 * slot);
        }
        for (int slot : {1, 2}) {
            const Slot p = slotParameters(s, slot);
            int value = 100 * slot;
            for (const auto &[field, read] : whole)
                QCOMPARE(p.*read, ++value);
            for (const auto &[field, read] : real)
                QCOMPARE(p.*read, float(++value) + 0.5f);
            for (const auto &[field, read] : small)
                QCOMPARE(p.*read, quint8(++value));
            QCOMPARE(p.HomothetySign, qint8(slot == 1 ? 1 : -1));
            QCOMPARE(p.AffineCoeff, matrix(100 * slot));
        }
    }

    void hintRule()
    {
        applyWorkspaceStartValues(true);
        TransformSettings.DialogShowHints = false;
        QCOMPARE(dialogHintsOnOpening(RotationDialogGroup, true), true); // first: the main switch
        QCOMPARE(dialogHintsOnOpening(RotationDialogGroup, true), false); // then: the dialogs' switch
        QCOMPARE(dialogHintsOnOpening(TranslationDialogGroup, true), true); // each group its own first
        applyWorkspaceStartValues(true);
        QCOMPARE(dialogHintsOnOpening(RotationDialogGroup, true), true);
    }
};

QTEST_GUILESS_MAIN(TestTransformSettings)
#include "tst_transformsettings.moc"
