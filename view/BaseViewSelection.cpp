// The view's selection: the selected objects in selection order, the queries and changes on it,
// hit tests of one object (body, handles, inclusion in a rectangle), the topmost object under a
// point, the bounds of the selection and of the drag, and the handles and drag outlines.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "document/FollowBatch.h"
#include "document/HeaderItems.h"
#include "document/UndoStep.h"
#include "foundation/ZoomScale.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/FloatEdit.h"
#include "objects/PolyLine.h"
#include "objects/PolyObj.h"

#include <utility>

namespace BaseViewSelection {

WORD KindOf(const CObject* object)
{
    return DrawObjects::GetKind(object);
}

} // namespace BaseViewSelection

// --- Queries ------------------------------------------------------------------------------------

BOOL CBaseView::HasSelection() const
{
    return !m_selection.IsEmpty();
}

BOOL CBaseView::IsSingleSelection() const
{
    return m_selection.GetCount() == 1;
}

BOOL CBaseView::IsMultipleSelection() const
{
    return m_selection.GetCount() > 1;
}

CObject* CBaseView::GetFirstSelected() const
{
    for (POSITION pos = m_selection.GetHeadPosition(); pos;)
        if (CObject* object = m_selection.GetNext(pos))
            return object;
    return nullptr;
}

CObject* CBaseView::GetLastSelected() const
{
    for (POSITION pos = m_selection.GetTailPosition(); pos;)
        if (CObject* object = m_selection.GetPrev(pos))
            return object;
    return nullptr;
}

BOOL CBaseView::IsKindSelected(WORD kind) const
{
    for (POSITION pos = m_selection.GetHeadPosition(); pos;) {
        const CObject* object = m_selection.GetNext(pos);
        if (DrawObjects::IsDrawObject(object) && BaseViewSelection::KindOf(object) == kind)
            return TRUE;
    }
    return FALSE;
}

BOOL CBaseView::IsBoxObjectSelected() const
{
    for (POSITION pos = m_selection.GetHeadPosition(); pos;)
        if (DrawObjects::AsBoxObject(m_selection.GetNext(pos)))
            return TRUE;
    return FALSE;
}

int CBaseView::CountSelectedNotOfClass(const CRuntimeClass* runtimeClass) const
{
    int count = 0;
    for (POSITION pos = m_selection.GetHeadPosition(); pos;) {
        const CObject* object = m_selection.GetNext(pos);
        if (!object || !object->IsKindOf(runtimeClass))
            ++count;
    }
    return count;
}

BOOL CBaseView::GetSelectionBounds(CRect& bounds) const
{
    BOOL any = FALSE;
    for (POSITION pos = m_selection.GetHeadPosition(); pos;) {
        CRect rect;
        if (!DrawObjects::GetVisibleRect(m_selection.GetNext(pos), rect, ModePrint))
            continue;
        bounds = any ? ViewGeometry::UnionYUp(bounds, rect) : rect;
        any = TRUE;
    }
    return any;
}

BOOL CBaseView::GetTrackingBounds(CRect& bounds) const
{
    if (m_selection.IsEmpty())
        return FALSE;
    if (IsSingleSelection() && m_nHitCode >= HIT_PART_FIRST) {
        CRect part;
        if (const CBaseObj* box = DrawObjects::AsBoxObject(GetLastSelected()))
            box->GetPartRect(part, ModePrint, m_nHitCode);
        else if (const CPolyObj* line = DrawObjects::AsLineObject(GetLastSelected()))
            line->GetPartRect(part, ModePrint, m_nHitCode);
        if (!part.IsRectNull()) {
            bounds = part;
            return TRUE;
        }
    }
    if (!GetSelectionBounds(bounds))
        bounds.SetRectEmpty();
    return TRUE;
}

// --- Changes ------------------------------------------------------------------------------------

