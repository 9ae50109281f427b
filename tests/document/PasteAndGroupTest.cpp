#include "tests/document/DocumentTestSupport.h"
#include "tests/support/MessageScript.h"
#include "tests/support/TestCopyBuffer.h"

#include "document/DocumentClasses.h"
#include "objects/CopyHold.h"
#include "objects/CopyList.h"
#include "objects/DrawObjects.h"
#include "objects/GroupObj.h"
#include "platform/afx/Archive.h"
#include "platform/afx/MemFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Ids = std::vector<WORD>;

// The document's stored bytes.
std::vector<BYTE> StoredBytes(CBaseDoc& doc)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        doc.Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes(file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
}

Ids IdsOf(const std::vector<CObject*>& objects)
{
    Ids ids;
    for (const CObject* object : objects)
        ids.push_back(DrawObjects::GetObjectId(object));
    return ids;
}

// A list of objects it does not own.
struct Objects
{
    Objects(std::initializer_list<CObject*> objects)
    {
        for (CObject* object : objects)
            list.AddTail(object);
    }
    CObList list;
};

// A line of the data model's arrow kind, which may not be grouped.
class ArrowLikeLine : public CPolyObj
{
public:
    explicit ArrowLikeLine(WORD id) : CPolyObj(OBJKIND_RELLINE, id) {}
};

} // namespace

class PasteAndGroup : public ::testing::Test
{
protected:
    PasteAndGroup()
    {
        RegisterDocumentClasses();
        m_doc.AddView(&m_view);
    }
    ~PasteAndGroup() override { m_doc.RemoveView(&m_view); }

    BOOL Paste(CBaseDoc& doc, int x, int y)
    {
        CUndoStep step(&doc);
        return doc.PasteObjects(x, y);
    }

    TestApp m_app;
    MessageScript m_messages;
    TestCopyBuffer m_frame;
    TestDoc m_doc;
    SelectionView m_view;
};

TEST_F(PasteAndGroup, PastesCopiesUnderNewIdsInSelectionOrderWithTheirLinesJoined)
{
    CRectObj* a = AddRect(m_doc, CRect(100, -100, 200, -200));
    CRectObj* b = AddRect(m_doc, CRect(400, -100, 500, -200));
    CPolyObj* line = AddLine(m_doc, {CPoint(200, -150), CPoint(400, -150)});
    line->SetStartObjectId(a->GetObjectId());
    line->SetEndObjectId(b->GetObjectId());
    PutDrawObjectsOnClipboard(Objects{b, line, a}.list);

    ASSERT_TRUE(Paste(m_doc, 1000, -1000));
    EXPECT_EQ(DrawingOrder(m_doc), Ids({1, 2, 3, 4, 5, 6}));
    // The line needs its start first: b, then a, then the line.
    EXPECT_EQ(IdsOf(m_view.m_selection), Ids({4, 5, 6}));
    const auto* pasted = DYNAMIC_DOWNCAST(CPolyObj, m_view.m_selection.back());
    EXPECT_EQ(pasted->GetStartObjectId(), 5);
    EXPECT_EQ(pasted->GetEndObjectId(), 4);
    // The top-left corner of the copied objects lands on the point.
    EXPECT_EQ(ObjectById(m_doc, 5)->GetRect(), CRect(1000, -1000, 1100, -1100));
    EXPECT_EQ(ObjectById(m_doc, 4)->GetRect(), CRect(1300, -1000, 1400, -1100));

    // Another document: the same objects from id 1 on; one undo takes the whole paste back.
    TestDoc other;
    ASSERT_TRUE(Paste(other, 0, 0));
    EXPECT_EQ(DrawingOrder(other), Ids({1, 2, 3}));
    other.Undo();
    EXPECT_TRUE(other.HasNoObjects());

    // A line copied without its ends is pasted with free ends.
    PutDrawObjectsOnClipboard(Objects{line}.list);
    ASSERT_TRUE(Paste(other, 0, 0));
    const auto* free = DYNAMIC_DOWNCAST(CPolyObj, other.GetObjectList()->GetTail());
    EXPECT_EQ(free->GetStartObjectId(), 0);
    EXPECT_EQ(free->GetEndObjectId(), 0);
}

