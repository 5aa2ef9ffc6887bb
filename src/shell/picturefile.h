#pragma once

#include <QImage>
#include <QString>

#include <optional>

// Writes `picture` as a PNG file at `path`, whole or not at all: an earlier
// file of that name survives a failed write, and one the write replaces
// keeps its owner and mode. What stands at the name is replaced, a link
// itself and never its target. Returns what went wrong, in the system's
// words, or nothing when the file is written.
std::optional<QString> writePngFile(const QImage &picture, const QString &path);