BOOL CBaseView::ToggleSelection(CDC* dc, CObject* object, BOOL draw)
{
    if (draw)
        DrawObjectHandles(dc, object);
    if (POSITION pos = m_selection.Find(object)) {
        m_selection.RemoveAt(pos);
        return FALSE;
    }
    m_selection.AddTail(object);
    return TRUE;
}

void CBaseView::RemoveSelectedWhere(CDC* dc, const std::function<bool(WORD kind)>& drop)
{
    for (POSITION pos = m_selection.GetHeadPosition(); pos;) {
        const POSITION at = pos;
        CObject* object = m_selection.GetNext(pos);
        if (!drop(BaseViewSelection::KindOf(object)))
            continue;
        DrawObjectHandles(dc, object);
        m_selection.RemoveAt(at);
    }
}

void CBaseView::DeselectOtherKinds(CDC* dc, CObject* object)
{
    const WORD kind = BaseViewSelection::KindOf(object);
    if (kind != 0)
        RemoveSelectedWhere(dc, [kind](WORD k) { return k != kind; });
}

void CBaseView::DeselectAllButKind(WORD kind)
{
    if (kind == 0)
        return;
    CFeedbackDC dc(this);
    RemoveSelectedWhere(&dc, [kind](WORD k) { return k != kind; });
}

void CBaseView::DeselectKind(WORD kind)
{
    if (kind == 0)
        return;
    CFeedbackDC dc(this);
    RemoveSelectedWhere(&dc, [kind](WORD k) { return k == kind; });
}

void CBaseView::UpdateAllViewsForSelection()
{
    for (POSITION pos = m_selection.GetHeadPosition(); pos;)
        UpdateOtherViews(m_selection.GetNext(pos));
}

// --- Hit tests ----------------------------------------------------------------------------------

BOOL CBaseView::IsHiddenHeaderObject(const CObject* object) const
{
    if (!DrawObjects::IsDrawObject(object))
        return FALSE;
    const WORD id = DrawObjects::GetObjectId(object);
    return IsHeaderItemId(id) && !GetDocument()->IsHeaderItemShown(id);
}

BOOL CBaseView::HitTestObject(CObject* object, POINT point, BOOL frameOnly) const
{
    if (IsHiddenHeaderObject(object))
        return FALSE;
    int tolerance = HANDLE_HIT_TOLERANCE;
    UnscaleValueByZoom(tolerance, m_nZoom);
    return DrawObjects::HitTest(object, point, tolerance, ModePrint, frameOnly);
}

BOOL CBaseView::HitTestObjectHandles(CObject* object, POINT zoomedPoint, UINT keyFlags, CPoint& handlePoint)
{
    if (IsHiddenHeaderObject(object))
        return FALSE;
    DWORD code = 0, index = 0;
    if (!DrawObjects::HitTestHandles(object, m_nZoom, zoomedPoint, keyFlags, HANDLE_HIT_TOLERANCE, code, index,
                                     handlePoint, ModePrint))
        return FALSE;
    // With the points kept in order, the neighbours of a dragged point follow so that the
    // segments stay upright.
    if (AutoPolyInOrder && DrawObjects::AsLineObject(object))
        code |= HIT_LINE_ORTHOGONAL;
    m_nHitCode = code;
    m_nHitIndex = index;
    return TRUE;
}

CObject* CBaseView::HitTestSelectedHandles(POINT zoomedPoint, UINT keyFlags, CPoint& handlePoint)
{
    if (!IsMultipleSelection())
        return nullptr;
    for (POSITION pos = m_selection.GetTailPosition(); pos;) {
        CObject* selected = m_selection.GetPrev(pos);
        if (!HitTestObjectHandles(selected, zoomedPoint, keyFlags, handlePoint))
            continue;
        // In a multiple selection a grabbed point moves the whole selection.
        if (m_nHitCode & HIT_SHAPE_HANDLE) {
            m_nHitCode = HIT_BODY;
            m_nHitIndex = 0;
        }
        return selected;
    }
    return nullptr;
}

