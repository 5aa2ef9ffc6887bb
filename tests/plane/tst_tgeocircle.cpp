#include "planeharness.h"

#include "support/guitest.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <cmath>

using namespace Colour;

namespace {

// Nearest integer, ties to even (the default rounding mode), computed here
// rather than taken from the code's mapping so that a fault there shows.
int nearest(long double value)
{
    return int(std::lrint(value));
}

// The origin is the centre of the client area, which the canvas covers.
QPoint expectedOrigin(const PlaneHarness &plane)
{
    const QImage &canvas = plane.window()->canvas();
    return QPoint(canvas.width() / 2, canvas.height() / 2);
}

QPoint expectedScreen(const PlaneHarness &plane, QPointF grid, int zoom)
{
    const QPoint o = expectedOrigin(plane);
    return QPoint(nearest(10 * grid.x() / zoom + o.x()), nearest(o.y() - 10 * grid.y() / zoom));
}

// Qt's outline of a circle's box (each bound rounded on its own) covers the
// pixels of both its corners' rows and columns, so the four extremes lie on
// the box's edges, on the centre's row and column, in `colour`; the pixels
// just inside and just outside each are black. The centre is red. Returns
// what differs, as "side (x, y) colour".
QStringList outlineFaults(const PlaneHarness &plane, QPoint centre, long double r, QRgb colour)
{
    const int left = nearest(centre.x() - r);
    const int top = nearest(centre.y() - r);
    const int right = nearest(centre.x() + r);
    const int bottom = nearest(centre.y() + r);
    const struct {
        const char *name;
        QPoint at;
        QPoint outwards;
    } sides[] = {
        {"left", {left, centre.y()}, {-1, 0}},
        {"right", {right, centre.y()}, {1, 0}},
        {"top", {centre.x(), top}, {0, -1}},
        {"bottom", {centre.x(), bottom}, {0, 1}},
    };
    QStringList faults;
    auto check = [&](const QString &name, QPoint at, QRgb wanted) {
        if (plane.pixel(at) != wanted)
            faults << QStringLiteral("%1 (%2, %3) %4").arg(name).arg(at.x()).arg(at.y()).arg(plane.pixel(at), 6, 16);
    };
    check(u"centre"_qs, centre, Red);
    for (const auto &side : sides) {
        const QString name = QLatin1String(side.name);
        check(name + u" inside"_qs, side.at - side.outwards, Black);
        check(name, side.at, colour);
        check(name + u" outside"_qs, side.at + side.outwards, Black);
    }
    return faults;
}

// `nuova` pressed and the circle chosen in the figure dialog, its centre and
// radius set with the dialog's spins.
void confirmCircle(PlaneHarness &plane, QPoint centre, int radius)
{
    GuiTest::whenModalOpens([centre, radius](QWidget *dialog) {
        dialog->findChild<QRadioButton *>(QStringLiteral("tipo4"))->click();
        dialog->findChild<QSpinBox *>(QStringLiteral("pxa"))->setValue(centre.x());
        dialog->findChild<QSpinBox *>(QStringLiteral("pya"))->setValue(centre.y());
        dialog->findChild<QSpinBox *>(QStringLiteral("praggio"))->setValue(radius);
        dialog->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    });
    plane.button("nuova")->click();
}

} // namespace

class TestTgeoCircle : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    // The centre (7, 4), the radius 5 and the image (-2, -3) keep every
    // extreme off the axes and off the other circle. At 33% the start
    // circle's right and bottom bounds fall on x.667, which tells rounding
    // from truncation; a wrong or missing divisor moves every edge by eight
    // pixels or more. A translation by (-9, -7) draws 91 frames, the last on
    // the image itself.
    void circleAtEachScale_data()
    {
        QTest::addColumn<int>("zoomItem");
        QTest::newRow("100%") << 0;
        QTest::newRow("50%") << 1;
        QTest::newRow("33%") << 2;
    }

    void circleAtEachScale()
    {
        QFETCH(int, zoomItem);
        const QPointF centre(7, 4);
        const QPointF image(-2, -3);
        const int radius = 5;
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setTranslation(1, -9, -7);
        confirmCircle(plane, centre.toPoint(), radius);
        QVERIFY(TransformSettings.FigureIsCircle);
        plane.confirmKind(1, Traslazione);
        plane.continueStep(Traslazione);
        QVERIFY(plane.combo("czoom")->isEnabled());
        plane.choose("czoom", zoomItem);

        const int zoom = zoomItem + 1;
        const QPoint a = expectedScreen(plane, centre, zoom);
        const long double r = 10.0L * radius / zoom;
        QCOMPARE(outlineFaults(plane, a, r, White), QStringList());

        // The frames round the radius before they place the box.
        QCOMPARE(plane.continueStep(Traslazione), 91);
        const QPoint b = expectedScreen(plane, image, zoom);
        QCOMPARE(outlineFaults(plane, b, nearest(r), Aqua), QStringList());
        QCOMPARE(outlineFaults(plane, a, r, White), QStringList());

        // A new figure is drawn at the scale chosen before it.
        confirmCircle(plane, centre.toPoint(), radius);
        QCOMPARE(outlineFaults(plane, a, r, White), QStringList());
    }
};

QTEST_MAIN(TestTgeoCircle)
#include "tst_tgeocircle.moc"
