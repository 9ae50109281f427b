#include "tests/view/ViewMouseSupport.h"

#include "foundation/CommandIds.h"
#include "foundation/RegManList.h"
#include "objects/ArcObj.h"
#include "objects/CnctObj.h"
#include "objects/DiamondObj.h"
#include "objects/EcntsObj.h"
#include "objects/ElliObj.h"
#include "objects/FarcObj.h"
#include "objects/NoteObj.h"
#include "objects/ObjectServices.h"
#include "objects/PolygonObj.h"
#include "objects/FloatEdit.h"
#include "objects/PolyObj.h"
#include "objects/StrgObj.h"
#include "platform/profile/Profile.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "platform/ui/CmdUI.h"
#include "tests/objects/ObjectsTestSupport.h"

#include <QCursor>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QTest>

#include <functional>

namespace view_mouse_test {

// The default-attribute prototypes of the main frame: a plain and a rounded rectangle with
// attributes no new object has by itself.
class FakePrototypes : public ObjectServices
{
public:
    FakePrototypes() : m_previous(SetObjectServices(this))
    {
        for (CRectObj* prototype : {&plain, &rounded}) {
            prototype->SetPenColor(RGB(0x12, 0x34, 0x56));
            prototype->SetPenWidth(5);
            prototype->SetFill(TRUE);
            prototype->SetFillColor(RGB(0xAB, 0xCD, 0xEF));
        }
        // A plain prototype that a profile made rounded: the rectangle tool still draws square corners.
        plain.SetRounded(TRUE);
        // A closed, filled spline with marks: a new line takes the marks but stays open and straight.
        line.SetPenColor(RGB(0x12, 0x34, 0x56));
        line.SetMark(LINEEND_END, MARK_ARROW);
        line.SetClosed(TRUE);
        line.SetFilled(TRUE);
        line.SetBezier(TRUE);
    }
    ~FakePrototypes() override { SetObjectServices(m_previous); }
    FakePrototypes(const FakePrototypes&) = delete;
    FakePrototypes& operator=(const FakePrototypes&) = delete;

    CObject* FindDefaultPrototype(const CObject* object) override
    {
        if (DYNAMIC_DOWNCAST(CPolyObj, object))
            return &line;
        // Only rectangles: the shapes built on the rectangle have no prototype here.
        const auto* rect = object && object->GetRuntimeClass() == RUNTIME_CLASS(CRectObj)
                               ? static_cast<const CRectObj*>(object)
                               : nullptr;
        return rect ? (rect->IsRounded() ? &rounded : &plain) : nullptr;
    }
    CObject* FindPrototypeByKind(WORD kind, DWORD subKey) override
    {
        return kind == OBJKIND_RECT ? (subKey ? &rounded : &plain) : nullptr;
    }
    BOOL SetDefaultAttributesFrom(const CObject*) override { return FALSE; }

    CRectObj plain{0, CRect(0, 0, 100, -100)};
    CRectObj rounded{0, CRect(0, 0, 100, -100), TRUE};
    CPolyObj line;

private:
    ObjectServices* m_previous;
};

constexpr unsigned kBlack = 0x000000;
constexpr unsigned kWhite = 0xFFFFFF;

} // namespace view_mouse_test

using view_mouse_test::FakePrototypes;

class ViewMouse : public MouseViewTest
{
protected:
    CRectObj* OnlyRect() const
    {
        const CObList* objects = m_doc->GetObjectList();
        return objects->GetCount() == 1 ? DYNAMIC_DOWNCAST(CRectObj, objects->GetHead()) : nullptr;
    }

    FakePrototypes m_prototypes;
};

TEST_F(ViewMouse, RectangleToolDragCreatesOneSelectedRectangleInOneUndoStep)
{
    Open(1000, 900);
    m_mainFrame.tool = ID_TOOL_RECT;
    // Dragged from bottom-right to top-left: the same rectangle as the other way round.
    Drag(CPoint(310, -250), CPoint(110, -110));

    CRectObj* rect = OnlyRect();
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->GetRect(), CRect(110, -110, 310, -250));
    EXPECT_FALSE(rect->IsRounded());
    EXPECT_EQ(rect->GetPenColor(), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(rect->GetPenWidth(), 5);
    EXPECT_EQ(rect->GetFillColor(), RGB(0xAB, 0xCD, 0xEF));
    EXPECT_EQ(m_view->GetSelection().GetCount(), 1);
    EXPECT_EQ(m_view->GetLastSelected(), rect);
    EXPECT_EQ(m_view->GetCurrentObject(), rect);
    EXPECT_TRUE(m_doc->IsModified());
    EXPECT_EQ(m_mainFrame.tool, ID_TOOL_RECT);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    // Its handles show: the corner handle inverts the paper just outside the corner.
    const CPoint besideCorner = PixelOf(CPoint(310, -110)) + CPoint(1, -1);
    EXPECT_EQ(ColorAt(besideCorner), view_mouse_test::kBlack);

    // Exactly one step: undo removes the rectangle and leaves nothing to undo; redo brings it back.
    EXPECT_TRUE(IsEnabled(ID_EDIT_UNDO));
    EXPECT_FALSE(IsEnabled(ID_EDIT_REDO));
    Command(ID_EDIT_UNDO);
    EXPECT_TRUE(m_doc->HasNoObjects());
    EXPECT_FALSE(IsEnabled(ID_EDIT_UNDO));
    EXPECT_EQ(ColorAt(besideCorner), view_mouse_test::kWhite);
    Command(ID_EDIT_REDO);
    rect = OnlyRect();
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->GetRect(), CRect(110, -110, 310, -250));

    // The rounded-rectangle tool draws rounded corners whatever the prototype says.
    m_mainFrame.tool = ID_TOOL_ROUNDRECT;
    m_prototypes.rounded.SetRounded(FALSE);
    Drag(CPoint(410, -110), CPoint(610, -250));
    ASSERT_EQ(m_doc->GetObjectList()->GetCount(), 2);
    EXPECT_TRUE(static_cast<CRectObj*>(m_doc->GetObjectList()->GetTail())->IsRounded());
}

