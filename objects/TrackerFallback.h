// Temporary: stands in for the handle and tracker drawing until the foundation publishes it.
#pragma once

#if __has_include("foundation/Tracker.h")
#include "foundation/Tracker.h"
#else
#include "platform/afx/Rect.h"
class CDC;
namespace {
[[maybe_unused]] void DrawRectHandles(CDC*, const RECT&) {}
[[maybe_unused]] void DrawPatternHandle(CDC*, POINT, UINT, COLORREF) {}
[[maybe_unused]] void DrawTrackerRect(CDC*, const RECT&) {}
[[maybe_unused]] void DrawTrackerRoundRect(CDC*, const RECT&, SIZE) {}
} // namespace
#endif
