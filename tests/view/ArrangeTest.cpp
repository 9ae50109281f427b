// Arranging the selection: aligned edges, even spacing, cascades, equal sizes and centring, the
// drawing-order commands, select all, and when each command is enabled. Every command is one undo
// step.
#include "tests/view/ViewTestSupport.h"

#include "objects/PolyObj.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/FrameworkIds.h"

#include <vector>

namespace arrange_test {

// The rectangles of the objects in drawing order, which arranging keeps: the order they were added
// (and selected) in.
std::vector<CRect> RectsOf(const CBaseDoc& doc)
{
    std::vector<CRect> rects;
    const CObList* list = doc.GetObjectList();
    for (POSITION pos = list->GetHeadPosition(); pos;)
        rects.push_back(static_cast<const CRectObj*>(list->GetNext(pos))->GetRect());
    return rects;
}

} // namespace arrange_test

class Arrange : public ViewTest
{
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        Open();
    }
    // Adds the rectangles, selects them in that order and forgets how they came.
    std::vector<CRectObj*> Place(const std::vector<CRect>& rects)
    {
        std::vector<CRectObj*> objects;
        for (const CRect& r : rects) {
            objects.push_back(AddRect(r));
            m_view->AppendToSelection(objects.back());
        }
        m_doc->ClearUndoBuffer();
        m_doc->SetModifiedFlag(FALSE);
        return objects;
    }
    void Command(UINT id) { m_view->SendMessage(WM_COMMAND, id); }
    BOOL Enabled(UINT id)
    {
        CCmdUI state;
        state.m_nID = id;
        return m_view->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &state, nullptr) && state.IsEnabled();
    }
    std::vector<WORD> Order() const
    {
        std::vector<WORD> ids;
        const CObList* list = m_doc->GetObjectList();
        for (POSITION pos = list->GetHeadPosition(); pos;)
            ids.push_back(static_cast<const CRectObj*>(list->GetNext(pos))->GetObjectId());
        return ids;
    }
    void Select(const std::vector<CRectObj*>& objects)
    {
        m_view->ClearSelection();
        for (CRectObj* object : objects)
            m_view->AppendToSelection(object);
    }
    void Clear()
    {
        m_view->ClearSelection();
        CUndoStep step(m_doc);
        m_doc->RemoveObjects(*m_doc->GetObjectList());
        m_doc->ClearUndoBuffer();
    }
};

// Rectangles are (left, top, right, bottom) with y up; results are in the order of the start.
TEST_F(Arrange, EachArrangementMovesOrSizesTheSelectionInOneUndoStep)
{
    struct Row
    {
        UINT id;
        std::vector<CRect> start;
        std::vector<CRect> result;
    };
    const std::vector<CRect> three{{100, -100, 200, -200}, {250, -150, 400, -300}, {400, -50, 450, -120}};
    const std::vector<CRect> sizes{{100, -100, 400, -200}, {500, -100, 700, -400}};
    const std::vector<CRect> apart{{100, -100, 200, -200}, {300, -300, 500, -600}};
    const Row rows[] = {
        // clang-format off
        // Edges at the outermost one: lefts 100, 250 and 400 all go to 100.
        {ID_ALIGN_LEFT, three, {{100, -100, 200, -200}, {100, -150, 250, -300}, {100, -50, 150, -120}}},
        {ID_ALIGN_RIGHT, three, {{350, -100, 450, -200}, {300, -150, 450, -300}, {400, -50, 450, -120}}},
        {ID_ALIGN_TOP, three, {{100, -50, 200, -150}, {250, -50, 400, -200}, {400, -50, 450, -120}}},
        {ID_ALIGN_BOTTOM, three, {{100, -200, 200, -300}, {250, -150, 400, -300}, {400, -230, 450, -300}}},
        // Lefts 0, 100 and 1000, widths 100, 100 and 50: the gap is (1000 - 0 - 200) / 2 = 400, the
        // first stays, the others go to 500 and 1000; the order of selection does not matter.
        {ID_SPACE_HORIZONTAL, {{1000, -100, 1050, -200}, {0, -100, 100, -200}, {100, -300, 200, -400}},
                              {{1000, -100, 1050, -200}, {0, -100, 100, -200}, {500, -300, 600, -400}}},
        // Tops -100, -300 and -1000, heights 100, 100 and 50, spaced downwards by 350.
        {ID_SPACE_VERTICAL, {{100, -300, 200, -400}, {100, -1000, 200, -1050}, {300, -100, 400, -200}},
                            {{100, -550, 200, -650}, {100, -1000, 200, -1050}, {300, -100, 400, -200}}},
        // Four corners on the diagonal in the order of their lefts (100, 250, 400, 710): steps of
        // 610 / 3 across (the fraction dropped) and 600 / 3 down, or up from the lowest top.
        {ID_CASCADE_FROM_TOP_LEFT,
         {{400, -100, 450, -150}, {100, -700, 150, -750}, {710, -400, 760, -450}, {250, -160, 300, -210}},
         {{506, -500, 556, -550}, {100, -100, 150, -150}, {710, -700, 760, -750}, {303, -300, 353, -350}}},
        {ID_CASCADE_FROM_TOP_RIGHT,
         {{400, -100, 450, -150}, {100, -700, 150, -750}, {710, -400, 760, -450}, {250, -160, 300, -210}},
         {{506, -300, 556, -350}, {100, -700, 150, -750}, {710, -100, 760, -150}, {303, -500, 353, -550}}},
        // Widths 300 and 200 both become 200, heights 100 and 300 both 100; left and top stay.
        {ID_SAME_WIDTH, sizes, {{100, -100, 300, -200}, {500, -100, 700, -400}}},
        {ID_SAME_HEIGHT, sizes, {{100, -100, 400, -200}, {500, -100, 700, -200}}},
        {ID_SAME_SIZE, sizes, {{100, -100, 300, -200}, {500, -100, 700, -200}}},
        // The selection's centre is (300, -350).
        {ID_CENTER_VERTICAL, apart, {{250, -100, 350, -200}, {200, -300, 400, -600}}},
        {ID_CENTER_HORIZONTAL, apart, {{100, -300, 200, -400}, {300, -200, 500, -500}}},
        // clang-format on
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "command " << row.id);
        Place(row.start);
        Command(row.id);
        EXPECT_EQ(arrange_test::RectsOf(*m_doc), row.result);
        EXPECT_TRUE(m_doc->IsModified());
        m_doc->Undo();
        EXPECT_EQ(arrange_test::RectsOf(*m_doc), row.start);
        EXPECT_FALSE(m_doc->CanUndo());
        Clear();
    }
}

