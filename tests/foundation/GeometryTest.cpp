#include "foundation/Geometry.h"

#include <gtest/gtest.h>

#include <climits>

#include <numbers>

TEST(Geometry, RectanglePointAndEdgeTests)
{
    const CRect rect(0, 100, 200, 0);
    const struct
    {
        CPoint point;
        int tolerance;
        BOOL inRect;
        DWORD edge;
    } cases[] = {
        // clang-format off
        {{0, 0}, 0, TRUE, RECT_EDGE_BOTTOM}, // bottom-left corner: bottom comes before left
        {{200, 100}, 0, TRUE, RECT_EDGE_TOP},                       // top-right corner: top wins over right
        {{100, 50}, 0, TRUE, 0},
        {{201, 50}, 0, FALSE, 0},
        {{205, 50}, 5, TRUE, RECT_EDGE_RIGHT},
        {{206, 50}, 5, FALSE, 0},
        {{-3, 50}, 5, TRUE, RECT_EDGE_LEFT},
        {{100, -5}, 5, TRUE, RECT_EDGE_BOTTOM},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PointInRectWithTolerance(rect, c.point, c.tolerance), c.inRect) << c.point.x << "," << c.point.y;
        EXPECT_EQ(HitTestRectEdge(rect, c.point, c.tolerance), c.edge) << c.point.x << "," << c.point.y;
    }

    EXPECT_TRUE(PointNearPoint(CPoint(10, 10), CPoint(17, 3), 7));
    EXPECT_FALSE(PointNearPoint(CPoint(10, 10), CPoint(18, 10), 7));

    EXPECT_TRUE(RectInRectWithTolerance(CRect(0, 100, 200, 0), rect, 0));
    EXPECT_FALSE(RectInRectWithTolerance(CRect(-1, 100, 200, 0), rect, 0));
    EXPECT_TRUE(RectInRectWithTolerance(CRect(-2, 102, 202, -2), rect, 2));
}

TEST(Geometry, PointNearSegmentMeasuresAlongTheShorterAxis)
{
    const struct
    {
        CPoint a, b, point;
        BOOL near;
    } cases[] = {
        // clang-format off
        {{0, 0}, {100, 0}, {50, 7}, TRUE},
        {{0, 0}, {100, 0}, {-7, 0}, TRUE},
        {{0, 0}, {100, 0}, {50, 8}, FALSE},
        {{0, 0}, {100, 0}, {108, 0}, FALSE},
        {{0, 0}, {100, 50}, {40, 27}, TRUE}, // expected y 20, 7 away
        {{0, 0}, {100, 50}, {40, 28}, FALSE},
        {{100, 50}, {0, 0}, {40, 13}, TRUE}, // the end with the smaller x is the origin either way
        {{0, 0}, {10, 100}, {12, 50}, TRUE}, // steep: tolerance along x around x = 5
        {{0, 0}, {10, 100}, {13, 50}, FALSE},
        {{0, 0}, {10, -100}, {-1, -50}, TRUE},
        {{0, 0}, {10, -100}, {12, -50}, TRUE},
        // clang-format on
        // The slope -0.1 kept in single precision puts the lower bound just above -2.
        {{0, 0}, {10, -100}, {-2, -50}, FALSE},
        {{0, 0}, {100, 50}, {120, 60}, FALSE}, // outside the grown box
    };
    for (const auto& c : cases)
        EXPECT_EQ(PointNearSegment(c.a, c.b, c.point, 7), c.near) << c.point.x << "," << c.point.y;
}

