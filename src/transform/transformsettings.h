#pragma once

#include <QString>
#include <array>
#include <cassert>

// The values through which the parameter dialogs hand their results to the
// workspace. Every transformation parameter exists once per slot: slot 1 is
// the first transformation, slot 2 the second.
template <typename T>
class PerSlot
{
public:
    PerSlot() = default;
    explicit PerSlot(const T &both) : m_values{both, both} {}

    T &operator[](int slot)
    {
        assert(slot == 1 || slot == 2);
        return m_values[slot - 1];
    }
    const T &operator[](int slot) const
    {
        assert(slot == 1 || slot == 2);
        return m_values[slot - 1];
    }

private:
    std::array<T, 2> m_values{};
};

enum TransformKind : quint8 {
    Traslazione,
    Rotazione,
    Simmetria,
    Omotetia,
    Dilatazione,
    Inclinazione,
    Affinita,
};

constexpr int FigurePointCount = 12;
constexpr int VertexCount = 4;
constexpr int VertexStageCount = 5;
constexpr int DialogGroupCount = 7;

// Indices of DialogFirstActivation, one per dialog group.
enum DialogGroup {
    FigureDialogGroup,
    HomothetyDialogGroup,
    RotationDialogGroup,
    SymmetryDialogGroup,
    AffinityDialogGroup,
    TranslationDialogGroup,
    DilationShearDialogGroup,
};

// Affinity: x' = a x + b y + c, y' = a' x + b' y + c'. Each row is
// (constant term, x coefficient, y coefficient).
using AffineMatrix = std::array<std::array<float, 3>, 2>;
using AffineTexts = std::array<QString, 6>; // c, a, b, c', a', b'

struct TransformSettingsValues {
    quint8 CurrentSlot = 1;
    quint8 FrameMode = 0; // 0 "Figura": the figure moves; 1 "Assi": the axes move
    PerSlot<quint8> SlotKind;

    PerSlot<int> TranslationDX;
    PerSlot<int> TranslationDY;
    PerSlot<bool> ShowTranslationVector;

    PerSlot<int> RotationCentreX;
    PerSlot<int> RotationCentreY;
    PerSlot<int> RotationAngle; // degrees
    PerSlot<bool> ShowRotationArcs;

    PerSlot<quint8> SymmetryKind;
    PerSlot<int> SymmetryCentreX;
    PerSlot<int> SymmetryCentreY;
    PerSlot<int> SymmetryAxisAngle; // degrees, 0..179
    PerSlot<int> SymmetryAxisQ;
    PerSlot<bool> ShowSymmetryElement;

    PerSlot<int> HomothetyCentreX;
    PerSlot<int> HomothetyCentreY;
    PerSlot<float> HomothetyRatio; // always positive; the sign is apart
    PerSlot<qint8> HomothetySign;
    PerSlot<bool> ShowHomothetyCentre;

    PerSlot<float> DilationX;
    PerSlot<float> DilationY;

    PerSlot<float> ShearX; // only the entry of the chosen axis is non-zero
    PerSlot<float> ShearY;
    // Per slot like every other parameter, so that a second shear cannot
    // turn the first one onto another axis or sign.
    PerSlot<quint8> ShearAxis; // 0 along x, 1 along y
    PerSlot<quint8> ShearSign; // 0 k positive, 1 k negative

    PerSlot<AffineTexts> AffineText;
    PerSlot<AffineMatrix> AffineCoeff;
    // The affinity dialog closed with OK on six valid coefficients for this
    // slot. The step trusts this flag, not the evaluator's success flag,
    // which the calculator overwrites.
    PerSlot<bool> AffineConfirmed;
    quint8 AffinePreset = 0;

    quint8 FigureType = 2;
    quint8 SelectedFigureType = 2;
    bool FigureIsCircle = false;
    // Entries 0..3 are the vertices A..D in grid units; for the circle entry
    // 0 is the centre and entry 1 holds the radius in both arrays.
    std::array<int, FigurePointCount> FigureX{};
    std::array<int, FigurePointCount> FigureY{};
    bool ClearScreen = true;
    // Coordinates shown by the data table: [vertex][stage], 5 characters at most.
    std::array<std::array<QString, VertexStageCount>, VertexCount> VertexTextX;
    std::array<std::array<QString, VertexStageCount>, VertexCount> VertexTextY;

    bool DialogShowHints = true;
    std::array<bool, DialogGroupCount> DialogFirstActivation{};
};

extern TransformSettingsValues TransformSettings;

// The parameters that drive one slot's step, taken from the store when the
// step starts, so that the step's logic never reads the store itself.
struct SlotParameters {
    int TranslationDX = 0;
    int TranslationDY = 0;

    int RotationCentreX = 0;
    int RotationCentreY = 0;
    int RotationAngle = 0;

    quint8 SymmetryKind = 0;
    int SymmetryCentreX = 0;
    int SymmetryCentreY = 0;
    int SymmetryAxisAngle = 0;
    int SymmetryAxisQ = 0;

    int HomothetyCentreX = 0;
    int HomothetyCentreY = 0;
    float HomothetyRatio = 1;
    qint8 HomothetySign = 1;

    float DilationX = 1;
    float DilationY = 1;

    float ShearX = 0;
    float ShearY = 0;
    quint8 ShearAxis = 0;
    quint8 ShearSign = 0;

    AffineMatrix AffineCoeff{};
};

SlotParameters slotParameters(const TransformSettingsValues &store, int slot);

// The values the workspace starts each lesson with; called whenever a
// workspace window is created. The symmetry centre, the shear coefficients and
// the vertex texts keep what was stored while a workspace was open before.
void applyWorkspaceStartValues(bool mainShowHints);

// Everything back to the program's start, for a fresh run.
void resetTransformSettings();

// The hint rule every parameter dialog applies when it opens: its first
// opening after a workspace was created follows the main window's switch,
// later ones the dialogs' shared switch. Returns whether hints are shown.
bool dialogHintsOnOpening(DialogGroup group, bool mainShowHints);
