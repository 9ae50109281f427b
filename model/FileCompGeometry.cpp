// The conceptual file's box as the user handles it: its bands and cells, the band edges whose
// handles resize the bands, the hit tests that tell which part the mouse is on, the minimum size,
// the I/O-number label below the box and the fitting of the box to its texts.
#include "model/FileComp.h"

#include "foundation/DataItemList.h"
#include "foundation/Geometry.h"
#include "foundation/TextFunctions.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "objects/ObjectSupport.h"

#include <algorithm>
#include <array>

namespace filecomp_geometry {

// The smallest box: 120 wide and 40 below the caption band; a dragged caption or key band keeps
// 40 of height.
constexpr int kMinimumWidth = 120;
constexpr int kMinimumBand = 40;
constexpr COLORREF kBandEdgeColor = 0x00FFFF;
// Texts are measured in whole steps of 20.
constexpr int kFitStep = 20;

// The handles in the order they are hit (number, caption, key, example) and the order they are
// drawn (caption, number, key, example).
constexpr std::array<DWORD, 4> kHitOrder{CFileComp::DRAG_NUMBER_EDGE, CFileComp::DRAG_CAPTION_EDGE,
                                         CFileComp::DRAG_KEY_EDGE, CFileComp::DRAG_EXAMPLE_EDGE};
constexpr std::array<DWORD, 4> kDrawOrder{CFileComp::DRAG_CAPTION_EDGE, CFileComp::DRAG_NUMBER_EDGE,
                                          CFileComp::DRAG_KEY_EDGE, CFileComp::DRAG_EXAMPLE_EDGE};
constexpr std::array<DWORD, 5> kParts{CFileComp::PART_NUMBER, CFileComp::PART_NAME, CFileComp::PART_KEY,
                                      CFileComp::PART_DATA, CFileComp::PART_EXAMPLE};

// Flags from here on name sub-parts only, without the body.
constexpr DWORD kSubPartFlagsFrom = 0x10000000;

// A rectangle with y up is empty when it has no width or no height.
bool HasNoArea(const CRect& rect)
{
    return rect.Width() == 0 || rect.Height() == 0;
}

bool IsBandHandleCode(DWORD hitCode)
{
    return (hitCode & CFileComp::HIT_BAND_HANDLE) == CFileComp::HIT_BAND_HANDLE;
}

int Scaled(int value, int zoom)
{
    ScaleValueByZoom(value, zoom);
    return value;
}

// Up to the next step for a width; away from zero for a height.
int RoundUpToStep(int value)
{
    return (value + kFitStep - 1) / kFitStep * kFitStep;
}
int RoundAwayToStep(int value)
{
    return value < 0 ? -RoundUpToStep(-value) : RoundUpToStep(value);
}

// What a text needs: wrapped to the rectangle's width (as wide as it, a line height per line and
// 20 more for several lines) or its natural extent; rounded to steps of 20.
CSize MeasureText(const CString& text, const CRect& rect, const LOGFONT& font, bool wrapped, int lineHeight)
{
    CSize needed;
    if (wrapped) {
        CDataItemList lines;
        const int count = SplitTextToRectLines(text, rect, font, lines);
        needed = CSize(rect.Width(), count * lineHeight - (count > 1 ? kFitStep : 0));
    } else {
        GetMultiLineTextExtent(needed, text, font, FALSE);
    }
    return CSize(RoundUpToStep(needed.cx), RoundAwayToStep(needed.cy));
}

} // namespace filecomp_geometry

using namespace filecomp_geometry;

// --- Parts and edges ----------------------------------------------------------------------------

BOOL CFileComp::GetBoxPartRect(DWORD part, CRect& rect) const
{
    const CRect& r = m_rect;
    const int captionBottom = r.top + m_nCompCapCx;
    const int keyBottom = captionBottom + m_nKeyItemCy;
    const int exampleTop = r.bottom + m_nCodeSampleCx;
    switch (part) {
    case PART_NUMBER: rect.SetRect(r.left, r.top, r.left + m_nFileCodeCx, captionBottom); return m_nFileCodeCx >= 1;
    case PART_NAME:
        rect.SetRect(r.left + m_nFileCodeCx, r.top, r.right - FILE_BOX_MARK_COLUMN, captionBottom);
        return HasBandEdge(DRAG_NUMBER_EDGE) || HasBandEdge(DRAG_CAPTION_EDGE);
    case PART_KEY: rect.SetRect(r.left, captionBottom, r.right, keyBottom); return m_nKeyItemCy < 0;
    case PART_DATA: rect.SetRect(r.left, keyBottom, r.right, exampleTop); return exampleTop < keyBottom;
    case PART_EXAMPLE: rect.SetRect(r.left, exampleTop, r.right, r.bottom); return m_nCodeSampleCx >= 1;
    default: rect.SetRectEmpty(); return FALSE;
    }
}

