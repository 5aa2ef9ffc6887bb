#include "app/commandline.h"

#include "lang/fixedtexts.h"

#include <QCoreApplication>

#include <array>

namespace {

QString text(const char *fixed)
{
    return QString::fromUtf8(fixed);
}

QCommandLineOption valueOption(const char *name, const char *description, const char *value)
{
    return QCommandLineOption(QString::fromLatin1(name), text(description), text(value));
}

// Qt's own options of the window mode, which the application object takes
// out of the command line itself; the parser only lets them pass.
void addWindowSystemOptions(QCommandLineParser &parser)
{
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "geometry", "qwindowtitle", "title", "qwindowicon", "icon", "style", "stylesheet",
                             "session", "display", "name", "dialogs"}) {
        QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Each byte of the command line one character, so that a file name comes
// back byte for byte: QCoreApplication::arguments() reads UTF-8 and would
// turn a name spelt in Latin-1, "caf\xe9.lng", into another name.
QStringList byteArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLatin1(argv[i]);
    return arguments;
}

} // namespace

CommandLine::CommandLine()
    : help(parser.addHelpOption())
    , version(QStringLiteral("version"), text(FixedTexts::VersionOption))
    , eval(valueOption("eval", FixedTexts::EvalOption, FixedTexts::ExpressionValue))
    , radians(QStringLiteral("radians"), text(FixedTexts::RadiansOption))
    , check(valueOption("check-language", FixedTexts::CheckLanguageOption, FixedTexts::FileValue))
    , writeTemplate(valueOption("write-language-template", FixedTexts::WriteTemplateOption, FixedTexts::FileValue))
    , scale(valueOption("scale", FixedTexts::ScaleOption, FixedTexts::FactorValue))
{
    // Qt's window options are written with one dash, -platform, -plugin.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(text(FixedTexts::CommandLineDescription));
    for (const QCommandLineOption &option : {version, eval, radians, check, writeTemplate, scale})
        parser.addOption(option);
    parser.addPositionalArgument(text(FixedTexts::LessonArgument), text(FixedTexts::LessonArgumentHelp),
                                 QStringLiteral("[%1]").arg(text(FixedTexts::LessonArgument)));
    addWindowSystemOptions(parser);
}

CommandLine::Request CommandLine::read(int argc, char *argv[])
{
    if (!parser.parse(byteArguments(argc, argv))) {
        Request unread;
        unread.error = parser.errorText();
        return unread;
    }
    Request read = request();
    if (read.error.isEmpty())
        read.error = combinationError();
    return read;
}

QString CommandLine::helpText() const
{
    return parser.helpText();
}

void CommandLine::showHelpWithQtOptions()
{
    parser.process(QStringList{QCoreApplication::arguments().constFirst(), QStringLiteral("--help-all")});
}

CommandLine::Request CommandLine::request() const
{
    Request request;
    if (parser.isSet(help))
        request.mode = Mode::Help;
    else if (parser.isSet(QStringLiteral("help-all")))
        request.mode = Mode::HelpAll;
    else if (parser.isSet(version))
        request.mode = Mode::Version;
    else if (parser.isSet(eval))
        request.mode = Mode::Eval;
    else if (parser.isSet(check))
        request.mode = Mode::CheckLanguage;
    else if (parser.isSet(writeTemplate))
        request.mode = Mode::WriteTemplate;
    request.expression = valueText(eval);
    request.radians = parser.isSet(radians);
    request.fileName = parser.value(parser.isSet(check) ? check : writeTemplate).toLatin1();
    if (parser.isSet(scale))
        readScale(request);
    if (request.mode == Mode::Window)
        request.lessonFile = QString::fromLocal8Bit(parser.positionalArguments().value(0).toLatin1());
    return request;
}

QString CommandLine::combinationError() const
{
    const std::array modes{&eval, &check, &writeTemplate};
    const QCommandLineOption *given = nullptr;
    for (const QCommandLineOption *mode : modes) {
        if (!parser.isSet(*mode))
            continue;
        if (given)
            return text(FixedTexts::TwoModes).arg(given->names().constFirst(), mode->names().constFirst());
        given = mode;
    }
    for (const QCommandLineOption *option : {&eval, &check, &writeTemplate, &scale}) {
        if (parser.values(*option).size() > 1)
            return text(FixedTexts::OptionTwice).arg(option->names().constFirst());
    }
    if (parser.isSet(radians) && !parser.isSet(eval))
        return text(FixedTexts::RadiansWithoutEval);
    if (parser.isSet(scale) && given)
        return text(FixedTexts::ScaleWithoutWindow);
    // One lesson, for the window; a mode takes no file beside its own.
    const QStringList files = parser.positionalArguments();
    if (files.size() > (given ? 0 : 1))
        return text(FixedTexts::UnexpectedArgument).arg(files.value(given ? 0 : 1));
    return {};
}

// An option's value as the locale spells it, as the calculator's field would
// hold it; the parser got every byte as one character.
QString CommandLine::valueText(const QCommandLineOption &option) const
{
    return QString::fromLocal8Bit(parser.value(option).toLatin1());
}

void CommandLine::readScale(Request &request) const
{
    const QString value = valueText(scale);
    if (value == QLatin1String(FixedTexts::ScaleToFitValue)) {
        request.scaleToFit = true;
        return;
    }
    bool number = false;
    const double factor = value.toDouble(&number);
    // The negated test also rejects NaN.
    if (!number || !(factor >= 1 && factor <= 3))
        request.error = text(FixedTexts::ScaleOutOfRange).arg(value);
    else
        request.scale = factor;
}

void applyScale(double factor)
{
    // Qt's own global enlargement, not a per-window zoom of ours: every
    // widget, font, icon and the canvases' device pixel ratio follow it,
    // and it multiplies the screen's own ratio, so a HiDPI screen keeps its
    // sharpness too. Fractional ratios are used as they are (Qt 6 passes
    // them through unrounded), so 1.5 means 1.5.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
}
