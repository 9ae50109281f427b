// The view's object commands: the right button and the objects' menus, commands spread over the
// selection in one undo step, and the keys.
#include "tests/view/ViewTestSupport.h"
#include "tests/support/MessageScript.h"

#include "foundation/ListElements.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FontDialog.h"
#include "platform/ui/Menu.h"
#include "platform/ui/VirtualKeys.h"
#include "objects/ObjectServices.h"
#include "objects/PolyObj.h"
#include "objects/StrgObj.h"
#include "view/BaseView.h"
#include "view/TableDdlServices.h"

#include <QComboBox>
#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QMouseEvent>
#include <QTest>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace view_commands_test {

const CRect kFirst(200, -200, 500, -300);
const CRect kSecond(600, -200, 800, -500);

// The state of a rectangle that a command may change.
struct RectState
{
    CRect rect;
    int penStyle;
    int penWidth;
    COLORREF fillColor;
    BOOL fill;
    WORD shadow;
    BOOL rounded;
    bool operator==(const RectState&) const = default;
};

RectState StateOf(const CRectObj& r)
{
    return {r.GetRect(), r.GetPenStyle(),    r.GetPenWidth(), r.GetFillColor(),
            r.GetFill(), r.GetShadowDepth(), r.IsRounded()};
}

} // namespace view_commands_test

using view_commands_test::RectState;
using view_commands_test::StateOf;

