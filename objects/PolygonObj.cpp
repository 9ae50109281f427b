#include "objects/PolygonObj.h"

#include "foundation/CommandIds.h"
#include "foundation/Geometry.h"
#include "objects/DefaultKeys.h"
#include "objects/ObjectSupport.h"
#include "platform/afx/Archive.h"
#include "platform/ui/CmdUI.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

IMPLEMENT_SERIAL(CPolygonObj, COutlineObj, 1)

namespace polygonobj {

constexpr PopupMenuItem kSideSwitches[] = {
    // clang-format off
    {MF_STRING, ID_POLYGON_HEXAGON, u8"六角形"},
    {MF_STRING, ID_POLYGON_OCTAGON, u8"八角形"},
    // clang-format on
};

// A side count from a file or the profile: the two polygons there are, a hexagon for anything else.
WORD HoldSideCount(WORD sides)
{
    return sides == POLYGON_OCTAGON ? POLYGON_OCTAGON : POLYGON_HEXAGON;
}

// The octagon's cut: the shorter side (signed; a tie takes the width) times the ratio.
int OctagonCut(const RECT& r, float ratio)
{
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const int side = AbsInt(width) > AbsInt(height) ? height : width;
    return AbsInt(ScaleByRatio(side, ratio));
}

} // namespace polygonobj

int CalcPolygonPoints(const RECT& r, WORD sides, float ratio, POINT* p)
{
    if (sides == POLYGON_HEXAGON) {
        const int inset = ScaleByRatio(r.right - r.left, ratio);
        const int midY = r.top - TruncToInt((r.bottom - r.top) * -0.5);
        const POINT points[] = {{r.left, midY},  {r.left + inset, r.top},     {r.right - inset, r.top},
                                {r.right, midY}, {r.right - inset, r.bottom}, {r.left + inset, r.bottom}};
        std::copy(std::begin(points), std::end(points), p);
        return POLYGON_HEXAGON;
    }
    if (sides == POLYGON_OCTAGON) {
        const int c = polygonobj::OctagonCut(r, ratio);
        const POINT points[] = {{r.left, r.top - c},    {r.left + c, r.top},     {r.right - c, r.top},
                                {r.right, r.top - c},   {r.right, r.bottom + c}, {r.right - c, r.bottom},
                                {r.left + c, r.bottom}, {r.left, r.bottom + c}};
        std::copy(std::begin(points), std::end(points), p);
        return POLYGON_OCTAGON;
    }
    return 0;
}

// --- Construction and record ------------------------------------------------------------------

CPolygonObj::CPolygonObj() : COutlineObj(OBJKIND_POLYGON, 0, CRect()), m_wSideCount(POLYGON_HEXAGON) {}

CPolygonObj::CPolygonObj(WORD objectId, const CRect& rect, WORD sides)
    : COutlineObj(OBJKIND_POLYGON, objectId, rect), m_wSideCount(polygonobj::HoldSideCount(sides))
{
    if (m_wSideCount == POLYGON_OCTAGON)
        m_fRoundRate = DEFAULT_OCTAGON_RATIO;
}

CPolygonObj::CPolygonObj(const CPolygonObj& other) = default;

void CPolygonObj::Serialize(CArchive& ar)
{
    CRectObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_wSideCount;
        return;
    }
    WORD sides;
    ar >> sides;
    m_wSideCount = polygonobj::HoldSideCount(sides);
}

