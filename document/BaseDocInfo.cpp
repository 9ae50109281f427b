// The document-information command: the dialog edits the header information, and what changed is
// stored without stamping a new updated date, so that a date the user typed stays.
#include "document/BaseDoc.h"

#include "document/DocInfoDlg.h"

void CBaseDoc::OnDocumentInfo()
{
    EndInPlaceEditInViews();
    CDocInfoDlg dialog(this);
    if (dialog.DoModal() != IDOK || !dialog.m_bChanged)
        return;
    const DWORD mask = dialog.m_dwChangeMask;
    BOOL stored = FALSE;
    // A field the user may have touched is stored when it differs.
    const auto store = [&](DWORD bits, auto& field, const auto& value) {
        if ((mask & bits) && field != value) {
            field = value;
            stored = TRUE;
        }
    };
    store(CDocInfoDlg::kAuthor, m_strAuthor, dialog.m_strAuthor);
    store(CDocInfoDlg::kUpdater, m_strUpdater, dialog.m_strUpdater);
    store(CDocInfoDlg::kTitle, m_strTitle, dialog.m_strTitle);
    store(CDocInfoDlg::kRemarks, m_strRemarks, dialog.m_strRemarks);
    store(CDocInfoDlg::kCreatedDate | CDocInfoDlg::kCreatedTime, m_timeCreated, dialog.GetCreatedFromFields());
    store(CDocInfoDlg::kUpdatedDate | CDocInfoDlg::kUpdatedTime, m_timeUpdated, dialog.GetUpdatedFromFields());
    if (!stored)
        return;
    // The header objects show the fields as they now stand; an unchanged text stays as it is.
    UpdateAuthorItemText();
    UpdateUpdaterItemText();
    UpdateTitleItemText();
    UpdateRemarksItemText();
    UpdateCreatedDateItemText();
    UpdateUpdatedDateItemText();
    SetModifiedFlag(TRUE);
    RefreshAllHeaderItems();
}
