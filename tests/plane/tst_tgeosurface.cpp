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

    // The bottom panel from its right end leftwards: each control 5 pixels
    // from the one after it, the glyphs 2 pixels before their labels, the
    // mouse read-out centred between the first two bevels.
    void bottomPanelRow()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        auto *panel = plane.window()->findChild<QWidget *>(u"sotto"_qs);
        auto left = [panel](const char *name) { return panel->findChild<QWidget *>(QString::fromLatin1(name))->x(); };
        auto right = [panel](const char *name) {
            return panel->findChild<QWidget *>(QString::fromLatin1(name))->geometry().right() + 1;
        };
        // Bevels are placed by their left edges, everything else by its right.
        const struct {
            const char *from;
            const char *to;
            bool fromBevel;
            int gap;
        } row[] = {
            {"Bevel2", "Label4", true, 5},  {"Label4", "Bevel3", false, 5}, {"Bevel3", "triangoli", true, 5},
            {"triangoli", "Label2", false, 2}, {"Label2", "Bevel4", false, 5}, {"Bevel4", "grafici", true, 5},
            {"grafici", "Label3", false, 2}, {"Label3", "Bevel5", false, 5}, {"Bevel5", "Panel1", true, 5},
        };
        QStringList gaps;
        QStringList wanted;
        for (const auto &pair : row) {
            const QString name = QLatin1String(pair.from) + u'>' + QLatin1String(pair.to) + u' ';
            gaps << name + QString::number(left(pair.to) - (pair.fromBevel ? left(pair.from) : right(pair.from)));
            wanted << name + QString::number(pair.gap);
        }
        gaps << u"Panel1>end "_qs + QString::number(panel->width() - right("Panel1"));
        wanted << u"Panel1>end 5"_qs;
        QCOMPARE(gaps, wanted);
        const int readout = right("Label5") - left("Label5");
        QCOMPARE(left("Label5"), (left("Bevel1") + left("Bevel2") - readout) / 2);
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
