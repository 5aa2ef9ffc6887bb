// A Qt generic plugin that the tests and the start-up benchmark load into the
// real program with "-plugin araldadriver[:SCENARIO]". The program itself has
// no hook for tests. Scenarios:
//   (none)       once the menus are made (after the splash's first frame),
//                turns the hints off through the menu, as a user would, and
//                prints "ready", so that a test knows the run has something
//                to save;
//   calculator   the same, then opens the calculator and prints "modal NAME"
//                from inside its message loop before "ready";
//   help         the same, then opens the help window before "ready";
//                in these three, each message window that opens prints
//                "message NAME";
//   firstframe   prints "shown NS", the monotonic clock in nanoseconds when
//                the first window's first frame has been drawn, and ends the
//                process at once, so that its CPU time is the start-up's;
//   peak[:W,...] waits for the end of the splash, opens the windows W in
//                order (workspace, cube, calculator), lets them draw, prints
//                "VmHWM KB", the peak resident memory, and ends the process;
//   scale        once the menus are made, prints "ratio R QT_SCALE_FACTOR V",
//                the main window's device pixel ratio and what the programs
//                it starts would inherit ("none" when unset), and ends.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

namespace {

QWidget *mainWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("numeria"))
            return window;
    }
    return nullptr;
}

QAction *menuItem(const char *name)
{
    QWidget *numeria = mainWindow();
    return numeria ? numeria->findChild<QAction *>(QString::fromLatin1(name)) : nullptr;
}

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Ends without tearing anything down: what the benchmark measures is over.
[[noreturn]] void sayAndEnd(const QString &line)
{
    say(line);
    std::_Exit(0);
}

// Calls `then` with the menu item `name` once `ready` holds for it, looking
// every few milliseconds; gives up after ten seconds. The menus are made once
// the splash is on screen, and show when the idle frame takes its place.
constexpr int PollMs = 10;
constexpr int GiveUpMs = 10000;

void whenMenuItem(const char *name, bool (*ready)(const QAction *), std::function<void(QAction *)> then,
                  int waitedMs = 0)
{
    QAction *item = menuItem(name);
    if (item && ready(item)) {
        then(item);
        return;
    }
    if (waitedMs >= GiveUpMs) {
        say(QStringLiteral("no main window"));
        return;
    }
    QTimer::singleShot(PollMs, qApp, [name, ready, then = std::move(then), waitedMs] {
        whenMenuItem(name, ready, then, waitedMs + PollMs);
    });
}

bool made(const QAction *)
{
    return true;
}

void sayScale()
{
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    sayAndEnd(QStringLiteral("ratio %1 QT_SCALE_FACTOR %2")
                  .arg(mainWindow()->devicePixelRatioF())
                  .arg(qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? QString::fromLatin1(factor) : "none"));
}

bool shown(const QAction *item)
{
    return item->isVisible();
}

void drive(const QString &scenario, QAction *hints)
{
    hints->trigger();
    say(QStringLiteral("hints %1").arg(hints->isChecked() ? QStringLiteral("on") : QStringLiteral("off")));
    if (scenario == QLatin1String("help"))
        menuItem("Guida1")->trigger();
    if (scenario != QLatin1String("calculator")) {
        say(QStringLiteral("ready"));
        return;
    }
    // Runs inside the calculator's own message loop, once it is shown.
    QTimer::singleShot(0, qApp, [] {
        QWidget *modal = QApplication::activeModalWidget();
        say(QStringLiteral("modal %1").arg(modal ? modal->objectName() : QString()));
        say(QStringLiteral("ready"));
    });
    menuItem("Calcolatrice1")->trigger();
}

// The first expose of a window draws its frame and hands it to the window
// system before the message loop turns again.
class FirstFrameWatch : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWindow *>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed())
            QTimer::singleShot(0, this, [] { sayAndEnd(QStringLiteral("shown %1").arg(monotonicNanoseconds())); });
        return false;
    }

private:
    static qint64 monotonicNanoseconds()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
    }
};

// A message window can wait for its answer while the program ends: a test
// needs to know that it is there, and how often it came.
class MessageWatch : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QMessageBox *>(watched))
            say(QStringLiteral("message %1").arg(watched->objectName()));
        return false;
    }
};

QByteArray peakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "unknown";
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).simplified().split(' ').value(0);
    }
    return "unknown";
}

// Long enough for the windows just opened to draw, not a measured time.
constexpr int SettleMs = 300;

void reportPeakSoon()
{
    QTimer::singleShot(SettleMs, qApp, [] { sayAndEnd(QStringLiteral("VmHWM %1").arg(peakResidentKilobytes())); });
}

void openWindows(const QStringList &windows)
{
    for (const QString &window : windows) {
        if (window == QLatin1String("workspace"))
            menuItem("Trasformazioni1")->trigger();
        else if (window == QLatin1String("cube"))
            menuItem("Spaziali1")->trigger();
    }
    reportPeakSoon(); // from inside the calculator's message loop when it opens
    if (windows.contains(QLatin1String("calculator")))
        menuItem("Calcolatrice1")->trigger();
}

} // namespace

class AraldaDriver : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "araldadriver.json")

public:
    QObject *create(const QString &key, const QString &scenario) override
    {
        if (key != QLatin1String("araldadriver"))
            return nullptr;
        if (scenario == QLatin1String("firstframe")) {
            auto *watch = new FirstFrameWatch;
            qApp->installEventFilter(watch);
            return watch;
        }
        auto *driver = new QObject;
        QTimer::singleShot(0, driver, [scenario] {
            if (scenario == QLatin1String("scale")) {
                whenMenuItem("Mostrasuggerimenti1", made, [](QAction *) { sayScale(); });
                return;
            }
            if (!scenario.startsWith(QLatin1String("peak"))) {
                qApp->installEventFilter(new MessageWatch(qApp));
                whenMenuItem("Mostrasuggerimenti1", made, [scenario](QAction *hints) { drive(scenario, hints); });
                return;
            }
            const QStringList windows = scenario.section(QLatin1Char(':'), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
            whenMenuItem("Trasformazioni1", shown, [windows](QAction *) {
                QTimer::singleShot(SettleMs, qApp, [windows] { openWindows(windows); });
            });
        });
        return driver;
    }
};

#include "araldadriver.moc"
