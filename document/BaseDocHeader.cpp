// The header information of CBaseDoc shown as objects in the drawing: the rows the user switches
// on and off, the objects they create, and keeping the objects' texts and the document's fields
// in step.
#include "document/BaseDoc.h"

#include "document/HeaderItems.h"
#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "foundation/TextFunctions.h"
#include "objects/StrgObj.h"

#include "platform/ui/CmdUI.h"

#include <array>
#include <new>

struct CBaseDoc::HeaderRow
{
    UINT commandId;
    WORD valueId;
    WORD labelId; // 0 for a row of one object
    WORD CBaseDoc::*valueField;
    WORD CBaseDoc::*labelField;
    DWORD CBaseDoc::*shownField;
};

std::span<const CBaseDoc::HeaderRow> CBaseDoc::GetHeaderRows()
{
    // In the order of the menu; within a row the value comes before its label.
    static const std::array<HeaderRow, 6> rows{{
        {ID_HEADER_TITLE, HEADER_TITLE_ID, 0, &CBaseDoc::m_wTitleItemId, nullptr, &CBaseDoc::m_bTitleShown},
        {ID_HEADER_AUTHOR, HEADER_AUTHOR_ID, HEADER_AUTHOR_LABEL_ID, &CBaseDoc::m_wAuthorValueId,
         &CBaseDoc::m_wAuthorLabelId, &CBaseDoc::m_bAuthorShown},
        {ID_HEADER_UPDATER, HEADER_UPDATER_ID, HEADER_UPDATER_LABEL_ID, &CBaseDoc::m_wUpdaterValueId,
         &CBaseDoc::m_wUpdaterLabelId, &CBaseDoc::m_bUpdaterShown},
        {ID_HEADER_CREATED, HEADER_CREATED_ID, HEADER_CREATED_LABEL_ID, &CBaseDoc::m_wCreatedValueId,
         &CBaseDoc::m_wCreatedLabelId, &CBaseDoc::m_bCreatedShown},
        {ID_HEADER_UPDATED, HEADER_UPDATED_ID, HEADER_UPDATED_LABEL_ID, &CBaseDoc::m_wUpdatedValueId,
         &CBaseDoc::m_wUpdatedLabelId, &CBaseDoc::m_bUpdatedShown},
        {ID_HEADER_REMARKS, HEADER_REMARKS_ID, 0, &CBaseDoc::m_wRemarksItemId, nullptr, &CBaseDoc::m_bRemarksShown},
    }};
    return rows;
}

const CBaseDoc::HeaderRow* CBaseDoc::FindHeaderRowById(WORD id)
{
    for (const HeaderRow& row : GetHeaderRows())
        if (row.valueId == id || (row.labelId != 0 && row.labelId == id))
            return &row;
    return nullptr;
}

const CBaseDoc::HeaderRow& CBaseDoc::GetHeaderRow(UINT commandId)
{
    return GetHeaderRows()[commandId - ID_HEADER_TITLE];
}

// --- Queries ----------------------------------------------------------------------------------

BOOL CBaseDoc::IsHeaderItemShown(WORD id) const
{
    if (!IsHeaderItemId(id))
        return TRUE;
    if (m_wHeaderStyle == 1)
        return FALSE;
    const HeaderRow* row = FindHeaderRowById(id);
    if (!row)
        return FALSE;
    const WORD field = id == row->valueId ? this->*row->valueField : this->*row->labelField;
    return field != 0 && this->*row->shownField != 0;
}

BOOL CBaseDoc::IsHeaderRowShown(const HeaderRow& row) const
{
    return IsHeaderItemShown(row.valueId) || (row.labelId != 0 && IsHeaderItemShown(row.labelId));
}

BOOL CBaseDoc::IsDocInfoHeaderItem(WORD id)
{
    return id == HEADER_TITLE_ID || id == HEADER_AUTHOR_ID || id == HEADER_UPDATER_ID || id == HEADER_REMARKS_ID;
}

BOOL CBaseDoc::HasNoHeaderRowObjects(const HeaderRow& row) const
{
    return this->*row.valueField == 0 && (row.labelId == 0 || this->*row.labelField == 0);
}

