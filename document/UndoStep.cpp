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

// Changes never join a step that has an undone step after it: with a step waiting to be redone
// they go into a new one (which drops the redo), as every other command's changes would.
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
