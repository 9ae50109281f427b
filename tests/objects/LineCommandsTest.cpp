// The line's right-click menu states and its attribute commands.
#include "foundation/CommandIds.h"
#include "foundation/Geometry.h"
#include "foundation/ListElements.h"
#include "objects/PolyObj.h"
#include "objects/RectObj.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/ColorDialog.h"
#include "tests/objects/ObjectsTestSupport.h"
#include "tests/support/MessageScript.h"
#include "tests/support/TestAppServices.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>
#include <vector>

namespace {

class LineCommands : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(m_app.GetColorItemList()->CreateDefaultColorItems(), 16); }
    void TearDown() override { SetColorDialogSink(nullptr); }

    COLORREF PaletteColor(int index) { return GetElementAtIndex(*m_app.GetColorItemList(), index)->GetColor(); }

    // A line through count points (0, 0), (100, 0), (200, 0), ...
    static void AddPoints(CPolyObj& line, int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(line.AddPoint(CPoint(100 * i, 0)));
    }

    TestAppServices m_app;
};

struct LineAttributeCase
{
    const char* name;
    std::function<void(CPolyObj&)> setUp;
    UINT id;
    BOOL changed;
    std::function<bool(const CPolyObj&)> holds;
};

TEST_F(LineCommands, AttributeCommandsChangeOrReportNoChange)
{
    const COLORREF red = PaletteColor(1);
    const auto none = [](CPolyObj&) {};
    const std::vector<LineAttributeCase> cases = {
        {"dot already", [](CPolyObj& l) { l.SetPenStyle(2), l.SetPenWidth(0); }, ID_PEN_DOT, FALSE,
         [](const CPolyObj& l) { return l.GetPenStyle() == 2 && l.GetPenWidth() == 0; }},
        {"dot from width 4", [](CPolyObj& l) { l.SetPenStyle(2), l.SetPenWidth(4); }, ID_PEN_DOT, TRUE,
         [](const CPolyObj& l) { return l.GetPenStyle() == 2 && l.GetPenWidth() == 0; }},
        {"thick pen", none, ID_PEN_SOLID_THICK, TRUE,
         [](const CPolyObj& l) { return l.GetPenStyle() == 0 && l.GetPenWidth() == 8; }},
        {"start line mark already", none, ID_START_LINE_MARK, FALSE,
         [](const CPolyObj& l) { return l.IsLineMark(LINEEND_START); }},
        {"start filled mark", none, ID_START_FILLED_MARK, TRUE,
         [](const CPolyObj& l) { return (l.GetFlags() & 0x3) == LINE_START_FILLED_MARK; }},
        {"end filled mark", none, ID_END_FILLED_MARK, TRUE,
         [](const CPolyObj& l) { return (l.GetFlags() & 0xC) == LINE_END_FILLED_MARK; }},
        {"end line mark from filled", [](CPolyObj& l) { l.SetFilledMark(LINEEND_END); }, ID_END_LINE_MARK, TRUE,
         [](const CPolyObj& l) { return (l.GetFlags() & 0xC) == LINE_END_LINE_MARK; }},
        {"fill toggles", none, ID_OBJ_FILL, TRUE, [](const CPolyObj& l) { return l.IsFilled(); }},
        {"closed toggles", none, ID_LINE_CLOSED, TRUE, [](const CPolyObj& l) { return l.IsClosed(); }},
        {"Bezier toggles off", [](CPolyObj& l) { l.SetBezier(TRUE); }, ID_LINE_BEZIER, TRUE,
         [](const CPolyObj& l) { return !l.IsBezier(); }},
        {"fill mode already alternate", [](CPolyObj& l) { l.SetFillMode(1); }, ID_FILL_MODE_ALTERNATE, TRUE,
         [](const CPolyObj& l) { return l.GetFillMode() == 1; }},
        {"winding", none, ID_FILL_MODE_WINDING, TRUE, [](const CPolyObj& l) { return l.GetFillMode() == 2; }},
        {"start mark 15", none, ID_ARROW_START_BASE + 15, TRUE,
         [](const CPolyObj& l) { return l.GetMark(LINEEND_START) == 15; }},
        {"end mark 0", [](CPolyObj& l) { l.SetMark(LINEEND_END, 3); }, ID_ARROW_END_BASE, TRUE,
         [](const CPolyObj& l) { return l.GetMark(LINEEND_END) == 0; }},
        {"pen colour from palette", none, ID_PEN_COLOR_BASE + 1, TRUE,
         [red](const CPolyObj& l) { return l.GetPenColor() == red; }},
        {"fill colour already", [red](CPolyObj& l) { l.SetFillColor(red); }, ID_FILL_COLOR_BASE + 1, FALSE,
         [red](const CPolyObj& l) { return l.GetFillColor() == red; }},
        {"hide toggles", none, ID_OBJ_HIDE_DEFINE, TRUE, [](const CPolyObj& l) { return l.GetHideDefine(); }},
        {"copy defaults without prototype", none, ID_COPY_DEFAULT_ATTRIBUTES, FALSE,
         [](const CPolyObj& l) { return l.GetPenWidth() == 1; }},
        {"unknown id", none, 21999, FALSE, [](const CPolyObj& l) { return !l.IsFilled(); }},
    };
    for (const LineAttributeCase& c : cases) {
        CPolyObj line(1, CPoint(0, 0), CPoint(100, -100));
        line.SetPenStyle(0);
        line.SetPenWidth(1);
        line.SetHideDefine(FALSE);
        c.setUp(line);
        EXPECT_EQ(line.ApplyAttributeCommand(c.id, nullptr, HIT_BODY), c.changed) << c.name;
        EXPECT_TRUE(c.holds(line)) << c.name;
    }
}

