// The box objects' right-click menu and its commands: check states, attributes and shapes.
#include "foundation/CommandIds.h"
#include "foundation/ListElements.h"
#include "objects/ArcObj.h"
#include "objects/CnctObj.h"
#include "objects/DiamondObj.h"
#include "objects/ElliObj.h"
#include "objects/FarcObj.h"
#include "objects/PolyObj.h"
#include "objects/PolygonObj.h"
#include "objects/RectObj.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/Menu.h"
#include "tests/objects/ObjectsTestSupport.h"
#include "tests/support/TestAppServices.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace {

const CRect kRect(100, -100, 400, -200); // 300 wide, 100 high

class BoxCommands : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(m_app.GetColorItemList()->CreateDefaultColorItems(), 16); }

    COLORREF PaletteColor(int index) { return GetElementAtIndex(*m_app.GetColorItemList(), index)->GetColor(); }

    TestAppServices m_app;
};

struct AttributeCase
{
    const char* name;
    std::function<void(CRectObj&)> setUp;
    UINT id;
    BOOL changed;
    std::function<bool(const CRectObj&)> holds;
};

TEST_F(BoxCommands, AttributeCommandsChangeOrReportNoChange)
{
    const COLORREF red = PaletteColor(1);
    const auto none = [](CRectObj&) {};
    const std::vector<AttributeCase> cases = {
        {"thin pen already", [](CRectObj& r) { r.SetPenStyle(0), r.SetPenWidth(1); }, ID_PEN_SOLID_THIN, FALSE,
         [](const CRectObj& r) { return r.GetPenStyle() == 0 && r.GetPenWidth() == 1; }},
        {"dash from thick", [](CRectObj& r) { r.SetPenWidth(8); }, ID_PEN_DASH, TRUE,
         [](const CRectObj& r) { return r.GetPenStyle() == 1 && r.GetPenWidth() == 0; }},
        {"dash-dot-dot", none, ID_PEN_DASHDOTDOT, TRUE, [](const CRectObj& r) { return r.GetPenStyle() == 4; }},
        {"medium pen", [](CRectObj& r) { r.SetPenStyle(2); }, ID_PEN_SOLID_MEDIUM, TRUE,
         [](const CRectObj& r) { return r.GetPenStyle() == 0 && r.GetPenWidth() == 4; }},
        {"thick pen", none, ID_PEN_SOLID_THICK, TRUE, [](const CRectObj& r) { return r.GetPenWidth() == 8; }},
        {"fill toggles", none, ID_OBJ_FILL, TRUE, [](const CRectObj& r) { return r.GetFill(); }},
        {"hide toggles", none, ID_OBJ_HIDE_DEFINE, TRUE, [](const CRectObj& r) { return r.GetHideDefine(); }},
        {"pen colour from palette", none, ID_PEN_COLOR_BASE + 1, TRUE,
         [red](const CRectObj& r) { return r.GetPenColor() == red; }},
        {"pen colour already", [red](CRectObj& r) { r.SetPenColor(red); }, ID_PEN_COLOR_BASE + 1, FALSE,
         [red](const CRectObj& r) { return r.GetPenColor() == red; }},
        {"fill colour from palette", none, ID_FILL_COLOR_BASE + 1, TRUE,
         [red](const CRectObj& r) { return r.GetFillColor() == red; }},
        {"shadow colour from palette", none, ID_SHADOW_COLOR_BASE + 1, TRUE,
         [red](const CRectObj& r) { return r.GetShadowColor() == red; }},
        {"medium shadow", none, ID_SHADOW_MEDIUM, TRUE, [](const CRectObj& r) { return r.GetShadowDepth() == 10; }},
        {"shadow already none", [](CRectObj& r) { r.SetShadowDepth(0); }, ID_SHADOW_NONE, FALSE,
         [](const CRectObj& r) { return r.GetShadowDepth() == 0; }},
        {"rounding toggles", none, ID_RECT_ROUNDED, TRUE, [](const CRectObj& r) { return r.IsRounded(); }},
        {"unknown id", none, 21999, FALSE, [](const CRectObj& r) { return !r.IsRounded(); }},
        {"copy defaults without prototype", none, ID_COPY_DEFAULT_ATTRIBUTES, FALSE,
         [](const CRectObj& r) { return r.GetPenWidth() == 1; }},
    };
    for (const AttributeCase& c : cases) {
        CRectObj rect(1, kRect);
        rect.SetPenWidth(1);
        rect.SetFill(FALSE);
        rect.SetShadowDepth(6);
        rect.SetHideDefine(FALSE);
        c.setUp(rect);
        EXPECT_EQ(rect.ApplyAttributeCommand(c.id, nullptr, HIT_BODY), c.changed) << c.name;
        EXPECT_TRUE(c.holds(rect)) << c.name;
    }
}

