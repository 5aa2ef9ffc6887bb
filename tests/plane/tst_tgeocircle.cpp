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

// The box of a circle of `r` pixels about `centre`, each bound rounded on
// its own.
struct CircleBox {
    int left;
    int top;
    int right;
    int bottom;
};

CircleBox circleBox(QPoint centre, long double r)
{
    return {nearest(centre.x() - r), nearest(centre.y() - r), nearest(centre.x() + r), nearest(centre.y() + r)};
}

// A pixel to look at and the colour it must have.
struct Probe {
    QString name;
    QPoint at;
    QRgb colour;
};

// Qt's outline of a box covers the pixels of both its corners' rows and
// columns, so the circle's four extremes lie on the box's edges, on the
// centre's row and column. Beside each, the pixels just inside and just
// outside are black.
QList<Probe> outlineProbes(QPoint centre, const CircleBox &box, QRgb colour)
{
    const struct {
        const char *name;
        QPoint at;
        QPoint outwards;
    } sides[] = {
        {"left", {box.left, centre.y()}, {-1, 0}},
        {"right", {box.right, centre.y()}, {1, 0}},
        {"top", {centre.x(), box.top}, {0, -1}},
        {"bottom", {centre.x(), box.bottom}, {0, 1}},
    };
    QList<Probe> probes;
    for (const auto &side : sides) {
        const QString name = QLatin1String(side.name);
        probes.append({name + QStringLiteral(" inside"), side.at - side.outwards, Black});
        probes.append({name, side.at, colour});
        probes.append({name + QStringLiteral(" outside"), side.at + side.outwards, Black});
    }
    return probes;
}

QString describe(const Probe &probe, QRgb colour)
{
    return QStringLiteral("%1 (%2, %3) %4")
        .arg(probe.name)
        .arg(probe.at.x())
        .arg(probe.at.y())
        .arg(colour, 6, 16, QLatin1Char('0'));
}

QStringList wanted(const QList<Probe> &probes)
{
    QStringList texts;
    for (const Probe &probe : probes)
        texts << describe(probe, probe.colour);
    return texts;
}

QStringList shown(const PlaneHarness &plane, const QList<Probe> &probes)
{
    QStringList texts;
    for (const Probe &probe : probes)
        texts << describe(probe, plane.pixel(probe.at));
    return texts;
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
        const QList<Probe> start = outlineProbes(a, circleBox(a, 10.0L * radius / zoom), White);
        QCOMPARE(plane.pixel(a), Red);
        QCOMPARE(shown(plane, start), wanted(start));

        // The frames round the radius before they place the box.
        QCOMPARE(plane.continueStep(Traslazione), 91);
        const QPoint b = expectedScreen(plane, image, zoom);
        const QList<Probe> moved = outlineProbes(b, circleBox(b, nearest(10.0L * radius / zoom)), Aqua);
        QCOMPARE(plane.pixel(b), Red);
        QCOMPARE(shown(plane, moved), wanted(moved));
        QCOMPARE(shown(plane, start), wanted(start));

        // A new figure is drawn at the scale chosen before it.
        confirmCircle(plane, centre.toPoint(), radius);
        QCOMPARE(plane.pixel(a), Red);
        QCOMPARE(shown(plane, start), wanted(start));
    }

    // Only the centre of a circle moves: its radius entries are the start's
    // in the recorded texts, and the second step starts from that radius.
    // The circle (-12, 6) of radius 4 and both images stay apart and off the
    // axes. Each step draws 91 frames, the last on the image itself.
    void radiusKeptThroughTwoSteps_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QPointF>("first");
        QTest::addColumn<QStringList>("firstTexts");
        QTest::addColumn<QPointF>("second");
        QTest::addColumn<QStringList>("secondTexts");
        QTest::newRow("translations (9, -3), (9, -8)")
            << int(Traslazione) << QPointF(-3, 3) << QStringList{"-3.0;3.0", "4.0;4.0"} << QPointF(6, -5)
            << QStringList{"6.0;-5.0", "4.0;4.0"};
        QTest::newRow("rotations 90 about (0, 0), 90 about (5, 0)")
            << int(Rotazione) << QPointF(-6, -12) << QStringList{"-6.0;-12.0", "4.0;4.0"} << QPointF(17, -11)
            << QStringList{"17.0;-11.0", "4.0;4.0"};
    }

    void radiusKeptThroughTwoSteps()
    {
        QFETCH(int, kind);
        QFETCH(QPointF, first);
        QFETCH(QStringList, firstTexts);
        QFETCH(QPointF, second);
        QFETCH(QStringList, secondTexts);
        const int radius = 4;
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setTranslation(1, 9, -3);
        setTranslation(2, 9, -8);
        setRotation(1, 90, 0, 0);
        setRotation(2, 90, 5, 0);
        plane.setTransformations(2);
        confirmCircle(plane, {-12, 6}, radius);
        plane.confirmKind(1, kind);
        plane.confirmKind(2, kind);

        QCOMPARE(plane.continueStep(kind), 91);
        QCOMPARE(recordedTexts(1, 2), firstTexts);
        const QPoint a = expectedScreen(plane, first, 1);
        const QList<Probe> firstImage = outlineProbes(a, circleBox(a, 10 * radius), Aqua);
        QCOMPARE(plane.pixel(a), Red);
        QCOMPARE(shown(plane, firstImage), wanted(firstImage));

        QCOMPARE(plane.continueStep(kind), 91);
        QCOMPARE(recordedTexts(2, 2), secondTexts);
        const QPoint b = expectedScreen(plane, second, 1);
        const QList<Probe> secondImage = outlineProbes(b, circleBox(b, 10 * radius), Lime);
        QCOMPARE(plane.pixel(b), Red);
        QCOMPARE(shown(plane, secondImage), wanted(secondImage));
        QCOMPARE(shown(plane, firstImage), wanted(firstImage));
    }
};

QTEST_MAIN(TestTgeoCircle)
#include "tst_tgeocircle.moc"