class ViewCommands : public ViewTest
{
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        ASSERT_EQ(m_app.GetColorItemList()->CreateDefaultColorItems(), 16);
        Open();
        m_first = AddRect(view_commands_test::kFirst);
        m_second = AddRect(view_commands_test::kSecond);
        m_firstId = m_first->GetObjectId();
        m_secondId = m_second->GetObjectId();
        for (CRectObj* r : {m_first, m_second})
            r->SetFill(TRUE);
        m_doc->ClearUndoBuffer();
        m_doc->SetModifiedFlag(FALSE);
    }
    void TearDown() override
    {
        CMenu::SetPopupHook(nullptr);
        SetColorDialogSink(nullptr);
        ViewTest::TearDown();
    }

    void RightClick(POINT doc)
    {
        const CPoint pixel = PixelOf(doc);
        QWidget* widget = m_view->GetSafeHwnd();
        const QPointF local(pixel.x, pixel.y);
        QMouseEvent event(QEvent::MouseButtonPress, local, widget->mapToGlobal(local), Qt::RightButton, Qt::RightButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
        QApplication::processEvents(); // the chosen command is posted to the frame
    }
    // Keys arrive where the program's focus is: the scrolling area around the view's window.
    void MoveTo(POINT doc)
    {
        const CPoint pixel = PixelOf(doc);
        QWidget* widget = m_view->GetSafeHwnd();
        const QPointF local(pixel.x, pixel.y);
        QMouseEvent event(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    void Key(Qt::Key key)
    {
        QTest::keyClick(m_view->GetSafeHwnd()->parentWidget(), key);
        QApplication::processEvents();
    }
    // Both rectangles selected, the first one last (it is the menu's object).
    void SelectBoth()
    {
        m_view->AddToSelection(m_second);
        m_view->AppendToSelection(m_first);
    }
    // Answers the next popups with the id; records every menu shown.
    void Choose(UINT id)
    {
        CMenu::SetPopupHook([this, id](CMenu& menu) {
            m_shown.push_back(&menu);
            m_firstItems.push_back(menu.GetMenuItemID(0));
            return id;
        });
    }

    // A line shown in both modes.
    CPolyObj* AddLine(POINT start, POINT end)
    {
        CUndoStep step(m_doc);
        auto* line = new CPolyObj(m_doc->NewObjectId(), start, end);
        line->SetHideDefine(FALSE);
        return m_doc->AddObject(line) ? line : nullptr;
    }
    void LeftClick(POINT doc)
    {
        const CPoint pixel = PixelOf(doc);
        QTest::mouseClick(m_view->GetSafeHwnd(), Qt::LeftButton, Qt::NoModifier, QPoint(pixel.x, pixel.y));
    }

    // Undo puts copies in place of changed objects: the rectangles are looked up again after it.
    void Refetch()
    {
        m_first = ById(m_firstId);
        m_second = ById(m_secondId);
    }
    CRectObj* ById(WORD id) const
    {
        CObject* object = nullptr;
        return m_doc->FindObjectById(id, object) ? DYNAMIC_DOWNCAST(CRectObj, object) : nullptr;
    }

    CRectObj* m_first = nullptr;
    CRectObj* m_second = nullptr;
    WORD m_firstId = 0;
    WORD m_secondId = 0;
    std::vector<CMenu*> m_shown;
    std::vector<UINT> m_firstItems;
};

TEST_F(ViewCommands, MenuCommandsChangeEverySelectedRectangleInOneUndoStep)
{
    const COLORREF paletteRed = GetElementAtIndex(*m_app.GetColorItemList(), 1)->GetColor();
    struct Row
    {
        UINT id;
        std::function<bool(const CRectObj&)> holds;
    };
    const Row rows[] = {
        {ID_PEN_SOLID_THICK, [](const CRectObj& r) { return r.GetPenWidth() == 8 && r.GetPenStyle() == 0; }},
        {ID_PEN_DOT, [](const CRectObj& r) { return r.GetPenStyle() == 2 && r.GetPenWidth() == 0; }},
        {ID_FILL_COLOR_BASE + 1, [paletteRed](const CRectObj& r) { return r.GetFillColor() == paletteRed; }},
        {ID_SHADOW_LARGE, [](const CRectObj& r) { return r.GetShadowDepth() == 20; }},
        {ID_SHADOW_NONE, [](const CRectObj& r) { return r.GetShadowDepth() == 0; }},
        {ID_RECT_ROUNDED, [](const CRectObj& r) { return r.IsRounded(); }},
        {ID_OBJ_SQUARE_BY_SHORTER,
         [](const CRectObj& r) { return r.GetRect().Width() == r.GetRect().top - r.GetRect().bottom; }},
    };
    for (const Row& row : rows) {
        for (CRectObj* r : {m_first, m_second}) {
            r->SetFill(TRUE);
            r->SetShadowDepth(row.id == ID_SHADOW_NONE ? 10 : 0);
        }
        const RectState first = StateOf(*m_first);
        const RectState second = StateOf(*m_second);
        SelectBoth();
        Choose(row.id);
        RightClick(m_first->GetCenter());
        ASSERT_EQ(m_shown.size(), 1u) << row.id;
        m_shown.clear();
        EXPECT_TRUE(row.holds(*m_first) && row.holds(*m_second)) << row.id;
        EXPECT_TRUE(m_doc->IsModified()) << row.id;
        m_doc->Undo();
        Refetch();
        EXPECT_EQ(StateOf(*m_first), first) << row.id;
        EXPECT_EQ(StateOf(*m_second), second) << row.id;
        EXPECT_FALSE(m_doc->CanUndo()) << row.id;
        m_doc->ClearUndoBuffer();
    }
}

TEST_F(ViewCommands, MenuStatesComeFromTheObjectAndTheDocument)
{
    m_first->SetFill(FALSE);
    m_first->SetRounded(TRUE);
    const CPoint edge(350, -200); // an unfilled rectangle is hit on its outline
    UINT rounded = 0, shadow = 0, makeDefault = 0, thick = 0;
    CMenu::SetPopupHook([&](CMenu& menu) -> UINT {
        rounded = menu.GetMenuState(ID_RECT_ROUNDED, MF_BYCOMMAND);
        shadow = menu.GetSubMenu(6)->GetMenuState(ID_SHADOW_SMALL, MF_BYCOMMAND);
        makeDefault = menu.GetMenuState(ID_SET_DEFAULT_ATTRIBUTES, MF_BYCOMMAND);
        thick = menu.GetSubMenu(0)->GetMenuState(ID_PEN_SOLID_THICK, MF_BYCOMMAND);
        return 0;
    });
    RightClick(edge);
    EXPECT_EQ(rounded, UINT(MF_CHECKED));
    EXPECT_EQ(shadow, UINT(MF_GRAYED));
    EXPECT_EQ(makeDefault, 0u);
    EXPECT_EQ(thick, 0u);
    // Read-only: everything but making the defaults is disabled; several selected, that one too.
    m_doc->SetReadOnly(TRUE);
    RightClick(edge);
    EXPECT_EQ(rounded, UINT(MF_CHECKED | MF_GRAYED));
    EXPECT_EQ(makeDefault, 0u);
    EXPECT_EQ(thick, UINT(MF_GRAYED));
    m_doc->SetReadOnly(FALSE);
    SelectBoth();
    RightClick(edge);
    EXPECT_EQ(makeDefault, UINT(MF_GRAYED));
}

TEST_F(ViewCommands, RightButtonChoosesTheMenuByWhatItHits)
{
    Choose(0);
    // On empty paper the selection goes and the tool menu opens.
    SelectBoth();
    RightClick(CPoint(1000, -900));
    EXPECT_FALSE(m_view->HasSelection());
    ASSERT_EQ(m_firstItems.size(), 1u);
    EXPECT_EQ(m_firstItems.back(), ID_TOOL_POINTER);
    // On an unselected object while another is selected: that one alone, its own menu.
    m_view->AddToSelection(m_first);
    RightClick(m_second->GetCenter());
    EXPECT_TRUE(m_view->IsSingleSelection());
    EXPECT_EQ(m_view->GetLastSelected(), m_second);
    EXPECT_EQ(m_view->GetCurrentObject(), m_second);
    EXPECT_EQ(m_firstItems.back(), UINT(-1)); // the rectangle's menu starts with the pen popup
    // A rectangle hidden in define mode is not there: the tool menu opens.
    m_view->ClearSelection();
    m_second->SetHideDefine(TRUE);
    m_view->SetPrintMode(FALSE);
    RightClick(m_second->GetCenter());
    EXPECT_EQ(m_firstItems.back(), ID_TOOL_POINTER);
}

TEST_F(ViewCommands, ColourDialogRunsOnceAndTheOthersTakeItsColour)
{
    SelectBoth();
    int dialogs = 0;
    BOOL confirm = FALSE;
    SetColorDialogSink([&](COLORREF, COLORREF& picked) { return ++dialogs, picked = RGB(1, 2, 3), confirm; });
    Choose(ID_FILL_COLOR_BASE + COLOR_MENU_DIALOG);
    const COLORREF before = m_second->GetFillColor();
    RightClick(m_first->GetCenter());
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(m_second->GetFillColor(), before);
    confirm = TRUE;
    RightClick(m_first->GetCenter());
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(m_first->GetFillColor(), RGB(1, 2, 3));
    EXPECT_EQ(m_second->GetFillColor(), RGB(1, 2, 3));
}

TEST_F(ViewCommands, FontDialogRunsOnceAndEverySelectedTextTakesItsChoiceInOneStep)
{
    CStrgObj* texts[2] = {};
    const CRect places[2] = {CRect(200, -600, 500, -700), CRect(600, -600, 800, -800)};
    for (int i = 0; i < 2; ++i) {
        CUndoStep step(m_doc);
        texts[i] = new CStrgObj(m_doc->NewObjectId(), places[i], CString(u8"日本語"));
        ASSERT_TRUE(m_doc->AddObject(texts[i]));
    }
    const WORD ids[2] = {texts[0]->GetObjectId(), texts[1]->GetObjectId()};
    m_doc->ClearUndoBuffer();
    m_view->AddToSelection(texts[1]);
    m_view->AppendToSelection(texts[0]);
    const LOGFONT before = texts[0]->GetLogFont();
    const COLORREF colorBefore = texts[0]->GetTextColor();
    int dialogs = 0;
    bool confirm = false;
    CDialog::SetModalHook([&](CDialog& d) {
        ++dialogs;
        auto combo = [&d](int id) { return qobject_cast<QComboBox*>(d.GetDlgItem(id)->GetSafeHwnd()); };
        combo(CFontDialog::IDC_FACE)->setCurrentText(QString::fromUtf8("ＭＳ 明朝"));
        combo(CFontDialog::IDC_SIZE)->setCurrentText(QStringLiteral("24"));
        combo(CFontDialog::IDC_COLOR)->setCurrentIndex(12); // blue
        static_cast<CButton*>(d.GetDlgItem(CFontDialog::IDC_UNDERLINE))->SetCheck(BST_CHECKED);
        if (confirm)
            d.SendMessage(WM_COMMAND, IDOK);
    });
    Choose(ID_FONT_DIALOG);
    const auto text = [this](WORD id) {
        CObject* object = nullptr;
        return m_doc->FindObjectById(id, object) ? DYNAMIC_DOWNCAST(CStrgObj, object) : nullptr;
    };
    const std::string faceBefore = Utf8(CString(before.lfFaceName));
    const auto expectFont = [&](const std::string& face, LONG height, BYTE underline, COLORREF color) {
        for (WORD id : ids) {
            ASSERT_NE(text(id), nullptr);
            EXPECT_EQ(Utf8(CString(text(id)->GetLogFont().lfFaceName)), face) << id;
            EXPECT_EQ(text(id)->GetLogFont().lfHeight, height) << id;
            EXPECT_EQ(text(id)->GetLogFont().lfUnderline, underline) << id;
            EXPECT_EQ(text(id)->GetTextColor(), color) << id;
        }
    };
    // Cancelled: nothing changes and no step is left.
    RightClick(texts[0]->GetCenter());
    EXPECT_EQ(dialogs, 1);
    expectFont(faceBefore, before.lfHeight, 0, colorBefore);
    EXPECT_FALSE(m_doc->CanUndo());

    confirm = true;
    RightClick(texts[0]->GetCenter());
    CDialog::SetModalHook(nullptr);
    EXPECT_EQ(dialogs, 2);
    expectFont("ＭＳ 明朝", -32, 1, RGB(0, 0, 255));
    EXPECT_TRUE(m_doc->IsModified());
    m_doc->Undo();
    expectFont(faceBefore, before.lfHeight, 0, colorBefore);
    EXPECT_FALSE(m_doc->CanUndo());
}

TEST_F(ViewCommands, CommandsOnAnEmptySelectionOrOutOfRangeDoNothing)
{
    const RectState first = StateOf(*m_first);
    for (UINT id : {ID_PEN_SOLID_THICK, ID_OBJ_SQUARE_BY_SHORTER, ID_RECT_ROUNDED})
        m_view->SendMessage(WM_COMMAND, id);
    SelectBoth();
    m_view->OnObjectAttributeCommand(ID_OPERATION_FIRST);
    m_view->OnObjectOperationCommand(ID_ATTRIBUTE_LAST);
    EXPECT_EQ(StateOf(*m_first), first);
    EXPECT_FALSE(m_doc->CanUndo());
    EXPECT_FALSE(m_doc->IsModified());
}

// The table-definition command hands the whole selection, in its order, to the physical design in
// one call with the messages on; the drawing itself does not change.
TEST_F(ViewCommands, CreateTableHandsTheSelectionToTheTableDdlServiceOnce)
{
    struct RecordingTableDdl : TableDdlServices
    {
        int CreateTableDdlForSelectedFiles(CBaseDoc& doc, const CObList& objects, BOOL showMessages) override
        {
            std::vector<CObject*> list;
            for (POSITION pos = objects.GetHeadPosition(); pos;)
                list.push_back(objects.GetNext(pos));
            calls.push_back({&doc, list, showMessages});
            return 1;
        }
        struct Call
        {
            CBaseDoc* doc;
            std::vector<CObject*> objects;
            BOOL showMessages;
        };
        std::vector<Call> calls;
    } ddl;

    // Without a registered service the command passes over quietly.
    TableDdlServices* previous = SetTableDdlServices(nullptr);
    SelectBoth();
    // (A rectangle's menu has no such command; a conceptual file's sends it the same way.)
    m_view->OnObjectOperationCommand(ID_OBJ_CREATE_TABLE);

    SetTableDdlServices(&ddl);
    m_view->OnObjectOperationCommand(ID_OBJ_CREATE_TABLE);
    SetTableDdlServices(previous);

    ASSERT_EQ(ddl.calls.size(), 1u);
    EXPECT_EQ(ddl.calls[0].doc, m_doc);
    EXPECT_EQ(ddl.calls[0].objects, (std::vector<CObject*>{m_second, m_first}));
    EXPECT_TRUE(ddl.calls[0].showMessages);
    EXPECT_FALSE(m_doc->CanUndo());
    EXPECT_FALSE(m_doc->IsModified());
}

TEST_F(ViewCommands, ArrowKeysNudgeTheSelectionInOneStepOrScroll)
{
    m_view->SetZoom(400); // the scroll bars are there
    SelectBoth();
    struct Row
    {
        Qt::Key key;
        CSize offset;
    };
    for (const Row& row : {Row{Qt::Key_Left, {-2, 0}}, Row{Qt::Key_Right, {2, 0}}, Row{Qt::Key_Up, {0, 2}},
                           Row{Qt::Key_Down, {0, -2}}}) {
        const CPoint scrolled = m_view->GetDeviceScrollPosition();
        Key(row.key);
        EXPECT_EQ(m_view->GetDeviceScrollPosition(), scrolled) << row.key; // a nudge does not scroll
        EXPECT_EQ(m_first->GetRect(), view_commands_test::kFirst + row.offset) << row.key;
        EXPECT_EQ(m_second->GetRect(), view_commands_test::kSecond + row.offset) << row.key;
        m_doc->Undo();
        Refetch();
        EXPECT_EQ(m_first->GetRect(), view_commands_test::kFirst) << row.key;
        EXPECT_FALSE(m_doc->CanUndo());
    }
    m_doc->SetReadOnly(TRUE);
    Key(Qt::Key_Right);
    EXPECT_EQ(m_first->GetRect(), view_commands_test::kFirst);
    m_doc->SetReadOnly(FALSE);

    // Without a selection the keys scroll: Down by a line, Right by a page.
    m_view->ClearSelection();
    ASSERT_TRUE(m_view->NeedsVertScroll() && m_view->NeedsHorzScroll());
    const CPoint start = m_view->GetDeviceScrollPosition();
    Key(Qt::Key_Down);
    const CPoint down = m_view->GetDeviceScrollPosition();
    EXPECT_EQ(down.x, start.x);
    EXPECT_GT(down.y, start.y);
    Key(Qt::Key_Right);
    EXPECT_GT(m_view->GetDeviceScrollPosition().x - down.x, down.y - start.y);
    // Once, not also by the scroll area: a line is what the view's line step says.
    int mapMode = 0;
    CSize total, page, line;
    m_view->GetDeviceScrollSizes(mapMode, total, page, line);
    EXPECT_EQ(down.y - start.y, line.cy);
    EXPECT_EQ(m_first->GetRect(), view_commands_test::kFirst);
    EXPECT_FALSE(m_doc->CanUndo());
}

TEST_F(ViewCommands, DeleteRemovesTheSelectionInOneUndoStep)
{
    SelectBoth();
    Key(Qt::Key_Delete);
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 0);
    m_doc->Undo();
    EXPECT_EQ(m_doc->GetObjectList()->GetCount(), 2);
}

TEST_F(ViewCommands, LinkPickWaitsForTheTargetAndLinksInOneStep)
{
    m_view->AddToSelection(m_first);
    Choose(ID_OBJ_PICK_LINK);
    RightClick(m_first->GetCenter());
    EXPECT_EQ(m_view->GetTrackMode(), UINT(TRACK_PICK_LINK));
    EXPECT_EQ(m_view->GetPickDelay(), 3);
    // For the first 30 ms a move shows nothing; then the prompt over paper, the object over one.
    m_mainFrame.statusText.Empty();
    MoveTo(CPoint(1000, -900));
    EXPECT_TRUE(m_mainFrame.statusText.IsEmpty());
    // The delay runs on timer ticks, which a loaded machine may hand out late.
    for (int i = 0; i < 250 && m_mainFrame.statusText.IsEmpty(); ++i) {
        QTest::qWait(20);
        MoveTo(CPoint(1000, -900));
    }
    EXPECT_EQ(m_mainFrame.statusText, CString(u8"ﾘﾝｸするｵﾌﾞｼﾞｪｸﾄをﾋｯﾄしてください"));
    MoveTo(m_second->GetCenter());
    EXPECT_TRUE(std::string(m_mainFrame.statusText).ends_with(std::string(CString(u8" に接続"))))
        << m_mainFrame.statusText;
    const CPoint target = PixelOf(m_second->GetCenter());
    QTest::mouseClick(m_view->GetSafeHwnd(), Qt::LeftButton, Qt::NoModifier, QPoint(target.x, target.y));
    EXPECT_EQ(m_view->GetTrackMode(), UINT(TRACK_NONE));
    EXPECT_EQ(m_first->GetLinkObjectId(), m_secondId);
    // The link is a change of the document.
    EXPECT_TRUE(m_doc->IsModified());
    m_doc->Undo();
    Refetch();
    EXPECT_EQ(m_first->GetLinkObjectId(), 0);
    EXPECT_FALSE(m_doc->CanUndo());
}

TEST_F(ViewCommands, ContextMenuKeyOpensTheMenuOfTheSelectionOrTheToolMenu)
{
    Choose(0);
    m_view->AddToSelection(m_first);
    Key(Qt::Key_Menu);
    ASSERT_EQ(m_firstItems.size(), 1u);
    EXPECT_EQ(m_firstItems.back(), UINT(-1)); // the rectangle's menu
    EXPECT_EQ(m_view->GetLastSelected(), m_first);
    m_view->ClearSelection();
    Key(Qt::Key_Menu);
    ASSERT_EQ(m_firstItems.size(), 2u);
    EXPECT_EQ(m_firstItems.back(), ID_TOOL_POINTER);
    // A line's menu opens where the mouse last pressed: here on the line that the press selected.
    CPolyObj* line = AddLine(CPoint(200, -600), CPoint(800, -600));
    LeftClick(CPoint(400, -600));
    ASSERT_EQ(m_view->GetLastSelected(), line);
    UINT bezierState = UINT(-1);
    CMenu::SetPopupHook([&](CMenu& menu) -> UINT {
        bezierState = menu.GetMenuState(ID_LINE_BEZIER, MF_BYCOMMAND);
        return 0;
    });
    Key(Qt::Key_Menu);
    EXPECT_NE(bezierState, UINT(-1));
    EXPECT_EQ(m_view->GetLastSelected(), line);
}

TEST_F(ViewCommands, CopyDefaultsTakesEachObjectsPrototypeAndPassesOverOthers)
{
    // A main frame with a prototype for the rounded rectangles only.
    class Prototypes : public ObjectServices
    {
    public:
        Prototypes() : m_previous(SetObjectServices(this)) { rounded.SetPenWidth(8); }
        ~Prototypes() override { SetObjectServices(m_previous); }
        CObject* FindDefaultPrototype(const CObject* object) override
        {
            const auto* rect = DYNAMIC_DOWNCAST(CRectObj, object);
            return rect && rect->IsRounded() ? &rounded : nullptr;
        }
        CObject* FindPrototypeByKind(WORD, DWORD) override { return nullptr; }
        BOOL SetDefaultAttributesFrom(const CObject*) override { return FALSE; }
        CRectObj rounded{0, CRect(0, 0, 100, -100), TRUE};

    private:
        ObjectServices* m_previous;
    } prototypes;
    m_second->SetRounded(TRUE);
    m_first->SetPenWidth(1);
    m_second->SetPenWidth(1);
    SelectBoth();
    Choose(ID_COPY_DEFAULT_ATTRIBUTES);
    RightClick(m_first->GetCenter());
    EXPECT_EQ(m_first->GetPenWidth(), 1);
    EXPECT_EQ(m_second->GetPenWidth(), 8);
}

TEST_F(ViewCommands, LineMenuMarksEverySelectedLineInOneUndoStep)
{
    CPolyObj* lines[2] = {};
    WORD ids[2] = {};
    for (int i = 0; i < 2; ++i) {
        lines[i] = AddLine(CPoint(200, -600 - 100 * i), CPoint(800, -600 - 100 * i));
        ASSERT_TRUE(lines[i]);
        ids[i] = lines[i]->GetObjectId();
    }
    m_doc->ClearUndoBuffer();
    m_view->AddToSelection(lines[1]);
    m_view->AppendToSelection(lines[0]);
    UINT endMarkState = 0;
    CMenu::SetPopupHook([&](CMenu& menu) -> UINT {
        m_shown.push_back(&menu);
        endMarkState = menu.GetMenuState(ID_ARROW_END_BASE, MF_BYCOMMAND);
        return ID_ARROW_END_BASE + MARK_DOT;
    });
    RightClick(CPoint(500, -600));
    ASSERT_EQ(m_shown.size(), 1u);
    EXPECT_EQ(endMarkState, UINT(MF_CHECKED)); // no end mark yet
    for (CPolyObj* line : lines)
        EXPECT_EQ(line->GetMark(LINEEND_END), MARK_DOT);
    EXPECT_TRUE(m_doc->IsModified());
    m_doc->Undo();
    EXPECT_FALSE(m_doc->CanUndo());
    for (WORD id : ids) {
        CObject* object = nullptr;
        ASSERT_TRUE(m_doc->FindObjectById(id, object));
        EXPECT_EQ(DYNAMIC_DOWNCAST(CPolyObj, object)->GetMark(LINEEND_END), MARK_NONE);
    }
    // A crank from the operations submenu, undone as one step.
    CObject* object = nullptr;
    ASSERT_TRUE(m_doc->FindObjectById(ids[0], object));
    m_view->ClearSelection();
    Choose(ID_OP_LINE_VERTICAL_CRANK);
    RightClick(CPoint(500, -600));
    EXPECT_EQ(DYNAMIC_DOWNCAST(CPolyObj, object)->GetCount(), 4);
    m_doc->Undo();
    ASSERT_TRUE(m_doc->FindObjectById(ids[0], object));
    EXPECT_EQ(DYNAMIC_DOWNCAST(CPolyObj, object)->GetPointArray(), (std::vector<CPoint>{{200, -600}, {800, -600}}));
}

TEST_F(ViewCommands, LineConnectionPickSetsTheEndsObjectInOneStep)
{
    CPolyObj* line = AddLine(CPoint(200, -600), CPoint(800, -600));
    ASSERT_TRUE(line);
    const WORD lineId = line->GetObjectId();
    m_doc->ClearUndoBuffer();
    const auto lineNow = [&] {
        CObject* object = nullptr;
        return m_doc->FindObjectById(lineId, object) ? DYNAMIC_DOWNCAST(CPolyObj, object) : nullptr;
    };
    // The pick line starts at the end that is to be connected.
    Choose(ID_OBJ_PICK_END_CONNECTION);
    RightClick(CPoint(500, -600));
    EXPECT_EQ(m_view->GetTrackMode(), UINT(TRACK_PICK_END));
    // The pick ignores the mouse for a few timer ticks, which a loaded machine may hand out late.
    m_mainFrame.statusText.Empty();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            MoveTo(CPoint(1000, -900));
            return !m_mainFrame.statusText.IsEmpty();
        },
        5000));
    EXPECT_EQ(m_mainFrame.statusText, CString(u8"終了点に接続するｵﾌﾞｼﾞｪｸﾄをﾋｯﾄしてください"));
    // The pick has cursors of its own: one over empty paper, another over an object it can take.
    const QCursor overPaper = m_view->GetSafeHwnd()->cursor();
    EXPECT_EQ(overPaper.shape(), Qt::BitmapCursor);
    EXPECT_EQ(overPaper.hotSpot(), QPoint(1, 1)) << "the tip of the pointer";
    MoveTo(m_second->GetCenter());
    const QCursor overObject = m_view->GetSafeHwnd()->cursor();
    EXPECT_EQ(overObject.shape(), Qt::BitmapCursor);
    EXPECT_NE(overObject.pixmap().toImage(), overPaper.pixmap().toImage());
    MoveTo(CPoint(1000, -900));
    EXPECT_EQ(m_view->GetSafeHwnd()->cursor().pixmap().toImage(), overPaper.pixmap().toImage());
    {
        DrawLog log;
        CDC dc;
        dc.CreateRecording(&log);
        m_view->DrawPickLine(&dc);
        CPoint end(800, -600);
        ScalePointByZoom(end, m_view->GetZoom());
        const std::vector<DrawCall> lines = log.Of("LineTo");
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(std::vector<int>(lines[0].args.begin(), lines[0].args.begin() + 2), (std::vector<int>{end.x, end.y}));
    }
    LeftClick(m_second->GetCenter());
    EXPECT_EQ(m_view->GetTrackMode(), UINT(TRACK_NONE));
    EXPECT_EQ(lineNow()->GetEndObjectId(), m_secondId);
    EXPECT_EQ(lineNow()->GetStartObjectId(), 0);
    EXPECT_TRUE(m_doc->IsModified());
    m_doc->Undo();
    EXPECT_EQ(lineNow()->GetEndObjectId(), 0);
    EXPECT_FALSE(m_doc->CanUndo());

    // A press on paper ends the pick; with nothing connected nothing changes.
    m_doc->SetModifiedFlag(FALSE);
    m_view->ClearSelection();
    Choose(ID_OBJ_PICK_START_CONNECTION);
    RightClick(CPoint(500, -600));
    EXPECT_EQ(m_view->GetTrackMode(), UINT(TRACK_PICK_START));
    LeftClick(CPoint(1000, -900));
    EXPECT_EQ(m_view->GetTrackMode(), UINT(TRACK_NONE));
    EXPECT_EQ(lineNow()->GetStartObjectId(), 0);
    EXPECT_EQ(lineNow()->GetEndObjectId(), 0);
    EXPECT_FALSE(m_doc->IsModified());

    // With the start connected, the same press on paper takes the connection away.
    m_view->ClearSelection();
    Choose(ID_OBJ_PICK_START_CONNECTION);
    RightClick(CPoint(500, -600));
    LeftClick(m_first->GetCenter());
    EXPECT_EQ(lineNow()->GetStartObjectId(), m_firstId);
    m_view->ClearSelection();
    RightClick(CPoint(500, -600));
    LeftClick(CPoint(1000, -900));
    EXPECT_EQ(lineNow()->GetStartObjectId(), 0);
    m_doc->Undo();
    EXPECT_EQ(lineNow()->GetStartObjectId(), m_firstId);
}