TEST_F(LineCommands, ColoursFromOtherObjectsAndTheDialog)
{
    CRectObj box(2, CRect(0, 0, 100, -100));
    box.SetFillColor(RGB(1, 2, 3));
    CPolyObj source(3, CPoint(0, 0), CPoint(10, 10));
    source.SetPenColor(RGB(4, 5, 6));
    CPolyObj line(1, CPoint(0, 0), CPoint(100, -100));
    EXPECT_TRUE(line.ApplyAttributeCommand(ID_FILL_COLOR_BASE + COLOR_MENU_FROM_OBJECT, &box, 0));
    EXPECT_EQ(line.GetFillColor(), RGB(1, 2, 3));
    EXPECT_FALSE(line.ApplyAttributeCommand(ID_FILL_COLOR_BASE + COLOR_MENU_FROM_OBJECT, &box, 0));
    EXPECT_TRUE(line.ApplyAttributeCommand(ID_PEN_COLOR_BASE + COLOR_MENU_FROM_OBJECT, &source, 0));
    EXPECT_EQ(line.GetPenColor(), RGB(4, 5, 6));
    EXPECT_FALSE(line.ApplyAttributeCommand(ID_PEN_COLOR_BASE + COLOR_MENU_FROM_OBJECT, nullptr, 0));

    BOOL confirm = FALSE;
    SetColorDialogSink([&confirm](COLORREF, COLORREF& picked) { return picked = RGB(9, 9, 9), confirm; });
    EXPECT_FALSE(line.ApplyAttributeCommand(ID_PEN_COLOR_BASE + COLOR_MENU_DIALOG, nullptr, 0));
    EXPECT_EQ(line.GetPenColor(), RGB(4, 5, 6));
    confirm = TRUE;
    EXPECT_TRUE(line.ApplyAttributeCommand(ID_FILL_COLOR_BASE + COLOR_MENU_DIALOG, nullptr, 0));
    EXPECT_EQ(line.GetFillColor(), RGB(9, 9, 9));
}