CString& CPolygonObj::GetTypeName(CString& name) const
{
    name = m_wSideCount == POLYGON_OCTAGON ? CString(u8"八角形ｵﾌﾞｼﾞｪｸﾄ") : CString(u8"六角形ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& CPolygonObj::GetProfileSection(CString& section) const
{
    section = m_wSideCount == POLYGON_OCTAGON ? "PolygonObjHachi Properties" : "PolygonObjRoku Properties";
    return section;
}

void CPolygonObj::SetSideCount(WORD sides)
{
    if (sides == POLYGON_HEXAGON || sides == POLYGON_OCTAGON)
        m_wSideCount = sides;
}

// --- Outline and handle -------------------------------------------------------------------------

int CPolygonObj::CalcOutline(const RECT& rect, float ratio, POINT* points) const
{
    return CalcPolygonPoints(rect, m_wSideCount, ratio, points);
}

BOOL CPolygonObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const
{
    BOOL hit = FALSE;
    if (HitTestFrame(point, tolerance, printMode, outlineOnly, hit))
        return hit;
    if (m_fRoundRate == 0.0f)
        return CRectObj::HitTest(point, tolerance, printMode, outlineOnly);
    OutlinePoints points;
    const int count = GetOutline(points.data());
    return PointInPolygonShape(points.data(), count, point, tolerance, !m_bFill && outlineOnly);
}

BOOL CPolygonObj::GetCornerHandlePos(CPoint& handle) const
{
    return CalcRatioHandlePos(m_rect, handle);
}

BOOL CPolygonObj::CalcRatioHandlePos(const RECT& r, CPoint& handle) const
{
    const int width = r.right - r.left;
    if (width == 0 || r.bottom == r.top)
        return FALSE;
    if (m_wSideCount == POLYGON_OCTAGON)
        handle = CPoint(r.left, r.top - polygonobj::OctagonCut(r, m_fRoundRate));
    else
        handle = CPoint(r.left + ScaleByRatio(width, m_fRoundRate), r.top);
    return TRUE;
}

BOOL CPolygonObj::CalcDraggedRatio(const RECT& r, POINT handle, SIZE offset, float& ratio) const
{
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width == 0 || height == 0)
        return FALSE;
    if (m_wSideCount != POLYGON_OCTAGON) {
        const std::int64_t x = std::clamp<std::int64_t>(std::int64_t(handle.x) + offset.cx, r.left, r.left + width / 2);
        ratio = float(double(x - r.left) / width);
        return TRUE;
    }
    const bool wide = AbsInt(width) > AbsInt(height);
    const std::int64_t lowest = wide ? std::int64_t(r.top) + height / 2 : std::int64_t(r.top) - width / 2;
    const double divisor = wide ? AbsInt(height) : width;
    const std::int64_t y = std::max(std::min<std::int64_t>(std::int64_t(handle.y) + offset.cy, r.top), lowest);
    ratio = float(double(r.top - y) / divisor);
    return TRUE;
}

// --- Attributes ---------------------------------------------------------------------------------

void CPolygonObj::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL)
{
    if (!IsHiddenIn(printMode))
        TrackShapeMenu(screenPoint, view, polygonobj::kSideSwitches, kSnapOnlyOperations);
}

BOOL CPolygonObj::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                                  BOOL severalSelected)
{
    switch (cmdUI->m_nID) {
    case ID_POLYGON_HEXAGON: cmdUI->SetCheck(m_wSideCount == POLYGON_HEXAGON); return TRUE;
    case ID_POLYGON_OCTAGON: cmdUI->SetCheck(m_wSideCount == POLYGON_OCTAGON); return TRUE;
    default: return CRectObj::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
    }
}

BOOL CPolygonObj::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode)
{
    if (commandId != ID_POLYGON_HEXAGON && commandId != ID_POLYGON_OCTAGON)
        return CRectObj::ApplyAttributeCommand(commandId, argument, hitCode);
    const WORD sides = commandId == ID_POLYGON_OCTAGON ? POLYGON_OCTAGON : POLYGON_HEXAGON;
    if (m_wSideCount == sides)
        return FALSE;
    m_wSideCount = sides;
    return TRUE;
}

void CPolygonObj::CopyAttributes(const CBaseObj& other)
{
    if (const CPolygonObj* polygon = DYNAMIC_DOWNCAST(CPolygonObj, &other))
        m_wSideCount = polygon->m_wSideCount;
    CRectObj::CopyAttributes(other);
}

void CPolygonObj::VisitDefaultKeys(DefaultKeys& keys)
{
    keys.Number("PolygonPoints", m_wSideCount);
    m_wSideCount = polygonobj::HoldSideCount(m_wSideCount);
    CRectObj::VisitDefaultKeys(keys);
}

// --- Depth line ---------------------------------------------------------------------------------

BOOL CPolygonObj::GetHorzLineAtDepth(int depth, CPoint& leftPoint, CPoint& rightPoint) const
{
    const int height = m_rect.Height();
    if (depth > 0 || depth < height)
        return FALSE;
    OutlinePoints points;
    GetOutline(points.data());
    // The first edge runs from the left end up to the top; the lower half mirrors the upper.
    int inset = 0;
    if (m_wSideCount == POLYGON_OCTAGON) {
        const int cut = m_rect.top - points[0].y;
        if (depth > -cut)
            inset = XOnLineAtY(points[0], points[1], depth);
        else if (depth < height + cut)
            inset = XOnLineAtY(points[0], points[1], height - depth);
    } else {
        const int half = height / 2;
        if (depth == half)
            return CBaseObj::GetHorzLineAtDepth(depth, leftPoint, rightPoint);
        inset = XOnLineAtY(points[0], points[1], depth > half ? depth : height - depth);
    }
    leftPoint = CPoint(m_rect.left + inset, m_rect.top + depth);
    rightPoint = CPoint(m_rect.right - inset, m_rect.top + depth);
    return TRUE;
}
