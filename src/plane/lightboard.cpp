#include "plane/lightboard.h"

#include "plane/planecanvas.h"

#include <QtMath>

#include <iterator>
#include <utility>

namespace LightBoard {

namespace {

constexpr std::pair<QRgb, QRgb> Colours[] = {
    {PlaneColour::Black, 0xFFFFFF},   {PlaneColour::White, 0x000000},  {PlaneColour::Grid, 0xB4B4B4},
    {PlaneColour::Trace, 0x707070},   {PlaneColour::Aqua, 0x00707A},   {PlaneColour::Lime, 0x007A00},
    {PlaneColour::Red, 0xC00000},     {PlaneColour::Yellow, 0x8A6E00}, {PlaneColour::Magenta, 0x8C008C},
    {PlaneColour::Orange, 0xB04A00},
};

} // namespace

QRgb colour(QRgb canvasColour)
{
    const QRgb rgb = canvasColour & 0xFFFFFF;
    for (const auto &[dark, light] : Colours)
        if (dark == rgb)
            return 0xFF000000 | light;
    return 0xFF000000 | (~rgb & 0xFFFFFF);
}

QImage recoloured(QImage part)
{
    part = part.convertToFormat(QImage::Format_RGB32);
    // The canvas holds a handful of colours, in runs: one look-up per run.
    QRgb last = 0;
    QRgb shown = colour(0);
    for (int y = 0; y < part.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x) {
            if (line[x] != last) {
                last = line[x];
                shown = colour(last);
            }
            line[x] = shown;
        }
    }
    return part;
}

namespace {

bool paper(QRgb pixel)
{
    const QRgb rgb = pixel & 0xFFFFFF;
    return rgb == PlaneColour::Black || rgb == PlaneColour::Grid;
}

} // namespace

QImage thickened(const QImage &canvas, const QRect &source)
{
    // As many image pixels as make a program pixel.
    const int reach = qCeil(canvas.devicePixelRatio());
    const QImage original = canvas.convertToFormat(QImage::Format_RGB32);
    QImage part = original.copy(source);
    part.setDevicePixelRatio(canvas.devicePixelRatio());
    const QRect bounds = original.rect();
    for (int y = 0; y < part.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x) {
            if (!paper(line[x]))
                continue;
            const QPoint at = source.topLeft() + QPoint(x, y);
            for (int step = 1; step <= reach && paper(line[x]); ++step) {
                for (const QPoint offset : {QPoint(-step, 0), QPoint(step, 0), QPoint(0, -step), QPoint(0, step)}) {
                    const QPoint from = at + offset;
                    if (bounds.contains(from) && !paper(original.pixel(from))) {
                        line[x] = original.pixel(from);
                        break;
                    }
                }
            }
        }
    }
    return part;
}

} // namespace LightBoard
