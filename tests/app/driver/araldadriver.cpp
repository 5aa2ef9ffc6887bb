// A Qt generic plugin that the tests load into the real program with
// "-plugin araldadriver[:calculator]": once the message loop runs it turns
// the hints off through the menu, as a user would, optionally opens the
// calculator, and prints "ready" so that a test knows the run has something
// to save. The program itself has no hook for tests.
#include <QAction>
#include <QApplication>
#include <QGenericPlugin>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

QWidget *mainWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("numeria"))
            return window;
    }
    return nullptr;
}

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

void drive(const QString &scenario)
{
    QWidget *numeria = mainWindow();
    auto *hints = numeria ? numeria->findChild<QAction *>(QStringLiteral("Mostrasuggerimenti1")) : nullptr;
    if (!hints) {
        say(QStringLiteral("no main window"));
        return;
    }
    hints->trigger();
    say(QStringLiteral("hints %1").arg(hints->isChecked() ? QStringLiteral("on") : QStringLiteral("off")));
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
    numeria->findChild<QAction *>(QStringLiteral("Calcolatrice1"))->trigger();
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
        auto *driver = new QObject;
        QTimer::singleShot(0, driver, [scenario] { drive(scenario); });
        return driver;
    }
};

#include "araldadriver.moc"
