#include "plane/composition.h"

#include "lang/fixedtexts.h"

#include <QStringList>

#include <cmath>
#include <optional>
#include <numbers>

namespace {

using Composition::Kind;
using Composition::Map;
using Composition::Rows;

// Single precision holds about seven digits; four are trusted.
constexpr long double Tolerance = 1e-4L;
constexpr long double Degrees = 180 / std::numbers::pi_v<long double>;

bool near(long double a, long double b)
{
    return std::fabs(a - b) <= Tolerance * std::max({1.0L, std::fabs(a), std::fabs(b)});
}

bool nearZero(long double value)
{
    return std::fabs(value) <= Tolerance;
}

// An angle in degrees brought into (-180; 180], a hair from 180 taken as 180.
long double normalised(long double degrees)
{
    while (degrees <= -180)
        degrees += 360;
    while (degrees > 180)
        degrees -= 360;
    return near(degrees, -180) ? 180 : degrees;
}

QString text(const char *fixed)
{
    return QString::fromUtf8(fixed);
}

QString point(QPointF p)
{
    return QLatin1Char('(') + Composition::number(p.x()) + QStringLiteral("; ") + Composition::number(p.y())
        + QLatin1Char(')');
}

// The point the map keeps, where (I - L) p = t has one solution.
QPointF fixedPoint(const Rows &m)
{
    const long double a = 1 - m[0][0], b = -m[0][1], d = -m[1][0], e = 1 - m[1][1];
    const long double det = a * e - b * d;
    if (nearZero(det))
        return {};
    return {double((e * m[0][2] - b * m[1][2]) / det), double((a * m[1][2] - d * m[0][2]) / det)};
}

// The line through `on` at `degrees` on the x axis, as the symmetry dialog
// writes lines.
QString lineText(QPointF on, long double degrees)
{
    if (near(degrees, 90))
        return QStringLiteral("x = ") + Composition::number(on.x());
    if (nearZero(degrees) || near(degrees, 180))
        return QStringLiteral("y = ") + Composition::number(on.y());
    const long double slope = std::tan(degrees / Degrees);
    const long double q = on.y() - slope * on.x();
    QString line = near(slope, 1)    ? QStringLiteral("y = x")
        : near(slope, -1)            ? QStringLiteral("y = - x")
                                     : QStringLiteral("y = ") + Composition::number(slope) + QLatin1Char('x');
    if (!nearZero(q))
        line += (q < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) + Composition::number(std::fabs(q));
    return line;
}

// L = s R(θ): a rotation, a homothety, a similarity, or a translation.
Map direct(const Rows &m)
{
    Map map;
    map.ratio = std::hypot(m[0][0], m[1][0]);
    map.angle = normalised(std::atan2(m[1][0], m[0][0]) * Degrees);
    const bool unit = near(map.ratio, 1);
    if (unit && nearZero(map.angle)) {
        map.vector = {double(m[0][2]), double(m[1][2])};
        map.kind = nearZero(m[0][2]) && nearZero(m[1][2]) ? Kind::Identity : Kind::Translation;
        return map;
    }
    map.centre = fixedPoint(m);
    if (unit)
        map.kind = near(map.angle, 180) ? Kind::PointSymmetry : Kind::Rotation;
    else if (nearZero(map.angle) || near(map.angle, 180))
        map.kind = Kind::Homothety;
    else
        map.kind = Kind::Similarity;
    if (map.kind == Kind::Homothety && near(map.angle, 180))
        map.ratio = -map.ratio;
    return map;
}

// L a reflection through a line at φ/2 (times s): a symmetry about an axis,
// a glide along it, or an indirect similarity.
Map reversing(const Rows &m)
{
    Map map;
    map.reversing = true;
    map.ratio = std::hypot(m[0][0], m[0][1]);
    if (!near(map.ratio, 1)) {
        map.kind = Kind::Similarity;
        return map;
    }
    const long double half = std::atan2(m[0][1], m[0][0]) / 2;
    const long double ux = std::cos(half), uy = std::sin(half);
    const long double along = m[0][2] * ux + m[1][2] * uy;
    const long double across = -m[0][2] * uy + m[1][2] * ux;
    map.vector = {double(along * ux), double(along * uy)};
    const QPointF on(double(-across / 2 * uy), double(across / 2 * ux));
    map.axisPoint = on;
    map.axisAngle = half * Degrees < 0 ? half * Degrees + 180 : half * Degrees;
    map.axis = lineText(on, map.axisAngle);
    map.kind = nearZero(along) ? Kind::AxialSymmetry : Kind::GlideReflection;
    return map;
}

} // namespace

