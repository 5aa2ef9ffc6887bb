// Writes the record of the evaluator's outputs that tst_evaluatoroutputs
// compares with, for when its results change on purpose:
//     write_evaluator_outputs tests/calc/evaluatoroutputs.bin
// The lines the file already holds that still match are kept as they stand.
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
    bool written = file.open(QIODevice::ReadWrite);
    if (written) {
        const QByteArray stored = file.readAll();
        const QByteArray record = recordedEvaluatorOutputs(stored.isEmpty() ? stored : qUncompress(stored));
        written = file.resize(0) && file.write(record) == record.size() && file.flush();
    }
    if (!written) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(file.errorString()));
        return 2;
    }
    return 0;
}
