#include "tests/objects/ObjectsTestSupport.h"
#include "tests/support/MessageScript.h"
#include "tests/support/TestAppServices.h"

#include "objects/CopyHold.h"
#include "objects/CopyList.h"
#include "objects/DrawObjects.h"
#include "objects/GroupObj.h"
#include "objects/PointObj.h"
#include "objects/PolyObj.h"
#include "objects/RectObj.h"
#include "platform/afx/Archive.h"
#include "platform/afx/Exception.h"
#include "platform/afx/MemFile.h"
#include "platform/ui/OleDataObject.h"

#include <QMimeData>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Data handed over under the drawing-object format.
struct HandedData
{
    explicit HandedData(const QByteArray& bytes)
    {
        mime.setData(GetClipboardFormatMimeType(GetDrawObjectClipFormat()), bytes);
        data.Attach(mime);
    }
    QMimeData mime;
    COleDataObject data;
};

struct OwnedList
{
    ~OwnedList()
    {
        while (!list.IsEmpty())
            DrawObjects::Destroy(list.RemoveHead());
    }
    CObList list;
};

} // namespace

class CopyList : public ::testing::Test
{
protected:
    CopyList()
    {
        for (const CRuntimeClass* runtimeClass :
             {RUNTIME_CLASS(CRectObj), RUNTIME_CLASS(CPolyObj), RUNTIME_CLASS(CPointObj), RUNTIME_CLASS(CGroupObj)})
            AfxRegisterClass(runtimeClass);
    }
    TestAppServices m_app;
    MessageScript m_messages;
};

TEST_F(CopyList, CloneKeepsEveryFieldAndMakesTheCopyDeletable)
{
    CRectObj rect(12, CRect(1, -2, 30, -40));
    rect.SetCanDelete(FALSE);
    rect.SetPenWidth(8);
    CObject* copy = nullptr;
    ASSERT_TRUE(CloneDrawObject(&rect, copy));
    std::unique_ptr<CObject> owned(copy);
    auto* cloned = DYNAMIC_DOWNCAST(CRectObj, copy);
    ASSERT_NE(cloned, nullptr);
    EXPECT_EQ(cloned->GetObjectId(), 12);
    EXPECT_EQ(cloned->GetRect(), rect.GetRect());
    EXPECT_EQ(cloned->GetPenWidth(), 8);
    EXPECT_TRUE(cloned->GetCanDelete());
    EXPECT_FALSE(rect.GetCanDelete());

    // Undo records keep exact copies: the flag stays as it was.
    std::unique_ptr<CObject> exact(DrawObjects::Clone(&rect));
    EXPECT_FALSE(DYNAMIC_DOWNCAST(CRectObj, exact.get())->GetCanDelete());

    CObject* none = reinterpret_cast<CObject*>(1);
    EXPECT_FALSE(CloneDrawObject(nullptr, none));
    EXPECT_EQ(none, nullptr);
    CObList notDrawing;
    CObject* untouched = reinterpret_cast<CObject*>(1);
    EXPECT_FALSE(CloneDrawObject(&notDrawing, untouched));
    EXPECT_EQ(untouched, reinterpret_cast<CObject*>(1));
}

TEST_F(CopyList, FillsWithCopiesOfDrawingObjectsOnly)
{
    OwnedList source;
    source.list.AddTail(new CRectObj(1, CRect(0, 100, 10, 50)));
    CObList notDrawing;
    CObList mixed;
    mixed.AddTail(&notDrawing);
    mixed.AddTail(source.list.GetHead());
    mixed.AddTail(static_cast<CObject*>(new CPolyObj(1, CPoint(0, 300), CPoint(20, 200))));
    source.list.AddTail(mixed.GetTail());

    CCopyList buffer;
    EXPECT_EQ(buffer.FillFromObjects(mixed, nullptr), 2);
    CRect bounds(-1, -1, -1, -1);
    EXPECT_EQ(buffer.GetBoundRect(bounds), CRect(0, 300, 20, 50));
    CCopyHold* hold = nullptr;
    ASSERT_TRUE(buffer.LookupById(1, hold));
    EXPECT_TRUE(hold->GetObject()->IsKindOf(RUNTIME_CLASS(CRectObj))); // the first of equal ids wins
    EXPECT_NE(hold->GetObject(), source.list.GetHead());
    EXPECT_EQ(buffer.FindBaseObjHold(1), hold);

    CObList onlyOthers;
    onlyOthers.AddTail(&notDrawing);
    EXPECT_EQ(buffer.FillFromObjects(onlyOthers, nullptr), 0);
    EXPECT_TRUE(buffer.IsEmpty());
    EXPECT_EQ(buffer.GetBoundRect(bounds), CRect(0, 300, 20, 50)); // left as passed
}

TEST_F(CopyList, ReadsTheClipboardFormatInTheCurrentLayoutWhateverDocumentWasReadLast)
{
    OwnedList copied;
    copied.list.AddTail(new CRectObj(4, CRect(0, 0, 10, -10)));
    copied.list.AddTail(static_cast<CObject*>(new CPolyObj(5, CPoint(0, 0), CPoint(50, -50))));
    copied.list.AddTail(new CGroupObj(6, copied.list));
    const HandedData handed(StoreDrawObjects(copied.list));

    // An older document read last must not make the line records read another layout.
    m_app.SetLoadedDocVersion(3);
    CCopyList buffer;
    EXPECT_EQ(buffer.LoadFromDataObject(handed.data, nullptr), 3);
    EXPECT_EQ(m_app.GetLoadedDocVersion(), 3);
    CCopyHold* hold = nullptr;
    ASSERT_TRUE(buffer.LookupById(5, hold));
    EXPECT_EQ(DrawObjects::AsLineObject(hold->GetObject())->GetEndPoint(), CPoint(50, -50));
    ASSERT_TRUE(buffer.LookupById(6, hold));
    EXPECT_EQ(DYNAMIC_DOWNCAST(CGroupObj, hold->GetObject())->GetMemberList().GetCount(), 2);
}

TEST_F(CopyList, ForeignOrDamagedDataLeavesTheBufferAsItWas)
{
    OwnedList copied;
    copied.list.AddTail(new CRectObj(4, CRect(0, 0, 10, -10)));
    CCopyList buffer;
    ASSERT_EQ(buffer.FillFromObjects(copied.list, nullptr), 1);

    COleDataObject empty;
    EXPECT_EQ(buffer.LoadFromDataObject(empty, nullptr), -1);
    QByteArray bytes = StoreDrawObjects(copied.list);
    bytes.chop(6);
    const HandedData damaged(bytes);
    m_app.SetLoadedDocVersion(3);
    EXPECT_THROW(buffer.LoadFromDataObject(damaged.data, nullptr), CArchiveException);
    EXPECT_EQ(m_app.GetLoadedDocVersion(), 3);
    EXPECT_EQ(buffer.GetCount(), 1);
}