TEST_F(PasteAndGroup, APastedGroupNumbersItsMembersAfterItAndLinksFollowThePaste)
{
    CRectObj* a = AddRect(m_doc, CRect(100, -100, 200, -200));
    CRectObj* b = AddRect(m_doc, CRect(300, -100, 400, -200));
    CRectObj* linked = AddRect(m_doc, CRect(500, -100, 600, -200));
    linked->SetLinkObjectId(a->GetObjectId());
    CRectObj* linkedAway = AddRect(m_doc, CRect(700, -100, 800, -200));
    linkedAway->SetLinkObjectId(b->GetObjectId());
    CGroupObj group(20, Objects{a, b}.list);
    PutDrawObjectsOnClipboard(Objects{&group, linked, linkedAway, a}.list);

    ASSERT_TRUE(Paste(m_doc, 1000, -1000));
    // The group takes 5, its members 6 and 7, then the others 8, 9 and 10.
    EXPECT_EQ(IdsOf(m_view.m_selection), Ids({5, 8, 9, 10}));
    const auto* pasted = DYNAMIC_DOWNCAST(CGroupObj, m_view.m_selection.front());
    ASSERT_NE(pasted, nullptr);
    const CObList& members = pasted->GetMemberList();
    EXPECT_EQ(DrawObjects::GetObjectId(members.GetHead()), 6);
    EXPECT_EQ(DrawObjects::GetObjectId(members.GetTail()), 7);
    EXPECT_EQ(m_doc.GetNextObjectId(), 11);
    EXPECT_EQ(ObjectById(m_doc, 8)->GetLinkObjectId(), 10); // a was pasted as 10
    EXPECT_EQ(ObjectById(m_doc, 9)->GetLinkObjectId(), 0);  // b was not pasted on its own
}

TEST_F(PasteAndGroup, AFailurePartWayLeavesTheDocumentAsItWas)
{
    AddRect(m_doc, CRect(100, -100, 200, -200));
    CRectObj one(1, CRect(0, 0, 10, -10));
    CRectObj two(2, CRect(20, 0, 30, -10));
    CRectObj three(3, CRect(40, 0, 50, -10));
    CGroupObj group(4, Objects{&one, &two}.list);

    struct Case
    {
        const char* what;
        Objects copied;
        WORD nextId;
    };
    Case cases[] = {
        {"ids run out at the third object", {&one, &two, &three}, WORD(MAX_OBJECT_ID - 2)},
        {"a group's members would cross the id limit", {&one, &group}, WORD(MAX_OBJECT_ID - 3)},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_doc.SetNextObjectId(c.nextId);
        m_doc.SetModified(FALSE);
        m_view.m_selection.clear();
        const std::vector<BYTE> before = StoredBytes(m_doc);
        PutDrawObjectsOnClipboard(c.copied.list);

        EXPECT_FALSE(Paste(m_doc, 1000, -1000));
        EXPECT_EQ(StoredBytes(m_doc), before);
        EXPECT_FALSE(m_doc.IsModified());
        EXPECT_TRUE(m_view.m_selection.empty());
        // No hold points at a pasted object that went again, and nothing of the paste is left to undo.
        for (POSITION pos = m_frame.buffer.GetHeadPosition(); pos;)
            EXPECT_EQ(m_frame.buffer.GetHold(pos)->GetPlacedObject(), nullptr);
        const CSaveList* step = m_doc.GetCurrentUndoStep();
        EXPECT_TRUE(!step || step->IsEmpty());
    }
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>(2, "図形ｵﾌﾞｼﾞｪｸﾄ数が最大値に達したため、これ以上作成できません。"));
}

TEST_F(PasteAndGroup, KeepsThePasteInsideTheDocument)
{
    const CSize size = m_doc.GetDocumentSize();
    CRectObj box(1, CRect(0, 0, 100, -100));
    PutDrawObjectsOnClipboard(Objects{&box}.list);

    struct Case
    {
        CPoint point;
        CPoint expected;
    };
    const Case cases[] = {
        {{500, -500}, {500, -500}},
        // Within 15 of the right or bottom edge: pulled back to 25 inside.
        {{size.cx - 110, -500}, {size.cx - 125, -500}},
        {{500, size.cy + 110}, {500, size.cy + 125}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Paste(m_doc, c.point.x, c.point.y));
        EXPECT_EQ(ObjectById(m_doc, m_doc.GetNextObjectId() - 1)->GetRect().TopLeft(), c.expected);
    }

    // Too big: the user is asked; No pastes nothing, Yes moves it to x = 15 and grows the pages.
    CRectObj wide(1, CRect(0, 0, size.cx + 100, -100));
    PutDrawObjectsOnClipboard(Objects{&wide}.list);
    const Ids before = DrawingOrder(m_doc);
    m_messages.Answer(IDNO);
    EXPECT_FALSE(Paste(m_doc, 100, -100));
    EXPECT_EQ(DrawingOrder(m_doc), before);
    m_messages.Answer(IDYES);
    ASSERT_TRUE(Paste(m_doc, 100, -100));
    EXPECT_EQ(ObjectById(m_doc, m_doc.GetNextObjectId() - 1)->GetRect().TopLeft(), CPoint(15, -100));
    EXPECT_GT(m_doc.GetDocumentSize().cx, size.cx);
}

