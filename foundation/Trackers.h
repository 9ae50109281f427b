// Selection handles and the rubber-band outlines that follow the mouse. Everything is drawn with an
// exclusive-or raster operation, so drawing the same figure again at the same place erases it.
// Coordinates are the device context's logical units at the current zoom, so a handle keeps its
// size on screen whatever the zoom. Each function restores the pen, brush and raster operation it
// found and deletes what it created, also when an exception passes.
#pragma once

#include "platform/afx/Rect.h"

class CDC;

// Half the side of a selection handle.
constexpr int HANDLE_HALF_SIZE = 7;
// The pattern bitmaps of the wide hatched frame, of the shape-specific and point handles, and of
// the segment-midpoint handles of lines.
constexpr UINT IDB_HATCHED_FRAME = 151;
constexpr UINT IDB_PATTERN_HANDLE = 152;
constexpr UINT IDB_MIDPOINT_HANDLE = 153;

// One handle, inverted with the white pen and brush.
void DrawHandleSquare(CDC* dc, POINT centre);
// The corner and side handles of a rectangle; a rectangle smaller than a handle shows one.
void DrawRectHandles(CDC* dc, const RECT& rect);
// One handle filled with the bitmap's pattern and framed in the colour; nothing when the bitmap
// cannot be loaded.
void DrawPatternHandle(CDC* dc, POINT centre, UINT bitmapId, COLORREF frameColor);

// Dotted outlines (black dotted pen, no fill) and solid ones in a colour.
void DrawTrackerRect(CDC* dc, const RECT& rect);
void DrawTrackerRectColor(CDC* dc, const RECT& rect, COLORREF color);
void DrawTrackerLine(CDC* dc, int x1, int y1, int x2, int y2);
void DrawTrackerLineColor(CDC* dc, int x1, int y1, int x2, int y2, COLORREF color);
void DrawTrackerRoundRect(CDC* dc, const RECT& rect, SIZE corner);
void DrawTrackerRoundRectColor(CDC* dc, const RECT& rect, SIZE corner, COLORREF color);
// Corner width and height both min(width / 4, height / 4).
void DrawTrackerRoundRectAuto(CDC* dc, const RECT& rect);
void DrawTrackerEllipse(CDC* dc, const RECT& bounds);
void DrawTrackerEllipseColor(CDC* dc, const RECT& bounds, COLORREF color);
// Kind 2 draws a chord, 3 a pie, any other kind an arc.
void DrawTrackerArc(CDC* dc, const RECT& bounds, POINT start, POINT end, WORD kind);
void DrawTrackerArcColor(CDC* dc, const RECT& bounds, POINT start, POINT end, WORD kind, COLORREF color);
void DrawTrackerPolygon(CDC* dc, const POINT* points, int count);
void DrawTrackerPolygonColor(CDC* dc, const POINT* points, int count, COLORREF color);
void DrawTrackerPolylineColor(CDC* dc, const POINT* points, int count, COLORREF color);
void DrawTrackerPolyline(CDC* dc, const POINT* points, int count);
// A dotted Bézier spline through 3n + 1 points.
void DrawTrackerBezier(CDC* dc, const POINT* points, int count);

// The selection frame: below 3 pixels a silver outline, else four hatched bands of that many
// pixels inside the rectangle.
void DrawHatchedFrame(CDC* dc, const RECT& rect, int bandPixels);
// The size in 0.1 mm of a number of device pixels, rounded up by one unit.
CSize& PixelSpanInTenthMm(CSize& out, CDC* dc, int pixels);
