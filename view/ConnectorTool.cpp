#include "view/ConnectorTool.h"

#include "foundation/Trackers.h"
#include "objects/CnctObj.h"
#include "objects/ObjectServices.h"
#include "view/BaseView.h"

void ConnectorTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    ObjectServices* services = GetObjectServices();
    const auto* prototype =
        services ? DYNAMIC_DOWNCAST(CCnctObj, services->FindPrototypeByKind(OBJKIND_CONNECTOR, 0)) : nullptr;
    const WORD type = prototype ? prototype->GetConnectType() : WORD(CONNECTOR_PENTAGON);
    const float ratio = prototype ? prototype->GetPointRatio() : DEFAULT_CONNECTOR_RATIO;
    const WORD direction = GetConnectorDragDirection(view.GetTrackAnchor(), view.GetTrackCurrent());
    OutlinePoints points;
    const int count = CalcConnectorOutline(view.GetTrackedRect(), type, direction, ratio, points.data());
    DrawTrackerPolygonColor(dc, points.data(), count, kOutlineColor);
}

BOOL ConnectorTool::Create(CBaseView& view) const
{
    const WORD id = NewObjectId(view);
    if (id == 0)
        return FALSE;
    auto* connector = new CCnctObj(id, view.GetDraggedRect(), CONNECTOR_PENTAGON, CONNECTOR_RIGHT);
    CopyPrototypeAttributes(connector);
    connector->SetDirection(GetConnectorDragDirection(view.GetDragAnchor(), view.GetDragCurrent()));
    return view.AddCreatedObject(connector);
}
