// The dilation animation: the figure stretches along the axes, both factors
// growing from 1 to the slot's together. No traces.
#include "plane/tgeo.h"

#include "plane/dilationframes.h"

#include <QLabel>
#include <QTimer>

void Tgeo::dilatazioneTimer()
{
    if (!dilatazione->isActive())
        return;
    if (DilationFrames::ended(m_step)) {
        DilationFrames::image(m_parameters, m_figure, m_points.image);
        // The overlay compares the dilated figure with the moved frame even
        // when the dilation was the first of two steps.
        endFigureStep(dilatazione, FigureResult::Always);
        return;
    }
    drawDilationFrame();
    DilationFrames::advance(m_step);
    frameShown();
}

void Tgeo::drawDilationFrame()
{
    if (m_flow.TransformCount == 1)
        Label2->setText(KindNames[RunningKind]);
    DilationFrames::framePoints(m_step, m_figure, m_points.rel);
    AddCentreToPoints(m_points.rel, m_step.AnimCentreX, m_step.AnimCentreY, m_map.originY(), m_points.work);
    m_frame.assign(1, frameFigureInBox());
    m_canvas.drawFrame(m_frame);
}