TEST_F(ViewMouse, ClickWithAShapeToolCreatesNothingAndReturnsToThePointer)
{
    Open(1000, 900);
    m_mainFrame.tool = ID_TOOL_RECT;
    Press(CPoint(210, -210));
    Release(CPoint(210, -210));
    EXPECT_TRUE(m_doc->HasNoObjects());
    EXPECT_FALSE(m_doc->CanUndo());
    EXPECT_EQ(m_mainFrame.tool, ID_TOOL_POINTER);
    EXPECT_EQ(m_view->GetTrackMode(), UINT(TRACK_NONE));
}

TEST_F(ViewMouse, AQuickDragWithFewMovesStillCreatesTheObject)
{
    Open(1000, 900);
    QWidget* widget = m_view->GetSafeHwnd();
    const auto pixel = [this](POINT doc) { return QPoint(PixelOf(doc).x, PixelOf(doc).y); };
    // The press is off the grid. A fast hand leaves few moves of the drag, or none: by the time the
    // press is handled the mouse may already be further on, and the window system reports the
    // release wherever the cursor then is.
    const CPoint press(113, -127), middle(200, -180), end(293, -247);
    const struct
    {
        CPoint cursorAtPress;
        std::vector<CPoint> moves;
    } cases[] = {
        // clang-format off
        {press, {end}},
        {middle, {end}},
        {end, {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        m_mainFrame.tool = ID_TOOL_RECT;
        QCursor::setPos(widget->mapToGlobal(pixel(c.cursorAtPress)));
        QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, pixel(press));
        for (const CPoint& move : c.moves) {
            QCursor::setPos(widget->mapToGlobal(pixel(move)));
            QTest::mouseMove(widget, pixel(move));
        }
        QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, widget->mapFromGlobal(QCursor::pos()));
        const CRectObj* rect = OnlyRect();
        ASSERT_NE(rect, nullptr) << c.moves.size() << " moves, cursor at x " << c.cursorAtPress.x;
        EXPECT_EQ(rect->GetRect(), CRect(110, -130, 290, -250));
        EXPECT_EQ(m_mainFrame.tool, ID_TOOL_RECT);
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        Command(ID_EDIT_UNDO);
    }
}

TEST_F(ViewMouse, ToolPermission)
{
    Open();
    const struct
    {
        BOOL readOnly;
        BOOL printMode;
        UINT tool;
        BOOL allowed;
    } cases[] = {
        // clang-format off
        {FALSE, TRUE, ID_TOOL_RECT, TRUE},
        {FALSE, TRUE, ID_TOOL_ROUNDRECT, TRUE},
        {TRUE, TRUE, ID_TOOL_RECT, FALSE},
        {TRUE, TRUE, ID_TOOL_POINTER, TRUE},
        {TRUE, TRUE, ID_TOOL_ZOOM, TRUE},
        {FALSE, FALSE, ID_TOOL_RECT, FALSE},
        {FALSE, FALSE, ID_TOOL_ZOOM, TRUE},
        {FALSE, TRUE, ID_TOOL_ELLIPSE, TRUE},
        {FALSE, TRUE, ID_TOOL_DATA, FALSE}, // no data-symbol tool
        {FALSE, TRUE, ID_TOOL_LINE, TRUE},
        {FALSE, TRUE, ID_TOOL_POLYLINE, TRUE},
        {FALSE, FALSE, ID_TOOL_LINE, FALSE},
        {FALSE, TRUE, ID_TOOL_RELARROW, FALSE},
        // clang-format on
    };
    for (const auto& c : cases) {
        m_doc->SetReadOnly(c.readOnly);
        m_view->SetPrintMode(c.printMode);
        EXPECT_EQ(m_view->IsToolAllowed(c.tool), c.allowed) << c.tool << " read-only " << c.readOnly;
    }
}

TEST_F(ViewMouse, ReadOnlyDocumentRefusesADrawingPressButStillSelects)
{
    CRectObj* rect = AddRect(CRect(110, -110, 310, -250));
    Open(1000, 900);
    m_doc->SetReadOnly(TRUE);
    m_mainFrame.tool = ID_TOOL_RECT;
    Drag(CPoint(410, -110), CPoint(610, -250));
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 1);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    // The pointer selects (an unfilled rectangle by its outline) but does not move.
    m_mainFrame.tool = ID_TOOL_POINTER;
    Drag(CPoint(110, -200), CPoint(400, -400));
    EXPECT_EQ(m_view->GetLastSelected(), rect);
    EXPECT_EQ(rect->GetRect(), CRect(110, -110, 310, -250));
}

TEST_F(ViewMouse, MoveWithTheGridLandsOnTheGridInOneUndoStep)
{
    CRectObj* rect = AddRect(CRect(110, -110, 310, -250));
    Open(1000, 900);
    const int undoIndex = m_doc->GetUndoIndex();
    // About (27, -33) at the mouse's resolution: the offset rounds to (20, -40).
    Drag(CPoint(110, -200), CPoint(137, -233));
    EXPECT_EQ(rect->GetRect(), CRect(130, -150, 330, -290));
    EXPECT_EQ(m_view->GetLastSelected(), rect);
    Command(ID_EDIT_UNDO);
    ASSERT_NE(OnlyRect(), nullptr);
    EXPECT_EQ(OnlyRect()->GetRect(), CRect(110, -110, 310, -250));
    EXPECT_EQ(m_doc->GetUndoIndex(), undoIndex);

    // The offsets round to the nearest grid multiple, halves away from zero.
    const struct
    {
        CSize offset;
        CSize snapped;
    } cases[] = {{{27, -33}, {20, -40}}, {{10, -10}, {20, -20}}, {{9, 29}, {0, 20}}, {{40, -20}, {40, -20}}};
    for (const auto& c : cases) {
        CPoint doc = CPoint(500, -500) + c.offset;
        CPoint zoomed;
        m_view->SnapMoveDelta(c.offset, zoomed, doc);
        EXPECT_EQ(doc, CPoint(500, -500) + c.snapped);
    }
}

