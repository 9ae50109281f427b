#include "view/CircleConnectorTool.h"

#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "foundation/Trackers.h"
#include "objects/DrawObjects.h"
#include "objects/EcntsObj.h"
#include "view/BaseView.h"

namespace circleconnectortool {

// The gap between the two connectors of a new pair.
constexpr int kPartnerGap = 20;

} // namespace circleconnectortool

void CircleConnectorTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    DrawTrackerEllipseColor(dc, view.GetTrackedRect(), kOutlineColor);
}

BOOL CircleConnectorTool::Create(CBaseView& view) const
{
    // Both ids are taken first; one taken for nothing stays used.
    const WORD firstId = NewObjectId(view);
    const WORD secondId = firstId != 0 ? NewObjectId(view) : 0;
    if (secondId == 0)
        return FALSE;
    auto* first = new CEcntsObj(firstId, firstId, view.GetDraggedRect(), TRUE);
    CopyPrototypeAttributes(first);
    CBaseDoc* doc = view.GetDocument();
    CUndoStep step(doc);
    if (!step.IsOpen()) {
        DrawObjects::Destroy(first);
        return FALSE;
    }
    if (!view.AddCreatedObject(first))
        return FALSE;
    const CRect& r = first->GetRect();
    const int left = r.right + circleconnectortool::kPartnerGap;
    auto* second = new CEcntsObj(secondId, firstId, CRect(left, r.top, left + r.Width(), r.bottom), FALSE);
    CopyPrototypeAttributes(second);
    if (!doc->AddObject(second))
        return FALSE;
    view.InvalidateObject(second);
    return TRUE;
}

void CircleConnectorTool::AfterCreate(CBaseView& view, const ToolEvent& event) const
{
    view.OpenInPlaceEditor(event.dc, view.GetCurrentObject());
}
