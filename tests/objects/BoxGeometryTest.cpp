// Geometry of box objects: handles, hit tests, repaint areas, moving, resizing and connection points.
#include "objects/BaseObj.h"
#include "objects/RectObj.h"
#include "platform/gdi/Rgn.h"
#include "tests/objects/ObjectsTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A rectangle 200 wide and 100 high with its top-left corner at (100, -100).
const CRect kBox(100, -100, 300, -200);

TEST(BoxHandles, EachHandleGivesItsCodeAndCentreAtZoom100And200)
{
    struct Case
    {
        CPoint centre; // in 0.1 mm
        DWORD code;
    };
    // Corners first, then the side midpoints, as the handles are searched.
    const Case cases[] = {
        {{100, -100}, 0x92}, {{300, -100}, 0x52}, {{300, -200}, 0x62}, {{100, -200}, 0xA2},
        {{200, -100}, 0x12}, {{200, -200}, 0x22}, {{300, -150}, 0x42}, {{100, -150}, 0x82},
    };
    CBaseObj box(OBJKIND_RECT, 1, kBox);
    for (const int zoom : {100, 200}) {
        for (const Case& c : cases) {
            const CPoint zoomed(c.centre.x * zoom / 100, c.centre.y * zoom / 100);
            // The handle is found within 7 zoomed units of its centre, not 8.
            for (const CPoint delta : {CPoint(0, 0), CPoint(7, -7), CPoint(-7, 7)}) {
                DWORD hit = 0xDEAD, part = 0xDEAD;
                CPoint handle;
                ASSERT_TRUE(box.HitTestHandles(zoom, zoomed + CSize(delta.x, delta.y), 0, 7, hit, part, handle, TRUE));
                EXPECT_EQ(hit, c.code) << "zoom " << zoom << " handle " << c.centre.x << "," << c.centre.y;
                EXPECT_EQ(part, 0u);
                EXPECT_EQ(handle, zoomed);
            }
        }
    }
}

TEST(BoxHandles, BodyWithinSevenAndMissBeyond)
{
    CBaseObj box(OBJKIND_RECT, 1, kBox);
    struct Case
    {
        int zoom;
        CPoint point; // zoomed
        BOOL hit;
        DWORD code;
    };
    const Case cases[] = {
        // clang-format off
        {100, {150, -130}, TRUE, 1},  {200, {300, -260}, TRUE, 1},  {100, {250, -93}, TRUE, 1},
        {100, {250, -92}, FALSE, 0},  {200, {450, -193}, TRUE, 1},  {200, {450, -192}, FALSE, 0},
        {100, {307, -130}, TRUE, 1},  {100, {308, -130}, FALSE, 0},
        // clang-format on
    };
    for (const Case& c : cases) {
        DWORD hit = 0xDEAD, part = 0;
        CPoint handle(-1, -1);
        EXPECT_EQ(box.HitTestHandles(c.zoom, c.point, 0, 7, hit, part, handle, TRUE), c.hit)
            << c.point.x << "," << c.point.y;
        EXPECT_EQ(hit, c.code);
        EXPECT_EQ(handle, CPoint(-1, -1)) << "a body hit reports no handle point";
    }
}

TEST(BoxHandles, OverlappingHandlesOfATinyObjectFavourTheTopLeft)
{
    CBaseObj box(OBJKIND_RECT, 1, CRect(0, 0, 4, -4));
    DWORD hit = 0, part = 0;
    CPoint handle;
    ASSERT_TRUE(box.HitTestHandles(100, CPoint(2, -2), 0, 7, hit, part, handle, TRUE));
    EXPECT_EQ(hit, 0x92u);
}

TEST(BoxHitTest, OutlineOnlyMissesTheInsideOfAnUnfilledObject)
{
    CBaseObj box(OBJKIND_RECT, 1, kBox);
    EXPECT_FALSE(box.HitTest(CPoint(200, -150), 7, TRUE, TRUE));
    EXPECT_TRUE(box.HitTest(CPoint(200, -150), 7, TRUE, FALSE));
    EXPECT_TRUE(box.HitTest(CPoint(200, -106), 7, TRUE, TRUE));
    box.SetFill(TRUE);
    EXPECT_TRUE(box.HitTest(CPoint(200, -150), 7, TRUE, TRUE));
    EXPECT_FALSE(box.HitTest(CPoint(308, -150), 7, TRUE, FALSE));
}

