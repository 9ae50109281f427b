// Hit tests and constructions shared by every drawing object. They work in whatever unit the caller
// gives (0.1 mm or zoomed coordinates), take the tolerance in that unit and keep no state.
// Rectangles are y-up: left, top, right, bottom with top >= bottom.
#pragma once

#include "platform/afx/Rect.h"

class CDC;

// Edge codes of HitTestRectEdge.
constexpr DWORD RECT_EDGE_TOP = 0x1000000;
constexpr DWORD RECT_EDGE_BOTTOM = 0x2000000;
constexpr DWORD RECT_EDGE_LEFT = 0x4000000;
constexpr DWORD RECT_EDGE_RIGHT = 0x8000000;

// End bits of the line-end constructions.
constexpr int LINE_END_FIRST = 1;
constexpr int LINE_END_SECOND = 2;

BOOL PointInRectWithTolerance(const RECT& rect, POINT point, int tolerance);
// A square of half-size tolerance around the centre, bounds included (handle hits).
BOOL PointNearPoint(POINT centre, POINT point, int tolerance);
// The code of the first edge near the point, in the order top, right, bottom, left; 0 for none.
DWORD HitTestRectEdge(const RECT& rect, POINT point, int tolerance);
BOOL RectInRectWithTolerance(const RECT& inner, const RECT& outer, int tolerance);
BOOL PointInEllipse(const RECT& bounds, POINT point, int tolerance, BOOL outlineOnly);
// Diamond points: left, top, right and bottom vertex.
BOOL PointInDiamond(const POINT* points, POINT point, int tolerance, BOOL outlineOnly);
// Hexagon points: left vertex, upper left, upper right, right vertex, lower right, lower left.
BOOL PointInHexagon(const POINT* points, POINT point, int tolerance);
// Octagon points: upper end of the left side, then clockwise.
BOOL PointInOctagon(const POINT* points, POINT point, int tolerance);
BOOL PointInPolygonShape(const POINT* points, int count, POINT point, int tolerance, BOOL outlineOnly);
// Where a line from the ellipse's centre towards the point meets the outline.
CPoint& PointOnEllipseTowards(CPoint& out, const RECT& bounds, POINT point);
// The tolerance is measured along x for a steep segment and along y otherwise.
BOOL PointNearSegment(POINT first, POINT second, POINT point, int tolerance);
// Rotates the point about the origin, truncating toward zero.
void RotatePoint(CPoint& point, double angle);
// A line with the stock black pen (move-to, line-to); the previous pen is put back.
void DrawBlackLine(CDC* dc, int x1, int y1, int x2, int y2);

// Line-end constructions. The angle is that of the line from first to second. With no end bit set
// they write nothing and return FALSE.
// size = (length, half-width); barbs are written two per end, in the order (+half-width, -half-width).
BOOL CalcArrowBarbPoints(POINT first, POINT second, int endBits, SIZE size, POINT* barbsAtFirst, POINT* barbsAtSecond);
BOOL CalcEndOffsetTwoThirds(POINT first, POINT second, int endBits, SIZE size, CSize& offsetFirst, CSize& offsetSecond);
BOOL CalcEndOffsetAlongLine(POINT first, POINT second, int endBits, SIZE size, CSize& offsetFirst, CSize& offsetSecond);
BOOL CalcEndOffsetRotated(POINT first, POINT second, int endBits, SIZE offset, CSize& offsetFirst, CSize& offsetSecond);
BOOL RotateOffsetToLine(POINT first, POINT second, SIZE offset, CSize& out);
// The two corners of the lightning-shaped break around the line's midpoint.
BOOL CalcLightningPoints(POINT first, POINT second, SIZE offset, CPoint& cornerA, CPoint& cornerB);

// x of the segment from (0, first.y) to (second.x, 0) at height y. A horizontal segment gives 0.
int XOnLineAtY(POINT first, POINT second, int y);
// Horizontal distance between the rectangle's side and the inscribed ellipse at a depth (<= 0)
// below the top.
int EllipseInsetAtY(const RECT& bounds, int depth);
