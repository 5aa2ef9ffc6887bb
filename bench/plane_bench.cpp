// Time per event of the workspace's animations on a 1920 x 1080 client area,
// on the live window: each event is the timer handler (drawing into the
// canvas) and the repaint it causes, processed at once, the way a timer event
// and the paint after it run in the program. Both the wall time and the
// thread's CPU time are measured; on a shared machine the CPU time is the
// steadier of the two, since it leaves out the time spent waiting for the
// display server or for the processor. The kinds drawn at once (symmetry,
// affinity, change of frame) and the overlay are timed as one press of their
// button. The heap allocations made during the events are counted too.
//
//   bench_plane [--runs N] [client width] [client height]
//       (default 5 runs, 1920 x 1080; run it under the display it is to be
//       measured on, e.g. xvfb-run -a, or QT_QPA_PLATFORM=offscreen)
//
// Every scenario runs N times. "median" is the median over every frame event
// of every run; "worst" is the slowest frame event of a run, the median over
// the runs, so that one disturbance by another process does not decide it;
// "end" is the event that ends the step (or the press), median over the runs.
// The peak resident memory (VmHWM) is printed before the workspace opens,
// once it is open and drawn, and after every scenario.
//
// The shear asks for a 2 ms timer, the fastest of the workspace. Whether the
// program holds it is seen only with the real timer and event loop:
//
//   bench_plane --shear-rate [seconds] [client width] [client height]
//
// runs the shear of a quadrilateral, then of a circle, on the real timer for
// that many seconds each (default 5), starting the step again whenever it
// ends, and prints the timer events per second against the 500 asked for.
//
//   bench_plane --paused [seconds] [client width] [client height]
//
// pauses a 90-degree rotation with Space on the real event loop and prints
// the process's CPU share over that many seconds (default 5) with the timer
// events and paints that came meanwhile, then the resume latency at x1: the
// time from the Space that resumes to the next frame on the screen, over a
// series of resumes, each paused again at once.
//
//   bench_plane --exports [client width] [client height]
//
// times what a teacher takes out of the room after a 90-degree rotation of
// a quadrilateral: its GIF, whole and cropped to the figures, and the PDF
// worksheet, over ten of each, with the size of each file.
#include "benchclock.h"

#include "plane/tgeo.h"
#include "shell/shellvalues.h"
#include "transform/transformsettings.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QFile>
#include <QMdiArea>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
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

// The peak resident memory of the process so far, in MiB.
double peakResidentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return -1;
}

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

struct EventTime {
    double wallMs = 0;
    double cpuMs = 0;
};

// One run of a scenario: its events in order, the last one ending the step.
struct Run {
    std::vector<EventTime> events;
    long allocations = 0;        // in the handlers, drawing into the canvas
    long presentAllocations = 0; // in the repaints that present it
    int paints = 0;
};

// Times `event` and the repaint it causes, as one event of `run`.
template <typename Event>
void timeEvent(Run &run, Event event)
{
    const long before = allocations;
    const BenchClock clock;
    event();
    const long drawn = allocations;
    QCoreApplication::sendPostedEvents();
    const BenchSample spent = clock.elapsed();
    run.events.push_back({spent.wallMicroseconds / 1000, spent.cpuMicroseconds / 1000});
    run.allocations += drawn - before;
    run.presentAllocations += allocations - drawn;
}

// Runs the handler of `timerName` until its step ends, timing every event.
Run runStep(Tgeo *window, const char *timerName, PaintCounter &counter)
{
    QTimer *timer = window->findChild<QTimer *>(QString::fromLatin1(timerName));
    // The real timer stays quiet: the frames are driven here, back to back.
    timer->setInterval(3600 * 1000);
    timer->start();
    const QByteArray handler = QByteArray(timerName) + "Timer";
    Run run;
    const int paintsBefore = counter.paints;
    while (timer->isActive())
        timeEvent(run, [&] { QMetaObject::invokeMethod(window, handler.constData()); });
    run.paints = counter.paints - paintsBefore;
    return run;
}

