#include "view/RoundRectTool.h"

#include "foundation/Trackers.h"
#include "objects/ObjectServices.h"
#include "objects/RectObj.h"
#include "view/BaseView.h"

namespace RoundRectToolImpl {

// The corner rate of the rounded-rectangle prototype, else the default.
float DefaultRoundRate()
{
    ObjectServices* services = GetObjectServices();
    const auto* prototype =
        services ? DYNAMIC_DOWNCAST(CRectObj, services->FindPrototypeByKind(OBJKIND_RECT, 1)) : nullptr;
    return prototype ? prototype->GetRoundRate() : DEFAULT_ROUND_RATE;
}

} // namespace RoundRectToolImpl

void RoundRectTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    const CRect rect = view.GetTrackedRect();
    const int corner = CalcRoundCornerSize(rect, RoundRectToolImpl::DefaultRoundRate());
    DrawTrackerRoundRectColor(dc, rect, CSize(corner, -corner), kOutlineColor);
}
