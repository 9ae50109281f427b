#include "document/UndoStep.h"

#include "document/BaseDoc.h"

CUndoStep::CUndoStep(CBaseDoc* document)
    : m_pDocument(document),
      m_bOpen(document->m_nUndoStepDepth > 0 ? document->GetCurrentUndoStep() != nullptr
                                             : document->BeginUndoStep())
{
    ++m_pDocument->m_nUndoStepDepth;
}

CUndoStep::~CUndoStep()
{
    --m_pDocument->m_nUndoStepDepth;
}
