#include "tests/objects/ObjectsTestSupport.h"
#include "tests/support/MessageScript.h"
#include "tests/support/TestAppServices.h"

#include "foundation/CommandIds.h"
#include "objects/DrawObjects.h"
#include "objects/GroupObj.h"
#include "objects/PointObj.h"
#include "objects/PolyObj.h"
#include "objects/RectObj.h"
#include "platform/afx/Exception.h"
#include "platform/afx/List.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A box class that no copy knows: grouping or copying a group that holds it must fail whole.
class UncopyableBox : public CBaseObj
{
    DECLARE_DYNAMIC(UncopyableBox)
public:
    UncopyableBox() : CBaseObj(OBJKIND_RECT, 77, CRect(0, 0, 10, -10)) {}
};
IMPLEMENT_DYNAMIC(UncopyableBox, CBaseObj)

// A box that notes where its spreadsheet row goes.
class ExportingBox : public CBaseObj
{
    DECLARE_DYNAMIC(ExportingBox)
public:
    ExportingBox(WORD id, std::vector<WORD>& rows) : CBaseObj(OBJKIND_RECT, id, CRect(0, 0, 10, -10)), m_rows(rows) {}
    BOOL IsExportKind(DWORD) const override { return TRUE; }
    BOOL HasText() const override { return TRUE; }
    BOOL ExportExcelRow(CExcelDispatch*, long&, long&, DWORD, CObject*) override
    {
        m_rows.push_back(GetObjectId());
        return TRUE;
    }

private:
    std::vector<WORD>& m_rows;
};
IMPLEMENT_DYNAMIC(ExportingBox, CBaseObj)

namespace {

CPolyObj* MakeLine(WORD id, CPoint from, CPoint to)
{
    auto* line = new CPolyObj(id, from, to);
    return line;
}

// Owns the objects it lists.
struct ObjectSet
{
    ~ObjectSet()
    {
        while (!list.IsEmpty())
            DrawObjects::Destroy(list.RemoveHead());
    }
    template <typename T>
    T* Add(T* object)
    {
        list.AddTail(static_cast<CObject*>(object)); // a line is a list of points itself
        return object;
    }
    CObList list;
};

using GroupPtr = std::unique_ptr<CGroupObj, void (*)(CGroupObj*)>;
GroupPtr MakeGroup(WORD id, const CObList& objects)
{
    return GroupPtr(new CGroupObj(id, objects), [](CGroupObj* group) { group->DestroyObject(); });
}

const CRectObj* BoxMember(const CGroupObj& group, int index)
{
    return DYNAMIC_DOWNCAST(CRectObj, group.GetMemberList().GetAt(group.GetMemberList().FindIndex(index)));
}

const CPolyObj* LineMember(const CGroupObj& group, int index)
{
    return DYNAMIC_DOWNCAST(CPolyObj, group.GetMemberList().GetAt(group.GetMemberList().FindIndex(index)));
}

} // namespace

class GroupObj : public ::testing::Test
{
protected:
    GroupObj()
    {
        for (const CRuntimeClass* runtimeClass :
             {RUNTIME_CLASS(CRectObj), RUNTIME_CLASS(CPolyObj), RUNTIME_CLASS(CPointObj), RUNTIME_CLASS(CGroupObj)})
            AfxRegisterClass(runtimeClass);
    }

    TestAppServices m_app;
    MessageScript m_messages;
};

TEST_F(GroupObj, BuildsFromCopiesAndSpansTheMembers)
{
    ObjectSet objects;
    CRectObj* rect = objects.Add(new CRectObj(3, CRect(100, -100, 200, -200)));
    rect->SetCanDelete(FALSE);
    objects.Add(MakeLine(4, CPoint(300, -150), CPoint(400, -300)));
    const GroupPtr group = MakeGroup(9, objects.list);

    EXPECT_EQ(group->GetKind(), OBJKIND_GROUP);
    EXPECT_EQ(group->GetObjectId(), 9);
    EXPECT_EQ(group->GetRect(), CRect(100, -100, 400, -300));
    ASSERT_EQ(group->GetMemberList().GetCount(), 2);
    EXPECT_NE(BoxMember(*group, 0), rect);
    EXPECT_EQ(BoxMember(*group, 0)->GetObjectId(), 3);
    EXPECT_TRUE(BoxMember(*group, 0)->GetCanDelete());
    EXPECT_EQ(LineMember(*group, 1)->GetObjectId(), 4);
}

