#include "plane/lightboard.h"
#include "plane/planecanvas.h"

#include <QTest>

#include <QPainter>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

const QSize Client(400, 300);
constexpr int Panel = 20;
const QPoint Origin(200, 150);
constexpr int TopBar = 30;

// A made-up animation: the frame of each step.
using Animation = std::function<PlaneFrame(int step)>;

// A rotation's frame: radii, arcs from the third frame, the centre's mark, the
// figure (a vertex on the centre), a circle whose "0" crosses traces and grid
// and the edges cut; without radii nothing covers the arcs' moving ends.
PlaneFrame rotationFrame(int step, int direction, bool radii = true)
{
    const QPoint centre(210, 140);
    const QPoint start[] = {QPoint(320, 150), QPoint(210, 20), QPoint(40, 250), centre, QPoint(300, 180)};
    const double a = direction * step * std::numbers::pi / 180;
    PlaneFrame frame;
    ScreenPoints figure;
    QPoint current;
    for (int i = 0; i < 5; ++i) {
        const QPoint d = start[i] - centre;
        current = centre + QPoint(int(std::lround(d.x() * std::cos(a) + d.y() * std::sin(a))),
                                  int(std::lround(d.y() * std::cos(a) - d.x() * std::sin(a))));
        if (i < 4) {
            figure.x[i] = current.x();
            figure.y[i] = current.y();
        }
        if (radii)
            frame.push_back(PlaneShape::segment(centre, current, PlaneColour::Trace));
        if (step > 1) {
            const int r = int(std::lround(std::hypot(start[i].x() - centre.x(), start[i].y() - centre.y())));
            const QRect box(centre - QPoint(r, r), centre + QPoint(r, r));
            const auto arc = direction > 0 ? PlaneShape::arc(box, start[i], current, PlaneColour::Trace)
                                           : PlaneShape::arc(box, current, start[i], PlaneColour::Trace);
            if (arc)
                frame.push_back(*arc);
        }
    }
    frame.push_back(PlaneShape::mark(QRect(centre - QPoint(3, 3), centre + QPoint(3, 3)), PlaneColour::Yellow));
    frame.push_back(PlaneShape::figure(figure, PlaneColour::Aqua));
    frame.push_back(
        PlaneShape::circle(current, QRect(current - QPoint(40, 40), current + QPoint(40, 40)), PlaneColour::Lime));
    return frame;
}

// A circle on the x axis while a segment grows far off: at ratio 2 the edges
// of the black box behind its "0" darken the axis at each drawing over itself.
PlaneFrame stillCircleFrame(int step)
{
    const QPoint centre(300, Origin.y() + 5);
    return {PlaneShape::segment(QPoint(20, 250), QPoint(20 + step, 280), PlaneColour::Trace),
            PlaneShape::circle(centre, QRect(centre - QPoint(20, 20), centre + QPoint(20, 20)), PlaneColour::Aqua)};
}

// A circle sliding down to the right with its growing vector.
PlaneFrame circleFrame(int step)
{
    const QPoint start(80, 90);
    const QPoint centre = start + QPoint(4 * step, 3 * step);
    return {PlaneShape::segment(start, centre, PlaneColour::Trace),
            PlaneShape::circle(centre, QRect(centre - QPoint(25, 25), centre + QPoint(25, 25)), PlaneColour::Lime)};
}

// A circle sheared a little more at each step, pixel by pixel.
PlaneFrame shearFrame(int step)
{
    std::vector<QPoint> pixels;
    for (int degree = 0; degree < 360; ++degree) {
        const double a = degree * std::numbers::pi / 180;
        const double y = 60 * std::sin(a);
        pixels.emplace_back(int(std::lround(200 + 60 * std::cos(a) - step * 0.05 * y)), int(std::lround(150 - y)));
    }
    return {PlaneShape::pixels(pixels.data(), int(pixels.size()), PlaneColour::Aqua)};
}

// A canvas with the scene and an earlier step's image as its background.
void prepare(PlaneCanvas &canvas, qreal ratio)
{
    canvas.create(Client, Panel, QFont(), ratio);
    canvas.drawStaticScene(Origin, TopBar, true);
    canvas.draw(PlaneShape::segment(QPoint(20, 200), QPoint(380, 40), PlaneColour::Lime));
    canvas.draw(PlaneShape::text(QPoint(60, 60), QStringLiteral("A"), PlaneColour::Lime));
    canvas.saveBackground();
}

QImage drawingArea(const PlaneCanvas &canvas) { return canvas.image().copy(canvas.imageRect(canvas.drawingArea())); }

// The frame drawn alone over the background.
QImage alone(const PlaneFrame &frame, qreal ratio)
{
    PlaneCanvas canvas;
    prepare(canvas, ratio);
    canvas.drawFrame(frame);
    return drawingArea(canvas);
}

} // namespace

