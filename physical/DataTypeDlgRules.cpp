#include "physical/DataTypeDlgRules.h"

#include "foundation/ListElements.h"
#include "platform/afx/MessageSink.h"

#include <memory>

BOOL DataTypeDlgRules::Open()
{
    m_nCurrent = -1;
    m_nInserted = 0;
    m_bModified = FALSE;
    if (m_list.LoadFromProfile() > 0)
        return TRUE;
    return m_list.SetDefaultDataTypes() > 0;
}

void DataTypeDlgRules::SetCurrent(int index)
{
    m_nCurrent = index >= 0 && index < GetCount() ? index : -1;
}

CDataType* DataTypeDlgRules::GetCurrentType() const
{
    return m_nCurrent < 0 ? nullptr : GetElementAtIndex(m_list, m_nCurrent);
}

std::array<CString, DataTypeDlgRules::kColumns> DataTypeDlgRules::RowTexts(int index, BOOL showUnnamed) const
{
    const CDataType* type = GetElementAtIndex(m_list, index);
    if (!type)
        return {};
    CString name = type->GetName();
    if (name.IsEmpty() && showUnnamed)
        name = CString(u8"未指定");
    const char8_t* kind = u8"桁数なし";
    if (type->GetEditKind() == DATATYPE_EDIT_DIGITS)
        kind = u8"桁数のみ";
    else if (type->GetEditKind() == DATATYPE_EDIT_DECIMALS)
        kind = u8"桁数、小数桁数";
    return {name, CString(kind), type->GetEnclosure(), type->GetColumnPrefix(),
            type->GetDoNotUse() ? CString(u8"使用しない") : CString()};
}

BOOL DataTypeDlgRules::SetName(const CString& name)
{
    CDataType* type = GetCurrentType();
    if (!type)
        return FALSE;
    type->SetName(name);
    m_bModified = TRUE;
    return TRUE;
}

BOOL DataTypeDlgRules::SetEditKind(WORD kind)
{
    CDataType* type = GetCurrentType();
    if (!type)
        return FALSE;
    type->SetEditKind(kind);
    m_bModified = TRUE;
    return TRUE;
}

BOOL DataTypeDlgRules::SetEnclosure(const CString& enclosure)
{
    CDataType* type = GetCurrentType();
    if (!type)
        return FALSE;
    type->SetEnclosure(enclosure);
    m_bModified = TRUE;
    return TRUE;
}

BOOL DataTypeDlgRules::SetPrefix(const CString& prefix)
{
    CDataType* type = GetCurrentType();
    if (!type)
        return FALSE;
    type->SetColumnPrefix(prefix);
    m_bModified = TRUE;
    return TRUE;
}

BOOL DataTypeDlgRules::SetDoNotUse(BOOL doNotUse)
{
    CDataType* type = GetCurrentType();
    if (!type)
        return FALSE;
    type->SetDoNotUse(doNotUse ? 1 : 0);
    m_bModified = TRUE;
    return TRUE;
}

int DataTypeDlgRules::Insert()
{
    CString name;
    name.Format("DATATYPE%d", m_nInserted + 1);
    auto type = std::make_unique<CDataType>(WORD(GetCount() + 1), name, DATATYPE_EDIT_NONE, "", "");
    const int index = m_list.InsertAfterDataType(type.release(), m_nCurrent);
    if (index < 0)
        return -1;
    ++m_nInserted;
    m_bModified = TRUE;
    m_nCurrent = index;
    return index;
}

int DataTypeDlgRules::Delete()
{
    const POSITION pos = m_nCurrent >= 0 ? m_list.FindIndex(m_nCurrent) : nullptr;
    if (!pos)
        return -1;
    delete m_list.GetAt(pos);
    m_list.RemoveAt(pos);
    m_bModified = TRUE;
    const int index = m_nCurrent < GetCount() ? m_nCurrent : GetCount() - 1;
    SetCurrent(index);
    return m_nCurrent;
}

BOOL DataTypeDlgRules::ReadFile(const char* path)
{
    int failed = -1;
    if (m_list.ReadDtyFile(path, &failed) < 0) {
        CString message(u8"ﾃﾞｰﾀﾀｲﾌﾟ設定ﾌｧｲﾙの読込み処理でｴﾗｰが発生しました。");
        CString where;
        if (failed == 0)
            where.Format(CString(u8"\n(%s の値が読めません。)"), DATATYPE_COUNT_ENTRY);
        else if (failed > 0)
            where.Format(CString(u8"\n(%d= の行が読めません。)"), failed);
        AfxMessageBox(message + where, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_bModified = TRUE;
    m_nCurrent = -1;
    m_nInserted = 0;
    CString done;
    done.Format(CString(u8"%s からﾃﾞｰﾀﾀｲﾌﾟを書込みました。\n設定を有効にするには保存ﾎﾞﾀﾝを押下してください。"), path);
    AfxMessageBox(done, MB_OK | MB_ICONINFORMATION);
    return TRUE;
}

BOOL DataTypeDlgRules::WriteFile(const char* path)
{
    if (m_bModified)
        m_list.RenumberDataTypes();
    if (!m_list.WriteDtyFile(path)) {
        AfxMessageBox(CString(u8"ﾃﾞｰﾀﾀｲﾌﾟ設定ﾌｧｲﾙの書込み処理でｴﾗｰが発生しました。"), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    CString done;
    done.Format(CString(u8"%s にﾃﾞｰﾀﾀｲﾌﾟを書込みました。"), path);
    AfxMessageBox(done, MB_OK | MB_ICONINFORMATION);
    return TRUE;
}

BOOL DataTypeDlgRules::SaveToProfile()
{
    m_list.RenumberDataTypes();
    if (!m_list.SaveToProfile()) {
        AfxMessageBox(CString(u8"ﾃﾞｰﾀﾀｲﾌﾟを保存中にｴﾗｰが発生しました。"), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_bModified = FALSE;
    return TRUE;
}
