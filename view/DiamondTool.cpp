#include "view/DiamondTool.h"

#include "foundation/Trackers.h"
#include "objects/DiamondObj.h"
#include "view/BaseView.h"

void DiamondTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    POINT points[4];
    CalcDiamondPoints(view.GetTrackedRect(), points);
    DrawTrackerPolygonColor(dc, points, 4, kOutlineColor);
}

BOOL DiamondTool::Create(CBaseView& view) const
{
    const WORD id = NewObjectId(view);
    return id != 0 && AddWithDefaults(view, new CDiamondObj(id, view.GetDraggedRect()));
}
