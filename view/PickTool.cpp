#include "view/PickTool.h"

#include "view/BaseView.h"

// The press that ends a pick reaches the view directly (it holds the capture).
void PickTool::Press(CBaseView&, const ToolEvent&) const {}

void PickTool::Hover(CBaseView&, const ToolEvent&) const {}

void PickTool::Track(CBaseView& view, const ToolEvent& event) const
{
    view.TrackPickObject(event);
}

void PickTool::Release(CBaseView&, const ToolEvent&) const {}

void PickTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    view.DrawPickLine(dc);
}
