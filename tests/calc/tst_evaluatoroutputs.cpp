#include "calc/calculatorvalues.h"
#include "calc/expressionevaluator.h"

#include <QFile>
#include <QTest>

#include <cmath>

namespace {

// The C library's transcendental functions round their last bit differently
// from one processor maker to another (and other architectures have another
// long double), which may reach the single-precision value: a shown value
// may lie one unit in its last place away, written in the same format.
bool shownAsRecorded(const QString &shown, const QString &recorded)
{
    bool numbers[2] = {};
    const double now = shown.toDouble(&numbers[0]);
    const double was = recorded.toDouble(&numbers[1]);
    return shown == recorded
        || (numbers[0] && numbers[1] && shown.size() == recorded.size()
            && std::fabs(now - was) <= std::fabs(was) * 0x1p-23);
}

QString described(const QString &shown, bool beep)
{
    return u'"' + shown + (beep ? u"\", beep"_qs : u"\""_qs);
}

} // namespace

// What the calculator shows for each input of the record, which says how its
// lines are written and chosen.
class TestEvaluatorOutputs : public QObject
{
    Q_OBJECT

private slots:
    void asRecorded()
    {
        QFile file(QStringLiteral(EVALUATOR_OUTPUTS));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        int checked = 0;
        for (int number = 1; !file.atEnd(); ++number) {
            const QByteArray line = file.readLine().chopped(1);
            const QList<QByteArray> fields = line.split('\t');
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            QVERIFY2(fields.size() >= 3 && (fields[0] == "deg" || fields[0] == "rad"), line.constData());
            selectAngleUnit(fields[0] == "deg" ? AngleUnit::Degrees : AngleUnit::Radians);
            const QByteArray input = QByteArray::fromPercentEncoding(fields[1]);
            const Calculation calculation = calculate(QString::fromUtf8(input));
            const QString recorded = QString::fromUtf8(fields[2]);
            const bool beep = fields.size() > 3;
            QVERIFY2(shownAsRecorded(calculation.shown, recorded) && calculation.textRejected == beep,
                     qPrintable(u"line %1, input %2: recorded %3, now %4"_qs.arg(number).arg(
                         QString::fromLatin1(fields[1]), described(recorded, beep),
                         described(calculation.shown, calculation.textRejected))));
            ++checked;
        }
        QVERIFY(checked > 500);
    }
};

QTEST_GUILESS_MAIN(TestEvaluatorOutputs)
#include "tst_evaluatoroutputs.moc"
