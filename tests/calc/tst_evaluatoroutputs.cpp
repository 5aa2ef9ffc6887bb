#include "evaluatorrecord.h"

#include <QFile>
#include <QTest>

#include <limits>

// The evaluator's outputs for every recorded input as the record holds them:
// a faster evaluator must leave exactly what the first one left, but for
// the last bits of extended values that the C library's transcendental
// functions made (see matchesRecord). An intended change of results
// rewrites the record with write_evaluator_outputs.
class TestEvaluatorOutputs : public QObject
{
    Q_OBJECT

private slots:
    void asRecorded()
    {
        if (std::numeric_limits<long double>::digits != 64)
            QSKIP("the record holds the extended values of x86-64's 80-bit long double");
        QFile file(QStringLiteral(EVALUATOR_OUTPUTS));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray recorded = qUncompress(file.readAll());
        QVERIFY(!recorded.isEmpty());
        qsizetype position = 0;
        int lineNumber = 0;
        QByteArray difference;
        recordEvaluatorOutputs([&](const QString &input, const QByteArray &line, long double reach) {
            ++lineNumber;
            const qsizetype end = recorded.indexOf('\n', position);
            const QByteArray expected = end < 0 ? QByteArray() : recorded.sliced(position, end - position);
            if (end < 0 || !matchesRecord(expected, line, reach)) {
                difference = "line " + QByteArray::number(lineNumber) + ", input " + printable(input)
                    + "\nrecorded: " + expected + "\nnow:      " + line;
                return false;
            }
            position = end + 1;
            return true;
        });
        QVERIFY2(difference.isEmpty(), difference.constData());
        QCOMPARE(position, recorded.size());
    }
};

QTEST_GUILESS_MAIN(TestEvaluatorOutputs)
#include "tst_evaluatoroutputs.moc"
