#include "foundation/FileBox.h"

#include "foundation/SymbolPrimitives.h"
#include "foundation/ZoomScale.h"

#include "platform/gdi/DC.h"

namespace file_box_cpp {

constexpr COLORREF kLightGrey = 0xC0C0C0;
// A caption band deeper than this (unscaled) has room for a wrapped name.
constexpr int kOneLineCaptionDepth = -41;
constexpr UINT kOneLineFormat = DT_SINGLELINE | DT_NOPREFIX;
constexpr UINT kWrappedFormat = DT_WORDBREAK | DT_NOPREFIX;

// The box laid out at the zoom.
struct Layout
{
    int x, y, W, H;
    int c; // mark column width
    int a; // caption depth
    int f, k, e, m, r;
    int h;
    // Where horizontal inner lines start and vertical ones begin, clear of a wide outline.
    int lineLeft, lineTop;
};

Layout LayOut(int zoom, POINT origin, SIZE size, const FileBoxBands& bands, const LOGFONT& font)
{
    const SymbolScale s = ScaleSymbol(zoom, origin, size, font);
    POINT caption{FILE_BOX_MARK_COLUMN, bands.compCapCx};
    ScalePointByZoom(caption, zoom);
    Layout l{s.x,
             s.y,
             s.W,
             s.H,
             caption.x,
             caption.y,
             bands.fileCodeCx,
             bands.keyItemCy,
             bands.codeSampleCx,
             FILE_BOX_MARGIN,
             GetRoundBoxCornerSize(0),
             s.h,
             s.x,
             s.y};
    for (int* value : {&l.f, &l.k, &l.e, &l.m, &l.r})
        ScaleValueByZoom(*value, zoom);
    return l;
}

void DrawShape(CDC* dc, const CRect& rect, const Layout& l, DWORD flags)
{
    if (flags & FILE_BOX_ROUNDED)
        dc->RoundRect(rect.left, rect.top, rect.right, rect.bottom, l.r, l.r);
    else
        dc->Rectangle(&rect);
}

// The white, grey or shadowed body with its outline; false when a brush could not be made.
bool DrawBody(CDC* dc, const Layout& l, CPen* outline, DWORD flags, int shadow, COLORREF shadowColor)
{
    const CRect box(l.x, l.y, l.x + l.W, l.y + l.H);
    CBrush grey;
    if ((flags & FILE_BOX_GREY) && !grey.CreateSolidBrush(kLightGrey))
        return false;
    if (shadow != 0) {
        CBrush shadowBrush;
        if (!shadowBrush.CreateSolidBrush(shadowColor))
            return false;
        CRect shadowRect(box);
        shadowRect.OffsetRect(shadow, -shadow);
        dc->SelectStockObject(NULL_PEN);
        dc->SelectObject(&shadowBrush);
        DrawShape(dc, shadowRect, l, flags);
        dc->SelectObject(outline);
        if (flags & FILE_BOX_GREY)
            dc->SelectObject(&grey);
        else
            dc->SelectStockObject(WHITE_BRUSH);
        DrawShape(dc, box, l, flags);
        dc->SelectStockObject(NULL_BRUSH);
        return true;
    }
    if (flags & FILE_BOX_GREY) {
        dc->SelectObject(outline);
        dc->SelectObject(&grey);
        DrawShape(dc, box, l, flags);
        dc->SelectStockObject(NULL_BRUSH);
        return true;
    }
    EraseRectToWhite(dc, box, flags);
    dc->SelectObject(outline);
    DrawShape(dc, box, l, flags);
    return true;
}

void Line(CDC* dc, int x1, int y1, int x2, int y2)
{
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
}

bool HasCaptionSeparator(const Layout& l)
{
    return l.a + 1 > l.H;
}

bool HasKeySeparator(const Layout& l)
{
    return l.a + l.k - 1 > l.H + l.e;
}

bool HasNumberColumn(const Layout& l)
{
    return l.f < l.W - l.c;
}

void DrawInnerLines(CDC* dc, const Layout& l, DWORD flags)
{
    const int right = l.x + l.W - 1;
    if (HasCaptionSeparator(l))
        Line(dc, l.lineLeft, l.y + l.a + 1, right, l.y + l.a + 1);
    if (l.f >= 1 && HasNumberColumn(l))
        Line(dc, l.x + l.f, l.lineTop, l.x + l.f, l.y + l.a);
    if (l.c < l.W && !(flags & FILE_BOX_IDEF))
        Line(dc, l.x + l.W - l.c, l.lineTop, l.x + l.W - l.c, l.y + l.a);
    if (HasKeySeparator(l))
        Line(dc, l.lineLeft, l.y + l.a + l.k - 1, right, l.y + l.a + l.k - 1);
    if (l.e > 0)
        Line(dc, l.lineLeft, l.y + l.H + l.e, right, l.y + l.H + l.e);
}

void DrawTexts(CDC* dc, const Layout& l, const FileBoxTexts& texts, int compCapCx, const LOGFONT& font, DWORD flags)
{
    const auto draw = [&](const CString& text, const CRect& rect, UINT format) {
        DrawSymbolText(dc, text, rect, format, l.h, font, flags);
    };
    const int numberRight = HasNumberColumn(l) ? l.x + l.f - l.m : l.x + l.W - l.c;
    draw(texts.number, CRect(l.x + l.m, l.y - l.m, numberRight, l.y + l.a), kOneLineFormat);
    if (HasNumberColumn(l)) {
        const int nameRight = l.x + l.W - l.m - (flags & FILE_BOX_IDEF ? 0 : l.c);
        if (compCapCx < kOneLineCaptionDepth)
            draw(texts.name, CRect(l.x + l.f + l.m, l.y - 2 * l.m, nameRight, l.y + l.a + l.m), kWrappedFormat);
        else
            draw(texts.name, CRect(l.x + l.f + l.m, l.y - l.m, nameRight, l.y + l.a), kOneLineFormat);
    }
    if (HasCaptionSeparator(l)) {
        const int bottom = HasKeySeparator(l) ? l.y + l.a + l.k + l.m : l.y + l.H + l.m;
        draw(texts.keyItems, CRect(l.x + l.m, l.y + l.a - l.m, l.x + l.W - l.m, bottom), kWrappedFormat);
    }
    if (HasKeySeparator(l))
        draw(texts.dataItems, CRect(l.x + l.m, l.y + l.a + l.k - l.m, l.x + l.W - l.m, l.y + l.H + l.e + l.m),
             kWrappedFormat);
    if (l.e > 0)
        draw(texts.examples, CRect(l.x + l.m, l.y + l.H + l.e - l.m, l.x + l.W - l.m, l.y + l.H + l.m), kWrappedFormat);
}

} // namespace file_box_cpp

