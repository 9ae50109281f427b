// The arithmetic of the drawing view that needs no window: zoom limits and steps, the scroll total,
// the conversions between view units (0.1 mm at the screen's logical resolution) and scroll units
// (0.1 mm of the screen's physical size), snapping to the grid and keeping points in the document.
#pragma once

#include "platform/afx/Rect.h"

namespace ViewGeometry {

constexpr int kMinZoom = 10;
constexpr int kMaxZoom = 400;
// The frame of the document lies this far inside the document's edges.
constexpr int kFrameInset = 10;
// Totals are carried with this factor, positions and client sizes with the pixels per millimetre
// of a 96-dpi screen.
constexpr float kTotalFactor = 4.0f;
constexpr float kPositionFactor = 3.78f;
// Grid steps and zoom steps outside these ranges (a hand-edited profile) are brought into them.
constexpr int kMinGridWidth = 1;
constexpr int kMaxGridWidth = 10000;
constexpr int kMinZoomStep = 1;
constexpr int kMaxZoomStep = 400;

// The largest zoom that keeps the zoomed document within 2^31 units, between 10 and 400.
int MaxZoom(SIZE documentSize);
// A candidate zoom snapped to the step grid around 100; below 10 it is 10.
int SnapZoomToStep(int candidate, int step);
int NormalizeGridWidth(int gridWidth);
int NormalizeZoomStep(int zoomStep);

// The scroll total before the zoom: the absolute document size with a margin of 200 (or 100)
// units on each axis while the sum stays below 87600.
CSize TotalExtentAt100(SIZE documentSize);

// The screen metrics behind the unit conversions.
struct ScreenMetrics
{
    int logPixelsX = 96;
    int logPixelsY = 96;
    int horzRes = 1920; // pixels
    int vertRes = 1080;
    int horzSize = 508; // millimetres
    int vertSize = 286;
};
CSize ViewToScrollUnits(const ScreenMetrics& screen, SIZE size, float fx, float fy);
CSize ScrollToViewUnits(const ScreenMetrics& screen, SIZE size, float fx, float fy);

// Moves the point into the frame from (10, -10) to farCorner; TRUE when it changed.
BOOL ClampToFrame(POINT& point, POINT farCorner);
// Moves the point to the nearest grid line of step gridWidth from (10, -10) (a half step rounds
// away from the origin); TRUE when it moved.
BOOL SnapToGrid(POINT& point, int gridWidth);

// The y-up rectangle with the two points as opposite corners: left <= right, top >= bottom.
CRect RectFromCorners(POINT a, POINT b);

// The union of two y-up rectangles.
CRect UnionYUp(const CRect& a, const CRect& b);

// Whether two y-up rectangles meet, taking the absolute values of their tops and bottoms.
BOOL RectsIntersectAbsY(const RECT& a, const RECT& b);

} // namespace ViewGeometry
