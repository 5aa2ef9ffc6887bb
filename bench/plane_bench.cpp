// Time per frame of the workspace's animations on a 1920 x 1080 client area:
// each frame is the timer handler (drawing into the canvas) and the paint
// that presents it, the way a timer event and the repaint after it run. The
// heap allocations made during the frames are counted too. The kinds drawn
// at once (symmetry, affinity, change of frame) are timed as one press of
// `continua`.
//
//   bench_plane [client width] [client height]   (default 1920 1080; uses the
//                                                platform in force, e.g.
//                                                QT_QPA_PLATFORM=offscreen)
//
// The shear asks for a 2 ms timer, the fastest of the workspace. Whether the
// program holds it is seen only with the real timer and event loop:
//
//   bench_plane --shear-rate [seconds] [client width] [client height]
//
// runs the shear of a quadrilateral, then of a circle, on the real timer for
// that many seconds each (default 5), starting the step again whenever it
// ends, and prints the timer events per second against the 500 asked for.
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
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
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

// One press of `continua` whose step is drawn at once, with the paint that
// presents it.
Timing timePress(Tgeo *window, PaintCounter &counter)
{
    Timing timing;
    const int paintsBefore = counter.paints;
    const long allocationsBefore = allocations;
    QElapsedTimer clock;
    clock.start();
    press(window, "continua");
    const long drawn = allocations;
    QCoreApplication::sendPostedEvents();
    timing.frameMs.push_back(clock.nsecsElapsed() / 1e6);
    timing.allocations = drawn - allocationsBefore;
    timing.presentAllocations = allocations - drawn;
    timing.paints = counter.paints - paintsBefore;
    return timing;
}

void report(const QByteArray &name, Timing timing)
{
    if (timing.frameMs.empty())
        return;
    const int events = int(timing.frameMs.size());
    const double last = timing.frameMs.back(); // the event that ends the step
    std::sort(timing.frameMs.begin(), timing.frameMs.end());
    const auto percentile = [&timing](double p) { return timing.frameMs[size_t(p * (timing.frameMs.size() - 1))]; };
    std::printf("%-38s %4d events  median %6.3f  p99 %6.3f  worst %6.3f  end %6.3f ms"
                "  allocations/event %5.1f drawing %5.1f presenting  %d paints\n",
                name.constData(), events, percentile(0.5), percentile(0.99), timing.frameMs.back(), last,
                double(timing.allocations) / events, double(timing.presentAllocations) / events, timing.paints);
}

// A new figure, the store's, with `kind` as its one transformation.
// Returns whether `continua` can run it, that is whether the kind's dialog
// confirmed it; otherwise `name` is reported as not run.
bool newLesson(Tgeo *window, int kind, const QByteArray &name)
{
    window->findChild<QSpinBox *>(QStringLiteral("pnum"))->setValue(1);
    confirmNextDialog();
    press(window, "nuova");
    chooseKind(window, "trasfuno", kind);
    const bool ready = window->findChild<QToolButton *>(QStringLiteral("continua"))->isEnabled();
    if (!ready)
        std::printf("%-38s not run: its parameters were not confirmed\n", name.constData());
    return ready;
}

void setQuadrilateral(TransformSettingsValues &s)
{
    // Across the middle of the plane.
    s.SelectedFigureType = 3;
    s.FigureX = {15, -10, -21, 12};
    s.FigureY = {11, 9, -4, -13};
}

void setCircle(TransformSettingsValues &s)
{
    s.SelectedFigureType = 4;
    s.FigureX = {-20, 12};
    s.FigureY = {-10, 12};
}

