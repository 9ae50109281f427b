// The quarter arc and the free arc: geometry, drawing styles, hits, mirroring, point handles and
// records.
#include "foundation/CommandIds.h"
#include "objects/ArcObj.h"
#include "objects/FarcObj.h"
#include "platform/afx/Exception.h"
#include "tests/objects/ObjectsTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const CRect kQuarter(0, 0, 100, -60);

std::vector<std::string> ArcOps(const std::vector<DrawCall>& calls)
{
    std::vector<std::string> ops;
    for (const DrawCall& call : calls)
        ops.push_back(call.op);
    return ops;
}

// --- Quarter arc --------------------------------------------------------------------------------

TEST(Arc, QuadrantsOfDragsAndTheirGeometry)
{
    struct Case
    {
        CPoint start, end;
        WORD quadrant;
        CRect ellipse;
        CPoint first, second;
    };
    // Every drag spans the rectangle (0, 0)-(100, -60); the centre lies at (end x, start y).
    const Case cases[] = {
        // clang-format off
        {{100, 0}, {0, -60}, 0, {-100, 60, 100, -60}, {0, -60}, {100, 0}},
        {{0, 0}, {100, -60}, 1, {0, 60, 200, -60}, {0, 0}, {100, -60}},
        {{100, -60}, {0, 0}, 256, {-100, 0, 100, -120}, {100, -60}, {0, 0}},
        {{0, -60}, {100, 0}, 257, {0, 0, 200, -120}, {100, 0}, {0, -60}},
        // clang-format on
    };
    for (const Case& c : cases) {
        CRect ellipse;
        CPoint first, second;
        EXPECT_EQ(CalcArcFromDrag(c.start, c.end, ellipse, first, second), c.quadrant);
        EXPECT_EQ(ellipse, c.ellipse) << c.quadrant;
        EXPECT_EQ(first, c.first) << c.quadrant;
        EXPECT_EQ(second, c.second) << c.quadrant;
        const CArcObj arc(1, c.start, c.end);
        EXPECT_EQ(arc.GetRect(), kQuarter);
        EXPECT_EQ(arc.GetQuadrant(), c.quadrant);
    }
    // Another code is drawn as 256.
    CRect ellipse;
    CPoint first, second;
    CalcQuarterArc(kQuarter, 5, ellipse, first, second);
    EXPECT_EQ(ellipse, CRect(-100, 0, 100, -120));

    // A drag with equal x gives 256 and a flat rectangle, hit as a rectangle.
    const CArcObj flat(1, CPoint(50, 0), CPoint(50, -60));
    EXPECT_EQ(flat.GetQuadrant(), 256);
    EXPECT_TRUE(flat.HitTest(CPoint(50, -30), 3, TRUE, TRUE));
}

TEST(Arc, ASideDraggedAcrossItsOppositeMirrorsTheQuarter)
{
    struct Case
    {
        DWORD handle;
        CSize offset;
        WORD quadrant;
    };
    const Case cases[] = {
        // clang-format off
        {0x22, {0, 100}, 256},   // bottom above the top: the upper right quarter
        {0x22, {0, 30}, 0},      // not across
        {0x12, {0, -100}, 256},
        {0x42, {-150, 0}, 1},
        {0x82, {150, 0}, 1},
        {0xA2, {150, 100}, 257}, // a corner: both
        {HIT_BODY, {150, 100}, 0},
        // clang-format on
    };
    for (const Case& c : cases) {
        CArcObj arc(1, CPoint(100, 0), CPoint(0, -60)); // quadrant 0
        arc.ResizeByHandle(c.offset, c.handle);
        EXPECT_EQ(arc.GetQuadrant(), c.quadrant) << std::hex << c.handle;
    }
    CArcObj arc(1, CPoint(100, 0), CPoint(0, -60));
    arc.ResizeByHandle(CSize(0, 100), 0x22);
    EXPECT_EQ(arc.GetRect(), CRect(0, 40, 100, 0));
}

