#include "foundation/FileTypeMarks.h"

#include "foundation/SymbolPrimitives.h"
#include "foundation/ZoomScale.h"

#include "platform/gdi/DC.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/Wnd.h"

#include <initializer_list>

namespace file_type_marks_cpp {

// The mark's rectangle with its edge pull-in: the platform draws right and bottom edges
// exclusively, so diagonals and edge strokes end d inside them (0 in the pixel mapping of menus).
struct MarkFrame
{
    int L, T, R, B;
    int w, h;
    int d;
};

void Line(CDC* dc, int x1, int y1, int x2, int y2)
{
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
}

// Runs the drawing of one shape with a solid brush of the mark colour, then selects no brush again.
template <typename Draw>
void Filled(CDC* dc, COLORREF color, Draw draw)
{
    CBrush brush;
    if (!brush.CreateSolidBrush(color))
        return;
    dc->SelectObject(&brush);
    draw();
    dc->SelectStockObject(NULL_BRUSH);
}

void Polygon(CDC* dc, std::initializer_list<POINT> points)
{
    dc->Polygon(points.begin(), int(points.size()));
}

void DrawTextMark(CDC* dc, int zoom, const CString& text, const CRect& rect, COLORREF color, DWORD flags)
{
    LOGFONT font;
    InitDefaultLogFont(font);
    const SymbolScale scale = ScaleSymbol(zoom, {0, 0}, {0, 0}, font);
    SymbolTextScope scope(dc, font, scale.h, color);
    if (scope.IsReady())
        DrawSymbolText(dc, text, rect, SYMBOL_NAME_FORMAT, scale.h, font, flags);
}

void DrawShapeMark(CDC* dc, const MarkFrame& m, WORD markId, COLORREF color)
{
    const POINT parallelogram[] = {{m.L + m.w / 4, m.T}, {m.R, m.T}, {m.R - m.w / 4, m.B}, {m.L, m.B}};
    const POINT triangle[] = {{m.L + m.w / 2, m.T}, {m.L, m.B}, {m.R, m.B}};
    const POINT diamond[] = {{m.L, m.T + m.h / 2}, {m.L + m.w / 2, m.T}, {m.R, m.T + m.h / 2}, {m.L + m.w / 2, m.B}};
    const int midX = m.L + m.w / 2;
    const int midY = m.T + m.h / 2;
    const int right = m.R - m.d;
    const int bottom = m.B + m.d;
    // Every mark but the circles, parallelograms, triangles and diamonds starts with its outline.
    if ((markId >= 1 && markId <= 7) || markId == 12 || (markId >= 17 && markId <= 22))
        dc->Rectangle(m.L, m.T, m.R, m.B);
    switch (markId) {
    case 2: Filled(dc, color, [&] { dc->Rectangle(m.L, m.T, m.R, m.B); }); break;
    case 3:
        Line(dc, m.L, m.T, right, bottom);
        Line(dc, m.L, bottom, right, m.T);
        break;
    case 4: Line(dc, m.L, bottom, right, m.T); break;
    case 5: Line(dc, m.L, m.T, right, bottom); break;
    case 6: Filled(dc, color, [&] { Polygon(dc, {{m.L, m.T}, {right, m.T}, {m.L, bottom}}); }); break;
    case 7: Filled(dc, color, [&] { Polygon(dc, {{right, m.T}, {m.L, bottom}, {right, bottom}}); }); break;
    case 8: dc->Ellipse(m.L, m.T, m.R, m.B); break;
    case 9: Filled(dc, color, [&] { dc->Ellipse(m.L, m.T, m.R, m.B); }); break;
    case 10: dc->Polygon(parallelogram, 4); break;
    case 11: Filled(dc, color, [&] { dc->Polygon(parallelogram, 4); }); break;
    case 12: {
        // The right stroke of the arrow head keeps clear of the outline on the screen.
        const int printPullIn = dc->IsPrinting() ? 0 : m.d;
        Line(dc, midX, m.T, midX, bottom);
        Line(dc, m.L, m.T, midX, bottom);
        Line(dc, right - printPullIn, m.T, midX, bottom);
        break;
    }
    case 13: dc->Polygon(triangle, 3); break;
    case 14: Filled(dc, color, [&] { dc->Polygon(triangle, 3); }); break;
    case 15: dc->Polygon(diamond, 4); break;
    case 16: Filled(dc, color, [&] { dc->Polygon(diamond, 4); }); break;
    case 17: Line(dc, m.L, midY, m.R, midY); break;
    case 18: Filled(dc, color, [&] { dc->Rectangle(m.L, m.T, m.R, midY); }); break;
    case 19: Filled(dc, color, [&] { dc->Rectangle(m.L, midY, m.R, m.B); }); break;
    case 20: Line(dc, midX, m.T, midX, m.B); break;
    case 21: Filled(dc, color, [&] { dc->Rectangle(m.L, m.T, midX, m.B); }); break;
    case 22: Filled(dc, color, [&] { dc->Rectangle(midX, m.T, m.R, m.B); }); break;
    default: break;
    }
}

} // namespace file_type_marks_cpp