namespace Composition {

Rows product(const Rows &second, const Rows &first)
{
    Rows m{};
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column)
            m[row][column] = second[row][0] * first[0][column] + second[row][1] * first[1][column];
        m[row][2] = second[row][0] * first[0][2] + second[row][1] * first[1][2] + second[row][2];
    }
    return m;
}

QPointF apply(const Rows &m, QPointF p)
{
    return {double(m[0][0] * p.x() + m[0][1] * p.y() + m[0][2]), double(m[1][0] * p.x() + m[1][1] * p.y() + m[1][2])};
}

long double determinant(const Rows &m)
{
    return m[0][0] * m[1][1] - m[0][1] * m[1][0];
}

Map classify(const Rows &m)
{
    Map affinity;
    if (nearZero(determinant(m))) {
        affinity.kind = Kind::DegenerateAffinity;
        return affinity;
    }
    if (near(m[0][0], m[1][1]) && near(m[0][1], -m[1][0]))
        return direct(m);
    if (near(m[0][0], -m[1][1]) && near(m[0][1], m[1][0]))
        return reversing(m);
    return affinity;
}

QString number(long double value)
{
    QString written = QString::number(double(value), 'f', 4);
    while (written.contains(QLatin1Char('.')) && (written.endsWith(QLatin1Char('0')) || written.endsWith(QLatin1Char('.'))))
        written.chop(1);
    return written == QLatin1String("-0") ? QStringLiteral("0") : written;
}

QString describe(const Map &map)
{
    switch (map.kind) {
    case Kind::Identity:
        return text(FixedTexts::CompositionIdentity);
    case Kind::Translation:
        return text(FixedTexts::CompositionTranslation).arg(point(map.vector));
    case Kind::Rotation:
        return text(FixedTexts::CompositionRotation).arg(number(map.angle), point(map.centre));
    case Kind::PointSymmetry:
        return text(FixedTexts::CompositionPointSymmetry).arg(point(map.centre));
    case Kind::AxialSymmetry:
        return text(FixedTexts::CompositionAxialSymmetry).arg(map.axis);
    case Kind::GlideReflection:
        return text(FixedTexts::CompositionGlideReflection).arg(map.axis, point(map.vector));
    case Kind::Homothety:
        return text(FixedTexts::CompositionHomothety).arg(number(map.ratio), point(map.centre));
    case Kind::Similarity:
        if (map.reversing)
            return text(FixedTexts::CompositionReversingSimilarity).arg(number(map.ratio));
        return text(FixedTexts::CompositionSimilarity).arg(number(map.ratio), number(map.angle), point(map.centre));
    case Kind::Affinity:
        return text(FixedTexts::CompositionAffinity);
    default:
        return text(FixedTexts::CompositionDegenerate);
    }
}

namespace {

QString determinantText(long double det)
{
    if (nearZero(det))
        return text(FixedTexts::CompositionSingular);
    return text(FixedTexts::CompositionDeterminant)
        .arg(number(det), number(std::fabs(det)),
             text(det > 0 ? FixedTexts::CompositionKeeps : FixedTexts::CompositionReverses));
}

// Vertex A of `stage` as the table records it, "(x; y)" read back as a point.
Block block(const char *title, const Rows &m, const DataTableInputs &inputs, int stage)
{
    Block b;
    b.map = classify(m);
    b.title = text(title);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < MatrixSize; ++column)
            b.matrix[row][column] = number(m[row][column]);
    b.matrix[2] = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")};
    b.determinant = determinantText(determinant(m));
    b.name = describe(b.map);
    const std::optional<QPointF> start = recordedPoint(inputs, 0, 0);
    const DataTable table = dataTable(inputs);
    if (start)
        b.check = text(FixedTexts::CompositionCheck)
                      .arg(point(*start), point(apply(m, *start)), table.vertices[stage][0]);
    return b;
}

} // namespace

