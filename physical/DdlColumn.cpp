#include "physical/DdlColumn.h"

#include "model/Data.h"
#include "model/DataTypeText.h"
#include "physical/DataTypeList.h"

IMPLEMENT_DYNCREATE(CDdlColumn, CObject)

namespace {

constexpr int kColumnNameWidth = 20;

// The item's SQL data type in the list, or null.
const CDataType* FindItemType(const CDataTypeList& types, const CData& item)
{
    return types.FindDataTypeByNameAndKind(item.GetDataTypeName(), item.GetEditKind());
}

// The value between two enclosure characters, each enclosure character inside it doubled, so
// that a value such as O'Neil stays one literal.
CString EncloseValue(const CString& value, const CString& enclosure)
{
    CString text = enclosure;
    const char mark = enclosure[0];
    for (int i = 0; i < value.GetLength(); ++i) {
        text += value[i];
        if (value[i] == mark)
            text += mark;
    }
    text += enclosure;
    return text;
}

} // namespace

CString CDdlColumn::GetColumnName(const CDataTypeList& types, DWORD columnOptions) const
{
    CString name;
    if (m_pData) {
        if (columnOptions & DDL_COLUMN_NAME_FROM_COLUMN_NAME)
            name = m_pData->GetColumnName();
        else if (columnOptions & DDL_COLUMN_NAME_FROM_ITEM_NAME)
            name = m_pData->GetName();
        else {
            name = m_pData->GetColumnName();
            if (name.IsEmpty())
                name = m_pData->GetName();
        }
    }
    if (name.IsEmpty())
        name = "NO_COLUMN_NAME???";
    if ((columnOptions & DDL_COLUMN_TYPE_PREFIX) && m_pData) {
        const CDataType* type = FindItemType(types, *m_pData);
        if (type && !type->GetColumnPrefix().IsEmpty())
            name = type->GetColumnPrefix() + name;
    }
    return name;
}

CString CDdlColumn::FormatColumnLine(const CDataTypeList& types, DWORD columnOptions) const
{
    CString line("       ");
    const CString name = GetColumnName(types, columnOptions);
    line += name;
    for (int n = name.GetLength(); n < kColumnNameWidth; ++n)
        line += ' ';
    line += ' ';
    CString typeText;
    if (m_pData)
        typeText = FormatDataTypeText(m_pData->GetDataTypeName(), m_pData->GetEditKind(), m_pData->GetDigits(),
                                      m_pData->GetDecimals());
    line += typeText.IsEmpty() ? CString("NO_DATA_TYPE") : typeText;
    if (!m_pData)
        return line;

    const CString value = m_pData->GetDefaultValue();
    if ((columnOptions & DDL_COLUMN_DEFAULTS) && !value.IsEmpty()) {
        line += " DEFAULT ";
        CString upper = value;
        upper.MakeUpper();
        const CDataType* type = FindItemType(types, *m_pData);
        if (upper == "NULL" || !type || type->GetEnclosure().IsEmpty())
            line += value;
        else
            line += EncloseValue(value, type->GetEnclosure());
    }
    if (columnOptions & DDL_COLUMN_NULL_CLAUSES) {
        if (m_pData->GetNullOption() == 1)
            line += " NOT NULL";
        else if (m_pData->GetNullOption() == 2)
            line += " NULL";
    }
    return line;
}