CString CBaseDoc::GetHeaderItemText(WORD id) const
{
    const HeaderItemLayout* layout = FindHeaderItemLayout(id);
    if (layout && layout->labelText)
        return CString(layout->labelText);
    switch (id) {
    case HEADER_TITLE_ID: return m_strTitle;
    case HEADER_AUTHOR_ID: return m_strAuthor;
    case HEADER_UPDATER_ID: return m_strUpdater;
    case HEADER_CREATED_ID: return FormatCreatedDate();
    case HEADER_UPDATED_ID: return FormatUpdatedDate();
    case HEADER_REMARKS_ID: return m_strRemarks;
    default: return CString();
    }
}

// --- Fields and objects in step ---------------------------------------------------------------

BOOL CBaseDoc::StoreHeaderText(WORD id, const CString& text)
{
    // An edit in the drawing may store less than the document-information dialog.
    CString* field = nullptr;
    int maxBytes = 0;
    switch (id) {
    case HEADER_TITLE_ID: field = &m_strTitle, maxBytes = 100; break;
    case HEADER_AUTHOR_ID: field = &m_strAuthor, maxBytes = 20; break;
    case HEADER_UPDATER_ID: field = &m_strUpdater, maxBytes = 20; break;
    case HEADER_REMARKS_ID: field = &m_strRemarks, maxBytes = 200; break;
    default: return FALSE;
    }
    CString cut;
    MbcsLeftBytes(cut, text, maxBytes);
    *field = cut;
    if (cut != text)
        SetHeaderObjectText(id, cut);
    return TRUE;
}

void CBaseDoc::SyncHeaderTextFromObject(WORD id, const CObject* object)
{
    const auto* text = dynamic_cast<const CStrgObj*>(object);
    if (text && IsDocInfoHeaderItem(id))
        StoreHeaderText(id, text->GetText());
}

BOOL CBaseDoc::SetHeaderObjectText(WORD id, const CString& text)
{
    const HeaderRow* row = FindHeaderRowById(id);
    const WORD field = !row ? 0 : id == row->valueId ? this->*row->valueField : this->*row->labelField;
    CObject* object = nullptr;
    if (field == 0 || !FindObjectById(id, object))
        return FALSE;
    auto* strg = dynamic_cast<CStrgObj*>(object);
    if (!strg || strg->GetText() == text)
        return FALSE;
    strg->SetText(text);
    return TRUE;
}

void CBaseDoc::UpdateTitleItemText()
{
    SetHeaderObjectText(HEADER_TITLE_ID, m_strTitle);
}

void CBaseDoc::UpdateAuthorItemText()
{
    SetHeaderObjectText(HEADER_AUTHOR_ID, m_strAuthor);
}

void CBaseDoc::UpdateUpdaterItemText()
{
    SetHeaderObjectText(HEADER_UPDATER_ID, m_strUpdater);
}

void CBaseDoc::UpdateRemarksItemText()
{
    SetHeaderObjectText(HEADER_REMARKS_ID, m_strRemarks);
}

void CBaseDoc::UpdateCreatedDateItemText()
{
    SetHeaderObjectText(HEADER_CREATED_ID, FormatCreatedDate());
}

BOOL CBaseDoc::UpdateUpdatedDateItemText()
{
    return SetHeaderObjectText(HEADER_UPDATED_ID, FormatUpdatedDate());
}

void CBaseDoc::RefreshHeaderItem(WORD id)
{
    CObject* object = nullptr;
    if (FindObjectById(id, object))
        UpdateObjectInViews(object);
}

void CBaseDoc::RefreshHeaderRow(const HeaderRow& row)
{
    if (this->*row.valueField != 0)
        RefreshHeaderItem(row.valueId);
    if (row.labelId != 0 && this->*row.labelField != 0)
        RefreshHeaderItem(row.labelId);
}

void CBaseDoc::RefreshAllHeaderItems()
{
    for (const HeaderRow& row : GetHeaderRows())
        RefreshHeaderRow(row);
}

void CBaseDoc::RegisterHeaderItem(WORD id)
{
    const HeaderRow* row = FindHeaderRowById(id);
    if (!row)
        return;
    this->*(id == row->valueId ? row->valueField : row->labelField) = id;
    this->*row->shownField = 1;
}

void CBaseDoc::UnregisterHeaderItem(WORD id)
{
    const HeaderRow* row = FindHeaderRowById(id);
    if (!row)
        return;
    const BOOL isValue = id == row->valueId;
    this->*(isValue ? row->valueField : row->labelField) = 0;
    // A row of two objects stays shown while one of them is left.
    if (row->labelId == 0 || this->*(isValue ? row->labelField : row->valueField) == 0)
        this->*row->shownField = 0;
}

