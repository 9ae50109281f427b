#include "tests/document/DocumentTestSupport.h"

#include "tests/support/MessageScript.h"

#include "document/ModelHooks.h"
#include "foundation/CommandIds.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/FrameworkIds.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

namespace {

const std::string kOutOfIds = "図形ｵﾌﾞｼﾞｪｸﾄ数が最大値に達したため、これ以上作成できません。";


} // namespace

class DocumentCore : public ::testing::Test
{
protected:
    TestApp m_app;
    TestDoc m_doc;
};

TEST_F(DocumentCore, IdsCountUpFromOneAndStopBelowTheHeaderIds)
{
    EXPECT_EQ(m_doc.NewObjectId(), 1);
    EXPECT_EQ(m_doc.NewObjectId(), 2);

    m_doc.SetNextObjectId(0xFEFF);
    EXPECT_EQ(m_doc.NewObjectId(), 0xFEFF);
    MessageScript script;
    EXPECT_EQ(m_doc.NewObjectId(), 0);
    EXPECT_EQ(m_doc.NewObjectId(), 0);
    EXPECT_EQ(m_doc.GetNextObjectId(), 0xFF00);
    EXPECT_EQ(script.Texts(), std::vector<std::string>({kOutOfIds, kOutOfIds}));
    EXPECT_EQ(script.Messages()[0].type, UINT(MB_OK));
}

TEST_F(DocumentCore, AddRefusesWhatTheDocumentCannotManage)
{
    EXPECT_FALSE(m_doc.AddObject(nullptr));

    CObList foreign;
    MessageScript script;
    {
        CUndoStep step(&m_doc);
        EXPECT_FALSE(m_doc.AddObject(&foreign));
    }
    EXPECT_EQ(script.Texts(),
              std::vector<std::string>({"追加しようとしたｵﾌﾞｼﾞｪｸﾄはこのﾄﾞｷｭﾒﾝﾄで管理できる種類ではありません!"}));
    EXPECT_TRUE(m_doc.HasNoObjects());
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_FALSE(m_doc.CanUndo());
}

TEST_F(DocumentCore, NewObjectsGoInFrontAndComeBackAfterTheirPredecessor)
{
    AddRect(m_doc);
    CRectObj* middle = AddRect(m_doc);
    AddRect(m_doc);
    EXPECT_EQ(DrawingOrder(m_doc), std::vector<WORD>({1, 2, 3}));

    {
        CUndoStep step(&m_doc);
        ASSERT_TRUE(m_doc.RemoveObject(middle));
    }
    EXPECT_EQ(DrawingOrder(m_doc), std::vector<WORD>({1, 3}));
    m_doc.Undo();
    EXPECT_EQ(DrawingOrder(m_doc), std::vector<WORD>({1, 2, 3}));
    EXPECT_EQ(ObjectById(m_doc, 2), middle);
}

TEST_F(DocumentCore, RemovalRefusals)
{
    CObject* found = reinterpret_cast<CObject*>(1);
    EXPECT_FALSE(m_doc.FindObjectById(1, found));
    EXPECT_EQ(found, nullptr);

    CRectObj* kept = AddRect(m_doc);
    kept->SetCanDelete(FALSE);
    CRectObj* gone = AddRect(m_doc);
    CRectObj stranger(77, CRect(0, 0, 10, -10));

    CUndoStep step(&m_doc);
    EXPECT_FALSE(m_doc.RemoveObject(kept));
    EXPECT_FALSE(m_doc.RemoveObject(&stranger));
    EXPECT_TRUE(m_doc.RemoveObject(gone));
    EXPECT_FALSE(m_doc.RemoveObject(gone)); // its deleted-record is in this step already
    EXPECT_EQ(DrawingOrder(m_doc), std::vector<WORD>({1}));
}

TEST_F(DocumentCore, RemovingASnapshotPassesOverUndeletableObjectsAndEnds)
{
    CObList selection;
    for (int i = 0; i < 4; ++i)
        selection.AddTail(AddRect(m_doc));
    static_cast<CBaseObj*>(selection.GetHead())->SetCanDelete(FALSE);
    static_cast<CBaseObj*>(selection.GetTail())->SetCanDelete(FALSE);

    CUndoStep step(&m_doc);
    EXPECT_EQ(m_doc.RemoveObjects(selection), 2);
    EXPECT_EQ(DrawingOrder(m_doc), std::vector<WORD>({1, 4}));
}

