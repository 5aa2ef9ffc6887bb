#include "planeharness.h"

#include "calc/expressionevaluator.h"
#include "dialogs/spincontrol.h"
#include "lang/languagetables.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Colour;

namespace {

// Pixel offsets from the origin, y upwards, as a grid point at 100% is
// written in tenths.
QPoint at(const PlaneHarness &plane, int dx, int dy)
{
    return plane.origin() + QPoint(dx, -dy);
}

// The six coefficients c, a, b, c', a', b' as the affinity dialog keeps
// them: typed texts and their values.
void setAffinity(int slot, const QList<double> &coefficients)
{
    for (int i = 0; i < 6; ++i) {
        TransformSettings.AffineText[slot][size_t(i)] = QString::number(coefficients[i]);
        TransformSettings.AffineCoeff[slot][size_t(i / 3)][size_t(i % 3)] = float(coefficients[i]);
    }
}

// The parameters of one row of a data table, by kind: translation (dx, dy),
// rotation (angle, cx, cy), symmetry (kind, cx, cy, element shown), homothety (sign, ratio, cx, cy,
// centre shown), dilation (fx, fy), shear (axis, k: the magnitude in the
// entry of the axis, 0 in the other, the sign apart, as the dialog stores
// it), affinity (c, a, b, c', a', b').
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

// The pixels of `points` (offsets from the origin) whose colour is not the
// one wanted, as "x, y colour".
QStringList wrong(const PlaneHarness &plane, const QList<QPoint> &points, std::function<bool(QRgb)> wanted)
{
    QStringList found;
    for (const QPoint &p : points)
        if (!wanted(plane.pixel(at(plane, p.x(), p.y()))))
            found << QStringLiteral("%1, %2 %3").arg(p.x()).arg(p.y()).arg(plane.pixel(at(plane, p.x(), p.y())), 6, 16);
    return found;
}

QStringList notOf(const PlaneHarness &plane, const QList<QPoint> &points, QRgb colour)
{
    return wrong(plane, points, [colour](QRgb c) { return c == colour; });
}

const QList<QPoint> Triangle{{15, 11}, {10, 9}, {21, 4}};

} // namespace

