// Writes the record of the evaluator's outputs that tst_evaluatoroutputs
// compares with, for when its results change on purpose:
//     write_evaluator_outputs tests/calc/evaluatoroutputs.bin
#include "evaluatorrecord.h"

#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_evaluator_outputs FILE\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(recordedEvaluatorOutputs()) < 0
        || !file.flush()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(file.errorString()));
        return 2;
    }
    return 0;
}
