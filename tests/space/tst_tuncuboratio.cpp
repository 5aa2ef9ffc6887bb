#include "space/tuncubo.h"

#include "shell/shellvalues.h"
#include "space/cubelegend.h"
#include "support/guitest.h"

#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

// The cube window on a screen of device pixel ratio 2 (registered with Qt's
// scale factor 2, as `--scale 2` starts it): its pictures have twice the
// pixels each way, and every control stands where it stands at ratio 1.
class TestTuncuboRatio : public QObject
{
    Q_OBJECT

    struct SpaceWindow {
        SpaceWindow()
        {
            Shell.ChildAreaWidth = 1000;
            Shell.ChildAreaHeight = 700;
            area.resize(1004, 704);
            window = new Tuncubo;
            area.addSubWindow(window);
            area.show();
            window->show();
            window->cadenzaxTimer(); // the start cube into the first third
            window->Timer1Timer();   // the legend
        }

        GuiTest::Fixture fixture;
        QMdiArea area;
        Tuncubo *window;
    };

    static QRgb at(const QImage &image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

private slots:
    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    void canvasHasTheScreensRatio()
    {
        SpaceWindow space;
        const QImage &canvas = space.window->canvas();
        QCOMPARE(canvas.devicePixelRatio(), 2.0);
        QCOMPARE(space.window->clientSize(), space.window->contentsRect().size());
        QCOMPARE(canvas.size(), space.window->clientSize() * 2);
    }

    // The first third holds the start cube drawn at ratio 2, pixel for pixel,
    // and the window shows those very pixels.
    void thirdHoldsTheFrameAtFullResolution()
    {
        SpaceWindow space;
        const QImage &canvas = space.window->canvas();
        const CubeDimensions &dimensions = space.window->dimensions();
        QImage frame = newCubeBitmap(dimensions, 2);
        drawCubeFrame(frame, AxisX, StartPhase, CubeRings{}, dimensions);
        const QRect third(QPoint(0, space.window->clientSize().height() / 4), dimensions.bitmapSize);
        const QRect pixels = imageRect(canvas, third);
        QCOMPARE(pixels.size(), frame.size());
        QCOMPARE(canvas.copy(pixels), frame.copy());
        const QImage shown = space.window->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QCOMPARE(shown.copy(pixels), frame.copy());
    }

    // A legend line is two image pixels wide, silver on both sides.
    void legendLineStaysSharp()
    {
        SpaceWindow space;
        const auto [x0, t, s] = space.window->legendPlace();
        const QImage &canvas = space.window->canvas();
        const int x = 2 * (x0 + 7 * s);
        const int y = 2 * (t + s / 5);
        QCOMPARE(at(canvas, x - 1, y), WindowSilver);
        QCOMPARE(at(canvas, x, y), 0x000000u);
        QCOMPARE(at(canvas, x + 1, y), 0x000000u);
        QCOMPARE(at(canvas, x + 2, y), WindowSilver);
    }

    // The step buttons stand under the middle of their thirds in program
    // pixels; placed by the image's width, the last two would leave the window.
    void controlsStayInProgramPixels()
    {
        SpaceWindow space;
        const int width = space.window->clientSize().width();
        for (int k = 1; k <= StepCount; ++k) {
            const QRect button = space.window->findChild<QPushButton *>(QStringLiteral("BitBtn%1").arg(k))->geometry();
            QVERIFY2(qAbs(button.center().x() - width * (2 * k - 1) / 6) <= 1,
                     qPrintable(QStringLiteral("step %1 centred at %2 of %3").arg(k).arg(button.center().x()).arg(width)));
        }
    }

    void turningArrowsAtFullResolution()
    {
        SpaceWindow space;
        for (int image = 1; image <= 2 * StepCount; ++image) {
            const QPixmap arrow = space.window->findChild<QLabel *>(QStringLiteral("Image%1").arg(image))->pixmap();
            QCOMPARE(arrow.devicePixelRatio(), 2.0);
            QCOMPARE(arrow.size(), QSize(32, 32));
        }
    }
};

QTEST_MAIN(TestTuncuboRatio)
#include "tst_tuncuboratio.moc"
