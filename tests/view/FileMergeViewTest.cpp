// What the view does for gathering conceptual files by name (32940) and for dropping one conceptual
// file onto another: the questions, what reaches the data model and when nothing does. The data
// model is a stand-in that notes its calls.
#include "tests/view/ViewMouseSupport.h"

#include "tests/support/MessageScript.h"

#include "foundation/CommandIds.h"
#include "view/FileMergeServices.h"

#include <gtest/gtest.h>

#include <vector>

namespace file_merge_view_test {

// A box of the conceptual file's kind, as the view sees one.
class FileStandIn : public CRectObj
{
public:
    FileStandIn(WORD id, const CRect& rect) : CRectObj(OBJKIND_FILECOMP, id, rect) { SetFill(TRUE); }
};

class NotedModel : public FileMergeServices
{
public:
    NotedModel() : m_previous(SetFileMergeServices(this)) {}
    ~NotedModel() override { SetFileMergeServices(m_previous); }
    NotedModel(const NotedModel&) = delete;
    NotedModel& operator=(const NotedModel&) = delete;

    int CollectSameNameFileComps(CBaseDoc&, const CObList& selectedFiles) override
    {
        gathered.clear();
        for (POSITION pos = selectedFiles.GetHeadPosition(); pos;)
            gathered.push_back(selectedFiles.GetNext(pos));
        ++gatherings;
        return gatherResult;
    }
    BOOL MergeFileCompInto(CBaseDoc&, CObject* target, CObject* merged) override
    {
        merges.push_back({target, merged});
        return TRUE;
    }

    std::vector<CObject*> gathered;
    int gatherings = 0;
    int gatherResult = 1;
    std::vector<std::pair<CObject*, CObject*>> merges;

private:
    FileMergeServices* m_previous;
};

} // namespace file_merge_view_test

using file_merge_view_test::FileStandIn;
using file_merge_view_test::NotedModel;

class FileMergeView : public MouseViewTest
{
protected:
    template <class T>
    T* Add(T* object)
    {
        CUndoStep step(m_doc);
        return m_doc->AddObject(object) ? object : nullptr;
    }
    FileStandIn* AddFile(const CRect& rect) { return Add(new FileStandIn(m_doc->NewObjectId(), rect)); }
    void Click(CPoint point, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        Press(point, keys);
        Release(point, keys);
    }

    NotedModel m_model;
    MessageScript m_script;
};

TEST_F(FileMergeView, DroppingTheOnlySelectedFileOnAnotherOffersTheMerge)
{
    FileStandIn* target = AddFile(CRect(500, -100, 800, -400));
    FileStandIn* dragged = AddFile(CRect(100, -100, 300, -300));
    AddRect(CRect(100, -500, 300, -700));
    Open(1000, 900);

    // No: the file stays where it was dropped and nothing is merged.
    m_script.Answer(IDNO);
    Drag(CPoint(200, -200), CPoint(640, -240));
    ASSERT_EQ(m_script.Texts(), std::vector<std::string>{"所属ﾃﾞｰﾀ項目をﾏｰｼﾞしますか。"});
    EXPECT_EQ(m_script.Messages()[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_GE(dragged->GetRect().left, 500);
    EXPECT_TRUE(m_model.merges.empty());

    // Yes: the target first, the dropped file second.
    m_script.Answer(IDYES);
    Drag(CPoint(640, -240), CPoint(520, -380));
    ASSERT_EQ(m_model.merges.size(), 1u);
    EXPECT_EQ(m_model.merges[0].first, target);
    EXPECT_EQ(m_model.merges[0].second, dragged);

    // Onto a box that is no conceptual file, or with another object selected too: no question.
    Drag(CPoint(520, -380), CPoint(200, -600));
    Click(CPoint(200, -600));
    Click(CPoint(700, -250), Qt::ControlModifier);
    EXPECT_EQ(m_view->GetSelection().GetCount(), 2);
    Drag(CPoint(200, -600), CPoint(660, -200));
    EXPECT_EQ(m_script.Messages().size(), 2u);
    EXPECT_EQ(m_model.merges.size(), 1u);
}

TEST_F(FileMergeView, GatheringAsksThenHandsTheSelectedFilesInOrderToTheModel)
{
    FileStandIn* first = AddFile(CRect(100, -100, 300, -300));
    FileStandIn* second = AddFile(CRect(500, -100, 800, -400));
    AddRect(CRect(100, -500, 300, -700));
    Open(1000, 900);

    Click(CPoint(200, -600));
    EXPECT_FALSE(IsEnabled(ID_MERGE_FILES)); // no conceptual file selected
    Click(CPoint(650, -250), Qt::ControlModifier);
    Click(CPoint(200, -200), Qt::ControlModifier);
    EXPECT_TRUE(IsEnabled(ID_MERGE_FILES));

    m_script.Answer(IDNO);
    Command(ID_MERGE_FILES);
    EXPECT_EQ(m_model.gatherings, 0);
    ASSERT_EQ(m_script.Messages().size(), 1u);
    EXPECT_EQ(m_script.Texts()[0],
              "選択されている概念ﾌｧｲﾙの名称あるいは代替ｷｰｸﾞﾙｰﾌﾟ(ﾚﾍﾞﾙ1のみ比較)に一致する概念ﾌｧｲﾙの名寄せを行いますか。"
              "\n名寄せの基になる選択中の概念ﾌｧｲﾙは枠線が赤色に変更されます。"
              "\n名寄せされた概念ﾌｧｲﾙは、枠線が青色に変更されます。");
    EXPECT_EQ(m_script.Messages()[0].type, UINT(MB_YESNO | MB_ICONQUESTION));

    // The files in the order the selection holds them.
    std::vector<CObject*> files;
    for (POSITION pos = m_view->GetSelection().GetHeadPosition(); pos;) {
        CObject* object = m_view->GetSelection().GetNext(pos);
        if (object == first || object == second)
            files.push_back(object);
    }
    m_script.Answer(IDYES);
    Command(ID_MERGE_FILES);
    EXPECT_EQ(m_model.gathered, files);
    EXPECT_EQ(files.size(), 2u);
    EXPECT_EQ(m_view->GetSelection().GetCount(), 2); // the rectangle left the selection
    EXPECT_EQ(m_script.Messages().size(), 2u);

    m_model.gatherResult = -1;
    m_script.Answer(IDYES);
    Command(ID_MERGE_FILES);
    EXPECT_EQ(m_script.Texts().back(), "概念ﾌｧｲﾙの名寄せ処理中にｴﾗｰが発生しました。名寄せ処理を中止します。");

    m_doc->SetReadOnly(TRUE);
    EXPECT_FALSE(IsEnabled(ID_MERGE_FILES));
}
