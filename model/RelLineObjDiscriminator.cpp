// The discriminator of a subtype arrow names a data item of a conceptual file by number; when that
// file's items are renumbered, renamed or deleted, the arrow follows.
#include "model/RelLineObj.h"

#include "model/DataList.h"

namespace RelLineObjDiscriminator {

// Mark-word bits of an old item whose number or name changed.
constexpr DWORD kNumberOrNameChanged = 0xF0;

} // namespace RelLineObjDiscriminator

BOOL CRelLineObj::UpdateDiscriminatorAfterItemEdit(WORD fileId, const CDataList& marked)
{
    if ((m_dwPassMarks & PASS_DISCRIMINATOR_RENUMBERED) || !IsDiscriminatorFile(fileId) || m_wDiscriminatorItem == 0)
        return FALSE;
    const CData* old = marked.FindDataByNumber(m_wDiscriminatorItem);
    if (!old)
        return FALSE;
    const DWORD marks = old->GetMarks();
    if ((marks & CData::MARK_FOUND) && (marks & RelLineObjDiscriminator::kNumberOrNameChanged)) {
        if (old->GetScratchNumber() == m_wDiscriminatorItem)
            return FALSE;
        m_wDiscriminatorItem = old->GetScratchNumber();
    } else if (marks == CData::MARK_DELETED) {
        m_wDiscriminatorItem = 0;
        m_itemName.SetText(CString());
    } else {
        return FALSE;
    }
    m_dwPassMarks |= PASS_DISCRIMINATOR_RENUMBERED;
    return TRUE;
}

BOOL CRelLineObj::RenumberDiscriminator(WORD fileId, const CDataList& /*oldList*/, const CDataList& newList,
                                        BOOL startOfPass)
{
    if (startOfPass)
        m_dwPassMarks &= ~PASS_DISCRIMINATOR_RENUMBERED;
    else if (m_dwPassMarks & PASS_DISCRIMINATOR_RENUMBERED)
        return FALSE;
    if (!IsDiscriminatorFile(fileId) || m_wDiscriminatorItem == 0)
        return FALSE;
    BOOL changed = FALSE;
    if (const CData* item = newList.FindDataByNumber(m_wDiscriminatorItem)) {
        if (item->GetScratchNumber() != m_wDiscriminatorItem) {
            m_wDiscriminatorItem = item->GetScratchNumber();
            changed = TRUE;
        }
        if (item->GetName() != m_itemName.GetText()) {
            m_itemName.SetText(item->GetName());
            changed = TRUE;
        }
    } else {
        m_wDiscriminatorItem = 0;
        m_itemName.SetText(CString());
        changed = TRUE;
    }
    if (changed && !startOfPass)
        m_dwPassMarks |= PASS_DISCRIMINATOR_RENUMBERED;
    return changed;
}
