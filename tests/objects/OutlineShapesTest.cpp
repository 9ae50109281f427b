// The shapes drawn as a polygon of their rectangle: the diamond, the hexagon and octagon and the
// connector. Outlines, hits, shadows, ratio handles, switches and records.
#include "foundation/CommandIds.h"
#include "objects/CnctObj.h"
#include "objects/DiamondObj.h"
#include "objects/PolygonObj.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "tests/objects/ObjectsTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<CPoint> Outline(const COutlineObj& object)
{
    OutlinePoints points;
    const int count = object.GetOutline(points.data());
    return std::vector<CPoint>(points.begin(), points.begin() + count);
}

// --- Diamond ------------------------------------------------------------------------------------

TEST(Diamond, CornersShadowAndRefusedRounding)
{
    EXPECT_EQ(Outline(CDiamondObj(1, CRect(0, 0, 5, -3))), (std::vector<CPoint>{{0, -1}, {2, 0}, {5, -1}, {2, -3}}))
        << "odd sides: the truncated half";

    // The shadow moves down by the depth and right by two fifths of it; a rectangle's by the depth.
    for (const auto& [depth, right] : {std::pair{6, 2}, {10, 4}, {20, 8}}) {
        CDiamondObj diamond(1, CRect(0, 0, 100, -60));
        diamond.SetFill(TRUE);
        diamond.SetShadowDepth(WORD(depth));
        const std::vector<DrawCall> calls = RecordDraw(diamond, 100);
        ASSERT_EQ(calls.size(), 2u);
        EXPECT_EQ(calls[0].op, "Polygon");
        EXPECT_EQ(calls[0].args, (std::vector<int>{right, -30 - depth, 50 + right, -depth, 100 + right, -30 - depth,
                                                   50 + right, -60 - depth}));
    }

    CDiamondObj diamond(1, CRect(0, 0, 100, -60));
    EXPECT_FALSE(diamond.ApplyAttributeCommand(ID_RECT_ROUNDED, nullptr, HIT_BODY));
    EXPECT_FALSE(diamond.IsRounded());
    EXPECT_TRUE(diamond.ApplyAttributeCommand(ID_OBJ_FILL, nullptr, HIT_BODY));
    CPoint out;
    EXPECT_EQ(diamond.GetConnectionPoint(out, CPoint(300, -30)), CPoint(100, -30)) << "a corner";
}

TEST(Diamond, HitsAndDepthLine)
{
    CDiamondObj diamond(1, CRect(0, 0, 100, -60));
    EXPECT_FALSE(diamond.HitTest(CPoint(50, -30), 3, TRUE, TRUE)) << "hollow centre";
    EXPECT_FALSE(diamond.HitTest(CPoint(2, -2), 3, TRUE, FALSE)) << "rectangle corner";
    EXPECT_TRUE(diamond.HitTest(CPoint(50, -30), 3, TRUE, FALSE));
    EXPECT_TRUE(diamond.HitTest(CPoint(25, -15), 3, TRUE, TRUE)) << "on an edge";

    struct Case
    {
        CRect rect;
        int depth;
        int left, right;
    };
    const Case cases[] = {
        // clang-format off
        {{0, 0, 100, -60}, 0, 50, 50},
        {{0, 0, 100, -60}, -15, 25, 75},
        {{0, 0, 100, -60}, -30, 0, 100},
        {{0, 0, 100, -60}, -45, 25, 75},
        {{0, 0, 100, -60}, -60, 50, 50},
        {{0, 0, 100, -1}, -1, 0, 100},   // one unit high: no slope to divide by
        {{0, 0, 100, -1}, 0, 0, 100},
        // clang-format on
    };
    for (const Case& c : cases) {
        CDiamondObj shape(1, c.rect);
        CPoint left, right;
        ASSERT_TRUE(shape.GetHorzLineAtDepth(c.depth, left, right)) << c.depth;
        EXPECT_EQ(left.x, c.left) << c.rect << " depth " << c.depth;
        EXPECT_EQ(right.x, c.right);
    }
}

