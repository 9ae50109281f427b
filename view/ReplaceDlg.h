// CReplaceDlg: the modeless replace dialog ("文字列の置換"): find the next object whose texts hold
// the find text, replace in the found object and find on, or replace in every object.
#pragma once

#include "view/FindDialogBase.h"

class CReplaceDlg : public CFindDialogBase
{
    DECLARE_DYNAMIC(CReplaceDlg)
public:
    static constexpr UINT IDD = 304;
    static constexpr int IDC_REPLACE_TEXT = 1139;
    static constexpr int IDC_REPLACE = 1140;
    static constexpr int IDC_REPLACE_ALL = 1141;

    // Creates the window, shown, with the frame as parent.
    explicit CReplaceDlg(CWnd* frame);

    void SetReplaceTexts(const CString* text, const CString* replacement, BOOL matchCase);
    CString GetReplaceText() const { return m_strReplaceText; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    const MessageMap* GetMessageMap() const override;

private:
    void OnReplace();
    void OnReplaceAll();

    CString m_strReplaceText;
};
