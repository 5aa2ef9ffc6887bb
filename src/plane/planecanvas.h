#pragma once

#include "plane/planepoints.h"

#include <array>

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>

// Colours of the workspace, 0xRRGGBB.
namespace PlaneColour {
inline constexpr QRgb Black = 0x000000;
inline constexpr QRgb White = 0xFFFFFF;
inline constexpr QRgb Grid = 0xC0C0C0;
inline constexpr QRgb Silver = Grid; // the symmetry's dotted joins
inline constexpr QRgb Trace = 0x808080;
inline constexpr QRgb Aqua = 0x00FFFF; // images of a first step
inline constexpr QRgb Lime = 0x00FF00; // images of a second step
inline constexpr QRgb Red = 0xFF0000;
inline constexpr QRgb Yellow = 0xFFFF00;
} // namespace PlaneColour

// The workspace's pictures: the canvas the window shows, the background every
// frame starts from, and the last figure-mode and frame-mode results that the
// overlay superimposes. All have the client's size; the drawing area is the
// client without the bottom panel.
//
// Every position is in the program's own pixels. The images hold
// `devicePixelRatio` image pixels per program pixel, so that an enlarged or
// HiDPI screen shows them sharp instead of stretched; the painters scale by
// themselves, and whatever reads the images by hand goes through `pixel` and
// `imageRect`.
//
// Frames restore the background only where the canvas was drawn on since it
// last matched it, and the window presents only what changed, so a frame
// costs in proportion to the figure, not to the window. The drawing calls of
// one frame share one painter, which is ended before the pictures are read
// or copied.
class PlaneCanvas
{
public:
    PlaneCanvas();
    // The pictures of a client area of that size, all black, with
    // `devicePixelRatio` image pixels per program pixel each way.
    void create(QSize clientSize, int panelHeight, const QFont &font, qreal devicePixelRatio = 1);

    const QImage &image() const
    {
        endPainting();
        return m_canvas;
    }
    // The colour of the program pixel `at`.
    QRgb pixel(QPoint at) const;
    // The image pixels that show the program pixels of `rect`.
    QRect imageRect(const QRect &rect) const;
    QSize size() const { return m_size; }
    const QImage &figureResult() const { return m_figureResult; }
    const QImage &frameResult() const { return m_frameResult; }
    QRect drawingArea() const { return m_drawingArea; }
    const QFont &font() const { return m_font; }
    const QFontMetrics &metrics() const { return m_metrics; }

    // The dot grid, the axes with their unit arrowheads and the letters
    // "x" and "y"; over black when `clear`.
    void drawStaticScene(QPoint origin, int topBarHeight, bool clear);

    // The closed polyline A, B, C, D, A.
    void drawFigure(const ScreenPoints &points, QRgb colour);
    // A circle figure: its outline in `box`, the red centre pixel and "0".
    void drawCircle(QPoint centre, const QRect &box, QRgb colour);
    // A letter with its top-left corner at `at`, on black.
    void drawText(QPoint at, const QString &text, QRgb colour);
    void drawSegment(QPoint from, QPoint to, QRgb colour);
    // The same in the dotted style, the symmetry's joins.
    void drawDottedSegment(QPoint from, QPoint to, QRgb colour);
    // Separate pixels, as a sheared circle or an affine image of one is
    // drawn: nothing joins them.
    void drawPixels(const QPoint *points, int count, QRgb colour);
    // The arc of the ellipse in `box` from the radial through `from`
    // counter-clockwise to the radial through `to`.
    void drawArc(const QRect &box, QPoint from, QPoint to, QRgb colour);
    // A filled dot in `box`, the mark of a centre.
    void drawMark(const QRect &box, QRgb colour);
    // The moved frame: the y axis and its arrowhead, then the x axis and its.
    void drawFrameAxes(const ScreenPoints &points, QRgb colour);

    void saveBackground();
    void restoreBackground();
    void saveFigureResult();
    void saveFrameResult();
    // The frame result with the figure result OR-ed over it, pixel by pixel.
    void overlayResults();

    // The part of the canvas changed since the last call, to be shown.
    QRect takeChanged();

private:
    void touched(const QRect &rect);
    QPainter &painter();
    void endPainting() const;
    void setColour(QRgb pen, QRgb brush);
    // Pens draw about the centre of a program pixel, fills and texts from
    // its corner: see m_penOffset.
    void drawAtCentres();
    void drawAtCorners();

    QImage m_canvas;
    QImage m_background;
    QImage m_figureResult;
    QImage m_frameResult;
    QSize m_size;
    QRect m_drawingArea;
    QFont m_font;
    QFontMetrics m_metrics{QFont()};
    QRect m_differs; // where the canvas may differ from the background
    QRect m_changed;
    mutable QPainter m_painter;
    // An aliased pen one program pixel wide, centred on a whole coordinate,
    // straddles two program pixels once a program pixel is several image
    // pixels; moved by half a program pixel it covers exactly the one it
    // covers at ratio 1. At ratio 1 no move is needed, and none is made.
    qreal m_penOffset = 0;
    // Pens and brushes of the workspace's colours, made once: a frame makes
    // none.
    std::array<QPen, 8> m_pens;
    std::array<QPen, 8> m_dottedPens;
    std::array<QBrush, 8> m_brushes;
    QString m_zero;
};
