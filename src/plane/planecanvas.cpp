#include "plane/planecanvas.h"

#include "lang/fixedtexts.h"

#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace {

constexpr QRgb Palette[] = {PlaneColour::Black, PlaneColour::White, PlaneColour::Grid,    PlaneColour::Trace,
                            PlaneColour::Aqua,  PlaneColour::Lime,  PlaneColour::Red,     PlaneColour::Yellow,
                            PlaneColour::Magenta, PlaneColour::Orange};
static_assert(std::size(Palette) == 10, "one pen and one brush per colour");

// Program pixels a side: small enough for a line's cells to hug it, large
// enough for a frame to copy rows of some length.
constexpr int CellSide = 8;

constexpr quint32 OpaqueBlack = 0xFF000000;

int paletteIndex(QRgb colour)
{
    for (int i = 0; i < int(std::size(Palette)); ++i)
        if (Palette[i] == colour)
            return i;
    Q_UNREACHABLE();
}

bool holdsText(const PlaneShape &shape)
{
    return shape.kind == PlaneShape::Kind::Text || shape.kind == PlaneShape::Kind::Circle;
}

bool sameEllipse(const PlaneShape &a, const PlaneShape &b)
{
    return a.kind == PlaneShape::Kind::Arc && b.kind == PlaneShape::Kind::Arc && a.box == b.box
        && a.colour == b.colour;
}

} // namespace

PlaneCanvas::PlaneCanvas()
    : m_zero(QString::fromLatin1(FixedTexts::CircleCentre))
{
    for (int i = 0; i < int(std::size(Palette)); ++i) {
        m_pens[i] = QPen(QColor(Palette[i]));
        m_dottedPens[i] = QPen(QColor(Palette[i]), 1, Qt::DotLine);
        m_brushes[i] = QBrush(QColor(Palette[i]));
    }
}

void PlaneCanvas::create(QSize clientSize, int panelHeight, const QFont &font, qreal devicePixelRatio)
{
    endPainting();
    m_size = clientSize;
    m_canvas = QImage(QSizeF(clientSize * devicePixelRatio).toSize(), QImage::Format_RGB32);
    m_canvas.setDevicePixelRatio(devicePixelRatio);
    m_canvas.fill(PlaneColour::Black);
    m_penOffset = devicePixelRatio == 1 ? 0 : 0.5;
    m_drawingArea = QRect(0, 0, clientSize.width(), clientSize.height() - panelHeight);
    // Letters in one flat colour: the overlay ORs them pixel by pixel, and
    // blended edges would mix into colours that belong to neither picture.
    m_font = font;
    m_font.setStyleStrategy(QFont::NoAntialias);
    m_metrics = QFontMetrics(m_font);

    m_grid = CellGrid(imageRect(m_drawingArea).size(), std::max(1, int(std::lround(CellSide * devicePixelRatio))));
    for (CellSet *cells : {&m_drawn, &m_changed, &m_damage})
        cells->reset(m_grid);
    for (CellPixels *cells : {&m_under, &m_figureResult.cells, &m_frameResult.cells})
        cells->reset(m_grid);
    m_base = Base::Black;
    m_figureResult.base = Base::Black;
    m_frameResult.base = Base::Black;
    m_lastFrame.clear();
    m_lastFrameShown = true;
}

QPainter &PlaneCanvas::painter()
{
    if (!m_painter.isActive()) {
        m_painter.begin(&m_canvas);
        m_painter.setFont(m_font);
        drawAtCentres(m_painter);
    }
    return m_painter;
}

void PlaneCanvas::drawAtCentres(QPainter &p) const
{
    p.setTransform(QTransform::fromTranslate(m_penOffset, m_penOffset));
}

void PlaneCanvas::drawAtCorners(QPainter &p) const
{
    p.resetTransform();
}

void PlaneCanvas::endPainting() const
{
    if (m_painter.isActive())
        m_painter.end();
}

