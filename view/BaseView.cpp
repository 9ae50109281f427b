#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "foundation/CommandIds.h"
#include "foundation/ZoomScale.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "platform/afx/StringTable.h"
#include "platform/gdi/DrawLog.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/PrintInfo.h"
#include "platform/ui/UserMessages.h"
#include "view/FrameServices.h"
#include "view/ScrollBarPressWatch.h"
#include "view/ZoomDlg.h"

#include <cmath>

IMPLEMENT_DYNCREATE(CBaseView, CScrollView)

namespace BaseViewImpl {

constexpr int kPickDelayTicks = 3;
constexpr UINT kPickDelayMs = 10;

} // namespace BaseViewImpl

CBaseView::CBaseView()
{
    SetScrollSizes(MM_TEXT, CSize(0, 0));
}

CBaseView::~CBaseView() = default;

CBaseDoc* CBaseView::GetDocument() const
{
    return static_cast<CBaseDoc*>(CView::GetDocument());
}

BOOL CBaseView::IsDocReadOnly() const
{
    const CBaseDoc* doc = GetDocument();
    return doc && doc->IsReadOnly();
}

// --- Mapping ------------------------------------------------------------------------------------

void CBaseView::OnPrepareDC(CDC* dc, CPrintInfo* info)
{
    CScrollView::OnPrepareDC(dc, info);
    dc->SetMapMode(MM_ANISOTROPIC);
    const CBaseDoc* doc = GetDocument();
    CSize window = doc ? (dc->IsPrinting() ? doc->GetPrintableSize() : doc->GetPrintedAreaSize()) : CSize(0, 0);
    // The ratio only depends on the resolution; a degenerate size takes a reference extent.
    if (MulDiv(window.cx, 100, 254) == 0 || MulDiv(window.cy, 100, 254) == 0)
        window = CSize(25400, -25400);
    const int vx = MulDiv(window.cx, 100, 254) * dc->GetDeviceCaps(LOGPIXELSX) / 100;
    const int vy = MulDiv(window.cy, 100, 254) * dc->GetDeviceCaps(LOGPIXELSY) / 100;
    dc->SetWindowExt(window);
    dc->SetViewportExt(vx, -vy);
    if (!info)
        return;
    // A printed page shows its cell of the drawing in its body.
    if (info->GetToPage() < info->m_nCurPage) {
        info->m_bContinuePrinting = FALSE;
        return;
    }
    CSize cell;
    GetPageColumnRow(cell, int(info->m_nCurPage) - 1);
    CPoint origin;
    GetPageOrigin(origin, cell.cx, cell.cy);
    dc->LPtoDP(&origin);
    dc->SetViewportOrg(origin);
}

void CBaseView::PrepareMappingDC(CDC& dc, DrawLog& log) const
{
    dc.CreateRecording(&log);
    ApplyScreenMetrics(dc);
    const_cast<CBaseView*>(this)->OnPrepareDC(&dc, nullptr);
}

ViewGeometry::ScreenMetrics CBaseView::GetScreenMetrics() const
{
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    ApplyScreenMetrics(dc);
    return ViewGeometry::ScreenMetrics{dc.GetDeviceCaps(LOGPIXELSX), dc.GetDeviceCaps(LOGPIXELSY),
                                       dc.GetDeviceCaps(HORZRES),    dc.GetDeviceCaps(VERTRES),
                                       dc.GetDeviceCaps(HORZSIZE),   dc.GetDeviceCaps(VERTSIZE)};
}

void CBaseView::ViewToScrollUnits(CSize& out, SIZE size, float fx, float fy) const
{
    out = ViewGeometry::ViewToScrollUnits(GetScreenMetrics(), size, fx, fy);
}

void CBaseView::ScrollToViewUnits(CSize& out, SIZE size, float fx, float fy) const
{
    out = ViewGeometry::ScrollToViewUnits(GetScreenMetrics(), size, fx, fy);
}

void CBaseView::GetClientRectLogical(CRect& rect) const
{
    GetClientRect(&rect);
    DrawLog log;
    CDC dc;
    PrepareMappingDC(dc, log);
    dc.DPtoLP(&rect);
}

void CBaseView::GetVisibleDocRect(CRect& rect) const
{
    GetClientRectLogical(rect);
    UnscaleRectByZoom(rect, m_nZoom);
}

void CBaseView::ClientToDoc(CRect& rect) const
{
    DrawLog log;
    CDC dc;
    PrepareMappingDC(dc, log);
    dc.DPtoLP(&rect);
}

