// The pointer tool: selecting by click, Ctrl-click and rubber band; moving the selection and
// resizing by a handle, snapped to the grid, kept in the document and held horizontal or vertical
// with Shift; dragging the guide lines and the page-count handles of the document frame; and the
// constraint operations that the creation tools share.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "foundation/CommandIds.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/PolyObj.h"
#include "view/FrameServices.h"
#include "view/ViewCursors.h"

#include <QCursor>
#include <QWidget>

#include <cstdlib>

namespace BaseViewPointer {

constexpr int kPageFrameBand = 2;
// How far a page-count handle must be dragged from the frame's edge before the count changes.
constexpr int kPageCountSlack = 100;
// The reach of a guide line in units on the screen.
constexpr int kGuideTolerance = 5;

// An offset rounded to the nearest multiple of the step, halves away from zero.
int RoundToStep(int value, int step)
{
    int q = value / step;
    if (std::abs(value % step) >= step / 2 && value % step != 0)
        q += value < 0 ? -1 : 1;
    return q * step;
}

// A count of pages of the extent that covers the coordinate (both of one sign).
int PagesCovering(int coordinate, int extent)
{
    return coordinate / extent + (coordinate % extent != 0 ? 1 : 0);
}

} // namespace BaseViewPointer

CSize CBaseView::GetZoomedDragOffset() const
{
    CPoint offset(m_ptCurrent100.x - m_ptAnchor100.x, m_ptCurrent100.y - m_ptAnchor100.y);
    ScalePointByZoom(offset, m_nZoom);
    return CSize(offset.x, offset.y);
}

// --- The press ----------------------------------------------------------------------------------

void CBaseView::OnPointerButtonDown(const ToolEvent& event)
{
    const UINT flags = event.flags;
    CDC* dc = event.dc;
    const CPoint zoomed = event.zoomed, doc = event.doc;
    const BOOL ctrl = (flags & MK_CONTROL) != 0;
    const BOOL readOnly = IsDocReadOnly();
    CBaseDoc* document = GetDocument();
    m_ptAnchor = m_ptCurrent = zoomed;
    m_ptAnchor100 = m_ptCurrent100 = doc;
    const auto startMove = [this, readOnly] {
        if (readOnly)
            return;
        SetCapture();
        m_nTrackMode = TRACK_MOVE;
    };
    // With the grid on, a handle (not the body) is what lands on the grid.
    const auto anchorOnHandle = [this](CPoint handle) {
        if (!AdjustGrid || m_nHitCode == 0 || (m_nHitCode & HIT_BODY))
            return;
        m_ptAnchor = m_ptCurrent = handle;
        UnscalePointByZoom(handle, m_nZoom);
        m_ptAnchor100 = m_ptCurrent100 = handle;
    };
    CPoint handle;
    if (IsSingleSelection()) {
        CObject* selected = GetLastSelected();
        if (HitTestObjectHandles(selected, zoomed, flags, handle)) {
            // Shift on a point of a line removes the point at once, in its own undo step.
            if ((m_nHitCode & HIT_LINE_DELETE) && DrawObjects::AsLineObject(selected)) {
                InvalidateSelection();
                UpdateAllViewsForSelection();
                if (!readOnly) {
                    ApplyTrackingToSelection(CSize(1, 1));
                    return;
                }
            }
            startMove();
            if (!readOnly)
                SetCursorForHitCode();
            anchorOnHandle(handle);
            DescribeObjectForStatus(document, selected, DESCRIBE_SELECTED);
            m_pDragObject = selected;
            return;
        }
    } else if (CObject* selected = HitTestSelectedHandles(zoomed, flags, handle)) {
        if (ctrl) {
            const BOOL nowSelected = ToggleSelection(dc, selected, TRUE);
            DescribeObjectForStatus(document, selected, nowSelected ? DESCRIBE_SELECTED : DESCRIBE_DESELECTED);
            m_pDragObject = nowSelected ? selected : nullptr;
            return;
        }
        startMove();
        SetCursorForHitCode();
        if (handle != CPoint(0, 0))
            anchorOnHandle(handle);
        DescribeObjectForStatus(document, selected, DESCRIBE_SELECTED);
        m_pDragObject = selected;
        return;
    }
    if (CObject* hit = FindObjectAt(doc)) {
        if (ctrl) {
            const BOOL nowSelected = ToggleSelection(dc, hit, TRUE);
            DescribeObjectForStatus(document, hit, nowSelected ? DESCRIBE_SELECTED : DESCRIBE_DESELECTED);
            m_pDragObject = nowSelected ? hit : nullptr;
            return;
        }
        InvalidateSelection();
        ClearSelection();
        AddToSelection(hit);
        InvalidateSelection();
        if (!readOnly) {
            startMove();
            m_nHitCode = HIT_BODY;
            m_nHitIndex = 0;
            SetCursor(GetViewCursor(IDC_OPEN_HAND));
        }
        DescribeObjectForStatus(document, hit, DESCRIBE_SELECTED);
        m_pDragObject = hit;
        return;
    }
    const UINT guide = HitTestGuides(doc);
    if (guide != 0) {
        SetCapture();
        const BOOL vertical = (guide & 1) != 0;
        m_nTrackMode = vertical ? TRACK_GUIDE_X : TRACK_GUIDE_Y;
        m_ptAnchor100 = m_ptCurrent100 = vertical ? CPoint(m_ptGuide.x, doc.y) : CPoint(doc.x, m_ptGuide.y);
        m_ptAnchor = m_ptCurrent = ZoomedOf(m_ptAnchor100);
        ShowDragFeedback(dc);
        return;
    }
    if (!ctrl && HasSelection()) {
        InvalidateSelection();
        ClearSelection();
    }
    SetCapture();
    m_nTrackMode = TRACK_SELECT_RECT;
    // The band is drawn from the first move on, over the picture repainted by then.
    m_bOutlineShown = FALSE;
}

