// CUndoLog: the undo log of one document. It keeps UNDO_STEP_COUNT step slots and the index of the
// newest step done; the slots above the index hold the steps that were undone and can be redone.
// Changes are recorded into the step at the index while a CUndoStep guard is alive on the log; a
// record made with no guard alive would silently join the previous command's step, so Debug
// builds stop there.
#pragma once

#include "document/SaveList.h"

#include "platform/afx/WinTypes.h"

class CObject;

constexpr int UNDO_STEP_COUNT = 20;

class CUndoLog
{
public:
    CUndoLog() = default;
    ~CUndoLog();
    CUndoLog(const CUndoLog&) = delete;
    CUndoLog& operator=(const CUndoLog&) = delete;

    // Empties every slot; nothing is left to undo or redo.
    void Clear();
    // Opens a step for the next edit (an empty current step is reused, redo steps are dropped, the
    // oldest of UNDO_STEP_COUNT goes); FALSE when the step could not be made.
    BOOL BeginStep();
    // The step at the current index, and the step that a redo would replay; null when there is none.
    CSaveList* GetCurrentStep() const;
    CSaveList* GetRedoStep() const;
    int GetIndex() const { return m_nIndex; }
    // The index moves down after the current step was undone, and up after the redo step was redone.
    void StepUndone() { --m_nIndex; }
    // Lets go of an empty current step, so that the step before it becomes current again.
    void DropEmptyCurrentStep();
    void StepRedone() { ++m_nIndex; }

    // Each records into the current step; without one (none begun, or its creation failed) nothing
    // is recorded.
    void RecordAdded(WORD objectId);
    void RecordChanged(const CObject* object);
    // TRUE when the log took the removed object; otherwise it stays with the caller.
    BOOL RecordDeleted(WORD predecessorId, CObject* object);
    void RecordMoved(WORD predecessorId, WORD movedId);
    BOOL IsRecorded(WORD objectId) const;
    BOOL IsChangeRecorded(WORD objectId) const;
    BOOL IsDeleteRecorded(WORD objectId) const;
    // A command that opened a step and changed nothing leaves it empty and current; undo looks past
    // it to the step before, so such a command never hides the edits made before it.
    BOOL HasUndoStep() const;
    BOOL HasRedoStep() const;

    // CUndoStep guards alive on the log, nested ones included.
    int GetGuardDepth() const { return m_nGuardDepth; }
    void EnterGuard() { m_nCommand += m_nGuardDepth++ == 0 ? 1 : 0; }
    void LeaveGuard() { --m_nGuardDepth; }
    // Counts the commands: changes each time an outermost guard opens.
    unsigned GetCommandSerial() const { return m_nCommand; }

private:
    // The index of the newest step that holds changes: the current one, or the one before an empty
    // current step.
    int GetUndoableIndex() const;
    // The current step for a record; Debug builds stop when no guard is alive.
    CSaveList* GetRecordingStep() const;

    CSaveList* m_steps[UNDO_STEP_COUNT] = {};
    int m_nIndex = -1;
    int m_nGuardDepth = 0;
    unsigned m_nCommand = 0;
};
