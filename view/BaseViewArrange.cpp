// Arranging the selected objects as a set: drawing order, aligned edges, even spacing, cascades,
// equal sizes and centring, each one undo step; selecting everything, and redrawing everything.
//
// Geometry is in 0.1 mm with y up (a rectangle's top is its larger y). Every rectangle is an
// object's visible rectangle in the view's mode, and every change goes through the document's
// move-or-resize, which records it once and lets relation arrows follow a moved box.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "document/FollowBatch.h"
#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/FrameworkIds.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace BaseViewArrange {

// A selected box or line object with its visible rectangle.
struct Placed
{
    CObject* object;
    CRect rect;
};

std::vector<Placed> CollectPlaced(const CObList& selection, BOOL printMode)
{
    std::vector<Placed> placed;
    for (POSITION pos = selection.GetHeadPosition(); pos;) {
        CObject* object = selection.GetNext(pos);
        CRect rect;
        if (DrawObjects::GetVisibleRect(object, rect, printMode))
            placed.push_back({object, rect});
    }
    return placed;
}

// The align edges: which side of the rectangle, and whether the reference is the largest value.
struct AlignEdge
{
    UINT mode;
    LONG CRect::*side;
    bool horizontal;
    bool largest;
};

constexpr AlignEdge kAlignEdges[] = {
    {ARRANGE_ALIGN_LEFT, &CRect::left, true, false},
    {ARRANGE_ALIGN_RIGHT, &CRect::right, true, true},
    {ARRANGE_ALIGN_TOP, &CRect::top, false, true},
    {ARRANGE_ALIGN_BOTTOM, &CRect::bottom, false, false},
};

// The arrange commands and the operation and mode each runs.
struct ArrangeCommand
{
    UINT id;
    void (CBaseView::*arrange)(UINT);
    UINT mode;
};

const ArrangeCommand kArrangeCommands[] = {
    {ID_ALIGN_LEFT, &CBaseView::AlignSelection, ARRANGE_ALIGN_LEFT},
    {ID_ALIGN_RIGHT, &CBaseView::AlignSelection, ARRANGE_ALIGN_RIGHT},
    {ID_ALIGN_TOP, &CBaseView::AlignSelection, ARRANGE_ALIGN_TOP},
    {ID_ALIGN_BOTTOM, &CBaseView::AlignSelection, ARRANGE_ALIGN_BOTTOM},
    {ID_SPACE_VERTICAL, &CBaseView::DistributeSelection, ARRANGE_SPACE_VERTICAL},
    {ID_SPACE_HORIZONTAL, &CBaseView::DistributeSelection, ARRANGE_SPACE_HORIZONTAL},
    {ID_CASCADE_FROM_TOP_LEFT, &CBaseView::DistributeSelection, ARRANGE_CASCADE_DOWN},
    {ID_CASCADE_FROM_TOP_RIGHT, &CBaseView::DistributeSelection, ARRANGE_CASCADE_UP},
    {ID_SAME_WIDTH, &CBaseView::MakeSelectionSameSize, ARRANGE_SAME_WIDTH},
    {ID_SAME_HEIGHT, &CBaseView::MakeSelectionSameSize, ARRANGE_SAME_HEIGHT},
    {ID_SAME_SIZE, &CBaseView::MakeSelectionSameSize, ARRANGE_SAME_SIZE},
    {ID_CENTER_HORIZONTAL, &CBaseView::CenterSelection, ARRANGE_CENTER_HORIZONTAL},
    {ID_CENTER_VERTICAL, &CBaseView::CenterSelection, ARRANGE_CENTER_VERTICAL},
};

// The working order of spacing and cascades. Across (and for the cascades) by left edge, from
// the smallest; down by top, from the largest. An object equal to the tail goes after it, one
// equal to an inner object before it.
std::vector<Placed> SortForSpacing(const std::vector<Placed>& placed, UINT mode)
{
    const bool down = mode == ARRANGE_SPACE_VERTICAL;
    // Whether a comes before b.
    auto before = [down](const CRect& a, const CRect& b) { return down ? a.top > b.top : a.left < b.left; };
    std::vector<Placed> sorted;
    for (const Placed& p : placed) {
        if (sorted.empty() || !before(p.rect, sorted.back().rect)) {
            sorted.push_back(p);
            continue;
        }
        const auto at =
            std::find_if(sorted.begin(), sorted.end(), [&](const Placed& q) { return !before(q.rect, p.rect); });
        sorted.insert(at, p);
    }
    return sorted;
}

// The centre of a y-up rectangle, halves truncated.
CPoint CentreOf(const CRect& rect)
{
    return CPoint(rect.left + rect.Width() / 2, rect.top + rect.Height() / 2);
}

} // namespace BaseViewArrange

