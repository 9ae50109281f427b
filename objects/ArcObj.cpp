#include "objects/ArcObj.h"

#include "foundation/CommandIds.h"
#include "foundation/Geometry.h"
#include "foundation/Trackers.h"
#include "platform/afx/Archive.h"

#include <cstdint>

IMPLEMENT_SERIAL(CArcObj, CArcShapeObj, 1)

namespace arcobj {

constexpr PopupMenuItem kOperations[] = {
    // clang-format off
    {MF_STRING, ID_OBJ_SQUARE_BY_HEIGHT, u8"高さで円"},
    {MF_STRING, ID_OBJ_SNAP_TO_GRID, u8"ｸﾞﾘｯﾄﾞに配置"},
    {MF_STRING, ID_OBJ_SQUARE_BY_WIDTH, u8"幅で円"},
    {MF_STRING, ID_OBJ_SQUARE_BY_LONGER, u8"長径で円"},
    {MF_STRING, ID_OBJ_SQUARE_BY_SHORTER, u8"短径で円"},
    // clang-format on
};

bool IsKnownQuadrant(WORD quadrant)
{
    return quadrant == ARC_CENTRE_TOP_LEFT || quadrant == ARC_CENTRE_TOP_RIGHT || quadrant == ARC_CENTRE_BOTTOM_LEFT ||
           quadrant == ARC_CENTRE_BOTTOM_RIGHT;
}

// The corner of the rectangle that is the centre of the full ellipse.
CPoint CentreCorner(const RECT& r, WORD quadrant)
{
    return CPoint((quadrant & 1) ? r.right : r.left, (quadrant & 256) ? r.bottom : r.top);
}

} // namespace arcobj

void CalcQuarterArc(const RECT& r, WORD quadrant, CRect& ellipse, CPoint& first, CPoint& second)
{
    const int L = r.left, T = r.top, R = r.right, B = r.bottom;
    switch (quadrant) {
    case ARC_CENTRE_TOP_LEFT: ellipse.SetRect(2 * L - R, 2 * T - B, R, B), first = {L, B}, second = {R, T}; break;
    case ARC_CENTRE_TOP_RIGHT: ellipse.SetRect(L, 2 * T - B, 2 * R - L, B), first = {L, T}, second = {R, B}; break;
    case ARC_CENTRE_BOTTOM_RIGHT: ellipse.SetRect(L, T, 2 * R - L, 2 * B - T), first = {R, T}, second = {L, B}; break;
    default: ellipse.SetRect(2 * L - R, T, R, 2 * B - T), first = {R, B}, second = {L, T}; break;
    }
}

WORD GetArcDragQuadrant(POINT start, POINT end)
{
    if (start.x > end.x && start.y > end.y)
        return ARC_CENTRE_TOP_LEFT;
    if (start.x < end.x && start.y > end.y)
        return ARC_CENTRE_TOP_RIGHT;
    if (start.x < end.x && start.y < end.y)
        return ARC_CENTRE_BOTTOM_RIGHT;
    return ARC_CENTRE_BOTTOM_LEFT;
}

WORD CalcArcFromDrag(POINT start, POINT end, CRect& ellipse, CPoint& first, CPoint& second)
{
    const WORD quadrant = GetArcDragQuadrant(start, end);
    CalcQuarterArc(GetNormalizedRect(CRect(start, end)), quadrant, ellipse, first, second);
    return quadrant;
}

// --- Construction and record ------------------------------------------------------------------

CArcObj::CArcObj() : CArcShapeObj(OBJKIND_ARC, 0, CRect()), m_wQuadrant(ARC_CENTRE_TOP_LEFT) {}

CArcObj::CArcObj(WORD objectId, POINT dragStart, POINT dragEnd)
    : CArcShapeObj(OBJKIND_ARC, objectId, GetNormalizedRect(CRect(dragStart, dragEnd))),
      m_wQuadrant(GetArcDragQuadrant(dragStart, dragEnd))
{
}

CArcObj::CArcObj(const CArcObj& other) = default;

void CArcObj::Serialize(CArchive& ar)
{
    CBaseObj::Serialize(ar);
    if (ar.IsStoring())
        ar << m_wQuadrant << m_wArcStyle;
    else
        ar >> m_wQuadrant >> m_wArcStyle;
}

