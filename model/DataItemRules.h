// What the data items dialog does to its working list, without any widget: the key, key-group,
// RKEY, child-level and parent rules of one item, inserting, deleting, arranging and moving items,
// the texts of the list's rows and the checks OK makes before the list may replace the file's.
// The dialog binds its controls to these and redraws what they changed.
#pragma once

#include "platform/afx/String.h"

#include <functional>

class CData;
class CDataList;

class DataItemRules
{
public:
    // Where the dialog puts the focus after a refused OK.
    enum class Focus { None, Name, Parent, ReferencedItem, Sources };
    struct Refusal
    {
        CString message;
        int row = -1; // -1: no row is selected
        Focus focus = Focus::None;
    };
    // The outcome of choosing a parent item.
    enum class ParentChoice { Unchanged, Refused, StoredWithFinding, Stored };

    // Looks up the name of an item of another file (empty when there is none).
    using ItemNameLookup = std::function<CString(WORD fileId, WORD itemNumber)>;

    // ownFileId: the edited file; keyStaysOffPhysical: the file has a parent file into which its
    // physical implementation is merged (its key items are no physical targets).
    DataItemRules(CDataList& working, WORD ownFileId, BOOL keyStaysOffPhysical, ItemNameLookup otherFiles = {});

    CDataList& List() { return m_list; }
    int GetInitialCount() const { return m_nInitialCount; }
    int GetInsertCount() const { return m_nInserted; }

    // The row's cell of that column; singleRow: an empty name shows as "未指定" (a single row's
    // redraw does that, a full refill does not).
    static CString CellText(const CData& item, int row, int column, BOOL singleRow);
    static constexpr int kColumnCount = 11;
    // The column titles and the widths of the list's columns for a list window W wide.
    static CString ColumnTitle(int column);
    static int ColumnWidth(int column, int listWidth);

    // Each returns TRUE when something changed (the caller redraws the list).
    BOOL SetKey(CData& item, BOOL on);
    BOOL SetKeyGroup(CData& item, int group);
    BOOL SetRkey(CData& item, BOOL on);
    BOOL SetChildLevel(CData& item, BOOL on);
    // The parent item of that number (0: none); message holds what the user is shown.
    ParentChoice SetParent(CData& item, WORD parent, CString& message);
    // The referenced file and item (0: none). FALSE, with the message, when the item would refer
    // to itself.
    BOOL ApplyReference(CData& item, WORD fileId, WORD itemNumber, CString& message);

    // A new item after the row (-1: at the end): its index, or -1 when it could not be inserted.
    int Insert(int currentRow);
    // Deletes the item at the row and cleans what pointed to it: the row to select next, -1
    // when the list is empty or no item was there.
    int Delete(int row);
    BOOL Arrange();
    // Moves the item at from to just before the item at to: its new index, or -1.
    int Move(int from, int to);

    // The checks of OK in their order; TRUE (key codes recomputed) when the list may be applied.
    BOOL CheckForOK(Refusal& refusal);

private:
    // The scope argument CDataList's group functions take for the item.
    static WORD ScopeOf(const CData& item);
    void ClearChildKeys(WORD number);

    CDataList& m_list;
    WORD m_wOwnFileId;
    BOOL m_bKeyStaysOffPhysical;
    ItemNameLookup m_otherFiles;
    int m_nInitialCount;
    int m_nInserted = 0;
};