void CBaseView::DocToClient(CRect& rect) const
{
    DrawLog log;
    CDC dc;
    PrepareMappingDC(dc, log);
    dc.LPtoDP(&rect);
    rect.NormalizeRect();
}

// --- Sizes and corners --------------------------------------------------------------------------

CSize CBaseView::ZoomedSize(SIZE size) const
{
    POINT p{size.cx, size.cy};
    ScalePointByZoom(p, m_nZoom);
    return CSize(p.x, p.y);
}

void CBaseView::GetPrintableSize(CSize& size) const
{
    size = GetDocument()->GetPrintableSize();
}

void CBaseView::GetPageSizeAtZoom(CSize& size) const
{
    size = ZoomedSize(GetDocument()->GetPrintableSize());
}

void CBaseView::GetGridSizeAtZoom(CSize& size) const
{
    size = ZoomedSize(CSize(GridWidth, GridWidth));
}

void CBaseView::GetTotalExtent(CSize& size) const
{
    const CSize total = ZoomedSize(ViewGeometry::TotalExtentAt100(GetDocument()->GetDocumentSize()));
    ViewToScrollUnits(size, total, ViewGeometry::kTotalFactor, ViewGeometry::kTotalFactor);
}

void CBaseView::GetPageCountAtZoom(CSize& pages) const
{
    const CSize zoomed = ZoomedSize(GetDocument()->GetDocumentSize());
    const CSize printable = GetDocument()->GetPrintableSize();
    const auto count = [](LONG extent, LONG page) {
        return page == 0 ? 0 : extent / page + (extent % page != 0 ? 1 : 0);
    };
    pages = CSize(count(zoomed.cx, printable.cx), count(zoomed.cy, printable.cy));
}

void CBaseView::GetPageOrigin(CPoint& origin, int column, int row) const
{
    const CBaseDoc* doc = GetDocument();
    const CSize printable = doc->GetPrintableSize();
    WORD paper = 0;
    int scale = 0;
    CSize leftTop, rightBottom;
    doc->GetPageSettings(&paper, &scale, &leftTop, &rightBottom);
    origin = CPoint(leftTop.cx - printable.cx * column, -printable.cy * row - leftTop.cy - doc->GetHeaderAreaHeight());
}

void CBaseView::UpdateScrollSizes()
{
    CSize total, page, line;
    GetTotalExtent(total);
    GetPageSizeAtZoom(page);
    GetGridSizeAtZoom(line);
    SetScrollSizes(MM_LOMETRIC, total, page, line);
}

void CBaseView::GetDocumentOrigin(CPoint& point) const
{
    point = CPoint(ViewGeometry::kFrameInset, -ViewGeometry::kFrameInset);
}

void CBaseView::GetDocumentTopLeftAtZoom(CPoint& point) const
{
    GetDocumentOrigin(point);
    ScalePointByZoom(point, m_nZoom);
}

void CBaseView::GetDocumentBottomRight(CPoint& point) const
{
    const CBaseDoc* doc = GetDocument();
    const CSize s = FramePrintSize ? doc->GetDocumentSize() : doc->GetPrintedAreaSize();
    point = CPoint(s.cx - ViewGeometry::kFrameInset, s.cy + ViewGeometry::kFrameInset);
}

void CBaseView::GetDocumentBottomRightAtZoom(CPoint& point) const
{
    if (!FramePrintSize) {
        GetDocumentBottomRight(point);
        ScalePointByZoom(point, m_nZoom);
        return;
    }
    const CSize size = ZoomedSize(GetDocument()->GetDocumentSize());
    CPoint origin;
    GetDocumentTopLeftAtZoom(origin);
    point = CPoint(size.cx - origin.x, size.cy - origin.y);
}

BOOL CBaseView::ClampToDocument(POINT& point) const
{
    CPoint far;
    GetDocumentBottomRight(far);
    return ViewGeometry::ClampToFrame(point, far);
}

BOOL CBaseView::SnapToGrid(POINT& point) const
{
    return AdjustGrid && ViewGeometry::SnapToGrid(point, GridWidth);
}

// --- Zoom ---------------------------------------------------------------------------------------

int CBaseView::GetMaxZoom() const
{
    const CBaseDoc* doc = GetDocument();
    return doc ? ViewGeometry::MaxZoom(doc->GetDocumentSize()) : ViewGeometry::kMaxZoom;
}

