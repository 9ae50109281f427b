// The creation tools: which tools a view allows, the press, outline and release that every
// creation tool shares and the adding of the object it builds, the automatic scrolling while any
// drag runs, the release of the zoom tool's rectangle and the automatic placement of new
// conceptual files in rows.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "foundation/ZoomScale.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/ObjectServices.h"
#include "view/FrameServices.h"
#include "view/ViewToolTable.h"

#include <QCursor>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace BaseViewTools {

// A zoom rectangle must be larger than this in both directions (0.1 mm).
constexpr int kMinZoomRectExtent = 39;
// The largest document extent the page settings allow.
constexpr int kMaxDocumentExtent = 87600;

} // namespace BaseViewTools

// --- Which tools a view allows ------------------------------------------------------------------

BOOL CBaseView::IsToolAllowed(UINT tool) const
{
    if (IsDocReadOnly())
        return IsPointerOrZoomTool(tool);
    const BOOL drawingTool = tool >= ID_TOOL_LINE && tool <= ID_TOOL_LAST;
    // A tool without a class in the tool table cannot build its objects.
    if (drawingTool && !FindViewTool(tool))
        return FALSE;
    if (ModePrint || !drawingTool)
        return TRUE;
    return tool == ID_TOOL_HEXAGON || tool == ID_TOOL_OCTAGON || tool == ID_TOOL_FILE;
}

// --- Press, rubber band and release ---------------------------------------------------------------

void CBaseView::BeginShapeTracking(const ToolEvent& event, UINT mode)
{
    CPoint zoomed = event.zoomed, doc = event.doc;
    m_nTrackMode = mode;
    if (HasSelection()) {
        InvalidateSelection();
        ClearSelection();
    }
    SetCapture();
    // A hand that has moved on since the press keeps its place: pulling the cursor back to the
    // anchor would make the release land there, and the drag would count as a click.
    if (SnapAndClampPoint(zoomed, doc) && IsCursorAt(event.device))
        MoveCursorToLogical(event.dc, zoomed);
    m_ptAnchor = m_ptCurrent = zoomed;
    m_ptAnchor100 = m_ptCurrent100 = doc;
    m_bOutlineShown = FALSE;
}

void CBaseView::TrackShapeRubberBand(const ToolEvent& event)
{
    CPoint zoomed = event.zoomed, doc = event.doc;
    if (zoomed == m_ptCurrent)
        return;
    if (SnapToGrid(doc))
        zoomed = ZoomedOf(doc);
    if (ClampToDocument(doc)) {
        zoomed = ZoomedOf(doc);
        MoveCursorToLogical(event.dc, zoomed);
    }
    if (zoomed == m_ptCurrent)
        return;
    MoveDragFeedbackTo(event.dc, zoomed, doc);
}

BOOL CBaseView::EndShapeTracking(const ToolEvent& event)
{
    CPoint zoomed = event.zoomed, doc = event.doc;
    EndTrackMode();
    // A click without a drag creates nothing and returns to the pointer.
    const auto isClick = [this, &zoomed] {
        if (zoomed != m_ptAnchor)
            return false;
        SetCurrentTool(ID_TOOL_POINTER);
        SetCursor(QCursor(Qt::ArrowCursor));
        return true;
    };
    if (isClick())
        return FALSE;
    if (SnapAndClampPoint(zoomed, doc))
        MoveCursorToLogical(event.dc, zoomed);
    if (isClick())
        return FALSE;
    m_ptCurrent = zoomed;
    m_ptCurrent100 = doc;
    return TRUE;
}

// --- Factories ----------------------------------------------------------------------------------

CRect CBaseView::GetDraggedRect() const
{
    return ViewGeometry::RectFromCorners(m_ptAnchor100, m_ptCurrent100);
}

BOOL CBaseView::AddCreatedObject(CObject* object)
{
    CBaseDoc* doc = GetDocument();
    CUndoStep step(doc);
    if (!step.IsOpen()) {
        DrawObjects::Destroy(object);
        return FALSE;
    }
    if (!doc->AddObject(object))
        return FALSE;
    AddToSelection(object);
    m_pDragObject = object;
    return TRUE;
}

