// The right-click menus and commands of the task, the data and process symbols, the clone and the
// implementation group: their check and enable states, their attribute commands and the clone's
// locked rule.
#include "foundation/CommandIds.h"
#include "foundation/ListElements.h"
#include "model/DataComp.h"
#include "model/FlowComp.h"
#include "model/Kadai.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"
#include "tests/model/RelationModel.h"
#include "tests/support/TestAppServices.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QString>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace ModelObjectCommandsTest {

const CRect kBox(100, -100, 500, -400);

class ModelObjectCommands : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(m_app.GetColorItemList()->CreateDefaultColorItems(), 16); }

    COLORREF PaletteColor(int index) { return GetElementAtIndex(*m_app.GetColorItemList(), index)->GetColor(); }

    TestAppServices m_app;
};

struct StateRow
{
    const char* what;
    CBaseObj* object;
    UINT id;
    BOOL handled;
    int check;
    BOOL enabled;
};

void ExpectStates(const std::vector<StateRow>& rows, CBaseDoc* document = nullptr, BOOL several = FALSE)
{
    for (const StateRow& row : rows) {
        CCmdUI ui;
        ui.m_nID = row.id;
        EXPECT_EQ(row.object->UpdateCommandUI(&ui, document, HIT_BODY, TRUE, several), row.handled)
            << row.what << " " << row.id;
        if (!row.handled)
            continue;
        EXPECT_EQ(ui.GetCheck(), row.check) << row.what << " " << row.id;
        EXPECT_EQ(ui.IsEnabled(), row.enabled) << row.what << " " << row.id;
    }
}

TEST_F(ModelObjectCommands, TaskAndSymbolStates)
{
    CKadai task(1, kBox);
    task.SetFill(FALSE); // the shadow entries stay enabled all the same
    task.SetShadowDepth(10);
    task.SetShadowColor(PaletteColor(3));
    task.SetFontColor(PaletteColor(2));
    CDataComp data(2, kBox);
    data.SetMediaId(4);
    data.SetFontColor(PaletteColor(5));
    CFlowComp flow(3, kBox);
    flow.SetFill(FALSE);
    flow.SetMediaId(2);
    flow.SetShadowDepth(6);
    ExpectStates({
        {"task", &task, ID_SHADOW_NONE, TRUE, 0, TRUE},
        {"task", &task, ID_SHADOW_MEDIUM, TRUE, 1, TRUE},
        {"task", &task, ID_SHADOW_COLOR_BASE + 3, TRUE, 1, TRUE},
        {"task", &task, ID_TEXT_COLOR_BASE + 2, TRUE, 1, TRUE},
        {"task", &task, ID_TEXT_COLOR_BASE + COLOR_MENU_DIALOG, TRUE, 0, TRUE},
        {"task", &task, ID_RECT_ROUNDED, TRUE, 1, TRUE},
        {"task", &task, ID_OBJ_PICK_LINK, TRUE, 0, TRUE},
        // The media of the symbol's own class are offered unchecked, whatever is set.
        {"data", &data, ID_DATA_MEDIA_BASE + 4, TRUE, 0, TRUE},
        {"data", &data, ID_DATA_MEDIA_BASE + 51, TRUE, 0, TRUE},
        {"data", &data, ID_OBJ_STANDARD_SIZE, TRUE, 0, TRUE},
        {"data", &data, ID_TEXT_COLOR_BASE + 5, TRUE, 1, TRUE},
        {"data", &data, ID_FLOW_MEDIA_BASE + 2, FALSE, 0, TRUE},
        {"flow", &flow, ID_FLOW_MEDIA_BASE + 2, TRUE, 0, TRUE},
        {"flow", &flow, ID_SHADOW_SMALL, TRUE, 1, TRUE},
        {"flow", &flow, ID_SHADOW_LARGE, TRUE, 0, TRUE},
        {"flow", &flow, ID_TEXT_COLOR_BASE, TRUE, 1, TRUE},
        {"flow", &flow, ID_DATA_MEDIA_BASE + 4, FALSE, 0, TRUE},
    });
}

