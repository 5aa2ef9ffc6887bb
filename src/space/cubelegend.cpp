#include "space/cubelegend.h"

#include "lang/fixedtexts.h"
#include "shell/ratioimage.h"
#include "space/cubemodel.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

void drawFace(QPainter &painter, int face, const QPolygon &corners)
{
    painter.setBrush(QColor(FaceColour(face)));
    painter.drawPolygon(corners);
}

// Letters are placed by their top left corner and drawn opaque.
void drawLetter(QPainter &painter, int x, int top, QChar letter)
{
    painter.drawText(QPoint(x, top + painter.fontMetrics().ascent()), QString(letter));
}

} // namespace

void drawLegend(QImage &canvas, const LegendPlace &place, const QFont &font)
{
    const int x0 = place.x0;
    const int t = place.t;
    const int s = place.s;
    QPainter painter(&canvas);
    const qreal offset = penOffset(canvas.devicePixelRatio());
    painter.translate(offset, offset);
    painter.setPen(Qt::white);

    drawFace(painter, 4, QPolygon({{x0, t + s / 3}, {x0 + s / 2, t}, {x0 + s / 2, t + s}, {x0, t + 4 * s / 3}}));
    drawFace(painter, 5, QPolygon({{x0 + s / 2, t}, {x0 + 3 * s / 2, t}, {x0 + 3 * s / 2, t + s}, {x0 + s / 2, t + s}}));
    drawFace(painter, 6, QPolygon({{x0, t + 4 * s / 3}, {x0 + s / 2, t + s}, {x0 + 3 * s / 2, t + s},
                                   {x0 + s, t + 4 * s / 3}}));
    painter.drawPolyline(QPolygon({{x0, t + s / 3}, {x0 + s, t + s / 3}, {x0 + 3 * s / 2, t}}));
    painter.drawLine(x0 + s, t + s / 3, x0 + s, t + 4 * s / 3);

    drawFace(painter, 1, QPolygon({{x0 + 3 * s, t + s / 3}, {x0 + 7 * s / 2, t}, {x0 + 9 * s / 2, t},
                                   {x0 + 4 * s, t + s / 3}}));
    drawFace(painter, 2, QPolygon({{x0 + 3 * s, t + s / 3}, {x0 + 4 * s, t + s / 3}, {x0 + 4 * s, t + 4 * s / 3},
                                   {x0 + 3 * s, t + 4 * s / 3}}));
    drawFace(painter, 3, QPolygon({{x0 + 4 * s, t + s / 3}, {x0 + 9 * s / 2, t}, {x0 + 9 * s / 2, t + s},
                                   {x0 + 4 * s, t + 4 * s / 3}}));

    painter.setPen(Qt::black);
    painter.drawLine(x0 + 7 * s, t, x0 + 7 * s, t + s);
    painter.drawLine(x0 + 13 * s / 2, t + s / 2, x0 + 15 * s / 2, t + s / 2);
    painter.drawLine(x0 + 13 * s / 2, t + 5 * s / 6, x0 + 15 * s / 2, t + s / 6);

    painter.setFont(font);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(QColor(WindowSilver));
    const int textHeight = painter.fontMetrics().height();
    const QString letters = QString::fromLatin1(FixedTexts::AxisLetters);
    drawLetter(painter, x0 + 7 * s, t - textHeight, letters[2]);
    drawLetter(painter, x0 + 15 * s / 2 + 3, t + s / 2 - textHeight / 2, letters[1]);
    drawLetter(painter, x0 + 13 * s / 2, t + 5 * s / 6, letters[0]);
}
