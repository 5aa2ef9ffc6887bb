#include "plane/datatable.h"

#include "lang/fixedtexts.h"
#include "lang/symbolfont.h"

#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace {

constexpr long double DegreesToRadians = std::numbers::pi_v<long double> / 180;
// The axis of a symmetry about y = m x + q at this angle is vertical: its
// slope is infinite.
constexpr int VerticalAxisAngle = 90;

enum SymmetryKindIndex { AboutPoint, AboutVertical, AboutHorizontal, AboutDiagonal, AboutAntidiagonal, AboutLine };

QString text(const char *fixed)
{
    return QString::fromUtf8(fixed);
}

TableCell shown(const QString &label)
{
    return {label, true};
}

const TableCell Hidden{QString(), false};

QString r1(long double value)
{
    return realText(value, 1);
}

QString r2(long double value)
{
    return realText(value, 2);
}

QString r3(long double value)
{
    return realText(value, 3);
}

MatrixTexts matrix(const QString &a, const QString &b, const QString &c, const QString &a2, const QString &b2,
                   const QString &c2)
{
    return {{{a, b, c}, {a2, b2, c2}, {integerText(0), integerText(0), integerText(1)}}};
}

// No kind: nothing shown but the fixed last row.
KindTable emptyTable()
{
    return {{Hidden, Hidden, Hidden, Hidden}, matrix({}, {}, {}, {}, {}, {})};
}

MatrixTexts integerMatrix(int a, int b, int c, int a2, int b2, int c2)
{
    return matrix(integerText(a), integerText(b), integerText(c), integerText(a2), integerText(b2), integerText(c2));
}

KindTable translationTable(const SlotParameters &p)
{
    return {{shown(text(FixedTexts::TableTranslationX) + integerText(p.TranslationDX)), Hidden,
             shown(text(FixedTexts::TableTranslationY) + integerText(p.TranslationDY)), Hidden},
            integerMatrix(1, 0, p.TranslationDX, 0, 1, p.TranslationDY)};
}

// About the centre (cx, cy): x' = cx + (x - cx) cos t - (y - cy) sin t, and
// so on; the constants gather what the centre adds.
AffineRows rotationMatrix(const SlotParameters &p)
{
    const long double t = p.RotationAngle * DegreesToRadians;
    const long double c = std::cos(t);
    const long double s = std::sin(t);
    const int cx = p.RotationCentreX;
    const int cy = p.RotationCentreY;
    return {{{c, -s, cy * s + cx * (1 - c)}, {s, c, cy * (1 - c) - cx * s}}};
}

KindTable rotationTable(const SlotParameters &p)
{
    const AffineRows m = rotationMatrix(p);
    return {{shown(text(FixedTexts::TableCentreX) + integerText(p.RotationCentreX)),
             shown(symbolFontText(text(FixedTexts::TableRotationAngle) + integerText(p.RotationAngle))),
             shown(text(FixedTexts::TableCentreY) + integerText(p.RotationCentreY)), Hidden},
            matrix(r3(m[0][0]), r3(m[0][1]), r1(m[0][2]), r3(m[1][0]), r3(m[1][1]), r1(m[1][2]))};
}

long double slope(const SlotParameters &p)
{
    const long double a = p.SymmetryAxisAngle * DegreesToRadians;
    return std::sin(a) / std::cos(a);
}

// About y = m x + q; a vertical axis has no slope, and whatever q holds it
// is the y axis.
AffineRows lineSymmetryMatrix(const SlotParameters &p)
{
    if (p.SymmetryAxisAngle == VerticalAxisAngle)
        return {{{-1, 0, 0}, {0, 1, 0}}};
    const long double m = slope(p);
    const long double d = 1 + m * m;
    const int q = p.SymmetryAxisQ;
    return {{{(1 - m * m) / d, 2 * m / d, -2 * m * q / d}, {2 * m / d, -(1 - m * m) / d, 2 * q / d}}};
}

AffineRows symmetryMatrix(const SlotParameters &p)
{
    const long double px = p.SymmetryCentreX;
    const long double py = p.SymmetryCentreY;
    switch (p.SymmetryKind) {
    case AboutPoint:
        return {{{-1, 0, 2 * px}, {0, -1, 2 * py}}};
    case AboutVertical:
        return {{{-1, 0, 2 * px}, {0, 1, 0}}};
    case AboutHorizontal:
        return {{{1, 0, 0}, {0, -1, 2 * py}}};
    case AboutDiagonal:
        return {{{0, 1, 0}, {1, 0, 0}}};
    case AboutAntidiagonal:
        return {{{0, -1, 0}, {-1, 0, 0}}};
    case AboutLine:
        return lineSymmetryMatrix(p);
    default:
        return {{{1, 0, 0}, {0, 1, 0}}};
    }
}