BOOL CFileComp::GetMarkCellRect(CRect& rect) const
{
    rect.SetRect(m_rect.right - FILE_BOX_MARK_COLUMN, m_rect.top, m_rect.right, m_rect.top - FILE_BOX_MARK_COLUMN);
    return HasMarkCell();
}

BOOL CFileComp::HasBandEdge(DWORD dragCode) const
{
    CPoint start, end;
    return GetBandEdge(dragCode, start, end);
}

BOOL CFileComp::GetBandEdge(DWORD dragCode, CPoint& start, CPoint& end) const
{
    const CRect& r = m_rect;
    const int width = r.Width();
    const int captionBottom = r.top + m_nCompCapCx;
    const int keyEdge = captionBottom + m_nKeyItemCy - 1;
    const int exampleTop = r.bottom + m_nCodeSampleCx;
    switch (dragCode) {
    case DRAG_CAPTION_EDGE:
        start = CPoint(r.left, captionBottom);
        end = CPoint(r.right, captionBottom);
        return captionBottom > r.bottom;
    case DRAG_NUMBER_EDGE:
        start = CPoint(r.left + m_nFileCodeCx, r.top);
        end = CPoint(r.left + m_nFileCodeCx, captionBottom);
        return m_nFileCodeCx < width - FILE_BOX_MARK_COLUMN;
    case DRAG_KEY_EDGE:
        start = CPoint(r.left, keyEdge);
        end = CPoint(r.right, keyEdge);
        return keyEdge > r.bottom;
    case DRAG_EXAMPLE_EDGE:
        start = CPoint(r.left, exampleTop);
        end = CPoint(r.right, exampleTop);
        return m_nCodeSampleCx >= 1 && exampleTop < captionBottom + m_nKeyItemCy;
    default: return FALSE;
    }
}

BOOL CFileComp::GetBandHandle(DWORD dragCode, CPoint& point) const
{
    CPoint start, end;
    const BOOL present = GetBandEdge(dragCode, start, end);
    const int width = m_rect.Width();
    switch (dragCode) {
    case DRAG_CAPTION_EDGE: point = CPoint(m_rect.left + width / 2, start.y); break;
    case DRAG_NUMBER_EDGE: point = CPoint(start.x, m_rect.top + m_nCompCapCx / 2); break;
    case DRAG_KEY_EDGE: point = CPoint(m_rect.left + width / 4, start.y); break;
    case DRAG_EXAMPLE_EDGE: point = CPoint(m_rect.right - width / 4, start.y); break;
    default: return FALSE;
    }
    return present;
}

// --- Sizes --------------------------------------------------------------------------------------

BOOL CFileComp::ApplyMinimumSize()
{
    CRect rect = m_rect;
    BOOL changed = FALSE;
    if (rect.Width() < kMinimumWidth) {
        rect.right = rect.left + kMinimumWidth;
        changed = TRUE;
    }
    if (m_nFileCodeCx > rect.Width() - FILE_BOX_MARK_COLUMN) {
        m_nFileCodeCx = rect.Width() - FILE_BOX_MARK_COLUMN;
        changed = TRUE;
    }
    if (rect.Height() > m_nCompCapCx - kMinimumBand) {
        rect.bottom = rect.top + m_nCompCapCx - kMinimumBand;
        changed = TRUE;
    }
    if (m_nKeyItemCy < rect.Height() - m_nCompCapCx) {
        m_nKeyItemCy = rect.Height() - m_nCompCapCx;
        changed = TRUE;
    }
    if (changed)
        NormalizeRect(rect);
    return changed;
}

void CFileComp::GetMinimumSize(CSize& size) const
{
    size = CSize(FILE_BOX_MARK_COLUMN, m_nCompCapCx - kMinimumBand);
}

void CFileComp::ResizeByHandle(SIZE offset, DWORD hitCode)
{
    if (!(hitCode & HIT_HANDLE))
        return;
    if (hitCode & PART_NUM_IO_LABEL) {
        m_numIOSource.ResizeByHandle(offset, hitCode);
        return;
    }
    CRectObj::ResizeByHandle(offset, hitCode);
    ApplyMinimumSize();
}