// --- Drawing order ------------------------------------------------------------------------------

BOOL CBaseView::ChangeObjectZOrder(CObject* object, UINT mode)
{
    if (!object || mode == 0)
        return FALSE;
    return GetDocument()->ChangeZOrder(object, mode);
}

void CBaseView::OnBringForward()
{
    ChangeSelectionZOrder(ZORDER_FORWARD);
}

void CBaseView::OnSendBackward()
{
    ChangeSelectionZOrder(ZORDER_BACKWARD);
}

void CBaseView::OnBringToFront()
{
    ChangeSelectionZOrder(ZORDER_TO_FRONT);
}

void CBaseView::OnSendToBack()
{
    ChangeSelectionZOrder(ZORDER_TO_BACK);
}

void CBaseView::ChangeSelectionZOrder(UINT mode)
{
    CBaseDoc* doc = GetDocument();
    if (doc->IsReadOnly() || m_selection.IsEmpty())
        return;
    CUndoStep step(doc);
    if (!step.IsOpen())
        return;
    BOOL moved = FALSE;
    if (!(mode & ZORDER_ALL)) {
        moved = ChangeObjectZOrder(GetLastSelected(), mode);
    } else {
        // To the front first to last, to the back last to first: the moved objects end in
        // selection order, the first selected furthest back. One that cannot move (already in
        // place) is passed over, so that the others still move.
        const bool lastToFirst = mode == ZORDER_TO_BACK;
        POSITION pos = lastToFirst ? m_selection.GetTailPosition() : m_selection.GetHeadPosition();
        while (pos) {
            CObject* object = lastToFirst ? m_selection.GetPrev(pos) : m_selection.GetNext(pos);
            moved |= ChangeObjectZOrder(object, mode);
        }
    }
    if (!moved)
        return;
    InvalidateSelection();
    UpdateAllViewsForSelection();
}

// --- The arrange commands -----------------------------------------------------------------------

void CBaseView::OnArrangeCommand(UINT id)
{
    for (const auto& command : BaseViewArrange::kArrangeCommands)
        if (command.id == id)
            RunArrangement(command.arrange, command.mode);
}

void CBaseView::RunArrangement(void (CBaseView::*arrange)(UINT), UINT mode)
{
    CBaseDoc* doc = GetDocument();
    if (doc->IsReadOnly() || m_selection.IsEmpty())
        return;
    CUndoStep step(doc);
    if (!step.IsOpen())
        return;
    CFollowBatch batch(doc, this);
    InvalidateSelection();
    UpdateAllViewsForSelection();
    (this->*arrange)(mode);
    InvalidateSelection();
    UpdateAllViewsForSelection();
}

void CBaseView::ArrangeObject(CObject* object, SIZE offset, DWORD hitCode, DWORD extra)
{
    if (offset.cx == 0 && offset.cy == 0)
        return;
    const CSize size(offset);
    GetDocument()->MoveOrResizeObject(object, ModePrint, &size, hitCode, extra);
}

void CBaseView::AlignSelection(UINT mode)
{
    const auto edge = std::find_if(std::begin(BaseViewArrange::kAlignEdges), std::end(BaseViewArrange::kAlignEdges),
                                   [mode](const BaseViewArrange::AlignEdge& e) { return e.mode == mode; });
    if (edge == std::end(BaseViewArrange::kAlignEdges))
        return;
    DeselectKind(OBJKIND_RELLINE);
    const auto placed = BaseViewArrange::CollectPlaced(m_selection, ModePrint);
    if (placed.empty())
        return;
    LONG reference = placed.front().rect.*edge->side;
    for (const auto& p : placed)
        reference = edge->largest ? std::max(reference, p.rect.*edge->side) : std::min(reference, p.rect.*edge->side);
    for (const auto& p : placed) {
        const LONG shift = reference - p.rect.*edge->side;
        ArrangeObject(p.object, edge->horizontal ? CSize(shift, 0) : CSize(0, shift), HIT_BODY, mode);
    }
}

