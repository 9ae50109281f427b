#include "view/RectTool.h"

#include "foundation/Trackers.h"
#include "objects/RectObj.h"
#include "view/BaseView.h"

void RectTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    DrawTrackerRectColor(dc, view.GetTrackedRect(), kOutlineColor);
}

BOOL RectTool::Create(CBaseView& view) const
{
    const WORD id = NewObjectId(view);
    if (id == 0)
        return FALSE;
    auto* rect = new CRectObj(id, view.GetDraggedRect(), m_bRounded);
    if (CopyPrototypeAttributes(rect))
        rect->SetRounded(m_bRounded);
    return view.AddCreatedObject(rect);
}
