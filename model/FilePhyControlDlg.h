// CFilePhyControlDlg: picks the physical additional data definition file of one conceptual file,
// whose items become extra columns of its table.
#pragma once

#include "platform/ui/Dialog.h"

class CBaseDoc;
class CFileComp;

class CFilePhyControlDlg : public CDialog
{
public:
    static constexpr UINT IDD = 337;
    static constexpr int IDC_DEFINITION_FILE = 1398;

    CFilePhyControlDlg(CBaseDoc& doc, CFileComp& file, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnDefinitionFileChosen();

    WORD m_wFileId = 0;
    CString m_strFileName;

protected:
    void BuildDialog() override;

private:
    CBaseDoc& m_doc;
    CFileComp& m_file;
};