void PlaneCanvas::setColour(QPainter &p, QRgb pen, QRgb brush) const
{
    p.setPen(m_pens[paletteIndex(pen)]);
    p.setBrush(m_brushes[paletteIndex(brush)]);
}

QRect PlaneCanvas::imageRect(const QRect &rect) const
{
    const qreal ratio = m_canvas.devicePixelRatio();
    if (ratio == 1)
        return rect & m_canvas.rect();
    const QRectF scaled(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio, rect.height() * ratio);
    return scaled.toAlignedRect() & m_canvas.rect();
}

QRect PlaneCanvas::programRect(const QRect &imageRect) const
{
    const qreal ratio = m_canvas.devicePixelRatio();
    return QRectF(imageRect.x() / ratio, imageRect.y() / ratio, imageRect.width() / ratio,
                  imageRect.height() / ratio)
        .toAlignedRect();
}

QRgb PlaneCanvas::pixel(QPoint at) const
{
    endPainting();
    return m_canvas.pixel(imageRect(QRect(at, QSize(1, 1))).topLeft());
}

QRegion PlaneCanvas::programRegion(const CellSet &cells)
{
    QRegion region;
    cells.runs(m_runs);
    const qreal ratio = m_canvas.devicePixelRatio();
    if (ratio == std::floor(ratio)) {
        // Whole image pixels per program pixel keep the runs apart and in
        // order, as setRects wants them.
        for (QRect &run : m_runs)
            run = programRect(run);
        region.setRects(m_runs.data(), int(m_runs.size()));
    } else {
        for (const QRect &run : m_runs)
            region += programRect(run);
    }
    return region;
}

PlaneCanvas::Kept PlaneCanvas::kept() const
{
    endPainting();
    return {m_canvas.copy(), m_base, m_drawn, m_under, m_lastFrame, m_lastFrameShown, m_figureResult, m_frameResult};
}

void PlaneCanvas::restore(const Kept &kept)
{
    endPainting();
    m_canvas = kept.canvas.copy();
    m_base = kept.base;
    m_drawn = kept.drawn;
    m_under = kept.under;
    m_lastFrame = kept.lastFrame;
    m_lastFrameShown = kept.lastFrameShown;
    m_figureResult = kept.figureResult;
    m_frameResult = kept.frameResult;
    m_changed.insertAll();
}

QRegion PlaneCanvas::takeChanged()
{
    const QRegion changed = programRegion(m_changed);
    m_changed.clear();
    return changed;
}

void PlaneCanvas::paintScene(QPainter &p, bool clear) const
{
    const int ox = m_sceneOrigin.x();
    const int oy = m_sceneOrigin.y();
    if (clear)
        clearDrawingArea(p);
    drawAtCorners(p);

    // Integer division truncates toward zero, so the dots stay symmetric
    // about the origin. A dot is a filled program pixel, not a drawn point,
    // so that it covers every image pixel of that program pixel.
    const QBrush &grid = m_brushes[paletteIndex(PlaneColour::Grid)];
    for (int j = -oy / 10; j <= oy / 10; ++j) {
        const int y = oy + 10 * j;
        if (y < 0 || y >= m_size.height())
            continue;
        for (int i = -ox / 10; i <= ox / 10; ++i) {
            const int x = ox + 10 * i;
            if (x >= 0 && x < m_size.width())
                p.fillRect(QRect(x, y, 1, 1), grid);
        }
    }
    drawAtCentres(p);

    setColour(p, PlaneColour::White, PlaneColour::White);
    p.drawLine(0, oy, m_size.width(), oy);
    p.drawPolygon(QPolygon({QPoint(ox + 10, oy), QPoint(ox + 7, oy - 2), QPoint(ox + 7, oy + 2)}));
    p.drawLine(ox, 0, ox, m_size.height());
    p.drawPolygon(QPolygon({QPoint(ox, oy - 10), QPoint(ox + 2, oy - 7), QPoint(ox - 2, oy - 7)}));

    const QString x = QString::fromLatin1(FixedTexts::AxisX);
    const QString capitalX = QString::fromLatin1(FixedTexts::MeasureX);
    paintText(p, QPoint(2 * ox - m_metrics.horizontalAdvance(x) - 4, oy - m_metrics.height() - 4), x,
              PlaneColour::White);
    paintText(p, QPoint(ox - 4 - m_metrics.horizontalAdvance(capitalX), m_sceneTopBar + 4),
              QString::fromLatin1(FixedTexts::AxisY), PlaneColour::White);
}

