#include "objects/OutlineObj.h"

#include "foundation/Geometry.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "platform/gdi/DC.h"

IMPLEMENT_DYNAMIC(COutlineObj, CRectObj)

namespace outlineobj {

constexpr COLORREF kRatioHandleFrame = 0x00FFFF;

} // namespace outlineobj

void OffsetPolygonPoints(POINT* points, int count, POINT offset)
{
    for (int i = 0; i < count; ++i) {
        points[i].x += offset.x;
        points[i].y += offset.y;
    }
}

COutlineObj::COutlineObj(WORD kind, WORD objectId, const CRect& rect) : CRectObj(kind, objectId, rect) {}

COutlineObj::COutlineObj(const COutlineObj& other) = default;

int COutlineObj::GetOutline(POINT* points) const
{
    return CalcOutline(m_rect, GetShapeRatio(), points);
}

CPoint& COutlineObj::GetConnectionPoint(CPoint& out, POINT point) const
{
    return CBaseObj::GetConnectionPoint(out, point);
}

BOOL COutlineObj::CalcRatioHandlePos(const RECT&, CPoint&) const
{
    return FALSE;
}

BOOL COutlineObj::CalcDraggedRatio(const RECT&, POINT, SIZE, float&) const
{
    return FALSE;
}

// --- Drawing and trackers -----------------------------------------------------------------------

void COutlineObj::Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT*, DWORD, CBaseDoc*)
{
    if (IsHiddenIn(printMode))
        return;
    OutlinePoints points;
    const int count = CalcOutline(GetScaledRect(zoom, printMode), GetShapeRatio(), points.data());
    DrawShapeSequence(pDC, zoom, printMode, [&](CDC* dc, POINT shift, ShapePass) {
        OutlinePoints moved = points;
        OffsetPolygonPoints(moved.data(), count, shift);
        dc->Polygon(moved.data(), count);
    });
    if (withHandles)
        DrawHandles(pDC, zoom, printMode);
}

void COutlineObj::DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    OutlinePoints points;
    const int count = CalcOutline(GetScaledRect(zoom, printMode) + offset, GetShapeRatio(), points.data());
    DrawTrackerPolygon(pDC, points.data(), count);
}

void COutlineObj::DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode)
{
    if (IsHiddenIn(printMode) || !(hitCode & HIT_HANDLE))
        return;
    CRect rect = GetResizedScaledRect(zoom, offset, hitCode, printMode);
    if (NormalizesResizeOutline())
        rect = GetNormalizedRect(rect);
    OutlinePoints points;
    const int count = CalcOutline(rect, GetShapeRatio(), points.data());
    DrawTrackerPolygon(pDC, points.data(), count);
}

BOOL COutlineObj::DraggedRatioAtZoom(int zoom, SIZE offset, float& ratio) const
{
    const CRect rect = GetScaledRect(zoom, TRUE);
    CPoint handle;
    return CalcRatioHandlePos(rect, handle) && CalcDraggedRatio(rect, handle, offset, ratio);
}

void COutlineObj::DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD partWord, BOOL printMode)
{
    if (!HasRatioHandle()) {
        CRectObj::DrawHandleDragTracker(pDC, zoom, offset, hitCode, partWord, printMode);
        return;
    }
    float ratio = 0.0f;
    if (hitCode != HIT_RATIO_HANDLE || !DraggedRatioAtZoom(zoom, offset, ratio))
        return;
    OutlinePoints points;
    const int count = CalcOutline(GetScaledRect(zoom, TRUE), ratio, points.data());
    DrawTrackerPolygon(pDC, points.data(), count);
}

void COutlineObj::DrawHandles(CDC* pDC, int zoom, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    CPoint handle;
    if (HasRatioHandle() && CalcRatioHandlePos(m_rect, handle)) {
        ScalePointByZoom(handle, zoom);
        DrawPatternHandle(pDC, handle, IDB_PATTERN_HANDLE, outlineobj::kRatioHandleFrame);
    }
    CRectObj::DrawHandles(pDC, zoom, printMode);
}

// --- Handles ------------------------------------------------------------------------------------

BOOL COutlineObj::HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                                 CPoint& handlePoint, BOOL printMode) const
{
    if (!HasRatioHandle())
        return CRectObj::HitTestHandles(zoom, point, keyFlags, tolerance, hitCode, partWord, handlePoint, printMode);
    if (IsHiddenIn(printMode))
        return FALSE;
    CPoint handle;
    if (CalcRatioHandlePos(m_rect, handle)) {
        ScalePointByZoom(handle, zoom);
        if (PointNearPoint(handle, point, HANDLE_HALF_SIZE)) {
            hitCode = HIT_RATIO_HANDLE;
            partWord = 0;
            handlePoint = handle;
            return TRUE;
        }
    }
    // The rounding handle that the rectangle may still draw is not offered: it would change
    // nothing that these shapes show.
    return CBaseObj::HitTestHandles(zoom, point, keyFlags, tolerance, hitCode, partWord, handlePoint, printMode);
}

void COutlineObj::ApplyHandleDrag(SIZE offset, DWORD hitCode, DWORD word)
{
    if (!HasRatioHandle()) {
        CRectObj::ApplyHandleDrag(offset, hitCode, word);
        return;
    }
    CPoint handle;
    float ratio = 0.0f;
    if (hitCode == HIT_RATIO_HANDLE && CalcRatioHandlePos(m_rect, handle) &&
        CalcDraggedRatio(m_rect, handle, offset, ratio))
        SetShapeRatio(ratio);
}