void CFileComp::ApplyHandleDrag(SIZE offset, DWORD hitCode, DWORD)
{
    if (!IsBandHandleCode(hitCode))
        return;
    const int height = m_rect.Height();
    if (hitCode & DRAG_NUMBER_EDGE) {
        m_nFileCodeCx += offset.cx;
        if (m_nFileCodeCx < 1)
            m_nFileCodeCx = 0;
        m_nFileCodeCx = std::min(m_nFileCodeCx, m_rect.Width() - FILE_BOX_MARK_COLUMN);
    } else if (hitCode & DRAG_CAPTION_EDGE) {
        m_nCompCapCx =
            std::max(std::min(m_nCompCapCx + int(offset.cy), -kMinimumBand), height + m_nCodeSampleCx - m_nKeyItemCy);
    } else if (hitCode & DRAG_KEY_EDGE) {
        m_nKeyItemCy =
            std::max(std::min(m_nKeyItemCy + int(offset.cy), -kMinimumBand), height + m_nCodeSampleCx - m_nCompCapCx);
    } else if (hitCode & DRAG_EXAMPLE_EDGE) {
        m_nCodeSampleCx += offset.cy;
        if (m_nCodeSampleCx < 1)
            m_nCodeSampleCx = 0;
        m_nCodeSampleCx = std::min(m_nCodeSampleCx, m_rect.top + m_nCompCapCx + m_nKeyItemCy - m_rect.bottom);
    }
}

// --- Hit tests and repaint areas ------------------------------------------------------------------

BOOL CFileComp::HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const
{
    if (IsHiddenIn(printMode))
        return FALSE;
    if (m_bShowNumIOSource && m_numIOSource.HitTest(point, tolerance, printMode, outlineOnly))
        return TRUE;
    return PointInRectWithTolerance(m_rect, point, tolerance);
}

BOOL CFileComp::HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                               CPoint& handlePoint, BOOL printMode) const
{
    hitCode = 0;
    partWord = 0;
    if (IsHiddenIn(printMode))
        return FALSE;
    if (m_bShowNumIOSource &&
        m_numIOSource.HitTestHandles(zoom, point, keyFlags, tolerance, hitCode, partWord, handlePoint, printMode)) {
        hitCode |= PART_NUM_IO_LABEL | HIT_SHAPE_HANDLE;
        return TRUE;
    }
    for (DWORD dragCode : kHitOrder) {
        CPoint handle;
        GetBandHandle(dragCode, handle);
        ScalePointByZoom(handle, zoom);
        if (PointNearPoint(handle, point, HANDLE_HALF_SIZE)) {
            hitCode = HIT_BAND_HANDLE | dragCode;
            handlePoint = handle;
            return TRUE;
        }
    }
    for (DWORD part : kParts) {
        CRect rect;
        if (!GetBoxPartRect(part, rect))
            continue;
        ScaleRectByZoom(rect, zoom);
        if (PointInRectWithTolerance(rect, point, -HANDLE_HALF_SIZE)) {
            hitCode = HIT_FILE_PART | part;
            handlePoint = point;
            return TRUE;
        }
    }
    return CBaseObj::HitTestHandles(zoom, point, keyFlags, tolerance, hitCode, partWord, handlePoint, printMode);
}

void CFileComp::GetPartRect(CRect& rect, BOOL printMode, DWORD partFlags) const
{
    if (!IsHiddenIn(printMode) && (partFlags & PART_NUM_IO_LABEL))
        m_numIOSource.GetVisibleRect(rect, printMode);
    else
        rect.SetRectEmpty();
}

void CFileComp::GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const
{
    CRectObj::GetRedrawRect(rect, zoom, printMode);
    if (IsHiddenIn(printMode) || !m_bShowNumIOSource)
        return;
    CRect label;
    m_numIOSource.GetRedrawRect(label, zoom, printMode);
    BOOL first = FALSE;
    WidenBounds(rect, label, first);
}

BOOL CFileComp::HasShadow(BOOL printMode) const
{
    return printMode && m_wShadowDepth > 0;
}

// --- Moving -------------------------------------------------------------------------------------

void CFileComp::MoveParts(SIZE offset, DWORD flags)
{
    CRect label;
    m_numIOSource.GetVisibleRect(label, TRUE);
    if ((flags & PART_NUM_IO_LABEL) && !HasNoArea(label))
        m_numIOSource.MoveAll(offset);
}

// --- Handles and tracking outlines ------------------------------------------------------------------

void CFileComp::DrawHandles(CDC* pDC, int zoom, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    for (DWORD dragCode : kDrawOrder) {
        CPoint handle;
        GetBandHandle(dragCode, handle);
        ScalePointByZoom(handle, zoom);
        DrawPatternHandle(pDC, handle, IDB_PATTERN_HANDLE, kBandEdgeColor);
    }
    CBaseObj::DrawHandles(pDC, zoom, printMode);
    if (m_bShowNumIOSource)
        m_numIOSource.DrawHandles(pDC, zoom, printMode);
}

void CFileComp::DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    if (hitFlags & PART_NUM_IO_LABEL) {
        m_numIOSource.DrawMoveTracker(pDC, zoom, offset, hitFlags, printMode);
        return;
    }
    if (m_bShowNumIOSource && hitFlags < kSubPartFlagsFrom)
        m_numIOSource.DrawMoveTracker(pDC, zoom, offset, hitFlags, printMode);
    CRectObj::DrawMoveTracker(pDC, zoom, offset, hitFlags, printMode);
}