TEST_F(ViewMouse, HandleDragResizesAndShiftKeepsAMoveStraight)
{
    CRectObj* rect = AddRect(CRect(110, -110, 310, -250));
    Open(1000, 900);
    Press(CPoint(110, -200));
    Release(CPoint(110, -200));
    ASSERT_EQ(m_view->GetLastSelected(), rect);
    // The bottom-right handle, grabbed a little off its centre: the handle lands on the grid.
    Drag(CPoint(312, -252), CPoint(412, -332));
    EXPECT_EQ(rect->GetRect(), CRect(110, -110, 410, -330));

    Drag(CPoint(110, -200), CPoint(210, -230), Qt::ShiftModifier);
    EXPECT_EQ(rect->GetRect(), CRect(210, -110, 510, -330));
}

TEST_F(ViewMouse, InAMultipleSelectionAShapeHandleCountsAsTheBody)
{
    CRectObj* plain = AddRect(CRect(510, -110, 610, -210));
    auto* rounded = new CRectObj(m_doc->NewObjectId(), CRect(110, -110, 310, -250), TRUE);
    {
        CUndoStep step(m_doc);
        ASSERT_TRUE(m_doc->AddObject(rounded));
    }
    Open(1000, 900);
    CPoint handle;
    ASSERT_TRUE(rounded->GetRoundHandlePos(handle));
    m_view->AddToSelection(rounded);
    Send(QEvent::MouseMove, handle, Qt::NoButton);
    EXPECT_EQ(m_view->GetHitCode(), HIT_SHAPE_HANDLE | HIT_ROUND_HANDLE);
    // Hover and press agree: with another object selected the handle moves the whole selection.
    m_view->AddToSelection(plain);
    Send(QEvent::MouseMove, handle, Qt::NoButton);
    EXPECT_EQ(m_view->GetHitCode(), HIT_BODY);
    Press(handle);
    EXPECT_EQ(m_view->GetHitCode(), HIT_BODY);
    Release(handle);
}

TEST_F(ViewMouse, LostCaptureCancelsTheDragAndLeavesThePictureClean)
{
    CRectObj* rect = AddRect(CRect(110, -110, 310, -250));
    Open(1000, 900);
    Press(CPoint(110, -200));
    Release(CPoint(110, -200));
    m_view->UpdateWindow();
    const QImage before = m_view->GetScreenImage().copy();
    const int undoIndex = m_doc->GetUndoIndex();

    for (const UINT tool : {ID_TOOL_POINTER, ID_TOOL_RECT}) {
        m_mainFrame.tool = tool;
        Press(CPoint(110, -200));
        MoveTo(CPoint(260, -260));
        MoveTo(CPoint(330, -330));
        ASSERT_NE(m_view->GetTrackMode(), UINT(TRACK_NONE));
        CWnd::ReleaseCapture(); // as when another window takes the mouse
        EXPECT_EQ(m_view->GetTrackMode(), UINT(TRACK_NONE));
        Release(CPoint(330, -330));
    }
    EXPECT_EQ(rect->GetRect(), CRect(110, -110, 310, -250));
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 1);
    EXPECT_EQ(m_doc->GetUndoIndex(), undoIndex);
    // The rectangle tool's press cleared the selection; show it as before to compare.
    m_view->AddToSelection(rect);
    m_view->Invalidate();
    m_view->UpdateWindow();
    EXPECT_TRUE(m_view->GetScreenImage() == before);
}

TEST_F(ViewMouse, RubberBandAndCtrlClickSelect)
{
    CRectObj* first = AddRect(CRect(110, -110, 210, -210));
    CRectObj* second = AddRect(CRect(410, -110, 510, -210));
    Open(1000, 900);
    Drag(CPoint(90, -90), CPoint(250, -250));
    ASSERT_EQ(m_view->GetSelection().GetCount(), 1);
    EXPECT_EQ(m_view->GetLastSelected(), first);

    Press(CPoint(410, -160), Qt::ControlModifier);
    Release(CPoint(410, -160), Qt::ControlModifier);
    EXPECT_EQ(m_view->GetSelection().GetCount(), 2);
    Press(CPoint(110, -160), Qt::ControlModifier);
    Release(CPoint(110, -160), Qt::ControlModifier);
    ASSERT_EQ(m_view->GetSelection().GetCount(), 1);
    EXPECT_EQ(m_view->GetLastSelected(), second);
    EXPECT_EQ(m_mainFrame.statusText, CString(u8"長方形ｵﾌﾞｼﾞｪｸﾄ の選択を解除"));

    // A click on empty paper empties the selection.
    Press(CPoint(700, -700));
    Release(CPoint(700, -700));
    EXPECT_FALSE(m_view->HasSelection());
}

TEST_F(ViewMouse, ZoomRectangleZoomsAndAClickReturnsToThePointer)
{
    Open(1000, 900);
    m_mainFrame.tool = ID_TOOL_ZOOM;
    Drag(CPoint(110, -110), CPoint(310, -310));
    EXPECT_GT(m_view->GetZoom(), 100);
    EXPECT_EQ(m_mainFrame.tool, ID_TOOL_ZOOM);
    Press(CPoint(150, -150));
    Release(CPoint(150, -150));
    EXPECT_EQ(m_mainFrame.tool, ID_TOOL_POINTER);
}

