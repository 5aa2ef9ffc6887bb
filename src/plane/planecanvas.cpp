#include "plane/planecanvas.h"

#include "lang/fixedtexts.h"
#include "plane/lightboard.h"

#include <QPolygon>
#include <algorithm>
#include <functional>
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

// Program pixels between two dots of the grid.
constexpr int GridStep = 10;
// The margin of a picture of the figures only: two grid units.
constexpr int FiguresMargin = 2 * GridStep;

QRgb asDrawn(QRgb colour)
{
    return colour;
}

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

PlaneCanvas::Inks::Inks(QRgb (*shade)(QRgb))
{
    for (int i = 0; i < int(std::size(Palette)); ++i) {
        const QColor colour(shade(Palette[i]));
        pens[i] = QPen(colour);
        dottedPens[i] = QPen(colour, 1, Qt::DotLine);
        brushes[i] = QBrush(colour);
    }
}

const QPen &PlaneCanvas::Style::pen(QRgb colour) const
{
    return inks.pens[paletteIndex(colour)];
}

const QBrush &PlaneCanvas::Style::brush(QRgb colour) const
{
    return inks.brushes[paletteIndex(colour)];
}

PlaneCanvas::PlaneCanvas()
    : m_inks(asDrawn)
    , m_lightInks(LightBoard::colour)
    , m_zero(QString::fromLatin1(FixedTexts::CircleCentre))
{
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
    m_background.clear();
    m_overDrawn.clear();
    m_figureResult.drawing.clear();
    m_frameResult.drawing.clear();
}

QPainter &PlaneCanvas::painter()
{
    if (!m_painter.isActive()) {
        m_painter.begin(&m_canvas);
        m_painter.setFont(m_font);
        drawAtCentres(m_painter, canvasStyle());
    }
    return m_painter;
}

void PlaneCanvas::drawAtCentres(QPainter &p, const Style &style) const
{
    p.setTransform(QTransform::fromTranslate(style.shift.x() + style.penOffset, style.shift.y() + style.penOffset)
                   * style.view);
}

void PlaneCanvas::drawAtCorners(QPainter &p, const Style &style) const
{
    p.setTransform(QTransform::fromTranslate(style.shift.x(), style.shift.y()) * style.view);
}

void PlaneCanvas::endPainting() const
{
    if (m_painter.isActive())
        m_painter.end();
}

void PlaneCanvas::setColour(QPainter &p, const Style &style, QRgb pen, QRgb brush) const
{
    p.setPen(style.pen(pen));
    p.setBrush(style.brush(brush));
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
    return {m_canvas.copy(), m_base,         m_drawn,       m_under,     m_lastFrame,
            m_lastFrameShown, m_figureResult, m_frameResult, m_background, m_overDrawn};
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
    m_background = kept.background;
    m_overDrawn = kept.overDrawn;
    m_changed.insertAll();
}

QRegion PlaneCanvas::takeChanged()
{
    const QRegion changed = programRegion(m_changed);
    m_changed.clear();
    return changed;
}

void PlaneCanvas::paintScene(QPainter &p, const Style &style, bool clear, QPoint origin, int topBarHeight) const
{
    const int ox = origin.x();
    const int oy = origin.y();
    if (clear)
        clearDrawingArea(p, style);
    paintGrid(p, style, origin);
    drawAtCentres(p, style);

    setColour(p, style, PlaneColour::White, PlaneColour::White);
    p.drawLine(0, oy, m_size.width(), oy);
    p.drawPolygon(QPolygon({QPoint(ox + 10, oy), QPoint(ox + 7, oy - 2), QPoint(ox + 7, oy + 2)}));
    p.drawLine(ox, 0, ox, m_size.height());
    p.drawPolygon(QPolygon({QPoint(ox, oy - 10), QPoint(ox + 2, oy - 7), QPoint(ox - 2, oy - 7)}));

    const QString x = QString::fromLatin1(FixedTexts::AxisX);
    const QString capitalX = QString::fromLatin1(FixedTexts::MeasureX);
    paintText(p, style, QPoint(2 * ox - m_metrics.horizontalAdvance(x) - 4, oy - m_metrics.height() - 4), x,
              PlaneColour::White);
    paintText(p, style, QPoint(ox - 4 - m_metrics.horizontalAdvance(capitalX), topBarHeight + 4),
              QString::fromLatin1(FixedTexts::AxisY), PlaneColour::White);
}

