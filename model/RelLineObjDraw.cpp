// CRelLineObj: drawing in the two notations with the cardinality text of the IDEF notation, the
// repaint areas and the outlines that follow the mouse.
#include "model/RelLineObj.h"

#include "objects/ObjectSupport.h"
#include "objects/StrgObj.h"
#include "platform/gdi/DC.h"

#include <cmath>

namespace rellinedraw {

// Puts marks on the line for one drawing and the arrow's own back afterwards, also when an
// exception passes.
class MarkSwap
{
public:
    MarkSwap(CPolyLine& line, WORD startMark, WORD endMark)
        : m_line(line), m_startMark(line.GetMark(LINEEND_START)), m_endMark(line.GetMark(LINEEND_END))
    {
        line.SetMark(LINEEND_START, startMark);
        line.SetMark(LINEEND_END, endMark);
    }
    ~MarkSwap()
    {
        m_line.SetMark(LINEEND_START, m_startMark);
        m_line.SetMark(LINEEND_END, m_endMark);
    }
    MarkSwap(const MarkSwap&) = delete;
    MarkSwap& operator=(const MarkSwap&) = delete;

private:
    CPolyLine& m_line;
    WORD m_startMark;
    WORD m_endMark;
};

// Where the cardinality text stands from the end point: the offset before the rotation onto the
// last segment and the text's alignment, decided by where the point before the end lies.
struct CardinalityFrame
{
    CSize offset;
    UINT alignment;
};

CardinalityFrame CalcCardinalityFrame(POINT e, POINT q)
{
    constexpr CSize o(5, -5);
    constexpr CSize s(100, -40);
    const int dx = q.x - e.x, dy = q.y - e.y;
    if (dx == 0 && dy == 0)
        return {o, 0};
    if (AbsInt(dx) <= 10)
        return dy <= 0 ? CardinalityFrame{{o.cx, -o.cy}, 0} : CardinalityFrame{{o.cx - s.cy, o.cy}, DT_BOTTOM};
    if (AbsInt(dy) <= 10)
        return dx <= 0 ? CardinalityFrame{{o.cx + s.cx, -o.cy}, DT_RIGHT} : CardinalityFrame{o, 0};
    const double m = double(dy) / double(dx);
    const double alpha = std::atan2(double(dy), double(dx));
    auto t = [](double v) { return TruncToInt(v); };
    if (dx < 0 && dy < 0) {
        if (m < 1)
            return {{o.cx + s.cx, -o.cy}, 0};
        return {{o.cx - t(s.cy / m) + t(0.6 * s.cx / m), o.cy - s.cx - t(-0.6 * s.cy / m)}, DT_RIGHT | DT_BOTTOM};
    }
    if (dx < 0) {
        if (m > -1)
            return {{o.cx + t(-0.6 * s.cx * m) + s.cx, o.cy - t(-0.6 * s.cy * m) + s.cy}, DT_BOTTOM};
        return {{o.cx + t(-0.6 * s.cx / m) + s.cx, -(o.cy + t(0.6 * s.cy / m) + s.cy)}, DT_RIGHT | DT_BOTTOM};
    }
    if (dy < 0) {
        if (m > -1)
            return {{o.cx + t(-0.6 * s.cx * m), o.cy + t(-0.6 * s.cy * m)}, 0};
        return {{o.cx + t(-0.6 * s.cx / m), t(0.6 * s.cy / m) - o.cy}, 0};
    }
    if (m < 1)
        return {{o.cx - t(s.cy * std::sin(alpha)), -t(s.cy * std::cos(alpha)) - o.cy}, DT_BOTTOM};
    return {{o.cx - t(s.cy * std::sin(alpha)) - t(0.6 * s.cy / m),
             o.cy + t(s.cy * std::cos(alpha)) + t(-0.6 * s.cy / m)},
            0};
}

// Grows a y-up rectangle so that it holds the other one too.
void IncludeRect(CRect& rect, const CRect& other)
{
    rect.left = std::min(rect.left, other.left);
    rect.right = std::max(rect.right, other.right);
    rect.top = std::max(rect.top, other.top);
    rect.bottom = std::min(rect.bottom, other.bottom);
}

} // namespace rellinedraw

WORD CRelLineObj::GetIdefMark(LineEnd end) const
{
    if (end == LINEEND_END)
        return IsOneToManyKind() ? MARK_DOT : MARK_NONE;
    if (IsOneToManyKind())
        return m_bNullAllowed ? MARK_DIAMOND : MARK_NONE;
    if (IsSubTypeKind())
        return m_bDefinite ? MARK_CIRCLE_DOUBLE_BAR : MARK_CIRCLE_BAR;
    return MARK_NONE;
}

CString CRelLineObj::GetCardinalityText() const
{
    if (!IsOneToManyKind())
        return CString();
    switch (m_wCardinality) {
    case CARDINALITY_ONE_OR_MORE: return CString("P");
    case CARDINALITY_ZERO_OR_ONE: return CString("Z");
    case CARDINALITY_CONSTANT: {
        CString text;
        text.Format("%d", m_nConstant);
        return text;
    }
    default: return CString();
    }
}