// --- Hexagon and octagon ------------------------------------------------------------------------

TEST(Polygon, OutlinesAtAQuarter)
{
    CPolygonObj hexagon(1, CRect(0, 0, 100, -60), POLYGON_HEXAGON);
    EXPECT_EQ(Outline(hexagon), (std::vector<CPoint>{{0, -30}, {25, 0}, {75, 0}, {100, -30}, {75, -60}, {25, -60}}));
    CPolygonObj octagon(1, CRect(0, 0, 100, -60), POLYGON_OCTAGON);
    EXPECT_FLOAT_EQ(octagon.GetRoundRate(), 0.33f);
    octagon.SetRoundRate(0.25f);
    EXPECT_EQ(
        Outline(octagon),
        (std::vector<CPoint>{{0, -15}, {15, 0}, {85, 0}, {100, -15}, {100, -45}, {85, -60}, {15, -60}, {0, -45}}));
    CPolygonObj other(1, CRect(0, 0, 100, -60), 7);
    EXPECT_EQ(other.GetSideCount(), POLYGON_HEXAGON);
    EXPECT_FLOAT_EQ(other.GetRoundRate(), 0.25f);
    other.SetSideCount(5);
    EXPECT_EQ(other.GetSideCount(), POLYGON_HEXAGON);
    POINT none[8];
    EXPECT_EQ(CalcPolygonPoints(CRect(0, 0, 100, -60), 7, 0.25f, none), 0);
}

TEST(Polygon, CornerHandleDragHeldToItsRange)
{
    struct Case
    {
        WORD sides;
        CSize offset;
        float ratio;
    };
    const Case cases[] = {
        // Hexagon handle at (25, 0): along the top, up to the middle.
        // clang-format off
        {POLYGON_HEXAGON, {10, 0}, 0.35f},
        {POLYGON_HEXAGON, {500, 0}, 0.5f},
        {POLYGON_HEXAGON, {-500, 0}, 0.0f},
        // Octagon (wide, ratio 0.25) handle at (0, -15): down the left side up to half the height.
        {POLYGON_OCTAGON, {0, -15}, 0.5f},
        {POLYGON_OCTAGON, {0, -500}, 0.5f},
        {POLYGON_OCTAGON, {0, 500}, 0.0f},
        {POLYGON_OCTAGON, {0, -3}, 0.3f},
        // clang-format on
    };
    for (const Case& c : cases) {
        CPolygonObj polygon(1, CRect(0, 0, 100, -60), c.sides);
        polygon.SetRoundRate(0.25f);
        polygon.ApplyHandleDrag(c.offset, 0x204, 0);
        EXPECT_FLOAT_EQ(polygon.GetRoundRate(), c.ratio) << c.sides << " by " << c.offset;
    }
    CPolygonObj tall(1, CRect(0, 0, 60, -100), POLYGON_OCTAGON);
    tall.SetRoundRate(0.25f);
    CPoint handle;
    ASSERT_TRUE(tall.GetCornerHandlePos(handle));
    EXPECT_EQ(handle, CPoint(0, -15));
    tall.ApplyHandleDrag(CSize(0, -500), 0x204, 0);
    EXPECT_FLOAT_EQ(tall.GetRoundRate(), 0.5f) << "a tall octagon: half the width";
    CPolygonObj flat(1, CRect(0, 0, 100, 0), POLYGON_HEXAGON);
    EXPECT_FALSE(flat.GetCornerHandlePos(handle));
    flat.ApplyHandleDrag(CSize(10, 0), 0x204, 0);
    EXPECT_FLOAT_EQ(flat.GetRoundRate(), 0.25f);
}

