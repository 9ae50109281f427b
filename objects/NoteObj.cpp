#include "objects/NoteObj.h"

#include "foundation/Geometry.h"
#include "foundation/TextFunctions.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "objects/DefaultKeys.h"
#include "objects/ObjectSupport.h"
#include "objects/OutlineObj.h"
#include "platform/afx/Archive.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Rgn.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

IMPLEMENT_SERIAL(CNoteObj, CStrgObj, 1)

namespace noteobj {

// The tip of the default tail lies this far below the bottom side.
constexpr int kDefaultTipDrop = 40;
// A base point keeps this far from the other one and from the corners of its side.
constexpr int kBaseGap = 20;
// The outline of the tail's handles.
constexpr COLORREF kTailHandleFrame = 0xFFFF;

// Whether the point lies strictly above the line from (x0, y0) to (x1, y1) taken as a function of
// x. Worked out crosswise in whole numbers, so that a rectangle without width decides by the side
// of its vertical line instead of dividing by zero.
bool AboveLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, POINT p)
{
    return (p.y - y0) * (x1 - x0) > (y1 - y0) * (p.x - x0);
}

void ReadPoint(CArchive& ar, CPoint& point)
{
    LONG x, y;
    ar >> x >> y;
    point = CPoint(HoldObjectCoordinate(x), HoldObjectCoordinate(y));
}

// The balloon's pen: wide frames scale with the zoom and draw solid, thin ones keep the style.
void CreateNotePen(CPen& pen, BOOL frame, int style, int width, COLORREF color, int zoom)
{
    if (!frame) {
        pen.CreatePen(PS_NULL, 0, 0);
        return;
    }
    if (width > 1) {
        ScaleValueByZoom(width, zoom);
        if (width > 1) {
            pen.CreatePen(PS_SOLID, width, color);
            return;
        }
        width = 1;
    }
    pen.CreatePen(style, style == PS_SOLID ? width : 0, color);
}

void SlideBase(const RECT& r, DWORD side, bool first, CPoint& base, POINT other, SIZE offset, int m)
{
    switch (side) {
    case NOTE_TAIL_TOP:
        base.x = first ? std::min(std::max(base.x + offset.cx, other.x + m), r.right - m)
                       : std::max(std::min(base.x + offset.cx, other.x - m), r.left + m);
        break;
    case NOTE_TAIL_BOTTOM:
        base.x = first ? std::max(std::min(base.x + offset.cx, other.x - m), r.left + m)
                       : std::min(std::max(base.x + offset.cx, other.x + m), r.right - m);
        break;
    case NOTE_TAIL_RIGHT:
        base.y = first ? std::max(std::min(base.y + offset.cy, other.y - m), r.bottom + m)
                       : std::min(std::max(base.y + offset.cy, other.y + m), r.top - m);
        break;
    case NOTE_TAIL_LEFT:
        base.y = first ? std::min(std::max(base.y + offset.cy, other.y + m), r.top - m)
                       : std::max(std::min(base.y + offset.cy, other.y - m), r.bottom + m);
        break;
    default: break;
    }
}

} // namespace noteobj

// --- Tail geometry ------------------------------------------------------------------------------

BOOL CalcDefaultNoteTail(const RECT& r, NoteTail& tail)
{
    if (r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0)
        return FALSE;
    const int q = (r.right - r.left) / 10;
    tail.tip = CPoint(r.left + q, r.bottom - noteobj::kDefaultTipDrop);
    tail.base1 = CPoint(r.left + 2 * q, r.bottom);
    tail.base2 = CPoint(r.left + 4 * q, r.bottom);
    return TRUE;
}

