#pragma once

#include "plane/datatable.h"

#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

class QLocale;
class QPagedPaintDevice;
class QPainter;

// A printable worksheet of the lesson on the plane: the first page has the
// plane about the figure at a true scale, the figure, and a table of its
// start coordinates with empty boxes for the images, and the steps with
// their parameters; the second, the answer key, draws the images, fills the
// boxes and gives each step's matrix.
namespace Worksheet {

// Millimetres on paper of one unit of the plane: a student can measure it.
inline constexpr double UnitMm = 5;
inline constexpr double MarginMm = 15;

// The words the sheet writes, in the program's language.
struct Texts {
    QString title;
    QString name;
    QString scale;
    QString task;
    QString start;
    QString after; // %1: the transformation
    QString key;
    QString step;  // %1: the number, %2: the transformation
    QString matrix;
};

// One stage drawn on the sheet: its vertices (or a circle's centre and
// half-axes) in units of the plane, and its labels as the table writes them.
struct Stage {
    std::vector<QPointF> vertices;
    bool circle = false;
    QPointF radii;
    std::vector<QString> labels;
};

struct Sheet {
    Texts texts;
    // The start figure, then the images of the direct sequence.
    std::vector<Stage> stages;
    std::vector<QString> stepNames;  // the transformation of each image, with its parameters
    std::vector<QString> stepKinds;  // and its name alone, for the table's heads
    std::vector<MatrixTexts> matrices;
    // The part of the plane shown, whole units.
    QRectF plane;
};

// The sheet of the lesson the table records: the start figure and each
// image of the direct sequence recorded so far.
Sheet sheet(const DataTableInputs &inputs, const Texts &texts);

// The part of the plane about `stages` that the page shows at UnitMm in
// `widthMm` by `heightMm` at most: whole units, centred on the figures.
QRectF planePart(const std::vector<Stage> &stages, double widthMm, double heightMm);

// Page 0 (the questions) or 1 (the answer key) of the sheet, over the whole
// of the painter's device, whose resolution gives the millimetres.
void paintPage(QPainter &p, const Sheet &sheet, int page);

// Both pages on a printer or a PDF writer, which has no margins of its own.
void paint(QPagedPaintDevice &device, const Sheet &sheet);

// A4, or US Letter where the locale measures in inches.
QPageSize paperForLocale(const QLocale &locale);

} // namespace Worksheet
