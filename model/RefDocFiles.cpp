#include "model/RefDocFiles.h"

#include "document/BaseDoc.h"
#include "document/RefDoc.h"
#include "model/FileComp.h"

WORD RefDocFiles::GetDiagramNumber() const
{
    return m_refDoc.GetNumber();
}

BOOL RefDocFiles::FindFileName(WORD fileId, CString& name) const
{
    const CBaseDoc* document = m_refDoc.GetDocument();
    CObject* object = nullptr;
    if (!document || !document->FindObjectById(fileId, object))
        return FALSE;
    const auto* file = DYNAMIC_DOWNCAST(CFileComp, object);
    if (!file)
        return FALSE;
    name = file->GetFileName();
    return TRUE;
}
