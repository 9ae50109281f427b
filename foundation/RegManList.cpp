#include "foundation/RegManList.h"

#include "foundation/ListElements.h"

void CRegManList::DeleteAllItems()
{
    DeleteAllElements(*this);
}

CRegItemObj* CRegManList::FindRegItemObj(const char* section, const char* entry) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        CRegItemObj* item = GetNext(pos);
        if (item && item->Match(section, entry))
            return item;
    }
    return nullptr;
}

BOOL CRegManList::AddRegItemObjDirect(CRegItemObj* item)
{
    return AddOwnedTail(*this, item, "CRegManList::AddRegItemObjDirect");
}

int CRegManList::GetRegInt(const char* section, const char* entry, int defaultValue, WORD flags)
{
    if (const CRegItemObj* found = FindRegItemObj(section, entry))
        return found->GetIntValue();
    CRegItemObj* item = new CRegItemObj(section, entry, defaultValue, flags);
    return AddRegItemObjDirect(item) ? item->GetIntValue() : -1;
}

CString& CRegManList::GetRegString(CString& out, const char* section, const char* entry, const char* defaultValue,
                                   WORD flags)
{
    if (const CRegItemObj* found = FindRegItemObj(section, entry)) {
        out = found->GetStringValue();
        return out;
    }
    CRegItemObj* item = new CRegItemObj(section, entry, defaultValue, flags);
    out = AddRegItemObjDirect(item) ? item->GetStringValue() : CString();
    return out;
}

BOOL CRegManList::SetRegInt(const char* section, const char* entry, int value, WORD flags)
{
    if (CRegItemObj* found = FindRegItemObj(section, entry)) {
        found->SetIntValue(value);
        return TRUE;
    }
    CRegItemObj* item = new CRegItemObj(section, entry, value, WORD(flags | REGITEM_NO_LOAD));
    item->SetModified(TRUE);
    return AddRegItemObjDirect(item);
}

BOOL CRegManList::SetRegString(const char* section, const char* entry, const char* value, WORD flags)
{
    if (CRegItemObj* found = FindRegItemObj(section, entry)) {
        found->SetStringValue(value);
        return TRUE;
    }
    CRegItemObj* item = new CRegItemObj(section, entry, value, WORD(flags | REGITEM_NO_LOAD));
    item->SetModified(TRUE);
    return AddRegItemObjDirect(item);
}
