#pragma once

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>

#include <optional>

// The whole command line, read once before any application object exists,
// since every mode but the window's must work without a window system.
class CommandLine
{
public:
    enum class Mode { Window, Eval, CheckLanguage, WriteTemplate, Help, HelpAll, Version };

    struct Request
    {
        Mode mode = Mode::Window;
        QString error; // not empty: the command line cannot be read
        QString expression;
        bool radians = false;
        QByteArray fileName; // its bytes as the shell gave them
        std::optional<double> scale;
        bool scaleToFit = false;
        QString lessonFile; // empty: none // --scale auto: the largest factor the screen holds
    };

    CommandLine();
    Request read(int argc, char *argv[]);
    // The text of --help; needs the application object, which names the program.
    QString helpText() const;
    // --help-all, as Qt prints it with its own options; ends the program.
    void showHelpWithQtOptions();

private:
    Request request() const;
    QString combinationError() const;
    QString valueText(const QCommandLineOption &option) const;
    void readScale(Request &request) const;

    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption eval;
    QCommandLineOption radians;
    QCommandLineOption check;
    QCommandLineOption writeTemplate;
    QCommandLineOption scale;
};

// Asks Qt to enlarge every window, font and picture by `factor`. Must run
// before the application object exists: Qt reads it only then.
void applyScale(double factor);