// One press of `button` whose work is done at once, with its repaint.
Run timePress(Tgeo *window, const char *button, PaintCounter &counter)
{
    Run run;
    const int paintsBefore = counter.paints;
    timeEvent(run, [&] { press(window, button); });
    run.paints = counter.paints - paintsBefore;
    return run;
}

double median(std::vector<double> values)
{
    return benchFigures(std::move(values)).median;
}

// What is printed of a scenario's runs, as the header comment defines it.
struct Summary {
    int frames = 0;
    EventTime median;
    EventTime worst;
    EventTime end;
    double drawingAllocations = 0;    // per event
    double presentingAllocations = 0; // per event
    int paints = 0;                   // per run
};

Summary summarise(const std::vector<Run> &runs)
{
    std::vector<double> frameWall, frameCpu, worstWall, worstCpu, endWall, endCpu;
    long events = 0;
    long drawing = 0;
    long presenting = 0;
    int paints = 0;
    for (const Run &run : runs) {
        endWall.push_back(run.events.back().wallMs);
        endCpu.push_back(run.events.back().cpuMs);
        EventTime slowest;
        for (size_t i = 0; i + 1 < run.events.size(); ++i) {
            frameWall.push_back(run.events[i].wallMs);
            frameCpu.push_back(run.events[i].cpuMs);
            slowest.wallMs = std::max(slowest.wallMs, run.events[i].wallMs);
            slowest.cpuMs = std::max(slowest.cpuMs, run.events[i].cpuMs);
        }
        worstWall.push_back(slowest.wallMs);
        worstCpu.push_back(slowest.cpuMs);
        events += long(run.events.size());
        drawing += run.allocations;
        presenting += run.presentAllocations;
        paints += run.paints;
    }
    Summary summary;
    summary.frames = int(runs.front().events.size()) - 1;
    summary.median = {median(frameWall), median(frameCpu)};
    summary.worst = {median(worstWall), median(worstCpu)};
    summary.end = {median(endWall), median(endCpu)};
    summary.drawingAllocations = double(drawing) / events;
    summary.presentingAllocations = double(presenting) / events;
    summary.paints = paints / int(runs.size());
    return summary;
}

QByteArray wallAndCpu(const EventTime &time)
{
    return QByteArray::number(time.wallMs, 'f', 3) + " / " + QByteArray::number(time.cpuMs, 'f', 3);
}

void printSummary(const QByteArray &name, const Summary &s)
{
    const QByteArray none("-");
    std::printf("%-38s %6d  %-22s  %-22s  %-22s  %5.1f drawing %5.1f presenting, %d paints\n", name.constData(),
                s.frames, (s.frames ? wallAndCpu(s.median) : none).constData(),
                (s.frames ? wallAndCpu(s.worst) : none).constData(), wallAndCpu(s.end).constData(),
                s.drawingAllocations, s.presentingAllocations, s.paints);
}

// The runs of every scenario, in the order the scenarios first ran.
class Results
{
public:
    void add(const QByteArray &name, Run run)
    {
        if (!m_runs.count(name))
            m_order.push_back(name);
        m_runs[name].push_back(std::move(run));
    }
    void notRun(const QByteArray &name)
    {
        if (!m_runs.count(name) && !std::count(m_notRun.begin(), m_notRun.end(), name))
            m_notRun.push_back(name);
    }
    void print() const
    {
        std::printf("%-38s %6s  %-22s  %-22s  %-22s  %s\n", "scenario (ms: wall / cpu)", "frames", "frame median",
                    "frame worst", "end", "allocations/event, paints/run");
        for (const QByteArray &name : m_order)
            printSummary(name, summarise(m_runs.at(name)));
        for (const QByteArray &name : m_notRun)
            std::printf("%-38s not run: its parameters were not confirmed\n", name.constData());
    }

private:
    std::vector<QByteArray> m_order;
    std::vector<QByteArray> m_notRun;
    std::map<QByteArray, std::vector<Run>> m_runs;
};

