#include "planeharness.h"

#include "shell/helpset.h"
#include "shell/helpviewer.h"
#include "support/guitest.h"

#include <QTest>
#include <QToolButton>

using namespace Colour;

class TestTgeoSurface : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    // At 33% the grid and the unit arrowheads keep their pixel spacing while
    // figure points move towards the origin.
    void gridAndFigureAtAThirdOfTheScale()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(1, {{3, 0}, {3, 6}});
        setTranslation(1, 0, 0);
        plane.runLesson(Traslazione);
        plane.choose("czoom", 2);
        const QPoint o = plane.origin();
        QCOMPARE(plane.pixel(o + QPoint(10, 10)), Silver);
        for (int d = 1; d < 10; ++d) { // no dot between two 10 pixels apart
            QCOMPARE(plane.pixel(o + QPoint(d, 10)), Black);
            QCOMPARE(plane.pixel(o + QPoint(10, d)), Black);
        }
        QCOMPARE(plane.pixel(o + QPoint(7, -2)), White); // a wing of each unit arrowhead
        QCOMPARE(plane.pixel(o + QPoint(-2, -7)), White);
        QCOMPARE(plane.pixel(o + QPoint(10, -5)), White); // the segment up from (3, 0)
        QCOMPARE(plane.pixel(o + QPoint(30, -5)), Black);
    }

    void pointDrawsOnlyItsLetter()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(0, {{5, 5}});
        plane.confirmFigure();
        const QFontMetrics metrics(plane.window()->canvasFont());
        const int w = metrics.horizontalAdvance(QStringLiteral("A"));
        const QPoint a = plane.screen(5, 5);
        // A lone vertex is every extreme at once: its letter goes right of it
        // and below.
        const QRect letter(a + QPoint(roundToInt(w / 2.0L), 0), QSize(w, metrics.height()));
        QVERIFY(plane.textAt(letter.topLeft(), QStringLiteral("A"), White));
        const QImage withPoint = plane.window()->canvas();
        plane.window()->FormActivate(); // the grid and the axes alone
        const QImage &scene = plane.window()->canvas();
        for (int y = 0; y < scene.height(); ++y)
            for (int x = 0; x < scene.width(); ++x)
                if (withPoint.pixel(x, y) != scene.pixel(x, y))
                    QVERIFY2(letter.contains(x, y) || QPoint(x, y) == a,
                             qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
    }

    void circleCentre()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(4, {{5, 5}, {3, 3}});
        plane.confirmFigure();
        const QPoint a = plane.screen(5, 5);
        QCOMPARE(plane.pixel(a), Red);
        const int h = QFontMetrics(plane.window()->canvasFont()).height();
        QVERIFY(plane.textAt(a + QPoint(2, -h), QStringLiteral("0"), White));
    }

    void mouseReadoutCutsToFourCharacters()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        plane.moveMouse(plane.origin() + QPoint(-355, -125));
        QCOMPARE(plane.labelText("Label5"), QStringLiteral("-35., 12.5"));
    }

    void aiutoOpensTopic201()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        plane.button("aiuto")->click();
        HelpViewer *viewer = HelpViewer::current();
        QVERIFY(viewer);
        QCOMPARE(viewer->currentPage(), HelpSet::topicUrl(201));
        delete viewer;
    }
};

QTEST_MAIN(TestTgeoSurface)
#include "tst_tgeosurface.moc"
