#pragma once

#include "plane/datatable.h"
#include "plane/planecanvas.h"
#include "plane/planeshape.h"
#include "plane/screenmapping.h"

#include <QPointF>
#include <QString>

#include <vector>

// What two transformations amount to: the products of their matrices in
// both orders and the single transformation each product is. The matrices
// are page 3's, so the page agrees with the table by construction.
namespace Composition {

// Rows (a, b, c) and (a', b', c') of x' = a x + b y + c, y' = a' x + b' y + c'.
using Rows = AffineRows;

// `second` after `first`: the matrix M2 · M1.
Rows product(const Rows &second, const Rows &first);
QPointF apply(const Rows &m, QPointF point);
long double determinant(const Rows &m);

enum class Kind {
    Identity,
    Translation,     // by `vector`
    Rotation,        // by `angle` degrees about `centre`
    PointSymmetry,   // about `centre`
    AxialSymmetry,   // about `axis`
    GlideReflection, // about `axis`, by `vector` along it
    Homothety,       // ratio `ratio` about `centre`
    Similarity,      // ratio `ratio`, `angle` degrees, about `centre`; `reversing` for an indirect one
    Affinity,
    DegenerateAffinity, // the plane is flattened onto a line or a point
};

struct Map {
    Kind kind = Kind::Affinity;
    QPointF vector;
    QPointF centre;
    long double angle = 0;
    long double ratio = 1;
    bool reversing = false;
    QString axis; // as the symmetry dialog writes lines: "x = 2", "y = x", "y = 0.58x - 2"
    QPointF axisPoint;          // a point of the axis
    long double axisAngle = 0;  // its inclination, degrees in [0; 180)
};

// Numbers are judged with a tolerance that fits values held in single
// precision, so two parallel axes give a translation by (6; 0), never by
// (5.9999; 0), and a singular matrix divides nothing.
Map classify(const Rows &m);

// A number as the page writes it: four decimals at most, trailing zeros
// and the sign of a zero dropped ("6", "-0.5", "0.5774").
QString number(long double value);

// The map's name with its elements, in Italian like the table's other pages.
QString describe(const Map &map);

// What the table's "Composizione" page shows: with two transformations the
// direct product M2·M1 and the inverse M1·M2, with one that one's matrix.
struct Block {
    Map map;
    QString title;
    MatrixTexts matrix;
    QString determinant; // with what it does to areas and orientation
    QString name;
    QString check;       // the product applied to A beside the table's image of A
};

struct Page {
    std::array<Block, 2> blocks;
    bool secondShown = false;
};

// From the same parameters and recorded stages the table's other pages show.
Page page(const DataTableInputs &inputs);

// The composed map's element as the workspace draws it on "Mostra", in a
// colour of its own: the centre as a dot, the axis as a line across the
// plane, the vector as an arrow (from the origin, or along the axis of a
// glide). None for the identity and the affinities.
inline constexpr QRgb ElementColour = PlaneColour::Orange;
std::vector<PlaneShape> elementShapes(const Map &map, const ScreenMapping &mapping);

// The page's products as LaTeX, one display per product:
// "M_2 M_1 = \begin{pmatrix} 1 & 0 & 6 \\ ... \end{pmatrix}".
QString latex(const Page &page);

} // namespace Composition