void CBaseView::SetZoom(int zoom)
{
    EndInPlaceEditAndRefresh();
    CSize before;
    ScrollToViewUnits(before, GetTotalSize(), ViewGeometry::kTotalFactor, ViewGeometry::kTotalFactor);
    const CPoint position = GetScrollPosition();
    const int limited = std::min(zoom, GetMaxZoom());
    m_nZoom = limited <= ViewGeometry::kMinZoom ? ViewGeometry::kMinZoom : limited;
    UpdateScrollSizes();
    CSize after;
    ScrollToViewUnits(after, GetTotalSize(), ViewGeometry::kTotalFactor, ViewGeometry::kTotalFactor);
    // The position follows the whole-number ratio of the totals; an empty old total starts over.
    const int x = before.cx != 0 ? int(after.cx / before.cx) * position.x : 0;
    const int y = before.cy != 0 ? int(after.cy / before.cy) * position.y : 0;
    ScrollToDocPosition(x, y);
    Invalidate(TRUE);
    if (CBaseDoc* doc = GetDocument())
        doc->SetScale(DWORD(m_nZoom));
}

int CBaseView::GetFitZoom() const
{
    const CSize size = GetDocument()->GetDocumentSize();
    const double cx = std::abs(double(size.cx));
    const double cy = std::abs(double(size.cy));
    CRect client;
    GetClientRectLogical(client);
    const int maxZoom = GetMaxZoom();
    const auto fit = [maxZoom](double z) {
        return z <= ViewGeometry::kMinZoom ? double(ViewGeometry::kMinZoom) : std::min(z, double(maxZoom));
    };
    const double zx = fit(cx > 0 ? client.Width() / cx * 100.0 : maxZoom);
    const double zy = fit(cy > 0 ? -client.Height() / cy * 100.0 : maxZoom);
    return int(std::min(zx, zy)) - 1;
}

void CBaseView::RefitZoom()
{
    if (m_bFitToWindow)
        SetZoom(GetFitZoom());
}

void CBaseView::OnZoomFit()
{
    m_nZoomRemembered = m_nZoom;
    m_bFitToWindow = TRUE;
    RefitZoom();
}

void CBaseView::OnZoomCustom()
{
    m_bFitToWindow = FALSE;
    SetZoom(m_nZoomRemembered);
    ScrollSelectionIntoCentre();
}

void CBaseView::OnZoomFitToggle()
{
    if (m_bFitToWindow)
        OnZoomCustom();
    else
        OnZoomFit();
}

void CBaseView::OnZoomIn()
{
    m_bFitToWindow = FALSE;
    const int maxZoom = GetMaxZoom();
    if (m_nZoom >= maxZoom)
        return;
    SetZoom(std::min(ViewGeometry::SnapZoomToStep(m_nZoom + m_nZoomStep, m_nZoomStep), maxZoom));
    ScrollSelectionIntoCentre();
}

void CBaseView::OnZoomOut()
{
    m_bFitToWindow = FALSE;
    if (m_nZoom <= ViewGeometry::kMinZoom)
        return;
    SetZoom(std::max(ViewGeometry::SnapZoomToStep(m_nZoom - m_nZoomStep, m_nZoomStep), ViewGeometry::kMinZoom));
    ScrollSelectionIntoCentre();
}

void CBaseView::OnZoom100()
{
    m_bFitToWindow = FALSE;
    SetZoom(100);
    ScrollSelectionIntoCentre();
}

void CBaseView::OnZoomDialog()
{
    EndInPlaceEditAndRefresh();
    CZoomDlg dialog;
    dialog.m_nZoom = m_nZoom;
    if (dialog.DoModal() != IDOK || dialog.m_nZoom == m_nZoom)
        return;
    m_bFitToWindow = FALSE;
    SetZoom(dialog.m_nZoom);
    ScrollSelectionIntoCentre();
}

BOOL CBaseView::OnMouseWheel(UINT flags, short delta, CPoint point)
{
    if (flags & MK_CONTROL) {
        m_bFitToWindow = FALSE;
        if ((delta < 0 && m_nZoom <= ViewGeometry::kMinZoom) || (delta >= 0 && m_nZoom >= GetMaxZoom()))
            return FALSE;
        const int candidate = m_nZoomStep * (delta / 120) + m_nZoom;
        SetZoom(std::max(ViewGeometry::SnapZoomToStep(candidate, m_nZoomStep), ViewGeometry::kMinZoom));
        ScrollSelectionIntoCentre();
        return TRUE;
    }
    if (flags & MK_SHIFT)
        return FALSE;
    return CScrollView::OnMouseWheel(flags, delta, point);
}

