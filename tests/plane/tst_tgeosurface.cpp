#include "planeharness.h"

#include "app/helpset.h"
#include "app/helpviewer.h"
#include "app/imagelist.h"
#include "app/shellvalues.h"
#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "support/guitest.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr QRgb Black = 0x000000;
constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Silver = 0xC0C0C0;
constexpr QRgb Red = 0xFF0000;

QWidget *child(Tgeo *window, const char *name)
{
    return window->findChild<QWidget *>(QString::fromLatin1(name));
}

} // namespace

class TestTgeoSurface : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("hintRow");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("image"); // -1: not a tool button
        QTest::newRow("tipi") << "tipi" << 22 << true << -1;
        QTest::newRow("num") << "num" << 23 << true << -1;
        QTest::newRow("pnum") << "pnum" << 23 << true << -1;
        QTest::newRow("trasfuno") << "trasfuno" << 5 << false << -1;
        QTest::newRow("czoom") << "czoom" << 24 << false << -1;
        QTest::newRow("inversa") << "inversa" << 30 << false << 7;
        QTest::newRow("cancella") << "cancella" << 25 << false << 8;
        QTest::newRow("Tabel") << "Tabel" << 26 << false << 6;
        QTest::newRow("sovra") << "sovra" << 20 << false << 4;
        QTest::newRow("continua") << "continua" << 27 << false << 0;
        QTest::newRow("nuova") << "nuova" << 28 << true << 3;
        QTest::newRow("memo") << "memo" << 14 << true << 23;
        QTest::newRow("aiuto") << "aiuto" << 4 << true << 1;
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(int, hintRow);
        QFETCH(bool, enabled);
        QFETCH(int, image);
        GuiTest::Fixture fixture;
        Language.LanguageIndex = Italian;
        PlaneHarness plane;
        QWidget *control = child(plane.window(), name.toLatin1().constData());
        QVERIFY(control);
        QCOMPARE(control->toolTip(), hintText(ShortTexts.text(hintRow)));
        QCOMPARE(control->isEnabled(), enabled);
        if (image >= 0) {
            const QImage expected = ImageList1::image(image).pixmap(16).toImage();
            QVERIFY(!expected.isNull());
            QCOMPARE(static_cast<QToolButton *>(control)->icon().pixmap(16).toImage(), expected);
        }
        if (name == QLatin1String("sovra"))
            QCOMPARE(control->cursor().shape(), Qt::PointingHandCursor);
        else if (name != QLatin1String("num"))
            QCOMPARE(control->cursor().hotSpot(), pointingCursor().hotSpot());
    }

    void startState()
    {
        GuiTest::Fixture fixture;
        Language.LanguageIndex = Italian;
        PlaneHarness plane;
        Tgeo *window = plane.window();
        QCOMPARE(window->windowTitle(), QStringLiteral("Trasformazioni nel piano"));
        QCOMPARE(plane.combo("tipi")->currentText(), QStringLiteral("Figura"));
        QCOMPARE(plane.combo("tipi")->itemText(1), QStringLiteral("Assi"));
        QCOMPARE(plane.combo("trasfuno")->count(), 7);
        QCOMPARE(plane.combo("trasfuno")->currentIndex(), -1);
        QCOMPARE(plane.combo("trasfdue")->currentIndex(), -1);
        QCOMPARE(plane.combo("trasfdue")->itemText(5), QStringLiteral("inclinazione"));
        QCOMPARE(plane.combo("trasfdue")->itemText(6), QStringLiteral("affinità"));
        QCOMPARE(plane.combo("czoom")->currentText(), QStringLiteral("100%"));
        QCOMPARE(plane.combo("czoom")->itemText(2), QStringLiteral("33%"));
        QCOMPARE(plane.labelText("Label1"), QString());
        for (const char *hidden : {"Panel1", "tcontinua", "tinversa", "stx", "sty"})
            QVERIFY2(!plane.isShown(hidden), hidden);
        const struct {
            const char *name;
            int interval;
        } timers[] = {{"rotazione", 50}, {"traslazione", 50}, {"omotetia", 50}, {"dilatazione", 50},
                      {"inclinazione", 2}};
        for (const auto &timer : timers) {
            QCOMPARE(plane.timer(timer.name)->interval(), timer.interval);
            QVERIFY(!plane.timer(timer.name)->isActive());
        }
        QVERIFY(!Shell.PlaneWindowClosed);
        QCOMPARE(TransformSettings.FigureX[2], 21);
        QCOMPARE(TransformSettings.DilationY[2], 0.5f);
    }

    void popupMenu()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        auto *mostra = plane.window()->findChild<QAction *>(QStringLiteral("mostra"));
        auto *piatto = plane.window()->findChild<QAction *>(QStringLiteral("piatto"));
        QCOMPARE(mostra->text(), QString::fromUtf8(FixedTexts::PlaneShowHintsItem));
        QVERIFY(mostra->isChecked());
        QVERIFY(piatto->isChecked());
        QVERIFY(plane.button("continua")->autoRaise());
        mostra->trigger();
        QVERIFY(!mostra->isChecked());
        QVERIFY(Shell.MainShowHints);
        piatto->trigger();
        QVERIFY(!piatto->isChecked());
        QVERIFY(!plane.button("continua")->autoRaise());
        QVERIFY(!plane.button("aiuto")->autoRaise());
        QVERIFY(!Shell.FlatToolbars);
    }

    void bottomPanelLayout()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        Tgeo *window = plane.window();
        const QFontMetrics metrics(window->widget()->font());
        auto geometry = [window](const char *name) { return child(window, name)->geometry(); };
        const int h = Shell.PanelHeight;
        QCOMPARE(window->panelHeight(), h);
        QCOMPARE(geometry("Label1").left(), 5);
        QCOMPARE(geometry("Label1").width(), metrics.horizontalAdvance(FixedTexts::MessageWidthSample));
        const int afterMessage = geometry("Label1").right() + 1 + 5;
        QCOMPARE(geometry("Bevel1").left(), afterMessage);
        QCOMPARE(geometry("tcontinua").left(), afterMessage);
        QCOMPARE(geometry("tinversa").left(), afterMessage);
        QCOMPARE(geometry("Bevel1").top(), 2);
        QCOMPARE(geometry("Bevel1").height(), h - 4);
        QCOMPARE(geometry("Panel1").right() + 1, window->widget()->width() - 5);
        QCOMPARE(geometry("Panel1").height(), Shell.SmallControlHeight);
        QCOMPARE(geometry("Bevel5").left(), geometry("Panel1").left() - 5);
        QCOMPARE(geometry("Label3").right() + 1, geometry("Bevel5").left() - 5);
        QCOMPARE(geometry("Label3").width(), metrics.horizontalAdvance(FixedTexts::KindWidthSample));
        QCOMPARE(geometry("grafici").right() + 1, geometry("Label3").left() - 2);
        QCOMPARE(geometry("Bevel4").left(), geometry("grafici").left() - 5);
        QCOMPARE(geometry("Label2").right() + 1, geometry("Bevel4").left() - 5);
        QCOMPARE(geometry("triangoli").right() + 1, geometry("Label2").left() - 2);
        QCOMPARE(geometry("Bevel3").left(), geometry("triangoli").left() - 5);
        QCOMPARE(geometry("Label4").right() + 1, geometry("Bevel3").left() - 5);
        QCOMPARE(geometry("Bevel2").left(), geometry("Label4").left() - 5);
        const QRect readout = geometry("Label5");
        QCOMPARE(readout.width(), metrics.horizontalAdvance(FixedTexts::ReadoutWidthSample));
        QCOMPARE(readout.left(), (geometry("Bevel1").left() + geometry("Bevel2").left() - readout.width()) / 2);
        QCOMPARE((h - geometry("Label4").height()) / 2, geometry("Label4").top());
    }

    // The grid and the unit arrowheads keep their pixel spacing at every
    // scale; figure points move towards the origin.
    void gridAndFigureAtEachScale_data()
    {
        QTest::addColumn<int>("zoomItem");
        QTest::addColumn<int>("vertexColumn");
        QTest::newRow("100%") << 0 << 30;
        QTest::newRow("50%") << 1 << 15;
        QTest::newRow("33%") << 2 << 10;
    }

    void gridAndFigureAtEachScale()
    {
        QFETCH(int, zoomItem);
        QFETCH(int, vertexColumn);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(1, {{3, 0}, {3, 6}});
        TransformSettings.TranslationDX[1] = 0;
        TransformSettings.TranslationDY[1] = 0;
        plane.confirmFigure();
        plane.confirmKind(1, Traslazione);
        plane.button("continua")->click();
        QCOMPARE(plane.runStep("traslazione"), 0);
        QVERIFY(plane.combo("czoom")->isEnabled());
        plane.chooseZoom(zoomItem);
        QCOMPARE(plane.window()->mapping().zoomDivisor(), zoomItem + 1);

        const QPoint o = plane.origin();
        QCOMPARE(plane.pixel(o.x() + 10, o.y() + 10), Silver);
        QCOMPARE(plane.pixel(o.x() - 20, o.y() - 30), Silver);
        QCOMPARE(plane.pixel(o.x() + 5, o.y() + 10), Black);
        QCOMPARE(plane.pixel(o.x() + 10, o.y() + 15), Black);
        QCOMPARE(plane.pixel(o.x() + 10, o.y()), White); // x arrow tip, one unit out
        QCOMPARE(plane.pixel(o.x() + 7, o.y() - 2), White);
        QCOMPARE(plane.pixel(o.x() + 7, o.y() + 2), White);
        QCOMPARE(plane.pixel(o.x(), o.y() - 10), White); // y arrow tip
        QCOMPARE(plane.pixel(o.x() - 2, o.y() - 7), White);
        QCOMPARE(plane.pixel(o.x() + 8, o.y() - 3), Black);
        // The segment from (3, 0) upwards.
        QCOMPARE(plane.pixel(o.x() + vertexColumn, o.y() - 5), White);
        QCOMPARE(plane.pixel(o.x() + vertexColumn + 1, o.y() - 5), Black);
        if (vertexColumn != 30)
            QCOMPARE(plane.pixel(o.x() + 30, o.y() - 5), Black);
    }

    void axisLetters()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        const QFontMetrics metrics(plane.window()->canvasFont());
        const QPoint o = plane.origin();
        QVERIFY(plane.textAt(QPoint(2 * o.x() - metrics.horizontalAdvance(QStringLiteral("x")) - 4,
                                    o.y() - metrics.height() - 4),
                             QStringLiteral("x"), White));
        QVERIFY(plane.textAt(QPoint(o.x() - 4 - metrics.horizontalAdvance(QStringLiteral("X")),
                                    plane.window()->topBarHeight() + 4),
                             QStringLiteral("y"), White));
    }

    void vertexLetters()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        plane.confirmFigure(); // the default triangle A (15, 11), B (10, 9), C (21, 4)
        const QFontMetrics metrics(plane.window()->canvasFont());
        const int w = metrics.horizontalAdvance(QStringLiteral("A"));
        const int h = metrics.height();
        const int left = roundToInt(1.5L * w);
        const int right = roundToInt(0.5L * w);
        const int above = roundToInt(1.5L * h);
        // A is the highest vertex, left of the centroid: up by 3h/2, left by
        // 3w/2. B has the smallest x and lies above the centroid. C has the
        // largest x and the lowest row.
        const QPoint a = plane.screen(15, 11);
        const QPoint b = plane.screen(10, 9);
        const QPoint c = plane.screen(21, 4);
        QVERIFY(plane.textAt(a - QPoint(left, above), QStringLiteral("A"), White));
        QVERIFY(plane.textAt(b - QPoint(left, h), QStringLiteral("B"), White));
        QVERIFY(plane.textAt(c + QPoint(right, 0), QStringLiteral("C"), White));
        QCOMPARE(plane.window()->backgroundBitmap().copy(plane.window()->canvas().rect().adjusted(0, 0, 0, -Shell.PanelHeight)),
                 plane.window()->canvas().copy(plane.window()->canvas().rect().adjusted(0, 0, 0, -Shell.PanelHeight)));
    }

    void pointDrawsOnlyItsLetter()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(0, {{5, 5}});
        plane.confirmFigure();
        // A lone vertex is every extreme at once: its letter goes right of
        // it and below.
        const QFontMetrics metrics(plane.window()->canvasFont());
        const QPoint a = plane.screen(5, 5);
        const QRect letter(a + QPoint(roundToInt(0.5L * metrics.horizontalAdvance(QStringLiteral("A"))), 0),
                           QSize(metrics.horizontalAdvance(QStringLiteral("A")), metrics.height()));
        QVERIFY(plane.textAt(letter.topLeft(), QStringLiteral("A"), White));
        const QImage withPoint = plane.window()->canvas();
        plane.window()->FormActivate();
        const QImage sceneOnly = plane.window()->canvas();
        for (int y = 0; y < withPoint.height(); ++y)
            for (int x = 0; x < withPoint.width(); ++x)
                if (withPoint.pixel(x, y) != sceneOnly.pixel(x, y))
                    QVERIFY2(letter.contains(x, y) || QPoint(x, y) == a,
                             qPrintable(QStringLiteral("changed at %1, %2").arg(x).arg(y)));
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
        QVERIFY(plane.textAt(QPoint(a.x() + 2, a.y() - h), QStringLiteral("0"), White));
        QVERIFY(plane.pixel(a.x() + 30, a.y()) == White || plane.pixel(a.x() + 29, a.y()) == White);
        QVERIFY(plane.pixel(a.x(), a.y() + 30) == White || plane.pixel(a.x(), a.y() + 29) == White);
        QCOMPARE(plane.pixel(a.x() + 15, a.y() + 1), Black);
    }

    void mouseReadout_data()
    {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QString>("text");
        QTest::newRow("3.5, -2.0") << QPoint(35, 20) << "3.5, -2.0";
        QTest::newRow("negative cut to four") << QPoint(-355, -125) << "-35., 12.5";
        QTest::newRow("origin") << QPoint(0, 0) << "0.0, 0.0";
    }

    void mouseReadout()
    {
        QFETCH(QPoint, offset);
        QFETCH(QString, text);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        plane.moveMouse(plane.origin() + offset);
        QCOMPARE(plane.labelText("Label5"), text);
    }

    void activationPaintsTheSceneOnly()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        plane.confirmFigure();
        const QPoint o = plane.origin();
        const QPoint midAB(o.x() + 125, o.y() - 100);
        QCOMPARE(plane.pixel(midAB), White);
        plane.window()->FormActivate();
        QCOMPARE(plane.pixel(midAB), Black);
        QCOMPARE(plane.pixel(o.x() + 150, o.y() - 110), Silver); // vertex A on a grid dot
        QCOMPARE(plane.pixel(o.x() + 10, o.y()), White);
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