void CFileComp::DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode)
{
    if (!(hitCode & HIT_HANDLE))
        return;
    if (hitCode & PART_NUM_IO_LABEL)
        m_numIOSource.DrawResizeTracker(pDC, zoom, offset, hitCode, printMode);
    else
        CRectObj::DrawResizeTracker(pDC, zoom, offset, hitCode, printMode);
}

void CFileComp::DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD, BOOL)
{
    if (!IsBandHandleCode(hitCode))
        return;
    CRect r = m_rect;
    ScaleRectByZoom(r, zoom);
    const int band = Scaled(kMinimumBand, zoom);
    const int caption = Scaled(m_nCompCapCx, zoom);
    const int key = Scaled(m_nKeyItemCy, zoom);
    const int example = Scaled(m_nCodeSampleCx, zoom);
    // Each upper bound before the lower one, so that the lower one wins where they cross.
    const auto hold = [](int value, int upper, int lower) { return std::max(std::min(value, upper), lower); };
    if (hitCode & DRAG_NUMBER_EDGE) {
        const int x = hold(r.left + Scaled(m_nFileCodeCx, zoom) + offset.cx, r.right - band, r.left);
        DrawTrackerLineColor(pDC, x, r.top, x, r.top + caption, kBandEdgeColor);
        return;
    }
    int y = 0;
    if (hitCode & DRAG_CAPTION_EDGE)
        y = hold(r.top + caption + offset.cy, r.top - band, r.bottom - key + example);
    else if (hitCode & DRAG_KEY_EDGE)
        y = hold(r.top + caption + key - 1 + offset.cy, r.top + caption - band, r.bottom + example);
    else if (hitCode & DRAG_EXAMPLE_EDGE)
        y = hold(r.bottom + example + offset.cy, r.top + caption + key, r.bottom);
    else
        return;
    DrawTrackerLineColor(pDC, r.left, y, r.right, y, kBandEdgeColor);
}

// --- The I/O-number label -----------------------------------------------------------------------

void CFileComp::SetShowNumIOSource(BOOL show)
{
    if (m_bShowNumIOSource == show)
        return;
    CRect label;
    m_numIOSource.GetVisibleRect(label, TRUE);
    if (show && HasNoArea(label))
        PlaceNumIOSourceLabel();
    m_bShowNumIOSource = show;
}

void CFileComp::PlaceNumIOSourceLabel()
{
    m_numIOSource.NormalizeRect(CRect(m_rect.left, m_rect.bottom - 20, m_rect.right, m_rect.bottom - 80));
}

// --- Fitting the box to its texts -----------------------------------------------------------------

BOOL CFileComp::FitBoxToTexts(DWORD flags, const LOGFONT& font)
{
    const int lineHeight = -AbsInt(PixelsToTenthMm(font.lfHeight));
    CRect key, data, example, number, mark, name;
    GetKeyBandRect(key);
    GetDataBandRect(data);
    GetExampleBandRect(example);
    const CSize keyNeeds = MeasureText(m_strKeyText, key, font, flags & 2, lineHeight);
    const CSize dataNeeds = MeasureText(m_strDataText, data, font, flags & 4, lineHeight);
    CSize exampleNeeds = MeasureText(m_strCodeSample, example, font, flags & 8, lineHeight);
    exampleNeeds.cy = -exampleNeeds.cy;
    int needed = std::max({keyNeeds.cx, dataNeeds.cx, exampleNeeds.cx});

    const int numberWidth = GetNumberCellRect(number) ? number.Width() : 0;
    const int markWidth = GetMarkCellRect(mark) ? mark.Width() : 0;
    GetNameCellRect(name);
    if (name.Width() < needed - numberWidth - markWidth)
        name.right = name.left + needed - numberWidth - markWidth;
    const CSize nameNeeds = MeasureText(m_strName, name, font, flags & 1, lineHeight);
    needed = std::max(needed, numberWidth + markWidth + nameNeeds.cx);

    m_nCompCapCx = std::min(m_nCompCapCx, int(nameNeeds.cy));
    m_nKeyItemCy = std::min(m_nKeyItemCy, int(keyNeeds.cy));
    m_nCodeSampleCx = std::max(m_nCodeSampleCx, int(exampleNeeds.cy));
    const int height = m_nCompCapCx + m_nKeyItemCy + dataNeeds.cy - m_nCodeSampleCx;

    CRect rect = m_rect;
    if (rect.Width() < needed)
        rect.right = rect.left + needed;
    if (rect.Height() > height)
        rect.bottom = rect.top + height;
    NormalizeRect(rect);
    return TRUE;
}
