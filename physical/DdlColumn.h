// CDdlColumn: one column of a table of a CREATE TABLE run: the data item it comes from and whether
// it belongs to the primary key.
#pragma once

#include "physical/DdlOptions.h"
#include "platform/afx/Object.h"
#include "platform/afx/String.h"

class CData;
class CDataTypeList;

class CDdlColumn : public CObject
{
    DECLARE_DYNCREATE(CDdlColumn)
public:
    CDdlColumn() = default;
    CDdlColumn(CData* item, DWORD primaryKey) : m_pData(item), m_dwPrimaryKey(primaryKey) {}

    CData* GetData() const { return m_pData; }
    BOOL IsPrimaryKey() const { return m_dwPrimaryKey != 0; }

    // The column name the options choose, with the type's column prefix when asked for;
    // "NO_COLUMN_NAME???" in place of an empty name.
    CString GetColumnName(const CDataTypeList& types, DWORD columnOptions) const;
    // Seven blanks, the name filled up to 20 bytes, the type, DEFAULT and NULL clauses.
    CString FormatColumnLine(const CDataTypeList& types, DWORD columnOptions) const;

private:
    CData* m_pData = nullptr;
    DWORD m_dwPrimaryKey = 0;
};