// --- Rubber-band selection ----------------------------------------------------------------------

void CBaseView::TrackSelectRect(const ToolEvent& event)
{
    CPoint zoomed = event.zoomed;
    if (zoomed == m_ptCurrent)
        return;
    if (ClampToDocumentAtZoom(zoomed))
        MoveCursorToLogical(event.dc, zoomed);
    if (zoomed == m_ptCurrent)
        return;
    EraseDragFeedback(event.dc);
    m_ptCurrent = zoomed;
    ShowDragFeedback(event.dc);
    DescribeUnderMouseOrPrompt(event.doc, ID_TOOL_POINTER);
}

void CBaseView::DrawSelectRectFeedback(CDC* dc)
{
    DrawTrackerRect(dc, GetTrackedRect());
}

void CBaseView::EndSelectRect(const ToolEvent& event)
{
    CDC* dc = event.dc;
    CPoint zoomed = event.zoomed, doc = event.doc;
    EndTrackMode();
    if (ClampToDocument(doc)) {
        zoomed = ZoomedOf(doc);
        MoveCursorToLogical(dc, zoomed);
    }
    m_ptCurrent = zoomed;
    m_ptCurrent100 = doc;
    if (m_ptCurrent100 == m_ptAnchor100)
        return;
    const CRect band = GetDraggedRect();
    const CObList* objects = GetDocument()->GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;) {
        CObject* object = objects->GetNext(pos);
        if (IsObjectInsideRect(object, band))
            ToggleSelection(dc, object, FALSE);
    }
    InvalidateSelection();
}

// --- Moving and resizing ------------------------------------------------------------------------

BOOL CBaseView::ConstrainMovePoint(CDC* dc, UINT flags, CPoint& zoomed, CPoint& doc, BOOL tracking)
{
    if (m_nHitCode & HIT_BODY) {
        SnapMoveDelta(doc - m_ptAnchor100, zoomed, doc);
        if (ClampSelectionDelta(doc - m_ptAnchor100, zoomed, doc) && tracking)
            MoveCursorToLogical(dc, zoomed);
    } else {
        if (SnapToGrid(doc))
            zoomed = ZoomedOf(doc);
        if (ClampToDocument(doc)) {
            zoomed = ZoomedOf(doc);
            if (tracking)
                MoveCursorToLogical(dc, zoomed);
        }
    }
    if (tracking && zoomed == m_ptCurrent)
        return FALSE;
    if (flags & MK_SHIFT)
        ConstrainOrthogonal(zoomed, doc);
    return ApplyRelArrowDragRules(dc, zoomed, doc);
}

void CBaseView::TrackMoveResize(const ToolEvent& event)
{
    CPoint zoomed = event.zoomed, doc = event.doc;
    if (zoomed == m_ptCurrent || m_nHitCode == 0 || m_selection.IsEmpty())
        return;
    if (!ConstrainMovePoint(event.dc, event.flags, zoomed, doc, TRUE))
        return;
    EraseDragFeedback(event.dc);
    m_ptCurrent = zoomed;
    m_ptCurrent100 = doc;
    ShowDragFeedback(event.dc);
}

