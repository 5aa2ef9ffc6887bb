#include "planeharness.h"

#include "lang/languagetables.h"
#include "plane/vertexlabels.h"
#include "support/guitest.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr QRgb Aqua = 0x00FFFF;
constexpr QRgb Lime = 0x00FF00;
constexpr QRgb Grey = 0x808080;
constexpr QRgb Yellow = 0xFFFF00;

void setTranslation(int slot, int dx, int dy, bool vector = false)
{
    TransformSettings.TranslationDX[slot] = dx;
    TransformSettings.TranslationDY[slot] = dy;
    TransformSettings.ShowTranslationVector[slot] = vector;
}

void setRotation(int slot, int angle, int cx, int cy, bool arcs = false)
{
    TransformSettings.RotationAngle[slot] = angle;
    TransformSettings.RotationCentreX[slot] = cx;
    TransformSettings.RotationCentreY[slot] = cy;
    TransformSettings.ShowRotationArcs[slot] = arcs;
}

QStringList stage(int stage, int vertices)
{
    QStringList texts;
    for (int v = 0; v < vertices; ++v)
        texts << TransformSettings.VertexTextX[v][stage] + QLatin1Char(';') + TransformSettings.VertexTextY[v][stage];
    return texts;
}

// The letters of a figure whose vertices are given in grid units, written
// where the label rule puts them, in `colour`.
bool lettersIn(const PlaneHarness &plane, std::initializer_list<QPointF> vertices, QRgb colour)
{
    const ScreenMapping &map = plane.window()->mapping();
    FigurePoints points;
    int count = 0;
    for (const QPointF &v : vertices) {
        points.x[count] = float(map.workingX(v.x()));
        points.y[count] = float(map.workingY(v.y()));
        ++count;
    }
    const QFontMetrics metrics(plane.window()->canvasFont());
    const LabelPositions labels =
        vertexLabelPositions(points, count, metrics.horizontalAdvance(QStringLiteral("A")), metrics.height());
    for (int i = 0; i < count; ++i)
        if (!plane.textAt(map.fromWorking(labels.x[i], labels.y[i]), QString(QChar(u'A' + i)), colour))
            return false;
    return true;
}

} // namespace

