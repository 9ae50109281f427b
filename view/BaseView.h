// CBaseView: the drawing view of one document. It maps the document's 0.1 mm units to the window
// (the mapping never carries the zoom: objects, frames, grid and guides scale their own coordinates
// by the zoom percent), zooms and scrolls, keeps points inside the document and on the grid, paints
// the document with its page frames, canvas, grid and guide cross, and repaints single objects.
//
// Three coordinate spaces, all y up: document units (0.1 mm at zoom 100), view units (0.1 mm at
// the screen's logical resolution; a document point p shows at p x zoom / 100) and scroll units
// (0.1 mm of the screen's physical size, in which the scroll total and position are kept).
#pragma once

#include "document/ViewServices.h"
#include "platform/afx/List.h"
#include "platform/ui/ScrollView.h"
#include "view/ViewGeometry.h"

class CBaseDoc;
class CBaseObj;
class CCmdUI;
class DrawLog;

// Command ids of the view's zoom and page-frame commands.
constexpr UINT ID_VIEW_FRAME_PRINT_SCALE = 32777;
constexpr UINT ID_VIEW_FRAME_VIEW_SCALE = 32778;
constexpr UINT ID_VIEW_ZOOM_FIT = 32783;
constexpr UINT ID_VIEW_ZOOM_CUSTOM = 32784;
constexpr UINT ID_VIEW_ZOOM_FIT_TOGGLE = 32785;
constexpr UINT ID_VIEW_ZOOM_IN = 32786;
constexpr UINT ID_VIEW_ZOOM_OUT = 32787;
constexpr UINT ID_VIEW_ZOOM_100 = 32788;
// The status-bar pane of the zoom and its idle text.
constexpr UINT ID_INDICATOR_ZOOM = 32894;
// Hints of a document update: an object's hidden flag changed for define mode or print mode.
constexpr LPARAM HINT_HIDDEN_DEFINE_CHANGED = 20017;
constexpr LPARAM HINT_HIDDEN_PRINT_CHANGED = 20018;
// The view's one timer: the delay after a pick-an-object command starts.
constexpr UINT_PTR PICK_DELAY_TIMER = 4;

class CBaseView : public CScrollView, public ViewServices
{
    DECLARE_DYNCREATE(CBaseView)
public:
    CBaseView();
    ~CBaseView() override;

    CBaseDoc* GetDocument() const;
    int GetZoom() const { return m_nZoom; }
    BOOL IsPrintMode() const { return ModePrint; }
    BOOL IsDocReadOnly() const;

    // --- Own virtual operations ------------------------------------------------------------
    virtual int GetMaxZoom() const;
    virtual void DrawPrintScalePageFrames(CDC* dc);
    virtual void DrawViewScalePageFrames(CDC* dc);
    virtual void DrawCanvasBackground(CDC* dc, const CRect& frame);
    // The logical offset that brings printed page (column, row) to the device origin.
    virtual void GetPageOrigin(CPoint& origin, int column, int row) const;
    virtual void GetPageSizeAtZoom(CSize& size) const;
    virtual void GetGridSizeAtZoom(CSize& size) const;
    virtual void GetTotalExtent(CSize& size) const;
    // Each returns 1 when the object is a drawing object and was handled, 0 otherwise.
    virtual int InvalidateObject(CObject* object);
    virtual int InvalidateObjectFull(CObject* object);
    virtual int ValidateObject(CObject* object);

    // --- Geometry and conversions ----------------------------------------------------------
    void GetPrintableSize(CSize& size) const;
    void GetPageCountAtZoom(CSize& pages) const;
    void GetDocumentOrigin(CPoint& point) const;
    void GetDocumentTopLeftAtZoom(CPoint& point) const;
    void GetDocumentBottomRight(CPoint& point) const;
    void GetDocumentBottomRightAtZoom(CPoint& point) const;
    BOOL ClampToDocument(POINT& point) const;
    BOOL SnapToGrid(POINT& point) const;
    void GetClientRectLogical(CRect& rect) const;
    void GetVisibleDocRect(CRect& rect) const;
    void ClientToDoc(CRect& rect) const;
    void DocToClient(CRect& rect) const;
    void ViewToScrollUnits(CSize& out, SIZE size, float fx, float fy) const;
    void ScrollToViewUnits(CSize& out, SIZE size, float fx, float fy) const;
    BOOL NeedsHorzScroll() const;
    BOOL NeedsVertScroll() const;
    ViewGeometry::ScreenMetrics GetScreenMetrics() const;

    // --- Zoom and scrolling ----------------------------------------------------------------
    void SetZoom(int zoom);
    int GetFitZoom() const;
    void RefitZoom();
    BOOL IsFitToWindow() const { return m_bFitToWindow; }
    void ScrollToDocPosition(int x, int y);
    int ScrollToCentrePoint(POINT point);
    int ScrollObjectIntoView(CObject* object, BOOL force);
    void ScrollSelectionIntoCentre();
    void InvalidateGuides();
    void UpdateOtherViews(CObject* object);
    void ReportMousePosition(POINT point);

    // --- Settings ----------------------------------------------------------------------------
    void SetPrintMode(BOOL printMode) { ModePrint = printMode; }
    void SetFramePrintSize(BOOL printSize);
    BOOL GetFramePrintSize() const { return FramePrintSize; }
    DWORD GetDrawOpt() const { return DrawOpt; }
    int GetGridWidth() const { return GridWidth; }
    void SetGuidePoint(POINT point) { m_ptGuide = point; }
    CPoint GetGuidePoint() const { return m_ptGuide; }

