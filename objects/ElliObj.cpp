#include "objects/ElliObj.h"

#include "foundation/CommandIds.h"
#include "foundation/Geometry.h"
#include "foundation/Trackers.h"
#include "platform/gdi/DC.h"

IMPLEMENT_SERIAL(CElliObj, CShapeObj, 1)

namespace elliobj {

constexpr PopupMenuItem kOperations[] = {
    // clang-format off
    {MF_STRING, ID_OBJ_SNAP_TO_GRID, u8"ｸﾞﾘｯﾄﾞに配置"},
    {MF_STRING, ID_OBJ_SQUARE_BY_HEIGHT, u8"高さで円"},
    {MF_STRING, ID_OBJ_SQUARE_BY_WIDTH, u8"幅で円"},
    {MF_STRING, ID_OBJ_SQUARE_BY_LONGER, u8"長径で円"},
    {MF_STRING, ID_OBJ_SQUARE_BY_SHORTER, u8"短径で円"},
    // clang-format on
};

} // namespace elliobj

CElliObj::CElliObj() : CShapeObj(OBJKIND_ELLIPSE, 0, CRect()) {}

CElliObj::CElliObj(WORD objectId, const CRect& rect) : CShapeObj(OBJKIND_ELLIPSE, objectId, rect) {}

CElliObj::CElliObj(const CElliObj& other) = default;

CString& CElliObj::GetTypeName(CString& name) const
{
    name = CString(u8"円・楕円ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& CElliObj::GetProfileSection(CString& section) const
{
    section = "ElliObj Properties";
    return section;
}

void CElliObj::Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT*, DWORD, CBaseDoc*)
{
    if (IsHiddenIn(printMode))
        return;
    const CRect rect = GetScaledRect(zoom, printMode);
    DrawShapeSequence(pDC, zoom, printMode,
                      [&](CDC* dc, POINT shift, ShapePass) { dc->Ellipse(rect + CPoint(shift)); });
    if (withHandles)
        DrawHandles(pDC, zoom, printMode);
}

void CElliObj::DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD, BOOL printMode)
{
    if (!IsHiddenIn(printMode))
        DrawTrackerEllipse(pDC, GetScaledRect(zoom, printMode) + CPoint(offset));
}

void CElliObj::DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode)
{
    if (IsHiddenIn(printMode) || !(hitCode & HIT_HANDLE))
        return;
    const CRect rect = GetResizedScaledRect(zoom, offset, hitCode, printMode);
    DrawHatchedFrame(pDC, rect, 1);
    DrawTrackerEllipse(pDC, rect);
}

void CElliObj::DrawHandles(CDC* pDC, int zoom, BOOL printMode)
{
    DrawFramedHandles(pDC, zoom, printMode);
}

BOOL CElliObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const
{
    BOOL hit = FALSE;
    if (HitTestFrame(point, tolerance, printMode, outlineOnly, hit))
        return hit;
    return PointInEllipse(m_rect, point, tolerance, !m_bFill && outlineOnly);
}

void CElliObj::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL)
{
    if (!IsHiddenIn(printMode))
        TrackShapeMenu(screenPoint, view, {}, elliobj::kOperations);
}

CPoint& CElliObj::GetConnectionPoint(CPoint& out, POINT point) const
{
    return PointOnEllipseTowards(out, m_rect, point);
}

BOOL CElliObj::GetHorzLineAtDepth(int depth, CPoint& leftPoint, CPoint& rightPoint) const
{
    if (depth > 0 || depth < m_rect.Height())
        return FALSE;
    const int inset = EllipseInsetAtY(m_rect, depth);
    leftPoint = CPoint(m_rect.left + inset, m_rect.top + depth);
    rightPoint = CPoint(m_rect.right - inset, m_rect.top + depth);
    return TRUE;
}