TEST_F(GroupObj, AMemberThatCannotBeCopiedFailsTheWholeGroupAndItsCopies)
{
    ObjectSet objects;
    objects.Add(new CRectObj(3, CRect(0, 0, 10, -10)));
    objects.Add(new UncopyableBox);
    EXPECT_THROW(CGroupObj(9, objects.list), CNotSupportedException);
    EXPECT_EQ(objects.list.GetCount(), 2);

    // A group that somehow holds such a member cannot be copied either.
    ObjectSet plain;
    plain.Add(new CRectObj(3, CRect(0, 0, 10, -10)));
    const GroupPtr group = MakeGroup(9, plain.list);
    const_cast<CObList&>(group->GetMemberList()).AddTail(new UncopyableBox);
    CObject* copy = reinterpret_cast<CObject*>(1);
    EXPECT_FALSE(CloneDrawObject(group.get(), copy));
    EXPECT_EQ(copy, nullptr);
}

TEST_F(GroupObj, MovesResizesAndMapsItsMembers)
{
    ObjectSet objects;
    objects.Add(new CRectObj(1, CRect(0, 0, 100, -100)));
    objects.Add(MakeLine(2, CPoint(50, -50), CPoint(100, -100)));
    const GroupPtr group = MakeGroup(9, objects.list);

    group->MoveBy(CSize(10, -20), HIT_BODY);
    EXPECT_EQ(group->GetRect(), CRect(10, -20, 110, -120));
    EXPECT_EQ(BoxMember(*group, 0)->GetRect(), CRect(10, -20, 110, -120));
    EXPECT_EQ(LineMember(*group, 1)->GetStartPoint(), CPoint(60, -70));

    // The right-centre handle doubles the width: every x distance from the left edge doubles.
    group->ResizeByHandle(CSize(100, 0), HIT_HANDLE | HIT_SIDE_RIGHT);
    EXPECT_EQ(group->GetRect(), CRect(10, -20, 210, -120));
    EXPECT_EQ(BoxMember(*group, 0)->GetRect(), CRect(10, -20, 210, -120));
    EXPECT_EQ(LineMember(*group, 1)->GetStartPoint(), CPoint(110, -70));
}

TEST_F(GroupObj, AFlatGroupResizesEachMemberByTheHandle)
{
    ObjectSet objects;
    objects.Add(new CRectObj(1, CRect(0, -50, 100, -50)));
    objects.Add(new CRectObj(2, CRect(200, -50, 300, -50)));
    const GroupPtr group = MakeGroup(9, objects.list);
    ASSERT_EQ(group->GetRect().Height(), 0);

    group->ResizeByHandle(CSize(0, -40), HIT_HANDLE | HIT_SIDE_BOTTOM);
    EXPECT_EQ(group->GetRect(), CRect(0, -50, 300, -90));
    EXPECT_EQ(BoxMember(*group, 1)->GetRect(), CRect(200, -50, 300, -90));
}

TEST_F(GroupObj, AttributesReachEveryMemberDownNestedGroups)
{
    ObjectSet inner;
    CRectObj* filled = inner.Add(new CRectObj(2, CRect(0, 0, 10, -10)));
    filled->SetFill(TRUE);
    inner.Add(MakeLine(3, CPoint(0, 0), CPoint(10, -10)));
    ObjectSet outer;
    outer.Add(new CRectObj(1, CRect(20, 0, 30, -10)))->SetFill(FALSE);
    outer.Add(new CGroupObj(4, inner.list));
    const GroupPtr group = MakeGroup(9, outer.list);
    group->SetFill(FALSE);
    const CGroupObj* nested = DYNAMIC_DOWNCAST(CGroupObj, group->GetMemberList().GetTail());

    // A toggle makes every box member equal to the group's new value; lines take no fill.
    EXPECT_TRUE(group->ApplyAttributeCommand(ID_OBJ_FILL, nullptr, 0));
    EXPECT_TRUE(BoxMember(*group, 0)->GetFill());
    EXPECT_TRUE(BoxMember(*nested, 0)->GetFill());

    EXPECT_TRUE(group->ApplyAttributeCommand(ID_PEN_SOLID_MEDIUM, nullptr, 0));
    EXPECT_EQ(BoxMember(*nested, 0)->GetPenWidth(), 4);
    EXPECT_EQ(LineMember(*nested, 1)->GetPenWidth(), 4);
    EXPECT_FALSE(group->ApplyAttributeCommand(ID_PEN_SOLID_MEDIUM, nullptr, 0));

    group->SetCanDelete(FALSE);
    EXPECT_FALSE(LineMember(*nested, 1)->GetCanDelete());
}

