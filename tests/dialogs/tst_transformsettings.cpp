#include "dialogs/transformsettings.h"
#include "support/guitest.h"

#include <QTest>

class TestTransformSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { GuiTest::resetProgramValues(); }

    void startValuesOfBothSlots_data()
    {
        QTest::addColumn<int>("slot");
        QTest::newRow("first") << 1;
        QTest::newRow("second") << 2;
    }

    void startValuesOfBothSlots()
    {
        QFETCH(int, slot);
        applyWorkspaceStartValues(true);
        const TransformSettingsValues &s = TransformSettings;
        QCOMPARE(s.TranslationDX[slot], -6);
        QCOMPARE(s.TranslationDY[slot], -8);
        QCOMPARE(s.ShowTranslationVector[slot], false);
        QCOMPARE(s.RotationCentreX[slot], 2);
        QCOMPARE(s.RotationCentreY[slot], -2);
        QCOMPARE(s.RotationAngle[slot], 70);
        QCOMPARE(s.SymmetryKind[slot], quint8(0));
        QCOMPARE(s.SymmetryAxisAngle[slot], 60);
        QCOMPARE(s.SymmetryAxisQ[slot], -3);
        QCOMPARE(s.HomothetyCentreX[slot], -1);
        QCOMPARE(s.HomothetyCentreY[slot], 1);
        QCOMPARE(s.HomothetyRatio[slot], 1.5f);
        QCOMPARE(s.HomothetySign[slot], qint8(1));
        QCOMPARE(s.DilationX[slot], 1.5f);
        QCOMPARE(s.DilationY[slot], 0.5f);
        QCOMPARE(s.AffineText[slot],
                 (AffineTexts{"-6", "2", "0", "-12", "1", "1.5"}));
        QCOMPARE(s.AffineCoeff[slot][0], (std::array<float, 3>{-6.0f, 2.0f, 0.0f}));
        QCOMPARE(s.AffineCoeff[slot][1], (std::array<float, 3>{-12.0f, 1.0f, 1.5f}));
    }

    void figureAndSharedStartValues()
    {
        TransformSettings.CurrentSlot = 2;
        TransformSettings.ClearScreen = false;
        TransformSettings.ShearAxis = 1;
        TransformSettings.FigureType = 4;
        TransformSettings.FigureIsCircle = true;
        applyWorkspaceStartValues(false);
        const TransformSettingsValues &s = TransformSettings;
        QCOMPARE(s.FigureType, quint8(2));
        QCOMPARE(s.SelectedFigureType, quint8(2));
        QCOMPARE(s.FigureIsCircle, false);
        QCOMPARE(s.ClearScreen, true);
        QCOMPARE(s.ShearAxis, quint8(0));
        QCOMPARE(s.ShearSign, quint8(0));
        QCOMPARE(s.AffinePreset, quint8(0));
        QCOMPARE(s.CurrentSlot, quint8(1));
        QCOMPARE(s.DialogShowHints, false);
        const std::array<int, 4> xs{15, 10, 21, 19};
        const std::array<int, 4> ys{11, 9, 4, 9};
        for (int vertex = 0; vertex < 4; ++vertex) {
            QCOMPARE(s.FigureX[vertex], xs[vertex]);
            QCOMPARE(s.FigureY[vertex], ys[vertex]);
        }
        for (bool first : s.DialogFirstActivation)
            QVERIFY(first);
    }

    void unnamedValuesSurviveANewWorkspace()
    {
        applyWorkspaceStartValues(true);
        TransformSettings.SymmetryCentreX[1] = 7;
        TransformSettings.SymmetryCentreY[2] = -4;
        TransformSettings.ShearX[1] = 2.5f;
        TransformSettings.ShearY[2] = 0.5f;
        TransformSettings.VertexTextX[2][3] = QStringLiteral("-12.5");
        TransformSettings.TranslationDX[1] = 30;
        applyWorkspaceStartValues(true);
        QCOMPARE(TransformSettings.SymmetryCentreX[1], 7);
        QCOMPARE(TransformSettings.SymmetryCentreY[2], -4);
        QCOMPARE(TransformSettings.ShearX[1], 2.5f);
        QCOMPARE(TransformSettings.ShearY[2], 0.5f);
        QCOMPARE(TransformSettings.VertexTextX[2][3], QStringLiteral("-12.5"));
        QCOMPARE(TransformSettings.TranslationDX[1], -6);
    }

    void unnamedValuesStartAtZeroForTheRun()
    {
        QCOMPARE(TransformSettings.SymmetryCentreX[1], 0);
        QCOMPARE(TransformSettings.ShearX[2], 0.0f);
        QCOMPARE(TransformSettings.VertexTextY[0][0], QString());
    }

    void slotsAreIndependent()
    {
        applyWorkspaceStartValues(true);
        TransformSettings.RotationAngle[2] = -90;
        TransformSettings.AffineCoeff[2][0][1] = 9.0f;
        QCOMPARE(TransformSettings.RotationAngle[1], 70);
        QCOMPARE(TransformSettings.AffineCoeff[1][0][1], 2.0f);
        TransformSettings.TranslationDY[1] = 20;
        QCOMPARE(TransformSettings.TranslationDY[2], -8);
    }

    void hintRuleFirstOpeningFollowsMainSwitch()
    {
        applyWorkspaceStartValues(true);
        TransformSettings.DialogShowHints = false;
        QCOMPARE(dialogHintsOnOpening(RotationDialogGroup, true), true);
        QCOMPARE(dialogHintsOnOpening(RotationDialogGroup, true), false);
        // Each group has its own first opening.
        QCOMPARE(dialogHintsOnOpening(TranslationDialogGroup, true), true);
        TransformSettings.DialogShowHints = true;
        QCOMPARE(dialogHintsOnOpening(TranslationDialogGroup, false), true);
    }

    void hintRuleStartsAgainWithANewWorkspace()
    {
        applyWorkspaceStartValues(false);
        QCOMPARE(dialogHintsOnOpening(FigureDialogGroup, false), false);
        TransformSettings.DialogShowHints = true;
        QCOMPARE(dialogHintsOnOpening(FigureDialogGroup, false), true);
        applyWorkspaceStartValues(false);
        TransformSettings.DialogShowHints = true;
        QCOMPARE(dialogHintsOnOpening(FigureDialogGroup, false), false);
    }
};

QTEST_GUILESS_MAIN(TestTransformSettings)
#include "tst_transformsettings.moc"