BOOL CRelLineObj::GetCardinalityTextRect(CRect& rect, UINT& alignment) const
{
    if (GetCount() < 2)
        return FALSE;
    const CPoint e = GetEndPoint();
    const CPoint q = GetSecondLastPoint();
    const rellinedraw::CardinalityFrame frame = rellinedraw::CalcCardinalityFrame(e, q);
    CSize rotated;
    RotateOffsetToLine(e, q, frame.offset, rotated);
    const CPoint topLeft = e + rotated;
    rect.SetRect(topLeft.x, topLeft.y, topLeft.x + 100, topLeft.y - 40);
    alignment = frame.alignment;
    return TRUE;
}

void CRelLineObj::Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
                       CBaseDoc* document)
{
    m_dwLastDisplay = displayOptions;
    if (displayOptions & DISPLAY_IDEF_NOTATION) {
        {
            rellinedraw::MarkSwap idefMarks(*this, GetIdefMark(LINEEND_START), GetIdefMark(LINEEND_END));
            CPolyLine::Draw(pDC, zoom, FALSE);
        }
        if (displayOptions & DISPLAY_CARDINALITY)
            DrawCardinalityText(pDC, zoom);
    } else {
        CPolyLine::Draw(pDC, zoom, FALSE);
    }
    if (!IsHiddenIn(printMode)) {
        for (const DWORD part : {PART_MEMO, PART_ITEM_NAME, PART_ITEM_VALUE}) {
            if (!IsLabelShown(part))
                continue;
            CStrgObj* label = GetLabel(part);
            if (font)
                label->SetLogFont(*font);
            label->Draw(pDC, zoom, FALSE, TRUE, font, displayOptions, document);
        }
    }
    if (withHandles)
        DrawHandles(pDC, zoom, printMode);
}

void CRelLineObj::DrawCardinalityText(CDC* pDC, int zoom) const
{
    const CString text = GetCardinalityText();
    CRect rect;
    UINT alignment = 0;
    if (text.IsEmpty() || !GetCardinalityTextRect(rect, alignment))
        return;
    CStrgObj cardinality(0, rect, text);
    cardinality.SetFill(FALSE);
    cardinality.SetFormat(alignment | DT_NOCLIP);
    cardinality.SetTextColor(m_memo.GetTextColor());
    cardinality.SetFontHeight(-10);
    cardinality.Draw(pDC, zoom, FALSE, TRUE, nullptr, 0, nullptr);
}

// --- Repaint areas ------------------------------------------------------------------------------

void CRelLineObj::GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const
{
    if (IsHiddenIn(printMode))
        rect.SetRectEmpty();
    else
        GetLabelledRedrawRect(rect, zoom, FALSE);
}

void CRelLineObj::GetFullRedrawRect(CRect& rect, int zoom) const
{
    GetLabelledRedrawRect(rect, zoom, TRUE);
}

void CRelLineObj::GetLabelledRedrawRect(CRect& rect, int zoom, BOOL full) const
{
    CPolyLine::GetRedrawRect(rect, zoom);
    for (const DWORD part : {PART_MEMO, PART_ITEM_VALUE, PART_ITEM_NAME}) {
        if (!IsLabelShown(part))
            continue;
        CRect labelRect;
        if (full)
            GetLabel(part)->GetFullRedrawRect(labelRect, zoom, TRUE);
        else
            GetLabel(part)->GetRedrawRect(labelRect, zoom, TRUE);
        rellinedraw::IncludeRect(rect, labelRect);
    }
    const DWORD cardinality = DISPLAY_IDEF_NOTATION | DISPLAY_CARDINALITY;
    CRect textRect;
    UINT alignment = 0;
    if ((m_dwLastDisplay & cardinality) == cardinality && GetCardinalityTextRect(textRect, alignment))
        rellinedraw::IncludeRect(rect, textRect);
}

// --- Outlines that follow the mouse -------------------------------------------------------------

void CRelLineObj::DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    const DWORD parts = hitFlags & HIT_PARTS;
    for (const DWORD part : {PART_MEMO, PART_ITEM_NAME, PART_ITEM_VALUE})
        if (parts ? (parts & part) != 0 : IsLabelShown(part))
            GetLabel(part)->DrawMoveTracker(pDC, zoom, offset, 0, TRUE);
    if (!parts)
        CPolyLine::DrawMoveTracker(pDC, zoom, offset);
}

void CRelLineObj::DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode)
{
    if (IsHiddenIn(printMode))
        return;
    if (CStrgObj* label = GetLabel(hitCode & HIT_PARTS))
        label->DrawResizeTracker(pDC, zoom, offset, hitCode & ~(HIT_PARTS | HIT_SHAPE_HANDLE), TRUE);
    else
        CPolyLine::DrawResizeTracker(pDC, zoom, offset, hitCode);
}

void CRelLineObj::DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD index, BOOL printMode)
{
    if ((hitCode & HIT_SHAPE_HANDLE) && !(hitCode & HIT_PARTS) && !IsHiddenIn(printMode))
        CPolyLine::DrawHandleDragTracker(pDC, zoom, offset, hitCode | HIT_LINE_ORTHOGONAL, index);
}