TEST_F(BoxCommands, ColourFromObjectAndDialog)
{
    CRectObj source(1, kRect);
    source.SetFillColor(RGB(1, 2, 3));
    source.SetShadowColor(RGB(4, 5, 6));
    CRectObj rect(2, kRect);
    EXPECT_TRUE(rect.ApplyAttributeCommand(ID_FILL_COLOR_BASE + COLOR_MENU_FROM_OBJECT, &source, 0));
    EXPECT_TRUE(rect.ApplyAttributeCommand(ID_SHADOW_COLOR_BASE + COLOR_MENU_FROM_OBJECT, &source, 0));
    EXPECT_EQ(rect.GetFillColor(), RGB(1, 2, 3));
    EXPECT_EQ(rect.GetShadowColor(), RGB(4, 5, 6));
    EXPECT_FALSE(rect.ApplyAttributeCommand(ID_PEN_COLOR_BASE + COLOR_MENU_FROM_OBJECT, nullptr, 0));

    // A line hands over its own fill colour; its pen colour is not taken this way.
    CPolyObj line(3, CPoint(0, 0), CPoint(100, 0));
    line.SetFillColor(RGB(7, 8, 9));
    line.SetPenColor(RGB(10, 11, 12));
    EXPECT_TRUE(rect.ApplyAttributeCommand(ID_FILL_COLOR_BASE + COLOR_MENU_FROM_OBJECT, &line, 0));
    EXPECT_EQ(rect.GetFillColor(), RGB(7, 8, 9));
    EXPECT_FALSE(rect.ApplyAttributeCommand(ID_FILL_COLOR_BASE + COLOR_MENU_FROM_OBJECT, &line, 0)) << "no change";
    const COLORREF pen = rect.GetPenColor();
    EXPECT_FALSE(rect.ApplyAttributeCommand(ID_PEN_COLOR_BASE + COLOR_MENU_FROM_OBJECT, &line, 0));
    EXPECT_EQ(rect.GetPenColor(), pen);

    // Cancelled, the colour stays; confirmed, the dialog's colour is taken.
    BOOL confirm = FALSE;
    SetColorDialogSink([&confirm](COLORREF, COLORREF& picked) { return picked = RGB(9, 9, 9), confirm; });
    const COLORREF before = rect.GetPenColor();
    EXPECT_FALSE(rect.ApplyAttributeCommand(ID_PEN_COLOR_BASE + COLOR_MENU_DIALOG, nullptr, 0));
    EXPECT_EQ(rect.GetPenColor(), before);
    confirm = TRUE;
    EXPECT_TRUE(rect.ApplyAttributeCommand(ID_PEN_COLOR_BASE + COLOR_MENU_DIALOG, nullptr, 0));
    EXPECT_EQ(rect.GetPenColor(), RGB(9, 9, 9));
    SetColorDialogSink(nullptr);

    // A palette entry that is not there changes nothing.
    m_app.GetColorItemList()->RemoveColorItemAt(3);
    EXPECT_FALSE(rect.ApplyAttributeCommand(ID_PEN_COLOR_BASE + 15, nullptr, 0));
    EXPECT_EQ(rect.GetPenColor(), RGB(9, 9, 9));
}

