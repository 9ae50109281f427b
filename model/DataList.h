// The data items of one conceptual file in display order. The list owns its items and knows the
// file's key structure: key groups (the smallest group is the primary key, the others alternate
// keys), the two-level hierarchy of parent and child items, the standard order items must stand
// in, the key codes that follow from group membership and the rules a parent must obey. Positions
// are 0-based; item numbers are 1-based once the list is installed.
#pragma once

#include "foundation/ListElements.h"
#include "model/Data.h"

class CComboBox;
class CNotationSymbols;
class DataTypeLookup;
class DiagramFiles;

// A working list that only collects pointers to items of some CDataList; it deletes nothing.
using CDataPtrList = CTypedPtrList<CObList, CData*>;

class CDataList : public OwnedPtrList<CData>
{
    DECLARE_SERIAL(CDataList)
public:
    // InsertAfterData positions: -1 appends, kInsertAtHead adds at the head.
    static constexpr int kInsertAtHead = 32767;

    CDataList() = default;
    CDataList(const CDataList&) = delete;
    CDataList& operator=(const CDataList&) = delete;

    // The count, then each item as an object; a load appends items of its own only.
    void Serialize(CArchive& ar) override;

    // --- Adding, inserting, moving --------------------------------------------------------------
    // These take the item over; on failure they tell the user and delete the item: FALSE / -1.
    BOOL AddDataDirect(CData* item);
    BOOL AddDataDirectHead(CData* item);
    // After the item at the index; -1 appends, kInsertAtHead adds at the head, an index past the
    // end appends. The item's new index.
    int InsertAfterData(CData* item, int index);
    // Puts the item at from just before the item at to (last when to is past the end): its new
    // index, or -1 when from equals to, no item stands at from or the move failed.
    int MoveDataItemPosByIndex(int from, int to);
    CData* GetDataAt(int index) const { return GetElementAtIndex(*this, index); }
    void DeleteAll() { DeleteAllElements(*this); }

    // --- Lookups --------------------------------------------------------------------------------
    CData* FindDataByNumber(WORD number) const;
    int FindDataIndexByNumber(WORD number) const;
    CData* FindDataByName(const CString& name) const;
    int FindEmptyNameIndex() const;
    // The first non-key item with the same name, key code, RKEY code and derivation code.
    CData* FindSameNonKeyItem(const CData& item) const;
    // The index of the first item whose name comes again later, with both items; -1 when all differ.
    int FindDuplicateName(CData*& first, CData*& second) const;
    // The item just before the item of that number; null when that one is first or absent.
    CData* FindPreviousItem(WORD number) const;
    BOOL HasAnyNumberText() const;
    // Empties every number text; TRUE when one was set.
    BOOL ClearNumberTexts();
    int CountChildrenOf(WORD number) const;
    BOOL HasChildOf(WORD number) const { return CountChildrenOf(number) > 0; }

    // --- Copying --------------------------------------------------------------------------------
    BOOL AppendCopyOf(const CData& item);
    // Appends a copy of each item of the other list: the number copied, or -1 with this list
    // emptied when one could not be appended.
    int CopyDataFrom(const CDataList& other);
    // Empties this list, then copies.
    int AssignDataFrom(const CDataList& other);

    // --- Key groups -----------------------------------------------------------------------------
    WORD GetMaxKeyGroup() const;
    // The smallest key group among the key items; 0 without key items.
    WORD GetPrimaryKeyGroup() const;
    // The key group of the nearest key item before the item of that number; 1 when there is none.
    WORD GetKeyGroupAbove(WORD number) const;
    // The key items of the group at that level; at a child level only the children of the parent
    // (and none for parent 0).
    int CountKeyItems(WORD group, WORD level, WORD parent) const;
    // Appends the key items of the group: their count, or -1 with the out list emptied.
    int CollectKeyGroup(WORD group, CDataPtrList& out) const;
    // 1 when some key group 1, 2, ... has the same set of top-level names as the other list's
    // top-level items; 0 at the first group without key items; -1 on failure.
    int HasMatchingKeyGroup(const CDataPtrList& other) const;
    BOOL HasNonRkeyKeyItem() const;
    BOOL HasRkeyInGroupOne() const;
    // Physical target flags: every key item off; the top-level key items of group 1 on; every
    // top-level item on and every child item off. Each returns how many items it set (the last:
    // how many changed).
    int ClearKeyPhysicalTargets();
    int SetPrimaryPhysicalTargets();
    int ResetPhysicalTargetsByLevel();

