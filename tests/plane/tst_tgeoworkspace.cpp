#include "planeharness.h"

#include "calc/expressionevaluator.h"
#include "dialogs/spincontrol.h"
#include "lang/languagetables.h"
#include "shell/helpset.h"
#include "shell/helpviewer.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <optional>

using namespace Colour;

namespace {

// An offset from the origin, y upwards: a grid point at 100% in tenths.
QPoint at(const PlaneHarness &plane, QPoint offset)
{
    return plane.origin() + QPoint(offset.x(), -offset.y());
}

QList<double> numbers(const QString &text)
{
    QList<double> values;
    for (const QString &n : text.split(u' ', Qt::SkipEmptyParts))
        values << n.toDouble();
    return values;
}

// "x y, x y, ..."; "-" is the start triangle.
QList<QPoint> points(const QString &text)
{
    QList<QPoint> list;
    for (const QString &pair : (text == u"-" ? u"15 11, 10 9, 21 4"_qs : text).split(u',', Qt::SkipEmptyParts))
        list << QPoint(int(numbers(pair)[0]), int(numbers(pair)[1]));
    return list;
}

// By kind: (dx, dy), (angle, cx, cy), (kind, cx, cy, shown), (sign, ratio,
// cx, cy, shown), (fx, fy), (axis, signed k), (c, a, b, c', a', b').
void setParameters(int slot, int kind, const QList<double> &p)
{
    TransformSettingsValues &s = TransformSettings;
    switch (kind) {
    case Traslazione: setTranslation(slot, int(p[0]), int(p[1])); break;
    case Rotazione: setRotation(slot, int(p[0]), int(p[1]), int(p[2])); break;
    case Simmetria:
        s.SymmetryKind[slot] = quint8(p[0]);
        s.SymmetryCentreX[slot] = int(p[1]);
        s.SymmetryCentreY[slot] = int(p[2]);
        s.ShowSymmetryElement[slot] = p.value(3) != 0;
        break;
    case Omotetia:
        s.HomothetySign[slot] = qint8(p[0]);
        s.HomothetyRatio[slot] = float(p[1]);
        s.HomothetyCentreX[slot] = int(p[2]);
        s.HomothetyCentreY[slot] = int(p[3]);
        s.ShowHomothetyCentre[slot] = p.value(4) != 0;
        break;
    case Dilatazione:
        s.DilationX[slot] = float(p[0]);
        s.DilationY[slot] = float(p[1]);
        break;
    case Inclinazione:
        s.ShearAxis[slot] = quint8(p[0]);
        s.ShearSign[slot] = p[1] < 0 ? 1 : 0;
        s.ShearX[slot] = p[0] == 0 ? float(std::abs(p[1])) : 0.0f;
        s.ShearY[slot] = p[0] == 1 ? float(std::abs(p[1])) : 0.0f;
        break;
    default:
        for (int i = 0; i < 6; ++i) {
            s.AffineText[slot][size_t(i)] = QString::number(p[i]);
            s.AffineCoeff[slot][size_t(i / 3)][size_t(i % 3)] = float(p[i]);
        }
    }
}

void setFigureOf(const QList<QPoint> &vertices)
{
    TransformSettings.SelectedFigureType = quint8(vertices.size() - 1);
    TransformSettings.FigureIsCircle = false;
    for (int i = 0; i < vertices.size(); ++i) {
        TransformSettings.FigureX[i] = vertices[i].x();
        TransformSettings.FigureY[i] = vertices[i].y();
    }
}

// The figure confirmed and `kind` in slot 1, with these parameters.
void confirmStep(PlaneHarness &plane, int kind, const QList<double> &parameters)
{
    setParameters(1, kind, parameters);
    plane.confirmFigure();
    plane.confirmKind(1, kind);
}

// The offsets whose pixel is (`is`) or is not `colour`, as "x, y colour".
QStringList found(const PlaneHarness &plane, const QList<QPoint> &offsets, QRgb colour, bool is)
{
    QStringList list;
    for (const QPoint &p : offsets)
        if ((plane.pixel(at(plane, p)) == colour) == is)
            list << QStringLiteral("%1, %2 %3").arg(p.x()).arg(p.y()).arg(plane.pixel(at(plane, p)), 6, 16);
    return list;
}

// Ties to even, worked out here rather than taken from the code's mapping.
int nearest(long double value)
{
    return int(std::lrint(value));
}

// The origin is the centre of the canvas, which covers the client area.
QPoint expectedScreen(const PlaneHarness &plane, QPointF grid, int zoom)
{
    const QImage &canvas = plane.window()->canvas();
    return QPoint(nearest(10 * grid.x() / zoom + canvas.width() / 2), nearest(canvas.height() / 2 - 10 * grid.y() / zoom));
}

// Qt's outline of a circle's box (each bound rounded on its own) puts the
// extremes on the box's edges, black either side; the centre is red.
QStringList outlineFaults(const PlaneHarness &plane, QPoint c, long double r, QRgb colour)
{
    const int left = nearest(c.x() - r), top = nearest(c.y() - r), right = nearest(c.x() + r), bottom = nearest(c.y() + r);
    const struct {
        QPoint at, outwards;
    } sides[] = {{{left, c.y()}, {-1, 0}}, {{right, c.y()}, {1, 0}}, {{c.x(), top}, {0, -1}}, {{c.x(), bottom}, {0, 1}}};
    QStringList faults;
    auto check = [&](QPoint at, QRgb wanted) {
        if (plane.pixel(at) != wanted)
            faults << QStringLiteral("(%1, %2) %3").arg(at.x()).arg(at.y()).arg(plane.pixel(at), 6, 16);
    };
    check(c, Red);
    for (const auto &side : sides) {
        check(side.at - side.outwards, Black);
        check(side.at, colour);
        check(side.at + side.outwards, Black);
    }
    return faults;
}

} // namespace

