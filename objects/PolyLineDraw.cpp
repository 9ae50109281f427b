// CPolyLine: drawing the line and its line-end marks. Everything is drawn in zoomed coordinates;
// the device context carries no zoom.
#include "objects/PolyLine.h"

#include "foundation/Geometry.h"
#include "foundation/ZoomScale.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"

#include <algorithm>

namespace polylinedraw {

// Selects a pen and a brush (the null brush when none is given) and puts back what it found.
// Declare it after the pen and brush it selects.
class Selection
{
public:
    Selection(CDC* dc, CPen* pen, CBrush* brush) : m_dc(dc), m_oldPen(dc->SelectObject(pen))
    {
        if (!brush) {
            m_hollow.CreateStockObject(NULL_BRUSH);
            brush = &m_hollow;
        }
        m_oldBrush = dc->SelectObject(brush);
    }
    ~Selection()
    {
        m_dc->SelectObject(m_oldBrush);
        m_dc->SelectObject(m_oldPen);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    CDC* m_dc;
    CPen* m_oldPen;
    CBrush m_hollow;
    CBrush* m_oldBrush = nullptr;
};

// A stored width of 0 or 1 is drawn as it is; a wider one scales with the zoom, to at least 1.
int ZoomedPenWidth(int width, int zoom)
{
    if (width <= 1)
        return width;
    ScaleValueByZoom(width, zoom);
    return std::max(width, 1);
}

CSize ZoomedSize(int cx, int cy, int zoom)
{
    CPoint size(cx, cy);
    ScalePointByZoom(size, zoom);
    return CSize(size.x, size.y);
}

// The offset (d, s) at an end, rotated to the line from p to q: into the line at the start, and
// the mirrored offset (-d, -s) at the end.
CSize OffsetAtEnd(LineEnd end, POINT p, POINT q, SIZE offset)
{
    CSize atFirst, atSecond;
    CalcEndOffsetRotated(p, q, end, offset, atFirst, atSecond);
    return end == LINEEND_START ? atFirst : atSecond;
}

// Inset of the line at a solid mark, in 0.1 mm (0 for any other mark).
int MarkInset(WORD mark, BOOL filledMark)
{
    switch (mark) {
    case MARK_DIAMOND: return 16;
    case MARK_DOT: return 6;
    case MARK_SMALL_ARROW:
    case MARK_SMALL_ARROW_CIRCLE: return 10;
    case MARK_SMALL_DOUBLE_ARROW:
    case MARK_SMALL_DOUBLE_ARROW_CIRCLE: return 20;
    case MARK_ARROW: return 30;
    case MARK_DOUBLE_ARROW: return 50;
    case MARK_CIRCLE: return filledMark ? 10 : 20;
    default: return 0;
    }
}

// How far inward the centre of a mark's circle or dot lies; 0 for a mark without one.
int CircleCentreDistance(WORD mark)
{
    switch (mark) {
    case MARK_DOT: return 6;
    case MARK_CIRCLE: return 10;
    case MARK_SMALL_ARROW_CIRCLE:
    case MARK_BAR_CIRCLE:
    case MARK_THREE_LEGS_CIRCLE: return 18;
    case MARK_SMALL_DOUBLE_ARROW_CIRCLE: return 28;
    case MARK_CIRCLE_BAR:
    case MARK_CIRCLE_DOUBLE_BAR: return 20;
    default: return 0;
    }
}

int CircleRadius(WORD mark)
{
    switch (mark) {
    case MARK_DOT: return 6;
    case MARK_CIRCLE:
    case MARK_CIRCLE_BAR:
    case MARK_CIRCLE_DOUBLE_BAR: return 10;
    default: return 8;
    }
}

} // namespace polylinedraw

// --- Mark constructions -----------------------------------------------------------------------

void CPolyLine::GetEndSegment(LineEnd end, CPoint& p, CPoint& q) const
{
    if (end == LINEEND_START) {
        p = GetStartPoint();
        q = GetSecondPoint();
    } else {
        p = GetSecondLastPoint();
        q = GetEndPoint();
    }
}

int CPolyLine::CalcArrowHeads(LineEnd end, int zoom, POINT heads[2][3]) const
{
    CPoint p, q;
    GetEndSegment(end, p, q);
    ScalePointByZoom(p, zoom);
    ScalePointByZoom(q, zoom);
    const CPoint e = end == LINEEND_START ? p : q;
    const CSize size =
        IsSmallArrowMark(end) ? polylinedraw::ZoomedSize(10, 10, zoom) : polylinedraw::ZoomedSize(30, 10, zoom);
    POINT barbsAtFirst[2] = {}, barbsAtSecond[2] = {};
    CalcArrowBarbPoints(p, q, end, size, barbsAtFirst, barbsAtSecond);
    const POINT* barbs = end == LINEEND_START ? barbsAtFirst : barbsAtSecond;
    heads[0][0] = barbs[0];
    heads[0][1] = e;
    heads[0][2] = barbs[1];
    if (!IsDoubleArrowMark(end))
        return 1;
    CSize atFirst, atSecond;
    if (GetMark(end) == MARK_DOUBLE_ARROW)
        CalcEndOffsetTwoThirds(p, q, end, size, atFirst, atSecond);
    else
        CalcEndOffsetAlongLine(p, q, end, size, atFirst, atSecond);
    const CSize shift = end == LINEEND_START ? atFirst : atSecond;
    for (int i = 0; i < 3; ++i)
        heads[1][i] = CPoint(heads[0][i]) + shift;
    return 2;
}

void CPolyLine::CalcDiamondPoints(LineEnd end, int zoom, POINT points[4]) const
{
    CPoint p, q;
    GetEndSegment(end, p, q);
    const CPoint e = end == LINEEND_START ? p : q;
    points[0] = e + polylinedraw::OffsetAtEnd(end, p, q, CSize(16, 0));
    points[1] = e + polylinedraw::OffsetAtEnd(end, p, q, CSize(8, 8));
    points[2] = e;
    points[3] = e + polylinedraw::OffsetAtEnd(end, p, q, CSize(8, -8));
    for (int i = 0; i < 4; ++i)
        ScalePointByZoom(points[i], zoom);
}

BOOL CPolyLine::CalcMarkInset(LineEnd end, int zoom, CSize& inset) const
{
    if (!IsSolidMark(end))
        return FALSE;
    CPoint p, q;
    GetEndSegment(end, p, q);
    CPoint offset(
        polylinedraw::OffsetAtEnd(end, p, q, CSize(polylinedraw::MarkInset(GetMark(end), IsFilledMark(end)), 0)));
    ScalePointByZoom(offset, zoom);
    inset = CSize(offset.x, offset.y);
    return TRUE;
}

namespace polylinedraw {

// A zoomed offset (d, s) at the zoomed end of the line: E + the offset rotated.
CPoint ZoomedPointAtEnd(const CPolyLine& line, LineEnd end, int zoom, int d, int s)
{
    CPoint p, q;
    line.GetEndSegment(end, p, q);
    ScalePointByZoom(p, zoom);
    ScalePointByZoom(q, zoom);
    const CPoint e = end == LINEEND_START ? p : q;
    return e + OffsetAtEnd(end, p, q, ZoomedSize(d, s, zoom));
}

} // namespace polylinedraw

CPoint CPolyLine::CalcMarkCircleCenter(LineEnd end, int zoom) const
{
    const int d = polylinedraw::CircleCentreDistance(GetMark(end));
    return d ? polylinedraw::ZoomedPointAtEnd(*this, end, zoom, d, 0) : CPoint();
}

CRect CPolyLine::CalcMarkCircleRect(LineEnd end, int zoom) const
{
    const CPoint centre = CalcMarkCircleCenter(end, zoom);
    int radius = polylinedraw::CircleRadius(GetMark(end));
    ScaleValueByZoom(radius, zoom);
    return CRect(centre.x - radius, centre.y + radius, centre.x + radius, centre.y - radius);
}

void CPolyLine::CalcBarPoints(LineEnd end, int zoom, POINT bar[2]) const
{
    const WORD mark = GetMark(end);
    const int d = mark == MARK_CIRCLE_BAR || mark == MARK_CIRCLE_DOUBLE_BAR ? 30 : 10;
    bar[0] = polylinedraw::ZoomedPointAtEnd(*this, end, zoom, d, 10);
    bar[1] = polylinedraw::ZoomedPointAtEnd(*this, end, zoom, d, -10);
}

void CPolyLine::CalcSecondBarPoints(LineEnd end, int zoom, POINT bar[2]) const
{
    bar[0] = polylinedraw::ZoomedPointAtEnd(*this, end, zoom, 38, 10);
    bar[1] = polylinedraw::ZoomedPointAtEnd(*this, end, zoom, 38, -10);
}

void CPolyLine::CalcThreeLegPoints(LineEnd end, int zoom, POINT legs[3]) const
{
    legs[0] = polylinedraw::ZoomedPointAtEnd(*this, end, zoom, 0, 10);
    legs[1] = polylinedraw::ZoomedPointAtEnd(*this, end, zoom, 10, 0);
    legs[2] = polylinedraw::ZoomedPointAtEnd(*this, end, zoom, 0, -10);
}

// --- Drawing ----------------------------------------------------------------------------------

void CPolyLine::Draw(CDC* pDC, int zoom, BOOL withHandles)
{
    const int zoomedWidth = polylinedraw::ZoomedPenWidth(m_nPenWidth, zoom);
    std::vector<CPoint> points = GetPointArray();
    if (points.empty())
        return;
    for (CPoint& p : points)
        ScalePointByZoom(p, zoom);
    CSize inset;
    if (CalcMarkInset(LINEEND_START, zoom, inset))
        points.front() += inset;
    if (CalcMarkInset(LINEEND_END, zoom, inset))
        points.back() += inset;
    DrawShape(pDC, points, zoomedWidth);
    DrawMark(pDC, LINEEND_START, zoom, zoomedWidth);
    DrawMark(pDC, LINEEND_END, zoom, zoomedWidth);
    if (withHandles)
        DrawHandles(pDC, zoom);
}

void CPolyLine::DrawShape(CDC* pDC, const std::vector<CPoint>& points, int zoomedWidth) const
{
    // A wide pen is always solid; a thin broken pen is one pixel wide.
    const int style = zoomedWidth < 2 ? m_nPenStyle : PS_SOLID;
    CPen pen(style, style != PS_SOLID ? 0 : zoomedWidth, m_crPen);
    const int oldBkMode = pDC->SetBkMode(TRANSPARENT);
    const int count = int(points.size());
    if (IsValidBezier()) {
        polylinedraw::Selection selection(pDC, &pen, nullptr);
        pDC->PolyBezier(points.data(), count);
    } else if (!IsFilled() || count < 3) {
        polylinedraw::Selection selection(pDC, &pen, nullptr);
        if (IsClosed())
            pDC->Polygon(points.data(), count);
        else
            pDC->Polyline(points.data(), count);
    } else {
        CBrush brush(m_crFill);
        const int oldFillMode = pDC->SetPolyFillMode(m_nFillMode);
        if (IsClosed()) {
            polylinedraw::Selection selection(pDC, &pen, &brush);
            pDC->Polygon(points.data(), count);
        } else {
            // The area is filled without its closing edge being stroked.
            CPen nullPen;
            nullPen.CreateStockObject(NULL_PEN);
            {
                polylinedraw::Selection selection(pDC, &nullPen, &brush);
                pDC->Polygon(points.data(), count);
            }
            polylinedraw::Selection selection(pDC, &pen, nullptr);
            pDC->Polyline(points.data(), count);
        }
        pDC->SetPolyFillMode(oldFillMode);
    }
    pDC->SetBkMode(oldBkMode);
}

void CPolyLine::DrawMark(CDC* pDC, LineEnd end, int zoom, int zoomedWidth) const
{
    POINT bar[2];
    switch (GetMark(end)) {
    case MARK_ARROW:
    case MARK_DOUBLE_ARROW:
    case MARK_SMALL_ARROW:
    case MARK_SMALL_DOUBLE_ARROW: DrawArrowMark(pDC, end, zoom, zoomedWidth); break;
    case MARK_DOT: {
        CPen pen(PS_SOLID, 0, m_crPen);
        CBrush brush(m_crPen);
        polylinedraw::Selection selection(pDC, &pen, &brush);
        pDC->Ellipse(CalcMarkCircleRect(end, zoom));
        break;
    }
    case MARK_CIRCLE: DrawMarkCircle(pDC, end, zoom, zoomedWidth, FALSE); break;
    case MARK_SMALL_ARROW_CIRCLE:
    case MARK_SMALL_DOUBLE_ARROW_CIRCLE:
        DrawArrowMark(pDC, end, zoom, zoomedWidth);
        DrawMarkCircle(pDC, end, zoom, zoomedWidth, TRUE);
        break;
    case MARK_BAR:
    case MARK_BAR_CIRCLE:
    case MARK_CIRCLE_BAR:
        CalcBarPoints(end, zoom, bar);
        DrawBar(pDC, bar, zoomedWidth);
        if (GetMark(end) != MARK_BAR)
            DrawMarkCircle(pDC, end, zoom, zoomedWidth, TRUE);
        break;
    case MARK_THREE_LEGS: DrawThreeLegMark(pDC, end, zoom, zoomedWidth); break;
    case MARK_THREE_LEGS_CIRCLE:
        DrawThreeLegMark(pDC, end, zoom, zoomedWidth);
        DrawMarkCircle(pDC, end, zoom, zoomedWidth, TRUE);
        break;
    case MARK_DIAMOND: DrawDiamondMark(pDC, end, zoom, zoomedWidth); break;
    case MARK_CIRCLE_DOUBLE_BAR:
        CalcBarPoints(end, zoom, bar);
        DrawBar(pDC, bar, zoomedWidth);
        DrawMarkCircle(pDC, end, zoom, zoomedWidth, TRUE);
        CalcSecondBarPoints(end, zoom, bar);
        DrawBar(pDC, bar, zoomedWidth);
        break;
    default: break;
    }
}

void CPolyLine::DrawArrowMark(CDC* pDC, LineEnd end, int zoom, int zoomedWidth) const
{
    POINT heads[2][3];
    int count = CalcArrowHeads(end, zoom, heads);
    // A spline's end direction is that of its control polygon, which a second head would not follow.
    if (IsValidBezier())
        count = 1;
    if (IsFilledMark(end)) {
        CPen pen(PS_SOLID, 0, m_crPen);
        CBrush brush(m_crPen);
        polylinedraw::Selection selection(pDC, &pen, &brush);
        for (int i = 0; i < count; ++i)
            pDC->Polygon(heads[i], 3);
        return;
    }
    CPen pen(PS_SOLID, zoomedWidth, m_crPen);
    polylinedraw::Selection selection(pDC, &pen, nullptr);
    for (int i = 0; i < count; ++i) {
        pDC->Polyline(heads[i], 3);
        pDC->SetPixel(heads[i][2], m_crPen); // a polyline leaves its last pixel out
    }
}

void CPolyLine::DrawMarkCircle(CDC* pDC, LineEnd end, int zoom, int zoomedWidth, BOOL hollow) const
{
    CPen pen(PS_SOLID, zoomedWidth, m_crPen);
    CBrush brush(m_crPen);
    polylinedraw::Selection selection(pDC, &pen, IsFilledMark(end) && !hollow ? &brush : nullptr);
    pDC->Ellipse(CalcMarkCircleRect(end, zoom));
}

void CPolyLine::DrawBar(CDC* pDC, const POINT bar[2], int zoomedWidth) const
{
    CPen pen(PS_SOLID, zoomedWidth, m_crPen);
    polylinedraw::Selection selection(pDC, &pen, nullptr);
    pDC->MoveTo(bar[0]);
    pDC->LineTo(bar[1]);
    pDC->SetPixel(bar[1], m_crPen);
}

void CPolyLine::DrawThreeLegMark(CDC* pDC, LineEnd end, int zoom, int zoomedWidth) const
{
    POINT legs[3];
    CalcThreeLegPoints(end, zoom, legs);
    CPen pen(PS_SOLID, zoomedWidth, m_crPen);
    polylinedraw::Selection selection(pDC, &pen, nullptr);
    pDC->MoveTo(legs[0]);
    pDC->LineTo(legs[1]);
    pDC->LineTo(legs[2]);
    pDC->SetPixel(legs[2], m_crPen);
}

void CPolyLine::DrawDiamondMark(CDC* pDC, LineEnd end, int zoom, int zoomedWidth) const
{
    POINT points[4];
    CalcDiamondPoints(end, zoom, points);
    const BOOL filled = IsFilledMark(end);
    CPen pen(PS_SOLID, filled ? 0 : zoomedWidth < 3 ? 2 : zoomedWidth, m_crPen);
    CBrush brush(m_crPen);
    polylinedraw::Selection selection(pDC, &pen, filled ? &brush : nullptr);
    pDC->Polygon(points, 4);
}
