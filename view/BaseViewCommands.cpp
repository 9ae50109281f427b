// The object commands of CBaseView: the right button and the objects' menus, the tool menu,
// spreading an attribute command or an operation over the selection in one undo step, the start
// of the pick-an-object operations, and the keys.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "foundation/AppServices.h"
#include "foundation/CommandIds.h"
#include "foundation/PopupMenu.h"
#include "foundation/ZoomScale.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/NoteObj.h"
#include "objects/ObjectServices.h"
#include "objects/PolyObj.h"
#include "objects/SwitchArgument.h"
#include "platform/afx/StringTable.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/WinApp.h"
#include "view/ModelViewServices.h"
#include "view/PickTool.h"
#include "view/TableDdlServices.h"
#include "view/ViewCursors.h"

#include <algorithm>
#include <climits>
#include <iterator>

#include <QCursor>

namespace BaseViewCommands {

// The tools of the tool palette, as the right button offers them on empty paper.
constexpr PopupMenuItem kToolMenu[] = {
    {MF_STRING, ID_TOOL_POINTER, u8"ﾎﾟｲﾝﾀｰ(&P)"},
    {MF_STRING, ID_TOOL_ZOOM, u8"ｽﾞｰﾑ(&Z)"},
    {MF_STRING, POPUP_SEPARATOR_ID, nullptr},
    {MF_STRING, ID_TOOL_LINE, u8"ﾗｲﾝ(&L)"},
    {MF_STRING, ID_TOOL_POLYLINE, u8"折れ線(&O)"},
    {MF_STRING, ID_TOOL_RECT, u8"長方形(&T)"},
    {MF_STRING, ID_TOOL_ROUNDRECT, u8"面取り長方形(&U)"},
    {MF_STRING, ID_TOOL_ELLIPSE, u8"円・楕円(&E)"},
    {MF_STRING, ID_TOOL_TEXT, u8"文字(&A)"},
    {MF_STRING, ID_TOOL_ARC, u8"円弧(&K)"},
    {MF_STRING, ID_TOOL_FREEARC, u8"自由円弧(&J)"},
    {MF_STRING, ID_TOOL_CONNECTOR, u8"接続(&C)"},
    {MF_STRING, ID_TOOL_DIAMOND, u8"菱形(&G)"},
    {MF_STRING, ID_TOOL_HEXAGON, u8"六角形(&V)"},
    {MF_STRING, ID_TOOL_OCTAGON, u8"八角形(&H)"},
    {MF_STRING, ID_TOOL_DATA, u8"ﾃﾞｰﾀ(&D)"},
    {MF_STRING, ID_TOOL_PROCESS, u8"処理(&Q)"},
    {MF_STRING, ID_TOOL_BALLOON, u8"吹出し(&M)"},
    {MF_STRING, POPUP_SEPARATOR_ID, nullptr},
    {MF_STRING, ID_TOOL_FILE, u8"概念ﾌｧｲﾙ(&F)"},
    {MF_STRING, ID_TOOL_CLONE, u8"概念ﾌｧｲﾙ ｸﾛｰﾝ(&N)"},
    {MF_STRING, POPUP_SEPARATOR_ID, nullptr},
    {MF_STRING, ID_ARROW_TOOL_ONE_TO_MANY, u8"1:N矢線(&Y)"},
    {MF_STRING, ID_ARROW_TOOL_SUBTYPE, u8"ｻﾌﾞﾀｲﾌﾟ矢線(&S)"},
    {MF_STRING, ID_ARROW_TOOL_SUBSTRUCTURE, u8"ｻﾌﾞｽﾄﾗｸﾁｬ矢線(&B)"},
    {MF_STRING, ID_ARROW_TOOL_SUPERTYPE, u8"ｽｰﾊﾟﾀｲﾌﾟ線(&I)"},
};

// The pick-an-object operations and the mode each waits in.
constexpr struct
{
    UINT command;
    UINT mode;
} kPickModes[] = {
    {ID_OBJ_PICK_START_CONNECTION, TRACK_PICK_START},
    {ID_OBJ_PICK_END_CONNECTION, TRACK_PICK_END},
    {ID_OBJ_PICK_LINK, TRACK_PICK_LINK},
    {ID_OBJ_PICK_CLONE_SOURCE, TRACK_PICK_CLONE_SOURCE},
    {ID_OBJ_PICK_CONNECTOR, TRACK_PICK_CONNECTOR},
};

// The switches: every selected object takes one value, the negation of the current object's flag,
// so that a mixed selection ends alike.
constexpr UINT kSwitchCommands[] = {
    ID_END_FILLED_MARK,
    ID_REL_SUBTYPE_FILL,
    ID_REL_SHOW_MEMO,
    ID_REL_MEMO_FILL,
    ID_REL_SHOW_ITEM_NAME,
    ID_REL_SHOW_ITEM_VALUE,
    21349, // the update right
    ID_FILE_SHOW_NUM_IO,
    ID_FILE_PHYSICAL_TARGET,
    ID_FILE_MERGE_INTO_PARENT,
    ID_FILE_NUM_IO_FILL,
    ID_REL_NULL_ALLOWED,
    ID_REL_DEFINITE,
};

BOOL IsSwitchCommand(UINT id)
{
    return std::find(std::begin(kSwitchCommands), std::end(kSwitchCommands), id) != std::end(kSwitchCommands);
}

// A nudge by an arrow key moves the selection this far (0.1 mm).
constexpr int kNudgeStep = 2;
// The context-menu key opens a menu this far inside the client area or the object's corner.
constexpr int kMenuKeyInset = 10;

constexpr UINT VK_F2 = VK_F1 + 1;

// The main window owns the popups of the view; without one (a view on its own) its frame does.
CWnd* MenuOwner(CWnd* view)
{
    CWnd* owner = AfxGetMainWnd();
    return owner ? owner : view->GetTopLevelFrame();
}

// A copy of the selection: the commands may change it while they run.
void Snapshot(const CObList& selection, CObList& copy)
{
    copy.AddTail(const_cast<CObList*>(&selection));
}

} // namespace BaseViewCommands

