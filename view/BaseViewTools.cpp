// The creation tools: which tools a view allows, the press, rubber band and release of the shape
// tools with the object each builds, the automatic scrolling while any drag runs, the release of
// the zoom tool's rectangle and the automatic placement of new conceptual files in rows.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "foundation/Trackers.h"
#include "foundation/ZoomScale.h"
#include "objects/DrawObjects.h"
#include "objects/ObjectServices.h"
#include "objects/RectObj.h"
#include "view/FrameServices.h"

#include <QCursor>
#include <QScreen>
#include <QWidget>

#include <cstdlib>

namespace BaseViewTools {

// Every creation outline is yellow.
constexpr COLORREF kRubberBandColor = RGB(0xFF, 0xFF, 0);
// A zoom rectangle must be larger than this in both directions (0.1 mm).
constexpr int kMinZoomRectExtent = 39;
// The largest document extent the page settings allow.
constexpr int kMaxDocumentExtent = 87600;

enum class Outline
{
    Rect,
    RoundRect,
    Ellipse,
    Arc,
    FreeArc,
    Connector,
    Diamond,
    Polygon,
    Balloon,
};

// One creation tool: its tracking mode, its rubber band and the factory of its object. A tool
// whose object class is not built yet has no factory and is refused.
struct ShapeTool
{
    UINT tool;
    UINT mode;
    Outline outline;
    BOOL (CBaseView::*factory)(CDC*);
};

const ShapeTool kShapeTools[] = {
    {32816, TRACK_RECT, Outline::Rect, &CBaseView::CreateRect},
    {32817, TRACK_ROUNDRECT, Outline::RoundRect, &CBaseView::CreateRoundRect},
    {32818, TRACK_ELLIPSE, Outline::Ellipse, nullptr},
    {32819, TRACK_TEXT, Outline::Rect, nullptr},
    {32820, TRACK_ARC, Outline::Arc, nullptr},
    {32821, TRACK_FREEARC, Outline::FreeArc, nullptr},
    {32822, TRACK_CONNECTOR, Outline::Connector, nullptr},
    {32823, TRACK_DIAMOND, Outline::Diamond, nullptr},
    {32824, TRACK_HEXAGON, Outline::Polygon, nullptr},
    {32825, TRACK_OCTAGON, Outline::Polygon, nullptr},
    {32826, TRACK_DATA, Outline::Rect, nullptr},
    {32827, TRACK_PROCESS, Outline::Rect, nullptr},
    {32828, TRACK_FILE, Outline::Rect, nullptr},
    {32830, TRACK_TASK, Outline::Rect, nullptr},
    {32831, TRACK_CLONE, Outline::Rect, nullptr},
    {32832, TRACK_OLE, Outline::Rect, nullptr},
    {32833, TRACK_BALLOON, Outline::Balloon, nullptr},
    {32834, TRACK_CIRCLE_CONNECTOR, Outline::Ellipse, nullptr},
};

const ShapeTool* FindByTool(UINT tool)
{
    for (const ShapeTool& entry : kShapeTools)
        if (entry.tool == tool && entry.factory)
            return &entry;
    return nullptr;
}

const ShapeTool* FindByMode(UINT mode)
{
    for (const ShapeTool& entry : kShapeTools)
        if (entry.mode == mode && entry.factory)
            return &entry;
    return nullptr;
}

// Copies the attributes of the object's default prototype onto it; FALSE without a prototype.
BOOL CopyPrototypeAttributes(CBaseObj* object)
{
    ObjectServices* services = GetObjectServices();
    const CBaseObj* prototype = services ? DrawObjects::AsBoxObject(services->FindDefaultPrototype(object)) : nullptr;
    if (!prototype)
        return FALSE;
    object->CopyAttributes(*prototype);
    return TRUE;
}

} // namespace BaseViewTools

// --- Which tools a view allows ------------------------------------------------------------------