TEST_F(LineCommands, CheckAndEnableStatesFollowTheBezierRules)
{
    struct Row
    {
        UINT id;
        int points;
        BOOL handled;
        int check;
        BOOL enabled;
    };
    // Every line has the Bezier bit, pen style 2 width 4, end mark 7, a filled start mark, an end
    // connection and HideDefine; four points make it a spline, five do not.
    const Row rows[] = {
        {ID_OBJ_FILL, 4, TRUE, 0, FALSE},
        {ID_OBJ_FILL, 5, TRUE, 0, TRUE},
        {ID_LINE_CLOSED, 4, TRUE, 0, FALSE},
        {ID_FILL_MODE_ALTERNATE, 4, TRUE, 1, FALSE},
        {ID_FILL_MODE_WINDING, 5, TRUE, 0, TRUE},
        {ID_LINE_BEZIER, 4, TRUE, 1, TRUE},
        {ID_LINE_BEZIER, 5, TRUE, 1, FALSE},
        {ID_ARROW_START_BASE + 2, 4, TRUE, 0, FALSE},
        {ID_ARROW_START_BASE + 5, 4, TRUE, 0, TRUE},
        {ID_ARROW_END_BASE + 7, 4, TRUE, 1, FALSE},
        {ID_ARROW_END_BASE + 7, 5, TRUE, 1, TRUE},
        {ID_ARROW_END_BASE + 1, 4, TRUE, 0, TRUE},
        {ID_PEN_DOT, 4, TRUE, 1, TRUE},
        {ID_PEN_SOLID_MEDIUM, 4, TRUE, 0, TRUE},
        {ID_START_FILLED_MARK, 4, TRUE, 1, TRUE},
        {ID_START_LINE_MARK, 4, TRUE, 0, TRUE},
        {ID_END_LINE_MARK, 4, TRUE, 1, TRUE},
        {ID_OP_LINE_STRAIGHTEN, 2, TRUE, 0, FALSE},
        {ID_OP_LINE_STRAIGHTEN, 3, TRUE, 0, TRUE},
        {ID_OP_LINE_SMOOTH, 3, TRUE, 0, FALSE},
        {ID_OP_LINE_SMOOTH, 4, TRUE, 0, TRUE},
        {ID_OP_LINE_VERTICAL_CRANK, 2, TRUE, 0, TRUE},
        {ID_OBJ_PICK_END_CONNECTION, 2, TRUE, 1, TRUE},
        {ID_OBJ_CLEAR_START_CONNECTION, 2, TRUE, 0, FALSE},
        {ID_OBJ_CLEAR_END_CONNECTION, 2, TRUE, 0, TRUE},
        {ID_OBJ_HIDE_DEFINE, 2, TRUE, 1, TRUE},
        {ID_OBJ_SQUARE_BY_WIDTH, 2, FALSE, 0, TRUE},
    };
    for (const Row& row : rows) {
        CPolyObj line(1);
        AddPoints(line, row.points);
        line.SetBezier(TRUE);
        line.SetPenStyle(2);
        line.SetPenWidth(4);
        line.SetMark(LINEEND_END, 7);
        line.SetFilledMark(LINEEND_START);
        line.SetFillMode(1);
        line.SetEndObjectId(9);
        line.SetHideDefine(TRUE);
        CCmdUI ui;
        ui.m_nID = row.id;
        EXPECT_EQ(line.UpdateCommandUI(&ui, nullptr, HIT_BODY, TRUE, FALSE), row.handled) << row.id;
        EXPECT_EQ(ui.GetCheck(), row.check) << row.id << " on " << row.points;
        EXPECT_EQ(ui.IsEnabled(), row.enabled) << row.id << " on " << row.points;
    }
    // Setting the defaults from one object only.
    CPolyObj line(1, CPoint(0, 0), CPoint(10, 10));
    CCmdUI ui;
    ui.m_nID = ID_SET_DEFAULT_ATTRIBUTES;
    EXPECT_TRUE(line.UpdateCommandUI(&ui, nullptr, HIT_BODY, TRUE, TRUE));
    EXPECT_FALSE(ui.IsEnabled());
}

