// Time from process start to the splash on screen and to the idle frame, and
// the peak memory, over several fresh starts of the main window.
//
//   bench_startup [runs]        (default 5; uses the platform in force, e.g.
//                               QT_QPA_PLATFORM=offscreen or xvfb-run)
#include "app/tnumeria.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

qint64 monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Watches for the first paint of the splash and of the idle frame.
class StartWatch : public QObject
{
public:
    StartWatch(Tnumeria &window, qint64 start) : m_window(window), m_start(start) {}

    double splashMs = -1;
    double idleMs = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        const double elapsed = (monotonicNanoseconds() - m_start) / 1e6;
        if (splashMs < 0 && watched == m_window.centralWidget()) {
            splashMs = elapsed;
        } else if (idleMs < 0 && watched == m_window.mdiArea()->viewport() && m_window.isMaximized()) {
            idleMs = elapsed;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    Tnumeria &m_window;
    qint64 m_start;
};

int measureOnce(int argc, char *argv[], qint64 start)
{
    QTemporaryDir folder; // no settings file: a first run
    QDir::setCurrent(folder.path());
    QApplication application(argc, argv);
    Tnumeria window;
    StartWatch watch(window, start);
    application.installEventFilter(&watch);
    window.show();
    QTimer::singleShot(10000, &application, &QCoreApplication::quit);
    application.exec();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.1f %.1f %.1f\n", watch.splashMs, watch.idleMs, usage.ru_maxrss / 1024.0);
    return watch.idleMs < 0 ? 1 : 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--once") == 0)
        return measureOnce(argc, argv, QByteArray(argv[2]).toLongLong());

    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    std::vector<double> splash, idle, memory;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        const qint64 start = monotonicNanoseconds();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--once"), QString::number(start)});
        child.waitForFinished(20000);
        const QList<QByteArray> fields = child.readAllStandardOutput().simplified().split(' ');
        if (child.exitCode() != 0 || fields.size() != 3) {
            std::fprintf(stderr, "run %d failed\n", run);
            return 1;
        }
        splash.push_back(fields[0].toDouble());
        idle.push_back(fields[1].toDouble());
        memory.push_back(fields[2].toDouble());
    }
    std::printf("runs: %d\n", runs);
    std::printf("process start to splash painted: median %.1f ms, worst %.1f ms\n", median(splash),
                *std::max_element(splash.begin(), splash.end()));
    std::printf("process start to idle frame painted: median %.1f ms, worst %.1f ms"
                " (the splash itself lasts 41 x 1 ms + 25 x 35 ms by design)\n",
                median(idle), *std::max_element(idle.begin(), idle.end()));
    std::printf("peak memory (resident): median %.1f MiB, worst %.1f MiB\n", median(memory),
                *std::max_element(memory.begin(), memory.end()));
    return 0;
}
