// The mouse: a left-button press goes to the current tool (ViewTool), which may start a drag with
// the mouse captured; every captured move goes to that tool's tracker (XOR feedback), and the
// release to its finisher. Moves without capture give hover feedback: the cursor and a status-bar
// description of what lies under the mouse. A drag whose capture is taken away ends without being
// applied.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "document/HeaderItems.h"
#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/EcntsObj.h"
#include "platform/afx/StringTable.h"
#include "platform/gdi/DrawLog.h"
#include "platform/ui/VirtualKeys.h"
#include "view/FrameServices.h"
#include "view/ModelViewServices.h"
#include "view/PageCountTool.h"
#include "view/ScrollBarPressWatch.h"
#include "view/ViewCursors.h"
#include "view/ViewToolTable.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace BaseViewMouse {

// A pick is a cyan line from the anchor, the zoom rectangle a silver frame (a hatched frame
// narrower than 3 is one line).
constexpr COLORREF kPickLineColor = RGB(0, 0xFF, 0xFF);
constexpr int kZoomFrameBand = 2;

// Each pick command and the command that cancels it.
constexpr struct
{
    UINT command;
    UINT cancel;
} kPickCancels[] = {
    {ID_OBJ_PICK_START_CONNECTION, ID_OBJ_CLEAR_START_CONNECTION},
    {ID_OBJ_PICK_END_CONNECTION, ID_OBJ_CLEAR_END_CONNECTION},
    {ID_OBJ_PICK_LINK, ID_OBJ_CLEAR_LINK},
    {ID_OBJ_PICK_CLONE_SOURCE, ID_OBJ_CANCEL_CLONE_SOURCE},
    {ID_OBJ_PICK_CONNECTOR, ID_OBJ_CANCEL_CONNECTOR},
};

// The keys that OnKeyDown handles: the scroll and arrow keys, Delete and the context-menu key.
bool IsViewKey(UINT vkey)
{
    return (vkey >= VK_PRIOR && vkey <= VK_DOWN) || vkey == VK_DELETE || vkey == VK_APPS;
}

UINT CurrentTool()
{
    const FrameServices* frame = GetFrameServices();
    return frame ? frame->GetCurrentTool() : ID_TOOL_POINTER;
}

} // namespace BaseViewMouse

// --- Points, status and cursors -----------------------------------------------------------------

void CBaseView::MapDevicePoint(POINT device, CPoint& zoomed, CPoint& doc) const
{
    DrawLog log;
    CDC dc;
    PrepareMappingDC(dc, log);
    zoomed = device;
    dc.DPtoLP(&zoomed);
    doc = zoomed;
    UnscalePointByZoom(doc, m_nZoom);
}

CPoint CBaseView::ZoomedOf(POINT doc) const
{
    CPoint zoomed = doc;
    ScalePointByZoom(zoomed, m_nZoom);
    return zoomed;
}

CRect CBaseView::GetTrackedRect() const
{
    return ViewGeometry::RectFromCorners(m_ptAnchor, m_ptCurrent);
}

void CBaseView::DrawZoomRectFeedback(CDC* dc)
{
    DrawHatchedFrame(dc, GetTrackedRect(), BaseViewMouse::kZoomFrameBand);
}

void CBaseView::DrawPickLine(CDC* dc)
{
    DrawTrackerLineColor(dc, m_ptAnchor.x, m_ptAnchor.y, m_ptCurrent.x, m_ptCurrent.y, BaseViewMouse::kPickLineColor);
}

void CBaseView::FlushPendingPaint()
{
    if (!GetInvalidRegion().isEmpty())
        UpdateWindow();
}

void CBaseView::EndTrackMode()
{
    m_nTrackMode = TRACK_NONE;
    m_pDragTool = nullptr;
    if (GetCapture() == this)
        ReleaseCapture();
}

void CBaseView::ShowStatusText(const CString& text) const
{
    if (FrameServices* frame = GetFrameServices())
        frame->SetStatusText(text);
}

