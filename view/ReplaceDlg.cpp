#include "view/ReplaceDlg.h"

#include "platform/ui/DataExchange.h"
#include "platform/ui/UserMessages.h"

IMPLEMENT_DYNAMIC(CReplaceDlg, CFindDialogBase)

CReplaceDlg::CReplaceDlg(CWnd* frame)
    : CFindDialogBase(IDD, UM_REPLACE_DIALOG_CLOSED, frame,
                      {u8"文字列の置換",
                       {{IDC_FIND_TEXT, u8"検索する文字列(&N):"}, {IDC_REPLACE_TEXT, u8"置換後の文字列(&P):"}},
                       {{IDC_FIND_NEXT, u8"次を検索(&F)", FALSE},
                        {IDC_REPLACE, u8"置換(&R)", FALSE},
                        {IDC_REPLACE_ALL, u8"すべて置換(&A)", TRUE}}})
{
    Create(IDD, frame);
}

const MessageMap* CReplaceDlg::GetMessageMap() const
{
    static const MessageMap map{CFindDialogBase::GetMessageMap(),
                                {
                                    MapCommand(IDC_REPLACE, &CReplaceDlg::OnReplace),
                                    MapCommand(IDC_REPLACE_ALL, &CReplaceDlg::OnReplaceAll),
                                }};
    return &map;
}

void CReplaceDlg::DoDataExchange(CDataExchange* dx)
{
    CFindDialogBase::DoDataExchange(dx);
    DDX_Text(dx, IDC_REPLACE_TEXT, m_strReplaceText);
}

void CReplaceDlg::SetReplaceTexts(const CString* text, const CString* replacement, BOOL matchCase)
{
    m_strReplaceText = *replacement;
    ShowFindText(*text, matchCase);
}

void CReplaceDlg::OnReplace()
{
    SendRequest(UM_REPLACE);
}

void CReplaceDlg::OnReplaceAll()
{
    SendRequest(UM_REPLACE_ALL);
}