void CBaseView::OnUpdateZoomFit(CCmdUI* cmdUI)
{
    cmdUI->SetCheck(m_bFitToWindow ? 1 : 0);
}

void CBaseView::OnUpdateZoomCustom(CCmdUI* cmdUI)
{
    cmdUI->SetCheck(m_bFitToWindow ? 0 : 1);
}

void CBaseView::OnUpdateZoomIn(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_nZoom < GetMaxZoom());
}

void CBaseView::OnUpdateZoomOut(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_nZoom > ViewGeometry::kMinZoom);
}

void CBaseView::OnUpdateZoom100(CCmdUI* cmdUI)
{
    cmdUI->Enable(m_nZoom != 100);
}

CString FormatZoomPaneText(const CView* activeView)
{
    CString text;
    if (const auto* view = dynamic_cast<const CBaseView*>(activeView))
        text.Format("%d%%", view->GetZoom());
    else
        text = LoadStringResource(ID_INDICATOR_ZOOM);
    return text;
}

// --- Scrolling ----------------------------------------------------------------------------------

BOOL CBaseView::NeedsHorzScroll() const
{
    CRect client;
    GetClientRectLogical(client);
    CSize visible, total;
    ViewToScrollUnits(visible, client.Size(), ViewGeometry::kPositionFactor, ViewGeometry::kPositionFactor);
    GetTotalExtent(total);
    return visible.cx < total.cx;
}

BOOL CBaseView::NeedsVertScroll() const
{
    CRect client;
    GetClientRectLogical(client);
    CSize visible, total;
    ViewToScrollUnits(visible, client.Size(), ViewGeometry::kPositionFactor, ViewGeometry::kPositionFactor);
    GetTotalExtent(total);
    return -visible.cy < total.cy;
}

void CBaseView::ScrollToDocPosition(int x, int y)
{
    CSize position;
    ViewToScrollUnits(position, CSize(x, y), ViewGeometry::kPositionFactor, ViewGeometry::kPositionFactor);
    ScrollToPosition(CPoint(position.cx, position.cy));
}

BOOL CBaseView::ScrollTopLeftTo(CPoint corner)
{
    const BOOL h = NeedsHorzScroll();
    const BOOL v = NeedsVertScroll();
    if (!h && !v)
        return FALSE;
    const CPoint position = GetScrollPosition();
    CSize total;
    ScrollToViewUnits(total, GetTotalSize(), ViewGeometry::kTotalFactor, ViewGeometry::kTotalFactor);
    const int x = h ? std::min(std::max(int(corner.x), 0), int(total.cx)) : int(position.x);
    const int y = v ? std::max(std::min(int(corner.y), 0), int(-total.cy)) : int(position.y);
    ScrollToDocPosition(x, y);
    return TRUE;
}

void CBaseView::ScrollSelectionIntoCentre()
{
    CRect bounds;
    if (!GetSelectionBounds(bounds))
        return;
    ScaleRectByZoom(bounds, m_nZoom);
    CPoint centre(int((double(bounds.left) + bounds.right) / 2), int((double(bounds.top) + bounds.bottom) / 2));
    CRect client;
    GetClientRectLogical(client);
    centre.x -= client.Width() / 2;
    centre.y -= client.Height() / 2;
    ScrollTopLeftTo(centre);
}

int CBaseView::ScrollToCentrePoint(POINT point)
{
    CRect visible;
    GetVisibleDocRect(visible);
    CPoint corner(point.x - visible.Width() / 2, point.y - visible.Height() / 2);
    ScalePointByZoom(corner, m_nZoom);
    if (!ScrollTopLeftTo(corner))
        return 0;
    Invalidate(TRUE);
    return 1;
}

int CBaseView::ScrollObjectIntoView(CObject* object, BOOL force)
{
    CRect rect;
    if (!DrawObjects::GetVisibleRect(object, rect, ModePrint))
        return 0;
    CRect visible;
    GetVisibleDocRect(visible);
    if (!force && DrawObjects::IsInsideRect(object, visible, ModePrint))
        return 0;
    return ScrollToCentrePoint(CPoint(rect.left + rect.Width() / 2, rect.top + rect.Height() / 2));
}

BOOL CBaseView::OnScrollBy(CSize sizeScroll, BOOL doScroll)
{
    if (!CScrollView::OnScrollBy(sizeScroll, doScroll))
        return FALSE;
    if (doScroll)
        UpdateWindow();
    return TRUE;
}

