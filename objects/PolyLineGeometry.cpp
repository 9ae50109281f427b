// CPolyLine: bounding and repaint rectangles, handles, hit tests, moving, resizing, point editing
// and the outlines that follow the mouse meanwhile.
#include "objects/PolyLine.h"

#include "foundation/ErrorReport.h"
#include "foundation/Geometry.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "objects/BaseObj.h"
#include "objects/ObjectSupport.h"
#include "platform/gdi/Rgn.h"
#include "platform/ui/Wnd.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace polylinegeometry {

constexpr COLORREF kYellow = 0x00FFFF;
constexpr COLORREF kRed = 0x0000FF;
// How far apart the end and its neighbour may lie and still count as on one level.
constexpr int kEndNeighbourTolerance = 10;

CPoint Midpoint(POINT a, POINT b)
{
    return CPoint(a.x + (b.x - a.x) / 2, a.y + (b.y - a.y) / 2);
}

// Where a handle drag leaves the points, and where insert mode adds new ones (the positions in the
// result, ascending). Points are counted from 1 in the handle index; comparisons of a neighbour's
// orientation use the points as they were before the drag.
struct HandleMove
{
    std::vector<CPoint> points;
    std::vector<INT_PTR> inserted;
};

// The neighbour of a moved point follows along the axis that keeps its segment upright.
void FollowAlongSegment(CPoint& neighbour, POINT a, POINT b, SIZE offset, bool crossAxis)
{
    // Along a vertical segment the neighbour follows in x, along a horizontal one in y; the
    // point before a moved inner point follows across its segment instead.
    const bool vertical = IsNearlyVertical(a, b);
    if (!vertical && !IsNearlyHorizontal(a, b))
        return;
    if (vertical != crossAxis)
        neighbour.x += offset.cx;
    else
        neighbour.y += offset.cy;
}

HandleMove MoveByHandle(std::vector<CPoint> points, SIZE offset, DWORD hitCode, DWORD index)
{
    HandleMove result;
    const INT_PTR count = INT_PTR(points.size());
    const bool insert = (hitCode & HIT_LINE_INSERT) != 0;
    const bool follow = !insert && count > 2 && (hitCode & HIT_LINE_ORTHOGONAL);
    const std::vector<CPoint> before = points;
    const INT_PTR n = INT_PTR(index);
    auto insertAt = [&](INT_PTR position, POINT point) {
        points.insert(points.begin() + position, point);
        result.inserted.push_back(position);
    };
    if (hitCode & HIT_LINE_FIRST_POINT) {
        if (count < 2)
            return {before, {}};
        points[0] += offset;
        if (follow)
            FollowAlongSegment(points[1], before[0], before[1], offset, false);
        if (insert)
            insertAt(1, Midpoint(before[0], before[1]));
    } else if (hitCode & HIT_LINE_MIDPOINT) {
        if (n < 1 || n >= count)
            return {before, {}};
        if (insert) {
            insertAt(n, Midpoint(before[n - 1], before[n]) + offset);
        } else {
            points[n - 1] += offset;
            points[n] += offset;
        }
    } else if (hitCode & HIT_LINE_POINT) {
        if (n < 1 || n >= count)
            return {before, {}};
        points[n] += offset;
        if (follow) {
            if (n == 1)
                FollowAlongSegment(points[0], before[0], before[1], offset, false);
            else
                FollowAlongSegment(points[n - 1], before[n - 2], before[n - 1], offset, true);
            if (n + 1 < count)
                FollowAlongSegment(points[n + 1], before[n], before[n + 1], offset, false);
        }
        if (insert) {
            if (n + 1 < count)
                insertAt(n + 1, Midpoint(before[n], before[n + 1]));
            insertAt(n, Midpoint(before[n - 1], before[n]));
            std::sort(result.inserted.begin(), result.inserted.end());
            if (result.inserted.size() == 2)
                ++result.inserted[1]; // the later point shifted when the earlier one went in
        }
    }
    result.points = std::move(points);
    return result;
}

// The stroke rule of a resize: a vertical or horizontal line is laid on the new rectangle's
// diagonal by its parameter along the old one.
CPoint MapOnStroke(POINT p, const CRect& old, const CRect& resized)
{
    const double w = double(old.right) - old.left, h = double(old.bottom) - old.top;
    const double t = std::abs(w) <= 1 ? (h != 0 ? (p.y - old.top) / h : 0.0) : (p.x - old.left) / w;
    const double nw = double(resized.right) - resized.left, nh = double(resized.bottom) - resized.top;
    return CPoint(HoldObjectCoordinate(std::int64_t(resized.left) + std::int64_t(std::trunc(nw * t))),
                  HoldObjectCoordinate(std::int64_t(resized.top) + std::int64_t(std::trunc(nh * t))));
}

