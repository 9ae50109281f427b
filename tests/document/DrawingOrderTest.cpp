// Moving objects in the drawing order: one place or to either end, recorded so that undo puts the
// object back after its former predecessor, and nothing recorded when nothing moves.
#include "tests/document/DocumentTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace drawing_order_test {

struct Row
{
    WORD id;
    UINT mode;
    std::vector<WORD> order; // after the move; 1, 2, 3, 4 when nothing moves
};

const std::vector<WORD> kStart{1, 2, 3, 4};

} // namespace drawing_order_test

using drawing_order_test::kStart;

class DrawingOrderChanges : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int i = 0; i < 4; ++i)
            AddRect(m_doc);
        m_doc.ClearUndoBuffer();
        m_doc.SetModifiedFlag(FALSE);
    }
    BOOL Change(CObject* object, UINT mode)
    {
        CUndoStep step(&m_doc);
        return m_doc.ChangeZOrder(object, mode);
    }

    TestApp m_app;
    TestDoc m_doc;
};

TEST_F(DrawingOrderChanges, MovesOnePlaceOrToAnEndAndUndoPutsItBack)
{
    using drawing_order_test::Row;
    for (const Row& row : {
             Row{3, ZORDER_FORWARD, {1, 2, 4, 3}}, // the second-last becomes the last
             Row{1, ZORDER_FORWARD, {2, 1, 3, 4}},
             Row{2, ZORDER_BACKWARD, {2, 1, 3, 4}}, // the second becomes the first
             Row{4, ZORDER_BACKWARD, {1, 2, 4, 3}},
             Row{2, ZORDER_TO_FRONT, {1, 3, 4, 2}},
             Row{3, ZORDER_TO_BACK, {3, 1, 2, 4}},
         }) {
        SCOPED_TRACE(testing::Message() << "object " << row.id << " mode " << row.mode);
        ASSERT_TRUE(Change(ObjectById(m_doc, row.id), row.mode));
        EXPECT_EQ(DrawingOrder(m_doc), row.order);
        EXPECT_TRUE(m_doc.IsModified());
        m_doc.Undo();
        EXPECT_EQ(DrawingOrder(m_doc), kStart);
        m_doc.Redo();
        EXPECT_EQ(DrawingOrder(m_doc), row.order);
        m_doc.Undo();
        m_doc.ClearUndoBuffer();
        m_doc.SetModifiedFlag(FALSE);
    }
}

TEST_F(DrawingOrderChanges, NothingMovesOrIsRecordedAtTheEndsOrForOtherRequests)
{
    using drawing_order_test::Row;
    CObList notADrawingObject;
    for (const Row& row : {
             Row{4, ZORDER_FORWARD, kStart}, // the front-most forward
             Row{4, ZORDER_TO_FRONT, kStart},
             Row{1, ZORDER_BACKWARD, kStart}, // the back-most backward
             Row{1, ZORDER_TO_BACK, kStart},
             Row{2, 0, kStart},
             Row{2, ZORDER_ALL, kStart},
             Row{2, 4, kStart},
         }) {
        SCOPED_TRACE(testing::Message() << "object " << row.id << " mode " << row.mode);
        EXPECT_FALSE(Change(ObjectById(m_doc, row.id), row.mode));
        EXPECT_EQ(DrawingOrder(m_doc), kStart);
    }
    EXPECT_FALSE(Change(nullptr, ZORDER_FORWARD));
    EXPECT_FALSE(Change(&notADrawingObject, ZORDER_TO_BACK));
    m_doc.SetReadOnly(TRUE);
    EXPECT_FALSE(Change(ObjectById(m_doc, 2), ZORDER_TO_FRONT));
    EXPECT_EQ(DrawingOrder(m_doc), kStart);
    EXPECT_FALSE(m_doc.CanUndo());
    EXPECT_FALSE(m_doc.IsModified());
}