UINT CBaseView::GetShapeTrackMode(UINT tool)
{
    const BaseViewTools::ShapeTool* entry = BaseViewTools::FindByTool(tool);
    return entry ? entry->mode : TRACK_NONE;
}

BOOL CBaseView::IsShapeTrackMode(UINT mode)
{
    return BaseViewTools::FindByMode(mode) != nullptr;
}

BOOL CBaseView::IsToolAllowed(UINT tool) const
{
    if (IsDocReadOnly())
        return IsPointerOrZoomTool(tool);
    const BOOL drawingTool = tool >= 32814 && tool <= ID_TOOL_LAST;
    // The line tools, the relation arrow and the shapes whose objects are not built yet.
    if (drawingTool && GetShapeTrackMode(tool) == TRACK_NONE)
        return FALSE;
    if (ModePrint || !drawingTool)
        return TRUE;
    return tool == 32824 || tool == 32825 || tool == 32828;
}

// --- Press, rubber band and release ---------------------------------------------------------------

void CBaseView::BeginShapeTracking(UINT, CPoint point, CDC* dc, CPoint zoomed, CPoint doc)
{
    if (HasSelection()) {
        InvalidateSelection();
        ClearSelection();
    }
    SetCapture();
    // A hand that has moved on since the press keeps its place: pulling the cursor back to the
    // anchor would make the release land there, and the drag would count as a click.
    if (SnapAndClampPoint(zoomed, doc) && IsCursorAt(point))
        MoveCursorToLogical(dc, zoomed);
    m_ptAnchor = m_ptCurrent = zoomed;
    m_ptAnchor100 = m_ptCurrent100 = doc;
    m_bOutlineShown = FALSE;
}

void CBaseView::TrackShapeRubberBand(UINT, CPoint, CDC* dc, CPoint zoomed, CPoint doc)
{
    if (zoomed == m_ptCurrent)
        return;
    if (SnapToGrid(doc))
        zoomed = ZoomedOf(doc);
    if (ClampToDocument(doc)) {
        zoomed = ZoomedOf(doc);
        MoveCursorToLogical(dc, zoomed);
    }
    if (zoomed == m_ptCurrent)
        return;
    if (m_bOutlineShown)
        DrawShapeRubberBand(dc, m_nTrackMode);
    m_ptCurrent = zoomed;
    m_ptCurrent100 = doc;
    DrawShapeRubberBand(dc, m_nTrackMode);
    m_bOutlineShown = TRUE;
}

void CBaseView::DrawShapeRubberBand(CDC* dc, UINT mode)
{
    using namespace BaseViewTools;
    const ShapeTool* entry = FindByMode(mode);
    if (!entry)
        return;
    const CRect rect = GetTrackedRect();
    switch (entry->outline) {
    case Outline::Rect: DrawTrackerRectColor(dc, rect, kRubberBandColor); break;
    case Outline::RoundRect: DrawRoundRectRubberBand(dc); break;
    case Outline::Ellipse: DrawTrackerEllipseColor(dc, rect, kRubberBandColor); break;
    default: break; // the other outlines come with their object classes
    }
}

void CBaseView::DrawRoundRectRubberBand(CDC* dc)
{
    const CRect rect = GetTrackedRect();
    const int corner = CalcRoundCornerSize(rect, GetDefaultRoundRate());
    DrawTrackerRoundRectColor(dc, rect, CSize(corner, -corner), BaseViewTools::kRubberBandColor);
}

float CBaseView::GetDefaultRoundRate() const
{
    ObjectServices* services = GetObjectServices();
    const auto* prototype = services ? DYNAMIC_DOWNCAST(CRectObj, services->FindPrototypeByKind(OBJKIND_RECT, 1)) : nullptr;
    return prototype ? prototype->GetRoundRate() : DEFAULT_ROUND_RATE;
}

