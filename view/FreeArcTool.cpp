#include "view/FreeArcTool.h"

#include "foundation/Trackers.h"
#include "objects/FarcObj.h"
#include "view/BaseView.h"

void FreeArcTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    CRect rect;
    CPoint start, end;
    CalcFreeArcFromDrag(view.GetTrackAnchor(), view.GetTrackCurrent(), rect, start, end);
    DrawTrackerArcColor(dc, rect, start, end, ARC_STYLE_ARC, kOutlineColor);
}

BOOL FreeArcTool::Create(CBaseView& view) const
{
    const WORD id = NewObjectId(view);
    return id != 0 && AddWithDefaults(view, new CFarcObj(id, view.GetDraggedRect()));
}