void CBaseView::DrawMoveFeedback(CDC* dc)
{
    DrawSelectionDragOutlines(dc, GetZoomedDragOffset());
}

void CBaseView::EndMoveResize(const ToolEvent& event)
{
    CPoint zoomed = event.zoomed, doc = event.doc;
    EndTrackMode();
    if (m_selection.IsEmpty())
        return;
    if (!ConstrainMovePoint(event.dc, event.flags, zoomed, doc, FALSE)) {
        InvalidateSelection();
        m_bOutlineShown = FALSE;
        return;
    }
    m_ptCurrent = zoomed;
    m_ptCurrent100 = doc;
    if (m_ptCurrent100 == m_ptAnchor100)
        return;
    DeselectArrowsForTracking();
    CObject* mergeTarget = FindFileMergeTarget(zoomed, doc, event.flags);
    InvalidateSelection();
    UpdateAllViewsForSelection();
    if (m_nHitCode != 0)
        ApplyTrackingToSelection(m_ptCurrent100 - m_ptAnchor100);
    InvalidateSelection();
    UpdateAllViewsForSelection();
    if (mergeTarget)
        OfferFileMerge(mergeTarget);
}

void CBaseView::DrawSelectionDragOutlines(CDC* dc, SIZE zoomedOffset)
{
    DeselectArrowsForTracking();
    for (POSITION pos = m_selection.GetHeadPosition(); pos;)
        DrawObjectDragOutline(dc, m_selection.GetNext(pos), zoomedOffset);
}

// --- Guides -------------------------------------------------------------------------------------

UINT CBaseView::HitTestGuides(POINT point) const
{
    if (!DrawGuide || m_ptGuide == CPoint(-1, -1))
        return 0;
    int tolerance = BaseViewPointer::kGuideTolerance;
    UnscaleValueByZoom(tolerance, m_nZoom);
    UINT result = 0;
    if (std::abs(int(point.x - m_ptGuide.x)) <= tolerance)
        result |= 1;
    if (std::abs(int(point.y - m_ptGuide.y)) <= tolerance)
        result |= 2;
    return result;
}

void CBaseView::TrackGuide(const ToolEvent& event)
{
    CPoint zoomed = event.zoomed, doc = event.doc;
    if (zoomed == m_ptCurrent)
        return;
    if (SnapToGrid(doc))
        zoomed = ZoomedOf(doc);
    if (ClampToDocument(doc))
        zoomed = ZoomedOf(doc);
    if (zoomed == m_ptCurrent)
        return;
    const BOOL vertical = m_nTrackMode == TRACK_GUIDE_X;
    EraseDragFeedback(event.dc);
    m_ptCurrent = zoomed;
    m_ptCurrent100 = doc;
    ShowDragFeedback(event.dc);
    CString text;
    if (vertical)
        text.Format(CString(u8"縦ガイド・ラインを移動 : %.1f mm"), (doc.x - 10) / 10.0);
    else
        text.Format(CString(u8"横ガイド・ラインを移動 : %.1f mm"), -(doc.y + 10) / 10.0);
    ShowStatusText(text);
}

void CBaseView::EndGuideDrag(const ToolEvent& event)
{
    CPoint zoomed = event.zoomed, doc = event.doc;
    const BOOL vertical = m_nTrackMode == TRACK_GUIDE_X;
    EndTrackMode();
    if (zoomed == m_ptAnchor)
        return;
    if (SnapToGrid(doc))
        zoomed = ZoomedOf(doc);
    if (ClampToDocument(doc))
        zoomed = ZoomedOf(doc);
    if (zoomed == m_ptAnchor)
        return;
    if (vertical)
        doc.y = m_ptGuide.y;
    else
        doc.x = m_ptGuide.x;
    m_ptCurrent100 = doc;
    m_ptCurrent = ZoomedOf(doc);
    InvalidateGuides();
    m_ptGuide = doc;
    InvalidateGuides();
}

// --- Page-count handles -------------------------------------------------------------------------

void CBaseView::BeginPagesAcrossDrag(CDC* dc)
{
    BeginPageCountDrag(dc, TRACK_PAGES_ACROSS);
}

void CBaseView::BeginPagesDownDrag(CDC* dc)
{
    BeginPageCountDrag(dc, TRACK_PAGES_DOWN);
}

