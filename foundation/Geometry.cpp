#include "foundation/Geometry.h"

#include "platform/gdi/DC.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace geometry_cpp {

// Half the distance from start to end, truncated toward zero. Always within 32 bits, even where
// the distance itself is not.
int HalfExtent(LONG start, LONG end)
{
    return int(((long long)end - start) / 2);
}

// A rotated or projected coordinate, truncated toward zero and held within 32 bits.
int TruncatedToInt(double value)
{
    return int(std::clamp(value, double(INT_MIN), double(INT_MAX)));
}

double LineAngle(POINT first, POINT second)
{
    return std::atan2(double(second.y) - double(first.y), double(second.x) - double(first.x));
}

CPoint Rotated(int x, int y, double angle)
{
    CPoint p(x, y);
    RotatePoint(p, angle);
    return p;
}

CSize RotatedOffset(int x, int y, double angle)
{
    const CPoint p = Rotated(x, y, angle);
    return CSize(p.x, p.y);
}

// Whether the point lies on the inner side of the straight edge from -> to, within the tolerance
// measured along y: below the edge's line (y - from.y <= L(x) + t) or above it (>= L(x) - t).
// A vertical edge has no slope; it bounds the shape in x instead, as a very steep edge would, with
// the tolerance measured along x. Two equal points count as a horizontal edge.
bool OnInnerSideOfEdge(POINT from, POINT to, POINT point, int tolerance, bool below)
{
    const long long dx = (long long)to.x - from.x;
    const long long dy = (long long)to.y - from.y;
    if (dx == 0 && dy != 0) {
        const bool insideToTheRight = (dy > 0) == below;
        return insideToTheRight ? (long long)point.x >= (long long)from.x - tolerance
                                : (long long)point.x <= (long long)from.x + tolerance;
    }
    const long double line =
        dx == 0 ? 0.0L : (long double)dy / (long double)dx * (long double)((long long)point.x - from.x);
    const long double offset = (long double)((long long)point.y - from.y);
    return below ? offset <= line + tolerance : offset >= line - tolerance;
}

bool BelowEdge(POINT from, POINT to, POINT point, int tolerance)
{
    return OnInnerSideOfEdge(from, to, point, tolerance, true);
}

bool AboveEdge(POINT from, POINT to, POINT point, int tolerance)
{
    return OnInnerSideOfEdge(from, to, point, tolerance, false);
}

bool NearClosedOutline(const POINT* points, int count, POINT point, int tolerance)
{
    for (int i = 0; i < count; ++i)
        if (PointNearSegment(points[i], points[(i + 1) % count], point, tolerance))
            return true;
    return false;
}

// Both ends' offsets of a line-end construction: (-x, -y) rotated for the second point's end,
// (x, y) rotated for the first point's end.
BOOL EndOffsets(POINT first, POINT second, int endBits, int x, int y, CSize& offsetFirst, CSize& offsetSecond)
{
    if (!(endBits & (LINE_END_FIRST | LINE_END_SECOND)))
        return FALSE;
    const double angle = LineAngle(first, second);
    if (endBits & LINE_END_SECOND)
        offsetSecond = RotatedOffset(-x, -y, angle);
    if (endBits & LINE_END_FIRST)
        offsetFirst = RotatedOffset(x, y, angle);
    return TRUE;
}

} // namespace geometry_cpp

BOOL PointInRectWithTolerance(const RECT& rect, POINT point, int tolerance)
{
    const long long x = point.x, y = point.y;
    return x >= (long long)rect.left - tolerance && x <= (long long)rect.right + tolerance &&
           y >= (long long)rect.bottom - tolerance && y <= (long long)rect.top + tolerance;
}

BOOL PointNearPoint(POINT centre, POINT point, int tolerance)
{
    return std::llabs((long long)point.x - centre.x) <= tolerance &&
           std::llabs((long long)point.y - centre.y) <= tolerance;
}

DWORD HitTestRectEdge(const RECT& rect, POINT point, int tolerance)
{
    const POINT topLeft{rect.left, rect.top}, topRight{rect.right, rect.top};
    const POINT bottomRight{rect.right, rect.bottom}, bottomLeft{rect.left, rect.bottom};
    if (PointNearSegment(topLeft, topRight, point, tolerance))
        return RECT_EDGE_TOP;
    if (PointNearSegment(topRight, bottomRight, point, tolerance))
        return RECT_EDGE_RIGHT;
    if (PointNearSegment(bottomRight, bottomLeft, point, tolerance))
        return RECT_EDGE_BOTTOM;
    if (PointNearSegment(bottomLeft, topLeft, point, tolerance))
        return RECT_EDGE_LEFT;
    return 0;
}