// Carries the points from the old bounding rectangle into the resized one. A flat line is mapped
// by the stroke rule; when it has no extent at all, only the first point unless all are asked for.
void MapResized(std::vector<CPoint>& points, const CRect& old, const CRect& resized, bool mapAllOfAPoint)
{
    const int w = old.right - old.left, h = old.bottom - old.top;
    if (AbsInt(w) > 1 && AbsInt(h) > 1) {
        const double rx = (double(resized.right) - resized.left) / w;
        const double ry = (double(resized.bottom) - resized.top) / h;
        for (CPoint& p : points)
            p.SetPoint(
                HoldObjectCoordinate(std::int64_t(resized.left) + std::int64_t(std::trunc((p.x - old.left) * rx))),
                HoldObjectCoordinate(std::int64_t(resized.top) + std::int64_t(std::trunc((p.y - old.top) * ry))));
        return;
    }
    const size_t mapped =
        AbsInt(w) <= 1 && AbsInt(h) <= 1 && !mapAllOfAPoint ? std::min<size_t>(1, points.size()) : points.size();
    for (size_t i = 0; i < mapped; ++i)
        points[i] = MapOnStroke(points[i], old, resized);
}

void ScalePoints(std::vector<CPoint>& points, int zoom)
{
    for (CPoint& p : points)
        ScalePointByZoom(p, zoom);
}

BOOL PointNearAnySegment(const std::vector<CPoint>& points, POINT point, int tolerance)
{
    for (size_t i = 1; i < points.size(); ++i)
        if (PointNearSegment(points[i - 1], points[i], point, tolerance))
            return TRUE;
    return FALSE;
}

} // namespace polylinegeometry

void ShiftLineEndWithNeighbour(CPoint& a, CPoint& b, const CPoint& c, const CPoint* d, SIZE offset)
{
    constexpr int tol = polylinegeometry::kEndNeighbourTolerance;
    const int ax = AbsInt(b.x - a.x), ay = AbsInt(b.y - a.y);
    a += offset;
    if (ay < tol && ax >= tol) {
        b.y += offset.cy;
    } else if (ay >= tol && ax < tol) {
        b.x += offset.cx;
    } else if (ay >= tol && ax >= tol) {
        (double(ay) / double(ax) <= 1.0 ? b.y += offset.cy : b.x += offset.cx);
    } else {
        const int cx = AbsInt(c.x - b.x), cy = AbsInt(c.y - b.y);
        if (cx >= tol)
            (cy < tol ? b.x += offset.cx : b.y += offset.cy);
        else if (cy >= tol)
            b.y += offset.cy;
        else if (!d || AbsInt(d->y - c.y) >= tol)
            b.x += offset.cx;
        else
            b.y += offset.cy;
    }
}

// --- Rectangles -------------------------------------------------------------------------------

void CPolyLine::GetRect(CRect& rect) const
{
    rect.SetRectEmpty();
    const std::vector<CPoint> points = GetPointArray();
    if (points.empty())
        return;
    rect.SetRect(points[0].x, points[0].y, points[0].x, points[0].y);
    for (const CPoint& p : points) {
        rect.left = std::min(rect.left, p.x);
        rect.right = std::max(rect.right, p.x);
        rect.top = std::max(rect.top, p.y);
        rect.bottom = std::min(rect.bottom, p.y);
    }
    if (rect.left == rect.right)
        ++rect.right;
    if (rect.top == rect.bottom)
        --rect.bottom;
}

void CPolyLine::GetRedrawRect(CRect& rect, int zoom) const
{
    GetRect(rect);
    int handleMargin = 2 * HANDLE_HALF_SIZE;
    UnscaleValueByZoom(handleMargin, zoom);
    const int penMargin = m_nPenWidth <= 1 ? 10 : m_nPenWidth + 10;
    const int margin = std::max(handleMargin, penMargin);
    GrowRedrawRect(rect, CSize(margin, -margin));
}

BOOL CPolyLine::IsInsideRect(const CRect& rect) const
{
    CRect bounds;
    GetRect(bounds);
    return RectInRectWithTolerance(bounds, rect, 0);
}

void CPolyLine::GetPartRect(CRect& rect, BOOL, DWORD) const
{
    rect.SetRectEmpty();
}

// --- Handles and hit tests --------------------------------------------------------------------

