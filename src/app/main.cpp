#include "app/commandline.h"
#include "app/fontwarmup.h"
#include "app/tnumeria.h"
#include "calc/evalcommand.h"
#include "lang/fixedtexts.h"
#include "lang/languagecommand.h"
#include "shell/screenfit.h"
#include "shell/settingsrecord.h"
#include "shell/terminationsignals.h"

#include <QApplication>
#include <QDir>
#include <QIODevice>
#include <QScreen>
#include <QSettings>
#include <QTextStream>

#include <csignal>
#include <utility>
#include <vector>

namespace {

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

int commandLineMode(CommandLine &commandLine, const CommandLine::Request &request)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (request.mode) {
    case CommandLine::Mode::Eval:
        return outputChecked(EvalCommand::run(request.expression, request.radians, out, err), out, err);
    case CommandLine::Mode::CheckLanguage:
        return outputChecked(LanguageCommand::checkLanguage(request.fileName, out, err), out, err);
    case CommandLine::Mode::WriteTemplate:
        return LanguageCommand::writeTemplate(request.fileName, err);
    case CommandLine::Mode::HelpAll:
        commandLine.showHelpWithQtOptions();
        return 0;
    case CommandLine::Mode::Version:
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        return outputChecked(0, out, err);
    default:
        out << commandLine.helpText();
        return outputChecked(0, out, err);
    }
}

// The primary screen's area free of panels at factor 1. Qt reads the factor
// only as an application object is made, so a short-lived one of its own
// looks at the screen first. It gets the display options alone, so that no
// plugin named on the command line is started twice.
QSize screenAreaAtFactorOne(int argc, char *argv[])
{
    qunsetenv("QT_SCALE_FACTOR");
    std::vector<char *> display{argv[0]};
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "-display") == 0)
            display.insert(display.end(), {argv[i], argv[i + 1]});
    }
    int count = int(display.size());
    display.push_back(nullptr);
    QGuiApplication probe(count, display.data());
    return QGuiApplication::primaryScreen()->availableGeometry().size();
}

// An explicit factor is the user's to choose; a line on standard error says
// when it makes the windows larger than the screen.
void warnIfTooLarge(double factor)
{
    const QSize atOne = (QSizeF(QGuiApplication::primaryScreen()->availableGeometry().size()) * factor).toSize();
    if (ScreenFit::fits(factor, atOne))
        return;
    QTextStream(stderr) << QString::fromLatin1(FixedTexts::ScaleTooLarge)
                               .arg(factor)
                               .arg(atOne.width())
                               .arg(atOne.height())
                               .arg(ScreenFit::largestFittingFactor(atOne))
                        << Qt::endl;
}

int commandLineError(const QString &error)
{
    QTextStream err(stderr);
    err << FixedTexts::CommandLineErrorStart << error << '\n' << FixedTexts::CommandLineHint << Qt::endl;
    return 2;
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
    CommandLine commandLine;
    const CommandLine::Request request = commandLine.read(argc, argv);
    if (!request.error.isEmpty())
        return commandLineError(request.error);
    if (request.mode != CommandLine::Mode::Window) {
        // The help names the program as its users call it, not by the path
        // it was started from.
        char name[] = "aralda";
        char *arguments[] = {name, nullptr};
        int count = 1;
        QCoreApplication application(count, arguments);
        QCoreApplication::setApplicationVersion(QStringLiteral(ARALDA_VERSION));
        return commandLineMode(commandLine, request);
    }
    FontWarmUp fonts;
    if (request.scaleToFit)
        applyScale(ScreenFit::largestFittingFactor(screenAreaAtFactorOne(argc, argv)));
    else if (request.scale)
        applyScale(*request.scale);
    QApplication application(argc, argv);
    // Qt has read the factor by now; the browser and mail program that
    // Aralda starts must open at their own size.
    if (request.scale || request.scaleToFit)
        qunsetenv("QT_SCALE_FACTOR");
    if (request.scale)
        warnIfTooLarge(*request.scale);
    fonts.wait();
    QApplication::setApplicationName(QStringLiteral("Numeria"));
    // Qt's file dialog keeps the folders it visited in "QtProject.conf"; in
    // the program's own folder they are not offered to every other program
    // of a shared school account.
    const QString ownFolder = configurationFolder(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath());
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, ownFolder);
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
    numeria.openLessonAtStart(request.lessonFile);
    numeria.show();
    return application.exec();
}
