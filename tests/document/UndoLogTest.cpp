#include "tests/document/DocumentTestSupport.h"

#include "tests/support/MessageScript.h"

#include "foundation/CommandIds.h"
#include "objects/DrawObjects.h"
#include "objects/PolyObj.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Order = std::vector<WORD>;


} // namespace

class UndoLog : public ::testing::Test
{
protected:
    // Adds rectangles with the ids 1..count, each in a step of its own.
    void AddRects(int count)
    {
        for (int i = 0; i < count; ++i)
            AddRect(m_doc);
    }
    void Remove(WORD id) { ASSERT_TRUE(m_doc.RemoveObject(ObjectById(m_doc, id))); }
    void Move(WORD id, int dx)
    {
        const CSize offset(dx, 0);
        ASSERT_TRUE(m_doc.MoveOrResizeObject(ObjectById(m_doc, id), TRUE, &offset, 1, 0));
    }
    // What a z-order mover does: record the move, then place the object after another (0: first).
    void MoveAfter(WORD id, WORD predecessorId)
    {
        CObList* list = m_doc.GetObjectList();
        const POSITION pos = list->Find(ObjectById(m_doc, id));
        m_doc.RecordMovedForUndo(m_doc.GetPredecessorId(pos), id);
        m_doc.MoveObjectAfter(pos, predecessorId ? list->Find(ObjectById(m_doc, predecessorId)) : nullptr);
    }
    int Left(WORD id) const { return ObjectById(m_doc, id)->GetRect().left; }

    TestApp m_app;
    TestDoc m_doc;
};

TEST_F(UndoLog, AddedObjectsLeaveOnUndoAndReturnInOrderOnRedo)
{
    AddRects(1);
    {
        CUndoStep step(&m_doc);
        m_doc.AddObject(new CRectObj(m_doc.NewObjectId(), CRect(0, 0, 10, -10)));
        m_doc.AddObject(new CRectObj(m_doc.NewObjectId(), CRect(0, 0, 10, -10)));
    }
    m_doc.Undo();
    EXPECT_EQ(DrawingOrder(m_doc), Order({1}));
    m_doc.Redo();
    EXPECT_EQ(DrawingOrder(m_doc), Order({1, 2, 3}));
    EXPECT_FALSE(m_doc.CanRedo());
}

TEST_F(UndoLog, ChangedObjectReturnsToItsStateBeforeTheStep)
{
    AddRects(1);
    {
        CUndoStep step(&m_doc);
        Move(1, 10);
        Move(1, 10); // recorded once: the copy before the first move is kept
    }
    EXPECT_EQ(m_doc.GetCurrentUndoStep()->GetCount(), 1);
    m_doc.Undo();
    EXPECT_EQ(Left(1), 100);
    m_doc.Redo();
    EXPECT_EQ(Left(1), 120);
}

TEST_F(UndoLog, DeletionsComeBackInPlace)
{
    struct Case
    {
        std::vector<WORD> removed; // in removal order, one step
        Order after;
    };
    const Case cases[] = {
        // clang-format off
        {{1}, {2, 3}},       // the first object goes back to the head
        {{3}, {1, 2}},       // the last to the tail
        {{2, 1}, {3}},       // two in one step
        {{1, 2, 3}, {}},     // all of them
        // clang-format on
    };
    for (const Case& c : cases) {
        TestDoc doc;
        for (int i = 0; i < 3; ++i)
            AddRect(doc);
        {
            CUndoStep step(&doc);
            for (WORD id : c.removed)
                ASSERT_TRUE(doc.RemoveObject(ObjectById(doc, id)));
        }
        EXPECT_EQ(DrawingOrder(doc), c.after);
        doc.Undo();
        EXPECT_EQ(DrawingOrder(doc), Order({1, 2, 3}));
        doc.Redo();
        EXPECT_EQ(DrawingOrder(doc), c.after);
    }
}

TEST_F(UndoLog, DrawingOrderSurvivesRepeatedUndoAndRedoOfRemovals)
{
    // Drawing order no longer follows the ids: 3 was sent to the back.
    AddRects(3);
    {
        CUndoStep step(&m_doc);
        MoveAfter(3, 0);
    }
    ASSERT_EQ(DrawingOrder(m_doc), Order({3, 1, 2}));
    {
        CUndoStep step(&m_doc);
        Remove(1);
        Remove(2);
    }
    for (int round = 0; round < 2; ++round) {
        m_doc.Undo();
        EXPECT_EQ(DrawingOrder(m_doc), Order({3, 1, 2}));
        m_doc.Redo();
        EXPECT_EQ(DrawingOrder(m_doc), Order({3}));
    }
}

