// Line geometry: bounding and repaint rectangles, handles, hit tests, moving, resizing and point
// editing.
#include "objects/BaseObj.h"
#include "objects/PolyObj.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "platform/ui/Wnd.h"
#include "tests/objects/ObjectsTestSupport.h"
#include "tests/support/MessageScript.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The centres of the handle squares drawn, in order, and whether a silver frame was drawn.
struct HandleDrawing
{
    std::vector<CPoint> centres;
    bool frame = false;
};

HandleDrawing RecordHandles(CPolyObj& line, int zoom)
{
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    line.DrawHandles(&dc, zoom);
    HandleDrawing drawing;
    for (const DrawCall& call : log.Of("Rectangle")) {
        if (call.pen.lopnColor == RGB(192, 192, 192))
            drawing.frame = true;
        else
            drawing.centres.emplace_back((call.args[0] + call.args[2]) / 2, (call.args[1] + call.args[3]) / 2);
    }
    return drawing;
}

} // namespace

TEST(LineGeometry, BoundingAndRepaintRectangles)
{
    const struct
    {
        std::vector<CPoint> points;
        int penWidth, zoom;
        CRect bounds, redraw;
    } cases[] = {
        {{{0, 0}, {100, 0}}, 1, 100, {0, 0, 100, -1}, {0, 0, 114, -15}}, // left and top held at 0
        {{{5, 0}, {5, -50}}, 1, 100, {5, 0, 6, -50}, {0, 0, 20, -64}},
        {{{100, -100}, {300, -250}}, 1, 50, {100, -100, 300, -250}, {72, -72, 328, -278}},  // 14 x 100 / 50
        {{{100, -100}, {300, -250}}, 30, 50, {100, -100, 300, -250}, {60, -60, 340, -290}}, // the pen wins
        {{{500, -500}, {400, -600}, {450, -300}}, 1, 200, {400, -300, 500, -600}, {390, -290, 510, -610}},
    };
    for (const auto& c : cases) {
        CPolyObj line = MakeLine(c.points);
        line.SetPenWidth(c.penWidth);
        CRect rect;
        line.GetRect(rect);
        EXPECT_EQ(rect, c.bounds);
        line.CPolyLine::GetRedrawRect(rect, c.zoom);
        EXPECT_EQ(rect, c.redraw) << "width " << c.penWidth << " zoom " << c.zoom;
    }
}

TEST(LineGeometry, HandleHitCodesWithTheirKeys)
{
    const CPolyObj two = MakeLine({{0, 0}, {200, 0}});
    const CPolyObj three = MakeLine({{0, 0}, {200, 0}, {200, -200}});
    const struct
    {
        const CPolyObj* line;
        CPoint point;
        UINT keys;
        BOOL hit;
        DWORD code, index;
        CPoint handle;
    } cases[] = {
        {&two, {3, -7}, 0, TRUE, 0x104, 1, {0, 0}},
        {&two, {0, 0}, MK_SHIFT, TRUE, 0x104, 1, {0, 0}}, // two points: never deleted
        {&two, {200, 0}, MK_SHIFT, TRUE, 0x404, 1, {200, 0}},
        {&two, {200, 0}, MK_SHIFT | MK_CONTROL, TRUE, 0x1404, 1, {200, 0}},
        {&two, {100, 0}, MK_SHIFT, TRUE, 0x204, 1, {100, 0}}, // the only midpoint
        {&two, {100, 8}, 0, FALSE, 0, 0, {}},                 // one past the tolerance
        {&two, {60, 5}, 0, TRUE, HIT_BODY, 0, {}},
        {&three, {0, 0}, MK_SHIFT, TRUE, 0x2104, 1, {0, 0}},
        {&three, {200, -200}, MK_SHIFT, TRUE, 0x2404, 2, {200, -200}},
        {&three, {200, -100}, MK_SHIFT, TRUE, 0x204, 2, {200, -100}}, // a midpoint is never deleted
        {&three, {200, -100}, MK_CONTROL, TRUE, 0x1204, 2, {200, -100}},
        {&three, {0, -200}, 0, TRUE, 0xA2, 0, {0, -200}},     // bottom-left corner
        {&three, {100, -200}, 0, TRUE, 0x22, 0, {100, -200}}, // bottom centre
        {&three, {150, -50}, 0, TRUE, HIT_BODY, 0, {}},       // inside the triangle of its points
        {&three, {50, -100}, 0, FALSE, 0, 0, {}},
    };
    for (const auto& c : cases) {
        DWORD code = 99, index = 99;
        CPoint handle;
        EXPECT_EQ(c.line->HitTestHandles(100, c.point, c.keys, 7, code, index, handle, TRUE), c.hit) << c.point;
        EXPECT_EQ(code, c.code) << c.point;
        EXPECT_EQ(index, c.index) << c.point;
        if (c.code & (HIT_HANDLE | HIT_SHAPE_HANDLE)) {
            EXPECT_EQ(handle, c.handle) << c.point;
        }
    }
    // Handles keep their size on screen: at zoom 200 the first point's handle is 7 device units wide.
    DWORD code = 0, index = 0;
    CPoint handle;
    EXPECT_TRUE(two.HitTestHandles(200, CPoint(7, 7), 0, 7, code, index, handle, TRUE));
    EXPECT_EQ(code, 0x104u);
}