// The shear's steps run on the real timer and event loop for `seconds`;
// each step is started again (`cancella`, `continua`) as soon as it ends.
void reportShearRate(const char *name, Tgeo *window, double seconds, PaintCounter &counter)
{
    QTimer *timer = window->findChild<QTimer *>(QStringLiteral("inclinazione"));
    int events = 0;
    const auto counting = QObject::connect(timer, &QTimer::timeout, [&events] { ++events; });
    const int paintsBefore = counter.paints;
    int steps = 0;
    qint64 runningNs = 0;
    QElapsedTimer total;
    total.start();
    while (total.elapsed() < qint64(seconds * 1000)) {
        QElapsedTimer running;
        running.start();
        press(window, "continua");
        while (timer->isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        runningNs += running.nsecsElapsed();
        ++steps;
        press(window, "cancella");
        QCoreApplication::processEvents();
    }
    QObject::disconnect(counting);
    const double running = runningNs / 1e9;
    std::printf("%-38s %5.2f s running in %d steps: %7.1f timer events/s (%.3f ms apart; %d ms asked, %.0f/s),"
                " %6.1f paints/s\n",
                name, running, steps, events / running, 1000 * running / events, timer->interval(),
                1000.0 / timer->interval(), (counter.paints - paintsBefore) / running);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool shearRate = argc > 1 && QByteArray(argv[1]) == "--shear-rate";
    const int first = shearRate ? 3 : 1; // where the client size starts
    const double seconds = shearRate && argc > 2 ? std::atof(argv[2]) : 5;
    const QSize client(argc > first ? std::atoi(argv[first]) : 1920,
                       argc > first + 1 ? std::atoi(argv[first + 1]) : 1080);

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
    std::printf("client area %d x %d, canvas %d x %d, platform %s\n", window->widget()->width(),
                window->widget()->height(), window->canvas().width(), window->canvas().height(),
                qPrintable(QGuiApplication::platformName()));

    TransformSettingsValues &s = TransformSettings;
    if (shearRate) {
        s.ShearAxis = 0;
        s.ShearSign = 0;
        s.ShearX[1] = 5.0f; // 101 frames a step, the longest shear
        setQuadrilateral(s);
        if (newLesson(window, Inclinazione, "shear 5 of the quadrilateral"))
            reportShearRate("shear 5 of the quadrilateral", window, seconds, counter);
        setCircle(s);
        if (newLesson(window, Inclinazione, "shear 5 of the circle"))
            reportShearRate("shear 5 of the circle", window, seconds, counter);
        delete window;
        return 0;
    }

    setQuadrilateral(s);
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
    setCircle(s);
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
    report("change of frame, rotation 30", timePress(window, counter));

    // Each kind of the figure mode alone, on the quadrilateral and then on
    // the circle.
    tipi->setCurrentIndex(0);
    emit tipi->activated(0);
    s.SymmetryKind[1] = 5;
    s.SymmetryAxisAngle[1] = 60;
    s.SymmetryAxisQ[1] = -3;
    s.ShowSymmetryElement[1] = true;
    s.HomothetySign[1] = -1;
    s.HomothetyRatio[1] = 2.0f;
    s.HomothetyCentreX[1] = 3;
    s.HomothetyCentreY[1] = -2;
    s.ShowHomothetyCentre[1] = true;
    s.DilationX[1] = 3.0f;
    s.DilationY[1] = 0.5f;
    s.ShearAxis = 0;
    s.ShearSign = 1;
    s.ShearX[1] = 2.0f;
    s.ShearY[1] = 0;
    for (const bool circle : {false, true}) {
        if (circle)
            setCircle(s);
        else
            setQuadrilateral(s);
        const QByteArray figure = circle ? "circle " : "";
        if (newLesson(window, Simmetria, figure + "symmetry at 60 through (0, -3)"))
            report(figure + "symmetry at 60 through (0, -3)", timePress(window, counter));
        if (newLesson(window, Omotetia, figure + "homothety -2, rays and centre")) {
            press(window, "continua");
            report(figure + "homothety -2, rays and centre", runStep(window, "omotetia", counter));
        }
        if (newLesson(window, Dilatazione, figure + "dilation 3 x 0.5")) {
            press(window, "continua");
            report(figure + "dilation 3 x 0.5", runStep(window, "dilatazione", counter));
        }
        const QByteArray shear = figure + (circle ? "shear -2 along x, 360 pixels" : "shear -2 along x");
        if (newLesson(window, Inclinazione, shear)) {
            press(window, "continua");
            report(shear, runStep(window, "inclinazione", counter));
        }
        const QByteArray affinity = figure + (circle ? "affinity, 361 pixels" : "affinity of the start values");
        if (newLesson(window, Affinita, affinity))
            report(affinity, timePress(window, counter));
    }

    delete window;
    return 0;
}