TEST_F(ModelObjectCommands, TextColourMediaAndShadowCommands)
{
    const COLORREF red = PaletteColor(1);
    CKadai task(1, kBox);
    CKadai otherTask(2, kBox);
    otherTask.SetFontColor(RGB(1, 2, 3));
    CDataComp data(3, kBox);
    CFlowComp flow(4, kBox);
    flow.SetFontColor(RGB(4, 5, 6));
    struct Row
    {
        const char* what;
        CBaseObj* object;
        UINT id;
        CObject* argument;
        BOOL changed;
    };
    const Row rows[] = {
        {"task palette", &task, ID_TEXT_COLOR_BASE + 1, nullptr, TRUE},
        {"task same colour", &task, ID_TEXT_COLOR_BASE + 1, nullptr, FALSE},
        {"task from another task", &task, ID_TEXT_COLOR_BASE + COLOR_MENU_FROM_OBJECT, &otherTask, TRUE},
        {"task from nothing", &task, ID_TEXT_COLOR_BASE + COLOR_MENU_FROM_OBJECT, nullptr, FALSE},
        {"task shadow", &task, ID_SHADOW_LARGE, nullptr, TRUE},
        {"data from a process symbol", &data, ID_TEXT_COLOR_BASE + COLOR_MENU_FROM_OBJECT, &flow, FALSE},
        {"data palette", &data, ID_TEXT_COLOR_BASE + 1, nullptr, TRUE},
        {"data media 51", &data, ID_DATA_MEDIA_BASE + 51, nullptr, TRUE},
        {"data media 51 again", &data, ID_DATA_MEDIA_BASE + 51, nullptr, TRUE},
        {"data media beyond the library", &data, ID_DATA_MEDIA_BASE + 52, nullptr, FALSE},
        {"data given a process kind", &data, ID_FLOW_MEDIA_BASE + 2, nullptr, FALSE},
        {"flow kind 9", &flow, ID_FLOW_MEDIA_BASE + 9, nullptr, TRUE},
        {"flow kind 10", &flow, ID_FLOW_MEDIA_BASE + 10, nullptr, FALSE},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.object->ApplyAttributeCommand(row.id, row.argument, HIT_BODY), row.changed) << row.what;
    EXPECT_EQ(task.GetFontColor(), RGB(1, 2, 3));
    EXPECT_EQ(task.GetShadowDepth(), 20);
    EXPECT_EQ(data.GetFontColor(), red);
    EXPECT_EQ(data.GetMediaId(), 51);
    EXPECT_EQ(flow.GetMediaId(), 9);
    EXPECT_EQ(flow.GetFontColor(), RGB(4, 5, 6));
}

TEST(FileCloneCommands, TheCloneIsLockedByNonOneToManyArrowsAndBySeveralSelected)
{
    struct Case
    {
        const char* what;
        WORD arrowKind; // 0: no arrow
        BOOL arrowStartsAtClone;
        BOOL several;
        BOOL bound;
        BOOL pickEnabled;
        BOOL clearEnabled;
    };
    const Case cases[] = {
        {"free", 0, FALSE, FALSE, TRUE, TRUE, TRUE},
        {"unbound", 0, FALSE, FALSE, FALSE, TRUE, FALSE},
        {"1:N arrows do not lock", CRelLineObj::KIND_ONE_TO_MANY, TRUE, FALSE, TRUE, TRUE, TRUE},
        {"subtype to the clone", CRelLineObj::KIND_SUBTYPE, FALSE, FALSE, TRUE, FALSE, FALSE},
        {"substructure from the clone", CRelLineObj::KIND_SUBSTRUCTURE, TRUE, FALSE, TRUE, FALSE, FALSE},
        {"supertype from the clone", CRelLineObj::KIND_SUPERTYPE, TRUE, FALSE, TRUE, FALSE, FALSE},
        {"several selected", 0, FALSE, TRUE, TRUE, FALSE, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RelationModel m;
        const WORD file = m.File("受注");
        const WORD other = m.File("顧客", CPoint(500, 0));
        const WORD clone = m.Clone(c.bound ? file : 0, "受注");
        if (c.arrowKind)
            m.Arrow(c.arrowKind, c.arrowStartsAtClone ? clone : other, c.arrowStartsAtClone ? other : clone);
        auto& object = m.Get<CFileClone>(clone);
        ExpectStates({{"pick", &object, ID_OBJ_PICK_CLONE_SOURCE, TRUE, c.bound ? 1 : 0, c.pickEnabled},
                      {"clear", &object, ID_OBJ_CANCEL_CLONE_SOURCE, TRUE, 0, c.clearEnabled},
                      // The text object's own states stay.
                      {"frame", &object, ID_TEXT_FRAME, TRUE, 1, TRUE}},
                     &m.doc, c.several);
    }
}

// --- Menus --------------------------------------------------------------------------------------

// The ids of a menu's items in order: 0 a separator, -1 a popup.
std::vector<UINT> ItemIds(const CMenu& menu)
{
    std::vector<UINT> ids;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i)
        ids.push_back(menu.GetMenuItemID(i));
    return ids;
}