TEST(Polygon, HandleHitAndRatioHitAndSwitches)
{
    CPolygonObj hexagon(1, CRect(0, 0, 100, -60), POLYGON_HEXAGON); // handle at (25, 0)
    DWORD hit = 0, part = 0;
    CPoint handle;
    ASSERT_TRUE(hexagon.HitTestHandles(200, CPoint(52, -3), 0, 7, hit, part, handle, TRUE));
    EXPECT_EQ(hit, 0x204u);
    EXPECT_EQ(handle, CPoint(50, 0));
    ASSERT_TRUE(hexagon.HitTestHandles(100, CPoint(0, 0), 0, 7, hit, part, handle, TRUE));
    EXPECT_EQ(hit, 0x92u);

    EXPECT_FALSE(hexagon.HitTest(CPoint(2, -2), 3, TRUE, FALSE)) << "a cut corner";
    hexagon.SetRoundRate(0.0f);
    EXPECT_TRUE(hexagon.HitTest(CPoint(2, -2), 3, TRUE, FALSE)) << "ratio 0: a rectangle";

    EXPECT_FALSE(hexagon.ApplyAttributeCommand(ID_POLYGON_HEXAGON, nullptr, HIT_BODY));
    EXPECT_TRUE(hexagon.ApplyAttributeCommand(ID_POLYGON_OCTAGON, nullptr, HIT_BODY));
    EXPECT_EQ(hexagon.GetSideCount(), POLYGON_OCTAGON);
    EXPECT_FLOAT_EQ(hexagon.GetRoundRate(), 0.0f) << "the ratio stays";
    CString name, section;
    EXPECT_EQ(hexagon.GetTypeName(name), CString(u8"八角形ｵﾌﾞｼﾞｪｸﾄ"));
    EXPECT_EQ(hexagon.GetProfileSection(section), CString("PolygonObjHachi Properties"));
}

TEST(Polygon, DepthLinesFollowTheCuts)
{
    struct Case
    {
        WORD sides;
        CRect rect;
        int depth;
        int left;
    };
    const Case cases[] = {
        // clang-format off
        {POLYGON_HEXAGON, {0, 0, 100, -60}, 0, 25},
        {POLYGON_HEXAGON, {0, 0, 100, -60}, -15, 13},
        {POLYGON_HEXAGON, {0, 0, 100, -60}, -30, 0},
        {POLYGON_HEXAGON, {0, 0, 100, -60}, -60, 25},
        {POLYGON_HEXAGON, {0, 0, 100, -1}, -1, 0},   // one unit high: no edge slope to divide by
        {POLYGON_OCTAGON, {0, 0, 100, -60}, 0, 15},
        {POLYGON_OCTAGON, {0, 0, 100, -60}, -5, 10},
        {POLYGON_OCTAGON, {0, 0, 100, -60}, -30, 0},
        {POLYGON_OCTAGON, {0, 0, 100, -60}, -55, 10},
        // clang-format on
    };
    for (const Case& c : cases) {
        CPolygonObj polygon(1, c.rect, c.sides);
        polygon.SetRoundRate(0.25f);
        CPoint left, right;
        ASSERT_TRUE(polygon.GetHorzLineAtDepth(c.depth, left, right));
        EXPECT_EQ(left, CPoint(c.left, c.depth)) << c.sides << " at " << c.depth;
        EXPECT_EQ(right.x, c.rect.right - c.left);
    }
}

TEST(Polygon, RecordKeepsSidesAndReadsOtherCountsAsSix)
{
    CPolygonObj octagon(4, CRect(0, 0, 100, -60), POLYGON_OCTAGON);
    const std::vector<BYTE> bytes = StoreObject(&octagon);
    const auto loaded = LoadObject<CPolygonObj>(bytes);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->GetSideCount(), POLYGON_OCTAGON);
    EXPECT_FLOAT_EQ(loaded->GetRoundRate(), 0.33f);
    EXPECT_EQ(loaded->GetKind(), OBJKIND_POLYGON);

    std::vector<BYTE> odd = bytes;
    odd[odd.size() - 2] = 7; // the side count is the last word
    EXPECT_EQ(LoadObject<CPolygonObj>(odd)->GetSideCount(), POLYGON_HEXAGON);
}

// --- Connector ----------------------------------------------------------------------------------