Page page(const DataTableInputs &inputs)
{
    const Rows first = kindMatrix(inputs.kinds[0], inputs.parameters[0]);
    Page page;
    if (inputs.transformCount != 2) {
        page.blocks[0] = block(FixedTexts::CompositionSingleTitle, first, inputs, 1);
        return page;
    }
    const Rows second = kindMatrix(inputs.kinds[1], inputs.parameters[1]);
    page.blocks[0] = block(FixedTexts::CompositionDirectTitle, product(second, first), inputs, 2);
    page.blocks[1] = block(FixedTexts::CompositionInverseTitle, product(first, second), inputs, 4);
    page.secondShown = true;
    return page;
}

namespace {

constexpr long double CentreMarkRadius = 3; // pixels at 100%, as the steps mark centres
constexpr long double AxisReach = 200;      // grid units each way: past any screen
constexpr long double ArrowheadLength = 0.6; // grid units
constexpr long double ArrowheadDegrees = 25;

void addArrow(std::vector<PlaneShape> &shapes, QPointF from, QPointF by, const ScreenMapping &mapping)
{
    const QPointF to = from + by;
    shapes.push_back(PlaneShape::segment(mapping.fromGrid(from.x(), from.y()), mapping.fromGrid(to.x(), to.y()),
                                         ElementColour));
    const long double heading = std::atan2(by.y(), by.x());
    for (const long double side : {-1.0L, 1.0L}) {
        const long double back = heading + std::numbers::pi_v<long double> - side * ArrowheadDegrees / Degrees;
        const QPointF barb(double(to.x() + ArrowheadLength * std::cos(back)),
                           double(to.y() + ArrowheadLength * std::sin(back)));
        shapes.push_back(PlaneShape::segment(mapping.fromGrid(to.x(), to.y()), mapping.fromGrid(barb.x(), barb.y()),
                                             ElementColour));
    }
}

} // namespace

std::vector<PlaneShape> elementShapes(const Map &map, const ScreenMapping &mapping)
{
    std::vector<PlaneShape> shapes;
    switch (map.kind) {
    case Kind::Rotation:
    case Kind::PointSymmetry:
    case Kind::Homothety:
    case Kind::Similarity:
        if (!map.reversing)
            shapes.push_back(PlaneShape::mark(
                mapping.markBox(map.centre.x(), map.centre.y(), CentreMarkRadius), ElementColour));
        break;
    case Kind::Translation:
        addArrow(shapes, QPointF(), map.vector, mapping);
        break;
    case Kind::AxialSymmetry:
    case Kind::GlideReflection: {
        const QPointF along(double(AxisReach * std::cos(map.axisAngle / Degrees)),
                            double(AxisReach * std::sin(map.axisAngle / Degrees)));
        const QPointF from = map.axisPoint - along;
        const QPointF to = map.axisPoint + along;
        shapes.push_back(PlaneShape::segment(mapping.fromGrid(from.x(), from.y()), mapping.fromGrid(to.x(), to.y()),
                                             ElementColour));
        if (map.kind == Kind::GlideReflection)
            addArrow(shapes, map.axisPoint, map.vector, mapping);
        break;
    }
    default:
        break;
    }
    return shapes;
}

QString latex(const Page &page)
{
    static const char *const Names[] = {"M_2 M_1", "M_1 M_2"};
    QStringList displays;
    for (int i = 0; i < (page.secondShown ? 2 : 1); ++i) {
        QStringList rows;
        for (const auto &row : page.blocks[i].matrix)
            rows << QStringList(row.begin(), row.end()).join(QStringLiteral(" & "));
        const QString name = page.secondShown ? QString::fromLatin1(Names[i]) : QStringLiteral("M_1");
        displays << QStringLiteral("\\[ %1 = \\begin{pmatrix} %2 \\end{pmatrix} \\]")
                        .arg(name, rows.join(QStringLiteral(" \\\\ ")));
    }
    return displays.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace Composition