TEST_F(GroupObj, IsHitOnItsMembersOnly)
{
    ObjectSet objects;
    objects.Add(new CRectObj(1, CRect(0, 0, 100, -100)))->SetFill(TRUE);
    objects.Add(new CRectObj(2, CRect(400, 0, 500, -100)))->SetFill(TRUE);
    const GroupPtr group = MakeGroup(9, objects.list);
    EXPECT_TRUE(group->HitTest(CPoint(50, -50), 5, TRUE, FALSE));
    EXPECT_FALSE(group->HitTest(CPoint(250, -50), 5, TRUE, FALSE));
    group->SetHideDefine(TRUE);
    EXPECT_FALSE(group->HitTest(CPoint(50, -50), 5, FALSE, FALSE));

    DWORD hit = 0, part = 0;
    CPoint handle;
    EXPECT_TRUE(group->HitTestHandles(100, CPoint(500, -50), 0, 7, hit, part, handle, TRUE));
    EXPECT_EQ(hit, DWORD(0x42));
    EXPECT_FALSE(group->HitTestHandles(100, CPoint(250, -50), 0, 7, hit, part, handle, TRUE));
}

TEST_F(GroupObj, NumbersMembersDepthFirstAndCountsTheIds)
{
    ObjectSet inner;
    inner.Add(new CRectObj(50, CRect(0, 0, 10, -10)));
    inner.Add(MakeLine(51, CPoint(0, 0), CPoint(10, -10)));
    ObjectSet outer;
    outer.Add(new CRectObj(40, CRect(0, 0, 10, -10)));
    outer.Add(new CGroupObj(41, inner.list));
    outer.Add(MakeLine(42, CPoint(0, 0), CPoint(5, -5)));
    const GroupPtr group = MakeGroup(9, outer.list);

    EXPECT_EQ(group->GetMemberIdCount(), 5u);
    EXPECT_EQ(group->AssignMemberIds(100), 105);
    const CGroupObj* nested =
        DYNAMIC_DOWNCAST(CGroupObj, group->GetMemberList().GetAt(group->GetMemberList().FindIndex(1)));
    const std::vector<WORD> ids = {BoxMember(*group, 0)->GetObjectId(), nested->GetObjectId(),
                                   BoxMember(*nested, 0)->GetObjectId(), LineMember(*nested, 1)->GetObjectId(),
                                   LineMember(*group, 2)->GetObjectId()};
    EXPECT_EQ(ids, (std::vector<WORD>{100, 101, 102, 103, 104}));
    EXPECT_EQ(group->AssignMemberIds(0xFFFD), 0xFFFF);
}

TEST_F(GroupObj, StoresAndLoadsItsMembersInItsRecord)
{
    ObjectSet inner;
    inner.Add(new CRectObj(5, CRect(0, 0, 10, -10)));
    ObjectSet objects;
    objects.Add(new CRectObj(3, CRect(100, -100, 200, -200)));
    objects.Add(MakeLine(4, CPoint(300, -150), CPoint(400, -300)));
    objects.Add(new CGroupObj(6, inner.list));
    const GroupPtr group = MakeGroup(9, objects.list);

    auto store = [](CObject* object) {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            ar << object;
            ar.Close();
        }
        std::vector<BYTE> bytes(file.GetLength());
        file.SeekToBegin();
        file.Read(bytes.data(), UINT(bytes.size()));
        return bytes;
    };
    std::vector<BYTE> bytes = store(group.get());
    CMemFile file(bytes.data(), UINT(bytes.size()));
    CArchive ar(&file, CArchive::load);
    m_app.SetLoadedDocVersion(OBJECT_RECORD_VERSION);
    std::unique_ptr<CObject> loaded = ar.ReadNewObject(RUNTIME_CLASS(CObject), &DrawObjects::IsDrawObjectClass);
    auto* copy = DYNAMIC_DOWNCAST(CGroupObj, loaded.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetMemberList().GetCount(), 3);
    EXPECT_EQ(copy->GetRect(), group->GetRect());
    EXPECT_EQ(store(copy), bytes);
}

TEST_F(GroupObj, ExportsThePlainMembersBeforeTheNestedGroups)
{
    std::vector<WORD> rows;
    auto* nested = new CGroupObj;
    const_cast<CObList&>(nested->GetMemberList()).AddTail(new ExportingBox(3, rows));
    CGroupObj outer;
    auto& members = const_cast<CObList&>(outer.GetMemberList());
    members.AddTail(new ExportingBox(1, rows));
    members.AddTail(nested);
    members.AddTail(new ExportingBox(2, rows));
    long column = 0, row = 0;
    EXPECT_TRUE(outer.ExportExcelRow(nullptr, column, row, 0, nullptr));
    EXPECT_EQ(rows, (std::vector<WORD>{1, 2, 3}));
}