// --- Invalidation -------------------------------------------------------------------------------

void CBaseView::InvalidateLogicalRect(CRect rect, BOOL validate)
{
    DocToClient(rect);
    if (validate)
        ValidateRect(&rect);
    else
        InvalidateRect(&rect, TRUE);
}

int CBaseView::InvalidateObject(CObject* object)
{
    return MarkObjectArea(object, FALSE, FALSE);
}

int CBaseView::InvalidateObjectFull(CObject* object)
{
    return MarkObjectArea(object, TRUE, FALSE);
}

int CBaseView::ValidateObject(CObject* object)
{
    return MarkObjectArea(object, TRUE, TRUE);
}

int CBaseView::MarkObjectArea(CObject* object, BOOL full, BOOL validate)
{
    CRect rect;
    if (!DrawObjects::GetRedrawRect(object, rect, m_nZoom, ModePrint, full))
        return 0;
    ScaleRectByZoom(rect, m_nZoom);
    InvalidateLogicalRect(rect, validate);
    return 1;
}

void CBaseView::InvalidateGuides()
{
    if (m_ptGuide == CPoint(0, 0))
        return;
    CPoint n, f;
    GetDocumentTopLeftAtZoom(n);
    GetDocumentBottomRightAtZoom(f);
    CPoint g = m_ptGuide;
    ScalePointByZoom(g, m_nZoom);
    InvalidateLogicalRect(CRect(g.x - 10, n.y, g.x + 10, f.y), FALSE);
    InvalidateLogicalRect(CRect(n.x, g.y + 10, f.x, g.y - 10), FALSE);
}

void CBaseView::UpdateOtherViews(CObject* object)
{
    if (CBaseDoc* doc = GetDocument())
        doc->UpdateAllViews(this, 0, object);
}

void CBaseView::ReportMousePosition(POINT point)
{
    FrameServices* frame = GetFrameServices();
    if (!frame)
        return;
    if (point.x == -1 && point.y == -1)
        frame->SetCursorPosition(point);
    else
        frame->SetCursorPosition(CPoint(point.x - ViewGeometry::kFrameInset, point.y + ViewGeometry::kFrameInset));
}

void CBaseView::OnUpdate(CView*, LPARAM hint, CObject* hintObject)
{
    if (!hintObject) {
        Invalidate(TRUE);
        return;
    }
    if (hint == HINT_HIDDEN_DEFINE_CHANGED) {
        ModePrint ? ValidateObject(hintObject) : InvalidateObjectFull(hintObject);
        return;
    }
    if (hint == HINT_HIDDEN_PRINT_CHANGED) {
        ModePrint ? InvalidateObjectFull(hintObject) : ValidateObject(hintObject);
        return;
    }
    if (!InvalidateObject(hintObject))
        Invalidate(TRUE);
}

// --- Activation, size, timer, destruction -------------------------------------------------------

void CBaseView::OnActivateView(BOOL activate, CView* activateView, CView* deactiveView)
{
    CScrollView::OnActivateView(activate, activateView, deactiveView);
    FrameServices* frame = GetFrameServices();
    if (!activate || !frame)
        return;
    const UINT tool = frame->GetCurrentTool();
    frame->SetCurrentTool(IsToolAllowed(tool) ? tool : ID_TOOL_POINTER);
}

void CBaseView::OnSize(UINT type, int cx, int cy)
{
    CScrollView::OnSize(type, cx, cy);
    if (m_bInitialUpdateDone)
        RefitZoom();
}

void CBaseView::StartPickDelay()
{
    m_nPickDelay = SetTimer(PICK_DELAY_TIMER, BaseViewImpl::kPickDelayMs) ? BaseViewImpl::kPickDelayTicks : 0;
}

void CBaseView::OnTimer(UINT_PTR idEvent)
{
    if (idEvent == PICK_DELAY_TIMER) {
        if (m_nPickDelay > 0)
            --m_nPickDelay;
        if (m_nPickDelay == 0)
            KillTimer(PICK_DELAY_TIMER);
    }
    CScrollView::OnTimer(idEvent);
}

void CBaseView::OnDestroy()
{
    EndInPlaceEdit();
    if (m_nPickDelay > 0)
        KillTimer(PICK_DELAY_TIMER);
    CScrollView::OnDestroy();
}

// --- Selection ----------------------------------------------------------------------------------

void CBaseView::AddToSelection(CObject* object)
{
    if (object && !m_selection.Find(object))
        m_selection.AddHead(object);
}