KindTable symmetryTable(const SlotParameters &p)
{
    const int px = p.SymmetryCentreX;
    const int py = p.SymmetryCentreY;
    auto only = [](const QString &label, const MatrixTexts &m) {
        return KindTable{{shown(label), Hidden, Hidden, Hidden}, m};
    };
    switch (p.SymmetryKind) {
    case AboutPoint:
        return only(text(FixedTexts::TableAboutPoint) + integerText(px) + text(FixedTexts::TableAboutPointSeparator)
                        + integerText(py) + text(FixedTexts::TableAboutPointClose),
                    integerMatrix(-1, 0, 2 * px, 0, -1, 2 * py));
    case AboutVertical:
        return only(text(FixedTexts::TableAboutVertical) + integerText(px), integerMatrix(-1, 0, 2 * px, 0, 1, 0));
    case AboutHorizontal:
        return only(text(FixedTexts::TableAboutHorizontal) + integerText(py), integerMatrix(1, 0, 0, 0, -1, 2 * py));
    case AboutDiagonal:
        return only(text(FixedTexts::TableAboutDiagonal), integerMatrix(0, 1, 0, 1, 0, 0));
    case AboutAntidiagonal:
        return only(text(FixedTexts::TableAboutAntidiagonal), integerMatrix(0, -1, 0, -1, 0, 0));
    case AboutLine:
        break;
    default:
        return emptyTable();
    }
    // A vertical axis has no slope; whatever q holds, it is the y axis.
    if (p.SymmetryAxisAngle == VerticalAxisAngle)
        return only(text(FixedTexts::TableAboutYAxis), integerMatrix(-1, 0, 0, 0, 1, 0));
    const AffineRows r = lineSymmetryMatrix(p);
    return {{shown(text(FixedTexts::TableAboutLine)), shown(text(FixedTexts::TableSlope) + r2(slope(p))), Hidden,
             shown(text(FixedTexts::TableIntercept) + integerText(p.SymmetryAxisQ))},
            matrix(r2(r[0][0]), r2(r[0][1]), r2(r[0][2]), r2(r[1][0]), r2(r[1][1]), r2(r[1][2]))};
}

AffineRows homothetyMatrix(const SlotParameters &p)
{
    const long double k = p.HomothetySign * static_cast<long double>(p.HomothetyRatio);
    return {{{k, 0, (1 - k) * p.HomothetyCentreX}, {0, k, (1 - k) * p.HomothetyCentreY}}};
}

KindTable homothetyTable(const SlotParameters &p)
{
    const AffineRows m = homothetyMatrix(p);
    return {{shown(text(FixedTexts::TableCentreX) + integerText(p.HomothetyCentreX)),
             shown(text(FixedTexts::TableRatio) + r1(m[0][0])),
             shown(text(FixedTexts::TableCentreY) + integerText(p.HomothetyCentreY)), Hidden},
            matrix(r1(m[0][0]), integerText(0), r1(m[0][2]), integerText(0), r1(m[1][1]), r1(m[1][2]))};
}

KindTable dilationTable(const SlotParameters &p)
{
    const QString x = r1(p.DilationX);
    const QString y = r1(p.DilationY);
    return {{shown(symbolFontText(text(FixedTexts::TableDilationX) + x)), Hidden,
             shown(symbolFontText(text(FixedTexts::TableDilationY) + y)), Hidden},
            matrix(x, integerText(0), integerText(0), integerText(0), y, integerText(0))};
}

KindTable shearTable(const SlotParameters &p)
{
    const int g = p.ShearSign == 0 ? 1 : -1;
    const QString k = r1(g * static_cast<long double>(p.ShearX));
    const QString k2 = r1(g * static_cast<long double>(p.ShearY));
    return {{shown(text(FixedTexts::TableShear) + k), Hidden, shown(text(FixedTexts::TableShear) + k2), Hidden},
            matrix(integerText(1), k, integerText(0), k2, integerText(1), integerText(0))};
}

