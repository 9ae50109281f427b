// CDdlTable: one table of a CREATE TABLE run: the conceptual file it is made for, the subtype and
// substructure files folded into it, and its columns.
#pragma once

#include "physical/DdlColumnList.h"
#include "platform/afx/List.h"

class CBaseDoc;
class CFileComp;

class CDdlTable : public CObject
{
    DECLARE_DYNCREATE(CDdlTable)
public:
    CDdlTable() = default;
    explicit CDdlTable(CFileComp* file) : m_pFileComp(file) {}

    CFileComp* GetFileComp() const { return m_pFileComp; }
    BOOL IsForFileComp(const CFileComp* file) const { return m_pFileComp == file; }
    const CObList& GetIncludedFiles() const { return m_includes; }
    BOOL AddFileCompInclude(CFileComp* file);
    CDdlColumnList& GetColumns() { return m_columns; }
    const CDdlColumnList& GetColumns() const { return m_columns; }

    // Fills the columns from the file's items and the included files' items under the column
    // rule: the number of columns, or -1 with the list emptied after a message.
    int BuildColumns(DWORD columnOptions);
    // Appends the plain items of the definition file as columns: their number, -1 after a message.
    int AddDefinitionFileColumns(const CFileComp& definitionFile);

    // The table name the options choose, prefix included; "NO_TABLE_NAME???" for an empty one.
    CString GetTableName(const DdlOptions& options) const;
    // The block of the table: banner, optional DROP, CREATE TABLE, optional ALTER TABLE.
    CString WriteCreateTableStatement(const CDataTypeList& types, const DdlOptions& options) const;

private:
    CString GetPrimaryKeyName(const CString& tableName, const DdlOptions& options) const;

    CFileComp* m_pFileComp = nullptr;
    CObList m_includes;
    CDdlColumnList m_columns;
};
