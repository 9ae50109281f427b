#include "foundation/DataItemList.h"

#include "foundation/ErrorReport.h"
#include "foundation/ListElements.h"

CDataItemList::~CDataItemList()
{
    DeleteAllElements(*this);
}

BOOL CDataItemList::AddDataItemDirect(CDataItem* item)
{
    try {
        AddTail(item);
        return TRUE;
    } catch (...) {
        delete item;
        ReportCurrentException("CDataItemList::AddDataItemDirect");
        return FALSE;
    }
}

BOOL CDataItemList::AddDataItem(const CDataItem& item)
{
    CDataItem* copy = nullptr;
    try {
        copy = new CDataItem(item);
    } catch (...) {
        ReportCurrentException("CDataItemList::AddDataItem");
        return FALSE;
    }
    return AddDataItemDirect(copy);
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
