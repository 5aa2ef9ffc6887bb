// Time per frame of the workspace's animations on a 1920 x 1080 client area:
// each frame is the timer handler (drawing into the canvas) and the paint
// that presents it, the way a timer event and the repaint after it run. The
// heap allocations made during the frames are counted too.
//
//   bench_plane [client width] [client height]   (default 1920 1080; uses the
//                                                platform in force, e.g.
//                                                QT_QPA_PLATFORM=offscreen)
#include "plane/tgeo.h"
#include "shell/shellvalues.h"
#include "transform/transformsettings.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

namespace {

std::atomic<long> allocations{0};

} // namespace

void *operator new(std::size_t size)
{
    ++allocations;
    if (void *memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void *memory) noexcept
{
    std::free(memory);
}

void operator delete(void *memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace {

// Presses OK in the parameter dialog the next command opens.
void confirmNextDialog()
{
    QTimer::singleShot(0, [] {
        QApplication::activeModalWidget()->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    });
}

void chooseKind(Tgeo *window, const char *box, int kind)
{
    auto *combo = window->findChild<QComboBox *>(QString::fromLatin1(box));
    combo->setCurrentIndex(kind);
    confirmNextDialog();
    emit combo->activated(kind);
}

void press(Tgeo *window, const char *button)
{
    window->findChild<QToolButton *>(QString::fromLatin1(button))->click();
}

struct Timing {
    std::vector<double> frameMs;
    long allocations = 0;        // in the handler, drawing into the canvas
    long presentAllocations = 0; // in the paint that presents it
    int paints = 0;
};

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Runs the handler of `timerName` until its step ends, timing every event.
Timing runStep(Tgeo *window, const char *timerName, PaintCounter &counter)
{
    QTimer *timer = window->findChild<QTimer *>(QString::fromLatin1(timerName));
    // The real timer stays quiet: the frames are driven here, back to back.
    timer->setInterval(3600 * 1000);
    timer->start();
    const QByteArray handler = QByteArray(timerName) + "Timer";
    Timing timing;
    const int paintsBefore = counter.paints;
    QElapsedTimer clock;
    while (timer->isActive()) {
        const long before = allocations;
        clock.start();
        QMetaObject::invokeMethod(window, handler.constData());
        const long drawn = allocations;
        QCoreApplication::sendPostedEvents();
        timing.frameMs.push_back(clock.nsecsElapsed() / 1e6);
        timing.allocations += drawn - before;
        timing.presentAllocations += allocations - drawn;
    }
    timing.paints = counter.paints - paintsBefore;
    return timing;
}

void report(const char *name, Timing timing)
{
    if (timing.frameMs.empty())
        return;
    const int events = int(timing.frameMs.size());
    const double last = timing.frameMs.back(); // the event that ends the step
    std::sort(timing.frameMs.begin(), timing.frameMs.end());
    const auto percentile = [&timing](double p) { return timing.frameMs[size_t(p * (timing.frameMs.size() - 1))]; };
    std::printf("%-32s %4d events  median %6.3f  p99 %6.3f  worst %6.3f  end %6.3f ms"
                "  allocations/event %5.1f drawing %5.1f presenting  %d paints\n",
                name, events, percentile(0.5), percentile(0.99), timing.frameMs.back(), last,
                double(timing.allocations) / events, double(timing.presentAllocations) / events, timing.paints);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QSize client(argc > 1 ? std::atoi(argv[1]) : 1920, argc > 2 ? std::atoi(argv[2]) : 1080);

    const int textHeight = QFontMetrics(app.font()).height();
    Shell.PanelHeight = 2 * textHeight;
    Shell.SmallControlHeight = textHeight + 4;

    // The frame around the client area depends on the style: measure it on
    // a first window, then size the workspace so its client is `client`.
    QMdiArea frame;
    frame.resize(client + QSize(200, 200));
    frame.show();
    Shell.ChildAreaWidth = client.width();
    Shell.ChildAreaHeight = client.height();
    auto *probe = new Tgeo;
    frame.addSubWindow(probe);
    probe->show();
    const QSize margins = probe->size() - probe->widget()->size();
    delete probe;

    Shell.ChildAreaWidth = client.width() + margins.width();
    Shell.ChildAreaHeight = client.height() + margins.height();
    frame.resize(QSize(Shell.ChildAreaWidth, Shell.ChildAreaHeight) + QSize(4, 4));
    auto *window = new Tgeo;
    frame.addSubWindow(window);
    window->show();
    QCoreApplication::processEvents();
    PaintCounter counter;
    window->widget()->installEventFilter(&counter);
    std::printf("client area %d x %d, canvas %d x %d\n", window->widget()->width(), window->widget()->height(),
                window->canvas().width(), window->canvas().height());

    TransformSettingsValues &s = TransformSettings;
    // A quadrilateral across the middle of the plane.
    s.SelectedFigureType = 3;
    s.FigureX = {15, -10, -21, 12};
    s.FigureY = {11, 9, -4, -13};
    s.TranslationDX[1] = -30;
    s.TranslationDY[1] = 20;
    s.ShowTranslationVector[1] = true;
    s.RotationAngle[2] = 359;
    s.RotationCentreX[2] = 2;
    s.RotationCentreY[2] = -2;
    s.ShowRotationArcs[2] = true;
    window->findChild<QSpinBox *>(QStringLiteral("pnum"))->setValue(2);
    confirmNextDialog();
    press(window, "nuova");
    chooseKind(window, "trasfuno", Traslazione);
    chooseKind(window, "trasfdue", Rotazione);

    press(window, "continua");
    report("translation (-30, 20), vectors", runStep(window, "traslazione", counter));
    press(window, "continua");
    report("rotation 359, arcs and radii", runStep(window, "rotazione", counter));
    press(window, "inversa");
    press(window, "continua");
    report("rotation 359 of the figure", runStep(window, "rotazione", counter));
    press(window, "continua");
    report("translation of the image", runStep(window, "traslazione", counter));

    // A circle, translated with its vector.
    s.SelectedFigureType = 4;
    s.FigureX = {-20, 12};
    s.FigureY = {-10, 12};
    window->findChild<QSpinBox *>(QStringLiteral("pnum"))->setValue(1);
    confirmNextDialog();
    press(window, "nuova");
    chooseKind(window, "trasfuno", Traslazione);
    press(window, "continua");
    report("circle translation (-30, 20)", runStep(window, "traslazione", counter));

    // The change of frame is drawn in one go by `continua`.
    auto *tipi = window->findChild<QComboBox *>(QStringLiteral("tipi"));
    tipi->setCurrentIndex(1);
    emit tipi->activated(1);
    s.SelectedFigureType = 2;
    confirmNextDialog();
    press(window, "nuova");
    s.RotationAngle[1] = 30;
    chooseKind(window, "trasfuno", Rotazione);
    Timing frameChange;
    const int paintsBefore = counter.paints;
    const long allocationsBefore = allocations;
    QElapsedTimer clock;
    clock.start();
    press(window, "continua");
    const long drawn = allocations;
    QCoreApplication::sendPostedEvents();
    frameChange.frameMs.push_back(clock.nsecsElapsed() / 1e6);
    frameChange.allocations = drawn - allocationsBefore;
    frameChange.presentAllocations = allocations - drawn;
    frameChange.paints = counter.paints - paintsBefore;
    report("change of frame, rotation 30", frameChange);

    delete window;
    return 0;
}
