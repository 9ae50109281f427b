// The colour palette: 16 named colours in menu order, ordinary colours first and a block of
// recent-colour slots at the end. Indexes are 0-based list positions; -1 means none.
#pragma once

#include "foundation/ColorItem.h"
#include "foundation/ListElements.h"

class CCmdUI;
class CStdioFile;

class CColorItemList : public OwnedPtrList<CColorItem>
{
public:
    // Adding and inserting take the item over; on failure they delete it, tell the user and
    // return their failure value with the list as it was.
    BOOL AddColorItemDirect(CColorItem* item);
    BOOL AddColorItemDirectHead(CColorItem* item);
    // Inserts before the item at index and returns index; an index with no item inserts at the head (0).
    int InsertBeforeColorItemByPos(CColorItem* item, int index);
    // Puts the item at from just before the item at to (last when there is none); its new index.
    int MoveColorItemPosByIndex(int from, int to);
    BOOL RemoveColorItemAt(int index);

    CColorItem* FindColorItemById(WORD id) const;
    int FindColorIndex(COLORREF color) const;
    int FindColorIndexFrom(int start, COLORREF color) const;
    // Sets every id to its 1-based position; returns the count.
    int RenumberColorItemIds();

    // Flags the items from index on as recent colours and clears the others (-1 clears all).
    int SetRecentColorFrom(int index);
    int GetFirstRecentColorIndex() const;
    // The first recent slot not named as one, and the first ordinary item named as one.
    int FindMisnamedRecentColor() const;
    int FindOrdinaryNamedRecent() const;
    // Names every recent slot as one; the block's first index.
    int ResetRecentColorNames();

    BOOL AddColorItemCopy(const CColorItem* item);
    // Appends copies of other's items: their number, or -1 with this list emptied.
    int AppendColorItemCopies(const CColorItemList& other);
    int CopyColorItemList(const CColorItemList& other);
    // Replaces the content by the 16 default colours: 16, or -1 after a message.
    int CreateDefaultColorItems();

    // The palette in the profile: the count read (0 when none is stored, -1 when an item could not
    // be added), and TRUE when every item was written.
    int ReadColorItemsFromReg();
    BOOL WriteColorItemsToReg() const;

    // The palette as a CSV text file: the number of item lines written or items appended, or -1
    // after the user has been told why.
    int ExportColorItemsCsv(CStdioFile& file) const;
    int ImportColorItemsCsv(CStdioFile& file);

    // Puts the colour at the head of the recent block; that head's index, or -1.
    int InsertColorMRU(COLORREF color);
    // Runs the colour dialog; TRUE and the colour (now the newest recent colour) when confirmed.
    BOOL SelectColorByDialog(COLORREF initial, COLORREF& color);
    // The colour of a colour-menu command: base + i picks item i, other runs the dialog.
    BOOL SelectColorByCommandId(UINT id, UINT baseId, UINT otherId, COLORREF initial, COLORREF& color);
    // Checks the entry of a colour menu that stands for the colour (other when none does).
    void UpdateColorMenuCheck(CCmdUI* cmdUI, COLORREF color, UINT baseId, UINT otherId) const;
};
