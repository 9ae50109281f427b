// The rules that keep a data item's pointers right when the items of some file change.
#include "model/Data.h"

#include "model/DataList.h"
#include "model/DiagramFiles.h"

#include <utility>

BOOL CData::IsOpenReferenceTo(WORD fileId) const
{
    return fileId != 0 && !(m_dwUpdateMarks & UPDATE_REF_FROZEN) && m_wRefForm == REF_BY_IDS && m_wRefFile == fileId;
}

void CData::ClearOwnReference()
{
    m_wRefFile = 0;
    m_wRefItem = 0;
    m_strRefItemName.Empty();
    m_dwUpdateMarks |= UPDATE_REF_CLEARED;
}

BOOL CData::RemoveReferencesTo(WORD ownFileId, WORD fileId, WORD number, const CString& name)
{
    BOOL changed = m_sources.RemoveReferencesTo(fileId, number, name);
    if (!(m_dwUpdateMarks & UPDATE_PARENT_DONE) && ownFileId == fileId && m_wParent != 0 && m_wParent == number) {
        m_wParent = 0;
        SetTopLevel();
        m_dwUpdateMarks |= UPDATE_PARENT_DONE;
        changed = TRUE;
    }
    if (IsOpenReferenceTo(fileId) && !(m_dwUpdateMarks & UPDATE_REF_ITEM_DONE) &&
        ((m_wRefItem != 0 && m_wRefItem == number) ||
         (!(m_dwUpdateMarks & UPDATE_REF_NAME_DONE) && !name.IsEmpty() && m_strRefItemName == name))) {
        ClearOwnReference();
        changed = TRUE;
    }
    return changed;
}

BOOL CData::RenumberReferences(WORD ownFileId, WORD fileId, WORD oldNumber, const CString& oldName, WORD newNumber)
{
    BOOL changed = m_sources.RenumberReferences(fileId, oldNumber, oldName, newNumber);
    if (!(m_dwUpdateMarks & UPDATE_PARENT_DONE) && ownFileId == fileId && m_wParent != 0 && m_wParent == oldNumber) {
        m_wParent = newNumber;
        m_dwUpdateMarks |= UPDATE_PARENT_DONE;
        changed = TRUE;
    }
    if (IsOpenReferenceTo(fileId) && !(m_dwUpdateMarks & UPDATE_REF_ITEM_DONE) &&
        ((m_wRefItem != 0 && m_wRefItem == oldNumber) ||
         (!(m_dwUpdateMarks & UPDATE_REF_NAME_DONE) && !oldName.IsEmpty() && m_strRefItemName == oldName))) {
        m_wRefItem = newNumber;
        m_dwUpdateMarks |= UPDATE_REF_ITEM_DONE;
        changed = TRUE;
    }
    return changed;
}

BOOL CData::RenumberAndRenameReferences(WORD, WORD fileId, WORD oldNumber, WORD newNumber, const CString& newName)
{
    BOOL changed = m_sources.RenumberAndRenameReferences(fileId, oldNumber, newNumber, newName);
    if (!IsOpenReferenceTo(fileId) || (m_dwUpdateMarks & UPDATE_REF_ITEM_DONE) || m_wRefItem == 0 ||
        m_wRefItem != oldNumber)
        return changed;
    if (m_wRefItem != newNumber) {
        m_wRefItem = newNumber;
        m_dwUpdateMarks |= UPDATE_REF_ITEM_DONE;
        changed = TRUE;
    }
    if (m_strRefItemName != newName) {
        m_strRefItemName = newName;
        m_dwUpdateMarks |= UPDATE_REF_NAME_DONE;
        changed = TRUE;
    }
    return changed;
}

