#include "view/PolylineTool.h"

#include "view/BaseView.h"

void PolylineTool::Press(CBaseView& view, const ToolEvent& event) const
{
    view.AddPolylinePoint(event);
}

void PolylineTool::Release(CBaseView&, const ToolEvent&) const {}
