#include "foundation/PopupMenuArrow.h"

#include "foundation/CommandIds.h"
#include "foundation/MenuItemPainting.h"
#include "foundation/ZoomScale.h"
#include "platform/gdi/DC.h"
#include "platform/ui/SystemColors.h"

#include <iterator>

namespace PopupMenuArrowImpl {

constexpr const char8_t* kMarkNames[] = {
    u8"ﾏｰｸなし",    u8"矢印",       u8"二重矢印",       u8"点",           u8"円",     u8"矢印小",
    u8"二重矢印小", u8"矢印小＋円", u8"二重矢印小＋円", u8"縦棒",         u8"三本足", u8"縦棒＋円",
    u8"三本足＋円", u8"菱形",       u8"円＋縦棒",       u8"円＋二重縦棒",
};
constexpr int kMarkCount = int(std::size(kMarkNames));
constexpr UINT kItemWidth = 160;
constexpr int kSampleLength = 32;

// One end of the sample line: its point P, the direction into the line (+1 at the start, -1 at
// the end), the mark sizes in pixels and whether marks are filled.
struct MarkEnd
{
    CDC& dc;
    CPoint p;
    int dir;
    CSize large; // length, half width
    CSize small;
    BOOL fill;

    int Y() const { return p.y; }
    // The x range [a, b] from P into the line, as the circles and bars of the marks place it.
    void Span(int a, int b, int& left, int& right) const
    {
        left = dir > 0 ? p.x + a + 1 : p.x - b;
        right = dir > 0 ? p.x + b + 1 : p.x - a;
    }
};

void EndPixel(CDC& dc, POINT point)
{
    dc.SetPixel(point, RGB(0, 0, 0));
}

void Stroke(CDC& dc, POINT from, POINT to)
{
    dc.MoveTo(from);
    dc.LineTo(to);
    EndPixel(dc, to);
}

// An arrow head with its tip shifted along the line; filled when the marks are filled.
void ArrowHead(const MarkEnd& end, CSize size, int shift)
{
    const CPoint tip(end.p.x + end.dir * shift, end.Y());
    const POINT points[] = {{tip.x + end.dir * size.cx, tip.y + size.cy},
                            tip,
                            {tip.x + end.dir * size.cx, tip.y - size.cy}};
    if (end.fill) {
        CGdiObject* old = end.dc.SelectStockObject(BLACK_BRUSH);
        end.dc.Polygon(points, 3);
        end.dc.SelectObject(old);
        return;
    }
    end.dc.Polyline(points, 3);
    EndPixel(end.dc, points[2]);
}

void Circle(CDC& dc, int left, int top, int right, int bottom, int brush)
{
    CGdiObject* old = dc.SelectStockObject(brush);
    dc.Ellipse(left, top, right, bottom);
    dc.SelectObject(old);
}

// The small hollow circle that follows the arrow heads and bars, a to b from P.
void SmallCircle(const MarkEnd& end, int a, int b)
{
    int left = 0, right = 0;
    end.Span(a, b, left, right);
    Circle(end.dc, left, end.Y() - end.small.cy, right, end.Y() + end.small.cy + 1, NULL_BRUSH);
}

// A dot or circle of a fixed size, touching P.
void EndCircle(const MarkEnd& end, int width, int top, int bottom, int brush)
{
    const int left = end.dir > 0 ? end.p.x : end.p.x - width;
    Circle(end.dc, left, end.Y() - top, left + width, end.Y() + bottom, brush);
}

void Bar(const MarkEnd& end, int a)
{
    int x = 0, unused = 0;
    end.Span(a, a, x, unused);
    Stroke(end.dc, CPoint(x, end.Y() - end.small.cy), CPoint(x, end.Y() + end.small.cy + 1));
}

// Draws mark i at the end and returns how far the sample line starts inside P.
int DrawMark(const MarkEnd& end, int mark)
{
    const CSize& ls = end.small;
    const int y = end.Y();
    const int d = end.dir;
    switch (mark) {
    case 1: ArrowHead(end, end.large, 0); break;
    case 2:
        ArrowHead(end, end.large, 0);
        ArrowHead(end, end.large, 2 * end.large.cx / 3);
        break;
    case 3: EndCircle(end, 4, 2, 3, BLACK_BRUSH); return 2;
    case 4: EndCircle(end, 8, 4, 5, end.fill ? BLACK_BRUSH : NULL_BRUSH); return 4;
    case 5:
    case 7:
        ArrowHead(end, ls, 0);
        if (mark == 7)
            SmallCircle(end, ls.cx, 3 * ls.cx);
        break;
    case 6:
    case 8:
        ArrowHead(end, ls, 0);
        ArrowHead(end, ls, ls.cx);
        if (mark == 8)
            SmallCircle(end, 2 * ls.cx, 4 * ls.cx);
        break;
    case 9:
    case 11:
        Stroke(end.dc, CPoint(end.p.x + d * ls.cx, y + ls.cy), CPoint(end.p.x + d * ls.cx, y - ls.cy));
        if (mark == 11)
            SmallCircle(end, ls.cx, 3 * ls.cx);
        break;
    case 10:
    case 12: {
        const POINT points[] = {{end.p.x, y + ls.cy}, {end.p.x + d * ls.cx, y}, {end.p.x, y - ls.cy}};
        end.dc.Polyline(points, 3);
        EndPixel(end.dc, points[2]);
        if (mark == 12)
            SmallCircle(end, ls.cx, 3 * ls.cx);
        break;
    }
    case 13: {
        const POINT points[] = {end.p,
                                {end.p.x + d * ls.cx, y + ls.cy},
                                {end.p.x + 2 * d * ls.cx, y},
                                {end.p.x + d * ls.cx, y - ls.cy}};
        CGdiObject* old = end.dc.SelectStockObject(end.fill ? BLACK_BRUSH : NULL_BRUSH);
        end.dc.Polygon(points, 4);
        end.dc.SelectObject(old);
        return 2 * ls.cx;
    }
    case 14:
    case 15:
        SmallCircle(end, ls.cx, 3 * ls.cx);
        Bar(end, 3 * ls.cx);
        if (mark == 15)
            Bar(end, 4 * ls.cx);
        break;
    default: break;
    }
    return 0;
}

} // namespace PopupMenuArrowImpl

