#include "model/Kadai.h"

#include "foundation/Geometry.h"
#include "foundation/SymbolPrimitives.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "model/ObjectTexts.h"
#include "objects/DefaultKeys.h"
#include "objects/ObjectSupport.h"
#include "platform/afx/Archive.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"

#include <algorithm>
#include <cstdint>

IMPLEMENT_SERIAL(CKadai, CRectObj, 1)

namespace kadai {

constexpr int kMinWidth = 80;
constexpr int kDefaultNumCx = 80;
constexpr COLORREF kHandleFrame = RGB(255, 255, 0);
// Inner margin of the texts at zoom 100.
constexpr int kTextMargin = 5;
// A name row up to this height (zoomed) holds one line.
constexpr int kOneLineNameRow = 41;
constexpr int kExportTasks = 16;

constexpr UINT kOneLineFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
constexpr UINT kWrappedFormat = DT_WORDBREAK | DT_NOPREFIX;

int ReadInt(CArchive& ar)
{
    DWORD value;
    ar >> value;
    // A damaged record may hold any value; the cells are computed with the coordinates.
    return HoldObjectCoordinate(int(value));
}

CRect Deflated(CRect rect, int margin)
{
    return {rect.left + margin, rect.top - margin, rect.right - margin, rect.bottom + margin};
}

} // namespace kadai

// The cells of the task at one zoom: the box, the number-cell width w (>= 0) and the name-row depth
// h (< 0 below the top).
struct CKadai::Cells
{
    CRect box;
    int w;
    int h;

    BOOL HasContents() const { return box.bottom - box.top < h; }
    BOOL HasNumberCell() const { return HasContents() && w >= 1 && w < box.Width(); }
    CRect Contents() const { return {box.left, box.top + h, box.right, box.bottom}; }
    CRect NameCell() const { return {box.left + w, box.top, box.right, box.top + h}; }
    CRect NumberCell() const { return {box.left, box.top, box.left + w, box.top + h}; }
    CPoint NumberHandle() const { return {box.left + w, box.top + h / 2}; }
};

// --- Construction and record ---------------------------------------------------------------------

CKadai::CKadai() : CKadai(0, CRect()) {}

CKadai::CKadai(WORD objectId, const CRect& rect)
    : CRectObj(OBJKIND_KADAI, objectId, rect), m_nNumCx(kadai::kDefaultNumCx), m_nNameCy(-MIN_NAME_ROW), m_crFont(0)
{
    m_bRounded = TRUE;
    m_bFill = TRUE;
    EnforceMinimumSize();
}

CKadai::CKadai(const CKadai& other)
    : CRectObj(other),
      m_strNumber(other.m_strNumber),
      m_strName(other.m_strName),
      m_strContents(other.m_strContents),
      m_nNumCx(other.m_nNumCx),
      m_nNameCy(other.m_nNameCy),
      m_crFont(other.m_crFont)
{
}

void CKadai::EnforceMinimumSize()
{
    if (m_rect.Width() < kadai::kMinWidth)
        m_rect.right = m_rect.left + kadai::kMinWidth;
    m_nNumCx = std::min(m_nNumCx, m_rect.Width());
    if (m_rect.top - m_rect.bottom < MIN_NAME_ROW)
        m_rect.bottom = m_rect.top - MIN_NAME_ROW;
}

void CKadai::Serialize(CArchive& ar)
{
    CRectObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strNumber << m_strName << m_strContents;
        ar << DWORD(m_nNumCx) << DWORD(m_nNameCy) << DWORD(m_crFont);
        return;
    }
    ar >> m_strNumber >> m_strName >> m_strContents;
    m_nNumCx = kadai::ReadInt(ar);
    m_nNameCy = kadai::ReadInt(ar);
    DWORD color;
    ar >> color;
    m_crFont = color;
}