CString& CArcObj::GetTypeName(CString& name) const
{
    name = CString(u8"円弧ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& CArcObj::GetProfileSection(CString& section) const
{
    section = "ArcObj Properties";
    return section;
}

void CArcObj::GetArcGeometry(CRect& ellipse, CPoint& first, CPoint& second) const
{
    CalcQuarterArc(m_rect, m_wQuadrant, ellipse, first, second);
}

CRect CArcObj::GetFullEllipseRect() const
{
    CRect ellipse;
    CPoint first, second;
    GetArcGeometry(ellipse, first, second);
    return ellipse;
}

// --- Trackers and handles -----------------------------------------------------------------------

WORD CArcObj::MirroredQuadrant(const RECT& r, WORD quadrant, SIZE offset, DWORD hitCode)
{
    if (!(hitCode & HIT_HANDLE))
        return quadrant;
    const std::int64_t dx = offset.cx, dy = offset.cy;
    if ((hitCode & HIT_SIDE_TOP) && dy < 0 && r.bottom > r.top + dy)
        quadrant ^= 256;
    if ((hitCode & HIT_SIDE_BOTTOM) && dy > 0 && r.bottom + dy > r.top)
        quadrant ^= 256;
    if ((hitCode & HIT_SIDE_RIGHT) && dx < 0 && r.left > r.right + dx)
        quadrant ^= 1;
    if ((hitCode & HIT_SIDE_LEFT) && dx > 0 && r.left + dx > r.right)
        quadrant ^= 1;
    return quadrant;
}

void CArcObj::DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode)
{
    if (IsHiddenIn(printMode) || !(hitCode & HIT_HANDLE))
        return;
    const WORD quadrant = MirroredQuadrant(GetScaledRect(zoom, printMode), m_wQuadrant, offset, hitCode);
    const CRect rect = GetNormalizedRect(GetResizedScaledRect(zoom, offset, hitCode, printMode));
    CRect ellipse;
    CPoint first, second;
    CalcQuarterArc(rect, quadrant, ellipse, first, second);
    DrawHatchedFrame(pDC, rect, 1);
    DrawTrackerArc(pDC, ellipse, first, second, m_wArcStyle);
}

void CArcObj::DrawHandles(CDC* pDC, int zoom, BOOL printMode)
{
    DrawFramedHandles(pDC, zoom, printMode);
}

void CArcObj::ResizeByHandle(SIZE offset, DWORD hitCode)
{
    m_wQuadrant = MirroredQuadrant(m_rect, m_wQuadrant, offset, hitCode);
    CBaseObj::ResizeByHandle(offset, hitCode);
}

// --- Hit test -----------------------------------------------------------------------------------

BOOL CArcObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const
{
    BOOL hit = FALSE;
    if (HitTestFrame(point, tolerance, printMode, outlineOnly, hit))
        return hit;
    CRect ellipse;
    CPoint first, second;
    GetArcGeometry(ellipse, first, second);
    if (m_wArcStyle == ARC_STYLE_CHORD) {
        if (PointNearSegment(first, second, point, tolerance))
            return TRUE;
        // Only the arc's side of the chord, the chord moved by the tolerance towards the centre.
        const bool topCentre = m_wQuadrant == ARC_CENTRE_TOP_LEFT || m_wQuadrant == ARC_CENTRE_TOP_RIGHT;
        if (!topCentre && m_wQuadrant != ARC_CENTRE_BOTTOM_LEFT && m_wQuadrant != ARC_CENTRE_BOTTOM_RIGHT)
            return FALSE;
        const CPoint& left = topCentre ? first : second;
        const CPoint& right = topCentre ? second : first;
        const double slope = double(right.y - left.y) / double(right.x - left.x);
        const double limit = slope * (double(point.x) - left.x) - tolerance;
        const double ry = double(point.y) - left.y;
        if (topCentre ? ry > limit : ry < limit)
            return FALSE;
    } else if (m_wArcStyle == ARC_STYLE_PIE) {
        if (!arcobj::IsKnownQuadrant(m_wQuadrant))
            return FALSE;
        const CPoint centre = arcobj::CentreCorner(m_rect, m_wQuadrant);
        if (PointNearSegment(first, centre, point, tolerance) || PointNearSegment(second, centre, point, tolerance))
            return TRUE;
    }
    return PointInEllipse(ellipse, point, tolerance, !m_bFill && outlineOnly);
}

// --- Menu and connection ------------------------------------------------------------------------

void CArcObj::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL)
{
    if (!IsHiddenIn(printMode))
        TrackArcMenu(screenPoint, view, arcobj::kOperations);
}

CPoint& CArcObj::GetConnectionPoint(CPoint& out, POINT point) const
{
    return PointOnEllipseTowards(out, GetFullEllipseRect(), point);
}
