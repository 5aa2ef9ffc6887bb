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

QPoint turned(QPoint point, QPoint centre, double degrees)
{
    const double a = degrees * std::numbers::pi / 180;
    const double dx = point.x() - centre.x();
    const double dy = centre.y() - point.y();
    return QPoint(int(std::lround(centre.x() + dx * std::cos(a) - dy * std::sin(a))),
                  int(std::lround(centre.y() - dx * std::sin(a) - dy * std::cos(a))));
}

// A rotation's frame with its traces, as the workspace draws it: a radius
// and, from the third frame, an arc for each vertex, the centre's mark and
// the figure. One vertex lies on the centre; one circle crosses the edges.
// Without radii, nothing else covers the arcs' moving ends.
PlaneFrame rotationFrame(int step, int direction, bool radii = true)
{
    const QPoint centre(210, 140);
    const QPoint start[] = {QPoint(320, 150), QPoint(210, 20), QPoint(40, 250), centre};
    const double degrees = direction * step;
    PlaneFrame frame;
    ScreenPoints figure;
    for (int i = 0; i < 4; ++i) {
        const QPoint current = turned(start[i], centre, degrees);
        figure.x[i] = current.x();
        figure.y[i] = current.y();
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
    return frame;
}

// A circle turning about a point with its radius and arc, its "0" crossing
// the radius, the arc and the grid.
PlaneFrame circleRotationFrame(int step)
{
    const QPoint centre(210, 140);
    const QPoint start(300, 180);
    const QPoint current = turned(start, centre, step);
    const int r = int(std::lround(std::hypot(start.x() - centre.x(), start.y() - centre.y())));
    PlaneFrame frame{PlaneShape::segment(centre, current, PlaneColour::Trace)};
    if (step > 1) {
        if (const auto arc = PlaneShape::arc(QRect(centre - QPoint(r, r), centre + QPoint(r, r)), start, current,
                                             PlaneColour::Trace))
            frame.push_back(*arc);
    }
    frame.push_back(PlaneShape::mark(QRect(centre - QPoint(3, 3), centre + QPoint(3, 3)), PlaneColour::Yellow));
    frame.push_back(
        PlaneShape::circle(current, QRect(current - QPoint(40, 40), current + QPoint(40, 40)), PlaneColour::Lime));
    return frame;
}

// A circle standing on the x axis while a segment grows far from it. At
// ratio 2 the black box behind its "0" has blended edges, which darken the
// axis under them again whenever the box is drawn over itself.
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

Animation animation(const QString &name)
{
    if (name == QLatin1String("clockwise rotation"))
        return [](int step) { return rotationFrame(step, -1); };
    if (name == QLatin1String("arcs"))
        return [](int step) { return rotationFrame(step, 1, false); };
    if (name == QLatin1String("clockwise arcs"))
        return [](int step) { return rotationFrame(step, -1, false); };
    if (name == QLatin1String("circle"))
        return circleFrame;
    if (name == QLatin1String("shear"))
        return shearFrame;
    if (name == QLatin1String("circle rotation"))
        return circleRotationFrame;
    if (name == QLatin1String("still circle"))
        return stillCircleFrame;
    return [](int step) { return rotationFrame(step, 1); };
}

// The animation of the running test's row, with its steps and ratio.
struct AnimationRow {
    Animation frameAt;
    int steps;
    qreal ratio;
};

AnimationRow fetchAnimation()
{
    QFETCH(QString, name);
    QFETCH(int, steps);
    QFETCH(qreal, ratio);
    return {animation(name), steps, ratio};
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

QImage drawingArea(const PlaneCanvas &canvas)
{
    return canvas.image().copy(canvas.imageRect(canvas.drawingArea()));
}

// The frame of `step` drawn alone over the background.
QImage alone(const PlaneFrame &frame, qreal ratio)
{
    PlaneCanvas canvas;
    prepare(canvas, ratio);
    canvas.drawFrame(frame);
    return drawingArea(canvas);
}

QString firstDifference(const QImage &a, const QImage &b)
{
    if (a == b)
        return QString();
    if (a.size() != b.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("image pixel %1, %2").arg(x).arg(y);
    return QString();
}

} // namespace

class TestPlaneCanvas : public QObject
{
    Q_OBJECT

    static void addAnimations()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("steps");
        QTest::addColumn<qreal>("ratio");
        for (const qreal ratio : {1.0, 2.0}) {
            const QByteArray at = ratio == 1 ? "" : " at ratio 2";
            QTest::newRow("rotation through every quadrant" + at) << "rotation" << 359 << ratio;
            QTest::newRow("clockwise rotation" + at) << "clockwise rotation" << 359 << ratio;
            QTest::newRow("arcs without radii" + at) << "arcs" << 359 << ratio;
            QTest::newRow("clockwise arcs without radii" + at) << "clockwise arcs" << 359 << ratio;
            QTest::newRow("circle with its vector" + at) << "circle" << 40 << ratio;
            QTest::newRow("circle turning" + at) << "circle rotation" << 359 << ratio;
            QTest::newRow("still circle on the axis" + at) << "still circle" << 20 << ratio;
            QTest::newRow("sheared circle" + at) << "shear" << 30 << ratio;
        }
    }

private slots:
    // Frame after frame, the canvas changes only where it must; whatever it
    // shows must be the frame drawn alone over the background, traces and
    // all.
    void eachFrameAsDrawnAlone_data() { addAnimations(); }
    void eachFrameAsDrawnAlone()
    {
        const AnimationRow row = fetchAnimation();
        PlaneCanvas canvas;
        prepare(canvas, row.ratio);
        for (int step = 0; step <= row.steps; ++step) {
            canvas.drawFrame(row.frameAt(step));
            const QString difference = firstDifference(drawingArea(canvas), alone(row.frameAt(step), row.ratio));
            QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("step %1: %2").arg(step).arg(difference)));
        }
    }

    // The window repaints only the region the canvas reports: every pixel
    // a frame changed must be in it.
    void changedRegionHoldsEveryChange_data() { addAnimations(); }
    void changedRegionHoldsEveryChange()
    {
        const AnimationRow row = fetchAnimation();
        PlaneCanvas canvas;
        prepare(canvas, row.ratio);
        canvas.takeChanged();
        QImage before = drawingArea(canvas);
        for (int step = 0; step <= row.steps; ++step) {
            canvas.drawFrame(row.frameAt(step));
            // The image pixels that the window repaints.
            QImage repainted(before.size(), QImage::Format_Grayscale8);
            repainted.fill(0);
            QPainter painter(&repainted);
            for (const QRect &rect : canvas.takeChanged())
                painter.fillRect(canvas.imageRect(rect), Qt::white);
            painter.end();
            const QImage after = drawingArea(canvas);
            for (int y = 0; y < after.height(); ++y) {
                const auto *now = reinterpret_cast<const QRgb *>(after.constScanLine(y));
                const auto *then = reinterpret_cast<const QRgb *>(before.constScanLine(y));
                const uchar *shown = repainted.constScanLine(y);
                for (int x = 0; x < after.width(); ++x)
                    if (now[x] != then[x] && !shown[x])
                        QFAIL(qPrintable(QStringLiteral("step %1: image pixel %2, %3").arg(step).arg(x).arg(y)));
            }
            before = after;
        }
    }

    // The scene drawn over a running animation (the window activated again)
    // takes the frame and the background away; the next frame brings both
    // back whole.
    void frameAfterTheSceneAlone()
    {
        PlaneCanvas canvas;
        prepare(canvas, 1);
        for (int step = 0; step < 100; ++step)
            canvas.drawFrame(rotationFrame(step, 1));
        canvas.drawStaticScene(Origin, TopBar, true);
        PlaneCanvas scene;
        scene.create(Client, Panel, QFont(), 1);
        scene.drawStaticScene(Origin, TopBar, true);
        QCOMPARE(drawingArea(canvas), drawingArea(scene));
        canvas.drawFrame(rotationFrame(100, 1));
        QCOMPARE(drawingArea(canvas), alone(rotationFrame(100, 1), 1));
    }

    // A saved background keeps the last frame under the next step's.
    void savedFrameStaysUnderTheNextStep()
    {
        PlaneCanvas canvas;
        prepare(canvas, 1);
        for (int step = 0; step <= 20; ++step)
            canvas.drawFrame(circleFrame(step));
        canvas.saveBackground();
        canvas.drawFrame(shearFrame(5));
        canvas.drawFrame(shearFrame(6));

        PlaneCanvas expected;
        prepare(expected, 1);
        expected.drawFrame(circleFrame(20));
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
        QCOMPARE(canvas.figureResult(), black);
        QCOMPARE(canvas.frameResult(), black);

        canvas.drawFrame(rotationFrame(40, 1));
        canvas.saveFrameResult();
        const QImage frame = drawingArea(canvas);
        canvas.drawFrame(rotationFrame(90, -1));
        canvas.saveFigureResult();
        const QImage figure = drawingArea(canvas);
        canvas.drawFrame(circleFrame(10));
        QCOMPARE(canvas.frameResult(), frame);
        QCOMPARE(canvas.figureResult(), figure);

        canvas.overlayResults();
        const QImage shown = drawingArea(canvas);
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                QCOMPARE(shown.pixel(x, y), frame.pixel(x, y) | figure.pixel(x, y));
        QVERIFY(shown != frame && shown != figure);
        canvas.drawFrame(circleFrame(11));
        QCOMPARE(drawingArea(canvas), alone(circleFrame(11), 1));
    }

    // The last column and row of cells are cut short by the area's edges.
    void cellsAtTheEdges()
    {
        const CellGrid grid(QSize(20, 13), 8);
        QCOMPARE(grid.columns(), 3);
        QCOMPARE(grid.rows(), 2);
        QCOMPARE(grid.cellRect(0), QRect(0, 0, 8, 8));
        QCOMPARE(grid.cellRect(2), QRect(16, 0, 4, 8));
        QCOMPARE(grid.cellRect(5), QRect(16, 8, 4, 5));
        QCOMPARE(grid.cellsReached(QRect(7, 7, 2, 2)), QRect(QPoint(0, 0), QPoint(1, 1)));
        QVERIFY(grid.cellsReached(QRect(20, 0, 5, 5)).isEmpty());
    }

    // Runs are rows of adjacent cells, in the order a region is built from.
    void runsOfASet()
    {
        const CellGrid grid(QSize(40, 16), 8);
        CellSet cells;
        cells.reset(grid);
        for (int cell : {9, 0, 1, 3, 7, 8})
            cells.insert(cell);
        std::vector<QRect> runs;
        cells.runs(runs);
        QCOMPARE(runs, (std::vector<QRect>{QRect(0, 0, 16, 8), QRect(24, 0, 8, 8), QRect(16, 8, 24, 8)}));
        cells.clear();
        cells.runs(runs);
        QVERIFY(runs.empty());
        cells.insert(3);
        cells.runs(runs);
        QCOMPARE(runs, (std::vector<QRect>{QRect(24, 0, 8, 8)}));
    }

    // Kept cells come back as they were, a black one as black, edges and all.
    void keptCellsComeBack()
    {
        const CellGrid grid(QSize(20, 13), 8);
        QImage image(20, 13, QImage::Format_RGB32);
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 20; ++x)
                image.setPixel(x, y, qRgb(x * 10, y * 10, 77));
        const QImage original = image;
        CellPixels kept;
        kept.reset(grid);
        kept.keep(image, 5);
        kept.keepBlack(1);
        QVERIFY(kept.holds(5) && kept.holds(1) && !kept.holds(0));
        image.fill(Qt::white);
        kept.putBack(image, 5);
        kept.putBack(image, 1);
        QCOMPARE(image.copy(16, 8, 4, 5), original.copy(16, 8, 4, 5));
        QCOMPARE(image.pixel(8, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(15, 7), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(7, 7), qRgb(255, 255, 255));
        kept.clear();
        QVERIFY(!kept.holds(5) && !kept.holds(1));
    }
};

QTEST_MAIN(TestPlaneCanvas)
#include "tst_planecanvas.moc"