TEST(BoxResize, EachHandleMovesItsSidesAndTheResultIsNormalised)
{
    struct Case
    {
        DWORD code;
        CSize offset;
        CRect expected;
    };
    const Case cases[] = {
        // clang-format off
        {0x92, {-10, 20}, {90, -80, 300, -200}},
        {0x52, {10, 20}, {100, -80, 310, -200}},
        {0x62, {10, -20}, {100, -100, 310, -220}},
        {0xA2, {-10, -20}, {90, -100, 300, -220}},
        {0x12, {50, 20}, {100, -80, 300, -200}},
        {0x22, {50, -20}, {100, -100, 300, -220}},
        {0x42, {10, 50}, {100, -100, 310, -200}},
        {0x82, {-10, 50}, {90, -100, 300, -200}},
        // clang-format on
        // Dragged past the opposite side, the rectangle turns over.
        {0x52, {30, -400}, {100, -200, 330, -500}},
        {0x82, {250, 0}, {300, -100, 350, -200}},
        // Not a resize handle, or no valid combination of sides: nothing happens.
        // clang-format off
        {0x32, {10, 10}, kBox},
        {0xF2, {10, 10}, kBox},
        {0x90, {10, 10}, kBox},
        {0x204, {10, 10}, kBox},
        // clang-format on
    };
    for (const Case& c : cases) {
        CBaseObj box(OBJKIND_RECT, 1, kBox);
        box.ResizeByHandle(c.offset, c.code);
        EXPECT_EQ(box.GetRect(), c.expected) << std::hex << c.code;
    }
}

TEST(BoxResize, NormalisedCopiesAndAbsoluteValues)
{
    EXPECT_EQ(GetNormalizedRect(CRect(300, -200, 100, -100)), kBox);
    EXPECT_EQ(GetNormalizedRect(kBox), kBox);
    struct Case
    {
        int value, expected;
    };
    const Case cases[] = {{0, 0}, {7, 7}, {-7, 7}, {INT_MAX, INT_MAX}, {-INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}};
    for (const Case& c : cases)
        EXPECT_EQ(AbsInt(c.value), c.expected) << c.value;
}

TEST(BoxMove, BodyOrPartsOnly)
{
    CBaseObj box(OBJKIND_RECT, 1, kBox);
    box.MoveBy(CSize(5, -7), 1);
    EXPECT_EQ(box.GetRect(), CRect(105, -107, 305, -207));
    box.MoveBy(CSize(5, -7), 0x10000000);
    EXPECT_EQ(box.GetRect(), CRect(105, -107, 305, -207)) << "a label move leaves the body";
    box.MoveAll(CSize(-105, 107));
    EXPECT_EQ(box.GetRect(), CRect(0, 0, 200, -100));
}

TEST(BoxRedrawRect, GrowsByTwoHandlesAndTheShadowButStaysInTheQuadrant)
{
    struct Case
    {
        CRect rect;
        BOOL fill;
        WORD shadow;
        int zoom;
        CRect expected;
    };
    const Case cases[] = {
        // clang-format off
        {kBox, FALSE, 0, 100, {86, -86, 314, -214}},
        {kBox, FALSE, 0, 200, {93, -93, 307, -207}},
        {kBox, FALSE, 0, 400, {96, -96, 304, -204}}, // 14 x 100 / 400 = 3.5 rounds to 4
        {kBox, FALSE, 20, 100, {86, -86, 314, -214}}, // unfilled: no shadow
        {kBox, TRUE, 6, 100, {66, -66, 334, -234}},   // the largest shadow offset, whatever the depth
        {{0, 0, 50, -50}, TRUE, 20, 100, {0, 0, 84, -84}},
        {{5, -3, 50, -50}, FALSE, 0, 10, {0, 0, 190, -190}},
        {{0, 0, 10, -2147483640}, TRUE, 10, 100, {0, 0, 44, -2147483647}},
        // clang-format on
    };
    for (const Case& c : cases) {
        CBaseObj box(OBJKIND_RECT, 1, c.rect);
        box.SetFill(c.fill);
        box.SetShadowDepth(c.shadow);
        CRect redraw;
        box.GetRedrawRect(redraw, c.zoom, TRUE);
        EXPECT_EQ(redraw, c.expected) << c.rect << " zoom " << c.zoom;
        EXPECT_GE(redraw.left, 0);
        EXPECT_LE(redraw.top, 0);
        CRect full;
        box.GetFullRedrawRect(full, c.zoom, TRUE);
        EXPECT_EQ(full, redraw);
    }
}

