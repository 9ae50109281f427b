// The document's drawing font and its string edit options, each set through its dialog.
#include "document/BaseDoc.h"

#include "document/EditFlgDlg.h"
#include "platform/ui/FontDialog.h"

void CBaseDoc::OnDrawingFont()
{
    ChooseDrawingFont();
}

BOOL CBaseDoc::ChooseDrawingFont()
{
    if (m_bReadOnly)
        return FALSE;
    EndInPlaceEditInViews();
    CFontDialog dialog(&m_lfDrawingFont, CF_SCREENFONTS);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    m_lfDrawingFont = dialog.m_lf;
    // The font is a display setting: the updated date stays.
    SetModifiedFlag(TRUE);
    UpdateAllViews(nullptr);
    return TRUE;
}

void CBaseDoc::OnEditOptions()
{
    if (m_bReadOnly)
        return;
    EndInPlaceEditInViews();
    CEditFlgDlg dialog;
    dialog.m_dwFlags = m_dwEditFlgs;
    if (dialog.DoModal() != IDOK)
        return;
    m_dwEditFlgs = dialog.m_dwFlags;
    SetModified(TRUE);
}