class TestTgeoWorkspace : public QObject
{
    Q_OBJECT

    std::optional<GuiTest::Fixture> m_fixture;
    std::optional<PlaneHarness> m_plane;

private slots:
    void init()
    {
        m_fixture.emplace();
        Language.LanguageIndex = Italian;
        m_plane.emplace();
    }
    void cleanup()
    {
        m_plane.reset();
        m_fixture.reset();
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
    }

    // Each kind alone: its own timer alone runs, and the window shows the
    // step's frames, texts, name and aqua letters on the image.
    void eachKindAlone_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("row"); // parameters | figure | frames | texts | the kind's and its timer's name
        QTest::newRow("translation (3, 0)") << int(Traslazione) << "3 0|-|31|18.0;11.0 13.0;9.0 24.0;4.0|traslazione";
        QTest::newRow("translation (0, 0) draws none")
            << int(Traslazione) << "0 0|-|0|15.0;11.0 10.0;9.0 21.0;4.0|traslazione";
        QTest::newRow("rotation -90") << int(Rotazione) << "-90 2 -2|-|91|15.0;-15.0 13.0;-10.0 8.0;-21.0|rotazione";
        QTest::newRow("symmetry about y = x") << int(Simmetria) << "3 0 0|-|0|11.0;15.0 9.0;10.0 4.0;21.0|simmetria";
        QTest::newRow("homothety -0.5") << int(Omotetia) << "-1 0.5 -1 1|-|31|-9.0;-4.0 -6.5;-3.0 -12.0;-0.5|omotetia";
        QTest::newRow("shear -1 along x") << int(Inclinazione) << "0 -1|2 3, -4 1|21|-1.0;3.0 -5.0;1.0|inclinazione";
        QTest::newRow("shear 1.5 along y")
            << int(Inclinazione) << "1 1.5|3 1, -2 6, 0 -4|31|3.0;5.5 -2.0;3.0 0.0;-4.0|inclinazione";
    }

    void eachKindAlone()
    {
        QFETCH(int, kind);
        QFETCH(QString, row);
        const QStringList fields = row.split(u'|');
        const QStringList texts = fields[3].split(u' ');
        const QString &name = fields[4];
        PlaneHarness &plane = *m_plane;
        setFigureOf(points(fields[1]));
        confirmStep(plane, kind, numbers(fields[0]));
        QCOMPARE(plane.labelText("Label2"), QString());
        plane.button("continua")->click();
        QStringList running;
        for (const QTimer *timer : plane.window()->findChildren<QTimer *>())
            if (timer->isActive() && !timer->objectName().isEmpty())
                running << timer->objectName();
        // The symmetry is drawn at once and needs no timer.
        QCOMPARE(running, kind == Simmetria ? QStringList() : QStringList(name));
        int events = plane.frame(kind) ? 1 : 0;
        // A shear names itself in every frame, the others when they end.
        if (kind == Inclinazione)
            QCOMPARE(plane.labelText("Label2"), name);
        while (plane.frame(kind))
            ++events;
        QCOMPARE(std::max(events - 1, 0), fields[2].toInt()); // the event that ends the step draws none
        QCOMPARE(plane.labelText("Label2"), name);
        QCOMPARE(recordedTexts(1, int(texts.size())), texts);
        QCOMPARE(plane.labelText("Label1"), QString());
        QList<QPointF> image;
        for (const QString &text : texts)
            image << QPointF(text.section(u';', 0, 0).toDouble(), text.section(u';', 1, 1).toDouble());
        QVERIFY(plane.lettersAt(image, Aqua));
        // Back to choosing the one transformation; nothing to superimpose.
        QCOMPARE(plane.controls(), QStringLiteral("EDDEDEEEED"));
    }

    // A symmetry's red centre (radius 3) and axis, a homothety's grey rays
    // and lime centre with their option on; nothing of them with it off.
    void elements_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("row"); // parameters but the option | figure | points | their colours
        // Lattice points of each ray on both sides of the centre, then the centre.
        const QString rays = u"-1 1 1 1|6 4, 8 -2, 2 -6|15 13, 20 16, 5 7, -5 1, 17 7, 24 4, 3 13, -4 16, 11 3, 12 -4, "
                             "9 17, 8 24, 10 10, 12 10, 8 10, 10 12|"_qs + u"808080 "_qs.repeated(12) + u"ff00 ff00 ff00 ff00"_qs;
        for (int shown : {1, 0}) {
            const char *state = shown ? "shown" : "not shown";
            QTest::addRow("symmetry centre %s", state) << int(Simmetria) << bool(shown) << u"0 -5 -3|-|-50 -30, -48 -30, -52 -30, -50 -28, "
                                                                            "-50 -32, -56 -30|ff0000 ff0000 ff0000 ff0000 ff0000 0"_qs;
            QTest::addRow("symmetry axis %s", state) << int(Simmetria) << bool(shown) << u"3 0 0|-|-150 -150, -35 -35, -1 -1, 1 1, 60 60, "
                                                                          "130 130|"_qs + u"ff0000 "_qs.repeated(6).trimmed();
            QTest::addRow("homothety rays %s", state) << int(Omotetia) << bool(shown) << rays;
        }
    }

    void elements()
    {
        QFETCH(int, kind);
        QFETCH(bool, shown);
        QFETCH(QString, row);
        const QStringList fields = row.split(u'|');
        const QList<QPoint> offsets = points(fields[2]);
        const QStringList colours = fields[3].split(u' ');
        PlaneHarness &plane = *m_plane;
        setFigureOf(points(fields[1]));
        confirmStep(plane, kind, numbers(fields[0]) << (shown ? 1 : 0));
        plane.continueStep(kind);
        QStringList wrong;
        for (int i = 0; i < offsets.size(); ++i) {
            const QRgb colour = plane.pixel(at(plane, offsets[i]));
            if (shown ? colour != colours[i].toUInt(nullptr, 16) : colour != Black && colour != Silver)
                wrong << QStringLiteral("%1, %2 %3").arg(offsets[i].x()).arg(offsets[i].y()).arg(colour, 6, 16);
        }
        QCOMPARE(wrong, QStringList());
    }

    // The axis y = x is one pixel wide; a dotted join runs from A to A'.
    void symmetryJoins()
    {
        PlaneHarness &plane = *m_plane;
        confirmStep(plane, Simmetria, {3, 0, 0, 1});
        plane.button("continua")->click();
        QCOMPARE(found(plane, points(u"-59 -60, -61 -60, 2 1, 34 35"_qs), Red, true), QStringList());
        // The letters cover the join's ends; the axis crosses it at i = 20.
        int silver = 0;
        for (int i = 13; i <= 27; ++i) {
            const QRgb colour = plane.pixel(at(plane, {150 - i, 110 + i}));
            QVERIFY(i == 20 || colour == Silver || colour == Black);
            silver += i != 20 && colour == Silver;
        }
        QVERIFY2(silver >= 3 && silver <= 11, qPrintable(QString::number(silver)));
    }

    // A circle's image: a positive radius for a negative ratio, the
    // radius kept by translations, an ellipse that records its centre alone
    // for a shear; composed twice, only the kinds that keep it a circle.
    void circleImages_data()
    {
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<QString>("row"); // circle | parameters of each step | texts | on the image | off it
        QTest::newRow("homothety k = -2") << QList<int>{Omotetia}
                                          << "7 4, 4 4|-1 2 0 0||-14.0;-8.0 8.0;8.0|-220 -80, -60 -80, -140 0, -140 -160|"
                                             "-221 -80, -59 -80, -140 1";
        QTest::newRow("translations (9, -3), (9, -8)")
            << QList<int>{Traslazione, Traslazione}
            << "-12 6, 4 4|9 -3|9 -8|6.0;-5.0 4.0;4.0|20 -50, 100 -50, 60 -10, 60 -90|19 -50, 101 -50, 60 -9";
        // x + y along x: the degrees 0, 90 and 180 of the circle.
        QTest::newRow("shear 1 along x") << QList<int>{Inclinazione}
                                         << "5 3, 10 10|0 1||8.0;3.0 ;|180 30, 180 130, -20 30|150 30, 50 130";
    }

    void circleImages()
    {
        QFETCH(QList<int>, kinds);
        QFETCH(QString, row);
        const QStringList fields = row.split(u'|');
        const QList<QPoint> circle = points(fields[0]);
        PlaneHarness &plane = *m_plane;
        setFigure(4, {circle[0], circle[1]});
        for (int slot = 1; slot <= kinds.size(); ++slot)
            setParameters(slot, kinds[slot - 1], numbers(fields[slot]));
        plane.setTransformations(int(kinds.size()));
        plane.confirmFigure();
        QCOMPARE(plane.combo("trasfuno")->count(), kinds.size() == 2 ? 4 : 7);
        for (int slot = 1; slot <= kinds.size(); ++slot)
            plane.confirmKind(slot, kinds[slot - 1]);
        for (int kind : kinds)
            plane.continueStep(kind);
        QCOMPARE(recordedTexts(int(kinds.size()), 2), fields[3].split(u' '));
        const QRgb colour = kinds.size() == 2 ? Lime : Aqua;
        QCOMPARE(found(plane, points(fields[4]), colour, false), QStringList());
        QCOMPARE(found(plane, points(fields[5]), colour, true), QStringList());
    }

    // A step drawn at once leaves its whole picture as the overlay's.
    void figureResultPicture()
    {
        PlaneHarness &plane = *m_plane;
        setFigure(1, {{3, 2}, {-4, 2}});
        confirmStep(plane, Simmetria, {1, -2, 0, 1});
        plane.continueStep(Simmetria);
        const QImage &result = plane.window()->figureResultBitmap();
        QCOMPARE(result.pixel(at(plane, {-30, 20})) & 0xFFFFFF, Aqua);
        const QImage &canvas = plane.window()->canvas();
        const QRect area(0, 0, canvas.width(), canvas.height() - plane.window()->panelHeight());
        QCOMPARE(result.copy(area), canvas.copy(area));
    }

    // Two shears, along y by 0.5 and along x by -1, set in their dialogs:
    // each step uses its own slot's axis and sign, in both sequences.
    void twoShearsEachOnItsAxis()
    {
        PlaneHarness &plane = *m_plane;
        setFigure(1, {{2, 3}, {4, 3}});
        plane.setTransformations(2);
        plane.confirmFigure();
        for (int slot : {1, 2}) {
            GuiTest::whenModalOpens([slot](QWidget *dialog) {
                DialogDriver::chooseItem(dialog, slot == 1 ? u"sceltasse1"_qs : u"sceltasse0"_qs);
                DialogDriver::chooseItem(dialog, slot == 1 ? u"segnokappa0"_qs : u"segnokappa1"_qs);
                DialogDriver::spin(dialog, u"pdily"_qs)->setValue(slot == 1 ? 5 : 10);
                DialogDriver::pressOk(dialog);
            });
            plane.choose(slot == 1 ? "trasfuno" : "trasfdue", Inclinazione);
        }
        const int frames[] = {11, 21, 21, 11};
        const char *const stages[] = {"2.0;4.0 4.0;5.0", "-2.0;4.0 -1.0;5.0", "-1.0;3.0 1.0;3.0", "-1.0;2.5 1.0;3.5"};
        for (int stage = 1; stage <= 4; ++stage) {
            if (stage == 3)
                plane.button("inversa")->click();
            QCOMPARE(plane.continueStep(Inclinazione), frames[stage - 1]);
            QCOMPARE(recordedTexts(stage, 2).join(u' '), QString::fromLatin1(stages[stage - 1]));
        }
    }

    // Every kind tells of a figure carried wholly off the drawing area (x
    // beyond 49.8); one vertex in is enough, a circle's centre alone counts.
    void figureCarriedOffScreen_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<double>>("parameters");
        QTest::addColumn<bool>("circle");
        QTest::addColumn<bool>("off");
        const auto row = [](const char *name, int kind, const char *p, bool circle, bool off) {
            QTest::newRow(name) << kind << numbers(QString::fromLatin1(p)) << circle << off;
        };
        row("translation by 30", Traslazione, "30 0", false, true);
        row("translation by 29, one vertex in", Traslazione, "29 0", false, false);
        row("circle's centre moved out", Traslazione, "30 0", true, true);
        row("homothety 2 about (-36, -25)", Omotetia, "1 2 -36 -25", false, true);
        row("dilation 5 x 1", Dilatazione, "5 1", false, true);
        row("shear of a circle by 5", Inclinazione, "0 5", true, true);
        row("affinity x' = x + 100", Affinita, "100 1 0 0 0 1", false, true);
        row("symmetry about x = -10", Simmetria, "1 -10 0", false, false);
    }

    void figureCarriedOffScreen()
    {
        QFETCH(int, kind);
        QFETCH(QList<double>, parameters);
        QFETCH(bool, circle);
        QFETCH(bool, off);
        PlaneHarness &plane = *m_plane;
        if (circle)
            setFigure(4, {{20, 20}, {15, 15}});
        else
            setFigure(2, {{20, 15}, {22, 15}, {20, 17}});
        confirmStep(plane, kind, parameters);
        plane.continueStep(kind);
        QCOMPARE(plane.labelText("Label1"), off ? u"Figura fuori schermo"_qs : QString());
        QVERIFY(plane.button("nuova")->isEnabled());
    }

    // An affinity runs on its own dialog's confirmation, whatever the
    // calculator's last evaluation left: refused, nothing changes but the message.
    void affinityRunsOnItsConfirmation()
    {
        PlaneHarness &plane = *m_plane;
        confirmStep(plane, Affinita, {0, 0, 1, 0, 1, 0});
        // Cancelled with the flag a refused coefficient leaves.
        GuiTest::whenModalOpens([](QWidget *dialog) { DialogDriver::pressCancel(dialog); });
        plane.choose("trasfuno", Affinita);
        TransformSettings.AffineConfirmed[1] = false;
        Evaluator.Evaluate(QStringLiteral("2+2"));
        QVERIFY(Evaluator.EvalOk);
        const QString before = plane.controls();
        QCOMPARE(before, QStringLiteral("EDEEDDEDED"));
        const QImage picture = plane.window()->canvas().copy();
        plane.button("continua")->click();
        QCOMPARE(plane.controls(), before);
        QCOMPARE(plane.messageLine(), noticeText(AffinityNotConfirmed));
        QCOMPARE(plane.window()->canvas(), picture);
        QCOMPARE(recordedTexts(1, 3), (QStringList{";", ";", ";"}));
        QCOMPARE(plane.labelText("Label2"), QString());

        plane.confirmKind(1, Affinita);
        Evaluator.Evaluate(QStringLiteral("1/0"));
        QVERIFY(!Evaluator.EvalOk);
        plane.button("continua")->click();
        QCOMPARE(recordedTexts(1, 3), (QStringList{"11.0;15.0", "9.0;10.0", "4.0;21.0"}));
        QCOMPARE(plane.labelText("Label2"), QString::fromUtf8("affinità"));
        QVERIFY(plane.lettersAt({{11, 15}, {9, 10}, {4, 21}}, Aqua));
    }

    // Every extreme off the axes; at 33% the bounds fall on x.667, which
    // tells rounding from truncation.
    void circleAtEachScale_data()
    {
        QTest::addColumn<int>("zoomItem");
        QTest::newRow("100%") << 0;
        QTest::newRow("33%") << 2;
    }

    void circleAtEachScale()
    {
        QFETCH(int, zoomItem);
        PlaneHarness &plane = *m_plane;
        setTranslation(1, -9, -7);
        setFigure(4, {{7, 4}, {5, 5}});
        plane.confirmFigure();
        const int h = QFontMetrics(plane.window()->canvasFont()).height();
        QVERIFY(plane.textAt(plane.screen(7, 4) + QPoint(2, -h), QStringLiteral("0"), White)); // the centre's name
        plane.confirmKind(1, Traslazione);
        plane.continueStep(Traslazione);
        plane.choose("czoom", zoomItem);
        const int zoom = zoomItem + 1;
        const QPoint a = expectedScreen(plane, {7, 4}, zoom);
        const long double r = 50.0L / zoom;
        QCOMPARE(outlineFaults(plane, a, r, White), QStringList());
        // The frames round the radius before they place the box.
        QCOMPARE(plane.continueStep(Traslazione), 91);
        QCOMPARE(outlineFaults(plane, expectedScreen(plane, {-2, -3}, zoom), nearest(r), Aqua), QStringList());
        QCOMPARE(outlineFaults(plane, a, r, White), QStringList());
        // A new figure is drawn at the scale chosen before it.
        plane.confirmFigure();
        QCOMPARE(outlineFaults(plane, a, r, White), QStringList());
    }

    // A lone vertex is every extreme at once: its letter goes right and below.
    void pointDrawsOnlyItsLetter()
    {
        PlaneHarness &plane = *m_plane;
        setFigure(0, {{5, 5}});
        plane.confirmFigure();
        const QFontMetrics metrics(plane.window()->canvasFont());
        const int w = metrics.horizontalAdvance(QStringLiteral("A"));
        const QPoint a = plane.screen(5, 5);
        const QRect letter(a + QPoint(roundToInt(w / 2.0L), 0), QSize(w, metrics.height()));
        QVERIFY(plane.textAt(letter.topLeft(), QStringLiteral("A"), White));
        const QImage withPoint = plane.window()->canvas();
        plane.window()->FormActivate(); // the grid and the axes alone
        const QImage &scene = plane.window()->canvas();
        for (int y = 0; y < scene.height(); ++y)
            for (int x = 0; x < scene.width(); ++x)
                if (withPoint.pixel(x, y) != scene.pixel(x, y))
                    QVERIFY2(letter.contains(x, y) || QPoint(x, y) == a, qPrintable(u"%1, %2"_qs.arg(x).arg(y)));
    }

    // The bottom panel from its right end: 5 pixels between controls, 2
    // before a label; the read-out (four characters each) between two bevels.
    void bottomPanel()
    {
        PlaneHarness &plane = *m_plane;
        auto *panel = plane.window()->findChild<QWidget *>(u"sotto"_qs);
        auto left = [panel](const QString &name) { return panel->findChild<QWidget *>(name)->x(); };
        auto right = [panel](const QString &name) { return panel->findChild<QWidget *>(name)->geometry().right() + 1; };
        // Bevels are placed by their left edges, everything else by its right.
        const QStringList row = u"Bevel2 Label4 Bevel3 triangoli Label2 Bevel4 grafici Label3 Bevel5 Panel1"_qs.split(u' ');
        QStringList gaps;
        for (int i = 0; i + 1 < row.size(); ++i)
            gaps << QString::number(left(row[i + 1]) - (row[i].startsWith(u"Bevel") ? left(row[i]) : right(row[i])));
        gaps << QString::number(panel->width() - right(u"Panel1"_qs));
        QCOMPARE(gaps.join(u' '), u"5 5 5 2 5 5 2 5 5 5"_qs);
        const int readout = right(u"Label5"_qs) - left(u"Label5"_qs);
        QCOMPARE(left(u"Label5"_qs), (left(u"Bevel1"_qs) + left(u"Bevel2"_qs) - readout) / 2);
        QWidget *surface = plane.window()->widget();
        const QPoint mouse = plane.origin() + QPoint(-355, -125);
        QMouseEvent move(QEvent::MouseMove, mouse, surface->mapToGlobal(mouse), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &move);
        QCOMPARE(plane.labelText("Label5"), QStringLiteral("-35., 12.5"));
    }

    void aiutoOpensTopic201()
    {
        m_plane->button("aiuto")->click();
        HelpViewer *viewer = HelpViewer::current();
        QVERIFY(viewer);
        QCOMPARE(viewer->currentPage(), HelpSet::topicUrl(201));
        delete viewer;
    }

    // The frame reflected about x = 2 drawn with its heads the right way
    // round: the x arrow points left; mirrored head pixels are not aqua.
    void arrowTips()
    {
        PlaneHarness &plane = *m_plane;
        TransformSettings.SymmetryKind[1] = 1;
        TransformSettings.SymmetryCentreX[1] = 2;
        plane.choose("tipi", 1);
        plane.runLesson(Simmetria);
        for (const QPoint &point : {QPoint(30, 0), QPoint(33, 1), QPoint(40, -10), QPoint(39, -7)})
            QCOMPARE(plane.pixel(plane.origin() + point), Aqua);
        for (const QPoint &point : {QPoint(47, -1), QPoint(41, 7)})
            QVERIFY(plane.pixel(plane.origin() + point) != Aqua);
    }

    // "x" and "y" follow their half-axes; a change of frame records no
    // image, not even an earlier figure's.
    void frameLettersAndTexts()
    {
        PlaneHarness &plane = *m_plane;
        setTranslation(1, 3, 2);
        plane.runLesson(Traslazione);
        plane.choose("tipi", 1);
        plane.runLesson(Traslazione);
        QCOMPARE(TransformSettings.VertexTextX[0][1], QString());
        const QPoint crossing = plane.origin() + QPoint(30, -20);
        const int originY = plane.origin().y();
        auto *stx = plane.find<QLabel>("stx");
        auto *sty = plane.find<QLabel>("sty");
        QVERIFY(stx->isVisible() && sty->isVisible());
        QCOMPARE(stx->x(), crossing.x() + originY / 2);
        QVERIFY(stx->y() > crossing.y() && stx->y() < crossing.y() + 20);
        QVERIFY(sty->x() > crossing.x() && sty->x() < crossing.x() + 20);
        QCOMPARE(sty->y(), crossing.y() - originY / 2);
    }

    // "Assi" offers all kinds but the affinity, even after a circle composed
    // twice; the shear runs there as the others do.
    void frameModeKinds()
    {
        PlaneHarness &plane = *m_plane;
        plane.setTransformations(2);
        setFigure(4, {{2, 3}, {5, 5}});
        plane.confirmFigure();
        plane.choose("tipi", 1);
        plane.confirmFigure();
        QCOMPARE(plane.combo("trasfuno")->count(), 6);
        QCOMPARE(plane.combo("trasfuno")->itemText(5), u"inclinazione"_qs);
        plane.setTransformations(1);
        TransformSettings.ShearX[1] = 0.5f;
        plane.runLesson(Inclinazione);
        QCOMPARE(plane.labelText("Label3"), u"inclinazione"_qs);
    }

    // `sovra` needs a change of frame and a figure step, and shows the OR
    // of their pictures.
    void overlay()
    {
        PlaneHarness &plane = *m_plane;
        setTranslation(1, 3, 2);
        plane.choose("tipi", 1);
        plane.runLesson(Traslazione);
        QVERIFY(!plane.button("sovra")->isEnabled());
        plane.choose("tipi", 0);
        plane.runLesson(Traslazione);
        QVERIFY(plane.button("sovra")->isEnabled());
        const QImage figure = plane.window()->figureResultBitmap();
        const QImage frame = plane.window()->frameResultBitmap();
        plane.button("cancella")->click();
        plane.button("sovra")->click();
        const QImage &shown = plane.window()->canvas();
        QCOMPARE(frame.size(), QSize(shown.width(), shown.height() - plane.window()->panelHeight()));
        QCOMPARE(figure.size(), frame.size());
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                if (shown.pixel(x, y) != (frame.pixel(x, y) | figure.pixel(x, y)))
                    QFAIL(qPrintable(u"not the OR at %1, %2"_qs.arg(x).arg(y)));
        QCOMPARE(plane.pixel(plane.origin() + QPoint(30, -95)), Aqua); // the moved y axis
        QCOMPARE(plane.pixel(plane.screen(15.5, 12)), Aqua);           // the middle of A'B'
    }
};

QTEST_MAIN(TestTgeoWorkspace)
#include "tst_tgeoworkspace.moc"
