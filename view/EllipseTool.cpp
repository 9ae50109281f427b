#include "view/EllipseTool.h"

#include "foundation/Trackers.h"
#include "objects/ElliObj.h"
#include "view/BaseView.h"

void EllipseTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    DrawTrackerEllipseColor(dc, view.GetTrackedRect(), kOutlineColor);
}

BOOL EllipseTool::Create(CBaseView& view) const
{
    const WORD id = NewObjectId(view);
    return id != 0 && AddWithDefaults(view, new CElliObj(id, view.GetDraggedRect()));
}
