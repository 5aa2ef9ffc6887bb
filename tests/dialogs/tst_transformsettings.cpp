#include "dialogs/transformsettings.h"
#include "support/guitest.h"

#include <QTest>

class TestTransformSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { GuiTest::resetProgramValues(); }

    void startValuesOfEachNewWorkspace()
    {
        TransformSettings.CurrentSlot = 2;
        TransformSettings.ClearScreen = false;
        TransformSettings.ShearAxis = 1;
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
        }
        QCOMPARE(s.FigureType, quint8(2));
        QCOMPARE(s.FigureIsCircle, false);
        QCOMPARE(s.ClearScreen, true);
        QCOMPARE(s.ShearAxis, quint8(0));
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
