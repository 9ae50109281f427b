#include "view/BoxCreationTool.h"

#include "document/BaseDoc.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/ObjectServices.h"
#include "view/BaseView.h"

void BoxCreationTool::Press(CBaseView& view, const ToolEvent& event) const
{
    view.BeginShapeTracking(event, m_nTrackMode);
}

void BoxCreationTool::Hover(CBaseView& view, const ToolEvent& event) const
{
    view.OnToolHover(event);
}

void BoxCreationTool::Track(CBaseView& view, const ToolEvent& event) const
{
    view.TrackShapeRubberBand(event);
}

void BoxCreationTool::Release(CBaseView& view, const ToolEvent& event) const
{
    if (!view.EndShapeTracking(event) || !Create(view))
        return;
    view.InvalidateSelection();
    view.UpdateAllViewsForSelection();
    AfterCreate(view, event);
}

void BoxCreationTool::AfterCreate(CBaseView&, const ToolEvent&) const {}

BOOL BoxCreationTool::CopyPrototypeAttributes(CBaseObj* object)
{
    ObjectServices* services = GetObjectServices();
    const CBaseObj* prototype = services ? DrawObjects::AsBoxObject(services->FindDefaultPrototype(object)) : nullptr;
    if (!prototype)
        return FALSE;
    object->CopyAttributes(*prototype);
    return TRUE;
}

WORD BoxCreationTool::NewObjectId(CBaseView& view)
{
    return view.GetDocument()->NewObjectId();
}

BOOL BoxCreationTool::AddWithDefaults(CBaseView& view, CBaseObj* object)
{
    CopyPrototypeAttributes(object);
    return view.AddCreatedObject(object);
}