TEST_F(PasteAndGroup, ReadOnlyDocumentsAndEmptyClipboardsPasteNothing)
{
    CRectObj box(1, CRect(0, 0, 100, -100));
    PutDrawObjectsOnClipboard(Objects{&box}.list);
    m_doc.SetReadOnly(TRUE);
    EXPECT_FALSE(Paste(m_doc, 0, 0));
    m_doc.SetReadOnly(FALSE);
    PutDrawObjectsOnClipboard(CObList());
    EXPECT_FALSE(Paste(m_doc, 0, 0));
    EXPECT_TRUE(m_doc.HasNoObjects());
}

TEST_F(PasteAndGroup, RefusesToGroupModelAndHeaderObjectsWhicheverComesFirst)
{
    const std::string modelText =
        "選択されている図形ｵﾌﾞｼﾞｪｸﾄにｸﾞﾙｰﾌﾟできないｵﾌﾞｼﾞｪｸﾄが含まれているのでｸﾞﾙｰﾌﾟ化できません。"
        "\n概念ﾌｧｲﾙｵﾌﾞｼﾞｪｸﾄ、矢線ｵﾌﾞｼﾞｪｸﾄはｸﾞﾙｰﾌﾟ化できないｵﾌﾞｼﾞｪｸﾄです。";
    const std::string headerText =
        "選択されている図形ｵﾌﾞｼﾞｪｸﾄにﾍｯﾀﾞｰ情報表示用ｵﾌﾞｼﾞｪｸﾄが含まれているのでｸﾞﾙｰﾌﾟ化できません。";
    CRectObj plain(1, CRect(0, 0, 10, -10));
    CBaseObj file(OBJKIND_FILECOMP, 2, CRect(0, 0, 10, -10));
    ArrowLikeLine arrow(3);
    CRectObj header(FIRST_HEADER_ITEM_ID, CRect(0, 0, 10, -10));
    CObList notDrawing;

    struct Case
    {
        Objects objects;
        const std::string* message;
    };
    Case cases[] = {
        {{&plain, &notDrawing}, nullptr},
        {{&plain, &file, &header}, &modelText},
        {{&arrow}, &modelText},
        {{&header, &file}, &headerText},
    };
    for (const Case& c : cases) {
        MessageScript messages;
        EXPECT_EQ(m_doc.CanGroupObjects(&c.objects.list), c.message == nullptr);
        EXPECT_EQ(messages.Texts(), c.message ? std::vector<std::string>{*c.message} : std::vector<std::string>{});
    }
}

TEST_F(PasteAndGroup, GroupingAndUngroupingAreOneUndoStepEach)
{
    CRectObj* a = AddRect(m_doc, CRect(100, -100, 200, -200));
    CRectObj* b = AddRect(m_doc, CRect(300, -100, 400, -200));
    AddRect(m_doc, CRect(500, -100, 600, -200));
    const Objects selection{a, b};
    CGroupObj* group = nullptr;
    {
        CUndoStep step(&m_doc);
        group = m_doc.GroupObjects(&selection.list);
        ASSERT_NE(group, nullptr);
        m_doc.RemoveObjects(selection.list);
    }
    EXPECT_EQ(DrawingOrder(m_doc), Ids({3, 4}));
    EXPECT_EQ(group->GetRect(), CRect(100, -100, 400, -200));
    m_doc.Undo();
    EXPECT_EQ(DrawingOrder(m_doc), Ids({1, 2, 3}));
    m_doc.Redo();
    EXPECT_EQ(DrawingOrder(m_doc), Ids({3, 4}));

    // Ungrouping brings the members back with their ids, in front of everything else.
    group = DYNAMIC_DOWNCAST(CGroupObj, ObjectById(m_doc, 4));
    CObList members;
    {
        CUndoStep step(&m_doc);
        ASSERT_TRUE(m_doc.UngroupObject(group, &members));
        m_doc.RemoveObject(group);
    }
    EXPECT_EQ(DrawingOrder(m_doc), Ids({3, 1, 2}));
    EXPECT_EQ(members.GetCount(), 2);
    m_doc.Undo();
    EXPECT_EQ(DrawingOrder(m_doc), Ids({3, 4}));

    // A read-only document groups nothing; something that is no group does not ungroup.
    EXPECT_FALSE(m_doc.UngroupObject(ObjectById(m_doc, 3), &members));
    m_doc.SetReadOnly(TRUE);
    EXPECT_EQ(m_doc.GroupObjects(&selection.list), nullptr);
}
