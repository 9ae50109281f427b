// Relation arrows as shapes on the paper: where the labels first stand and how they follow the
// ends, the hit codes of labels, points and midpoints, and how a 1:N crank follows its objects.
#include "foundation/CommandIds.h"
#include "model/RelLineObj.h"
#include "objects/BaseObj.h"
#include "objects/PolyObj.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/Wnd.h"
#include "tests/model/RelLineObjTestSupport.h"
#include "tests/objects/ObjectsTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr DWORD kMemoPart = CRelLineObj::PART_MEMO;
constexpr DWORD kNamePart = CRelLineObj::PART_ITEM_NAME;
constexpr DWORD kValuePart = CRelLineObj::PART_ITEM_VALUE;

const std::vector<CPoint> kCrank{{100, -100}, {100, -160}, {300, -160}, {300, -300}};

} // namespace

TEST(RelLineLabels, DefaultRectanglesFollowTheLineShape)
{
    const struct
    {
        WORD kind;
        std::vector<CPoint> points;
        WORD endId;
        DWORD part;
        BOOL placed;
        CRect rect;
    } cases[] = {
        // The memo beside a vertical last segment, 80 above the lower of its points.
        {1, kCrank, 2, kMemoPart, TRUE, {240, -220, 360, -260}},
        // ... but never closer than 10 to the paper's top edge.
        {1, {{100, -30}, {100, -60}, {300, -60}, {300, -20}}, 2, kMemoPart, TRUE, {240, -10, 360, -50}},
        // Over the middle of an oblique or a level last segment.
        {1, {{0, -100}, {200, -300}}, 2, kMemoPart, TRUE, {40, -180, 160, -220}},
        {1, {{0, -100}, {200, -100}}, 2, kMemoPart, TRUE, {40, -80, 160, -120}},
        // A self-reference puts it by its loop.
        {1, {{100, -100}, {160, -100}, {160, -40}, {100, -40}, {100, -60}}, 1, kMemoPart, TRUE, {100, -60, 220, -100}},
        // The item name beside the start, on the side away from the line.
        {2, {{300, -100}, {200, -100}, {200, -300}}, 2, kNamePart, TRUE, {100, -40, 260, -80}},
        {2, {{300, -200}, {400, -200}, {400, -300}}, 2, kNamePart, TRUE, {340, -140, 500, -180}},
        // The item value over the end of a subtype arrow, beside it for a substructure arrow.
        {2, {{100, -100}, {300, -100}, {300, -300}}, 2, kValuePart, TRUE, {220, -240, 380, -280}},
        {3, {{500, -100}, {300, -300}}, 2, kValuePart, TRUE, {140, -240, 300, -280}},
        {3, {{100, -100}, {300, -300}}, 2, kValuePart, TRUE, {300, -240, 460, -280}},
        // 1:N and supertype arrows have no place for it.
        {1, kCrank, 2, kValuePart, FALSE, {}},
        {4, {{100, -100}, {100, -300}, {300, -300}}, 2, kValuePart, FALSE, {}},
    };
    for (const auto& c : cases) {
        CRelLineObj arrow = MakeArrow(c.kind, c.points, 1, c.endId);
        CRect rect;
        EXPECT_EQ(arrow.GetDefaultLabelRect(c.part, rect), c.placed)
            << "kind " << c.kind << " part " << std::hex << c.part;
        if (c.placed) {
            EXPECT_EQ(rect, c.rect) << "kind " << c.kind << " part " << std::hex << c.part;
        }
    }
}

