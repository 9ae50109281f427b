#include "view/ZoomTool.h"

#include "view/BaseView.h"

void ZoomTool::Press(CBaseView& view, const ToolEvent& event) const
{
    view.BeginZoomRect(event);
}

void ZoomTool::Hover(CBaseView& view, const ToolEvent& event) const
{
    view.OnToolHover(event);
}

void ZoomTool::Track(CBaseView& view, const ToolEvent& event) const
{
    view.TrackZoomRect(event);
}

void ZoomTool::Release(CBaseView& view, const ToolEvent& event) const
{
    view.EndZoomRect(event);
}

void ZoomTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    view.DrawZoomRectFeedback(dc);
}