void DrawFileTypeMark(CDC* dc, int zoom, const RECT& rect, WORD markId, COLORREF color, DWORD flags)
{
    if (markId == 0 || markId >= FILE_TYPE_MARK_COUNT)
        return;
    const file_type_marks_cpp::MarkFrame m{rect.left,
                                           rect.top,
                                           rect.right,
                                           rect.bottom,
                                           rect.right - rect.left,
                                           rect.bottom - rect.top,
                                           dc->GetAttribDC()->GetMapMode() == MM_TEXT ? 0 : 1};
    CPen pen;
    if (!pen.CreatePen(PS_SOLID, 1, color))
        return;
    PenBrushRestorer restorer(dc);
    dc->SelectObject(&pen);
    dc->SelectStockObject(NULL_BRUSH);
    if (markId == 23)
        file_type_marks_cpp::DrawTextMark(dc, zoom, "*", CRect(rect), color, flags);
    else if (markId == 24)
        file_type_marks_cpp::DrawTextMark(dc, zoom, CString(u8"”"), CRect(m.L, m.T + m.h / 3, m.R, m.B + m.h / 3),
                                          color, flags);
    else
        file_type_marks_cpp::DrawShapeMark(dc, m, markId, color);
}

void DrawFileBoxWithMark(CDC* dc, int zoom, const FileBoxTexts& texts, POINT origin, SIZE size,
                         const FileBoxBands& bands, WORD markId, const FileBoxPen& pen, COLORREF textColor,
                         const LOGFONT& font, DWORD flags, WORD shadowDepth, COLORREF shadowColor)
{
    DrawFileBox(dc, zoom, texts, origin, size, bands, pen, textColor, font, flags, shadowDepth, shadowColor);
    if (zoom <= SYMBOL_TEXT_MIN_ZOOM || (flags & FILE_BOX_IDEF))
        return;
    // A square of 24, 8 inside the top-right corner: centred across the 40-wide mark column.
    RECT square{origin.x + size.cx - 32, origin.y - 8, origin.x + size.cx - 8, origin.y - 32};
    ScaleRectByZoom(square, zoom);
    DrawFileTypeMark(dc, zoom, square, markId, pen.color, flags);
}

void DrawFileBoxPreview(CDC* dc, int zoom, POINT origin, SIZE size, int numberWidth, int bandDepth, WORD markId)
{
    const FileBoxTexts texts{u8"番号", u8"名称", u8"キー項目", u8"データ項目", u8"コード値"};
    LOGFONT font;
    InitDefaultLogFont(font);
    DrawFileBoxWithMark(dc, zoom, texts, origin, size, {numberWidth, bandDepth, bandDepth, -bandDepth}, markId,
                        {PS_SOLID, 0, 1}, 0, font, 0, 0, 0);
}

void DrawBoxStyleSampleInClient(CDC* dc, const RECT& client, int zoom, WORD markId)
{
    const int oldMode = dc->SetMapMode(MM_LOMETRIC);
    const SIZE sample{360, -240};
    POINT scaled{sample.cx, sample.cy};
    ScalePointByZoom(scaled, zoom);
    POINT corners[2] = {{client.left, client.top}, {client.right, client.bottom}};
    dc->GetAttribDC()->DPtoLP(corners, 2);
    POINT origin{(corners[1].x - corners[0].x - scaled.x) / 2, (corners[1].y - corners[0].y - scaled.y) / 2 - 10};
    // The box drawer scales the origin again.
    UnscalePointByZoom(origin, zoom);
    DrawFileBoxPreview(dc, zoom, origin, sample, 120, -40, markId);
    dc->SetMapMode(oldMode);
}

void DrawBoxStyleSample(CWnd* window, int zoom, WORD markId)
{
    CClientDC dc(window);
    CRect client;
    window->GetClientRect(&client);
    DrawBoxStyleSampleInClient(&dc, client, zoom, markId);
}
