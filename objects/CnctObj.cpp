#include "objects/CnctObj.h"

#include "foundation/CommandIds.h"
#include "foundation/Geometry.h"
#include "objects/DefaultKeys.h"
#include "objects/ObjectSupport.h"
#include "platform/afx/Archive.h"
#include "platform/ui/CmdUI.h"

#include <algorithm>
#include <cstdint>

IMPLEMENT_SERIAL(CCnctObj, COutlineObj, 1)

namespace cnctobj {

constexpr int kRecordRatioFrom = 5;

constexpr PopupMenuItem kSwitches[] = {
    // clang-format off
    {MF_STRING, ID_CONNECTOR_TRIANGLE, u8"三角形"},
    {MF_STRING, ID_CONNECTOR_PENTAGON, u8"五角形"},
    {MF_STRING, ID_CONNECTOR_NOTCHED, u8"五角形(欠け)"},
    {MF_SEPARATOR, POPUP_SEPARATOR_ID, u8""},
    {MF_STRING, ID_CONNECTOR_RIGHT, u8"右向き"},
    {MF_STRING, ID_CONNECTOR_LEFT, u8"左向き"},
    {MF_STRING, ID_CONNECTOR_UP, u8"上向き"},
    {MF_STRING, ID_CONNECTOR_DOWN, u8"下向き"},
    // clang-format on
};

bool IsTypeCommand(UINT id)
{
    return id >= ID_CONNECTOR_TRIANGLE && id <= ID_CONNECTOR_NOTCHED;
}

bool IsDirectionCommand(UINT id)
{
    return id >= ID_CONNECTOR_RIGHT && id <= ID_CONNECTOR_DOWN;
}

} // namespace cnctobj

int GetConnectorPointCount(WORD type)
{
    return type == CONNECTOR_PENTAGON ? 5 : type == CONNECTOR_NOTCHED ? 6 : 3;
}

int CalcConnectorOutline(const RECT& r, WORD type, WORD direction, float ratio, POINT* p)
{
    const int L = r.left, T = r.top, R = r.right, B = r.bottom;
    const int midX = L + (R - L) / 2;
    const int midY = T + (B - T) / 2;
    const int dW = ScaleByRatio(R - L, ratio);
    const int dH = ScaleByRatio(B - T, ratio);
    const int count = GetConnectorPointCount(type);
    if (count == 3) {
        switch (direction) {
        case CONNECTOR_RIGHT: p[0] = {L, T}, p[1] = {R, midY}, p[2] = {L, B}; break;
        case CONNECTOR_LEFT: p[0] = {R, T}, p[1] = {L, midY}, p[2] = {R, B}; break;
        case CONNECTOR_UP: p[0] = {R, B}, p[1] = {midX, T}, p[2] = {L, B}; break;
        default: p[0] = {L, T}, p[1] = {midX, B}, p[2] = {R, T}; break;
        }
        return count;
    }
    // The pentagon, then the notch that closes it between its last and first points.
    switch (direction) {
    case CONNECTOR_RIGHT:
        p[0] = {L, T}, p[1] = {R - dW, T}, p[2] = {R, midY}, p[3] = {R - dW, B}, p[4] = {L, B};
        p[5] = {L + dW, midY};
        break;
    case CONNECTOR_LEFT:
        p[0] = {R, T}, p[1] = {L + dW, T}, p[2] = {L, midY}, p[3] = {L + dW, B}, p[4] = {R, B};
        p[5] = {R - dW, midY};
        break;
    case CONNECTOR_UP:
        p[0] = {R, B}, p[1] = {R, T + dH}, p[2] = {midX, T}, p[3] = {L, T + dH}, p[4] = {L, B};
        p[5] = {midX, B - dH};
        break;
    default:
        p[0] = {L, T}, p[1] = {L, B - dH}, p[2] = {midX, B}, p[3] = {R, B - dH}, p[4] = {R, T};
        p[5] = {midX, T + dH};
        break;
    }
    return count;
}

WORD GetConnectorDragDirection(POINT anchor, POINT current)
{
    const std::int64_t dx = std::int64_t(current.x) - anchor.x;
    const std::int64_t dy = std::int64_t(current.y) - anchor.y;
    if (std::abs(dx) < std::abs(dy))
        return dy < 0 ? CONNECTOR_DOWN : CONNECTOR_UP;
    return dx < 0 ? CONNECTOR_LEFT : CONNECTOR_RIGHT;
}

// --- Construction and record ------------------------------------------------------------------

CCnctObj::CCnctObj() : CCnctObj(0, CRect(), CONNECTOR_PENTAGON, CONNECTOR_RIGHT) {}

CCnctObj::CCnctObj(WORD objectId, const CRect& rect, WORD type, WORD direction)
    : COutlineObj(OBJKIND_CONNECTOR, objectId, rect),
      m_wConnectType(type),
      m_wDirection(direction),
      m_fPointRatio(DEFAULT_CONNECTOR_RATIO)
{
}

CCnctObj::CCnctObj(const CCnctObj& other) = default;

