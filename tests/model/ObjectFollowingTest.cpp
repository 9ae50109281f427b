// What follows a moved or resized object through the document: line ends on it, relation arrows
// with their side, substructure and self-reference rules, implementation groups and linked boxes;
// all in the move's undo step. The active view's selection decides what moves by itself.
#include "tests/document/DocumentTestSupport.h"

#include "document/FollowBatch.h"
#include "document/UndoStep.h"
#include "document/ViewServices.h"
#include "model/DataModelClasses.h"
#include "model/FileImplObj.h"
#include "model/RelLineObj.h"
#include "objects/RectObj.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/View.h"
#include "platform/ui/WinApp.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

namespace ObjectFollowingTest {

// The active view reduced to the ids it has selected.
class PickView : public CView, public ViewServices
{
public:
    void AddToSelection(CObject*) override {}
    void AppendToSelection(CObject*) override {}
    void RemoveFromSelection(CObject*) override {}
    void InvalidateSelection() override {}
    void ClearSelection() override { ids.clear(); }
    void SetCurrentObject(CObject*) override {}
    BOOL IsObjectIdSelected(WORD id) const override { return ids.contains(id); }
    BOOL GetSelectedObjectIds(std::vector<WORD>& out) const override
    {
        if (!listsIds)
            return FALSE;
        out.assign(ids.begin(), ids.end());
        return TRUE;
    }
    void EndInPlaceEditAndRefresh() override {}
    void UpdateScrollSizes() override {}
    BOOL SnapToGrid(POINT&) const override { return FALSE; }
    void OnDraw(CDC*) override {}

    std::set<WORD> ids;
    BOOL listsIds = TRUE;
};

using Points = std::vector<CPoint>;

class ObjectFollowing : public ::testing::Test
{
protected:
    ObjectFollowing()
    {
        RegisterDataModelClasses();
        m_winApp.m_pMainWnd = &m_frame;
        m_doc.AddView(&m_view);
        m_frame.SetActiveView(&m_view, FALSE);
    }
    ~ObjectFollowing() override
    {
        m_frame.SetActiveView(nullptr, FALSE);
        m_doc.RemoveView(&m_view);
        m_winApp.m_pMainWnd = nullptr;
    }

    WORD Add(CObject* object)
    {
        CUndoStep step(&m_doc);
        EXPECT_TRUE(m_doc.AddObject(object));
        return DrawObjects::GetObjectId(object);
    }
    WORD Box(const CRect& rect) { return Add(new CRectObj(m_doc.NewObjectId(), rect)); }
    template <class Line>
    WORD Connect(Line* line, const Points& points, WORD startId, WORD endId)
    {
        for (const CPoint& p : points)
            line->AddPoint(p);
        line->SetStartObjectId(startId);
        line->SetEndObjectId(endId);
        return Add(line);
    }
    WORD Line(const Points& points, WORD startId, WORD endId)
    {
        return Connect(new CPolyObj(m_doc.NewObjectId()), points, startId, endId);
    }
    WORD Arrow(WORD kind, const Points& points, WORD startId, WORD endId)
    {
        return Connect(new CRelLineObj(m_doc.NewObjectId(), kind), points, startId, endId);
    }

    CObject* Get(WORD id) const
    {
        CObject* object = nullptr;
        m_doc.FindObjectById(id, object);
        return object;
    }
    Points PointsOf(WORD id) const { return DrawObjects::AsLineObject(Get(id))->GetPointArray(); }
    CRect RectOf(WORD id) const { return DrawObjects::AsBoxObject(Get(id))->GetRect(); }

