#include "objects/BaseObj.h"

#include "foundation/Geometry.h"
#include "foundation/RegItemObj.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "objects/DefaultKeys.h"
#include "objects/ObjectSupport.h"
#include "objects/ObjectServices.h"
#include "platform/afx/Archive.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Rgn.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

IMPLEMENT_SERIAL(CBaseObj, CObject, 1)

namespace baseobj {

constexpr int kRecordShadowFrom = 5;
constexpr int kRecordLinkFrom = 11;
constexpr COLORREF kDefaultShadowColor = 0x828282;
constexpr int kMaxShadowDepth = 20;

} // namespace baseobj

CRect GetNormalizedRect(const RECT& rect)
{
    return CRect(std::min(rect.left, rect.right), std::max(rect.top, rect.bottom), std::max(rect.left, rect.right),
                 std::min(rect.top, rect.bottom));
}

int AbsInt(int value)
{
    // INT_MIN has no positive counterpart; the nearest value stands in for it.
    return value == INT_MIN ? INT_MAX : value < 0 ? -value : value;
}

void ApplyResizeHandleOffset(CRect& rect, SIZE offset, DWORD hitCode)
{
    if (!(hitCode & HIT_HANDLE))
        return;
    switch (hitCode & 0xF0) {
    case HIT_SIDE_TOP: rect.top += offset.cy; break;
    case HIT_SIDE_BOTTOM: rect.bottom += offset.cy; break;
    case HIT_SIDE_RIGHT: rect.right += offset.cx; break;
    case HIT_SIDE_LEFT: rect.left += offset.cx; break;
    case HIT_SIDE_TOP | HIT_SIDE_RIGHT: rect.top += offset.cy, rect.right += offset.cx; break;
    case HIT_SIDE_BOTTOM | HIT_SIDE_RIGHT: rect.bottom += offset.cy, rect.right += offset.cx; break;
    case HIT_SIDE_TOP | HIT_SIDE_LEFT: rect.top += offset.cy, rect.left += offset.cx; break;
    case HIT_SIDE_BOTTOM | HIT_SIDE_LEFT: rect.bottom += offset.cy, rect.left += offset.cx; break;
    default: break;
    }
}

// --- Construction and record ------------------------------------------------------------------

CBaseObj::CBaseObj() : CBaseObj(0, 0, CRect()) {}

CBaseObj::CBaseObj(WORD kind) : CBaseObj(kind, 0, CRect()) {}

CBaseObj::CBaseObj(WORD kind, WORD objectId) : CBaseObj(kind, objectId, CRect()) {}

CBaseObj::CBaseObj(WORD kind, WORD objectId, const CRect& rect)
    : m_wVersion(OBJECT_RECORD_VERSION),
      m_wKind(kind),
      m_wObjectId(objectId),
      m_rect(rect),
      m_nPenStyle(PS_SOLID),
      m_crPen(0),
      m_nPenWidth(1),
      m_bFill(FALSE),
      m_crFill(0xFFFFFF),
      m_bHideDefine(TRUE),
      m_bCanDelete(TRUE),
      m_wShadowDepth(0),
      m_crShadow(baseobj::kDefaultShadowColor),
      m_wLinkObjectId(0)
{
}

CBaseObj::CBaseObj(const CBaseObj& other) = default;