void PlaneCanvas::paintGrid(QPainter &p, const Style &style, QPoint origin) const
{
    const int ox = origin.x();
    const int oy = origin.y();
    // Integer division truncates toward zero, so the dots stay symmetric
    // about the origin.
    int firstX = ox - GridStep * (ox / GridStep);
    int lastX = std::min(ox + GridStep * (ox / GridStep), m_size.width() - 1);
    int firstY = oy - GridStep * (oy / GridStep);
    int lastY = std::min(oy + GridStep * (oy / GridStep), m_size.height() - 1);
    const QBrush &grid = style.brush(PlaneColour::Grid);
    if (style.vector) {
        // The dots of the part shown only, one dotted line a row, each
        // beginning at a dot: renderers agree on where a dash pattern
        // starts, not on how it runs on outside the view.
        const auto dotAtOrAfter = [](int first, int from) {
            return from <= first ? first : first + (from - first + GridStep - 1) / GridStep * GridStep;
        };
        firstX = dotAtOrAfter(firstX, style.part.left());
        lastX = std::min(lastX, style.part.right());
        firstY = dotAtOrAfter(firstY, style.part.top());
        lastY = std::min(lastY, style.part.bottom());
        drawAtCentres(p, style);
        QPen dots(grid, 1, Qt::CustomDashLine, Qt::FlatCap);
        dots.setDashPattern({1, GridStep - 1});
        p.setPen(dots);
        for (int y = firstY; y <= lastY && firstX <= lastX; y += GridStep)
            p.drawLine(QLineF(firstX - 0.5, y, lastX + 0.5, y));
        return;
    }
    // A dot is a filled program pixel, not a drawn point, so that it covers
    // every image pixel of that program pixel.
    drawAtCorners(p, style);
    for (int y = firstY; y <= lastY; y += GridStep)
        for (int x = firstX; x <= lastX; x += GridStep)
            p.fillRect(QRect(x, y, 1, 1), grid);
}

void PlaneCanvas::clearDrawingArea(QPainter &p, const Style &style) const
{
    drawAtCorners(p, style);
    p.fillRect(m_drawingArea, style.brush(PlaneColour::Black));
    drawAtCentres(p, style);
}

void PlaneCanvas::paintText(QPainter &p, const Style &style, QPoint at, const QString &text, QRgb colour) const
{
    drawAtCorners(p, style);
    p.setPen(style.pen(colour));
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(style.brush(PlaneColour::Black));
    // Texts are placed by their top-left corner, not by their baseline.
    p.drawText(at.x(), at.y() + m_metrics.ascent(), text);
    p.setBackgroundMode(Qt::TransparentMode);
    drawAtCentres(p, style);
}

