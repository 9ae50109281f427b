#include "physical/DataTypeList.h"

#include "foundation/ListElements.h"
#include "foundation/RegItemObj.h"

#include "platform/afx/MessageSink.h"
#include "platform/profile/PrivateProfile.h"
#include "platform/ui/Controls.h"

#include <memory>
#include <optional>
#include <vector>

namespace DataTypeList {

struct DefaultType
{
    const char* name;
    WORD editKind;
    const char* enclosure;
    const char* prefix;
};

const DefaultType kDefaults[DATATYPE_DEFAULT_COUNT] = {
    // clang-format off
    {"CHAR", 1, "'", "C_"},        {"CHARACTER", 1, "'", "C_"},  {"DATE", 0, "", "D_"},
    {"DECIMAL", 1, "", "DEC_"},    {"DECIMAL", 2, "", "DEC_"},   {"FLOAT", 0, "", "F_"},
    {"INTEGER", 0, "", "I_"},      {"LONG", 0, "", "L_"},        {"LONG RAW", 0, "", "LR_"},
    {"LONG VARCHAR", 0, "", "LV_"}, {"MLSLABEL", 0, "", "M_"},   {"NUMBER", 0, "", "N_"},
    {"NUMBER", 1, "", "N_"},       {"NUMBER(*)", 0, "", "N_"},   {"NUMBER", 2, "", "N_"},
    {"RAW MLSLABEL", 0, "", "RM_"}, {"RAW", 1, "", "R_"},        {"ROWID", 0, "", "RID_"},
    {"SMALLINT", 0, "", "SI_"},    {"VARCHAR", 1, "'", "V_"},    {"VARCHAR2", 1, "'", "V_"},
    // clang-format on
};

CString KeyOf(int id)
{
    CString key;
    key.Format("%d", id);
    return key;
}

// A stored count names ids 1 to n, which are 16-bit: anything else (a negative number included)
// is no count this list can have written.
int CheckedCount(long long stored)
{
    return stored >= 0 && stored <= 0xFFFF ? int(stored) : -1;
}

int StoredProfileCount()
{
    const CRegItemObj stored(DATATYPE_SECTION, DATATYPE_COUNT_ENTRY, 0, REGITEM_NO_WRITEBACK);
    return CheckedCount(stored.GetIntValue());
}

int StoredFileCount(const PrivateProfileFile& file)
{
    return CheckedCount(file.GetInt(DATATYPE_SECTION, DATATYPE_COUNT_ENTRY, 0));
}

void RemoveProfileEntry(int id)
{
    CRegItemObj carrier(DATATYPE_SECTION, KeyOf(id), "", WORD(REGITEM_NO_LOAD | REGITEM_NO_WRITEBACK));
    carrier.SetDeleteFlag(TRUE);
    carrier.SaveSetting();
}

BOOL WriteProfileCount(int count)
{
    CRegItemObj carrier(DATATYPE_SECTION, DATATYPE_COUNT_ENTRY, count, WORD(REGITEM_NO_LOAD | REGITEM_NO_WRITEBACK));
    return carrier.SaveSetting();
}

} // namespace DataTypeList

BOOL CDataTypeList::AddDataTypeDirect(CDataType* type)
{
    return AddOwnedTail(*this, type, "CDataTypeList::AddDataTypeDirect");
}

int CDataTypeList::InsertAfterDataType(CDataType* type, int index)
{
    // No position appends at the tail.
    const POSITION pos = index >= 0 ? FindIndex(index) : nullptr;
    if (!InsertOwnedAfter(*this, pos, type, "CDataTypeList::InsertAfterDataType"))
        return -1;
    return pos ? index + 1 : int(GetCount()) - 1;
}

int CDataTypeList::SetDefaultDataTypes()
{
    DeleteAllElements(*this);
    WORD id = 0;
    for (const auto& entry : DataTypeList::kDefaults) {
        std::unique_ptr<CDataType> type;
        try {
            type = std::make_unique<CDataType>(++id, entry.name, entry.editKind, entry.enclosure, entry.prefix);
        } catch (...) {
            AfxMessageBox(CString(u8"ﾃﾞｰﾀﾀｲﾌﾟのﾃﾞｨﾌｫﾙﾄ作成中にｴﾗｰが発生しました。"), MB_ICONEXCLAMATION);
            return -1;
        }
        AddDataTypeDirect(type.release());
    }
    return int(GetCount());
}

BOOL CDataTypeList::LoadFromProfileOrDefaults()
{
    if (LoadFromProfile() > 0)
        return TRUE;
    return SetDefaultDataTypes() > 0;
}

int CDataTypeList::LoadFromProfile()
{
    DeleteAllElements(*this);
    const int count = DataTypeList::StoredProfileCount();
    for (int id = 1; id <= count; ++id) {
        auto type = std::make_unique<CDataType>();
        type->SetId(WORD(id));
        if (!type->LoadFromProfile() || !AddDataTypeDirect(type.release()))
            return -1;
    }
    return count;
}

BOOL CDataTypeList::CheckAllStorable() const
{
    for (POSITION pos = GetHeadPosition(); pos;)
        if (!GetNext(pos)->CheckStorable())
            return FALSE;
    return TRUE;
}