Q_DECLARE_METATYPE(Animation)

class TestPlaneCanvas : public QObject
{
    Q_OBJECT

private slots:
    // Frame after frame the canvas shows the frame drawn alone over the
    // background, traces and all, and every pixel a frame changed lies in
    // the region it reports, the only one the window repaints.
    void eachFrameAsDrawnAlone_data()
    {
        QTest::addColumn<Animation>("frameAt");
        QTest::addColumn<int>("steps");
        QTest::addColumn<qreal>("ratio");
        const std::tuple<const char *, Animation, int> animations[] = {
            {"rotation through every quadrant", [](int step) { return rotationFrame(step, 1); }, 359},
            {"arcs without radii", [](int step) { return rotationFrame(step, 1, false); }, 359},
            {"clockwise arcs without radii", [](int step) { return rotationFrame(step, -1, false); }, 359},
            {"circle with its vector", circleFrame, 40},
            {"still circle on the axis", stillCircleFrame, 20},
            {"sheared circle", shearFrame, 30}};
        for (const qreal ratio : {1.0, 2.0})
            for (const auto &[name, animation, steps] : animations)
                QTest::addRow("%s at ratio %g", name, ratio) << animation << steps << ratio;
    }

    void eachFrameAsDrawnAlone()
    {
        QFETCH(Animation, frameAt);
        QFETCH(int, steps);
        QFETCH(qreal, ratio);
        PlaneCanvas canvas;
        prepare(canvas, ratio);
        canvas.takeChanged();
        QImage before = drawingArea(canvas);
        for (int step = 0; step <= steps; ++step) {
            canvas.drawFrame(frameAt(step));
            const QImage after = drawingArea(canvas);
            QVERIFY2(after == alone(frameAt(step), ratio), qPrintable(QStringLiteral("step %1").arg(step)));
            QImage repainted(before.size(), QImage::Format_Grayscale8);
            repainted.fill(0);
            QPainter painter(&repainted);
            for (const QRect &rect : canvas.takeChanged())
                painter.fillRect(canvas.imageRect(rect), Qt::white);
            painter.end();
            for (int y = 0; y < after.height(); ++y) {
                const auto *now = reinterpret_cast<const QRgb *>(after.constScanLine(y));
                const auto *then = reinterpret_cast<const QRgb *>(before.constScanLine(y));
                const uchar *shown = repainted.constScanLine(y);
                for (int x = 0; x < after.width(); ++x)
                    if (now[x] != then[x] && !shown[x])
                        QFAIL(qPrintable(QStringLiteral("step %1: not repainted %2, %3").arg(step).arg(x).arg(y)));
            }
            before = after;
        }
    }

    // The scene drawn over a running animation (the window activated again)
    // takes frame and background away, the next frame brings both back; a
    // saved background keeps the last frame under the next step's.
    void backgroundUnderTheFrames()
    {
        PlaneCanvas canvas;
        prepare(canvas, 1);
        for (int step = 0; step < 100; ++step)
            canvas.drawFrame(rotationFrame(step, 1));
        canvas.drawStaticScene(Origin, TopBar, true);
        PlaneCanvas other;
        other.create(Client, Panel, QFont(), 1);
        other.drawStaticScene(Origin, TopBar, true);
        QCOMPARE(drawingArea(canvas), drawingArea(other));
        canvas.drawFrame(rotationFrame(100, 1));
        QCOMPARE(drawingArea(canvas), alone(rotationFrame(100, 1), 1));
        canvas.saveBackground();
        canvas.drawFrame(shearFrame(5));
        canvas.drawFrame(shearFrame(6));
        PlaneCanvas expected;
        prepare(expected, 1);
        expected.drawFrame(rotationFrame(100, 1));
        expected.saveBackground();
        expected.drawFrame(shearFrame(6));
        QCOMPARE(drawingArea(canvas), drawingArea(expected));
    }

    // The result pictures hold the drawing area as it was when saved, black
    // until then; the overlay shows one OR-ed over the other, and the next
    // frame takes it away again.
    void resultPicturesAndTheOverlay()
    {
        PlaneCanvas canvas;
        prepare(canvas, 1);
        QImage black(canvas.imageRect(canvas.drawingArea()).size(), QImage::Format_RGB32);
        black.fill(Qt::black);
        QCOMPARE((QList<QImage>{canvas.figureResult(), canvas.frameResult()}), (QList<QImage>{black, black}));

        canvas.drawFrame(rotationFrame(40, 1));
        canvas.saveFrameResult();
        const QImage frame = drawingArea(canvas);
        canvas.drawFrame(rotationFrame(90, -1));
        canvas.saveFigureResult();
        const QImage figure = drawingArea(canvas);
        canvas.drawFrame(circleFrame(10));
        QCOMPARE((QList<QImage>{canvas.figureResult(), canvas.frameResult()}), (QList<QImage>{figure, frame}));

        canvas.overlayResults();
        const QImage shown = drawingArea(canvas);
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                QCOMPARE(shown.pixel(x, y), frame.pixel(x, y) | figure.pixel(x, y));
        canvas.drawFrame(circleFrame(11));
        QCOMPARE(drawingArea(canvas), alone(circleFrame(11), 1));
    }