    struct Move
    {
        WORD id;
        CSize offset;
    };
    // How a command reaches the selection: in a batch that names no view (the active view's), in a
    // batch that names the view while no view is active, or unbatched (the active view's).
    enum class Via { activeView, batchView, unbatched };
    // One command moving the objects in turn, as the view's drag does.
    void MoveInOneStep(const std::vector<Move>& moves, DWORD extra = 0, Via via = Via::activeView)
    {
        CUndoStep step(&m_doc);
        if (via == Via::batchView)
            m_frame.SetActiveView(nullptr, FALSE);
        std::unique_ptr<CFollowBatch> batch;
        if (via != Via::unbatched)
            batch = std::make_unique<CFollowBatch>(&m_doc, via == Via::batchView ? &m_view : nullptr);
        for (const Move& move : moves)
            ASSERT_TRUE(m_doc.MoveOrResizeObject(Get(move.id), TRUE, &move.offset, HIT_BODY, extra));
        batch.reset();
        m_frame.SetActiveView(&m_view, FALSE);
    }
    void Resize(WORD id, DWORD sides, CSize offset)
    {
        CUndoStep step(&m_doc);
        ASSERT_TRUE(m_doc.MoveOrResizeObject(Get(id), TRUE, &offset, HIT_HANDLE | sides, 0));
    }

