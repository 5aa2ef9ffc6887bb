#include "planeharness.h"

#include "lang/languagetables.h"
#include "support/guitest.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>

using namespace Colour;

class TestTgeoFrame : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    // Offsets from the origin at 100% of each arrow's tip and of a pixel
    // inside its head, off the axis, and the two head pixels mirrored through
    // the crossing, where a frame drawn the wrong way round would put its
    // heads. The moved frame is the fixed one carried by the step: the
    // identity leaves the x arrow pointing right and the y arrow up.
    void arrowTips_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("angle"); // of the rotation
        QTest::addColumn<QList<QPoint>>("points"); // x tip, x head, y tip, y head
        QTest::addColumn<QList<QPoint>>("mirrored"); // not in the step's colour
        QTest::newRow("translation (0, 0)") << int(Traslazione) << 0 << 0 << 90
                                            << QList<QPoint>{{10, 0}, {7, 1}, {0, -10}, {-1, -7}}
                                            << QList<QPoint>{{-7, -1}, {1, 7}};
        QTest::newRow("translation (3, 2)") << int(Traslazione) << 3 << 2 << 90
                                            << QList<QPoint>{{40, -20}, {37, -19}, {30, -30}, {29, -27}}
                                            << QList<QPoint>{{23, -21}, {31, -13}};
        QTest::newRow("rotation 90") << int(Rotazione) << 0 << 0 << 90
                                     << QList<QPoint>{{0, -10}, {1, -7}, {-10, 0}, {-7, 1}}
                                     << QList<QPoint>{{-1, 7}, {7, -1}};
        QTest::newRow("rotation 30") << int(Rotazione) << 0 << 0 << 30
                                     << QList<QPoint>{{9, -5}, {7, -3}, {-5, -9}, {-4, -6}}
                                     << QList<QPoint>{{-7, 3}, {4, 6}};
        // x = 2 crosses at (4, 0) with the x arrow pointing left.
        QTest::newRow("symmetry x = 2") << int(Simmetria) << 0 << 0 << 90
                                        << QList<QPoint>{{30, 0}, {33, 1}, {40, -10}, {39, -7}}
                                        << QList<QPoint>{{47, -1}, {41, 7}};
        // Ratio 2 about (1, 1): the crossing at (-1, -1), the arrows twice as long.
        QTest::newRow("homothety 2 about (1, 1)") << int(Omotetia) << 0 << 0 << 90
                                                  << QList<QPoint>{{10, 10}, {4, 12}, {-10, -10}, {-12, -4}}
                                                  << QList<QPoint>{{-24, 8}, {-8, 24}};
    }

    void arrowTips()
    {
        QFETCH(int, kind);
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(int, angle);
        QFETCH(QList<QPoint>, points);
        QFETCH(QList<QPoint>, mirrored);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setTranslation(1, dx, dy);
        setRotation(1, angle, 0, 0);
        TransformSettings.SymmetryKind[1] = 1;
        TransformSettings.SymmetryCentreX[1] = 2;
        TransformSettings.HomothetyCentreX[1] = 1;
        TransformSettings.HomothetyCentreY[1] = 1;
        TransformSettings.HomothetyRatio[1] = 2;
        plane.choose("tipi", 1);
        plane.runLesson(kind);
        for (const QPoint &point : points)
            QCOMPARE(plane.pixel(plane.origin() + point), Aqua);
        for (const QPoint &point : mirrored)
            QVERIFY2(plane.pixel(plane.origin() + point) != Aqua, qPrintable(QStringLiteral("%1, %2").arg(point.x()).arg(point.y())));
    }

    // "x" sits just under the positive x half-axis and "y" just right of the
    // positive y half-axis, wherever the step takes them.
    void letterPlaces()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setTranslation(1, 3, 2);
        plane.choose("tipi", 1);
        plane.runLesson(Traslazione);
        const QPoint crossing = plane.origin() + QPoint(30, -20);
        const int originY = plane.origin().y();
        auto *stx = plane.window()->findChild<QLabel *>(QStringLiteral("stx"));
        auto *sty = plane.window()->findChild<QLabel *>(QStringLiteral("sty"));
        QVERIFY(stx->isVisible() && sty->isVisible());
        QCOMPARE(stx->x(), crossing.x() + originY / 2);
        QVERIFY(stx->y() > crossing.y() && stx->y() < crossing.y() + 20);
        QVERIFY(sty->x() > crossing.x() && sty->x() < crossing.x() + 20);
        QCOMPARE(sty->y(), crossing.y() - originY / 2);
    }

    // The texts a change of frame records must not be the image of an
    // earlier figure.
    void frameStepRecordsNoEarlierImage()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setTranslation(1, 3, 0);
        plane.runLesson(Traslazione);
        plane.choose("tipi", 1);
        plane.runLesson(Traslazione);
        QCOMPARE(TransformSettings.VertexTextX[0][1], QString());
    }

    // A circle composed twice loses three kinds; a new figure in "Assi"
    // takes them back, all but the affinity, which has no frame matrix. The
    // shear, drawn at once there, runs as the others do.
    void frameModeKinds()
    {
        GuiTest::Fixture fixture;
        Language.LanguageIndex = Italian;
        PlaneHarness plane;
        plane.setTransformations(2);
        setFigure(4, {{2, 3}, {5, 5}});
        plane.confirmFigure();
        plane.choose("tipi", 1);
        plane.confirmFigure();
        QCOMPARE(plane.combo("trasfuno")->count(), 6);
        QCOMPARE(plane.combo("trasfuno")->itemText(5), u"inclinazione"_qs);
        plane.setTransformations(1);
        TransformSettings.ShearX[1] = 0.5f;
        QCOMPARE(plane.labelText("Label3"), QString());
        plane.runLesson(Inclinazione); // drawn at once in this mode
        QCOMPARE(plane.labelText("Label3"), u"inclinazione"_qs);
    }

    // `sovra` needs a change of frame and a figure-mode step, moved or
    // drawn at once; it shows the OR of the two result pictures.
    void overlayAfterOneStepOfEachMode_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QPointF>("onImage");
        QTest::newRow("translation") << int(Traslazione) << QPointF(15.5, 12); // the middle of A'B'
        QTest::newRow("symmetry about y = x") << int(Simmetria) << QPointF(10, 12.5);
    }

    void overlayAfterOneStepOfEachMode()
    {
        QFETCH(int, kind);
        QFETCH(QPointF, onImage);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setTranslation(1, 3, 2);
        TransformSettings.SymmetryKind[1] = 3;
        plane.choose("tipi", 1);
        plane.runLesson(Traslazione);
        QVERIFY(!plane.button("sovra")->isEnabled());
        plane.choose("tipi", 0);
        plane.confirmFigure();
        plane.confirmKind(1, kind);
        QVERIFY(!plane.button("sovra")->isEnabled());
        plane.continueStep(kind);
        QVERIFY(plane.button("sovra")->isEnabled());

        const QImage figure = plane.window()->figureResultBitmap();
        const QImage frame = plane.window()->frameResultBitmap();
        plane.button("cancella")->click();
        plane.button("sovra")->click();
        const QImage &shown = plane.window()->canvas();
        // The pictures hold the drawing area, the client without the panel.
        QCOMPARE(frame.size(), QSize(shown.width(), shown.height() - plane.window()->panelHeight()));
        QCOMPARE(figure.size(), frame.size());
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                if (shown.pixel(x, y) != (frame.pixel(x, y) | figure.pixel(x, y)))
                    QFAIL(qPrintable(QStringLiteral("not the OR at %1, %2").arg(x).arg(y)));
        QCOMPARE(plane.pixel(plane.origin() + QPoint(30, -95)), Aqua); // the moved y axis
        QCOMPARE(plane.pixel(plane.screen(onImage.x(), onImage.y())), Aqua);
    }
};

QTEST_MAIN(TestTgeoFrame)
#include "tst_tgeoframe.moc"
