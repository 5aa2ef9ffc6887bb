#include "plane/planecanvas.h"

#include "lang/fixedtexts.h"

#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

constexpr QRgb Palette[] = {PlaneColour::Black, PlaneColour::White, PlaneColour::Grid, PlaneColour::Trace,
                            PlaneColour::Aqua,  PlaneColour::Lime,  PlaneColour::Red,  PlaneColour::Yellow};

int paletteIndex(QRgb colour)
{
    for (int i = 0; i < int(std::size(Palette)); ++i)
        if (Palette[i] == colour)
            return i;
    Q_UNREACHABLE();
}

// `rect` in image pixels.
void copyRect(const QImage &from, QImage &to, const QRect &rect)
{
    if (rect.isEmpty())
        return;
    const qsizetype offset = qsizetype(rect.x()) * 4;
    const size_t bytes = size_t(rect.width()) * 4;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        std::memcpy(to.scanLine(y) + offset, from.constScanLine(y) + offset, bytes);
}

QRect boundsOf(std::initializer_list<QPoint> points)
{
    QRect bounds;
    for (const QPoint &p : points)
        bounds |= QRect(p, QSize(1, 1));
    return bounds;
}

// Degrees of the radial from `centre` through `point`, counter-clockwise on
// the screen from the positive x direction.
double screenAngle(QPointF centre, QPoint point)
{
    return std::atan2(centre.y() - point.y(), point.x() - centre.x()) * 180 / std::numbers::pi;
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
    const QSize imageSize = QSizeF(clientSize * devicePixelRatio).toSize();
    for (QImage *picture : {&m_canvas, &m_background, &m_figureResult, &m_frameResult}) {
        *picture = QImage(imageSize, QImage::Format_RGB32);
        picture->setDevicePixelRatio(devicePixelRatio);
        picture->fill(PlaneColour::Black);
    }
    m_penOffset = devicePixelRatio == 1 ? 0 : 0.5;
    m_drawingArea = QRect(0, 0, clientSize.width(), clientSize.height() - panelHeight);
    // Letters in one flat colour: the overlay ORs them pixel by pixel, and
    // blended edges would mix into colours that belong to neither picture.
    m_font = font;
    m_font.setStyleStrategy(QFont::NoAntialias);
    m_metrics = QFontMetrics(m_font);
    m_differs = QRect();
    m_changed = QRect();
}

QPainter &PlaneCanvas::painter()
{
    if (!m_painter.isActive()) {
        m_painter.begin(&m_canvas);
        m_painter.setFont(m_font);
        drawAtCentres();
    }
    return m_painter;
}

void PlaneCanvas::drawAtCentres()
{
    m_painter.setTransform(QTransform::fromTranslate(m_penOffset, m_penOffset));
}

void PlaneCanvas::drawAtCorners()
{
    m_painter.resetTransform();
}

void PlaneCanvas::endPainting() const
{
    if (m_painter.isActive())
        m_painter.end();
}

void PlaneCanvas::setColour(QRgb pen, QRgb brush)
{
    painter().setPen(m_pens[paletteIndex(pen)]);
    m_painter.setBrush(m_brushes[paletteIndex(brush)]);
}

QRect PlaneCanvas::imageRect(const QRect &rect) const
{
    const qreal ratio = m_canvas.devicePixelRatio();
    const QRectF scaled(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio, rect.height() * ratio);
    return scaled.toAlignedRect() & m_canvas.rect();
}

QRgb PlaneCanvas::pixel(QPoint at) const
{
    endPainting();
    return m_canvas.pixel(imageRect(QRect(at, QSize(1, 1))).topLeft());
}

void PlaneCanvas::touched(const QRect &rect)
{
    const QRect inside = rect & QRect(QPoint(), m_size);
    m_differs |= inside;
    m_changed |= inside;
}

QRect PlaneCanvas::takeChanged()
{
    endPainting();
    return std::exchange(m_changed, QRect());
}

void PlaneCanvas::drawStaticScene(QPoint origin, int topBarHeight, bool clear)
{
    const int ox = origin.x();
    const int oy = origin.y();
    painter();
    drawAtCorners();
    if (clear)
        m_painter.fillRect(m_drawingArea, m_brushes[paletteIndex(PlaneColour::Black)]);

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
                m_painter.fillRect(QRect(x, y, 1, 1), grid);
        }
    }
    drawAtCentres();

    setColour(PlaneColour::White, PlaneColour::White);
    m_painter.drawLine(0, oy, m_size.width(), oy);
    m_painter.drawPolygon(QPolygon({QPoint(ox + 10, oy), QPoint(ox + 7, oy - 2), QPoint(ox + 7, oy + 2)}));
    m_painter.drawLine(ox, 0, ox, m_size.height());
    m_painter.drawPolygon(QPolygon({QPoint(ox, oy - 10), QPoint(ox + 2, oy - 7), QPoint(ox - 2, oy - 7)}));

    const QString x = QString::fromLatin1(FixedTexts::AxisX);
    const QString capitalX = QString::fromLatin1(FixedTexts::MeasureX);
    drawText(QPoint(2 * ox - m_metrics.horizontalAdvance(x) - 4, oy - m_metrics.height() - 4), x, PlaneColour::White);
    drawText(QPoint(ox - 4 - m_metrics.horizontalAdvance(capitalX), topBarHeight + 4),
             QString::fromLatin1(FixedTexts::AxisY), PlaneColour::White);
    touched(QRect(QPoint(), m_size));
}

