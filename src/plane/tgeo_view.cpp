// The projector view: the drawing magnified at run time, drawn again as
// shapes so that it stays sharp, and moved to fit the figures. Only what the
// screen shows changes; the canvas, its geometry and its frames stay.
#include "plane/tgeo.h"

#include "lang/languagetables.h"
#include "plane/lightboard.h"
#include "shell/picturecommands.h"

#include <QAction>
#include <QMenu>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal LeastMagnification = 1;
constexpr qreal MostMagnification = 3;
// Fitting may show the figures smaller than the canvas does, when they
// reach past it.
constexpr qreal LeastFit = 0.5;
constexpr qreal MagnificationStep = 0.25;
constexpr int FitMargin = 20; // program pixels: two grid units

qreal quarterBelow(qreal value)
{
    return std::floor(value / MagnificationStep + 1e-9) * MagnificationStep;
}

} // namespace

void Tgeo::createViewItems()
{
    const auto item = [this](NoticeRow text, const char *name, const QKeySequence &key, auto slot) {
        QAction *action = windowAction(this, text, key, name);
        connect(action, &QAction::triggered, this, slot);
        PopupMenu1->addAction(action);
    };
    item(ZoomInItem, "ingrandisci", QKeySequence::ZoomIn, [this] { magnify(MagnificationStep); });
    item(ZoomOutItem, "riduci", QKeySequence::ZoomOut, [this] { magnify(-MagnificationStep); });
    item(FitFiguresItem, "adatta", QKeySequence(Qt::CTRL | Qt::Key_0), &Tgeo::fitFigures);
}

QRect Tgeo::visibleDrawing() const
{
    const QRect area = m_canvas.drawingArea();
    return QRect(area.left(), topBarHeight(), area.width(), area.height() - topBarHeight());
}

bool Tgeo::viewMoved() const
{
    return m_magnification != 1 || !m_viewOrigin.isNull();
}

QPointF Tgeo::viewPoint(QPointF program) const
{
    return (program - m_viewOrigin) * m_magnification;
}

void Tgeo::setView(qreal magnification, QPointF origin)
{
    m_magnification = magnification;
    m_viewOrigin = origin;
    m_surface->update();
}

void Tgeo::magnify(qreal step)
{
    const qreal next = std::clamp(quarterBelow(m_magnification) + step, LeastMagnification, MostMagnification);
    if (next == LeastMagnification) {
        // Back to the canvas as it stands, not a moved copy of it.
        setView(1, QPointF());
        return;
    }
    // The middle of what is seen stays where it is.
    const QPointF middle = QRectF(visibleDrawing()).center();
    const QPointF shown = m_viewOrigin + middle / m_magnification;
    setView(next, shown - middle / next);
}

void Tgeo::fitFigures()
{
    const QRect figures = m_canvas.figuresBounds().adjusted(-FitMargin, -FitMargin, FitMargin, FitMargin);
    if (m_canvas.figuresBounds().isEmpty())
        return;
    const QRectF visible = visibleDrawing();
    const qreal fit = std::min(visible.width() / figures.width(), visible.height() / figures.height());
    const qreal magnification = std::clamp(quarterBelow(fit), LeastFit, MostMagnification);
    setView(magnification, QRectF(figures).center() - visible.center() / magnification);
}

void Tgeo::paintView(QPainter &painter, const QRegion &exposed)
{
    const QRect area = m_canvas.drawingArea();
    painter.setClipRegion(exposed & area);
    painter.fillRect(area, QColor(m_lightBoard ? LightBoard::colour(PlaneColour::Black) : PlaneColour::Black));
    const QRect seen = QRectF(m_viewOrigin, QSizeF(area.size()) / m_magnification).toAlignedRect();
    painter.setTransform(QTransform::fromScale(m_magnification, m_magnification).translate(-m_viewOrigin.x(), -m_viewOrigin.y()));
    m_canvas.paintView(painter, m_lightBoard, seen);
    painter.resetTransform();
    // The panel below stays as the canvas has it.
    painter.setClipRegion(exposed - area);
    painter.drawImage(QPoint(), m_canvas.image());
}
