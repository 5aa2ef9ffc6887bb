#include "transform/transformsettings.h"

#include <QTest>

class TestTransformSettings : public QObject
{
    Q_OBJECT

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
        const TransformSettingsValues &s = TransformSettings;
        for (int slot : {1, 2}) {
            QCOMPARE(s.TranslationDX[slot], -6);
            QCOMPARE(s.TranslationDY[slot], -8);
            QCOMPARE(s.RotationCentreX[slot], 2);
            QCOMPARE(s.RotationCentreY[slot], -2);
            QCOMPARE(s.RotationAngle[slot], 70);
            QCOMPARE(s.SymmetryAxisAngle[slot], 60);
            QCOMPARE(s.SymmetryAxisQ[slot], -3);
            QCOMPARE(s.HomothetyCentreX[slot], -1);
            QCOMPARE(s.HomothetyRatio[slot], 1.5f);
            QCOMPARE(s.HomothetySign[slot], qint8(1));
            QCOMPARE(s.DilationY[slot], 0.5f);
            QCOMPARE(s.AffineText[slot], (AffineTexts{"-6", "2", "0", "-12", "1", "1.5"}));
            QCOMPARE(s.AffineCoeff[slot], (AffineMatrix{{{-6.0f, 2.0f, 0.0f}, {-12.0f, 1.0f, 1.5f}}}));
            QCOMPARE(s.ShearAxis[slot], quint8(0));
            QCOMPARE(s.ShearSign[slot], quint8(0));
        }
        QCOMPARE(s.FigureType, quint8(2));
        QCOMPARE(s.FigureIsCircle, false);
        QCOMPARE(s.ClearScreen, true);
        QCOMPARE(s.CurrentSlot, quint8(1));
        QCOMPARE(s.DialogShowHints, false);
        QCOMPARE(s.FigureX[0], 15);
        QCOMPARE(s.FigureY[2], 4);
        QCOMPARE(s.FigureX[3], 19);
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

    // Every field from its own slot: the store's slot 1 and 2 hold values
    // that no other field shares.
    void slotParametersReadTheirSlot()
    {
        TransformSettingsValues s;
        for (int slot : {1, 2}) {
            const int base = 100 * slot;
            s.TranslationDX[slot] = base + 1;
            s.TranslationDY[slot] = base + 2;
            s.RotationCentreX[slot] = base + 3;
            s.RotationCentreY[slot] = base + 4;
            s.RotationAngle[slot] = base + 5;
            s.SymmetryKind[slot] = quint8(slot + 2);
            s.SymmetryCentreX[slot] = base + 6;
            s.SymmetryCentreY[slot] = base + 7;
            s.SymmetryAxisAngle[slot] = base + 8;
            s.SymmetryAxisQ[slot] = base + 9;
            s.HomothetyCentreX[slot] = base + 10;
            s.HomothetyCentreY[slot] = base + 11;
            s.HomothetyRatio[slot] = float(base) + 0.5f;
            s.HomothetySign[slot] = qint8(slot == 1 ? 1 : -1);
            s.DilationX[slot] = float(base) + 0.25f;
            s.DilationY[slot] = float(base) + 0.75f;
            s.ShearX[slot] = float(base) + 0.125f;
            s.ShearY[slot] = float(base) + 0.375f;
            s.ShearAxis[slot] = quint8(slot - 1);
            s.ShearSign[slot] = quint8(2 - slot);
            s.AffineCoeff[slot] = AffineMatrix{{{float(base) + 12, float(base) + 13, float(base) + 14},
                                                {float(base) + 15, float(base) + 16, float(base) + 17}}};
        }
        for (int slot : {1, 2}) {
            const SlotParameters p = slotParameters(s, slot);
            const int base = 100 * slot;
            const QList<int> whole{p.TranslationDX, p.TranslationDY, p.RotationCentreX, p.RotationCentreY,
                                   p.RotationAngle, p.SymmetryCentreX, p.SymmetryCentreY, p.SymmetryAxisAngle,
                                   p.SymmetryAxisQ, p.HomothetyCentreX, p.HomothetyCentreY};
            QList<int> expected;
            for (int field = 1; field <= 11; ++field)
                expected << base + field;
            QCOMPARE(whole, expected);
            QCOMPARE(p.SymmetryKind, quint8(slot + 2));
            QCOMPARE(p.HomothetyRatio, float(base) + 0.5f);
            QCOMPARE(p.HomothetySign, qint8(slot == 1 ? 1 : -1));
            QCOMPARE(p.DilationX, float(base) + 0.25f);
            QCOMPARE(p.DilationY, float(base) + 0.75f);
            QCOMPARE(p.ShearX, float(base) + 0.125f);
            QCOMPARE(p.ShearY, float(base) + 0.375f);
            QCOMPARE(p.ShearAxis, quint8(slot - 1));
            QCOMPARE(p.ShearSign, quint8(2 - slot));
            QCOMPARE(p.AffineCoeff, (AffineMatrix{{{float(base) + 12, float(base) + 13, float(base) + 14},
                                                   {float(base) + 15, float(base) + 16, float(base) + 17}}}));
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