// Every command id anywhere in the menu and its popups.
void CollectIds(const CMenu& menu, std::vector<UINT>& ids)
{
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        if (const CMenu* popup = menu.GetSubMenu(i))
            CollectIds(*popup, ids);
        else
            ids.push_back(menu.GetMenuItemID(i));
    }
}

struct ShownMenu
{
    int shown = 0;
    std::vector<UINT> top;
    std::vector<UINT> operations; // the popup named "操作"
    std::vector<UINT> all;
    std::vector<std::string> labels;
    std::vector<UINT> states;
};

// Opens the menu through the call and keeps what it held.
template <class Open>
ShownMenu CaptureMenu(Open open)
{
    ShownMenu captured;
    const CMenu::PopupHook previous = CMenu::SetPopupHook([&](CMenu& menu) -> UINT {
        ++captured.shown;
        captured.top = ItemIds(menu);
        CollectIds(menu, captured.all);
        for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
            const QString label = menu.GetSafeHmenu()->actions().at(i)->text();
            captured.labels.push_back(label.toStdString());
            captured.states.push_back(menu.GetMenuState(i, MF_BYPOSITION));
            if (label == QString::fromUtf8("操作"))
                captured.operations = ItemIds(*menu.GetSubMenu(i));
        }
        return 0;
    });
    open();
    CMenu::SetPopupHook(previous);
    return captured;
}

