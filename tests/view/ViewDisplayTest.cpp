// The view's display commands: switches with their check marks, line shaping, print and define
// mode, and the data model's display modes in the display word.
#include "tests/view/ViewTestSupport.h"

#include "platform/ui/CmdUI.h"
#include "platform/ui/Resources.h"

#include <string>
#include <vector>

class ViewDisplay : public ViewTest
{
protected:
    void Command(UINT id) { m_view->SendMessage(WM_COMMAND, id); }
    CCmdUI State(UINT id)
    {
        CCmdUI state;
        state.m_nID = id;
        m_view->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &state, nullptr);
        return state;
    }
    // Reopens the view on the document's display word.
    void Reopen(DWORD drawOpt)
    {
        m_doc->SetDrawOpt(drawOpt);
        m_view->OnInitialUpdate();
    }
};

TEST_F(ViewDisplay, DisplayModesChangeTheWordInViewAndDocument)
{
    Open();
    struct Row
    {
        DWORD from;
        UINT id;
        DWORD to;
    };
    const Row rows[] = {
        // clang-format off
        {0x2650000, ID_MODEL_NORMAL_DISPLAY, 0x2610000},
        {0x2610000, ID_MODEL_NORMAL_DISPLAY, 0x2610000},
        {0x2610000, ID_MODEL_SHOW_NAMES, 0x2610000},
        {0x2620000, ID_MODEL_SHOW_NAMES, 0x2610000},
        {0x2610000, ID_MODEL_SHOW_TABLE_NAMES, 0x2620000},
        {0x2610000, ID_MODEL_SHOW_DATA_TYPES, 0x2650000},
        {0x2650000, ID_MODEL_SHORT_DATA_TYPES, 0x2450000},
        {0x2610000, ID_MODEL_SHOW_MERGE_MARKS, 0x2E10000},
        {0x2610000, ID_MODEL_SHOW_NULL_OPTIONS, 0x2690000},
        {0x2650000, ID_MODEL_SHOW_FOREIGN_KEYS, 0x0650000},
        {0x2610000, ID_MODEL_SHOW_IMPLEMENTED_ONLY, 0x2710000},
        {0x2610000, ID_MODEL_SHOW_PHYSICAL_ITEMS, 0x3610000},
        {0x2620000, ID_MODEL_SHOW_ALTERNATE_NAMES, 0x2220000},
        // clang-format on
        // Disabled commands do not run: short names while data types are hidden, cardinality in
        // the XJ notation.
        // clang-format off
        {0x2610000, ID_MODEL_SHORT_DATA_TYPES, 0x2610000},
        {0x2610000, ID_MODEL_SHOW_CARDINALITY, 0x2610000},
        {0x12610000, ID_MODEL_XJ_NOTATION, 0x2610000},
        {0x2610000, ID_MODEL_XJ_NOTATION, 0x2610000},
        {0x2610000, ID_MODEL_IDEF_NOTATION, 0x12610000},
        {0x12610000, ID_MODEL_SHOW_CARDINALITY, 0x32610000},
        // clang-format on
    };
    for (const Row& row : rows) {
        Reopen(row.from);
        m_doc->SetDrawOpt(0xDEAD); // shows whether the command stored the word
        Command(row.id);
        EXPECT_EQ(m_view->GetDrawOpt(), row.to) << row.id << " from " << std::hex << row.from;
        EXPECT_EQ(m_doc->GetDrawOpt(), row.to == row.from ? 0xDEADu : row.to) << row.id;
    }
    EXPECT_FALSE(m_doc->IsModified());

    // The bit of its own stays in the view (define mode only).
    Reopen(0x2610001);
    Command(ID_VIEW_DISPLAY_BIT0);
    EXPECT_EQ(m_view->GetDrawOpt(), 0x2610001u);
    m_view->SetPrintMode(FALSE);
    Command(ID_VIEW_DISPLAY_BIT0);
    EXPECT_EQ(m_view->GetDrawOpt(), 0u);
    Command(ID_VIEW_DISPLAY_BIT0);
    EXPECT_EQ(m_view->GetDrawOpt(), 1u);
    EXPECT_EQ(m_doc->GetDrawOpt(), 0x2610001u);
}