void CPolyLine::DrawHandles(CDC* pDC, int zoom)
{
    std::vector<CPoint> points = GetPointArray();
    if (points.empty())
        return;
    polylinegeometry::ScalePoints(points, zoom);
    if (IsValidBezier())
        DrawTrackerPolylineColor(pDC, points.data(), int(points.size()), polylinegeometry::kRed);
    CRect rect;
    GetRect(rect);
    ScaleRectByZoom(rect, zoom);
    bool rectHandles = true;
    if (points.size() == 2) {
        rectHandles = rect.Width() >= 5 && -rect.Height() >= 5;
        if (rectHandles)
            DrawHatchedFrame(pDC, rect, 1);
    }
    std::vector<CPoint> drawn{points[0]};
    DrawPatternHandle(pDC, points[0], IDB_PATTERN_HANDLE, polylinegeometry::kYellow);
    for (size_t i = 1; i < points.size(); ++i) {
        const CPoint mid = polylinegeometry::Midpoint(points[i - 1], points[i]);
        DrawPatternHandle(pDC, mid, IDB_MIDPOINT_HANDLE, polylinegeometry::kRed);
        drawn.push_back(mid);
        if (points[i] != points[0]) {
            DrawPatternHandle(pDC, points[i], IDB_PATTERN_HANDLE, polylinegeometry::kYellow);
            drawn.push_back(points[i]);
        }
    }
    if (!rectHandles)
        return;
    // Drawn sides first, then the corners.
    const auto handles = GetRectHandles(rect);
    for (const size_t i : {4, 5, 6, 7, 0, 1, 2, 3})
        if (std::find(drawn.begin(), drawn.end(), handles[i].centre) == drawn.end())
            DrawHandleSquare(pDC, handles[i].centre);
}

BOOL CPolyLine::IsPointInArea(POINT point) const
{
    const std::vector<CPoint> points = GetPointArray();
    CRgn region;
    if (points.size() < 3 || !region.CreatePolygonRgn(points.data(), int(points.size()), m_nFillMode))
        return FALSE;
    return region.PtInRegion(point);
}

BOOL CPolyLine::HitTest(POINT point, int tolerance, BOOL outlineOnly) const
{
    const std::vector<CPoint> points = GetPointArray();
    if (polylinegeometry::PointNearAnySegment(points, point, tolerance))
        return TRUE;
    const BOOL spline = IsValidBezier();
    if (IsClosed() && points.size() >= 2 && !spline &&
        PointNearSegment(points.back(), points.front(), point, tolerance))
        return TRUE;
    if (IsFilled() && points.size() > 2 && !spline)
        return IsPointInArea(point);
    return outlineOnly ? FALSE : IsPointInArea(point);
}

BOOL CPolyLine::HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& index,
                               CPoint& handlePoint) const
{
    hitCode = 0;
    index = 0;
    std::vector<CPoint> points = GetPointArray();
    polylinegeometry::ScalePoints(points, zoom);
    auto pointHandle = [&](POINT centre, DWORD code, DWORD handleIndex) {
        if (!PointNearPoint(centre, point, HANDLE_HALF_SIZE))
            return false;
        hitCode = HIT_SHAPE_HANDLE | code;
        index = handleIndex;
        handlePoint = centre;
        if (keyFlags & MK_CONTROL)
            hitCode |= HIT_LINE_INSERT;
        else if (code != HIT_LINE_MIDPOINT && (keyFlags & MK_SHIFT) && points.size() > 2)
            hitCode |= HIT_LINE_DELETE;
        return true;
    };
    if (!points.empty() && pointHandle(points[0], HIT_LINE_FIRST_POINT, 1))
        return TRUE;
    for (size_t n = 1; n < points.size(); ++n)
        if (pointHandle(polylinegeometry::Midpoint(points[n - 1], points[n]), HIT_LINE_MIDPOINT, DWORD(n)) ||
            pointHandle(points[n], HIT_LINE_POINT, DWORD(n)))
            return TRUE;
    CRect rect;
    GetRect(rect);
    ScaleRectByZoom(rect, zoom);
    for (const RectHandle& handle : GetRectHandles(rect)) {
        if (PointNearPoint(handle.centre, point, HANDLE_HALF_SIZE)) {
            hitCode = handle.code;
            handlePoint = handle.centre;
            return TRUE;
        }
    }
    CPoint unzoomed(point);
    UnscalePointByZoom(unzoomed, zoom);
    if (polylinegeometry::PointNearAnySegment(points, point, tolerance) ||
        (IsClosed() && points.size() >= 2 && PointNearSegment(points.back(), points.front(), point, tolerance)) ||
        IsPointInArea(unzoomed)) {
        hitCode = HIT_BODY;
        return TRUE;
    }
    return FALSE;
}