    // The last column and row of cells are cut short by the area's edges.
    void cellsAtTheEdges()
    {
        const CellGrid grid(QSize(20, 13), 8);
        QCOMPARE(QSize(grid.columns(), grid.rows()), QSize(3, 2));
        QCOMPARE((QList<QRect>{grid.cellRect(0), grid.cellRect(2), grid.cellRect(5)}),
                 (QList<QRect>{{0, 0, 8, 8}, {16, 0, 4, 8}, {16, 8, 4, 5}}));
        QCOMPARE(grid.cellsReached(QRect(7, 7, 2, 2)), QRect(QPoint(0, 0), QPoint(1, 1)));
        QVERIFY(grid.cellsReached(QRect(20, 0, 5, 5)).isEmpty());
    }

    // A grid dot every 10 pixels from the first column (the origin at x =
    // 200) to the last, a second step's lime, dotted joins one pixel wide.
    void sceneAndColours()
    {
        PlaneCanvas canvas;
        canvas.create(Client, Panel, QFont(), 1);
        canvas.drawStaticScene(Origin, TopBar, true);
        canvas.draw(PlaneShape::segment(QPoint(20, 95), QPoint(380, 95), PlaneColour::Lime));
        canvas.draw(PlaneShape::dottedSegment(QPoint(20, 105), QPoint(380, 105), PlaneColour::Aqua));
        const auto at = [&canvas](int x, int y) { return canvas.pixel(QPoint(x, y)) & 0xFFFFFF; };
        QCOMPARE((QList<QRgb>{at(0, 50), at(1, 50), at(390, 50), at(395, 50), at(55, 95)}),
                 (QList<QRgb>{0xC0C0C0, 0, 0xC0C0C0, 0, 0x00FF00}));
        int dots = 0;
        for (int x = 20; x < Origin.x(); ++x) { // left of the y axis
            dots += at(x, 105) == 0x00FFFF;
            QCOMPARE(at(x, 104), 0u);
            QCOMPARE(at(x, 106), 0u);
        }
        QVERIFY2(dots > 30 && dots < 150, qPrintable(QString::number(dots)));
    }

    // The light board's dark version of each canvas colour on white; any
    // other colour is shown inverted.
    void lightBoardColours()
    {
        using namespace PlaneColour;
        QList<QRgb> shown;
        for (QRgb colour : {Black, White, Grid, Trace, Aqua, Lime, Red, Yellow, Magenta, Orange, QRgb(0x123456)})
            shown << LightBoard::colour(colour);
        QCOMPARE(shown, (QList<QRgb>{0xFFFFFFFF, 0xFF000000, 0xFFB4B4B4, 0xFF707070, 0xFF00707A, 0xFF007A00, 0xFFC00000,
                                     0xFF8A6E00, 0xFF8C008C, 0xFFB04A00, 0xFFEDCBA9}));
    }

    // A line's cover is one rectangle within each 8-pixel band of cells its
    // path, a pixel longer at each end, crosses: from a band's edge, from an
    // edge left of 0, within a band, steep from an edge, a point.
    void lineCoverBands()
    {
        for (const auto &[from, to] : {std::pair{QPoint(9, 3), QPoint(40, 5)}, {QPoint(-7, 0), QPoint(30, 2)},
                                       {QPoint(3, 2), QPoint(20, 9)}, {QPoint(3, 17), QPoint(5, 60)},
                                       {QPoint(12, 12), QPoint(12, 12)}}) {
            std::vector<QRect> cover;
            appendCover(PlaneShape::segment(from, to, PlaneColour::White), QFontMetrics(QFont()), cover);
            const bool steep = std::abs(to.y() - from.y()) >= std::abs(to.x() - from.x());
            const auto along = [steep](QPoint p) { return steep ? p.y() : p.x(); };
            const auto band = [](int at) { return int(std::floor(at / 8.0)); };
            const int first = band(std::min(along(from), along(to)) - 1);
            QCOMPARE(int(cover.size()), band(std::max(along(from), along(to)) + 1) - first + 1);
            for (size_t i = 0; i < cover.size(); ++i)
                QCOMPARE(QPoint(band(along(cover[i].topLeft())), band(along(cover[i].bottomRight()))),
                         QPoint(first + int(i), first + int(i)));
        }
    }
};

QTEST_MAIN(TestPlaneCanvas)
#include "tst_planecanvas.moc"
