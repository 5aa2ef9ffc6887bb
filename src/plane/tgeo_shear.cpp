// The shear animation: the figure shears along x or y, the coefficient
// growing from 0 to the slot's by 0.05 per frame on the workspace's fastest
// timer. A circle becomes an ellipse, drawn pixel by pixel. No traces.
#include "plane/tgeo.h"

#include "plane/shearframes.h"

#include <QLabel>
#include <QTimer>

void Tgeo::inclinazioneTimer()
{
    if (!inclinazione->isActive())
        return;
    if (ShearFrames::ended(m_step)) {
        ShearFrames::image(m_parameters, m_figure, m_points.image);
        endFigureStep(inclinazione);
        return;
    }
    drawShearFrame();
    ShearFrames::advance(m_step, m_parameters);
    frameShown();
}

void Tgeo::drawShearFrame()
{
    if (m_flow.TransformCount == 1)
        Label2->setText(KindNames[RunningKind]);
    ShearFrames::framePoints(m_step, m_parameters, m_figure, m_points.rel);
    AddCentreToPoints(m_points.rel, m_step.AnimCentreX, m_step.AnimCentreY, m_map.originY(), m_points.work);
    if (m_figure.isCircle) {
        // The sheared centre is placed, not drawn: it judges whether the
        // ellipse left the screen, as a circle's centre does in every other
        // kind.
        placeFrame();
        ShearFrames::CirclePixels pixels;
        ShearFrames::circlePixels(m_step, m_parameters, m_figure, m_map, pixels);
        m_frame.assign(1, PlaneShape::pixels(pixels.data(), int(pixels.size()), stepColour()));
    } else {
        m_frame.assign(1, frameFigure());
    }
    m_canvas.drawFrame(m_frame);
}
