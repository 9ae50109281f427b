// The dialogs of a conceptual file, run from its operations and attribute commands and written back
// inside the caller's undo step (the document has recorded the file).
#include "document/BaseDoc.h"
#include "foundation/CommandIds.h"
#include "model/FileComp.h"
#include "model/FileCompDlg.h"
#include "model/FileCompDlgRules.h"
#include "model/FilePhyControlDlg.h"
#include "model/TableSpaceNameDlg.h"
#include "platform/ui/FrameworkIds.h"

BOOL CFileComp::ApplyShapeOperation(UINT commandId, DWORD hitCode, UINT_PTR operationArgument)
{
    if (commandId == ID_OBJ_FILE_DIALOG) {
        auto* document = reinterpret_cast<CBaseDoc*>(operationArgument);
        return document && RunPropertiesDialog(*document);
    }
    return CRectObj::ApplyShapeOperation(commandId, hitCode, operationArgument);
}

BOOL CFileComp::RunPropertiesDialog(CBaseDoc& document)
{
    CFileCompDlg dialog(document, *this);
    if (dialog.DoModal() != IDOK || document.IsReadOnly())
        return FALSE;
    return FileCompDlgRules::ApplyFileComp(document, *this, dialog.m_settings);
}

BOOL CFileComp::RunPhyControlDialog(CBaseDoc& document)
{
    CFilePhyControlDlg dialog(document, *this);
    if (dialog.DoModal() != IDOK || document.IsReadOnly())
        return FALSE;
    SetPhyControlFile(dialog.m_wFileId, dialog.m_wFileId ? dialog.m_strFileName : CString());
    return TRUE;
}

BOOL CFileComp::RunTableSpaceDialog(CBaseDoc& document)
{
    CTableSpaceNameDlg dialog(document, GetTableSpace(), GetIndexSpace(), TableSpaceRules::MODE_FILE);
    if (dialog.DoModal() != IDOK || document.IsReadOnly() || GetPhyControlDedicated())
        return FALSE;
    TableSpaceRules::ApplyFileTablespaces(*this, dialog.m_strTableSpace, dialog.m_strIndexSpace);
    return TRUE;
}