TEST(LineGeometry, BodyHitTestsOfOpenClosedFilledAndBezierLines)
{
    CPolyObj triangle = MakeLine({{0, 0}, {300, 0}, {150, -300}});
    const CPoint centroid(150, -100), closingEdge(75, -150);
    EXPECT_TRUE(triangle.HitTest(centroid, 7, TRUE, FALSE));
    EXPECT_FALSE(triangle.HitTest(centroid, 7, TRUE, TRUE));
    EXPECT_FALSE(triangle.HitTest(closingEdge, 7, TRUE, TRUE));
    triangle.SetClosed(TRUE);
    EXPECT_TRUE(triangle.HitTest(closingEdge, 7, TRUE, TRUE));
    EXPECT_FALSE(triangle.HitTest(centroid, 7, TRUE, TRUE)) << "closed but unfilled: only the outline";
    triangle.SetFilled(TRUE);
    EXPECT_TRUE(triangle.HitTest(centroid, 7, TRUE, TRUE));
    EXPECT_FALSE(triangle.HitTest(CPoint(500, -500), 7, TRUE, FALSE));

    CPolyObj spline = MakeLine({{0, 0}, {100, 0}, {100, -100}, {0, -100}});
    spline.SetBezier(TRUE);
    spline.SetClosed(TRUE);
    spline.SetFilled(TRUE);
    ASSERT_TRUE(spline.IsValidBezier());
    EXPECT_TRUE(spline.HitTest(CPoint(100, -50), 7, TRUE, TRUE)) << "the control segments count";
    EXPECT_FALSE(spline.HitTest(CPoint(0, -50), 7, TRUE, TRUE)) << "no closing edge on a spline";
    EXPECT_FALSE(spline.HitTest(CPoint(50, -50), 7, TRUE, TRUE)) << "no fill on a spline";
}

TEST(LineGeometry, HandlesOfTwoPointAndLongerLines)
{
    CPolyObj flat = MakeLine({{0, 0}, {100, -4}});
    HandleDrawing drawing = RecordHandles(flat, 100);
    EXPECT_FALSE(drawing.frame);
    EXPECT_EQ(drawing.centres, (std::vector<CPoint>{{0, 0}, {50, -2}, {100, -4}}));

    CPolyObj diagonal = MakeLine({{0, 0}, {100, -100}});
    drawing = RecordHandles(diagonal, 100);
    EXPECT_TRUE(drawing.frame);
    // Two points and the midpoint, then the side centres and corners not already covered.
    EXPECT_EQ(drawing.centres,
              (std::vector<CPoint>{
                  {0, 0}, {50, -50}, {100, -100}, {50, 0}, {50, -100}, {100, -50}, {0, -50}, {100, 0}, {0, -100}}));

    CPolyObj closed = MakeLine({{0, 0}, {200, 0}, {0, -200}, {0, 0}});
    drawing = RecordHandles(closed, 50);
    EXPECT_FALSE(drawing.frame);
    EXPECT_EQ(drawing.centres,
              (std::vector<CPoint>{
                  {0, 0}, {50, 0}, {100, 0}, {50, -50}, {0, -100}, {0, -50}, {50, -100}, {100, -50}, {100, -100}}))
        << "the repeated first point gets no second handle; sides and corners on handles are left out";
}