BOOL RectInRectWithTolerance(const RECT& inner, const RECT& outer, int tolerance)
{
    const long long left = (long long)outer.left - tolerance, right = (long long)outer.right + tolerance;
    const long long bottom = (long long)outer.bottom - tolerance, top = (long long)outer.top + tolerance;
    auto inX = [&](long long x) { return x >= left && x <= right; };
    auto inY = [&](long long y) { return y >= bottom && y <= top; };
    return inX(inner.left) && inX(inner.right) && inY(inner.top) && inY(inner.bottom);
}

BOOL PointInEllipse(const RECT& bounds, POINT point, int tolerance, BOOL outlineOnly)
{
    const int a = geometry_cpp::HalfExtent(bounds.left, bounds.right);
    const int b = geometry_cpp::HalfExtent(bounds.top, bounds.bottom); // <= 0 with y up
    if (a == 0 || b == 0)
        return FALSE;
    const double dx = double(point.x) - (double(bounds.right) - a);
    const double dy = double(point.y) - (double(bounds.bottom) - b);
    const double t = tolerance;

    // Inside the ellipse grown by the tolerance? A grown half-width of 0 has no inside.
    const double grownA = a + t, grownB = b - t;
    if (grownA == 0.0)
        return FALSE;
    if (grownB * grownB - dx * dx * grownB * grownB / (grownA * grownA) < dy * dy)
        return FALSE;
    if (!outlineOnly)
        return TRUE;

    // Strictly inside the ellipse shrunk by the tolerance is off the line. A shrunk half-width of 0
    // leaves no inside, so every point of the grown ellipse is on the line.
    const double shrunkA = a - t, shrunkB = b + t;
    if (shrunkA == 0.0)
        return TRUE;
    return !(shrunkB * shrunkB - dx * dx * shrunkB * shrunkB / (shrunkA * shrunkA) > dy * dy);
}

BOOL PointInDiamond(const POINT* p, POINT point, int tolerance, BOOL outlineOnly)
{
    if (outlineOnly)
        return geometry_cpp::NearClosedOutline(p, 4, point, tolerance);
    return geometry_cpp::BelowEdge(p[0], p[1], point, tolerance) &&
           geometry_cpp::BelowEdge(p[1], p[2], point, tolerance) &&
           geometry_cpp::AboveEdge(p[3], p[2], point, tolerance) &&
           geometry_cpp::AboveEdge(p[0], p[3], point, tolerance);
}

BOOL PointInHexagon(const POINT* p, POINT point, int tolerance)
{
    const long long y = point.y;
    return geometry_cpp::BelowEdge(p[0], p[1], point, tolerance) && y <= (long long)p[1].y + tolerance &&
           geometry_cpp::BelowEdge(p[2], p[3], point, tolerance) &&
           geometry_cpp::AboveEdge(p[4], p[3], point, tolerance) && y >= (long long)p[5].y - tolerance &&
           geometry_cpp::AboveEdge(p[0], p[5], point, tolerance);
}

BOOL PointInOctagon(const POINT* p, POINT point, int tolerance)
{
    const long long x = point.x, y = point.y;
    return geometry_cpp::BelowEdge(p[0], p[1], point, tolerance) && y <= (long long)p[1].y + tolerance &&
           geometry_cpp::BelowEdge(p[2], p[3], point, tolerance) && x <= (long long)p[3].x + tolerance &&
           geometry_cpp::AboveEdge(p[5], p[4], point, tolerance) && y >= (long long)p[6].y - tolerance &&
           geometry_cpp::AboveEdge(p[7], p[6], point, tolerance) && x >= (long long)p[0].x - tolerance;
}

BOOL PointInPolygonShape(const POINT* points, int count, POINT point, int tolerance, BOOL outlineOnly)
{
    if (count <= 0)
        return FALSE;
    if (outlineOnly)
        return geometry_cpp::NearClosedOutline(points, count, point, tolerance);
    if (count == 6)
        return PointInHexagon(points, point, tolerance);
    if (count == 8)
        return PointInOctagon(points, point, tolerance);
    return FALSE;
}

CPoint& PointOnEllipseTowards(CPoint& out, const RECT& bounds, POINT point)
{
    const int a = geometry_cpp::HalfExtent(bounds.left, bounds.right);
    const int b = geometry_cpp::HalfExtent(bounds.top, bounds.bottom);
    if (a == 0 || b == 0) {
        out = point;
        return out;
    }
    const int cx = bounds.left + a, cy = bounds.top + b;
    const double angle = std::atan2(double(cy) - point.y, double(point.x) - cx);
    out = CPoint(cx + int(std::cos(angle) * a), cy + int(std::sin(angle) * b));
    return out;
}