// --- Moving and resizing ----------------------------------------------------------------------

void CPolyLine::MoveBy(SIZE offset, DWORD flags)
{
    if (flags & HIT_PARTS) {
        MoveParts(offset, flags);
        return;
    }
    MoveParts(offset, flags | HIT_PARTS);
    for (POSITION pos = GetHeadPosition(); pos;)
        *static_cast<CPointObj*>(GetNext(pos)) += offset;
}

void CPolyLine::MoveParts(SIZE, DWORD) {}

void CPolyLine::ResizeByHandle(SIZE offset, DWORD hitCode)
{
    if (!(hitCode & HIT_HANDLE))
        return;
    CRect old;
    GetRect(old);
    CRect resized = old;
    ApplyResizeHandleOffset(resized, offset, hitCode);
    std::vector<CPoint> points = GetPointArray();
    polylinegeometry::MapResized(points, old, resized, false);
    INT_PTR i = 0;
    for (POSITION pos = GetHeadPosition(); pos;)
        static_cast<CPointObj*>(GetNext(pos))->SetPoint(points[i].x, points[i].y), ++i;
}

void CPolyLine::MapToRect(const CRect& oldFrame, const CRect& newFrame)
{
    for (POSITION pos = GetHeadPosition(); pos;)
        MapPointBetweenRects(*static_cast<CPointObj*>(GetNext(pos)), oldFrame, newFrame);
}

BOOL CPolyLine::InsertPoints(const std::vector<INT_PTR>& positions, const std::vector<CPoint>& points)
{
    std::vector<POSITION> added;
    try {
        for (const INT_PTR position : positions) {
            auto pointObj = NewPointObj(points[size_t(position)]);
            const POSITION before = FindIndex(position);
            added.push_back(before ? InsertBefore(before, pointObj.get()) : AddTail(pointObj.get()));
            pointObj.release();
        }
    } catch (...) {
        for (const POSITION pos : added) {
            delete GetAt(pos);
            RemoveAt(pos);
        }
        ReportCurrentException(CString(u8"ﾒﾓﾘ不足のため、線にﾎﾟｲﾝﾄを追加できません。"),
                               CString(u8"予期せぬｴﾗｰのため、線にﾎﾟｲﾝﾄを追加できません。"));
        return FALSE;
    }
    return TRUE;
}

void CPolyLine::MovePointByHandle(SIZE offset, DWORD hitCode, DWORD index)
{
    if (!(hitCode & HIT_SHAPE_HANDLE))
        return;
    if (hitCode & HIT_LINE_DELETE) {
        RemovePointByHandle(hitCode, index);
        return;
    }
    if (hitCode & HIT_SIDE_TOP) {
        // Both ends level with the offset (the data model's straight arrows).
        CPointObj* first = GetStartPointObj();
        CPointObj* last = GetEndPointObj();
        if (!first)
            return;
        if (index & HIT_LINE_FIRST_POINT)
            first->y = last->y = offset.cy;
        else if (index & HIT_LINE_MIDPOINT)
            first->x = last->x = offset.cx;
        return;
    }
    const polylinegeometry::HandleMove move = polylinegeometry::MoveByHandle(GetPointArray(), offset, hitCode, index);
    if (!InsertPoints(move.inserted, move.points))
        return;
    INT_PTR i = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++i) {
        CPointObj* point = static_cast<CPointObj*>(GetNext(pos));
        point->SetPoint(move.points[size_t(i)].x, move.points[size_t(i)].y);
    }
}

BOOL CPolyLine::RemovePointByHandle(DWORD hitCode, DWORD index)
{
    if (!(hitCode & HIT_LINE_DELETE))
        return FALSE;
    const INT_PTR position = INT_PTR(index) - ((hitCode & HIT_LINE_FIRST_POINT) ? 1 : 0);
    return RemovePointAt(position);
}

BOOL CPolyLine::RemoveZeroLengthSegment()
{
    if (GetCount() < 4)
        return FALSE;
    const std::vector<CPoint> points = GetPointArray();
    for (size_t i = 1; i < points.size(); ++i) {
        if (IsNearlyVertical(points[i - 1], points[i]) && IsNearlyHorizontal(points[i - 1], points[i])) {
            RemovePointAt(INT_PTR(i));
            RemovePointAt(INT_PTR(i - 1));
            return TRUE;
        }
    }
    return FALSE;
}

void CPolyLine::MoveStartPoint(SIZE offset)
{
    const INT_PTR count = GetCount();
    if (count == 2)
        *GetStartPointObj() += offset;
    else if (count > 2)
        ShiftLineEndWithNeighbour(*GetPointObjAt(0), *GetPointObjAt(1), *GetPointObjAt(2),
                                  count >= 4 ? GetPointObjAt(3) : nullptr, offset);
}