void CBaseObj::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_wVersion = OBJECT_RECORD_VERSION;
        ar << m_wVersion << m_wKind << m_wObjectId;
        ar << LONG(m_rect.left) << LONG(m_rect.top) << LONG(m_rect.right) << LONG(m_rect.bottom);
        ar << WORD(m_nPenStyle) << DWORD(m_crPen) << WORD(m_nPenWidth) << WORD(m_bFill) << DWORD(m_crFill);
        ar << WORD(m_bHideDefine) << WORD(m_bCanDelete);
        ar << m_wShadowDepth << DWORD(m_crShadow) << m_wLinkObjectId;
        return;
    }
    WORD penStyle, penWidth, fill, hideDefine, canDelete;
    DWORD penColor, fillColor;
    LONG left, top, right, bottom;
    ar >> m_wVersion >> m_wKind >> m_wObjectId;
    ar >> left >> top >> right >> bottom;
    ar >> penStyle >> penColor >> penWidth >> fill >> fillColor >> hideDefine >> canDelete;
    // A damaged record may hold any 32-bit value; see OBJECT_COORDINATE_LIMIT.
    m_rect.SetRect(HoldObjectCoordinate(left), HoldObjectCoordinate(top), HoldObjectCoordinate(right),
                   HoldObjectCoordinate(bottom));
    m_nPenStyle = penStyle;
    m_crPen = penColor;
    m_nPenWidth = penWidth;
    m_bFill = fill;
    m_crFill = fillColor;
    m_bHideDefine = hideDefine;
    m_bCanDelete = canDelete;
    m_wShadowDepth = 0;
    m_crShadow = baseobj::kDefaultShadowColor;
    m_wLinkObjectId = 0;
    if (m_wVersion >= baseobj::kRecordShadowFrom) {
        DWORD shadowColor;
        ar >> m_wShadowDepth >> shadowColor;
        m_crShadow = shadowColor;
    }
    if (m_wVersion >= baseobj::kRecordLinkFrom)
        ar >> m_wLinkObjectId;
}

// --- Names --------------------------------------------------------------------------------------

CString& CBaseObj::GetDisplayName(CString& name) const
{
    return GetTypeName(name);
}