void CBaseView::DistributeSelection(UINT mode)
{
    if (mode != ARRANGE_SPACE_HORIZONTAL && mode != ARRANGE_SPACE_VERTICAL && mode != ARRANGE_CASCADE_DOWN &&
        mode != ARRANGE_CASCADE_UP)
        return;
    DeselectKind(OBJKIND_RELLINE);
    const auto sorted = BaseViewArrange::SortForSpacing(BaseViewArrange::CollectPlaced(m_selection, ModePrint), mode);
    const int n = int(sorted.size());
    if (n < 2)
        return;
    LONG minLeft = sorted.front().rect.left, maxLeft = minLeft;
    LONG minTop = sorted.front().rect.top, maxTop = minTop;
    LONG widths = 0, heights = 0; // of all but the last object; heights are negative
    for (int i = 0; i < n; ++i) {
        const CRect& r = sorted[size_t(i)].rect;
        minLeft = std::min(minLeft, r.left), maxLeft = std::max(maxLeft, r.left);
        minTop = std::min(minTop, r.top), maxTop = std::max(maxTop, r.top);
        if (i < n - 1)
            widths += r.Width(), heights += r.Height();
    }
    const LONG gapX = (maxLeft - minLeft - widths) / (n - 1);
    const LONG gapY = (minTop - maxTop - heights) / (n - 1);
    const double stepX = double(maxLeft - minLeft) / (n - 1);
    const double stepY = double(minTop - maxTop) / (n - 1);
    CRect previous;
    for (int i = 0; i < n; ++i) {
        const BaseViewArrange::Placed& p = sorted[size_t(i)];
        const LONG alongX = LONG(std::trunc(i * stepX));
        const LONG alongY = LONG(std::trunc(i * stepY));
        CSize offset(0, 0);
        switch (mode) {
        case ARRANGE_SPACE_HORIZONTAL:
            if (i > 0)
                offset.cx = previous.right + gapX - p.rect.left;
            break;
        case ARRANGE_SPACE_VERTICAL:
            if (i > 0)
                offset.cy = previous.bottom + gapY - p.rect.top;
            break;
        case ARRANGE_CASCADE_DOWN: offset = CSize(minLeft + alongX - p.rect.left, maxTop + alongY - p.rect.top); break;
        default: offset = CSize(minLeft + alongX - p.rect.left, minTop - alongY - p.rect.top); break;
        }
        ArrangeObject(p.object, offset, HIT_BODY, mode);
        DrawObjects::GetVisibleRect(p.object, previous, ModePrint);
    }
}

void CBaseView::MakeSelectionSameSize(UINT mode)
{
    if (mode != ARRANGE_SAME_WIDTH && mode != ARRANGE_SAME_HEIGHT && mode != ARRANGE_SAME_SIZE)
        return;
    DeselectKind(OBJKIND_RELLINE);
    const auto placed = BaseViewArrange::CollectPlaced(m_selection, ModePrint);
    if (placed.empty())
        return;
    LONG width = placed.front().rect.Width(), height = placed.front().rect.Height();
    for (const auto& p : placed)
        width = std::min(width, p.rect.Width()), height = std::max(height, p.rect.Height());
    for (const auto& p : placed) {
        const CSize offset((mode & ARRANGE_SAME_WIDTH) ? width - p.rect.Width() : 0,
                           (mode & ARRANGE_SAME_HEIGHT) ? height - p.rect.Height() : 0);
        ArrangeObject(p.object, offset, HIT_HANDLE | mode, 0);
    }
}

void CBaseView::CenterSelection(UINT mode)
{
    if (mode != ARRANGE_CENTER_HORIZONTAL && mode != ARRANGE_CENTER_VERTICAL)
        return;
    DeselectKind(OBJKIND_RELLINE);
    const auto placed = BaseViewArrange::CollectPlaced(m_selection, ModePrint);
    const bool anyBox = std::any_of(placed.begin(), placed.end(),
                                    [](const auto& p) { return DrawObjects::AsBoxObject(p.object) != nullptr; });
    // Lines count only in a selection of lines.
    auto counts = [anyBox](const BaseViewArrange::Placed& p) {
        return !anyBox || DrawObjects::AsBoxObject(p.object) != nullptr;
    };
    CRect bounds;
    BOOL any = FALSE;
    for (const auto& p : placed) {
        if (!counts(p))
            continue;
        bounds = any ? ViewGeometry::UnionYUp(bounds, p.rect) : p.rect;
        any = TRUE;
    }
    if (!any)
        return;
    const CPoint centre = BaseViewArrange::CentreOf(bounds);
    for (const auto& p : placed) {
        if (!counts(p)) {
            // A line among boxes is handed the centre itself: its point handles decide what
            // it does with it.
            const CSize target(centre.x, centre.y);
            GetDocument()->MoveOrResizeObject(p.object, ModePrint, &target, HIT_SHAPE_HANDLE | HIT_SIDE_TOP, mode);
            continue;
        }
        const CPoint own = BaseViewArrange::CentreOf(p.rect);
        const CSize offset = mode == ARRANGE_CENTER_VERTICAL ? CSize(centre.x - own.x, 0) : CSize(0, centre.y - own.y);
        ArrangeObject(p.object, offset, HIT_BODY | HIT_SIDE_TOP, mode);
    }
}

// --- Enable rules -------------------------------------------------------------------------------

