// Undo and redo of CBaseDoc: the document's operations on its undo log (CUndoLog), and the replay
// of a step against the object list.
#include "document/BaseDoc.h"

#include "document/HeaderItems.h"
#include "foundation/ErrorReport.h"
#include "objects/DrawObjects.h"

void CBaseDoc::InitUndoBuffer()
{
    m_undoLog.Clear();
}

void CBaseDoc::ClearUndoBuffer()
{
    m_undoLog.Clear();
}

CSaveList* CBaseDoc::GetCurrentUndoStep() const
{
    return m_undoLog.GetCurrentStep();
}

BOOL CBaseDoc::BeginUndoStep()
{
    return m_undoLog.BeginStep();
}

void CBaseDoc::RecordAddedForUndo(WORD objectId)
{
    m_undoLog.RecordAdded(objectId);
}

void CBaseDoc::RecordChangedForUndo(const CObject* object)
{
    NoteFollowChange(object);
    m_undoLog.RecordChanged(object);
}

BOOL CBaseDoc::RecordDeletedForUndo(WORD predecessorId, CObject* object)
{
    return m_undoLog.RecordDeleted(predecessorId, object);
}

void CBaseDoc::RecordMovedForUndo(WORD predecessorId, WORD movedId)
{
    m_undoLog.RecordMoved(predecessorId, movedId);
}

void CBaseDoc::RecordChangedOnce(const CObject* object)
{
    // Each change of the step comes through here, also after the first one was recorded.
    if (IsChangeRecordedForUndo(DrawObjects::GetObjectId(object)))
        NoteFollowChange(object);
    else
        RecordChangedForUndo(object);
}

BOOL CBaseDoc::IsRecordedForUndo(WORD objectId) const
{
    return m_undoLog.IsRecorded(objectId);
}

BOOL CBaseDoc::IsChangeRecordedForUndo(WORD objectId) const
{
    return m_undoLog.IsChangeRecorded(objectId);
}

BOOL CBaseDoc::IsDeleteRecordedForUndo(WORD objectId) const
{
    return m_undoLog.IsDeleteRecorded(objectId);
}

BOOL CBaseDoc::CanUndo() const
{
    return !m_bReadOnly && m_undoLog.HasUndoStep();
}

BOOL CBaseDoc::CanRedo() const
{
    return !m_bReadOnly && m_undoLog.HasRedoStep();
}

void CBaseDoc::Undo()
{
    if (!CanUndo())
        return;
    DeselectAllInViews();
    m_undoLog.DropEmptyCurrentStep();
    // Backwards: the last change of the step is reversed first.
    ReplayStep(m_undoLog.GetCurrentStep(), FALSE);
    m_undoLog.StepUndone();
}

void CBaseDoc::Redo()
{
    if (!CanRedo())
        return;
    DeselectAllInViews();
    // Forwards, in the order the changes were first made: each record then finds the list as it
    // was when it was recorded, so the drawing order comes back exactly also when objects were
    // added and removed again within the step.
    CSaveList* step = m_undoLog.GetRedoStep();
    BOOL removesAgain = FALSE;
    for (POSITION pos = step->GetHeadPosition(); pos;)
        removesAgain |= static_cast<CSaveObj*>(step->GetNext(pos))->GetKind() == CSaveObj::kindAdded;
    ReplayStep(step, TRUE);
    m_undoLog.StepRedone();
    if (removesAgain)
        DeselectAllInViews();
}

void CBaseDoc::ReplayStep(CSaveList* step, BOOL forward)
{
    DropFollowIndex();
    m_pModelCache.reset();
    PositionIndex index;
    index.reserve(size_t(m_objects.GetCount()));
    for (POSITION pos = m_objects.GetHeadPosition(); pos; m_objects.GetNext(pos)) {
        const CObject* object = m_objects.GetAt(pos);
        if (DrawObjects::IsDrawObject(object))
            index.emplace(DrawObjects::GetObjectId(object), pos); // the first of an id wins, as in a walk
    }
    m_pReplayIndex = &index;
    try {
        for (POSITION pos = forward ? step->GetHeadPosition() : step->GetTailPosition(); pos;)
            ApplyRecord(static_cast<CSaveObj*>(forward ? step->GetNext(pos) : step->GetPrev(pos)));
    } catch (...) {
        m_pReplayIndex = nullptr;
        step->ForgetIndexedIds();
        throw;
    }
    m_pReplayIndex = nullptr;
    // Replaying turned deleted records into added ones and back.
    step->ForgetIndexedIds();
}

void CBaseDoc::NoteObjectPosition(WORD objectId, POSITION pos)
{
    if (!m_pReplayIndex)
        return;
    if (pos)
        (*m_pReplayIndex)[objectId] = pos;
    else
        m_pReplayIndex->erase(objectId);
}