TEST(BoxSizes, StandardSizeDefaultSizeWithoutPrototypeAndCopiedSize)
{
    CBaseObj box(OBJKIND_RECT, 1, kBox);
    EXPECT_TRUE(box.ResetToStandardSize());
    EXPECT_EQ(box.GetRect(), CRect(100, -100, 340, -260));
    EXPECT_FALSE(box.ResetToStandardSize());
    // No main frame, or a kind without a prototype: the object keeps its size.
    EXPECT_FALSE(box.ResetToDefaultSize());
    EXPECT_EQ(box.GetRect(), CRect(100, -100, 340, -260));

    CBaseObj other(OBJKIND_RECT, 2, CRect(0, 0, 30, -40));
    box.CopySizeFrom(other);
    EXPECT_EQ(box.GetRect(), CRect(100, -100, 130, -140));
}

TEST(BoxMapToRect, CarriesBothCornersWithoutNormalising)
{
    CBaseObj box(OBJKIND_RECT, 1, CRect(10, -10, 20, -20));
    box.MapToRect(CRect(0, 0, 100, -100), CRect(200, 0, 0, -50));
    EXPECT_EQ(box.GetRect(), CRect(180, -5, 160, -10));
}

TEST(BoxConnection, SideCentreOfTheDiagonalQuarterHoldingThePoint)
{
    CBaseObj box(OBJKIND_RECT, 1, kBox); // centre (200, -150)
    CRectObj rect(1, kBox);
    struct Case
    {
        CPoint point;
        CPoint base;      // side centre
        CPoint rectangle; // the point moved onto that side
    };
    const Case cases[] = {
        // clang-format off
        {{200, 0}, {200, -100}, {200, -100}},
        {{210, -400}, {200, -200}, {210, -200}},
        {{0, -140}, {100, -150}, {100, -140}},
        {{500, -160}, {300, -150}, {300, -160}},
        // clang-format on
        // On the rising diagonal right of the centre: below neither diagonal, so the top.
        {{260, -120}, {200, -100}, {260, -100}},
        // On the falling diagonal right of the centre: below the rising one only, so the right.
        {{260, -180}, {300, -150}, {300, -180}},
    };
    for (const Case& c : cases) {
        CPoint out;
        EXPECT_EQ(box.GetConnectionPoint(out, c.point), c.base) << c.point.x << "," << c.point.y;
        EXPECT_EQ(rect.GetConnectionPoint(out, c.point), c.rectangle) << c.point.x << "," << c.point.y;
    }
}

TEST(BoxConnection, ZeroWidthOrHeightClassifiesWithoutDividingByZero)
{
    CBaseObj line(OBJKIND_RECT, 1, CRect(100, -100, 100, -200));
    struct Case
    {
        CPoint point;
        CPoint expected;
    };
    const Case vertical[] = {
        {{150, -150}, {100, -150}}, {{50, -150}, {100, -150}},  {{100, 0}, {100, -100}},
        {{100, -300}, {100, -200}}, {{100, -150}, {100, -150}},
    };
    for (const Case& c : vertical) {
        CPoint out;
        EXPECT_EQ(line.GetConnectionPoint(out, c.point), c.expected) << c.point.x << "," << c.point.y;
    }
    CBaseObj flat(OBJKIND_RECT, 1, CRect(100, -100, 300, -100));
    CPoint out;
    EXPECT_EQ(flat.GetConnectionPoint(out, CPoint(150, 0)), CPoint(200, -100));
    EXPECT_EQ(flat.GetConnectionPoint(out, CPoint(150, -300)), CPoint(200, -100));
    CBaseObj dot(OBJKIND_RECT, 1, CRect(10, -10, 10, -10));
    EXPECT_EQ(dot.GetConnectionPoint(out, CPoint(10, -10)), CPoint(10, -10));
}

TEST(BoxConnection, StartAndEndPointsBySideFlags)
{
    CBaseObj box(OBJKIND_RECT, 1, kBox);
    const CPoint right(500, -150), left(0, -150);
    struct Case
    {
        DWORD flags;
        CPoint first, second;
        CPoint start, end;
    };
    const Case cases[] = {
        // clang-format off
        {0x3000000, left, right, {200, -100}, {200, -100}}, // top wins over bottom
        {0x2000000, left, right, {200, -200}, {200, -200}},
        {0x4000000, right, left, {100, -150}, {300, -150}},
        {0x8000000, left, right, {300, -150}, {100, -150}},
        {0, left, right, {-1, -1}, {-1, -1}}, // no side: the point is left as it was
        // clang-format on
    };
    for (const Case& c : cases) {
        CPoint start(-1, -1), end(-1, -1);
        box.GetStartConnectionPoint(start, c.first, c.second, c.flags);
        box.GetEndConnectionPoint(end, c.first, c.second, c.flags);
        EXPECT_EQ(start, c.start) << std::hex << c.flags;
        EXPECT_EQ(end, c.end) << std::hex << c.flags;
    }
}