BOOL PointNearSegment(POINT first, POINT second, POINT point, int tolerance)
{
    const long long xmin = std::min(first.x, second.x), xmax = std::max(first.x, second.x);
    const long long ymin = std::min(first.y, second.y), ymax = std::max(first.y, second.y);
    const long long x = point.x, y = point.y;
    if (x < xmin - tolerance || x > xmax + tolerance || y < ymin - tolerance || y > ymax + tolerance)
        return FALSE;
    if (xmin == xmax || ymin == ymax)
        return TRUE;

    const POINT& a = second.x < first.x ? second : first;
    const POINT& b = second.x < first.x ? first : second;
    const long long dx = (long long)b.x - a.x; // > 0
    const long long dy = (long long)b.y - a.y; // != 0
    const long long px = x - a.x, py = y - a.y;

    // The slope is kept in single precision, as are the bounds and the compared offset.
    const bool steep = dx < std::llabs(dy);
    const float slope = steep ? float(double(dx) / double(dy)) : float(double(dy) / double(dx));
    const double expected = double(slope) * double(steep ? py : px);
    const float t = float(tolerance);
    const float upper = float(expected + t);
    const float lower = float(expected - t);
    const float offset = float(steep ? px : py);
    return lower <= offset && offset <= upper;
}

void RotatePoint(CPoint& point, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    const double x = point.x, y = point.y;
    point = CPoint(geometry_cpp::TruncatedToInt(x * c - y * s), geometry_cpp::TruncatedToInt(x * s + y * c));
}

void DrawBlackLine(CDC* dc, int x1, int y1, int x2, int y2)
{
    CPen black;
    black.CreateStockObject(BLACK_PEN);
    CPen* old = dc->SelectObject(&black);
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
    dc->SelectObject(old);
}

BOOL CalcArrowBarbPoints(POINT first, POINT second, int endBits, SIZE size, POINT* barbsAtFirst, POINT* barbsAtSecond)
{
    if (!(endBits & (LINE_END_FIRST | LINE_END_SECOND)))
        return FALSE;
    const double angle = geometry_cpp::LineAngle(first, second);
    if (endBits & LINE_END_SECOND) {
        barbsAtSecond[0] = CPoint(second) + geometry_cpp::Rotated(-size.cx, size.cy, angle);
        barbsAtSecond[1] = CPoint(second) + geometry_cpp::Rotated(-size.cx, -size.cy, angle);
    }
    if (endBits & LINE_END_FIRST) {
        barbsAtFirst[0] = CPoint(first) + geometry_cpp::Rotated(size.cx, size.cy, angle);
        barbsAtFirst[1] = CPoint(first) + geometry_cpp::Rotated(size.cx, -size.cy, angle);
    }
    return TRUE;
}

BOOL CalcEndOffsetTwoThirds(POINT first, POINT second, int endBits, SIZE size, CSize& offsetFirst, CSize& offsetSecond)
{
    return geometry_cpp::EndOffsets(first, second, endBits, (2 * size.cx) / 3, 0, offsetFirst, offsetSecond);
}

BOOL CalcEndOffsetAlongLine(POINT first, POINT second, int endBits, SIZE size, CSize& offsetFirst, CSize& offsetSecond)
{
    return geometry_cpp::EndOffsets(first, second, endBits, size.cx, 0, offsetFirst, offsetSecond);
}

BOOL CalcEndOffsetRotated(POINT first, POINT second, int endBits, SIZE offset, CSize& offsetFirst, CSize& offsetSecond)
{
    return geometry_cpp::EndOffsets(first, second, endBits, offset.cx, offset.cy, offsetFirst, offsetSecond);
}

BOOL RotateOffsetToLine(POINT first, POINT second, SIZE offset, CSize& out)
{
    out = geometry_cpp::RotatedOffset(offset.cx, offset.cy, geometry_cpp::LineAngle(first, second));
    return TRUE;
}

BOOL CalcLightningPoints(POINT first, POINT second, SIZE offset, CPoint& cornerA, CPoint& cornerB)
{
    const CSize r = geometry_cpp::RotatedOffset(offset.cx, -offset.cy, geometry_cpp::LineAngle(first, second));
    const CPoint middle(first.x + geometry_cpp::HalfExtent(first.x, second.x),
                        first.y + geometry_cpp::HalfExtent(first.y, second.y));
    cornerA = middle + r;
    cornerB = middle - r;
    return TRUE;
}

int XOnLineAtY(POINT first, POINT second, int y)
{
    const long long width = (long long)second.x - first.x;
    const long long height = (long long)second.y - first.y;
    // A horizontal edge starts at x = 0 in the frame this works in: the chord keeps its full width.
    if (height == 0)
        return 0;
    return int(width * y / height + width);
}

int EllipseInsetAtY(const RECT& bounds, int depth)
{
    const long long h = (long long)bounds.bottom - bounds.top;
    const int a = geometry_cpp::HalfExtent(bounds.left, bounds.right);
    if (depth > 0 || depth < h || bounds.right == bounds.left || h == 0)
        return 0;
    if (depth == 0 || depth == h)
        return a;
    const int half = geometry_cpp::HalfExtent(bounds.top, bounds.bottom);
    if (depth == half)
        return 0;
    const long long d = depth < half ? h - depth : depth;
    const double off = double(d) - half;
    const double t = double(a) * a - off * off * double(a) * a / (double(half) * half);
    return t <= 0 ? a : a - int(std::sqrt(t));
}
