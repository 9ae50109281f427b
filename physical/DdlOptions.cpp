#include "physical/DdlOptions.h"

#include "document/BaseDoc.h"

DdlOptions DdlOptions::FromDocument(const CBaseDoc& doc)
{
    DdlOptions options;
    options.table = doc.GetDdlOptTable();
    options.column = doc.GetDdlOptColumn();
    options.tablePrefix = doc.GetTableNamePrefix();
    options.primaryKeyPrefix = doc.GetPrimaryKeyNamePrefix();
    options.primaryKeySuffix = doc.GetPrimaryKeyNameSuffix();
    options.tableSpace = doc.GetTableTablespace();
    options.indexSpace = doc.GetIndexTablespace();
    return options;
}