void PlaneCanvas::clearDrawingArea(QPainter &p) const
{
    drawAtCorners(p);
    p.fillRect(m_drawingArea, m_brushes[paletteIndex(PlaneColour::Black)]);
    drawAtCentres(p);
}

void PlaneCanvas::paintText(QPainter &p, QPoint at, const QString &text, QRgb colour) const
{
    drawAtCorners(p);
    p.setPen(m_pens[paletteIndex(colour)]);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(m_brushes[paletteIndex(PlaneColour::Black)]);
    // Texts are placed by their top-left corner, not by their baseline.
    p.drawText(at.x(), at.y() + m_metrics.ascent(), text);
    p.setBackgroundMode(Qt::TransparentMode);
    drawAtCentres(p);
}

void PlaneCanvas::paintShape(QPainter &p, const PlaneShape &shape) const
{
    const auto &at = shape.points;
    const QPen &pen = m_pens[paletteIndex(shape.colour)];
    drawAtCentres(p);
    switch (shape.kind) {
    case PlaneShape::Kind::Segment:
        p.setPen(pen);
        p.drawLine(at[0], at[1]);
        break;
    case PlaneShape::Kind::DottedSegment:
        p.setPen(m_dottedPens[paletteIndex(shape.colour)]);
        p.drawLine(at[0], at[1]);
        break;
    case PlaneShape::Kind::Arc:
        p.setPen(pen);
        p.drawArc(QRectF(shape.box), shape.startAngle, shape.spanAngle);
        break;
    case PlaneShape::Kind::Mark:
        setColour(p, shape.colour, shape.colour);
        p.drawEllipse(shape.box);
        break;
    case PlaneShape::Kind::Figure:
        p.setPen(pen);
        p.drawPolyline(at.data(), VertexCount + 1);
        break;
    case PlaneShape::Kind::Circle:
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(shape.box);
        p.setPen(m_pens[paletteIndex(PlaneColour::Red)]);
        p.drawPoint(at[0]);
        paintText(p, QPoint(at[0].x() + 2, at[0].y() - m_metrics.height()), m_zero, PlaneColour::White);
        break;
    case PlaneShape::Kind::Pixels:
        if (shape.pixelPoints.empty())
            break;
        p.setPen(pen);
        p.drawPoints(shape.pixelPoints.data(), int(shape.pixelPoints.size()));
        break;
    case PlaneShape::Kind::Text:
        paintText(p, at[0], shape.label, shape.colour);
        break;
    case PlaneShape::Kind::FrameAxes: {
        setColour(p, shape.colour, shape.colour);
        p.drawLine(at[0], at[1]);
        const QPoint yArrow[] = {at[7], at[8], at[9]};
        p.drawPolygon(yArrow, 3);
        p.drawLine(at[2], at[3]);
        const QPoint xArrow[] = {at[4], at[5], at[6]};
        p.drawPolygon(xArrow, 3);
        break;
    }
    }
}

void PlaneCanvas::insertCover(CellSet &cells) const
{
    for (const QRect &rect : m_cover)
        cells.insert(imageRect(rect));
}

void PlaneCanvas::keepUnder(const CellSet &cells)
{
    cells.forEach([this](int cell) {
        if (!m_under.holds(cell))
            m_under.keep(m_canvas, cell);
    });
}

