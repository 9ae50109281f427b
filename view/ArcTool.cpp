#include "view/ArcTool.h"

#include "foundation/Trackers.h"
#include "objects/ArcObj.h"
#include "view/BaseView.h"

void ArcTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    CRect ellipse;
    CPoint first, second;
    CalcArcFromDrag(view.GetTrackAnchor(), view.GetTrackCurrent(), ellipse, first, second);
    DrawTrackerArcColor(dc, ellipse, first, second, ARC_STYLE_ARC, kOutlineColor);
}

BOOL ArcTool::Create(CBaseView& view) const
{
    const WORD id = NewObjectId(view);
    return id != 0 && AddWithDefaults(view, new CArcObj(id, view.GetDragAnchor(), view.GetDragCurrent()));
}
