// What the data items need of a list of SQL data types, which the physical design (a higher layer)
// owns: the application's list answers through the registered lookup, a dialog's working list
// through itself.
#pragma once

#include "foundation/ServiceSlot.h"
#include "platform/afx/String.h"

class DataTypeLookup
{
public:
    virtual ~DataTypeLookup() = default;

    // The edit kind of the type of that name that fits the size best; FALSE when no type has the name.
    virtual BOOL FindEditKindForSize(const char* name, DWORD digits, DWORD decimals, WORD& editKind) const = 0;
    // The compact type text of the type of that name and edit kind for the size; empty when there
    // is no such type.
    virtual CString FindShortTypeText(const char* name, WORD editKind, DWORD digits, DWORD decimals) const = 0;
    // The column-name prefix of the type of that name and edit kind; empty when there is no such type.
    virtual CString FindColumnPrefix(const char* name, WORD editKind) const = 0;
};

// The application's data types, or null before start-up registered them; registering returns the
// lookup it replaces.
constexpr auto GetAppDataTypes = &ServiceSlot<DataTypeLookup>::Get;
constexpr auto SetAppDataTypes = &ServiceSlot<DataTypeLookup>::Set;
