// CFindDlg: the modeless find dialog ("文字列の検索"): find the next object whose texts hold the
// find text, or select all of them.
#pragma once

#include "view/FindDialogBase.h"

class CFindDlg : public CFindDialogBase
{
    DECLARE_DYNAMIC(CFindDlg)
public:
    static constexpr UINT IDD = 303;
    static constexpr int IDC_FIND_ALL = 1137;

    // Creates the window, shown, with the frame as parent.
    explicit CFindDlg(CWnd* frame);

    void SetFindText(const CString* text, BOOL matchCase);

protected:
    const MessageMap* GetMessageMap() const override;

private:
    void OnFindAll();
};
