#include "objects/ArcShapeObj.h"

#include "foundation/CommandIds.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "objects/DefaultKeys.h"
#include "platform/gdi/DC.h"
#include "platform/ui/CmdUI.h"

IMPLEMENT_DYNAMIC(CArcShapeObj, CShapeObj)

namespace arcshapeobj {

constexpr PopupMenuItem kStyleSwitches[] = {
    // clang-format off
    {MF_STRING, ID_ARC_STYLE_ARC, u8"弧"},
    {MF_STRING, ID_ARC_STYLE_CHORD, u8"弦"},
    {MF_STRING, ID_ARC_STYLE_PIE, u8"扇"},
    // clang-format on
};

bool IsStyleCommand(UINT id)
{
    return id >= ID_ARC_STYLE_ARC && id <= ID_ARC_STYLE_PIE;
}

WORD StyleOf(UINT id)
{
    return WORD(ARC_STYLE_ARC + (id - ID_ARC_STYLE_ARC));
}

} // namespace arcshapeobj

CArcShapeObj::CArcShapeObj(WORD kind, WORD objectId, const CRect& rect)
    : CShapeObj(kind, objectId, rect), m_wArcStyle(ARC_STYLE_ARC)
{
}

CArcShapeObj::CArcShapeObj(const CArcShapeObj& other) = default;

void CArcShapeObj::GetScaledArcGeometry(int zoom, CRect& ellipse, CPoint& first, CPoint& second) const
{
    GetArcGeometry(ellipse, first, second);
    ScaleRectByZoom(ellipse, zoom);
    ScalePointByZoom(first, zoom);
    ScalePointByZoom(second, zoom);
}

// --- Drawing ------------------------------------------------------------------------------------

void CArcShapeObj::Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT*, DWORD, CBaseDoc*)
{
    if (IsHiddenIn(printMode))
        return;
    CRect ellipse;
    CPoint first, second;
    GetScaledArcGeometry(zoom, ellipse, first, second);
    DrawShapeSequence(pDC, zoom, printMode, [&](CDC* dc, POINT shift, ShapePass pass) {
        const CSize move(shift.x, shift.y);
        const CRect r = ellipse + move;
        const CPoint a = first + move, b = second + move;
        if (m_wArcStyle == ARC_STYLE_CHORD) {
            dc->Chord(r, a, b);
        } else if (m_wArcStyle == ARC_STYLE_PIE || pass == ShapePass::Shadow) {
            dc->Pie(r, a, b);
        } else if (m_bFill) {
            // The filled quarter without its radii, then the curve alone on top.
            CPen* pen = dc->GetCurrentPen();
            dc->SelectStockObject(NULL_PEN);
            dc->Pie(r, a, b);
            dc->SelectObject(pen);
            dc->Arc(r, a, b);
        } else {
            dc->Arc(r, a, b);
        }
    });
    if (withHandles)
        DrawHandles(pDC, zoom, printMode);
}

void CArcShapeObj::DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    CRect ellipse;
    CPoint first, second;
    GetScaledArcGeometry(zoom, ellipse, first, second);
    DrawTrackerArc(pDC, ellipse + offset, first + offset, second + offset, m_wArcStyle);
}

// --- Style --------------------------------------------------------------------------------------

void CArcShapeObj::TrackArcMenu(CPoint screenPoint, CWnd* view, std::span<const PopupMenuItem> operations) const
{
    TrackShapeMenu(screenPoint, view, arcshapeobj::kStyleSwitches, operations);
}

BOOL CArcShapeObj::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                                   BOOL severalSelected)
{
    if (!arcshapeobj::IsStyleCommand(cmdUI->m_nID))
        return CBaseObj::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
    cmdUI->SetCheck(m_wArcStyle == arcshapeobj::StyleOf(cmdUI->m_nID));
    return TRUE;
}

BOOL CArcShapeObj::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode)
{
    if (!arcshapeobj::IsStyleCommand(commandId))
        return CBaseObj::ApplyAttributeCommand(commandId, argument, hitCode);
    const WORD style = arcshapeobj::StyleOf(commandId);
    if (m_wArcStyle == style)
        return FALSE;
    m_wArcStyle = style;
    return TRUE;
}

void CArcShapeObj::CopyAttributes(const CBaseObj& other)
{
    if (const CArcShapeObj* arc = DYNAMIC_DOWNCAST(CArcShapeObj, &other))
        m_wArcStyle = arc->m_wArcStyle;
    CBaseObj::CopyAttributes(other);
}

void CArcShapeObj::VisitDefaultKeys(DefaultKeys& keys)
{
    keys.Number("ArcStyle", m_wArcStyle);
    CBaseObj::VisitDefaultKeys(keys);
}