TEST_F(LineCommands, ShapeOperationsRebuildThePoints)
{
    using Points = std::vector<CPoint>;
    struct Row
    {
        const char* name;
        UINT id;
        Points from;
        BOOL changed;
        Points to;
    };
    const Row rows[] = {
        {"vertical crank",
         ID_OP_LINE_VERTICAL_CRANK,
         {{0, 0}, {101, -51}},
         TRUE,
         {{0, 0}, {0, -25}, {101, -25}, {101, -51}}},
        {"horizontal crank",
         ID_OP_LINE_HORIZONTAL_CRANK,
         {{0, 0}, {50, 7}, {101, -51}},
         TRUE,
         {{0, 0}, {50, 0}, {50, -51}, {101, -51}}},
        {"right angle", ID_OP_LINE_RIGHT_ANGLE, {{0, 0}, {100, -50}}, TRUE, {{0, 0}, {100, 0}, {100, -50}}},
        {"reverse right angle",
         ID_OP_LINE_REVERSE_RIGHT_ANGLE,
         {{0, 0}, {100, -50}},
         TRUE,
         {{0, 0}, {0, -50}, {100, -50}}},
        {"line break left and lower",
         ID_OP_LINE_BREAK,
         {{0, 0}, {-200, -100}},
         TRUE,
         {{0, 0}, {60, 0}, {60, -50}, {-260, -50}, {-260, -100}, {-200, -100}}},
        {"line break right and higher",
         ID_OP_LINE_BREAK,
         {{0, 0}, {200, 100}},
         TRUE,
         {{0, 0}, {0, -60}, {100, -60}, {100, 160}, {200, 160}, {200, 100}}},
        {"line break right, same height",
         ID_OP_LINE_BREAK,
         {{0, 0}, {200, 0}},
         TRUE,
         {{0, 0}, {-60, 0}, {-60, 140}, {260, 140}, {260, 0}, {200, 0}}},
        {"line break lower, same x",
         ID_OP_LINE_BREAK,
         {{0, 0}, {0, -100}},
         TRUE,
         {{0, 0}, {0, 60}, {-180, 60}, {-180, -160}, {0, -160}, {0, -100}}},
        {"line break on one spot", ID_OP_LINE_BREAK, {{0, 0}, {0, 0}}, FALSE, {{0, 0}, {0, 0}}},
        {"straighten two points", ID_OP_LINE_STRAIGHTEN, {{0, 0}, {5, 5}}, FALSE, {{0, 0}, {5, 5}}},
        {"straighten on one spot", ID_OP_LINE_STRAIGHTEN, {{10, 10}, {10, 10}, {10, 10}}, TRUE, {{10, 10}, {30, 10}}},
        {"straighten to the first other point",
         ID_OP_LINE_STRAIGHTEN,
         {{0, 0}, {7, 8}, {9, 9}, {0, 0}},
         TRUE,
         {{0, 0}, {7, 8}}},
        {"self reference",
         ID_OP_LINE_SELF_REFERENCE,
         {{0, 0}, {30, 30}, {40, 40}, {0, -100}},
         TRUE,
         {{0, 0}, {60, 0}, {60, -40}, {0, -40}, {0, -100}}},
        {"adjust points",
         ID_OP_LINE_ADJUST_POINTS,
         {{0, 0}, {100, 10}, {95, 100}},
         TRUE,
         {{0, 0}, {100, 0}, {100, 100}}},
        {"smooth open",
         ID_OP_LINE_SMOOTH,
         {{0, 0}, {100, 0}, {100, 100}, {0, 100}},
         TRUE,
         {{0, 0}, {50, 50}, {25, 75}, {0, 100}}},
        {"smooth closed",
         ID_OP_LINE_SMOOTH,
         {{0, 0}, {100, 0}, {100, 100}, {0, 100}, {20, 10}},
         TRUE,
         {{36, 46}, {50, 50}, {25, 75}, {22, 42}, {36, 46}}},
        {"smooth three points",
         ID_OP_LINE_SMOOTH,
         {{0, 0}, {100, 0}, {100, 100}},
         FALSE,
         {{0, 0}, {100, 0}, {100, 100}}},
        {"grid without offset", ID_OBJ_SNAP_TO_GRID, {{0, 0}, {100, 0}}, FALSE, {{0, 0}, {100, 0}}},
        {"not a line operation", ID_OBJ_SQUARE_BY_WIDTH, {{0, 0}, {100, 0}}, FALSE, {{0, 0}, {100, 0}}},
    };
    for (const Row& row : rows) {
        CPolyObj line(1);
        for (const CPoint& p : row.from)
            ASSERT_TRUE(line.AddPoint(p));
        EXPECT_EQ(line.ApplyShapeOperation(row.id, 0, 0), row.changed) << row.name;
        EXPECT_EQ(line.GetPointArray(), row.to) << row.name;
    }
}

// A line whose point allocation fails once, at a chosen one of the points it makes next.
class FailingPointLine : public CPolyObj
{
public:
    explicit FailingPointLine(const std::vector<CPoint>& points) : CPolyObj(1)
    {
        for (const CPoint& p : points)
            AddPoint(p);
    }
    // The next `made` points are made, the one after them fails by raise().
    void FailAfter(int made, std::function<void()> raise)
    {
        m_left = made;
        m_raise = std::move(raise);
    }
    std::vector<const CPointObj*> PointObjects() const
    {
        std::vector<const CPointObj*> objects;
        for (POSITION pos = GetHeadPosition(); pos;)
            objects.push_back(static_cast<const CPointObj*>(GetNext(pos)));
        return objects;
    }

protected:
    std::unique_ptr<CPointObj> NewPointObj(POINT point) const override
    {
        if (m_raise && m_left-- == 0)
            m_raise();
        return CPolyObj::NewPointObj(point);
    }

private:
    mutable int m_left = -1;
    std::function<void()> m_raise;
};

