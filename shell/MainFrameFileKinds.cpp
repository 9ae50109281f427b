// The file-type names of the marks, set for the user and read by every document.
#include "model/BoxStyleDlg.h"
#include "shell/MainFrame.h"

void CMainFrame::OnFileKindSettings()
{
    CBoxStyleDlg dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    dialog.Rules().Commit(m_boxStyleList);
}
