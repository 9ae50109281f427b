// The application's settings cache: reads load a setting from the profile once, writes only change
// the cached value, and every changed item is written back when the store is emptied or destroyed.
#pragma once

#include "foundation/ListElements.h"
#include "foundation/RegItemObj.h"

class CRegManList : public OwnedPtrList<CRegItemObj>
{
public:
    // Deletes every item (writing back the changed ones) and empties the cache; later reads load
    // fresh from the profile.
    void DeleteAllItems();

    // The first item for section and entry (case-sensitive), or null.
    CRegItemObj* FindRegItemObj(const char* section, const char* entry) const;
    // Appends the item. On failure the item is deleted, the user told, and FALSE returned.
    BOOL AddRegItemObjDirect(CRegItemObj* item);

    // The cached value; a setting not cached yet is loaded (default when the profile has none).
    // -1 (or an empty string) when it cannot be cached.
    int GetRegInt(const char* section, const char* entry, int defaultValue, WORD flags);
    CString& GetRegString(CString& out, const char* section, const char* entry, const char* defaultValue, WORD flags);
    // Changes the cached value (a new setting is cached as changed); FALSE when it cannot be cached.
    BOOL SetRegInt(const char* section, const char* entry, int value, WORD flags);
    BOOL SetRegString(const char* section, const char* entry, const char* value, WORD flags);
};