TEST(Arc, StylesDrawTheirFiguresAndShadows)
{
    struct Case
    {
        WORD style;
        BOOL fill;
        std::vector<std::string> ops;
    };
    const Case cases[] = {
        // clang-format off
        {ARC_STYLE_ARC, TRUE, {"Pie", "Pie", "Arc"}},   // shadow, the filled quarter, the curve
        {ARC_STYLE_ARC, FALSE, {"Arc"}},
        {ARC_STYLE_CHORD, TRUE, {"Chord", "Chord"}},
        {ARC_STYLE_PIE, TRUE, {"Pie", "Pie"}},
        {9, FALSE, {"Arc"}},
        // clang-format on
    };
    for (const Case& c : cases) {
        CArcObj arc(1, CPoint(100, 0), CPoint(0, -60));
        arc.SetArcStyle(c.style);
        arc.SetFill(c.fill);
        arc.SetShadowDepth(10);
        const std::vector<DrawCall> calls = RecordDraw(arc, 100);
        EXPECT_EQ(ArcOps(calls), c.ops) << "style " << c.style;
        if (c.style == ARC_STYLE_ARC && c.fill) {
            EXPECT_EQ(calls[1].pen.lopnStyle & PS_STYLE_MASK, UINT(PS_NULL)) << "no radii";
            EXPECT_EQ(calls[2].pen.lopnStyle & PS_STYLE_MASK, UINT(PS_SOLID));
            EXPECT_EQ(calls[0].args, (std::vector<int>{-90, 50, 110, -70, 10, -70, 110, -10}));
            EXPECT_EQ(calls[2].args, (std::vector<int>{-100, 60, 100, -60, 0, -60, 100, 0}));
        }
    }
}

TEST(Arc, HitsFollowTheStyle)
{
    struct Case
    {
        WORD style;
        BOOL fill, outlineOnly;
        CPoint point;
        BOOL hit;
    };
    // Quadrant 0: the lower-right quarter around the centre corner (0, 0).
    const Case cases[] = {
        // clang-format off
        {ARC_STYLE_ARC, FALSE, TRUE, {0, 0}, FALSE},       // the centre corner
        {ARC_STYLE_ARC, FALSE, TRUE, {71, -42}, TRUE},     // on the curve
        {ARC_STYLE_ARC, FALSE, TRUE, {1, -30}, FALSE},     // no radii for an arc
        {ARC_STYLE_ARC, FALSE, FALSE, {30, -20}, TRUE},
        {ARC_STYLE_PIE, FALSE, TRUE, {1, -30}, TRUE},      // near a radius
        {ARC_STYLE_CHORD, TRUE, FALSE, {20, -10}, FALSE},  // centre side of the chord
        {ARC_STYLE_CHORD, TRUE, FALSE, {60, -30}, TRUE},   // arc side
        {ARC_STYLE_CHORD, FALSE, TRUE, {50, -30}, TRUE},   // on the chord
        {ARC_STYLE_ARC, TRUE, FALSE, {95, -55}, FALSE},    // corner outside the quarter
        // clang-format on
    };
    for (const Case& c : cases) {
        CArcObj arc(1, CPoint(100, 0), CPoint(0, -60));
        arc.SetArcStyle(c.style);
        arc.SetFill(c.fill);
        EXPECT_EQ(arc.HitTest(c.point, 5, TRUE, c.outlineOnly), c.hit) << "style " << c.style << " at " << c.point;
    }
}

TEST(Arc, StyleSwitchesConnectionAndRecord)
{
    CArcObj arc(3, CPoint(100, 0), CPoint(0, -60));
    EXPECT_FALSE(arc.ApplyAttributeCommand(ID_ARC_STYLE_ARC, nullptr, HIT_BODY));
    EXPECT_TRUE(arc.ApplyAttributeCommand(ID_ARC_STYLE_PIE, nullptr, HIT_BODY));
    EXPECT_EQ(arc.GetArcStyle(), ARC_STYLE_PIE);
    CPoint out;
    EXPECT_EQ(arc.GetConnectionPoint(out, CPoint(-500, 0)), CPoint(-100, 0)) << "outside the rectangle";

    const auto loaded = LoadObject<CArcObj>(StoreObject(&arc));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->GetKind(), OBJKIND_ARC);
    EXPECT_EQ(loaded->GetQuadrant(), 0);
    EXPECT_EQ(loaded->GetArcStyle(), ARC_STYLE_PIE);
    std::vector<BYTE> shortRecord = StoreObject(&arc);
    shortRecord.resize(shortRecord.size() - 2);
    EXPECT_THROW(LoadObject<CArcObj>(shortRecord), CArchiveException);
}

// --- Free arc -----------------------------------------------------------------------------------

TEST(FreeArc, ANewArcRunsFromTheBottomMiddleToTheLeftMiddle)
{
    CFarcObj arc(1, kQuarter);
    EXPECT_EQ(arc.GetStartPoint(), CPoint(50, -60));
    EXPECT_EQ(arc.GetEndPoint(), CPoint(0, -30));
    const std::vector<DrawCall> calls = RecordDraw(arc, 50);
    ASSERT_EQ(ArcOps(calls), (std::vector<std::string>{"Arc"}));
    EXPECT_EQ(calls[0].args, (std::vector<int>{0, 0, 50, -30, 25, -30, 0, -15}));

    CRect rect;
    CPoint start, end;
    CalcFreeArcFromDrag(CPoint(101, -61), CPoint(0, 0), rect, start, end);
    EXPECT_EQ(rect, CRect(0, 0, 101, -61));
    EXPECT_EQ(start, CPoint(50, -61));
    EXPECT_EQ(end, CPoint(0, -30));
}

