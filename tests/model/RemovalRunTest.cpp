// Several removals of modelling objects in one undo step, as deleting or grouping a selection makes
// them: what came to refer to a file between two removals of the step lets go of it as well when
// the file goes, and the step undoes to the same bytes.
#include "document/UndoStep.h"
#include "model/Data.h"
#include "objects/RectObj.h"
#include "tests/model/ModelBytes.h"
#include "tests/model/RelationModel.h"

#include <gtest/gtest.h>

namespace RemovalRunTest {

BOOL Exists(const RelationModel& m, WORD id)
{
    CObject* object = nullptr;
    return m.doc.FindObjectById(id, object);
}

TEST(RemovalRun, WhatReferredToAFileSinceTheStepBeganLetsGoOfIt)
{
    RelationModel m;
    const WORD x1 = m.File("X1"), x2 = m.File("X2"), c = m.File("C"), d = m.File("D");
    const WORD fromX1 = m.Arrow(1, x1, c);
    const std::string before = ObjectListBytes(m.doc);
    WORD late = 0, linked = 0;
    CData* item = nullptr;
    {
        CUndoStep step(&m.doc);
        ASSERT_TRUE(m.doc.RemoveObject(&m.Get(x1)));
        // Changed after the first removal: C takes its definition file from X2 and an item of D
        // refers to X2.
        CFileComp& fileC = m.FileAt(c);
        m.doc.RecordChangedOnce(&fileC);
        fileC.SetPhyControlFile(x2, CString("X2"));
        CFileComp& fileD = m.FileAt(d);
        m.doc.RecordChangedOnce(&fileD);
        item = new CData(1, CString("XNo"), CString(), CString("N"), CString("N"), CString(), 0, 0, 0, 1, 0);
        item->SetRefFile(x2);
        item->SetRefItem(1);
        fileD.AddData(item);
        // Added after it: an arrow to X2 and a box linked to X2.
        late = m.Arrow(1, d, x2);
        auto* box = new CRectObj(m.doc.NewObjectId(), CRect(0, 0, 10, -10));
        box->SetLinkObjectId(x2);
        ASSERT_TRUE(m.doc.AddObject(box));
        linked = box->GetObjectId();
        ASSERT_TRUE(m.doc.RemoveObject(&m.Get(x2)));
    }
    EXPECT_FALSE(Exists(m, fromX1));
    EXPECT_FALSE(Exists(m, late));
    EXPECT_EQ(m.FileAt(c).GetPhyControlFileId(), 0);
    EXPECT_EQ(item->GetRefFile(), 0);
    EXPECT_EQ(m.Get<CRectObj>(linked).GetLinkObjectId(), 0);
    m.doc.Undo();
    EXPECT_EQ(ObjectListBytes(m.doc), before);
}

// A chain of files, each with an item referring to the one before and an arrow to the next, goes
// in one removal of the whole selection: nothing is left, and undo and redo give the same bytes.
TEST(RemovalRun, AChainOfFilesGoesInOneRemovalAndComesBack)
{
    RelationModel m;
    CObList all;
    WORD previous = 0;
    for (const char* name : {"A", "B", "C", "D"}) {
        const WORD file = m.File(name);
        if (previous != 0) {
            auto* item = new CData(1, CString("No"), CString(), CString("N"), CString("N"), CString(), 0, 0, 0, 1, 0);
            item->SetRefFile(previous);
            item->SetRefItem(1);
            m.FileAt(file).AddData(item);
            m.Arrow(1, previous, file);
        }
        previous = file;
    }
    const std::string before = ObjectListBytes(m.doc);
    for (POSITION pos = m.doc.GetObjectList()->GetHeadPosition(); pos;)
        all.AddTail(m.doc.GetObjectList()->GetNext(pos));
    {
        CUndoStep step(&m.doc);
        EXPECT_EQ(m.doc.RemoveObjects(all), 4); // the arrows went with their files
    }
    EXPECT_TRUE(m.doc.GetObjectList()->IsEmpty());
    m.doc.Undo();
    EXPECT_EQ(ObjectListBytes(m.doc), before);
    m.doc.Redo();
    EXPECT_TRUE(m.doc.GetObjectList()->IsEmpty());
}

} // namespace RemovalRunTest