TEST_F(BoxCommands, CheckAndEnableStates)
{
    CRectObj rect(1, kRect, TRUE);
    rect.SetPenStyle(0);
    rect.SetPenWidth(4);
    rect.SetFill(FALSE);
    rect.SetShadowDepth(20);
    rect.SetPenColor(PaletteColor(2));
    rect.SetFillColor(RGB(1, 2, 3)); // not in the palette: the dialog entry is checked
    struct Row
    {
        UINT id;
        BOOL handled;
        int check;
        BOOL enabled;
        BOOL several = FALSE;
    };
    const Row rows[] = {
        {ID_PEN_SOLID_THIN, TRUE, 0, TRUE},
        {ID_PEN_SOLID_MEDIUM, TRUE, 1, TRUE},
        {ID_PEN_DASH, TRUE, 0, TRUE},
        {ID_PEN_COLOR_BASE + 2, TRUE, 1, TRUE},
        {ID_PEN_COLOR_BASE + COLOR_MENU_DIALOG, TRUE, 0, TRUE},
        {ID_FILL_COLOR_BASE + COLOR_MENU_DIALOG, TRUE, 1, TRUE},
        {ID_OBJ_FILL, TRUE, 0, TRUE},
        {ID_SHADOW_LARGE, TRUE, 1, FALSE},
        {ID_SHADOW_COLOR_BASE, TRUE, 0, FALSE},
        {ID_RECT_ROUNDED, TRUE, 1, TRUE},
        {ID_SET_DEFAULT_ATTRIBUTES, TRUE, 0, TRUE},
        {ID_SET_DEFAULT_ATTRIBUTES, TRUE, 0, FALSE, TRUE},
        {ID_COPY_DEFAULT_ATTRIBUTES, TRUE, 0, TRUE, TRUE},
        {ID_OBJ_CLEAR_LINK, TRUE, 0, FALSE},
        {ID_OBJ_SQUARE_BY_SHORTER, TRUE, 0, TRUE},
        {21999, FALSE, 0, TRUE},
    };
    for (const Row& row : rows) {
        CCmdUI ui;
        ui.m_nID = row.id;
        EXPECT_EQ(rect.UpdateCommandUI(&ui, nullptr, HIT_BODY, TRUE, row.several), row.handled) << row.id;
        EXPECT_EQ(ui.GetCheck(), row.check) << row.id;
        EXPECT_EQ(ui.IsEnabled(), row.enabled) << row.id;
    }
}

TEST_F(BoxCommands, ShapeOperations)
{
    struct Row
    {
        UINT id;
        CRect from;
        BOOL changed;
        CRect to;
    };
    const CRect tall(100, -100, 200, -400);
    const CRect square(100, -100, 200, -200);
    const Row rows[] = {
        {ID_OBJ_SQUARE_BY_SHORTER, kRect, TRUE, CRect(100, -100, 200, -200)},
        {ID_OBJ_SQUARE_BY_SHORTER, tall, TRUE, CRect(100, -100, 200, -200)},
        {ID_OBJ_SQUARE_BY_LONGER, kRect, TRUE, CRect(100, -100, 400, -400)},
        {ID_OBJ_SQUARE_BY_LONGER, tall, TRUE, CRect(100, -100, 400, -400)},
        {ID_OBJ_SQUARE_BY_HEIGHT, kRect, TRUE, CRect(100, -100, 200, -200)},
        {ID_OBJ_SQUARE_BY_WIDTH, kRect, TRUE, CRect(100, -100, 400, -400)},
        {ID_OBJ_SQUARE_BY_SHORTER, square, FALSE, square},
        {ID_OBJ_SQUARE_BY_HEIGHT, square, FALSE, square},
        {ID_OBJ_STANDARD_SIZE, kRect, TRUE, CRect(100, -100, 340, -260)},
        {22999, kRect, FALSE, kRect},
    };
    for (const Row& row : rows) {
        CRectObj rect(1, row.from);
        EXPECT_EQ(rect.ApplyShapeOperation(row.id, 0, 0), row.changed) << row.id;
        EXPECT_EQ(rect.GetRect(), row.to) << row.id;
    }
    CRectObj rect(1, kRect);
    EXPECT_TRUE(rect.ApplyShapeOperation(ID_OBJ_SNAP_TO_GRID, DWORD(-20), UINT_PTR(DWORD(10))));
    EXPECT_EQ(rect.GetRect(), CRect(80, -90, 380, -190));
    EXPECT_FALSE(rect.ApplyShapeOperation(ID_OBJ_SNAP_TO_GRID, 0, 0));
    // Linking and unlinking change the document, so both report it.
    EXPECT_TRUE(rect.ApplyShapeOperation(ID_OBJ_PICK_LINK, 0, 7));
    EXPECT_EQ(rect.GetLinkObjectId(), 7);
    EXPECT_FALSE(rect.ApplyShapeOperation(ID_OBJ_PICK_LINK, 0, 7));
    EXPECT_TRUE(rect.ApplyShapeOperation(ID_OBJ_CLEAR_LINK, 0, 0));
    EXPECT_FALSE(rect.ApplyShapeOperation(ID_OBJ_CLEAR_LINK, 0, 0));
}

