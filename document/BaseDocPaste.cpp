// Pasting the copy buffer's drawing objects into the document. Every pasted object takes a new id;
// the lines take the new ids of the pasted objects they joined; a group's members are numbered
// right after the group. A paste is all or nothing: when an object cannot be placed part-way, the
// objects already placed go again, their records leave the undo step and the document is as it
// was before (ids, dates and modified flag included).
#include "document/BaseDoc.h"

#include "document/CopyBufferServices.h"
#include "document/ModelHooks.h"
#include "document/SaveList.h"
#include "document/ViewServices.h"
#include "foundation/ErrorReport.h"
#include "objects/BaseObj.h"
#include "objects/CopyHold.h"
#include "objects/CopyList.h"
#include "objects/DrawObjects.h"
#include "objects/GroupObj.h"
#include "objects/PolyObj.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/OleDataObject.h"
#include "platform/ui/View.h"

namespace basedocpaste {

// Taken off the document's width and added to its (negative) height before the size tests.
constexpr int kPasteMargin = 20;
constexpr int kFitTolerance = 5;
// Where objects too big for the document go.
constexpr int kTooBigX = 15;
constexpr int kTooBigY = -15;

// A relation arrow comes only with both of its ends: each must be in the buffer, and an end not
// placed yet must be a conceptual file or a clone of one, which the paste places first.
BOOL CanPlaceRelationArrow(const CCopyList& buffer, const CPolyObj& arrow)
{
    for (const WORD endId : {arrow.GetStartObjectId(), arrow.GetEndObjectId()}) {
        CCopyHold* hold = nullptr;
        if (endId == 0 || !buffer.LookupById(endId, hold))
            return FALSE;
        if (hold->GetPlacedId() != 0)
            continue;
        const CBaseObj* end = DrawObjects::AsBoxObject(hold->GetObject());
        if (!end || (end->GetKind() != OBJKIND_FILECOMP && end->GetKind() != OBJKIND_FILECLONE))
            return FALSE;
    }
    return TRUE;
}

// What a paste changed, so that a failure part-way can take it all back.
class PasteRollback
{
public:
    PasteRollback(CBaseDoc& doc, CObList& objects, WORD& nextId, CTime& updated)
        : m_doc(doc),
          m_objects(objects),
          m_nextId(nextId),
          m_updated(updated),
          m_savedNextId(nextId),
          m_savedUpdated(updated),
          m_savedModified(doc.IsModified()),
          m_lastBefore(objects.GetTailPosition()),
          m_savedRecords(RecordCount())
    {
    }

    // Removes the pasted objects (appended after the last one before the paste) without records,
    // drops the records the paste made and restores the id counter, dates and modified flag.
    void Undo(CCopyList& buffer)
    {
        for (;;) {
            const POSITION pos = m_lastBefore ? NextOf(m_lastBefore) : m_objects.GetHeadPosition();
            if (!pos)
                break;
            CObject* pasted = m_objects.GetAt(pos);
            m_doc.RemoveFromSelectionInViews(pasted);
            m_doc.DropFollowIndex();
            m_doc.SetModelCache(nullptr);
            m_objects.RemoveAt(pos);
            DrawObjects::Destroy(pasted);
        }
        if (CSaveList* step = m_doc.GetCurrentUndoStep()) {
            while (step->GetCount() > m_savedRecords)
                delete step->RemoveTail();
            step->ForgetIndexedIds();
        }
        buffer.ResetPasteFlags();
        m_nextId = m_savedNextId;
        m_updated = m_savedUpdated;
        m_doc.SetModifiedFlag(m_savedModified);
    }

private:
    INT_PTR RecordCount() const
    {
        const CSaveList* step = m_doc.GetCurrentUndoStep();
        return step ? step->GetCount() : 0;
    }
    POSITION NextOf(POSITION pos) const
    {
        m_objects.GetNext(pos);
        return pos;
    }

    CBaseDoc& m_doc;
    CObList& m_objects;
    WORD& m_nextId;
    CTime& m_updated;
    const WORD m_savedNextId;
    const CTime m_savedUpdated;
    const BOOL m_savedModified;
    const POSITION m_lastBefore;
    const INT_PTR m_savedRecords;
};

} // namespace basedocpaste

