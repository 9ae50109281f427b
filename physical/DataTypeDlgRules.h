// The working state of the data-type dialog, apart from its widgets: a list of its own read from
// the profile, the current row, the insert counter and whether anything changed. Nothing reaches
// the profile before Save.
#pragma once

#include "physical/DataTypeList.h"

#include <array>

class DataTypeDlgRules
{
public:
    static constexpr int kColumns = 5;

    // The stored types, else the 21 defaults. FALSE when the list could not be filled.
    BOOL Open();

    const CDataTypeList& GetList() const { return m_list; }
    int GetCount() const { return int(m_list.GetCount()); }
    int GetCurrent() const { return m_nCurrent; }
    // An index outside the list clears the current row.
    void SetCurrent(int index);
    CDataType* GetCurrentType() const;
    BOOL IsModified() const { return m_bModified; }

    // The five column texts of a row: name ("未指定" for an empty one when asked), edit kind,
    // enclosure, prefix, "使用しない".
    std::array<CString, kColumns> RowTexts(int index, BOOL showUnnamed) const;

    // Edits of the current row; each marks the list modified. FALSE without a current row.
    BOOL SetName(const CString& name);
    BOOL SetEditKind(WORD kind);
    BOOL SetEnclosure(const CString& enclosure);
    BOOL SetPrefix(const CString& prefix);
    BOOL SetDoNotUse(BOOL doNotUse);

    // A new type "DATATYPE<n>" (n counting the inserts since opening or the last file read) after
    // the current row, or at the end without one; it becomes current. Its index, or -1.
    int Insert();
    // Removes the current row; the row at the same index (or the new last one) becomes current.
    // The new current index, -1 when none is left or there was no current row.
    int Delete();

    // Reads a data-type file whole: on success the list is the file's, with no current row and the
    // insert counter reset. A failure leaves everything as it was and tells the user which entry
    // was at fault.
    BOOL ReadFile(const char* path);
    // Writes the list to a data-type file (ids renumbered first when the list changed); the
    // outcome is told to the user either way. TRUE when written.
    BOOL WriteFile(const char* path);
    // Writes the list to the profile under fresh ids. FALSE after telling the user: the caller
    // keeps the dialog open so that nothing is lost.
    BOOL SaveToProfile();

private:
    CDataTypeList m_list;
    int m_nCurrent = -1;
    int m_nInserted = 0;
    BOOL m_bModified = FALSE;
};