void CBaseView::EndShapeTracking(UINT, CPoint, CDC* dc, CPoint zoomed, CPoint doc)
{
    const UINT mode = m_nTrackMode;
    EndTrackMode();
    if (m_bOutlineShown) {
        DrawShapeRubberBand(dc, mode);
        m_bOutlineShown = FALSE;
    }
    // A click without a drag creates nothing and returns to the pointer.
    const auto isClick = [this, &zoomed] {
        if (zoomed != m_ptAnchor)
            return false;
        SetCurrentTool(ID_TOOL_POINTER);
        SetCursor(QCursor(Qt::ArrowCursor));
        return true;
    };
    if (isClick())
        return;
    if (SnapAndClampPoint(zoomed, doc))
        MoveCursorToLogical(dc, zoomed);
    if (isClick())
        return;
    m_ptCurrent = zoomed;
    m_ptCurrent100 = doc;
    if ((this->*BaseViewTools::FindByMode(mode)->factory)(dc)) {
        InvalidateSelection();
        UpdateAllViewsForSelection();
    }
}

// --- Factories ----------------------------------------------------------------------------------

CRect CBaseView::GetDraggedRect() const
{
    return ViewGeometry::RectFromCorners(m_ptAnchor100, m_ptCurrent100);
}

BOOL CBaseView::AddCreatedObject(CBaseObj* object)
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

BOOL CBaseView::CreateRect(CDC*)
{
    const WORD id = GetDocument()->NewObjectId();
    if (id == 0)
        return FALSE;
    auto* rect = new CRectObj(id, GetDraggedRect());
    if (BaseViewTools::CopyPrototypeAttributes(rect))
        rect->SetRounded(FALSE);
    return AddCreatedObject(rect);
}

BOOL CBaseView::CreateRoundRect(CDC*)
{
    const WORD id = GetDocument()->NewObjectId();
    if (id == 0)
        return FALSE;
    auto* rect = new CRectObj(id, GetDraggedRect(), TRUE);
    if (BaseViewTools::CopyPrototypeAttributes(rect))
        rect->SetRounded(TRUE);
    return AddCreatedObject(rect);
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
    if (m_bOutlineShown) {
        EraseTrackingFeedback(dc, m_nTrackMode);
        m_bOutlineShown = FALSE;
    }
    return TRUE;
}

void CBaseView::EraseTrackingFeedback(CDC* dc, UINT mode)
{
    using namespace BaseViewTools;
    switch (mode) {
    case TRACK_SELECT_RECT: DrawTrackerRect(dc, GetTrackedRect()); break;
    case TRACK_MOVE: DrawSelectionDragOutlines(dc, GetZoomedDragOffset()); break;
    case TRACK_ZOOM_RECT: DrawZoomRectFeedback(dc); break;
    case TRACK_GUIDE_X: DrawVerticalGuideTracker(dc); break;
    case TRACK_GUIDE_Y: DrawHorizontalGuideTracker(dc); break;
    case TRACK_PAGES_ACROSS:
    case TRACK_PAGES_DOWN: DrawPageCountOutline(dc, m_sizeDragPages.cx, m_sizeDragPages.cy); break;
    case TRACK_LINE:
    case TRACK_POLYLINE:
    case TRACK_RELARROW:
        DrawTrackerLineColor(dc, m_ptAnchor.x, m_ptAnchor.y, m_ptCurrent.x, m_ptCurrent.y, kRubberBandColor);
        break;
    default:
        if (IsPickTrackMode(mode))
            DrawPickLine(dc);
        else
            DrawShapeRubberBand(dc, mode);
        break;
    }
}

// --- The zoom tool's release --------------------------------------------------------------------

void CBaseView::EndZoomRect(CDC* dc, CPoint zoomed, CPoint doc)
{
    using namespace BaseViewTools;
    EndTrackMode();
    if (m_bOutlineShown) {
        DrawZoomRectFeedback(dc);
        m_bOutlineShown = FALSE;
    }
    if (zoomed == m_ptAnchor) {
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
    const CBaseObj* prototype = services ? DrawObjects::AsBoxObject(services->FindPrototypeByKind(OBJKIND_FILECOMP, 0)) : nullptr;
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