class TestTgeoLesson : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    void translation_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("frames");
        QTest::addColumn<double>("lastShownX"); // where the last frame leaves A
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("(0, 0) draws none") << 0 << 0 << 0 << 15.0
                                           << QStringList{"15.0;11.0", "10.0;9.0", "21.0;4.0"};
        QTest::newRow("(1, 0) stops at 0.9") << 1 << 0 << 10 << 15.9
                                             << QStringList{"16.0;11.0", "11.0;9.0", "22.0;4.0"};
        QTest::newRow("(3, 0)") << 3 << 0 << 31 << 18.0 << QStringList{"18.0;11.0", "13.0;9.0", "24.0;4.0"};
        QTest::newRow("(-6, -8)") << -6 << -8 << 81 << 9.0 << QStringList{"9.0;3.0", "4.0;1.0", "15.0;-4.0"};
    }

    void translation()
    {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(int, frames);
        QFETCH(double, lastShownX);
        QFETCH(QStringList, texts);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setTranslation(1, dx, dy);
        plane.confirmFigure();
        plane.confirmKind(1, Traslazione);
        plane.button("continua")->click();
        QVERIFY(plane.timer("traslazione")->isActive());
        QCOMPARE(plane.runStep("traslazione"), frames);
        QCOMPARE(stage(1, 3), texts);
        const double shownY = frames == 81 ? 3.0 : 11.0;
        const double shift = lastShownX - 15;
        if (frames > 0)
            QVERIFY(lettersIn(plane, {{lastShownX, shownY}, {10 + shift, shownY - 2}, {21 + shift, shownY - 7}}, Aqua));
        else
            QVERIFY(lettersIn(plane, {{15, 11}, {10, 9}, {21, 4}}, Aqua));
        QCOMPARE(plane.labelText("Label2"), ShortTexts.text(5));
        QCOMPARE(plane.window()->flow().FigureRuns, 1);
    }

    void translationVectors()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setTranslation(1, 3, 0, true);
        plane.confirmFigure();
        plane.confirmKind(1, Traslazione);
        plane.button("continua")->click();
        plane.runStep("traslazione");
        // Three parallel segments of three units, from each start point.
        for (const QPointF &start : {QPointF(15, 11), QPointF(10, 9), QPointF(21, 4)}) {
            QCOMPARE(plane.pixel(plane.screen(start.x() + 1.5, start.y())), Grey);
            QCOMPARE(plane.pixel(plane.screen(start.x() + 2.5, start.y())), Grey);
            QVERIFY(plane.pixel(plane.screen(start.x() + 1.5, start.y()) + QPoint(0, 1)) != Grey);
        }
        QCOMPARE(plane.pixel(plane.screen(15.5, 10)), Aqua); // on the moved edge AB
    }

    void rotation_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("0 draws one") << 0 << 1 << QStringList{"15.0;11.0", "10.0;9.0", "21.0;4.0"};
        QTest::newRow("-90") << -90 << 91 << QStringList{"15.0;-15.0", "13.0;-10.0", "8.0;-21.0"};
        QTest::newRow("70") << 70 << 71 << QStringList{"-5.8;14.7", "-5.6;9.3", "2.9;17.9"};
    }

    void rotation()
    {
        QFETCH(int, angle);
        QFETCH(int, frames);
        QFETCH(QStringList, texts);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setRotation(1, angle, 2, -2);
        plane.confirmFigure();
        plane.confirmKind(1, Rotazione);
        plane.button("continua")->click();
        QCOMPARE(plane.runStep("rotazione"), frames);
        QCOMPARE(stage(1, 3), texts);
        QCOMPARE(plane.pixel(plane.screen(2, -2)), Yellow); // drawn even without traces
        QCOMPARE(plane.pixel(plane.screen(2, -2) + QPoint(3, 0)), Yellow);
        QCOMPARE(plane.labelText("Label2"), ShortTexts.text(6));
    }

    void rotationTraces()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setRotation(1, -90, 2, -2, true);
        plane.confirmFigure();
        plane.confirmKind(1, Rotazione);
        plane.button("continua")->click();
        QCOMPARE(plane.runStep("rotazione"), 91);
        // A turns clockwise from 45 to -45 degrees about the centre, radius
        // 184 pixels: the arc crosses the horizontal through the centre.
        const QPoint centre = plane.screen(2, -2);
        bool arc = false;
        for (int dx = 182; dx <= 186; ++dx)
            arc = arc || plane.pixel(centre + QPoint(dx, 0)) == Grey;
        QVERIFY(arc);
        // The arc does not run the other way round.
        for (int dx = -186; dx <= -182; ++dx)
            QVERIFY(plane.pixel(centre + QPoint(dx, 0)) != Grey);
        // The radius to A's final place (15, -15), drawn from the centre.
        QCOMPARE(plane.pixel(centre + QPoint(65, 65)), Grey);
    }

    void compositionDirectThenInverse()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(1, {{1, 0}, {2, 2}});
        setTranslation(1, 3, 0);
        setRotation(2, 90, 0, 0);
        plane.window()->findChild<QSpinBox *>(QStringLiteral("pnum"))->setValue(2);
        plane.confirmFigure();
        QCOMPARE(plane.labelText("Label1"), LongTexts.text(43));
        QVERIFY(plane.combo("trasfdue")->isEnabled());

        plane.confirmKind(1, Traslazione);
        QCOMPARE(plane.labelText("Label1"), LongTexts.text(44));
        QVERIFY(!plane.button("continua")->isEnabled());
        plane.confirmKind(2, Rotazione);
        QCOMPARE(plane.labelText("Label1"), LongTexts.text(46));
        QVERIFY(plane.isShown("tcontinua"));
        QVERIFY(!plane.isShown("tinversa"));

        // Direct: the translation, then the rotation of its image.
        plane.button("continua")->click();
        QVERIFY(plane.isShown("Panel1"));
        QCOMPARE(plane.labelText("Panel1"), LongTexts.text(50));
        QCOMPARE(plane.runStep("traslazione"), 31);
        QCOMPARE(stage(1, 2), (QStringList{"4.0;0.0", "5.0;2.0"}));
        QVERIFY(lettersIn(plane, {{4, 0}, {5, 2}}, Aqua));
        QCOMPARE(plane.pixel(plane.screen(4.5, 1)), Aqua);
        QCOMPARE(plane.labelText("Label1"), LongTexts.text(46));
        QVERIFY(plane.isShown("tcontinua"));

        plane.button("continua")->click();
        QVERIFY(plane.button("inversa")->isEnabled());
        QVERIFY(plane.isShown("tinversa"));
        QVERIFY(!plane.isShown("tcontinua"));
        QCOMPARE(plane.runStep("rotazione"), 91);
        QCOMPARE(stage(2, 2), (QStringList{"0.0;4.0", "-2.0;5.0"}));
        QVERIFY(lettersIn(plane, {{0, 4}, {-2, 5}}, Lime));
        QCOMPARE(plane.pixel(plane.screen(-1, 4.5)), Lime);
        QVERIFY(plane.button("inversa")->isEnabled());
        QVERIFY(!plane.button("continua")->isEnabled());
        QCOMPARE(plane.labelText("Label2"), QString()); // only with one transformation

        // Inverse: the rotation from the figure, then the translation.
        plane.button("inversa")->click();
        QVERIFY(plane.isShown("tcontinua"));
        QVERIFY(!plane.isShown("tinversa"));
        plane.button("continua")->click();
        QCOMPARE(plane.labelText("Panel1"), LongTexts.text(51));
        QCOMPARE(plane.runStep("rotazione"), 91);
        QCOMPARE(stage(3, 2), (QStringList{"0.0;1.0", "-2.0;2.0"}));
        QVERIFY(lettersIn(plane, {{0, 1}, {-2, 2}}, Aqua));
        plane.button("continua")->click();
        QCOMPARE(plane.labelText("Label1"), QString());
        QVERIFY(!plane.isShown("tcontinua"));
        QCOMPARE(plane.runStep("traslazione"), 31);
        QCOMPARE(stage(4, 2), (QStringList{"3.0;1.0", "1.0;2.0"}));
        QVERIFY(lettersIn(plane, {{3, 1}, {1, 2}}, Lime));

        // Both results stay on the screen, and the earlier stages are kept.
        QCOMPARE(plane.pixel(plane.screen(-1, 4.5)), Lime);
        QCOMPARE(stage(1, 2), (QStringList{"4.0;0.0", "5.0;2.0"}));
        QVERIFY(plane.window()->flow().DirectSequence);
        for (const char *enabled : {"cancella", "nuova", "Tabel"})
            QVERIFY2(plane.button(enabled)->isEnabled(), enabled);
        QVERIFY(!plane.button("inversa")->isEnabled());
        QVERIFY(plane.combo("trasfuno")->isEnabled());
        QVERIFY(plane.combo("czoom")->isEnabled());
        QCOMPARE(plane.window()->tableKindName(1), ShortTexts.text(5));
        QCOMPARE(plane.window()->tableKindName(2), ShortTexts.text(6));
        QCOMPARE(TransformSettings.SlotKind[2], quint8(Rotazione));
    }

    void figureMovedOffTheScreen_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("dx");
        QTest::addColumn<bool>("outside");
        QTest::newRow("triangle out") << 2 << 30 << true;
        QTest::newRow("triangle half out") << 2 << 29 << false;
        // The circle is judged by its centre alone, not by its radius entry.
        QTest::newRow("circle centre out") << 4 << 30 << true;
        QTest::newRow("circle centre in") << 4 << 20 << false;
    }

    void figureMovedOffTheScreen()
    {
        QFETCH(int, type);
        QFETCH(int, dx);
        QFETCH(bool, outside);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        QVERIFY(plane.screen(50, 0).x() >= plane.window()->canvas().width());
        QVERIFY(plane.screen(49, 0).x() < plane.window()->canvas().width());
        if (type == 4)
            setFigure(4, {{20, 20}, {15, 15}});
        else
            setFigure(2, {{20, 20}, {21, 20}, {20, 21}});
        setTranslation(1, dx, 0);
        plane.confirmFigure();
        plane.confirmKind(1, Traslazione);
        plane.button("continua")->click();
        plane.runStep("traslazione");
        QCOMPARE(plane.labelText("Label1"), outside ? LongTexts.text(47) : QString());
        // The lesson goes on as after any step.
        QVERIFY(plane.combo("trasfuno")->isEnabled());
        QVERIFY(plane.button("cancella")->isEnabled());
        QCOMPARE(TransformSettings.VertexTextX[0][1], QString::number(20 + dx) + QStringLiteral(".0"));
    }

    void circleBecomesATriangleForTheStore()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(4, {{2, 3}, {5, 5}});
        setTranslation(1, 1, 1);
        plane.confirmFigure();
        QCOMPARE(TransformSettings.FigureType, quint8(4));
        plane.confirmKind(1, Traslazione);
        plane.button("continua")->click();
        QCOMPARE(TransformSettings.FigureType, quint8(2));
        QCOMPARE(plane.runStep("traslazione"), 10);
        QCOMPARE(stage(1, 2), (QStringList{"3.0;4.0", "5.0;5.0"}));
        QCOMPARE(plane.pixel(plane.screen(2.9, 3.9)), 0xFF0000u); // the last frame's centre
    }

    void circleComposedTwiceOffersFourKinds()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        auto *pnum = plane.window()->findChild<QSpinBox *>(QStringLiteral("pnum"));
        pnum->setValue(2);
        setFigure(4, {{2, 3}, {5, 5}});
        plane.confirmFigure();
        QCOMPARE(plane.combo("trasfuno")->count(), 4);
        QCOMPARE(plane.combo("trasfdue")->count(), 4);
        pnum->setValue(1);
        plane.confirmFigure();
        QCOMPARE(plane.combo("trasfuno")->count(), 7);
        QCOMPARE(plane.combo("trasfdue")->itemText(6), ShortTexts.text(10));
        QCOMPARE(plane.combo("trasfuno")->currentIndex(), -1);
    }

    void cancelledFigureDialog()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setTranslation(1, 1, 0);
        plane.confirmFigure();
        plane.confirmKind(1, Traslazione);
        QVERIFY(plane.button("continua")->isEnabled());
        GuiTest::whenModalOpens(
            [](QWidget *dialog) { dialog->findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click(); });
        plane.button("nuova")->click();
        QCOMPARE(plane.labelText("Label1"), QString());
        QVERIFY(!plane.button("continua")->isEnabled());
        QCOMPARE(plane.combo("trasfuno")->currentIndex(), -1);
        QVERIFY(plane.combo("trasfuno")->isEnabled());
    }

    void stepRepeatsFromTheFigure()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setTranslation(1, 3, 0);
        plane.confirmFigure();
        plane.confirmKind(1, Traslazione);
        plane.button("continua")->click();
        plane.runStep("traslazione");
        QVERIFY(!plane.button("continua")->isEnabled());
        plane.button("cancella")->click();
        QVERIFY(plane.button("continua")->isEnabled());
        QVERIFY(!plane.button("cancella")->isEnabled());
        plane.button("continua")->click();
        QCOMPARE(plane.runStep("traslazione"), 31);
        QCOMPARE(TransformSettings.VertexTextX[0][1], QStringLiteral("18.0"));
        QCOMPARE(plane.window()->flow().FigureRuns, 2);
    }

    // A kind chosen without a confirmed dialog starts nothing, and the
    // lesson is not left with every control disabled.
    void kindWithoutItsStepStartsNothing()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setTranslation(1, 1, 0);
        plane.confirmFigure();
        plane.confirmKind(1, Traslazione);
        plane.combo("trasfuno")->setCurrentIndex(Simmetria);
        emit plane.combo("trasfuno")->activated(Simmetria);
        plane.button("continua")->click();
        QVERIFY(!plane.timer("traslazione")->isActive());
        QVERIFY(plane.button("continua")->isEnabled());
        QVERIFY(plane.button("nuova")->isEnabled());
        QVERIFY(plane.combo("trasfuno")->isEnabled());
        QCOMPARE(plane.window()->flow().FigureRuns, 0);
    }

    // A new scale offers `continua`: it is not offered while a step runs.
    void scaleFixedWhileAStepRuns()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setTranslation(1, 1, 0);
        plane.confirmFigure();
        plane.confirmKind(1, Traslazione);
        plane.button("continua")->click();
        plane.runStep("traslazione");
        QVERIFY(plane.combo("czoom")->isEnabled());
        plane.confirmKind(1, Traslazione);
        plane.button("continua")->click();
        QVERIFY(!plane.combo("czoom")->isEnabled());
        plane.runStep("traslazione");
        QVERIFY(plane.combo("czoom")->isEnabled());
    }

    void halfScaleRedrawsTheStartFigure()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setTranslation(1, 3, 0);
        plane.confirmFigure();
        plane.confirmKind(1, Traslazione);
        plane.button("continua")->click();
        plane.runStep("traslazione");
        QCOMPARE(plane.pixel(plane.screen(16.5, 10.4)), Aqua);
        plane.chooseZoom(1);
        QCOMPARE(plane.pixel(plane.screen(16.5, 10.4)), 0x000000u);
        // Edge AB of the start figure, now at half size.
        QCOMPARE(plane.pixel(plane.origin() + QPoint(125 / 2, -50)), 0xFFFFFFu);
        QVERIFY(lettersIn(plane, {{15, 11}, {10, 9}, {21, 4}}, 0xFFFFFF));
        plane.button("continua")->click();
        QCOMPARE(plane.runStep("traslazione"), 31);
        QCOMPARE(plane.pixel(plane.screen(16.5, 10.4)), Aqua);
    }
};

QTEST_MAIN(TestTgeoLesson)
#include "tst_tgeolesson.moc"