void CPolyLine::MoveEndPoint(SIZE offset)
{
    const INT_PTR count = GetCount();
    if (count == 2)
        *GetEndPointObj() += offset;
    else if (count > 2)
        ShiftLineEndWithNeighbour(*GetPointObjAt(count - 1), *GetPointObjAt(count - 2), *GetPointObjAt(count - 3),
                                  count >= 4 ? GetPointObjAt(count - 4) : nullptr, offset);
}

void CPolyLine::GetSegmentDirection(int segment, BOOL& vertical, BOOL& horizontal) const
{
    vertical = horizontal = FALSE;
    const CPointObj* a = segment >= 1 ? GetPointObjAt(segment - 1) : nullptr;
    const CPointObj* b = segment >= 1 ? GetPointObjAt(segment) : nullptr;
    if (!a || !b)
        return;
    vertical = IsNearlyVertical(*a, *b);
    horizontal = IsNearlyHorizontal(*a, *b);
}

BOOL CPolyLine::IsRectangleShape() const
{
    const std::vector<CPoint> p = GetPointArray();
    if (p.size() != 4 && !(p.size() == 5 && p[4] == p[0]))
        return FALSE;
    if (IsNearlyHorizontal(p[0], p[1]))
        return IsNearlyVertical(p[1], p[2]) && IsNearlyHorizontal(p[2], p[3]) && IsNearlyVertical(p[3], p[0]);
    return IsNearlyVertical(p[0], p[1]) && IsNearlyHorizontal(p[1], p[2]) && IsNearlyVertical(p[2], p[3]) &&
           IsNearlyHorizontal(p[3], p[0]);
}

BOOL CPolyLine::GetTopEdge(CPoint& left, CPoint& right) const
{
    // Every point after the first is weighed alike, the second included: an outline may start
    // anywhere on its way round, not only at the left end of its top edge.
    const std::vector<CPoint> points = GetPointArray();
    if (points.empty())
        return FALSE;
    left = right = points[0];
    for (const CPoint& p : points) {
        if (IsNearlyHorizontal(p, left)) {
            if (p.x < left.x)
                left = p;
            if (p.x > right.x)
                right = p;
        } else if (p.y > left.y) {
            left = right = p;
        }
    }
    return left.x != right.x;
}

// --- Outlines that follow the mouse -----------------------------------------------------------

void CPolyLine::DrawTrackerShape(CDC* pDC, const std::vector<CPoint>& points, BOOL close, BOOL spline) const
{
    if (points.empty())
        return;
    std::vector<CPoint> outline = points;
    if (close && IsClosed() && points.size() >= 2 && !IsValidBezier())
        outline.push_back(points.front());
    DrawTrackerPolyline(pDC, outline.data(), int(outline.size()));
    if (spline && IsValidBezier())
        DrawTrackerBezier(pDC, points.data(), int(points.size()));
}

void CPolyLine::DrawMoveTracker(CDC* pDC, int zoom, SIZE offset)
{
    std::vector<CPoint> points = GetPointArray();
    polylinegeometry::ScalePoints(points, zoom);
    for (CPoint& p : points)
        p += offset;
    DrawTrackerShape(pDC, points, TRUE, TRUE);
}

void CPolyLine::DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode)
{
    if (!(hitCode & HIT_HANDLE))
        return;
    CRect old;
    GetRect(old);
    ScaleRectByZoom(old, zoom);
    CRect resized = old;
    ApplyResizeHandleOffset(resized, offset, hitCode);
    DrawHatchedFrame(pDC, resized, 1);
    std::vector<CPoint> points = GetPointArray();
    polylinegeometry::ScalePoints(points, zoom);
    polylinegeometry::MapResized(points, old, resized, true);
    const bool stroke = AbsInt(old.Width()) <= 1 || AbsInt(old.Height()) <= 1;
    DrawTrackerShape(pDC, points, !stroke, !stroke);
}

void CPolyLine::DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD index)
{
    if (!(hitCode & HIT_SHAPE_HANDLE))
        return;
    std::vector<CPoint> points = GetPointArray();
    polylinegeometry::ScalePoints(points, zoom);
    const polylinegeometry::HandleMove move =
        polylinegeometry::MoveByHandle(std::move(points), offset, hitCode & ~HIT_LINE_DELETE, index);
    DrawTrackerShape(pDC, move.points, TRUE, !(hitCode & HIT_LINE_INSERT));
}
