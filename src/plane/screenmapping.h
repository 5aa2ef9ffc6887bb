#pragma once

#include <QLine>
#include <QPoint>
#include <QRect>
#include <QString>

// The one mapping between the plane and the window's pixels. One grid unit is
// 10 pixels at 100%; the origin is the centre of the client area and y grows
// upwards. Working coordinates keep x as ten times the grid value and y as an
// absolute row at 100%, so that the zoom divisor scales distances from the
// origin only. Every conversion rounds to nearest, ties to even.
class ScreenMapping
{
public:
    ScreenMapping() = default;
    ScreenMapping(int originX, int originY, int zoomDivisor);

    int originX() const { return m_originX; }
    int originY() const { return m_originY; }
    int zoomDivisor() const { return m_zoom; }
    void setZoomDivisor(int zoomDivisor) { m_zoom = zoomDivisor; }

    // Working coordinates of a grid point.
    long double workingX(long double gridX) const { return 10 * gridX; }
    long double workingY(long double gridY) const { return m_originY - 10 * gridY; }

    QPoint fromWorking(long double xw, long double yw) const;
    QPoint fromGrid(long double x, long double y) const;
    // The moving frame is kept in pixels at 100% about the origin, y downwards.
    QPoint fromFramePixels(long double x, long double y) const;

    // The box of a circle of `radius` pixels at 100% about a grid point; the
    // centre marks and the traced arcs are drawn in it.
    QRect markBox(long double gridX, long double gridY, long double radius) const;

    // The box of a circle figure of `gridRadius` grid units about its centre's
    // screen point. The start figure rounds each bound; the frames of a step
    // round the radius first, so the moving circle keeps one size wherever its
    // centre falls (the two differ by a pixel for a radius of a half pixel).
    enum class CircleRounding { EachBound, Radius };
    QRect circleBox(QPoint centre, long double gridRadius, CircleRounding rounding) const;

    // The axis of a symmetry: the segment through the grid point (gridX,
    // gridY) in the direction `degrees`, reaching `originX` pixels to either
    // side whatever the scale, so that it crosses the visible plane.
    QLine axisThrough(long double gridX, long double gridY, long double degrees) const;

    // The mouse readout: the grid coordinates under a pixel, each with one
    // decimal and cut to four characters, as "3.5, -2.0".
    QString readout(QPoint pixel) const;

private:
    int m_originX = 0;
    int m_originY = 0;
    int m_zoom = 1;
};

// The rectangle whose corners a drawing call names, the second corner being
// the far edge of the box.
QRect boxBetween(QPoint first, QPoint second);
// The same for two opposite corners in any order: a scaled circle's corners
// swap when its ratio turns negative.
QRect boxOfCorners(QPoint first, QPoint second);
