#include "objects/FarcObj.h"

#include "foundation/CommandIds.h"
#include "foundation/Geometry.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "objects/ObjectSupport.h"
#include "platform/afx/Archive.h"

#include <algorithm>

IMPLEMENT_SERIAL(CFarcObj, CArcShapeObj, 1)

namespace farcobj {

constexpr COLORREF kPointHandleFrame = 0x00FFFF;

constexpr PopupMenuItem kOperations[] = {
    // clang-format off
    {MF_STRING, ID_OBJ_SNAP_TO_GRID, u8"グリッドに配置"},
    {MF_STRING, ID_OBJ_SQUARE_BY_HEIGHT, u8"高さで円"},
    {MF_STRING, ID_OBJ_SQUARE_BY_WIDTH, u8"幅で円"},
    {MF_STRING, ID_OBJ_SQUARE_BY_LONGER, u8"長径で円"},
    {MF_STRING, ID_OBJ_SQUARE_BY_SHORTER, u8"短径で円"},
    // clang-format on
};

CPoint BottomMiddle(const RECT& r)
{
    return CPoint((r.left + r.right) / 2, std::min(r.top, r.bottom));
}

CPoint LeftMiddle(const RECT& r)
{
    return CPoint(std::min(r.left, r.right), (r.top + r.bottom) / 2);
}

} // namespace farcobj

void CalcFreeArcFromDrag(POINT first, POINT second, CRect& rect, CPoint& start, CPoint& end)
{
    rect = GetNormalizedRect(CRect(first, second));
    start = farcobj::BottomMiddle(rect);
    end = farcobj::LeftMiddle(rect);
}

// --- Construction and record ------------------------------------------------------------------

CFarcObj::CFarcObj() : CArcShapeObj(OBJKIND_FREEARC, 0, CRect()) {}

CFarcObj::CFarcObj(WORD objectId, const CRect& rect)
    : CArcShapeObj(OBJKIND_FREEARC, objectId, rect),
      m_ptStart(farcobj::BottomMiddle(rect)),
      m_ptEnd(farcobj::LeftMiddle(rect))
{
}

CFarcObj::CFarcObj(const CFarcObj& other) = default;

void CFarcObj::Serialize(CArchive& ar)
{
    CBaseObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << LONG(m_ptStart.x) << LONG(m_ptStart.y) << LONG(m_ptEnd.x) << LONG(m_ptEnd.y) << m_wArcStyle;
        return;
    }
    LONG startX, startY, endX, endY;
    ar >> startX >> startY >> endX >> endY >> m_wArcStyle;
    // Held like the rectangle's corners, so that scaling and mapping them stays in range.
    m_ptStart = CPoint(HoldObjectCoordinate(startX), HoldObjectCoordinate(startY));
    m_ptEnd = CPoint(HoldObjectCoordinate(endX), HoldObjectCoordinate(endY));
}

CString& CFarcObj::GetTypeName(CString& name) const
{
    name = CString(u8"自由円弧ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& CFarcObj::GetProfileSection(CString& section) const
{
    section = "FarcObj Properties";
    return section;
}

void CFarcObj::GetArcGeometry(CRect& ellipse, CPoint& first, CPoint& second) const
{
    ellipse = m_rect;
    first = m_ptStart;
    second = m_ptEnd;
}

// --- Trackers and handles -----------------------------------------------------------------------

void CFarcObj::DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode)
{
    if (IsHiddenIn(printMode) || !(hitCode & HIT_HANDLE))
        return;
    CRect ellipse;
    CPoint start, end;
    GetScaledArcGeometry(zoom, ellipse, start, end);
    const CRect resized = GetResizedScaledRect(zoom, offset, hitCode, printMode);
    DrawHatchedFrame(pDC, resized, 1);
    const CRect rect = GetNormalizedRect(resized);
    MapPointBetweenRects(start, ellipse, rect);
    MapPointBetweenRects(end, ellipse, rect);
    DrawTrackerArc(pDC, rect, start, end, m_wArcStyle);
}

void CFarcObj::DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD, BOOL printMode)
{
    if (IsHiddenIn(printMode) || !(hitCode & HIT_SHAPE_HANDLE))
        return;
    CRect ellipse;
    CPoint start, end;
    GetScaledArcGeometry(zoom, ellipse, start, end);
    if (hitCode & 0x100)
        start += offset;
    if (hitCode & 0x400)
        end += offset;
    DrawTrackerArc(pDC, ellipse, start, end, m_wArcStyle);
}

