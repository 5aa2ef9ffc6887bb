// The rotation animation: the figure turns about the slot's centre one degree
// per frame, with the centre marked and, optionally, each vertex's radius and
// the arc it has travelled.
#include "plane/tgeo.h"

#include "plane/rotationframes.h"

#include <QTimer>

namespace {

constexpr int CentreMarkRadius = 3; // pixels at 100%

} // namespace

void Tgeo::rotazioneTimer()
{
    if (!rotazione->isActive())
        return;
    if (RotationFrames::ended(m_step)) {
        RotationFrames::image(m_step, m_figure, m_points.image);
        endFigureStep(rotazione);
        return;
    }
    drawRotationFrame();
    RotationFrames::advance(m_step);
    frameShown();
}

void Tgeo::drawRotationFrame()
{
    m_frame.clear();
    RotationFrames::framePoints(m_step, m_figure, m_points.rel);
    AddCentreToPoints(m_points.rel, m_step.AnimCentreX, m_step.AnimCentreY, m_map.originY(), m_points.work);
    const int cx = m_step.AnimCentreX;
    const int cy = m_step.AnimCentreY;
    if (TransformSettings.ShowRotationArcs[m_step.Slot]) {
        const QPoint centre = m_map.fromGrid(cx, cy);
        for (int i = 0; i <= m_figure.last(); ++i) {
            const QPoint current = m_map.fromWorking(m_points.work.x[i], m_points.work.y[i]);
            m_frame.push_back(PlaneShape::segment(centre, current, PlaneColour::Trace));
            // The first two frames are too short an arc to draw.
            if (std::abs(m_step.StepIndex) > 1) {
                const QRect box = m_map.markBox(cx, cy, m_step.RotationRadii[i]);
                const QPoint start = m_map.fromGrid(m_figure.cur.x[i], m_figure.cur.y[i]);
                // Arcs run counter-clockwise: from the start for a positive
                // angle, towards it for a negative one.
                const auto arc = m_step.AnimAngle > 0 ? PlaneShape::arc(box, start, current, PlaneColour::Trace)
                                                      : PlaneShape::arc(box, current, start, PlaneColour::Trace);
                if (arc)
                    m_frame.push_back(*arc);
            }
        }
    }
    m_frame.push_back(PlaneShape::mark(m_map.markBox(cx, cy, CentreMarkRadius), PlaneColour::Yellow));
    m_frame.push_back(frameFigure());
    m_canvas.drawFrame(m_frame);
}