BOOL CBaseDoc::PasteObjects(int x, int y)
{
    using namespace basedocpaste;
    if (m_bReadOnly)
        return FALSE;
    COleDataObject data;
    data.AttachClipboard();
    // Data of other programs would become an embedded object, which this platform cannot hold.
    CopyBufferServices* frame = GetCopyBufferServices();
    if (!frame || !data.IsDataAvailable(GetDrawObjectClipFormat()))
        return FALSE;
    CCopyList* buffer = nullptr;
    try {
        buffer = frame->LoadCopyBuffer(data, this);
    } catch (...) {
        ReportCurrentException("CBaseDoc::PasteObjects");
        return FALSE;
    }
    if (!buffer || buffer->IsEmpty())
        return FALSE;

    CRect bounds;
    buffer->GetBoundRect(bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const CSize docSize = GetDocumentSize();
    const int cx = docSize.cx - kPasteMargin;
    const int cy = docSize.cy + kPasteMargin;
    BOOL tooBig = FALSE;
    if (!(cx - kFitTolerance > width && cy + kFitTolerance < height)) {
        if (AfxMessageBox(CString(u8"ｺﾋﾟｰしようとしたｵﾌﾞｼﾞｪｸﾄは大きすぎるので、現在のﾄﾞｷｭﾒﾝﾄに入りません。"
                                  u8"ﾄﾞｷｭﾒﾝﾄのｻｲｽﾞを変更しますか。"),
                          MB_YESNO) != IDYES)
            return FALSE;
        tooBig = TRUE;
    }
    CPoint target(x, y);
    BOOL moved = FALSE;
    if (cx + kFitTolerance <= width + target.x) {
        target.x = tooBig ? kTooBigX : (cx - kFitTolerance) - width;
        moved = TRUE;
    }
    if (cy - kFitTolerance >= height + target.y) {
        target.y = tooBig ? kTooBigY : (cy + kFitTolerance) - height;
        moved = TRUE;
    }
    if (moved) {
        if (const ViewServices* view = dynamic_cast<const ViewServices*>(GetActiveView()))
            view->SnapToGrid(target);
    }
    const CSize offset(target.x - bounds.left, target.y - bounds.top);

    buffer->ResetPasteFlags();
    DeselectAllInViews();
    basedocpaste::PasteRollback rollback(*this, m_objects, m_wNextObjectId, m_timeUpdated);
    if (!PlaceCopyBuffer(*buffer, offset)) {
        rollback.Undo(*buffer);
        return FALSE;
    }
    RemapPastedLinks(*buffer);
    if (DocumentModelHooks* model = GetDocumentModelHooks())
        model->RemapPastedReferences(this, buffer);
    if (tooBig) {
        SetPages(1, 1);
        UpdateAllViews(nullptr);
    } else {
        InvalidateSelectionInViews();
    }
    return TRUE;
}

BOOL CBaseDoc::PlaceCopyBuffer(CCopyList& buffer, const CSize& offset)
{
    for (POSITION pos = buffer.GetHeadPosition(); pos;) {
        CCopyHold* hold = buffer.GetHold(pos);
        if (hold->GetPlacedId() != 0)
            continue; // placed earlier as the end of a line
        CObject* object = hold->GetObject();
        const CPolyObj* line = DrawObjects::AsLineObject(object);
        if (!line) {
            CObject* created = nullptr;
            if (IsManagedType(object) && !AddCopyWithNewId(object, &created, hold, &offset))
                return FALSE;
            continue;
        }
        if (line->GetKind() == OBJKIND_RELLINE && !basedocpaste::CanPlaceRelationArrow(buffer, *line))
            continue;
        WORD startId = 0;
        WORD endId = 0;
        BOOL skip = FALSE;
        if (!PlaceLineEnd(buffer, line->GetStartObjectId(), offset, startId, skip) ||
            !PlaceLineEnd(buffer, line->GetEndObjectId(), offset, endId, skip))
            return FALSE;
        if (skip)
            continue;
        const WORD newId = NewObjectId();
        if (newId == 0)
            return FALSE;
        CObject* copy = nullptr;
        if (!CloneDrawObject(line, copy))
            continue;
        CPolyObj* pasted = DrawObjects::AsLineObject(copy);
        hold->SetPlaced(newId, pasted);
        pasted->SetObjectId(newId);
        pasted->SetStartObjectId(startId);
        pasted->SetEndObjectId(endId);
        if (offset != CSize(0, 0))
            pasted->MoveBy(offset, HIT_BODY);
        if (!AddObject(pasted))
            return FALSE;
        AppendToSelectionInViews(pasted);
    }
    return TRUE;
}

BOOL CBaseDoc::PlaceLineEnd(CCopyList& buffer, WORD oldId, const CSize& offset, WORD& newId, BOOL& skip)
{
    newId = 0;
    CCopyHold* hold = nullptr;
    if (oldId == 0 || !buffer.LookupById(oldId, hold))
        return TRUE; // the end stays free
    if (hold->GetPlacedId() == 0) {
        if (!IsManagedType(hold->GetObject())) {
            skip = TRUE;
            return TRUE;
        }
        CObject* created = nullptr;
        if (!AddCopyWithNewId(hold->GetObject(), &created, hold, &offset))
            return FALSE;
    }
    newId = hold->GetPlacedId();
    return TRUE;
}

BOOL CBaseDoc::AddCopyWithNewId(CObject* source, CObject** created, CCopyHold* hold, const CSize* offset)
{
    *created = nullptr;
    if (m_bReadOnly)
        return FALSE;
    const WORD newId = NewObjectId();
    CObject* copy = nullptr;
    if (newId == 0 || !CloneDrawObject(source, copy))
        return FALSE;
    const BOOL moves = offset && *offset != CSize(0, 0);
    if (CBaseObj* box = DrawObjects::AsBoxObject(copy)) {
        box->SetObjectId(newId);
        if (moves)
            box->MoveAll(*offset);
        if (CGroupObj* group = DYNAMIC_DOWNCAST(CGroupObj, box); group && !NumberPastedGroup(*group)) {
            DrawObjects::Destroy(copy);
            return FALSE;
        }
    } else if (CPolyObj* line = DrawObjects::AsLineObject(copy)) {
        line->SetObjectId(newId);
        line->ClearConnections();
        if (moves)
            line->MoveBy(*offset, HIT_BODY);
    }
    hold->SetPlaced(newId, copy);
    if (!AddObject(copy)) {
        hold->SetPlaced(0, nullptr);
        return FALSE;
    }
    AppendToSelectionInViews(copy);
    *created = copy;
    return TRUE;
}

BOOL CBaseDoc::NumberPastedGroup(CGroupObj& group)
{
    // The members take the ids right after a second new id; all of them must stay below the
    // limit of new ids, or the paste is refused as any other object would be once ids run out.
    const DWORD needed = group.GetMemberIdCount();
    if (DWORD(m_wNextObjectId) + needed >= MAX_OBJECT_ID) {
        AfxMessageBox(CString(u8"図形ｵﾌﾞｼﾞｪｸﾄ数が最大値に達したため、これ以上作成できません。"), MB_OK);
        return FALSE;
    }
    const WORD firstMemberId = NewObjectId();
    if (firstMemberId == 0)
        return FALSE;
    m_wNextObjectId = group.AssignMemberIds(firstMemberId);
    return TRUE;
}

void CBaseDoc::RemapPastedLinks(CCopyList& buffer)
{
    // A link keeps pointing at its target only when the target was pasted along.
    for (POSITION pos = buffer.GetHeadPosition(); pos;) {
        CCopyHold* hold = buffer.GetHold(pos);
        const CBaseObj* held = DrawObjects::AsBoxObject(hold->GetObject());
        CBaseObj* pasted = DrawObjects::AsBoxObject(hold->GetPlacedObject());
        if (!held || !pasted || hold->GetPlacedId() == 0 || held->GetLinkObjectId() == 0)
            continue;
        const CCopyHold* target = buffer.FindBaseObjHold(held->GetLinkObjectId());
        pasted->SetLinkObjectId(target ? target->GetPlacedId() : 0);
    }
}