// --- Scrolling while a drag runs ------------------------------------------------------------------

BOOL CBaseView::AutoScrollWhileTracking(CDC* dc, CPoint point, CSize& scroll)
{
    const BOOL horz = NeedsHorzScroll();
    const BOOL vert = NeedsVertScroll();
    if (!horz && !vert)
        return FALSE;
    CRect client;
    GetClientRect(&client);
    CPoint screenPoint = point;
    ClientToScreen(&screenPoint);
    const QWidget* widget = GetSafeHwnd();
    const QScreen* screen = widget ? widget->screen() : nullptr;
    const QRect desk = screen ? screen->geometry() : QRect();
    int mapMode = 0;
    SIZE total{}, page{}, line{};
    GetDeviceScrollSizes(mapMode, total, page, line);
    const int pageX = std::abs(int(page.cx)), pageY = std::abs(int(page.cy));
    const int lineX = std::abs(int(line.cx)), lineY = std::abs(int(line.cy));
    // Each condition that holds replaces the ones before: the last one wins.
    BOOL any = FALSE;
    const auto request = [&](bool condition, CSize amount) {
        if (condition) {
            scroll = amount;
            any = TRUE;
        }
    };
    request(horz && screen && screenPoint.x == desk.left(), CSize(-pageX, 0));
    request(horz && screen && screenPoint.x == desk.right(), CSize(pageX, 0));
    request(vert && screen && screenPoint.y == desk.top(), CSize(0, -pageY));
    request(vert && screen && screenPoint.y == desk.bottom(), CSize(0, pageY));
    request(horz && point.x > client.right, CSize(lineX, 0));
    request(horz && (point.x < client.left || point.x == 0), CSize(-lineX, 0));
    request(vert && point.y < client.top, CSize(0, -lineY));
    request(vert && point.y > client.bottom, CSize(0, lineY));
    if (!any)
        return FALSE;
    EraseDragFeedback(dc);
    return TRUE;
}

// --- The zoom tool's release --------------------------------------------------------------------

void CBaseView::EndZoomRect(const ToolEvent& event)
{
    using namespace BaseViewTools;
    CPoint doc = event.doc;
    EndTrackMode();
    if (event.zoomed == m_ptAnchor) {
        SetCurrentTool(ID_TOOL_POINTER);
        SetCursor(QCursor(Qt::ArrowCursor));
        return;
    }
    if (m_ptAnchor.x == m_ptCurrent.x || m_ptAnchor.y == m_ptCurrent.y)
        return;
    m_bFitToWindow = FALSE;
    ClampToDocument(doc);
    m_ptCurrent = ZoomedOf(doc);
    m_ptCurrent100 = doc;
    const int dx = std::abs(int(m_ptCurrent100.x - m_ptAnchor100.x));
    const int dy = std::abs(int(m_ptCurrent100.y - m_ptAnchor100.y));
    if (dx <= kMinZoomRectExtent || dy <= kMinZoomRectExtent)
        return;
    CRect client;
    GetClientRectLogical(client);
    const int maxZoom = GetMaxZoom();
    const auto limit = [maxZoom](double z) {
        return z <= ViewGeometry::kMinZoom ? double(ViewGeometry::kMinZoom) : std::min(z, double(maxZoom));
    };
    const double zx = limit(double(std::abs(client.Width())) / dx * 100.0);
    const double zy = limit(double(std::abs(client.Height())) / dy * 100.0);
    const int zoom = int(std::min(zx, zy));
    CPoint corner(std::min(m_ptAnchor100.x, m_ptCurrent100.x), std::max(m_ptAnchor100.y, m_ptCurrent100.y));
    ScalePointByZoom(corner, zoom);
    SetZoom(zoom);
    ScrollTopLeftTo(corner);
}

// --- Automatic placement ------------------------------------------------------------------------