TEST_F(ViewMouse, HoverDescribesWhatLiesUnderTheMouse)
{
    AddRect(CRect(110, -110, 310, -250));
    Open(1000, 900);
    const struct
    {
        UINT tool;
        CPoint point;
        const char8_t* status;
    } cases[] = {
        // clang-format off
        {ID_TOOL_POINTER, {110, -180}, u8"長方形ｵﾌﾞｼﾞｪｸﾄ"},
        {ID_TOOL_POINTER, {600, -600}, u8"ﾏｳｽにより描画ｵﾌﾞｼﾞｪｸﾄを操作"},
        {ID_TOOL_RECT, {600, -600}, u8"長方形を描画"},
        {ID_TOOL_RECT, {110, -180}, u8"長方形ｵﾌﾞｼﾞｪｸﾄ"},
        {ID_TOOL_POINTER, {2, 2}, u8"ﾄﾞｷｭﾒﾝﾄ外"},
        // clang-format on
    };
    for (const auto& c : cases) {
        m_mainFrame.tool = c.tool;
        Send(QEvent::MouseMove, c.point, Qt::NoButton);
        EXPECT_EQ(m_mainFrame.statusText, CString(c.status)) << c.tool << " " << c.point.x;
    }
}

TEST_F(ViewMouse, DraggingTheRightEdgeChangesThePagesAcross)
{
    Open(1000, 900);
    m_view->SetZoom(25);
    const CSize pages = m_doc->GetPages();
    const CSize extent = m_doc->GetPageExtent();
    const int edge = pages.cx * extent.cx - 10;
    Drag(CPoint(edge, -200), CPoint(edge + extent.cx / 2, -200));
    EXPECT_EQ(m_doc->GetPages(), CSize(pages.cx + 1, pages.cy));
    CString expected;
    expected.Format(CString(u8"ﾄﾞｷｭﾒﾝﾄを 横 %d x 縦 %d ﾍﾟｰｼﾞに変更しました"), int(pages.cx + 1), int(pages.cy));
    EXPECT_EQ(m_mainFrame.statusText, expected);
}

TEST_F(ViewMouse, GuideDragMovesTheVerticalGuideAndStopsAtTheDocumentEdge)
{
    // Cached only: the values never reach the profile that the other tests read.
    const WORD flags = REGITEM_INT | REGITEM_PER_USER | REGITEM_NO_WRITEBACK;
    m_app.GetRegManList()->SetRegInt("InitialViewState", "DrawGuide", 1, flags);
    m_app.GetRegManList()->SetRegInt("InitialViewState", "AdjustGrid", 0, flags);
    Open(1000, 900);
    ASSERT_EQ(m_view->GetGuidePoint(), CPoint(210, -210));

    Drag(CPoint(210, -500), CPoint(135, -500));
    const CPoint moved = m_view->GetGuidePoint();
    EXPECT_NEAR(moved.x, 135, 3);
    EXPECT_EQ(moved.y, -210); // the horizontal guide stays
    CString expected;
    expected.Format(CString(u8"縦ガイド・ラインを移動 : %.1f mm"), (moved.x - 10) / 10.0);
    EXPECT_EQ(m_mainFrame.statusText, expected);

    // Released where it was pressed, the guide stays; dragged past the edge, it stops there.
    Press(moved);
    Release(moved);
    EXPECT_EQ(m_view->GetGuidePoint(), moved);
    Drag(moved, CPoint(-100, -500));
    EXPECT_EQ(m_view->GetGuidePoint(), CPoint(10, -210));
}

// --- The line tools -----------------------------------------------------------------------------

class ViewLineTools : public ViewMouse
{
protected:
    void TearDown() override
    {
        Profile::WriteProfileString("InitialViewState", nullptr, nullptr);
        ViewMouse::TearDown();
    }
    CPolyObj* LastLine() const
    {
        const CObList* objects = m_doc->GetObjectList();
        return objects->IsEmpty() ? nullptr : DYNAMIC_DOWNCAST(CPolyObj, objects->GetTail());
    }
    void RightClick(POINT doc)
    {
        Send(QEvent::MouseButtonPress, doc, Qt::RightButton);
        Send(QEvent::MouseButtonRelease, doc, Qt::NoButton);
    }
    void Click(POINT doc)
    {
        Press(doc);
        Release(doc);
    }
};

TEST_F(ViewLineTools, LineToolConnectsTheEndsToTheBoxesFrames)
{
    Open(1000, 900);
    CRectObj* from = AddRect(CRect(100, -100, 300, -300));
    CRectObj* to = AddRect(CRect(500, -100, 700, -300));
    m_doc->ClearUndoBuffer();
    m_mainFrame.tool = ID_TOOL_LINE;
    Drag(CPoint(270, -190), CPoint(530, -190));

    CPolyObj* line = LastLine();
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->GetPointArray(), (std::vector<CPoint>{{300, -190}, {500, -190}})) << "moved onto the frames";
    EXPECT_EQ(line->GetStartObjectId(), from->GetObjectId());
    EXPECT_EQ(line->GetEndObjectId(), to->GetObjectId());
    EXPECT_EQ(line->GetPenColor(), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(line->GetMark(LINEEND_END), MARK_ARROW);
    EXPECT_FALSE(line->IsClosed() || line->IsFilled() || line->IsBezier());
    EXPECT_EQ(m_view->GetLastSelected(), line);
    EXPECT_EQ(m_mainFrame.tool, ID_TOOL_LINE);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    // One step: undo takes the line away and nothing else.
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 2);
    EXPECT_FALSE(m_doc->CanUndo());

    // A box moved afterwards takes the end with it.
    Command(ID_EDIT_REDO);
    line = LastLine();
    ASSERT_NE(line, nullptr);
    const CPoint onTheLine = PixelOf(CPoint(450, -190));
    EXPECT_EQ(ColorAt(onTheLine), 0x123456u);
    const CSize offset(0, -40);
    {
        CUndoStep step(m_doc);
        ASSERT_TRUE(m_doc->MoveOrResizeObject(to, TRUE, &offset, HIT_BODY, 0));
    }
    EXPECT_EQ(line->GetEndPoint(), CPoint(500, -230));
    EXPECT_NE(ColorAt(onTheLine), 0x123456u) << "the line is repainted where it was";
}

