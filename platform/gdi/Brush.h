// CBrush: solid, hollow or pattern brushes.
#pragma once

#include "platform/gdi/GdiObject.h"

class CBitmap;

class CBrush : public CGdiObject
{
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    explicit CBrush(CBitmap* pattern) { CreatePatternBrush(pattern); }

    BOOL CreateSolidBrush(COLORREF color);
    // The brush repeats the bitmap's image, aligned with the device origin.
    BOOL CreatePatternBrush(CBitmap* pattern);
    BOOL CreateBrushIndirect(const LOGBRUSH* logBrush);
    int GetLogBrush(LOGBRUSH* logBrush) const;
};