    TestApp m_app;
    CWinApp m_winApp;
    TestDoc m_doc;
    CFrameWnd m_frame;
    PickView m_view;
};

Points Shifted(Points points, CSize offset)
{
    for (CPoint& p : points)
        p += offset;
    return points;
}

// A line between two boxes, its box ends selected or not: a line that is itself selected moves
// with the selection and nowhere else; with both end boxes moving it moves once, as a whole;
// otherwise each end follows its own box. Undo brings every point back.
TEST_F(ObjectFollowing, ALineMovesOnceWhateverOfItIsSelected)
{
    const CSize o(30, -50);
    struct Case
    {
        const char* name;
        std::vector<int> selected; // 0 box A, 1 line, 2 box B
        std::vector<int> moved;    // what the command moves, in order, by o (box B by bOffset)
        CSize bOffset;
        DWORD extra;
        CSize startShift, endShift; // of the line's start and end point
        BOOL whole;                 // every point shifted alike
    };
    const Case cases[] = {
        {"line and both boxes selected", {0, 1, 2}, {0, 1, 2}, o, 0, o, o, TRUE},
        {"line selected first", {1, 0, 2}, {1, 0, 2}, o, 0, o, o, TRUE},
        {"both boxes selected", {0, 2}, {0, 2}, o, 0, o, o, TRUE},
        {"only the line selected", {1}, {1}, o, 0, o, o, TRUE},
        {"one box selected", {0}, {0}, o, 0, o, CSize(0, 0), FALSE},
        {"the other box selected", {2}, {2}, o, 0, CSize(0, 0), o, FALSE},
        {"both boxes, different offsets", {0, 2}, {0, 2}, CSize(-20, 0), 0, o, CSize(-20, 0), FALSE},
        {"both boxes placed one by one", {0, 2}, {0, 2}, o, 1, o, o, FALSE},
    };
    for (const Via via : {Via::activeView, Via::batchView, Via::unbatched}) {
        for (const BOOL listsIds : {TRUE, FALSE}) {
            for (const Case& c : cases) {
                SCOPED_TRACE(testing::Message() << c.name << " via " << int(via) << (listsIds ? "" : " asked"));
                m_doc.DeleteContents();
                const WORD a = Box(CRect(100, -100, 200, -200));
                const WORD b = Box(CRect(400, -100, 500, -200));
                const Points drawn{{200, -150}, {300, -150}, {300, -120}, {400, -120}};
                const WORD line = Line(drawn, a, b);
                const WORD ids[] = {a, line, b};
                m_view.ids.clear();
                m_view.listsIds = listsIds;
                for (int i : c.selected)
                    m_view.ids.insert(ids[i]);
                std::vector<Move> moves;
                for (int i : c.moved)
                    moves.push_back({ids[i], i == 2 ? c.bOffset : o});
                MoveInOneStep(moves, c.extra, via);

                const Points moved = PointsOf(line);
                EXPECT_EQ(moved.front(), drawn.front() + c.startShift);
                EXPECT_EQ(moved.back(), drawn.back() + c.endShift);
                if (c.whole) {
                    EXPECT_EQ(moved, Shifted(drawn, o));
                }
                m_doc.Undo();
                EXPECT_EQ(PointsOf(line), drawn);
                EXPECT_EQ(RectOf(a), CRect(100, -100, 200, -200));
            }
        }
    }
}

// Dragging a side of a box: a relation arrow's end on a side keeps its crossing point there while
// the new box still reaches it and moves with the side it sits on; a plain line's end is scaled
// with the box. A box too thin to scale keeps its ends at the same fraction of its diagonal, and a
// box of no size at all leaves them in place.
TEST_F(ObjectFollowing, AResizeKeepsAnArrowOnTheSideItCrosses)
{
    struct Case
    {
        const char* name;
        CRect box;
        DWORD sides;
        CSize offset;
        BOOL arrow;
        CPoint end, expected;
    };
    const CRect file(0, 0, 400, -200);
    const Case cases[] = {
        {"arrow on the top, right side out", file, HIT_SIDE_RIGHT, {200, 0}, TRUE, {100, 0}, {100, 0}},
        {"arrow on the right side, right side out", file, HIT_SIDE_RIGHT, {200, 0}, TRUE, {400, -100}, {600, -100}},
        {"line on the top, right side out", file, HIT_SIDE_RIGHT, {200, 0}, FALSE, {100, 0}, {150, 0}},
        {"arrow on the top, left side past it", file, HIT_SIDE_LEFT, {150, 0}, TRUE, {100, 0}, {212, 0}},
        {"arrow on the left side, top down", file, HIT_SIDE_TOP, {0, -100}, TRUE, {0, -150}, {0, -150}},
        {"line on the left side, top down", file, HIT_SIDE_TOP, {0, -100}, FALSE, {0, -150}, {0, -175}},
        {"1 high to 200 x 100: the middle of the diagonal",
         CRect(0, 0, 200, -1),
         HIT_SIDE_BOTTOM,
         {0, -99},
         FALSE,
         {100, 0},
         {100, -50}},
        {"a point of a box stays",
         CRect(0, 0, 1, 0),
         HIT_SIDE_BOTTOM | HIT_SIDE_RIGHT,
         {99, -100},
         FALSE,
         {0, 0},
         {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_doc.DeleteContents();
        const WORD other = Box(CRect(1000, 500, 1100, 400));
        const WORD box = Box(c.box);
        const Points drawn{{1050, 400}, c.end};
        const WORD line = c.arrow ? Arrow(CRelLineObj::KIND_SUBTYPE, drawn, other, box) : Line(drawn, other, box);
        Resize(box, c.sides, c.offset);
        EXPECT_EQ(PointsOf(line), (Points{drawn.front(), c.expected}));
        if (c.expected != c.end) {
            m_doc.Undo();
            EXPECT_EQ(PointsOf(line), drawn);
        }
    }
    // A selected line does not follow.
    m_doc.DeleteContents();
    const WORD other = Box(CRect(1000, 500, 1100, 400));
    const WORD box = Box(file);
    const WORD line = Line({{1050, 400}, {100, 0}}, other, box);
    m_view.ids = {line};
    Resize(box, HIT_SIDE_RIGHT, {200, 0});
    EXPECT_EQ(PointsOf(line).back(), CPoint(100, 0));
}

// A substructure arrow drawn level goes up and down with its end file, as far as its start file
// reaches; drawn at a slant, or of another kind, only its end follows.
TEST_F(ObjectFollowing, ASubstructureStartFollowsItsEndVertically)
{
    struct Case
    {
        const char* name;
        WORD kind;
        int startY;
        CSize offset;
        int expectedStartY;
    };
    const Case cases[] = {
        {"down 100, 30 above the bottom: down 30", CRelLineObj::KIND_SUBSTRUCTURE, -170, {0, -100}, -200},
        {"down 20: down 20", CRelLineObj::KIND_SUBSTRUCTURE, -170, {0, -20}, -190},
        {"up 100: up 100", CRelLineObj::KIND_SUBSTRUCTURE, -170, {0, 100}, -70},
        {"up 300: up to the top", CRelLineObj::KIND_SUBSTRUCTURE, -170, {0, 300}, 0},
        {"within 5 of level", CRelLineObj::KIND_SUBSTRUCTURE, -175, {40, -20}, -195},
        {"6 off level: stays", CRelLineObj::KIND_SUBSTRUCTURE, -176, {0, -20}, -176},
        {"a subtype arrow: stays", CRelLineObj::KIND_SUBTYPE, -170, {0, -20}, -170},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_doc.DeleteContents();
        const WORD start = Box(CRect(0, 0, 200, -200));
        const WORD end = Box(CRect(400, -100, 600, -300));
        const Points drawn{{200, c.startY}, {400, -170}};
        const WORD arrow = Arrow(c.kind, drawn, start, end);
        m_view.ids = {end};
        MoveInOneStep({{end, c.offset}});
        EXPECT_EQ(PointsOf(arrow), (Points{{200, c.expectedStartY}, drawn.back() + c.offset}));
        m_doc.Undo();
        EXPECT_EQ(PointsOf(arrow), drawn);
    }
}

// A self-reference arrow follows its file's resize at both ends, selected or not: the start keeps
// its height and scales across, the end keeps its distance from the right side. One of fewer points
// than the drawn shape moves its ends only and never past its last point. A move takes it whole.
TEST_F(ObjectFollowing, ASelfReferenceFollowsItsFileAtBothEnds)
{
    struct Case
    {
        const char* name;
        Points drawn;
        BOOL selected;
        Points expected;
    };
    const Points loop{{300, 0}, {300, 60}, {460, 60}, {460, -100}, {400, -100}};
    const Points resized{{375, 0}, {375, 60}, {535, 60}, {560, -100}, {500, -100}};
    const Case cases[] = {
        {"five points", loop, FALSE, resized},
        {"five points, selected", loop, TRUE, resized},
        {"three points", {{300, 0}, {460, 60}, {400, -100}}, FALSE, {{375, 0}, {460, 60}, {500, -100}}},
        {"two points", {{300, 0}, {400, -100}}, FALSE, {{375, 0}, {500, -100}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_doc.DeleteContents();
        const WORD file = Box(CRect(0, 0, 400, -200));
        const WORD arrow = Arrow(CRelLineObj::KIND_ONE_TO_MANY, c.drawn, file, file);
        m_view.ids.clear();
        if (c.selected)
            m_view.ids.insert(arrow);
        Resize(file, HIT_SIDE_RIGHT, {100, 0});
        EXPECT_EQ(PointsOf(arrow), c.expected);
        m_doc.Undo();
        EXPECT_EQ(PointsOf(arrow), c.drawn);
    }
    m_doc.DeleteContents();
    const WORD file = Box(CRect(0, 0, 400, -200));
    const WORD arrow = Arrow(CRelLineObj::KIND_ONE_TO_MANY, loop, file, file);
    for (const BOOL selected : {TRUE, FALSE}) {
        m_view.ids = selected ? std::set<WORD>{file} : std::set<WORD>{};
        MoveInOneStep({{file, {30, -20}}});
        EXPECT_EQ(PointsOf(arrow), Shifted(loop, {30, -20})) << selected;
        m_doc.Undo();
    }
}

// An implementation group and a box linked to a file move along with it in the same undo step,
// unless selected (they then move with the selection); a resize of the file leaves them.
TEST_F(ObjectFollowing, ImplementationGroupsAndLinkedBoxesMoveAlong)
{
    const Points outline{{-10, 10}, {250, 10}, {250, -170}, {-10, -170}, {-10, 10}};
    for (const BOOL selected : {FALSE, TRUE}) {
        SCOPED_TRACE(selected ? "selected" : "not selected");
        m_doc.DeleteContents();
        const WORD file = Box(CRect(0, 0, 240, -160));
        auto* group = new CFileImplObj(m_doc.NewObjectId());
        group->SetImplementedFileId(file);
        const WORD groupId = Connect(group, outline, 0, 0);
        auto* note = new CRectObj(m_doc.NewObjectId(), CRect(0, 100, 50, 50));
        note->SetLinkObjectId(file);
        const WORD noteId = Add(note);
        m_view.ids = {file};
        if (selected)
            m_view.ids.insert({groupId, noteId});
        const CSize o(40, -30);
        MoveInOneStep({{file, o}});
        EXPECT_EQ(PointsOf(groupId), selected ? outline : Shifted(outline, o));
        EXPECT_EQ(RectOf(noteId), selected ? CRect(0, 100, 50, 50) : CRect(40, 70, 90, 20));
        m_doc.Undo();
        EXPECT_EQ(PointsOf(groupId), outline);
        EXPECT_EQ(RectOf(noteId), CRect(0, 100, 50, 50));
        Resize(file, HIT_SIDE_RIGHT, {100, 0});
        EXPECT_EQ(PointsOf(groupId), outline);
    }
}

// The moves of one command step share what follows what: a line end moved over to another box
// between two moves of the step (recorded for undo first) follows that box from then on, and no
// longer the one it left.
TEST_F(ObjectFollowing, LinksChangedBetweenMovesOfOneStepAreFollowed)
{
    const WORD a = Box(CRect(0, 0, 100, -100));
    const WORD b = Box(CRect(200, 0, 300, -100));
    const WORD line = Line({{100, -50}, {200, -50}}, a, 0);
    m_view.ids.clear();
    const CSize o(0, -10);
    {
        CUndoStep step(&m_doc);
        ASSERT_TRUE(m_doc.MoveOrResizeObject(Get(a), TRUE, &o, HIT_BODY, 0));
        EXPECT_EQ(PointsOf(line), (Points{{100, -60}, {200, -50}}));
        CPolyObj* moved = DrawObjects::AsLineObject(Get(line));
        m_doc.RecordChangedOnce(moved);
        moved->SetStartObjectId(b);
        ASSERT_TRUE(m_doc.MoveOrResizeObject(Get(b), TRUE, &o, HIT_BODY, 0));
        const CSize last(0, -5);
        ASSERT_TRUE(m_doc.MoveOrResizeObject(Get(a), TRUE, &last, HIT_BODY, 0));
    }
    EXPECT_EQ(PointsOf(line), (Points{{100, -70}, {200, -50}}));
    m_doc.Undo();
    EXPECT_EQ(PointsOf(line), (Points{{100, -50}, {200, -50}}));
}

// Lines, arrows and implementation groups count in the extent of the objects as boxes do.
TEST_F(ObjectFollowing, LineObjectsCountInTheObjectsExtent)
{
    Box(CRect(0, 0, 100, -100));
    EXPECT_EQ(m_doc.GetObjectsExtent(), CSize(100, -100));
    const WORD line = Line({{50, -50}, {3000, -50}}, 0, 0);
    const WORD arrow = Arrow(CRelLineObj::KIND_ONE_TO_MANY, {{50, -50}, {50, -2000}}, 0, 0);
    CRect lineRect, arrowRect;
    DrawObjects::GetVisibleRect(Get(line), lineRect, TRUE);
    DrawObjects::GetVisibleRect(Get(arrow), arrowRect, TRUE);
    ASSERT_GE(lineRect.right, 3000);
    ASSERT_LE(arrowRect.bottom, -2000);
    EXPECT_EQ(m_doc.GetObjectsExtent(), CSize(lineRect.right, arrowRect.bottom));
}

} // namespace ObjectFollowingTest
