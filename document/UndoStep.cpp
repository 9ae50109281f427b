#include "document/UndoStep.h"

#include "document/BaseDoc.h"
#include "document/UndoLog.h"

CUndoStep::CUndoStep(CBaseDoc* document)
    : m_log(document->GetUndoLog()),
      m_bOpen(m_log.GetGuardDepth() > 0 ? m_log.GetCurrentStep() != nullptr : document->BeginUndoStep())
{
    m_log.EnterGuard();
}

namespace UndoStepImpl {

// A step that was undone and redone stays as it was: with a step to redo after the current one,
// the changes go into a new step, as every other command's would.
BOOL JoinOrBegin(CUndoLog& log, CBaseDoc* document)
{
    if (log.GetGuardDepth() > 0 || (log.GetCurrentStep() && !log.HasRedoStep()))
        return log.GetCurrentStep() != nullptr;
    return document->BeginUndoStep();
}

} // namespace UndoStepImpl

CUndoStep::CUndoStep(CBaseDoc* document, JoinCurrentStep)
    : m_log(document->GetUndoLog()), m_bOpen(UndoStepImpl::JoinOrBegin(m_log, document))
{
    m_log.EnterGuard();
}

CUndoStep::~CUndoStep()
{
    m_log.LeaveGuard();
}
