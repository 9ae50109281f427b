#include "view/TextTool.h"

#include "document/BaseDoc.h"
#include "foundation/Trackers.h"
#include "objects/StrgObj.h"
#include "view/BaseView.h"

void TextTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    DrawTrackerRectColor(dc, view.GetTrackedRect(), kOutlineColor);
}

BOOL TextTool::Create(CBaseView& view) const
{
    const WORD id = view.GetDocument()->NewObjectId();
    if (id == 0)
        return FALSE;
    auto* text = new CStrgObj(id, view.GetDraggedRect());
    CopyPrototypeAttributes(text);
    return view.AddCreatedObject(text);
}

void TextTool::AfterCreate(CBaseView& view, const ToolEvent& event) const
{
    // Below the editing zoom the new object simply stays empty.
    view.OpenInPlaceEditor(event.dc, view.GetCurrentObject());
}
