// One setting of the per-user profile, a whole number or a string under a section and an entry.
// It loads itself, saves itself, and writes a change back when it is destroyed.
#pragma once

#include "platform/afx/Object.h"
#include "platform/afx/String.h"

// Item flags.
constexpr WORD REGITEM_INT = 0x1;          // whole-number value
constexpr WORD REGITEM_STRING = 0x2;       // string value
constexpr WORD REGITEM_NO_LOAD = 0x4;      // not loaded when constructed
constexpr WORD REGITEM_NO_WRITEBACK = 0x8; // not written back when destroyed
constexpr WORD REGITEM_PER_USER = 0x10;    // the per-user profile
constexpr WORD REGITEM_MACHINE = 0x20;     // the machine-wide profile (kept for the record; see LoadSetting)

class CRegItemObj : public CObject
{
    DECLARE_DYNCREATE(CRegItemObj)
public:
    // Empty section, entry and string; the caller sets flags and value before use.
    CRegItemObj() = default;
    // A string setting, loaded at once unless REGITEM_NO_LOAD is given.
    CRegItemObj(const char* section, const char* entry, const char* defaultValue, WORD flags);
    // A whole-number setting, loaded at once unless REGITEM_NO_LOAD is given.
    CRegItemObj(const char* section, const char* entry, int defaultValue, WORD flags);
    ~CRegItemObj() override;

    // Reads the value from the profile, the current value serving as the default. There is one
    // profile here: items flagged machine-wide read and write it like every other.
    BOOL LoadSetting();
    // Writes the value (or removes the entry when the delete flag is set); TRUE when written.
    BOOL SaveSetting();

    const CString& GetSection() const { return m_strSection; }
    const CString& GetEntry() const { return m_strEntry; }
    void SetSection(const char* section) { m_strSection = section; }
    void SetEntry(const char* entry) { m_strEntry = entry; }
    WORD GetFlags() const { return m_wFlags; }
    void SetFlags(WORD flags) { m_wFlags = flags; }

    int GetIntValue() const { return m_nValue; }
    const CString& GetStringValue() const { return m_strValue; }
    // Store the value; marks the item modified only when the value changes.
    void SetIntValue(int value);
    void SetStringValue(const char* value);

    BOOL IsModified() const { return m_bModified; }
    void SetModified(BOOL modified) { m_bModified = modified; }
    BOOL GetDeleteFlag() const { return m_bDelete; }
    void SetDeleteFlag(BOOL remove) { m_bDelete = remove; }

    // TRUE when section and entry are the item's, compared byte for byte.
    BOOL Match(const char* section, const char* entry) const;

private:
    CString m_strSection;
    CString m_strEntry;
    WORD m_wFlags = 0;
    CString m_strValue;
    int m_nValue = 0;
    BOOL m_bModified = FALSE;
    BOOL m_bDelete = FALSE;
};