void CBaseView::ShowToolPrompt(UINT tool) const
{
    CString prompt = LoadStringResource(tool);
    const int lineFeed = prompt.Find('\n');
    ShowStatusText(lineFeed >= 0 ? prompt.Left(lineFeed) : prompt);
}

void CBaseView::SetCursorForHitCode()
{
    const DWORD code = m_nHitCode;
    const DWORD sides = code & (HIT_SIDE_TOP | HIT_SIDE_BOTTOM | HIT_SIDE_RIGHT | HIT_SIDE_LEFT);
    const BOOL pointHandle = (code & (0x100 | 0x200 | 0x400)) != 0;
    UINT cursor = 0;
    if (code & HIT_BODY)
        cursor = (code & 0x1000) ? IDC_OPEN_HAND_PLUS : IDC_OPEN_HAND;
    else if (code & HIT_HANDLE)
        cursor = (sides == 0x10 || sides == 0x20)   ? IDC_SIZE_NS
                 : (sides == 0x40 || sides == 0x80) ? IDC_SIZE_WE
                 : (sides == 0x60 || sides == 0x90) ? IDC_SIZE_NWSE
                 : (sides == 0x50 || sides == 0xA0) ? IDC_SIZE_NESW
                                                    : 0;
    else if (code & HIT_SHAPE_HANDLE)
        cursor = (code & 0x400000)                                           ? IDC_POINT_HAND
                 : (pointHandle && (code & 0x1000))                          ? IDC_POINT_HAND_PLUS
                 : (pointHandle && (code & 0x2000))                          ? IDC_POINT_HAND_MINUS
                 : pointHandle                                               ? IDC_POINT_HAND
                 : ((code & 0x800) && (code & 0x4000))                       ? IDC_BAR_WE
                 : ((code & 0x800) && (code & (0x8000 | 0x10000 | 0x20000))) ? IDC_BAR_NS
                                                                             : 0;
    else
        SetCursor(QCursor(Qt::ArrowCursor));
    if (cursor != 0)
        SetCursor(GetViewCursor(cursor));
}

CString CBaseView::FormatObjectDescription(const CBaseDoc* doc, const CObject* object, int how)
{
    const ModelViewServices* model = GetModelViewServices();
    CString text;
    if (!GetObjectHeaderItemName(object, text) && !(model && doc && model->DescribeObject(*doc, object, text)) &&
        !DrawObjects::GetTypeName(object, text))
        return CString();
    switch (how) {
    case DESCRIBE_SELECTED: text += CString(u8" を選択"); break;
    case DESCRIBE_DESELECTED: text += CString(u8" の選択を解除"); break;
    case DESCRIBE_CONNECTED: text += CString(u8" に接続"); break;
    default: break;
    }
    return text;
}

void CBaseView::DescribeObjectForStatus(CBaseDoc* doc, CObject* object, int how)
{
    const CString text = FormatObjectDescription(doc, object, how);
    FrameServices* frame = GetFrameServices();
    if (!text.IsEmpty() && frame)
        frame->SetStatusText(text);
}

// --- Tools --------------------------------------------------------------------------------------

BOOL CBaseView::IsPointerOrZoomTool(UINT tool)
{
    return tool == ID_TOOL_POINTER || tool == ID_TOOL_ZOOM;
}

BOOL CBaseView::IsViewOnlyTrackMode(UINT mode)
{
    return mode == TRACK_NONE || mode == TRACK_SELECT_RECT || mode == TRACK_ZOOM_RECT || mode == TRACK_GUIDE_X ||
           mode == TRACK_GUIDE_Y;
}

BOOL CBaseView::SetCurrentTool(UINT tool)
{
    FrameServices* frame = GetFrameServices();
    if (!frame || frame->GetCurrentTool() == tool || !IsToolAllowed(tool))
        return FALSE;
    frame->SetCurrentTool(tool);
    return TRUE;
}

