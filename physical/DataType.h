// One SQL data type: the name written into CREATE TABLE scripts, whether it takes a size, the
// character that encloses a DEFAULT value of the type, and the prefix a generated column name may
// take. A type is identified by its name and its edit kind together.
#pragma once

#include "model/DataTypeText.h"
#include "platform/afx/Object.h"
#include "platform/afx/String.h"
#include "platform/profile/PrivateProfile.h"

// The profile section of the data types, also the section of a data-type file.
constexpr const char* DATATYPE_SECTION = "DataType";
constexpr const char* DATATYPE_COUNT_ENTRY = "NumDataType";

// The edit kind a size asks for: 0 without digits, else 2 with decimals, else 1.
WORD GetEditKindForSize(DWORD digits, DWORD decimals);

class CDataType : public CObject
{
    DECLARE_DYNCREATE(CDataType)
public:
    CDataType() = default;
    CDataType(WORD id, const char* name, WORD editKind, const char* enclosure, const char* prefix);
    // Starts empty and reads the entry stored under the id in the profile.
    explicit CDataType(WORD id);

    WORD GetId() const { return m_wId; }
    void SetId(WORD id) { m_wId = id; }
    CString GetName() const { return m_strName; }
    void SetName(const char* name) { m_strName = name; }
    // Kinds other than 0 to 2 are kept as they are and shown like kind 0.
    WORD GetEditKind() const { return m_wEditKind; }
    void SetEditKind(WORD kind) { m_wEditKind = kind; }
    CString GetEnclosure() const { return m_strEnclosure; }
    void SetEnclosure(const char* enclosure) { m_strEnclosure = enclosure; }
    CString GetColumnPrefix() const { return m_strPrefix; }
    void SetColumnPrefix(const char* prefix) { m_strPrefix = prefix; }
    // Nonzero: "使用しない" — left out of the item dialog's choice, kept everywhere else.
    DWORD GetDoNotUse() const { return m_dwDoNotUse; }
    void SetDoNotUse(DWORD flag) { m_dwDoNotUse = flag; }

    BOOL HasName(const char* name) const { return m_strName == name; }
    // The name with "(桁数)" for kind 1 or "(桁数,小数桁数)" for kind 2: tells apart the types of one name.
    CString GetLabel() const;
    // The compact type text: the column prefix without a closing "_" (or the name's first
    // character when there is no prefix) with the item's size, as FormatDataTypeText gives it.
    CString FormatShortTypeText(DWORD digits, DWORD decimals) const;

    // The entry "name,kind,enclosure,prefix,flag" under the id ("%u"). Loading fails on a missing
    // or empty value and on a value short of a field; the fields before the missing one are kept.
    BOOL LoadFromProfile();
    BOOL SaveToProfile() const;
    // The same entry in a data-type file (an INI file, read once for all its entries). A missing or
    // empty value reads as an empty type; a value short of a field fails.
    BOOL ReadDtyEntry(const PrivateProfileFile& file);
    // The entry as a change of a data-type file, which the list writes whole.
    PrivateProfileChange DtyEntry() const;

    // Whether the entry can be written and read back as it is: a name, enclosure or prefix holding
    // the field separator or a line break cannot. When not, the user is told which type and field
    // (exclamation box) and FALSE returned.
    BOOL CheckStorable() const;

private:
    CString FormatEntry() const;
    BOOL ParseEntry(const CString& entry);

    WORD m_wId = 0;
    CString m_strName;
    WORD m_wEditKind = DATATYPE_EDIT_NONE;
    CString m_strEnclosure;
    CString m_strPrefix;
    DWORD m_dwDoNotUse = 0;
};
