#include "calc/evalcommand.h"

#include "calc/calculatorvalues.h"
#include "lang/fixedtexts.h"

#include <QTextStream>

namespace EvalCommand {

int run(const QString &expression, bool radians, QTextStream &out, QTextStream &err)
{
    // The evaluator drops blanks and has no message of its own for nothing
    // left, so an empty line would be all a teacher saw.
    if (expression.count(QLatin1Char(' ')) == expression.size()) {
        err << FixedTexts::EvalEmptyExpression << Qt::endl;
        return 1;
    }
    selectAngleUnit(radians ? AngleUnit::Radians : AngleUnit::Degrees);
    const Calculation calculation = calculate(expression);
    out << calculation.shown << '\n';
    return calculation.ok ? 0 : 1;
}

} // namespace EvalCommand