int CalcNoteTailRegion(const RECT& r, POINT p)
{
    const bool aboveRising = noteobj::AboveLine(r.left, r.bottom, r.right, r.top, p);
    const bool aboveFalling = noteobj::AboveLine(r.left, r.top, r.right, r.bottom, p);
    const int cx = r.left + (r.right - r.left) / 2;
    const int cy = r.top + (r.bottom - r.top) / 2;
    if (aboveRising && aboveFalling)
        return p.x < cx ? 4 : 5;
    if (aboveRising)
        return p.y <= cy ? 2 : 3;
    if (aboveFalling)
        return p.y <= cy ? 7 : 6;
    return p.x >= cx ? 8 : 1;
}

void CalcNoteTailBase(const RECT& r, int region, NoteTail& tail)
{
    const int q = (r.right - r.left) / 10;
    const int p = (r.bottom - r.top) / 10;
    const int l = r.left, t = r.top, rt = r.right, b = r.bottom;
    switch (region) {
    case 1: tail.base1 = CPoint(l + 2 * q, b), tail.base2 = CPoint(l + 4 * q, b); break;
    case 2: tail.base1 = CPoint(l, t + 6 * p), tail.base2 = CPoint(l, t + 8 * p); break;
    case 3: tail.base1 = CPoint(l, t + 2 * p), tail.base2 = CPoint(l, t + 4 * p); break;
    case 4: tail.base1 = CPoint(l + 4 * q, t), tail.base2 = CPoint(l + 2 * q, t); break;
    case 5: tail.base1 = CPoint(l + 8 * q, t), tail.base2 = CPoint(l + 6 * q, t); break;
    case 6: tail.base1 = CPoint(rt, t + 4 * p), tail.base2 = CPoint(rt, t + 2 * p); break;
    case 7: tail.base1 = CPoint(rt, t + 8 * p), tail.base2 = CPoint(rt, t + 6 * p); break;
    case 8: tail.base1 = CPoint(l + 6 * q, b), tail.base2 = CPoint(l + 8 * q, b); break;
    default: break;
    }
}

DWORD CalcNoteTailSide(const RECT& r, POINT base1, POINT base2)
{
    if (base1.y == r.bottom && base2.y == r.bottom)
        return NOTE_TAIL_BOTTOM;
    if (base1.x == r.left && base2.x == r.left)
        return NOTE_TAIL_LEFT;
    if (base1.y == r.top && base2.y == r.top)
        return NOTE_TAIL_TOP;
    if (base1.x == r.right && base2.x == r.right)
        return NOTE_TAIL_RIGHT;
    return 0;
}

NoteOutline BuildNoteOutline(const RECT& r, const NoteTail& tail)
{
    const CPoint lt(r.left, r.top), rt(r.right, r.top), rb(r.right, r.bottom), lb(r.left, r.bottom);
    switch (CalcNoteTailSide(r, tail.base1, tail.base2)) {
    case NOTE_TAIL_TOP: return {tail.tip, tail.base1, rt, rb, lb, lt, tail.base2};
    case NOTE_TAIL_RIGHT: return {tail.tip, tail.base1, rb, lb, lt, rt, tail.base2};
    case NOTE_TAIL_LEFT: return {tail.tip, tail.base1, lt, rt, rb, lb, tail.base2};
    default: return {tail.tip, tail.base1, lb, lt, rt, rb, tail.base2};
    }
}

void DragNoteTailHandle(const RECT& rect, NoteTail& tail, SIZE offset, DWORD hitCode, int minGap)
{
    const DWORD side = CalcNoteTailSide(rect, tail.base1, tail.base2);
    switch (hitCode) {
    case HIT_NOTE_TIP: {
        const int before = CalcNoteTailRegion(rect, tail.tip);
        tail.tip += offset;
        const int after = CalcNoteTailRegion(rect, tail.tip);
        if (after != before)
            CalcNoteTailBase(rect, after, tail);
        break;
    }
    case HIT_NOTE_BASE1: noteobj::SlideBase(rect, side, true, tail.base1, tail.base2, offset, minGap); break;
    case HIT_NOTE_BASE2: noteobj::SlideBase(rect, side, false, tail.base2, tail.base1, offset, minGap); break;
    default: break;
    }
}

