#include "plane/worksheet.h"

#include "plane/lightboard.h"
#include "plane/planecanvas.h"

#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace Worksheet {

namespace {

constexpr double LineMm = 7;         // a line of the header or the table
constexpr double TitlePoints = 16;
constexpr double TextPoints = 10;
constexpr double NumberPoints = 7;
constexpr double PlaneGapMm = 6;
constexpr int NumberEvery = 5;        // units between the numbers on the axes
constexpr double StepBlockMm = 26;    // a step's name and its matrix
constexpr QRgb GridColour = 0xB4B4B4;
constexpr double MostRows = 24;

// The step colours on paper: the light board's.
QColor stageColour(int stage)
{
    if (stage == 0)
        return Qt::black;
    return QColor(LightBoard::colour(stage == 1 ? PlaneColour::Aqua : PlaneColour::Lime));
}

// Where the page's things go, in device pixels from millimetres.
class Page
{
public:
    explicit Page(QPainter &p)
        : m_p(p)
        , m_perMm(p.device()->logicalDpiX() / 25.4)
        , m_size(p.device()->width() / m_perMm, p.device()->height() / m_perMm)
    {
    }
    double px(double mm) const { return mm * m_perMm; }
    QPointF at(double xMm, double yMm) const { return {px(xMm), px(yMm)}; }
    QPointF at(QPointF mm) const { return mm * m_perMm; }
    QRectF rect(double xMm, double yMm, double wMm, double hMm) const { return {at(xMm, yMm), QSizeF(px(wMm), px(hMm))}; }
    QSizeF sizeMm() const { return m_size; }
    void setPen(const QColor &colour, double widthMm) { m_p.setPen(QPen(colour, px(widthMm), Qt::SolidLine, Qt::FlatCap)); }
    void setFont(double points, bool bold = false)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(points);
        font.setBold(bold);
        m_p.setFont(font);
    }
    QPainter &painter() { return m_p; }

private:
    QPainter &m_p;
    double m_perMm;
    QSizeF m_size;
};

// The plane's frame on the page: its rectangle and the point of a unit.
struct PlaneView {
    QRectF part;  // units
    QPointF corner; // mm, top-left
    QPointF mm(QPointF unit) const
    {
        return corner + QPointF((unit.x() - part.left()) * UnitMm, (part.bottom() - unit.y()) * UnitMm);
    }
};

double tableHeight(const Sheet &sheet)
{
    size_t rows = 0;
    for (const Stage &stage : sheet.stages)
        rows = std::max(rows, stage.labels.size());
    return LineMm * double(rows + 1);
}

double stepsHeight(const Sheet &sheet)
{
    return StepBlockMm * double(sheet.stepNames.size());
}

void paintGrid(Page &page, const PlaneView &view)
{
    QPainter &p = page.painter();
    const QRectF &part = view.part;
    const auto line = [&](QPointF from, QPointF to) { p.drawLine(page.at(view.mm(from)), page.at(view.mm(to))); };
    page.setPen(QColor(GridColour), 0.15);
    for (double x = part.left(); x <= part.right() + 1e-9; ++x)
        line({x, part.top()}, {x, part.bottom()});
    for (double y = part.top(); y <= part.bottom() + 1e-9; ++y)
        line({part.left(), y}, {part.right(), y});
    page.setPen(Qt::black, 0.35);
    if (part.top() <= 0 && part.bottom() >= 0)
        line({part.left(), 0}, {part.right(), 0});
    if (part.left() <= 0 && part.right() >= 0)
        line({0, part.top()}, {0, part.bottom()});
    // Numbers along the frame's left and bottom edges, every five units.
    page.setFont(NumberPoints);
    p.setPen(Qt::black);
    for (double x = std::ceil(part.left() / NumberEvery) * NumberEvery; x <= part.right(); x += NumberEvery) {
        const QPointF foot = view.mm({x, part.top()});
        p.drawText(page.rect(foot.x() - 5, foot.y() + 0.5, 10, 4), Qt::AlignHCenter | Qt::AlignTop, QString::number(x));
    }
    for (double y = std::ceil(part.top() / NumberEvery) * NumberEvery; y <= part.bottom(); y += NumberEvery) {
        const QPointF side = view.mm({part.left(), y});
        p.drawText(page.rect(side.x() - 10.5, side.y() - 2, 10, 4), Qt::AlignRight | Qt::AlignVCenter, QString::number(y));
    }
}

QString primed(const QString &label, int stage)
{
    static const QString primes[] = {QString(), QStringLiteral("\u2032"), QStringLiteral("\u2033")};
    return label.left(1) + primes[std::min(stage, 2)];
}

