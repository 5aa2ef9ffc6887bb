#include "plane/screenmapping.h"

#include "plane/planepoints.h"

#include <algorithm>
#include <cmath>
#include <numbers>

ScreenMapping::ScreenMapping(int originX, int originY, int zoomDivisor)
    : m_originX(originX)
    , m_originY(originY)
    , m_zoom(zoomDivisor)
{
}

QPoint ScreenMapping::fromWorking(long double xw, long double yw) const
{
    return {roundToInt(xw / m_zoom + m_originX), roundToInt(m_originY - (m_originY - yw) / m_zoom)};
}

QPoint ScreenMapping::fromGrid(long double x, long double y) const
{
    return {roundToInt(10 * x / m_zoom + m_originX), roundToInt(m_originY - 10 * y / m_zoom)};
}

QPoint ScreenMapping::fromFramePixels(long double x, long double y) const
{
    return {roundToInt(x / m_zoom + m_originX), roundToInt(y / m_zoom + m_originY)};
}

QRect ScreenMapping::markBox(long double gridX, long double gridY, long double radius) const
{
    const QPoint topLeft(roundToInt(m_originX + (10 * gridX - radius) / m_zoom),
                         roundToInt(m_originY - (10 * gridY + radius) / m_zoom));
    const QPoint bottomRight(roundToInt(m_originX + (10 * gridX + radius) / m_zoom),
                             roundToInt(m_originY - (10 * gridY - radius) / m_zoom));
    return boxBetween(topLeft, bottomRight);
}

QRect ScreenMapping::circleBox(QPoint centre, long double gridRadius, CircleRounding rounding) const
{
    const long double exact = 10 * gridRadius / m_zoom;
    const long double r = rounding == CircleRounding::Radius ? roundToInt(exact) : exact;
    return boxBetween(QPoint(roundToInt(centre.x() - r), roundToInt(centre.y() - r)),
                      QPoint(roundToInt(centre.x() + r), roundToInt(centre.y() + r)));
}

QLine ScreenMapping::axisThrough(long double gridX, long double gridY, long double degrees) const
{
    const long double angle = degrees * std::numbers::pi_v<long double> / 180;
    const long double x = m_originX + 10 * gridX / m_zoom;
    const long double y = m_originY - 10 * gridY / m_zoom;
    const long double reachX = m_originX * std::cos(angle);
    const long double reachY = m_originX * std::sin(angle);
    return QLine(roundToInt(x - reachX), roundToInt(y + reachY), roundToInt(x + reachX), roundToInt(y - reachY));
}

QString ScreenMapping::readout(QPoint pixel) const
{
    // Integer product first, then the real division, so that 33% shows
    // multiples of 0.3 exactly as the grid steps.
    const double x = double((pixel.x() - m_originX) * m_zoom) / 10;
    const double y = double((m_originY - pixel.y()) * m_zoom) / 10;
    return QString::number(x, 'f', 1).left(4) + QStringLiteral(", ") + QString::number(y, 'f', 1).left(4);
}

QRect boxBetween(QPoint first, QPoint second)
{
    return QRect(first.x(), first.y(), second.x() - first.x(), second.y() - first.y());
}

QRect boxOfCorners(QPoint first, QPoint second)
{
    return boxBetween(QPoint(std::min(first.x(), second.x()), std::min(first.y(), second.y())),
                      QPoint(std::max(first.x(), second.x()), std::max(first.y(), second.y())));
}