void FitNoteTailToRect(const RECT& oldRect, const RECT& newRect, NoteTail& tail)
{
    const int region = CalcNoteTailRegion(newRect, tail.tip);
    if (region != CalcNoteTailRegion(oldRect, tail.tip)) {
        CalcNoteTailBase(newRect, region, tail);
        return;
    }
    MapEdgePointBetweenRects(tail.base1, oldRect, tail.base1, newRect);
    MapEdgePointBetweenRects(tail.base2, oldRect, tail.base2, newRect);
}

// --- Construction and record ------------------------------------------------------------------

CNoteObj::CNoteObj() : CStrgObj(OBJKIND_NOTE, 0, CRect(), CString())
{
    InitNoteDefaults();
}

CNoteObj::CNoteObj(WORD objectId, const CRect& rect) : CStrgObj(OBJKIND_NOTE, objectId, rect, CString())
{
    InitNoteDefaults();
    SetDefaultTail();
}

CNoteObj::CNoteObj(const CNoteObj& other) = default;

void CNoteObj::InitNoteDefaults()
{
    InitTextDefaults();
    m_bFill = FALSE;
    m_bDrawFrame = FALSE;
    m_bFillNote = TRUE;
    m_bDrawFrameNote = TRUE;
    ClearTail();
}

void CNoteObj::SetDefaultTail()
{
    if (!CalcDefaultNoteTail(m_rect, m_tail))
        ClearTail();
}

void CNoteObj::Serialize(CArchive& ar)
{
    CStrgObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << WORD(m_bFillNote) << WORD(m_bDrawFrameNote);
        for (const CPoint& p : {m_tail.tip, m_tail.base1, m_tail.base2})
            ar << LONG(p.x) << LONG(p.y);
        return;
    }
    WORD fill, frame;
    ar >> fill >> frame;
    m_bFillNote = fill;
    m_bDrawFrameNote = frame;
    noteobj::ReadPoint(ar, m_tail.tip);
    noteobj::ReadPoint(ar, m_tail.base1);
    noteobj::ReadPoint(ar, m_tail.base2);
}

