// CDdlColumnList: the columns of one table in column order; the list owns them.
#pragma once

#include "foundation/ListElements.h"
#include "physical/DdlColumn.h"

class CDdlColumnList : public OwnedPtrList<CDdlColumn>
{
public:
    // Take the column over; on failure it is deleted after a message: FALSE.
    BOOL AddDdlColumnDirect(CDdlColumn* column);
    BOOL AddDdlColumn(CData* item, DWORD primaryKey);

    // The column lines joined by ",\n".
    CString FormatColumnLines(const CDataTypeList& types, DWORD columnOptions) const;
    // The primary-key columns' names joined by ", ".
    CString FormatPrimaryKeyColumns(const CDataTypeList& types, DWORD columnOptions) const;
};
