// The application's SQL data types: edited in their dialog, then read again from the profile.
#include "physical/DataTypeDlg.h"
#include "platform/ui/FrameworkIds.h"
#include "shell/ZivraApp.h"

void CZivraApp::OnDataTypeSettings()
{
    CDataTypeDlg dialog;
    if (dialog.DoModal() != IDOK)
        return;
    // The dialog has just written the list; no fallback to the defaults here.
    m_dataTypeList.LoadFromProfile();
}
