// The translation animation: the figure slides along the slot's vector,
// optionally leaving each vertex's path behind.
#include "plane/tgeo.h"

#include "plane/translationframes.h"

#include <QTimer>

void Tgeo::traslazioneTimer()
{
    if (!traslazione->isActive())
        return;
    if (TranslationFrames::ended(m_step)) {
        // A step without frames still labels the figure where it stands and
        // judges it by its place there, not by an earlier step's points.
        if (m_step.AnimProgress == 0)
            placeTranslationFrame();
        TranslationFrames::image(m_step, m_figure, m_points.image);
        endFigureStep(traslazione);
        return;
    }
    drawTranslationFrame();
    TranslationFrames::advance(m_step);
    frameShown();
}

void Tgeo::placeTranslationFrame()
{
    TranslationFrames::framePoints(m_step, m_figure, m_points.rel);
    AddCentreToPoints(m_points.rel, m_step.AnimCentreX, m_step.AnimCentreY, m_map.originY(), m_points.work);
    placeFrame();
}

void Tgeo::drawTranslationFrame()
{
    placeTranslationFrame();
    m_frame.clear();
    if (TransformSettings.ShowTranslationVector[m_step.Slot]) {
        // Drawn on the canvas only, the segments from each start point grow
        // frame by frame into the translation vectors.
        for (int i = 0; i <= m_figure.last(); ++i)
            m_frame.push_back(PlaneShape::segment(m_map.fromGrid(m_figure.cur.x[i], m_figure.cur.y[i]),
                                                  m_map.fromWorking(m_points.work.x[i], m_points.work.y[i]),
                                                  PlaneColour::Trace));
    }
    m_frame.push_back(frameFigure());
    m_canvas.drawFrame(m_frame);
}
