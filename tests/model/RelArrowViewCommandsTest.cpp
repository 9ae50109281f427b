// Relation arrows in the view: an end reconnected by picking a conceptual file, with the model's
// refusals, and arrows that leave the selection before a drag they cannot follow.
#include "tests/view/ViewMouseSupport.h"

#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "model/DataModelClasses.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/RelLineObj.h"
#include "tests/support/MessageScript.h"

#include <QKeyEvent>

#include <string>
#include <vector>

class RelArrowViewCommands : public MouseViewTest
{
protected:
    void SetUp() override
    {
        MouseViewTest::SetUp();
        RegisterDataModelClasses();
        Open();
        m_a = AddFile(CRect(100, -100, 340, -260));
        m_b = AddFile(CRect(100, -700, 340, -860));
        m_c = AddFile(CRect(700, -700, 940, -860));
        m_cloneOfA =
            Add(new CFileClone(m_doc->NewObjectId(), CRect(700, -100, 800, -130), CString("A"), m_a->GetObjectId()));
        m_text = AddRect(CRect(1100, -100, 1300, -200));
        m_text->SetFill(TRUE);
        m_doc->ClearUndoBuffer();
    }

    template <class T>
    T* Add(T* object)
    {
        CUndoStep step(m_doc);
        return m_doc->AddObject(object) ? object : nullptr;
    }
    CFileComp* AddFile(const CRect& rect) { return Add(new CFileComp(m_doc->NewObjectId(), rect)); }
    // An arrow from the start file's bottom to the end file's top.
    CRelLineObj* AddArrow(WORD kind, CBaseObj* start, CBaseObj* end)
    {
        CPoint from, to;
        start->GetBottomCenter(from);
        end->GetTopCenter(to);
        return Add(new CRelLineObj(m_doc->NewObjectId(), from, to, kind, start->GetObjectId(), end->GetObjectId(),
                                   start->GetObjectId()));
    }
    // The arrow's start or end connected by the pick command and a press on the target.
    void Reconnect(CRelLineObj* arrow, UINT command, CBaseObj* target)
    {
        m_view->ClearSelection();
        m_view->AddToSelection(arrow);
        m_view->SetCurrentObject(arrow);
        Command(command);
        // Beside the middle, where no arrow runs.
        const CPoint at(target->GetRect().left + 15, target->GetCenter().y);
        Press(at);
        Release(at);
    }
    void Select(std::initializer_list<CObject*> objects)
    {
        m_view->ClearSelection();
        for (CObject* object : objects)
            m_view->AddToSelection(object);
    }
    // Keys arrive where the program's focus is: the scrolling area around the view's window.
    void NudgeLeft()
    {
        QWidget* area = m_view->GetSafeHwnd()->parentWidget();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(area, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(area, &release);
    }
    BOOL IsSelected(const CObject* object) const
    {
        return m_view->GetSelection().Find(const_cast<CObject*>(object)) != nullptr;
    }

    CFileComp* m_a = nullptr;
    CFileComp* m_b = nullptr;
    CFileComp* m_c = nullptr;
    CFileClone* m_cloneOfA = nullptr;
    CRectObj* m_text = nullptr;
};

TEST_F(RelArrowViewCommands, AReconnectionTheModelForbidsIsRefusedWithItsMessage)
{
    // Only a 1:N arrow offers the pick commands; a subtype arrow's ends stay where the tool put them.
    CRelLineObj* oneToMany = AddArrow(CRelLineObj::KIND_ONE_TO_MANY, m_a, m_b);
    CRelLineObj* subType = AddArrow(CRelLineObj::KIND_SUBTYPE, m_a, m_b);
    AddArrow(CRelLineObj::KIND_SUBTYPE, m_c, m_a);
    m_doc->ClearUndoBuffer();
    m_doc->SetModifiedFlag(FALSE);
    struct Case
    {
        CRelLineObj* arrow;
        UINT command;
        CBaseObj* target;
        const char8_t* message;
    };
    const Case cases[] = {
        {oneToMany, ID_OBJ_PICK_END_CONNECTION, m_text,
         u8"概念ﾌｧｲﾙあるいは概念ﾌｧｲﾙｸﾛｰﾝ ｵﾌﾞｼﾞｪｸﾄではないので、接続概念ﾌｧｲﾙには設定できません。"},
        {oneToMany, ID_OBJ_PICK_END_CONNECTION, m_cloneOfA,
         u8"概念ﾌｧｲﾙｸﾛｰﾝを介した自己回帰型の矢線となってしまうので、接続概念ﾌｧｲﾙには設定できません。"},
        {oneToMany, ID_OBJ_PICK_START_CONNECTION, m_a, nullptr}, // already the file at the start: nothing
        // C is already A's parent: A under C and C under A would loop; the command is not offered.
        {subType, ID_OBJ_PICK_END_CONNECTION, m_c, nullptr},
    };
    for (const Case& c : cases) {
        const std::vector<CPoint> before = c.arrow->GetPointArray();
        MessageScript script;
        Reconnect(c.arrow, c.command, c.target);
        const std::vector<std::string> expected =
            c.message ? std::vector<std::string>{reinterpret_cast<const char*>(c.message)} : std::vector<std::string>{};
        EXPECT_EQ(script.Texts(), expected) << c.command;
        EXPECT_EQ(c.arrow->GetStartObjectId(), m_a->GetObjectId()) << c.command;
        EXPECT_EQ(c.arrow->GetEndObjectId(), m_b->GetObjectId()) << c.command;
        EXPECT_EQ(c.arrow->GetPointArray(), before) << c.command;
        EXPECT_FALSE(m_doc->IsModified()) << c.command;
    }
}

TEST_F(RelArrowViewCommands, AReconnectedEndMovesOntoThePickedFileInOneUndoStep)
{
    CRelLineObj* arrow = AddArrow(CRelLineObj::KIND_ONE_TO_MANY, m_a, m_b);
    m_doc->ClearUndoBuffer();
    const std::vector<CPoint> before = arrow->GetPointArray();
    Reconnect(arrow, ID_OBJ_PICK_END_CONNECTION, m_c);
    EXPECT_EQ(arrow->GetStartObjectId(), m_a->GetObjectId());
    EXPECT_EQ(arrow->GetEndObjectId(), m_c->GetObjectId());
    // The end lies on C's top, the start stays on A's bottom, and the arrow is laid out anew.
    EXPECT_EQ(arrow->GetEndPoint().y, m_c->GetRect().top);
    EXPECT_GE(arrow->GetEndPoint().x, m_c->GetRect().left);
    EXPECT_LE(arrow->GetEndPoint().x, m_c->GetRect().right);
    EXPECT_EQ(arrow->GetStartPoint().y, m_a->GetRect().bottom);
    EXPECT_NE(arrow->GetPointArray(), before);
    m_doc->Undo();
    CObject* restored = nullptr;
    ASSERT_TRUE(m_doc->FindObjectById(arrow->GetObjectId(), restored));
    const auto* undone = DYNAMIC_DOWNCAST(CRelLineObj, restored);
    ASSERT_NE(undone, nullptr);
    EXPECT_EQ(undone->GetEndObjectId(), m_b->GetObjectId());
    EXPECT_EQ(undone->GetPointArray(), before);
}

TEST_F(RelArrowViewCommands, ArrowsLeaveTheSelectionBeforeADragTheyCannotFollow)
{
    CRelLineObj* ab = AddArrow(CRelLineObj::KIND_ONE_TO_MANY, m_a, m_b);
    CRelLineObj* ac = AddArrow(CRelLineObj::KIND_ONE_TO_MANY, m_a, m_c);
    const CRect aBefore = m_a->GetRect();

    // A nudge: the arrow whose two files move with it stays, the other one leaves.
    Select({m_a, m_b, ab, ac});
    NudgeLeft();
    EXPECT_TRUE(IsSelected(ab));
    EXPECT_FALSE(IsSelected(ac));
    EXPECT_EQ(m_a->GetRect(), CRect(aBefore.left - 2, aBefore.top, aBefore.right - 2, aBefore.bottom));

    // A nudge of arrows alone: nothing is left to move.
    Select({ac});
    const std::vector<CPoint> acBefore = ac->GetPointArray();
    NudgeLeft();
    EXPECT_FALSE(m_view->HasSelection());
    EXPECT_EQ(ac->GetPointArray(), acBefore);

    // A resize: every arrow leaves.
    Select({m_a, m_b, ab});
    const CPoint corner(m_a->GetRect().right, m_a->GetRect().bottom);
    Drag(corner, corner + CSize(60, -60));
    EXPECT_FALSE(IsSelected(ab));
    EXPECT_TRUE(IsSelected(m_a) && IsSelected(m_b));
}

TEST_F(RelArrowViewCommands, ADraggedArrowKeepsItsEndsOnTheSidesOfItsFiles)
{
    // Two-point arrows from A's bottom middle (220, -260) down to B, which lies under A.
    const auto straightArrow = [this](WORD kind, CPoint start, CPoint end) {
        auto* arrow = new CRelLineObj(m_doc->NewObjectId(), kind);
        arrow->AddPoint(start);
        arrow->AddPoint(end);
        arrow->SetStartObjectId(m_a->GetObjectId());
        arrow->SetEndObjectId(m_b->GetObjectId());
        return Add(arrow);
    };
    struct Case
    {
        const char* name;
        WORD kind;
        CPoint end;
        CPoint from;
        CPoint to;
        CPoint start;
        CPoint endAfter;
    };
    const Case cases[] = {
        // The start of a 1:N arrow runs along A's bottom and stops at its right edge.
        {"1:N start", CRelLineObj::KIND_ONE_TO_MANY, CPoint(220, -700), CPoint(220, -260), CPoint(600, -400),
         CPoint(340, -260), CPoint(220, -700)},
        // The end of a substructure arrow goes to the nearer side of B, within B's height.
        {"substructure end", CRelLineObj::KIND_SUBSTRUCTURE, CPoint(100, -700), CPoint(100, -700), CPoint(300, -810),
         CPoint(220, -260), CPoint(340, -810)},
        // A two-point 1:N arrow slides sideways only as far as both ends stay on their files.
        {"1:N segment", CRelLineObj::KIND_ONE_TO_MANY, CPoint(220, -700), CPoint(220, -480), CPoint(500, -300),
         CPoint(340, -260), CPoint(340, -700)},
    };
    for (const Case& c : cases) {
        CRelLineObj* arrow = straightArrow(c.kind, CPoint(220, -260), c.end);
        Select({arrow});
        Drag(c.from, c.to);
        CObject* now = nullptr;
        ASSERT_TRUE(m_doc->FindObjectById(arrow->GetObjectId(), now)) << c.name;
        const auto* moved = STATIC_DOWNCAST(CRelLineObj, now);
        EXPECT_EQ(moved->GetStartPoint(), c.start) << c.name;
        EXPECT_EQ(moved->GetEndPoint(), c.endAfter) << c.name;
        CUndoStep step(m_doc);
        m_doc->RemoveObject(now);
    }
}
