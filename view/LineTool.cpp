#include "view/LineTool.h"

#include "view/BaseView.h"

void LineTool::Press(CBaseView& view, const ToolEvent& event) const
{
    view.BeginLine(event);
}

void LineTool::Hover(CBaseView& view, const ToolEvent& event) const
{
    view.OnToolHover(event);
}

void LineTool::Track(CBaseView& view, const ToolEvent& event) const
{
    view.TrackLine(event);
}

void LineTool::Release(CBaseView& view, const ToolEvent& event) const
{
    view.EndLine(event);
}

void LineTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    view.DrawLineRubberBand(dc);
}
