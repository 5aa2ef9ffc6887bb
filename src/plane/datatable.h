#pragma once

#include "transform/transformsettings.h"

#include <QPointF>
#include <QString>
#include <array>
#include <optional>

// What the data table shows: the coordinates recorded at each stage of the
// direct and inverse sequences, and the parameters and homogeneous matrix of
// each transformation. Everything here is text; the window only places it.

// An integer of the store as it is written ("-6").
QString integerText(int value);

// A real with a fixed count of decimals (the table's r1, r2 and r3): "." as
// decimal point, no leading blanks. The value is rounded as it is held, to
// the nearest, ties to even; a value that rounds to zero is shown without a
// sign, since the sign of a rounding error means nothing to the reader.
QString realText(long double value, int decimals);

// One label: its text and whether it is shown.
struct TableCell {
    QString text;
    bool shown = true;
};

// The four labels of a parameter panel, two rows of two.
enum ParameterPlace { Row1Left, Row1Right, Row2Left, Row2Right, ParameterPlaceCount };

constexpr int MatrixSize = 3;
// Rows (a, b, c), (a', b', c'), (0, 0, 1) of x' = a x + b y + c,
// y' = a' x + b' y + c'.
using MatrixTexts = std::array<std::array<QString, MatrixSize>, MatrixSize>;

// One transformation as the second and third pages show it.
struct KindTable {
    std::array<TableCell, ParameterPlaceCount> parameters;
    MatrixTexts matrix;
};

// `kind` is a TransformKind; any other value gives hidden parameters and an
// empty matrix.
KindTable kindTable(int kind, const SlotParameters &parameters);

// The rows (a, b, c) and (a', b', c') of a transformation's matrix as numbers,
// the values page 3 writes out; no kind gives the identity.
using AffineRows = std::array<std::array<long double, MatrixSize>, 2>;
AffineRows kindMatrix(int kind, const SlotParameters &parameters);

// The store's recorded coordinates, [vertex][stage].
using VertexTexts = std::array<std::array<QString, VertexStageCount>, VertexCount>;

// Everything the table is filled from; index 0 is the first transformation
// (slot 1), index 1 the second.
struct DataTableInputs {
    VertexTexts textX;
    VertexTexts textY;
    int figureType = 2;
    // A circle has no vertices but its centre, A; B's texts hold its radius
    // along x and along y.
    bool isCircle = false;
    int transformCount = 1;
    std::array<int, 2> kinds{};
    std::array<SlotParameters, 2> parameters;
    // The kinds' names as the workspace's combo boxes showed them at the
    // last `continua`, in the current language.
    std::array<QString, 2> kindNames;
};

DataTableInputs dataTableInputs(const TransformSettingsValues &store, int transformCount,
                                const QString &kindName1, const QString &kindName2);

struct DataTable {
    // First page. Each vertex's label per stage, "A(15;11)", empty for a
    // vertex the figure does not have or a coordinate not recorded. A circle
    // shows its centre in A's place and its radius in B's, "R = 3" (both
    // half-axes, "R = 4.5;1.5", once they differ).
    std::array<std::array<QString, VertexCount>, VertexStageCount> vertices;
    // The transformation named beside each stage's row; stage 0 has none.
    std::array<QString, VertexStageCount> stageNames;
    QString initialTitle;
    QString directTitle;
    QString inverseTitle;
    // Decided by vertex A alone: the direct panel with its title (stage 1
    // recorded), the name of its second row (stage 2), the inverse panel
    // with its title (stage 3), the name of its second row (stage 4).
    bool directShown = false;
    bool directSecondShown = false;
    bool inverseShown = false;
    bool inverseSecondShown = false;

    // Second and third pages, [0] the first transformation, [1] the second.
    std::array<QString, 2> kindNames;
    std::array<bool, 2> parametersShown{};
    std::array<KindTable, 2> kinds;
    bool secondMatrixShown = false;
};

DataTable dataTable(const DataTableInputs &inputs);

// The recorded coordinates of `vertex` at `stage` as numbers, when both are
// recorded.
std::optional<QPointF> recordedPoint(const DataTableInputs &inputs, int vertex, int stage);

// The transformation of `stage` with its parameters, as the table shows
// them: "rotation (Xc = 2, α = 70, Yc = -2)".
QString stageTransformation(const DataTable &table, int stage);

// What the drawing shows, in words a screen reader can read out: the figure
// with its points, then for each stage recorded so far the image after that
// stage's transformation, with its parameters and points:
// "triangle ABC: A(15;11) B(10;9) C(21;4); image after rotation (Xc = 2,
// α = 70, Yc = -2): A(…) …". `imageAfter` holds %1 for the transformation;
// `drawn` tells the stages whose images the drawing shows.
QString drawingDescription(const DataTable &table, const QString &figureName, const QString &imageAfter,
                           const std::array<bool, VertexStageCount> &drawn);
