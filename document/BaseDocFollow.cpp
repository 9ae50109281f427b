// The objects that follow a moved or resized object: the lines attached at their start or end, the
// lines that stand for it (implementation groups) and the box objects linked to it. Each follower
// is recorded for undo once per step and repainted where it was and where it goes.
#include "document/BaseDoc.h"

#include "document/FollowIndex.h"
#include "document/ViewServices.h"
#include "platform/ui/View.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/PolyObj.h"
#include "platform/afx/Rect.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// The part of the extra value of a move that tells how line ends follow: 0 for the view's moves,
// anything else (the placement of merged files) moves every end on its own.
constexpr DWORD kSeparateEndsMask = 0xFFF;
// A line end this close to a side of a box counts as crossing that side.
constexpr int kSideTolerance = 5;
// A substructure arrow's start this close to the height of its end counts as level with it.
constexpr int kLevelTolerance = 6;

// Widths right - left, heights bottom - top (negative with y up).
LONG WidthOf(const CRect& r)
{
    return r.right - r.left;
}
LONG HeightOf(const CRect& r)
{
    return r.bottom - r.top;
}

// A distance from the old box's corner scaled to the new box, truncated toward zero.
LONG Scale(LONG distance, LONG newLength, LONG oldLength)
{
    return LONG(std::int64_t(distance) * newLength / oldLength);
}

BOOL IsThin(const CRect& r)
{
    return std::abs(WidthOf(r)) < 2 || std::abs(HeightOf(r)) < 2;
}

BOOL Within(LONG value, LONG low, LONG high)
{
    return low <= value && value <= high;
}

// A box less than 2 units wide or high keeps its ends at the same fraction of its length: the
// distance along the height when it is thin across, else along the width. FALSE when the box has
// no length to take the fraction of (a point); the end then stays where it is.
BOOL MapThinPoint(POINT point, const CRect& before, const CRect& after, CPoint& mapped)
{
    const CSize d = CPoint(point) - before.TopLeft();
    double t = 0;
    if (std::abs(WidthOf(before)) < 2) {
        if (HeightOf(before) == 0)
            return FALSE;
        t = double(d.cy) / HeightOf(before);
    } else {
        t = double(d.cx) / WidthOf(before);
    }
    mapped = after.TopLeft() + CSize(LONG(t * WidthOf(after)), LONG(t * HeightOf(after)));
    return TRUE;
}

// Where a line end at point follows the box from before to after: its distances from the top-left
// corner scale with the box. With the box given (an arrow), an end on a side keeps its place along
// that side while the new box still reaches it.
BOOL MapFollowPoint(POINT point, const CRect& before, const CRect& after, const CBaseObj* sidesOf, CPoint& mapped)
{
    if (IsThin(before))
        return MapThinPoint(point, before, after, mapped);
    CSize d = CPoint(point) - before.TopLeft();
    if (WidthOf(after) != WidthOf(before))
        d.cx = Scale(d.cx, WidthOf(after), WidthOf(before));
    if (HeightOf(after) != HeightOf(before))
        d.cy = Scale(d.cy, HeightOf(after), HeightOf(before));
    mapped = after.TopLeft() + d;
    if (sidesOf) {
        const DWORD sides = sidesOf->HitTestSides(point, kSideTolerance);
        if ((sides & (SIDE_TOP | SIDE_BOTTOM)) && Within(point.x, after.left, after.right))
            mapped.x = point.x;
        if ((sides & (SIDE_LEFT | SIDE_RIGHT)) && Within(point.y, after.bottom, after.top))
            mapped.y = point.y;
    }
    return TRUE;
}

} // namespace

void CBaseDoc::BeginFollowBatch(const ViewServices* view)
{
    if (m_nFollowBatchDepth++ == 0)
        m_pFollowBatchView = view;
}

void CBaseDoc::EndFollowBatch()
{
    if (--m_nFollowBatchDepth == 0) {
        DropFollowIndex();
        m_pFollowBatchView = nullptr;
    }
}

void CBaseDoc::DropFollowIndex()
{
    m_pFollowIndex.reset();
    m_followChanged.clear();
}

void CBaseDoc::NoteFollowChange(const CObject* object)
{
    if (m_pFollowIndex)
        m_followChanged.push_back(object);
}

