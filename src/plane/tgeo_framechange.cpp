// The change of frame ("Assi" mode): the figure stays, and the axes are
// drawn, in one go, where the step's own map takes them.
#include "plane/tgeo.h"

#include "plane/framechange.h"

#include <QLabel>

void Tgeo::drawFrameChange()
{
    m_flow.frameRunCounted();
    Label3->setText(KindNames[RunningKind]);
    const AffineMatrix map = FrameChange::stepMap(RunningKind, slotParameters(TransformSettings, 1));
    m_frameScreen = FrameChange::screenPoints(m_figure.cur, map, m_map, m_points.image);
    // Drawn over the present picture: the moved frame is seen against the
    // fixed axes, the grid and the figure.
    m_canvas.draw(PlaneShape::frameAxes(m_frameScreen, stepColour()));
    QPalette letters = stx->palette();
    letters.setColor(QPalette::WindowText, QColor(stepColour()));
    letters.setColor(QPalette::Window, Qt::black);
    for (QLabel *letter : {stx, sty})
        letter->setPalette(letters);
    stx->adjustSize();
    sty->adjustSize();
    stx->move(m_frameScreen.x[FrameChange::XLabel], m_frameScreen.y[FrameChange::XLabel]);
    sty->move(m_frameScreen.x[FrameChange::YLabel], m_frameScreen.y[FrameChange::YLabel]);
    m_canvas.saveFrameResult();
    RecordVertexTexts(m_flow.frameStepEnded());
    countRun();
    applyFlow();
    present();
    placeFocus();
}