TEST_F(Arrange, ReadOnlyDocumentsAreNotArranged)
{
    const std::vector<CRect> start{{100, -100, 200, -200}, {250, -150, 400, -300}};
    Place(start);
    m_doc->SetReadOnly(TRUE);
    for (UINT id : {ID_ALIGN_LEFT, ID_SAME_SIZE, ID_ARRANGE_TO_FRONT, ID_SPACE_HORIZONTAL})
        Command(id);
    EXPECT_EQ(arrange_test::RectsOf(*m_doc), start);
    EXPECT_EQ(Order(), std::vector<WORD>({1, 2}));
    EXPECT_FALSE(m_doc->CanUndo());
}

TEST_F(Arrange, DrawingOrderCommandsMoveEveryObjectThatCanMoveInOneStep)
{
    const CRect r(100, -100, 200, -200);
    const auto objects = Place({r, r, r, r}); // ids 1 to 4, 4 in front
    struct Row
    {
        UINT id;
        std::vector<int> selected; // indexes into objects, in selection order
        std::vector<WORD> order;
    };
    const Row rows[] = {
        // clang-format off
        {ID_ARRANGE_FORWARD, {3}, {1, 2, 3, 4}},  // the front-most forward: nothing happens
        {ID_ARRANGE_BACKWARD, {0}, {1, 2, 3, 4}},
        {ID_ARRANGE_FORWARD, {2}, {1, 2, 4, 3}},
        {ID_ARRANGE_BACKWARD, {1}, {2, 1, 3, 4}},
        // The selected objects end in selection order, the first selected furthest back.
        {ID_ARRANGE_TO_FRONT, {2, 1}, {1, 4, 3, 2}},
        {ID_ARRANGE_TO_BACK, {2, 1}, {3, 2, 1, 4}},
        // One already in place does not stop the others.
        {ID_ARRANGE_TO_FRONT, {3, 1}, {1, 3, 4, 2}},
        {ID_ARRANGE_TO_BACK, {2, 0}, {3, 1, 2, 4}},
        // clang-format on
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "command " << row.id << " first " << row.selected.front());
        std::vector<CRectObj*> selection;
        for (int i : row.selected)
            selection.push_back(objects[size_t(i)]);
        Select(selection);
        Command(row.id);
        EXPECT_EQ(Order(), row.order);
        const bool moved = row.order != std::vector<WORD>({1, 2, 3, 4});
        EXPECT_EQ(m_doc->CanUndo(), moved); // nothing moved, nothing recorded
        EXPECT_EQ(m_doc->IsModified(), moved);
        if (moved)
            m_doc->Undo();
        EXPECT_EQ(Order(), std::vector<WORD>({1, 2, 3, 4}));
        EXPECT_FALSE(m_doc->CanUndo());
        m_doc->ClearUndoBuffer();
        m_doc->SetModifiedFlag(FALSE);
    }
}