TEST_F(ViewLineTools, WithoutTheFrameOptionTheEndsStayAndOnPaperNothingConnects)
{
    Profile::WriteProfileInt("InitialViewState", "AutoConnectFrame", 0);
    Open(1000, 900);
    CRectObj* box = AddRect(CRect(100, -100, 300, -300));
    m_mainFrame.tool = ID_TOOL_LINE;
    Drag(CPoint(270, -190), CPoint(530, -190));
    CPolyObj* line = LastLine();
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->GetPointArray(), (std::vector<CPoint>{{270, -190}, {530, -190}}));
    EXPECT_EQ(line->GetStartObjectId(), box->GetObjectId());
    EXPECT_EQ(line->GetEndObjectId(), 0);

    // Shift keeps the line level or upright; a click draws nothing and returns to the pointer.
    Drag(CPoint(410, -410), CPoint(610, -450), Qt::ShiftModifier);
    EXPECT_EQ(LastLine()->GetPointArray(), (std::vector<CPoint>{{410, -410}, {610, -410}}));
    const INT_PTR count = m_doc->GetObjectList()->GetCount();
    Click(CPoint(410, -510));
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), count);
    EXPECT_EQ(m_mainFrame.tool, ID_TOOL_POINTER);
}

TEST_F(ViewLineTools, PolylineCollectsPressesUntilTheRightButton)
{
    Open(1000, 900);
    m_mainFrame.tool = ID_TOOL_POLYLINE;
    Click(CPoint(110, -110));
    EXPECT_EQ(m_view->GetTrackMode(), UINT(TRACK_POLYLINE));
    ASSERT_NE(m_doc->GetPolyLineInProgress(), nullptr);
    Click(CPoint(310, -110));
    Click(CPoint(310, -310));
    EXPECT_TRUE(m_doc->HasNoObjects()) << "nothing is added before the polyline ends";
    EXPECT_EQ(m_doc->GetPolyLineInProgress()->GetCount(), 3);
    RightClick(CPoint(510, -310));

    CPolyObj* line = LastLine();
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->GetPointArray(), (std::vector<CPoint>{{110, -110}, {310, -110}, {310, -310}, {510, -310}}));
    EXPECT_NE(line->GetObjectId(), 0);
    EXPECT_TRUE(line->IsClosed()) << "a polyline keeps the prototype's shape bits";
    EXPECT_EQ(m_doc->GetPolyLineInProgress(), nullptr);
    EXPECT_EQ(m_mainFrame.tool, ID_TOOL_POINTER);
    EXPECT_EQ(m_view->GetTrackMode(), UINT(TRACK_NONE));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    Command(ID_EDIT_UNDO);
    EXPECT_TRUE(m_doc->HasNoObjects());
    EXPECT_FALSE(m_doc->CanUndo());

    // A double click ends it too, at the point of its press.
    m_mainFrame.tool = ID_TOOL_POLYLINE;
    Click(CPoint(110, -410));
    Click(CPoint(310, -410));
    Send(QEvent::MouseButtonDblClick, CPoint(310, -410), Qt::LeftButton);
    Release(CPoint(310, -410));
    line = LastLine();
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->GetPointArray(), (std::vector<CPoint>{{110, -410}, {310, -410}}));
}

TEST_F(ViewLineTools, FreehandTakesAPointOnlyBeyondTheDistanceAndAlonePolylinesVanish)
{
    Open(1000, 900);
    m_mainFrame.tool = ID_TOOL_POLYLINE;
    Press(CPoint(210, -210));
    // A screen pixel is about 2.6 units: 40 units stays below the distance, 50 goes beyond it.
    MoveTo(CPoint(250, -210));
    EXPECT_EQ(m_doc->GetPolyLineInProgress()->GetCount(), 1);
    MoveTo(CPoint(260, -210));
    MoveTo(CPoint(280, -240));
    ASSERT_EQ(m_doc->GetPolyLineInProgress()->GetCount(), 2);
    MoveTo(CPoint(290, -250));
    EXPECT_EQ(m_doc->GetPolyLineInProgress()->GetCount(), 3);
    const CPoint second = m_doc->GetPolyLineInProgress()->GetSecondPoint();
    EXPECT_NEAR(second.x, 260, 3);
    EXPECT_NEAR(second.y, -210, 3);
    Release(CPoint(290, -250));
    RightClick(CPoint(290, -250));
    ASSERT_NE(LastLine(), nullptr);
    EXPECT_EQ(LastLine()->GetCount(), 3);

    // A polyline of one point is no object; losing the mouse drops one in progress.
    m_mainFrame.tool = ID_TOOL_POLYLINE;
    Click(CPoint(610, -610));
    RightClick(CPoint(610, -610));
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 1);
    EXPECT_EQ(m_doc->GetPolyLineInProgress(), nullptr);
    EXPECT_EQ(m_mainFrame.tool, ID_TOOL_POINTER);
    m_mainFrame.tool = ID_TOOL_POLYLINE;
    Click(CPoint(610, -610));
    Click(CPoint(710, -610));
    CWnd::ReleaseCapture();
    EXPECT_EQ(m_doc->GetPolyLineInProgress(), nullptr);
    EXPECT_EQ(m_view->GetTrackMode(), UINT(TRACK_NONE));
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 1);
}

