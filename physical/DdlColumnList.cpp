#include "physical/DdlColumnList.h"

BOOL CDdlColumnList::AddDdlColumnDirect(CDdlColumn* column)
{
    return AddOwnedTail(*this, column, "CDdlColumnList::AddDdlColumnDirect");
}

BOOL CDdlColumnList::AddDdlColumn(CData* item, DWORD primaryKey)
{
    CDdlColumn* column = nullptr;
    try {
        column = new CDdlColumn(item, primaryKey);
    } catch (...) {
        ReportCurrentException("CDdlColumnList::AddDdlColumnDirect");
        return FALSE;
    }
    return AddDdlColumnDirect(column);
}

CString CDdlColumnList::FormatColumnLines(const CDataTypeList& types, DWORD columnOptions) const
{
    CString text;
    for (POSITION pos = GetHeadPosition(); pos;) {
        if (!text.IsEmpty())
            text += ",\n";
        text += GetNext(pos)->FormatColumnLine(types, columnOptions);
    }
    return text;
}

CString CDdlColumnList::FormatPrimaryKeyColumns(const CDataTypeList& types, DWORD columnOptions) const
{
    CString text;
    for (POSITION pos = GetHeadPosition(); pos;) {
        const CDdlColumn* column = GetNext(pos);
        if (!column->IsPrimaryKey())
            continue;
        if (!text.IsEmpty())
            text += ", ";
        text += column->GetColumnName(types, columnOptions);
    }
    return text;
}