TEST(LineGeometry, ResizingByTheBoundingHandles)
{
    const struct
    {
        std::vector<CPoint> points;
        CSize offset;
        DWORD hitCode;
        std::vector<CPoint> result;
    } cases[] = {
        {{{0, 0}, {100, 0}}, {100, -50}, 0x62, {{0, 0}, {200, -51}}},
        {{{5, 0}, {5, -50}}, {100, 0}, 0x42, {{5, 0}, {106, -50}}},
        {{{0, 0}, {100, -100}, {200, 0}}, {0, -100}, 0x22, {{0, 0}, {100, -200}, {200, 0}}},
        {{{0, 0}, {100, -100}, {200, 0}}, {-200, 0}, 0x82, {{-200, 0}, {0, -100}, {200, 0}}},
        {{{0, 0}, {100, -100}}, {50, 50}, HIT_BODY, {{0, 0}, {100, -100}}},          // no resize handle
        {{{7, -7}, {7, -7}, {8, -8}}, {10, -10}, 0x62, {{7, -7}, {7, -7}, {8, -8}}}, // a dot: the first only
    };
    for (const auto& c : cases) {
        CPolyObj line = MakeLine(c.points);
        line.ResizeByHandle(c.offset, c.hitCode);
        EXPECT_EQ(line.GetPointArray(), c.result) << "hit " << c.hitCode;
    }
}

TEST(LineGeometry, PointEditingByHandle)
{
    const std::vector<CPoint> bend{{0, 0}, {200, 0}, {200, -200}};
    const struct
    {
        std::vector<CPoint> points;
        CSize offset;
        DWORD hitCode, index;
        std::vector<CPoint> result;
    } cases[] = {
        // The only midpoint of a two-point line moves both points.
        {{{0, 0}, {100, 0}}, {10, -10}, 0x204, 1, {{10, -10}, {110, -10}}},
        // Control on the last point inserts one point halfway to it; the point moves.
        {bend, {50, 0}, 0x1404, 2, {{0, 0}, {200, 0}, {200, -100}, {250, -200}}},
        // Control on an inner point inserts one point on each side.
        {bend, {0, 30}, 0x1404, 1, {{0, 0}, {100, 0}, {200, 30}, {200, -100}, {200, -200}}},
        // Control on a midpoint inserts one point there, shifted.
        {bend, {5, 5}, 0x1204, 2, {{0, 0}, {200, 0}, {205, -95}, {200, -200}}},
        // Control on the first point moves it and inserts the former midpoint of the first segment.
        {bend, {0, -10}, 0x1104, 1, {{0, -10}, {100, 0}, {200, 0}, {200, -200}}},
        // Shift removes the point.
        {bend, {0, 0}, 0x2404, 1, {{0, 0}, {200, -200}}},
        {bend, {0, 0}, 0x2104, 1, {{200, 0}, {200, -200}}},
        // Keeping the segments upright: the neighbours follow.
        {bend, {0, 30}, 0x40404, 1, {{0, 30}, {200, 30}, {200, -200}}},
        {bend, {30, 0}, 0x40104, 1, {{30, 0}, {200, 0}, {200, -200}}},
        {bend, {30, 20}, 0x40404, 2, {{0, 0}, {230, 0}, {230, -180}}},
        // Without the orthogonal bit only the point moves.
        {bend, {30, 20}, 0x404, 2, {{0, 0}, {200, 0}, {230, -180}}},
        // An index past the last segment changes nothing.
        {bend, {30, 20}, 0x404, 3, bend},
    };
    for (const auto& c : cases) {
        CPolyObj line = MakeLine(c.points);
        line.MovePointByHandle(c.offset, c.hitCode, c.index);
        EXPECT_EQ(line.GetPointArray(), c.result) << "hit " << std::hex << c.hitCode << " index " << c.index;
    }
}

TEST(LineGeometry, RemovingTheFirstSegmentOfNoLength)
{
    const struct
    {
        std::vector<CPoint> points;
        BOOL removed;
        std::vector<CPoint> result;
    } cases[] = {
        // Both points of the first pair closer than 6 in x and in y go.
        {{{0, 0}, {0, -100}, {5, -105}, {200, -105}, {200, -300}}, TRUE, {{0, 0}, {200, -105}, {200, -300}}},
        {{{0, 0}, {0, 0}, {100, 0}, {100, 0}}, TRUE, {{100, 0}, {100, 0}}},
        // 6 apart is a segment.
        {{{0, 0}, {0, -100}, {6, -100}, {200, -100}}, FALSE, {{0, 0}, {0, -100}, {6, -100}, {200, -100}}},
        // Three points are never touched.
        {{{0, 0}, {0, 0}, {100, 0}}, FALSE, {{0, 0}, {0, 0}, {100, 0}}},
    };
    for (const auto& c : cases) {
        CPolyObj line = MakeLine(c.points);
        EXPECT_EQ(line.RemoveZeroLengthSegment(), c.removed) << c.points.size() << " points";
        EXPECT_EQ(line.GetPointArray(), c.result);
    }
}

