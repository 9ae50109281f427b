// CRgn: a rectangular, elliptic or polygonal region of integer points.
#pragma once

#include "platform/gdi/GdiObject.h"

class CRgn : public CGdiObject
{
public:
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRectRgnIndirect(LPCRECT rect);
    BOOL CreateEllipticRgn(int left, int top, int right, int bottom);
    // fillMode ALTERNATE or WINDING.
    BOOL CreatePolygonRgn(const POINT* points, int count, int fillMode);
    // Combines a and b into this region (which must exist); returns the region type or ERROR.
    int CombineRgn(const CRgn* a, const CRgn* b, int mode);
    int OffsetRgn(int dx, int dy);
    int GetRgnBox(LPRECT rect) const;
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
    BOOL RectInRegion(LPCRECT rect) const;

    const QRegion* GetRegion() const;

private:
    BOOL AdoptRegion(const QRegion& region);
};
