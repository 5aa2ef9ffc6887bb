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
// platform offers. The worst figure includes whatever else the machine did.
#include "shell/shellvalues.h"
#include "space/cubeframe.h"
#include "space/tuncubo.h"

#include <QApplication>
#include <QElapsedTimer>
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

struct Figures {
    double median;
    double percentile99;
    double worst;
    size_t frames;
};

Figures figures(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples[samples.size() * 99 / 100], samples.back(), samples.size()};
}

void report(const char *what, char axis, const Figures &f)
{
    std::printf("%-8s %c  frames %6zu  median %8.1f us  99%% %8.1f us  worst %8.1f us\n", what, axis, f.frames,
                f.median, f.percentile99, f.worst);
}

void benchPicture(int rounds)
{
    const CubeDimensions dimensions = cubeDimensions(ReferenceWidth, Client);
    QImage CubeBitmap = newCubeBitmap(dimensions);
    QImage canvas(Client, QImage::Format_RGB32);
    canvas.fill(Qt::lightGray);
    CubeRings rings;
    for (CubeAxis axis : {AxisX, AxisY, AxisZ}) {
        std::vector<double> samples;
        QElapsedTimer clock;
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
                    samples.push_back(clock.nsecsElapsed() / 1000.0);
                    phase = nextPhase(phase, clockwise);
                }
            }
            ApplyQuarterTurns(rings, axis, 1, true);
        }
        report("picture", "xyz"[axis], figures(samples));
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

    std::vector<double> samples[CubeAxisCount];
    void (Tuncubo::*handlers[])() = {&Tuncubo::cadenzaxTimer, &Tuncubo::cadenzayTimer, &Tuncubo::cadenzazTimer};
    const char *timers[] = {"cadenzax", "cadenzay", "cadenzaz"};
    QElapsedTimer clock;
    auto tick = [&](CubeAxis axis) {
        clock.start();
        (window->*handlers[axis])();
        // Only the repaint: the real timers must not tick inside the measure.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        return clock.nsecsElapsed() / 1000.0;
    };
    for (int round = 0; round < rounds; ++round) {
        window->FormActivate();
        samples[AxisX].push_back(tick(AxisX)); // the start cube
        for (int step = 1; step <= 3; ++step) {
            window->findChild<QPushButton *>(QStringLiteral("BitBtn%1").arg(step))->click();
            const CubeAxis axis = window->sequence().schedule.StepAxis[step - 1];
            auto *timer = window->findChild<QTimer *>(QString::fromLatin1(timers[axis]));
            std::vector<double> stepTicks;
            while (timer->isActive())
                stepTicks.push_back(tick(axis));
            stepTicks.pop_back(); // the tick that ends the step draws nothing
            samples[axis].insert(samples[axis].end(), stepTicks.begin(), stepTicks.end());
        }
    }
    for (CubeAxis axis : {AxisX, AxisY, AxisZ})
        report("window", "xyz"[axis], figures(samples[axis]));
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