class TestTgeoKinds : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    // Each kind run alone on a figure: its own timer alone runs, and the
    // window shows what the step computed: the frames drawn, the
    // coordinates recorded (one decimal), the kind's name in `Label2`, and
    // the letters in aqua on the image.
    void eachKindAlone_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<double>>("parameters");
        QTest::addColumn<QList<QPoint>>("figure");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("name");
        QTest::newRow("symmetry about y = x") << int(Simmetria) << QList<double>{3, 0, 0} << Triangle << 0
                                              << QStringList{"11.0;15.0", "9.0;10.0", "4.0;21.0"} << "simmetria";
        QTest::newRow("homothety -0.5 about (-1, 1)")
            << int(Omotetia) << QList<double>{-1, 0.5, -1, 1} << Triangle << 31
            << QStringList{"-9.0;-4.0", "-6.5;-3.0", "-12.0;-0.5"} << "omotetia";
        QTest::newRow("dilation 1.5 x 0.5 keeps the halves")
            << int(Dilatazione) << QList<double>{1.5, 0.5} << QList<QPoint>{{3, 2}, {-3, 5}, {7, -3}} << 11
            << QStringList{"4.5;1.0", "-4.5;2.5", "10.5;-1.5"} << "dilatazione";
        QTest::newRow("shear -1 along x") << int(Inclinazione) << QList<double>{0, -1}
                                          << QList<QPoint>{{2, 3}, {-4, 1}} << 21
                                          << QStringList{"-1.0;3.0", "-5.0;1.0"} << "inclinazione";
        QTest::newRow("shear 1.5 along y") << int(Inclinazione) << QList<double>{1, 1.5}
                                           << QList<QPoint>{{3, 1}, {-2, 6}, {0, -4}} << 31
                                           << QStringList{"3.0;5.5", "-2.0;3.0", "0.0;-4.0"} << "inclinazione";
        QTest::newRow("affinity of the start values") << int(Affinita) << QList<double>{-6, 2, 0, -12, 1, 1.5}
                                                      << Triangle << 0
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
        // The kinds drawn at once need no timer.
        const QString timerOfKind = QStringList{"", "", "", "omotetia", "dilatazione", "inclinazione", ""}[kind];
        QStringList running;
        for (const QTimer *timer : plane.window()->findChildren<QTimer *>())
            if (timer->isActive() && !timer->objectName().isEmpty())
                running << timer->objectName();
        QCOMPARE(running, timerOfKind.isEmpty() ? QStringList() : QStringList(timerOfKind));
        const int first = plane.frame(kind) ? 1 : 0;
        // A dilation and a shear name themselves in every frame, the others
        // when they end.
        if (kind == Dilatazione || kind == Inclinazione)
            QCOMPARE(plane.labelText("Label2"), name);
        QCOMPARE(first + plane.runStep(kind), frames);
        QCOMPARE(plane.labelText("Label2"), name);
        QCOMPARE(recordedTexts(1, int(figure.size())), texts);
        QCOMPARE(plane.labelText("Label1"), QString());

        QList<QPointF> image;
        for (const QString &text : texts)
            image << QPointF(text.section(u';', 0, 0).toDouble(), text.section(u';', 1, 1).toDouble());
        // The letters of the last frame, which lies on the image.
        if (image.size() == 2)
            QVERIFY(plane.lettersAt({image[0], image[1]}, Aqua));
        else
            QVERIFY(plane.lettersAt({image[0], image[1], image[2]}, Aqua));
        // One transformation: the lesson goes back to choosing it; no
        // change of frame has run, so there is nothing to superimpose.
        QCOMPARE(plane.controls(), QStringLiteral("EDDEDEEEED"));
    }

    // The elements a step draws with its option on, and nothing of them
    // with it off (black, or a grid dot): a red dot of radius 3 on the
    // centre of a symmetry, its red axis one pixel wide, the grey rays of a
    // homothety through its lime centre.
    void elements_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<double>>("parameters");
        QTest::addColumn<QList<QPoint>>("figure");
        QTest::addColumn<QList<QPoint>>("points");
        QTest::addColumn<QList<uint>>("colours");
        const QList<QPoint> centre{{-50, -30}, {-48, -30}, {-52, -30}, {-50, -28}, {-50, -32}, {-56, -30}};
        const QList<uint> dot{Red, Red, Red, Red, Red, Black};
        const QList<QPoint> axis{{-150, -150}, {-35, -35}, {-1, -1}, {1, 1}, {60, 60}, {130, 130}};
        // Homothety k = -1 about (1, 1) of A (6, 4), B (8, -2), C (2, -6): the
        // exact lattice points of each ray on both sides of the centre.
        const QList<QPoint> rays{{15, 13}, {20, 16}, {5, 7},  {-5, 1},  {17, 7}, {24, 4},   {3, 13},  {-4, 16},
                                 {11, 3},  {12, -4}, {9, 17}, {8, 24},  {10, 10}, {12, 10}, {8, 10}, {10, 12}};
        QList<uint> grey(12, Grey);
        grey << Lime << Lime << Lime << Lime;
        const QList<QPoint> homothetic{{6, 4}, {8, -2}, {2, -6}};
        for (int shown : {1, 0}) {
            const char *state = shown ? "shown" : "not shown";
            QTest::addRow("symmetry centre %s", state)
                << int(Simmetria) << QList<double>{0, -5, -3, double(shown)} << Triangle << centre << dot;
            QTest::addRow("symmetry axis %s", state)
                << int(Simmetria) << QList<double>{3, 0, 0, double(shown)} << Triangle << axis << QList<uint>(6, Red);
            QTest::addRow("homothety rays %s", state)
                << int(Omotetia) << QList<double>{-1, 1, 1, 1, double(shown)} << homothetic << rays << grey;
        }
    }

    void elements()
    {
        QFETCH(int, kind);
        QFETCH(QList<double>, parameters);
        QFETCH(QList<QPoint>, figure);
        QFETCH(QList<QPoint>, points);
        QFETCH(QList<uint>, colours);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigureOf(figure);
        setParameters(1, kind, parameters);
        plane.confirmFigure();
        plane.confirmKind(1, kind);
        plane.continueStep(kind);
        QStringList found;
        for (int i = 0; i < points.size(); ++i) {
            const QRgb colour = plane.pixel(at(plane, points[i].x(), points[i].y()));
            const bool right = parameters.last() != 0 ? colour == colours[i] : colour == Black || colour == Silver;
            if (!right)
                found << QStringLiteral("%1, %2 %3").arg(points[i].x()).arg(points[i].y()).arg(colour, 6, 16);
        }
        QCOMPARE(found, QStringList());
    }

    // The axis y = x shown: beside it nothing is red, and a dotted silver
    // join runs from A (15, 11) to its image (11, 15), across the axis (the
    // letters cover its ends).
    void symmetryJoins()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setParameters(1, Simmetria, {3, 0, 0, 1});
        plane.confirmFigure();
        plane.confirmKind(1, Simmetria);
        plane.button("continua")->click();
        QCOMPARE(wrong(plane, {{-59, -60}, {-61, -60}, {2, 1}, {34, 35}}, [](QRgb c) { return c != Red; }),
                 QStringList());
        int silver = 0;
        int black = 0;
        for (int i = 13; i <= 27; ++i) {
            if (i == 20)
                continue;
            const QRgb colour = plane.pixel(at(plane, 150 - i, 110 + i));
            QVERIFY(colour == Silver || colour == Black);
            (colour == Silver ? silver : black)++;
        }
        QVERIFY2(silver >= 3 && black >= 3, qPrintable(QStringLiteral("%1 silver, %2 black").arg(silver).arg(black)));
    }

    // A circle's image keeps a circle's texts and outline where a step
    // keeps it a circle (the radius the homothety gave it, positive for a
    // negative ratio, through a later symmetry too); a sheared or affine
    // circle is an ellipse, drawn one pixel per degree, and records its
    // centre and, for the affinity only, its half-axes.
    void circleImages_data()
    {
        QTest::addColumn<QList<QPoint>>("circle"); // centre, radius
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<QList<double>>("first");
        QTest::addColumn<QList<double>>("second");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<QPoint>>("onImage");  // in the last step's colour
        QTest::addColumn<QList<QPoint>>("offImage"); // not in it
        QTest::newRow("homothety k = -2") << QList<QPoint>{{7, 4}, {4, 4}} << QList<int>{Omotetia}
                                          << QList<double>{-1, 2, 0, 0} << QList<double>{}
                                          << QStringList{"-14.0;-8.0", "8.0;8.0"}
                                          << QList<QPoint>{{-220, -80}, {-60, -80}, {-140, 0}, {-140, -160}}
                                          << QList<QPoint>{{-221, -80}, {-59, -80}, {-140, 1}};
        QTest::newRow("homothety 2, then symmetry about x = 0")
            << QList<QPoint>{{3, 2}, {3, 3}} << QList<int>{Omotetia, Simmetria} << QList<double>{1, 2, 0, 0}
            << QList<double>{1, 0, 0} << QStringList{"-6.0;4.0", "6.0;6.0"}
            << QList<QPoint>{{-120, 40}, {0, 40}, {-60, 100}, {-60, -20}}
            << QList<QPoint>{{-121, 40}, {-60, 101}, {-60, -21}};
        // Only the centre moves: the radius entries stay the start's, and the
        // second step starts from that radius.
        QTest::newRow("translations (9, -3), (9, -8)")
            << QList<QPoint>{{-12, 6}, {4, 4}} << QList<int>{Traslazione, Traslazione} << QList<double>{9, -3}
            << QList<double>{9, -8} << QStringList{"6.0;-5.0", "4.0;4.0"}
            << QList<QPoint>{{20, -50}, {100, -50}, {60, -10}, {60, -90}} << QList<QPoint>{{19, -50}, {101, -50}, {60, -9}};
        QTest::newRow("rotations 90 about (0, 0), 90 about (5, 0)")
            << QList<QPoint>{{-12, 6}, {4, 4}} << QList<int>{Rotazione, Rotazione} << QList<double>{90, 0, 0}
            << QList<double>{90, 5, 0} << QStringList{"17.0;-11.0", "4.0;4.0"}
            << QList<QPoint>{{130, -110}, {210, -110}, {170, -70}, {170, -150}}
            << QList<QPoint>{{129, -110}, {211, -110}, {170, -69}};
        // x + y along x: the degrees 0, 90 and 180 of the circle.
        QTest::newRow("shear 1 along x") << QList<QPoint>{{5, 3}, {10, 10}} << QList<int>{Inclinazione}
                                         << QList<double>{0, 1} << QList<double>{} << QStringList{"8.0;3.0", ";"}
                                         << QList<QPoint>{{180, 30}, {180, 130}, {-20, 30}}
                                         << QList<QPoint>{{150, 30}, {50, 130}};
        QTest::newRow("affinity x' = 2x") << QList<QPoint>{{5, 4}, {3, 3}} << QList<int>{Affinita}
                                          << QList<double>{0, 2, 0, 0, 0, 1} << QList<double>{}
                                          << QStringList{"10.0;4.0", "6.0;3.0"}
                                          << QList<QPoint>{{160, 40}, {40, 40}, {100, 70}, {100, 10}}
                                          << QList<QPoint>{{80, 40}, {100, 40}};
    }

    void circleImages()
    {
        QFETCH(QList<QPoint>, circle);
        QFETCH(QList<int>, kinds);
        QFETCH(QList<double>, first);
        QFETCH(QList<double>, second);
        QFETCH(QStringList, texts);
        QFETCH(QList<QPoint>, onImage);
        QFETCH(QList<QPoint>, offImage);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(4, {circle[0], circle[1]});
        setParameters(1, kinds[0], first);
        if (kinds.size() == 2)
            setParameters(2, kinds[1], second);
        plane.setTransformations(int(kinds.size()));
        plane.confirmFigure();
        // Composed twice, a circle is offered only the kinds that keep it one.
        QCOMPARE(plane.combo("trasfuno")->count(), kinds.size() == 2 ? 4 : 7);
        for (int slot = 1; slot <= kinds.size(); ++slot)
            plane.confirmKind(slot, kinds[slot - 1]);
        for (int kind : kinds)
            plane.continueStep(kind);
        const int stage = int(kinds.size());
        QCOMPARE(recordedTexts(stage, 2), texts);
        const QRgb colour = stage == 2 ? Lime : Aqua;
        QCOMPARE(notOf(plane, onImage, colour), QStringList());
        QCOMPARE(wrong(plane, offImage, [colour](QRgb c) { return c != colour; }), QStringList());
    }

    // A step drawn at once leaves its whole picture as the overlay's figure
    // picture, and so does the first of two steps; the second step of a
    // sequence does not. The segment (3, 2)-(-4, 2), then a translation by
    // (0, 5).
    void figureResultPicture_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<double>>("parameters");
        QTest::addColumn<int>("count");
        QTest::addColumn<QPoint>("onImage");
        QTest::newRow("symmetry about x = -2") << int(Simmetria) << QList<double>{1, -2, 0, 1} << 1 << QPoint(-30, 20);
        QTest::newRow("dilation 1.5 x 0.5, then a translation")
            << int(Dilatazione) << QList<double>{1.5, 0.5} << 2 << QPoint(30, 10);
    }

    void figureResultPicture()
    {
        QFETCH(int, kind);
        QFETCH(QList<double>, parameters);
        QFETCH(int, count);
        QFETCH(QPoint, onImage);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(1, {{3, 2}, {-4, 2}});
        setParameters(1, kind, parameters);
        setTranslation(2, 0, 5);
        plane.setTransformations(count);
        plane.confirmFigure();
        plane.confirmKind(1, kind);
        if (count == 2)
            plane.confirmKind(2, Traslazione);
        plane.continueStep(kind);
        const QImage &result = plane.window()->figureResultBitmap();
        QCOMPARE(result.pixel(at(plane, onImage.x(), onImage.y())) & 0xFFFFFF, Aqua);
        if (count == 1) {
            const QImage &canvas = plane.window()->canvas();
            const QRect area(0, 0, canvas.width(), canvas.height() - plane.window()->panelHeight());
            QCOMPARE(result.copy(area), canvas.copy(area));
            return;
        }
        plane.continueStep(Traslazione);
        QCOMPARE(plane.pixel(at(plane, 35, 60)), Lime);
        QCOMPARE(result.pixel(at(plane, 35, 60)) & 0xFFFFFF, Black);
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

    // A figure carried completely off the drawing area (x beyond 49.8 grid
    // units) ends its step normally, with the message; one vertex still in
    // is enough to stay silent, and a circle is judged by its centre alone.
    void figureCarriedOffScreen_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<double>>("parameters");
        QTest::addColumn<bool>("circle");
        QTest::addColumn<bool>("off");
        QTest::newRow("translation by 30") << int(Traslazione) << QList<double>{30, 0} << false << true;
        QTest::newRow("translation by 29, one vertex in") << int(Traslazione) << QList<double>{29, 0} << false
                                                          << false;
        QTest::newRow("circle's centre moved out") << int(Traslazione) << QList<double>{30, 0} << true << true;
        QTest::newRow("homothety 2 about (-36, -25)") << int(Omotetia) << QList<double>{1, 2, -36, -25} << false
                                                      << true;
        QTest::newRow("homothety 1.2 about (-36, -25)") << int(Omotetia) << QList<double>{1, 1.2, -36, -25}
                                                        << false << false;
        QTest::newRow("dilation 5 x 1") << int(Dilatazione) << QList<double>{5, 1} << false << true;
        QTest::newRow("shear of a circle by 5") << int(Inclinazione) << QList<double>{0, 5} << true << true;
        QTest::newRow("affinity x' = x + 100") << int(Affinita) << QList<double>{100, 1, 0, 0, 0, 1} << false
                                               << true;
        QTest::newRow("symmetry about x = -10") << int(Simmetria) << QList<double>{1, -10, 0} << false << false;
    }

    void figureCarriedOffScreen()
    {
        QFETCH(int, kind);
        QFETCH(QList<double>, parameters);
        QFETCH(bool, circle);
        QFETCH(bool, off);
        GuiTest::Fixture fixture;
        Language.LanguageIndex = Italian;
        PlaneHarness plane;
        if (circle)
            setFigure(4, {{20, 20}, {15, 15}});
        else
            setFigure(2, {{20, 15}, {22, 15}, {20, 17}});
        setParameters(1, kind, parameters);
        plane.confirmFigure();
        plane.confirmKind(1, kind);
        plane.continueStep(kind);
        QCOMPARE(plane.labelText("Label1"), off ? u"Figura fuori schermo"_qs : QString());
        QVERIFY(plane.button("nuova")->isEnabled());
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
        QCOMPARE(plane.pixel(at(plane, 125, 100)), Aqua); // on A (15, 11) to B (10, 9)
    }

    // An affinity whose dialog last refused its coefficients does not run,
    // even though the calculator's last evaluation succeeded: nothing is
    // drawn or recorded, every control is as it was before the press, and
    // the message says why. Confirmed afterwards, the same press runs it.
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
        QVERIFY(!plane.labelText("Label1").isEmpty());
        QCOMPARE(plane.window()->canvas(), picture);
        QCOMPARE(recordedTexts(1, 3), (QStringList{";", ";", ";"}));
        QCOMPARE(plane.labelText("Label2"), QString());

        plane.confirmKind(1, Affinita);
        plane.button("continua")->click();
        QCOMPARE(recordedTexts(1, 3), (QStringList{"11.0;15.0", "9.0;10.0", "4.0;21.0"}));
        QCOMPARE(plane.labelText("Label2"), QString::fromUtf8("affinità"));
    }
};

QTEST_MAIN(TestTgeoKinds)
#include "tst_tgeokinds.moc"
