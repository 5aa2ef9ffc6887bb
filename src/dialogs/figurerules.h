#pragma once

#include "dialogs/spinrules.h"

#include <QString>
#include <optional>

// Figure types, in the order of the figure dialog's type choice.
enum FigureKind : int {
    PointFigure,
    SegmentFigure,
    TriangleFigure,
    QuadrilateralFigure,
    CircleFigure,
};

inline constexpr SpinRange VertexXRange{-39, 39};
inline constexpr SpinRange VertexYRange{-26, 26};
// Only x of C and D wraps; the design keeps this quirk of its spin controls.
inline constexpr SpinRange VertexXWrappingRange{-39, 39, true};
inline constexpr SpinRange RadiusRange{2, 15};

// Which of the rows B, C, D and the radius field take input.
struct FigureRows {
    bool b = false;
    bool c = false;
    bool d = false;
    bool radius = false;

    friend bool operator==(const FigureRows &, const FigureRows &) = default;
};

// The rows of a figure type as the user picks it.
FigureRows rowsForType(int type);

// The rows when the dialog opens. The shown type is the last one picked, but
// the vertex rows follow the last confirmed type unless a circle is shown:
// a choice cancelled earlier does not unlock rows by itself.
FigureRows rowsOnOpening(bool showsCircle, int confirmedType);

// The radius a typed text asks for, brought inside the radius range; none
// when the text is no whole number, so the spin keeps its position.
std::optional<int> typedRadius(const QString &text);

// A coordinate as the data table keeps it: five characters at most.
QString vertexText(const QString &fieldText);

// The radius the dialog offers when no circle was chosen before.
inline constexpr int DefaultRadius = 5;
