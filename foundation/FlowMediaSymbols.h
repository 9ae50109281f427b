// The pictograms of the process symbols (kinds 1..9): a rectangle, a rounded rectangle or an
// ellipse with a name band at the top, and for the supplement kinds a second band at the top or
// bottom for the supplement text. Kind 0 and unknown kinds draw the labelled box.
#pragma once

#include "platform/afx/Rect.h"
#include "platform/afx/String.h"
#include "platform/gdi/GdiTypes.h"

class CDC;

// The three texts of a process symbol: the band text, the body text and the supplement text.
struct FlowTexts
{
    CString first;
    CString second;
    CString third;
};

void DrawFlowMediaSymbol(CDC* dc, int zoom, const FlowTexts& texts, POINT origin, SIZE size, WORD kind, BOOL asterisk,
                         COLORREF penColor, COLORREF textColor, const LOGFONT& font, DWORD flags, WORD shadowDepth,
                         COLORREF shadowColor);
