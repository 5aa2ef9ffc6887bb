#include "app/fontwarmup.h"
#include "app/scaleoption.h"
#include "app/tnumeria.h"
#include "calc/evalcommand.h"
#include "lang/fixedtexts.h"
#include "lang/languagecommand.h"
#include "shell/terminationsignals.h"

#include <QApplication>
#include <QIODevice>
#include <QTextStream>

#include <csignal>
#include <cstring>
#include <utility>

namespace {

bool helpRequested(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return true;
    }
    return false;
}

// What a command-line mode printed reached its reader, or the mode failed:
// a report sent to a full disk or a closed pipe is no success. Every mode's
// output ends here.
int outputChecked(int exitCode, QTextStream &out, QTextStream &err)
{
    out.flush();
    if (out.status() == QTextStream::Ok)
        return exitCode;
    err << FixedTexts::OutputNotWritten << out.device()->errorString() << Qt::endl;
    return 2;
}

int commandLineMode(bool eval, bool language, int argc, char *argv[])
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    int exitCode = 0;
    if (eval)
        exitCode = EvalCommand::run(QCoreApplication::arguments(), out, err);
    else if (language)
        exitCode = LanguageCommand::run(argc, argv, out, err);
    else
        out << FixedTexts::CommandLineHelp;
    return outputChecked(exitCode, out, err);
}

} // namespace

int main(int argc, char *argv[])
{
    // Past a file size limit (ulimit -f) the system ends the program at once,
    // silently, losing what the run had to save. Ignored, the signal leaves
    // the write failing with EFBIG, which is reported as a full disk is.
    std::signal(SIGXFSZ, SIG_IGN);
    // The command-line modes open no window, so they must not create an
    // application object that needs a window system.
    const bool eval = EvalCommand::requested(argc, argv);
    const bool language = !eval && LanguageCommand::requested(argc, argv);
    if (eval || language || helpRequested(argc, argv)) {
        QCoreApplication application(argc, argv);
        return commandLineMode(eval, language, argc, argv);
    }
    const ScaleOption::Result scale = ScaleOption::read(argc, argv);
    if (!scale.error.isEmpty()) {
        QTextStream err(stderr);
        err << scale.error << '\n' << FixedTexts::ScaleUsage << Qt::endl;
        return 2;
    }
    if (scale.given)
        ScaleOption::apply(scale.factor);
    FontWarmUp fonts;
    QApplication application(argc, argv);
    fonts.wait();
    QApplication::setApplicationName(QStringLiteral("Numeria"));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ARALDA_APP_ID));
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
