#include "foundation/Trackers.h"

#include "platform/gdi/DC.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace trackers_cpp {

constexpr COLORREF kSilver = 0xC0C0C0;
constexpr COLORREF kBlack = 0x000000;

// Selects a pen and a brush with the XOR raster operation and puts back what it found.
// Declare it after the pen and brush it selects, so that it lets go of them before they die.
class XorSelection
{
public:
    XorSelection(CDC* dc, CPen* pen, CBrush* brush)
        : m_dc(dc),
          m_oldPen(dc->SelectObject(pen)),
          m_oldBrush(dc->SelectObject(brush)),
          m_oldRop(dc->SetROP2(R2_XORPEN))
    {
    }
    ~XorSelection()
    {
        m_dc->SetROP2(m_oldRop);
        m_dc->SelectObject(m_oldBrush);
        m_dc->SelectObject(m_oldPen);
    }
    XorSelection(const XorSelection&) = delete;
    XorSelection& operator=(const XorSelection&) = delete;

private:
    CDC* m_dc;
    CPen* m_oldPen;
    CBrush* m_oldBrush;
    int m_oldRop;
};

// Runs the drawing with a one-pixel pen of that style and colour, no fill and the XOR operation.
template <typename Draw>
void WithOutlinePen(CDC* dc, int style, COLORREF color, Draw draw)
{
    CPen pen(style, 0, color);
    CBrush hollow;
    hollow.CreateStockObject(NULL_BRUSH);
    XorSelection selection(dc, &pen, &hollow);
    draw();
}

// One side of a handle, held within 32 bits for a centre at the edge of the coordinate range.
LONG HandleSide(LONG centre, int offset)
{
    return LONG(std::clamp<long long>((long long)centre + offset, INT_MIN, INT_MAX));
}

RECT HandleRect(POINT centre)
{
    return {HandleSide(centre.x, -HANDLE_HALF_SIZE), HandleSide(centre.y, HANDLE_HALF_SIZE),
            HandleSide(centre.x, HANDLE_HALF_SIZE), HandleSide(centre.y, -HANDLE_HALF_SIZE)};
}

void Rect(CDC* dc, const RECT& rect, int style, COLORREF color)
{
    WithOutlinePen(dc, style, color, [&] { dc->Rectangle(&rect); });
}

void Line(CDC* dc, int x1, int y1, int x2, int y2, int style, COLORREF color)
{
    WithOutlinePen(dc, style, color, [&] {
        dc->MoveTo(x1, y1);
        dc->LineTo(x2, y2);
    });
}

void RoundRect(CDC* dc, const RECT& rect, SIZE corner, int style, COLORREF color)
{
    WithOutlinePen(dc, style, color,
                   [&] { dc->RoundRect(rect.left, rect.top, rect.right, rect.bottom, corner.cx, corner.cy); });
}

void Ellipse(CDC* dc, const RECT& bounds, int style, COLORREF color)
{
    WithOutlinePen(dc, style, color, [&] { dc->Ellipse(&bounds); });
}

void Arc(CDC* dc, const RECT& bounds, POINT start, POINT end, WORD kind, int style, COLORREF color)
{
    WithOutlinePen(dc, style, color, [&] {
        if (kind == 2)
            dc->Chord(&bounds, start, end);
        else if (kind == 3)
            dc->Pie(&bounds, start, end);
        else
            dc->Arc(&bounds, start, end);
    });
}

void Polygon(CDC* dc, const POINT* points, int count, int style, COLORREF color)
{
    WithOutlinePen(dc, style, color, [&] { dc->Polygon(points, count); });
}

// Restores the brush it found once the bands are painted.
class BrushSelection
{
public:
    BrushSelection(CDC* dc, CBrush* brush) : m_dc(dc), m_old(dc->SelectObject(brush)) {}
    ~BrushSelection() { m_dc->SelectObject(m_old); }
    BrushSelection(const BrushSelection&) = delete;
    BrushSelection& operator=(const BrushSelection&) = delete;

private:
    CDC* m_dc;
    CBrush* m_old;
};

// One device pixel in 0.1 mm along an axis, from the device's size and resolution.
double TenthMmPerPixel(CDC* dc, int sizeIndex, int resolutionIndex)
{
    const int resolution = dc->GetDeviceCaps(resolutionIndex);
    // A device that reports no resolution is taken as a 96 dpi screen.
    return resolution > 0 ? dc->GetDeviceCaps(sizeIndex) * 10.0 / resolution : 254.0 / 96.0;
}

} // namespace trackers_cpp

void DrawHandleSquare(CDC* dc, POINT centre)
{
    CPen pen;
    pen.CreateStockObject(WHITE_PEN);
    CBrush brush;
    brush.CreateStockObject(WHITE_BRUSH);
    trackers_cpp::XorSelection selection(dc, &pen, &brush);
    const RECT handle = trackers_cpp::HandleRect(centre);
    dc->Rectangle(&handle);
}

void DrawRectHandles(CDC* dc, const RECT& rect)
{
    DrawHandleSquare(dc, {rect.left, rect.top});
    // Formed in 64 bits: the rectangle may span more than 32 bits at a high zoom.
    const long long width = (long long)rect.right - rect.left, height = (long long)rect.bottom - rect.top;
    if (std::llabs(width) < HANDLE_HALF_SIZE && std::llabs(height) < HANDLE_HALF_SIZE)
        return;
    const int midX = int(((long long)rect.left + rect.right) / 2);
    const int midY = int(((long long)rect.top + rect.bottom) / 2);
    for (const POINT centre :
         {POINT{rect.right, rect.top}, POINT{rect.left, rect.bottom}, POINT{rect.right, rect.bottom},
          POINT{rect.left, midY}, POINT{rect.right, midY}, POINT{midX, rect.top}, POINT{midX, rect.bottom}})
        DrawHandleSquare(dc, centre);
}