TEST(Connector, OutlinesByTypeAndDirection)
{
    const CRect rect(0, 0, 200, -80);
    struct Case
    {
        WORD type, direction;
        std::vector<CPoint> points;
    };
    const Case cases[] = {
        // clang-format off
        {CONNECTOR_PENTAGON, CONNECTOR_RIGHT, {{0, 0}, {175, 0}, {200, -40}, {175, -80}, {0, -80}}},
        {CONNECTOR_NOTCHED, CONNECTOR_RIGHT, {{0, 0}, {175, 0}, {200, -40}, {175, -80}, {0, -80}, {25, -40}}},
        {CONNECTOR_TRIANGLE, CONNECTOR_UP, {{200, -80}, {100, 0}, {0, -80}}},
        {CONNECTOR_PENTAGON, CONNECTOR_LEFT, {{200, 0}, {25, 0}, {0, -40}, {25, -80}, {200, -80}}},
        {CONNECTOR_PENTAGON, CONNECTOR_UP, {{200, -80}, {200, -10}, {100, 0}, {0, -10}, {0, -80}}},
        {CONNECTOR_NOTCHED, 9, {{0, 0}, {0, -70}, {100, -80}, {200, -70}, {200, 0}, {100, -10}}},  // other: down
        {7, CONNECTOR_RIGHT, {{0, 0}, {200, -40}, {0, -80}}},                                       // other: triangle
        // clang-format on
    };
    for (const Case& c : cases) {
        CCnctObj connector(1, rect, c.type, c.direction);
        EXPECT_EQ(Outline(connector), c.points) << "type " << c.type << " direction " << c.direction;
    }
}

TEST(Connector, HitsOnlyOnTheOutlineWhenHollowAndAskedSo)
{
    CCnctObj connector(1, CRect(0, 0, 200, -80), CONNECTOR_PENTAGON, CONNECTOR_RIGHT);
    EXPECT_FALSE(connector.HitTest(CPoint(100, -40), 3, TRUE, TRUE));
    EXPECT_TRUE(connector.HitTest(CPoint(100, -1), 3, TRUE, TRUE));
    EXPECT_TRUE(connector.HitTest(CPoint(198, -2), 3, TRUE, FALSE)) << "the rectangle, outside the outline";
    connector.SetFill(TRUE);
    EXPECT_TRUE(connector.HitTest(CPoint(100, -40), 3, TRUE, TRUE));
    EXPECT_FALSE(connector.HitTest(CPoint(0, 0), 3, FALSE, FALSE)) << "hidden in define mode";
}

TEST(Connector, PointDepthHandle)
{
    CCnctObj connector(1, CRect(0, 0, 200, -80), CONNECTOR_PENTAGON, CONNECTOR_RIGHT);
    CPoint handle;
    ASSERT_TRUE(connector.GetPointDepthHandlePos(handle));
    EXPECT_EQ(handle, CPoint(175, 0));
    DWORD hit = 0, part = 0;
    ASSERT_TRUE(connector.HitTestHandles(100, CPoint(177, -3), 0, 7, hit, part, handle, TRUE));
    EXPECT_EQ(hit, 0x204u);
    connector.ApplyHandleDrag(CSize(-175, 0), 0x204, 0);
    EXPECT_FLOAT_EQ(connector.GetPointRatio(), 1.0f) << "to the left edge: the whole width";
    connector.ApplyHandleDrag(CSize(900, 0), 0x204, 0);
    EXPECT_FLOAT_EQ(connector.GetPointRatio(), 0.0f);

    CCnctObj down(1, CRect(0, 0, 200, -80), CONNECTOR_PENTAGON, CONNECTOR_DOWN);
    ASSERT_TRUE(down.GetPointDepthHandlePos(handle));
    EXPECT_EQ(handle, CPoint(0, -70));
    down.ApplyHandleDrag(CSize(0, 30), 0x204, 0);
    EXPECT_FLOAT_EQ(down.GetPointRatio(), 0.5f);

    // A triangle neither shows nor offers the handle, and keeps its ratio for a later pentagon.
    CCnctObj triangle(1, CRect(0, 0, 200, -80), CONNECTOR_TRIANGLE, CONNECTOR_RIGHT);
    EXPECT_FALSE(triangle.GetPointDepthHandlePos(handle));
    ASSERT_TRUE(triangle.HitTestHandles(100, CPoint(175, 0), 0, 7, hit, part, handle, TRUE));
    EXPECT_EQ(hit, HIT_BODY);
    const auto handleCalls = [](CCnctObj& object) {
        DrawLog log;
        CDC dc;
        dc.CreateRecording(&log);
        object.DrawHandles(&dc, 100, TRUE);
        return log.calls.size();
    };
    EXPECT_GT(handleCalls(connector), handleCalls(triangle)) << "the pattern handle is drawn for pentagons only";
}