CString& CBaseObj::GetTypeName(CString& name) const
{
    name = CString(u8"基本図形ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& CBaseObj::GetProfileSection(CString& section) const
{
    section = "BaseObj Properties";
    return section;
}

// --- Drawing ------------------------------------------------------------------------------------

void CBaseObj::Draw(CDC*, int, BOOL, BOOL, const LOGFONT*, DWORD, CBaseDoc*) {}

void CBaseObj::DrawMoveTracker(CDC*, int, SIZE, DWORD, BOOL) {}

void CBaseObj::DrawResizeTracker(CDC*, int, SIZE, DWORD, BOOL) {}

void CBaseObj::DrawHandleDragTracker(CDC*, int, SIZE, DWORD, DWORD, BOOL) {}

void CBaseObj::DrawHandles(CDC* pDC, int zoom, BOOL printMode)
{
    CRect rect;
    GetVisibleRect(rect, printMode);
    ScaleRectByZoom(rect, zoom);
    DrawRectHandles(pDC, rect);
}

// --- Hit tests and rectangles -------------------------------------------------------------------

BOOL CBaseObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const
{
    CRect rect;
    GetVisibleRect(rect, printMode);
    if (!m_bFill && outlineOnly)
        return HitTestRectEdge(rect, point, tolerance) != 0;
    return PointInRectWithTolerance(rect, point, tolerance);
}

BOOL CBaseObj::HitTestHandles(int zoom, POINT point, UINT, int, DWORD& hitCode, DWORD& partWord, CPoint& handlePoint,
                              BOOL printMode) const
{
    CRect r;
    GetVisibleRect(r, printMode);
    ScaleRectByZoom(r, zoom);
    return HitTestRectHandles(r, point, hitCode, partWord, handlePoint);
}

BOOL CBaseObj::HitTestRectHandles(const CRect& r, POINT point, DWORD& hitCode, DWORD& partWord, CPoint& handlePoint)
{
    hitCode = 0;
    partWord = 0;
    for (const RectHandle& handle : GetRectHandles(r)) {
        if (PointNearPoint(handle.centre, point, HANDLE_HALF_SIZE)) {
            hitCode |= handle.code;
            handlePoint = handle.centre;
            return TRUE;
        }
    }
    if (!PointInRectWithTolerance(r, point, HANDLE_HALF_SIZE))
        return FALSE;
    hitCode |= HIT_BODY;
    return TRUE;
}

void CBaseObj::GetVisibleRect(CRect& rect, BOOL) const
{
    rect = m_rect;
}

void CBaseObj::GetPartRect(CRect& rect, BOOL, DWORD) const
{
    rect.SetRectEmpty();
}

void CBaseObj::GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const
{
    GetVisibleRect(rect, printMode);
    GrowByRedrawMargins(rect, zoom, HasShadow(printMode));
}

void CBaseObj::FillShadowFigure(CDC* pDC, int zoom, const std::function<void(CDC*, POINT)>& figure) const
{
    CSize offset;
    GetShadowOffset(offset);
    CPoint shift(offset);
    ScalePointByZoom(shift, zoom);
    CPen* oldPen = pDC->GetCurrentPen();
    CBrush* oldBrush = pDC->GetCurrentBrush();
    CBrush shadowBrush(m_crShadow);
    pDC->SelectStockObject(NULL_PEN);
    pDC->SelectObject(&shadowBrush);
    figure(pDC, shift);
    pDC->SelectObject(oldBrush);
    pDC->SelectObject(oldPen);
}

void CBaseObj::GrowByRedrawMargins(CRect& rect, int zoom, BOOL withShadow) const
{
    int margin = 2 * HANDLE_HALF_SIZE;
    UnscaleValueByZoom(margin, zoom);
    GrowRedrawRect(rect, CSize(margin, -margin));
    if (withShadow) {
        CSize shadow;
        GetMaxShadowOffset(shadow);
        GrowRedrawRect(rect, shadow);
    }
}

void CBaseObj::GetFullRedrawRect(CRect& rect, int zoom, BOOL printMode) const
{
    GetRedrawRect(rect, zoom, printMode);
}

BOOL CBaseObj::IsInsideRect(const CRect& rect, BOOL printMode) const
{
    CRect visible;
    GetVisibleRect(visible, printMode);
    return RectInRectWithTolerance(visible, rect, 0);
}

void CBaseObj::GetWholeVisibleRect(CRect& rect, BOOL printMode) const
{
    if (IsHiddenIn(printMode))
        rect.SetRectEmpty();
    else
        rect = m_rect;
}

void CBaseObj::GetWholeRedrawRect(CRect& rect, int zoom, BOOL printMode) const
{
    if (IsHiddenIn(printMode))
        rect.SetRectEmpty();
    else
        CBaseObj::GetRedrawRect(rect, zoom, printMode);
}

BOOL CBaseObj::IsWholeInsideRect(const CRect& rect, BOOL printMode) const
{
    return !IsHiddenIn(printMode) && CBaseObj::IsInsideRect(rect, printMode);
}

// --- Moving and resizing ------------------------------------------------------------------------

void CBaseObj::MoveBy(SIZE offset, DWORD flags)
{
    if (flags >= 0x10000000) {
        MoveParts(offset, flags);
        return;
    }
    MoveParts(offset, flags | HIT_PARTS);
    NormalizeRect(m_rect + offset);
}

void CBaseObj::MoveParts(SIZE, DWORD) {}

void CBaseObj::MoveAll(SIZE offset)
{
    MoveBy(offset, HIT_BODY);
}

void CBaseObj::MoveAllParts(SIZE offset)
{
    MoveParts(offset, HIT_PARTS);
}

void CBaseObj::ResizeByHandle(SIZE offset, DWORD hitCode)
{
    if (!(hitCode & HIT_HANDLE))
        return;
    CRect rect = m_rect;
    ApplyResizeHandleOffset(rect, offset, hitCode);
    NormalizeRect(rect);
}

void CBaseObj::GetMinimumSize(CSize& size) const
{
    size = CSize(0, 0);
}

void CBaseObj::MapToRect(const CRect& oldFrame, const CRect& newFrame)
{
    CPoint topLeft = m_rect.TopLeft();
    CPoint bottomRight = m_rect.BottomRight();
    MapPointBetweenRects(topLeft, oldFrame, newFrame);
    MapPointBetweenRects(bottomRight, oldFrame, newFrame);
    m_rect = CRect(topLeft, bottomRight);
}

void CBaseObj::ApplyHandleDrag(SIZE, DWORD, DWORD) {}

// --- Lifetime and attribute copies --------------------------------------------------------------

void CBaseObj::DestroyObject()
{
    delete this;
}

void CBaseObj::CopySizeFrom(const CBaseObj& other)
{
    SetSizeFromTopLeft(other.GetSize());
}

void CBaseObj::CopyAttributes(const CBaseObj& other)
{
    m_nPenStyle = other.m_nPenStyle;
    m_crPen = other.m_crPen;
    m_nPenWidth = other.m_nPenWidth;
    m_bFill = other.m_bFill;
    m_crFill = other.m_crFill;
    m_bHideDefine = other.m_bHideDefine;
    m_bCanDelete = other.m_bCanDelete;
    m_wShadowDepth = other.m_wShadowDepth;
    m_crShadow = other.m_crShadow;
}

void CBaseObj::VisitDefaultKeys(DefaultKeys& keys)
{
    keys.Number("PenStyle", m_nPenStyle);
    keys.Number("PenColor", m_crPen);
    keys.Number("PenWidth", m_nPenWidth);
    keys.Number("Fill", m_bFill);
    keys.Number("FillColor", m_crFill);
    keys.Number("HideDefine", m_bHideDefine);
    keys.Number("CanDelete", m_bCanDelete);
    keys.Number("ObjShadow", m_wShadowDepth);
    keys.Number("ObjShadowColor", m_crShadow);
}

void CBaseObj::PrepareDefaultsCarrier(CRegItemObj& carrier) const
{
    if (carrier.GetSection().IsEmpty()) {
        CString section;
        carrier.SetSection(GetProfileSection(section));
    }
}

void CBaseObj::LoadDefaultAttributes(CRegItemObj& carrier)
{
    PrepareDefaultsCarrier(carrier);
    DefaultKeys keys(carrier, DefaultKeys::Direction::Load);
    VisitDefaultKeys(keys);
    CSize size = GetSize();
    keys.Number("SizeObjDefCx", size.cx);
    keys.Number("SizeObjDefCy", size.cy);
    SetSizeFromTopLeft(size);
}

void CBaseObj::SaveDefaultAttributes(CRegItemObj& carrier)
{
    PrepareDefaultsCarrier(carrier);
    DefaultKeys keys(carrier, DefaultKeys::Direction::Save);
    VisitDefaultKeys(keys);
}

BOOL CBaseObj::ClearNumber(DWORD)
{
    return FALSE;
}

// --- Attribute setters --------------------------------------------------------------------------

int CBaseObj::SetPenStyle(int style)
{
    return m_nPenStyle = style;
}

COLORREF CBaseObj::SetPenColor(COLORREF color)
{
    return m_crPen = color;
}

int CBaseObj::SetPenWidth(int width)
{
    return m_nPenWidth = width;
}

BOOL CBaseObj::SetFill(BOOL fill)
{
    return m_bFill = fill;
}

BOOL CBaseObj::ToggleFill()
{
    return m_bFill = !m_bFill;
}

COLORREF CBaseObj::SetFillColor(COLORREF color)
{
    return m_crFill = color;
}

BOOL CBaseObj::SetHideDefine(BOOL hide)
{
    return m_bHideDefine = hide;
}

BOOL CBaseObj::ToggleHideDefine()
{
    return m_bHideDefine = !m_bHideDefine;
}

BOOL CBaseObj::SetCanDelete(BOOL canDelete)
{
    return m_bCanDelete = canDelete;
}

BOOL CBaseObj::ToggleCanDelete()
{
    return m_bCanDelete = !m_bCanDelete;
}

WORD CBaseObj::SetShadowDepth(WORD depth)
{
    return m_wShadowDepth = depth;
}

COLORREF CBaseObj::SetShadowColor(COLORREF color)
{
    return m_crShadow = color;
}

void CBaseObj::SetLinkObjectId(WORD objectId)
{
    m_wLinkObjectId = objectId;
}

// --- Shadow, number and sizes -------------------------------------------------------------------

void CBaseObj::GetShadowOffset(CSize& offset) const
{
    offset = CSize(m_wShadowDepth, -int(m_wShadowDepth));
}

void CBaseObj::GetMaxShadowOffset(CSize& offset) const
{
    offset = CSize(baseobj::kMaxShadowDepth, -baseobj::kMaxShadowDepth);
}

BOOL CBaseObj::HasShadow(BOOL printMode) const
{
    return printMode && m_bFill && m_wShadowDepth > 0;
}

void CBaseObj::GetNumber(CString& number) const
{
    number.Empty();
}

BOOL CBaseObj::ResetToStandardSize()
{
    CSize size;
    GetStandardSize(size);
    return ResetSizeTo(size);
}

void CBaseObj::GetStandardSize(CSize& size) const
{
    size = CSize(240, -160);
}

BOOL CBaseObj::ResetToDefaultSize()
{
    CSize size;
    GetDefaultSize(size);
    return ResetSizeTo(size);
}

BOOL CBaseObj::ResetSizeTo(SIZE size)
{
    if (CSize(size) == GetSize())
        return FALSE;
    SetSizeFromTopLeft(size);
    return TRUE;
}

void CBaseObj::GetDefaultSize(CSize& size) const
{
    ObjectServices* services = GetObjectServices();
    const CBaseObj* prototype = services ? DYNAMIC_DOWNCAST(CBaseObj, services->FindDefaultPrototype(this)) : nullptr;
    size = (prototype ? prototype : this)->GetSize();
}

// --- In-place text editing ----------------------------------------------------------------------

BOOL CBaseObj::CanEditText(CBaseDoc*, DWORD, DWORD) const
{
    return TRUE;
}

UINT CBaseObj::GetEditCommand(CBaseDoc*, DWORD, DWORD) const
{
    return 0;
}

BOOL CBaseObj::BeginEdit(CDC*, int, CFloatEdit*&, CWnd*, UINT, DWORD, const LOGFONT*, DWORD)
{
    return FALSE;
}

BOOL CBaseObj::EndEdit(CFloatEdit*&, DWORD)
{
    return FALSE;
}

// --- Spreadsheet export -------------------------------------------------------------------------

BOOL CBaseObj::IsExportKind(DWORD) const
{
    return FALSE;
}

BOOL CBaseObj::HasText() const
{
    return FALSE;
}

BOOL CBaseObj::ExportExcelRow(CExcelDispatch*, long&, long&, DWORD, CObject*)
{
    return FALSE;
}

BOOL CBaseObj::HasInterfaceData() const
{
    return FALSE;
}

BOOL CBaseObj::ExportInterfaceRows(CExcelDispatch*, CExcelDispatch*, long&, long&, DWORD, CObject*)
{
    return FALSE;
}

// --- Connection points and line geometry --------------------------------------------------------

DWORD CBaseObj::GetQuadrantSide(POINT point) const
{
    const CRect& r = m_rect;
    if (r.left == r.right) {
        // The limit of the diagonals as the width shrinks to nothing: they turn vertical, so the
        // side is chosen by x, and a point on the line itself by where its y lies.
        if (point.x != r.left)
            return point.x > r.left ? SIDE_RIGHT : SIDE_LEFT;
        return point.y < r.bottom ? SIDE_BOTTOM : point.y < r.top ? SIDE_LEFT : SIDE_TOP;
    }
    const float slope = float(std::int64_t(r.top) - r.bottom) / float(std::int64_t(r.left) - r.right);
    const float dx = float(std::int64_t(point.x) - r.left);
    // Truncated toward zero as the integer y of each diagonal at the point's x.
    const double firstY = std::trunc(double(slope * dx + float(r.top)));
    const double secondY = std::trunc(double(-slope * dx + float(r.bottom)));
    const bool belowFirst = point.y < firstY;
    const bool belowSecond = point.y < secondY;
    if (belowFirst && belowSecond)
        return SIDE_BOTTOM;
    if (belowSecond)
        return SIDE_RIGHT;
    if (belowFirst)
        return SIDE_LEFT;
    return SIDE_TOP;
}

CPoint& CBaseObj::GetConnectionPoint(CPoint& out, POINT point) const
{
    switch (GetQuadrantSide(point)) {
    case SIDE_TOP: GetTopCenter(out); break;
    case SIDE_BOTTOM: GetBottomCenter(out); break;
    case SIDE_LEFT: GetLeftCenter(out); break;
    default: GetRightCenter(out); break;
    }
    return out;
}

CPoint& CBaseObj::GetFacingSidePoint(CPoint& out, POINT point) const
{
    out = point;
    switch (GetQuadrantSide(point)) {
    case SIDE_TOP: out.y = m_rect.top; break;
    case SIDE_BOTTOM: out.y = m_rect.bottom; break;
    case SIDE_LEFT: out.x = m_rect.left; break;
    default: out.x = m_rect.right; break;
    }
    return out;
}

BOOL CBaseObj::FindObjectText(const CString&, BOOL) const
{
    return FALSE;
}

BOOL CBaseObj::ReplaceObjectText(const CString&, const CString&, BOOL)
{
    return FALSE;
}

BOOL CBaseObj::GetHorzLineAtDepth(int depth, CPoint& leftPoint, CPoint& rightPoint) const
{
    if (depth > 0 || depth < m_rect.Height())
        return FALSE;
    leftPoint = CPoint(m_rect.left, m_rect.top + depth);
    rightPoint = CPoint(m_rect.right, m_rect.top + depth);
    return TRUE;
}

void CBaseObj::GetConnectSideSpan(DWORD sideFlags, POINT, CRect& span) const
{
    span.SetRectEmpty();
    if (sideFlags & (SIDE_TOP | SIDE_BOTTOM)) {
        span.left = m_rect.left;
        span.right = m_rect.right;
    } else if (sideFlags & (SIDE_LEFT | SIDE_RIGHT)) {
        span.top = m_rect.top;
        span.bottom = m_rect.bottom;
    }
}

void CBaseObj::GetRelArrowStartPoint(CPoint& out, POINT from, POINT to, int arrowKind, BOOL flag) const
{
    out = from;
    if ((arrowKind == 1 && !flag) || arrowKind == 4)
        out.y = m_rect.bottom;
    else if (arrowKind == 1)
        out.x = m_rect.right;
    else
        out.x = from.x > to.x ? m_rect.left : m_rect.right;
}

void CBaseObj::GetRelArrowEndPoint(CPoint& out, POINT from, POINT to, int arrowKind, BOOL) const
{
    out = to;
    if (arrowKind == 4)
        out.x = from.x > to.x ? m_rect.right : m_rect.left;
    else if (arrowKind == 3)
        out = m_rect.TopLeft();
    else
        out.y = m_rect.top;
}

void CBaseObj::GetTopCenter(CPoint& out) const
{
    out = CPoint(m_rect.left + m_rect.Width() / 2, m_rect.top);
}

void CBaseObj::GetBottomCenter(CPoint& out) const
{
    out = CPoint(m_rect.left + m_rect.Width() / 2, m_rect.bottom);
}

void CBaseObj::GetRightCenter(CPoint& out) const
{
    out = CPoint(m_rect.right, m_rect.top + m_rect.Height() / 2);
}

void CBaseObj::GetLeftCenter(CPoint& out) const
{
    out = CPoint(m_rect.left, m_rect.top + m_rect.Height() / 2);
}

void CBaseObj::GetSideCenterToward(CPoint& out, POINT first, POINT second) const
{
    if (first.x > second.x)
        GetLeftCenter(out);
    else
        GetRightCenter(out);
}

void CBaseObj::GetSideCenterAway(CPoint& out, POINT first, POINT second) const
{
    if (first.x > second.x)
        GetRightCenter(out);
    else
        GetLeftCenter(out);
}

void CBaseObj::GetStartConnectionPoint(CPoint& out, POINT first, POINT second, DWORD sideFlags) const
{
    if (sideFlags & SIDE_TOP)
        GetTopCenter(out);
    else if (sideFlags & SIDE_BOTTOM)
        GetBottomCenter(out);
    else if (sideFlags & (SIDE_LEFT | SIDE_RIGHT))
        GetSideCenterToward(out, first, second);
}

void CBaseObj::GetEndConnectionPoint(CPoint& out, POINT first, POINT second, DWORD sideFlags) const
{
    if (sideFlags & SIDE_TOP)
        GetTopCenter(out);
    else if (sideFlags & SIDE_BOTTOM)
        GetBottomCenter(out);
    else if (sideFlags & (SIDE_LEFT | SIDE_RIGHT))
        GetSideCenterAway(out, first, second);
}

BOOL CBaseObj::IsInRegion(const CRgn& region) const
{
    const CRect& r = m_rect;
    return region.PtInRegion(r.left, r.top) && region.PtInRegion(r.right, r.top) &&
           region.PtInRegion(r.left, r.bottom) && region.PtInRegion(r.right, r.bottom);
}

// --- Plain members ------------------------------------------------------------------------------

void CBaseObj::NormalizeRect(const RECT& rect)
{
    m_rect = GetNormalizedRect(rect);
}

void CBaseObj::SetSizeFromTopLeft(SIZE size)
{
    // Sizes come from the profile too, so the far corner is computed wide and held in range.
    NormalizeRect(CRect(m_rect.left, m_rect.top, HoldObjectCoordinate(std::int64_t(m_rect.left) + size.cx),
                        HoldObjectCoordinate(std::int64_t(m_rect.top) + size.cy)));
}

DWORD CBaseObj::HitTestSides(POINT point, int tolerance) const
{
    const CRect& r = m_rect;
    if (!PointInRectWithTolerance(r, point, tolerance))
        return 0;
    DWORD sides = 0;
    if (PointNearSegment({r.left, r.top}, {r.right, r.top}, point, tolerance))
        sides |= SIDE_TOP;
    if (PointNearSegment({r.left, r.bottom}, {r.right, r.bottom}, point, tolerance))
        sides |= SIDE_BOTTOM;
    if (PointNearSegment({r.left, r.top}, {r.left, r.bottom}, point, tolerance))
        sides |= SIDE_LEFT;
    if (PointNearSegment({r.right, r.top}, {r.right, r.bottom}, point, tolerance))
        sides |= SIDE_RIGHT;
    return sides;
}

void CBaseObj::GetArrowEndRange(int arrowKind, BOOL firstFlag, POINT point, CRect& range, BOOL secondFlag) const
{
    bool vertical;
    switch (arrowKind) {
    case 1: vertical = firstFlag && secondFlag; break;
    case 2: vertical = firstFlag; break;
    case 3: vertical = true; break;
    case 4: vertical = !firstFlag; break;
    default: GetConnectSideSpan(HitTestSides(point, 5), point, range); return;
    }
    range.SetRectEmpty();
    if (vertical) {
        range.top = m_rect.top;
        range.bottom = m_rect.bottom;
    } else {
        range.left = m_rect.left;
        range.right = m_rect.right;
    }
}
