#pragma once

#include <QImage>
#include <QString>

#include <optional>

// The image format a picture file's name asks for by its ending, in any
// case: "PNG" for .png, "JPEG" for .jpg and .jpeg, "BMP" for .bmp; empty for
// any other name, which is never given data of another format.
QByteArray pictureFormat(const QString &path);

// Writes `picture` at `path` in the format its name asks for, whole or not at
// all: an earlier file of that name survives a failed write, and one the
// write replaces keeps its owner and mode. What stands at the name is
// replaced, a link itself and never its target. The file says 96 dots per
// inch per device pixel ratio, so a picture taken on an enlarged screen
// prints and pastes at its size there. Returns what went wrong, in the
// system's words or the program's for a name of no known format, or nothing
// when the file is written.
std::optional<QString> writePictureFile(const QImage &picture, const QString &path);
