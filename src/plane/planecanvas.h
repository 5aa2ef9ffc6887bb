#pragma once

#include "plane/canvascells.h"
#include "plane/planeshape.h"

#include <array>
#include <functional>

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QRegion>

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
// The further images of marked runs, and the composed map's element.
inline constexpr QRgb Magenta = 0xFF00FF;
inline constexpr QRgb Orange = 0xFF8000;
} // namespace PlaneColour

// How a picture of the drawing is taken; both off, it is the drawing area as
// the canvas holds it.
struct PictureLook {
    // The figures, images, traces and labels with a margin of two grid
    // units, instead of the whole drawing area.
    bool onlyFigures = false;
    // White paper, a light grid, black axes and dark step colours, as the
    // light board shows them.
    bool light = false;
};

// The workspace's picture: the canvas the window shows, the background
// every animation frame starts from, and the last figure-mode and frame-mode
// results that the overlay superimposes. The canvas has the client's size,
// so that lines are rasterised against the same edges wherever they end; the
// pictures are its drawing area, the client without the bottom panel.
//
// Every position is in the program's own pixels. The canvas holds
// `devicePixelRatio` image pixels per program pixel, so that an enlarged or
// HiDPI screen shows it sharp instead of stretched; the painters scale by
// themselves, and whatever reads the canvas by hand goes through `pixel` and
// `imageRect`.
//
// Nothing is kept twice. Most of a picture is the static scene (the grid and
// the axes), which is drawn again rather than stored: the canvas remembers
// the cells of its drawing area in which it may differ from the scene (or
// from black, before the first scene), and a result picture is the scene
// with those cells. The background is the canvas itself, with the cells that
// were drawn over since it was saved kept aside. An animation frame is a
// list of shapes compared with the frame before: only the cells where the
// two can differ are put back and repainted, so a frame costs in proportion
// to what moves, not to the traces it leaves or to the window.
//
// Beside its pixels the canvas keeps what it shows as the shapes drawn, so
// that a picture can be drawn again as lines, curves and letters at any
// resolution.
//
// One painter draws into the canvas from call to call; the pixels it sets
// are in the canvas at once, so cells are kept and put back around it. It is
// ended before the canvas is handed out, so that nothing shares the pixels
// it writes to.
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
    // The pictures the overlay superimposes, as last saved: the drawing
    // area at the canvas's resolution, black before the first save.
    QImage figureResult() const { return composed(m_figureResult); }
    QImage frameResult() const { return composed(m_frameResult); }
    QRect drawingArea() const { return m_drawingArea; }
    const QFont &font() const { return m_font; }
    const QFontMetrics &metrics() const { return m_metrics; }

    // The dot grid, the axes with their unit arrowheads and the letters
    // "x" and "y"; over black when `clear`.
    void drawStaticScene(QPoint origin, int topBarHeight, bool clear);
    // A shape over the picture; the next animation frame removes it unless
    // the background is saved first.
    void draw(const PlaneShape &shape);
    // An animation frame: the background with `frame` drawn over it.
    void drawFrame(const PlaneFrame &frame);

    // The picture as it stands becomes the background.
    void saveBackground();
    void saveFigureResult();
    void saveFrameResult();
    // The frame result with the figure result OR-ed over it, pixel by pixel.
    void overlayResults();

    // The part of the canvas changed since the last call, to be shown.
    QRegion takeChanged();

    // The part of the drawing area, in program pixels, that a picture shows.
    QRect picturePart(bool onlyFigures) const;
    // Where the figures, images, traces and labels drawn may set pixels, in
    // program pixels, inside the drawing area or not; empty before any.
    QRect figuresBounds() const;
    // The drawing as shapes by `p`, whose transformation places it, for a
    // magnified view of `visible` (program pixels), where the grid's dots
    // are drawn.
    void paintView(QPainter &p, bool light, const QRect &visible) const;
    // That part of the canvas, at its resolution.
    QImage picture(const PictureLook &look) const { return picture(look, picturePart(look.onlyFigures)); }
    // The program pixels of `part` of the canvas, light or not as `look` says.
    QImage picture(const PictureLook &look, const QRect &part) const;
    // The same picture drawn again as shapes by `p`, one unit a program
    // pixel, the part's top-left corner at the origin: for vector files.
    void paintPicture(QPainter &p, const PictureLook &look) const;

private:
    // What a picture is where it was not drawn on.
    enum class Base { Black, Scene };
    // One thing drawn, as kept for the pictures drawn again.
    struct Drawn {
        enum class What : quint8 { Shape, Scene, ClearedScene, Cleared };
        What what = What::Shape;
        PlaneShape shape;  // Shape
        QPoint origin;     // Scene, ClearedScene
        int topBarHeight = 0;
    };
    // What was drawn, in order, since the drawing area was last cleared.
    using Drawing = std::vector<Drawn>;
    // A saved picture: its base, its pixels where it may differ from it,
    // and what was drawn.
    struct Picture {
        Base base = Base::Black;
        CellPixels cells;
        Drawing drawing;
    };