void DrawPatternHandle(CDC* dc, POINT centre, UINT bitmapId, COLORREF frameColor)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(bitmapId))
        return;
    CBrush brush(&bitmap);
    CPen pen(PS_SOLID, 0, frameColor);
    trackers_cpp::XorSelection selection(dc, &pen, &brush);
    const RECT handle = trackers_cpp::HandleRect(centre);
    dc->Rectangle(&handle);
}

void DrawTrackerRect(CDC* dc, const RECT& rect)
{
    trackers_cpp::Rect(dc, rect, PS_DOT, trackers_cpp::kBlack);
}

void DrawTrackerRectColor(CDC* dc, const RECT& rect, COLORREF color)
{
    trackers_cpp::Rect(dc, rect, PS_SOLID, color);
}

void DrawTrackerLine(CDC* dc, int x1, int y1, int x2, int y2)
{
    trackers_cpp::Line(dc, x1, y1, x2, y2, PS_DOT, trackers_cpp::kBlack);
}

void DrawTrackerLineColor(CDC* dc, int x1, int y1, int x2, int y2, COLORREF color)
{
    trackers_cpp::Line(dc, x1, y1, x2, y2, PS_SOLID, color);
}

void DrawTrackerRoundRect(CDC* dc, const RECT& rect, SIZE corner)
{
    trackers_cpp::RoundRect(dc, rect, corner, PS_DOT, trackers_cpp::kBlack);
}

void DrawTrackerRoundRectColor(CDC* dc, const RECT& rect, SIZE corner, COLORREF color)
{
    trackers_cpp::RoundRect(dc, rect, corner, PS_SOLID, color);
}

void DrawTrackerRoundRectAuto(CDC* dc, const RECT& rect)
{
    const int corner = int(std::min(((long long)rect.right - rect.left) / 4, ((long long)rect.bottom - rect.top) / 4));
    DrawTrackerRoundRect(dc, rect, CSize(corner, corner));
}

void DrawTrackerEllipse(CDC* dc, const RECT& bounds)
{
    trackers_cpp::Ellipse(dc, bounds, PS_DOT, trackers_cpp::kBlack);
}

void DrawTrackerEllipseColor(CDC* dc, const RECT& bounds, COLORREF color)
{
    trackers_cpp::Ellipse(dc, bounds, PS_SOLID, color);
}

void DrawTrackerArc(CDC* dc, const RECT& bounds, POINT start, POINT end, WORD kind)
{
    trackers_cpp::Arc(dc, bounds, start, end, kind, PS_DOT, trackers_cpp::kBlack);
}

void DrawTrackerArcColor(CDC* dc, const RECT& bounds, POINT start, POINT end, WORD kind, COLORREF color)
{
    trackers_cpp::Arc(dc, bounds, start, end, kind, PS_SOLID, color);
}

void DrawTrackerPolygon(CDC* dc, const POINT* points, int count)
{
    trackers_cpp::Polygon(dc, points, count, PS_DOT, trackers_cpp::kBlack);
}

void DrawTrackerPolygonColor(CDC* dc, const POINT* points, int count, COLORREF color)
{
    trackers_cpp::Polygon(dc, points, count, PS_SOLID, color);
}

void DrawTrackerPolylineColor(CDC* dc, const POINT* points, int count, COLORREF color)
{
    trackers_cpp::WithOutlinePen(dc, PS_SOLID, color, [&] { dc->Polyline(points, count); });
}

void DrawTrackerPolyline(CDC* dc, const POINT* points, int count)
{
    trackers_cpp::WithOutlinePen(dc, PS_DOT, trackers_cpp::kBlack, [&] { dc->Polyline(points, count); });
}

void DrawTrackerBezier(CDC* dc, const POINT* points, int count)
{
    trackers_cpp::WithOutlinePen(dc, PS_DOT, trackers_cpp::kBlack, [&] { dc->PolyBezier(points, count); });
}

void DrawHatchedFrame(CDC* dc, const RECT& rect, int bandPixels)
{
    if (bandPixels < 3) {
        DrawTrackerRectColor(dc, rect, trackers_cpp::kSilver);
        return;
    }
    CSize band;
    PixelSpanInTenthMm(band, dc, bandPixels);
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(IDB_HATCHED_FRAME))
        return;
    CBrush brush(&bitmap);
    trackers_cpp::BrushSelection selection(dc, &brush);
    const int width = rect.right - rect.left;
    const int sideHeight = rect.bottom - rect.top + 2 * band.cy;
    // Heights are negative with y up; the side bands fill exactly the part between the top and
    // bottom bands, so no pixel is inverted twice.
    dc->PatBlt(rect.left, rect.top, width, -band.cy, PATINVERT);
    dc->PatBlt(rect.left, rect.bottom + band.cy, width, -band.cy, PATINVERT);
    dc->PatBlt(rect.left, rect.top - band.cy, band.cx, sideHeight, PATINVERT);
    dc->PatBlt(rect.right - band.cx, rect.top - band.cy, band.cx, sideHeight, PATINVERT);
}

CSize& PixelSpanInTenthMm(CSize& out, CDC* dc, int pixels)
{
    out = CSize(int(trackers_cpp::TenthMmPerPixel(dc, HORZSIZE, HORZRES) * pixels + 1),
                int(trackers_cpp::TenthMmPerPixel(dc, VERTSIZE, VERTRES) * pixels + 1));
    return out;
}