const CFollowIndex& CBaseDoc::GetFollowIndex(std::unique_ptr<CFollowIndex>& transient)
{
    const ViewServices* view = m_pFollowBatchView;
    if (!view)
        view = dynamic_cast<const ViewServices*>(GetActiveView());
    const BOOL batch = m_nFollowBatchDepth > 0;
    // Outside a command step nothing records the changes that the index must see.
    if (!batch && m_undoLog.GetGuardDepth() == 0) {
        transient = std::make_unique<CFollowIndex>(m_objects, view);
        return *transient;
    }
    const unsigned command = m_undoLog.GetCommandSerial();
    BOOL valid = m_pFollowIndex && m_pFollowIndex->GetView() == view &&
                 m_pFollowIndex->GetIndexedCount() == m_objects.GetCount() &&
                 (batch || m_nFollowIndexCommand == command);
    for (size_t i = 0; valid && i < m_followChanged.size(); ++i)
        valid = m_pFollowIndex->StillMatches(m_followChanged[i]);
    m_followChanged.clear();
    if (!valid) {
        m_pFollowIndex = std::make_unique<CFollowIndex>(m_objects, view);
        m_nFollowIndexCommand = command;
    }
    return *m_pFollowIndex;
}

void CBaseDoc::FollowMovedObject(CObject* object, SIZE offset, DWORD extra)
{
    const WORD id = DrawObjects::GetObjectId(object);
    if (id == 0 || m_objects.IsEmpty())
        return;
    if (m_nFollowCommand != m_undoLog.GetCommandSerial()) {
        m_followedWhole.clear();
        m_nFollowCommand = m_undoLog.GetCommandSerial();
    }
    std::unique_ptr<CFollowIndex> transient;
    const CFollowIndex& index = GetFollowIndex(transient);
    for (const CFollowIndex::Follower& follower : index.GetFollowers(id)) {
        switch (follower.role) {
        case CFollowIndex::ROLE_START:
        case CFollowIndex::ROLE_END:
            LineEndFollowsMove(static_cast<CPolyObj*>(follower.object), follower.role == CFollowIndex::ROLE_START, id,
                               offset, extra, index);
            break;
        case CFollowIndex::ROLE_STANDS_FOR:
        case CFollowIndex::ROLE_LINKED: ObjectFollowsMove(follower.object, offset, index); break;
        }
    }
}

void CBaseDoc::LineEndFollowsMove(CPolyObj* line, BOOL start, WORD movedId, SIZE offset, DWORD extra,
                                  const CFollowIndex& index)
{
    const WORD lineId = line->GetObjectId();
    // A selected line moves with the selection.
    if (index.IsSelected(lineId))
        return;
    const BOOL separately = (extra & kSeparateEndsMask) != 0;
    const auto whole = m_followedWhole.find(lineId);
    if (!separately && whole != m_followedWhole.end() && whole->second.startToCome == start) {
        // The line moved whole with its other end's object; this end only makes up the difference
        // between the two offsets (none when both moved alike).
        const CSize rest = CSize(offset) - whole->second.offset;
        m_followedWhole.erase(whole);
        if (rest == CSize(0, 0))
            return;
        RecordChangedOnce(line);
        UpdateObjectInViews(line);
        start ? line->MoveStartPoint(rest) : line->MoveEndPoint(rest);
        UpdateObjectInViews(line);
        return;
    }
    RecordChangedOnce(line);
    UpdateObjectInViews(line);
    const WORD otherId = start ? line->GetEndObjectId() : line->GetStartObjectId();
    if (!separately && whole == m_followedWhole.end() && otherId != 0 &&
        (otherId == movedId || index.IsSelected(otherId))) {
        // Both ends' objects move together: the line moves once, as a whole.
        line->MoveBy(offset, 0);
        m_followedWhole[lineId] = {CSize(offset), !start};
    } else if (start) {
        line->MoveStartPoint(offset);
    } else {
        const CPoint oldStart = line->GetStartPoint(), oldEnd = line->GetEndPoint();
        line->MoveEndPoint(offset);
        // A substructure arrow drawn level keeps its start level with the end, as far as the start
        // object reaches.
        if ((line->GetFollowRules() & CPolyObj::FOLLOW_START_LEVEL_WITH_END) &&
            std::abs(oldStart.y - oldEnd.y) < kLevelTolerance) {
            if (const CBaseObj* startBox = DrawObjects::AsBoxObject(index.FindObject(line->GetStartObjectId()))) {
                const CRect& r = startBox->GetRect();
                LONG dy = offset.cy;
                if (dy < 0 && oldStart.y + dy < r.bottom)
                    dy = std::min(LONG(0), r.bottom - oldStart.y);
                else if (dy > 0 && oldStart.y + dy > r.top)
                    dy = std::max(LONG(0), r.top - oldStart.y);
                if (dy != 0)
                    line->MoveStartPoint(CSize(0, dy));
            }
        }
    }
    UpdateObjectInViews(line);
}

