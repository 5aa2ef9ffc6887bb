#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// Window pictures drawn at the screen's device pixel ratio: `ratio` image
// pixels per program pixel each way, so that an enlarged or HiDPI screen
// shows them sharp instead of stretched, while every position the program
// computes stays in its own pixels (the painters scale).

QImage ratioImage(QSize programSize, qreal ratio, QImage::Format format = QImage::Format_RGB32);

// The picture's size in program pixels.
QSize programSize(const QImage &image);

// The image pixels behind a rectangle in program pixels, clipped to the image.
QRect imageRect(const QImage &image, const QRect &programRect);

// Where a one-pixel pen is centred. At ratio 1 a line on whole coordinates
// fills its pixel; at other ratios it would straddle two program pixels and
// be blended, so it is moved half a program pixel in and covers exactly its
// own block of image pixels.
qreal penOffset(qreal ratio);