void CBaseView::AppendToSelection(CObject* object)
{
    if (object && !m_selection.Find(object))
        m_selection.AddTail(object);
}

void CBaseView::RemoveFromSelection(CObject* object)
{
    if (POSITION pos = m_selection.Find(object))
        m_selection.RemoveAt(pos);
}

void CBaseView::InvalidateSelection()
{
    for (POSITION pos = m_selection.GetHeadPosition(); pos;)
        InvalidateObject(m_selection.GetNext(pos));
}

void CBaseView::ClearSelection()
{
    m_selection.RemoveAll();
}

BOOL CBaseView::IsObjectIdSelected(WORD objectId) const
{
    for (POSITION pos = m_selection.GetHeadPosition(); pos;)
        if (DrawObjects::GetObjectId(m_selection.GetNext(pos)) == objectId)
            return TRUE;
    return FALSE;
}

BOOL CBaseView::GetSelectedObjectIds(std::vector<WORD>& ids) const
{
    ids.clear();
    ids.reserve(size_t(m_selection.GetCount()));
    for (POSITION pos = m_selection.GetHeadPosition(); pos;)
        ids.push_back(DrawObjects::GetObjectId(m_selection.GetNext(pos)));
    return TRUE;
}

// --- Commands -----------------------------------------------------------------------------------

