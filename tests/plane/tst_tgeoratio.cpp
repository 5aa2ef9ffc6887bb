#include "planeharness.h"

#include "support/guitest.h"

#include <QTest>

using namespace Colour;

// The workspace on a screen of device pixel ratio 2 (Qt's scale factor 2, as
// `--scale 2` starts it): every program pixel is a 2 x 2 block of image
// pixels, and nothing is blended.
class TestTgeoRatio : public QObject
{
    Q_OBJECT

    static QString at(const QImage &image, int x, int y) { return QString::number(image.pixel(x, y) & 0xFFFFFF, 16); }

private slots:
    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    // A grid dot is a 2 x 2 block and no larger, and across an axis exactly
    // the two image rows (columns) of its program pixel are white.
    void sceneInImagePixels()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        const QImage &canvas = plane.window()->canvas();
        QCOMPARE(canvas.devicePixelRatio(), 2.0);
        QCOMPARE(canvas.size(), plane.window()->widget()->size() * 2);
        const QPoint o = plane.origin();
        const QPoint dot = o + QPoint(20, 30);
        QCOMPARE(plane.pixel(dot), Silver); // read in program pixels
        const int across = 2 * (o.x() + 25); // between two dots, past the arrowhead
        const int down = 2 * (o.y() + 25);
        QStringList shown;
        for (int d = -1; d <= 2; ++d)
            shown << at(canvas, 2 * dot.x() + d, 2 * dot.y()) + u'/' + at(canvas, 2 * dot.x() + 1, 2 * dot.y() + d) + u'/'
                    + at(canvas, across, 2 * o.y() + d) + u'/' + at(canvas, 2 * o.x() + d, down);
        QCOMPARE(shown, (QStringList{"0/0/0/0", "c0c0c0/c0c0c0/ffffff/ffffff", "c0c0c0/c0c0c0/ffffff/ffffff", "0/0/0/0"}));
    }

    // A step restores the background and copies its result in image pixels:
    // copied in program pixels, only the top-left quarter would be restored
    // and the moving figure's earlier frames would stay behind.
    void stepLeavesOnlyItsFigures()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(1, {{2, 2}, {2, 8}});
        setTranslation(1, 10, 0);
        QVERIFY(plane.runLesson(Traslazione) > 1);
        const QPoint passed = plane.screen(7, 5.5) * 2; // halfway; neither start nor image is there
        // The translation's last frame stands one pixel left of the image's
        // screen point, at ratio 1 as well.
        const QPoint image = (plane.screen(12, 5.5) - QPoint(1, 0)) * 2;
        const QImage &canvas = plane.window()->canvas();
        const QImage result = plane.window()->figureResultBitmap();
        const QImage picture = plane.window()->drawingPicture();
        QCOMPARE(picture.width(), canvas.width());
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE((QStringList{at(canvas, passed.x(), passed.y()), at(canvas, image.x() - 1, image.y()),
                              at(canvas, image.x(), image.y()), at(canvas, image.x() + 1, image.y()),
                              at(canvas, image.x() + 2, image.y()), at(result, image.x() + 1, image.y() + 1),
                              at(result, passed.x(), passed.y()), at(picture, image.x() + 1, image.y() + 1)}),
                 (QStringList{"0", "0", "ffff", "ffff", "0", "ffff", "0", "ffff"}));
    }
};

QTEST_MAIN(TestTgeoRatio)
#include "tst_tgeoratio.moc"
