// A relation arrow's menus as the user meets them: a right click on the arrow or on one of its
// labels, a command chosen, and what the document's rules make of it.
#include "tests/model/ModelBytes.h"
#include "tests/support/MessageScript.h"
#include "tests/view/ViewMouseSupport.h"

#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "model/DataModelClasses.h"
#include "model/FileComp.h"
#include "model/RelLineDlg.h"
#include "model/RelLineObj.h"
#include "platform/ui/Controls.h"

#include <string>

namespace rel_line_menu_path_test {

const char* const kLoopMessage =
    reinterpret_cast<const char*>(u8"ｻﾌﾞﾀｲﾌﾟ矢線あるいはｻﾌﾞｽﾄﾗｸﾁｬ矢線がﾙｰﾌﾟしてしまうので、矢線種別は変更できません。");

} // namespace rel_line_menu_path_test

class RelLineMenuPath : public MouseViewTest
{
protected:
    void SetUp() override
    {
        MouseViewTest::SetUp();
        RegisterDataModelClasses();
        Open(1000, 900);
        // A is B's parent; a 1:N arrow with its memo shown leads from B back up to A.
        m_a = AddFile(CRect(100, -100, 340, -260));
        m_b = AddFile(CRect(100, -500, 340, -660));
        AddArrow(CRelLineObj::KIND_SUBTYPE, m_a, m_b, CPoint(220, -260), CPoint(220, -500));
        m_arrow = AddArrow(CRelLineObj::KIND_ONE_TO_MANY, m_b, m_a, CPoint(600, -580), CPoint(600, -180));
        m_arrow->ShowLabel(CRelLineObj::PART_MEMO, TRUE);
        m_doc->ClearUndoBuffer();
        m_doc->SetModifiedFlag(FALSE);
    }
    void TearDown() override
    {
        CMenu::SetPopupHook(nullptr);
        MouseViewTest::TearDown();
    }

    WORD AddFile(const CRect& rect)
    {
        CUndoStep step(m_doc);
        auto* file = new CFileComp(m_doc->NewObjectId(), rect);
        EXPECT_TRUE(m_doc->AddObject(file));
        return file->GetObjectId();
    }
    CRelLineObj* AddArrow(WORD kind, WORD start, WORD end, CPoint from, CPoint to)
    {
        CUndoStep step(m_doc);
        auto* arrow = new CRelLineObj(m_doc->NewObjectId(), kind);
        arrow->AddPoint(from);
        arrow->AddPoint(to);
        arrow->SetStartObjectId(start);
        arrow->SetEndObjectId(end);
        EXPECT_TRUE(m_doc->AddObject(arrow));
        return arrow;
    }
    CRelLineObj& Arrow() const
    {
        CObject* found = nullptr;
        m_doc->FindObjectById(m_arrowId, found);
        return *STATIC_DOWNCAST(CRelLineObj, found);
    }

    // A right click at the point with the command chosen from whatever menu opens; the first item
    // of the menu shown comes back (0 when none opened).
    UINT RightClickChoosing(POINT doc, UINT command)
    {
        UINT firstItem = 0;
        CMenu::SetPopupHook([&](CMenu& menu) {
            firstItem = menu.GetMenuItemID(0);
            return command;
        });
        Send(QEvent::MouseButtonPress, doc, Qt::RightButton);
        QApplication::processEvents(); // the chosen command is posted to the frame
        CMenu::SetPopupHook(nullptr);
        return firstItem;
    }

    WORD m_a = 0, m_b = 0;
    CRelLineObj* m_arrow = nullptr;
    WORD m_arrowId = 0;
};

TEST_F(RelLineMenuPath, KindChangeThatWouldCloseALoopIsRefusedWithItsMessage)
{
    using rel_line_menu_path_test::kLoopMessage;
    m_arrowId = m_arrow->GetObjectId();
    // Drawing hands the labels the document's font: the picture is painted before the comparison.
    m_view->UpdateWindow();
    const std::string before = ObjectListBytes(*m_doc);
    for (const UINT kind : {ID_REL_KIND_SUBTYPE, ID_REL_KIND_SUBSTRUCTURE}) {
        SCOPED_TRACE(kind);
        MessageScript messages;
        EXPECT_EQ(RightClickChoosing(CPoint(600, -300), kind), UINT(-1)) << "the arrow menu opens on its kinds";
        ASSERT_EQ(messages.Texts().size(), 1u);
        EXPECT_EQ(messages.Texts()[0], kLoopMessage);
        EXPECT_TRUE(ObjectListBytes(*m_doc) == before) << "nothing changed";
        EXPECT_FALSE(m_doc->IsModified());
        EXPECT_FALSE(m_doc->CanUndo());
    }
    // Another kind passes the rules, in one undo step.
    MessageScript messages;
    RightClickChoosing(CPoint(600, -300), ID_REL_KIND_SUPERTYPE);
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(Arrow().GetKind(), CRelLineObj::KIND_SUPERTYPE);
    EXPECT_TRUE(m_doc->IsModified());
    m_doc->Undo();
    EXPECT_EQ(Arrow().GetKind(), CRelLineObj::KIND_ONE_TO_MANY);
}

TEST_F(RelLineMenuPath, TheMemosOwnMenuHidesIt)
{
    m_arrowId = m_arrow->GetObjectId();
    const CPoint memo = m_arrow->GetMemoLabel().GetRect().CenterPoint();
    EXPECT_EQ(RightClickChoosing(memo, ID_REL_SHOW_MEMO), ID_REL_SHOW_MEMO) << "the memo's menu";
    EXPECT_FALSE(Arrow().GetShowMemo());
    EXPECT_EQ(Arrow().GetEditedPart(), CRelLineObj::PART_MEMO);
    EXPECT_TRUE(m_doc->IsModified());
}

TEST_F(RelLineMenuPath, TheSettingsEntryOpensTheKindsDialog)
{
    m_arrowId = m_arrow->GetObjectId();
    int opened = 0;
    CDialog::SetModalHook([&](CDialog& dialog) {
        ++opened;
        EXPECT_NE(dynamic_cast<CRelLineDlg*>(&dialog), nullptr);
        static_cast<CButton*>(dialog.GetDlgItem(1406))->SetCheck(BST_CHECKED);
        dialog.SendMessage(WM_COMMAND, 1406);
        dialog.SendMessage(WM_COMMAND, IDOK);
    });
    RightClickChoosing(CPoint(600, -300), ID_OBJ_ONE_TO_MANY_DIALOG);
    CDialog::SetModalHook(nullptr);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(Arrow().GetCardinality(), CRelLineObj::CARDINALITY_ONE_OR_MORE);
    EXPECT_TRUE(m_doc->IsModified());
}
