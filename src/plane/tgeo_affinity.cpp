// The affinity drawing: the slot's affine map applied to the figure and the
// image drawn at once over the present picture. A circle's image is an
// ellipse, drawn pixel by pixel.
#include "plane/tgeo.h"

#include "plane/affinityframes.h"

void Tgeo::drawAffinity(const AffineMatrix &matrix)
{
    countFigureRun();
    AffinityFrames::image(matrix, m_figure, m_points.image);
    AffinityFrames::framePoints(m_figure, m_points.image, m_points.rel);
    AddCentreToPoints(m_points.rel, m_step.AnimCentreX, m_step.AnimCentreY, m_map.originY(), m_points.work);
    placeFrame();
    if (m_figure.isCircle) {
        AffinityFrames::CirclePixels pixels;
        AffinityFrames::circlePixels(matrix, m_figure, m_map, pixels);
        m_canvas.draw(PlaneShape::pixels(pixels.data(), int(pixels.size()), stepColour()));
    } else {
        m_canvas.draw(PlaneShape::figure(m_frameScreen, stepColour()));
    }
    // A circle's image is kept as the background too, so that it stays on
    // the screen when the next step starts.
    labelImage();
    if (m_flow.TransformCount == 1)
        m_canvas.saveFigureResult();
    handOver();
}