TEST_F(ViewDisplay, DisplayModeChecksAndEnables)
{
    Open();
    struct Row
    {
        DWORD word;
        UINT id;
        int check;
        BOOL enabled;
    };
    const Row rows[] = {
        // clang-format off
        {0x2610000, ID_MODEL_NORMAL_DISPLAY, 1, FALSE},
        {0x2650000, ID_MODEL_NORMAL_DISPLAY, 0, TRUE},
        {0x2610000, ID_MODEL_SHOW_CARDINALITY, 0, FALSE},
        {0x32610000, ID_MODEL_SHOW_CARDINALITY, 1, TRUE},
        {0x2610000, ID_MODEL_SHORT_DATA_TYPES, 1, FALSE},
        {0x2650000, ID_MODEL_SHORT_DATA_TYPES, 1, TRUE},
        {0x2610000, ID_MODEL_SHOW_ALTERNATE_NAMES, 1, FALSE},
        {0x2610000, ID_MODEL_SHOW_FOREIGN_KEYS, 1, FALSE},
        {0x2650000, ID_MODEL_SHOW_FOREIGN_KEYS, 1, TRUE},
        {0x2610000, ID_MODEL_XJ_NOTATION, 1, FALSE},
        {0x2610000, ID_MODEL_IDEF_NOTATION, 0, TRUE},
        {0x12610000, ID_MODEL_IDEF_NOTATION, 1, FALSE},
        {0x2610000, ID_MODEL_SHOW_DATA_TYPES, 0, TRUE},
        {0x2610000, ID_MODEL_SHOW_NAMES, 1, TRUE},
        {0x2610000, ID_MODEL_SHOW_TABLE_NAMES, 0, TRUE},
        // clang-format on
    };
    for (const Row& row : rows) {
        Reopen(row.word);
        const CCmdUI state = State(row.id);
        EXPECT_EQ(state.GetCheck(), row.check) << row.id << " in " << std::hex << row.word;
        EXPECT_EQ(state.IsEnabled(), row.enabled) << row.id << " in " << std::hex << row.word;
    }
    // The bit of its own is for define mode only.
    EXPECT_FALSE(State(ID_VIEW_DISPLAY_BIT0).IsEnabled());
    Command(ID_VIEW_DEFINE_MODE);
    EXPECT_TRUE(State(ID_VIEW_DISPLAY_BIT0).IsEnabled());
}

TEST_F(ViewDisplay, SwitchesToggleWithTheirChecks)
{
    Open();
    for (UINT id : {ID_VIEW_GRID, ID_ARRANGE_SNAP_TO_GRID, ID_AUTO_CONNECT_LINES, ID_CONNECT_ON_FRAME,
                    ID_LINE_AUTO_ADJUST_POINTS, ID_VIEW_GUIDE}) {
        const int before = State(id).GetCheck();
        Command(id);
        EXPECT_EQ(State(id).GetCheck(), 1 - before) << id;
    }
    // The guides of a fresh view with nothing selected sit ten grid steps inside.
    EXPECT_EQ(m_view->GetGuidePoint(), CPoint(210, -210));
    const UINT shapes[] = {ID_LINE_VERTICAL_CRANK, ID_LINE_HORIZONTAL_CRANK, ID_LINE_RIGHT_ANGLE,
                           ID_LINE_NO_AUTO_SHAPE};
    for (UINT id : shapes) {
        Command(id);
        for (UINT other : shapes)
            EXPECT_EQ(State(other).GetCheck(), other == id ? 1 : 0) << id << " " << other;
    }
}

TEST_F(ViewDisplay, DefineModeDropsHiddenObjectsAndModesReturnToThePointer)
{
    Open();
    CRectObj* hidden = AddRect(CRect(100, -100, 300, -300));
    CRectObj* shown = AddRect(CRect(400, -100, 600, -300));
    hidden->SetHideDefine(TRUE);
    shown->SetHideDefine(FALSE);
    m_view->AddToSelection(hidden);
    m_view->AppendToSelection(shown);
    m_mainFrame.tool = ID_TOOL_RECT;
    ASSERT_TRUE(m_view->IsMultipleSelection());
    Command(ID_VIEW_DEFINE_MODE);
    EXPECT_FALSE(m_view->IsPrintMode());
    EXPECT_TRUE(m_view->IsSingleSelection());
    EXPECT_EQ(m_view->GetLastSelected(), shown);
    EXPECT_EQ(m_mainFrame.tool, ID_TOOL_POINTER);
    EXPECT_EQ(State(ID_VIEW_DEFINE_MODE).GetCheck(), 1);
    m_mainFrame.tool = ID_TOOL_ZOOM;
    Command(ID_VIEW_PRINT_MODE);
    EXPECT_TRUE(m_view->IsPrintMode());
    EXPECT_EQ(m_mainFrame.tool, ID_TOOL_ZOOM);
    EXPECT_TRUE(m_view->IsSingleSelection()); // the hidden one is not selected again
    EXPECT_EQ(State(ID_VIEW_PRINT_MODE).GetCheck(), 1);
}