void PlaneCanvas::drawText(QPoint at, const QString &text, QRgb colour)
{
    QPainter &p = painter();
    drawAtCorners();
    p.setPen(m_pens[paletteIndex(colour)]);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(m_brushes[paletteIndex(PlaneColour::Black)]);
    // Texts are placed by their top-left corner, not by their baseline.
    p.drawText(at.x(), at.y() + m_metrics.ascent(), text);
    p.setBackgroundMode(Qt::TransparentMode);
    drawAtCentres();
    touched(QRect(at, QSize(m_metrics.horizontalAdvance(text), m_metrics.height())).adjusted(-1, -1, 1, 1));
}

void PlaneCanvas::drawFigure(const ScreenPoints &points, QRgb colour)
{
    const QPoint a(points.x[0], points.y[0]);
    const QPoint b(points.x[1], points.y[1]);
    const QPoint c(points.x[2], points.y[2]);
    const QPoint d(points.x[3], points.y[3]);
    const QPoint polyline[] = {a, b, c, d, a};
    painter().setPen(m_pens[paletteIndex(colour)]);
    m_painter.drawPolyline(polyline, 5);
    touched(boundsOf({a, b, c, d}).adjusted(-1, -1, 1, 1));
}

void PlaneCanvas::drawCircle(QPoint centre, const QRect &box, QRgb colour)
{
    painter().setPen(m_pens[paletteIndex(colour)]);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawEllipse(box);
    m_painter.setPen(m_pens[paletteIndex(PlaneColour::Red)]);
    m_painter.drawPoint(centre);
    touched(box.normalized().adjusted(-1, -1, 2, 2) | QRect(centre, QSize(1, 1)));
    drawText(QPoint(centre.x() + 2, centre.y() - m_metrics.height()), m_zero, PlaneColour::White);
}

void PlaneCanvas::drawSegment(QPoint from, QPoint to, QRgb colour)
{
    painter().setPen(m_pens[paletteIndex(colour)]);
    m_painter.drawLine(from, to);
    touched(boundsOf({from, to}).adjusted(-1, -1, 1, 1));
}

void PlaneCanvas::drawDottedSegment(QPoint from, QPoint to, QRgb colour)
{
    painter().setPen(m_dottedPens[paletteIndex(colour)]);
    m_painter.drawLine(from, to);
    touched(boundsOf({from, to}).adjusted(-1, -1, 1, 1));
}

void PlaneCanvas::drawPixels(const QPoint *points, int count, QRgb colour)
{
    if (count <= 0)
        return;
    painter().setPen(m_pens[paletteIndex(colour)]);
    m_painter.drawPoints(points, count);
    QRect bounds(points[0], QSize(1, 1));
    for (int i = 1; i < count; ++i) {
        bounds.setLeft(std::min(bounds.left(), points[i].x()));
        bounds.setRight(std::max(bounds.right(), points[i].x()));
        bounds.setTop(std::min(bounds.top(), points[i].y()));
        bounds.setBottom(std::max(bounds.bottom(), points[i].y()));
    }
    touched(bounds);
}

void PlaneCanvas::drawArc(const QRect &box, QPoint from, QPoint to, QRgb colour)
{
    const QRectF ellipse(box);
    const double start = screenAngle(ellipse.center(), from);
    double span = screenAngle(ellipse.center(), to) - start;
    while (span < 0)
        span += 360;
    while (span >= 360)
        span -= 360;
    if (span == 0)
        return;
    painter().setPen(m_pens[paletteIndex(colour)]);
    m_painter.drawArc(ellipse, int(std::lround(start * 16)), int(std::lround(span * 16)));
    touched(box.normalized().adjusted(-1, -1, 2, 2));
}

void PlaneCanvas::drawMark(const QRect &box, QRgb colour)
{
    setColour(colour, colour);
    m_painter.drawEllipse(box);
    touched(box.normalized().adjusted(-1, -1, 2, 2));
}

void PlaneCanvas::drawFrameAxes(const ScreenPoints &p, QRgb colour)
{
    auto at = [&p](int index) { return QPoint(p.x[index], p.y[index]); };
    setColour(colour, colour);
    m_painter.drawLine(at(0), at(1));
    const QPoint yArrow[] = {at(7), at(8), at(9)};
    m_painter.drawPolygon(yArrow, 3);
    m_painter.drawLine(at(2), at(3));
    const QPoint xArrow[] = {at(4), at(5), at(6)};
    m_painter.drawPolygon(xArrow, 3);
    QRect bounds;
    for (int i = 0; i < 10; ++i)
        bounds |= QRect(at(i), QSize(1, 1));
    touched(bounds.adjusted(-1, -1, 1, 1));
}

void PlaneCanvas::saveBackground()
{
    endPainting();
    // Outside m_differs the two already match.
    copyRect(m_canvas, m_background, imageRect(m_differs & m_drawingArea));
    m_differs = QRect();
}

void PlaneCanvas::restoreBackground()
{
    endPainting();
    const QRect stale = m_differs & m_drawingArea;
    copyRect(m_background, m_canvas, imageRect(stale));
    m_changed |= stale;
    m_differs = QRect();
}

void PlaneCanvas::saveFigureResult()
{
    endPainting();
    copyRect(m_canvas, m_figureResult, imageRect(m_drawingArea));
}

void PlaneCanvas::saveFrameResult()
{
    endPainting();
    copyRect(m_canvas, m_frameResult, imageRect(m_drawingArea));
}

void PlaneCanvas::overlayResults()
{
    QPainter &p = painter();
    drawAtCorners();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, m_frameResult);
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(0, 0, m_figureResult);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    drawAtCentres();
    touched(QRect(QPoint(), m_size));
}
