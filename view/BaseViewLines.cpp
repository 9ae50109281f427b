// The line and polyline tools of the view: the rubber band, the freehand polyline, the new line's
// connection to the objects under its ends, and the polyline in progress that the document holds
// while its points are collected.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "foundation/CommandIds.h"
#include "foundation/Geometry.h"
#include "foundation/Trackers.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/ObjectServices.h"
#include "objects/PolyObj.h"
#include "platform/ui/Wnd.h"
#include "view/FrameServices.h"

#include <QCursor>

namespace BaseViewLines {

// The rubber band is yellow.
constexpr COLORREF kRubberBandColor = RGB(0xFF, 0xFF, 0);
// A freehand polyline takes a new point once the mouse is this far from the last one, squared
// (about 4.4 mm).
constexpr double kFreehandStepSquared = 1960.0;

// Copies the attributes of the default prototype of lines onto the line.
void CopyPrototypeAttributes(CPolyObj* line)
{
    ObjectServices* services = GetObjectServices();
    if (const CPolyObj* prototype =
            services ? DrawObjects::AsLineObject(services->FindDefaultPrototype(line)) : nullptr)
        line->CopyAttributes(*prototype);
}

} // namespace BaseViewLines

// --- The line tool ------------------------------------------------------------------------------

void CBaseView::BeginLine(const ToolEvent& event)
{
    BeginShapeTracking(event, TRACK_LINE);
    ShowDragFeedback(event.dc);
}

void CBaseView::TrackLine(const ToolEvent& event)
{
    CPoint zoomed = event.zoomed, doc = event.doc;
    if (zoomed == m_ptCurrent)
        return;
    const BOOL freehand = m_nTrackMode == TRACK_POLYLINE && (event.flags & MK_LBUTTON) && !(event.flags & MK_SHIFT);
    // A freehand line follows the hand, not the grid.
    if (AdjustGrid && !(m_nTrackMode == TRACK_POLYLINE && (event.flags & MK_LBUTTON)) && SnapToGrid(doc))
        zoomed = ZoomedOf(doc);
    if (ClampToDocument(doc)) {
        zoomed = ZoomedOf(doc);
        MoveCursorToLogical(event.dc, zoomed);
    }
    if (zoomed == m_ptCurrent)
        return;
    if (event.flags & MK_SHIFT)
        ConstrainOrthogonal(zoomed, doc);
    if (freehand) {
        const double dx = double(doc.x) - m_ptCurrent100.x, dy = double(doc.y) - m_ptCurrent100.y;
        if (dx * dx + dy * dy <= BaseViewLines::kFreehandStepSquared)
            return;
        DrawBlackLine(event.dc, m_ptCurrent.x, m_ptCurrent.y, zoomed.x, zoomed.y);
        m_ptAnchor = m_ptCurrent = zoomed;
        m_ptAnchor100 = m_ptCurrent100 = doc;
        if (CPolyObj* polyline = GetDocument()->GetPolyLineInProgress())
            polyline->AddPoint(doc);
        return;
    }
    MoveDragFeedbackTo(event.dc, zoomed, doc);
}

void CBaseView::EndLine(const ToolEvent& event)
{
    if (!EndLineTracking(event) || !CreateLine())
        return;
    InvalidateSelection();
    UpdateAllViewsForSelection();
}

BOOL CBaseView::EndLineTracking(const ToolEvent& event)
{
    if (!EndShapeTracking(event))
        return FALSE;
    CPoint zoomed = m_ptCurrent, doc = m_ptCurrent100;
    if (event.flags & MK_SHIFT) {
        ConstrainOrthogonal(zoomed, doc);
        m_ptCurrent = zoomed;
        m_ptCurrent100 = doc;
    }
    return TRUE;
}

// --- The relation arrow's rubber band -----------------------------------------------------------

BOOL CBaseView::TrackRelArrow(const ToolEvent& event)
{
    CPoint zoomed = event.zoomed, doc = event.doc;
    if (zoomed == m_ptCurrent)
        return FALSE;
    if (ClampToDocument(doc)) {
        zoomed = ZoomedOf(doc);
        MoveCursorToLogical(event.dc, zoomed);
    }
    if (zoomed == m_ptCurrent)
        return FALSE;
    if (event.flags & MK_SHIFT)
        ConstrainOrthogonal(zoomed, doc);
    MoveDragFeedbackTo(event.dc, zoomed, doc);
    return TRUE;
}