void PlaneCanvas::paintShape(QPainter &p, const Style &style, const PlaneShape &shape) const
{
    const auto &at = shape.points;
    const QPen &pen = style.pen(shape.colour);
    drawAtCentres(p, style);
    switch (shape.kind) {
    case PlaneShape::Kind::Segment:
        p.setPen(pen);
        p.drawLine(at[0], at[1]);
        break;
    case PlaneShape::Kind::DottedSegment:
        p.setPen(style.inks.dottedPens[paletteIndex(shape.colour)]);
        p.drawLine(at[0], at[1]);
        break;
    case PlaneShape::Kind::Arc:
        p.setPen(pen);
        p.drawArc(QRectF(shape.box), shape.startAngle, shape.spanAngle);
        break;
    case PlaneShape::Kind::Mark:
        setColour(p, style, shape.colour, shape.colour);
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
        p.setPen(style.pen(PlaneColour::Red));
        p.drawPoint(at[0]);
        paintText(p, style, QPoint(at[0].x() + 2, at[0].y() - m_metrics.height()), m_zero, PlaneColour::White);
        break;
    case PlaneShape::Kind::Pixels:
        if (shape.pixelPoints.empty())
            break;
        p.setPen(pen);
        p.drawPoints(shape.pixelPoints.data(), int(shape.pixelPoints.size()));
        break;
    case PlaneShape::Kind::Text:
        paintText(p, style, at[0], shape.label, shape.colour);
        break;
    case PlaneShape::Kind::FrameAxes: {
        setColour(p, style, shape.colour, shape.colour);
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
    paintScene(painter(), canvasStyle(), clear, origin, topBarHeight);
    if (clear)
        m_drawn.clear();
    Drawn scene{clear ? Drawn::What::ClearedScene : Drawn::What::Scene, {}, origin, topBarHeight};
    append(m_overDrawn, {std::move(scene)});
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
    paintShape(painter(), canvasStyle(), shape);
    m_overDrawn.push_back({Drawn::What::Shape, shape, {}, 0});
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
    // Assigned in place, so that the shapes' own storage is reused from
    // frame to frame.
    m_overDrawn.resize(frame.size());
    for (size_t i = 0; i < frame.size(); ++i) {
        m_overDrawn[i].what = Drawn::What::Shape;
        m_overDrawn[i].shape = frame[i];
    }
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
    const Style style = canvasStyle();
    // A letter drawn again over itself can change pixels: at ratio 2 the
    // black box behind it has blended edges, which darken what lies under
    // them once more. A frame that holds one is drawn only into the damaged
    // cells, which hold the background again. Lines, curves and fills drawn
    // again over themselves change nothing, so the other frames skip the
    // cost of that clip.
    if (std::any_of(frame.begin(), frame.end(), holdsText)) {
        drawAtCorners(p, style);
        p.setClipRegion(programRegion(m_damage));
        for (const PlaneShape &shape : frame)
            paintShapeNearDamage(p, style, shape);
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
            drawAtCorners(p, style);
            p.setClipRect(damaged);
        }
        paintShape(p, style, shape);
        p.setClipping(false);
    }
}

void PlaneCanvas::paintShapeNearDamage(QPainter &p, const Style &style, const PlaneShape &shape) const
{
    // The arcs of the traces are long and mostly far from what moved.
    if (shape.kind != PlaneShape::Kind::Arc || !damagedPart(shape).isEmpty())
        paintShape(p, style, shape);
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
    append(m_background, m_overDrawn);
    m_overDrawn.clear();
    m_under.clear();
    m_lastFrame.clear();
    m_lastFrameShown = true;
}

void PlaneCanvas::saveResult(Picture &result)
{
    result.base = m_base;
    result.drawing = shownDrawing();
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
        paintScene(p, canvasStyle(), true, m_sceneOrigin, m_sceneTopBar);
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
        paintScene(p, canvasStyle(), true, m_sceneOrigin, m_sceneTopBar);
    else
        clearDrawingArea(p, canvasStyle());
    overlayDrawings(scene);
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

void PlaneCanvas::append(Drawing &drawing, const Drawing &items)
{
    for (const Drawn &item : items) {
        if (item.what == Drawn::What::ClearedScene || item.what == Drawn::What::Cleared)
            drawing.clear();
        drawing.push_back(item);
    }
}

PlaneCanvas::Drawing PlaneCanvas::shownDrawing() const
{
    Drawing drawing;
    forEachShown([&drawing](const Drawn &item) { drawing.push_back(item); });
    return drawing;
}

void PlaneCanvas::forEachShown(const std::function<void(const Drawn &)> &visit) const
{
    // The background holds nothing before its last clearing item; what was
    // drawn over it may clear it.
    const auto clears = [](const Drawn &item) {
        return item.what == Drawn::What::ClearedScene || item.what == Drawn::What::Cleared;
    };
    const auto cleared = std::find_if(m_overDrawn.rbegin(), m_overDrawn.rend(), clears);
    if (cleared == m_overDrawn.rend())
        std::for_each(m_background.begin(), m_background.end(), visit);
    std::for_each(cleared == m_overDrawn.rend() ? m_overDrawn.begin() : std::prev(cleared.base()), m_overDrawn.end(),
                  visit);
}

void PlaneCanvas::overlayDrawings(bool scene)
{
    // Over the background, as the overlay's pixels are: the next frame
    // takes them away.
    Drawing overlay{{scene ? Drawn::What::ClearedScene : Drawn::What::Cleared, {}, m_sceneOrigin, m_sceneTopBar}};
    for (const Picture *result : {&m_frameResult, &m_figureResult})
        for (const Drawn &item : result->drawing)
            if (item.what == Drawn::What::Shape)
                overlay.push_back(item);
    m_overDrawn = std::move(overlay);
}

void PlaneCanvas::paintShown(QPainter &p, const Style &style) const
{
    clearDrawingArea(p, style);
    forEachShown([&](const Drawn &item) {
        switch (item.what) {
        case Drawn::What::Shape:
            paintShape(p, style, item.shape);
            break;
        case Drawn::What::Scene:
        case Drawn::What::ClearedScene:
            paintScene(p, style, item.what == Drawn::What::ClearedScene, item.origin, item.topBarHeight);
            break;
        case Drawn::What::Cleared:
            clearDrawingArea(p, style);
            break;
        }
    });
}

QRect PlaneCanvas::figuresBounds() const
{
    std::vector<QRect> cover;
    forEachShown([&](const Drawn &item) {
        if (item.what == Drawn::What::Shape)
            appendCover(item.shape, m_metrics, cover);
    });
    QRect figures;
    for (const QRect &rect : cover)
        figures |= rect;
    return figures;
}

QRect PlaneCanvas::picturePart(bool onlyFigures) const
{
    const QRect figures = onlyFigures ? figuresBounds() : QRect();
    // Nothing drawn yet: the whole drawing area rather than an empty picture.
    if (figures.isEmpty())
        return m_drawingArea;
    return figures.adjusted(-FiguresMargin, -FiguresMargin, FiguresMargin, FiguresMargin) & m_drawingArea;
}

QImage PlaneCanvas::picture(const PictureLook &look, const QRect &part) const
{
    endPainting();
    const QImage pixels = m_canvas.copy(imageRect(part));
    return look.light ? LightBoard::recoloured(pixels) : pixels;
}

void PlaneCanvas::paintPicture(QPainter &p, const PictureLook &look) const
{
    const QRect part = picturePart(look.onlyFigures);
    // A vector line one unit wide is centred on its path: about the centre
    // of a program pixel it covers that pixel, as the canvas's pen does.
    const Style style{look.light ? m_lightInks : m_inks, 0.5, -part.topLeft(), part, {}};
    p.save();
    p.setFont(m_font);
    p.setClipRect(QRect(QPoint(0, 0), part.size()));
    paintShown(p, style);
    p.restore();
}

void PlaneCanvas::paintView(QPainter &p, bool light, const QRect &visible) const
{
    // The style's moves come before the view's own.
    const Style style{light ? m_lightInks : m_inks, 0.5, {}, visible, p.transform()};
    p.save();
    p.setFont(m_font);
    paintShown(p, style);
    p.restore();
}