BOOL CDataTypeList::SaveToProfile() const
{
    if (!CheckAllStorable())
        return FALSE;
    const int count = int(GetCount());
    for (int id = DataTypeList::StoredProfileCount(); id > count; --id)
        DataTypeList::RemoveProfileEntry(id);
    if (!DataTypeList::WriteProfileCount(count))
        return FALSE;
    for (POSITION pos = GetHeadPosition(); pos;)
        if (!GetNext(pos)->SaveToProfile())
            return FALSE;
    return TRUE;
}

int CDataTypeList::ReadDtyFile(const char* fileName, int* failedEntry)
{
    if (failedEntry)
        *failedEntry = -1;
    if (!fileName || !*fileName)
        return -1;
    // Read and parsed once: the file may hold 65,535 entries.
    const PrivateProfileFile file(fileName);
    const int count = DataTypeList::StoredFileCount(file);
    if (count < 0) {
        if (failedEntry)
            *failedEntry = 0;
        return -1;
    }
    // Read aside and take over only a whole file, so that a bad entry leaves the list as it was.
    CDataTypeList read;
    for (int id = 1; id <= count; ++id) {
        auto type = std::make_unique<CDataType>();
        type->SetId(WORD(id));
        if (!type->ReadDtyEntry(file) || !read.AddDataTypeDirect(type.release())) {
            if (failedEntry)
                *failedEntry = id;
            return -1;
        }
    }
    DeleteAllElements(*this);
    while (!read.IsEmpty())
        AddTail(read.RemoveHead());
    return count;
}

BOOL CDataTypeList::WriteDtyFile(const char* fileName) const
{
    if (!fileName || !*fileName || !CheckAllStorable())
        return FALSE;
    // One write of the file: a failure on the way leaves the old file whole.
    const int count = int(GetCount());
    std::vector<PrivateProfileChange> changes;
    for (int id = DataTypeList::StoredFileCount(PrivateProfileFile(fileName)); id > count; --id)
        changes.push_back(PrivateProfileChange{DataTypeList::KeyOf(id), std::nullopt});
    changes.push_back(PrivateProfileChange{DATATYPE_COUNT_ENTRY, DataTypeList::KeyOf(count)});
    for (POSITION pos = GetHeadPosition(); pos;)
        changes.push_back(GetNext(pos)->DtyEntry());
    return WritePrivateProfileKeys(DATATYPE_SECTION, changes, fileName);
}

void CDataTypeList::RenumberDataTypes()
{
    WORD id = 0;
    for (POSITION pos = GetHeadPosition(); pos;)
        GetNext(pos)->SetId(++id);
}

CDataType* CDataTypeList::FindDataTypeByNameAndKind(const char* name, WORD editKind) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        CDataType* type = GetNext(pos);
        if (type->HasName(name) && type->GetEditKind() == editKind)
            return type;
    }
    return nullptr;
}

CDataType* CDataTypeList::FindDataTypeForSize(const char* name, DWORD digits, DWORD decimals) const
{
    const WORD wanted = GetEditKindForSize(digits, decimals);
    if (CDataType* type = FindDataTypeByNameAndKind(name, wanted))
        return type;
    for (WORD kind : {DATATYPE_EDIT_NONE, DATATYPE_EDIT_DIGITS, DATATYPE_EDIT_DECIMALS}) {
        if (kind == wanted)
            continue;
        if (CDataType* type = FindDataTypeByNameAndKind(name, kind))
            return type;
    }
    return nullptr;
}

BOOL CDataTypeList::FindEditKindForSize(const char* name, DWORD digits, DWORD decimals, WORD& editKind) const
{
    const CDataType* type = FindDataTypeForSize(name, digits, decimals);
    if (!type)
        return FALSE;
    editKind = type->GetEditKind();
    return TRUE;
}

CString CDataTypeList::FindShortTypeText(const char* name, WORD editKind, DWORD digits, DWORD decimals) const
{
    const CDataType* type = FindDataTypeByNameAndKind(name, editKind);
    return type ? type->FormatShortTypeText(digits, decimals) : CString();
}

CString CDataTypeList::FindColumnPrefix(const char* name, WORD editKind) const
{
    const CDataType* type = FindDataTypeByNameAndKind(name, editKind);
    return type ? type->GetColumnPrefix() : CString();
}

CDataType* CDataTypeList::FindDataTypeByLabel(const char* label) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        CDataType* type = GetNext(pos);
        if (type->GetLabel() == label)
            return type;
    }
    return nullptr;
}

int CDataTypeList::FillDataTypeCombo(CComboBox* combo) const
{
    if (IsEmpty())
        return 0;
    combo->ResetContent();
    int added = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CDataType* type = GetNext(pos);
        if (type->GetDoNotUse())
            continue;
        if (!AddElementComboRow(combo, type->GetLabel(), type, "DataType"))
            return 0;
        ++added;
    }
    return added;
}

int SelectDataTypeInCombo(CComboBox* combo, const char* name, WORD editKind)
{
    const int rows = name && *name ? combo->GetCount() : 0;
    for (int row = 0; row < rows; ++row) {
        const auto* type = reinterpret_cast<const CDataType*>(combo->GetItemData(row));
        if (type && type->HasName(name) && type->GetEditKind() == editKind)
            return combo->SetCurSel(row);
    }
    combo->SetCurSel(-1);
    return -1;
}
