// The workspace's drawing routines: the static scene, the start figure, the
// vertex letters, the figure of a frame, and the sequence that ends every
// figure-mode step.
#include "plane/tgeo.h"

#include "lang/fixedtexts.h"
#include "plane/imagemarks.h"
#include "plane/vertexlabels.h"

#include <QLabel>
#include <QTimer>

void Tgeo::present()
{
    const QRegion changed = m_canvas.takeChanged();
    if (changed.isEmpty())
        return;
    if (viewMoved()) {
        // Every part of a magnified view can show what changed.
        m_surface->update();
        return;
    }
    if (!m_thickLines) {
        m_surface->update(changed);
        return;
    }
    // A thick line reaches a program pixel past the cells that changed.
    QRegion reach;
    for (const QRect &rect : changed)
        reach += rect.adjusted(-1, -1, 1, 1);
    m_surface->update(reach);
}

void Tgeo::drawStaticScene()
{
    m_canvas.drawStaticScene(QPoint(m_map.originX(), m_map.originY()), topBarHeight(), ClearBeforeScene);
}

void Tgeo::DrawScene()
{
    drawStaticScene();
    const TransformSettingsValues &s = TransformSettings;
    const int last = lastVertex(s.FigureType, s.FigureIsCircle);
    for (int i = 0; i <= last; ++i) {
        const QPoint p = m_map.fromWorking(m_start.x[i], m_start.y[i]);
        m_startScreen.x[i] = p.x();
        m_startScreen.y[i] = p.y();
    }
    repeatLastVertex(m_startScreen, last);
    if (s.FigureIsCircle) {
        const QPoint a(m_startScreen.x[0], m_startScreen.y[0]);
        m_canvas.draw(PlaneShape::circle(
            a, m_map.circleBox(a, s.FigureX[1], ScreenMapping::CircleRounding::EachBound), PlaneColour::White));
    } else {
        m_canvas.draw(PlaneShape::figure(m_startScreen, PlaneColour::White));
    }
    m_canvas.saveBackground();
}

void Tgeo::DrawVertexLabels(const FigurePoints &points, QRgb colour, const QString &suffix)
{
    const QFontMetrics &metrics = m_canvas.metrics();
    const QString letters = QString::fromLatin1(FixedTexts::VertexLetters);
    const int count = std::min(TransformSettings.FigureType + 1, VertexCount);
    const LabelPositions labels = vertexLabelPositions(
        points, count, metrics.horizontalAdvance(QString::fromLatin1(FixedTexts::MeasureA)), metrics.height());
    for (int i = 0; i < count; ++i)
        m_canvas.draw(
            PlaneShape::text(m_map.fromWorking(labels.x[i], labels.y[i]), letters.at(i) + suffix, colour));
    m_canvas.saveBackground();
}

void Tgeo::RecordVertexTexts(int stage)
{
    for (int vertex = 0; vertex < VertexCount; ++vertex) {
        TransformSettings.VertexTextX[vertex][stage] = m_currentTextX[vertex].left(5);
        TransformSettings.VertexTextY[vertex][stage] = m_currentTextY[vertex].left(5);
    }
    describeDrawing(stage);
}

void Tgeo::OffScreenCheck()
{
    const int width = m_canvas.size().width();
    const int bottom = m_canvas.size().height() - panelHeight();
    const int last = m_figure.last();
    int outside = 0;
    for (int i = 0; i <= last; ++i) {
        const int x = m_frameScreen.x[i];
        const int y = m_frameScreen.y[i];
        if (x < 1 || x >= width || y <= topBarHeight() || y >= bottom)
            ++outside;
    }
    if (outside == last + 1)
        m_flow.figureOffScreen();
}

QRgb Tgeo::stepColour() const
{
    return ImageMarks::colour(m_primes, m_flow.FirstStepNext, m_flow.TransformCount, m_runsDrawn);
}

void Tgeo::placeFrame()
{
    placeFrame(m_figure.last());
}

void Tgeo::placeFrame(int last)
{
    for (int i = 0; i <= last; ++i) {
        const QPoint p = m_map.fromWorking(m_points.work.x[i], m_points.work.y[i]);
        m_frameScreen.x[i] = p.x();
        m_frameScreen.y[i] = p.y();
    }
    repeatLastVertex(m_frameScreen, last);
}

PlaneShape Tgeo::frameFigure()
{
    placeFrame();
    if (!m_figure.isCircle)
        return PlaneShape::figure(m_frameScreen, stepColour());
    const QPoint centre(m_frameScreen.x[0], m_frameScreen.y[0]);
    return PlaneShape::circle(
        centre, m_map.circleBox(centre, m_figure.cur.x[1], ScreenMapping::CircleRounding::Radius), stepColour());
}

PlaneShape Tgeo::frameFigureInBox()
{
    // A scaled or stretched circle carries its box's corners in entries 1
    // and 2, so every entry up to the figure type is placed.
    placeFrame(m_figure.figureType);
    if (!m_figure.isCircle)
        return PlaneShape::figure(m_frameScreen, stepColour());
    return PlaneShape::circle(QPoint(m_frameScreen.x[0], m_frameScreen.y[0]),
                              boxOfCorners(QPoint(m_frameScreen.x[1], m_frameScreen.y[1]),
                                           QPoint(m_frameScreen.x[2], m_frameScreen.y[2])),
                              stepColour());
}

void Tgeo::countFigureRun()
{
    m_flow.figureRunCounted();
    if (m_flow.TransformCount == 1)
        Label2->setText(KindNames[RunningKind]);
}

void Tgeo::endFigureStep(QTimer *timer, FigureResult result)
{
    countFigureRun();
    if (m_flow.TransformCount == 1 || result == FigureResult::Always)
        m_canvas.saveFigureResult();
    timer->stop();
    labelImage();
    handOver();
}

void Tgeo::labelImage()
{
    // The last frame, traces and all, becomes the background the next step
    // starts from, so the images of a sequence stay side by side.
    if (m_figure.isCircle)
        m_canvas.saveBackground();
    else
        DrawVertexLabels(m_points.work, stepColour(), ImageMarks::suffix(m_primes, m_flow.FirstStepNext));
}

void Tgeo::handOver()
{
    const ImageTexts texts = imageTexts(RunningKind, m_parameters, m_figure, m_points.image);
    m_currentTextX = texts.x;
    m_currentTextY = texts.y;
    RecordVertexTexts(m_flow.figureStepEnded());
    countRun();
    OffScreenCheck();
    applyFlow();
    present();
    updateTransport();
    placeFocus();
}

void Tgeo::countRun()
{
    // Each run of a one-transformation lesson is a new image beside the others.
    if (m_flow.TransformCount == 1)
        ++m_runsDrawn;
}