UINT CBaseView::HitTestDocumentZones(POINT zoomed) const
{
    CPoint topLeft, bottomRight;
    GetDocumentTopLeftAtZoom(topLeft);
    GetDocumentBottomRightAtZoom(bottomRight);
    const int x = zoomed.x, y = zoomed.y;
    UINT zone = 0;
    if (bottomRight.x - 3 < x && x < bottomRight.x + 5 && y > bottomRight.y)
        zone |= ZONE_RIGHT_EDGE;
    if (bottomRight.y - 3 < y && y < bottomRight.y + 5 && x < bottomRight.x)
        zone |= ZONE_BOTTOM_EDGE;
    if (topLeft.x <= x && x <= bottomRight.x - 3 && bottomRight.y + 5 <= y && y <= topLeft.y)
        zone |= ZONE_INSIDE;
    return zone;
}

// --- The three mouse messages -------------------------------------------------------------------

ToolEvent CBaseView::MakeToolEvent(UINT flags, CPoint point, CDC* dc) const
{
    ToolEvent event;
    event.tool = BaseViewMouse::CurrentTool();
    event.flags = flags;
    event.device = point;
    event.dc = dc;
    MapDevicePoint(point, event.zoomed, event.doc);
    return event;
}

void CBaseView::OnLButtonDown(UINT flags, CPoint point)
{
    const BOOL readOnly = IsDocReadOnly();
    EndInPlaceEditAndRefresh();
    FlushPendingPaint();
    ToolEvent event = MakeToolEvent(flags, point, nullptr);
    const UINT zone = HitTestDocumentZones(event.zoomed);
    const BOOL picking = GetCapture() == this && IsPickTrackMode(m_nTrackMode);
    if (zone == 0) {
        // Outside the document a pending pick is dropped without running.
        if (picking)
            CancelTracking();
        return;
    }
    CFeedbackDC dc(this);
    event.dc = &dc;
    if (picking) {
        EndPickObject(event);
        return;
    }
    static const PageCountTool pageCount;
    const BOOL onFrameEdge = FramePrintSize && (zone & (ZONE_RIGHT_EDGE | ZONE_BOTTOM_EDGE));
    if (readOnly && (onFrameEdge || !IsPointerOrZoomTool(event.tool)))
        return;
    // Any other tool id acts as the pointer.
    const ViewTool* tool = onFrameEdge ? &pageCount : FindViewTool(event.tool);
    m_pDragTool = tool ? tool : FindViewTool(ID_TOOL_POINTER);
    m_pDragTool->Press(*this, event);
    // A press that started no drag (a click that selects) leaves no tool behind.
    if (m_nTrackMode == TRACK_NONE)
        m_pDragTool = nullptr;
}

void CBaseView::OnMouseMove(UINT flags, CPoint point)
{
    FlushPendingPaint();
    CSize scroll;
    BOOL scrolled = FALSE;
    {
        CFeedbackDC dc(this);
        const ToolEvent event = MakeToolEvent(flags, point, &dc);
        const UINT zone = HitTestDocumentZones(event.zoomed);
        ReportMousePosition(zone != 0 ? event.doc : CPoint(-1, -1));
        if (GetCapture() != this) {
            if (zone == 0) {
                ShowStatusText(CString(u8"ﾄﾞｷｭﾒﾝﾄ外"));
                SetCursor(QCursor(Qt::ArrowCursor));
            } else if (FramePrintSize && (zone & ZONE_RIGHT_EDGE)) {
                ShowStatusText(CString(u8"横ページ数を変更"));
                SetCursor(QCursor(Qt::SizeHorCursor));
            } else if (FramePrintSize && (zone & ZONE_BOTTOM_EDGE)) {
                ShowStatusText(CString(u8"縦ページ数を変更"));
                SetCursor(QCursor(Qt::SizeVerCursor));
            } else if (const ViewTool* tool = FindViewTool(event.tool)) {
                tool->Hover(*this, event);
            }
            return;
        }
        scrolled = AutoScrollWhileTracking(&dc, point, scroll);
        if (!scrolled && m_nTrackMode != TRACK_NONE && m_pDragTool)
            m_pDragTool->Track(*this, event);
    }
    // The picture moves under a scroll, so it scrolls only once nothing draws into it.
    if (scrolled) {
        OnScrollBy(scroll, TRUE);
    }
}