TEST_F(UndoLog, ObjectAddedAndRemovedInOneStep)
{
    AddRects(1);
    {
        CUndoStep step(&m_doc);
        m_doc.AddObject(new CRectObj(m_doc.NewObjectId(), CRect(0, 0, 10, -10)));
        Remove(2);
    }
    EXPECT_EQ(DrawingOrder(m_doc), Order({1}));
    m_doc.Undo();
    EXPECT_EQ(DrawingOrder(m_doc), Order({1}));
    m_doc.Redo();
    EXPECT_EQ(DrawingOrder(m_doc), Order({1}));
    m_doc.Undo();
    EXPECT_EQ(DrawingOrder(m_doc), Order({1}));
}

TEST_F(UndoLog, ZOrderMoveReturnsAfterItsFormerPredecessor)
{
    AddRects(4);
    {
        CUndoStep step(&m_doc);
        MoveAfter(2, 4); // to the front
    }
    EXPECT_EQ(DrawingOrder(m_doc), Order({1, 3, 4, 2}));
    m_doc.Undo();
    EXPECT_EQ(DrawingOrder(m_doc), Order({1, 2, 3, 4}));
    m_doc.Redo();
    EXPECT_EQ(DrawingOrder(m_doc), Order({1, 3, 4, 2}));
    {
        CUndoStep step(&m_doc);
        MoveAfter(4, 0); // to the back
    }
    m_doc.Undo();
    EXPECT_EQ(DrawingOrder(m_doc), Order({1, 3, 4, 2}));
}

TEST_F(UndoLog, TwentyStepsAreKeptAndTheOldestGoes)
{
    AddRects(21);
    int undone = 0;
    while (m_doc.CanUndo()) {
        m_doc.Undo();
        ++undone;
    }
    EXPECT_EQ(undone, 20);
    EXPECT_EQ(DrawingOrder(m_doc), Order({1}));
    int redone = 0;
    while (m_doc.CanRedo()) {
        m_doc.Redo();
        ++redone;
    }
    EXPECT_EQ(redone, 20);
    EXPECT_EQ(m_doc.GetObjectList()->GetCount(), 21);
}

TEST_F(UndoLog, NewStepAfterUndoDropsRedo)
{
    AddRects(2);
    m_doc.Undo();
    ASSERT_TRUE(m_doc.CanRedo());
    AddRects(1);
    EXPECT_FALSE(m_doc.CanRedo());
    EXPECT_EQ(DrawingOrder(m_doc), Order({1, 3}));
}

TEST_F(UndoLog, EmptyStepIsReusedAndNestedGuardsShareOneStep)
{
    AddRects(1);
    EXPECT_TRUE(m_doc.BeginUndoStep());
    const int index = m_doc.GetUndoIndex();
    EXPECT_TRUE(m_doc.BeginUndoStep()); // nothing recorded: the same step
    EXPECT_EQ(m_doc.GetUndoIndex(), index);
    {
        CUndoStep outer(&m_doc);
        Move(1, 5);
        CUndoStep inner(&m_doc);
        EXPECT_TRUE(inner.IsOpen());
        Move(1, 5);
        AddRect(m_doc); // opens its own guard, which joins the command's step
    }
    EXPECT_EQ(m_doc.GetUndoIndex(), index);
    m_doc.Undo();
    EXPECT_EQ(DrawingOrder(m_doc), Order({1}));
    EXPECT_EQ(Left(1), 100);
}

TEST_F(UndoLog, AStepThatChangedNothingDoesNotHideTheEditsBeforeIt)
{
    AddRects(2);
    ASSERT_TRUE(m_doc.BeginUndoStep()); // a command that ends up changing nothing
    EXPECT_TRUE(m_doc.CanUndo());
    m_doc.Undo();
    EXPECT_EQ(DrawingOrder(m_doc), Order({1}));
    ASSERT_TRUE(m_doc.CanRedo());
    m_doc.Redo();
    EXPECT_EQ(DrawingOrder(m_doc), Order({1, 2}));
    EXPECT_FALSE(m_doc.CanRedo());
    m_doc.Undo();
    m_doc.Undo();
    EXPECT_TRUE(m_doc.GetObjectList()->IsEmpty());
    EXPECT_FALSE(m_doc.CanUndo());
}