CSize CBaseView::GetDefaultFileSize() const
{
    ObjectServices* services = GetObjectServices();
    const CBaseObj* prototype =
        services ? DrawObjects::AsBoxObject(services->FindPrototypeByKind(OBJKIND_FILECOMP, 0)) : nullptr;
    return prototype ? prototype->GetSize() : CSize(240, -160);
}

void CBaseView::RestartAutoPlacement()
{
    m_ptAnchor100 = m_ptCurrent100 = CPoint(2 * GridWidth, -6 * GridWidth);
    m_ptAnchor = m_ptCurrent = ZoomedOf(m_ptAnchor100);
    m_sizeDefaultFile = GetDefaultFileSize();
}

CPoint CBaseView::GetAutoPlacementPoint(CPoint& point, BOOL makeRowStart)
{
    if (SnapToGrid(m_ptAnchor100))
        m_ptAnchor = ZoomedOf(m_ptAnchor100);
    if (makeRowStart) {
        m_ptCurrent100 = m_ptAnchor100;
        m_ptCurrent = m_ptAnchor;
    }
    point = m_ptAnchor100;
    return point;
}

BOOL CBaseView::BeginAutoAdvance(CObject* placed, AutoAdvance& step)
{
    const CBaseObj* box = DrawObjects::AsBoxObject(placed);
    if (!box)
        return FALSE;
    // The cursor moves past the object, and the row extent takes it in.
    step.gap = 2 * GridWidth;
    step.size = box->GetSize();
    m_ptAnchor100.x += step.size.cx + step.gap;
    m_sizeDefaultFile.cx = std::max(m_sizeDefaultFile.cx, step.size.cx);
    m_sizeDefaultFile.cy = std::min(m_sizeDefaultFile.cy, step.size.cy);
    GetDocumentBottomRight(step.far);
    GetDocumentOrigin(step.origin);
    return TRUE;
}

void CBaseView::StartAutoRowAtAnchor()
{
    m_ptCurrent100 = m_ptAnchor100;
    m_ptCurrent = ZoomedOf(m_ptCurrent100);
}

BOOL CBaseView::AdvanceAutoPlacementAcross(CObject* placed)
{
    AutoAdvance step;
    if (!BeginAutoAdvance(placed, step))
        return FALSE;
    BOOL newBand = FALSE;
    if (m_ptAnchor100.x + step.size.cx > step.far.x) {
        m_ptAnchor100.y += m_sizeDefaultFile.cy - step.gap;
        if (m_ptAnchor100.y + step.size.cy < step.far.y) {
            if (m_ptAnchor100.x + step.size.cx < BaseViewTools::kMaxDocumentExtent + 1)
                m_ptAnchor100.y = step.origin.y - step.gap;
            else
                m_ptAnchor100.x = step.origin.x + step.gap;
            StartAutoRowAtAnchor();
            newBand = TRUE;
        } else {
            m_ptAnchor100.x = m_ptCurrent100.x;
        }
        m_sizeDefaultFile = GetDefaultFileSize();
    }
    m_ptAnchor = ZoomedOf(m_ptAnchor100);
    return newBand;
}

BOOL CBaseView::AdvanceAutoPlacementDown(CObject* placed)
{
    AutoAdvance step;
    if (!BeginAutoAdvance(placed, step))
        return FALSE;
    BOOL pastBottom = FALSE;
    if (m_ptAnchor100.x + step.size.cx > step.far.x) {
        m_ptAnchor100.y += m_sizeDefaultFile.cy - step.gap;
        pastBottom = m_ptAnchor100.y + step.size.cy < step.far.y;
        m_ptAnchor100.x = m_ptCurrent100.x;
        if (m_ptAnchor100.y + step.size.cy < -BaseViewTools::kMaxDocumentExtent) {
            m_ptAnchor100.y = step.origin.y - step.gap;
            StartAutoRowAtAnchor();
        }
        m_sizeDefaultFile = GetDefaultFileSize();
    }
    m_ptAnchor = ZoomedOf(m_ptAnchor100);
    return pastBottom;
}
