// The find and replace dialogs in the running frame: one on the screen at a time, their buttons,
// the texts the frame keeps for F3, replacing with undo, the label being edited and read-only
// documents.
#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "document/ZivraDoc.h"
#include "foundation/CommandIds.h"
#include "objects/FloatEdit.h"
#include "objects/StrgObj.h"
#include "platform/gdi/DC.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/WinApp.h"
#include "shell/MainFrame.h"
#include "tests/support/MessageScript.h"
#include "tests/support/TestAppServices.h"
#include "view/FindDlg.h"
#include "view/ReplaceDlg.h"
#include "view/ZivraView.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

class FindReplaceDialogs : public ::testing::Test
{
protected:
    // A drawing with the text objects "abc", "xyz" and "ABC abc", in a frame of its own.
    void SetUp() override
    {
        m_frame = new CMainFrame;
        ASSERT_TRUE(m_frame->LoadFrame(128));
        m_app.m_pMainWnd = m_frame;
        m_app.AddDocTemplate(new CMultiDocTemplate(129, RUNTIME_CLASS(CZivraDoc), RUNTIME_CLASS(CMDIChildWnd),
                                                   RUNTIME_CLASS(CZivraView)));
        m_doc = DYNAMIC_DOWNCAST(CBaseDoc, m_app.GetDocTemplates().front()->OpenDocumentFile(nullptr));
        ASSERT_NE(m_doc, nullptr);
        m_view = m_frame->GetActiveBaseView();
        ASSERT_NE(m_view, nullptr);
        CUndoStep step(m_doc);
        int top = -100;
        for (const char* text : {"abc", "xyz", "ABC abc"}) {
            m_texts.push_back(new CStrgObj(m_doc->NewObjectId(), CRect(100, top, 600, top - 150), CString(text)));
            ASSERT_TRUE(m_doc->AddObject(m_texts.back()));
            top -= 300;
        }
    }
    void TearDown() override
    {
        m_app.CloseAllDocuments(FALSE);
        m_frame->DestroyWindow();
        QApplication::processEvents();
    }

    void Command(UINT id) { m_frame->SendMessage(WM_COMMAND, id, 0); }
    CCmdUI Update(UINT id)
    {
        CCmdUI state;
        state.m_nID = id;
        state.DoUpdate(m_frame, TRUE);
        return state;
    }
    static QLineEdit* Edit(CDialog* dialog, int id)
    {
        return qobject_cast<QLineEdit*>(dialog->GetDlgItem(id)->GetSafeHwnd());
    }
    static void Type(CDialog* dialog, int id, const char* text) { Edit(dialog, id)->setText(QString::fromUtf8(text)); }
    static void Click(CDialog* dialog, int id)
    {
        static_cast<QAbstractButton*>(dialog->GetDlgItem(id)->GetSafeHwnd())->click();
    }
    static BOOL Enabled(CDialog* dialog, int id) { return dialog->GetDlgItem(id)->IsWindowEnabled(); }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const CStrgObj* text : m_texts)
            texts.push_back(text->GetText().GetString());
        return texts;
    }
    // The text objects are changed in place by replacements; undo puts copies in their places.
    void ReadTextsAgain()
    {
        m_texts.clear();
        for (POSITION pos = m_doc->GetObjectList()->GetHeadPosition(); pos;)
            m_texts.push_back(DYNAMIC_DOWNCAST(CStrgObj, m_doc->GetObjectList()->GetNext(pos)));
    }
    std::vector<CObject*> Selection() const
    {
        std::vector<CObject*> selection;
        for (POSITION pos = m_view->GetSelection().GetHeadPosition(); pos;)
            selection.push_back(m_view->GetSelection().GetNext(pos));
        return selection;
    }

    TestAppServices m_services;
    CWinApp m_app{"Zivra"};
    CMainFrame* m_frame = nullptr;
    CBaseDoc* m_doc = nullptr;
    CBaseView* m_view = nullptr;
    std::vector<CStrgObj*> m_texts;
};

