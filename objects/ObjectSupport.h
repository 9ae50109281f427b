// Helpers shared by the drawing objects: coordinates read from records, repaint areas and the
// resize handles of a rectangle.
#pragma once

#include "objects/BaseObj.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>

// A coordinate held to the range every object computes in (see OBJECT_COORDINATE_LIMIT).
inline int HoldObjectCoordinate(std::int64_t value)
{
    return int(std::clamp<std::int64_t>(value, -OBJECT_COORDINATE_LIMIT, OBJECT_COORDINATE_LIMIT));
}

// Truncates toward zero into the int range; a value that is no number gives 0.
inline int TruncToInt(double value)
{
    if (std::isnan(value))
        return 0;
    return int(std::clamp(std::trunc(value), double(INT_MIN), double(INT_MAX)));
}

// A length times a ratio stored as a float, worked out in float arithmetic like the ratio itself (so
// a ratio that a handle drag set from a whole length gives that length back), truncated toward zero.
inline int ScaleByRatio(int length, float ratio)
{
    return TruncToInt(float(length) * ratio);
}

// Grows a repaint area by the margin (dx, -dy with dx, dy >= 0); the area keeps to the drawing's
// quadrant x >= 0, y <= 0.
inline void GrowRedrawRect(CRect& rect, SIZE margin)
{
    rect.left = int(std::max<std::int64_t>(std::int64_t(rect.left) - margin.cx, 0));
    rect.top = int(std::min<std::int64_t>(std::int64_t(rect.top) - margin.cy, 0));
    rect.right = int(std::min<std::int64_t>(std::int64_t(rect.right) + margin.cx, INT_MAX));
    rect.bottom = int(std::max<std::int64_t>(std::int64_t(rect.bottom) + margin.cy, -INT_MAX));
}

// A resize handle of a rectangle: its centre and its hit code (HIT_HANDLE with the side bits).
struct RectHandle
{
    CPoint centre;
    DWORD code;
};

// The eight resize handles in the order of the hit tests: the corners top-left, top-right,
// bottom-right, bottom-left, then the side centres top, bottom, right, left.
inline std::array<RectHandle, 8> GetRectHandles(const RECT& r)
{
    const int midX = (r.left + r.right) / 2;
    const int midY = (r.top + r.bottom) / 2;
    return {{
        {{r.left, r.top}, 0x92},
        {{r.right, r.top}, 0x52},
        {{r.right, r.bottom}, 0x62},
        {{r.left, r.bottom}, 0xA2},
        {{midX, r.top}, 0x12},
        {{midX, r.bottom}, 0x22},
        {{r.right, midY}, 0x42},
        {{r.left, midY}, 0x82},
    }};
}

// Bounds of several rectangles with y up: the first rectangle starts them, each further one widens
// them (left and bottom the smallest, right and top the largest).
inline void WidenBounds(CRect& bounds, const CRect& rect, BOOL& first)
{
    if (first) {
        bounds = rect;
        first = FALSE;
        return;
    }
    bounds.left = std::min(bounds.left, rect.left);
    bounds.top = std::max(bounds.top, rect.top);
    bounds.right = std::max(bounds.right, rect.right);
    bounds.bottom = std::min(bounds.bottom, rect.bottom);
}