BOOL IsKeyAllowedWhenReadOnly(UINT vkey)
{
    switch (vkey) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_DELETE:
    case BaseViewCommands::VK_F2: return FALSE;
    default: return TRUE;
    }
}

// --- The right button ---------------------------------------------------------------------------

void CBaseView::OnRButtonDown(UINT flags, CPoint point)
{
    // During a drag the right button only ends a polyline in progress.
    if (GetCapture() == this) {
        EndPolylineInProgress(flags, point);
        return;
    }
    EndInPlaceEditAndRefresh();
    FlushPendingPaint();
    const ToolEvent event = MakeToolEvent(flags, point, nullptr);
    CPoint screen = point;
    ClientToScreen(&screen);
    CPoint handle;
    if (IsSingleSelection()) {
        CObject* object = GetLastSelected();
        if (HitTestObjectHandles(object, event.zoomed, flags, handle)) {
            OpenObjectMenu(object, screen, FALSE);
            return;
        }
    } else if (IsMultipleSelection()) {
        for (POSITION pos = m_selection.GetTailPosition(); pos;) {
            CObject* object = m_selection.GetPrev(pos);
            if (!HitTestObjectHandles(object, event.zoomed, flags, handle))
                continue;
            CFeedbackDC dc(this);
            DeselectOtherKinds(&dc, object);
            OpenObjectMenu(object, screen, TRUE);
            return;
        }
    }
    CObject* object = FindObjectAt(event.doc);
    if (HasSelection()) {
        InvalidateSelection();
        ClearSelection();
    }
    if (!object) {
        ToolPopupMenu(screen);
        return;
    }
    HitTestObjectHandles(object, event.zoomed, flags, handle);
    AddToSelection(object);
    {
        CFeedbackDC dc(this);
        DrawSelectionHandles(&dc);
    }
    OpenObjectMenu(object, screen, FALSE);
}

