// The document's default tablespaces, which every file without tablespaces of its own takes.
#include "document/BaseDoc.h"
#include "model/TableSpaceNameDlg.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/MDIChildWnd.h"
#include "shell/MainFrame.h"

void CMainFrame::OnDefaultTablespaces()
{
    CMDIChildWnd* child = MDIGetActive();
    auto* doc = child ? DYNAMIC_DOWNCAST(CBaseDoc, child->GetActiveDocument()) : nullptr;
    if (!doc)
        return;
    doc->EndInPlaceEditInViews();
    CTableSpaceNameDlg dialog(*doc, doc->GetTableTablespace(), doc->GetIndexTablespace(),
                              TableSpaceRules::MODE_DOCUMENT);
    if (dialog.DoModal() != IDOK || doc->IsReadOnly())
        return;
    TableSpaceRules::ApplyDocumentTablespaces(*doc, dialog.m_strTableSpace, dialog.m_strIndexSpace);
}

void CMainFrame::OnUpdateDefaultTablespaces(CCmdUI* cmdUI)
{
    CMDIChildWnd* child = MDIGetActive();
    cmdUI->Enable(child && DYNAMIC_DOWNCAST(CBaseDoc, child->GetActiveDocument()) != nullptr);
}