TEST(Connector, SwitchesDragDirectionAndRecord)
{
    CCnctObj connector(1, CRect(0, 0, 200, -80), CONNECTOR_PENTAGON, CONNECTOR_RIGHT);
    EXPECT_FALSE(connector.ApplyAttributeCommand(ID_CONNECTOR_PENTAGON, nullptr, HIT_BODY));
    EXPECT_TRUE(connector.ApplyAttributeCommand(ID_CONNECTOR_NOTCHED, nullptr, HIT_BODY));
    EXPECT_TRUE(connector.ApplyAttributeCommand(ID_CONNECTOR_DOWN, nullptr, HIT_BODY));
    EXPECT_EQ(connector.GetConnectType(), CONNECTOR_NOTCHED);
    EXPECT_EQ(connector.GetDirection(), CONNECTOR_DOWN);

    struct Case
    {
        CPoint anchor, current;
        WORD direction;
    };
    const Case cases[] = {
        {{0, 0}, {100, -100}, CONNECTOR_RIGHT}, // a diagonal counts as horizontal
        {{0, 0}, {-100, 100}, CONNECTOR_LEFT},
        {{0, 0}, {10, 100}, CONNECTOR_UP},
        {{0, 0}, {10, -100}, CONNECTOR_DOWN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetConnectorDragDirection(c.anchor, c.current), c.direction) << c.current;

    const auto loaded = LoadObject<CCnctObj>(StoreObject(&connector));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->GetConnectType(), CONNECTOR_NOTCHED);
    EXPECT_EQ(loaded->GetDirection(), CONNECTOR_DOWN);
    EXPECT_FLOAT_EQ(loaded->GetPointRatio(), 0.125f);
}

TEST(OutlineTrackers, RatioDragAndResizeOutlines)
{
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    CPolygonObj hexagon(1, CRect(0, 0, 100, -60), POLYGON_HEXAGON);
    // At 200 %: the handle at (50, 0) dragged 20 right gives the ratio 0.35 of the 200 wide outline.
    hexagon.DrawHandleDragTracker(&dc, 200, CSize(20, 0), 0x204, 0, TRUE);
    CDiamondObj diamond(1, CRect(0, 0, 100, -60));
    diamond.DrawResizeTracker(&dc, 100, CSize(-150, 0), 0x42, TRUE); // not normalised
    CCnctObj connector(1, CRect(0, 0, 200, -80), CONNECTOR_TRIANGLE, CONNECTOR_RIGHT);
    connector.DrawResizeTracker(&dc, 100, CSize(-300, 0), 0x42, TRUE); // normalised
    const std::vector<DrawCall> outlines = log.Of("Polygon");
    ASSERT_EQ(outlines.size(), 3u);
    EXPECT_EQ(outlines[0].args, (std::vector<int>{0, -60, 70, 0, 130, 0, 200, -60, 130, -120, 70, -120}));
    EXPECT_EQ(outlines[1].args, (std::vector<int>{0, -30, -25, 0, -50, -30, -25, -60}));
    EXPECT_EQ(outlines[2].args, (std::vector<int>{-100, 0, 0, -40, -100, -80}));
    EXPECT_FLOAT_EQ(hexagon.GetRoundRate(), 0.25f) << "the tracker changes nothing";
}

} // namespace