// --- Creating the objects ---------------------------------------------------------------------

BOOL CBaseDoc::CreateHeaderObject(WORD id, WORD CBaseDoc::*field)
{
    const HeaderItemLayout* layout = FindHeaderItemLayout(id);
    CStrgObj* object = nullptr;
    try {
        object = new CStrgObj(id, layout->rect, GetHeaderItemText(id));
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    object->SetFaceName(CString(u8"ＭＳ Ｐゴシック"));
    object->SetFontHeight(layout->fontHeight);
    if (layout->centred)
        object->SetAlignCenter();
    object->SetAlignVCenter();
    object->SetDrawFrame(TRUE);
    if (!AddObject(object))
        return FALSE;
    this->*field = id;
    return TRUE;
}

BOOL CBaseDoc::CreateHeaderRow(const HeaderRow& row)
{
    const BOOL labelExists = row.labelId == 0 || this->*row.labelField != 0;
    if (labelExists && this->*row.valueField != 0)
        return TRUE;
    if (m_bReadOnly)
        return FALSE;
    if (!labelExists && !CreateHeaderObject(row.labelId, row.labelField))
        return FALSE;
    return this->*row.valueField != 0 || CreateHeaderObject(row.valueId, row.valueField);
}

BOOL CBaseDoc::CreateTitleItem()
{
    return CreateHeaderRow(GetHeaderRow(ID_HEADER_TITLE));
}

BOOL CBaseDoc::CreateAuthorItems()
{
    return CreateHeaderRow(GetHeaderRow(ID_HEADER_AUTHOR));
}

BOOL CBaseDoc::CreateUpdaterItems()
{
    return CreateHeaderRow(GetHeaderRow(ID_HEADER_UPDATER));
}

BOOL CBaseDoc::CreateCreatedDateItems()
{
    return CreateHeaderRow(GetHeaderRow(ID_HEADER_CREATED));
}

BOOL CBaseDoc::CreateUpdatedDateItems()
{
    return CreateHeaderRow(GetHeaderRow(ID_HEADER_UPDATED));
}

BOOL CBaseDoc::CreateRemarksItem()
{
    return CreateHeaderRow(GetHeaderRow(ID_HEADER_REMARKS));
}

// --- Commands ---------------------------------------------------------------------------------

BOOL CBaseDoc::CanChangeHeaderRows() const
{
    return !m_bReadOnly && m_wHeaderStyle != 1;
}

void CBaseDoc::OnHeaderRow(UINT commandId)
{
    if (!CanChangeHeaderRows())
        return;
    const HeaderRow& row = GetHeaderRow(commandId);
    DWORD& shown = this->*row.shownField;
    if (shown) {
        shown = 0;
    } else {
        // Only a row whose objects are all gone is made again; a row with one object left shows it.
        if (HasNoHeaderRowObjects(row)) {
            CUndoStep step(this);
            if (!step.IsOpen() || !CreateHeaderRow(row))
                return;
        }
        shown = 1;
    }
    RefreshHeaderRow(row);
}

void CBaseDoc::OnHeaderShowAll()
{
    if (!CanChangeHeaderRows())
        return;
    CUndoStep step(this);
    if (!step.IsOpen())
        return;
    for (const HeaderRow& row : GetHeaderRows()) {
        DWORD& shown = this->*row.shownField;
        if (shown)
            continue;
        if (HasNoHeaderRowObjects(row) && !CreateHeaderRow(row))
            return;
        shown = 1;
    }
    RefreshAllHeaderItems();
}

void CBaseDoc::OnHeaderHideAll()
{
    if (!CanChangeHeaderRows())
        return;
    for (const HeaderRow& row : GetHeaderRows())
        this->*row.shownField = 0;
    RefreshAllHeaderItems();
}

void CBaseDoc::OnUpdateHeaderShowHide(CCmdUI* cmdUI)
{
    cmdUI->Enable(HasActiveBaseView() && CanChangeHeaderRows());
}

void CBaseDoc::OnUpdateHeaderRow(CCmdUI* cmdUI)
{
    const BOOL active = HasActiveBaseView();
    cmdUI->SetCheck(active && IsHeaderRowShown(GetHeaderRow(cmdUI->m_nID)) ? 1 : 0);
    cmdUI->Enable(active && CanChangeHeaderRows());
}
