#include "view/PageCountTool.h"

#include "view/BaseView.h"
#include "view/TrackModes.h"

void PageCountTool::Press(CBaseView& view, const ToolEvent& event) const
{
    if (view.HitTestDocumentZones(event.zoomed) & ZONE_RIGHT_EDGE)
        view.BeginPagesAcrossDrag(event.dc);
    else
        view.BeginPagesDownDrag(event.dc);
}

void PageCountTool::Hover(CBaseView&, const ToolEvent&) const {}

void PageCountTool::Track(CBaseView& view, const ToolEvent& event) const
{
    if (view.GetTrackMode() == TRACK_PAGES_ACROSS)
        view.TrackPagesAcross(event.dc, event.zoomed.x);
    else
        view.TrackPagesDown(event.dc, event.zoomed.y);
}

void PageCountTool::Release(CBaseView& view, const ToolEvent& event) const
{
    view.EndPageCountDrag(event);
}

void PageCountTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    const CSize pages = view.GetDragPages();
    view.DrawPageCountOutline(dc, pages.cx, pages.cy);
}
