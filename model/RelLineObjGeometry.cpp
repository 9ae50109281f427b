// CRelLineObj: hit tests, the selection handles, resizing and point dragging, and the crank rules
// by which a 1:N arrow follows the objects at its ends.
#include "model/RelLineObj.h"

#include "foundation/Geometry.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "objects/StrgObj.h"
#include "platform/ui/Wnd.h"

#include <vector>

namespace rellinegeometry {

constexpr COLORREF kPointHandleColor = 0x00FFFF;
constexpr COLORREF kMidpointHandleColor = 0x0000FF;
// A crank's first or last segment is kept at least this long when its end moves toward it.
constexpr int kMinEndSegment = 40;
// A first or last segment up to this long moves whole with its end.
constexpr int kShortEndSegment = 45;

CPoint Midpoint(POINT a, POINT b)
{
    return CPoint(a.x + (b.x - a.x) / 2, a.y + (b.y - a.y) / 2);
}

std::vector<CPoint> ZoomedPoints(const CPolyLine& line, int zoom)
{
    std::vector<CPoint> points = line.GetPointArray();
    for (CPoint& p : points)
        ScalePointByZoom(p, zoom);
    return points;
}

// The label's own handle or body code with the handle value and the label's part bit.
DWORD LabelHitCode(DWORD labelCode, DWORD part)
{
    return labelCode | HIT_SHAPE_HANDLE | part;
}

} // namespace rellinegeometry

BOOL CRelLineObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const
{
    if (IsHiddenIn(printMode))
        return FALSE;
    for (const DWORD part : {PART_ITEM_VALUE, PART_ITEM_NAME, PART_MEMO})
        if (IsLabelShown(part) && GetLabel(part)->HitTest(point, tolerance, TRUE, outlineOnly))
            return TRUE;
    return CPolyLine::HitTest(point, tolerance, outlineOnly);
}

BOOL CRelLineObj::HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& index,
                                 CPoint& handlePoint, BOOL printMode) const
{
    hitCode = 0;
    index = 0;
    if (IsHiddenIn(printMode))
        return FALSE;
    for (const DWORD part : {PART_ITEM_NAME, PART_ITEM_VALUE, PART_MEMO}) {
        DWORD labelCode = 0;
        if (IsLabelShown(part) &&
            GetLabel(part)->HitTestHandles(zoom, point, keyFlags, tolerance, labelCode, index, handlePoint, TRUE)) {
            hitCode = rellinegeometry::LabelHitCode(labelCode, part);
            return TRUE;
        }
    }
    const std::vector<CPoint> points = rellinegeometry::ZoomedPoints(*this, zoom);
    const BOOL crank = IsOneToManyKind() && !IsSelfReference();
    auto handle = [&](POINT centre, DWORD code, size_t n) {
        if (!PointNearPoint(centre, point, HANDLE_HALF_SIZE))
            return false;
        hitCode = HIT_SHAPE_HANDLE | code;
        index = DWORD(n);
        handlePoint = centre;
        return true;
    };
    if (!points.empty() && handle(points[0], HIT_LINE_FIRST_POINT, 1))
        return TRUE;
    for (size_t n = 1; n < points.size(); ++n) {
        if (handle(rellinegeometry::Midpoint(points[n - 1], points[n]), HIT_LINE_MIDPOINT, n)) {
            if (crank && points.size() < 4 && (keyFlags & MK_CONTROL))
                hitCode |= HIT_LINE_INSERT;
            return TRUE;
        }
        if (handle(points[n], HIT_LINE_POINT, n)) {
            if (crank && n + 1 < points.size() && (keyFlags & MK_CONTROL))
                hitCode |= HIT_LINE_INSERT;
            else if ((keyFlags & MK_SHIFT) && points.size() >= 3)
                hitCode |= HIT_LINE_DELETE;
            return TRUE;
        }
    }
    return FALSE;
}

void CRelLineObj::DrawHandles(CDC* pDC, int zoom, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    const std::vector<CPoint> points = rellinegeometry::ZoomedPoints(*this, zoom);
    if (points.empty())
        return;
    CRect rect;
    GetVisibleRect(rect, printMode);
    ScaleRectByZoom(rect, zoom);
    if (points.size() == 2 && rect.Width() >= 5 && -rect.Height() >= 5)
        DrawHatchedFrame(pDC, rect, 1);
    DrawPatternHandle(pDC, points[0], IDB_PATTERN_HANDLE, rellinegeometry::kPointHandleColor);
    for (size_t n = 1; n < points.size(); ++n) {
        DrawPatternHandle(pDC, rellinegeometry::Midpoint(points[n - 1], points[n]), IDB_MIDPOINT_HANDLE,
                          rellinegeometry::kMidpointHandleColor);
        if (points[n] != points[0])
            DrawPatternHandle(pDC, points[n], IDB_PATTERN_HANDLE, rellinegeometry::kPointHandleColor);
    }
    for (const DWORD part : {PART_ITEM_VALUE, PART_ITEM_NAME, PART_MEMO})
        if (IsLabelShown(part))
            GetLabel(part)->DrawHandles(pDC, zoom, TRUE);
}