TEST(Geometry, PointInEllipse)
{
    const CRect ellipse(0, 0, 100, -50); // centre (50, -25), a 50, b -25
    const struct
    {
        CRect bounds;
        CPoint point;
        int tolerance;
        BOOL filled, outline;
    } cases[] = {
        // clang-format off
        {ellipse, {50, -25}, 0, TRUE, FALSE},
        {ellipse, {100, -25}, 0, TRUE, TRUE},
        {ellipse, {105, -25}, 7, TRUE, TRUE},
        {ellipse, {108, -25}, 7, FALSE, FALSE},
        {ellipse, {5, -5}, 0, FALSE, FALSE}, // the corner lies outside the ellipse
        {CRect(0, 0, 0, -50), {0, -25}, 7, FALSE, FALSE}, // zero width
        {CRect(0, 0, 1, -50), {0, -25}, 7, FALSE, FALSE}, // half width 0
        {CRect(0, 0, 100, -1), {50, 0}, 7, FALSE, FALSE}, // half height 0
        {CRect(0, 0, 14, -14), {7, -7}, 7, TRUE, TRUE},   // shrunk by the tolerance nothing is left inside
        {CRect(14, 0, 0, -14), {7, -7}, 7, FALSE, FALSE}, // mirrored: grown half width 0, no inside
        {CRect(-2000000000, 2000000000, 2000000000, -2000000000), {0, 0}, 7, TRUE, FALSE}, // wider than 32 bits
        {CRect(-2000000000, 2000000000, 2000000000, -2000000000), {2000000000, 0}, 7, TRUE, TRUE},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PointInEllipse(c.bounds, c.point, c.tolerance, FALSE), c.filled) << c.point.x << "," << c.point.y;
        EXPECT_EQ(PointInEllipse(c.bounds, c.point, c.tolerance, TRUE), c.outline) << c.point.x << "," << c.point.y;
    }
}

TEST(Geometry, PolygonShapes)
{
    const POINT diamond[4] = {{0, -50}, {50, 0}, {100, -50}, {50, -100}};
    EXPECT_TRUE(PointInDiamond(diamond, {50, -50}, 7, FALSE));
    EXPECT_FALSE(PointInDiamond(diamond, {50, -50}, 7, TRUE));
    EXPECT_TRUE(PointInDiamond(diamond, {25, -25}, 7, TRUE));
    EXPECT_FALSE(PointInDiamond(diamond, {5, -5}, 7, FALSE));
    EXPECT_TRUE(PointInDiamond(diamond, {20, -23}, 7, FALSE)); // 7 above the upper-left edge's y
    EXPECT_FALSE(PointInDiamond(diamond, {20, -22}, 7, FALSE));

    // Left vertex, upper left, upper right, right vertex, lower right, lower left.
    const POINT hexagon[6] = {{0, -50}, {25, 0}, {75, 0}, {100, -50}, {75, -100}, {25, -100}};
    EXPECT_TRUE(PointInHexagon(hexagon, {50, -50}, 0));
    EXPECT_TRUE(PointInHexagon(hexagon, {50, 7}, 7));
    EXPECT_FALSE(PointInHexagon(hexagon, {50, 8}, 7));
    EXPECT_FALSE(PointInHexagon(hexagon, {2, -10}, 0));

    const POINT octagon[8] = {{0, -25}, {25, 0}, {75, 0}, {100, -25}, {100, -75}, {75, -100}, {25, -100}, {0, -75}};
    EXPECT_TRUE(PointInOctagon(octagon, {50, -50}, 0));
    EXPECT_TRUE(PointInOctagon(octagon, {-7, -50}, 7));
    EXPECT_FALSE(PointInOctagon(octagon, {-8, -50}, 7));
    EXPECT_FALSE(PointInOctagon(octagon, {98, -98}, 0));

    EXPECT_TRUE(PointInPolygonShape(hexagon, 6, {50, -50}, 0, FALSE));
    EXPECT_TRUE(PointInPolygonShape(octagon, 8, {50, -50}, 0, FALSE));
    EXPECT_FALSE(PointInPolygonShape(hexagon, 6, {50, -50}, 7, TRUE));
    EXPECT_TRUE(PointInPolygonShape(hexagon, 6, {50, -95}, 7, TRUE)); // near the bottom edge
    EXPECT_TRUE(PointInPolygonShape(hexagon, 6, {10, -78}, 7, TRUE)); // near the closing edge
    EXPECT_FALSE(PointInPolygonShape(octagon, 7, {50, -50}, 7, FALSE));
    EXPECT_TRUE(PointInPolygonShape(octagon, 7, {12, -62}, 7, TRUE)); // only near the closing edge P6-P0
}

