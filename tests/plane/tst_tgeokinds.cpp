#include "planeharness.h"

#include "calc/expressionevaluator.h"
#include "lang/languagetables.h"
#include "dialogs/spincontrol.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QComboBox>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cmath>

using namespace Colour;

namespace {

// Nearest integer, ties to even, computed here rather than taken from the
// code's mapping so that a fault there shows.
int nearest(long double value)
{
    return int(std::lrint(value));
}

// Pixel offsets from the origin, y upwards, as a grid point at 100% is
// written in tenths.
QPoint at(const PlaneHarness &plane, int dx, int dy)
{
    return plane.origin() + QPoint(dx, -dy);
}

void setSymmetry(int slot, int kind, int cx, int cy, bool element)
{
    TransformSettings.SymmetryKind[slot] = quint8(kind);
    TransformSettings.SymmetryCentreX[slot] = cx;
    TransformSettings.SymmetryCentreY[slot] = cy;
    TransformSettings.ShowSymmetryElement[slot] = element;
}

void setHomothety(int slot, int sign, float ratio, int cx, int cy, bool centre)
{
    TransformSettings.HomothetySign[slot] = qint8(sign);
    TransformSettings.HomothetyRatio[slot] = ratio;
    TransformSettings.HomothetyCentreX[slot] = cx;
    TransformSettings.HomothetyCentreY[slot] = cy;
    TransformSettings.ShowHomothetyCentre[slot] = centre;
}

void setDilation(int slot, float fx, float fy)
{
    TransformSettings.DilationX[slot] = fx;
    TransformSettings.DilationY[slot] = fy;
}

// As the shear dialog stores it: the magnitude in the entry of the axis,
// 0 in the other, the sign apart.
void setShear(int slot, int axis, float k)
{
    TransformSettings.ShearAxis[slot] = quint8(axis);
    TransformSettings.ShearSign[slot] = k < 0 ? 1 : 0;
    TransformSettings.ShearX[slot] = axis == 0 ? std::abs(k) : 0.0f;
    TransformSettings.ShearY[slot] = axis == 1 ? std::abs(k) : 0.0f;
}

// The six coefficients c, a, b, c', a', b' as the affinity dialog keeps
// them: typed texts and their values.
void setAffinity(int slot, const QList<double> &coefficients)
{
    AffineTexts texts;
    AffineMatrix matrix{};
    for (int i = 0; i < 6; ++i) {
        texts[size_t(i)] = QString::number(coefficients[i]);
        matrix[size_t(i / 3)][size_t(i % 3)] = float(coefficients[i]);
    }
    TransformSettings.AffineText[slot] = texts;
    TransformSettings.AffineCoeff[slot] = matrix;
}

// The parameters of one row of a data table, by kind: symmetry (kind, cx,
// cy), homothety (sign, ratio, cx, cy), dilation (fx, fy), shear (axis, k),
// affinity (c, a, b, c', a', b').
void setParameters(int slot, int kind, const QList<double> &p)
{
    switch (kind) {
    case Simmetria: setSymmetry(slot, int(p[0]), int(p[1]), int(p[2]), false); break;
    case Omotetia: setHomothety(slot, int(p[0]), float(p[1]), int(p[2]), int(p[3]), false); break;
    case Dilatazione: setDilation(slot, float(p[0]), float(p[1])); break;
    case Inclinazione: setShear(slot, int(p[0]), float(p[1])); break;
    default: setAffinity(slot, p); break;
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

// A kind chosen in the combo box of `slot` and its dialog cancelled.
void cancelKind(PlaneHarness &plane, int slot, int kind)
{
    GuiTest::whenModalOpens(
        [](QWidget *dialog) { dialog->findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click(); });
    plane.choose(slot == 1 ? "trasfuno" : "trasfdue", kind);
}

QString hex(QRgb colour)
{
    return QStringLiteral("%1").arg(colour, 6, 16, QLatin1Char('0'));
}

// "x, y colour" for each pixel, to compare lists of pixels at once.
QStringList colours(const PlaneHarness &plane, const QList<QPoint> &pixels)
{
    QStringList texts;
    for (const QPoint &p : pixels)
        texts << QStringLiteral("%1, %2 %3").arg(p.x()).arg(p.y()).arg(hex(plane.pixel(p)));
    return texts;
}

QStringList allOf(const QList<QPoint> &pixels, QRgb colour)
{
    QStringList texts;
    for (const QPoint &p : pixels)
        texts << QStringLiteral("%1, %2 %3").arg(p.x()).arg(p.y()).arg(hex(colour));
    return texts;
}

// The pixels of `colour` inside `area` of the canvas.
QSet<QPoint> pixelsOf(const PlaneHarness &plane, const QRect &area, QRgb colour)
{
    QSet<QPoint> found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (plane.pixel(QPoint(x, y)) == colour)
                found.insert(QPoint(x, y));
    return found;
}

} // namespace

class TestTgeoKinds : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    // The five animation timers: 50 ms each but the shear's 2 ms, all
    // quiet at rest.
    void timersAtRest()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        QStringList timers;
        for (const char *name : {"traslazione", "rotazione", "omotetia", "dilatazione", "inclinazione"}) {
            const QTimer *timer = plane.window()->findChild<QTimer *>(QString::fromLatin1(name));
            QVERIFY2(timer, name);
            timers << QStringLiteral("%1 %2 ms%3").arg(QLatin1String(name)).arg(timer->interval())
                          .arg(timer->isActive() ? QStringLiteral(" running") : QString());
        }
        QCOMPARE(timers, (QStringList{"traslazione 50 ms", "rotazione 50 ms", "omotetia 50 ms", "dilatazione 50 ms",
                                      "inclinazione 2 ms"}));
    }