void CBaseView::OpenObjectMenu(CObject* object, CPoint screenPoint, BOOL severalSelected)
{
    DescribeObjectForStatus(GetDocument(), object, DESCRIBE_SELECTED);
    m_pDragObject = object;
    CBaseObj* box = nullptr;
    CPolyObj* line = nullptr;
    CBaseDoc::ClassifyObject(object, box, line);
    if (box)
        box->ObjectContextMenu(screenPoint, this, m_nHitCode, ModePrint, severalSelected);
    else if (line && (m_nHitCode & HIT_PARTS))
        line->PartContextMenu(screenPoint, this, m_nHitCode, ModePrint, severalSelected);
    else if (line)
        line->ObjectContextMenu(screenPoint, this, m_nHitCode, ModePrint, severalSelected);
}

void CBaseView::ToolPopupMenu(CPoint screenPoint)
{
    CPopupMenu menu;
    menu.BuildFromItems(BaseViewCommands::kToolMenu, int(std::size(BaseViewCommands::kToolMenu)));
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y,
                        BaseViewCommands::MenuOwner(this));
}

// --- Attribute commands -------------------------------------------------------------------------

void CBaseView::OnObjectAttributeCommand(UINT id)
{
    if (m_selection.IsEmpty() || id < ID_ATTRIBUTE_FIRST || id > ID_ATTRIBUTE_LAST)
        return;
    CUndoStep step(GetDocument());
    if (!step.IsOpen())
        return;
    CObList selected;
    BaseViewCommands::Snapshot(m_selection, selected);
    // A dialog runs once, on the current object; the others take over what it chose.
    if (const UINT copyId = DialogCopyCommand(id)) {
        CObject* current = m_pDragObject;
        if (!current || !ApplyAttributeCommandToObject(current, id, nullptr))
            return;
        for (POSITION pos = selected.GetTailPosition(); pos;) {
            CObject* object = selected.GetPrev(pos);
            if (object != current)
                ApplyAttributeCommandToObject(object, copyId, current);
        }
        return;
    }
    if (BaseViewCommands::IsSwitchCommand(id)) {
        if (!m_pDragObject)
            return;
        CObject* value = SwitchArgument(GetSwitchValue(id));
        for (POSITION pos = selected.GetHeadPosition(); pos;)
            ApplyAttributeCommandToObject(selected.GetNext(pos), id, value);
        return;
    }
    ObjectServices* services = GetObjectServices();
    for (POSITION pos = selected.GetHeadPosition(); pos;) {
        CObject* object = selected.GetNext(pos);
        if (id != ID_COPY_DEFAULT_ATTRIBUTES) {
            ApplyAttributeCommandToObject(object, id, nullptr);
        } else if (CObject* prototype = services ? services->FindDefaultPrototype(object) : nullptr) {
            ApplyAttributeCommandToObject(object, id, prototype);
        }
    }
}

BOOL CBaseView::ApplyAttributeCommandToObject(CObject* object, UINT id, CObject* argument)
{
    if (id < ID_ATTRIBUTE_FIRST || id > ID_ATTRIBUTE_LAST)
        return FALSE;
    if (id == ID_SET_DEFAULT_ATTRIBUTES) {
        ObjectServices* services = GetObjectServices();
        return services && services->SetDefaultAttributesFrom(object);
    }
    CBaseDoc* doc = GetDocument();
    // The area before the change is repainted too (a smaller shadow or pen leaves it); an object
    // hidden in define mode is only there to repaint in define mode.
    const BOOL hiding = id == ID_OBJ_HIDE_DEFINE;
    if (!hiding || !ModePrint)
        InvalidateObject(object);
    doc->UpdateAllViews(this, id, object);
    if (!doc->ApplyObjectCommand(object, id, argument, m_nHitCode))
        return FALSE;
    if (!hiding)
        InvalidateObject(object);
    doc->UpdateAllViews(this, id, object);
    return TRUE;
}

BOOL CBaseView::GetSwitchValue(UINT id)
{
    CCmdUI probe;
    probe.m_nID = id;
    CBaseObj* box = nullptr;
    CPolyObj* line = nullptr;
    CBaseDoc::ClassifyObject(m_pDragObject, box, line);
    if (box)
        box->UpdateCommandUI(&probe, GetDocument(), m_nHitCode, ModePrint, IsMultipleSelection());
    else if (line)
        line->UpdateCommandUI(&probe, GetDocument(), m_nHitCode, ModePrint, IsMultipleSelection());
    return probe.GetCheck() == 0;
}

