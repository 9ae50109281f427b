// The relation arrows in the view: reconnecting an end to a picked conceptual file, and leaving the
// selection before a drag that they cannot take part in (they follow the files they join).
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "foundation/CommandIds.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/PolyLine.h"
#include "objects/PolyObj.h"
#include "platform/afx/MessageSink.h"
#include "view/ModelViewServices.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

namespace BaseViewArrows {

constexpr const char8_t* kNotAFile =
    u8"概念ﾌｧｲﾙあるいは概念ﾌｧｲﾙｸﾛｰﾝ ｵﾌﾞｼﾞｪｸﾄではないので、接続概念ﾌｧｲﾙには設定できません。";
constexpr const char8_t* kSelfThroughClone =
    u8"概念ﾌｧｲﾙｸﾛｰﾝを介した自己回帰型の矢線となってしまうので、接続概念ﾌｧｲﾙには設定できません。";
constexpr const char8_t* kSubTypeLoop =
    u8"ｻﾌﾞﾀｲﾌﾟ矢線あるいはｻﾌﾞｽﾄﾗｸﾁｬ矢線がﾙｰﾌﾟしてしまうので、接続概念ﾌｧｲﾙには設定できません。";

BOOL IsClone(const CObject* object)
{
    return DrawObjects::GetKind(object) == OBJKIND_FILECLONE;
}

// What an arrow may end at: a conceptual file or a clone of one.
BOOL IsArrowEnd(const CObject* object)
{
    return DrawObjects::GetKind(object) == OBJKIND_FILECOMP || IsClone(object);
}

// The file or clone at an arrow end, or null.
const CBaseObj* FindArrowEnd(const CBaseDoc& doc, WORD objectId)
{
    CObject* found = nullptr;
    return doc.FindObjectById(objectId, found) && IsArrowEnd(found) ? DrawObjects::AsBoxObject(found) : nullptr;
}

// A point kept within a range, whose 0 values are no limit (y up: top is the upper bound).
void KeepInRange(CPoint& point, const CRect& range)
{
    if (range.left != 0 && point.x < range.left)
        point.x = range.left;
    if (range.right != 0 && point.x > range.right)
        point.x = range.right;
    if (range.top != 0 && point.y > range.top)
        point.y = range.top;
    if (range.bottom != 0 && point.y < range.bottom)
        point.y = range.bottom;
}

// The left or the right side of a box, whichever the x is nearer.
int NearerSide(const CBaseObj& box, int x)
{
    const CRect& r = box.GetRect();
    return x >= r.left + (r.right - r.left) / 2 ? r.right : r.left;
}

// How far a two-point arrow may slide before one of its ends leaves its file: the limit of the
// move toward the lower (negative delta) or upper side, on one axis.
int SlideLimit(int delta, int startLow, int endLow, int startHigh, int endHigh)
{
    if (delta < 0) {
        const int limit = std::max(startLow, endLow);
        return limit > delta ? limit : delta;
    }
    if (delta > 0) {
        const int limit = std::min(startHigh, endHigh);
        return limit < delta ? limit : delta;
    }
    return delta;
}

BOOL Refuse(const char8_t* message)
{
    AfxMessageBox(CString(message), MB_OK);
    return FALSE;
}

} // namespace BaseViewArrows

