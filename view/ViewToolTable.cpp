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

#include <algorithm>
#include <utility>
#include <vector>

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

// The rows that higher layers register.
std::vector<std::pair<UINT, const ViewTool*>>& Registered()
{
    static std::vector<std::pair<UINT, const ViewTool*>> rows;
    return rows;
}

} // namespace ViewToolTable

const ViewTool* FindViewTool(UINT toolId)
{
    for (const auto& row : ViewToolTable::kTools)
        if (row.id == toolId)
            return &row.tool();
    for (const auto& [id, tool] : ViewToolTable::Registered())
        if (id == toolId)
            return tool;
    return nullptr;
}

void RegisterViewTool(UINT toolId, const ViewTool& tool)
{
    auto& rows = ViewToolTable::Registered();
    const auto row = std::find_if(rows.begin(), rows.end(), [toolId](const auto& r) { return r.first == toolId; });
    if (row != rows.end())
        row->second = &tool;
    else
        rows.emplace_back(toolId, &tool);
}
