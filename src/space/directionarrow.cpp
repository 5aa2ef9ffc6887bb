#include "space/directionarrow.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr QRgb ArrowOrange = 0xFF8000;

// The clockwise arrow's measures; the anticlockwise one is drawn mirrored,
// so the two are exact mirror images of each other.
struct ArrowShape {
    QPointF centre;
    qreal radius;
    qreal stroke;
    qreal headLength;
    qreal headWidth;

    // The loop ends at the right of its circle, where a clockwise turn heads
    // straight down: the head is built along that vertical.
    QPointF end() const { return centre + QPointF(radius, 0); }
    QPointF tip() const { return end() + QPointF(0, headLength * 0.6); }
};

ArrowShape arrowShape(QSize size)
{
    const qreal side = std::min(size.width(), size.height());
    ArrowShape shape;
    // The head sticks out right of the circle, so the circle moves left of
    // the middle to leave the head its room.
    shape.centre = QPointF(size.width() / 2.0 - side / 16.0, size.height() / 2.0);
    shape.radius = side * 0.28;
    shape.stroke = std::max<qreal>(2.0, side / 8.0);
    shape.headLength = side * 0.40;
    shape.headWidth = side * 0.40;
    return shape;
}

QPointF mirrored(QPointF point, QSize size, bool clockwise)
{
    return clockwise ? point : QPointF(size.width() - point.x(), point.y());
}

} // namespace

QImage directionArrow(QSize size, bool clockwise, qreal devicePixelRatio)
{
    // Drawn at the full resolution of the screen, not enlarged afterwards.
    const QSize imageSize = QSizeF(size * devicePixelRatio).toSize();
    QImage image(imageSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const ArrowShape shape = arrowShape(imageSize);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor orange(ArrowOrange);
        painter.setPen(QPen(orange, shape.stroke, Qt::SolidLine, Qt::FlatCap));
        const QRectF circle(shape.centre - QPointF(shape.radius, shape.radius),
                            QSizeF(2 * shape.radius, 2 * shape.radius));
        // Qt's angles run anticlockwise from three o'clock: from the bottom,
        // three quarters clockwise reach the right side.
        painter.drawArc(circle, 270 * 16, -270 * 16);

        const QPointF base = shape.end() - QPointF(0, shape.headLength * 0.4);
        QPainterPath head;
        head.moveTo(shape.tip());
        head.lineTo(base + QPointF(shape.headWidth / 2, 0));
        head.lineTo(base - QPointF(shape.headWidth / 2, 0));
        head.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(orange);
        painter.drawPath(head);
    }
    QImage arrow = clockwise ? image : image.mirrored(true, false);
    arrow.setDevicePixelRatio(devicePixelRatio);
    return arrow;
}

QPointF directionArrowTip(QSize size, bool clockwise)
{
    return mirrored(arrowShape(size).tip(), size, clockwise);
}