TEST_F(LineCommands, ReshapingThatCannotAddItsPointsLeavesTheLineAsItWas)
{
    struct Failure
    {
        const char* name;
        std::function<void()> raise;
        std::string message;
    };
    const Failure failures[] = {
        {"out of memory", [] { throw std::bad_alloc(); }, "ﾒﾓﾘ不足のため、線にﾎﾟｲﾝﾄを追加できません。"},
        {"other failure", [] { AfxThrowInvalidArgException(); }, "予期せぬｴﾗｰのため、線にﾎﾟｲﾝﾄを追加できません。"},
    };
    // Each operation with the number of points it makes (the two ends included).
    const std::pair<UINT, int> operations[] = {
        {ID_OP_LINE_VERTICAL_CRANK, 4}, {ID_OP_LINE_HORIZONTAL_CRANK, 4}, {ID_OP_LINE_BREAK, 6},
        {ID_OP_LINE_LIGHTNING, 4},      {ID_OP_LINE_SELF_REFERENCE, 5},
    };
    const std::vector<CPoint> points{{0, 0}, {40, 30}, {101, -51}};
    for (const auto& [id, made] : operations) {
        for (const int failing : {0, made - 1}) {
            for (const Failure& failure : failures) {
                const std::string name =
                    std::to_string(id) + " failing at point " + std::to_string(failing) + ", " + failure.name;
                FailingPointLine line(points);
                line.SetMark(LINEEND_END, MARK_ARROW);
                const std::vector<BYTE> record = StoreObject(&line);
                const std::vector<const CPointObj*> objects = line.PointObjects();
                MessageScript script;
                line.FailAfter(failing, failure.raise);
                EXPECT_FALSE(line.ApplyShapeOperation(id, 0, 0)) << name;
                EXPECT_EQ(StoreObject(&line), record) << name;
                EXPECT_EQ(line.PointObjects(), objects) << name;
                EXPECT_EQ(script.Texts(), std::vector<std::string>{failure.message}) << name;
                ASSERT_EQ(script.Messages().size(), 1u) << name;
                EXPECT_EQ(script.Messages()[0].type, UINT(MB_ICONEXCLAMATION)) << name;
            }
        }
        // The count is right: a failure due after the last point never comes.
        FailingPointLine line(points);
        line.FailAfter(made, failures[0].raise);
        EXPECT_TRUE(line.ApplyShapeOperation(id, 0, 0)) << id;
        EXPECT_EQ(line.GetCount(), made) << id;
    }
}

TEST_F(LineCommands, LightningAndConnections)
{
    CPolyObj line(5, CPoint(0, 0), CPoint(200, 0));
    EXPECT_TRUE(line.ApplyShapeOperation(ID_OP_LINE_LIGHTNING, 0, 0));
    CPoint a;
    CPoint b;
    CalcLightningPoints(CPoint(0, 0), CPoint(200, 0), CSize(20, 20), a, b);
    EXPECT_EQ(line.GetPointArray(), (std::vector<CPoint>{{0, 0}, a, b, {200, 0}}));

    // A connection set or cleared is a change; the line's own id is stored as none.
    EXPECT_TRUE(line.ApplyShapeOperation(ID_OBJ_PICK_START_CONNECTION, 0, 7));
    EXPECT_EQ(line.GetStartObjectId(), 7);
    EXPECT_FALSE(line.ApplyShapeOperation(ID_OBJ_PICK_START_CONNECTION, 0, 7));
    EXPECT_FALSE(line.ApplyShapeOperation(ID_OBJ_PICK_END_CONNECTION, 0, 5));
    EXPECT_EQ(line.GetEndObjectId(), 0);
    EXPECT_TRUE(line.ApplyShapeOperation(ID_OBJ_CLEAR_START_CONNECTION, 0, 0));
    EXPECT_EQ(line.GetStartObjectId(), 0);
    EXPECT_TRUE(line.ApplyShapeOperation(ID_OBJ_SNAP_TO_GRID, 10, UINT_PTR(-20)));
    EXPECT_EQ(line.GetStartPoint(), CPoint(10, -20));
}

} // namespace