TEST(LineGeometry, ShiftLineEndWithNeighbour)
{
    const struct
    {
        CPoint a, b, c;
        bool withD;
        CPoint d;
        CPoint newB;
    } cases[] = {
        {{0, 0}, {100, 3}, {100, -100}, false, {}, {100, 10}},    // A-B horizontal: B follows in y
        {{0, 0}, {3, -100}, {100, -100}, false, {}, {8, -100}},   // A-B vertical: B follows in x
        {{0, 0}, {100, -50}, {200, -50}, false, {}, {100, -43}},  // flat slant: y
        {{0, 0}, {50, -100}, {200, -100}, false, {}, {55, -100}}, // steep slant: x
        {{0, 0}, {2, 2}, {100, 2}, false, {}, {7, 2}},            // A = B, B-C horizontal: x
        {{0, 0}, {2, 2}, {100, 80}, false, {}, {2, 9}},           // A = B, B-C slanted: y
        {{0, 0}, {2, 2}, {2, 100}, false, {}, {2, 9}},            // A = B, B-C vertical: y
        {{0, 0}, {2, 2}, {2, 2}, false, {}, {7, 2}},              // all three together, no D: x
        {{0, 0}, {2, 2}, {2, 2}, true, {100, 2}, {2, 9}},         // then D level with C: y
        {{0, 0}, {2, 2}, {2, 2}, true, {2, 100}, {7, 2}},
    };
    for (const auto& c : cases) {
        CPoint a = c.a, b = c.b;
        ShiftLineEndWithNeighbour(a, b, c.c, c.withD ? &c.d : nullptr, CSize(5, 7));
        EXPECT_EQ(a, CPoint(5, 7));
        EXPECT_EQ(b, c.newB) << c.b << " " << c.c;
    }
}

TEST(LineGeometry, EndsFollowTheirObjectsAndTheWholeLineMoves)
{
    CPolyObj two = MakeLine({{0, 0}, {100, 0}});
    two.MoveEndPoint(CSize(5, 7));
    EXPECT_EQ(two.GetPointArray(), (std::vector<CPoint>{{0, 0}, {105, 7}}));
    CPolyObj crank = MakeLine({{0, 0}, {100, 0}, {100, -100}, {200, -100}});
    crank.MoveStartPoint(CSize(0, 20));
    crank.MoveEndPoint(CSize(0, -20));
    EXPECT_EQ(crank.GetPointArray(), (std::vector<CPoint>{{0, 20}, {100, 20}, {100, -120}, {200, -120}}));
    crank.MoveBy(CSize(10, -10), HIT_BODY);
    EXPECT_EQ(crank.GetStartPoint(), CPoint(10, 10));
    crank.MoveBy(CSize(10, -10), HIT_PARTS);
    EXPECT_EQ(crank.GetStartPoint(), CPoint(10, 10)) << "label parts only";
    CPolyObj lone = MakeLine({{3, 3}});
    lone.MoveStartPoint(CSize(5, 5));
    EXPECT_EQ(lone.GetStartPoint(), CPoint(3, 3));
}

TEST(LineGeometry, OrientationOfSegments)
{
    const CPolyObj line = MakeLine({{0, 0}, {5, -100}, {105, -105}});
    BOOL vertical = TRUE, horizontal = TRUE;
    line.GetSegmentDirection(1, vertical, horizontal);
    EXPECT_TRUE(vertical);
    EXPECT_FALSE(horizontal);
    line.GetSegmentDirection(2, vertical, horizontal);
    EXPECT_FALSE(vertical);
    EXPECT_TRUE(horizontal);
    line.GetSegmentDirection(3, vertical, horizontal);
    EXPECT_FALSE(vertical || horizontal);
    EXPECT_TRUE(IsNearlyVertical(CPoint(0, 0), CPoint(-5, 9)));
    EXPECT_FALSE(IsNearlyVertical(CPoint(0, 0), CPoint(-6, 9)));
}

