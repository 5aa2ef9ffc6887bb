// The symmetry drawing: the image, computed when the step was prepared, is
// drawn at once over the scene, optionally with dotted joins from each
// vertex to its image and the centre or axis in red.
#include "plane/tgeo.h"

#include "plane/symmetryframes.h"

namespace {

constexpr int CentreMarkRadius = 3; // pixels at 100%

} // namespace

void Tgeo::drawSymmetry()
{
    countFigureRun();
    if (TransformSettings.ShowSymmetryElement[m_step.Slot]) {
        for (int i = 0; i <= m_figure.last(); ++i)
            m_canvas.draw(PlaneShape::dottedSegment(m_map.fromGrid(m_figure.cur.x[i], m_figure.cur.y[i]),
                                                    m_map.fromWorking(m_points.work.x[i], m_points.work.y[i]),
                                                    PlaneColour::Silver));
        if (SymmetryFrames::showsCentre(m_parameters)) {
            m_canvas.draw(PlaneShape::mark(
                m_map.markBox(m_parameters.SymmetryCentreX, m_parameters.SymmetryCentreY, CentreMarkRadius),
                PlaneColour::Red));
        } else {
            const QLine axis = SymmetryFrames::axis(m_step, m_map);
            m_canvas.draw(PlaneShape::segment(axis.p1(), axis.p2(), PlaneColour::Red));
        }
    }
    // A circle is drawn with the radius of the circle being reflected, which
    // an earlier homothety may have changed.
    m_canvas.draw(frameFigure());
    labelImage();
    if (m_flow.TransformCount == 1)
        m_canvas.saveFigureResult();
    handOver();
}
