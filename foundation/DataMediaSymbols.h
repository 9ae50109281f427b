// The pictograms of the data symbols' media (kinds 1..51): each draws its outline and strokes, the
// name in a band at the top and the text below. Kind 0 and unknown kinds draw the labelled box.
#pragma once

#include "platform/afx/Rect.h"
#include "platform/afx/String.h"
#include "platform/gdi/GdiTypes.h"

class CDC;

void DrawDataMediaSymbol(CDC* dc, int zoom, const CString& name, const CString& text, POINT origin, SIZE size,
                         WORD kind, BOOL asterisk, COLORREF penColor, COLORREF textColor, const LOGFONT& font,
                         DWORD flags);
