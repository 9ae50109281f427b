#include "foundation/ZoomScale.h"

#include "platform/gdi/DC.h"

#include <algorithm>
#include <climits>

namespace ZoomScale {

// value x numerator / denominator, rounded half away from zero like MulDiv, formed wide enough for
// the differences of far-apart coordinates.
__int128 MulDivWide(long long value, long long numerator, long long denominator)
{
    const __int128 product = static_cast<__int128>(value) * numerator;
    const __int128 divisor = denominator < 0 ? -static_cast<__int128>(denominator) : denominator;
    const __int128 magnitude = ((product < 0 ? -product : product) + divisor / 2) / divisor;
    return (product < 0) != (denominator < 0) ? -magnitude : magnitude;
}

// A result beyond 32 bits is held at the nearest bound instead of turning into -1 as MulDiv's would.
int Clamped(__int128 value)
{
    return int(std::clamp<__int128>(value, INT_MIN, INT_MAX));
}

int Scaled(int value, int zoom)
{
    return Clamped(MulDivWide(value, zoom, 100));
}

int Unscaled(int value, int zoom)
{
    return zoom == 0 ? value : Clamped(MulDivWide(value, 100, zoom));
}

} // namespace ZoomScale

void ScalePointByZoom(POINT& point, int zoom)
{
    point.x = ZoomScale::Scaled(point.x, zoom);
    point.y = ZoomScale::Scaled(point.y, zoom);
}

void ScaleValueByZoom(int& value, int zoom)
{
    value = ZoomScale::Scaled(value, zoom);
}

void ScaleRectByZoom(RECT& rect, int zoom)
{
    rect = {ZoomScale::Scaled(rect.left, zoom), ZoomScale::Scaled(rect.top, zoom), ZoomScale::Scaled(rect.right, zoom),
            ZoomScale::Scaled(rect.bottom, zoom)};
}

void UnscalePointByZoom(POINT& point, int zoom)
{
    point.x = ZoomScale::Unscaled(point.x, zoom);
    point.y = ZoomScale::Unscaled(point.y, zoom);
}

void UnscalePointByZoom(SIZE& size, int zoom)
{
    size.cx = ZoomScale::Unscaled(size.cx, zoom);
    size.cy = ZoomScale::Unscaled(size.cy, zoom);
}

void UnscaleValueByZoom(int& value, int zoom)
{
    value = ZoomScale::Unscaled(value, zoom);
}

void UnscaleRectByZoom(RECT& rect, int zoom)
{
    rect = {ZoomScale::Unscaled(rect.left, zoom), ZoomScale::Unscaled(rect.top, zoom),
            ZoomScale::Unscaled(rect.right, zoom), ZoomScale::Unscaled(rect.bottom, zoom)};
}

int PixelsToTenthMm(int value)
{
    return MulDiv(value, 254, 96);
}

int TenthMmToPixels(int value)
{
    return MulDiv(value, 96, 254);
}

int PixelsToHimetric(int value)
{
    return MulDiv(value, 2540, 96);
}

double TenthMmToMm(int value)
{
    return value / 10.0;
}

int TenthMmToHimetric(int value)
{
    return ZoomScale::Clamped(static_cast<__int128>(value) * 10);
}

int HimetricToTenthMm(int value)
{
    return value / 10;
}

int TenthMmToHundredthInch(int value)
{
    return MulDiv(value, 100, 254);
}

CPoint TenthMmPointToHimetric(POINT point)
{
    return CPoint(TenthMmToHimetric(point.x), TenthMmToHimetric(point.y));
}

CPoint TenthMmPointToHundredthInch(POINT point)
{
    return CPoint(TenthMmToHundredthInch(point.x), TenthMmToHundredthInch(point.y));
}

void MapPointBetweenRects(POINT& point, const RECT& source, const RECT& target)
{
    // The differences of far-apart coordinates need more than 32 bits; the result is held in range.
    auto map = [](LONG value, LONG sourceStart, LONG sourceEnd, LONG targetStart, LONG targetEnd) {
        return ZoomScale::Clamped(targetStart + ZoomScale::MulDivWide((long long)value - sourceStart,
                                                                      (long long)targetEnd - targetStart,
                                                                      (long long)sourceEnd - sourceStart));
    };
    if (source.right != source.left)
        point.x = map(point.x, source.left, source.right, target.left, target.right);
    if (source.bottom != source.top)
        point.y = map(point.y, source.top, source.bottom, target.top, target.bottom);
}

int FontHeightToDevice(const CDC* dc, int pixels)
{
    SIZE size{10, PixelsToHimetric(pixels)};
    dc->HIMETRICtoDP(&size);
    return size.cy;
}

CSize& TenthMmSizeToDevice(CSize& result, const CDC* dc, SIZE size)
{
    const CPoint himetric = TenthMmPointToHimetric(CPoint(size.cx, size.cy));
    SIZE device{himetric.x, himetric.y};
    dc->HIMETRICtoDP(&device);
    result = device;
    return result;
}
