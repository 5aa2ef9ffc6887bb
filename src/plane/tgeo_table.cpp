// The data table, opened from the workspace with what the workspace keeps:
// the number of transformations and the kinds' names at the last `continua`.
#include "plane/tgeo.h"

#include "lang/languagetables.h"
#include "plane/datatable.h"
#include "plane/tgeotab.h"

namespace {

constexpr int FirstFigureNameRow = 16; // LongTexts rows 16..20 name the figure types

} // namespace

void Tgeo::TabelClick()
{
    Tgeotab::execute(this, m_flow.TransformCount, m_tableKindName1, m_tableKindName2,
                     [this](const Composition::Map &map) { showCompositionElement(map); });
}

void Tgeo::describeDrawing(int stage)
{
    if (stage < 0)
        m_stagesDrawn = {true};
    else
        m_stagesDrawn[stage] = true;
    const DataTable table =
        dataTable(dataTableInputs(TransformSettings, m_flow.TransformCount, m_tableKindName1, m_tableKindName2));
    const QString figure = LongTexts.text(FirstFigureNameRow + TransformSettings.SelectedFigureType);
    m_surface->setAccessibleDescription(
        drawingDescription(table, figure, noticeText(DrawingImageAfter), m_stagesDrawn));
}

void Tgeo::showCompositionElement(const Composition::Map &map)
{
    // Over the picture, not into the background: the next frame or
    // `cancella` draws without it.
    for (const PlaneShape &shape : Composition::elementShapes(map, m_map))
        m_canvas.draw(shape);
    present();
}