TEST_F(FindReplaceDialogs, OneDialogAtATimeFilledWithTheKeptTexts)
{
    Command(ID_EDIT_FIND);
    CFindDlg* find = m_frame->GetFindDialog();
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(find->IsWindowVisible());
    EXPECT_EQ(Update(ID_EDIT_FIND).GetCheck(), 1);
    // An empty find text disables every request; one character enables them.
    EXPECT_FALSE(Enabled(find, CFindDlg::IDC_FIND_NEXT));
    EXPECT_FALSE(Enabled(find, CFindDlg::IDC_FIND_ALL));
    Type(find, CFindDlg::IDC_FIND_TEXT, "a");
    EXPECT_TRUE(Enabled(find, CFindDlg::IDC_FIND_NEXT));
    EXPECT_TRUE(Enabled(find, CFindDlg::IDC_FIND_ALL));

    Type(find, CFindDlg::IDC_FIND_TEXT, "ABC");
    static_cast<QCheckBox*>(find->GetDlgItem(CFindDlg::IDC_MATCH_CASE)->GetSafeHwnd())->setChecked(true);
    Click(find, CFindDlg::IDC_FIND_NEXT);
    EXPECT_EQ(Selection(), std::vector<CObject*>{m_texts[2]});
    EXPECT_EQ(m_frame->GetFindText(), CString("ABC"));
    EXPECT_TRUE(m_frame->GetMatchCase());
    Click(find, CFindDlg::IDC_FIND_ALL);
    EXPECT_EQ(Selection(), std::vector<CObject*>{m_texts[2]});

    Command(ID_EDIT_REPLACE);
    CReplaceDlg* replace = m_frame->GetReplaceDialog();
    ASSERT_NE(replace, nullptr);
    EXPECT_FALSE(find->IsWindowVisible());
    EXPECT_TRUE(replace->IsWindowVisible());
    EXPECT_EQ(Edit(replace, CReplaceDlg::IDC_FIND_TEXT)->text(), QStringLiteral("ABC"));
    EXPECT_EQ(Edit(replace, CReplaceDlg::IDC_FIND_TEXT)->selectedText(), QStringLiteral("ABC"));
    EXPECT_TRUE(static_cast<QCheckBox*>(replace->GetDlgItem(CReplaceDlg::IDC_MATCH_CASE)->GetSafeHwnd())->isChecked());
    EXPECT_EQ(Update(ID_EDIT_FIND).GetCheck(), 0);
    // The same command again hides it; the next one shows the same window with what was typed.
    Command(ID_EDIT_REPLACE);
    EXPECT_FALSE(replace->IsWindowVisible());
    Command(ID_EDIT_REPLACE);
    EXPECT_EQ(m_frame->GetReplaceDialog(), replace);
    EXPECT_TRUE(replace->IsWindowVisible());
}

TEST_F(FindReplaceDialogs, F3RepeatsTheLastSearchAfterTheDialogClosed)
{
    EXPECT_FALSE(Update(ID_EDIT_FIND_NEXT).IsEnabled()) << "nothing searched for yet";
    Command(ID_EDIT_FIND);
    CFindDlg* find = m_frame->GetFindDialog();
    Type(find, CFindDlg::IDC_FIND_TEXT, "xyz");
    Click(find, CFindDlg::IDC_FIND_NEXT);
    EXPECT_EQ(Selection(), std::vector<CObject*>{m_texts[1]});
    Click(find, IDCANCEL);
    QApplication::processEvents();
    EXPECT_EQ(m_frame->GetFindDialog(), nullptr);

    // The only match is selected: the search wraps back to it and ends there.
    EXPECT_TRUE(Update(ID_EDIT_FIND_NEXT).IsEnabled());
    MessageScript script;
    Command(ID_EDIT_FIND_NEXT);
    EXPECT_EQ(Selection(), std::vector<CObject*>{m_texts[1]});
    EXPECT_EQ(script.Beeps().size(), 1u);
    EXPECT_EQ(Utf8(m_frame->GetStatusBar().GetPaneText(0)), "検索が終了しました");

    // A new dialog shows the kept text.
    Command(ID_EDIT_FIND);
    ASSERT_NE(m_frame->GetFindDialog(), nullptr);
    EXPECT_EQ(Edit(m_frame->GetFindDialog(), CFindDlg::IDC_FIND_TEXT)->text(), QStringLiteral("xyz"));
}

