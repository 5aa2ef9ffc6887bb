#pragma once

// The topics of the help set that the windows open, one number each; the
// help pages are named after them ("<context>.html").
namespace HelpContext {

constexpr int Language = 4;
constexpr int Calculator = 101;
constexpr int Exit = 102;
constexpr int Hints = 103;
constexpr int PlaneWindow = 201;
constexpr int SpaceWindow = 202;
constexpr int FigureDialog = 801;
constexpr int HomothetyDialog = 802;
constexpr int TranslationDialog = 803;
constexpr int AffinityDialog = 804;
constexpr int SymmetryDialog = 805;
constexpr int RotationDialog = 806;
// The notes window shares the rotation dialog's topic, whose page speaks of both.
constexpr int NotesWindow = 806;
constexpr int DilationDialog = 807;
constexpr int ShearDialog = 808;
constexpr int SpaceDialog = 809;

} // namespace HelpContext
