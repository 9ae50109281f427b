#include "objects/RectObj.h"

#include "foundation/CommandIds.h"
#include "foundation/Geometry.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "objects/DefaultKeys.h"
#include "objects/ObjectSupport.h"
#include "platform/afx/Archive.h"
#include "platform/gdi/DC.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

IMPLEMENT_SERIAL(CRectObj, CShapeObj, 1)

namespace rectobj {

constexpr int kRecordRoundRateFrom = 5;
constexpr COLORREF kRoundHandleFrame = 0x00FFFF;

// The corner ratio read from a file or the profile, held to what the rounding handle can set:
// 0 (square corners) to 1 (the corner as large as the shorter side); NaN gives 0.
float HoldRoundRate(float rate)
{
    return rate > 0 ? std::min(rate, 1.0f) : 0.0f;
}

bool IsRoundHandleCode(DWORD hitCode)
{
    return (hitCode & HIT_SHAPE_HANDLE) && (hitCode & HIT_ROUND_HANDLE);
}

} // namespace rectobj

int CalcRoundCornerSize(const RECT& rect, double rate)
{
    const int shorter = std::min(rect.right - rect.left, AbsInt(rect.bottom - rect.top));
    return TruncToInt(shorter * rate);
}

// --- Construction and record ------------------------------------------------------------------

CRectObj::CRectObj() : CRectObj(OBJKIND_RECT, 0, CRect()) {}

CRectObj::CRectObj(WORD objectId, const CRect& rect) : CRectObj(OBJKIND_RECT, objectId, rect) {}

CRectObj::CRectObj(WORD objectId, const CRect& rect, BOOL rounded) : CRectObj(OBJKIND_RECT, objectId, rect)
{
    m_bRounded = rounded;
}

CRectObj::CRectObj(WORD kind, WORD objectId, const CRect& rect)
    : CShapeObj(kind, objectId, rect), m_bRounded(FALSE), m_fRoundRate(DEFAULT_ROUND_RATE)
{
}

CRectObj::CRectObj(const CRectObj& other) = default;

void CRectObj::Serialize(CArchive& ar)
{
    CBaseObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << WORD(m_bRounded) << m_fRoundRate;
        return;
    }
    WORD rounded;
    ar >> rounded;
    m_bRounded = rounded;
    m_fRoundRate = DEFAULT_ROUND_RATE;
    if (m_wVersion >= rectobj::kRecordRoundRateFrom) {
        ar >> m_fRoundRate;
        m_fRoundRate = rectobj::HoldRoundRate(m_fRoundRate);
    }
}

CString& CRectObj::GetTypeName(CString& name) const
{
    name = m_bRounded ? CString(u8"面取り長方形ｵﾌﾞｼﾞｪｸﾄ") : CString(u8"長方形ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& CRectObj::GetProfileSection(CString& section) const
{
    section = m_bRounded ? "RoundRectObj Properties" : "RectObj Properties";
    return section;
}

// --- Drawing ------------------------------------------------------------------------------------

void CRectObj::DrawOutline(CDC* pDC, const CRect& rect, int corner) const
{
    if (m_bRounded)
        pDC->RoundRect(rect, CPoint(corner, -corner));
    else
        pDC->Rectangle(rect);
}

void CRectObj::Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT*, DWORD, CBaseDoc*)
{
    if (IsHiddenIn(printMode))
        return;
    const CRect rect = GetScaledRect(zoom, printMode);
    int corner = 0;
    if (m_bRounded) {
        corner = GetRoundCornerSize();
        ScaleValueByZoom(corner, zoom);
    }
    DrawShapeSequence(pDC, zoom, printMode,
                      [&](CDC* dc, POINT shift, ShapePass) { DrawOutline(dc, rect + CPoint(shift), corner); });
    if (withHandles)
        DrawHandles(pDC, zoom, printMode);
}

void CRectObj::DrawTrackerOutline(CDC* pDC, const CRect& rect, int corner) const
{
    if (m_bRounded)
        DrawTrackerRoundRect(pDC, rect, CSize(corner, -corner));
    else
        DrawTrackerRect(pDC, rect);
}

void CRectObj::DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    CRect rect;
    GetVisibleRect(rect, printMode);
    ScaleRectByZoom(rect, zoom);
    int corner = GetRoundCornerSize();
    ScaleValueByZoom(corner, zoom);
    DrawTrackerOutline(pDC, rect + offset, corner);
}

void CRectObj::DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode)
{
    if (IsHiddenIn(printMode) || !(hitCode & HIT_HANDLE))
        return;
    CRect rect;
    GetVisibleRect(rect, printMode);
    ScaleRectByZoom(rect, zoom);
    ApplyResizeHandleOffset(rect, offset, hitCode);
    rect = GetNormalizedRect(rect);
    DrawTrackerOutline(pDC, rect, CalcRoundCornerSize(rect, m_fRoundRate));
}

int CRectObj::DraggedCornerSize(int corner, int width, int height, SIZE offset)
{
    const bool taller = AbsInt(height) > width;
    std::int64_t size = taller ? std::int64_t(corner) + 2 * std::int64_t(offset.cx)
                               : std::int64_t(corner) - 2 * std::int64_t(offset.cy);
    if (size < 1)
        size = 0;
    return int(std::min<std::int64_t>(size, taller ? width : AbsInt(height)));
}

void CRectObj::DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD, BOOL)
{
    if (!rectobj::IsRoundHandleCode(hitCode))
        return;
    CRect rect;
    GetVisibleRect(rect, TRUE);
    ScaleRectByZoom(rect, zoom);
    if (rect.Width() == 0 || rect.Height() == 0)
        return;
    int corner = GetRoundCornerSize();
    ScaleValueByZoom(corner, zoom);
    const int size = DraggedCornerSize(corner, rect.Width(), rect.Height(), offset);
    DrawTrackerRoundRect(pDC, rect, CSize(size, -size));
}