// --- Resizing and point dragging ----------------------------------------------------------------

void CRelLineObj::ResizeByHandle(SIZE offset, DWORD hitCode)
{
    if (!(hitCode & HIT_HANDLE))
        return;
    if (hitCode & HIT_PARTS) {
        if (CStrgObj* label = GetLabel(hitCode & HIT_PARTS))
            label->ResizeByHandle(offset, hitCode & ~(HIT_PARTS | HIT_SHAPE_HANDLE));
        return;
    }
    const CPoint oldStart = GetStartPoint(), oldEnd = GetEndPoint();
    CPolyLine::ResizeByHandle(offset, hitCode);
    RepositionLabels(oldStart, oldEnd);
}

void CRelLineObj::MovePointByHandle(SIZE offset, DWORD hitCode, DWORD index)
{
    // A label's handle resizes it; only the line's own handles move points.
    if (!(hitCode & HIT_SHAPE_HANDLE) || (hitCode & HIT_PARTS))
        return;
    const CPoint oldStart = GetStartPoint(), oldEnd = GetEndPoint();
    CPolyLine::MovePointByHandle(offset, hitCode | HIT_LINE_ORTHOGONAL, index);
    if (IsOneToManyKind() && !IsSelfReference() && GetCount() >= 5)
        RemoveZeroLengthSegment();
    RepositionLabels(oldStart, oldEnd);
}

// --- The ends follow their objects --------------------------------------------------------------

void CRelLineObj::MoveStartPoint(SIZE offset)
{
    const CPoint oldStart = GetStartPoint(), oldEnd = GetEndPoint();
    if (!IsOneToManyKind())
        CPolyObj::MoveStartPoint(offset);
    else if (GetCount() < 4 || IsSelfReference())
        *GetStartPointObj() += offset;
    else
        MoveCrankStart(offset);
    RepositionLabels(oldStart, oldEnd);
}

void CRelLineObj::MoveEndPoint(SIZE offset)
{
    const CPoint oldStart = GetStartPoint(), oldEnd = GetEndPoint();
    if (!IsOneToManyKind())
        CPolyObj::MoveEndPoint(offset);
    else if (GetCount() < 4)
        *GetEndPointObj() += offset;
    else
        MoveCrankEnd(offset);
    RepositionLabels(oldStart, oldEnd);
}

void CRelLineObj::MoveCrankStart(SIZE offset)
{
    CPoint& p1 = *GetStartPointObj();
    CPoint& p2 = *GetSecondPointObj();
    CPoint& p3 = *GetThirdPointObj();
    const int firstSegment = p1.y - p2.y;
    p1 += offset;
    if (offset.cy > 0 && firstSegment >= 1 && firstSegment <= rellinegeometry::kShortEndSegment) {
        p2 += offset;
        p3.y += offset.cy;
        return;
    }
    p2.x += offset.cx;
    if (offset.cy <= 0 && p1.y < p2.y + rellinegeometry::kMinEndSegment) {
        const int down = p2.y - (p1.y - rellinegeometry::kMinEndSegment);
        p2.y -= down;
        p3.y -= down;
    }
}

void CRelLineObj::MoveCrankEnd(SIZE offset)
{
    CPoint& pn = *GetEndPointObj();
    CPoint& pn1 = *GetSecondLastPointObj();
    CPoint& pn2 = *GetPointObjAt(GetCount() - 3);
    const int lastSegment = pn1.y - pn.y;
    pn += offset;
    if (offset.cy < 0 && lastSegment >= 1 && lastSegment <= rellinegeometry::kShortEndSegment) {
        pn1 += offset;
        pn2.y += offset.cy;
        return;
    }
    pn1.x += offset.cx;
    if (offset.cy >= 0 && pn.y > pn1.y - rellinegeometry::kMinEndSegment) {
        const int up = pn.y - (pn1.y - rellinegeometry::kMinEndSegment);
        pn1.y += up;
        pn2.y += up;
    }
}
