#pragma once

#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QPainter;

// A drawing that can be painted again as lines, curves and letters: its size
// in program pixels, and what paints it, one unit a program pixel.
struct VectorDrawing {
    std::function<QSize()> size;
    std::function<void(QPainter &)> paint;
};

// Whether the name's ending, in any case, asks for a vector file: .svg or .pdf.
bool isVectorPictureName(const QString &path);

// Writes `drawing` at `path` as SVG (Qt SVG's generator, 96 program pixels
// to the inch) or as a one-page PDF of the drawing's size (Qt's PDF writer,
// one program pixel a point), whole or not at all, as picture files are
// written. Returns what went
// wrong, or nothing when the file is written.
std::optional<QString> writeVectorPicture(const VectorDrawing &drawing, const QString &path, const QString &title);
