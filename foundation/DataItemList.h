// An owning list of CDataItem names: destroying the list deletes every entry.
#pragma once

#include "foundation/DataItem.h"
#include "foundation/ListElements.h"

class CDataItemList : public OwnedPtrList<CDataItem>
{
public:
    // Appends the entry, which the list then owns; TRUE. On a failure the entry is deleted, the
    // user is told and the result is FALSE.
    BOOL AddDataItemDirect(CDataItem* item);
    // Appends a copy of the entry.
    BOOL AddDataItem(const CDataItem& item);
    // The zero-based index of the first entry whose name equals the text byte for byte, or -1.
    int FindDataItemIndex(const CString& text) const;
};