void CFarcObj::DrawHandles(CDC* pDC, int zoom, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    DrawFramedHandles(pDC, zoom, printMode);
    for (CPoint point : {m_ptStart, m_ptEnd}) {
        ScalePointByZoom(point, zoom);
        DrawPatternHandle(pDC, point, IDB_PATTERN_HANDLE, farcobj::kPointHandleFrame);
    }
}

BOOL CFarcObj::HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                              CPoint& handlePoint, BOOL printMode) const
{
    if (IsHiddenIn(printMode))
        return FALSE;
    hitCode = 0;
    partWord = 0;
    // The point handles come first: a new arc's points lie on two of the box handles.
    for (const auto& [handle, code] : {std::pair{m_ptStart, HIT_FREEARC_START}, std::pair{m_ptEnd, HIT_FREEARC_END}}) {
        CPoint scaled = handle;
        ScalePointByZoom(scaled, zoom);
        if (PointNearPoint(scaled, point, HANDLE_HALF_SIZE)) {
            hitCode |= code;
            handlePoint = scaled;
            return TRUE;
        }
    }
    return CBaseObj::HitTestHandles(zoom, point, keyFlags, tolerance, hitCode, partWord, handlePoint, printMode);
}

BOOL CFarcObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const
{
    BOOL hit = FALSE;
    if (HitTestFrame(point, tolerance, printMode, outlineOnly, hit))
        return hit;
    return CBaseObj::HitTest(point, tolerance, printMode, FALSE);
}

void CFarcObj::GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const
{
    rect.SetRectEmpty();
    if (IsHiddenIn(printMode))
        return;
    GetVisibleRect(rect, printMode);
    if (HasShadow(printMode)) {
        CSize shadow;
        GetMaxShadowOffset(shadow);
        GrowRedrawRect(rect, shadow);
    }
    for (const CPoint& p : {m_ptStart, m_ptEnd}) {
        rect.left = std::min(rect.left, p.x);
        rect.right = std::max(rect.right, p.x);
        rect.top = std::max(rect.top, p.y);
        rect.bottom = std::min(rect.bottom, p.y);
    }
    int margin = 2 * HANDLE_HALF_SIZE;
    UnscaleValueByZoom(margin, zoom);
    GrowRedrawRect(rect, CSize(margin, -margin));
}

// --- Moving and resizing ------------------------------------------------------------------------

void CFarcObj::MoveBy(SIZE offset, DWORD flags)
{
    m_ptStart += offset;
    m_ptEnd += offset;
    CBaseObj::MoveBy(offset, flags);
}

void CFarcObj::ResizeByHandle(SIZE offset, DWORD hitCode)
{
    const CRect before = m_rect;
    CBaseObj::ResizeByHandle(offset, hitCode);
    MapPointBetweenRects(m_ptStart, before, m_rect);
    MapPointBetweenRects(m_ptEnd, before, m_rect);
}

void CFarcObj::MapToRect(const CRect& oldFrame, const CRect& newFrame)
{
    MapPointBetweenRects(m_ptStart, oldFrame, newFrame);
    MapPointBetweenRects(m_ptEnd, oldFrame, newFrame);
    CBaseObj::MapToRect(oldFrame, newFrame);
}

void CFarcObj::ApplyHandleDrag(SIZE offset, DWORD hitCode, DWORD)
{
    if (!(hitCode & HIT_SHAPE_HANDLE))
        return;
    if (hitCode & 0x100)
        m_ptStart += offset;
    if (hitCode & 0x400)
        m_ptEnd += offset;
}

// --- Menu and connection ------------------------------------------------------------------------

void CFarcObj::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL)
{
    if (!IsHiddenIn(printMode))
        TrackArcMenu(screenPoint, view, farcobj::kOperations);
}

CPoint& CFarcObj::GetConnectionPoint(CPoint& out, POINT point) const
{
    return PointOnEllipseTowards(out, m_rect, point);
}