CString& CNoteObj::GetTypeName(CString& name) const
{
    name = CString(u8"吹出しｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& CNoteObj::GetProfileSection(CString& section) const
{
    section = "NoteObj Properties";
    return section;
}

void CNoteObj::CopyAttributes(const CBaseObj& other)
{
    if (const CNoteObj* note = DYNAMIC_DOWNCAST(CNoteObj, &other)) {
        m_bFillNote = note->m_bFillNote;
        m_bDrawFrameNote = note->m_bDrawFrameNote;
    }
    CStrgObj::CopyAttributes(other);
}

void CNoteObj::VisitDefaultKeys(DefaultKeys& keys)
{
    keys.Number("FillNote", m_bFillNote);
    keys.Number("DrawFrameNote", m_bDrawFrameNote);
    CStrgObj::VisitDefaultKeys(keys);
}

BOOL CNoteObj::HasBalloonShadow(BOOL printMode) const
{
    return printMode && m_bFillNote && m_wShadowDepth > 0;
}

// --- Drawing and trackers -----------------------------------------------------------------------

CRect CNoteObj::GetScaledRect(int zoom) const
{
    CRect rect = m_rect;
    ScaleRectByZoom(rect, zoom);
    return rect;
}

NoteTail CNoteObj::GetScaledTail(int zoom) const
{
    NoteTail tail = m_tail;
    for (CPoint* p : {&tail.tip, &tail.base1, &tail.base2})
        ScalePointByZoom(*p, zoom);
    return tail;
}

void CNoteObj::Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
                    CBaseDoc* document)
{
    if (IsHiddenIn(printMode))
        return;
    const NoteOutline outline = BuildNoteOutline(GetScaledRect(zoom), GetScaledTail(zoom));
    CPen pen;
    noteobj::CreateNotePen(pen, m_bDrawFrameNote, m_nPenStyle, m_nPenWidth, m_crPen, zoom);
    CPen* oldPen = pDC->GetCurrentPen();
    CBrush* oldBrush = pDC->GetCurrentBrush();
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    if (HasBalloonShadow(printMode)) {
        FillShadowFigure(pDC, zoom, [&](CDC* dc, POINT shift) {
            NoteOutline shadow = outline;
            OffsetPolygonPoints(shadow.data(), NOTE_OUTLINE_POINTS, shift);
            dc->Polygon(shadow.data(), NOTE_OUTLINE_POINTS);
        });
    }
    pDC->SelectObject(&pen);
    if (m_bFillNote) {
        CBrush fillBrush(m_crFill);
        pDC->SelectObject(&fillBrush);
        const int oldFillMode = pDC->SetPolyFillMode(ALTERNATE);
        pDC->Polygon(outline.data(), NOTE_OUTLINE_POINTS);
        pDC->SetPolyFillMode(oldFillMode);
        pDC->SelectObject(oldBrush);
    } else {
        pDC->SelectStockObject(NULL_BRUSH);
        pDC->Polygon(outline.data(), NOTE_OUTLINE_POINTS);
        pDC->SelectObject(oldBrush);
    }
    pDC->SelectObject(oldPen);
    pDC->SetBkMode(oldMode);
    CStrgObj::Draw(pDC, zoom, FALSE, printMode, font, displayOptions, document);
    if (withHandles)
        DrawHandles(pDC, zoom, printMode);
}

void CNoteObj::DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    NoteOutline outline = BuildNoteOutline(GetScaledRect(zoom), GetScaledTail(zoom));
    OffsetPolygonPoints(outline.data(), NOTE_OUTLINE_POINTS, CPoint(offset));
    DrawTrackerPolygon(pDC, outline.data(), NOTE_OUTLINE_POINTS);
}

void CNoteObj::DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode)
{
    if (IsHiddenIn(printMode) || !(hitCode & HIT_HANDLE))
        return;
    const CRect rect = GetScaledRect(zoom);
    CRect resized = rect;
    ApplyResizeHandleOffset(resized, offset, hitCode);
    resized = GetNormalizedRect(resized);
    NoteTail tail = GetScaledTail(zoom);
    FitNoteTailToRect(rect, resized, tail);
    const NoteOutline outline = BuildNoteOutline(resized, tail);
    DrawTrackerPolygon(pDC, outline.data(), NOTE_OUTLINE_POINTS);
}

void CNoteObj::DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD, BOOL printMode)
{
    if (IsHiddenIn(printMode) || !(hitCode & HIT_SHAPE_HANDLE))
        return;
    const CRect rect = GetScaledRect(zoom);
    NoteTail tail = GetScaledTail(zoom);
    int gap = noteobj::kBaseGap;
    ScaleValueByZoom(gap, zoom);
    DragNoteTailHandle(rect, tail, offset, hitCode, gap);
    const NoteOutline outline = BuildNoteOutline(rect, tail);
    DrawTrackerPolygon(pDC, outline.data(), NOTE_OUTLINE_POINTS);
}

void CNoteObj::DrawHandles(CDC* pDC, int zoom, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    DrawRectHandles(pDC, GetScaledRect(zoom));
    const NoteTail tail = GetScaledTail(zoom);
    for (const CPoint& p : {tail.tip, tail.base1, tail.base2})
        DrawPatternHandle(pDC, p, IDB_PATTERN_HANDLE, noteobj::kTailHandleFrame);
}

// --- Hit tests and rectangles -------------------------------------------------------------------