void CCnctObj::Serialize(CArchive& ar)
{
    CRectObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_wConnectType << m_wDirection << m_fPointRatio;
        return;
    }
    ar >> m_wConnectType >> m_wDirection;
    m_fPointRatio = DEFAULT_CONNECTOR_RATIO;
    if (m_wVersion >= cnctobj::kRecordRatioFrom)
        ar >> m_fPointRatio;
}

CString& CCnctObj::GetTypeName(CString& name) const
{
    name = CString(u8"接続ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& CCnctObj::GetProfileSection(CString& section) const
{
    section = "CnctObj Properties";
    return section;
}

// --- Outline and handle -------------------------------------------------------------------------

int CCnctObj::CalcOutline(const RECT& rect, float ratio, POINT* points) const
{
    return CalcConnectorOutline(rect, m_wConnectType, m_wDirection, ratio, points);
}

BOOL CCnctObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const
{
    if (IsHiddenIn(printMode))
        return FALSE;
    if (m_bFill || !outlineOnly)
        return PointInRectWithTolerance(m_rect, point, tolerance);
    OutlinePoints points;
    const int count = GetOutline(points.data());
    return PointInPolygonShape(points.data(), count, point, tolerance, TRUE);
}

BOOL CCnctObj::GetPointDepthHandlePos(CPoint& handle) const
{
    return CalcRatioHandlePos(m_rect, handle);
}

BOOL CCnctObj::CalcRatioHandlePos(const RECT& r, CPoint& handle) const
{
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if ((m_wConnectType != CONNECTOR_PENTAGON && m_wConnectType != CONNECTOR_NOTCHED) || width == 0 || height == 0)
        return FALSE;
    switch (m_wDirection) {
    case CONNECTOR_RIGHT: handle = CPoint(r.right - ScaleByRatio(width, m_fPointRatio), r.top); break;
    case CONNECTOR_LEFT: handle = CPoint(r.left + ScaleByRatio(width, m_fPointRatio), r.top); break;
    case CONNECTOR_UP: handle = CPoint(r.left, r.top + ScaleByRatio(height, m_fPointRatio)); break;
    default: handle = CPoint(r.left, r.bottom - ScaleByRatio(height, m_fPointRatio)); break;
    }
    return TRUE;
}

BOOL CCnctObj::CalcDraggedRatio(const RECT& r, POINT handle, SIZE offset, float& ratio) const
{
    const double width = double(r.right) - r.left;
    const double height = double(r.bottom) - r.top;
    if (width == 0 || height == 0)
        return FALSE;
    const double x = double(std::clamp<std::int64_t>(std::int64_t(handle.x) + offset.cx, r.left, r.right));
    const double y = double(std::clamp<std::int64_t>(std::int64_t(handle.y) + offset.cy, r.bottom, r.top));
    switch (m_wDirection) {
    case CONNECTOR_RIGHT: ratio = float((r.right - x) / width); break;
    case CONNECTOR_LEFT: ratio = float((x - r.left) / width); break;
    case CONNECTOR_UP: ratio = float((y - r.top) / height); break;
    default: ratio = float((r.bottom - y) / height); break;
    }
    return TRUE;
}

// --- Attributes ---------------------------------------------------------------------------------

void CCnctObj::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL)
{
    if (!IsHiddenIn(printMode))
        TrackShapeMenu(screenPoint, view, cnctobj::kSwitches, kSnapOnlyOperations);
}

BOOL CCnctObj::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode, BOOL severalSelected)
{
    const UINT id = cmdUI->m_nID;
    if (cnctobj::IsTypeCommand(id))
        cmdUI->SetCheck(m_wConnectType == id - ID_CONNECTOR_TRIANGLE);
    else if (cnctobj::IsDirectionCommand(id))
        cmdUI->SetCheck(m_wDirection == id - ID_CONNECTOR_RIGHT);
    else
        return CRectObj::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
    return TRUE;
}

BOOL CCnctObj::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode)
{
    WORD* field = cnctobj::IsTypeCommand(commandId)        ? &m_wConnectType
                  : cnctobj::IsDirectionCommand(commandId) ? &m_wDirection
                                                           : nullptr;
    if (!field)
        return CRectObj::ApplyAttributeCommand(commandId, argument, hitCode);
    const WORD value = WORD(commandId - (field == &m_wConnectType ? ID_CONNECTOR_TRIANGLE : ID_CONNECTOR_RIGHT));
    if (*field == value)
        return FALSE;
    *field = value;
    return TRUE;
}

void CCnctObj::CopyAttributes(const CBaseObj& other)
{
    if (const CCnctObj* connector = DYNAMIC_DOWNCAST(CCnctObj, &other)) {
        m_wConnectType = connector->m_wConnectType;
        m_wDirection = connector->m_wDirection;
        m_fPointRatio = connector->m_fPointRatio;
    }
    CRectObj::CopyAttributes(other);
}

void CCnctObj::VisitDefaultKeys(DefaultKeys& keys)
{
    keys.Number("ConnectType", m_wConnectType);
    keys.Number("Direction", m_wDirection);
    CRectObj::VisitDefaultKeys(keys);
}