BOOL CData::ResolveWithinList(WORD ownFileId, const CDataList& list)
{
    BOOL changed = HasSources() && m_sources.ResolveWithinList(ownFileId, list);
    if (!(m_dwUpdateMarks & UPDATE_PARENT_DONE) && m_wParent != 0 && m_wNumber != 0) {
        const CData* parent = list.FindDataByNumber(m_wParent);
        if (!parent || parent->GetScratchNumber() != m_wParent) {
            m_wParent = parent ? parent->GetScratchNumber() : WORD(0);
            // An item whose parent is gone stands on its own, as every top-level item does.
            if (m_wParent == 0)
                SetTopLevel();
            m_dwUpdateMarks |= UPDATE_PARENT_DONE;
            changed = TRUE;
        }
    }
    if (!IsOpenReferenceTo(ownFileId))
        return changed;
    if (m_wRefItem == 0) {
        ClearOwnReference();
        return TRUE;
    }
    const CData* target = list.FindDataByNumber(m_wRefItem);
    if (!target)
        return changed;
    if (!(m_dwUpdateMarks & UPDATE_REF_ITEM_DONE) && m_wRefItem != target->GetScratchNumber()) {
        m_wRefItem = target->GetScratchNumber();
        m_dwUpdateMarks |= UPDATE_REF_ITEM_DONE;
        changed = TRUE;
    }
    if (!(m_dwUpdateMarks & UPDATE_REF_NAME_DONE) && m_strRefItemName != target->GetName()) {
        m_strRefItemName = target->GetName();
        m_dwUpdateMarks |= UPDATE_REF_NAME_DONE;
        changed = TRUE;
    }
    return changed;
}

BOOL CData::CopyDefinitionFrom(const CData& other)
{
    m_strNumberText = other.m_strNumberText;
    if (IsDerived() && other.IsDerived() && !IsBracketDerivation() && !other.IsBracketDerivation())
        m_strDerivationCode = other.m_strDerivationCode;
    m_wRefForm = other.m_wRefForm;
    m_wRefFile = other.m_wRefFile;
    m_wRefItem = other.m_wRefItem;
    m_strRefItemName = other.m_strRefItemName;
    m_strRef2FileNumber = other.m_strRef2FileNumber;
    m_strRef2FileName = other.m_strRef2FileName;
    m_strRef2ItemNumber = other.m_strRef2ItemNumber;
    m_strRef2ItemName = other.m_strRef2ItemName;
    m_wRef3Diagram = other.m_wRef3Diagram;
    m_wRef3File = other.m_wRef3File;
    m_strRef3FileName = other.m_strRef3FileName;
    m_wRef3Item = other.m_wRef3Item;
    m_strRef3ItemName = other.m_strRef3ItemName;
    m_strSummary = other.m_strSummary;
    m_strExpression = other.m_strExpression;
    m_strColumnName = other.m_strColumnName;
    m_dwDigits = other.m_dwDigits;
    m_dwDecimals = other.m_dwDecimals;
    m_strDataTypeName = other.m_strDataTypeName;
    m_wEditKind = other.m_wEditKind;
    m_wNullOption = other.m_wNullOption;
    m_strDefaultValue = other.m_strDefaultValue;
    return m_sources.AssignSourcesFrom(other.m_sources) >= 0;
}

BOOL CData::ConvertForOtherDiagram(const DiagramFiles& diagram, WORD oldOwnId, WORD newOwnId)
{
    BOOL changed = FALSE;
    if (m_wRefForm == REF_BY_IDS && m_wRefFile != 0) {
        if (m_wRefFile == oldOwnId) {
            m_wRefFile = newOwnId;
            changed = oldOwnId != newOwnId;
        } else {
            CString fileName;
            if (!diagram.FindFileName(m_wRefFile, fileName))
                return FALSE;
            m_wRefForm = REF_IN_DIAGRAM;
            m_wRef3Diagram = diagram.GetDiagramNumber();
            m_wRef3File = std::exchange(m_wRefFile, 0);
            m_strRef3FileName = fileName;
            m_wRef3Item = std::exchange(m_wRefItem, 0);
            m_strRef3ItemName = std::exchange(m_strRefItemName, CString());
            changed = TRUE;
        }
    } else if (m_wRefForm == REF_IN_DIAGRAM) {
        // A pointer into a third diagram cannot be carried over.
        ResetReference();
        changed = TRUE;
    }
    return m_sources.ConvertForOtherDiagram(diagram, oldOwnId, newOwnId) || changed;
}

BOOL CData::DetachFromFile(WORD ownFileId, WORD fileId)
{
    BOOL changed = m_sources.DeleteSourcesUsingFile(fileId);
    if (!(m_dwUpdateMarks & UPDATE_PARENT_DONE) && m_wParent != 0 && ownFileId == fileId) {
        m_wParent = 0; // the caller gives the item its new parent, or its level
        m_dwUpdateMarks |= UPDATE_PARENT_DETACHED;
        changed = TRUE;
    }
    if (IsOpenReferenceTo(fileId)) {
        ClearOwnReference();
        changed = TRUE;
    }
    return changed;
}