// A coefficient that is exactly 0 has no term at all; the others carry their
// sign, "+" written out.
QString affineTerm(float coefficient, const char *suffix)
{
    if (coefficient == 0)
        return {};
    QString term = r2(coefficient);
    if (!term.startsWith(QLatin1Char('-')))
        term.prepend(text(FixedTexts::TablePlus));
    return term + text(suffix);
}

// Row (c, a, b) of the store, written a-term, b-term, c-term.
QString affineEquation(const char *lead, const std::array<float, 3> &row)
{
    const QString blank = text(FixedTexts::TableTermSeparator);
    return text(lead) + affineTerm(row[1], FixedTexts::TableTermOfX) + blank
        + affineTerm(row[2], FixedTexts::TableTermOfY) + blank + affineTerm(row[0], "");
}

QString affineEntry(float coefficient)
{
    return coefficient == 0 ? integerText(0) : r2(coefficient);
}

KindTable affinityTable(const SlotParameters &p)
{
    const auto &x = p.AffineCoeff[0];
    const auto &y = p.AffineCoeff[1];
    return {{shown(affineEquation(FixedTexts::TableAffineX, x)), Hidden,
             shown(affineEquation(FixedTexts::TableAffineY, y)), Hidden},
            matrix(affineEntry(x[1]), affineEntry(x[2]), affineEntry(x[0]), affineEntry(y[1]), affineEntry(y[2]),
                   affineEntry(y[0]))};
}

QString vertexText(int vertex, const QString &x, const QString &y)
{
    return QChar::fromLatin1(FixedTexts::VertexLetters[vertex]) + text(FixedTexts::TableVertexOpen) + x
        + text(FixedTexts::TableVertexSeparator) + y + text(FixedTexts::TableVertexClose);
}

// The radius along x and along y, one number while they are equal.
QString radiusText(const QString &x, const QString &y)
{
    QString radius = text(FixedTexts::TableRadius) + x;
    if (y != x)
        radius += text(FixedTexts::TableVertexSeparator) + y;
    return radius;
}

// Vertex A is listed for every figure, B from the segment on, and so on; a
// circle lists its centre and its radius.
void listVertices(const DataTableInputs &inputs, DataTable &table)
{
    const int vertexCount = inputs.isCircle ? 2 : std::clamp(inputs.figureType + 1, 1, VertexCount);
    for (int stage = 0; stage < VertexStageCount; ++stage)
        for (int vertex = 0; vertex < vertexCount; ++vertex) {
            const QString &x = inputs.textX[vertex][stage];
            const QString &y = inputs.textY[vertex][stage];
            if (x.isEmpty())
                continue;
            const bool radius = inputs.isCircle && vertex == 1;
            table.vertices[stage][vertex] = radius ? radiusText(x, y) : vertexText(vertex, x, y);
        }
}

} // namespace

QString integerText(int value)
{
    return QString::number(value);
}

QString realText(long double value, int decimals)
{
    // Wide enough for any long double written out in full.
    std::array<char, 5000> buffer;
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    const char *begin = buffer.data();
    const char *end = written.ptr;
    if (*begin == '-' && std::all_of(begin + 1, end, [](char c) { return c == '0' || c == '.'; }))
        ++begin;
    return QString::fromLatin1(begin, end - begin);
}

AffineRows kindMatrix(int kind, const SlotParameters &p)
{
    switch (kind) {
    case Traslazione:
        return {{{1, 0, static_cast<long double>(p.TranslationDX)}, {0, 1, static_cast<long double>(p.TranslationDY)}}};
    case Rotazione:
        return rotationMatrix(p);
    case Simmetria:
        return symmetryMatrix(p);
    case Omotetia:
        return homothetyMatrix(p);
    case Dilatazione:
        return {{{static_cast<long double>(p.DilationX), 0, 0}, {0, static_cast<long double>(p.DilationY), 0}}};
    case Inclinazione: {
        const long double g = p.ShearSign == 0 ? 1 : -1;
        return {{{1, g * p.ShearX, 0}, {g * p.ShearY, 1, 0}}};
    }
    case Affinita: {
        const auto &x = p.AffineCoeff[0];
        const auto &y = p.AffineCoeff[1];
        return {{{static_cast<long double>(x[1]), static_cast<long double>(x[2]), static_cast<long double>(x[0])},
                 {static_cast<long double>(y[1]), static_cast<long double>(y[2]), static_cast<long double>(y[0])}}};
    }
    default:
        return {{{1, 0, 0}, {0, 1, 0}}};
    }
}

