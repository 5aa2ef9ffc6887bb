#include "spacewindow.h"

#include "shell/shellvalues.h"
#include "space/cubelegend.h"
#include "support/guitest.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <optional>

// The cube window on a screen of device pixel ratio 2 (registered with Qt's
// scale factor 2, as `--scale 2` starts it): its pictures have twice the
// pixels each way, and every control stands where it stands at ratio 1.
class TestTuncuboRatio : public QObject
{
    Q_OBJECT

    // The space window with the start cube in its first third and the legend drawn.
    struct RatioWindow : SpaceWindow {
        RatioWindow()
        {
            window->cadenzaxTimer();
            window->Timer1Timer();
        }
    };

    std::optional<GuiTest::Fixture> fixture;

private slots:
    void init() { fixture.emplace(); }

    void cleanup()
    {
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
        fixture.reset();
    }

    // The first third holds the start cube drawn at ratio 2, pixel for pixel,
    // and the window shows those very pixels.
    void thirdHoldsTheFrameAtFullResolution()
    {
        RatioWindow space;
        const QImage &canvas = space.window->canvas();
        QCOMPARE(canvas.devicePixelRatio(), 2.0);
        QCOMPARE(space.window->clientSize(), space.window->contentsRect().size());
        QCOMPARE(canvas.size(), space.window->clientSize() * 2);
        const QImage frame = space.frame(AxisX, StartPhase, CubeRings{});
        QCOMPARE(frame.size(), space.window->dimensions().bitmapSize * 2);
        QCOMPARE(space.third(0), frame);
        const QRect third(QPoint(0, space.window->clientSize().height() / 4), space.window->dimensions().bitmapSize);
        const QImage shown = space.window->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QCOMPARE(shown.copy(imageRect(canvas, third)), frame);
    }

    // A legend line is two image pixels wide, silver on both sides.
    void legendLineStaysSharp()
    {
        RatioWindow space;
        const auto [x0, t, s] = space.window->legendPlace();
        const QImage &canvas = space.window->canvas();
        const int x = 2 * (x0 + 7 * s);
        const int y = 2 * (t + s / 5);
        QList<QRgb> line;
        for (int dx = -1; dx <= 2; ++dx)
            line << (canvas.pixel(x + dx, y) & 0xFFFFFF);
        QCOMPARE(line, (QList<QRgb>{WindowSilver, 0x000000, 0x000000, WindowSilver}));
    }

    // The step buttons stand under the middle of their thirds in program
    // pixels; placed by the image's width, the last two would leave the
    // window. The turning arrows are 16 program pixels drawn at full resolution.
    void controlsStayInProgramPixels()
    {
        RatioWindow space;
        const int width = space.window->clientSize().width();
        for (int k = 1; k <= StepCount; ++k) {
            const QRect button = space.step(k)->geometry();
            QVERIFY2(qAbs(button.center().x() - width * (2 * k - 1) / 6) <= 1,
                     qPrintable(QStringLiteral("step %1 centred at %2 of %3").arg(k).arg(button.center().x()).arg(width)));
        }
        for (int image = 1; image <= 2 * StepCount; ++image) {
            const QPixmap arrow = space.find<QLabel>(QStringLiteral("Image%1").arg(image))->pixmap();
            QCOMPARE(arrow.devicePixelRatio(), 2.0);
            QCOMPARE(arrow.size(), QSize(32, 32));
        }
    }
};

QTEST_MAIN(TestTuncuboRatio)
#include "tst_tuncuboratio.moc"