TEST_F(ViewCommands, LineShapeOperationsLeaveThePictureAFullRepaintWouldShow)
{
    // A slanted line, right-clicked while not selected: its handles are drawn at once, then the
    // operation reshapes it within, across or inside its old bounding rectangle. Handles keep
    // their size on screen, so the zoom changes how far they reach beyond the line.
    const CPoint start(200, -600), end(700, -900);
    for (const auto& [zoom, id] : {std::pair{100, ID_OP_LINE_VERTICAL_CRANK}, std::pair{100, ID_OP_LINE_BREAK},
                                   std::pair{75, ID_OP_LINE_LIGHTNING}, std::pair{200, ID_OP_LINE_SELF_REFERENCE},
                                   std::pair{75, ID_OP_LINE_ADJUST_POINTS}, std::pair{200, ID_OP_LINE_ADJUST_POINTS}}) {
        m_view->SetZoom(zoom);
        CPolyObj* line = AddLine(start, end);
        ASSERT_TRUE(line);
        m_view->ClearSelection();
        m_view->Invalidate();
        m_view->UpdateWindow();
        Choose(id);
        RightClick(CPoint((3 * start.x + end.x) / 4, (3 * start.y + end.y) / 4));
        ASSERT_NE(line->GetPointArray(), (std::vector<CPoint>{start, end})) << id << " at " << zoom;
        m_view->UpdateWindow();
        const QImage afterCommand = m_view->GetScreenImage().copy();
        m_view->Invalidate();
        m_view->UpdateWindow();
        EXPECT_TRUE(afterCommand == m_view->GetScreenImage()) << id << " at " << zoom;
        CUndoStep step(m_doc);
        m_doc->RemoveObject(line);
    }
}
