// CAboutBox: the version-information dialog of command ID_APP_ABOUT, with the application icon drawn
// enlarged.
#pragma once

#include "platform/ui/Dialog.h"
#include "shell/BigIcon.h"

class CAboutBox : public CDialog
{
    DECLARE_DYNAMIC(CAboutBox)
public:
    static constexpr UINT IDD = 100;
    static constexpr int IDC_PRODUCT = 1029;
    static constexpr int IDC_VERSION = 1026;
    static constexpr int IDC_RIGHTS = 1027;
    static constexpr int IDC_BIGICON = 1028;

    explicit CAboutBox(CWnd* parent = nullptr);
    ~CAboutBox() override;
    BOOL OnInitDialog() override;

protected:
    void BuildDialog() override;

private:
    CBigIcon m_icon;
};