BOOL CBaseView::ReconnectRelArrowEnd(CObject* object, UINT commandId)
{
    using namespace BaseViewArrows;
    CPolyObj* arrow = DrawObjects::AsLineObject(object);
    const ModelViewServices* model = GetModelViewServices();
    if (!arrow || !model)
        return FALSE;
    CBaseDoc* doc = GetDocument();
    const BOOL start = commandId == ID_OBJ_PICK_START_CONNECTION;
    const WORD pickedId = WORD(m_nHitIndex);
    const WORD startId = arrow->GetStartObjectId();
    const WORD endId = arrow->GetEndObjectId();
    if ((start ? startId : endId) == pickedId)
        return FALSE;
    CObject* picked = nullptr;
    if (!doc->FindObjectById(pickedId, picked))
        return FALSE;
    if (!IsArrowEnd(picked))
        return Refuse(kNotAFile);
    CObject* other = nullptr;
    if (!doc->FindObjectById(start ? endId : startId, other))
        return FALSE;
    CObject* newStart = start ? picked : other;
    CObject* newEnd = start ? other : picked;
    if (IsClone(newStart) || IsClone(newEnd)) {
        const WORD file = model->GetReferencedFileId(newStart);
        if (file != 0 && file == model->GetReferencedFileId(newEnd))
            return Refuse(kSelfThroughClone);
    }
    if (IsSubTypeArrowKind(model->GetRelArrowKind(arrow)) && model->WouldCreateSubTypeLoop(*doc, newStart, newEnd))
        return Refuse(kSubTypeLoop);

    const BOOL wasSelf = startId == endId;
    InvalidateObject(arrow);
    UpdateOtherViews(arrow);
    doc->ExecuteObjectOperation(arrow, commandId, m_nHitCode, m_nHitIndex);
    const int kind = model->GetRelArrowKind(arrow);
    const BOOL self = arrow->GetStartObjectId() == arrow->GetEndObjectId();
    CPoint press = m_ptAnchor100;
    SnapToGrid(press);
    // The new end is laid out at the press, the other end at where it is now.
    const CPoint from = start ? press : arrow->GetStartPoint();
    const CPoint to = start ? arrow->GetEndPoint() : press;
    if (start || wasSelf || self) {
        const CBaseObj* box = FindArrowEnd(*doc, arrow->GetStartObjectId());
        if (!box)
            return FALSE;
        CPoint point;
        box->GetRelArrowStartPoint(point, from, to, kind, self);
        arrow->SetStartPoint(point);
    }
    if (!start || wasSelf || self) {
        const CBaseObj* box = FindArrowEnd(*doc, arrow->GetEndObjectId());
        if (!box)
            return FALSE;
        CPoint point;
        box->GetRelArrowEndPoint(point, from, to, kind, self);
        arrow->SetEndPoint(point);
    }
    UINT shape = ID_OP_LINE_SELF_REFERENCE;
    if (!self)
        shape = arrow->GetStartPoint().y < arrow->GetEndPoint().y ? ID_OP_LINE_BREAK : ID_OP_LINE_VERTICAL_CRANK;
    if (!arrow->CPolyLine::ApplyShapeOperation(shape, 0, 0))
        return FALSE;
    InvalidateObject(arrow);
    UpdateOtherViews(arrow);
    return TRUE;
}

void CBaseView::DeselectArrowsForTracking()
{
    if (m_nHitCode >= HIT_PART_FIRST)
        return;
    const BOOL move = (m_nHitCode & HIT_BODY) != 0;
    const BOOL resize = (m_nHitCode & HIT_HANDLE) != 0;
    if (!move && !resize)
        return;
    CObList selected;
    selected.AddTail(&m_selection);
    // The selected ids, looked up once each instead of walking the selection per arrow end.
    std::vector<WORD> ids;
    GetSelectedObjectIds(ids);
    std::unordered_set<WORD> selectedIds(ids.begin(), ids.end());
    for (POSITION pos = selected.GetHeadPosition(); pos;) {
        CObject* object = selected.GetNext(pos);
        if (GetRelArrowKindOf(object) == 0)
            continue;
        const CPolyObj* arrow = DrawObjects::AsLineObject(object);
        if (move && arrow && selectedIds.contains(arrow->GetStartObjectId()) &&
            selectedIds.contains(arrow->GetEndObjectId()))
            continue;
        InvalidateObject(object);
        RemoveFromSelection(object);
        selectedIds.erase(DrawObjects::GetObjectId(object));
    }
}

