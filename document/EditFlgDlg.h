// CEditFlgDlg: the string edit options of a document, one check box per kind of modelling text
// whose typed line breaks are removed when its in-place editing ends. The two task boxes are not
// shown, but their bits pass through the dialog unchanged. OK asks before it reports a change;
// "既定値更新" stores the boxes as the profile default for later documents.
#pragma once

#include "platform/ui/Dialog.h"

class CEditFlgDlg : public CDialog
{
public:
    static constexpr UINT IDD = 325;
    // Check box IDC_FIRST_FLAG + i stands for bit 1 << i.
    static constexpr int IDC_FIRST_FLAG = 1274;
    static constexpr int kFlagCount = 6;
    static constexpr int IDC_SAVE_DEFAULT = 1106;

    explicit CEditFlgDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // Unchanged boxes end the dialog as cancelled; otherwise asks whether to update the document.
    void OnOK() override;
    void OnSaveDefault();
    void SetChecksFromFlags();
    DWORD GetFlagsFromChecks() const;

    // Set before the dialog runs; the new flags after IDOK.
    DWORD m_dwFlags = 0;

protected:
    void BuildDialog() override;
    const MessageMap* GetMessageMap() const override;
};