CString& CKadai::GetTypeName(CString& name) const
{
    name = CString(u8"課題ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString CKadai::GetStatusText(const CBaseDoc&) const
{
    CString type;
    return GetTypeName(type) + NumberAndName(m_strNumber, m_strName, CString(u8"課題名ﾌﾞﾗﾝｸ"));
}

CString& CKadai::GetProfileSection(CString& section) const
{
    section = "KadaiObj Properties";
    return section;
}

void CKadai::VisitDefaultKeys(DefaultKeys& keys)
{
    keys.Number("KadaiNumCx", m_nNumCx);
    keys.Number("KadaiNameCy", m_nNameCy);
    keys.Number("FontColor", m_crFont);
    CRectObj::VisitDefaultKeys(keys);
}

void CKadai::CopyAttributes(const CBaseObj& other)
{
    if (const CKadai* task = DYNAMIC_DOWNCAST(CKadai, &other)) {
        m_nNumCx = task->m_nNumCx;
        m_nNameCy = task->m_nNameCy;
        m_crFont = task->m_crFont;
    }
    CRectObj::CopyAttributes(other);
}

// --- Geometry ------------------------------------------------------------------------------------

CKadai::Cells CKadai::GetCells(int zoom) const
{
    Cells cells{m_rect, m_nNumCx, m_nNameCy};
    ScaleRectByZoom(cells.box, zoom);
    ScaleValueByZoom(cells.w, zoom);
    ScaleValueByZoom(cells.h, zoom);
    return cells;
}

void CKadai::GetRowDivider(int zoom, CPoint& leftPoint, CPoint& rightPoint) const
{
    if (!GetHorzLineAtDepth(m_nNameCy, leftPoint, rightPoint)) {
        // A row deeper than the box (only a damaged record has one) runs straight across.
        leftPoint = CPoint(m_rect.left, m_rect.top + m_nNameCy);
        rightPoint = CPoint(m_rect.right, m_rect.top + m_nNameCy);
    }
    ScalePointByZoom(leftPoint, zoom);
    ScalePointByZoom(rightPoint, zoom);
}

CPoint CKadai::GetNameHandle(int zoom) const
{
    CPoint leftPoint, rightPoint;
    GetRowDivider(zoom, leftPoint, rightPoint);
    return {(leftPoint.x + rightPoint.x) / 2, leftPoint.y};
}

CRect CKadai::GetPartCell(int zoom, DWORD part) const
{
    const Cells cells = GetCells(zoom);
    switch (part) {
    case PART_NUMBER: return cells.NumberCell();
    case PART_NAME: return cells.NameCell();
    case PART_CONTENTS: return cells.Contents();
    default: return {};
    }
}

void CKadai::GetMinimumSize(CSize& size) const
{
    size = CSize(kadai::kMinWidth, m_nNameCy);
}

// --- Drawing -------------------------------------------------------------------------------------

void CKadai::Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
                  CBaseDoc* document)
{
    if (IsHiddenIn(printMode))
        return;
    CRectObj::Draw(pDC, zoom, FALSE, printMode, font, displayOptions, document);
    const Cells cells = GetCells(zoom);
    {
        CPen pen(m_nPenStyle, 1, m_crPen);
        CPen* oldPen = pDC->SelectObject(&pen);
        if (m_nNameCy < 0)
            DrawDividers(pDC, cells, zoom);
        pDC->SelectObject(oldPen);
    }
    if (!font)
        return;
    int height = font->lfHeight;
    ScaleValueByZoom(height, zoom);
    height = PixelsToTenthMm(height);
    SymbolTextScope scope(pDC, *font, height, m_crFont);
    if (!scope.IsReady())
        return;
    if (zoom > SYMBOL_TEXT_MIN_ZOOM)
        DrawTexts(pDC, cells, zoom, {*font, height, displayOptions});
    if (withHandles)
        DrawHandles(pDC, zoom, printMode);
}

void CKadai::DrawDividers(CDC* pDC, const Cells& cells, int zoom) const
{
    if (cells.HasNumberCell()) {
        const CRect number = cells.NumberCell();
        pDC->MoveTo(number.right, number.top);
        pDC->LineTo(number.right, number.bottom);
    }
    CPoint leftPoint, rightPoint;
    GetRowDivider(zoom, leftPoint, rightPoint);
    pDC->MoveTo(leftPoint);
    pDC->LineTo(rightPoint.x - 1, rightPoint.y);
}

void CKadai::DrawTexts(CDC* pDC, const Cells& cells, int zoom, const TextStyle& style) const
{
    using namespace kadai;
    if (!cells.HasContents())
        return;
    int m = kTextMargin;
    ScaleValueByZoom(m, zoom);
    auto draw = [&](const CString& text, const CRect& rect, UINT format) {
        if (!text.IsEmpty())
            DrawSymbolText(pDC, text, rect, format, style.lineHeight, style.font, style.displayOptions);
    };
    if (cells.HasNumberCell()) {
        const CRect cell = cells.NumberCell();
        draw(m_strNumber, CRect(cell.left + 3 * m, cell.top - m, cell.right - m, cell.bottom), kOneLineFormat);
    }
    const CRect name = cells.NameCell();
    if (name.top - name.bottom <= kOneLineNameRow)
        draw(m_strName, CRect(name.left + m, name.top - m, name.right - m, name.bottom), kOneLineFormat);
    else
        draw(m_strName, Deflated(name, m), kWrappedFormat);
    draw(m_strContents, Deflated(cells.Contents(), m), kWrappedFormat);
}

// --- Handles -------------------------------------------------------------------------------------

void CKadai::DrawHandles(CDC* pDC, int zoom, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    DrawPatternHandle(pDC, GetNameHandle(zoom), IDB_PATTERN_HANDLE, kadai::kHandleFrame);
    DrawPatternHandle(pDC, GetCells(zoom).NumberHandle(), IDB_PATTERN_HANDLE, kadai::kHandleFrame);
    CRectObj::DrawHandles(pDC, zoom, printMode);
}

BOOL CKadai::HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                            CPoint& handlePoint, BOOL printMode) const
{
    if (IsHiddenIn(printMode))
        return FALSE;
    const Cells cells = GetCells(zoom);
    CPoint roundHandle;
    const BOOL hasRoundHandle = m_bRounded && GetRoundHandlePos(roundHandle);
    ScalePointByZoom(roundHandle, zoom);
    const struct
    {
        BOOL exists;
        CPoint at;
        DWORD code;
    } handles[] = {
        {TRUE, cells.NumberHandle(), NUMBER_HANDLE | EXTRA_HANDLE | HIT_SHAPE_HANDLE},
        {TRUE, GetNameHandle(zoom), NAME_HANDLE | EXTRA_HANDLE | HIT_SHAPE_HANDLE},
        {hasRoundHandle, roundHandle, HIT_ROUND_HANDLE | HIT_SHAPE_HANDLE},
    };
    for (const auto& handle : handles) {
        if (handle.exists && PointNearPoint(handle.at, point, HANDLE_HALF_SIZE)) {
            hitCode = handle.code;
            partWord = 0;
            handlePoint = handle.at;
            return TRUE;
        }
    }
    const struct
    {
        CRect cell;
        DWORD part;
    } parts[] = {
        {cells.NumberCell(), PART_NUMBER},
        {cells.NameCell(), PART_NAME},
        {cells.Contents(), PART_CONTENTS},
    };
    for (const auto& part : parts) {
        if (PointInRectWithTolerance(part.cell, point, -HANDLE_HALF_SIZE)) {
            hitCode = part.part | HIT_SHAPE_HANDLE | HIT_BODY;
            partWord = 0;
            handlePoint = point;
            return TRUE;
        }
    }
    return CBaseObj::HitTestHandles(zoom, point, keyFlags, tolerance, hitCode, partWord, handlePoint, printMode);
}