void CBaseView::OnLButtonUp(UINT flags, CPoint point)
{
    if (GetCapture() != this) {
        // The press started no drag; the tool may still answer its release.
        if (const ViewTool* tool = FindViewTool(BaseViewMouse::CurrentTool())) {
            DrawLog log;
            CDC dc;
            PrepareMappingDC(dc, log);
            tool->ReleaseWithoutDrag(*this, MakeToolEvent(flags, point, &dc));
        }
        return;
    }
    if (IsDocReadOnly() && !IsViewOnlyTrackMode(m_nTrackMode)) {
        CancelTracking();
        return;
    }
    FlushPendingPaint();
    if (m_bOutlineShown) {
        CFeedbackDC screen(this);
        EraseDragFeedback(&screen);
    }
    // What a release applies may repaint, zoom or scroll the picture, so the finishers work on a
    // device context that only maps points.
    DrawLog log;
    CDC dc;
    PrepareMappingDC(dc, log);
    if (const ViewTool* tool = m_nTrackMode != TRACK_NONE ? m_pDragTool : nullptr)
        tool->Release(*this, MakeToolEvent(flags, point, &dc));
}

void CBaseView::OnLButtonDblClk(UINT flags, CPoint point)
{
    if (GetCapture() == this) {
        EndPolylineInProgress(flags, point);
        return;
    }
    FlushPendingPaint();
    CFeedbackDC dc(this);
    const ToolEvent event = MakeToolEvent(flags, point, &dc);
    m_ptAnchor = m_ptCurrent = event.zoomed;
    m_ptAnchor100 = m_ptCurrent100 = event.doc;
    EndInPlaceEditAndRefresh();
    if (!HitTestDocumentZones(event.zoomed))
        return;
    CPoint handle;
    if (IsSingleSelection() && HitTestObjectHandles(GetLastSelected(), event.zoomed, flags, handle)) {
        if (IsDocReadOnly() || !OpenObject(&dc, GetLastSelected()))
            DescribeObjectForStatus(GetDocument(), GetLastSelected(), DESCRIBE_SELECTED);
        return;
    }
    CObject* object = FindObjectAt(event.doc);
    if (HasSelection()) {
        InvalidateSelection();
        ClearSelection();
    }
    if (!object)
        return;
    AddToSelection(object);
    InvalidateSelection();
    if (!IsDocReadOnly())
        OpenObject(&dc, object);
}

BOOL CBaseView::OpenObject(CDC* dc, CObject* object)
{
    CBaseDoc* doc = GetDocument();
    if (doc->CanEditObjectText(object, m_nHitCode, DrawOpt))
        return OpenInPlaceEditor(dc, object);
    if (const UINT command = doc->GetObjectEditCommand(object, m_nHitCode, DrawOpt))
        SendMessage(WM_COMMAND, command, 0);
    return TRUE;
}

BOOL CBaseView::EndPolylineInProgress(UINT flags, CPoint point)
{
    if (GetCapture() != this || m_nTrackMode != TRACK_POLYLINE)
        return FALSE;
    FlushPendingPaint();
    CFeedbackDC dc(this);
    FinishPolyline(MakeToolEvent(flags, point, &dc));
    return TRUE;
}

// --- The drag's feedback ------------------------------------------------------------------------

void CBaseView::DrawDragFeedback(CDC* dc)
{
    if (IsPickTrackMode(m_nTrackMode))
        DrawPickLine(dc);
    else if (m_pDragTool)
        m_pDragTool->DrawFeedback(*this, dc);
}

void CBaseView::EraseDragFeedback(CDC* dc)
{
    if (!m_bOutlineShown)
        return;
    DrawDragFeedback(dc);
    m_bOutlineShown = FALSE;
}

void CBaseView::ShowDragFeedback(CDC* dc)
{
    DrawDragFeedback(dc);
    m_bOutlineShown = TRUE;
}