TEST(FreeArc, PointHandlesComeBeforeTheBoxHandles)
{
    CFarcObj arc(1, kQuarter);
    DWORD hit = 0, part = 0;
    CPoint handle;
    ASSERT_TRUE(arc.HitTestHandles(100, CPoint(52, -58), 0, 3, hit, part, handle, TRUE));
    EXPECT_EQ(hit, 0x104u);
    EXPECT_EQ(handle, CPoint(50, -60));
    ASSERT_TRUE(arc.HitTestHandles(200, CPoint(0, -60), 0, 3, hit, part, handle, TRUE));
    EXPECT_EQ(hit, 0x404u);
    ASSERT_TRUE(arc.HitTestHandles(100, CPoint(100, 0), 0, 3, hit, part, handle, TRUE));
    EXPECT_EQ(hit, 0x52u);

    // Dragged far outside: the redraw area takes the point in, the body hit stays the rectangle.
    arc.ApplyHandleDrag(CSize(500, 0), 0x104, 0);
    EXPECT_EQ(arc.GetStartPoint(), CPoint(550, -60));
    CRect redraw;
    arc.GetRedrawRect(redraw, 100, TRUE);
    EXPECT_EQ(redraw.right, 564);
    EXPECT_FALSE(arc.HitTest(CPoint(540, -60), 3, TRUE, FALSE));
    EXPECT_TRUE(arc.HitTest(CPoint(50, -30), 3, TRUE, TRUE)) << "hollow, yet hit inside";
}

TEST(FreeArc, PointsMoveResizeAndScaleWithTheRectangle)
{
    CFarcObj arc(1, kQuarter);
    arc.MoveAll(CSize(10, -10));
    EXPECT_EQ(arc.GetStartPoint(), CPoint(60, -70));
    arc.ResizeByHandle(CSize(100, 0), 0x42); // twice as wide
    EXPECT_EQ(arc.GetStartPoint(), CPoint(110, -70));
    EXPECT_EQ(arc.GetEndPoint(), CPoint(10, -40));
    arc.ResizeByHandle(CSize(-200, 0), 0x42); // no width
    EXPECT_EQ(arc.GetStartPoint().x, 10);
    arc.ResizeByHandle(CSize(50, 0), 0x42); // from no width: x stays
    EXPECT_EQ(arc.GetStartPoint().x, 10);
    arc.MapToRect(CRect(0, 0, 100, -100), CRect(0, 0, 200, -200));
    EXPECT_EQ(arc.GetStartPoint(), CPoint(20, -140));
}

TEST(FreeArc, RecordKeepsPointsAndStyle)
{
    CFarcObj arc(2, kQuarter);
    arc.ApplyHandleDrag(CSize(-70, 90), 0x404, 0);
    arc.SetArcStyle(ARC_STYLE_CHORD);
    const auto loaded = LoadObject<CFarcObj>(StoreObject(&arc));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->GetKind(), OBJKIND_FREEARC);
    EXPECT_EQ(loaded->GetStartPoint(), CPoint(50, -60));
    EXPECT_EQ(loaded->GetEndPoint(), CPoint(-70, 60));
    EXPECT_EQ(loaded->GetArcStyle(), ARC_STYLE_CHORD);
}

TEST(ArcTrackers, ResizeMirrorsAndPointDragsFollowTheHandle)
{
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    CArcObj arc(1, CPoint(100, 0), CPoint(0, -60)); // quadrant 0
    arc.DrawResizeTracker(&dc, 100, CSize(0, 100), 0x22, TRUE);
    CFarcObj freeArc(1, kQuarter);
    freeArc.DrawHandleDragTracker(&dc, 200, CSize(10, 0), 0x104, 0, TRUE);
    freeArc.DrawResizeTracker(&dc, 100, CSize(100, 0), 0x42, TRUE);
    const std::vector<DrawCall> arcs = log.Of("Arc");
    ASSERT_EQ(arcs.size(), 3u);
    // The bottom dragged above the top: the upper-right quarter of the new rectangle.
    EXPECT_EQ(arcs[0].args, (std::vector<int>{-100, 40, 100, -40, 100, 0, 0, 40}));
    EXPECT_EQ(arcs[1].args, (std::vector<int>{0, 0, 200, -120, 110, -120, 0, -60}));
    // Twice as wide: the points are carried along.
    EXPECT_EQ(arcs[2].args, (std::vector<int>{0, 0, 200, -60, 100, -60, 0, -30}));
    for (const DrawCall& call : arcs)
        EXPECT_EQ(call.rop2, R2_XORPEN);
}

} // namespace
