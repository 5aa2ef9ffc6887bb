#include "transform/transformsettings.h"

TransformSettingsValues TransformSettings;

void applyWorkspaceStartValues(bool mainShowHints)
{
    TransformSettingsValues &s = TransformSettings;
    s.TranslationDX = PerSlot<int>(-6);
    s.TranslationDY = PerSlot<int>(-8);
    s.ShowTranslationVector = PerSlot<bool>(false);
    s.RotationCentreX = PerSlot<int>(2);
    s.RotationCentreY = PerSlot<int>(-2);
    s.RotationAngle = PerSlot<int>(70);
    s.ShowRotationArcs = PerSlot<bool>(false);
    s.SymmetryKind = PerSlot<quint8>(0);
    s.SymmetryAxisAngle = PerSlot<int>(60);
    s.SymmetryAxisQ = PerSlot<int>(-3);
    s.ShowSymmetryElement = PerSlot<bool>(false);
    s.HomothetyCentreX = PerSlot<int>(-1);
    s.HomothetyCentreY = PerSlot<int>(1);
    s.HomothetyRatio = PerSlot<float>(1.5f);
    s.HomothetySign = PerSlot<qint8>(1);
    s.ShowHomothetyCentre = PerSlot<bool>(false);
    s.DilationX = PerSlot<float>(1.5f);
    s.DilationY = PerSlot<float>(0.5f);
    s.AffineText = PerSlot<AffineTexts>({QStringLiteral("-6"), QStringLiteral("2"), QStringLiteral("0"),
                                         QStringLiteral("-12"), QStringLiteral("1"), QStringLiteral("1.5")});
    s.AffineCoeff = PerSlot<AffineMatrix>(AffineMatrix{{{-6.0f, 2.0f, 0.0f}, {-12.0f, 1.0f, 1.5f}}});
    s.AffineConfirmed = PerSlot<bool>(false);

    s.FigureType = 2;
    s.SelectedFigureType = 2;
    s.FigureIsCircle = false;
    s.FigureX = {};
    s.FigureY = {};
    s.FigureX[0] = 15; s.FigureY[0] = 11;
    s.FigureX[1] = 10; s.FigureY[1] = 9;
    s.FigureX[2] = 21; s.FigureY[2] = 4;
    s.FigureX[3] = 19; s.FigureY[3] = 9;
    s.ClearScreen = true;
    s.ShearAxis = PerSlot<quint8>(0);
    s.ShearSign = PerSlot<quint8>(0);
    s.AffinePreset = 0;
    s.CurrentSlot = 1;
    s.DialogShowHints = mainShowHints;
    s.DialogFirstActivation.fill(true);
}

SlotParameters slotParameters(const TransformSettingsValues &store, int slot)
{
    SlotParameters p;
    p.TranslationDX = store.TranslationDX[slot];
    p.TranslationDY = store.TranslationDY[slot];
    p.RotationCentreX = store.RotationCentreX[slot];
    p.RotationCentreY = store.RotationCentreY[slot];
    p.RotationAngle = store.RotationAngle[slot];
    p.SymmetryKind = store.SymmetryKind[slot];
    p.SymmetryCentreX = store.SymmetryCentreX[slot];
    p.SymmetryCentreY = store.SymmetryCentreY[slot];
    p.SymmetryAxisAngle = store.SymmetryAxisAngle[slot];
    p.SymmetryAxisQ = store.SymmetryAxisQ[slot];
    p.HomothetyCentreX = store.HomothetyCentreX[slot];
    p.HomothetyCentreY = store.HomothetyCentreY[slot];
    p.HomothetyRatio = store.HomothetyRatio[slot];
    p.HomothetySign = store.HomothetySign[slot];
    p.DilationX = store.DilationX[slot];
    p.DilationY = store.DilationY[slot];
    p.ShearX = store.ShearX[slot];
    p.ShearY = store.ShearY[slot];
    p.ShearAxis = store.ShearAxis[slot];
    p.ShearSign = store.ShearSign[slot];
    p.AffineCoeff = store.AffineCoeff[slot];
    return p;
}

void resetTransformSettings()
{
    TransformSettings = TransformSettingsValues{};
}

bool dialogHintsOnOpening(DialogGroup group, bool mainShowHints)
{
    bool &first = TransformSettings.DialogFirstActivation[group];
    if (first) {
        first = false;
        return mainShowHints;
    }
    return TransformSettings.DialogShowHints;
}
