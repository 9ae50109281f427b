// What every symbol drawer shares: the default text attributes, the symbol name tables, white
// erasing, the program's own text layout (used for presentation pictures, where the platform's
// DrawText is not trusted to lay out the same way on every device), the generic labelled box and
// the scaling of a symbol's frame. Coordinates are 0.1 mm with y up: a height is negative.
#pragma once

#include "platform/afx/Rect.h"
#include "platform/afx/String.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Pen.h"

class CDC;

// Drawing flag: lay texts out with DrawTextLineInRect / DrawTextLinesInRect, erase with a created pen.
constexpr DWORD SYMBOL_OWN_TEXT_LAYOUT = 0x1000;
// Formats of the symbol texts: names on one line, centred both ways; body texts centred and wrapped.
constexpr UINT SYMBOL_NAME_FORMAT = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
constexpr UINT SYMBOL_BODY_FORMAT = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
// Texts of symbols are unreadable at this zoom and below, so they are left out.
constexpr int SYMBOL_TEXT_MIN_ZOOM = 25;

void InitDefaultLogFont(LOGFONT& font);
void CopyLogFont(LOGFONT& destination, const LOGFONT& source);

// The names of data-media kinds 0..51, process kinds 0..9 and file-type marks 0..24. A kind read
// from a file may be out of range: such a kind has the empty name.
const CString& GetDataMediaName(WORD kind);
const CString& GetFlowMediaName(WORD kind);
const CString& GetFileTypeMarkName(WORD mark);

constexpr int DATA_MEDIA_KIND_COUNT = 52;
constexpr int FLOW_MEDIA_KIND_COUNT = 10;
constexpr int FILE_TYPE_MARK_COUNT = 25;

// Corner size of a rounded conceptual-file box, 0.1 mm at zoom 100.
int GetRoundBoxCornerSize(int unused);

// Paints the rectangle white, one unit past its right and bottom edges.
void EraseRectToWhite(CDC* dc, CRect rect, DWORD flags);
// EraseRectToWhite, then a one-unit outline of the rectangle in the colour.
void DrawWhiteFramedRect(CDC* dc, int left, int top, int right, int bottom, COLORREF color, DWORD flags);

// One line placed by DT_CENTER, DT_RIGHT, DT_VCENTER and DT_BOTTOM, counting 110 % of its measured
// width; a line too wide starts at the left edge and is clipped at the right.
void DrawTextLineInRect(CDC* dc, const CString& text, const RECT& rect, int lineHeight, UINT format);
// Breaks the text at CRs and where it gets wider than the rectangle and draws the lines downward,
// lineHeight apart (negative in y-up mappings); the line crossing the bottom edge is the last.
void DrawTextLinesInRect(CDC* dc, const LOGFONT& font, const CString& text, const RECT& rect, int lineHeight,
                         UINT format);

// The generic symbol box: in full style a white box outlined in the pen colour with a name band;
// in caption style a small window whose caption shows the active state and the letter marks.
void DrawLabeledBox(CDC* dc, int zoom, const CString& name, const CString& text, POINT origin, SIZE size, BOOL active,
                    BOOL full, BOOL asterisk, COLORREF penColor, COLORREF textColor, const LOGFONT& font, DWORD flags);

// The frame of a symbol scaled to the zoom: origin, size, the name band b, the margins mx and my,
// the small gaps g2 and g5, and the text height h (font height and line step, negative).
struct SymbolScale
{
    int x, y, W, H;
    int b, mx, my, g2, g5;
    int h;
};
SymbolScale ScaleSymbol(int zoom, POINT origin, SIZE size, const LOGFONT& font);

// Selects a font made from the text attributes with the height h, the text colour and a
// transparent background for the lifetime of the scope, and puts back what it found.
class SymbolTextScope
{
public:
    SymbolTextScope(CDC* dc, const LOGFONT& font, int height, COLORREF textColor);
    ~SymbolTextScope();
    SymbolTextScope(const SymbolTextScope&) = delete;
    SymbolTextScope& operator=(const SymbolTextScope&) = delete;
    // FALSE when the font could not be made: nothing is selected and no text should be drawn.
    BOOL IsReady() const { return m_ready; }
    COLORREF PreviousTextColor() const { return m_oldColor; }

private:
    CDC* m_dc;
    CFont m_font;
    CFont* m_oldFont = nullptr;
    COLORREF m_oldColor = 0;
    int m_oldMode = 0;
    BOOL m_ready = FALSE;
};

// Keeps the selected pen and brush and puts them back when it goes. Declare it after the pens and
// brushes the drawing creates, so that it lets go of them before they die.
class PenBrushRestorer
{
public:
    explicit PenBrushRestorer(CDC* dc);
    ~PenBrushRestorer();
    PenBrushRestorer(const PenBrushRestorer&) = delete;
    PenBrushRestorer& operator=(const PenBrushRestorer&) = delete;

private:
    CDC* m_dc;
    CPen* m_oldPen;
    CBrush* m_oldBrush;
};

// Selects a solid pen of width 1 in the colour and the stock null brush for the lifetime of the
// scope: every stroke is then an outline in that colour.
class SymbolPenScope
{
public:
    SymbolPenScope(CDC* dc, COLORREF color);
    ~SymbolPenScope();
    SymbolPenScope(const SymbolPenScope&) = delete;
    SymbolPenScope& operator=(const SymbolPenScope&) = delete;

private:
    CDC* m_dc;
    CPen m_pen;
    CBrush m_nullBrush;
    CPen* m_oldPen;
    CBrush* m_oldBrush;
};

// Draws a symbol text with the platform's DrawText, or with the own layout when the flags ask for
// it: one-line formats go to DrawTextLineInRect, wrapped ones to DrawTextLinesInRect.
void DrawSymbolText(CDC* dc, const CString& text, const RECT& rect, UINT format, int lineHeight, const LOGFONT& font,
                    DWORD flags);