void CBaseDoc::ObjectFollowsMove(CObject* object, SIZE offset, const CFollowIndex& index)
{
    const WORD id = DrawObjects::GetObjectId(object);
    if (index.IsSelected(id) || IsChangeRecordedForUndo(id))
        return;
    RecordChangedForUndo(object);
    UpdateObjectInViews(object);
    if (CPolyObj* line = DrawObjects::AsLineObject(object))
        line->MoveBy(offset, 0);
    else if (CBaseObj* box = DrawObjects::AsBoxObject(object))
        box->MoveBy(offset, 0);
    UpdateObjectInViews(object);
}

void CBaseDoc::FollowResizedObject(CBaseObj* box, SIZE offset, DWORD hitCode)
{
    const WORD id = box ? box->GetObjectId() : WORD(0);
    if (id == 0 || m_objects.IsEmpty())
        return;
    // The rectangle the resize will give, from a copy resized with the same handle.
    std::unique_ptr<CObject, void (*)(CObject*)> copy(DrawObjects::Clone(box), &DrawObjects::Destroy);
    CBaseObj* resized = DrawObjects::AsBoxObject(copy.get());
    if (!resized)
        return;
    resized->ResizeByHandle(offset, hitCode);
    const CRect before = box->GetRect();
    const CRect after = GetNormalizedRect(resized->GetRect());
    std::unique_ptr<CFollowIndex> transient;
    const CFollowIndex& index = GetFollowIndex(transient);
    for (const CFollowIndex::Follower& follower : index.GetFollowers(id)) {
        if (follower.role != CFollowIndex::ROLE_START && follower.role != CFollowIndex::ROLE_END)
            continue;
        auto* line = static_cast<CPolyObj*>(follower.object);
        const BOOL selfReference = (line->GetFollowRules() & CPolyObj::FOLLOW_SELF_REFERENCE) != 0;
        if (!selfReference)
            LineEndFollowsResize(box, line, follower.role == CFollowIndex::ROLE_START, before, after, index);
        else if (follower.role == CFollowIndex::ROLE_START)
            SelfReferenceFollowsResize(line, before, after); // its end is taken along here
    }
}

void CBaseDoc::LineEndFollowsResize(CBaseObj* box, CPolyObj* line, BOOL start, const CRect& before, const CRect& after,
                                    const CFollowIndex& index)
{
    if (index.IsSelected(line->GetObjectId()))
        return;
    const CPoint point = start ? line->GetStartPoint() : line->GetEndPoint();
    const BOOL keepsSide = (line->GetFollowRules() & CPolyObj::FOLLOW_KEEPS_SIDE_CROSSING) != 0;
    CPoint mapped;
    if (!MapFollowPoint(point, before, after, keepsSide ? box : nullptr, mapped) || mapped == point)
        return;
    RecordChangedOnce(line);
    UpdateObjectInViews(line);
    start ? line->MoveStartPoint(mapped - point) : line->MoveEndPoint(mapped - point);
    UpdateObjectInViews(line);
}

void CBaseDoc::SelfReferenceFollowsResize(CPolyObj* line, const CRect& before, const CRect& after)
{
    const CPoint start = line->GetStartPoint(), end = line->GetEndPoint();
    CPoint newStart = start, newEnd = end;
    if (IsThin(before)) {
        MapThinPoint(start, before, after, newStart);
        MapThinPoint(end, before, after, newEnd);
    } else {
        const BOOL widthChanged = WidthOf(after) != WidthOf(before);
        const BOOL heightChanged = HeightOf(after) != HeightOf(before);
        // The start keeps its height on the box while the box still reaches it.
        CSize d = start - before.TopLeft();
        if (widthChanged)
            d.cx = Scale(d.cx, WidthOf(after), WidthOf(before));
        if (!Within(after.top + d.cy, after.bottom, after.top) && heightChanged)
            d.cy = Scale(d.cy, HeightOf(after), HeightOf(before));
        newStart = after.TopLeft() + d;
        // The end keeps its distance from the right side while it still lies on the box.
        const LONG fromRight = end.x - before.right + after.right;
        d.cx = Within(fromRight, after.left, after.right)
                   ? fromRight - after.left
                   : (widthChanged ? Scale(end.x - before.left, WidthOf(after), WidthOf(before)) : end.x - before.left);
        d.cy = heightChanged ? Scale(end.y - before.top, HeightOf(after), HeightOf(before)) : end.y - before.top;
        newEnd = after.TopLeft() + d;
    }
    const CSize startOffset = newStart - start, endOffset = newEnd - end;
    if (startOffset == CSize(0, 0) && endOffset == CSize(0, 0))
        return;
    RecordChangedOnce(line);
    UpdateObjectInViews(line);
    line->MoveSelfReferenceEnds(startOffset, endOffset);
    UpdateObjectInViews(line);
}
