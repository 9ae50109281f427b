#include "foundation/DataItemList.h"

#include "foundation/ListElements.h"

BOOL CDataItemList::AddDataItemDirect(CDataItem* item)
{
    return AddOwnedTail(*this, item, "CDataItemList::AddDataItemDirect");
}

BOOL CDataItemList::AddDataItem(const CDataItem& item)
{
    CDataItem* copy = NewElementCopy(item, "CDataItemList::AddDataItem");
    return copy && AddDataItemDirect(copy);
}

int CDataItemList::FindDataItemIndex(const CString& text) const
{
    int index = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++index) {
        const CDataItem* item = GetNext(pos);
        if (item && item->GetName() == text)
            return index;
    }
    return -1;
}