WORD CBaseView::GetCurrentArrowKind() const
{
    const FrameServices* frame = GetFrameServices();
    return frame ? frame->GetArrowKind() : 1;
}

BOOL CBaseView::CreateLine()
{
    const WORD id = GetDocument()->NewObjectId();
    if (id == 0)
        return FALSE;
    auto* line = new CPolyObj(id, m_ptAnchor100, m_ptCurrent100);
    BaseViewLines::CopyPrototypeAttributes(line);
    // A new line is always open, unfilled and straight, whatever the prototype holds.
    line->SetClosed(FALSE);
    line->SetFilled(FALSE);
    line->SetBezier(FALSE);
    if (AutoConnect)
        ConnectLineEnds(line);
    // The shape is part of the new line, not a change of its own: the undo step holds only the addition.
    switch (AutoCmdLineMethod) {
    case ID_OP_LINE_VERTICAL_CRANK:
    case ID_OP_LINE_HORIZONTAL_CRANK:
    case ID_OP_LINE_RIGHT_ANGLE: line->ApplyShapeOperation(AutoCmdLineMethod, 0, 0); break;
    default: break;
    }
    return AddCreatedObject(line);
}

void CBaseView::DrawLineRubberBand(CDC* dc)
{
    DrawTrackerLineColor(dc, m_ptAnchor.x, m_ptAnchor.y, m_ptCurrent.x, m_ptCurrent.y, BaseViewLines::kRubberBandColor);
}

// --- The polyline tool --------------------------------------------------------------------------

void CBaseView::AddPolylinePoint(const ToolEvent& event)
{
    CBaseDoc* doc = GetDocument();
    CPolyObj* polyline = doc->GetPolyLineInProgress();
    if (!polyline) {
        BeginShapeTracking(event, TRACK_POLYLINE);
        polyline = new CPolyObj;
        doc->SetPolyLineInProgress(polyline);
        polyline->AddPoint(m_ptAnchor100);
        ShowDragFeedback(event.dc);
        return;
    }
    EraseDragFeedback(event.dc);
    CPoint zoomed, docPoint;
    if (!GetNextPolylinePoint(event, zoomed, docPoint))
        return;
    DrawBlackLine(event.dc, m_ptAnchor.x, m_ptAnchor.y, zoomed.x, zoomed.y);
    m_ptAnchor = m_ptCurrent = zoomed;
    m_ptAnchor100 = m_ptCurrent100 = docPoint;
    polyline->AddPoint(docPoint);
    UpdateOtherViews(polyline);
}

BOOL CBaseView::GetNextPolylinePoint(const ToolEvent& event, CPoint& zoomed, CPoint& doc)
{
    zoomed = event.zoomed;
    doc = event.doc;
    if (zoomed == m_ptAnchor)
        return FALSE;
    if (SnapAndClampPoint(zoomed, doc))
        MoveCursorToLogical(event.dc, zoomed);
    if (zoomed == m_ptAnchor)
        return FALSE;
    if (event.flags & MK_SHIFT)
        ConstrainOrthogonal(zoomed, doc);
    return TRUE;
}

void CBaseView::FinishPolyline(const ToolEvent& event)
{
    AddPolylineEndPoint(event);
    EndPolyline();
}

void CBaseView::AddPolylineEndPoint(const ToolEvent& event)
{
    EraseDragFeedback(event.dc);
    EndTrackMode();
    CPolyObj* polyline = GetDocument()->GetPolyLineInProgress();
    CPoint zoomed, doc;
    if (!polyline || !GetNextPolylinePoint(event, zoomed, doc))
        return;
    m_ptCurrent = zoomed;
    m_ptCurrent100 = doc;
    polyline->AddPoint(doc);
}