void CBaseView::OnUpdateObjectAttributeCommand(CCmdUI* cmdUI)
{
    UpdateObjectCommand(cmdUI, IsReadOnlySafeAttributeCommand(cmdUI->m_nID));
}

void CBaseView::UpdateObjectCommand(CCmdUI* cmdUI, BOOL readOnlySafe)
{
    CBaseObj* box = nullptr;
    CPolyObj* line = nullptr;
    if (m_pDragObject)
        CBaseDoc::ClassifyObject(m_pDragObject, box, line);
    if (!box && !line) {
        cmdUI->Enable(FALSE);
        return;
    }
    const BOOL handled =
        box ? box->UpdateCommandUI(cmdUI, GetDocument(), m_nHitCode, ModePrint, IsMultipleSelection())
            : line->UpdateCommandUI(cmdUI, GetDocument(), m_nHitCode, ModePrint, IsMultipleSelection());
    if (handled && IsDocReadOnly() && !readOnlySafe)
        cmdUI->Enable(FALSE);
}

// --- Operations ---------------------------------------------------------------------------------

void CBaseView::OnObjectOperationCommand(UINT id)
{
    if (m_selection.IsEmpty() || id < ID_OPERATION_FIRST || id > ID_OPERATION_LAST)
        return;
    CUndoStep step(GetDocument());
    if (!step.IsOpen())
        return;
    if (BeginPickMode(id))
        return;
    CObList selected;
    BaseViewCommands::Snapshot(m_selection, selected);
    // A clone is made of the current object alone; the selection is dropped first.
    if (id == ID_OBJ_CREATE_CLONE) {
        if (CObject* current = m_pDragObject) {
            InvalidateSelection();
            ClearSelection();
            ApplyObjectOperation(current, id);
        }
        return;
    }
    // Enter on a conceptual file repeats whichever of its two dialogs ran last.
    if (id == ID_OBJ_FILE_DIALOG || id == ID_OBJ_DATA_ITEM_DIALOG) {
        if (AppServices* app = GetAppServices())
            app->SetLastObjectCommand(id);
    }
    if ((id == ID_OBJ_SUBTYPE_DIALOG || id == ID_OBJ_ONE_TO_MANY_DIALOG) && IsMultipleSelection()) {
        RunArrowDialogOverSelection(id, selected);
        return;
    }
    // The CREATE TABLE script covers the whole selection in one run, not one object at a time.
    if (id == ID_OBJ_CREATE_TABLE) {
        if (TableDdlServices* ddl = GetTableDdlServices())
            ddl->CreateTableDdlForSelectedFiles(*GetDocument(), selected, TRUE);
        return;
    }
    for (POSITION pos = selected.GetHeadPosition(); pos;)
        ApplyObjectOperation(selected.GetNext(pos), id);
}

void CBaseView::RunArrowDialogOverSelection(UINT id, const CObList& selected)
{
    const BOOL subtype = id == ID_OBJ_SUBTYPE_DIALOG;
    CObject* current = m_pDragObject;
    if (!current ||
        !ApplyObjectOperation(current, subtype ? ID_OBJ_SUBTYPE_DIALOG_CURRENT : ID_OBJ_ONE_TO_MANY_DIALOG_CURRENT))
        return;
    for (POSITION pos = selected.GetTailPosition(); pos;) {
        CObject* object = selected.GetPrev(pos);
        const WORD kind = GetRelArrowKindOf(object);
        if (object == current || !(subtype ? IsSubTypeArrowKind(kind) : kind == REL_KIND_ONE_TO_MANY))
            continue;
        ApplyObjectOperation(object, subtype ? ID_OBJ_COPY_SUBTYPE_SETTINGS : ID_OBJ_COPY_ONE_TO_MANY_SETTINGS);
    }
}