void CBaseView::MoveDragFeedbackTo(CDC* dc, POINT zoomed, POINT doc)
{
    EraseDragFeedback(dc);
    m_ptCurrent = zoomed;
    m_ptCurrent100 = doc;
    ShowDragFeedback(dc);
}

void CBaseView::DescribeUnderMouseOrPrompt(CPoint doc, UINT tool)
{
    if (CObject* object = FindObjectAt(doc))
        DescribeObjectForStatus(GetDocument(), object, DESCRIBE_UNDER_MOUSE);
    else
        ShowToolPrompt(tool);
}

// --- Losing the capture -------------------------------------------------------------------------

void CBaseView::CancelTracking()
{
    if (m_bOutlineShown) {
        FlushPendingPaint();
        CFeedbackDC dc(this);
        EraseDragFeedback(&dc);
    }
    const BOOL collectingPolyline = m_nTrackMode == TRACK_POLYLINE;
    EndTrackMode();
    if (collectingPolyline)
        DiscardPolyline();
    SetCursor(QCursor(Qt::ArrowCursor));
}

void CBaseView::OnCaptureChanged(CWnd* newCapture)
{
    CScrollView::OnCaptureChanged(newCapture);
    if (newCapture != this && m_nTrackMode != TRACK_NONE)
        CancelTracking();
}

CBaseView::CFeedbackDC::CFeedbackDC(CBaseView* view) : CClientDC(view)
{
    view->OnPrepareDC(this);
}

BOOL CBaseView::FilterWidgetEvent(QEvent* event)
{
    // A window switch or a dialog takes the mouse from a drag.
    if (event->type() == QEvent::ActivationChange && GetCapture() == this) {
        const QWidget* widget = GetSafeHwnd();
        if (widget && !widget->isActiveWindow())
            ReleaseCapture();
    }
    const BOOL handled = CScrollView::FilterWidgetEvent(event);
    // The keys the view acts on are its own: the scroll area must not scroll by them as well.
    if (event->type() == QEvent::KeyPress &&
        BaseViewMouse::IsViewKey(VirtualKeyFromQt(static_cast<const QKeyEvent*>(event)->key())))
        return TRUE;
    return handled;
}

void CBaseView::OnNcButtonDown(UINT, CPoint)
{
    EndInPlaceEditAndRefresh();
}

void CBaseView::WatchScrollBarPresses()
{
    QWidget* window = GetSafeHwnd();
    auto* area = window ? qobject_cast<QAbstractScrollArea*>(window->parentWidget()) : nullptr;
    if (!area || m_pScrollBarWatch)
        return;
    m_pScrollBarWatch = std::make_unique<ScrollBarPressWatch>(area, [this](UINT hitTest, QPoint global) {
        OnNcButtonDown(hitTest, CPoint(global.x(), global.y()));
    });
}

// --- Hover --------------------------------------------------------------------------------------

void CBaseView::OnPointerHover(const ToolEvent& event)
{
    const UINT flags = event.flags;
    const CPoint zoomed = event.zoomed, doc = event.doc;
    CPoint handle;
    if (IsSingleSelection()) {
        CObject* selected = GetLastSelected();
        if (HitTestObjectHandles(selected, zoomed, flags, handle)) {
            SetCursorForHitCode();
            DescribeObjectForStatus(GetDocument(), selected, DESCRIBE_SELECTED);
            return;
        }
    } else if (CObject* selected = HitTestSelectedHandles(zoomed, flags, handle)) {
        SetCursorForHitCode();
        DescribeObjectForStatus(GetDocument(), selected, DESCRIBE_SELECTED);
        return;
    }
    if (CObject* object = FindObjectAt(doc)) {
        SetCursor(QCursor(Qt::ArrowCursor));
        DescribeObjectForStatus(GetDocument(), object, DESCRIBE_UNDER_MOUSE);
        return;
    }
    const UINT guide = HitTestGuides(doc);
    if (guide & 1) {
        ShowStatusText(CString(u8"縦ガイド・ラインを移動"));
        SetCursor(GetViewCursor(IDC_BAR_WE));
    } else if (guide & 2) {
        ShowStatusText(CString(u8"横ガイド・ラインを移動"));
        SetCursor(GetViewCursor(IDC_BAR_NS));
    } else {
        SetCursor(QCursor(Qt::ArrowCursor));
        ShowToolPrompt(ID_TOOL_POINTER);
    }
}