TEST(RelLineLabels, ShowingPlacesLabelsAndTheyFollowTheirEnds)
{
    CRelLineObj arrow = MakeArrow(2, {{100, -100}, {300, -100}, {300, -300}});
    EXPECT_FALSE(arrow.IsLabelPlaced(kValuePart));
    arrow.ShowLabel(kValuePart, TRUE);
    arrow.ShowLabel(kNamePart, TRUE);
    arrow.ShowLabel(kMemoPart, TRUE);
    EXPECT_TRUE(arrow.IsLabelShown(kValuePart));
    EXPECT_EQ(arrow.GetItemValueLabel().GetRect(), CRect(220, -240, 380, -280));
    EXPECT_EQ(ToQString(arrow.GetMemoLabel().GetText()), QString::fromUtf8("×N"));

    // A hidden label keeps its place and text; showing it again does not move an item label, but
    // places the memo afresh.
    arrow.GetItemValueLabel().MoveBy(CSize(500, 0), 0);
    arrow.GetMemoLabel().MoveBy(CSize(500, 0), 0);
    arrow.GetMemoLabel().SetText("memo");
    for (const DWORD part : {kValuePart, kMemoPart}) {
        arrow.ShowLabel(part, FALSE);
        arrow.ShowLabel(part, TRUE);
    }
    EXPECT_EQ(arrow.GetItemValueLabel().GetRect(), CRect(720, -240, 880, -280));
    CRect memoDefault;
    arrow.GetDefaultLabelRect(kMemoPart, memoDefault);
    EXPECT_EQ(arrow.GetMemoLabel().GetRect(), memoDefault);
    EXPECT_EQ(arrow.GetMemoLabel().GetText(), CString("memo"));

    // The end labels follow the end point, the item name the start point; hidden labels stay.
    const CRect itemName = arrow.GetItemNameLabel().GetRect();
    const CRect memo = arrow.GetMemoLabel().GetRect();
    arrow.ShowLabel(kValuePart, FALSE);
    arrow.GetEndPointObj()->Offset(30, -20);
    arrow.RepositionLabels(CPoint(100, -100), CPoint(300, -300));
    EXPECT_EQ(arrow.GetMemoLabel().GetRect(), memo + CPoint(30, -20));
    EXPECT_EQ(arrow.GetItemNameLabel().GetRect(), itemName);
    EXPECT_EQ(arrow.GetItemValueLabel().GetRect(), CRect(720, -240, 880, -280));

    // An unplaced label never moves: the supertype arrow's item value stays at zero.
    CRelLineObj super = MakeArrow(4, {{100, -100}, {100, -300}, {300, -300}});
    super.ShowLabel(kValuePart, TRUE);
    EXPECT_TRUE(super.GetItemValueLabel().GetRect().IsRectNull());
    super.MoveEndPoint(CSize(50, 50));
    EXPECT_TRUE(super.GetItemValueLabel().GetRect().IsRectNull());
    EXPECT_FALSE(super.IsLabelPlaced(kValuePart));
}

TEST(RelLineLabels, PartRectanglesMovesAndEditing)
{
    CRelLineObj arrow = MakeArrow(2, {{100, -100}, {300, -100}, {300, -300}});
    arrow.ShowLabel(kNamePart, TRUE);
    arrow.ShowLabel(kValuePart, TRUE);
    CRect rect;
    arrow.GetPartRect(rect, TRUE, kValuePart | HIT_SHAPE_HANDLE);
    EXPECT_EQ(rect, arrow.GetItemValueLabel().GetRect());
    arrow.GetPartRect(rect, TRUE, HIT_SHAPE_HANDLE | HIT_LINE_POINT);
    EXPECT_TRUE(rect.IsRectNull());

    // Only the named labels with a place move; the memo has none yet.
    const CRect itemName = arrow.GetItemNameLabel().GetRect();
    const CRect itemValue = arrow.GetItemValueLabel().GetRect();
    arrow.MoveParts(CSize(10, -10), kValuePart | kMemoPart);
    EXPECT_EQ(arrow.GetItemValueLabel().GetRect(), itemValue + CPoint(10, -10));
    EXPECT_EQ(arrow.GetItemNameLabel().GetRect(), itemName);
    EXPECT_TRUE(arrow.GetMemoLabel().GetRect().IsRectNull());

    // A whole move takes every placed label along with the points.
    arrow.MoveBy(CSize(5, 5), 0);
    EXPECT_EQ(arrow.GetItemNameLabel().GetRect(), itemName + CPoint(5, 5));
    EXPECT_EQ(arrow.GetStartPoint(), CPoint(105, -95));

    // Resizing a label by its handle leaves the line alone.
    arrow.ResizeByHandle(CSize(40, 0), kNamePart | HIT_SHAPE_HANDLE | HIT_HANDLE | HIT_SIDE_RIGHT);
    EXPECT_EQ(arrow.GetItemNameLabel().GetRect().right, itemName.right + 45);
    EXPECT_EQ(arrow.GetStartPoint(), CPoint(105, -95));

    EXPECT_TRUE(arrow.CanEditText(nullptr, kMemoPart | HIT_SHAPE_HANDLE | HIT_BODY, 0));
    EXPECT_TRUE(arrow.CanEditText(nullptr, kValuePart | HIT_SHAPE_HANDLE | HIT_BODY, 0));
    EXPECT_FALSE(arrow.CanEditText(nullptr, kNamePart | HIT_SHAPE_HANDLE | HIT_BODY, 0));
    EXPECT_FALSE(arrow.CanEditText(nullptr, kMemoPart | HIT_BODY, 0));
    EXPECT_EQ(arrow.GetEditCommand(nullptr, 0, 0), ID_OBJ_SUBTYPE_DIALOG);
    EXPECT_EQ(MakeArrow(1, kCrank).GetKeyCommand(VK_RETURN, 1, 0), ID_OBJ_ONE_TO_MANY_DIALOG);
    EXPECT_EQ(MakeArrow(4, kCrank).GetKeyCommand(VK_RETURN, 1, 0), 0u);
    EXPECT_EQ(arrow.GetKeyCommand('A', 1, 0), 0u);
}