BOOL CBaseView::EndPolyline()
{
    CBaseDoc* doc = GetDocument();
    CPolyObj* polyline = doc->GetPolyLineInProgress();
    if (!polyline)
        return FALSE;
    const WORD id = polyline->GetCount() < 2 ? 0 : doc->NewObjectId();
    if (id == 0) {
        DiscardPolyline();
        return FALSE;
    }
    polyline->SetObjectId(id);
    // The prototype's shape bits stay: a polyline may be drawn closed, filled or as a spline.
    BaseViewLines::CopyPrototypeAttributes(polyline);
    if (AutoConnect)
        ConnectLineEnds(polyline);
    if (AutoPolyInOrder && polyline->GetCount() > 2) {
        InvalidateObject(polyline);
        UpdateOtherViews(polyline);
        polyline->ApplyShapeOperation(ID_OP_LINE_ADJUST_POINTS, 0, 0);
    }
    // Its segments were drawn straight onto the picture, also where it does not end up.
    InvalidateObjectFull(polyline);
    const BOOL added = AddCreatedObject(doc->ReleasePolyLineInProgress());
    if (added) {
        InvalidateObject(polyline);
        UpdateOtherViews(polyline);
    }
    SetCurrentTool(ID_TOOL_POINTER);
    SetCursor(QCursor(Qt::ArrowCursor));
    return added;
}

void CBaseView::DiscardPolyline()
{
    CBaseDoc* doc = GetDocument();
    if (CPolyObj* polyline = doc ? doc->GetPolyLineInProgress() : nullptr) {
        // Its segments were drawn straight onto the picture.
        InvalidateObjectFull(polyline);
        UpdateOtherViews(polyline);
        doc->SetPolyLineInProgress(nullptr);
    }
    SetCurrentTool(ID_TOOL_POINTER);
    SetCursor(QCursor(Qt::ArrowCursor));
}

// --- Connecting the ends of a new line ------------------------------------------------------------

namespace BaseViewLines {

// A line from a box ends on the box's frame, at the point the box gives for where the line comes
// from; a line object gives none, so an end on a line stays where it is.
template <class MoveEnd>
void MoveEndOntoFrame(CBaseView& view, CPolyObj* line, const CObject* target, CPoint end, MoveEnd moveEnd)
{
    const CBaseObj* box = DrawObjects::AsBoxObject(target);
    if (!box)
        return;
    CPoint onFrame;
    box->GetConnectionPoint(onFrame, end);
    if (onFrame == end)
        return;
    view.InvalidateObject(line);
    view.UpdateOtherViews(line);
    moveEnd(onFrame - end);
}

} // namespace BaseViewLines

void CBaseView::ConnectLineEnds(CPolyObj* line)
{
    if (CObject* start = FindObjectAtLineStart(line)) {
        if (AutoConnectFrame)
            BaseViewLines::MoveEndOntoFrame(*this, line, start, line->GetStartPoint(),
                                            [line](SIZE offset) { line->MoveStartPoint(offset); });
        if (const WORD id = DrawObjects::GetObjectId(start))
            line->SetStartObjectId(id);
    }
    if (CObject* end = FindObjectAtLineEnd(line)) {
        if (AutoConnectFrame)
            BaseViewLines::MoveEndOntoFrame(*this, line, end, line->GetEndPoint(),
                                            [line](SIZE offset) { line->MoveEndPoint(offset); });
        if (const WORD id = DrawObjects::GetObjectId(end))
            line->SetEndObjectId(id);
    }
}

CObject* CBaseView::FindObjectAtLineStart(const CPolyObj* line) const
{
    return FindObjectUnderLine(line, line->GetStartPoint());
}

CObject* CBaseView::FindObjectAtLineEnd(const CPolyObj* line) const
{
    return FindObjectUnderLine(line, line->GetEndPoint());
}

CObject* CBaseView::FindObjectUnderLine(const CPolyObj* line, POINT point) const
{
    // The body of an unfilled shape counts over its whole area here.
    const CObList* objects = GetDocument()->GetObjectList();
    for (POSITION pos = objects->GetTailPosition(); pos;) {
        CObject* object = objects->GetPrev(pos);
        if (object != line && HitTestObject(object, point, FALSE))
            return object;
    }
    return nullptr;
}
