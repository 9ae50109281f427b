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
#include "view/PrintObjectIndex.h"
#include "view/TrackModes.h"
#include "view/ViewGeometry.h"
#include "view/ViewTool.h"

#include <functional>
#include <memory>

class CBaseDoc;
class CBaseObj;
class CCmdUI;
class CFloatEdit;
class CPolyObj;
class DrawLog;
class ScrollBarPressWatch;

// Hints of a document update: an object's hidden flag changed for define mode or print mode.
constexpr LPARAM HINT_HIDDEN_DEFINE_CHANGED = 20017;
constexpr LPARAM HINT_HIDDEN_PRINT_CHANGED = 20018;
// The view's one timer: the delay after a pick-an-object command starts.
constexpr UINT_PTR PICK_DELAY_TIMER = 4;
// Half the side of a handle and the body tolerance of hit tests, in units on the screen.
constexpr int HANDLE_HIT_TOLERANCE = 7;
// Hit codes of this value and above name a labelled part of an object.
constexpr DWORD HIT_PART_FIRST = 0x10000000;

// The control id of the in-place label editor.
constexpr UINT IDC_LABEL_EDIT = 1032;

// Modes of the arrange operations.
constexpr UINT ARRANGE_ALIGN_LEFT = 1;
constexpr UINT ARRANGE_ALIGN_RIGHT = 2;
constexpr UINT ARRANGE_ALIGN_TOP = 4;
constexpr UINT ARRANGE_ALIGN_BOTTOM = 8;
constexpr UINT ARRANGE_SPACE_HORIZONTAL = 16;
constexpr UINT ARRANGE_SPACE_VERTICAL = 32;
constexpr UINT ARRANGE_CASCADE_DOWN = 64; // from the top left to the bottom right
constexpr UINT ARRANGE_CASCADE_UP = 128;  // from the bottom left to the top right
// The same-size modes are the bits of the bottom and right resize handles.
constexpr UINT ARRANGE_SAME_HEIGHT = 0x20;
constexpr UINT ARRANGE_SAME_WIDTH = 0x40;
constexpr UINT ARRANGE_SAME_SIZE = ARRANGE_SAME_WIDTH | ARRANGE_SAME_HEIGHT;
constexpr UINT ARRANGE_CENTER_HORIZONTAL = 256; // centres on one horizontal line
constexpr UINT ARRANGE_CENTER_VERTICAL = 512;

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
    // The automatic header of a printed page, in the band above the page body.
    virtual void PrintHeaderFooter(CDC* dc, CPrintInfo* info);
    // The page number in the footer band.
    virtual void FormatPageNumber(CDC* dc, CPrintInfo* info);
    // The logical offset that brings printed page (column, row) to the device origin.
    virtual void GetPageOrigin(CPoint& origin, int column, int row) const;
    // The outline of the printed page body.
    virtual void DrawPrintPageFrame(CDC* dc, CPrintInfo* info);
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
    BOOL SnapToGrid(POINT& point) const override;
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
    // Scrolls so that the view's top-left corner comes to the corner (view units), each axis only
    // when the view can scroll along it; FALSE when it can scroll along neither.
    BOOL ScrollTopLeftTo(CPoint corner);
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

    // --- Printing ------------------------------------------------------------------------------
    // Pages run across first, then down: the print job's page index (from 0) as (column, row).
    void GetPageColumnRow(CSize& columnRow, int index) const;
    // Pages across and down of the running print job.
    CSize GetPrintPages() const { return m_sizePrintPages; }
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;
    // White over everything above the page body, and (unless the page-layout frames print) over
    // the side and bottom bands.
    void MaskPrintTopBand(CDC* dc, CPrintInfo* info);
    void MaskPrintSideBands(CDC* dc, CPrintInfo* info);
    // The footer's text for the job's page (from 1) in the document's numbering style.
    CString FormatPageNumberText(UINT page) const;
    void SetPrintOptions(BOOL viewScale, BOOL frameOnPrint, BOOL header, BOOL pageFrame, BOOL footerPage);
    // The print options of this view in their dialog; nothing goes to the profile.
    void OnPrintOptions();

    // --- Selection (selection order; the head is as a rule the most recently selected) -------
    const CObList& GetSelection() const { return m_selection; }
    BOOL HasSelection() const;
    BOOL IsSingleSelection() const;
    BOOL IsMultipleSelection() const;
    // The first non-null entry from the head, and from the tail.
    CObject* GetFirstSelected() const;
    CObject* GetLastSelected() const;
    BOOL IsKindSelected(WORD kind) const;
    BOOL IsBoxObjectSelected() const;
    int CountSelectedNotOfClass(const CRuntimeClass* runtimeClass) const;
    // The union of the selected objects' visible rectangles; FALSE for an empty selection.
    BOOL GetSelectionBounds(CRect& bounds) const;
    // What the drag in progress carries: a dragged part's rectangle, else the selection bounds.
    BOOL GetTrackingBounds(CRect& bounds) const;
    // Appends an unselected object (TRUE) or removes a selected one (FALSE); with draw its handles
    // are drawn first, which shows or erases them.
    BOOL ToggleSelection(CDC* dc, CObject* object, BOOL draw);
    void DeselectOtherKinds(CDC* dc, CObject* object);
    void DeselectAllButKind(WORD kind);
    void DeselectKind(WORD kind);
    void UpdateAllViewsForSelection();
    CObject* GetCurrentObject() const { return m_pDragObject; }

    // --- Hit tests (document points; handles take zoomed points) ------------------------------
    BOOL HitTestObject(CObject* object, POINT point, BOOL frameOnly) const;
    // On a hit m_nHitCode and m_nHitIndex hold the code and index.
    BOOL HitTestObjectHandles(CObject* object, POINT zoomedPoint, UINT keyFlags, CPoint& handlePoint);
    // In a multiple selection, the last selected object whose handle is hit, tested from the tail;
    // a grabbed point counts as the body, as it moves the whole selection. Null otherwise.
    CObject* HitTestSelectedHandles(POINT zoomedPoint, UINT keyFlags, CPoint& handlePoint);
    BOOL IsObjectInsideRect(CObject* object, const CRect& rect) const;
    // The topmost object whose body is hit at the point, or null.
    CObject* FindObjectAt(POINT point) const;
    UINT GetHitCode() const { return m_nHitCode; }

    // --- Handles, drag outlines and applying a drag ----------------------------------------------
    void DrawSelectionHandles(CDC* dc);
    void DrawObjectHandles(CDC* dc, CObject* object);
    void DrawObjectDragOutline(CDC* dc, CObject* object, SIZE zoomedOffset);
    BOOL ApplyTrackingToObject(CDC* dc, CObject* object, SIZE offset);
    // Moves, resizes or reshapes every selected object by the offset in one undo step.
    BOOL ApplyTrackingToSelection(SIZE offset);
    BOOL RemoveObjectFromDocument(CObject* object);
    BOOL IsLabelEditing() const { return m_pLabelEdit != nullptr; }
    int EndInPlaceEdit();
    // Opens the object's in-place editor in the view's slot; FALSE when none opens.
    BOOL OpenInPlaceEditor(CDC* dc, CObject* object);
    // Opens the object on a double click: its in-place editor, or the command that edits it.
    // FALSE when nothing opened.
    BOOL OpenObject(CDC* dc, CObject* object);
    CFloatEdit* GetLabelEditor() const { return m_pLabelEdit; }

    // --- What the document asks of its views -------------------------------------------------
    void AddToSelection(CObject* object) override;
    void AppendToSelection(CObject* object) override;
    void RemoveFromSelection(CObject* object) override;
    void InvalidateSelection() override;
    void ClearSelection() override;
    void SetCurrentObject(CObject* object) override { m_pDragObject = object; }
    BOOL IsObjectIdSelected(WORD objectId) const override;
    BOOL GetSelectedObjectIds(std::vector<WORD>& ids) const override;
    void EndInPlaceEditAndRefresh() override;
    void UpdateScrollSizes() override;

    // --- Tools and the mouse ------------------------------------------------------------------
    // Whether the view lets the tool be current: read-only documents and define mode forbid
    // some, and a drawing tool without a class in the tool table is refused.
    virtual BOOL IsToolAllowed(UINT tool) const;
    // Makes the tool current; FALSE when it already is or is not allowed.
    BOOL SetCurrentTool(UINT tool);
    static BOOL IsPointerOrZoomTool(UINT tool);
    static BOOL IsViewOnlyTrackMode(UINT mode);
    UINT GetTrackMode() const { return m_nTrackMode; }
    // ZONE_* bits of a zoomed point.
    UINT HitTestDocumentZones(POINT zoomedPoint) const;
    void SetCursorForHitCode();
    // Puts the description of the object in the status bar (DESCRIBE_*).
    static void DescribeObjectForStatus(CBaseDoc* doc, CObject* object, int how);
    // The description, empty for an object that is not described: a header item's name, a
    // modelling object's own description (the registered model's), else the type name.
    static CString FormatObjectDescription(const CBaseDoc* doc, const CObject* object, int how);
    // Ends the drag in progress without applying it: its outline is erased, the mode and the
    // capture are reset. The view loses the mouse capture this way (another window, a message).
    void CancelTracking();

    // What the tools (ViewTool) do with the view. Each handler takes the mouse event.
    virtual void OnPointerButtonDown(const ToolEvent& event);
    virtual void TrackSelectRect(const ToolEvent& event);
    virtual void OnPointerHover(const ToolEvent& event);
    virtual void OnToolHover(const ToolEvent& event);
    virtual void TrackZoomRect(const ToolEvent& event);
    // One object operation (ID_OPERATION_FIRST to ID_OPERATION_LAST) on one object; TRUE when it acted.
    virtual BOOL ApplyObjectOperation(CObject* object, UINT commandId);
    void BeginZoomRect(const ToolEvent& event);
    void EndZoomRect(const ToolEvent& event);
    void DrawZoomRectFeedback(CDC* dc);
    void EndPickObject(const ToolEvent& event);
    // Connects the arrow's start (ID_OBJ_PICK_START_CONNECTION) or end to the picked object, whose
    // id is in m_nHitIndex, and lays the arrow out again. A target that is no conceptual file or
    // clone, an arrow back to its own file through a clone, or a loop of subtype arrows is refused
    // with its message. FALSE when nothing or not all of it was done.
    BOOL ReconnectRelArrowEnd(CObject* arrow, UINT commandId);
    // Before a move (hit code HIT_BODY) the relation arrows whose two ends are not both selected
    // leave the selection, before a resize (HIT_HANDLE) every relation arrow: an arrow follows the
    // objects it joins. Each is redrawn as it leaves.
    void DeselectArrowsForTracking();
    // While a point or segment of the current relation arrow is dragged: its ends stay on the
    // sides of their files that the arrow's kind connects at, within the files, and its segments
    // keep their direction. FALSE when a file at an end of a two-point arrow is missing, which
    // ends the drag step without change.
    BOOL ApplyRelArrowDragRules(CDC* dc, CPoint& zoomed, CPoint& doc);

    // The creation tools: press (in the tool's tracking mode), outline and release. The release
    // returns TRUE when the tool is to build its object over the dragged rectangle, FALSE for a
    // click, which returns to the pointer.
    void BeginShapeTracking(const ToolEvent& event, UINT mode);
    void TrackShapeRubberBand(const ToolEvent& event);
    BOOL EndShapeTracking(const ToolEvent& event);
    // The message pane of the main frame's status bar.
    void ShowStatusText(const CString& text) const;
    // Sets the mode to none, forgets the drag's tool and lets go of the capture.
    void EndTrackMode();
    // Draws the drag's feedback as its first outline.
    void ShowDragFeedback(CDC* dc);
    // Adds the object a creation tool built in one undo step and selects it; FALSE (the object is
    // gone) when it cannot be added.
    BOOL AddCreatedObject(CObject* object);
    // The rectangle of the drag from the anchor to the current point, at the zoom, and in document
    // units.
    CRect GetTrackedRect() const;
    CRect GetDraggedRect() const;
    // The drag's press and current points, at the zoom and in document units (the tools whose
    // object depends on the direction of the drag).
    CPoint GetTrackAnchor() const { return m_ptAnchor; }
    CPoint GetTrackCurrent() const { return m_ptCurrent; }
    CPoint GetDragAnchor() const { return m_ptAnchor100; }
    CPoint GetDragCurrent() const { return m_ptCurrent100; }
    // Scrolls by a line or a page when a captured move leaves the window; the feedback is erased
    // first. FALSE when no scrolling is needed; the caller scrolls by the amount once the device
    // context is gone.
    BOOL AutoScrollWhileTracking(CDC* dc, CPoint point, CSize& scroll);

    // The line and polyline tools (BaseViewLines.cpp). A line is dragged from its start to its end;
    // a polyline takes a point at each press, or follows a held button freehand, until the right
    // button or a double click ends it.
    void BeginLine(const ToolEvent& event);
    void TrackLine(const ToolEvent& event);
    void EndLine(const ToolEvent& event);
    // The release of a line drag: as EndShapeTracking, with Shift making the line level or upright.
    BOOL EndLineTracking(const ToolEvent& event);

    // The relation arrow's rubber band follows the mouse inside the document, off the grid (Shift:
    // level or upright with the press point); FALSE when the point did not move. The arrow tool
    // (a tool of the data model) decides what the ends may be.
    BOOL TrackRelArrow(const ToolEvent& event);
    // The arrow kind of the main frame (1 1:N, 2 subtype, 3 substructure, 4 supertype).
    WORD GetCurrentArrowKind() const;
    void AddPolylinePoint(const ToolEvent& event);
    // Ends the polyline in progress at the point (the right button or a double click): the last
    // point, then the polyline becomes an object.
    void FinishPolyline(const ToolEvent& event);
    // The right button and a double click end the polyline in progress; FALSE when none is.
    BOOL EndPolylineInProgress(UINT flags, CPoint point);
    void AddPolylineEndPoint(const ToolEvent& event);
    // The polyline's next point on the grid (Shift: level or upright with the last one); FALSE
    // when it is the last fixed point again.
    BOOL GetNextPolylinePoint(const ToolEvent& event, CPoint& zoomed, CPoint& doc);
    BOOL EndPolyline();
    // The line of the line tool from the anchor to the current point; TRUE when it was added.
    BOOL CreateLine();
    // Drops the polyline in progress and returns to the pointer.
    void DiscardPolyline();
    // The rubber band from the last fixed point to the mouse.
    void DrawLineRubberBand(CDC* dc);
    // Connects the ends of a new line to the topmost object under each (boxes move the end onto
    // their frame when the view says so).
    void ConnectLineEnds(CPolyObj* line);
    CObject* FindObjectAtLineStart(const CPolyObj* line) const;
    CObject* FindObjectAtLineEnd(const CPolyObj* line) const;
    // The topmost object other than the line whose body holds the point.
    CObject* FindObjectUnderLine(const CPolyObj* line, POINT point) const;

    // The pointer tool.
    void EndSelectRect(const ToolEvent& event);
    void DrawSelectRectFeedback(CDC* dc);
    void TrackMoveResize(const ToolEvent& event);
    void EndMoveResize(const ToolEvent& event);
    void DrawMoveFeedback(CDC* dc);
    void DrawSelectionDragOutlines(CDC* dc, SIZE zoomedOffset);
    // 1 near the vertical guide, 2 near the horizontal one, 3 both, 0 neither.
    UINT HitTestGuides(POINT point) const;
    void TrackGuide(const ToolEvent& event);
    void EndGuideDrag(const ToolEvent& event);
    void BeginPagesAcrossDrag(CDC* dc);
    void BeginPagesDownDrag(CDC* dc);
    void TrackPagesAcross(CDC* dc, int x);
    void TrackPagesDown(CDC* dc, int y);
    void EndPageCountDrag(const ToolEvent& event);
    void DrawPageCountOutline(CDC* dc, int across, int down);
    CSize GetDragPages() const { return m_sizeDragPages; }

    // Constraints of the drags; each returns whether it changed something.
    BOOL ClampToDocumentAtZoom(POINT& zoomed) const;
    BOOL ConstrainOrthogonal(POINT& zoomed, POINT& doc) const;
    BOOL SnapAndClampPoint(POINT& zoomed, POINT& doc) const;
    BOOL SnapMoveDelta(SIZE offset, POINT& zoomed, POINT& doc) const;
    BOOL ClampSelectionDelta(SIZE offset, POINT& zoomed, POINT& doc) const;
    BOOL ClampSelectionDeltaAtZoom(SIZE& zoomedOffset) const;
    BOOL GetGridPlacementOffset(CObject* object, CSize& offset) const;
    BOOL GetSelectionRange(CSize& lower, CSize& upper) const;
    BOOL GetSelectionRangeAtZoom(CSize& lower, CSize& upper) const;
    void MoveCursorToLogical(CDC* dc, POINT zoomed);
    // Whether the mouse cursor is still at the client device point.
    BOOL IsCursorAt(POINT device) const;

    // Automatic placement of new conceptual files in rows.
    void RestartAutoPlacement();
    CPoint GetAutoPlacementPoint(CPoint& point, BOOL makeRowStart);
    BOOL AdvanceAutoPlacementAcross(CObject* placed);
    BOOL AdvanceAutoPlacementDown(CObject* placed);

    // --- Undo and redo ---------------------------------------------------------------------------
    void OnEditUndo();
    void OnEditRedo();
    void OnUpdateEditUndo(CCmdUI* cmdUI);
    void OnUpdateEditRedo(CCmdUI* cmdUI);
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnUpdateEditCopy(CCmdUI* cmdUI);
    void OnUpdateEditCut(CCmdUI* cmdUI);
    void OnUpdateEditPaste(CCmdUI* cmdUI);
    // Puts the selected drawing objects on the clipboard in selection order.
    void CopySelectionToClipboard();

    // --- Grouping (BaseViewGroup.cpp) -------------------------------------------------------------
    // Replaces the selected objects by one group of them in one undo step; refused selections are
    // explained by the document.
    void OnGroup();
    void OnUpdateGroup(CCmdUI* cmdUI);
    // Replaces each selected group by its members in one undo step; the members become the
    // selection.
    void OnUngroup();
    void OnUpdateUngroup(CCmdUI* cmdUI);
    void GroupSelection();
    void UngroupSelection();

    // --- Find and replace ------------------------------------------------------------------------
    // The commands: the find dialog; the replace dialog, opening the undo step that the single
    // replacements made while it is open go into; the last search again (F3).
    void OnEditFind();
    void OnEditReplace();
    void OnUpdateEditReplaceView(CCmdUI* cmdUI);
    void OnFindNextCommand();
    // The requests of the dialogs (wParam their template id, 0 from F3). While a label is being
    // edited, finding and single replacing stay inside it; the others end the edit first.
    // UM_FIND_NEXT and UM_REPLACE select and return the object found (0 for none).
    LRESULT OnFindNext(WPARAM wParam, LPARAM lParam);
    LRESULT OnFindAll(WPARAM wParam, LPARAM lParam);
    LRESULT OnReplace(WPARAM wParam, LPARAM lParam);
    LRESULT OnReplaceAll(WPARAM wParam, LPARAM lParam);
    // UM_IMPORT_EXCEL_DBIF: places new files from two grid widths inside the origin, then has the
    // registered import build the model into this view's document (lParam its request). Returns
    // whether the import finished.
    LRESULT OnImportExcelDbInterface(WPARAM wParam, LPARAM lParam);

    // --- Framework -----------------------------------------------------------------------------
    void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    BOOL OnScrollBy(CSize sizeScroll, BOOL doScroll = TRUE) override;
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;

    // Starts the pick delay of three ticks (the pick-an-object commands).
    void StartPickDelay();

    // --- Object menus, object commands and keys ------------------------------------------------
    // The menu of drawing tools that the right button opens on empty paper.
    virtual void ToolPopupMenu(CPoint screenPoint);
    // An attribute command (ID_ATTRIBUTE_FIRST to ID_ATTRIBUTE_LAST) spread over the selection in
    // one undo step; a dialog runs once on the current object and the others take over its choice.
    void OnObjectAttributeCommand(UINT id);
    void OnUpdateObjectAttributeCommand(CCmdUI* cmdUI);
    // One attribute command on one object, repainted; TRUE when it changed.
    BOOL ApplyAttributeCommandToObject(CObject* object, UINT id, CObject* argument);
    // An operation over the selection in one undo step; the pick operations wait for a target.
    void OnObjectOperationCommand(UINT id);
    void OnUpdateObjectOperationCommand(CCmdUI* cmdUI);
    // The captured move of a pick: the line from the object and the status of what lies below.
    void TrackPickObject(const ToolEvent& event);
    // The XOR feedback of a pick; drawn a second time it is gone.
    void DrawPickLine(CDC* dc);
    // Removes the deletable selected objects in one undo step.
    void DeleteSelection();
    int GetPickDelay() const { return m_nPickDelay; }

    // --- Commands --------------------------------------------------------------------------
    void OnZoomFit();
    void OnZoomCustom();
    void OnZoomFitToggle();
    void OnZoomIn();
    void OnZoomOut();
    void OnZoom100();
    // The zoom dialog; a new value leaves fit-to-window mode.
    void OnZoomDialog();
    void OnFramePrintScale();
    void OnFrameViewScale();
    // The display settings of this view alone in their dialog; nothing goes to the profile.
    void OnViewSettings();
    // The switches of the view (grid, guides, snapping, automatic connection, point adjustment).
    void OnViewSwitch(UINT id);
    void OnUpdateViewSwitch(CCmdUI* cmdUI);
    // The automatic shaping of new lines.
    void OnLineShape(UINT id);
    void OnUpdateLineShape(CCmdUI* cmdUI);
    void OnPrintMode();
    void OnDefineMode();
    void OnUpdatePrintMode(CCmdUI* cmdUI);
    void OnUpdateDefineMode(CCmdUI* cmdUI);
    void OnDisplayBit0();
    void OnUpdateDisplayBit0(CCmdUI* cmdUI);
    // The data model's display modes: the display word changes in the view and the document.
    void OnDisplayMode(UINT id);
    void OnUpdateDisplayMode(CCmdUI* cmdUI);
    // Puts the guide cross at the selection's top-left corner, or, while it has no place yet, ten
    // grid steps inside the document.
    void PlaceGuidesAtSelection();

    // --- Arranging the selection (BaseViewArrange.cpp) ----------------------------------------
    // Each arrangement takes the selected relation arrows out of the selection first (they follow
    // the objects they join) and changes every object through the document, with undo.
    // ARRANGE_ALIGN_*: left, right, top or bottom edges on the outermost one.
    void AlignSelection(UINT mode);
    // ARRANGE_SPACE_* and ARRANGE_CASCADE_*: even gaps across or down, or top-left corners on a
    // diagonal, in the order of the left edges (of the tops for vertical spacing).
    void DistributeSelection(UINT mode);
    // ARRANGE_SAME_*: the smallest width and/or height; the top-left corners stay.
    void MakeSelectionSameSize(UINT mode);
    // ARRANGE_CENTER_*: centres on one horizontal or vertical line through the selection's centre.
    void CenterSelection(UINT mode);
    // The document's drawing-order change; FALSE for a null object or mode 0.
    BOOL ChangeObjectZOrder(CObject* object, UINT mode);
    void OnBringForward();
    void OnSendBackward();
    void OnBringToFront();
    void OnSendToBack();
    // The align, spacing, cascade, same-size and centre commands in one undo step each.
    void OnArrangeCommand(UINT id);
    void OnUpdateZOrderOne(CCmdUI* cmdUI);
    void OnUpdateZOrderAll(CCmdUI* cmdUI);
    void OnUpdateAlign(CCmdUI* cmdUI);
    void OnUpdateDistribute(CCmdUI* cmdUI);
    void OnUpdateNeedsObjects(CCmdUI* cmdUI);
    void OnRedrawAll();
    // Selects every object (every conceptual file) in drawing order, passing over hidden
    // header-information objects.
    void OnEditSelectAll();
    void OnSelectAllFileComps();
    // Gathers the conceptual files that match the selected ones by name or key group beside them,
    // after the user said yes; one undo step.
    void OnMergeFileCompsByName();
    void OnUpdateMergeFileCompsByName(CCmdUI* cmdUI);