BOOL CBaseView::BeginPickMode(UINT id)
{
    const auto* entry = std::find_if(std::begin(BaseViewCommands::kPickModes), std::end(BaseViewCommands::kPickModes),
                                     [id](const auto& e) { return e.command == id; });
    if (entry == std::end(BaseViewCommands::kPickModes))
        return FALSE;
    CPoint anchor;
    if (!GetPickAnchor(id, anchor))
        return TRUE;
    m_nHitCode = id;
    m_ptAnchor100 = anchor;
    m_ptAnchor = ZoomedOf(m_ptAnchor100);
    m_ptCurrent = m_ptAnchor;
    m_ptCurrent100 = m_ptAnchor100;
    m_bOutlineShown = FALSE;
    BeginPickTracking(entry->mode);
    if (m_nPickDelay <= 0)
        StartPickDelay();
    return TRUE;
}

BOOL CBaseView::GetPickAnchor(UINT id, CPoint& anchor) const
{
    if (id == ID_OBJ_PICK_START_CONNECTION || id == ID_OBJ_PICK_END_CONNECTION) {
        const CPolyObj* line = DrawObjects::AsLineObject(m_pDragObject);
        if (!line)
            return FALSE;
        anchor = id == ID_OBJ_PICK_START_CONNECTION ? line->GetStartPoint() : line->GetEndPoint();
        return TRUE;
    }
    const CBaseObj* box = DrawObjects::AsBoxObject(m_pDragObject);
    if (!box)
        return FALSE;
    anchor = box->GetCenter();
    return TRUE;
}

void CBaseView::OnUpdateObjectOperationCommand(CCmdUI* cmdUI)
{
    if (cmdUI->m_nID == ID_OBJ_CLEAR_NUMBER) {
        cmdUI->Enable(!IsDocReadOnly() && IsBoxObjectSelected());
        return;
    }
    UpdateObjectCommand(cmdUI, IsReadOnlySafeOperationCommand(cmdUI->m_nID));
}

// --- Keys ---------------------------------------------------------------------------------------

void CBaseView::OnKeyDown(UINT vkey, UINT repeat, UINT flags)
{
    if (GetCapture() == this)
        return;
    if (m_selection.IsEmpty()) {
        if (vkey == VK_APPS)
            OpenMenuAtLogical(m_ptAnchor);
        else
            ScrollByKey(vkey);
        return;
    }
    if (IsDocReadOnly() && !IsKeyAllowedWhenReadOnly(vkey))
        return;
    m_nHitCode = HIT_BODY;
    switch (vkey) {
    case VK_LEFT: NudgeSelection(CSize(-BaseViewCommands::kNudgeStep, 0)); return;
    case VK_RIGHT: NudgeSelection(CSize(BaseViewCommands::kNudgeStep, 0)); return;
    case VK_UP: NudgeSelection(CSize(0, BaseViewCommands::kNudgeStep)); return;
    case VK_DOWN: NudgeSelection(CSize(0, -BaseViewCommands::kNudgeStep)); return;
    case VK_DELETE:
        InvalidateSelection();
        UpdateAllViewsForSelection();
        DeleteSelection();
        break;
    case VK_APPS: OpenMenuAtSelection(); return;
    default: break;
    }
    if (!IsSingleSelection())
        return;
    UINT command = 0;
    if (CBaseObj* box = DrawObjects::AsBoxObject(GetLastSelected()))
        command = box->GetKeyCommand(vkey, repeat, flags);
    else if (CPolyObj* line = DrawObjects::AsLineObject(GetLastSelected()))
        command = line->GetKeyCommand(vkey, repeat, flags);
    if (command)
        SendMessage(WM_COMMAND, command, 0);
}

void CBaseView::NudgeSelection(CSize offset)
{
    DeselectArrowsForTracking();
    if (m_selection.IsEmpty())
        return;
    InvalidateSelection();
    UpdateAllViewsForSelection();
    CSize zoomed = ZoomedSize(offset);
    ClampSelectionDeltaAtZoom(zoomed);
    CPoint doc(zoomed.cx, zoomed.cy);
    UnscalePointByZoom(doc, m_nZoom);
    ApplyTrackingToSelection(CSize(doc.x, doc.y));
    InvalidateSelection();
    UpdateAllViewsForSelection();
}

void CBaseView::DeleteSelection()
{
    CBaseDoc* doc = GetDocument();
    if (doc->IsReadOnly())
        return;
    CUndoStep step(doc);
    if (step.IsOpen())
        doc->RemoveObjects(m_selection);
}