void paintStage(Page &page, const PlaneView &view, const Stage &stage, int index)
{
    QPainter &p = page.painter();
    const QColor colour = stageColour(index);
    page.setPen(colour, 0.45);
    p.setBrush(Qt::NoBrush);
    QPolygonF shape;
    for (const QPointF &vertex : stage.vertices)
        shape << page.at(view.mm(vertex));
    if (stage.circle && !shape.isEmpty()) {
        p.drawEllipse(shape[0], page.px(stage.radii.x() * UnitMm), page.px(stage.radii.y() * UnitMm));
    } else if (shape.size() >= 3) {
        p.drawPolygon(shape);
    } else if (shape.size() == 2) {
        p.drawPolyline(shape);
    }
    p.setBrush(colour);
    for (const QPointF &vertex : shape)
        p.drawEllipse(vertex, page.px(0.5), page.px(0.5));
    p.setBrush(Qt::NoBrush);
    page.setFont(TextPoints, true);
    p.setPen(colour);
    for (qsizetype i = 0; i < shape.size() && size_t(i) < stage.labels.size(); ++i)
        p.drawText(shape[i] + QPointF(page.px(1), -page.px(1)), primed(stage.labels[size_t(i)], index));
}

void paintTable(Page &page, const Sheet &sheet, double top, bool answers)
{
    QPainter &p = page.painter();
    const double width = page.sizeMm().width() - 2 * MarginMm;
    const int columns = int(sheet.stages.size());
    const double column = width / columns;
    size_t rows = 0;
    for (const Stage &stage : sheet.stages)
        rows = std::max(rows, stage.labels.size());
    page.setFont(TextPoints);
    for (int c = 0; c < columns; ++c) {
        const double x = MarginMm + c * column;
        const QString head = c == 0 ? sheet.texts.start : sheet.texts.after.arg(sheet.stepKinds[size_t(c - 1)]);
        page.setPen(Qt::black, 0.25);
        p.setBrush(QColor(0xEEEEEE));
        p.drawRect(page.rect(x, top, column, LineMm));
        p.setBrush(Qt::NoBrush);
        p.drawText(page.rect(x + 1, top, column - 2, LineMm), Qt::AlignCenter | Qt::TextSingleLine,
                   p.fontMetrics().elidedText(head, Qt::ElideRight, int(page.px(column - 2))));
        for (size_t r = 0; r < rows; ++r) {
            const QRectF box = page.rect(x, top + LineMm * double(r + 1), column, LineMm);
            p.drawRect(box);
            const Stage &stage = sheet.stages[size_t(c)];
            if (r < stage.labels.size() && (c == 0 || answers))
                p.drawText(box, Qt::AlignCenter, stage.labels[r]);
        }
    }
}

void paintSteps(Page &page, const Sheet &sheet, double top, bool answers)
{
    QPainter &p = page.painter();
    for (size_t i = 0; i < sheet.stepNames.size(); ++i) {
        const double y = top + StepBlockMm * double(i);
        page.setFont(TextPoints, true);
        p.setPen(stageColour(int(i) + 1));
        p.drawText(page.rect(MarginMm, y, 180, LineMm), Qt::AlignLeft | Qt::AlignVCenter,
                   sheet.texts.step.arg(i + 1).arg(sheet.stepNames[i]));
        if (!answers)
            continue;
        page.setFont(TextPoints);
        p.setPen(Qt::black);
        p.drawText(page.rect(MarginMm, y + LineMm, 25, 5), Qt::AlignLeft | Qt::AlignVCenter, sheet.texts.matrix);
        for (int row = 0; row < MatrixSize; ++row)
            for (int column = 0; column < MatrixSize; ++column)
                p.drawText(page.rect(MarginMm + 28 + 22 * column, y + LineMm + 5 * row, 20, 5),
                           Qt::AlignRight | Qt::AlignVCenter, sheet.matrices[i][size_t(row)][size_t(column)]);
    }
}

Stage recordedStage(const DataTableInputs &inputs, const DataTable &table, int stage)
{
    Stage result;
    result.circle = inputs.isCircle;
    for (int vertex = 0; vertex < VertexCount; ++vertex) {
        const QString &label = table.vertices[stage][vertex];
        if (label.isEmpty())
            continue;
        result.labels.push_back(label);
        if (vertex == 0 || !inputs.isCircle) {
            if (const auto point = recordedPoint(inputs, vertex, stage))
                result.vertices.push_back(*point);
        } else if (const auto radii = recordedPoint(inputs, vertex, stage)) {
            result.radii = *radii;
        }
    }
    return result;
}

} // namespace