void CBaseDoc::ApplyRecord(CSaveObj* record)
{
    switch (record->GetKind()) {
    case CSaveObj::kindAdded: ApplyAddedRecord(record); break;
    case CSaveObj::kindChanged: ApplyChangedRecord(record); break;
    case CSaveObj::kindDeleted: ApplyDeletedRecord(record); break;
    case CSaveObj::kindMoved: ApplyMovedRecord(record); break;
    default: break;
    }
}

void CBaseDoc::ApplyAddedRecord(CSaveObj* record)
{
    const POSITION pos = FindObjectPosition(record->GetObjectId());
    if (!pos)
        return;
    CObject* object = m_objects.GetAt(pos);
    const WORD predecessorId = GetPredecessorId(pos);
    RemoveFromSelectionInViews(object);
    m_objects.RemoveAt(pos);
    const WORD objectId = record->GetObjectId();
    NoteObjectPosition(objectId, nullptr);
    record->Reset(CSaveObj::kindDeleted, predecessorId, object);
    if (IsHeaderItemId(objectId))
        UnregisterHeaderItem(objectId);
}

void CBaseDoc::ApplyDeletedRecord(CSaveObj* record)
{
    CObject* object = record->GetObject();
    const WORD objectId = record->GetHeldObjectId();
    // An object with that id already in the list would be a duplicate; the record stays as it is.
    if (!object || FindObjectPosition(objectId))
        return;
    POSITION pos = nullptr;
    try {
        pos = InsertRestoredObject(record->GetObjectId(), object);
    } catch (...) {
        ReportCurrentException(CString(u8"ﾒﾓﾘ不足のため、削除したｵﾌﾞｼﾞｪｸﾄをﾄﾞｷｭﾒﾝﾄに再度追加できません。"),
                               CString(u8"予期せぬｴﾗｰのため、削除したｵﾌﾞｼﾞｪｸﾄをﾄﾞｷｭﾒﾝﾄに再度追加できません。"));
        return;
    }
    // The list owns the object from here on; only then may anything else fail.
    record->Reset(CSaveObj::kindAdded, objectId, nullptr);
    NoteObjectPosition(objectId, pos);
    SelectObjectInViews(object);
    if (IsHeaderItemId(objectId))
        RegisterHeaderItem(objectId);
}

POSITION CBaseDoc::InsertRestoredObject(WORD predecessorId, CObject* object)
{
    if (predecessorId == 0)
        return m_objects.AddHead(object);
    if (const POSITION predecessor = FindObjectPosition(predecessorId))
        return m_objects.InsertAfter(predecessor, object);
    for (POSITION pos = m_objects.GetHeadPosition(); pos; m_objects.GetNext(pos)) {
        const CObject* other = m_objects.GetAt(pos);
        if (DrawObjects::IsDrawObject(other) && DrawObjects::GetObjectId(other) > predecessorId)
            return m_objects.InsertBefore(pos, object);
    }
    return m_objects.AddTail(object);
}

void CBaseDoc::ApplyChangedRecord(CSaveObj* record)
{
    CObject* copy = record->GetObject();
    if (!DrawObjects::IsDrawObject(copy))
        return;
    const POSITION pos = FindObjectPosition(record->GetHeldObjectId());
    if (!pos)
        return;
    CObject* current = m_objects.GetAt(pos);
    RemoveFromSelectionInViews(current);
    m_objects.SetAt(pos, copy);
    record->Reset(CSaveObj::kindChanged, 0, current);
    SelectObjectInViews(copy);
    const WORD objectId = DrawObjects::GetObjectId(copy);
    if (IsHeaderItemId(objectId))
        SyncHeaderTextFromObject(objectId, copy);
}

void CBaseDoc::ApplyMovedRecord(CSaveObj* record)
{
    const POSITION pos = FindObjectPosition(record->GetSecondId());
    const WORD predecessorId = record->GetObjectId();
    const POSITION predecessorPos = predecessorId ? FindObjectPosition(predecessorId) : nullptr;
    if (!pos || (predecessorId != 0 && !predecessorPos))
        return;
    CObject* moved = m_objects.GetAt(pos);
    const WORD formerPredecessorId = GetPredecessorId(pos);
    POSITION movedPos = nullptr;
    try {
        movedPos = MoveObjectAfter(pos, predecessorPos);
    } catch (...) {
        ReportReinsertFailure();
        return;
    }
    record->SetObjectId(formerPredecessorId);
    NoteObjectPosition(record->GetSecondId(), movedPos);
    SelectObjectInViews(moved);
}
