#include "view/PointerTool.h"

#include "view/BaseView.h"
#include "view/TrackModes.h"

namespace PointerToolImpl {

// The drags of the pointer by tracking mode: tracker, finisher and feedback.
struct Drag
{
    UINT mode;
    void (CBaseView::*track)(const ToolEvent&);
    void (CBaseView::*end)(const ToolEvent&);
    void (CBaseView::*draw)(CDC*);
};

constexpr Drag kDrags[] = {
    {TRACK_SELECT_RECT, &CBaseView::TrackSelectRect, &CBaseView::EndSelectRect, &CBaseView::DrawSelectRectFeedback},
    {TRACK_MOVE, &CBaseView::TrackMoveResize, &CBaseView::EndMoveResize, &CBaseView::DrawMoveFeedback},
    {TRACK_GUIDE_X, &CBaseView::TrackGuide, &CBaseView::EndGuideDrag, &CBaseView::DrawVerticalGuideTracker},
    {TRACK_GUIDE_Y, &CBaseView::TrackGuide, &CBaseView::EndGuideDrag, &CBaseView::DrawHorizontalGuideTracker},
};

const Drag* FindDrag(const CBaseView& view)
{
    for (const Drag& drag : kDrags)
        if (drag.mode == view.GetTrackMode())
            return &drag;
    return nullptr;
}

} // namespace PointerToolImpl

void PointerTool::Press(CBaseView& view, const ToolEvent& event) const
{
    view.OnPointerButtonDown(event);
}

void PointerTool::Hover(CBaseView& view, const ToolEvent& event) const
{
    view.OnPointerHover(event);
}

void PointerTool::Track(CBaseView& view, const ToolEvent& event) const
{
    if (const auto* drag = PointerToolImpl::FindDrag(view))
        (view.*drag->track)(event);
}

void PointerTool::Release(CBaseView& view, const ToolEvent& event) const
{
    if (const auto* drag = PointerToolImpl::FindDrag(view))
        (view.*drag->end)(event);
}

void PointerTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    if (const auto* drag = PointerToolImpl::FindDrag(view))
        (view.*drag->draw)(dc);
}
