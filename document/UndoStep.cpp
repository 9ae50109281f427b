#include "document/UndoStep.h"

#include "document/BaseDoc.h"
#include "document/UndoLog.h"

CUndoStep::CUndoStep(CBaseDoc* document)
    : m_log(document->GetUndoLog()),
      m_bOpen(m_log.GetGuardDepth() > 0 ? m_log.GetCurrentStep() != nullptr : document->BeginUndoStep())
{
    m_log.EnterGuard();
}

CUndoStep::~CUndoStep()
{
    m_log.LeaveGuard();
}