KindTable kindTable(int kind, const SlotParameters &parameters)
{
    switch (kind) {
    case Traslazione:
        return translationTable(parameters);
    case Rotazione:
        return rotationTable(parameters);
    case Simmetria:
        return symmetryTable(parameters);
    case Omotetia:
        return homothetyTable(parameters);
    case Dilatazione:
        return dilationTable(parameters);
    case Inclinazione:
        return shearTable(parameters);
    case Affinita:
        return affinityTable(parameters);
    default:
        return emptyTable();
    }
}

DataTableInputs dataTableInputs(const TransformSettingsValues &store, int transformCount,
                                const QString &kindName1, const QString &kindName2)
{
    DataTableInputs inputs;
    inputs.textX = store.VertexTextX;
    inputs.textY = store.VertexTextY;
    inputs.figureType = store.FigureType;
    inputs.isCircle = store.FigureIsCircle;
    if (inputs.isCircle) {
        // The figure dialog records its B fields at stage 0 whatever the
        // type; a circle's radius is the one typed, kept in entry 1.
        inputs.textX[1][0] = integerText(store.FigureX[1]);
        inputs.textY[1][0] = integerText(store.FigureY[1]);
    }
    inputs.transformCount = transformCount;
    for (int slot : {1, 2}) {
        inputs.kinds[slot - 1] = store.SlotKind[slot];
        inputs.parameters[slot - 1] = slotParameters(store, slot);
    }
    inputs.kindNames = {kindName1, kindName2};
    return inputs;
}

DataTable dataTable(const DataTableInputs &inputs)
{
    DataTable table;
    listVertices(inputs, table);

    const QString &first = inputs.kindNames[0];
    const QString &second = inputs.kindNames[1];
    // The inverse sequence runs the second transformation first.
    table.stageNames = {QString(), first, second, second, first};
    table.initialTitle = text(FixedTexts::TableInitialTitle);
    table.directTitle = text(FixedTexts::TableDirectTitle);
    table.inverseTitle = text(FixedTexts::TableInverseTitle);
    auto recorded = [&inputs](int stage) { return !inputs.textX[0][stage].isEmpty(); };
    table.directShown = recorded(1);
    table.directSecondShown = recorded(2);
    table.inverseShown = recorded(3);
    table.inverseSecondShown = recorded(4);

    table.kindNames = inputs.kindNames;
    table.parametersShown = {recorded(1), recorded(2)};
    for (int i = 0; i < 2; ++i)
        table.kinds[i] = kindTable(inputs.kinds[i], inputs.parameters[i]);
    table.secondMatrixShown = inputs.transformCount == 2;
    return table;
}

QString drawingDescription(const DataTable &table, const QString &figureName, const QString &imageAfter,
                           const std::array<bool, VertexStageCount> &drawn)
{
    auto points = [&table](int stage) {
        QStringList texts;
        for (const QString &vertex : table.vertices[stage])
            if (!vertex.isEmpty())
                texts << vertex;
        return texts.join(QLatin1Char(' '));
    };
    QString description = figureName + QStringLiteral(": ") + points(0);
    for (int stage = 1; stage < VertexStageCount; ++stage) {
        if (!drawn[stage] || table.vertices[stage][0].isEmpty())
            continue;
        description += QStringLiteral("; ") + imageAfter.arg(stageTransformation(table, stage)) + QStringLiteral(": ")
            + points(stage);
    }
    return description;
}

QString stageTransformation(const DataTable &table, int stage)
{
    // Stages 1 and 2 run the first and the second transformation, 3 and 4
    // (the inverse sequence) the second and then the first.
    constexpr std::array<int, VertexStageCount> Slot{0, 0, 1, 1, 0};
    QStringList parameters;
    for (const TableCell &cell : table.kinds[Slot[stage]].parameters)
        if (cell.shown && !cell.text.isEmpty())
            parameters << cell.text.trimmed();
    QString transformation = table.stageNames[stage];
    if (!parameters.isEmpty())
        transformation += QStringLiteral(" (") + parameters.join(QStringLiteral(", ")) + QLatin1Char(')');
    return transformation;
}

std::optional<QPointF> recordedPoint(const DataTableInputs &inputs, int vertex, int stage)
{
    bool xRead = false;
    bool yRead = false;
    const double x = inputs.textX[vertex][stage].toDouble(&xRead);
    const double y = inputs.textY[vertex][stage].toDouble(&yRead);
    if (!xRead || !yRead)
        return std::nullopt;
    return QPointF(x, y);
}