const MessageMap* CBaseView::GetMessageMap() const
{
    static const MessageMap map{
        GetArrangeMessageMap(),
        {
            MapCommand(ID_VIEW_ZOOM_FIT, &CBaseView::OnZoomFit),
            MapUpdate(ID_VIEW_ZOOM_FIT, &CBaseView::OnUpdateZoomFit),
            MapCommand(ID_VIEW_ZOOM_CUSTOM, &CBaseView::OnZoomCustom),
            MapUpdate(ID_VIEW_ZOOM_CUSTOM, &CBaseView::OnUpdateZoomCustom),
            MapCommand(ID_VIEW_ZOOM_FIT_TOGGLE, &CBaseView::OnZoomFitToggle),
            MapUpdate(ID_VIEW_ZOOM_FIT_TOGGLE, &CBaseView::OnUpdateZoomFit),
            MapCommand(ID_VIEW_ZOOM_IN, &CBaseView::OnZoomIn),
            MapUpdate(ID_VIEW_ZOOM_IN, &CBaseView::OnUpdateZoomIn),
            MapCommand(ID_VIEW_ZOOM_OUT, &CBaseView::OnZoomOut),
            MapUpdate(ID_VIEW_ZOOM_OUT, &CBaseView::OnUpdateZoomOut),
            MapCommand(ID_VIEW_ZOOM_100, &CBaseView::OnZoom100),
            MapCommand(ID_VIEW_ZOOM, &CBaseView::OnZoomDialog),
            MapUpdate(ID_VIEW_ZOOM_100, &CBaseView::OnUpdateZoom100),
            MapCommand(ID_PRINT_OPTIONS, &CBaseView::OnPrintOptions),
            MapCommand(ID_VIEW_DISPLAY_SETTINGS, &CBaseView::OnViewSettings),
            MapCommand(ID_VIEW_FRAME_PRINT_SCALE, &CBaseView::OnFramePrintScale),
            MapUpdate(ID_VIEW_FRAME_PRINT_SCALE, &CBaseView::OnUpdateFramePrintScale),
            MapCommand(ID_VIEW_FRAME_VIEW_SCALE, &CBaseView::OnFrameViewScale),
            MapUpdate(ID_VIEW_FRAME_VIEW_SCALE, &CBaseView::OnUpdateFrameViewScale),
            MapCommand(ID_EDIT_UNDO, &CBaseView::OnEditUndo),
            MapUpdate(ID_EDIT_UNDO, &CBaseView::OnUpdateEditUndo),
            MapCommand(ID_EDIT_REDO, &CBaseView::OnEditRedo),
            MapUpdate(ID_EDIT_REDO, &CBaseView::OnUpdateEditRedo),
            MapCommand(ID_EDIT_COPY, &CBaseView::OnEditCopy),
            MapUpdate(ID_EDIT_COPY, &CBaseView::OnUpdateEditCopy),
            MapCommand(ID_EDIT_CUT, &CBaseView::OnEditCut),
            MapUpdate(ID_EDIT_CUT, &CBaseView::OnUpdateEditCut),
            MapCommand(ID_EDIT_PASTE, &CBaseView::OnEditPaste),
            MapUpdate(ID_EDIT_PASTE, &CBaseView::OnUpdateEditPaste),
            MapCommand(ID_GROUP, &CBaseView::OnGroup),
            MapUpdate(ID_GROUP, &CBaseView::OnUpdateGroup),
            MapCommand(ID_UNGROUP, &CBaseView::OnUngroup),
            MapUpdate(ID_UNGROUP, &CBaseView::OnUpdateUngroup),
            MapCommand(ID_EDIT_FIND, &CBaseView::OnEditFind),
            MapCommand(ID_EDIT_REPLACE, &CBaseView::OnEditReplace),
            MapUpdate(ID_EDIT_REPLACE, &CBaseView::OnUpdateEditReplaceView),
            MapCommand(ID_EDIT_FIND_NEXT, &CBaseView::OnFindNextCommand),
            MapMessage(UM_FIND_NEXT, &CBaseView::OnFindNext),
            MapMessage(UM_FIND_ALL, &CBaseView::OnFindAll),
            MapMessage(UM_REPLACE, &CBaseView::OnReplace),
            MapMessage(UM_REPLACE_ALL, &CBaseView::OnReplaceAll),
            MapMessage(UM_IMPORT_EXCEL_DBIF, &CBaseView::OnImportExcelDbInterface),
            MapCommandRange(ID_VIEW_GRID, ID_VIEW_GRID, &CBaseView::OnViewSwitch),
            MapUpdate(ID_VIEW_GRID, &CBaseView::OnUpdateViewSwitch),
            MapCommandRange(ID_VIEW_GUIDE, ID_VIEW_GUIDE, &CBaseView::OnViewSwitch),
            MapUpdate(ID_VIEW_GUIDE, &CBaseView::OnUpdateViewSwitch),
            MapCommandRange(ID_ARRANGE_SNAP_TO_GRID, ID_ARRANGE_SNAP_TO_GRID, &CBaseView::OnViewSwitch),
            MapUpdate(ID_ARRANGE_SNAP_TO_GRID, &CBaseView::OnUpdateViewSwitch),
            MapCommandRange(ID_AUTO_CONNECT_LINES, ID_AUTO_CONNECT_LINES, &CBaseView::OnViewSwitch),
            MapUpdate(ID_AUTO_CONNECT_LINES, &CBaseView::OnUpdateViewSwitch),
            MapCommandRange(ID_CONNECT_ON_FRAME, ID_CONNECT_ON_FRAME, &CBaseView::OnViewSwitch),
            MapUpdate(ID_CONNECT_ON_FRAME, &CBaseView::OnUpdateViewSwitch),
            MapCommandRange(ID_LINE_AUTO_ADJUST_POINTS, ID_LINE_AUTO_ADJUST_POINTS, &CBaseView::OnViewSwitch),
            MapUpdate(ID_LINE_AUTO_ADJUST_POINTS, &CBaseView::OnUpdateViewSwitch),
            MapCommandRange(ID_LINE_VERTICAL_CRANK, ID_LINE_RIGHT_ANGLE, &CBaseView::OnLineShape),
            MapUpdateRange(ID_LINE_VERTICAL_CRANK, ID_LINE_RIGHT_ANGLE, &CBaseView::OnUpdateLineShape),
            MapCommand(ID_VIEW_PRINT_MODE, &CBaseView::OnPrintMode),
            MapUpdate(ID_VIEW_PRINT_MODE, &CBaseView::OnUpdatePrintMode),
            MapCommand(ID_VIEW_DEFINE_MODE, &CBaseView::OnDefineMode),
            MapUpdate(ID_VIEW_DEFINE_MODE, &CBaseView::OnUpdateDefineMode),
            MapCommand(ID_VIEW_DISPLAY_BIT0, &CBaseView::OnDisplayBit0),
            MapUpdate(ID_VIEW_DISPLAY_BIT0, &CBaseView::OnUpdateDisplayBit0),
            MapCommandRange(ID_MODEL_NORMAL_DISPLAY, ID_MODEL_NORMAL_DISPLAY, &CBaseView::OnDisplayMode),
            MapUpdate(ID_MODEL_NORMAL_DISPLAY, &CBaseView::OnUpdateDisplayMode),
            MapCommandRange(ID_MODEL_SHOW_NAMES, ID_MODEL_SHOW_NAMES, &CBaseView::OnDisplayMode),
            MapUpdate(ID_MODEL_SHOW_NAMES, &CBaseView::OnUpdateDisplayMode),
            MapCommandRange(ID_MODEL_SHOW_TABLE_NAMES, ID_MODEL_SHOW_TABLE_NAMES, &CBaseView::OnDisplayMode),
            MapUpdate(ID_MODEL_SHOW_TABLE_NAMES, &CBaseView::OnUpdateDisplayMode),
            MapCommandRange(ID_MODEL_SHOW_DATA_TYPES, ID_MODEL_SHOW_DATA_TYPES, &CBaseView::OnDisplayMode),
            MapUpdate(ID_MODEL_SHOW_DATA_TYPES, &CBaseView::OnUpdateDisplayMode),
            MapCommandRange(ID_MODEL_SHORT_DATA_TYPES, ID_MODEL_SHORT_DATA_TYPES, &CBaseView::OnDisplayMode),
            MapUpdate(ID_MODEL_SHORT_DATA_TYPES, &CBaseView::OnUpdateDisplayMode),
            MapCommandRange(ID_MODEL_SHOW_MERGE_MARKS, ID_MODEL_SHOW_MERGE_MARKS, &CBaseView::OnDisplayMode),
            MapUpdate(ID_MODEL_SHOW_MERGE_MARKS, &CBaseView::OnUpdateDisplayMode),
            MapCommandRange(ID_MODEL_SHOW_NULL_OPTIONS, ID_MODEL_SHOW_NULL_OPTIONS, &CBaseView::OnDisplayMode),
            MapUpdate(ID_MODEL_SHOW_NULL_OPTIONS, &CBaseView::OnUpdateDisplayMode),
            MapCommandRange(ID_MODEL_SHOW_FOREIGN_KEYS, ID_MODEL_SHOW_FOREIGN_KEYS, &CBaseView::OnDisplayMode),
            MapUpdate(ID_MODEL_SHOW_FOREIGN_KEYS, &CBaseView::OnUpdateDisplayMode),
            MapCommandRange(ID_MODEL_SHOW_IMPLEMENTED_ONLY, ID_MODEL_SHOW_IMPLEMENTED_ONLY, &CBaseView::OnDisplayMode),
            MapUpdate(ID_MODEL_SHOW_IMPLEMENTED_ONLY, &CBaseView::OnUpdateDisplayMode),
            MapCommandRange(ID_MODEL_SHOW_PHYSICAL_ITEMS, ID_MODEL_SHOW_PHYSICAL_ITEMS, &CBaseView::OnDisplayMode),
            MapUpdate(ID_MODEL_SHOW_PHYSICAL_ITEMS, &CBaseView::OnUpdateDisplayMode),
            MapCommandRange(ID_MODEL_SHOW_ALTERNATE_NAMES, ID_MODEL_SHOW_ALTERNATE_NAMES, &CBaseView::OnDisplayMode),
            MapUpdate(ID_MODEL_SHOW_ALTERNATE_NAMES, &CBaseView::OnUpdateDisplayMode),
            MapCommandRange(ID_MODEL_XJ_NOTATION, ID_MODEL_XJ_NOTATION, &CBaseView::OnDisplayMode),
            MapUpdate(ID_MODEL_XJ_NOTATION, &CBaseView::OnUpdateDisplayMode),
            MapCommandRange(ID_MODEL_IDEF_NOTATION, ID_MODEL_IDEF_NOTATION, &CBaseView::OnDisplayMode),
            MapUpdate(ID_MODEL_IDEF_NOTATION, &CBaseView::OnUpdateDisplayMode),
            MapCommandRange(ID_MODEL_SHOW_CARDINALITY, ID_MODEL_SHOW_CARDINALITY, &CBaseView::OnDisplayMode),
            MapUpdate(ID_MODEL_SHOW_CARDINALITY, &CBaseView::OnUpdateDisplayMode),
            MapCommandRange(ID_ATTRIBUTE_FIRST, ID_ATTRIBUTE_LAST, &CBaseView::OnObjectAttributeCommand),
            MapUpdateRange(ID_ATTRIBUTE_FIRST, ID_ATTRIBUTE_LAST, &CBaseView::OnUpdateObjectAttributeCommand),
            MapCommandRange(ID_OPERATION_FIRST, ID_OPERATION_LAST, &CBaseView::OnObjectOperationCommand),
            MapUpdateRange(ID_OPERATION_FIRST, ID_OPERATION_LAST, &CBaseView::OnUpdateObjectOperationCommand),
        }};
    return &map;
}