void CKadai::DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD partWord, BOOL printMode)
{
    if (!(hitCode & (HIT_SHAPE_HANDLE | EXTRA_HANDLE)))
        return;
    const Cells cells = GetCells(zoom);
    const CRect& box = cells.box;
    if (hitCode & NUMBER_HANDLE) {
        const int x = std::clamp(box.left + cells.w + offset.cx, box.left, std::max(box.left, box.right));
        DrawTrackerLineColor(pDC, x, box.top, x, box.top + cells.h, kadai::kHandleFrame);
    } else if (hitCode & NAME_HANDLE) {
        int lowest = -MIN_NAME_ROW;
        ScaleValueByZoom(lowest, zoom);
        const int y = std::clamp(box.top + cells.h + offset.cy, box.bottom, std::max(box.bottom, box.top + lowest));
        DrawTrackerLine(pDC, box.left, y, box.right, y);
    } else {
        CRectObj::DrawHandleDragTracker(pDC, zoom, offset, hitCode, partWord, printMode);
    }
}

void CKadai::ApplyHandleDrag(SIZE offset, DWORD hitCode, DWORD word)
{
    if (!(hitCode & (HIT_SHAPE_HANDLE | EXTRA_HANDLE)))
        return;
    if (hitCode & NUMBER_HANDLE) {
        const int width = m_rect.Width();
        const int numCx = HoldObjectCoordinate(std::int64_t(m_nNumCx) + offset.cx);
        m_nNumCx = numCx < 1 ? 0 : std::min(numCx, width);
    } else if (hitCode & NAME_HANDLE) {
        const int nameCy = HoldObjectCoordinate(std::int64_t(m_nNameCy) + offset.cy);
        m_nNameCy = std::max(std::min(nameCy, -MIN_NAME_ROW), m_rect.bottom - m_rect.top);
    } else {
        CRectObj::ApplyHandleDrag(offset, hitCode, word);
    }
}

// --- Texts ---------------------------------------------------------------------------------------

BOOL CKadai::ClearNumber(DWORD)
{
    if (m_strNumber.IsEmpty())
        return FALSE;
    m_strNumber.Empty();
    return TRUE;
}

BOOL CKadai::HasText() const
{
    return AnyTextNotEmpty({&m_strNumber, &m_strName, &m_strContents});
}

BOOL CKadai::FindObjectText(const CString& findText, BOOL matchCase) const
{
    return AnyTextContains({&m_strNumber, &m_strName, &m_strContents}, findText, matchCase);
}

BOOL CKadai::ReplaceObjectText(const CString& findText, const CString& replacement, BOOL matchCase)
{
    return ReplaceInTexts({&m_strNumber, &m_strName, &m_strContents}, findText, replacement, matchCase);
}

BOOL CKadai::IsExportKind(DWORD exportOptions) const
{
    return (exportOptions & kadai::kExportTasks) != 0;
}
