#pragma once

// The record files in tests/lang/records/: fixed tables written down once,
// from their published source or as the program has always shipped them, so
// that each entry of the program's table is checked against them and the
// tests never restate a table.

#include <QFile>
#include <QStringList>

namespace Records {

// The lines of a UTF-8 record, its "#" comments left out; empty when the
// record is missing, which the callers' counts then report. ARALDA_RECORDS
// is the folder, which the test's CMakeLists.txt names.
inline QStringList lines(const QString &name)
{
    QFile file(QStringLiteral(ARALDA_RECORDS "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    lines.removeIf([](const QString &line) { return line.startsWith(QLatin1Char('#')); });
    return lines;
}

// Each line split at its tabs.
inline QList<QStringList> rows(const QString &name)
{
    QList<QStringList> rows;
    for (const QString &line : lines(name))
        rows.append(line.split(QLatin1Char('\t')));
    return rows;
}

} // namespace Records
