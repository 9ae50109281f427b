// CPrintOptDlg: the print options of the current view: the automatic header, printing at the
// view's zoom, the page frames (of each page body, of the page layout, or none) and the page
// number in the footer.
#pragma once

#include "platform/ui/Dialog.h"
#include "view/PrintOptionControls.h"

class CPrintOptDlg : public CDialog
{
public:
    static constexpr UINT IDD = 200;

    explicit CPrintOptDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    PrintOptionValues m_values;
    // The header box is enabled only where the document keeps an automatic header area.
    BOOL m_bHeaderEnabled = TRUE;

protected:
    void BuildDialog() override;
};