void CBaseView::OnToolHover(const ToolEvent& event)
{
    const UINT tool = event.tool;
    BOOL described = FALSE;
    const CObList* objects = GetDocument()->GetObjectList();
    for (POSITION pos = objects->GetTailPosition(); pos;) {
        CObject* object = objects->GetPrev(pos);
        if (HitTestObject(object, event.doc, TRUE)) {
            DescribeObjectForStatus(GetDocument(), object, DESCRIBE_UNDER_MOUSE);
            described = TRUE;
        }
    }
    if (!described)
        ShowToolPrompt(tool);
    static const struct
    {
        UINT tool;
        UINT cursor;
    } toolCursors[] = {
        {ID_TOOL_ZOOM, IDC_TOOL_ZOOM},
        {ID_TOOL_LINE, IDC_TOOL_LINE},
        {ID_TOOL_POLYLINE, IDC_TOOL_POLYLINE},
        {ID_TOOL_RECT, IDC_TOOL_RECT},
        {ID_TOOL_ROUNDRECT, IDC_TOOL_ROUNDRECT},
        {ID_TOOL_ELLIPSE, IDC_TOOL_ELLIPSE},
        {ID_TOOL_TEXT, IDC_TOOL_TEXT},
        {ID_TOOL_ARC, IDC_TOOL_ARC},
        {ID_TOOL_FREEARC, IDC_TOOL_FREEARC},
        {ID_TOOL_CONNECTOR, IDC_TOOL_CONNECTOR},
        {ID_TOOL_DIAMOND, IDC_TOOL_DIAMOND},
        {ID_TOOL_HEXAGON, IDC_TOOL_HEXAGON},
        {ID_TOOL_OCTAGON, IDC_TOOL_OCTAGON},
        {ID_TOOL_DATA, IDC_TOOL_DATA},
        {ID_TOOL_PROCESS, IDC_TOOL_PROCESS},
        {ID_TOOL_FILE, IDC_TOOL_PROCESS},
        {ID_TOOL_TASK, IDC_TOOL_RECT},
        {ID_TOOL_CLONE, IDC_TOOL_RECT},
        {ID_TOOL_OLE, IDC_TOOL_RECT},
        {ID_TOOL_BALLOON, IDC_TOOL_BALLOON},
        {ID_TOOL_CIRCLE_CONNECTOR, IDC_TOOL_ELLIPSE},
    };
    for (const auto& entry : toolCursors)
        if (entry.tool == tool)
            SetCursor(GetViewCursor(entry.cursor));
    // The arrow tool shows the kind it draws.
    if (tool == ID_TOOL_RELARROW) {
        const WORD kind = GetCurrentArrowKind();
        SetCursor(GetViewCursor(kind == 1   ? IDC_TOOL_ARROW_ONE_TO_MANY
                                : kind == 2 ? IDC_TOOL_ARROW_SUBTYPE
                                : kind == 3 ? IDC_TOOL_ARROW_SUBSTRUCTURE
                                            : IDC_TOOL_ARROW_OTHER));
    }
}

// --- The zoom tool's rectangle ------------------------------------------------------------------

void CBaseView::BeginZoomRect(const ToolEvent& event)
{
    m_ptAnchor = m_ptCurrent = event.zoomed;
    m_ptAnchor100 = m_ptCurrent100 = event.doc;
    SetCapture();
    m_nTrackMode = TRACK_ZOOM_RECT;
    ShowDragFeedback(event.dc);
}