TEST_F(ViewLineTools, PointsAreEditedWithTheirHandles)
{
    Open(1000, 900);
    m_mainFrame.tool = ID_TOOL_POLYLINE;
    Click(CPoint(110, -110));
    Click(CPoint(310, -110));
    RightClick(CPoint(310, -310));
    ASSERT_NE(LastLine(), nullptr);
    ASSERT_EQ(m_view->GetLastSelected(), LastLine());
    // Control on the midpoint of the second segment pulls a new point out of it.
    Drag(CPoint(310, -210), CPoint(410, -210), Qt::ControlModifier);
    EXPECT_EQ(LastLine()->GetPointArray(), (std::vector<CPoint>{{110, -110}, {310, -110}, {410, -210}, {310, -310}}));
    // A plain drag of a point moves it.
    Drag(CPoint(110, -110), CPoint(110, -170));
    EXPECT_EQ(LastLine()->GetStartPoint(), CPoint(110, -170));
    // Shift on a point removes it at once, in one undo step.
    Press(CPoint(310, -110), Qt::ShiftModifier);
    Release(CPoint(310, -110), Qt::ShiftModifier);
    EXPECT_EQ(LastLine()->GetPointArray(), (std::vector<CPoint>{{110, -170}, {410, -210}, {310, -310}}));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(LastLine()->GetCount(), 4);
}

TEST_F(ViewLineTools, TheShapingMenuShapesEveryNewLineInItsOneUndoStep)
{
    // Without marks the drawn polyline runs exactly through the points.
    m_prototypes.line.SetMark(LINEEND_END, MARK_NONE);
    Open(1000, 900);
    ASSERT_EQ(m_view->GetZoom(), 100);
    struct Case
    {
        UINT command;
        std::vector<int> drawn; // the points of the drawn polyline
    };
    const Case cases[] = {
        {ID_LINE_NO_AUTO_SHAPE, {110, -110, 310, -310}},
        {ID_LINE_VERTICAL_CRANK, {110, -110, 110, -210, 310, -210, 310, -310}},
        {ID_LINE_HORIZONTAL_CRANK, {110, -110, 210, -110, 210, -310, 310, -310}},
        {ID_LINE_RIGHT_ANGLE, {110, -110, 310, -110, 310, -310}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        Command(c.command);
        CCmdUI state;
        state.m_nID = c.command;
        m_view->OnCmdMsg(c.command, CN_UPDATE_COMMAND_UI, &state, nullptr);
        EXPECT_EQ(state.GetCheck(), 1);
        m_mainFrame.tool = ID_TOOL_LINE;
        Drag(CPoint(110, -110), CPoint(310, -310));
        CPolyObj* line = LastLine();
        ASSERT_NE(line, nullptr);
        DrawLog log;
        CDC dc;
        dc.CreateRecording(&log);
        line->Draw(&dc, 100, FALSE);
        const std::vector<DrawCall> drawn = log.Of("Polyline");
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].args, c.drawn);
        // The shape belongs to the new line: undo takes the whole line away at once.
        Command(ID_EDIT_UNDO);
        EXPECT_TRUE(m_doc->HasNoObjects());
    }
}

TEST_F(ViewLineTools, PointsInOrderStraightenAPolylineAndKeepItUprightWhileAPointIsDragged)
{
    Open(1000, 900);
    Command(ID_LINE_AUTO_ADJUST_POINTS);
    m_mainFrame.tool = ID_TOOL_POLYLINE;
    Click(CPoint(110, -110));
    Click(CPoint(310, -130));
    Click(CPoint(330, -310));
    RightClick(CPoint(510, -300));
    CPolyObj* line = LastLine();
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->GetPointArray(), (std::vector<CPoint>{{110, -110}, {310, -110}, {310, -310}, {510, -310}}));
    Command(ID_EDIT_UNDO);
    EXPECT_TRUE(m_doc->HasNoObjects()) << "the straightening is part of the new polyline";
    // Two points are left as drawn.
    m_mainFrame.tool = ID_TOOL_POLYLINE;
    Click(CPoint(110, -110));
    RightClick(CPoint(310, -150));
    ASSERT_NE(LastLine(), nullptr);
    EXPECT_EQ(LastLine()->GetPointArray(), (std::vector<CPoint>{{110, -110}, {310, -150}}));
    Command(ID_EDIT_UNDO);

    // A dragged point of a polyline takes its neighbours along, so that its segments stay upright;
    // with the switch off only the point moves.
    for (const BOOL inOrder : {TRUE, FALSE}) {
        SCOPED_TRACE(inOrder);
        m_mainFrame.tool = ID_TOOL_POLYLINE;
        Click(CPoint(110, -110));
        Click(CPoint(310, -110));
        Click(CPoint(310, -310));
        RightClick(CPoint(510, -310));
        ASSERT_NE(LastLine(), nullptr);
        if (!inOrder)
            Command(ID_LINE_AUTO_ADJUST_POINTS);
        Press(CPoint(310, -110));
        EXPECT_EQ((m_view->GetHitCode() & HIT_LINE_ORTHOGONAL) != 0, bool(inOrder));
        for (int step = 1; step <= 4; ++step)
            MoveTo(CPoint(310 + 10 * step, -110 - 10 * step));
        Release(CPoint(350, -150));
        const std::vector<CPoint> points = LastLine()->GetPointArray();
        ASSERT_EQ(points.size(), 4u);
        EXPECT_EQ(points[1], CPoint(350, -150));
        bool upright = true;
        for (size_t i = 1; i < points.size(); ++i)
            upright = upright && (points[i].x == points[i - 1].x || points[i].y == points[i - 1].y);
        EXPECT_EQ(upright, bool(inOrder));
        Command(ID_EDIT_UNDO);
        Command(ID_EDIT_UNDO);
    }
}

