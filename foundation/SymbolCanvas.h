// A symbol's drawing surface: strokes given relative to the symbol's top-left corner in zoomed
// units, drawn in a one-unit pen of the symbol's colour with no fill. The pictogram drawers list
// their shapes on it instead of adding the origin to every coordinate.
#pragma once

#include "foundation/SymbolPrimitives.h"

#include "platform/afx/Rect.h"
#include "platform/afx/String.h"
#include "platform/gdi/GdiTypes.h"

#include <initializer_list>

class CDC;

class SymbolCanvas
{
public:
    SymbolCanvas(CDC* dc, int zoom, POINT origin, SIZE size, COLORREF penColor, const LOGFONT& font, DWORD flags);

    const SymbolScale& Scale() const { return m_scale; }
    int W() const { return m_scale.W; }
    int H() const { return m_scale.H; }
    // The height as the caller gave it, before zooming, for the shapes measured from it.
    int UnscaledH() const { return m_unscaledH; }
    // A length at zoom 100 at this zoom.
    int S(int value) const;
    // Small strokes and all texts are left out at small zooms.
    bool ShowsDetail() const { return m_zoom > SYMBOL_TEXT_MIN_ZOOM; }

    // The box (0, 0, W, H) made white, or white with an outline in the pen colour.
    void EraseBox() const;
    void FramedBox() const;
    void EraseRect(const RECT& rect) const;
    // A move to the first point and lines through the others.
    void Lines(std::initializer_list<POINT> points) const;
    void Line(int x1, int y1, int x2, int y2) const;
    void Arc(const RECT& rect, POINT start, POINT end) const;
    void Ellipse(const RECT& rect) const;
    void Rectangle(const RECT& rect) const;
    void RoundRect(const RECT& rect, int corner) const;
    void Bezier(std::initializer_list<POINT> points) const;
    // A white rectangle without outline, to open up a stroke already drawn.
    void WhitePatch(const RECT& rect) const;
    // The name-band line 40 below the top, one unit higher, from x1 to x2.
    void BandLine(int x1, int x2) const;
    // How far the outline of the ellipse in the rectangle lies inside it at the depth.
    static int Inset(const RECT& rect, int depth);

    // Runs the text drawing with the symbol's font, the colour and a transparent background, when
    // the zoom shows texts and the font can be made.
    template <typename Draw>
    void WithTexts(COLORREF textColor, Draw draw) const
    {
        if (!ShowsDetail())
            return;
        SymbolTextScope scope(m_dc, m_font, m_scale.h, textColor);
        if (scope.IsReady())
            draw();
    }
    void Text(const CString& text, const RECT& rect, UINT format) const;

    // For drawing with other pens and brushes: the device context, and a rectangle or point
    // relative to the symbol placed on it.
    CDC* Dc() const { return m_dc; }
    CRect At(const RECT& rect) const;
    CPoint At(POINT point) const;

private:
    CDC* m_dc;
    int m_zoom;
    SymbolScale m_scale;
    int m_unscaledH;
    COLORREF m_penColor;
    const LOGFONT& m_font;
    DWORD m_flags;
    SymbolPenScope m_pen;
};
