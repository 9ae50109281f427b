#include "foundation/SymbolCanvas.h"

#include "foundation/Geometry.h"
#include "foundation/ZoomScale.h"

#include "platform/gdi/DC.h"

#include <vector>

SymbolCanvas::SymbolCanvas(CDC* dc, int zoom, POINT origin, SIZE size, COLORREF penColor, const LOGFONT& font,
                           DWORD flags)
    : m_dc(dc),
      m_zoom(zoom),
      m_scale(ScaleSymbol(zoom, origin, size, font)),
      m_unscaledH(size.cy),
      m_penColor(penColor),
      m_font(font),
      m_flags(flags),
      m_pen(dc, penColor)
{
}

int SymbolCanvas::S(int value) const
{
    ScaleValueByZoom(value, m_zoom);
    return value;
}

CRect SymbolCanvas::At(const RECT& rect) const
{
    return {rect.left + m_scale.x, rect.top + m_scale.y, rect.right + m_scale.x, rect.bottom + m_scale.y};
}

CPoint SymbolCanvas::At(POINT point) const
{
    return {point.x + m_scale.x, point.y + m_scale.y};
}

void SymbolCanvas::EraseBox() const
{
    EraseRect({0, 0, W(), H()});
}

void SymbolCanvas::FramedBox() const
{
    const CRect box = At(RECT{0, 0, W(), H()});
    DrawWhiteFramedRect(m_dc, box.left, box.top, box.right, box.bottom, m_penColor, m_flags);
}

void SymbolCanvas::EraseRect(const RECT& rect) const
{
    EraseRectToWhite(m_dc, At(rect), m_flags);
}

void SymbolCanvas::Lines(std::initializer_list<POINT> points) const
{
    const POINT* point = points.begin();
    m_dc->MoveTo(At(*point));
    for (++point; point != points.end(); ++point)
        m_dc->LineTo(At(*point));
}

void SymbolCanvas::Line(int x1, int y1, int x2, int y2) const
{
    Lines({{x1, y1}, {x2, y2}});
}

void SymbolCanvas::Arc(const RECT& rect, POINT start, POINT end) const
{
    m_dc->Arc(At(rect), At(start), At(end));
}

void SymbolCanvas::Ellipse(const RECT& rect) const
{
    m_dc->Ellipse(At(rect));
}

void SymbolCanvas::Rectangle(const RECT& rect) const
{
    m_dc->Rectangle(At(rect));
}

void SymbolCanvas::RoundRect(const RECT& rect, int corner) const
{
    m_dc->RoundRect(At(rect), CPoint(corner, corner));
}

void SymbolCanvas::Bezier(std::initializer_list<POINT> points) const
{
    std::vector<POINT> placed;
    for (const POINT& point : points)
        placed.push_back(At(point));
    m_dc->PolyBezier(placed.data(), int(placed.size()));
}

void SymbolCanvas::WhitePatch(const RECT& rect) const
{
    PenBrushRestorer restorer(m_dc);
    m_dc->SelectStockObject(NULL_PEN);
    m_dc->SelectStockObject(WHITE_BRUSH);
    m_dc->Rectangle(At(rect));
}

void SymbolCanvas::BandLine(int x1, int x2) const
{
    Line(x1, -m_scale.b + 1, x2, -m_scale.b + 1);
}

int SymbolCanvas::Inset(const RECT& rect, int depth)
{
    return EllipseInsetAtY(rect, depth);
}

void SymbolCanvas::Text(const CString& text, const RECT& rect, UINT format) const
{
    DrawSymbolText(m_dc, text, At(rect), format, m_scale.h, m_font, m_flags);
}
