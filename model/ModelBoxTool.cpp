#include "model/ModelBoxTool.h"

#include "foundation/Trackers.h"
#include "objects/BaseObj.h"
#include "view/BaseView.h"

void ModelBoxTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    DrawTrackerRectColor(dc, view.GetTrackedRect(), kOutlineColor);
}

BOOL ModelBoxTool::Create(CBaseView& view) const
{
    const WORD id = NewObjectId(view);
    if (id == 0)
        return FALSE;
    CBaseObj* object = Build(id, view.GetDraggedRect());
    CopyPrototypeAttributes(object);
    ApplyToolSetting(view, object);
    return view.AddCreatedObject(object);
}

void ModelBoxTool::ApplyToolSetting(CBaseView&, CBaseObj*) const {}
