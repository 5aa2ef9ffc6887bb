// The data table, opened from the workspace with what the workspace keeps:
// the number of transformations and the kinds' names at the last `continua`.
#include "plane/tgeo.h"

#include "plane/tgeotab.h"

void Tgeo::TabelClick()
{
    Tgeotab::execute(this, m_flow.TransformCount, m_tableKindName1, m_tableKindName2);
}