TEST_F(DocumentCore, RemovingAnObjectClearsLinksToItWithUndo)
{
    CRectObj* target = AddRect(m_doc);
    CRectObj* linked = AddRect(m_doc);
    linked->SetLinkObjectId(target->GetObjectId());

    {
        CUndoStep step(&m_doc);
        ASSERT_TRUE(m_doc.RemoveObject(target));
    }
    EXPECT_EQ(ObjectById(m_doc, 2)->GetLinkObjectId(), 0);
    m_doc.Undo();
    EXPECT_EQ(ObjectById(m_doc, 2)->GetLinkObjectId(), 1);
    EXPECT_EQ(DrawingOrder(m_doc), std::vector<WORD>({1, 2}));
}

TEST_F(DocumentCore, RemovingASnapshotClearsLinksToEveryRemovedObjectWithUndo)
{
    // 2 -> 1, 4 -> 3, 5 -> 4: the links to 1 and 4 stay behind in objects that stay, the one to 3
    // goes with its owner.
    for (int i = 0; i < 5; ++i)
        AddRect(m_doc);
    ObjectById(m_doc, 2)->SetLinkObjectId(1);
    ObjectById(m_doc, 4)->SetLinkObjectId(3);
    ObjectById(m_doc, 5)->SetLinkObjectId(4);
    CObList selection;
    for (WORD id : {1, 3, 4})
        selection.AddTail(ObjectById(m_doc, id));
    {
        CUndoStep step(&m_doc);
        ASSERT_EQ(m_doc.RemoveObjects(selection), 3);
        EXPECT_FALSE(m_doc.RemoveObject(selection.GetHead())) << "its deleted-record is in this step";
    }
    const auto links = [this] {
        std::vector<std::pair<WORD, WORD>> result;
        for (WORD id : DrawingOrder(m_doc))
            result.emplace_back(id, ObjectById(m_doc, id)->GetLinkObjectId());
        return result;
    };
    using Links = std::vector<std::pair<WORD, WORD>>;
    const Links removed{{2, 0}, {5, 0}};
    EXPECT_EQ(links(), removed);
    m_doc.Undo();
    EXPECT_EQ(links(), (Links{{1, 0}, {2, 1}, {3, 0}, {4, 3}, {5, 4}}));
    m_doc.Redo();
    EXPECT_EQ(links(), removed);
}

namespace {

// A model that claims some objects: its clean-up of one sets the update marks and may remove
// another object, and it notes whether the marks were clear when a clean-up began.
class MarkingModel : public DocumentModelHooks
{
public:
    MarkingModel() : m_previous(SetDocumentModelHooks(this)) {}
    ~MarkingModel() override { SetDocumentModelHooks(m_previous); }
    MarkingModel(const MarkingModel&) = delete;
    MarkingModel& operator=(const MarkingModel&) = delete;

    void ClearUpdateMarks(CBaseDoc*) override { m_marked = FALSE; }
    BOOL CleanUpRemovedObject(CBaseDoc* document, CObject* removed) override
    {
        const WORD id = DrawObjects::GetObjectId(removed);
        if (!m_claimed.contains(id))
            return FALSE;
        m_cleanUps.emplace_back(id, !m_marked);
        m_marked = TRUE;
        if (const auto dependent = m_dependents.find(id); dependent != m_dependents.end())
            document->RemoveObject(ObjectById(*document, dependent->second));
        return TRUE;
    }
    BOOL ApplyModelCommand(CBaseDoc*, CObject*, UINT, BOOL*) override { return FALSE; }

    std::set<WORD> m_claimed;
    std::map<WORD, WORD> m_dependents;
    // Each clean-up's object and whether the marks were clear at its start.
    std::vector<std::pair<WORD, bool>> m_cleanUps;

private:
    DocumentModelHooks* m_previous;
    BOOL m_marked = TRUE;
};

} // namespace

TEST_F(DocumentCore, EveryModelCleanUpOfASnapshotStartsWithClearUpdateMarks)
{
    for (int i = 0; i < 6; ++i)
        AddRect(m_doc);
    MarkingModel model;
    model.m_claimed = {1, 2, 3, 6};
    model.m_dependents = {{1, 5}};
    model.m_claimed.insert(5);
    // 1 (taking 5 with it), 2 and 3 claimed one after another, the plain 4, then the claimed 6.
    CObList selection;
    for (WORD id : {1, 2, 3, 4, 6})
        selection.AddTail(ObjectById(m_doc, id));
    CUndoStep step(&m_doc);
    EXPECT_EQ(m_doc.RemoveObjects(selection), 5);
    EXPECT_EQ(model.m_cleanUps,
              (std::vector<std::pair<WORD, bool>>{{1, true}, {5, true}, {2, true}, {3, true}, {6, true}}));
    EXPECT_TRUE(DrawingOrder(m_doc).empty());
}