TEST(LineGeometry, DottedOutlinesFollowTheMouse)
{
    const auto record = [](auto draw) {
        DrawLog log;
        CDC dc;
        dc.CreateRecording(&log);
        draw(dc);
        return log;
    };
    CPolyObj closed = MakeLine({{0, 0}, {200, 0}, {200, -200}});
    closed.SetClosed(TRUE);
    DrawLog log = record([&](CDC& dc) { closed.CPolyLine::DrawMoveTracker(&dc, 50, CSize(10, -10)); });
    ASSERT_EQ(log.Of("Polyline").size(), 1u);
    const DrawCall moved = log.Of("Polyline")[0];
    EXPECT_EQ(moved.args, (std::vector<int>{10, -10, 110, -10, 110, -110, 10, -10})) << "zoomed, shifted, closed";
    EXPECT_EQ(moved.pen.lopnStyle & PS_STYLE_MASK, UINT(PS_DOT));
    EXPECT_EQ(moved.rop2, R2_XORPEN);

    // Control-dragging the last point shows the point that would be inserted; Shift is not consulted.
    log = record([&](CDC& dc) { closed.CPolyLine::DrawHandleDragTracker(&dc, 100, CSize(50, 0), 0x3404, 2); });
    EXPECT_EQ(log.Of("Polyline")[0].args, (std::vector<int>{0, 0, 200, 0, 200, -100, 250, -200, 0, 0}));

    // A horizontal stroke maps onto the new rectangle's diagonal, without a closing edge.
    CPolyObj stroke = MakeLine({{0, 0}, {100, 0}});
    stroke.SetClosed(TRUE);
    log = record([&](CDC& dc) { stroke.CPolyLine::DrawResizeTracker(&dc, 100, CSize(100, -50), 0x62); });
    EXPECT_EQ(log.Of("Polyline")[0].args, (std::vector<int>{0, 0, 200, -51}));
    EXPECT_EQ(log.Of("Rectangle").size(), 1u) << "the new rectangle's frame";

    CPolyObj spline = MakeLine({{0, 0}, {100, 0}, {100, -100}, {0, -100}});
    spline.SetBezier(TRUE);
    log = record([&](CDC& dc) { spline.CPolyLine::DrawMoveTracker(&dc, 100, CSize(0, 0)); });
    EXPECT_EQ(log.Of("PolyBezier").size(), 1u);
    log = record([&](CDC& dc) { spline.CPolyLine::DrawHandleDragTracker(&dc, 100, CSize(0, 0), 0x1204, 1); });
    EXPECT_TRUE(log.Of("PolyBezier").empty()) << "no spline while a point is being inserted";
    log = record([&](CDC& dc) { spline.CPolyLine::DrawResizeTracker(&dc, 100, CSize(0, 0), HIT_BODY); });
    EXPECT_TRUE(log.calls.empty());
}

TEST(LineGeometry, RectangleShapeAndTopEdge)
{
    const struct
    {
        std::vector<CPoint> points;
        BOOL rectangle, hasTop;
        CPoint left, right;
    } cases[] = {
        {{{0, 0}, {200, 0}, {200, -100}, {0, -100}}, TRUE, TRUE, {0, 0}, {200, 0}},
        {{{0, 0}, {200, 0}, {200, -100}, {0, -100}, {0, 0}}, TRUE, TRUE, {0, 0}, {200, 0}},
        // Starting upright and off by less than 6 on each side.
        {{{0, -100}, {5, 0}, {200, 3}, {198, -100}}, TRUE, TRUE, {5, 0}, {200, 3}},
        // The last point misses the first by one unit.
        {{{0, 0}, {200, 0}, {200, -100}, {0, -100}, {1, 0}}, FALSE, TRUE, {0, 0}, {200, 0}},
        {{{0, 0}, {200, 0}, {0, -100}, {200, -100}}, FALSE, TRUE, {0, 0}, {200, 0}},
        // Starting at the bottom and going up first.
        {{{0, -100}, {0, 0}, {200, 0}, {200, -100}, {0, -100}}, TRUE, TRUE, {0, 0}, {200, 0}},
        // A peak is no edge.
        {{{0, -100}, {100, 0}, {200, -100}}, FALSE, FALSE, {100, 0}, {100, 0}},
        {{{100, -100}, {50, -200}, {0, -50}, {300, -48}}, FALSE, TRUE, {0, -50}, {300, -48}},
        {{}, FALSE, FALSE, {7, 7}, {7, 7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.points.size());
        CPolyObj line = MakeLine(c.points);
        EXPECT_EQ(line.IsRectangleShape(), c.rectangle);
        CPoint left(7, 7), right(7, 7);
        EXPECT_EQ(line.GetTopEdge(left, right), c.hasTop);
        EXPECT_EQ(left, c.left);
        EXPECT_EQ(right, c.right);
    }
}