void CBaseView::TrackZoomRect(const ToolEvent& event)
{
    CPoint zoomed = event.zoomed;
    if (zoomed == m_ptCurrent)
        return;
    EraseDragFeedback(event.dc);
    ClampToDocumentAtZoom(zoomed);
    m_ptCurrent = zoomed;
    ShowDragFeedback(event.dc);
    DescribeUnderMouseOrPrompt(event.doc, ID_TOOL_ZOOM);
}

// --- Ending a pick ------------------------------------------------------------------------------

void CBaseView::EndPickObject(const ToolEvent& event)
{
    EraseDragFeedback(event.dc);
    EndTrackMode();
    m_ptAnchor = event.zoomed;
    m_ptAnchor100 = event.doc;
    CObject* picked = FindObjectAt(event.doc);
    UINT command = m_nHitCode;
    // The command's step (empty since the pick began) takes what the pick changes.
    CUndoStep step(GetDocument());
    if (!step.IsOpen())
        return;
    // A copy: the operations may change the selection.
    CObList selected;
    selected.AddTail(&m_selection);
    if (!picked) {
        const auto* entry = std::find_if(std::begin(BaseViewMouse::kPickCancels), std::end(BaseViewMouse::kPickCancels),
                                         [command](const auto& e) { return e.command == command; });
        if (entry == std::end(BaseViewMouse::kPickCancels))
            return;
        for (POSITION pos = selected.GetHeadPosition(); pos;)
            ApplyObjectOperation(selected.GetNext(pos), entry->cancel);
        return;
    }
    if (!DrawObjects::IsDrawObject(picked))
        return;
    WORD pickedId = DrawObjects::GetObjectId(picked);
    // A connector pick takes a circular connector: its id goes with the command, and the value
    // picked is its pair.
    if (command == ID_OBJ_PICK_CONNECTOR) {
        const auto* connector = DYNAMIC_DOWNCAST(CEcntsObj, picked);
        if (!connector)
            return;
        m_nHitCode = pickedId;
        pickedId = connector->GetPairNumber();
    }
    m_nHitIndex = pickedId;
    for (POSITION pos = selected.GetHeadPosition(); pos;) {
        CObject* object = selected.GetNext(pos);
        if (DrawObjects::GetObjectId(object) == pickedId)
            break;
        ApplyObjectOperation(object, command);
    }
}

BOOL CBaseView::ApplyObjectOperation(CObject* object, UINT commandId)
{
    if (commandId < ID_OPERATION_FIRST || commandId > ID_OPERATION_LAST || !DrawObjects::IsDrawObject(object))
        return FALSE;
    CBaseDoc* doc = GetDocument();
    if (commandId == ID_OBJ_SNAP_TO_GRID) {
        CSize offset;
        if (!GetGridPlacementOffset(object, offset))
            return FALSE;
        if (offset == CSize(0, 0))
            return TRUE;
        InvalidateObject(object);
        UpdateOtherViews(object);
        m_nHitCode = HIT_BODY;
        m_nHitIndex = 0;
        if (doc->MoveOrResizeObject(object, ModePrint, &offset, HIT_BODY, 0)) {
            InvalidateObject(object);
            UpdateOtherViews(object);
        }
        return TRUE;
    }
    if ((commandId == ID_OBJ_PICK_START_CONNECTION || commandId == ID_OBJ_PICK_END_CONNECTION) &&
        GetRelArrowKindOf(object) != 0)
        return ReconnectRelArrowEnd(object, commandId);
    // The copy of an arrow's settings takes them from the current arrow, named by its id.
    if (commandId == ID_OBJ_COPY_SUBTYPE_SETTINGS || commandId == ID_OBJ_COPY_ONE_TO_MANY_SETTINGS)
        m_nHitIndex = m_pDragObject ? DrawObjects::GetObjectId(m_pDragObject) : 0;
    InvalidateObject(object);
    UpdateOtherViews(object);
    if (!doc->ExecuteObjectOperation(object, commandId, m_nHitCode, m_nHitIndex))
        return FALSE;
    InvalidateObject(object);
    UpdateOtherViews(object);
    return TRUE;
}