void PlaneCanvas::drawStaticScene(QPoint origin, int topBarHeight, bool clear)
{
    m_sceneOrigin = origin;
    m_sceneTopBar = topBarHeight;
    keepUnderScene();
    paintScene(painter(), clear);
    if (clear)
        m_drawn.clear();
    m_base = Base::Scene;
    m_changed.insertAll();
    m_lastFrameShown = false;
}

void PlaneCanvas::keepUnderScene()
{
    // Drawn again over its own base, the scene changes only the cells drawn
    // on since; over black it changes them all, and a black cell needs no
    // pixels kept.
    keepUnder(m_drawn);
    if (m_base == Base::Black) {
        for (int cell = 0; cell < m_grid.count(); ++cell)
            if (!m_under.holds(cell))
                m_under.keepBlack(cell);
    }
}

void PlaneCanvas::draw(const PlaneShape &shape)
{
    m_cover.clear();
    appendCover(shape, m_metrics, m_cover);
    m_damage.clear();
    insertCover(m_damage);
    keepUnder(m_damage);
    paintShape(painter(), shape);
    m_drawn.unite(m_damage);
    m_changed.unite(m_damage);
    m_lastFrameShown = false;
}

void PlaneCanvas::drawFrame(const PlaneFrame &frame)
{
    m_damage.clear();
    if (m_lastFrameShown) {
        insertChanges(m_lastFrame, frame);
    } else {
        // Something else was drawn since: everything drawn over the
        // background goes.
        m_damage.unite(m_under);
        insertChanges({}, frame);
    }
    m_damage.forEach([this](int cell) {
        if (m_under.holds(cell))
            m_under.putBack(m_canvas, cell);
        else
            m_under.keep(m_canvas, cell);
    });
    paintFrame(frame);
    m_drawn.unite(m_damage);
    m_changed.unite(m_damage);
    m_lastFrame = frame;
    m_lastFrameShown = true;
}

void PlaneCanvas::insertChanges(const PlaneFrame &before, const PlaneFrame &after)
{
    for (size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
        const PlaneShape *old = i < before.size() ? &before[i] : nullptr;
        const PlaneShape *now = i < after.size() ? &after[i] : nullptr;
        if (old && now && *old == *now)
            continue;
        m_cover.clear();
        if (old && now && sameEllipse(*old, *now)) {
            appendArcChanges(*old, *now, m_cover);
        } else {
            if (old)
                appendCover(*old, m_metrics, m_cover);
            if (now)
                appendCover(*now, m_metrics, m_cover);
        }
        insertCover(m_damage);
    }
}

void PlaneCanvas::paintFrame(const PlaneFrame &frame)
{
    QPainter &p = painter();
    // A letter drawn again over itself can change pixels: at ratio 2 the
    // black box behind it has blended edges, which darken what lies under
    // them once more. A frame that holds one is drawn only into the damaged
    // cells, which hold the background again. Lines, curves and fills drawn
    // again over themselves change nothing, so the other frames skip the
    // cost of that clip.
    if (std::any_of(frame.begin(), frame.end(), holdsText)) {
        drawAtCorners(p);
        p.setClipRegion(programRegion(m_damage));
        for (const PlaneShape &shape : frame)
            paintShapeNearDamage(p, shape);
        p.setClipping(false);
        return;
    }
    // Every shape is drawn again, whole, over what the frame before left:
    // outside the damaged cells that changes nothing. Only the arcs of the
    // traces, long and mostly unchanged, are drawn just where the frame
    // changed; they lead the frame in one colour, so their order among the
    // traces does not show, and the shapes after them are drawn over them.
    bool leading = true;
    for (const PlaneShape &shape : frame) {
        leading = leading && shape.colour == frame.front().colour;
        if (leading && shape.kind == PlaneShape::Kind::Arc) {
            // An arc is stroked as a curve, which comes out the same pixel
            // for pixel whatever the clip.
            const QRect damaged = damagedPart(shape);
            if (damaged.isEmpty())
                continue;
            drawAtCorners(p);
            p.setClipRect(damaged);
        }
        paintShape(p, shape);
        p.setClipping(false);
    }
}