public:
    // Every picture as it stands, kept so that a step can run once more from
    // the picture it started from. Restored into the canvas it was kept
    // from, and shown whole.
    struct Kept {
        QImage canvas;
        Base base = Base::Black;
        CellSet drawn;
        CellPixels under;
        PlaneFrame lastFrame;
        bool lastFrameShown = true;
        Picture figureResult;
        Picture frameResult;
        Drawing background;
        Drawing overDrawn;
    };
    Kept kept() const;
    void restore(const Kept &kept);

private:

    // A pen and a brush for each colour the canvas draws in (PlaneColour),
    // made once: a frame makes none.
    static constexpr int ColourCount = 10;
    struct Inks {
        // The pens and brushes of the colours that `shade` gives for the
        // canvas's colours.
        explicit Inks(QRgb (*shade)(QRgb));
        std::array<QPen, ColourCount> pens;
        std::array<QPen, ColourCount> dottedPens;
        std::array<QBrush, ColourCount> brushes;
    };
    // How a painter draws the canvas's things: in which inks, about which
    // point of a program pixel, moved by `shift` and then by `view`; and,
    // for a vector file or view of
    // the `part` shown, the grid's dots there as dotted lines rather than
    // one square each.
    struct Style {
        const Inks &inks;
        qreal penOffset = 0;
        QPoint shift;
        QRect part;
        // Where the painter's own transformation puts it all: a magnified view.
        QTransform view;
        bool vector = !part.isNull();
        const QPen &pen(QRgb colour) const;
        const QBrush &brush(QRgb colour) const;
    };
    Style canvasStyle() const { return {m_inks, m_penOffset, {}, {}, {}}; }

    QPainter &painter();
    void endPainting() const;
    void setColour(QPainter &p, const Style &style, QRgb pen, QRgb brush) const;
    // Pens draw about the centre of a program pixel, fills and texts from
    // its corner: see m_penOffset.
    void drawAtCentres(QPainter &p, const Style &style) const;
    void drawAtCorners(QPainter &p, const Style &style) const;
    void paintScene(QPainter &p, const Style &style, bool clear, QPoint origin, int topBarHeight) const;
    void paintGrid(QPainter &p, const Style &style, QPoint origin) const;
    void clearDrawingArea(QPainter &p, const Style &style) const;
    void paintShape(QPainter &p, const Style &style, const PlaneShape &shape) const;
    void paintText(QPainter &p, const Style &style, QPoint at, const QString &text, QRgb colour) const;
    void paintFrame(const PlaneFrame &frame);
    // The drawing area cleared, then what it shows drawn again.
    void paintShown(QPainter &p, const Style &style) const;

    // What the canvas shows, as drawn since it was last cleared.
    Drawing shownDrawing() const;
    void forEachShown(const std::function<void(const Drawn &)> &visit) const;
    // Adds `items` to `drawing`, and forgets what a clearing item hides.
    static void append(Drawing &drawing, const Drawing &items);
    // The overlay's drawing: its base, then the shapes of the frame result
    // and of the figure result.
    void overlayDrawings(bool scene);

    // The cells that the program-pixel rectangles of m_cover reach, into `cells`.
    void insertCover(CellSet &cells) const;
    void insertChanges(const PlaneFrame &before, const PlaneFrame &after);
    // The bounds of the cells of m_damage that `arc` may reach, in program
    // pixels.
    QRect damagedPart(const PlaneShape &arc) const;
    // `shape`, unless it is an arc that reaches no damaged cell.
    void paintShapeNearDamage(QPainter &p, const Style &style, const PlaneShape &shape) const;
    // Keeps the background under the cells of `cells` not yet kept.
    void keepUnder(const CellSet &cells);
    void keepUnderScene();
    void saveResult(Picture &result);
    QImage composed(const Picture &picture) const;
    void overlayCell(int cell);
    QRect programRect(const QRect &imageRect) const;
    // The program pixels of `cells`.
    QRegion programRegion(const CellSet &cells);

    QImage m_canvas;
    QSize m_size;
    QRect m_drawingArea;
    QFont m_font;
    QFontMetrics m_metrics{QFont()};
    QPoint m_sceneOrigin;
    int m_sceneTopBar = 0;
    mutable QPainter m_painter;
    // An aliased pen one program pixel wide, centred on a whole coordinate,
    // straddles two program pixels once a program pixel is several image
    // pixels; moved by half a program pixel it covers exactly the one it
    // covers at ratio 1. At ratio 1 no move is needed, and none is made.
    qreal m_penOffset = 0;
    Inks m_inks;
    Inks m_lightInks;
    QString m_zero;

    CellGrid m_grid;
    Base m_base = Base::Black;
    CellSet m_drawn;     // where the canvas may differ from m_base
    CellPixels m_under;  // the background under what was drawn since it was saved
    PlaneFrame m_lastFrame;
    // Whether the canvas is the background with m_lastFrame over it, and
    // nothing else drawn since.
    bool m_lastFrameShown = true;
    CellSet m_changed;
    Picture m_figureResult;
    Picture m_frameResult;
    // What was drawn up to the background, and over it since.
    Drawing m_background;
    Drawing m_overDrawn;
    // Reused by every frame, so that a frame allocates nothing for them.
    CellSet m_damage;
    std::vector<QRect> m_cover;
    std::vector<QRect> m_runs;
};
