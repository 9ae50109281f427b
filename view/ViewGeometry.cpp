#include "view/ViewGeometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace ViewGeometry {

namespace {

constexpr int kExtentLimit = 87600;

int AddExtentMargin(int value)
{
    if (value + 200 < kExtentLimit)
        return value + 200;
    if (value + 100 < kExtentLimit)
        return value + 100;
    return value;
}

// Pixels per millimetre of the screen; a screen that reports no size counts as 96 dpi.
float PixelsPerMm(int pixels, int millimetres)
{
    return pixels > 0 && millimetres > 0 ? float(pixels) / float(millimetres) : 96.0f / 25.4f;
}

int Truncate(double value)
{
    return int(std::clamp(value, double(INT32_MIN), double(INT32_MAX)));
}

} // namespace

int MaxZoom(SIZE documentSize)
{
    const double m = double(std::max(documentSize.cx, -documentSize.cy)) + 200.0;
    if (m <= 0.0)
        return kMaxZoom;
    const int z = Truncate(2147483647.0 / m * 100.0);
    return z <= kMinZoom ? kMinZoom : std::min(z, kMaxZoom);
}

int SnapZoomToStep(int candidate, int step)
{
    if (candidate < kMinZoom)
        return kMinZoom;
    const int s = NormalizeZoomStep(step);
    return (candidate - 100) / s * s + 100;
}

int NormalizeGridWidth(int gridWidth)
{
    return std::clamp(gridWidth, kMinGridWidth, kMaxGridWidth);
}

int NormalizeZoomStep(int zoomStep)
{
    return std::clamp(zoomStep, kMinZoomStep, kMaxZoomStep);
}

CSize TotalExtentAt100(SIZE documentSize)
{
    return CSize(AddExtentMargin(std::abs(documentSize.cx)), AddExtentMargin(std::abs(documentSize.cy)));
}

CSize ViewToScrollUnits(const ScreenMetrics& screen, SIZE size, float fx, float fy)
{
    const float px = PixelsPerMm(screen.horzRes, screen.horzSize);
    const float py = PixelsPerMm(screen.vertRes, screen.vertSize);
    CSize out(Truncate(float(size.cx) * fx / px), Truncate(float(size.cy) * fy / py));
    if (screen.logPixelsX != 96 || screen.logPixelsY != 96) {
        out.cx = Truncate(out.cx * (screen.logPixelsX / 96.0));
        out.cy = Truncate(out.cy * (screen.logPixelsY / 96.0));
    }
    return out;
}

CSize ScrollToViewUnits(const ScreenMetrics& screen, SIZE size, float fx, float fy)
{
    const float px = PixelsPerMm(screen.horzRes, screen.horzSize);
    const float py = PixelsPerMm(screen.vertRes, screen.vertSize);
    CSize out(Truncate(float(size.cx) * px / fx), Truncate(float(size.cy) * py / fy));
    if ((screen.logPixelsX != 96 || screen.logPixelsY != 96) && screen.logPixelsX > 0 && screen.logPixelsY > 0) {
        out.cx = Truncate(out.cx * (96.0 / screen.logPixelsX));
        out.cy = Truncate(out.cy * (96.0 / screen.logPixelsY));
    }
    return out;
}

BOOL ClampToFrame(POINT& point, POINT farCorner)
{
    const POINT before = point;
    point.x = std::max(point.x, LONG(kFrameInset));
    point.y = std::min(point.y, LONG(-kFrameInset));
    point.x = std::min(point.x, farCorner.x);
    point.y = std::max(point.y, farCorner.y);
    return point.x != before.x || point.y != before.y;
}

BOOL SnapToGrid(POINT& point, int gridWidth)
{
    if (gridWidth < 1)
        return FALSE;
    const std::int64_t g = gridWidth;
    const std::int64_t ox = kFrameInset;
    const std::int64_t oy = -kFrameInset;
    std::int64_t i = (point.x - ox) / g;
    std::int64_t j = (point.y - oy) / g;
    if (g * i + ox == point.x && g * j + oy == point.y)
        return FALSE;
    if (point.x >= g * i + ox + g / 2 && point.x < g * i + ox + g)
        ++i;
    if (point.y <= g * j + oy - g / 2 && point.y > g * j + oy - g)
        --j;
    point.x = LONG(std::clamp(g * i + ox, std::int64_t(INT32_MIN), std::int64_t(INT32_MAX)));
    point.y = LONG(std::clamp(g * j + oy, std::int64_t(INT32_MIN), std::int64_t(INT32_MAX)));
    return TRUE;
}

CRect RectFromCorners(POINT a, POINT b)
{
    return CRect(std::min(a.x, b.x), std::max(a.y, b.y), std::max(a.x, b.x), std::min(a.y, b.y));
}

CRect UnionYUp(const CRect& a, const CRect& b)
{
    return CRect(std::min(a.left, b.left), std::max(a.top, b.top), std::max(a.right, b.right),
                 std::min(a.bottom, b.bottom));
}

BOOL RectsIntersectAbsY(const RECT& a, const RECT& b)
{
    // Turning y up into y down by negation keeps rectangles that reach above the origin whole.
    const CRect flippedA(a.left, -a.top, a.right, -a.bottom);
    const CRect flippedB(b.left, -b.top, b.right, -b.bottom);
    CRect meet;
    return meet.IntersectRect(&flippedA, &flippedB) ? TRUE : FALSE;
}

} // namespace ViewGeometry
