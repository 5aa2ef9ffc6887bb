// A Qt generic plugin that the tests and the start-up benchmark load into the
// real program with "-plugin araldadriver[:SCENARIO]"; the program itself has
// no hook for tests. Scenarios:
//   (none), calculator, help: once the menus are made, turns the hints over
//     through the menu, as a user would, so that the run has something to
//     save; opens that window, the calculator printing "modal NAME" from
//     inside its message loop; prints "ready", and "message NAME" for each
//     message window;
//   firstframe: prints "shown NS", the monotonic clock once the first frame
//     is drawn, and ends at once, so that the CPU time is the start-up's;
//   peak[:W,...]: after the splash opens the windows W (workspace, cube,
//     calculator), lets them draw, prints "VmHWM KB" and ends;
//   scale: prints "ratio R QT_SCALE_FACTOR V", the main window's device pixel
//     ratio and what the programs it starts inherit ("none"), and ends.
#include <QAction>
#include <QApplication>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>

namespace {

QWidget *mainWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto found = std::find_if(windows.begin(), windows.end(),
                                    [](QWidget *window) { return window->objectName() == QLatin1String("numeria"); });
    return found == windows.end() ? nullptr : *found;
}

QAction *menuItem(const char *name)
{
    return mainWindow() ? mainWindow()->findChild<QAction *>(QString::fromLatin1(name)) : nullptr;
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

// Calls `then` with the menu item `name` once it exists (and, with `shown`,
// shows), looking every 10 ms for ten seconds. The menus are made once the
// splash is on screen, and show when the idle frame takes its place.
void whenMenuItem(const char *name, bool shown, std::function<void(QAction *)> then, int waitedMs = 0)
{
    QAction *item = menuItem(name);
    if (item && (!shown || item->isVisible()))
        return then(item);
    if (waitedMs >= 10000)
        return say(QStringLiteral("no main window"));
    QTimer::singleShot(10, qApp, [=] { whenMenuItem(name, shown, then, waitedMs + 10); });
}

void drive(const QString &scenario, QAction *hints)
{
    hints->trigger();
    say(QStringLiteral("hints %1").arg(hints->isChecked() ? QStringLiteral("on") : QStringLiteral("off")));
    if (scenario == QLatin1String("help"))
        menuItem("Guida1")->trigger();
    if (scenario != QLatin1String("calculator"))
        return say(QStringLiteral("ready"));
    // Runs inside the calculator's own message loop, once it is shown.
    QTimer::singleShot(0, qApp, [] {
        QWidget *modal = QApplication::activeModalWidget();
        say(QStringLiteral("modal %1").arg(modal ? modal->objectName() : QString()));
        say(QStringLiteral("ready"));
    });
    menuItem("Calcolatrice1")->trigger();
}

// With `firstFrame`, the first expose of a window, which draws its frame and
// hands it to the window system before the message loop turns again; else
// each message window, which can wait for its answer while the program ends.
class Watch : public QObject
{
public:
    explicit Watch(bool firstFrame) : m_firstFrame(firstFrame) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWindow *>(watched);
        if (m_firstFrame && event->type() == QEvent::Expose && window && window->isExposed())
            QTimer::singleShot(0, this, [] {
                sayAndEnd(QStringLiteral("shown %1").arg(std::chrono::steady_clock::now().time_since_epoch().count()));
            });
        if (!m_firstFrame && event->type() == QEvent::Show && qobject_cast<QMessageBox *>(watched))
            say(QStringLiteral("message %1").arg(watched->objectName()));
        return false;
    }

private:
    bool m_firstFrame;
};

// Long enough for the windows just opened to draw, not a measured time.
constexpr int SettleMs = 300;

void openWindows(const QStringList &windows)
{
    if (windows.contains(QLatin1String("workspace")))
        menuItem("Trasformazioni1")->trigger();
    if (windows.contains(QLatin1String("cube")))
        menuItem("Spaziali1")->trigger();
    // From inside the calculator's message loop when it opens.
    // The peak resident memory, VmHWM, which Linux counts in kilobytes.
    QTimer::singleShot(SettleMs, qApp, [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        sayAndEnd(QStringLiteral("VmHWM %1").arg(usage.ru_maxrss));
    });
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
        auto *watch = new Watch(scenario == QLatin1String("firstframe"));
        qApp->installEventFilter(watch);
        QTimer::singleShot(0, watch, [scenario] {
            if (scenario == QLatin1String("scale")) {
                whenMenuItem("Mostrasuggerimenti1", false, [](QAction *) {
                    sayAndEnd(QStringLiteral("ratio %1 QT_SCALE_FACTOR %2")
                                  .arg(mainWindow()->devicePixelRatioF())
                                  .arg(qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                           ? QString::fromLatin1(qgetenv("QT_SCALE_FACTOR")) : QStringLiteral("none")));
                });
            } else if (scenario.startsWith(QLatin1String("peak"))) {
                const QStringList windows = scenario.section(QLatin1Char(':'), 1).split(QLatin1Char(','));
                whenMenuItem("Trasformazioni1", true, [windows](QAction *) {
                    QTimer::singleShot(SettleMs, qApp, [windows] { openWindows(windows); });
                });
            } else if (scenario != QLatin1String("firstframe")) {
                whenMenuItem("Mostrasuggerimenti1", false, [scenario](QAction *hints) { drive(scenario, hints); });
            }
        });
        return watch;
    }
};

#include "araldadriver.moc"
