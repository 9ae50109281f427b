// The list of SQL data types. The application holds the one list the whole system reads; the
// data-type dialog edits a working list of its own. The list owns its types.
#pragma once

#include "foundation/ListElements.h"
#include "model/DataTypeLookup.h"
#include "physical/DataType.h"

class CComboBox;

constexpr int DATATYPE_DEFAULT_COUNT = 21;

class CDataTypeList : public OwnedPtrList<CDataType>, public DataTypeLookup
{
public:
    // Adding and inserting take the type over; on failure they delete it, tell the user and return
    // FALSE / -1. Inserting puts the type after the one at index (appends for -1 or an index past
    // the end) and returns its new index.
    BOOL AddDataTypeDirect(CDataType* type);
    int InsertAfterDataType(CDataType* type, int index);

    // Replaces the content by the 21 default types with ids 1 to 21: their number, or -1 after a
    // message.
    int SetDefaultDataTypes();

    // Start-up: the types stored in the profile, or the 21 defaults when none are stored or the
    // stored ones cannot be read (the profile is left as it is). TRUE when the list holds types.
    BOOL LoadFromProfileOrDefaults();

    // Replaces the content by the types of the profile section: their number, 0 when none are
    // stored, -1 when a stored count or entry cannot be read (the list then holds the types read
    // before it).
    int LoadFromProfile();
    // Writes the list under its ids (renumber first) and removes the entries of a longer stored
    // list. Every type is checked before anything is written (CDataType::CheckStorable).
    BOOL SaveToProfile() const;

    // The same with a data-type file, taken over only whole: a failed read (-1) leaves the list as it
    // was and names the entry at fault (its id; 0 for the count; -1 for no path). A missing entry
    // within the count reads as an empty type. Writing keeps every other line of an existing file.
    int ReadDtyFile(const char* fileName, int* failedEntry = nullptr);
    BOOL WriteDtyFile(const char* fileName) const;

    // Ids become 1, 2, ... in list order.
    void RenumberDataTypes();

    // The first type of exactly that name and edit kind.
    CDataType* FindDataTypeByNameAndKind(const char* name, WORD editKind) const;
    // The type of the name that fits the size best: the kind the size asks for, else the kinds 0,
    // 1 and 2 in that order.
    CDataType* FindDataTypeForSize(const char* name, DWORD digits, DWORD decimals) const;
    // The first type whose label is the text; types marked not to be used included.
    CDataType* FindDataTypeByLabel(const char* label) const;

    // What the data items ask of the types (through FindDataTypeForSize and FindDataTypeByNameAndKind).
    BOOL FindEditKindForSize(const char* name, DWORD digits, DWORD decimals, WORD& editKind) const override;
    CString FindShortTypeText(const char* name, WORD editKind, DWORD digits, DWORD decimals) const override;
    CString FindColumnPrefix(const char* name, WORD editKind) const override;

    // Fills the combo with the label of every type in use, in list order, each row carrying its
    // type as item data: the number of rows. An empty list leaves the combo alone (0); a row the
    // combo refuses empties it after a message (0).
    int FillDataTypeCombo(CComboBox* combo) const;

private:
    BOOL CheckAllStorable() const;
};

// Selects the row of a combo filled by FillDataTypeCombo whose type has exactly that name and
// edit kind; an empty name, or a type no row has, selects none. The row selected, or -1.
int SelectDataTypeInCombo(CComboBox* combo, const char* name, WORD editKind);
