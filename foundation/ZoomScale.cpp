#include "foundation/ZoomScale.h"

#include "platform/gdi/DC.h"

#include <climits>
#include <cstdlib>

namespace ZoomScale {

// value x numerator / denominator in 64 bits, rounded half away from zero like MulDiv, but a result
// beyond 32 bits is held at the nearest 32-bit bound instead of turning into -1.
int MulDivClamped(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long d = denominator;
    const long long magnitude = (std::llabs(product) + std::llabs(d) / 2) / std::llabs(d);
    const long long result = ((product < 0) != (d < 0)) ? -magnitude : magnitude;
    if (result > INT_MAX)
        return INT_MAX;
    if (result < INT_MIN)
        return INT_MIN;
    return static_cast<int>(result);
}

int Scaled(int value, int zoom)
{
    return MulDivClamped(value, zoom, 100);
}

int Unscaled(int value, int zoom)
{
    return zoom == 0 ? value : MulDivClamped(value, 100, zoom);
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
    return value * 10;
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
    if (source.right != source.left)
        point.x = target.left + MulDiv(point.x - source.left, target.right - target.left, source.right - source.left);
    if (source.bottom != source.top)
        point.y = target.top + MulDiv(point.y - source.top, target.bottom - target.top, source.bottom - source.top);
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