void CBaseView::BeginPageCountDrag(CDC* dc, UINT mode)
{
    SetCapture();
    m_nTrackMode = mode;
    m_sizeDragPages = GetDocument()->GetPages();
    ShowDragFeedback(dc);
    SetCursor(QCursor(mode == TRACK_PAGES_ACROSS ? Qt::SizeHorCursor : Qt::SizeVerCursor));
}

void CBaseView::TrackPageCount(CDC* dc, CSize pages)
{
    if (pages == m_sizeDragPages)
        return;
    pages = GetDocument()->FitPageCount(pages.cx, pages.cy);
    EraseDragFeedback(dc);
    m_sizeDragPages = pages;
    ShowDragFeedback(dc);
    CString text;
    text.Format(CString(u8"横 %d x 縦 %d ﾍﾟｰｼﾞ"), int(pages.cx), int(pages.cy));
    ShowStatusText(text);
}

void CBaseView::TrackPagesAcross(CDC* dc, int x)
{
    const CRect frame = GetPagesRectAtZoom(m_sizeDragPages.cx, m_sizeDragPages.cy);
    if (x <= frame.right + BaseViewPointer::kPageCountSlack && x >= frame.right - BaseViewPointer::kPageCountSlack)
        return;
    int width = GetDocument()->GetPageExtent().cx;
    ScaleValueByZoom(width, m_nZoom);
    if (width != 0)
        TrackPageCount(dc, CSize(BaseViewPointer::PagesCovering(x, width), m_sizeDragPages.cy));
}

void CBaseView::TrackPagesDown(CDC* dc, int y)
{
    const CRect frame = GetPagesRectAtZoom(m_sizeDragPages.cx, m_sizeDragPages.cy);
    if (y <= frame.bottom + BaseViewPointer::kPageCountSlack && y >= frame.bottom - BaseViewPointer::kPageCountSlack)
        return;
    int height = GetDocument()->GetPageExtent().cy;
    ScaleValueByZoom(height, m_nZoom);
    if (height != 0)
        TrackPageCount(dc, CSize(m_sizeDragPages.cx, BaseViewPointer::PagesCovering(y, height)));
}

void CBaseView::EndPageCountDrag(const ToolEvent&)
{
    EndTrackMode();
    SetCursor(QCursor(Qt::ArrowCursor));
    CBaseDoc* doc = GetDocument();
    if (m_sizeDragPages == doc->GetPages())
        return;
    doc->SetPages(m_sizeDragPages.cx, m_sizeDragPages.cy);
    if (m_bFitToWindow) {
        RefitZoom();
    } else {
        UpdateScrollSizes();
        Invalidate(TRUE);
    }
    CString text;
    text.Format(CString(u8"ﾄﾞｷｭﾒﾝﾄを 横 %d x 縦 %d ﾍﾟｰｼﾞに変更しました"), int(m_sizeDragPages.cx),
                int(m_sizeDragPages.cy));
    ShowStatusText(text);
}

void CBaseView::DrawPageCountOutline(CDC* dc, int across, int down)
{
    const CRect frame = GetPagesRectAtZoom(across, down);
    DrawHatchedFrame(dc, frame, BaseViewPointer::kPageFrameBand);
    const CSize extent = GetDocument()->GetPageExtent();
    int width = extent.cx, height = extent.cy;
    ScaleValueByZoom(width, m_nZoom);
    ScaleValueByZoom(height, m_nZoom);
    for (int i = 1; i < across; ++i)
        DrawTrackerLine(dc, i * width, frame.top, i * width, frame.bottom);
    for (int j = 1; j < down; ++j)
        DrawTrackerLine(dc, frame.left, j * height, frame.right, j * height);
}

// --- Constraints --------------------------------------------------------------------------------

BOOL CBaseView::ClampToDocumentAtZoom(POINT& zoomed) const
{
    CPoint nearCorner, farCorner;
    GetDocumentTopLeftAtZoom(nearCorner);
    GetDocumentBottomRightAtZoom(farCorner);
    const CPoint before = zoomed;
    if (zoomed.x < nearCorner.x)
        zoomed.x = nearCorner.x;
    if (zoomed.y > nearCorner.y)
        zoomed.y = nearCorner.y;
    if (zoomed.x > farCorner.x)
        zoomed.x = farCorner.x;
    if (zoomed.y < farCorner.y)
        zoomed.y = farCorner.y;
    return before != CPoint(zoomed);
}

BOOL CBaseView::ConstrainOrthogonal(POINT& zoomed, POINT& doc) const
{
    if (std::abs(int(doc.x - m_ptAnchor100.x)) < std::abs(int(doc.y - m_ptAnchor100.y))) {
        doc.x = m_ptAnchor100.x;
        zoomed.x = m_ptAnchor.x;
    } else {
        doc.y = m_ptAnchor100.y;
        zoomed.y = m_ptAnchor.y;
    }
    return TRUE;
}

