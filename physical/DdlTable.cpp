#include "physical/DdlTable.h"

#include "model/Data.h"
#include "model/FileComp.h"
#include "physical/PhysicalNames.h"

IMPLEMENT_DYNCREATE(CDdlTable, CObject)

namespace {

const CString& Hyphens()
{
    static const CString line(std::string(80, '-').c_str());
    return line;
}

BOOL IsPlainItem(const CData& item)
{
    return !item.IsKeyItem() && !item.IsChildLevel();
}

} // namespace

BOOL CDdlTable::AddFileCompInclude(CFileComp* file)
{
    try {
        m_includes.AddTail(file);
        return TRUE;
    } catch (...) {
        ReportCurrentException("CDdlTable::AddFileCompInclude");
        return FALSE;
    }
}

int CDdlTable::BuildColumns(DWORD columnOptions)
{
    DeleteAllElements(m_columns);
    if (!m_pFileComp)
        return 0;
    const CDataList& items = m_pFileComp->GetDataList();
    const WORD primaryGroup = items.GetPrimaryKeyGroup();
    const BOOL standard = (columnOptions & DDL_COLUMN_RULE_STANDARD) != 0;
    // Appends the items of the list that pass, in list order.
    auto addItems = [this](const CDataList& list, DWORD primaryKey, auto test) {
        for (POSITION pos = list.GetHeadPosition(); pos;) {
            CData* item = list.GetNext(pos);
            if (test(*item) && !m_columns.AddDdlColumn(item, primaryKey))
                return FALSE;
        }
        return TRUE;
    };
    auto isPrimary = [primaryGroup](const CData& item) {
        return primaryGroup != 0 && item.IsKeyItem() && item.GetKeyGroup() == primaryGroup && !item.IsChildLevel();
    };
    BOOL ok = TRUE;
    if (standard) {
        ok = addItems(items, 1, isPrimary) && addItems(items, 0, IsPlainItem);
        for (POSITION pos = m_includes.GetHeadPosition(); ok && pos;)
            ok = addItems(static_cast<CFileComp*>(m_includes.GetNext(pos))->GetDataList(), 0, IsPlainItem);
    } else {
        auto physical = [](const CData& item) { return item.GetPhysicalTarget() != 0; };
        ok = addItems(items, 1, [&](const CData& item) { return isPrimary(item) && physical(item); }) &&
             addItems(items, 0,
                      [&](const CData& item) { return item.IsKeyItem() && !isPrimary(item) && physical(item); }) &&
             addItems(items, 0, [&](const CData& item) { return !item.IsKeyItem() && physical(item); });
        for (POSITION pos = m_includes.GetHeadPosition(); ok && pos;)
            ok = addItems(static_cast<CFileComp*>(m_includes.GetNext(pos))->GetDataList(), 0, physical);
    }
    if (!ok) {
        DeleteAllElements(m_columns);
        return -1;
    }
    return int(m_columns.GetCount());
}

int CDdlTable::AddDefinitionFileColumns(const CFileComp& definitionFile)
{
    int added = 0;
    const CDataList& items = definitionFile.GetDataList();
    for (POSITION pos = items.GetHeadPosition(); pos;) {
        CData* item = items.GetNext(pos);
        if (!IsPlainItem(*item))
            continue;
        if (!m_columns.AddDdlColumn(item, 0)) {
            DeleteAllElements(m_columns);
            return -1;
        }
        ++added;
    }
    return added;
}

CString CDdlTable::GetTableName(const DdlOptions& options) const
{
    CString name;
    if (m_pFileComp) {
        if (options.table & DDL_TABLE_NAME_FROM_TABLE_NAME)
            name = m_pFileComp->GetTableName();
        else if (options.table & DDL_TABLE_NAME_FROM_FILE_NAME)
            name = PhysicalNames::GetNameForTable(*m_pFileComp);
        else {
            name = m_pFileComp->GetTableName();
            if (name.IsEmpty())
                name = PhysicalNames::GetNameForTable(*m_pFileComp);
        }
    }
    if (name.IsEmpty())
        name = "NO_TABLE_NAME???";
    if ((options.table & DDL_TABLE_PREFIX) && !options.tablePrefix.IsEmpty())
        name = options.tablePrefix + name;
    return name;
}