BOOL CNoteObj::HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const
{
    if (IsHiddenIn(printMode))
        return FALSE;
    const NoteOutline outline = GetOutline();
    if (PointInPolygonShape(outline.data(), NOTE_OUTLINE_POINTS, point, tolerance, TRUE))
        return TRUE;
    if (!m_bFillNote && outlineOnly)
        return FALSE;
    CRgn region;
    return region.CreatePolygonRgn(outline.data(), NOTE_OUTLINE_POINTS, ALTERNATE) && region.PtInRegion(point);
}

BOOL CNoteObj::HitTestHandles(int zoom, POINT point, UINT, int, DWORD& hitCode, DWORD& partWord, CPoint& handlePoint,
                              BOOL printMode) const
{
    hitCode = 0;
    partWord = 0;
    if (IsHiddenIn(printMode))
        return FALSE;
    const NoteTail tail = GetScaledTail(zoom);
    const struct
    {
        CPoint centre;
        DWORD code;
    } tailHandles[] = {{tail.tip, HIT_NOTE_TIP}, {tail.base1, HIT_NOTE_BASE1}, {tail.base2, HIT_NOTE_BASE2}};
    for (const auto& handle : tailHandles) {
        if (PointNearPoint(handle.centre, point, HANDLE_HALF_SIZE)) {
            hitCode = handle.code;
            handlePoint = handle.centre;
            return TRUE;
        }
    }
    return HitTestRectHandles(GetScaledRect(zoom), point, hitCode, partWord, handlePoint);
}

void CNoteObj::GetVisibleRect(CRect& rect, BOOL printMode) const
{
    GetWholeVisibleRect(rect, printMode);
    if (IsHiddenIn(printMode) || !HasTail())
        return;
    const CPoint tip = m_tail.tip;
    if (tip.x < rect.left)
        rect.left = tip.x;
    else if (tip.x > rect.right)
        rect.right = tip.x;
    if (tip.y > rect.top)
        rect.top = tip.y;
    else if (tip.y < rect.bottom)
        rect.bottom = tip.y;
}

void CNoteObj::GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const
{
    if (IsHiddenIn(printMode)) {
        rect.SetRectEmpty();
        return;
    }
    rect = m_rect;
    int margin = 2 * HANDLE_HALF_SIZE;
    UnscaleValueByZoom(margin, zoom);
    const CPoint tip = m_tail.tip;
    if (HasTail()) {
        if (tip.x < rect.left)
            rect.left = tip.x - margin;
        else if (tip.x > rect.right)
            rect.right = tip.x + margin;
        if (tip.y > rect.top)
            rect.top = tip.y + margin;
        else if (tip.y < rect.bottom)
            rect.bottom = tip.y - margin;
    }
    GrowByRedrawMargins(rect, zoom, HasBalloonShadow(printMode));
}

BOOL CNoteObj::IsInsideRect(const CRect& rect, BOOL printMode) const
{
    return !IsHiddenIn(printMode) && RectInRectWithTolerance(m_rect, rect, 0);
}

// --- Moving and resizing ------------------------------------------------------------------------

void CNoteObj::MoveBy(SIZE offset, DWORD flags)
{
    CBaseObj::MoveBy(offset, flags);
    if (flags >= 0x10000000)
        return;
    for (CPoint* p : {&m_tail.tip, &m_tail.base1, &m_tail.base2})
        *p += offset;
}

void CNoteObj::ResizeByHandle(SIZE offset, DWORD hitCode)
{
    if (!(hitCode & HIT_HANDLE))
        return;
    CRect rect = m_rect;
    ApplyResizeHandleOffset(rect, offset, hitCode);
    rect = GetNormalizedRect(rect);
    FitNoteTailToRect(m_rect, rect, m_tail);
    NormalizeRect(rect);
}

void CNoteObj::ApplyHandleDrag(SIZE offset, DWORD hitCode, DWORD)
{
    DragNoteTailHandle(m_rect, m_tail, offset, hitCode, noteobj::kBaseGap);
}
