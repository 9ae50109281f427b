// Header-information objects in a view: a hidden row is neither hit nor described, an automatic
// header area hides every row and disables its menu, and the status bar names the items.
#include "tests/view/ViewTestSupport.h"

#include "platform/ui/CmdUI.h"
#include "platform/ui/WinApp.h"

class ViewHeaderItems : public ViewTest
{
protected:
    // The item's state as the view's command route gives it.
    CCmdUI Update(UINT id)
    {
        CCmdUI state;
        state.m_nID = id;
        state.DoUpdate(m_view, FALSE);
        return state;
    }

    CWinApp m_winApp;
};

TEST_F(ViewHeaderItems, RowsShowAndHideInTheViewAndItsMenu)
{
    CZivraView& view = Open();
    m_winApp.m_pMainWnd = m_frame;
    const CPoint inTitle(700, -70);
    EXPECT_EQ(view.FindObjectAt(inTitle), nullptr);
    EXPECT_TRUE(Update(ID_HEADER_TITLE).IsEnabled());
    EXPECT_EQ(Update(ID_HEADER_TITLE).GetCheck(), 0);

    view.SendMessage(WM_COMMAND, ID_HEADER_TITLE);
    CObject* title = view.FindObjectAt(inTitle);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(Update(ID_HEADER_TITLE).GetCheck(), 1);
    EXPECT_EQ(CZivraView::FormatObjectDescription(m_doc, title, 1), CString(u8"表題 を選択"));

    view.SendMessage(WM_COMMAND, ID_HEADER_HIDE_ALL);
    EXPECT_EQ(view.FindObjectAt(inTitle), nullptr);
    EXPECT_EQ(Update(ID_HEADER_TITLE).GetCheck(), 0);

    // With an automatic header area every row is hidden and its commands are disabled.
    view.SendMessage(WM_COMMAND, ID_HEADER_TITLE);
    m_doc->SetHeaderStyle(1);
    EXPECT_EQ(view.FindObjectAt(inTitle), nullptr);
    for (UINT id = ID_HEADER_SHOW_ALL; id <= ID_HEADER_REMARKS; ++id) {
        SCOPED_TRACE(id);
        const CCmdUI state = Update(id);
        EXPECT_FALSE(state.IsEnabled());
        EXPECT_EQ(state.GetCheck(), 0);
    }
    m_doc->SetHeaderStyle(2);
    EXPECT_EQ(view.FindObjectAt(inTitle), title);
    m_winApp.m_pMainWnd = nullptr;
}
