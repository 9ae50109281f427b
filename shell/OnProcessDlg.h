// COnProcessDlg: the modeless window that long operations show while they run. Its two text lines
// change through UM_PROCESS_SET_PHASE_TEXT (control 1031) and UM_PROCESS_SET_COUNT_TEXT (1030),
// whose lParam points to the text (LPCTSTR, code page 932); a null text leaves the line as it is.
#pragma once

#include "platform/ui/Dialog.h"

class COnProcessDlg : public CDialog
{
    DECLARE_DYNAMIC(COnProcessDlg)
public:
    static constexpr UINT IDD = 203;
    static constexpr int IDC_COUNT = 1030;
    static constexpr int IDC_PHASE = 1031;

    COnProcessDlg() = default;
    ~COnProcessDlg() override = default;
    BOOL Create(CWnd* parent);
    BOOL OnInitDialog() override;

protected:
    void BuildDialog() override;
    const MessageMap* GetMessageMap() const override;
    LRESULT OnSetCountText(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetPhaseText(WPARAM wParam, LPARAM lParam);

private:
    LRESULT SetLine(int id, LPARAM text);
};