BOOL Contains(const std::vector<UINT>& ids, UINT id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

TEST_F(ModelObjectCommands, MenusInTheirOrder)
{
    const UINT popup = UINT(-1);
    CKadai task(1, kBox);
    CDataComp data(2, kBox);
    CFlowComp flow(3, kBox);
    CFileClone clone(4, kBox, CString(u8"受注"), 9);
    clone.SetFill(FALSE);
    struct Case
    {
        const char* what;
        CBaseObj* object;
        std::vector<UINT> top;
        std::vector<UINT> operations;
        std::vector<UINT> inside;
    };
    const std::vector<UINT> boxOperations{22008, 22004, 22005, 22006, 22007, 22023};
    const Case cases[] = {
        {"task",
         &task,
         {21250, 21251, 0, popup, popup},
         {ID_OBJ_SNAP_TO_GRID, ID_OBJ_PICK_LINK},
         {20000, ID_PEN_COLOR_BASE + 1, ID_TEXT_COLOR_BASE + 1, ID_SHADOW_NONE, ID_SHADOW_COLOR_BASE}},
        {"data",
         &data,
         {popup, popup, 0, popup, popup, popup, popup, popup, popup, popup, 0, 21250, 21251, 0, popup},
         boxOperations,
         {ID_DATA_MEDIA_BASE + 4, ID_DATA_MEDIA_BASE + 38, ID_DATA_MEDIA_BASE + 22, ID_DATA_MEDIA_BASE + 33,
          ID_DATA_MEDIA_BASE + 47, ID_DATA_MEDIA_BASE + 49, ID_DATA_MEDIA_BASE + 51}},
        {"flow",
         &flow,
         {popup, popup, 0, popup, 0, popup, 0, 21250, 21251, 0, popup},
         boxOperations,
         {ID_FLOW_MEDIA_BASE + 1, ID_FLOW_MEDIA_BASE + 9, ID_SHADOW_LARGE}},
        {"clone",
         &clone,
         {popup, popup, ID_RECT_ROUNDED, 0, popup, popup, 0, ID_FONT_ITALIC, ID_FONT_BOLD, ID_FONT_UNDERLINE, popup,
          ID_FONT_DIALOG, 0, popup, 0, 21250, 21251, 0, popup},
         {ID_OBJ_SNAP_TO_GRID, ID_OBJ_PICK_CLONE_SOURCE},
         {ID_TEXT_ALIGN_VCENTER, ID_SHADOW_SMALL}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ShownMenu menu =
            CaptureMenu([&] { c.object->ObjectContextMenu(CPoint(10, 10), nullptr, HIT_BODY, TRUE, FALSE); });
        EXPECT_EQ(menu.top, c.top);
        EXPECT_EQ(menu.operations, c.operations);
        for (const UINT id : c.inside)
            EXPECT_TRUE(Contains(menu.all, id)) << id;
        EXPECT_FALSE(Contains(menu.all, ID_DATA_MEDIA_BASE)) << "media 0 is offered nowhere";
    }
    // The clone's clearing comes only from the pick; its shadow waits for the fill.
    const ShownMenu cloneMenu = CaptureMenu([&] { clone.ObjectContextMenu(CPoint(), nullptr, HIT_BODY, TRUE, FALSE); });
    EXPECT_FALSE(Contains(cloneMenu.all, ID_OBJ_CANCEL_CLONE_SOURCE));
    EXPECT_FALSE(Contains(cloneMenu.all, ID_CHAR_SPACING_WIDER)) << "placement only, no spacing";
    EXPECT_TRUE(cloneMenu.states[5] & MF_GRAYED);
    EXPECT_EQ(cloneMenu.labels[5], "影の描画");

    // Hidden in define mode: no menu at all.
    for (CBaseObj* object : std::vector<CBaseObj*>{&task, &data, &flow, &clone}) {
        object->SetHideDefine(TRUE);
        EXPECT_EQ(CaptureMenu([&] { object->ObjectContextMenu(CPoint(), nullptr, HIT_BODY, FALSE, FALSE); }).shown, 0);
    }
}

TEST(FileImplMenus, TheGroupMenuNamesTheLabelSwitchAndOpensOnTheLabel)
{
    CFileImplObj group(7);
    for (const CPoint p : {CPoint(0, 0), CPoint(200, 0), CPoint(200, -100), CPoint(0, -100), CPoint(0, 0)})
        group.AddPoint(p);
    group.SetLabelText("F");
    group.PlaceLabel();
    const UINT popup = UINT(-1);
    const ShownMenu shown = CaptureMenu([&] { group.ObjectContextMenu(CPoint(), nullptr, HIT_BODY, TRUE, FALSE); });
    EXPECT_EQ(shown.top, (std::vector<UINT>{ID_IMPL_SHOW_NAME, ID_IMPL_NAME_FILL, 0, 21250, 21251, 0, popup, popup}));
    EXPECT_EQ(shown.operations, (std::vector<UINT>{ID_OBJ_SNAP_TO_GRID, ID_OP_LINE_ADJUST_POINTS}));
    EXPECT_TRUE(Contains(shown.all, ID_OBJ_FILL));
    EXPECT_EQ(shown.labels[0], "物理ﾌｧｲﾙ名の非表示");
    group.SetShowNameFileRep(FALSE);
    EXPECT_EQ(CaptureMenu([&] { group.ObjectContextMenu(CPoint(), nullptr, HIT_BODY, TRUE, FALSE); }).labels[0],
              "物理ﾌｧｲﾙ名の表示");

    // The label part opens the same menu; the line's other parts have none.
    const DWORD label = CFileImplObj::HIT_IMPL_LABEL | HIT_SHAPE_HANDLE;
    EXPECT_EQ(CaptureMenu([&] { group.PartContextMenu(CPoint(), nullptr, label, TRUE, FALSE); }).shown, 1);
    EXPECT_EQ(CaptureMenu([&] { group.PartContextMenu(CPoint(), nullptr, 0x40000004, TRUE, FALSE); }).shown, 0);

    // The label part's rectangle is the label's; other parts have none.
    group.SetShowNameFileRep(TRUE);
    CRect rect;
    group.GetPartRect(rect, TRUE, label);
    EXPECT_EQ(rect, group.GetLabel().GetRect());
    group.GetPartRect(rect, TRUE, HIT_SHAPE_HANDLE);
    EXPECT_TRUE(rect.IsRectNull());
}

} // namespace ModelObjectCommandsTest
