#include "app/tnumeria.h"
#include "calc/evalcommand.h"
#include "shell/terminationsignals.h"

#include <QApplication>
#include <QTextStream>

#include <utility>

int main(int argc, char *argv[])
{
    if (EvalCommand::requested(argc, argv)) {
        QCoreApplication application(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return EvalCommand::run(QCoreApplication::arguments(), out, err);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Numeria"));
    TerminationSignals endRequests;
    Tnumeria numeria;
    // Ended by the system, the program closes as its Exit command does, so
    // the settings are saved; modal windows go first, as a user would close
    // them. A second request ends the run even if a message window waits.
    QObject::connect(&endRequests, &TerminationSignals::received, &numeria, [&numeria, closing = false]() mutable {
        if (std::exchange(closing, true)) {
            QCoreApplication::exit(0);
            return;
        }
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->isModal())
                window->close();
        }
        numeria.close();
    });
    numeria.show();
    return application.exec();
}
