#include "document/UndoLog.h"

#include "platform/afx/MessageSink.h"

#include <algorithm>
#include <cassert>

CUndoLog::~CUndoLog()
{
    Clear();
}

void CUndoLog::Clear()
{
    for (CSaveList*& step : m_steps) {
        delete step;
        step = nullptr;
    }
    m_nIndex = -1;
}

CSaveList* CUndoLog::GetCurrentStep() const
{
    return m_nIndex >= 0 ? m_steps[m_nIndex] : nullptr;
}

CSaveList* CUndoLog::GetRedoStep() const
{
    return m_nIndex < UNDO_STEP_COUNT - 1 ? m_steps[m_nIndex + 1] : nullptr;
}

BOOL CUndoLog::BeginStep()
{
    // An empty current step is used again; so is the slot of a step that could not be created.
    if (m_nIndex >= 0) {
        const CSaveList* current = m_steps[m_nIndex];
        if (current && current->IsEmpty())
            return TRUE;
        if (current)
            ++m_nIndex;
    } else {
        m_nIndex = 0;
    }
    if (m_nIndex == UNDO_STEP_COUNT) {
        delete m_steps[0];
        std::move(m_steps + 1, m_steps + UNDO_STEP_COUNT, m_steps);
        m_steps[UNDO_STEP_COUNT - 1] = nullptr;
        m_nIndex = UNDO_STEP_COUNT - 1;
    }
    for (int i = m_nIndex; i < UNDO_STEP_COUNT; ++i) {
        delete m_steps[i];
        m_steps[i] = nullptr;
    }
    try {
        m_steps[m_nIndex] = new CSaveList;
    } catch (...) {
        AfxMessageBox(CString(u8"Undoﾊﾞｯﾌｧの作成時にｴﾗｰが発生しました。"), MB_OK);
        return FALSE;
    }
    return TRUE;
}

CSaveList* CUndoLog::GetRecordingStep() const
{
    assert(m_nGuardDepth > 0 && "a change was recorded with no CUndoStep open");
    return GetCurrentStep();
}

void CUndoLog::RecordAdded(WORD objectId)
{
    if (CSaveList* step = GetRecordingStep())
        step->AddAddedRecord(objectId);
}

void CUndoLog::RecordChanged(const CObject* object)
{
    if (CSaveList* step = GetRecordingStep())
        step->AddChangedRecord(object);
}

BOOL CUndoLog::RecordDeleted(WORD predecessorId, CObject* object)
{
    CSaveList* step = GetRecordingStep();
    return step && step->AddDeletedRecord(predecessorId, object);
}

void CUndoLog::RecordMoved(WORD predecessorId, WORD movedId)
{
    if (CSaveList* step = GetRecordingStep())
        step->AddMovedRecord(predecessorId, movedId);
}

BOOL CUndoLog::IsRecorded(WORD objectId) const
{
    const CSaveList* step = GetCurrentStep();
    return step && step->IsRecorded(objectId);
}

BOOL CUndoLog::IsChangeRecorded(WORD objectId) const
{
    const CSaveList* step = GetCurrentStep();
    return step && step->IsChangeRecorded(objectId);
}

BOOL CUndoLog::IsDeleteRecorded(WORD objectId) const
{
    const CSaveList* step = GetCurrentStep();
    return step && step->IsDeleteRecorded(objectId);
}

int CUndoLog::GetUndoableIndex() const
{
    const CSaveList* current = GetCurrentStep();
    return current && current->IsEmpty() ? m_nIndex - 1 : m_nIndex;
}

BOOL CUndoLog::HasUndoStep() const
{
    const int index = GetUndoableIndex();
    const CSaveList* step = index >= 0 ? m_steps[index] : nullptr;
    return step && !step->IsEmpty();
}

void CUndoLog::DropEmptyCurrentStep()
{
    if (GetUndoableIndex() == m_nIndex)
        return;
    delete m_steps[m_nIndex];
    m_steps[m_nIndex] = nullptr;
    --m_nIndex;
}

BOOL CUndoLog::HasRedoStep() const
{
    const CSaveList* next = GetRedoStep();
    return next && !next->IsEmpty();
}
