// Marking an old item list against its replacement and carrying the changes into every list
// whose items point at the changed file.
#include "model/DataList.h"

namespace DataListReferences {

// Mark-word bits of an item found with another number or name.
constexpr DWORD kRenumberedOrRenamed = 0xF0;

} // namespace DataListReferences

void CDataList::AssignScratchNumbers()
{
    WORD position = 1;
    for (POSITION pos = GetHeadPosition(); pos; ++position)
        GetNext(pos)->SetScratchNumber(position);
}

void CDataList::ApplyScratchNumbers()
{
    WORD position = 1;
    for (POSITION pos = GetHeadPosition(); pos; ++position) {
        CData* item = GetNext(pos);
        item->SetScratchNumber(item->GetDataNumber());
        item->SetDataNumber(position);
    }
}

int CDataList::MarkChangesAgainst(const CDataList& newList)
{
    ClearTransientAll();
    int changed = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CData* item = GetNext(pos);
        const CData* counterpart = newList.FindDataByNumber(item->GetDataNumber());
        if (!counterpart) {
            item->SetMarks(CData::MARK_DELETED);
            ++changed;
            continue;
        }
        const DWORD bits = item->CompareData(*counterpart, TRUE);
        item->SetMarks(CData::MARK_FOUND | bits);
        item->SetScratchNumber(counterpart->GetScratchNumber());
        item->SetScratchName(counterpart->GetName());
        changed += bits != 0 ? 1 : 0;
    }
    return changed;
}

int CDataList::MarkChangesByName(const CDataList& newList)
{
    ClearTransientAll();
    int changed = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CData* item = GetNext(pos);
        const CData* counterpart = newList.FindDataByName(item->GetName());
        if (!counterpart) {
            item->SetMarks(CData::MARK_DELETED);
            ++changed;
            continue;
        }
        item->SetScratchNumber(counterpart->GetDataNumber());
        const bool renumbered = counterpart->GetDataNumber() != item->GetDataNumber();
        item->SetMarks(renumbered ? CData::MARK_RENUMBERED : CData::MARK_FOUND);
        changed += renumbered ? 1 : 0;
    }
    return changed;
}

int CDataList::PropagateChanges(WORD ownFileId, WORD fileId, const CDataList& marked, BOOL clearFirst)
{
    if (clearFirst)
        ClearUpdateMarksAll();
    int changed = 0;
    for (POSITION pos = marked.GetHeadPosition(); pos;) {
        const CData* old = marked.GetNext(pos);
        const DWORD marks = old->GetMarks();
        BOOL any = FALSE;
        if ((marks & CData::MARK_FOUND) && (marks & DataListReferences::kRenumberedOrRenamed))
            any = RenumberAndRenameAll(ownFileId, fileId, old->GetDataNumber(), old->GetScratchNumber(),
                                       old->GetScratchName());
        else if (marks == CData::MARK_DELETED)
            any = RemoveReferencesToAll(ownFileId, fileId, old->GetDataNumber(), old->GetName());
        changed += any ? 1 : 0;
    }
    ClearUpdateMarksAll();
    return changed;
}

int CDataList::PropagateRenumbering(WORD ownFileId, WORD fileId, const CDataList& marked)
{
    ClearUpdateMarksAll();
    int changed = 0;
    for (POSITION pos = marked.GetHeadPosition(); pos;) {
        const CData* old = marked.GetNext(pos);
        BOOL any = FALSE;
        if (old->GetMarks() >= CData::MARK_RENUMBERED)
            any =
                RenumberReferencesAll(ownFileId, fileId, old->GetDataNumber(), old->GetName(), old->GetScratchNumber());
        else if (old->GetMarks() == CData::MARK_DELETED)
            any = RemoveReferencesToAll(ownFileId, fileId, old->GetDataNumber(), old->GetName());
        changed += any ? 1 : 0;
    }
    ClearUpdateMarksAll();
    return changed;
}

BOOL CDataList::RemoveReferencesToAll(WORD ownFileId, WORD fileId, WORD number, const CString& name)
{
    BOOL changed = FALSE;
    for (POSITION pos = GetHeadPosition(); pos;)
        changed |= GetNext(pos)->RemoveReferencesTo(ownFileId, fileId, number, name);
    return changed;
}

BOOL CDataList::RenumberReferencesAll(WORD ownFileId, WORD fileId, WORD oldNumber, const CString& oldName,
                                      WORD newNumber)
{
    BOOL changed = FALSE;
    for (POSITION pos = GetHeadPosition(); pos;)
        changed |= GetNext(pos)->RenumberReferences(ownFileId, fileId, oldNumber, oldName, newNumber);
    return changed;
}

BOOL CDataList::RenumberAndRenameAll(WORD ownFileId, WORD fileId, WORD oldNumber, WORD newNumber,
                                     const CString& newName)
{
    BOOL changed = FALSE;
    for (POSITION pos = GetHeadPosition(); pos;)
        changed |= GetNext(pos)->RenumberAndRenameReferences(ownFileId, fileId, oldNumber, newNumber, newName);
    return changed;
}

int CDataList::ResolveWithinListAll(WORD ownFileId)
{
    ClearUpdateMarksAll();
    int changed = 0;
    for (POSITION pos = GetHeadPosition(); pos;)
        changed += GetNext(pos)->ResolveWithinList(ownFileId, *this) ? 1 : 0;
    ClearUpdateMarksAll();
    return changed;
}

BOOL CDataList::CopyDefinitionsFrom(const CDataList& markedOld)
{
    for (POSITION pos = markedOld.GetHeadPosition(); pos;) {
        const CData* old = markedOld.GetNext(pos);
        if (!(old->GetMarks() & CData::MARK_FOUND))
            continue;
        CData* counterpart = FindDataByNumber(old->GetScratchNumber());
        if (counterpart && !counterpart->CopyDefinitionFrom(*old))
            return FALSE;
    }
    return TRUE;
}

int CDataList::ConvertForOtherDiagram(const DiagramFiles& diagram, WORD oldOwnId, WORD newOwnId)
{
    int changed = 0;
    for (POSITION pos = GetHeadPosition(); pos;)
        changed += GetNext(pos)->ConvertForOtherDiagram(diagram, oldOwnId, newOwnId) ? 1 : 0;
    return changed;
}
