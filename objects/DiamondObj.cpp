#include "objects/DiamondObj.h"

#include "foundation/CommandIds.h"
#include "foundation/Geometry.h"

IMPLEMENT_SERIAL(CDiamondObj, COutlineObj, 1)

void CalcDiamondPoints(const RECT& rect, POINT* points)
{
    const int midX = rect.left + (rect.right - rect.left) / 2;
    const int midY = rect.top + (rect.bottom - rect.top) / 2;
    points[0] = {rect.left, midY};
    points[1] = {midX, rect.top};
    points[2] = {rect.right, midY};
    points[3] = {midX, rect.bottom};
}

CDiamondObj::CDiamondObj() : COutlineObj(OBJKIND_DIAMOND, 0, CRect()) {}

CDiamondObj::CDiamondObj(WORD objectId, const CRect& rect) : COutlineObj(OBJKIND_DIAMOND, objectId, rect) {}

CDiamondObj::CDiamondObj(const CDiamondObj& other) = default;

CString& CDiamondObj::GetTypeName(CString& name) const
{
    name = CString(u8"菱形ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& CDiamondObj::GetProfileSection(CString& section) const
{
    section = "DiamondObj Properties";
    return section;
}

int CDiamondObj::CalcOutline(const RECT& rect, float, POINT* points) const
{
    CalcDiamondPoints(rect, points);
    return 4;
}

BOOL CDiamondObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const
{
    BOOL hit = FALSE;
    if (HitTestFrame(point, tolerance, printMode, outlineOnly, hit))
        return hit;
    OutlinePoints points;
    CalcDiamondPoints(m_rect, points.data());
    return PointInDiamond(points.data(), point, tolerance, !m_bFill && outlineOnly);
}

void CDiamondObj::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL)
{
    if (!IsHiddenIn(printMode))
        TrackShapeMenu(screenPoint, view, {}, {});
}

BOOL CDiamondObj::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode)
{
    return commandId != ID_RECT_ROUNDED && CRectObj::ApplyAttributeCommand(commandId, argument, hitCode);
}

void CDiamondObj::GetShadowOffset(CSize& offset) const
{
    offset = CSize(2 * m_wShadowDepth / 5, -int(m_wShadowDepth));
}

BOOL CDiamondObj::GetHorzLineAtDepth(int depth, CPoint& leftPoint, CPoint& rightPoint) const
{
    const int height = m_rect.Height();
    if (depth > 0 || depth < height)
        return FALSE;
    const int half = height / 2;
    if (depth == half)
        return CBaseObj::GetHorzLineAtDepth(depth, leftPoint, rightPoint);
    const int halfWidth = m_rect.Width() / 2;
    const int above = depth > half ? depth : height - depth;
    const int inset = XOnLineAtY(CPoint(0, half), CPoint(halfWidth, 0), above);
    leftPoint = CPoint(m_rect.left + inset, m_rect.top + depth);
    rightPoint = CPoint(m_rect.right - inset, m_rect.top + depth);
    return TRUE;
}
