#include "view/PolygonTool.h"

#include "foundation/Trackers.h"
#include "objects/ObjectServices.h"
#include "objects/PolygonObj.h"
#include "view/BaseView.h"

namespace PolygonToolImpl {

// The corner ratio of the prototype with that side count, else the default of the count.
float DefaultPolygonRatio(WORD sides)
{
    ObjectServices* services = GetObjectServices();
    const auto* prototype =
        services ? DYNAMIC_DOWNCAST(CPolygonObj, services->FindPrototypeByKind(OBJKIND_POLYGON, sides)) : nullptr;
    if (prototype)
        return prototype->GetRoundRate();
    return sides == POLYGON_HEXAGON ? DEFAULT_ROUND_RATE : DEFAULT_OCTAGON_RATIO;
}

} // namespace PolygonToolImpl

void PolygonTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    OutlinePoints points;
    const int count = CalcPolygonPoints(view.GetTrackedRect(), m_wSides, PolygonToolImpl::DefaultPolygonRatio(m_wSides),
                                        points.data());
    DrawTrackerPolygonColor(dc, points.data(), count, kOutlineColor);
}

BOOL PolygonTool::Create(CBaseView& view) const
{
    const WORD id = NewObjectId(view);
    return id != 0 && AddWithDefaults(view, new CPolygonObj(id, view.GetDraggedRect(), m_wSides));
}