TEST(Geometry, SlantedEdgesOfZeroWidthBoundTheShapeInX)
{
    // A hexagon without corner cuts is a rectangle; its vertical "slanted" edges bound it in x.
    const POINT box[6] = {{0, -50}, {0, 0}, {100, 0}, {100, -50}, {100, -100}, {0, -100}};
    const struct
    {
        CPoint point;
        BOOL hit;
    } hexagonCases[] = {
        {{50, -50}, TRUE},   {{-7, -20}, TRUE}, {{-8, -20}, FALSE}, {{107, -80}, TRUE},
        {{108, -80}, FALSE}, {{-7, -80}, TRUE}, {{107, -20}, TRUE}, {{50, 8}, FALSE},
    };
    for (const auto& c : hexagonCases)
        EXPECT_EQ(PointInHexagon(box, c.point, 7), c.hit) << c.point.x << "," << c.point.y;

    const POINT octagon[8] = {{0, 0}, {0, 0}, {100, 0}, {100, 0}, {100, -100}, {100, -100}, {0, -100}, {0, -100}};
    EXPECT_TRUE(PointInOctagon(octagon, {50, -50}, 0));
    EXPECT_TRUE(PointInOctagon(octagon, {-7, -3}, 7));
    EXPECT_FALSE(PointInOctagon(octagon, {-8, -3}, 7));

    // A diamond of zero width is a vertical strip of the tolerance's half-width, as a diamond of
    // zero height is a horizontal one; the object bounds both by its rectangle.
    const POINT thin[4] = {{0, -50}, {0, 0}, {0, -50}, {0, -100}};
    EXPECT_TRUE(PointInDiamond(thin, {7, -50}, 7, FALSE));
    EXPECT_TRUE(PointInDiamond(thin, {-7, -10}, 7, FALSE));
    EXPECT_FALSE(PointInDiamond(thin, {8, -50}, 7, FALSE));
    EXPECT_TRUE(PointInDiamond(thin, {3, -60}, 7, TRUE));
    EXPECT_FALSE(PointInDiamond(thin, {3, -120}, 7, TRUE));
}

TEST(Geometry, PointOnEllipseTowards)
{
    const CRect circle(0, 100, 100, 0); // centre (50, 50), a 50, b -50
    CPoint out;
    EXPECT_EQ(PointOnEllipseTowards(out, circle, CPoint(200, 50)), CPoint(100, 50));
    EXPECT_EQ(PointOnEllipseTowards(out, circle, CPoint(50, 200)), CPoint(50, 100));
    EXPECT_EQ(PointOnEllipseTowards(out, circle, CPoint(-10, 50)), CPoint(0, 50));
    EXPECT_EQ(PointOnEllipseTowards(out, CRect(0, 100, 1, 0), CPoint(7, 8)), CPoint(7, 8));
    EXPECT_EQ(PointOnEllipseTowards(out, CRect(-2000000000, 2000000000, 2000000000, -2000000000),
                                    CPoint(2100000000, 0)),
              CPoint(2000000000, 0)); // wider than 32 bits
}

