#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>

// The turning arrows of the space window and its dialog: an orange loop of
// three quarters of a circle ending in a bold head. The clockwise arrow runs
// from the bottom over the left and the top and points down on the right;
// the anticlockwise one is its mirror image, so the two read apart at a
// glance even at 16 pixels. `size` is in program pixels; the picture has
// `devicePixelRatio` image pixels per program pixel each way.
QImage directionArrow(QSize size, bool clockwise, qreal devicePixelRatio = 1);

// Where the head's point lies in a picture of that size, in pixels.
QPointF directionArrowTip(QSize size, bool clockwise);