// The ids of a menu's items in order: 0 a separator, -1 a popup.
std::vector<UINT> ItemIds(const CMenu& menu)
{
    std::vector<UINT> ids;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i)
        ids.push_back(menu.GetMenuItemID(i));
    return ids;
}

TEST_F(BoxCommands, RectangleMenu)
{
    CRectObj rect(1, kRect);
    rect.SetFill(FALSE);
    std::vector<UINT> top;
    std::vector<UINT> pens;
    std::vector<UINT> colors;
    std::vector<UINT> operations;
    UINT shadowState = 0;
    int shown = 0;
    const CMenu::PopupHook previous = CMenu::SetPopupHook([&](CMenu& menu) -> UINT {
        ++shown;
        top = ItemIds(menu);
        pens = ItemIds(*menu.GetSubMenu(0));
        colors = ItemIds(*menu.GetSubMenu(1));
        operations = ItemIds(*menu.GetSubMenu(11));
        shadowState = menu.GetMenuState(6, MF_BYPOSITION);
        return 0;
    });
    rect.ObjectContextMenu(CPoint(10, 10), nullptr, HIT_BODY, TRUE, FALSE);
    const UINT popup = UINT(-1);
    EXPECT_EQ(top, (std::vector<UINT>{popup, popup, ID_RECT_ROUNDED, 0, ID_OBJ_FILL, popup, popup, 0,
                                      ID_SET_DEFAULT_ATTRIBUTES, ID_COPY_DEFAULT_ATTRIBUTES, 0, popup}));
    EXPECT_EQ(pens, (std::vector<UINT>{20000, 20005, 20006, 20002, 20001, 20003, 20004}));
    std::vector<UINT> expectedColors;
    for (UINT i = 0; i < 16; ++i)
        expectedColors.push_back(ID_PEN_COLOR_BASE + i);
    expectedColors.insert(expectedColors.begin() + 14, 0); // the two recent colours follow a separator
    expectedColors.insert(expectedColors.end(), {0, ID_PEN_COLOR_BASE + COLOR_MENU_DIALOG});
    EXPECT_EQ(colors, expectedColors);
    EXPECT_EQ(operations, (std::vector<UINT>{22008, 22004, 22005, 22006, 22007}));
    EXPECT_TRUE(shadowState & MF_GRAYED);

    // Hidden in define mode: no menu; in print mode it shows.
    rect.SetHideDefine(TRUE);
    rect.ObjectContextMenu(CPoint(10, 10), nullptr, HIT_BODY, FALSE, FALSE);
    EXPECT_EQ(shown, 1);
    rect.ObjectContextMenu(CPoint(10, 10), nullptr, HIT_BODY, TRUE, FALSE);
    EXPECT_EQ(shown, 2);
    CMenu::SetPopupHook(previous);
}