TEST_F(ViewDisplay, TheDisplayMenuHoldsTheFileDisplayAndTheNotationSubmenus)
{
    Open();
    const std::vector<MenuItemResource>* menu = FindMenuResource(129);
    ASSERT_NE(menu, nullptr);
    const MenuItemResource* display = nullptr;
    for (const MenuItemResource& item : *menu)
        display = item.text == QStringLiteral("表示(&V)") ? &item : display;
    ASSERT_NE(display, nullptr);
    struct Entry
    {
        UINT id;
        const char* text;
        int check; // in the display word of a new document
    };
    const struct
    {
        const char* title;
        std::vector<Entry> entries;
    } submenus[] = {
        {"概念ﾌｧｲﾙ表示方法",
         {
             {ID_MODEL_NORMAL_DISPLAY, "概念ﾌｧｲﾙ通常表示に戻す", 1},
             {ID_MODEL_SHOW_NAMES, "概念ﾌｧｲﾙ名・ﾃﾞｰﾀ項目名を表示", 1},
             {ID_MODEL_SHOW_TABLE_NAMES, "ﾃｰﾌﾞﾙ名・ｶﾗﾑ名を表示", 0},
             {ID_MODEL_SHOW_DATA_TYPES, "ﾃﾞｰﾀﾀｲﾌﾟを表示", 0},
             {ID_MODEL_SHORT_DATA_TYPES, "ﾃﾞｰﾀﾀｲﾌﾟはｼｮｰﾄ名で表示", 1},
             {ID_MODEL_SHOW_MERGE_MARKS, "物理実装対象外・親概念ﾌｧｲﾙに統合ﾏｰｸの表示", 0},
             {ID_MODEL_SHOW_NULL_OPTIONS, "NULLｵﾌﾟｼｮﾝを表示", 0},
             {ID_MODEL_SHOW_FOREIGN_KEYS, "通常表示以外の時に外部ｷｰ(FK)を表示", 1},
             {ID_MODEL_SHOW_IMPLEMENTED_ONLY, "物理実装対象のﾃﾞｰﾀ項目のみを表示", 0},
             {ID_MODEL_SHOW_PHYSICAL_ITEMS, "物理追加ﾃﾞｰﾀ項目を表示", 0},
             {ID_MODEL_SHOW_ALTERNATE_NAMES, "概念ﾌｧｲﾙ名・ﾃﾞｰﾀ項目名を代替表示", 1},
         }},
        {"ﾃﾞｰﾀﾓﾃﾞﾙ表記法",
         {
             {ID_MODEL_XJ_NOTATION, "XJ表記", 1},
             {ID_MODEL_IDEF_NOTATION, "IDEF表記", 0},
             {ID_MODEL_SHOW_CARDINALITY, "ｶｰﾃﾞｨﾅﾘﾃｨの表示", 0},
         }},
    };
    std::vector<std::string> popups;
    for (const MenuItemResource& item : display->items)
        if (item.IsPopup())
            popups.push_back(item.text.toStdString());
    EXPECT_EQ(popups, (std::vector<std::string>{"ﾍﾟｰｼﾞ枠", "ﾍｯﾀﾞｰ情報表示", submenus[0].title, submenus[1].title}));
    Reopen(0x2610000);
    for (const auto& submenu : submenus) {
        const MenuItemResource* popup = nullptr;
        for (const MenuItemResource& item : display->items)
            popup = item.text.toStdString() == submenu.title ? &item : popup;
        ASSERT_NE(popup, nullptr) << submenu.title;
        ASSERT_EQ(popup->items.size(), submenu.entries.size()) << submenu.title;
        for (size_t i = 0; i < submenu.entries.size(); ++i) {
            const Entry& entry = submenu.entries[i];
            EXPECT_EQ(popup->items[i].id, entry.id) << submenu.title << " " << i;
            EXPECT_EQ(popup->items[i].text.toStdString(), entry.text) << entry.id;
            EXPECT_EQ(State(entry.id).GetCheck(), entry.check) << entry.id;
        }
    }
}
