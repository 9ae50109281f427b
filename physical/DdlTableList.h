// CDdlTableList: the tables of one CREATE TABLE run in reading order of their files; the list owns
// them and is dropped after the run.
#pragma once

#include "foundation/ListElements.h"
#include "physical/DdlTable.h"

class CDdlTableList : public OwnedPtrList<CDdlTable>
{
public:
    BOOL AddDdlTableDirect(CDdlTable* table);
    // The new table, or null after a message.
    CDdlTable* AddDdlTable(CFileComp* file);
    CDdlTable* FindDdlTable(const CFileComp* file) const;

    // The columns of every table: the number of tables, or -1 at the first that fails.
    int BuildAllColumns(DWORD columnOptions);
    // The definition-file columns of every table whose file names a definition file the document
    // holds: the number of tables, or -1 at the first that fails.
    int AddDefinitionFileColumns(const CBaseDoc& doc);

    // The blocks of all tables in table order.
    CString WriteScript(const CDataTypeList& types, const DdlOptions& options) const;
};