    // Each kind run alone on a figure: the frames drawn, the coordinates
    // recorded (one decimal, at most five characters), the kind's name in
    // `Label2` and the letters in aqua on the image. The exact values are
    // the point: a dilation or a shear ends on the reals it draws.
    void eachKindAlone_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<double>>("parameters");
        QTest::addColumn<QList<QPoint>>("figure");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("name");
        const QList<QPoint> triangle{{15, 11}, {10, 9}, {21, 4}};
        QTest::newRow("symmetry about y = x") << int(Simmetria) << QList<double>{3, 0, 0} << triangle << 0
                                              << QStringList{"11.0;15.0", "9.0;10.0", "4.0;21.0"} << "simmetria";
        QTest::newRow("symmetry about (1, -2)") << int(Simmetria) << QList<double>{0, 1, -2} << triangle << 0
                                                << QStringList{"-13.0;-15.0", "-8.0;-13.0", "-19.0;-8.0"}
                                                << "simmetria";
        QTest::newRow("homothety 1.5 about (-1, 1)") << int(Omotetia) << QList<double>{1, 1.5, -1, 1} << triangle
                                                     << 11 << QStringList{"23.0;16.0", "15.5;13.0", "32.0;5.5"}
                                                     << "omotetia";
        QTest::newRow("homothety -0.5 about (-1, 1)")
            << int(Omotetia) << QList<double>{-1, 0.5, -1, 1} << triangle << 31
            << QStringList{"-9.0;-4.0", "-6.5;-3.0", "-12.0;-0.5"} << "omotetia";
        QTest::newRow("homothety 1") << int(Omotetia) << QList<double>{1, 1, -1, 1} << triangle << 1
                                     << QStringList{"15.0;11.0", "10.0;9.0", "21.0;4.0"} << "omotetia";
        QTest::newRow("dilation 2 x 1") << int(Dilatazione) << QList<double>{2, 1} << triangle << 21
                                        << QStringList{"30.0;11.0", "20.0;9.0", "42.0;4.0"} << "dilatazione";
        QTest::newRow("dilation 1 x 1") << int(Dilatazione) << QList<double>{1, 1} << triangle << 1
                                        << QStringList{"15.0;11.0", "10.0;9.0", "21.0;4.0"} << "dilatazione";
        QTest::newRow("dilation 1.5 x 0.5 keeps the halves")
            << int(Dilatazione) << QList<double>{1.5, 0.5} << QList<QPoint>{{3, 2}, {-3, 5}, {7, -3}} << 11
            << QStringList{"4.5;1.0", "-4.5;2.5", "10.5;-1.5"} << "dilatazione";
        QTest::newRow("shear -1 along x") << int(Inclinazione) << QList<double>{0, -1}
                                          << QList<QPoint>{{2, 3}, {-4, 1}} << 21
                                          << QStringList{"-1.0;3.0", "-5.0;1.0"} << "inclinazione";
        QTest::newRow("shear 0.5 along x keeps the halves")
            << int(Inclinazione) << QList<double>{0, 0.5} << QList<QPoint>{{2, 3}, {-4, 1}} << 11
            << QStringList{"3.5;3.0", "-3.5;1.0"} << "inclinazione";
        QTest::newRow("shear 1.5 along y") << int(Inclinazione) << QList<double>{1, 1.5}
                                           << QList<QPoint>{{3, 1}, {-2, 6}, {0, -4}} << 31
                                           << QStringList{"3.0;5.5", "-2.0;3.0", "0.0;-4.0"} << "inclinazione";
        QTest::newRow("affinity of the start values") << int(Affinita) << QList<double>{-6, 2, 0, -12, 1, 1.5}
                                                      << triangle << 0
                                                      << QStringList{"24.0;19.5", "14.0;11.5", "36.0;15.0"}
                                                      << QString::fromUtf8("affinità");
    }

    void eachKindAlone()
    {
        QFETCH(int, kind);
        QFETCH(QList<double>, parameters);
        QFETCH(QList<QPoint>, figure);
        QFETCH(int, frames);
        QFETCH(QStringList, texts);
        QFETCH(QString, name);
        GuiTest::Fixture fixture;
        Language.LanguageIndex = Italian;
        PlaneHarness plane;
        setFigureOf(figure);
        setParameters(1, kind, parameters);
        plane.confirmFigure();
        plane.confirmKind(1, kind);
        QCOMPARE(plane.labelText("Label2"), QString());
        plane.button("continua")->click();
        // The kind's own timer runs alone; the kinds drawn at once need none.
        const QString timerOfKind = QStringList{"", "", "", "omotetia", "dilatazione", "inclinazione", ""}[kind];
        QStringList running;
        for (const QTimer *timer : plane.window()->findChildren<QTimer *>())
            if (timer->isActive() && !timer->objectName().isEmpty())
                running << timer->objectName();
        QCOMPARE(running, timerOfKind.isEmpty() ? QStringList() : QStringList(timerOfKind));
        QCOMPARE(plane.runStep(kind), frames);
        QCOMPARE(recordedTexts(1, int(figure.size())), texts);
        QCOMPARE(plane.labelText("Label2"), name);
        QCOMPARE(plane.labelText("Label1"), QString());

        QList<QPointF> image;
        for (const QString &text : texts)
            image << QPointF(text.section(u';', 0, 0).toDouble(), text.section(u';', 1, 1).toDouble());
        // The letters of the last frame, which lies on the image.
        switch (image.size()) {
        case 2: QVERIFY(plane.lettersAt({image[0], image[1]}, Aqua)); break;
        default: QVERIFY(plane.lettersAt({image[0], image[1], image[2]}, Aqua)); break;
        }
        // One transformation: the lesson goes back to choosing it; no
        // change of frame has run, so there is nothing to superimpose.
        QCOMPARE(plane.controls(), QStringLiteral("EDDEDEEEED"));
    }

    // The symmetry about y = x with its element shown: the red axis at 45
    // degrees through the origin, one pixel wide, and a dotted silver join
    // from A (15, 11) to its image (11, 15), across the axis.
    void symmetryAxisAndJoins()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setSymmetry(1, 3, 0, 0, true);
        plane.confirmFigure();
        plane.confirmKind(1, Simmetria);
        plane.button("continua")->click();

        QList<QPoint> axis;
        QList<QPoint> beside;
        for (int d : {-150, -60, -35, -1, 0, 1, 35, 60}) {
            axis << at(plane, d, d);
            beside << at(plane, d + 1, d) << at(plane, d - 1, d);
        }
        QCOMPARE(colours(plane, axis), allOf(axis, Red));
        for (const QPoint &p : beside)
            QVERIFY2(plane.pixel(p) != Red, qPrintable(colours(plane, {p}).first()));

        // The join runs from (150, 110) to (110, 150) in pixels; the letters
        // of A and of its image cover its ends, and the axis crosses it at
        // its middle.
        int silver = 0;
        int black = 0;
        for (int i = 13; i <= 27; ++i) {
            if (i == 20)
                continue;
            const QRgb colour = plane.pixel(at(plane, 150 - i, 110 + i));
            QVERIFY2(colour == Silver || colour == Black, qPrintable(hex(colour)));
            (colour == Silver ? silver : black)++;
        }
        QVERIFY2(silver >= 3 && black >= 3, qPrintable(QStringLiteral("%1 silver, %2 black").arg(silver).arg(black)));
        QCOMPARE(plane.pixel(at(plane, 130, 130)), Red);
        QVERIFY(plane.lettersAt({{11, 15}, {9, 10}, {4, 21}}, Aqua));
    }

    // The symmetry about a point: a red dot of radius 3 on the centre with
    // the option on, nothing there with it off.
    void symmetryCentreMark_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("shown") << true;
        QTest::newRow("not shown") << false;
    }

    void symmetryCentreMark()
    {
        QFETCH(bool, shown);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setSymmetry(1, 0, -5, -3, shown);
        plane.confirmFigure();
        plane.confirmKind(1, Simmetria);
        plane.button("continua")->click();
        // The centre is a grid dot when nothing covers it.
        QCOMPARE(plane.pixel(at(plane, -50, -30)), shown ? Red : Silver);
        const QList<QPoint> dot{at(plane, -48, -30), at(plane, -52, -30), at(plane, -50, -28), at(plane, -50, -32)};
        QCOMPARE(colours(plane, dot), allOf(dot, shown ? Red : Black));
        QCOMPARE(plane.pixel(at(plane, -56, -30)), Black);
        QCOMPARE(recordedTexts(1, 1), QStringList("-25.0;-17.0"));
    }

    // Drawn at once, the symmetry's picture is complete, letters and all,
    // when it becomes the overlay's figure picture.
    void symmetryResultPicture()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setSymmetry(1, 1, -2, 0, true);
        plane.confirmFigure();
        plane.confirmKind(1, Simmetria);
        plane.button("continua")->click();
        const QImage &canvas = plane.window()->canvas();
        const QRect area(0, 0, canvas.width(), canvas.height() - plane.window()->panelHeight());
        QCOMPARE(plane.window()->figureResultBitmap().copy(area), canvas.copy(area));
        QVERIFY(plane.lettersAt({{-19, 11}, {-14, 9}, {-25, 4}}, Aqua));
    }

    // Translation by (3, 0), then the symmetry about y = x: A (1, 0) goes to
    // (4, 0) and then (0, 4); in the inverse order to (0, 1), then (3, 1).
    // Both final images stay on the screen.
    void compositionWithSymmetry()
    {
        GuiTest::Fixture fixture;
        Language.LanguageIndex = Italian;
        PlaneHarness plane;
        setFigure(1, {{1, 0}, {2, 2}});
        setTranslation(1, 3, 0);
        setSymmetry(2, 3, 0, 0, false);
        plane.confirmTwoSteps(Traslazione, Simmetria);

        plane.continueStep(Traslazione);
        QCOMPARE(recordedTexts(1, 2), (QStringList{"4.0;0.0", "5.0;2.0"}));
        plane.button("continua")->click();
        QCOMPARE(recordedTexts(2, 2), (QStringList{"0.0;4.0", "2.0;5.0"}));
        QVERIFY(plane.lettersAt({{0, 4}, {2, 5}}, Lime));
        QCOMPARE(plane.messageLine(), QStringLiteral("Premere il tasto [inversa]"));
        QCOMPARE(plane.controls(), QStringLiteral("EEDEEEEEED"));

        plane.button("inversa")->click();
        plane.button("continua")->click();
        QCOMPARE(plane.labelText("Panel1"), QStringLiteral("inverse"));
        QCOMPARE(recordedTexts(3, 2), (QStringList{"0.0;1.0", "2.0;2.0"}));
        QVERIFY(plane.lettersAt({{0, 1}, {2, 2}}, Aqua));
        plane.continueStep(Traslazione);
        QCOMPARE(recordedTexts(4, 2), (QStringList{"3.0;1.0", "5.0;2.0"}));
        QVERIFY(plane.lettersAt({{3, 1}, {5, 2}}, Lime));
        // The middles of both final segments, on exact pixels of each line.
        QCOMPARE(plane.pixel(at(plane, 10, 45)), Lime);
        QCOMPARE(plane.pixel(at(plane, 40, 15)), Lime);
    }

    // Homothety k = -1 about (1, 1) of A (6, 4), B (8, -2), C (2, -6): each
    // ray runs from the vertex through the centre on to its image. Pixels on
    // the exact lattice points of each ray, on both sides of the centre,
    // beyond the lime dot; with the option off there is neither.
    void homothetyRays_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("shown") << true;
        QTest::newRow("not shown") << false;
    }

    void homothetyRays()
    {
        QFETCH(bool, shown);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(2, {{6, 4}, {8, -2}, {2, -6}});
        setHomothety(1, -1, 1.0f, 1, 1, shown);
        plane.confirmFigure();
        plane.confirmKind(1, Omotetia);
        QCOMPARE(plane.continueStep(Omotetia), 41);
        QCOMPARE(recordedTexts(1, 3), (QStringList{"-4.0;-2.0", "-6.0;4.0", "0.0;8.0"}));

        const QList<QPoint> rays{
            at(plane, 15, 13), at(plane, 20, 16), at(plane, 5, 7),  at(plane, -5, 1),   // A, then towards A'
            at(plane, 17, 7),  at(plane, 24, 4),  at(plane, 3, 13), at(plane, -4, 16),  // B, B'
            at(plane, 11, 3),  at(plane, 12, -4), at(plane, 9, 17), at(plane, 8, 24),   // C, C'
        };
        const QList<QPoint> dot{at(plane, 12, 10), at(plane, 8, 10), at(plane, 10, 12), at(plane, 10, 8)};
        QCOMPARE(plane.pixel(at(plane, 10, 10)), shown ? Lime : Silver);
        if (shown) {
            QCOMPARE(colours(plane, rays), allOf(rays, Grey));
            QCOMPARE(colours(plane, dot), allOf(dot, Lime));
        } else {
            QCOMPARE(colours(plane, rays), allOf(rays, Black));
            QCOMPARE(colours(plane, dot), allOf(dot, Black));
        }
        QVERIFY(plane.lettersAt({{-4, -2}, {-6, 4}, {0, 8}}, Aqua));
    }

    // A circle of centre (7, 4) and radius 4 scaled by 2 about the origin:
    // the last frame draws it about (14, 8) with radius 8, and the texts
    // keep centre and radius. A negative ratio gives a positive radius.
    void homothetyCircle_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("k = 2") << 1 << QStringList{"14.0;8.0", "8.0;8.0"};
        QTest::newRow("k = -2") << -1 << QStringList{"-14.0;-8.0", "8.0;8.0"};
    }

    void homothetyCircle()
    {
        QFETCH(int, sign);
        QFETCH(QStringList, texts);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(4, {{7, 4}, {4, 4}});
        setHomothety(1, sign, 2.0f, 0, 0, false);
        plane.confirmFigure();
        plane.confirmKind(1, Omotetia);
        QCOMPARE(plane.continueStep(Omotetia), sign > 0 ? 21 : 61);
        QCOMPARE(recordedTexts(1, 2), texts);
        const int cx = 140 * sign;
        const int cy = 80 * sign;
        QCOMPARE(plane.pixel(at(plane, cx, cy)), Red);
        const QList<QPoint> extremes{at(plane, cx - 80, cy), at(plane, cx + 80, cy), at(plane, cx, cy + 80),
                                     at(plane, cx, cy - 80)};
        QCOMPARE(colours(plane, extremes), allOf(extremes, Aqua));
        const QList<QPoint> outside{at(plane, cx - 81, cy), at(plane, cx + 81, cy), at(plane, cx, cy + 81)};
        QCOMPARE(colours(plane, outside), allOf(outside, Black));
    }

    // A circle composed twice: scaled by 2 about the origin, then reflected
    // in the y axis. The reflected circle keeps the radius the homothety
    // gave it, on the screen and in the texts.
    void circleScaledThenReflected()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(4, {{3, 2}, {3, 3}});
        setHomothety(1, 1, 2.0f, 0, 0, false);
        setSymmetry(2, 1, 0, 0, false);
        plane.setTransformations(2);
        plane.confirmFigure();
        QCOMPARE(plane.combo("trasfuno")->count(), 4);
        plane.confirmKind(1, Omotetia);
        plane.confirmKind(2, Simmetria);
        QCOMPARE(plane.continueStep(Omotetia), 21);
        QCOMPARE(recordedTexts(1, 2), (QStringList{"6.0;4.0", "6.0;6.0"}));
        plane.button("continua")->click();
        QCOMPARE(recordedTexts(2, 2), (QStringList{"-6.0;4.0", "6.0;6.0"}));
        QCOMPARE(plane.pixel(at(plane, -60, 40)), Red);
        const QList<QPoint> extremes{at(plane, -120, 40), at(plane, 0, 40), at(plane, -60, 100), at(plane, -60, -20)};
        QCOMPARE(colours(plane, extremes), allOf(extremes, Lime));
        const QList<QPoint> outside{at(plane, -121, 40), at(plane, -60, 101), at(plane, -60, -21)};
        QCOMPARE(colours(plane, outside), allOf(outside, Black));
    }

    // The segment (3, 2)-(-4, 2) dilated by 1.5 x 0.5: the last frame draws
    // it from (4.5, 1) to (-6, 1), and the texts say so. `Label2` names the
    // kind from the first frame on.
    void dilationLastFrame()
    {
        GuiTest::Fixture fixture;
        Language.LanguageIndex = Italian;
        PlaneHarness plane;
        setFigure(1, {{3, 2}, {-4, 2}});
        setDilation(1, 1.5f, 0.5f);
        plane.confirmFigure();
        plane.confirmKind(1, Dilatazione);
        plane.button("continua")->click();
        plane.window()->dilatazioneTimer();
        QCOMPARE(plane.labelText("Label2"), QStringLiteral("dilatazione"));
        QCOMPARE(plane.runStep(Dilatazione), 10);
        QCOMPARE(recordedTexts(1, 2), (QStringList{"4.5;1.0", "-6.0;1.0"}));
        const QList<QPoint> drawn{at(plane, 45, 10), at(plane, 44, 10), at(plane, 0, 10), at(plane, -60, 10)};
        QCOMPARE(colours(plane, drawn), allOf(drawn, Aqua));
        const QList<QPoint> past{at(plane, 46, 10), at(plane, -61, 10)};
        QCOMPARE(colours(plane, past), allOf(past, Black));
    }

    // A dilation as the first of two steps still becomes the overlay's
    // figure picture; the second step (a translation) does not.
    void dilationResultPictureWithTwoSteps()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(1, {{3, 2}, {-4, 2}});
        setDilation(1, 1.5f, 0.5f);
        setTranslation(2, 0, 5);
        plane.confirmTwoSteps(Dilatazione, Traslazione);
        plane.continueStep(Dilatazione);
        const QImage &result = plane.window()->figureResultBitmap();
        QCOMPARE(result.pixel(at(plane, 30, 10)) & 0xFFFFFF, Aqua);
        plane.continueStep(Traslazione);
        QCOMPARE(plane.pixel(at(plane, 35, 60)), Lime);
        QCOMPARE(result.pixel(at(plane, 35, 60)) & 0xFFFFFF, Black);
        QCOMPARE(recordedTexts(2, 2), (QStringList{"4.5;6.0", "-6.0;6.0"}));
    }

    // The circle of centre (5, 3) and radius 10 sheared by 1 along x: the
    // last frame is 360 separate aqua pixels, one per degree, and nothing
    // else in aqua; the texts show the sheared centre and no radius, which
    // the leaning ellipse has not.
    void shearCircle()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(4, {{5, 3}, {10, 10}});
        setShear(1, 0, 1.0f);
        plane.confirmFigure();
        plane.confirmKind(1, Inclinazione);
        QCOMPARE(plane.continueStep(Inclinazione), 21);
        QCOMPARE(recordedTexts(1, 2), (QStringList{"8.0;3.0", ";"}));

        // The coefficient of the last frame, summed as the frames sum it.
        float a = 0;
        for (int i = 0; i < 20; ++i)
            a = float(a + 0.05L);
        const QPoint o = plane.origin();
        QSet<QPoint> expected;
        QList<QPoint> ordered;
        for (int j = 0; j < 360; ++j) {
            const long double angle = j * 3.14159265358979323846264338327950288L / 180;
            const float x = float(10 * (5 + 10 * std::cos(angle)));
            const float y = float(-10 * (3 + 10 * std::sin(angle)));
            const QPoint p(nearest(x - a * (long double)y + o.x()), nearest((long double)y + o.y()));
            expected.insert(p);
            ordered << p;
        }
        const QRect area(o.x() - 300, o.y() - 300, 600, 600);
        QCOMPARE(pixelsOf(plane, area, Aqua), expected);
        // Neighbouring degrees leave gaps where the ellipse is long.
        int gaps = 0;
        for (int j = 1; j < 360; ++j)
            if (std::max(std::abs(ordered[j].x() - ordered[j - 1].x()), std::abs(ordered[j].y() - ordered[j - 1].y()))
                > 1)
                ++gaps;
        QVERIFY(gaps > 0);
    }

    // Letters in aqua after a first step and lime after a second, each on
    // its image: a homothety by 2 about the origin, then a shear by 0.5
    // along y.
    void stepColours()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(2, {{1, 1}, {4, 1}, {1, 3}});
        setHomothety(1, 1, 2.0f, 0, 0, false);
        setShear(2, 1, 0.5f);
        plane.confirmTwoSteps(Omotetia, Inclinazione);
        QCOMPARE(plane.continueStep(Omotetia), 21);
        QCOMPARE(recordedTexts(1, 3), (QStringList{"2.0;2.0", "8.0;2.0", "2.0;6.0"}));
        QVERIFY(plane.lettersAt({{2, 2}, {8, 2}, {2, 6}}, Aqua));
        QCOMPARE(plane.pixel(at(plane, 50, 20)), Aqua); // the middle of A'B'
        QCOMPARE(plane.controls(), QStringLiteral("DDEEDDEDED"));

        QCOMPARE(plane.continueStep(Inclinazione), 11);
        QCOMPARE(recordedTexts(2, 3), (QStringList{"2.0;3.0", "8.0;6.0", "2.0;7.0"}));
        QVERIFY(plane.lettersAt({{2, 3}, {8, 6}, {2, 7}}, Lime));
        QCOMPARE(plane.pixel(at(plane, 20, 50)), Lime); // the middle of A''C''
        QCOMPARE(plane.pixel(at(plane, 50, 20)), Aqua); // the first image stays
        QCOMPARE(plane.controls(), QStringLiteral("EEDEEEEEED"));
    }

    // Two shears of the segment (2, 3)-(4, 3), each confirmed in its own
    // dialog: along y by 0.5, then along x by -1. Every step shears by its
    // own slot's axis and sign, in the direct and the inverse sequence, and
    // the table shows each slot's own coefficients.
    void twoShearsEachOnItsAxis()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
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
        const QList<int> frames{11, 21, 21, 11};
        const QList<QStringList> stages{{"2.0;4.0", "4.0;5.0"}, {"-2.0;4.0", "-1.0;5.0"},
                                        {"-1.0;3.0", "1.0;3.0"}, {"-1.0;2.5", "1.0;3.5"}};
        for (int stage = 1; stage <= 4; ++stage) {
            if (stage == 3)
                plane.button("inversa")->click();
            QCOMPARE(plane.continueStep(Inclinazione), frames[stage - 1]);
            QCOMPARE(recordedTexts(stage, 2), stages[stage - 1]);
        }
        QStringList parameters;
        GuiTest::whenModalOpens([&parameters](QWidget *table) {
            for (const char *name : {"Label28", "Label33", "Label36", "Label39"})
                parameters << DialogDriver::text(table, QString::fromLatin1(name));
            DialogDriver::pressOk(table);
        });
        plane.button("Tabel")->click();
        QCOMPARE(parameters, (QStringList{"k = 0.0", "k = 0.5", "k = -1.0", "k = 0.0"}));
    }

    // A figure carried completely off the drawing area ends its step
    // normally, with the message.
    void figureCarriedOffScreen_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<double>>("parameters");
        QTest::addColumn<bool>("circle");
        QTest::addColumn<QString>("message");
        const QString off = QStringLiteral("Figura fuori schermo");
        QTest::newRow("homothety 2 about (-36, -25)") << int(Omotetia) << QList<double>{1, 2, -36, -25} << false
                                                      << off;
        QTest::newRow("homothety 1.2 about (-36, -25)") << int(Omotetia) << QList<double>{1, 1.2, -36, -25} << false
                                                        << QString();
        QTest::newRow("dilation 5 x 1") << int(Dilatazione) << QList<double>{5, 1} << false << off;
        QTest::newRow("shear of a circle by 5") << int(Inclinazione) << QList<double>{0, 5} << true << off;
        QTest::newRow("affinity x' = x + 100") << int(Affinita) << QList<double>{100, 1, 0, 0, 0, 1} << false
                                               << off;
        QTest::newRow("symmetry about x = -10") << int(Simmetria) << QList<double>{1, -10, 0} << false << QString();
    }

    void figureCarriedOffScreen()
    {
        QFETCH(int, kind);
        QFETCH(QList<double>, parameters);
        QFETCH(bool, circle);
        QFETCH(QString, message);
        GuiTest::Fixture fixture;
        Language.LanguageIndex = Italian;
        PlaneHarness plane;
        if (circle)
            setFigure(4, {{20, 20}, {3, 3}});
        else
            setFigure(2, {{20, 15}, {22, 15}, {20, 17}});
        setParameters(1, kind, parameters);
        plane.confirmFigure();
        plane.confirmKind(1, kind);
        plane.continueStep(kind);
        QCOMPARE(plane.labelText("Label1"), message);
        QVERIFY(plane.button("nuova")->isEnabled());
    }

    // `sovra` needs a change of frame and a figure-mode step: a frame-mode
    // rotation first, then a symmetry of the figure.
    void overlayAfterBothModes()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setSymmetry(1, 3, 0, 0, false);
        plane.choose("tipi", 1);
        plane.confirmFigure();
        plane.confirmKind(1, Rotazione);
        plane.button("continua")->click();
        QVERIFY(!plane.button("sovra")->isEnabled());
        plane.choose("tipi", 0);
        plane.confirmFigure();
        plane.confirmKind(1, Simmetria);
        QVERIFY(!plane.button("sovra")->isEnabled());
        plane.button("continua")->click();
        QVERIFY(plane.button("sovra")->isEnabled());
    }

    // The affinity runs on the coefficients its dialog accepted, whatever
    // the calculator's last evaluation left in the evaluator's flag. The
    // identity draws the image over the figure and writes its letters again
    // in aqua.
    void affinityIgnoresTheCalculator()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setAffinity(1, {0, 1, 0, 0, 0, 1});
        plane.confirmFigure();
        plane.confirmKind(1, Affinita);
        Evaluator.Evaluate(QStringLiteral("1/0"));
        QVERIFY(!Evaluator.EvalOk);
        plane.button("continua")->click();
        QCOMPARE(recordedTexts(1, 3), (QStringList{"15.0;11.0", "10.0;9.0", "21.0;4.0"}));
        QVERIFY(plane.lettersAt({{15, 11}, {10, 9}, {21, 4}}, Aqua));
        // A (15, 11) to B (10, 9): (125, 100) lies on the segment.
        QCOMPARE(plane.pixel(at(plane, 125, 100)), Aqua);
        QCOMPARE(plane.controls(), QStringLiteral("EDDEDEEEED"));
    }

    // An affinity whose dialog last refused its coefficients does not run,
    // even though the calculator's last evaluation succeeded: nothing is drawn or recorded,
    // every control is as it was before the press, and the message says
    // why. Confirmed afterwards, the same press runs it.
    void affinityWithoutConfirmation()
    {
        GuiTest::Fixture fixture;
        Language.LanguageIndex = Italian;
        PlaneHarness plane;
        setAffinity(1, {0, 0, 1, 0, 1, 0});
        plane.confirmFigure();
        plane.confirmKind(1, Affinita);
        // Opened again, refused on a bad coefficient, then cancelled: the box
        // keeps the affinity confirmed before, its flag no longer set.
        cancelKind(plane, 1, Affinita);
        TransformSettings.AffineConfirmed[1] = false;
        Evaluator.Evaluate(QStringLiteral("2+2"));
        QVERIFY(Evaluator.EvalOk);
        const QString before = plane.controls();
        QCOMPARE(before, QStringLiteral("EDEEDDEDED"));
        const QImage picture = plane.window()->canvas().copy();

        plane.button("continua")->click();
        QCOMPARE(plane.controls(), before);
        QCOMPARE(plane.messageLine(), noticeText(AffinityNotConfirmed));
        QVERIFY(!plane.labelText("Label1").isEmpty());
        QCOMPARE(plane.window()->canvas(), picture);
        QCOMPARE(recordedTexts(1, 3), (QStringList{";", ";", ";"}));
        QCOMPARE(plane.labelText("Label2"), QString());

        plane.confirmKind(1, Affinita);
        plane.button("continua")->click();
        QCOMPARE(recordedTexts(1, 3), (QStringList{"11.0;15.0", "9.0;10.0", "4.0;21.0"}));
        QCOMPARE(plane.labelText("Label2"), QString::fromUtf8("affinità"));
    }

    // A circle under x' = 2x: 361 pixels about the image of the centre
    // (10, 0) (each on the ellipse of half-axes 6 and 3, the first and the
    // last on one point); the texts show that centre and those half-axes.
    // The ellipse stays through the next step.
    void affinityCircle()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(4, {{5, 4}, {3, 3}});
        setAffinity(1, {0, 2, 0, 0, 0, 1});
        setTranslation(1, 0, -10);
        plane.confirmFigure();
        plane.confirmKind(1, Affinita);
        plane.button("continua")->click();
        QCOMPARE(recordedTexts(1, 2), (QStringList{"10.0;4.0", "6.0;3.0"}));
        QSet<QPoint> expected;
        const QPoint o = plane.origin();
        for (int j = 0; j <= 360; ++j) {
            const long double angle = j * 3.14159265358979323846264338327950288L / 180;
            expected.insert(QPoint(nearest((long double)float(10 * 2 * (5 + 3 * std::cos(angle))) + o.x()),
                                   nearest(float(o.y() + float(-10 * (4 + 3 * std::sin(angle)))))));
        }
        const QRect area(o.x() + 30, o.y() - 80, 140, 80);
        QCOMPARE(pixelsOf(plane, area, Aqua), expected);

        plane.confirmKind(1, Traslazione);
        plane.continueStep(Traslazione);
        QCOMPARE(pixelsOf(plane, area, Aqua), expected);
    }
};

QTEST_MAIN(TestTgeoKinds)
#include "tst_tgeokinds.moc"