CString CPopupMenuArrow::GetMarkName(int mark)
{
    if (mark < 0 || mark >= PopupMenuArrowImpl::kMarkCount)
        return CString();
    return CString(PopupMenuArrowImpl::kMarkNames[mark]);
}

void CPopupMenuArrow::BuildArrowMenu(BOOL start, BOOL fill)
{
    m_bStart = start;
    m_bFill = fill;
    CreatePopupMenu();
    const UINT base = start ? ID_ARROW_START_BASE : ID_ARROW_END_BASE;
    for (int mark = 0; mark < PopupMenuArrowImpl::kMarkCount; ++mark)
        AppendOwnerDrawItem(base + UINT(mark), 0);
}

void CPopupMenuArrow::MeasureItem(MEASUREITEMSTRUCT* item)
{
    item->itemWidth = PopupMenuArrowImpl::kItemWidth;
    item->itemHeight = UINT(GetSystemMetrics(SM_CYMENU));
}

void CPopupMenuArrow::DrawItem(DRAWITEMSTRUCT* item)
{
    const int mark = int(item->itemID) - int(m_bStart ? ID_ARROW_START_BASE : ID_ARROW_END_BASE);
    const RECT& r = item->rcItem;
    const int height = r.bottom - r.top;
    const int x0 = r.left + height - 4;
    const int y = r.top + 1 + (height - 2) / 2;
    // The picture follows the id: the start marks sit at the sample's left end, the end marks at
    // its right end.
    const BOOL atStart = item->itemID < ID_ARROW_END_BASE;
    const BOOL fill = m_bFill;
    const auto picture = [x0, y, atStart, fill, mark](CDC& dc) {
        CSize large, small;
        TenthMmSizeToDevice(large, &dc, CSize(30, 10));
        TenthMmSizeToDevice(small, &dc, CSize(10, 10));
        CPoint from(x0 + 6, y);
        CPoint to(x0 + 6 + PopupMenuArrowImpl::kSampleLength, y);
        CGdiObject* oldPen = dc.SelectStockObject(BLACK_PEN);
        const PopupMenuArrowImpl::MarkEnd end{dc, atStart ? from : to, atStart ? 1 : -1, large, small, fill};
        const int inset = PopupMenuArrowImpl::DrawMark(end, mark);
        (atStart ? from.x : to.x) += end.dir * inset;
        PopupMenuArrowImpl::Stroke(dc, from, to);
        dc.SelectObject(oldPen);
    };
    const auto check = [&r, x0](CDC& dc) { DrawBoxCheckMark(dc, r, x0); };
    PaintMenuItem(*item, GetMarkName(mark), CRect(x0 + 44, r.top + 2, r.right, r.bottom - 2), picture, check);
}
