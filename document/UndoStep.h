// CUndoStep: the guard of one editing command's undo step. The outermost guard on a document opens
// a new step (CBaseDoc::BeginUndoStep); guards opened while another is alive on the same document
// (a command calling another command's code) join the step of the outer one, so one command stays
// one step. Destroying the guard does not close the step: the step stays current, and an empty one
// is reused by the next command. What the guard marks is that a command is running: changes are
// recorded only while a guard is alive, and Debug builds stop on a change recorded without one.
//
//     CUndoStep step(doc);
//     if (!step.IsOpen())
//         return;
//     doc->AddObject(obj);
#pragma once

#include "platform/afx/WinTypes.h"

class CBaseDoc;
class CUndoLog;

class CUndoStep
{
public:
    explicit CUndoStep(CBaseDoc* document);
    // Joins the step that is current (one an earlier command opened for what follows), opening
    // one only when there is none or when an undone step waits to be redone.
    enum JoinCurrentStep { JOIN_CURRENT };
    CUndoStep(CBaseDoc* document, JoinCurrentStep);
    ~CUndoStep();
    CUndoStep(const CUndoStep&) = delete;
    CUndoStep& operator=(const CUndoStep&) = delete;

    // FALSE when the step could not be created (the user has been told).
    BOOL IsOpen() const { return m_bOpen; }

private:
    CUndoLog& m_log;
    BOOL m_bOpen;
};