void DrawFileBox(CDC* dc, int zoom, const FileBoxTexts& texts, POINT origin, SIZE size, const FileBoxBands& bands,
                 const FileBoxPen& pen, COLORREF textColor, const LOGFONT& font, DWORD flags, WORD shadowDepth,
                 COLORREF shadowColor)
{
    file_box_cpp::Layout l = file_box_cpp::LayOut(zoom, origin, size, bands, font);
    int width = pen.width;
    int style = pen.style;
    if (width > 1) {
        ScaleValueByZoom(width, zoom);
        if (width < 2)
            width = 1;
        style = PS_INSIDEFRAME;
        if (width >= 2) {
            l.lineLeft = l.x + width - 1;
            l.lineTop = l.y - width + 1;
        }
    }
    CPen outline;
    if (!outline.CreatePen(style, width, pen.color))
        return;
    CPen inner;
    if (!inner.CreatePen(pen.style, pen.style == PS_SOLID ? 1 : 0, pen.color))
        return;
    PenBrushRestorer restorer(dc);
    dc->SelectStockObject(NULL_BRUSH);
    int shadow = shadowDepth;
    ScaleValueByZoom(shadow, zoom);
    if (!file_box_cpp::DrawBody(dc, l, &outline, flags, shadow, shadowColor))
        return;
    dc->SelectObject(&inner);
    file_box_cpp::DrawInnerLines(dc, l, flags);
    if (zoom <= SYMBOL_TEXT_MIN_ZOOM)
        return;
    SymbolTextScope scope(dc, font, l.h, textColor);
    if (scope.IsReady())
        file_box_cpp::DrawTexts(dc, l, texts, bands.compCapCx, font, flags);
}
