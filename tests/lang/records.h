#pragma once

// The record files in tests/lang/records/ (folder ARALDA_RECORDS): fixed
// tables written down once, from their published source or as the program
// has always shipped them, so that the tests never restate a table.

#include <QFile>
#include <QStringList>

namespace Records {

// The lines of a UTF-8 record, its "#" comments left out; empty when the
// record is missing, which the callers' counts then report.
inline QStringList lines(const QString &name)
{
    QFile file(QStringLiteral(ARALDA_RECORDS "/") + name);
    QStringList lines = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(u'\n') : QStringList();
    lines.removeIf([](const QString &line) { return line.startsWith(u'#'); });
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// Each line split at its tabs.
inline QList<QStringList> rows(const QString &name)
{
    QList<QStringList> rows;
    for (const QString &line : lines(name))
        rows.append(line.split(u'\t'));
    return rows;
}

} // namespace Records