// A new figure, the store's, with `kind` as its one transformation.
// Returns whether `continua` can run it, that is whether the kind's dialog
// confirmed it.
bool newLesson(Tgeo *window, int kind)
{
    window->findChild<QSpinBox *>(QStringLiteral("pnum"))->setValue(1);
    confirmNextDialog();
    press(window, "nuova");
    chooseKind(window, "trasfuno", kind);
    return window->findChild<QToolButton *>(QStringLiteral("continua"))->isEnabled();
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

void chooseMode(Tgeo *window, int mode)
{
    auto *tipi = window->findChild<QComboBox *>(QStringLiteral("tipi"));
    tipi->setCurrentIndex(mode);
    emit tipi->activated(mode);
}

// Whether a lesson is ready to run; otherwise `name` is reported as not run.
bool ready(bool ready, const QByteArray &name, Results &results)
{
    if (!ready)
        results.notRun(name);
    return ready;
}

// Every scenario once, in the order a lesson could take them.
void runScenarios(Tgeo *window, PaintCounter &counter, Results &results)
{
    TransformSettingsValues &s = TransformSettings;
    chooseMode(window, 0);
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
    results.add("translation (-30, 20), vectors", runStep(window, "traslazione", counter));
    press(window, "continua");
    results.add("rotation 359, arcs and radii", runStep(window, "rotazione", counter));
    press(window, "inversa");
    press(window, "continua");
    results.add("rotation 359 of the figure", runStep(window, "rotazione", counter));
    press(window, "continua");
    results.add("translation of the image", runStep(window, "traslazione", counter));

    // A circle, translated with its vector.
    setCircle(s);
    window->findChild<QSpinBox *>(QStringLiteral("pnum"))->setValue(1);
    confirmNextDialog();
    press(window, "nuova");
    chooseKind(window, "trasfuno", Traslazione);
    press(window, "continua");
    results.add("circle translation (-30, 20)", runStep(window, "traslazione", counter));

    // The change of frame is drawn in one go by `continua`.
    chooseMode(window, 1);
    s.SelectedFigureType = 2;
    confirmNextDialog();
    press(window, "nuova");
    s.RotationAngle[1] = 30;
    chooseKind(window, "trasfuno", Rotazione);
    results.add("change of frame, rotation 30", timePress(window, "continua", counter));

    // Each kind of the figure mode alone, on the quadrilateral and then on
    // the circle.
    chooseMode(window, 0);
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
    s.ShearAxis[1] = 0;
    s.ShearSign[1] = 1;
    s.ShearX[1] = 2.0f;
    s.ShearY[1] = 0;
    for (const bool circle : {false, true}) {
        if (circle)
            setCircle(s);
        else
            setQuadrilateral(s);
        const QByteArray figure = circle ? "circle " : "";
        const QByteArray symmetry = figure + "symmetry at 60 through (0, -3)";
        if (ready(newLesson(window, Simmetria), symmetry, results))
            results.add(symmetry, timePress(window, "continua", counter));
        const QByteArray homothety = figure + "homothety -2, rays and centre";
        if (ready(newLesson(window, Omotetia), homothety, results)) {
            press(window, "continua");
            results.add(homothety, runStep(window, "omotetia", counter));
        }
        const QByteArray dilation = figure + "dilation 3 x 0.5";
        if (ready(newLesson(window, Dilatazione), dilation, results)) {
            press(window, "continua");
            results.add(dilation, runStep(window, "dilatazione", counter));
        }
        const QByteArray shear = figure + (circle ? "shear -2 along x, 360 pixels" : "shear -2 along x");
        if (ready(newLesson(window, Inclinazione), shear, results)) {
            press(window, "continua");
            results.add(shear, runStep(window, "inclinazione", counter));
        }
        const QByteArray affinity = figure + (circle ? "affinity, 361 pixels" : "affinity of the start values");
        if (ready(newLesson(window, Affinita), affinity, results))
            results.add(affinity, timePress(window, "continua", counter));
    }
    // The last figure step and the change of frame, superimposed.
    results.add("overlay", timePress(window, "sovra", counter));
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

void reportShearRates(Tgeo *window, double seconds, PaintCounter &counter)
{
    TransformSettingsValues &s = TransformSettings;
    s.ShearAxis[1] = 0;
    s.ShearSign[1] = 0;
    s.ShearX[1] = 5.0f; // 101 frames a step, the longest shear
    for (const bool circle : {false, true}) {
        const char *name = circle ? "shear 5 of the circle" : "shear 5 of the quadrilateral";
        if (circle)
            setCircle(s);
        else
            setQuadrilateral(s);
        if (newLesson(window, Inclinazione))
            reportShearRate(name, window, seconds, counter);
        else
            std::printf("%-38s not run: its parameters were not confirmed\n", name);
    }
}

// The CPU time of the whole process, in milliseconds.
double processCpuMs()
{
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return double(time.tv_sec) * 1e3 + double(time.tv_nsec) / 1e6;
}

void pressKey(Tgeo *window, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(window->widget(), &press);
}

// Runs the real event loop for `ms` milliseconds.
void idle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Resumes the paused rotation with Space and returns the milliseconds until
// its next frame is painted, pausing it again straight after.
double resumeLatencyMs(Tgeo *window, QTimer *timer)
{
    QEventLoop loop;
    const auto framed = QObject::connect(timer, &QTimer::timeout, &loop, [&loop] {
        QCoreApplication::sendPostedEvents();
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    pressKey(window, Qt::Key_Space);
    loop.exec();
    const double latency = clock.nsecsElapsed() / 1e6;
    QObject::disconnect(framed);
    if (timer->isActive())
        pressKey(window, Qt::Key_Space);
    return latency;
}

// A new lesson: the quadrilateral turned by 90 degrees about (2; -2).
// Returns whether its dialog confirmed it, and says so when not.
bool quarterTurnLesson(Tgeo *window, const char *scenario)
{
    TransformSettingsValues &s = TransformSettings;
    setQuadrilateral(s);
    s.RotationAngle[1] = 90;
    s.RotationCentreX[1] = 2;
    s.RotationCentreY[1] = -2;
    if (newLesson(window, Rotazione))
        return true;
    std::printf("%-38s not run: its parameters were not confirmed\n", scenario);
    return false;
}

void reportPaused(Tgeo *window, double seconds, PaintCounter &counter)
{
    if (!quarterTurnLesson(window, "paused rotation 90"))
        return;
    QTimer *timer = window->findChild<QTimer *>(QStringLiteral("rotazione"));
    press(window, "continua");
    idle(5 * timer->interval());
    pressKey(window, Qt::Key_Space);
    int events = 0;
    const auto counting = QObject::connect(timer, &QTimer::timeout, [&events] { ++events; });
    const int paintsBefore = counter.paints;
    const double cpuBefore = processCpuMs();
    QElapsedTimer wall;
    wall.start();
    idle(int(seconds * 1000));
    const double cpu = processCpuMs() - cpuBefore;
    const double wallMs = wall.nsecsElapsed() / 1e6;
    QObject::disconnect(counting);
    std::printf("%-38s %5.2f s paused: %.2f%% CPU (%.1f ms), %d timer events, %d paints\n", "paused rotation 90",
                wallMs / 1000, 100 * cpu / wallMs, cpu, events, counter.paints - paintsBefore);

    std::vector<double> latencies;
    while (timer->isActive() || window->findChild<QToolButton *>(QStringLiteral("pausa"))->isChecked()) {
        latencies.push_back(resumeLatencyMs(window, timer));
        if (latencies.size() == 40)
            break;
    }
    const BenchFigures figures = benchFigures(latencies);
    std::printf("%-38s %zu resumes at x1 (%d ms a frame): key to next frame median %.1f ms, worst %.1f ms\n",
                "resume latency", figures.count, timer->interval(), figures.median, figures.worst);
}

// `make` run ten times; prints the median and worst wall time and the
// size of what it made.
void reportExport(const char *name, const std::function<QByteArray()> &make)
{
    std::vector<double> times;
    QByteArray made;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer wall;
        wall.start();
        made = make();
        times.push_back(wall.nsecsElapsed() / 1e6);
    }
    const BenchFigures figures = benchFigures(times);
    std::printf("%-38s median %.1f ms, worst %.1f ms, %lld bytes\n", name, figures.median, figures.worst,
                static_cast<long long>(made.size()));
}

void reportExports(Tgeo *window, PaintCounter &counter)
{
    if (!quarterTurnLesson(window, "exports"))
        return;
    press(window, "continua");
    const Run run = runStep(window, "rotazione", counter);
    std::printf("rotation 90: %zu frames drawn\n", run.events.size() - 1);
    const auto gif = [window] {
        QByteArray bytes;
        window->animation(bytes);
        return bytes;
    };
    reportExport("GIF of the rotation, whole", gif);
    window->findChild<QAction *>(QStringLiteral("solofigure"))->trigger();
    reportExport("GIF of the rotation, the figures only", gif);
    window->findChild<QAction *>(QStringLiteral("solofigure"))->trigger();
    reportExport("worksheet as PDF, two A4 pages", [window] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF());
        Worksheet::paint(pdf, window->worksheet());
        buffer.close();
        return bytes;
    });
}

struct Options {
    bool shearRate = false;
    bool paused = false;
    bool exports = false;
    double seconds = 5;
    int runs = 5;
    QSize client{1920, 1080};
};

Options readOptions(int argc, char *argv[])
{
    Options options;
    std::vector<int> size;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--shear-rate" || argument == "--paused") {
            (argument == "--paused" ? options.paused : options.shearRate) = true;
            if (i + 1 < argc && QByteArray(argv[i + 1]).toDouble() > 0 && size.empty())
                options.seconds = std::atof(argv[++i]);
        } else if (argument == "--exports") {
            options.exports = true;
        } else if (argument == "--runs" && i + 1 < argc) {
            options.runs = std::max(1, std::atoi(argv[++i]));
        } else {
            size.push_back(std::atoi(argv[i]));
        }
    }
    if (size.size() == 2)
        options.client = QSize(size[0], size[1]);
    return options;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const Options options = readOptions(argc, argv);

    const int textHeight = QFontMetrics(app.font()).height();
    Shell.PanelHeight = 2 * textHeight;
    Shell.SmallControlHeight = textHeight + 4;

    // The frame around the client area depends on the style: measure it on
    // a small first window, then size the workspace so its client is
    // `client`.
    QMdiArea frame;
    frame.resize(options.client + QSize(100, 100));
    frame.show();
    Shell.ChildAreaWidth = 400;
    Shell.ChildAreaHeight = 300;
    auto *probe = new Tgeo;
    frame.addSubWindow(probe);
    probe->show();
    const QSize margins = probe->size() - probe->widget()->size();
    delete probe;

    Shell.ChildAreaWidth = options.client.width() + margins.width();
    Shell.ChildAreaHeight = options.client.height() + margins.height();
    frame.resize(QSize(Shell.ChildAreaWidth, Shell.ChildAreaHeight) + QSize(4, 4));
    QCoreApplication::processEvents();
    const double before = peakResidentMiB();
    auto *window = new Tgeo;
    frame.addSubWindow(window);
    window->show();
    QCoreApplication::processEvents();
    const double open = peakResidentMiB();
    PaintCounter counter;
    window->widget()->installEventFilter(&counter);
    std::printf("client area %d x %d, canvas %d x %d, platform %s, %d runs\n", window->widget()->width(),
                window->widget()->height(), window->canvas().width(), window->canvas().height(),
                qPrintable(QGuiApplication::platformName()), options.shearRate || options.paused || options.exports ? 1 : options.runs);

    if (options.shearRate) {
        reportShearRates(window, options.seconds, counter);
    } else if (options.paused) {
        reportPaused(window, options.seconds, counter);
    } else if (options.exports) {
        reportExports(window, counter);
    } else {
        Results results;
        for (int run = 0; run < options.runs; ++run)
            runScenarios(window, counter, results);
        results.print();
    }
    std::printf("peak resident memory: %.1f MiB before the workspace, %.1f MiB with it open (+%.1f),"
                " %.1f MiB after the scenarios\n",
                before, open, open - before, peakResidentMiB());
    delete window;
    return 0;
}