TEST_F(ViewMouse, EachShapeToolCreatesItsShapeInOneUndoStep)
{
    struct Case
    {
        UINT tool;
        CPoint from, to;
        WORD kind;
        const char* check;
        std::function<bool(const CBaseObj&)> holds;
    };
    const Case cases[] = {
        {ID_TOOL_ELLIPSE,
         {310, -250},
         {110, -110},
         OBJKIND_ELLIPSE,
         "ellipse",
         [](const CBaseObj& o) { return DYNAMIC_DOWNCAST(CElliObj, &o) != nullptr; }},
        {ID_TOOL_DIAMOND,
         {110, -110},
         {310, -250},
         OBJKIND_DIAMOND,
         "diamond",
         [](const CBaseObj& o) { return DYNAMIC_DOWNCAST(CDiamondObj, &o) != nullptr; }},
        {ID_TOOL_HEXAGON,
         {110, -110},
         {310, -250},
         OBJKIND_POLYGON,
         "six sides",
         [](const CBaseObj& o) {
             const auto* polygon = DYNAMIC_DOWNCAST(CPolygonObj, &o);
             return polygon && polygon->GetSideCount() == 6 && polygon->GetRoundRate() == 0.25f;
         }},
        {ID_TOOL_OCTAGON,
         {110, -110},
         {310, -250},
         OBJKIND_POLYGON,
         "eight sides",
         [](const CBaseObj& o) {
             const auto* polygon = DYNAMIC_DOWNCAST(CPolygonObj, &o);
             return polygon && polygon->GetSideCount() == 8 && polygon->GetRoundRate() == 0.33f;
         }},
        // Dragged right and down: the centre lies at the top right, the lower-left quarter shows.
        {ID_TOOL_ARC,
         {110, -110},
         {310, -250},
         OBJKIND_ARC,
         "quadrant 1",
         [](const CBaseObj& o) {
             const auto* arc = DYNAMIC_DOWNCAST(CArcObj, &o);
             return arc && arc->GetQuadrant() == ARC_CENTRE_TOP_RIGHT;
         }},
        {ID_TOOL_FREEARC,
         {310, -110},
         {110, -250},
         OBJKIND_FREEARC,
         "three quarters",
         [](const CBaseObj& o) {
             const auto* arc = DYNAMIC_DOWNCAST(CFarcObj, &o);
             return arc && arc->GetStartPoint() == CPoint(210, -250) && arc->GetEndPoint() == CPoint(110, -180);
         }},
        // Dragged more across than up, towards the left: the connector points left.
        {ID_TOOL_CONNECTOR,
         {310, -250},
         {110, -110},
         OBJKIND_CONNECTOR,
         "points left",
         [](const CBaseObj& o) {
             const auto* connector = DYNAMIC_DOWNCAST(CCnctObj, &o);
             return connector && connector->GetDirection() == CONNECTOR_LEFT &&
                    connector->GetConnectType() == CONNECTOR_PENTAGON;
         }},
        // The default tail hangs from the bottom, a tenth of the width in.
        {ID_TOOL_BALLOON,
         {110, -110},
         {310, -250},
         OBJKIND_NOTE,
         "default tail",
         [](const CBaseObj& o) {
             const auto* note = DYNAMIC_DOWNCAST(CNoteObj, &o);
             return note && note->GetTail().tip == CPoint(130, -290) && note->GetTail().base2 == CPoint(190, -250);
         }},
    };
    Open(1000, 900);
    for (const Case& c : cases) {
        m_mainFrame.tool = c.tool;
        Drag(c.from, c.to);
        const CObList* objects = m_doc->GetObjectList();
        ASSERT_EQ(objects->GetCount(), 1) << c.check;
        const auto* shape = DYNAMIC_DOWNCAST(CBaseObj, objects->GetHead());
        ASSERT_NE(shape, nullptr);
        EXPECT_EQ(shape->GetKind(), c.kind) << c.check;
        EXPECT_EQ(shape->GetRect(), CRect(110, -110, 310, -250)) << c.check;
        EXPECT_TRUE(c.holds(*shape)) << c.check;
        EXPECT_EQ(m_view->GetLastSelected(), shape);
        EXPECT_EQ(m_mainFrame.tool, c.tool);
        Command(ID_EDIT_UNDO);
        EXPECT_TRUE(m_doc->HasNoObjects()) << c.check;
        EXPECT_FALSE(IsEnabled(ID_EDIT_UNDO)) << c.check << ": one step";
    }
}

TEST_F(ViewMouse, DraggingTheRatioHandleChangesTheRatioInOneUndoStep)
{
    auto* hexagon = new CPolygonObj(m_doc->NewObjectId(), CRect(110, -110, 310, -250), 6); // handle at (160, -110)
    {
        CUndoStep step(m_doc);
        ASSERT_TRUE(m_doc->AddObject(hexagon));
    }
    m_doc->ClearUndoBuffer();
    Open(1000, 900);
    m_view->AddToSelection(hexagon);
    // The handle lands on the grid (20 units from the page origin at 10).
    Drag(CPoint(160, -110), CPoint(170, -110));
    EXPECT_FLOAT_EQ(hexagon->GetRoundRate(), 0.3f);
    EXPECT_EQ(hexagon->GetRect(), CRect(110, -110, 310, -250));
    Command(ID_EDIT_UNDO);
    const auto* restored = DYNAMIC_DOWNCAST(CPolygonObj, m_doc->GetObjectList()->GetHead());
    ASSERT_NE(restored, nullptr);
    EXPECT_FLOAT_EQ(restored->GetRoundRate(), 0.25f);
}

