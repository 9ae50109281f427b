// The derivation sources of one data item in order. The list owns its sources.
#pragma once

#include "foundation/ListElements.h"
#include "model/DataGenSrc.h"

class CDataList;
class DiagramFiles;

class CDataGenSrcList : public OwnedPtrList<CDataGenSrc>
{
    DECLARE_SERIAL(CDataGenSrcList)
public:
    // Compare bit: the lists hold different numbers of sources.
    static constexpr DWORD DIFF_COUNT = 0x40000000;

    CDataGenSrcList() = default;
    CDataGenSrcList(const CDataGenSrcList&) = delete;
    CDataGenSrcList& operator=(const CDataGenSrcList&) = delete;

    // The count, then each source as an object; a load appends sources of its own only.
    void Serialize(CArchive& ar) override;

    // Adding, inserting and moving take the source over; on failure they tell the user and return
    // FALSE / -1 (an added or inserted source is then deleted). Inserting puts the source after the
    // one at the index (-1 or past the end appends) and returns its index.
    BOOL AddDataGenSrcDirect(CDataGenSrc* source);
    int InsertAfterDataGenSrc(CDataGenSrc* source, int index);
    int MoveDataGenSrcPosByIndex(int from, int to);
    // Removes and deletes the source at the index; FALSE when there is none.
    BOOL DeleteAt(int index);
    CDataGenSrc* GetAt(int index) const { return GetElementAtIndex(*this, index); }
    using OwnedPtrList<CDataGenSrc>::GetAt;

    BOOL AppendCopyOf(const CDataGenSrc& source);
    // Appends a copy of each source of the other list: the number copied, or -1 with this list
    // emptied when one could not be appended.
    int CopySourcesFrom(const CDataGenSrcList& other);
    // Empties this list, then copies.
    int AssignSourcesFrom(const CDataGenSrcList& other);
    void DeleteAll() { DeleteAllElements(*this); }

    // DIFF_COUNT when the counts differ, else the first nonzero compare of the sources pairwise.
    DWORD CompareSourceLists(const CDataGenSrcList& other) const;
    // The index of the first source whose source item is not given, or -1.
    int FindMissingSource() const;
    // Compacts every source: how many changed.
    int CompactAll();

    BOOL AnyUsesFile(WORD fileId) const;
    // Removes and deletes every source that uses the file; TRUE when any went.
    BOOL DeleteSourcesUsingFile(WORD fileId);
    // The first source that refers to that item (its bits ORed into bits, its index into index,
    // -1 when none).
    CDataGenSrc* FindSourceReferringTo(WORD fileId, WORD itemNumber, DWORD& bits, int& index) const;
    void ClearMarksAll();
    // After a paste marked the sources: a mark word of exactly MARK_FROZEN deletes the source,
    // exactly MARK_CLEAR_REFERENCES clears its references, exactly MARK_REF_DONE compacts them.
    // The number of sources so treated.
    int ApplyRenumberMarks();

    // --- Keeping references right (each TRUE when it changed something) ------------------------
    // Item (file, number or name) is gone: a source of it goes, a reference item to it is cleared.
    BOOL RemoveReferencesTo(WORD fileId, WORD number, const CString& name);
    // Item (file, number or name) took the new number.
    BOOL RenumberReferences(WORD fileId, WORD oldNumber, const CString& oldName, WORD newNumber);
    // Item (file, number) took the new number and name.
    BOOL RenumberAndRenameReferences(WORD fileId, WORD oldNumber, WORD newNumber, const CString& newName);
    // Pointers into the own file follow the scratch numbers of its new list; a reference item
    // whose item is gone is cleared.
    BOOL ResolveWithinList(WORD ownFileId, const CDataList& list);
    // Re-anchors the sources of an item copied out of the diagram: see CData::ConvertForOtherDiagram.
    BOOL ConvertForOtherDiagram(const DiagramFiles& diagram, WORD oldOwnId, WORD newOwnId);

private:
    // Removes and deletes the source at the position.
    void DeleteNode(POSITION at);
};