TEST(RelLineHits, HitCodesOfLabelsPointsAndMidpoints)
{
    // A 1:N arrow of three points with its memo shown at (240, -80)-(360, -120) after the move
    // below, and a subtype arrow whose item name lies left of its start.
    const std::vector<CPoint> bend{{100, -100}, {300, -100}, {300, -300}};
    const struct
    {
        WORD kind;
        CPoint point; // zoom 50
        UINT keys;
        DWORD code, index;
    } cases[] = {
        {1, {50, -50}, 0, 0x104, 1},
        {1, {50, -50}, MK_CONTROL, 0x104, 1},
        {1, {100, -50}, 0, 0x204, 1},
        {1, {100, -50}, MK_CONTROL, 0x1204, 1},
        {1, {150, -50}, 0, 0x404, 1},
        {1, {150, -50}, MK_CONTROL, 0x1404, 1},
        {1, {150, -50}, MK_SHIFT, 0x2404, 1},
        {1, {150, -100}, 0, 0x204, 2},
        {1, {150, -150}, 0, 0x404, 2},
        // The last point inserts nothing; Shift still removes it.
        {1, {150, -150}, MK_CONTROL, 0x404, 2},
        {1, {150, -150}, MK_SHIFT, 0x2404, 2},
        // Other kinds never insert.
        {2, {150, -50}, MK_CONTROL, 0x404, 1},
        {2, {100, -50}, MK_CONTROL, 0x204, 1},
        // Away from every handle.
        {1, {120, -120}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        CRelLineObj arrow = MakeArrow(c.kind, bend);
        DWORD code = 99, index = 99;
        CPoint handle;
        EXPECT_EQ(arrow.HitTestHandles(50, c.point, c.keys, 3, code, index, handle, TRUE), c.code != 0)
            << "kind " << c.kind << " at " << c.point;
        EXPECT_EQ(code, c.code) << "kind " << c.kind << " at " << c.point << " keys " << c.keys;
        EXPECT_EQ(index, c.index) << "kind " << c.kind << " at " << c.point;
    }

    // A four-point 1:N crank inserts no point at a midpoint.
    CRelLineObj crank = MakeArrow(1, kCrank);
    DWORD code = 0, index = 0;
    CPoint handle;
    ASSERT_TRUE(crank.HitTestHandles(100, CPoint(200, -160), MK_CONTROL, 3, code, index, handle, TRUE));
    EXPECT_EQ(code, 0x204u);
    EXPECT_EQ(index, 2u);

    // Labels answer first with their own code, the handle value and their part bit.
    CRelLineObj subtype = MakeArrow(2, {{300, -100}, {500, -100}, {500, -300}});
    subtype.ShowLabel(kNamePart, TRUE); // (340, -40)-(500, -80)
    subtype.ShowLabel(kMemoPart, TRUE);
    ASSERT_TRUE(subtype.HitTestHandles(100, CPoint(420, -60), 0, 3, code, index, handle, TRUE));
    EXPECT_EQ(code, kNamePart | HIT_SHAPE_HANDLE | HIT_BODY);
    ASSERT_TRUE(subtype.HitTestHandles(100, CPoint(340, -40), 0, 3, code, index, handle, TRUE));
    EXPECT_EQ(code, kNamePart | HIT_SHAPE_HANDLE | HIT_HANDLE | HIT_SIDE_TOP | HIT_SIDE_LEFT);
    EXPECT_FALSE(subtype.CanEditText(nullptr, code, 0));
    const CPoint memoCentre = subtype.GetMemoLabel().GetRect().CenterPoint();
    ASSERT_TRUE(subtype.HitTestHandles(100, memoCentre, 0, 3, code, index, handle, TRUE));
    EXPECT_EQ(code, kMemoPart | HIT_SHAPE_HANDLE | HIT_BODY);

    // Body hits: a shown label, then the line; a hidden arrow in define mode has none.
    EXPECT_TRUE(subtype.HitTest(CPoint(420, -60), 3, TRUE, TRUE));
    EXPECT_TRUE(subtype.HitTest(CPoint(500, -200), 3, TRUE, TRUE));
    EXPECT_FALSE(subtype.HitTest(CPoint(420, -200), 3, TRUE, TRUE));
    subtype.ShowLabel(kNamePart, FALSE);
    EXPECT_FALSE(subtype.HitTest(CPoint(420, -60), 3, TRUE, TRUE));
    subtype.SetHideDefine(TRUE);
    EXPECT_FALSE(subtype.HitTest(CPoint(500, -200), 3, FALSE, TRUE));
    EXPECT_FALSE(subtype.HitTestHandles(100, memoCentre, 0, 3, code, index, handle, FALSE));
    EXPECT_EQ(code, 0u);
}

TEST(RelLineCranks, OneToManyEndsKeepTheirSegmentsUprightAndAtLeast40Long)
{
    const std::vector<CPoint> crank{{100, 0}, {100, -60}, {300, -60}, {300, -300}};
    const std::vector<CPoint> shortEnds{{100, 0}, {100, -30}, {300, -30}, {300, -270}, {400, -270}, {400, -300}};
    const struct
    {
        const char* what;
        std::vector<CPoint> points;
        WORD endId;
        bool start;
        CSize offset;
        std::vector<CPoint> result;
    } cases[] = {
        {"start down 100 on a 60 first segment: the bend follows to keep 40",
         crank,
         2,
         true,
         {0, -100},
         {{100, -100}, {100, -140}, {300, -140}, {300, -300}}},
        {"start sideways: the second point follows in x",
         crank,
         2,
         true,
         {50, 0},
         {{150, 0}, {150, -60}, {300, -60}, {300, -300}}},
        {"start up with a long first segment: the bend stays",
         crank,
         2,
         true,
         {0, 50},
         {{100, 50}, {100, -60}, {300, -60}, {300, -300}}},
        {"start up with a short first segment: the segment goes along",
         shortEnds,
         2,
         true,
         {10, 50},
         {{110, 50}, {110, 20}, {300, 20}, {300, -270}, {400, -270}, {400, -300}}},
        {"end down with a short last segment: the segment goes along",
         shortEnds,
         2,
         false,
         {10, -50},
         {{100, 0}, {100, -30}, {300, -30}, {300, -320}, {410, -320}, {410, -350}}},
        {"end up: the bend rises to keep 40",
         crank,
         2,
         false,
         {0, 250},
         {{100, 0}, {100, -10}, {300, -10}, {300, -50}}},
        {"end sideways: the point before it follows in x",
         crank,
         2,
         false,
         {-20, 0},
         {{100, 0}, {100, -60}, {280, -60}, {280, -300}}},
        {"fewer than four points: only the end moves",
         {{100, 0}, {300, -300}},
         2,
         true,
         {5, -5},
         {{105, -5}, {300, -300}}},
        {"a self-reference moves only its start",
         crank,
         1,
         true,
         {0, -100},
         {{100, -100}, {100, -60}, {300, -60}, {300, -300}}},
        {"a self-reference's end still keeps 40",
         crank,
         1,
         false,
         {0, 250},
         {{100, 0}, {100, -10}, {300, -10}, {300, -50}}},
    };
    for (const auto& c : cases) {
        CRelLineObj arrow = MakeArrow(1, c.points, 1, c.endId);
        if (c.start)
            arrow.MoveStartPoint(c.offset);
        else
            arrow.MoveEndPoint(c.offset);
        EXPECT_EQ(arrow.GetPointArray(), c.result) << c.what;
    }
    // Other kinds follow as any line does.
    CRelLineObj subtype = MakeArrow(2, crank);
    CPolyObj line = MakeLine(crank);
    subtype.MoveStartPoint(CSize(0, -100));
    line.MoveStartPoint(CSize(0, -100));
    EXPECT_EQ(subtype.GetPointArray(), line.GetPointArray());
}

TEST(RelLineCranks, PointDragsKeepEndSegmentsUprightAndDropEmptySegments)
{
    // Dragging the second point of a five-point crank onto the third leaves a segment of no
    // length, which goes with both its points.
    CRelLineObj arrow = MakeArrow(1, {{100, 0}, {100, -60}, {200, -60}, {200, -200}, {300, -200}});
    arrow.ShowLabel(kMemoPart, TRUE);
    const CRect memo = arrow.GetMemoLabel().GetRect();
    arrow.MovePointByHandle(CSize(100, 0), HIT_SHAPE_HANDLE | HIT_LINE_POINT, 1);
    EXPECT_EQ(arrow.GetPointArray(), (std::vector<CPoint>{{200, 0}, {200, -200}, {300, -200}}));
    EXPECT_EQ(arrow.GetMemoLabel().GetRect(), memo);

    // Dragging the last point of a subtype arrow takes its neighbour along and the end labels too.
    CRelLineObj subtype = MakeArrow(2, {{100, -100}, {300, -100}, {300, -300}});
    subtype.ShowLabel(kValuePart, TRUE);
    const CRect value = subtype.GetItemValueLabel().GetRect();
    subtype.MovePointByHandle(CSize(40, -10), HIT_SHAPE_HANDLE | HIT_LINE_POINT, 2);
    EXPECT_EQ(subtype.GetPointArray(), (std::vector<CPoint>{{100, -100}, {340, -100}, {340, -310}}));
    EXPECT_EQ(subtype.GetItemValueLabel().GetRect(), value + CPoint(40, -10));

    // A label's handle never moves points.
    subtype.MovePointByHandle(CSize(40, 0), kValuePart | HIT_SHAPE_HANDLE | HIT_LINE_POINT, 2);
    EXPECT_EQ(subtype.GetEndPoint(), CPoint(340, -310));
}

namespace {

// The handle squares drawn, sorted by their frame colour, and whether the silver frame was drawn.
struct ArrowHandles
{
    std::vector<CPoint> points, midpoints;
    int others = 0;
    bool frame = false;
};

ArrowHandles RecordArrowHandles(CRelLineObj& arrow, BOOL printMode = TRUE)
{
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    arrow.DrawHandles(&dc, 100, printMode);
    ArrowHandles drawn;
    for (const DrawCall& call : log.Of("Rectangle")) {
        const CPoint centre((call.args[0] + call.args[2]) / 2, (call.args[1] + call.args[3]) / 2);
        if (call.pen.lopnColor == RGB(192, 192, 192))
            drawn.frame = true;
        else if (call.pen.lopnColor == 0x00FFFF)
            drawn.points.push_back(centre);
        else if (call.pen.lopnColor == 0x0000FF)
            drawn.midpoints.push_back(centre);
        else
            ++drawn.others;
    }
    return drawn;
}

std::vector<DrawCall> RecordTracker(const std::function<void(CDC*)>& draw)
{
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    draw(&dc);
    return log.calls;
}

} // namespace

TEST(RelLineHandles, PointAndMidpointHandlesWithoutRectangleHandlesThenTheLabels)
{
    CRelLineObj straight = MakeArrow(3, {{100, -100}, {300, -300}});
    ArrowHandles drawn = RecordArrowHandles(straight);
    EXPECT_TRUE(drawn.frame);
    EXPECT_EQ(drawn.points, (std::vector<CPoint>{{100, -100}, {300, -300}}));
    EXPECT_EQ(drawn.midpoints, (std::vector<CPoint>{{200, -200}}));
    EXPECT_EQ(drawn.others, 0);

    // A crank has no frame; a label adds its own handles.
    CRelLineObj crank = MakeArrow(1, kCrank);
    drawn = RecordArrowHandles(crank);
    EXPECT_FALSE(drawn.frame);
    EXPECT_EQ(drawn.points, kCrank);
    EXPECT_EQ(drawn.midpoints, (std::vector<CPoint>{{100, -130}, {200, -160}, {300, -230}}));
    EXPECT_EQ(drawn.others, 0);
    crank.ShowLabel(kMemoPart, TRUE);
    EXPECT_EQ(RecordArrowHandles(crank).others, 8);

    // A self-reference's closing point shares the first point's handle.
    CRelLineObj loop = MakeArrow(1, {{100, -100}, {160, -100}, {160, -40}, {100, -40}, {100, -100}}, 1, 1);
    EXPECT_EQ(RecordArrowHandles(loop).points.size(), 4u);

    crank.SetHideDefine(TRUE);
    drawn = RecordArrowHandles(crank, FALSE);
    EXPECT_TRUE(drawn.points.empty() && drawn.midpoints.empty() && drawn.others == 0);
}

TEST(RelLineHandles, DragOutlinesOfLabelsAndLine)
{
    CRelLineObj arrow = MakeArrow(2, {{100, -100}, {300, -100}, {300, -300}});
    arrow.ShowLabel(kNamePart, TRUE);
    arrow.ShowLabel(kValuePart, TRUE);
    auto ops = [](const std::vector<DrawCall>& calls) {
        std::vector<std::string> names;
        for (const DrawCall& call : calls)
            if (call.op == "Rectangle" || call.op == "Polyline")
                names.push_back(call.op);
        return names;
    };
    // A whole move shows every shown label and the line; a label part only that label.
    EXPECT_EQ(ops(RecordTracker([&](CDC* dc) { arrow.DrawMoveTracker(dc, 100, CSize(10, 0), 0, TRUE); })),
              (std::vector<std::string>{"Rectangle", "Rectangle", "Polyline"}));
    EXPECT_EQ(ops(RecordTracker([&](CDC* dc) { arrow.DrawMoveTracker(dc, 100, CSize(10, 0), kValuePart | 5, TRUE); })),
              (std::vector<std::string>{"Rectangle"}));
    EXPECT_EQ(ops(RecordTracker([&](CDC* dc) {
                  arrow.DrawResizeTracker(dc, 100, CSize(10, 0),
                                          kNamePart | HIT_SHAPE_HANDLE | HIT_HANDLE | HIT_SIDE_RIGHT, TRUE);
              })),
              (std::vector<std::string>{"Rectangle"}));

    // Dragging the last point shows the neighbour following to keep the segment upright.
    const std::vector<DrawCall> drag =
        RecordTracker([&](CDC* dc) { arrow.DrawHandleDragTracker(dc, 100, CSize(40, -10), 0x404, 2, TRUE); });
    ASSERT_EQ(ops(drag), (std::vector<std::string>{"Polyline"}));
    EXPECT_EQ(drag.front().args, (std::vector<int>{100, -100, 340, -100, 340, -310}));

    arrow.SetHideDefine(TRUE);
    EXPECT_TRUE(RecordTracker([&](CDC* dc) {
                    arrow.DrawMoveTracker(dc, 100, CSize(10, 0), 0, FALSE);
                    arrow.DrawHandleDragTracker(dc, 100, CSize(40, -10), 0x404, 2, FALSE);
                }).empty());
}