TEST_F(ViewMouse, RoundingLeavesTheDiamondAndRecordsNothingForIt)
{
    CRectObj* rect = AddRect(CRect(510, -110, 610, -210));
    auto* diamond = new CDiamondObj(m_doc->NewObjectId(), CRect(110, -110, 310, -250));
    {
        CUndoStep step(m_doc);
        ASSERT_TRUE(m_doc->AddObject(diamond));
    }
    m_doc->ClearUndoBuffer();
    {
        CUndoStep step(m_doc);
        EXPECT_TRUE(m_doc->ApplyObjectCommand(rect, ID_RECT_ROUNDED, nullptr, HIT_BODY));
        EXPECT_FALSE(m_doc->ApplyObjectCommand(diamond, ID_RECT_ROUNDED, nullptr, HIT_BODY));
        EXPECT_TRUE(m_doc->IsChangeRecordedForUndo(rect->GetObjectId()));
        EXPECT_FALSE(m_doc->IsChangeRecordedForUndo(diamond->GetObjectId()));
    }
    EXPECT_TRUE(rect->IsRounded());
    EXPECT_FALSE(diamond->IsRounded());
    m_doc->Undo();
    const auto* restored = DYNAMIC_DOWNCAST(CRectObj, m_doc->GetObjectList()->GetHead());
    ASSERT_NE(restored, nullptr);
    EXPECT_FALSE(restored->IsRounded());
}

TEST_F(ViewMouse, TheTextToolOpensAnEditorAndTheTypedTextIsOneUndoStep)
{
    Open(1000, 900);
    m_mainFrame.tool = ID_TOOL_TEXT;
    Drag(CPoint(110, -110), CPoint(410, -210));
    const CObList* objects = m_doc->GetObjectList();
    ASSERT_EQ(objects->GetCount(), 1);
    auto* text = DYNAMIC_DOWNCAST(CStrgObj, objects->GetHead());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->GetRect(), CRect(110, -110, 410, -210));
    CFloatEdit* editor = m_view->GetLabelEditor();
    ASSERT_NE(editor, nullptr);

    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8(u8"日本語"));
    QApplication::sendEvent(editor->GetSafeHwnd(), &commit);
    // Undo belongs to the editor while it is open.
    EXPECT_TRUE(IsEnabled(ID_EDIT_UNDO));
    m_mainFrame.tool = ID_TOOL_POINTER;
    Press(CPoint(700, -700));
    Release(CPoint(700, -700));
    EXPECT_EQ(m_view->GetLabelEditor(), nullptr);
    EXPECT_EQ(text->GetText(), CString(u8"日本語"));

    Command(ID_EDIT_UNDO);
    ASSERT_EQ(objects->GetCount(), 1);
    text = DYNAMIC_DOWNCAST(CStrgObj, objects->GetHead());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->GetText(), CString()) << "the typing is a step of its own";
    Command(ID_EDIT_UNDO);
    EXPECT_TRUE(m_doc->HasNoObjects());
}

TEST_F(ViewMouse, TheCircleConnectorToolMakesAPairInOneStepAndEditsTheFirst)
{
    CDrawObjManager prototypes;
    ASSERT_TRUE(prototypes.InitDrawObjs());
    PrototypeFrame frame(prototypes);
    Open(1000, 900);
    m_mainFrame.tool = ID_TOOL_CIRCLE_CONNECTOR;
    Drag(CPoint(110, -110), CPoint(410, -410));
    ASSERT_EQ(m_doc->GetObjectList()->GetCount(), 2);
    auto connector = [&](WORD id) {
        CObject* object = nullptr;
        m_doc->FindObjectById(id, object);
        return DYNAMIC_DOWNCAST(CEcntsObj, object);
    };
    CEcntsObj* first = connector(1);
    CEcntsObj* second = connector(2);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->GetRect(), CRect(110, -110, 190, -190)) << "the prototype's size at the dragged corner";
    EXPECT_EQ(second->GetRect(), CRect(210, -110, 290, -190));
    EXPECT_EQ(first->GetPairNumber(), 1);
    EXPECT_EQ(second->GetPairNumber(), 1);
    EXPECT_TRUE(first->IsFirstOfPair());
    EXPECT_FALSE(second->IsFirstOfPair());
    EXPECT_EQ(m_view->GetLastSelected(), first);
    EXPECT_EQ(m_view->GetSelection().GetCount(), 1);
    ASSERT_NE(m_view->GetLabelEditor(), nullptr);
    m_view->EndInPlaceEdit();

    Command(ID_EDIT_UNDO);
    EXPECT_TRUE(m_doc->HasNoObjects());
    EXPECT_FALSE(IsEnabled(ID_EDIT_UNDO)) << "one step for the pair";
}

TEST_F(ViewMouse, DoubleClickOpensTheTextEditorFromZoom50)
{
    Open(1000, 900);
    CStrgObj* text = nullptr;
    {
        CUndoStep step(m_doc);
        text = new CStrgObj(m_doc->NewObjectId(), CRect(110, -110, 410, -310), CString("abc"));
        ASSERT_TRUE(m_doc->AddObject(text));
    }
    for (int zoom : {49, 50}) {
        SCOPED_TRACE(zoom);
        m_view->SetZoom(zoom);
        Press(CPoint(200, -200));
        Release(CPoint(200, -200));
        Send(QEvent::MouseButtonDblClick, CPoint(200, -200), Qt::LeftButton);
        Release(CPoint(200, -200));
        EXPECT_EQ(m_view->GetLabelEditor() != nullptr, zoom >= 50);
        EXPECT_EQ(m_view->GetLastSelected(), text);
    }
    // Ending without typing changes nothing and leaves the undo log alone.
    const int undoIndex = m_doc->GetUndoIndex();
    m_view->EndInPlaceEditAndRefresh();
    EXPECT_EQ(m_doc->GetUndoIndex(), undoIndex);
    EXPECT_EQ(text->GetText(), CString("abc"));
}
