#pragma once

#include <QFont>
#include <QImage>
#include <QRgb>

// The space window's background, behind the legend's letters too.
constexpr QRgb WindowSilver = 0xC0C0C0;

// Where the legend stands on the window: its left edge, its top and its unit.
struct LegendPlace {
    int x0 = 0;
    int t = 0;
    int s = 0;
};

// Where the faces of the start cube lie: a see-through cube showing the
// three far faces, a solid cube showing the three near ones, and the axes
// (x towards the viewer, drawn slanting down to the left; y right; z up).
void drawLegend(QImage &canvas, const LegendPlace &place, const QFont &font);
