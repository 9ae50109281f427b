// The undo log of CBaseDoc: 20 step slots and the index of the newest step done; the slots above
// the index hold the steps that were undone and can be redone.
#include "document/BaseDoc.h"

#include "document/DrawObjects.h"
#include "foundation/ErrorReport.h"

#include "platform/afx/MessageSink.h"

void CBaseDoc::InitUndoBuffer()
{
    for (CSaveList*& step : m_undoSteps)
        step = nullptr;
    m_nUndoIndex = -1;
}

void CBaseDoc::ClearUndoBuffer()
{
    for (CSaveList*& step : m_undoSteps) {
        delete step;
        step = nullptr;
    }
    m_nUndoIndex = -1;
}

CSaveList* CBaseDoc::GetCurrentUndoStep() const
{
    return m_nUndoIndex >= 0 ? m_undoSteps[m_nUndoIndex] : nullptr;
}

BOOL CBaseDoc::BeginUndoStep()
{
    // An empty current step is used again; so is the slot of a step that could not be created.
    if (m_nUndoIndex >= 0) {
        const CSaveList* current = m_undoSteps[m_nUndoIndex];
        if (current && current->IsEmpty())
            return TRUE;
        if (current)
            ++m_nUndoIndex;
    } else {
        m_nUndoIndex = 0;
    }
    if (m_nUndoIndex == UNDO_STEP_COUNT) {
        delete m_undoSteps[0];
        std::move(m_undoSteps + 1, m_undoSteps + UNDO_STEP_COUNT, m_undoSteps);
        m_undoSteps[UNDO_STEP_COUNT - 1] = nullptr;
        m_nUndoIndex = UNDO_STEP_COUNT - 1;
    }
    for (int i = m_nUndoIndex; i < UNDO_STEP_COUNT; ++i) {
        delete m_undoSteps[i];
        m_undoSteps[i] = nullptr;
    }
    try {
        m_undoSteps[m_nUndoIndex] = new CSaveList;
    } catch (...) {
        AfxMessageBox(CString(u8"Undoﾊﾞｯﾌｧの作成時にｴﾗｰが発生しました。"), MB_OK);
        return FALSE;
    }
    return TRUE;
}

// Without an open step (none begun, or its creation failed) nothing is recorded: every editing
// command opens one first.

void CBaseDoc::RecordAddedForUndo(WORD objectId)
{
    if (CSaveList* step = GetCurrentUndoStep())
        step->AddAddedRecord(objectId);
}

void CBaseDoc::RecordChangedForUndo(const CObject* object)
{
    if (CSaveList* step = GetCurrentUndoStep())
        step->AddChangedRecord(object);
}

BOOL CBaseDoc::RecordDeletedForUndo(WORD predecessorId, CObject* object)
{
    CSaveList* step = GetCurrentUndoStep();
    return step && step->AddDeletedRecord(predecessorId, object);
}

void CBaseDoc::RecordMovedForUndo(WORD predecessorId, WORD movedId)
{
    if (CSaveList* step = GetCurrentUndoStep())
        step->AddMovedRecord(predecessorId, movedId);
}

void CBaseDoc::RecordChangedOnce(const CObject* object)
{
    if (!IsChangeRecordedForUndo(DrawObjects::GetObjectId(object)))
        RecordChangedForUndo(object);
}

BOOL CBaseDoc::IsRecordedForUndo(WORD objectId) const
{
    const CSaveList* step = GetCurrentUndoStep();
    return step && step->IsRecorded(objectId);
}

BOOL CBaseDoc::IsChangeRecordedForUndo(WORD objectId) const
{
    const CSaveList* step = GetCurrentUndoStep();
    return step && step->IsChangeRecorded(objectId);
}

BOOL CBaseDoc::IsDeleteRecordedForUndo(WORD objectId) const
{
    const CSaveList* step = GetCurrentUndoStep();
    return step && step->IsDeleteRecorded(objectId);
}

BOOL CBaseDoc::CanUndo() const
{
    const CSaveList* step = GetCurrentUndoStep();
    return !m_bReadOnly && step && !step->IsEmpty();
}

BOOL CBaseDoc::CanRedo() const
{
    if (m_bReadOnly || m_nUndoIndex >= UNDO_STEP_COUNT - 1)
        return FALSE;
    const CSaveList* next = m_undoSteps[m_nUndoIndex + 1];
    return next && !next->IsEmpty();
}

void CBaseDoc::Undo()
{
    if (!CanUndo())
        return;
    DeselectAllInViews();
    // Backwards: the last change of the step is reversed first.
    ReplayStep(GetCurrentUndoStep(), FALSE);
    --m_nUndoIndex;
}

void CBaseDoc::Redo()
{
    if (!CanRedo())
        return;
    DeselectAllInViews();
    // Forwards, in the order the changes were first made: each record then finds the list as it
    // was when it was recorded, so the drawing order comes back exactly also when objects were
    // added and removed again within the step.
    CSaveList* step = m_undoSteps[m_nUndoIndex + 1];
    BOOL removesAgain = FALSE;
    for (POSITION pos = step->GetHeadPosition(); pos;)
        removesAgain |= static_cast<CSaveObj*>(step->GetNext(pos))->GetKind() == CSaveObj::kindAdded;
    ReplayStep(step, TRUE);
    ++m_nUndoIndex;
    if (removesAgain)
        DeselectAllInViews();
}

void CBaseDoc::ReplayStep(CSaveList* step, BOOL forward)
{
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
        throw;
    }
    m_pReplayIndex = nullptr;
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
    case CSaveObj::kindAdded:
        ApplyAddedRecord(record);
        break;
    case CSaveObj::kindChanged:
        ApplyChangedRecord(record);
        break;
    case CSaveObj::kindDeleted:
        ApplyDeletedRecord(record);
        break;
    case CSaveObj::kindMoved:
        ApplyMovedRecord(record);
        break;
    default:
        break;
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
    NoteObjectPosition(record->GetObjectId(), nullptr);
    record->Reset(CSaveObj::kindDeleted, predecessorId, object);
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
        ReportCurrentException(
            CString(u8"ﾒﾓﾘ不足のため、削除したｵﾌﾞｼﾞｪｸﾄをﾄﾞｷｭﾒﾝﾄに再度追加できません。"),
            CString(u8"予期せぬｴﾗｰのため、削除したｵﾌﾞｼﾞｪｸﾄをﾄﾞｷｭﾒﾝﾄに再度追加できません。"));
        return;
    }
    // The list owns the object from here on; only then may anything else fail.
    record->Reset(CSaveObj::kindAdded, objectId, nullptr);
    NoteObjectPosition(objectId, pos);
    SelectObjectInViews(object);
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
        ReportCurrentException(
            CString(u8"ﾒﾓﾘ不足のため、位置移動したｵﾌﾞｼﾞｪｸﾄをﾄﾞｷｭﾒﾝﾄに再度追加できません。"),
            CString(u8"予期せぬｴﾗｰのため、位置移動したｵﾌﾞｼﾞｪｸﾄをﾄﾞｷｭﾒﾝﾄに再度追加できません。"));
        return;
    }
    record->SetObjectId(formerPredecessorId);
    NoteObjectPosition(record->GetSecondId(), movedPos);
    SelectObjectInViews(moved);
}