TEST_F(BoxCommands, ShapeMenusCarryTheirSwitchesAndOperations)
{
    const UINT popup = UINT(-1);
    // Pen style, pen colour, separator, fill, fill colour, shadow: every shape starts so.
    const std::vector<UINT> head{popup, popup, 0, ID_OBJ_FILL, popup, popup};
    const std::vector<UINT> defaults{0, ID_SET_DEFAULT_ATTRIBUTES, ID_COPY_DEFAULT_ATTRIBUTES, 0, popup};
    struct Case
    {
        std::unique_ptr<CBaseObj> shape;
        std::vector<UINT> switches, operations;
        const char* snapText;
    };
    Case cases[] = {
        {std::make_unique<CElliObj>(1, kRect), {}, {22008, 22004, 22005, 22006, 22007}, "ｸﾞﾘｯﾄﾞに配置"},
        {std::make_unique<CArcObj>(1, CPoint(0, 0), CPoint(100, -60)),
         {0, ID_ARC_STYLE_ARC, ID_ARC_STYLE_CHORD, ID_ARC_STYLE_PIE},
         {22004, 22008, 22005, 22006, 22007},
         "ｸﾞﾘｯﾄﾞに配置"},
        {std::make_unique<CFarcObj>(1, kRect),
         {0, ID_ARC_STYLE_ARC, ID_ARC_STYLE_CHORD, ID_ARC_STYLE_PIE},
         {22008, 22004, 22005, 22006, 22007},
         "グリッドに配置"},
        {std::make_unique<CDiamondObj>(1, kRect), {}, {22008, 22004, 22005, 22006, 22007}, "ｸﾞﾘｯﾄﾞに配置"},
        {std::make_unique<CPolygonObj>(1, kRect, 6),
         {0, ID_POLYGON_HEXAGON, ID_POLYGON_OCTAGON},
         {22008},
         "ｸﾞﾘｯﾄﾞに配置"},
        {std::make_unique<CCnctObj>(1, kRect, 1, 0),
         {0, ID_CONNECTOR_TRIANGLE, ID_CONNECTOR_PENTAGON, ID_CONNECTOR_NOTCHED, 0, ID_CONNECTOR_RIGHT,
          ID_CONNECTOR_LEFT, ID_CONNECTOR_UP, ID_CONNECTOR_DOWN},
         {22008},
         "ｸﾞﾘｯﾄﾞに配置"},
    };
    for (Case& c : cases) {
        std::vector<UINT> top, operations;
        QString snapText;
        UINT shadowState = 0;
        const CMenu::PopupHook previous = CMenu::SetPopupHook([&](CMenu& menu) -> UINT {
            top = ItemIds(menu);
            const CMenu* ops = menu.GetSubMenu(menu.GetMenuItemCount() - 1);
            operations = ItemIds(*ops);
            snapText = ops->FindAction(ID_OBJ_SNAP_TO_GRID)->text();
            shadowState = menu.GetMenuState(5, MF_BYPOSITION);
            return 0;
        });
        c.shape->ObjectContextMenu(CPoint(10, 10), nullptr, HIT_BODY, TRUE, FALSE);
        CMenu::SetPopupHook(previous);
        std::vector<UINT> expected = head;
        expected.insert(expected.end(), c.switches.begin(), c.switches.end());
        expected.insert(expected.end(), defaults.begin(), defaults.end());
        CString type;
        c.shape->GetTypeName(type);
        EXPECT_EQ(top, expected) << type.GetString();
        EXPECT_EQ(operations, c.operations) << type.GetString();
        EXPECT_EQ(snapText, QString::fromUtf8(c.snapText));
        EXPECT_TRUE(shadowState & MF_GRAYED) << "unfilled: no shadow";
    }
}

} // namespace