TEST_F(Arrange, CommandsAreEnabledByTheSelectionAndTheDocument)
{
    const UINT ids[] = {
        ID_ARRANGE_FORWARD,  ID_ARRANGE_TO_BACK,       ID_ALIGN_LEFT,      ID_SAME_WIDTH,       ID_CENTER_VERTICAL,
        ID_SPACE_HORIZONTAL, ID_CASCADE_FROM_TOP_LEFT, ID_EDIT_SELECT_ALL, ID_SELECT_ALL_FILES, ID_VIEW_REDRAW};
    auto states = [&] {
        std::vector<int> enabled;
        for (UINT id : ids)
            enabled.push_back(Enabled(id) ? 1 : 0);
        return enabled;
    };
    // Nothing to select or redraw in an empty document.
    EXPECT_EQ(states(), std::vector<int>({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    const CRect r(100, -100, 200, -200);
    const auto objects = Place({r, r, r});
    struct Row
    {
        int selected;
        BOOL readOnly;
        std::vector<int> enabled;
    };
    const Row rows[] = {
        // clang-format off
        //                  fwd back left width centre space cascade all files redraw
        {0, FALSE, std::vector<int>{0, 0,   0,   0,    0,     0,    0,      1,  1,    1}},
        {1, FALSE, std::vector<int>{1, 1,   0,   0,    0,     0,    0,      1,  1,    1}},
        {2, FALSE, std::vector<int>{0, 1,   1,   1,    1,     0,    0,      1,  1,    1}},
        {3, FALSE, std::vector<int>{0, 1,   1,   1,    1,     1,    1,      1,  1,    1}},
        {3, TRUE,  std::vector<int>{0, 0,   0,   0,    0,     0,    0,      1,  1,    1}},
        // clang-format on
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.selected << " selected, read-only " << row.readOnly);
        Select(std::vector<CRectObj*>(objects.begin(), objects.begin() + row.selected));
        m_doc->SetReadOnly(row.readOnly);
        EXPECT_EQ(states(), row.enabled);
    }
    // Inserting and activating embedded objects stays unavailable: nothing handles those commands
    // and the view refuses the tool.
    m_doc->SetReadOnly(FALSE);
    for (UINT id : {ID_OLE_INSERT_NEW, ID_OLE_INSERT_NEW + 1, ID_OLE_INSERT_NEW + 2})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_FALSE(m_view->IsToolAllowed(ID_TOOL_OLE));
}

TEST_F(Arrange, SelectAllSelectsInDrawingOrder)
{
    const CRect r(100, -100, 200, -200);
    const auto objects = Place({r, r, r});
    Select({objects[2]});
    Command(ID_EDIT_SELECT_ALL);
    const CObList& selection = m_view->GetSelection();
    std::vector<CObject*> selected;
    for (POSITION pos = selection.GetHeadPosition(); pos;)
        selected.push_back(selection.GetNext(pos));
    EXPECT_EQ(selected, std::vector<CObject*>(objects.begin(), objects.end()));
    // No conceptual files: selecting them all leaves nothing selected.
    Command(ID_SELECT_ALL_FILES);
    EXPECT_FALSE(m_view->HasSelection());
    EXPECT_FALSE(m_doc->CanUndo());
}

TEST_F(Arrange, CentringHandsALineAmongBoxesTheCentreAndMovesALineAlone)
{
    Place({{100, -100, 200, -200}, {300, -300, 500, -600}}); // centre (300, -350)
    CPolyObj* line = nullptr;
    {
        CUndoStep step(m_doc);
        line = new CPolyObj(m_doc->NewObjectId(), CPoint(600, -100), CPoint(700, -180));
        ASSERT_TRUE(m_doc->AddObject(line));
    }
    m_view->AppendToSelection(line);
    m_doc->ClearUndoBuffer();
    // The line's point handles take the centre's height for both ends: it lies level through it.
    Command(ID_CENTER_HORIZONTAL);
    EXPECT_EQ(line->GetStartPoint(), CPoint(600, -350));
    EXPECT_EQ(line->GetEndPoint(), CPoint(700, -350));
    m_doc->Undo();
    CObject* restored = nullptr;
    ASSERT_TRUE(m_doc->FindObjectById(3, restored));
    line = static_cast<CPolyObj*>(restored);
    EXPECT_EQ(line->GetEndPoint(), CPoint(700, -180));

    // Lines alone centre like boxes: by the centres of their rectangles.
    Select({});
    m_view->AppendToSelection(line);
    CPolyObj* other = nullptr;
    {
        CUndoStep step(m_doc);
        other = new CPolyObj(m_doc->NewObjectId(), CPoint(100, -400), CPoint(300, -400));
        ASSERT_TRUE(m_doc->AddObject(other));
    }
    m_view->AppendToSelection(other); // centre x 100 + (700 - 100) / 2 = 400
    Command(ID_CENTER_VERTICAL);
    EXPECT_EQ(line->GetStartPoint(), CPoint(350, -100));
    EXPECT_EQ(other->GetStartPoint(), CPoint(300, -400));
}
