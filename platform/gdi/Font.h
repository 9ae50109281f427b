// CFont: a logical font (LOGFONT); the device context turns it into a QFont when it draws.
#pragma once

#include "platform/gdi/GdiObject.h"

class CDC;

class CFont : public CGdiObject
{
public:
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    // pointSize in tenths of a point; the height becomes logical units of the device context
    // (96 dpi pixels without one).
    BOOL CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc = nullptr);
    int GetLogFont(LOGFONT* logFont) const;
};