Sheet sheet(const DataTableInputs &inputs, const Texts &texts)
{
    const DataTable table = dataTable(inputs);
    Sheet sheet;
    sheet.texts = texts;
    sheet.stages.push_back(recordedStage(inputs, table, 0));
    for (int stage = 1; stage <= std::min(inputs.transformCount, 2); ++stage) {
        if (inputs.textX[0][stage].isEmpty())
            break;
        sheet.stages.push_back(recordedStage(inputs, table, stage));
        sheet.stepNames.push_back(stageTransformation(table, stage));
        sheet.stepKinds.push_back(table.stageNames[stage]);
        sheet.matrices.push_back(table.kinds[stage - 1].matrix);
    }
    return sheet;
}

QRectF planePart(const std::vector<Stage> &stages, double widthMm, double heightMm)
{
    // By hand: a rectangle of one point is null, and a union leaves it out.
    double left = HUGE_VAL, top = HUGE_VAL, right = -HUGE_VAL, bottom = -HUGE_VAL;
    for (const Stage &stage : stages) {
        const QPointF reach = stage.circle ? QPointF(std::abs(stage.radii.x()), std::abs(stage.radii.y())) : QPointF();
        for (const QPointF &vertex : stage.vertices) {
            left = std::min(left, vertex.x() - reach.x());
            right = std::max(right, vertex.x() + reach.x());
            top = std::min(top, vertex.y() - reach.y());
            bottom = std::max(bottom, vertex.y() + reach.y());
        }
    }
    if (left > right)
        left = right = top = bottom = 0;
    const QRectF bounds(QPointF(left, top), QPointF(right, bottom));
    // As much of the plane as the page holds, up to MostRows units high so
    // that the table and the steps keep their room, centred on the figures:
    // a student has space to draw in.
    const QSizeF most(std::floor(widthMm / UnitMm), std::min(std::floor(heightMm / UnitMm), MostRows));
    const QPointF centre = bounds.center();
    return QRectF(std::floor(centre.x() - most.width() / 2), std::floor(centre.y() - most.height() / 2),
                  most.width(), most.height());
}

void paintPage(QPainter &p, const Sheet &sheet, int page)
{
    Page layout(p);
    const bool answers = page == 1;
    const double width = layout.sizeMm().width() - 2 * MarginMm;
    double y = MarginMm;
    layout.setFont(TitlePoints, true);
    p.setPen(Qt::black);
    const QString title = answers ? sheet.texts.title + QStringLiteral(" \u2014 ") + sheet.texts.key : sheet.texts.title;
    p.drawText(layout.rect(MarginMm, y, width, 10), Qt::AlignLeft | Qt::AlignVCenter, title);
    y += 10;
    layout.setFont(TextPoints);
    p.drawText(layout.rect(MarginMm, y, width, LineMm), Qt::AlignLeft | Qt::AlignVCenter,
               sheet.texts.name + QStringLiteral(" ________________________________"));
    p.drawText(layout.rect(MarginMm, y, width, LineMm), Qt::AlignRight | Qt::AlignVCenter, sheet.texts.scale);
    y += LineMm;
    if (!answers)
        p.drawText(layout.rect(MarginMm, y, width, LineMm), Qt::AlignLeft | Qt::AlignVCenter, sheet.texts.task);
    y += LineMm + 2;

    const double planeHeight =
        layout.sizeMm().height() - MarginMm - y - tableHeight(sheet) - stepsHeight(sheet) - 2 * PlaneGapMm;
    // Room on the left for the numbers of the y axis.
    const QRectF part = planePart(sheet.stages, width - 12, planeHeight);
    const PlaneView view{part, QPointF(MarginMm + 12 + (width - 12 - part.width() * UnitMm) / 2, y)};
    p.save();
    paintGrid(layout, view);
    for (size_t i = 0; i < sheet.stages.size() && (answers || i == 0); ++i)
        paintStage(layout, view, sheet.stages[i], int(i));
    p.restore();
    y += part.height() * UnitMm + PlaneGapMm;
    paintTable(layout, sheet, y, answers);
    y += tableHeight(sheet) + PlaneGapMm;
    paintSteps(layout, sheet, y, answers);
}

void paint(QPagedPaintDevice &device, const Sheet &sheet)
{
    QPainter p(&device);
    p.setRenderHint(QPainter::Antialiasing);
    paintPage(p, sheet, 0);
    device.newPage();
    paintPage(p, sheet, 1);
}

QPageSize paperForLocale(const QLocale &locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

} // namespace Worksheet