void CRectObj::DrawHandles(CDC* pDC, int zoom, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    CPoint handle;
    if (m_bRounded && printMode && GetRoundHandlePos(handle)) {
        ScalePointByZoom(handle, zoom);
        DrawPatternHandle(pDC, handle, IDB_PATTERN_HANDLE, rectobj::kRoundHandleFrame);
    }
    CBaseObj::DrawHandles(pDC, zoom, printMode);
}

// --- Hit tests and rectangles -------------------------------------------------------------------

BOOL CRectObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const
{
    return !IsHiddenIn(printMode) && CBaseObj::HitTest(point, tolerance, printMode, outlineOnly);
}

BOOL CRectObj::HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                              CPoint& handlePoint, BOOL printMode) const
{
    if (IsHiddenIn(printMode))
        return FALSE;
    if (m_bRounded) {
        hitCode = 0;
        partWord = 0;
        CPoint handle;
        if (GetRoundHandlePos(handle)) {
            ScalePointByZoom(handle, zoom);
            if (PointNearPoint(handle, point, HANDLE_HALF_SIZE)) {
                hitCode |= HIT_SHAPE_HANDLE | HIT_ROUND_HANDLE;
                handlePoint = handle;
                return TRUE;
            }
        }
    }
    return CBaseObj::HitTestHandles(zoom, point, keyFlags, tolerance, hitCode, partWord, handlePoint, printMode);
}

// --- Rounding handle ----------------------------------------------------------------------------

int CRectObj::GetRoundCornerSize() const
{
    CRect rect;
    GetVisibleRect(rect, TRUE);
    return CalcRoundCornerSize(rect, m_fRoundRate);
}

BOOL CRectObj::GetRoundHandlePos(CPoint& point) const
{
    CRect rect;
    GetVisibleRect(rect, TRUE);
    const int width = rect.Width();
    const int height = rect.Height();
    if (width == 0 || height == 0)
        return FALSE;
    // Half a corner from the top-left corner, along the shorter side's direction.
    if (AbsInt(height) > width)
        point = CPoint(rect.left - TruncToInt(double(m_fRoundRate) * width * -0.5), rect.top);
    else
        point = CPoint(rect.left, rect.top - TruncToInt(double(m_fRoundRate) * height * -0.5));
    return TRUE;
}

void CRectObj::ApplyHandleDrag(SIZE offset, DWORD hitCode, DWORD)
{
    if (!rectobj::IsRoundHandleCode(hitCode))
        return;
    CRect rect;
    GetVisibleRect(rect, TRUE);
    const int width = rect.Width();
    const int height = rect.Height();
    if (width == 0 || height == 0)
        return;
    const int size = DraggedCornerSize(GetRoundCornerSize(), width, height, offset);
    const int side = AbsInt(height) > width ? width : AbsInt(height);
    m_fRoundRate = float(double(size) / side);
}

// --- Attributes ---------------------------------------------------------------------------------

void CRectObj::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL)
{
    if (IsHiddenIn(printMode))
        return;
    CMenu menu;
    menu.CreatePopupMenu();
    AppendPenMenus(menu);
    menu.AppendMenu(MF_STRING, ID_RECT_ROUNDED, CString(u8"面取り"));
    AppendFillAndShadowMenus(menu, MF_UNCHECKED);
    AppendDefaultsAndOperations(menu);
    TrackObjectMenu(menu, screenPoint, view);
}

BOOL CRectObj::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode, BOOL severalSelected)
{
    if (cmdUI->m_nID != ID_RECT_ROUNDED)
        return CBaseObj::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
    cmdUI->SetCheck(m_bRounded);
    return TRUE;
}

BOOL CRectObj::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode)
{
    if (commandId != ID_RECT_ROUNDED)
        return CBaseObj::ApplyAttributeCommand(commandId, argument, hitCode);
    m_bRounded = !m_bRounded;
    return TRUE;
}

void CRectObj::CopyAttributes(const CBaseObj& other)
{
    if (const CRectObj* rect = DYNAMIC_DOWNCAST(CRectObj, &other)) {
        m_bRounded = rect->m_bRounded;
        m_fRoundRate = rect->m_fRoundRate;
    }
    CBaseObj::CopyAttributes(other);
}

void CRectObj::VisitDefaultKeys(DefaultKeys& keys)
{
    keys.WordFlag("Round", m_bRounded);
    keys.Decimal("RoundRate", m_fRoundRate, rectobj::HoldRoundRate);
    CBaseObj::VisitDefaultKeys(keys);
}

// --- Connection points and depth line -----------------------------------------------------------

CPoint& CRectObj::GetConnectionPoint(CPoint& out, POINT point) const
{
    return GetFacingSidePoint(out, point);
}

BOOL CRectObj::GetHorzLineAtDepth(int depth, CPoint& leftPoint, CPoint& rightPoint) const
{
    if (!m_bRounded)
        return CBaseObj::GetHorzLineAtDepth(depth, leftPoint, rightPoint);
    const int height = m_rect.Height();
    if (depth > 0 || depth < height)
        return FALSE;
    const int corner = GetRoundCornerSize();
    const int half = corner / 2;
    const CRect cornerEllipse(0, 0, corner, -corner);
    int inset = 0;
    if (depth > -half)
        inset = EllipseInsetAtY(cornerEllipse, depth);
    else if (depth < height + half)
        inset = EllipseInsetAtY(cornerEllipse, height - depth);
    leftPoint = CPoint(m_rect.left + inset, m_rect.top + depth);
    rightPoint = CPoint(m_rect.right - inset, m_rect.top + depth);
    return TRUE;
}
