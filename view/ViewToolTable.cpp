#include "view/ViewToolTable.h"

#include "foundation/CommandIds.h"
#include "view/ArcTool.h"
#include "view/BalloonTool.h"
#include "view/CircleConnectorTool.h"
#include "view/ConnectorTool.h"
#include "view/DiamondTool.h"
#include "view/EllipseTool.h"
#include "view/FreeArcTool.h"
#include "view/LineTool.h"
#include "view/PointerTool.h"
#include "view/PolygonTool.h"
#include "view/PolylineTool.h"
#include "view/RectTool.h"
#include "view/RoundRectTool.h"
#include "view/TextTool.h"
#include "view/ZoomTool.h"

namespace ViewToolTable {

// One instance of each tool class serves every view.
template <class Tool>
const ViewTool& Instance()
{
    static const Tool tool;
    return tool;
}

constexpr struct
{
    UINT id;
    const ViewTool& (*tool)();
} kTools[] = {
    // clang-format off
    {ID_TOOL_POINTER, &Instance<PointerTool>},
    {ID_TOOL_ZOOM, &Instance<ZoomTool>},
    {ID_TOOL_LINE, &Instance<LineTool>},
    {ID_TOOL_POLYLINE, &Instance<PolylineTool>},
    {ID_TOOL_RECT, &Instance<RectTool>},
    {ID_TOOL_ROUNDRECT, &Instance<RoundRectTool>},
    {ID_TOOL_ELLIPSE, &Instance<EllipseTool>},
    {ID_TOOL_ARC, &Instance<ArcTool>},
    {ID_TOOL_FREEARC, &Instance<FreeArcTool>},
    {ID_TOOL_CONNECTOR, &Instance<ConnectorTool>},
    {ID_TOOL_DIAMOND, &Instance<DiamondTool>},
    {ID_TOOL_HEXAGON, &Instance<HexagonTool>},
    {ID_TOOL_OCTAGON, &Instance<OctagonTool>},
    {ID_TOOL_TEXT, &Instance<TextTool>},
    {ID_TOOL_BALLOON, &Instance<BalloonTool>},
    {ID_TOOL_CIRCLE_CONNECTOR, &Instance<CircleConnectorTool>},
    // clang-format on
};

} // namespace ViewToolTable

const ViewTool* FindViewTool(UINT toolId)
{
    for (const auto& row : ViewToolTable::kTools)
        if (row.id == toolId)
            return &row.tool();
    return nullptr;
}