protected:
    const MessageMap* GetMessageMap() const override;
    // The arrange commands' entries, between this class's table and its base's.
    const MessageMap* GetArrangeMessageMap() const;
    // The name-gathering command's entries, between the arrange table and the base's.
    const MessageMap* GetMergeMessageMap() const;
    // The conceptual file a body move of the single selected conceptual file drops onto: another
    // conceptual file hit at the drop point on its body rather than on one of its labels; null
    // otherwise. The hit code and index stay as they were.
    CObject* FindFileMergeTarget(CPoint zoomed, CPoint doc, UINT keyFlags);
    // Asks whether the dropped file's data items are merged into the target and, on yes, merges.
    void OfferFileMerge(CObject* target);
    void OnSize(UINT type, int cx, int cy) override;
    void OnTimer(UINT_PTR idEvent) override;
    void OnDestroy() override;
    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnCaptureChanged(CWnd* newCapture) override;
    void OnKeyDown(UINT vkey, UINT repeat, UINT flags) override;
    BOOL FilterWidgetEvent(QEvent* event) override;
    // A press of any button on the scroll bars: ends an open label edit; the press then goes on
    // to the scroll bar. A drag in progress goes on.
    void OnNcButtonDown(UINT hitTest, CPoint point);
    // Lets presses on the scroll bars reach OnNcButtonDown.
    void WatchScrollBarPresses();

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
    // The same for a box object's redraw area (its full area with the handles when `full`).
    int MarkObjectArea(CObject* object, BOOL full, BOOL validate);
    // A client device context for XOR feedback, prepared like the window's.
    class CFeedbackDC : public CClientDC
    {
    public:
        explicit CFeedbackDC(CBaseView* view);
    };
    // The zoomed and the document point of a device point.
    void MapDevicePoint(POINT device, CPoint& zoomed, CPoint& doc) const;
    CPoint ZoomedOf(POINT doc) const;
    CSize ZoomedSize(SIZE size) const;
    // The offset of the drag in progress (current less anchor point) at the zoom.
    CSize GetZoomedDragOffset() const;
    // Renders what waits to be painted, so that XOR feedback is drawn on the final picture.
    void FlushPendingPaint();
    // The feedback of the drag in progress, drawn by the tool that started it: drawn (it shows) and
    // erased when it shows (drawn once more).
    void DrawDragFeedback(CDC* dc);
    void EraseDragFeedback(CDC* dc);
    // The drag's current point moves there, its feedback with it.
    void MoveDragFeedbackTo(CDC* dc, POINT zoomed, POINT doc);
    // The status text while a rectangle is dragged: the object under the mouse, else the tool's
    // prompt.
    void DescribeUnderMouseOrPrompt(CPoint doc, UINT tool);
    // The event of a device point for the current tool, with the points mapped.
    ToolEvent MakeToolEvent(UINT flags, CPoint point, CDC* dc) const;
    void ShowToolPrompt(UINT tool) const;
    // The constrained point of a move or resize drag; FALSE when the drag must stop here.
    BOOL ConstrainMovePoint(CDC* dc, UINT flags, CPoint& zoomed, CPoint& doc, BOOL tracking);
    // Starts the drag of a page-count handle in TRACK_PAGES_ACROSS or TRACK_PAGES_DOWN.
    void BeginPageCountDrag(CDC* dc, UINT mode);
    // Takes a dragged page count, fitted to the document, and shows it.
    void TrackPageCount(CDC* dc, CSize pages);
    void RemoveSelectedWhere(CDC* dc, const std::function<bool(WORD kind)>& drop);
    // Header-information objects whose rows are switched off are neither drawn nor hit.
    BOOL IsHiddenHeaderObject(const CObject* object) const;
    CSize GetDefaultFileSize() const;
    // The first step of both automatic-placement advances: past the placed object, with what the
    // rest of the step needs. FALSE for an object that is not a box object.
    struct AutoAdvance
    {
        CSize size;
        CPoint far;
        CPoint origin;
        int gap = 0;
    };
    BOOL BeginAutoAdvance(CObject* placed, AutoAdvance& step);
    // The row of automatic placement starts again at the anchor.
    void StartAutoRowAtAnchor();
    // The field of a view switch, null for another id.
    BOOL* FindSwitch(UINT id);
    // Print mode (TRUE) or define mode, which drops the selected objects hidden in it; either
    // returns to the pointer from a drawing tool.
    void SwitchMode(BOOL printMode);
    // The object's own menu, opened as the current object (several: on one of a selection).
    void OpenObjectMenu(CObject* object, CPoint screenPoint, BOOL severalSelected);
    // The check and enable state the current object gives; disabled on a read-only document
    // unless the command is safe there.
    void UpdateObjectCommand(CCmdUI* cmdUI, BOOL readOnlySafe);
    // A switch command's value for every selected object: the negation of the flag that the
    // current object's update handler checks for the command.
    BOOL GetSwitchValue(UINT id);
    // The arrow settings dialog on the current arrow, then its settings copied to the other
    // selected arrows of the same family (subtype and substructure, or 1:N).
    void RunArrowDialogOverSelection(UINT id, const CObList& selected);
    // Starts the pick mode of a pick operation from the current object; FALSE for other ids.
    BOOL BeginPickMode(UINT id);
    // Where the pick's line starts: the line end a connection pick sets, the centre of the box
    // the other picks start from; FALSE when the current object is not of that kind.
    BOOL GetPickAnchor(UINT id, CPoint& anchor) const;
    void BeginPickTracking(UINT mode);
    // The texts of a find or replace request, the main frame having taken the asking dialog's;
    // the find text upper-cased unless the case must match. FALSE without a find text.
    struct SearchTexts
    {
        CString find;
        CString replacement;
        BOOL matchCase = FALSE;
    };
    static BOOL TakeSearchTexts(UINT message, WPARAM wParam, LPARAM lParam, SearchTexts& texts);
    // The only selected object becomes the found one, scrolled into sight; none changes nothing.
    void ShowFoundObject(CObject* found);
    // Refuses a change on a read-only document with its message; TRUE when refused.
    BOOL RefuseReadOnlyChange() const;
    // The keys: a nudge of the selection in one undo step, the scroll keys without a selection,
    // and the context-menu key at the selection's corner or at a zoomed point kept in the window.
    void NudgeSelection(CSize offset);
    void ScrollByKey(UINT vkey);
    void OpenMenuAtSelection();
    void OpenMenuAtLogical(CPoint zoomed);
    // Drawing-order moves over the selection in one undo step: one place for the last selected
    // object, to the front or back for each; the selection is redrawn when one moved.
    void ChangeSelectionZOrder(UINT mode);
    // The frame of the arrange commands: one undo step, the selection redrawn before and after.
    void RunArrangement(void (CBaseView::*arrange)(UINT), UINT mode);
    // How many selected objects are not relation arrows.
    int CountSelectedNotArrows() const;
    // Moves (HIT_BODY) or resizes (HIT_HANDLE) the object through the document; nothing for a zero
    // offset.
    void ArrangeObject(CObject* object, SIZE offset, DWORD hitCode, DWORD extra);
    // Clears the selection and selects, in drawing order, every shown object that passes.
    void SelectAllWhere(const std::function<bool(const CObject*)>& wanted);
    // Reads the settings of "InitialViewState" into the view.
    void ReadInitialViewState();
    // Whether the object is drawn: a drawing object that is not a hidden header-information
    // object and whose repaint bounds meet the clip (0.1 mm at 100 %).
    BOOL IsObjectPainted(CObject* object, const CRect& clip) const;
    void DrawPageFrames(CDC* dc, const CRect& frame, SIZE step, SIZE pages);
    // The clip box with its top above its bottom (y up).
    static CRect GetClipBoxYUp(CDC* dc);
    // The parts of a printed page in logical units (y up): the body, the header band above it and
    // the footer band below it.
    struct PrintedPage
    {
        CRect body;
        CRect header;
        CRect footer;
    };
    PrintedPage GetPrintedPage(const CPrintInfo* info) const;
    // The automatic header; with the document-type cell the product name opens the title row.
    void DrawPrintHeader(CDC* dc, CPrintInfo* info, BOOL withDocType);
    // The decorations of a printed page after its objects.
    void DrawPrintDecorations(CDC* dc);

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
    BOOL m_bDrawPrintPageFrame = FALSE; // "DrawPrintPageFrame"
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
    // The tool whose drag is in progress, null while none is.
    const ViewTool* m_pDragTool = nullptr;
    CPoint m_ptAnchor;
    CPoint m_ptCurrent;
    CPoint m_ptAnchor100;
    CPoint m_ptCurrent100;
    DWORD m_nHitCode = 0;
    DWORD m_nHitIndex = 0;
    DWORD DrawOpt = 0;
    BOOL m_bOutlineShown = FALSE;
    int m_nPickDelay = 0;
    CFloatEdit* m_pLabelEdit = nullptr;
    CSize m_sizeDragPages;
    CSize m_sizeDefaultFile{240, -160};
    // Pages across and down of the print job, and the page being printed (none otherwise).
    CSize m_sizePrintPages{1, 1};
    CPrintInfo* m_pPrintInfo = nullptr;
    std::unique_ptr<ScrollBarPressWatch> m_pScrollBarWatch;
    // The objects of the print job now running, filed by where they print.
    std::unique_ptr<PrintObjectIndex> m_printIndex;
};

// FALSE for the keys that edit (arrows, Delete, F2), which a read-only document ignores.
BOOL IsKeyAllowedWhenReadOnly(UINT vkey);

// Whether the drawing object's repaint bounds at the zoom and mode meet the clip (0.1 mm at 100 %).
BOOL IsObjectVisibleInRect(const CObject* object, const CRect& clip, int zoom, BOOL printMode);

// The text of the status bar's zoom pane for the active view: "125%" for a drawing view, the
// pane's idle text otherwise.
CString FormatZoomPaneText(const CView* activeView);
