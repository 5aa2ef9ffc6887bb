#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

// The workspace's drawing on a light board, for a bright room or a washed-out
// projector: white paper, a light grey grid, black axes and figure, and dark
// versions of the step colours that stay apart on white. Only what the screen
// shows changes; the canvas and everything read from it stay as they are.
namespace LightBoard {

// The light board's colour for a colour of the canvas; any other colour is
// shown inverted.
QRgb colour(QRgb canvasColour);

// `part` of the canvas as the light board shows it.
QImage recoloured(QImage part);

// The `source` rectangle of `canvas` (image pixels) with every line, letter
// and mark a program pixel thicker on each side, for a far wall: each pixel
// of the paper (black, or a grid dot) takes the colour of a drawn neighbour.
// The grid's dots stay as they are.
QImage thickened(const QImage &canvas, const QRect &source);

} // namespace LightBoard
