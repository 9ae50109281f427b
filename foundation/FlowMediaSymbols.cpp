#include "foundation/FlowMediaSymbols.h"

#include "foundation/SymbolCanvas.h"
#include "foundation/SymbolPrimitives.h"

#include "platform/gdi/DC.h"

#include <array>

namespace flow_media_symbols_cpp {

enum class Outline { Rectangle, Round, Ellipse };
// Where a supplement kind puts its third text; None for the plain kinds.
enum class Note { None, Top, Bottom };

struct Shape
{
    Outline outline;
    Note note;
};

void DrawOutlineShape(const SymbolCanvas& c, Outline outline, const CRect& rect)
{
    CDC* dc = c.Dc();
    const CRect placed = c.At(rect);
    const int b = c.Scale().b;
    switch (outline) {
    case Outline::Rectangle: dc->Rectangle(&placed); break;
    case Outline::Round: dc->RoundRect(&placed, CPoint(b, -b)); break;
    case Outline::Ellipse: dc->Ellipse(&placed); break;
    }
}

// The shadow first, then the symbol painted white over it; without a shadow the rectangle kinds
// are framed white and the rounded kinds whiten their whole rectangle, corners included.
void DrawBody(const SymbolCanvas& c, Outline outline, WORD shadowDepth, COLORREF shadowColor)
{
    const CRect box(0, 0, c.W(), c.H());
    CDC* dc = c.Dc();
    if (shadowDepth != 0) {
        const int depth = c.S(shadowDepth);
        CBrush shadow;
        if (!shadow.CreateSolidBrush(shadowColor))
            return;
        CRect shadowRect(box);
        shadowRect.OffsetRect(depth, -depth);
        {
            PenBrushRestorer restorer(dc);
            dc->SelectStockObject(NULL_PEN);
            dc->SelectObject(&shadow);
            DrawOutlineShape(c, outline, shadowRect);
        }
        PenBrushRestorer restorer(dc);
        dc->SelectStockObject(WHITE_BRUSH);
        DrawOutlineShape(c, outline, box);
        return;
    }
    if (outline == Outline::Rectangle) {
        c.FramedBox();
        return;
    }
    PenBrushRestorer restorer(dc);
    if (outline == Outline::Round)
        c.EraseBox();
    else
        dc->SelectStockObject(WHITE_BRUSH);
    DrawOutlineShape(c, outline, box);
}

void DrawBandLines(const SymbolCanvas& c, Outline outline, Note note)
{
    const int W = c.W(), H = c.H(), b = c.Scale().b;
    const int d = outline == Outline::Ellipse ? SymbolCanvas::Inset({0, 0, W, H}, -b + 1) : 0;
    c.BandLine(d, W - d);
    if (note != Note::None)
        c.Line(d, H + b - 1, W - d, H + b - 1);
}

void DrawTexts(const SymbolCanvas& c, const FlowTexts& texts, Note note, COLORREF textColor)
{
    const SymbolScale& s = c.Scale();
    c.WithTexts(textColor, [&] {
        if (note == Note::None) {
            c.Text(texts.first, {s.mx + s.g2, -2 * s.g2 - s.g5, s.W - s.mx - s.g2, -s.b + s.g5}, SYMBOL_NAME_FORMAT);
            c.Text(texts.second, {s.mx + s.g2, -s.b - 2 * s.g2, s.W - s.mx - s.g2, s.H + s.my + s.g2},
                   SYMBOL_BODY_FORMAT);
            return;
        }
        // The supplement kinds keep 10 from the left edge and 20 from the right.
        const int left = s.mx - s.g5, right = s.W - s.mx - s.g5;
        const CString& top = note == Note::Top ? texts.third : texts.first;
        const CString& bottom = note == Note::Top ? texts.first : texts.third;
        c.Text(top, {left, -2 * s.g2 - s.g5, right, -s.b + s.g5}, SYMBOL_NAME_FORMAT);
        c.Text(texts.second, {left, -s.b - 2 * s.g2, right, s.H + s.b + s.my + s.g2}, SYMBOL_BODY_FORMAT);
        c.Text(bottom, {left, s.H + s.b - s.g2, right, s.H + s.g2}, SYMBOL_NAME_FORMAT);
    });
}

void DrawFlow(CDC* dc, int zoom, const FlowTexts& texts, POINT origin, SIZE size, COLORREF penColor, COLORREF textColor,
              const LOGFONT& font, WORD shadowDepth, COLORREF shadowColor, DWORD flags, Shape shape)
{
    const SymbolCanvas canvas(dc, zoom, origin, size, penColor, font, flags);
    DrawBody(canvas, shape.outline, shadowDepth, shadowColor);
    DrawBandLines(canvas, shape.outline, shape.note);
    DrawTexts(canvas, texts, shape.note, textColor);
}

constexpr std::array<Shape, FLOW_MEDIA_KIND_COUNT> kShapes{{
    {Outline::Rectangle, Note::None}, // kind 0 is not drawn from this table
    {Outline::Rectangle, Note::None},
    {Outline::Rectangle, Note::Top},
    {Outline::Rectangle, Note::Bottom},
    {Outline::Round, Note::None},
    {Outline::Round, Note::Top},
    {Outline::Round, Note::Bottom},
    {Outline::Ellipse, Note::None},
    {Outline::Ellipse, Note::Top},
    {Outline::Ellipse, Note::Bottom},
}};

} // namespace flow_media_symbols_cpp

void DrawFlowMediaSymbol(CDC* dc, int zoom, const FlowTexts& texts, POINT origin, SIZE size, WORD kind, BOOL asterisk,
                         COLORREF penColor, COLORREF textColor, const LOGFONT& font, DWORD flags, WORD shadowDepth,
                         COLORREF shadowColor)
{
    if (kind == 0 || kind >= FLOW_MEDIA_KIND_COUNT) {
        DrawLabeledBox(dc, zoom, texts.first, texts.second, origin, size, FALSE, TRUE, asterisk, penColor, textColor,
                       font, flags);
        return;
    }
    flow_media_symbols_cpp::DrawFlow(dc, zoom, texts, origin, size, penColor, textColor, font, shadowDepth, shadowColor,
                                     flags, flow_media_symbols_cpp::kShapes[kind]);
}