BOOL CBaseView::ApplyRelArrowDragRules(CDC* dc, CPoint& zoomed, CPoint& doc)
{
    using namespace BaseViewArrows;
    const DWORD code = m_nHitCode;
    if (!(code & HIT_SHAPE_HANDLE) || (code & HIT_PARTS) || (code & HIT_LINE_INSERT))
        return TRUE;
    const WORD kind = GetRelArrowKindOf(m_pDragObject);
    const CPolyObj* arrow = DrawObjects::AsLineObject(m_pDragObject);
    if (kind == 0 || !arrow)
        return TRUE;
    const CBaseDoc& document = *GetDocument();
    const CBaseObj* startBox = FindArrowEnd(document, arrow->GetStartObjectId());
    const CBaseObj* endBox = FindArrowEnd(document, arrow->GetEndObjectId());
    const CPoint s = arrow->GetStartPoint(), e = arrow->GetEndPoint();
    const CPoint a = m_ptAnchor100;
    const INT_PTR n = arrow->GetCount();
    const BOOL self = arrow->GetStartObjectId() == arrow->GetEndObjectId();
    const BOOL segment = (code & HIT_LINE_MIDPOINT) != 0;
    const BOOL firstPoint = (code & HIT_LINE_FIRST_POINT) != 0;
    const BOOL point = (code & HIT_LINE_POINT) != 0;
    CPoint p = doc;

    // Ranges: the ends stay within their files.
    if (n == 2 && segment) {
        if (!startBox || !endBox)
            return FALSE;
        const CRect& sr = startBox->GetRect();
        const CRect& er = endBox->GetRect();
        if (kind == REL_KIND_ONE_TO_MANY)
            p.x = a.x + SlideLimit(p.x - a.x, sr.left - s.x, er.left - e.x, sr.right - s.x, er.right - e.x);
        else if (kind == REL_KIND_SUBSTRUCTURE)
            p.y = a.y + SlideLimit(p.y - a.y, sr.bottom - s.y, er.bottom - e.y, sr.top - s.y, er.top - e.y);
    } else {
        const BOOL startRange = n == 2 ? firstPoint : m_nHitIndex == 1;
        const BOOL endRange = n == 2 ? point : m_nHitIndex == DWORD(n - 1) || (m_nHitIndex == DWORD(n - 2) && point);
        CRect range;
        if (startRange && startBox) {
            startBox->GetArrowEndRange(kind, TRUE, s, range, n > 2 && self);
            KeepInRange(p, range);
        }
        if (endRange && endBox) {
            endBox->GetArrowEndRange(kind, FALSE, e, range, FALSE);
            KeepInRange(p, range);
        }
    }
    if (p != doc) {
        doc = p;
        zoomed = ZoomedOf(doc);
        MoveCursorToLogical(dc, zoomed);
    }

    // Sides: the ends keep to the sides the kind connects at, the segments to their direction.
    const auto keepDirection = [&] {
        BOOL vertical = FALSE, horizontal = FALSE;
        arrow->GetSegmentDirection(int(m_nHitIndex), vertical, horizontal);
        if (vertical)
            p.y = a.y;
        else if (horizontal)
            p.x = a.x;
    };
    if (segment) {
        switch (kind) {
        case REL_KIND_ONE_TO_MANY:
            if (n == 2)
                p.y = a.y;
            else
                keepDirection();
            break;
        case REL_KIND_SUBSTRUCTURE: p.x = a.x; break;
        default: keepDirection(); break;
        }
    } else if (firstPoint && startBox) {
        switch (kind) {
        case REL_KIND_ONE_TO_MANY:
            if (self)
                p.x = startBox->GetRect().right;
            else
                p.y = startBox->GetRect().bottom;
            break;
        case REL_KIND_SUPERTYPE: p.y = startBox->GetRect().bottom; break;
        default: p.x = NearerSide(*startBox, p.x); break;
        }
    } else if (point && m_nHitIndex == DWORD(n - 1) && endBox) {
        if (kind == REL_KIND_ONE_TO_MANY || kind == REL_KIND_SUBTYPE)
            p.y = endBox->GetRect().top;
        else
            p.x = NearerSide(*endBox, p.x);
    }
    if (p != doc) {
        doc = p;
        zoomed = ZoomedOf(doc);
    }
    return TRUE;
}