CString CDdlTable::GetPrimaryKeyName(const CString& tableName, const DdlOptions& options) const
{
    if (options.table & DDL_TABLE_KEY_NO_NAME)
        return CString();
    if (options.table & DDL_TABLE_KEY_INDEX_NAME) {
        const CString name = m_pFileComp ? m_pFileComp->GetPrimaryIndexName() : CString();
        return name.IsEmpty() ? CString("XPK_") + tableName : name;
    }
    if (options.table & DDL_TABLE_KEY_PREFIX)
        return options.primaryKeyPrefix + tableName;
    return tableName + options.primaryKeySuffix;
}

CString CDdlTable::WriteCreateTableStatement(const CDataTypeList& types, const DdlOptions& options) const
{
    const CString table = GetTableName(options);
    const CString fileName = m_pFileComp ? PhysicalNames::GetNameForTable(*m_pFileComp) : CString();
    const BOOL withSpaces = (options.table & DDL_TABLE_TABLESPACES) != 0;
    CString tableSpace = m_pFileComp ? m_pFileComp->GetTableSpace() : CString();
    if (tableSpace.IsEmpty())
        tableSpace = options.tableSpace;
    CString indexSpace = m_pFileComp ? m_pFileComp->GetIndexSpace() : CString();
    if (indexSpace.IsEmpty())
        indexSpace = options.indexSpace;
    CString usingIndex;
    if (withSpaces && !indexSpace.IsEmpty())
        usingIndex = CString("\n              USING INDEX TABLESPACE ") + indexSpace;

    CString text("\n");
    text += Hyphens();
    text += "\n-- ";
    text += fileName;
    text += "\n";
    text += Hyphens();
    if (options.table & DDL_TABLE_DROP)
        text += CString("\n-- DROP TABLE ") + table + " CASCADE CONSTRAINTS;\n";
    text += CString("\nCREATE TABLE ") + table + " (";

    const BOOL hasColumns = !m_columns.IsEmpty();
    CString keyColumns;
    CString keyName;
    if (hasColumns) {
        text += "\n";
        text += m_columns.FormatColumnLines(types, options.column);
        if (!(options.table & DDL_TABLE_NO_PRIMARY_KEY))
            keyColumns = m_columns.FormatPrimaryKeyColumns(types, options.column);
        if (!keyColumns.IsEmpty()) {
            keyName = GetPrimaryKeyName(table, options);
            if (options.table & DDL_TABLE_PRIMARY_KEY_IN_CREATE) {
                text += ",\n       ";
                if (!keyName.IsEmpty())
                    text += CString("CONSTRAINT ") + keyName + "\n              ";
                text += CString("PRIMARY KEY (") + keyColumns + ")";
                text += usingIndex;
            }
        }
    }
    text += "\n)";
    if (withSpaces && !tableSpace.IsEmpty())
        text += CString("\n       TABLESPACE ") + tableSpace;
    text += ";\n";

    if ((options.table & DDL_TABLE_PRIMARY_KEY_BY_ALTER) && hasColumns && !keyColumns.IsEmpty()) {
        text += CString(u8"\n-- PRIMARY KEY 制約");
        text += CString("\nALTER TABLE ") + table;
        text += "\n       ADD  ( ";
        if (!keyName.IsEmpty())
            text += CString("CONSTRAINT ") + keyName + " ";
        text += CString("PRIMARY KEY (") + keyColumns + ")";
        text += usingIndex;
        text += " );\n";
    }
    return text;
}
