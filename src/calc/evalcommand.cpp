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
    const QString expression = parser.value(eval);
    // The evaluator drops blanks and has no message of its own for nothing
    // left, so an empty line would be all a teacher saw.
    if (expression.count(QLatin1Char(' ')) == expression.size()) {
        err << FixedTexts::EvalEmptyExpression << Qt::endl;
        return 1;
    }
    selectAngleUnit(parser.isSet(radians) ? AngleUnit::Radians : AngleUnit::Degrees);
    const Calculation calculation = calculate(expression);
    out << calculation.shown << '\n';
    return calculation.ok ? 0 : 1;
}

} // namespace EvalCommand