void CBaseView::ScrollByKey(UINT vkey)
{
    int mapMode = 0;
    CSize total, page, line;
    GetDeviceScrollSizes(mapMode, total, page, line);
    const BOOL vertical = vkey != VK_LEFT && vkey != VK_RIGHT;
    if (vertical ? !NeedsVertScroll() : !NeedsHorzScroll())
        return;
    switch (vkey) {
    case VK_PRIOR: OnScrollBy(CSize(0, -page.cy)); break;
    case VK_NEXT: OnScrollBy(CSize(0, page.cy)); break;
    case VK_HOME: OnScrollBy(CSize(0, -INT_MAX / 2)); break;
    case VK_END: OnScrollBy(CSize(0, INT_MAX / 2)); break;
    case VK_UP: OnScrollBy(CSize(0, -line.cy)); break;
    case VK_DOWN: OnScrollBy(CSize(0, line.cy)); break;
    case VK_LEFT: OnScrollBy(CSize(-page.cx, 0)); break;
    case VK_RIGHT: OnScrollBy(CSize(page.cx, 0)); break;
    default: break;
    }
}

void CBaseView::OpenMenuAtSelection()
{
    EndInPlaceEditAndRefresh();
    CObject* object = GetLastSelected();
    // A line has no corner to open at: its menu opens where the mouse last pressed.
    if (DrawObjects::AsLineObject(object)) {
        OpenMenuAtLogical(m_ptAnchor);
        return;
    }
    const CBaseObj* box = DrawObjects::AsBoxObject(object);
    if (!box)
        return;
    // A balloon opens at its rectangle without the tail; every other box at its visible one.
    CRect rect = box->GetRect();
    if (!DYNAMIC_DOWNCAST(CNoteObj, box))
        box->GetVisibleRect(rect, ModePrint);
    CPoint corner(rect.right, rect.bottom);
    ScalePointByZoom(corner, m_nZoom);
    OpenMenuAtLogical(CPoint(corner.x - BaseViewCommands::kMenuKeyInset, corner.y + BaseViewCommands::kMenuKeyInset));
}

void CBaseView::OpenMenuAtLogical(CPoint zoomed)
{
    DrawLog log;
    CDC dc;
    PrepareMappingDC(dc, log);
    CRect client;
    GetClientRect(&client);
    dc.DPtoLP(&client);
    const int inset = BaseViewCommands::kMenuKeyInset;
    if (zoomed.x < client.left)
        zoomed.x = client.left + inset;
    else if (zoomed.x > client.right)
        zoomed.x = client.right - inset;
    if (zoomed.y > client.top)
        zoomed.y = client.top - inset;
    else if (zoomed.y < client.bottom)
        zoomed.y = client.bottom + inset;
    dc.LPtoDP(&zoomed);
    OnRButtonDown(0, zoomed);
}

// --- Picking an object --------------------------------------------------------------------------

void CBaseView::BeginPickTracking(UINT mode)
{
    static const PickTool pick;
    SetCapture();
    m_nTrackMode = mode;
    m_pDragTool = &pick;
}

void CBaseView::TrackPickObject(const ToolEvent& event)
{
    if (event.zoomed == m_ptCurrent || m_nPickDelay > 0)
        return;
    EraseDragFeedback(event.dc);
    CPoint zoomed = event.zoomed;
    CPoint doc = event.doc;
    if (ClampToDocumentAtZoom(zoomed)) {
        doc = zoomed;
        UnscalePointByZoom(doc, m_nZoom);
        MoveCursorToLogical(event.dc, zoomed);
    }
    m_ptCurrent = zoomed;
    m_ptCurrent100 = doc;
    ShowDragFeedback(event.dc);
    if (CObject* object = FindObjectAt(doc)) {
        SetCursor(GetViewCursor(IDC_PICK_TARGET));
        DescribeObjectForStatus(GetDocument(), object, DESCRIBE_CONNECTED);
        return;
    }
    SetCursor(GetViewCursor(IDC_PICK_NONE));
    // The pending command is in the hit code while the pick waits.
    ShowStatusText(LoadStringResource(m_nHitCode));
}
