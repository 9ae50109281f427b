// A stand-in for the application's SQL data types, registered while it lives.
#pragma once

#include "model/DataTypeLookup.h"

// The application's data types as the items see them: "NUMBER" fits any size as kind 2, and its
// column names take the prefix "N_".
class StubDataTypes : public DataTypeLookup
{
public:
    StubDataTypes() : m_previous(SetAppDataTypes(this)) {}
    ~StubDataTypes() override { SetAppDataTypes(m_previous); }
    StubDataTypes(const StubDataTypes&) = delete;
    StubDataTypes& operator=(const StubDataTypes&) = delete;

    BOOL FindEditKindForSize(const char* name, DWORD, DWORD, WORD& editKind) const override
    {
        if (CString(name) != "NUMBER")
            return FALSE;
        editKind = 2;
        return TRUE;
    }
    CString FindShortTypeText(const char* name, WORD editKind, DWORD digits, DWORD) const override
    {
        CString text;
        if (CString(name) == "NUMBER" && editKind == 2)
            text.Format("N%lu", static_cast<unsigned long>(digits));
        return text;
    }
    CString FindColumnPrefix(const char* name, WORD editKind) const override
    {
        return CString(name) == "NUMBER" && editKind == 2 ? CString("N_") : CString();
    }

private:
    DataTypeLookup* m_previous;
};
