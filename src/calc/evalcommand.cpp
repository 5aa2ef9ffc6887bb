#include "calc/evalcommand.h"

#include "calc/calculatorvalues.h"
#include "lang/fixedtexts.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <cstring>

namespace EvalCommand {

namespace {

const char *const EvalOption = "eval";
const char *const RadiansOption = "radians";

} // namespace

bool requested(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--eval") == 0 || std::strncmp(argv[i], "--eval=", 7) == 0)
            return true;
    }
    return false;
}

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption eval(QString::fromLatin1(EvalOption), {}, QStringLiteral("expression"));
    const QCommandLineOption radians(QString::fromLatin1(RadiansOption));
    parser.addOption(eval);
    parser.addOption(radians);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        if (!parser.errorText().isEmpty())
            err << parser.errorText() << '\n';
        err << FixedTexts::EvalUsage << Qt::endl;
        return 2;
    }
    selectAngleUnit(parser.isSet(radians) ? AngleUnit::Radians : AngleUnit::Degrees);
    const Calculation calculation = calculate(parser.value(eval));
    out << calculation.shown << Qt::endl;
    return calculation.ok ? 0 : 1;
}

} // namespace EvalCommand
