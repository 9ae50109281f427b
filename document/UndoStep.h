// CUndoStep: opens one undo step for an editing command and ends it when the command's scope
// ends, on every way out, exceptions included. Guards opened while another is alive on the same
// document (a command calling another command's code) join the outer step instead of opening
// their own, so one command stays one step.
//
//     CUndoStep step(doc);
//     if (!step.IsOpen())
//         return;
//     doc->AddObject(obj);
#pragma once

#include "platform/afx/WinTypes.h"

class CBaseDoc;

class CUndoStep
{
public:
    explicit CUndoStep(CBaseDoc* document);
    ~CUndoStep();
    CUndoStep(const CUndoStep&) = delete;
    CUndoStep& operator=(const CUndoStep&) = delete;

    // FALSE when the step could not be created (the user has been told).
    BOOL IsOpen() const { return m_bOpen; }

private:
    CBaseDoc* m_pDocument;
    BOOL m_bOpen;
};
