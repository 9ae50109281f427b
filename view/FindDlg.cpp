#include "view/FindDlg.h"

#include "platform/ui/UserMessages.h"

IMPLEMENT_DYNAMIC(CFindDlg, CFindDialogBase)

CFindDlg::CFindDlg(CWnd* frame)
    : CFindDialogBase(IDD, UM_FIND_DIALOG_CLOSED, frame,
                      {u8"文字列の検索",
                       {{IDC_FIND_TEXT, u8"検索する文字列(&N):"}},
                       {{IDC_FIND_NEXT, u8"次を検索(&F)", FALSE}, {IDC_FIND_ALL, u8"すべて検索(&A)", TRUE}}})
{
    Create(IDD, frame);
}

const MessageMap* CFindDlg::GetMessageMap() const
{
    static const MessageMap map{CFindDialogBase::GetMessageMap(),
                                {
                                    MapCommand(IDC_FIND_ALL, &CFindDlg::OnFindAll),
                                }};
    return &map;
}

void CFindDlg::SetFindText(const CString* text, BOOL matchCase)
{
    ShowFindText(*text, matchCase);
}

void CFindDlg::OnFindAll()
{
    SendRequest(UM_FIND_ALL);
}