TEST_F(UndoLog, RecordsWhoseObjectsWentElsewhereAreSkipped)
{
    AddRects(3);
    {
        CUndoStep step(&m_doc);
        Move(1, 10);
        MoveAfter(2, 3);
    }
    // Objects taken out behind the log's back, as no document operation would.
    CObList* list = m_doc.GetObjectList();
    for (WORD id : {WORD(1), WORD(3)}) {
        CObject* object = ObjectById(m_doc, id);
        list->RemoveAt(list->Find(object));
        delete object;
    }
    m_doc.Undo();
    EXPECT_EQ(DrawingOrder(m_doc), Order({2}));
    m_doc.Redo();
    EXPECT_EQ(DrawingOrder(m_doc), Order({2}));
}

TEST_F(UndoLog, ReadOnlyDocumentNeitherUndoesNorRedoes)
{
    AddRects(2);
    m_doc.Undo();
    m_doc.SetReadOnly(TRUE);
    EXPECT_FALSE(m_doc.CanUndo());
    EXPECT_FALSE(m_doc.CanRedo());
    m_doc.Redo();
    m_doc.Undo();
    EXPECT_EQ(DrawingOrder(m_doc), Order({1}));
}

TEST_F(UndoLog, ClearingTheLogEndsUndoAndRedo)
{
    AddRects(2);
    m_doc.Undo();
    m_doc.ClearUndoBuffer();
    EXPECT_FALSE(m_doc.CanUndo());
    EXPECT_FALSE(m_doc.CanRedo());
    EXPECT_EQ(m_doc.GetUndoIndex(), -1);
}

TEST_F(UndoLog, AChangeRecordedWithNoOpenStepStopsADebugBuild)
{
    // The previous command's step is still current: without the check the change would join it.
    AddRects(2);
    const std::function<void()> unguardedEdits[] = {
        [this] { m_doc.AddObject(new CRectObj(m_doc.NewObjectId(), CRect(0, 0, 10, -10))); },
        [this] { m_doc.RemoveObject(ObjectById(m_doc, 1)); },
        [this] { Move(2, 10); },
    };
    for (const auto& edit : unguardedEdits)
        EXPECT_DEBUG_DEATH(edit(), "no CUndoStep open");
}

TEST_F(UndoLog, LinesFollowTheirBoxesAndComeBackWithThem)
{
    const auto LineById = [this](WORD id) {
        CObject* object = nullptr;
        m_doc.FindObjectById(id, object);
        return DrawObjects::AsLineObject(object);
    };
    AddRects(1); // (100, -100, 200, -200)
    CPolyObj* line = AddLine(m_doc, {CPoint(200, -150), CPoint(400, -150), CPoint(400, -300)});
    ASSERT_NE(line, nullptr);
    line->SetStartObjectId(1);
    const std::vector<CPoint> drawn = line->GetPointArray();
    {
        CUndoStep step(&m_doc);
        Move(1, 10);
        const CSize offset(0, -20);
        // Control on the midpoint of the second segment: a point is inserted there.
        ASSERT_TRUE(
            m_doc.MoveOrResizeObject(line, TRUE, &offset, HIT_SHAPE_HANDLE | HIT_LINE_MIDPOINT | HIT_LINE_INSERT, 2));
        ASSERT_TRUE(m_doc.ApplyObjectCommand(line, ID_OBJ_HIDE_DEFINE, nullptr, 0));
    }
    line = LineById(2);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->GetPointArray(), (std::vector<CPoint>{{210, -150}, {400, -150}, {400, -245}, {400, -300}}))
        << "the start follows the box along its horizontal segment; the new point lies below the midpoint";
    EXPECT_FALSE(line->GetHideDefine());
    m_doc.Undo();
    line = LineById(2);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->GetPointArray(), drawn);
    EXPECT_TRUE(line->GetHideDefine());
    EXPECT_EQ(Left(1), 100);
    m_doc.Redo();
    line = LineById(2);
    EXPECT_EQ(line->GetCount(), 4);
    EXPECT_EQ(line->GetStartObjectId(), 1);
}
