// The main frame's part in find and replace: it keeps the last find text, replacement text and
// match-case choice for every document, owns the two modeless dialogs and shows one at a time,
// and takes the texts over from the visible dialog when a request comes.
#include "shell/MainFrame.h"

#include "platform/ui/CmdUI.h"
#include "view/FindDlg.h"
#include "view/ReplaceDlg.h"

namespace MainFrameFindImpl {

BOOL IsShown(const CWnd* dialog)
{
    return dialog && dialog->IsWindowVisible();
}

void Hide(CWnd* dialog)
{
    if (IsShown(dialog))
        dialog->ShowWindow(SW_HIDE);
}

// Hides a shown dialog, shows a hidden one and makes a missing one (made shown); whether it is
// shown afterwards.
template <class Dialog>
BOOL FlipDialog(std::unique_ptr<Dialog>& dialog, CWnd* frame)
{
    if (dialog && dialog->IsWindow())
        dialog->ShowWindow(dialog->IsWindowVisible() ? SW_HIDE : SW_SHOW);
    else
        dialog = std::make_unique<Dialog>(frame);
    return dialog->IsWindowVisible();
}

// After a dialog closed itself. A dialog made anew since (the request came before the message)
// stays.
template <class Dialog>
void DropClosedDialog(std::unique_ptr<Dialog>& dialog)
{
    if (dialog && !dialog->IsWindow())
        dialog.reset();
}

} // namespace MainFrameFindImpl

BOOL CMainFrame::ToggleFindDialog()
{
    using namespace MainFrameFindImpl;
    if (!FlipDialog(m_pFindDialog, this))
        return FALSE;
    Hide(m_pReplaceDialog.get());
    m_pFindDialog->SetFindText(&m_strFindText, m_bMatchCase);
    return TRUE;
}

BOOL CMainFrame::ToggleReplaceDialog()
{
    using namespace MainFrameFindImpl;
    if (!FlipDialog(m_pReplaceDialog, this))
        return FALSE;
    Hide(m_pFindDialog.get());
    m_pReplaceDialog->SetReplaceTexts(&m_strFindText, &m_strReplaceText, m_bMatchCase);
    return TRUE;
}

LRESULT CMainFrame::OnFindDialogClosed(WPARAM, LPARAM)
{
    MainFrameFindImpl::DropClosedDialog(m_pFindDialog);
    return 0;
}

LRESULT CMainFrame::OnReplaceDialogClosed(WPARAM, LPARAM)
{
    MainFrameFindImpl::DropClosedDialog(m_pReplaceDialog);
    return 0;
}

LRESULT CMainFrame::TakeFindText(WPARAM wParam, LPARAM)
{
    using MainFrameFindImpl::IsShown;
    const CFindDialogBase* dialog = nullptr;
    if (wParam == CFindDlg::IDD && IsShown(m_pFindDialog.get()))
        dialog = m_pFindDialog.get();
    else if (wParam == CReplaceDlg::IDD && IsShown(m_pReplaceDialog.get()))
        dialog = m_pReplaceDialog.get();
    if (dialog) {
        m_strFindText = dialog->GetFindText();
        m_bMatchCase = dialog->GetMatchCase();
    }
    return 0;
}

LRESULT CMainFrame::TakeReplaceTexts(WPARAM, LPARAM)
{
    if (MainFrameFindImpl::IsShown(m_pReplaceDialog.get())) {
        m_strFindText = m_pReplaceDialog->GetFindText();
        m_strReplaceText = m_pReplaceDialog->GetReplaceText();
        m_bMatchCase = m_pReplaceDialog->GetMatchCase();
    }
    return 0;
}

void CMainFrame::OnUpdateEditFind(CCmdUI* cmdUI)
{
    cmdUI->SetCheck(MainFrameFindImpl::IsShown(m_pFindDialog.get()));
}

void CMainFrame::OnUpdateEditReplace(CCmdUI* cmdUI)
{
    cmdUI->SetCheck(MainFrameFindImpl::IsShown(m_pReplaceDialog.get()));
}

void CMainFrame::OnUpdateFindNext(CCmdUI* cmdUI)
{
    cmdUI->Enable(!m_strFindText.IsEmpty() && HasActiveBaseView());
}