int CBaseView::CountSelectedNotArrows() const
{
    int count = 0;
    for (POSITION pos = m_selection.GetHeadPosition(); pos;)
        count += DrawObjects::GetKind(m_selection.GetNext(pos)) != OBJKIND_RELLINE ? 1 : 0;
    return count;
}

void CBaseView::OnUpdateZOrderOne(CCmdUI* cmdUI)
{
    cmdUI->Enable(!IsDocReadOnly() && IsSingleSelection());
}

void CBaseView::OnUpdateZOrderAll(CCmdUI* cmdUI)
{
    cmdUI->Enable(!IsDocReadOnly() && HasSelection());
}

void CBaseView::OnUpdateAlign(CCmdUI* cmdUI)
{
    cmdUI->Enable(!IsDocReadOnly() && IsMultipleSelection() && CountSelectedNotArrows() > 1);
}

void CBaseView::OnUpdateDistribute(CCmdUI* cmdUI)
{
    cmdUI->Enable(!IsDocReadOnly() && IsMultipleSelection() && CountSelectedNotArrows() > 2);
}

void CBaseView::OnUpdateNeedsObjects(CCmdUI* cmdUI)
{
    cmdUI->Enable(!GetDocument()->HasNoObjects());
}

// --- Select all and redraw ----------------------------------------------------------------------

void CBaseView::OnEditSelectAll()
{
    SelectAllWhere([](const CObject*) { return true; });
}

void CBaseView::OnSelectAllFileComps()
{
    SelectAllWhere([](const CObject* object) { return DrawObjects::GetKind(object) == OBJKIND_FILECOMP; });
}

void CBaseView::SelectAllWhere(const std::function<bool(const CObject*)>& wanted)
{
    EndInPlaceEditAndRefresh();
    const CObList* objects = GetDocument()->GetObjectList();
    if (objects->IsEmpty())
        return;
    ClearSelection();
    for (POSITION pos = objects->GetTailPosition(); pos;) {
        CObject* object = objects->GetPrev(pos);
        if (DrawObjects::IsDrawObject(object) && !IsHiddenHeaderObject(object) && wanted(object))
            AddToSelection(object);
    }
    Invalidate();
}

void CBaseView::OnRedrawAll()
{
    Invalidate(TRUE);
}

const MessageMap* CBaseView::GetArrangeMessageMap() const
{
    static const MessageMap map{
        GetMergeMessageMap(),
        {
            MapCommand(ID_ARRANGE_FORWARD, &CBaseView::OnBringForward),
            MapUpdate(ID_ARRANGE_FORWARD, &CBaseView::OnUpdateZOrderOne),
            MapCommand(ID_ARRANGE_BACKWARD, &CBaseView::OnSendBackward),
            MapUpdate(ID_ARRANGE_BACKWARD, &CBaseView::OnUpdateZOrderOne),
            MapCommand(ID_ARRANGE_TO_FRONT, &CBaseView::OnBringToFront),
            MapUpdate(ID_ARRANGE_TO_FRONT, &CBaseView::OnUpdateZOrderAll),
            MapCommand(ID_ARRANGE_TO_BACK, &CBaseView::OnSendToBack),
            MapUpdate(ID_ARRANGE_TO_BACK, &CBaseView::OnUpdateZOrderAll),
            MapCommandRange(ID_ALIGN_LEFT, ID_SAME_SIZE, &CBaseView::OnArrangeCommand),
            MapCommandRange(ID_CENTER_HORIZONTAL, ID_CENTER_VERTICAL, &CBaseView::OnArrangeCommand),
            MapUpdateRange(ID_ALIGN_LEFT, ID_ALIGN_BOTTOM, &CBaseView::OnUpdateAlign),
            MapUpdateRange(ID_SPACE_VERTICAL, ID_CASCADE_FROM_TOP_RIGHT, &CBaseView::OnUpdateDistribute),
            MapUpdateRange(ID_SAME_WIDTH, ID_SAME_SIZE, &CBaseView::OnUpdateAlign),
            MapUpdateRange(ID_CENTER_HORIZONTAL, ID_CENTER_VERTICAL, &CBaseView::OnUpdateAlign),
            MapCommand(ID_VIEW_REDRAW, &CBaseView::OnRedrawAll),
            MapUpdate(ID_VIEW_REDRAW, &CBaseView::OnUpdateNeedsObjects),
            MapCommand(ID_EDIT_SELECT_ALL, &CBaseView::OnEditSelectAll),
            MapUpdate(ID_EDIT_SELECT_ALL, &CBaseView::OnUpdateNeedsObjects),
            MapCommand(ID_SELECT_ALL_FILES, &CBaseView::OnSelectAllFileComps),
            MapUpdate(ID_SELECT_ALL_FILES, &CBaseView::OnUpdateNeedsObjects),
        }};
    return &map;
}
