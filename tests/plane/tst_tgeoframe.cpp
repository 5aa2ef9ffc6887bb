#include "planeharness.h"

#include "lang/languagetables.h"
#include "plane/framechange.h"
#include "support/guitest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr QRgb Aqua = 0x00FFFF;

void chooseMode(PlaneHarness &plane, int item)
{
    QComboBox *tipi = plane.combo("tipi");
    tipi->setCurrentIndex(item);
    emit tipi->activated(item);
}

// A change of frame for the kind in slot 1, from a new figure in "Assi".
void runFrameStep(PlaneHarness &plane, int kind)
{
    chooseMode(plane, 1);
    plane.confirmFigure();
    plane.confirmKind(1, kind);
    plane.button("continua")->click();
}

void runFigureStep(PlaneHarness &plane)
{
    chooseMode(plane, 0);
    plane.confirmFigure();
    plane.confirmKind(1, Traslazione);
    plane.button("continua")->click();
    plane.runStep("traslazione");
}

QRect drawingArea(const PlaneHarness &plane)
{
    return plane.window()->canvas().rect().adjusted(0, 0, 0, -plane.window()->panelHeight());
}

} // namespace

class TestTgeoFrame : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    void modeChoice()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        auto *pnum = plane.window()->findChild<QSpinBox *>(QStringLiteral("pnum"));
        pnum->setValue(2);
        chooseMode(plane, 1);
        QCOMPARE(pnum->value(), 1);
        QVERIFY(!pnum->isEnabled());
        QCOMPARE(plane.window()->findChild<QLineEdit *>(QStringLiteral("num"))->text(), QStringLiteral("1"));
        QCOMPARE(plane.combo("trasfuno")->count(), 6);
        QCOMPARE(plane.combo("trasfdue")->count(), 6);
        chooseMode(plane, 0);
        QVERIFY(pnum->isEnabled());
        QCOMPARE(plane.combo("trasfuno")->count(), 7);
        QCOMPARE(plane.combo("trasfdue")->itemText(6), ShortTexts.text(10));
    }

    // A circle composed twice keeps four kinds; a new figure in "Assi" takes
    // the others back, all but the affinity, which has no frame matrix.
    void frameModeNeverOffersTheAffinity()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        plane.window()->findChild<QSpinBox *>(QStringLiteral("pnum"))->setValue(2);
        setFigure(4, {{2, 3}, {5, 5}});
        plane.confirmFigure();
        QCOMPARE(plane.combo("trasfuno")->count(), 4);
        chooseMode(plane, 1);
        plane.confirmFigure();
        QCOMPARE(plane.combo("trasfuno")->count(), 6);
        QCOMPARE(plane.combo("trasfdue")->count(), 6);
        QCOMPARE(plane.labelText("Label4"), LongTexts.text(49));
    }

    void arrowTips_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<QPoint>("xTip");
        QTest::addColumn<QPoint>("yTip");
        QTest::addColumn<QPoint>("crossing");
        // Offsets from the origin at 100%.
        QTest::newRow("translation (0, 0)") << 0 << 0 << 0 << QPoint(-10, 0) << QPoint(0, 10) << QPoint(0, 0);
        QTest::newRow("translation (3, 2)") << 0 << 3 << 2 << QPoint(20, -20) << QPoint(30, -10) << QPoint(30, -20);
        QTest::newRow("rotation 90") << 1 << 0 << 0 << QPoint(0, -10) << QPoint(-10, 0) << QPoint(0, 0);
    }

    void arrowTips()
    {
        QFETCH(int, kind);
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(QPoint, xTip);
        QFETCH(QPoint, yTip);
        QFETCH(QPoint, crossing);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        TransformSettings.TranslationDX[1] = dx;
        TransformSettings.TranslationDY[1] = dy;
        TransformSettings.RotationAngle[1] = 90;
        runFrameStep(plane, kind);
        if (kind == Rotazione) // about the origin, whatever the store said
            QCOMPARE(TransformSettings.RotationCentreY[1], 0);
        const QPoint o = plane.origin();
        QCOMPARE(plane.pixel(o + xTip), Aqua);
        QCOMPARE(plane.pixel(o + yTip), Aqua);
        QCOMPARE(plane.pixel(o + crossing), Aqua);
        // The axes run through the crossing.
        QCOMPARE(plane.pixel(o + crossing + QPoint(0, 100)), Aqua);
        QCOMPARE(plane.pixel(o + crossing + QPoint(-100, 0)), Aqua);
        QCOMPARE(plane.labelText("Label3"), ShortTexts.text(5 + kind));
        const AffineMatrix &m = TransformSettings.AffineCoeff[1];
        QCOMPARE(m[0][0], float(-dx));
        QCOMPARE(m[1][0], float(-dy));
        QCOMPARE(m[0][2], kind == Rotazione ? 1.0f : 0.0f);

        // The letters of the moved frame are static texts at their anchors.
        const ScreenPoints &screen = plane.window()->frameScreenPoints();
        auto *stx = plane.window()->findChild<QLabel *>(QStringLiteral("stx"));
        auto *sty = plane.window()->findChild<QLabel *>(QStringLiteral("sty"));
        QVERIFY(plane.isShown("stx"));
        QVERIFY(plane.isShown("sty"));
        QCOMPARE(stx->pos(), QPoint(screen.x[FrameChange::XLabel], screen.y[FrameChange::XLabel]));
        QCOMPARE(sty->pos(), QPoint(screen.x[FrameChange::YLabel], screen.y[FrameChange::YLabel]));
        if (kind == Traslazione && dx == 0)
            QCOMPARE(stx->pos().x(), o.x() - o.y() / 2); // left of the origin
        QCOMPARE(stx->palette().color(QPalette::WindowText), QColor(Aqua));

        QCOMPARE(plane.window()->frameResultBitmap().copy(drawingArea(plane)),
                 plane.window()->canvas().copy(drawingArea(plane)));
        QVERIFY(!plane.button("inversa")->isEnabled());
        for (const char *enabled : {"cancella", "nuova", "Tabel"})
            QVERIFY2(plane.button(enabled)->isEnabled(), enabled);
        QVERIFY(plane.combo("trasfuno")->isEnabled());
        QVERIFY(plane.combo("czoom")->isEnabled());
        QCOMPARE(plane.window()->flow().FrameRuns, 1);

        plane.button("cancella")->click();
        QVERIFY(!plane.isShown("stx"));
        QVERIFY(!plane.isShown("sty"));
        const QImage cleared = plane.window()->canvas().copy(drawingArea(plane));
        for (int y = 0; y < cleared.height(); ++y)
            for (int x = 0; x < cleared.width(); ++x)
                QVERIFY((cleared.pixel(x, y) & 0xFFFFFF) != Aqua);
    }

    void arrowTipsAtAThirdOfTheScale()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        TransformSettings.TranslationDX[1] = 3;
        TransformSettings.TranslationDY[1] = 2;
        runFrameStep(plane, Traslazione);
        plane.chooseZoom(2);
        QVERIFY(plane.button("continua")->isEnabled());
        plane.button("continua")->click();
        const QPoint o = plane.origin();
        QCOMPARE(plane.pixel(o + QPoint(10, -7)), Aqua);    // the crossing: 30/3, 20/3
        QCOMPARE(plane.pixel(o + QPoint(7, -7)), Aqua);     // x tip: (30 - 10) / 3
        QCOMPARE(plane.pixel(o + QPoint(10, -3)), Aqua);    // y tip: (20 - 10) / 3
        QCOMPARE(plane.pixel(o + QPoint(10, -7 + 50)), Aqua);
        QCOMPARE(plane.window()->flow().FrameRuns, 2);
    }

    // The change of frame records the texts of the last figure-mode step;
    // they belong to the figure of that lesson, not to this one.
    void frameStepRecordsNoEarlierImage()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        TransformSettings.TranslationDX[1] = 3;
        TransformSettings.TranslationDY[1] = 0;
        runFigureStep(plane);
        QCOMPARE(TransformSettings.VertexTextX[0][1], QStringLiteral("18.0"));
        runFrameStep(plane, Traslazione);
        QCOMPARE(TransformSettings.VertexTextX[0][1], QString());
        QCOMPARE(TransformSettings.VertexTextX[0][0], QStringLiteral("15"));
    }

    void overlay()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        TransformSettings.TranslationDX[1] = 3;
        TransformSettings.TranslationDY[1] = 2;
        runFrameStep(plane, Traslazione);
        QVERIFY(!plane.button("sovra")->isEnabled());
        runFigureStep(plane);
        QVERIFY(plane.button("sovra")->isEnabled());
        const QImage figure = plane.window()->figureResultBitmap();
        const QImage frame = plane.window()->frameResultBitmap();
        const QPoint o = plane.origin();
        QCOMPARE(figure.pixel(o + QPoint(30, -95)) & 0xFFFFFF, 0x000000u);
        QCOMPARE(frame.pixel(o + QPoint(30, -95)) & 0xFFFFFF, Aqua);
        QCOMPARE(figure.pixel(plane.screen(15.5, 12)) & 0xFFFFFF, Aqua); // the moved edge AB
        QCOMPARE(plane.labelText("Label2"), ShortTexts.text(5));
        QCOMPARE(plane.labelText("Label3"), ShortTexts.text(5));

        plane.button("cancella")->click();
        plane.button("sovra")->click();
        const QImage &shown = plane.window()->canvas();
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != (frame.pixel(x, y) | figure.pixel(x, y)))
                    QFAIL(qPrintable(QStringLiteral("not the OR at %1, %2").arg(x).arg(y)));
        QCOMPARE(plane.pixel(o + QPoint(30, -95)), Aqua);
        QCOMPARE(plane.pixel(plane.screen(15.5, 12)), Aqua);

        // A new figure does not disable it again.
        plane.confirmFigure();
        QVERIFY(plane.button("sovra")->isEnabled());
    }
};

QTEST_MAIN(TestTgeoFrame)
#include "tst_tgeoframe.moc"
