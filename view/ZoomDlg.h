// CZoomDlg: the zoom of the current view, picked from nine presets or typed (10 to 400 %).
#pragma once

#include "platform/ui/Dialog.h"

class CZoomDlg : public CDialog
{
public:
    static constexpr UINT IDD = 201;

    explicit CZoomDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

    int m_nZoom = 0;

protected:
    void BuildDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    const MessageMap* GetMessageMap() const override;

private:
    // The preset of the value is checked, or the custom button when no preset has it.
    void ShowRadioFor(int zoom);
    void OnPreset(UINT id);
    void OnCustom();
    // A typed value within the range moves the radio buttons; anything else leaves them.
    void OnChangeZoom();
    void OnZoomFocus();
};