TEST(Geometry, RotationsAndLineEnds)
{
    CPoint p(100, 0);
    RotatePoint(p, std::numbers::pi / 2);
    EXPECT_EQ(p, CPoint(0, 100));
    p = CPoint(10, 0);
    RotatePoint(p, std::numbers::pi / 4);
    EXPECT_EQ(p, CPoint(7, 7));
    p = CPoint(2000000000, 2000000000); // rotated beyond 32 bits: held at the bound
    RotatePoint(p, std::numbers::pi / 4);
    EXPECT_EQ(p, CPoint(0, INT_MAX));
    CPoint cornerA, cornerB;
    CalcLightningPoints({-2000000000, 0}, {2000000000, 0}, CSize(0, 0), cornerA, cornerB);
    EXPECT_EQ(cornerA, CPoint(0, 0));

    POINT atFirst[2] = {{-1, -1}, {-1, -1}}, atSecond[2] = {{-1, -1}, {-1, -1}};
    EXPECT_FALSE(CalcArrowBarbPoints({0, 0}, {100, 0}, 0, CSize(20, 10), atFirst, atSecond));
    EXPECT_EQ(CPoint(atFirst[0]), CPoint(-1, -1));
    EXPECT_EQ(CPoint(atSecond[1]), CPoint(-1, -1));
    EXPECT_TRUE(CalcArrowBarbPoints({0, 0}, {100, 0}, 3, CSize(20, 10), atFirst, atSecond));
    EXPECT_EQ(CPoint(atSecond[0]), CPoint(80, 10));
    EXPECT_EQ(CPoint(atSecond[1]), CPoint(80, -10));
    EXPECT_EQ(CPoint(atFirst[0]), CPoint(20, 10));
    EXPECT_EQ(CPoint(atFirst[1]), CPoint(20, -10));

    CSize first(-1, -1), second(-1, -1);
    EXPECT_TRUE(CalcEndOffsetTwoThirds({0, 0}, {0, 100}, LINE_END_SECOND, CSize(31, 5), first, second));
    EXPECT_EQ(second, CSize(0, -20));
    EXPECT_EQ(first, CSize(-1, -1));
    EXPECT_TRUE(CalcEndOffsetAlongLine({0, 0}, {100, 0}, LINE_END_FIRST, CSize(30, 5), first, second));
    EXPECT_EQ(first, CSize(30, 0));
    EXPECT_TRUE(CalcEndOffsetRotated({0, 0}, {100, 0}, 3, CSize(4, 6), first, second));
    EXPECT_EQ(first, CSize(4, 6));
    EXPECT_EQ(second, CSize(-4, -6));
    EXPECT_FALSE(CalcEndOffsetRotated({0, 0}, {100, 0}, 0, CSize(4, 6), first, second));

    CSize rotated;
    EXPECT_TRUE(RotateOffsetToLine({0, 0}, {0, -10}, CSize(10, 0), rotated));
    EXPECT_EQ(rotated, CSize(0, -10));

    CPoint a, b;
    EXPECT_TRUE(CalcLightningPoints({0, 0}, {101, 0}, CSize(10, 5), a, b));
    EXPECT_EQ(a, CPoint(60, -5));
    EXPECT_EQ(b, CPoint(40, 5));
}

TEST(Geometry, DepthFunctions)
{
    const struct
    {
        CPoint first, second;
        int y, x;
    } lines[] = {
        // clang-format off
        {{0, -50}, {40, 0}, -25, 20},
        {{0, -50}, {40, 0}, -1, 40}, // the division truncates toward zero
        {{0, -50}, {40, 0}, -50, 0},
        {{0, 0}, {40, 0}, 0, 0},   // horizontal: the chord keeps its full width
        {{0, 0}, {40, 0}, -7, 0},
        // clang-format on
    };
    for (const auto& c : lines)
        EXPECT_EQ(XOnLineAtY(c.first, c.second, c.y), c.x) << c.y;

    const CRect box(0, 0, 100, -60);
    const struct
    {
        CRect bounds;
        int depth, inset;
    } insets[] = {
        // clang-format off
        {box, 0, 50}, {box, -60, 50}, {box, -30, 0}, {box, 1, 0}, {box, -61, 0},
        {box, -10, 13}, {box, -50, 13}, // mirrored into the upper half
        {CRect(0, 0, 0, -60), -10, 0}, {CRect(0, 0, 100, 0), 0, 0},
        {CRect(0, 0, 100, -1), -1, 50},
        {CRect(-2000000000, 2000000000, 2000000000, -2000000000), INT_MIN, 5445270}, // taller than 32 bits
        // clang-format on
    };
    for (const auto& c : insets)
        EXPECT_EQ(EllipseInsetAtY(c.bounds, c.depth), c.inset) << c.depth;
}
