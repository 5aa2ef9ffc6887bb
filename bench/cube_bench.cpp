// Time to draw one frame of the turning cube and copy it to the window, per
// axis, for a 1920 x 1080 client area: median and worst over many frames.
//
//   bench_cube [rounds]         (default 10; uses the platform in force, e.g.
//                               QT_QPA_PLATFORM=offscreen or xvfb-run with a
//                               1920-wide screen)
//
// "picture" times the drawing alone: one frame into CubeBitmap and its copy
// into the window's canvas. "window" times the space window's own timer
// handler and the repaint it asks for, delivered at once, on the screen the
// platform offers. Each line gives the wall time and, beside it, the thread's
// CPU time; the wall figures include whatever else the machine did.
#include "benchclock.h"
#include "shell/shellvalues.h"
#include "space/cubeframe.h"
#include "space/tuncubo.h"

#include <QApplication>
#include <QMdiArea>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int ReferenceWidth = 1920;
const QSize Client(1920, 1080);

void report(const char *what, char axis, const BenchSeries &series)
{
    for (const auto &[clock, samples] : {std::pair{"wall", &series.wall}, std::pair{"cpu", &series.cpu}}) {
        const BenchFigures f = benchFigures(*samples);
        std::printf("%-8s %c %-4s frames %6zu  median %8.1f us  99%% %8.1f us  worst %8.1f us\n", what, axis, clock,
                    f.count, f.median, f.percentile99, f.worst);
    }
}

void benchPicture(int rounds)
{
    const CubeDimensions dimensions = cubeDimensions(ReferenceWidth, Client);
    QImage CubeBitmap = newCubeBitmap(dimensions);
    QImage canvas(Client, QImage::Format_RGB32);
    canvas.fill(Qt::lightGray);
    CubeRings rings;
    for (CubeAxis axis : {AxisX, AxisY, AxisZ}) {
        BenchSeries samples;
        BenchClock clock;
        for (int round = 0; round < rounds; ++round) {
            // A whole turn in both directions, every phase drawn once each way.
            for (bool clockwise : {true, false}) {
                int phase = StartPhase;
                for (int frame = 0; frame < FullTurn / PhaseStep; ++frame) {
                    clock.start();
                    drawCubeFrame(CubeBitmap, axis, phase, rings, dimensions);
                    QPainter painter(&canvas);
                    painter.drawImage(QPoint(Client.width() * axis / 3, Client.height() / 4), CubeBitmap);
                    painter.end();
                    samples.add(clock.elapsed());
                    phase = nextPhase(phase, clockwise);
                }
            }
            ApplyQuarterTurns(rings, axis, 1, true);
        }
        report("picture", "xyz"[axis], samples);
    }
}

void benchWindow(int rounds)
{
    // The frame of a child window is the style's; one probe finds its size so
    // the client comes out at 1920 x 1080.
    QMdiArea probeArea;
    auto *probe = new QMdiSubWindow;
    probeArea.addSubWindow(probe);
    const QMargins frame = probe->contentsMargins();
    Shell.ChildAreaWidth = Client.width() + frame.left() + frame.right();
    Shell.ChildAreaHeight = Client.height() + frame.top() + frame.bottom();

    QMdiArea area;
    area.resize(Shell.ChildAreaWidth + 4, Shell.ChildAreaHeight + 4);
    auto *window = new Tuncubo;
    area.addSubWindow(window);
    area.show();
    window->show();
    QApplication::processEvents();
    std::printf("window: client %dx%d, screen width %d\n", window->canvas().width(), window->canvas().height(),
                QGuiApplication::primaryScreen()->geometry().width());

    BenchSeries samples[CubeAxisCount];
    void (Tuncubo::*handlers[])() = {&Tuncubo::cadenzaxTimer, &Tuncubo::cadenzayTimer, &Tuncubo::cadenzazTimer};
    const char *timers[] = {"cadenzax", "cadenzay", "cadenzaz"};
    BenchClock clock;
    auto tick = [&](CubeAxis axis) {
        clock.start();
        (window->*handlers[axis])();
        // Only the repaint: the real timers must not tick inside the measure.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        return clock.elapsed();
    };
    for (int round = 0; round < rounds; ++round) {
        window->FormActivate();
        samples[AxisX].add(tick(AxisX)); // the start cube
        for (int step = 1; step <= 3; ++step) {
            window->findChild<QPushButton *>(QStringLiteral("BitBtn%1").arg(step))->click();
            const CubeAxis axis = window->sequence().schedule.StepAxis[step - 1];
            auto *timer = window->findChild<QTimer *>(QString::fromLatin1(timers[axis]));
            BenchSeries stepTicks;
            while (timer->isActive())
                stepTicks.add(tick(axis));
            stepTicks.dropLast(); // the tick that ends the step draws nothing
            samples[axis].append(stepTicks);
        }
    }
    for (CubeAxis axis : {AxisX, AxisY, AxisZ})
        report("window", "xyz"[axis], samples[axis]);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    benchPicture(rounds);
    benchWindow(rounds);
    return 0;
}