BOOL CBaseView::IsObjectInsideRect(CObject* object, const CRect& rect) const
{
    return !IsHiddenHeaderObject(object) && DrawObjects::IsInsideRect(object, rect, ModePrint);
}

CObject* CBaseView::FindObjectAt(POINT point) const
{
    const CObList* objects = GetDocument()->GetObjectList();
    for (POSITION pos = objects->GetTailPosition(); pos;) {
        CObject* object = objects->GetPrev(pos);
        if (HitTestObject(object, point, TRUE))
            return object;
    }
    return nullptr;
}

// --- Handles, outlines and applying a drag -------------------------------------------------------

void CBaseView::DrawSelectionHandles(CDC* dc)
{
    for (POSITION pos = m_selection.GetHeadPosition(); pos;)
        DrawObjectHandles(dc, m_selection.GetNext(pos));
}

void CBaseView::DrawObjectHandles(CDC* dc, CObject* object)
{
    DrawObjects::DrawHandles(object, dc, m_nZoom, ModePrint);
}

void CBaseView::DrawObjectDragOutline(CDC* dc, CObject* object, SIZE offset)
{
    DrawObjects::DrawDragOutline(object, dc, m_nZoom, offset, m_nHitCode, m_nHitIndex, ModePrint);
}

BOOL CBaseView::ApplyTrackingToObject(CDC*, CObject* object, SIZE offset)
{
    if (offset.cx == 0 && offset.cy == 0)
        return FALSE;
    const CSize size(offset);
    return GetDocument()->MoveOrResizeObject(object, ModePrint, &size, m_nHitCode,
                                             (m_nHitCode & HIT_BODY) ? 0 : m_nHitIndex);
}

BOOL CBaseView::ApplyTrackingToSelection(SIZE offset)
{
    CBaseDoc* doc = GetDocument();
    if (doc->IsReadOnly() || m_selection.IsEmpty())
        return FALSE;
    CUndoStep step(doc);
    if (!step.IsOpen())
        return FALSE;
    BOOL changed = FALSE;
    // The document looks up what follows each object in one index for the whole selection.
    CFollowBatch batch(doc, this);
    // A snapshot: the document may take objects out of the selection while it moves them.
    CObList objects;
    objects.AddTail(&m_selection);
    for (POSITION pos = objects.GetHeadPosition(); pos;)
        changed |= ApplyTrackingToObject(nullptr, objects.GetNext(pos), offset);
    return changed;
}

BOOL CBaseView::RemoveObjectFromDocument(CObject* object)
{
    return GetDocument()->RemoveObject(object);
}

// --- The in-place label editor ------------------------------------------------------------------

BOOL CBaseView::OpenInPlaceEditor(CDC* dc, CObject* object)
{
    if (IsLabelEditing())
        return FALSE;
    CBaseDoc* doc = GetDocument();
    if (CBaseObj* box = DrawObjects::AsBoxObject(object))
        return box->BeginEdit(dc, m_nZoom, m_pLabelEdit, this, IDC_LABEL_EDIT, m_nHitCode, doc->GetDrawingFont(),
                              doc->GetEditFlgs());
    if (CPolyObj* line = DrawObjects::AsLineObject(object))
        return line->BeginEdit(dc, m_nZoom, m_pLabelEdit, this, IDC_LABEL_EDIT, m_nHitCode, doc->GetDrawingFont(),
                               doc->GetEditFlgs());
    return FALSE;
}

int CBaseView::EndInPlaceEdit()
{
    if (!IsLabelEditing())
        return 0;
    if (IsSingleSelection())
        return GetDocument()->CommitObjectTextEdit(GetLastSelected(), m_pLabelEdit);
    delete std::exchange(m_pLabelEdit, nullptr);
    return 0;
}

void CBaseView::EndInPlaceEditAndRefresh()
{
    if (!IsLabelEditing())
        return;
    EndInPlaceEdit();
    InvalidateSelection();
    UpdateAllViewsForSelection();
}
