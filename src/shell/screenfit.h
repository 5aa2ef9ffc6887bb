#pragma once

#include <QSize>

#include <span>

// Which of Qt's enlargements (QT_SCALE_FACTOR) lets every window of the
// program fit a screen, for a projector whose screen the teacher does not
// know in advance. Sizes are in the program's pixels at factor 1.
namespace ScreenFit {

constexpr double SmallestFactor = 1;
constexpr double LargestFactor = 3;
constexpr double FactorStep = 0.25;

// The room a window needs at factor 1, without the window manager's frame.
struct Need {
    const char *window;
    QSize size;
};

// The workspace with its whole row of tool bars above a drawing of useful
// height, and the largest dialogs, in the longest of the three languages. A
// test measures the windows against these, so a window that grows fails it.
inline constexpr Need Needs[] = {
    {"workspace", {985, 418}},   {"figure dialog", {588, 213}}, {"data table", {525, 384}},
    {"calculator", {281, 404}},  {"cube schedule", {296, 393}},
};

// The window manager's title bar and borders, which no factor enlarges.
inline constexpr QSize WindowFrame{16, 40};

// Whether every need, enlarged `factor` times and framed, fits `available`:
// the screen's area free of panels, in its pixels at factor 1.
bool fits(double factor, QSize available, std::span<const Need> needs = Needs);

// The largest factor from 1 to 3, in quarter steps, at which everything
// fits; 1 when even that does not.
double largestFittingFactor(QSize available, std::span<const Need> needs = Needs);

} // namespace ScreenFit