BOOL CBaseView::SnapAndClampPoint(POINT& zoomed, POINT& doc) const
{
    BOOL changed = SnapToGrid(doc);
    changed |= ClampToDocument(doc);
    if (changed)
        zoomed = ZoomedOf(doc);
    return changed;
}

BOOL CBaseView::SnapMoveDelta(SIZE offset, POINT& zoomed, POINT& doc) const
{
    const int g = GridWidth;
    if (!AdjustGrid || (offset.cx % g == 0 && offset.cy % g == 0))
        return FALSE;
    doc.x += BaseViewPointer::RoundToStep(offset.cx, g) - offset.cx;
    doc.y += BaseViewPointer::RoundToStep(offset.cy, g) - offset.cy;
    zoomed = ZoomedOf(doc);
    return TRUE;
}

BOOL CBaseView::GetSelectionRange(CSize& lower, CSize& upper) const
{
    CRect bounds;
    if (!GetTrackingBounds(bounds))
        return FALSE;
    CPoint nearCorner, farCorner;
    GetDocumentOrigin(nearCorner);
    GetDocumentBottomRight(farCorner);
    lower = CSize(nearCorner.x - bounds.left, nearCorner.y - bounds.top);
    upper = CSize(farCorner.x - bounds.right, farCorner.y - bounds.bottom);
    return TRUE;
}

BOOL CBaseView::GetSelectionRangeAtZoom(CSize& lower, CSize& upper) const
{
    CRect bounds;
    if (!GetTrackingBounds(bounds))
        return FALSE;
    ScaleRectByZoom(bounds, m_nZoom);
    CPoint nearCorner, farCorner;
    GetDocumentTopLeftAtZoom(nearCorner);
    GetDocumentBottomRightAtZoom(farCorner);
    lower = CSize(nearCorner.x - bounds.left, nearCorner.y - bounds.top);
    upper = CSize(farCorner.x - bounds.right, farCorner.y - bounds.bottom);
    return TRUE;
}

BOOL CBaseView::ClampSelectionDelta(SIZE offset, POINT& zoomed, POINT& doc) const
{
    CSize lower, upper;
    if (!GetSelectionRange(lower, upper))
        return FALSE;
    const CPoint before = doc;
    if (offset.cx < lower.cx)
        doc.x += lower.cx - offset.cx;
    else if (offset.cx > upper.cx)
        doc.x -= offset.cx - upper.cx;
    if (offset.cy > lower.cy)
        doc.y -= offset.cy - lower.cy;
    else if (offset.cy < upper.cy)
        doc.y += upper.cy - offset.cy;
    if (before == CPoint(doc))
        return FALSE;
    zoomed = ZoomedOf(doc);
    return TRUE;
}

BOOL CBaseView::ClampSelectionDeltaAtZoom(SIZE& offset) const
{
    CSize lower, upper;
    if (!GetSelectionRangeAtZoom(lower, upper))
        return FALSE;
    const CSize before = offset;
    offset.cx = std::min(std::max(offset.cx, lower.cx), upper.cx);
    offset.cy = std::max(std::min(offset.cy, lower.cy), upper.cy);
    return before != CSize(offset);
}

BOOL CBaseView::GetGridPlacementOffset(CObject* object, CSize& offset) const
{
    CRect rect;
    if (!DrawObjects::GetVisibleRect(object, rect, ModePrint))
        return FALSE;
    if (rect.IsRectNull())
        return FALSE;
    CPoint origin;
    GetDocumentOrigin(origin);
    const int g = GridWidth;
    const int qx = (rect.left - origin.x) / g;
    const int qy = (rect.top - origin.y) / g;
    offset = CSize(qx * g + origin.x - rect.left, qy * g + origin.y - rect.top);
    return TRUE;
}

BOOL CBaseView::IsCursorAt(POINT device) const
{
    CPoint screenPoint = device;
    ClientToScreen(&screenPoint);
    return QCursor::pos() == QPoint(screenPoint.x, screenPoint.y);
}

void CBaseView::MoveCursorToLogical(CDC* dc, POINT zoomed)
{
    CPoint device = zoomed;
    dc->LPtoDP(&device);
    ClientToScreen(&device);
    if (QWidget* widget = GetSafeHwnd())
        QCursor::setPos(widget->screen(), device.x, device.y);
}
