// CSetViewCurDlg: the display settings of the current view alone: zooming, grid, guide, canvas,
// automatic connection and shaping of new lines.
#pragma once

#include "platform/ui/Dialog.h"
#include "view/ViewOptionControls.h"

class CSetViewCurDlg : public CDialog
{
public:
    static constexpr UINT IDD = 207;

    explicit CSetViewCurDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

    ViewOptionValues m_values;

protected:
    void BuildDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    const MessageMap* GetMessageMap() const override;

private:
    void OnLineMethod(UINT id);
};