TEST(BoxConnection, SidesNearAPointAndTheirSpan)
{
    CBaseObj box(OBJKIND_RECT, 1, kBox);
    EXPECT_EQ(box.HitTestSides(CPoint(200, -103), 5), SIDE_TOP);
    EXPECT_EQ(box.HitTestSides(CPoint(302, -198), 5), SIDE_BOTTOM | SIDE_RIGHT);
    EXPECT_EQ(box.HitTestSides(CPoint(200, -150), 5), 0u);
    EXPECT_EQ(box.HitTestSides(CPoint(306, -150), 5), 0u);

    CRect span(1, 1, 1, 1);
    box.GetConnectSideSpan(SIDE_BOTTOM | SIDE_LEFT, CPoint(), span);
    EXPECT_EQ(span, CRect(100, 0, 300, 0));
    box.GetConnectSideSpan(SIDE_LEFT, CPoint(), span);
    EXPECT_EQ(span, CRect(0, -100, 0, -200));
    box.GetConnectSideSpan(0, CPoint(), span);
    EXPECT_EQ(span, CRect());

    struct Case
    {
        int kind;
        BOOL first, second;
        CRect expected;
    };
    const CRect vertical(0, -100, 0, -200), horizontal(100, 0, 300, 0);
    const Case ranges[] = {
        // clang-format off
        {1, TRUE, TRUE, vertical}, {1, TRUE, FALSE, horizontal}, {2, TRUE, FALSE, vertical},
        {2, FALSE, TRUE, horizontal}, {3, FALSE, FALSE, vertical}, {4, FALSE, FALSE, vertical},
        {4, TRUE, FALSE, horizontal},
        // clang-format on
    };
    for (const Case& c : ranges) {
        CRect range(9, 9, 9, 9);
        box.GetArrowEndRange(c.kind, c.first, CPoint(), range, c.second);
        EXPECT_EQ(range, c.expected) << "kind " << c.kind;
    }
    CRect range;
    box.GetArrowEndRange(0, FALSE, CPoint(302, -150), range, FALSE);
    EXPECT_EQ(range, vertical);
}

TEST(BoxConnection, RelationArrowEnds)
{
    CBaseObj box(OBJKIND_RECT, 1, kBox);
    const CPoint a(150, -120), b(400, -500);
    struct Case
    {
        int kind;
        BOOL flag;
        CPoint start, end;
    };
    const Case cases[] = {
        // clang-format off
        {1, FALSE, {150, -200}, {400, -100}},
        {1, TRUE, {300, -120}, {400, -100}},
        {2, FALSE, {300, -120}, {400, -100}},
        {3, FALSE, {300, -120}, {100, -100}},
        {4, FALSE, {150, -200}, {100, -500}},
        // clang-format on
    };
    for (const Case& c : cases) {
        CPoint start, end;
        box.GetRelArrowStartPoint(start, a, b, c.kind, c.flag);
        box.GetRelArrowEndPoint(end, a, b, c.kind, c.flag);
        EXPECT_EQ(start, c.start) << "kind " << c.kind;
        EXPECT_EQ(end, c.end) << "kind " << c.kind;
    }
    CPoint start;
    box.GetRelArrowStartPoint(start, b, a, 2, FALSE);
    EXPECT_EQ(start, CPoint(100, -500));
}

TEST(BoxDepthLine, InsideTheObjectOnly)
{
    CBaseObj box(OBJKIND_RECT, 1, kBox);
    CPoint left(-1, -1), right(-1, -1);
    EXPECT_FALSE(box.GetHorzLineAtDepth(1, left, right));
    EXPECT_FALSE(box.GetHorzLineAtDepth(-101, left, right));
    EXPECT_EQ(left, CPoint(-1, -1));
    ASSERT_TRUE(box.GetHorzLineAtDepth(-100, left, right));
    EXPECT_EQ(left, CPoint(100, -200));
    EXPECT_EQ(right, CPoint(300, -200));
}

TEST(BoxRegion, InsideOnlyWhenAllFourCornersAre)
{
    CRgn region;
    const POINT triangle[] = {{0, 0}, {1000, 0}, {0, -1000}};
    ASSERT_TRUE(region.CreatePolygonRgn(triangle, 3, ALTERNATE));
    EXPECT_TRUE(CBaseObj(OBJKIND_RECT, 1, CRect(100, -100, 300, -300)).IsInRegion(region));
    EXPECT_FALSE(CBaseObj(OBJKIND_RECT, 1, CRect(100, -100, 700, -600)).IsInRegion(region));
}

} // namespace