    // --- Standard order and key codes -----------------------------------------------------------
    // Per key group from 1 up: its top-level items each followed by its children, then its other
    // items; then the top-level non-key items each followed by its children; then the rest.
    BOOL BuildStandardOrder(CDataPtrList& out);
    BOOL IsOrderChanged();
    // Puts the items into the standard order; FALSE, with the list as it was, on failure.
    BOOL SortToStandardOrder();
    // The children of the item of that number join its key group as key items: their number, 0
    // without children, -1 without such an item.
    int MakeChildrenKeys(WORD number);
    // Recomputes the key codes of the other key items of that group and level: how many changed.
    int UpdateGroupKeyCodes(WORD group, WORD level, WORD parent);
    BOOL RecomputeKeyCodes();

    // --- Checks ---------------------------------------------------------------------------------
    // The index of the first item that breaks a parent rule (message set), or -1.
    int CheckParentRules(CString& message) const;
    // The index of the first item that refers to itself, with the bits ORed into bits and the
    // index of the offending source (-1 when it is not a source); -1 when none does.
    int FindSelfReference(WORD ownFileId, DWORD& bits, int& sourceIndex) const;
    BOOL AnyItemRefersToFile(WORD ownFileId, WORD fileId) const;

    // --- RKEY candidates ------------------------------------------------------------------------
    BOOL AnyRkeyCandidate(const CData& keyItem, BOOL overwrite) const;
    int SetRkeyReferences(WORD fileId, const CData& keyItem, BOOL overwrite);
    int SetRkeyReferencesToOtherDiagram(WORD fileId, const CString& fileName, const CData& keyItem,
                                        const CRefDoc& refDoc, BOOL overwrite);

    // --- Merge, combos, names and column names --------------------------------------------------
    // Inserts copies of the other list's items as a new key group after the leading key items:
    // their number, or -1 when one could not be inserted.
    int MergeAsKeyGroup(const CDataList& other);
    // Fills the combo with the item names (only key items when asked), each carrying its number,
    // after a "(指定しない)" row carrying 0 when asked: the number of items visited; 0 or -1 after a
    // message when a row could not be added.
    int FillDataItemCombo(CComboBox* combo, BOOL keyItemsOnly, BOOL withNone) const;
    // Items whose name contains the text; without case sensitivity the name is upper-cased first
    // (the caller passes the text upper-cased).
    int CountNameMatches(const CString& text, BOOL matchCase) const;
    int ReplaceInDataNames(const CString& find, const CString& replacement, BOOL matchCase);
    int CountColumnNameTargets(DWORD option) const;
    int CreateColumnNames(DWORD option, const DataTypeLookup& types);
    void ClearTransientAll();
    void ClearUpdateMarksAll();

    // --- Keeping references right when a file's list is replaced --------------------------------
    // Scratch number = the item's 1-based position.
    void AssignScratchNumbers();
    // Number = the 1-based position; scratch number = the old number.
    void ApplyScratchNumbers();
    // Marks this old list against the new one by number: MARK_FOUND with the change bits (scratch
    // number and name of the counterpart), or MARK_DELETED. The number of items changed or gone.
    int MarkChangesAgainst(const CDataList& newList);
    // The same by name: MARK_FOUND, MARK_RENUMBERED when the number changed, or MARK_DELETED.
    int MarkChangesByName(const CDataList& newList);
    // Makes this list (of file ownFileId) follow the marked old list of file fileId, renumbering
    // and renaming by number: how many marked items changed something here.
    int PropagateChanges(WORD ownFileId, WORD fileId, const CDataList& marked, BOOL clearFirst);
    // The same after a list was marked by name, renumbering by number or name.
    int PropagateRenumbering(WORD ownFileId, WORD fileId, const CDataList& marked);
    BOOL RemoveReferencesToAll(WORD ownFileId, WORD fileId, WORD number, const CString& name);
    BOOL RenumberReferencesAll(WORD ownFileId, WORD fileId, WORD oldNumber, const CString& oldName, WORD newNumber);
    BOOL RenumberAndRenameAll(WORD ownFileId, WORD fileId, WORD oldNumber, WORD newNumber, const CString& newName);
    // Resolves every item's pointers into its own file through this new list's scratch numbers,
    // with the update marks cleared before and after: how many items changed.
    int ResolveWithinListAll(WORD ownFileId);
    // Each item of this new list that replaces an item of the marked old list takes its
    // definition. FALSE when one copy failed.
    BOOL CopyDefinitionsFrom(const CDataList& markedOld);
    // Re-anchors every item for use next to the diagram: how many changed.
    int ConvertForOtherDiagram(const DiagramFiles& diagram, WORD oldOwnId, WORD newOwnId);

    // --- Item texts ----------------------------------------------------------------------------
    // The key text and the data text of the items, in the notation of the symbols or, with a bit
    // of 0xFF0000 in the options, one item a line with names, types and marks. FALSE, with both
    // texts unchanged, when the items are not in the standard order.
    BOOL BuildItemTexts(CString& keyText, CString& dataText, CNotationSymbols& symbols, DWORD options);

private:
    // Appends the item to the order, marked placed, followed by its unplaced children.
    void PlaceWithChildren(CData* item, CDataPtrList& out);
};
