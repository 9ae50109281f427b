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

// The pictogram of each kind 1..9; the plain kinds 1, 4 and 7 do not show the third text.
void DrawFlowRectangle(CDC* dc, int zoom, const FlowTexts& texts, POINT origin, SIZE size, BOOL asterisk,
                       COLORREF penColor, COLORREF textColor, const LOGFONT& font, WORD shadowDepth,
                       COLORREF shadowColor, DWORD flags);
void DrawFlowRectangleTopNote(CDC* dc, int zoom, const FlowTexts& texts, POINT origin, SIZE size, BOOL asterisk,
                              COLORREF penColor, COLORREF textColor, const LOGFONT& font, WORD shadowDepth,
                              COLORREF shadowColor, DWORD flags);
void DrawFlowRectangleBottomNote(CDC* dc, int zoom, const FlowTexts& texts, POINT origin, SIZE size, BOOL asterisk,
                                 COLORREF penColor, COLORREF textColor, const LOGFONT& font, WORD shadowDepth,
                                 COLORREF shadowColor, DWORD flags);
void DrawFlowRoundRect(CDC* dc, int zoom, const FlowTexts& texts, POINT origin, SIZE size, BOOL asterisk,
                       COLORREF penColor, COLORREF textColor, const LOGFONT& font, WORD shadowDepth,
                       COLORREF shadowColor, DWORD flags);
void DrawFlowRoundRectTopNote(CDC* dc, int zoom, const FlowTexts& texts, POINT origin, SIZE size, BOOL asterisk,
                              COLORREF penColor, COLORREF textColor, const LOGFONT& font, WORD shadowDepth,
                              COLORREF shadowColor, DWORD flags);
void DrawFlowRoundRectBottomNote(CDC* dc, int zoom, const FlowTexts& texts, POINT origin, SIZE size, BOOL asterisk,
                                 COLORREF penColor, COLORREF textColor, const LOGFONT& font, WORD shadowDepth,
                                 COLORREF shadowColor, DWORD flags);
void DrawFlowEllipse(CDC* dc, int zoom, const FlowTexts& texts, POINT origin, SIZE size, BOOL asterisk,
                     COLORREF penColor, COLORREF textColor, const LOGFONT& font, WORD shadowDepth, COLORREF shadowColor,
                     DWORD flags);
void DrawFlowEllipseTopNote(CDC* dc, int zoom, const FlowTexts& texts, POINT origin, SIZE size, BOOL asterisk,
                            COLORREF penColor, COLORREF textColor, const LOGFONT& font, WORD shadowDepth,
                            COLORREF shadowColor, DWORD flags);
void DrawFlowEllipseBottomNote(CDC* dc, int zoom, const FlowTexts& texts, POINT origin, SIZE size, BOOL asterisk,
                               COLORREF penColor, COLORREF textColor, const LOGFONT& font, WORD shadowDepth,
                               COLORREF shadowColor, DWORD flags);
