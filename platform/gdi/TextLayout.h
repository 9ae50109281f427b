// DrawText's layout: which text goes on which line at which position, computed from measured
// widths so that every back end (and a test) sees the same lines.
#pragma once

#include "platform/afx/String.h"
#include "platform/gdi/GdiTypes.h"

#include <functional>
#include <vector>

class TextLayout
{
public:
    struct Piece
    {
        CPoint at; // the top-left of the piece, logical units
        CString text;
    };
    struct Metrics
    {
        int lineHeight;   // logical units, positive
        int aveCharWidth; // for tab stops
        bool yUp;         // logical y grows upward on the device
    };
    using Measure = std::function<int(const CString&)>; // width of a piece, logical units

    // Lays text out in rect by the DT_ format bits.
    TextLayout(const CString& text, const RECT& rect, UINT format, const Metrics& metrics, Measure measure);

    const std::vector<Piece>& Pieces() const { return m_pieces; }
    // The rectangle DT_CALCRECT reports: the rect's left and top, extended to the widest line
    // and the last line.
    CRect Bounds() const { return m_bounds; }
    // DrawText's result: the height of the text, or with a vertically placed single line the
    // distance from the rectangle's top to the text's bottom.
    int Height() const { return m_height; }

private:
    std::vector<CString> BreakLines(const CString& text) const;
    void BreakParagraph(const CString& paragraph, std::vector<CString>& lines) const;
    void BreakLongWord(const CString& word, CString& line, std::vector<CString>& lines) const;
    int LineWidth(const CString& line) const;
    void Place(const std::vector<CString>& lines, const RECT& rect);
    void PlaceLine(const CString& line, CPoint at);

    UINT m_format;
    Metrics m_metrics;
    Measure m_measure;
    int m_width = 0;
    std::vector<Piece> m_pieces;
    CRect m_bounds;
    int m_height = 0;
};
