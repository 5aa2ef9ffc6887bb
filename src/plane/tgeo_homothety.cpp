// The homothety animation: the figure scales about the slot's centre, the
// ratio running from 1 to k, optionally with the rays from each vertex
// through the centre and the centre itself.
#include "plane/tgeo.h"

#include "plane/homothetyframes.h"

#include <QTimer>

namespace {

constexpr int CentreMarkRadius = 3; // pixels at 100%

} // namespace

void Tgeo::omotetiaTimer()
{
    if (!omotetia->isActive())
        return;
    if (HomothetyFrames::ended(m_step, m_parameters)) {
        HomothetyFrames::image(m_parameters, m_figure, m_points.image);
        endFigureStep(omotetia);
        return;
    }
    drawHomothetyFrame();
    HomothetyFrames::advance(m_step, m_parameters);
    frameShown();
}

void Tgeo::drawHomothetyFrame()
{
    m_frame.clear();
    HomothetyFrames::framePoints(m_step, m_parameters, m_figure, m_points.rel);
    AddCentreToPoints(m_points.rel, m_step.AnimCentreX, m_step.AnimCentreY, m_map.originY(), m_points.work);
    if (TransformSettings.ShowHomothetyCentre[m_step.Slot]) {
        const int cx = m_parameters.HomothetyCentreX;
        const int cy = m_parameters.HomothetyCentreY;
        const QPoint centre = m_map.fromGrid(cx, cy);
        // Each ray runs from the vertex's start through the centre to where
        // the vertex is now; for a negative ratio it goes on past the centre.
        for (int i = 0; i <= m_figure.last(); ++i) {
            m_frame.push_back(
                PlaneShape::segment(m_map.fromGrid(m_figure.cur.x[i], m_figure.cur.y[i]), centre, PlaneColour::Trace));
            m_frame.push_back(PlaneShape::segment(
                centre, m_map.fromWorking(m_points.work.x[i], m_points.work.y[i]), PlaneColour::Trace));
        }
        m_frame.push_back(PlaneShape::mark(m_map.markBox(cx, cy, CentreMarkRadius), PlaneColour::Lime));
    }
    m_frame.push_back(frameFigureInBox());
    m_canvas.drawFrame(m_frame);
}