TEST_F(FindReplaceDialogs, ReplaceAllIsOneUndoAndNothingFoundBeepsOnce)
{
    Command(ID_EDIT_REPLACE);
    CReplaceDlg* replace = m_frame->GetReplaceDialog();
    ASSERT_NE(replace, nullptr);
    EXPECT_FALSE(Enabled(replace, CReplaceDlg::IDC_REPLACE));
    Type(replace, CReplaceDlg::IDC_FIND_TEXT, "nope");
    Type(replace, CReplaceDlg::IDC_REPLACE_TEXT, "Q");
    MessageScript script;
    Click(replace, CReplaceDlg::IDC_REPLACE_ALL);
    EXPECT_EQ(script.Beeps().size(), 1u);
    // Nothing was recorded: one undo takes back the texts the fixture added, not a replacement.
    Command(ID_EDIT_UNDO);
    EXPECT_TRUE(m_doc->GetObjectList()->IsEmpty());
    Command(ID_EDIT_REDO);
    ReadTextsAgain();

    Type(replace, CReplaceDlg::IDC_FIND_TEXT, "abc");
    Click(replace, CReplaceDlg::IDC_REPLACE_ALL);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Q", "xyz", "Q Q"}));
    EXPECT_EQ(script.Beeps().size(), 1u);
    Command(ID_EDIT_UNDO);
    ReadTextsAgain();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"abc", "xyz", "ABC abc"}));

    // 置換 replaces in the found object and goes on to the next one.
    Click(replace, CReplaceDlg::IDC_FIND_NEXT);
    EXPECT_EQ(Selection(), std::vector<CObject*>{m_texts[0]});
    Click(replace, CReplaceDlg::IDC_REPLACE);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Q", "xyz", "ABC abc"}));
    EXPECT_EQ(Selection(), std::vector<CObject*>{m_texts[2]});
    // After an undo the replacement is a step of its own, not part of the undone one's neighbour.
    Command(ID_EDIT_UNDO);
    ReadTextsAgain();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"abc", "xyz", "ABC abc"}));
}

TEST_F(FindReplaceDialogs, ALabelBeingEditedIsSearchedOnItsOwn)
{
    m_view->AddToSelection(m_texts[2]);
    CClientDC dc(m_view);
    m_view->OnPrepareDC(&dc);
    ASSERT_TRUE(m_view->OpenInPlaceEditor(&dc, m_texts[2]));
    CFloatEdit* editor = m_view->GetLabelEditor();
    editor->SetSelBytes(0, 0);

    Command(ID_EDIT_FIND);
    CFindDlg* find = m_frame->GetFindDialog();
    Type(find, CFindDlg::IDC_FIND_TEXT, "abc");
    EXPECT_TRUE(Enabled(find, CFindDlg::IDC_FIND_NEXT));
    EXPECT_FALSE(Enabled(find, CFindDlg::IDC_FIND_ALL)) << "not while a label is being edited";
    MessageScript script;
    Click(find, CFindDlg::IDC_FIND_NEXT);
    int start = 0, end = 0;
    editor->GetSelBytes(start, end);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(0, 3)) << "case off: ABC";
    Command(ID_EDIT_FIND_NEXT);
    editor->GetSelBytes(start, end);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(4, 7));
    Command(ID_EDIT_FIND_NEXT);
    EXPECT_EQ(script.Beeps().size(), 1u) << "the end of the label, no wrap";
    EXPECT_EQ(Selection(), std::vector<CObject*>{m_texts[2]});
}

TEST_F(FindReplaceDialogs, ReadOnlyRefusesReplacingAndNoViewBeeps)
{
    Command(ID_EDIT_REPLACE);
    CReplaceDlg* replace = m_frame->GetReplaceDialog();
    Type(replace, CReplaceDlg::IDC_FIND_TEXT, "abc");
    m_doc->SetReadOnly(TRUE);
    EXPECT_FALSE(Update(ID_EDIT_REPLACE).IsEnabled());
    MessageScript script;
    Click(replace, CReplaceDlg::IDC_REPLACE);
    Click(replace, CReplaceDlg::IDC_REPLACE_ALL);
    EXPECT_EQ(script.Texts(), std::vector<std::string>(2, "書込み不可のﾌｧｲﾙのため変更できません。"));
    EXPECT_EQ(Texts()[0], "abc");
    Click(replace, CReplaceDlg::IDC_FIND_NEXT);
    EXPECT_EQ(Selection(), std::vector<CObject*>{m_texts[0]}) << "searching stays possible";

    m_app.CloseAllDocuments(FALSE);
    Click(replace, CReplaceDlg::IDC_FIND_NEXT);
    EXPECT_EQ(script.Beeps().size(), 1u);
}
