// Find and replace in the view: the commands that open the dialogs and repeat the last search,
// and the requests of the dialogs. The main frame keeps the texts; the document searches and
// replaces; the view selects and shows what was found. While a label is being edited, finding
// and single replacing work inside the label's editor.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "objects/FloatEdit.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/UserMessages.h"
#include "view/FrameServices.h"

void CBaseView::OnEditFind()
{
    if (FrameServices* frame = GetFrameServices())
        frame->ToggleFindDialog();
}

void CBaseView::OnEditReplace()
{
    GetDocument()->BeginUndoStep();
    if (FrameServices* frame = GetFrameServices())
        frame->ToggleReplaceDialog();
}

void CBaseView::OnUpdateEditReplaceView(CCmdUI* cmdUI)
{
    cmdUI->Enable(!IsDocReadOnly() && !GetDocument()->HasNoObjects());
}

void CBaseView::OnFindNextCommand()
{
    SendMessage(UM_FIND_NEXT, 0, 0);
}

BOOL CBaseView::TakeSearchTexts(UINT message, WPARAM wParam, LPARAM lParam, SearchTexts& texts)
{
    if (!TakeFindTexts(message, wParam, lParam, texts.find, texts.replacement, texts.matchCase))
        return FALSE;
    if (!texts.matchCase)
        texts.find.MakeUpper();
    return TRUE;
}

void CBaseView::ShowFoundObject(CObject* found)
{
    if (!found)
        return;
    InvalidateSelection();
    ClearSelection();
    AddToSelection(found);
    ScrollObjectIntoView(found, FALSE);
    InvalidateObject(found);
}

BOOL CBaseView::RefuseReadOnlyChange() const
{
    if (!IsDocReadOnly())
        return FALSE;
    AfxMessageBox(CString(u8"書込み不可のﾌｧｲﾙのため変更できません。"), MB_OK);
    return TRUE;
}

LRESULT CBaseView::OnFindNext(WPARAM wParam, LPARAM lParam)
{
    if (IsLabelEditing())
        return m_pLabelEdit->SendMessage(UM_FIND_NEXT, wParam, lParam);
    SearchTexts texts;
    if (!TakeSearchTexts(UM_FIND_NEXT, wParam, lParam, texts))
        return 0;
    CObject* found = GetDocument()->FindNextObject(texts.find, texts.matchCase, GetLastSelected(), TRUE);
    ShowFoundObject(found);
    return LRESULT(found);
}

LRESULT CBaseView::OnFindAll(WPARAM wParam, LPARAM lParam)
{
    EndInPlaceEditAndRefresh();
    SearchTexts texts;
    if (!TakeSearchTexts(UM_FIND_NEXT, wParam, lParam, texts))
        return 0;
    InvalidateSelection();
    ClearSelection();
    const BOOL found = GetDocument()->FindAllObjects(texts.find, texts.matchCase, this);
    if (found)
        InvalidateSelection();
    return found;
}

LRESULT CBaseView::OnReplace(WPARAM wParam, LPARAM lParam)
{
    if (RefuseReadOnlyChange())
        return 0;
    if (IsLabelEditing())
        return m_pLabelEdit->SendMessage(UM_REPLACE, wParam, lParam);
    SearchTexts texts;
    if (!TakeSearchTexts(UM_REPLACE, wParam, lParam, texts))
        return 0;
    BOOL replaced = FALSE;
    CObject* found =
        GetDocument()->ReplaceAndFindNext(texts.find, texts.replacement, texts.matchCase, GetLastSelected(), &replaced);
    ShowFoundObject(found);
    return LRESULT(found);
}

LRESULT CBaseView::OnReplaceAll(WPARAM wParam, LPARAM lParam)
{
    if (RefuseReadOnlyChange())
        return 0;
    EndInPlaceEditAndRefresh();
    SearchTexts texts;
    if (!TakeSearchTexts(UM_REPLACE, wParam, lParam, texts))
        return 0;
    return GetDocument()->ReplaceAll(texts.find, texts.replacement, texts.matchCase);
}