void PlaneCanvas::paintShapeNearDamage(QPainter &p, const PlaneShape &shape) const
{
    // The arcs of the traces are long and mostly far from what moved.
    if (shape.kind != PlaneShape::Kind::Arc || !damagedPart(shape).isEmpty())
        paintShape(p, shape);
}

QRect PlaneCanvas::damagedPart(const PlaneShape &arc) const
{
    const ArcRing ring(arc, m_canvas.devicePixelRatio());
    QRect damaged;
    m_damage.forEach([&](int cell) {
        const QRect rect = m_grid.cellRect(cell);
        if (ring.meets(rect))
            damaged |= rect;
    });
    // A program pixel more all round: the clip's edges are rounded to whole
    // image pixels, and what lies outside the damaged cells is drawn as it
    // already stands.
    return damaged.isEmpty() ? QRect() : programRect(damaged).adjusted(-1, -1, 1, 1);
}

void PlaneCanvas::saveBackground()
{
    m_under.clear();
    m_lastFrame.clear();
    m_lastFrameShown = true;
}

void PlaneCanvas::saveResult(Picture &result)
{
    result.base = m_base;
    result.cells.clear();
    m_drawn.forEach([&](int cell) { result.cells.keep(m_canvas, cell); });
}

void PlaneCanvas::saveFigureResult()
{
    saveResult(m_figureResult);
}

void PlaneCanvas::saveFrameResult()
{
    saveResult(m_frameResult);
}

QImage PlaneCanvas::composed(const Picture &picture) const
{
    QImage image(imageRect(m_drawingArea).size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(m_canvas.devicePixelRatio());
    if (picture.base == Base::Scene) {
        QPainter p(&image);
        p.setFont(m_font);
        paintScene(p, true);
    } else {
        image.fill(PlaneColour::Black);
    }
    picture.cells.forEach([&](int cell) { picture.cells.putBack(image, cell); });
    return image;
}

void PlaneCanvas::overlayResults()
{
    const bool scene = m_frameResult.base == Base::Scene || m_figureResult.base == Base::Scene;
    const Base base = scene ? Base::Scene : Base::Black;
    // The overlay changes the cells where either picture or the canvas
    // differs from the base; where the bases differ, every cell.
    m_damage.clear();
    if (base == m_base) {
        m_damage.unite(m_drawn);
        m_damage.unite(m_figureResult.cells);
        m_damage.unite(m_frameResult.cells);
    } else {
        m_damage.insertAll();
    }
    keepUnder(m_damage);

    QPainter &p = painter();
    if (scene)
        paintScene(p, true);
    else
        clearDrawingArea(p);
    m_drawn.clear();
    m_drawn.unite(m_figureResult.cells);
    m_drawn.unite(m_frameResult.cells);
    m_drawn.forEach([this](int cell) { overlayCell(cell); });
    m_base = base;
    m_changed.insertAll();
    m_lastFrameShown = false;
}

void PlaneCanvas::overlayCell(int cell)
{
    // The canvas holds the base of the overlay here; each picture is its
    // kept pixels or, where it kept none, its own base.
    const QRect rect = m_grid.cellRect(cell);
    const int side = m_grid.cellSize();
    const quint32 *frame = m_frameResult.cells.holds(cell) ? m_frameResult.cells.pixels(cell) : nullptr;
    const quint32 *figure = m_figureResult.cells.holds(cell) ? m_figureResult.cells.pixels(cell) : nullptr;
    for (int y = 0; y < rect.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(m_canvas.scanLine(rect.top() + y)) + rect.left();
        for (int x = 0; x < rect.width(); ++x) {
            const quint32 base = line[x];
            const quint32 f = frame ? frame[y * side + x] : m_frameResult.base == Base::Scene ? base : OpaqueBlack;
            const quint32 g = figure ? figure[y * side + x] : m_figureResult.base == Base::Scene ? base : OpaqueBlack;
            line[x] = f | g;
        }
    }
}