    // --- Painting ----------------------------------------------------------------------------
    void OnDraw(CDC* dc) override;
    void PaintGrid(CDC* dc, const CRect& clip);
    void PaintGuides(CDC* dc, const CRect& clip);
    void DrawVerticalGuideTracker(CDC* dc);
    void DrawHorizontalGuideTracker(CDC* dc);
    CRect GetPagesRectAtZoom(int across, int down) const;
    // The latest tracked point at the zoom; the guide trackers draw through it.
    void SetCurrentPoint(POINT point) { m_ptCurrent = point; }

    // --- Selection ---------------------------------------------------------------------------
    const CObList& GetSelection() const { return m_selection; }
    CObject* GetLastSelected() const;
    BOOL GetSelectionBounds(CRect& bounds) const;

    // --- What the document asks of its views -------------------------------------------------
    void AddToSelection(CObject* object) override;
    void AppendToSelection(CObject* object) override;
    void RemoveFromSelection(CObject* object) override;
    void InvalidateSelection() override;
    void ClearSelection() override;
    void SetCurrentObject(CObject* object) override { m_pDragObject = object; }
    BOOL IsObjectIdSelected(WORD objectId) const override;
    void EndInPlaceEditAndRefresh() override;
    void UpdateScrollSizes() override;

    // --- Framework -----------------------------------------------------------------------------
    void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    BOOL OnScrollBy(CSize sizeScroll, BOOL doScroll = TRUE) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;

    // Starts the pick delay of three ticks (the pick-an-object commands).
    void StartPickDelay();
    int GetPickDelay() const { return m_nPickDelay; }

    // --- Commands --------------------------------------------------------------------------
    void OnZoomFit();
    void OnZoomCustom();
    void OnZoomFitToggle();
    void OnZoomIn();
    void OnZoomOut();
    void OnZoom100();
    void OnFramePrintScale();
    void OnFrameViewScale();

protected:
    const MessageMap* GetMessageMap() const override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnTimer(UINT_PTR idEvent) override;
    void OnDestroy() override;
    // Whether the view lets the tool be current (the tool rules of the mouse handling narrow it).
    virtual BOOL IsToolAllowed(UINT tool) const;

    void OnUpdateZoomFit(CCmdUI* cmdUI);
    void OnUpdateZoomCustom(CCmdUI* cmdUI);
    void OnUpdateZoomIn(CCmdUI* cmdUI);
    void OnUpdateZoomOut(CCmdUI* cmdUI);
    void OnUpdateZoom100(CCmdUI* cmdUI);
    void OnUpdateFramePrintScale(CCmdUI* cmdUI);
    void OnUpdateFrameViewScale(CCmdUI* cmdUI);

    // A device context that only maps (no picture), prepared like the window's.
    void PrepareMappingDC(CDC& dc, DrawLog& log) const;
    // Invalidates a rectangle in view units, or takes it out of the invalid region.
    void InvalidateLogicalRect(CRect rect, BOOL validate);
    // Reads the settings of "InitialViewState" into the view.
    void ReadInitialViewState();
    // Whether the object is drawn: a drawing object that is not a hidden header-information
    // object and whose repaint bounds meet the clip (0.1 mm at 100 %).
    BOOL IsObjectPainted(CObject* object, const CRect& clip) const;
    void DrawPageFrames(CDC* dc, const CRect& frame, SIZE step, SIZE pages);

    // Settings, in the order the profile gives them.
    BOOL ModePrint = TRUE;
    int m_nZoom = 100;
    int m_nZoomSaved = 100;
    BOOL PrintViewScale = FALSE;
    int m_nZoomStep = 25;
    BOOL m_bInitialUpdateDone = FALSE;
    BOOL m_bFitToWindow = FALSE;
    int m_nZoomRemembered = 100;
    BOOL FramePrintSize = TRUE;
    BOOL DrawFrameOnPrint = FALSE;
    BOOL DrawHeader = FALSE;
    BOOL DrawPrintPageFrame = FALSE;
    BOOL DrawFooterPage = TRUE;
    int GridWidth = 20;
    BOOL DrawGrid = TRUE;
    BOOL AdjustGrid = TRUE;
    BOOL DrawGuide = FALSE;
    CPoint m_ptGuide{-1, -1};
    BOOL SystemFlowVertical = FALSE;
    BOOL DrawCanvasBack = TRUE;
    BOOL AutoConnect = TRUE;
    BOOL AutoConnectFrame = TRUE;
    DWORD AutoCmdLineMethod = 0;
    BOOL AutoPolyInOrder = FALSE;
    CObList m_selection{10};
    CObject* m_pDragObject = nullptr;
    UINT m_nTrackMode = 0;
    CPoint m_ptAnchor;
    CPoint m_ptCurrent;
    CPoint m_ptAnchor100;
    CPoint m_ptCurrent100;
    DWORD DrawOpt = 0;
    int m_nPickDelay = 0;
};

// Whether the drawing object's repaint bounds at the zoom and mode meet the clip (0.1 mm at 100 %).
BOOL IsObjectVisibleInRect(const CObject* object, const CRect& clip, int zoom, BOOL printMode);

// The text of the status bar's zoom pane for the active view: "125%" for a drawing view, the
// pane's idle text otherwise.
CString FormatZoomPaneText(const CView* activeView);