TEST_F(DocumentCore, SetModifiedStampsTheUpdatedDateUnlessReadOnly)
{
    const CTime past(2001, 2, 3, 4, 5, 6);
    m_doc.SetUpdatedDate(past);
    m_doc.SetModified(TRUE);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_GT(m_doc.GetUpdatedDate(), past);

    m_doc.SetModified(FALSE);
    m_doc.SetUpdatedDate(past);
    m_doc.SetReadOnly(TRUE);
    m_doc.SetModified(TRUE);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetUpdatedDate(), past);
}

TEST_F(DocumentCore, ViewsFollowRemovalAndItsUndo)
{
    SelectionView view;
    m_doc.AddView(&view);
    CRectObj* obj = AddRect(m_doc);
    view.AddToSelection(obj);

    {
        CUndoStep step(&m_doc);
        m_doc.RemoveObject(obj);
    }
    EXPECT_TRUE(view.m_selection.empty());
    m_doc.Undo();
    EXPECT_EQ(view.m_selection, std::vector<CObject*>({obj}));
    EXPECT_EQ(view.m_current, obj);
    m_doc.RemoveView(&view);
}

TEST_F(DocumentCore, ObjectOperationsRecordTheStateBeforeThem)
{
    CRectObj* obj = AddRect(m_doc, CRect(100, -100, 500, -400));
    {
        CUndoStep step(&m_doc);
        ASSERT_TRUE(m_doc.ExecuteObjectOperation(obj, ID_OBJ_STANDARD_SIZE, 0, 0)); // standard size
        const CSize offset(10, 20);
        ASSERT_TRUE(m_doc.MoveOrResizeObject(obj, TRUE, &offset, 1, 0));
    }
    EXPECT_EQ(ObjectById(m_doc, 1)->GetRect(), CRect(110, -80, 350, -240));
    EXPECT_FALSE(m_doc.ExecuteObjectOperation(ObjectById(m_doc, 1), ID_OBJ_STANDARD_SIZE, 0, 0)); // already that size

    m_doc.Undo();
    EXPECT_EQ(ObjectById(m_doc, 1)->GetRect(), CRect(100, -100, 500, -400));
    m_doc.Redo();
    EXPECT_EQ(ObjectById(m_doc, 1)->GetRect(), CRect(110, -80, 350, -240));
}

TEST_F(DocumentCore, ReadOnlyDocumentRefusesObjectCommands)
{
    CRectObj* obj = AddRect(m_doc);
    m_doc.SetReadOnly(TRUE);
    const CSize offset(10, 10);
    CUndoStep step(&m_doc);
    EXPECT_FALSE(m_doc.MoveOrResizeObject(obj, TRUE, &offset, 1, 0));
    EXPECT_FALSE(m_doc.ExecuteObjectOperation(obj, ID_OBJ_STANDARD_SIZE, 0, 0));
    EXPECT_FALSE(m_doc.ApplyObjectCommand(obj, ID_ATTRIBUTE_FIRST, nullptr, 1));
    EXPECT_EQ(obj->GetRect(), CRect(100, -100, 200, -200));
}

TEST_F(DocumentCore, CommandUpdatesFollowTheDocumentState)
{
    struct Case
    {
        UINT id;
        BOOL readOnly;
        BOOL enabled;
    };
    // No drawing view is active here, so the commands that need one stay disabled.
    const Case cases[] = {
        {ID_FILE_SAVE, FALSE, TRUE},
        {ID_FILE_SAVE, TRUE, FALSE},
        {ID_PAGE_LAYOUT, FALSE, FALSE},
        {ID_EXPORT_EXCEL, FALSE, FALSE},
    };
    for (const Case& c : cases) {
        m_doc.SetReadOnly(c.readOnly);
        CCmdUI ui;
        ui.m_nID = c.id;
        ASSERT_TRUE(ui.DoUpdate(&m_doc, FALSE)) << c.id;
        EXPECT_EQ(ui.IsEnabled(), c.enabled) << c.id;
    }
}
