#include "physical/DdlTableList.h"

#include "document/BaseDoc.h"
#include "model/FileComp.h"

BOOL CDdlTableList::AddDdlTableDirect(CDdlTable* table)
{
    return AddOwnedTail(*this, table, "CDdlTableList::AddDdlTableDirect");
}

CDdlTable* CDdlTableList::AddDdlTable(CFileComp* file)
{
    CDdlTable* table = nullptr;
    try {
        table = new CDdlTable(file);
    } catch (...) {
        ReportCurrentException("CDdlTableList::AddDdlTableDirect");
        return nullptr;
    }
    return AddDdlTableDirect(table) ? table : nullptr;
}

CDdlTable* CDdlTableList::FindDdlTable(const CFileComp* file) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        CDdlTable* table = GetNext(pos);
        if (table->IsForFileComp(file))
            return table;
    }
    return nullptr;
}

int CDdlTableList::BuildAllColumns(DWORD columnOptions)
{
    for (POSITION pos = GetHeadPosition(); pos;)
        if (GetNext(pos)->BuildColumns(columnOptions) < 0)
            return -1;
    return int(GetCount());
}

int CDdlTableList::AddDefinitionFileColumns(const CBaseDoc& doc)
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        CDdlTable* table = GetNext(pos);
        const WORD definitionId = table->GetFileComp() ? table->GetFileComp()->GetPhyControlFileId() : 0;
        if (definitionId == 0)
            continue;
        CObject* object = nullptr;
        if (!doc.FindObjectById(definitionId, object))
            continue;
        const CFileComp* definition = DYNAMIC_DOWNCAST(CFileComp, object);
        if (definition && table->AddDefinitionFileColumns(*definition) < 0)
            return -1;
    }
    return int(GetCount());
}

CString CDdlTableList::WriteScript(const CDataTypeList& types, const DdlOptions& options) const
{
    CString script;
    for (POSITION pos = GetHeadPosition(); pos;)
        script += GetNext(pos)->WriteCreateTableStatement(types, options);
    return script;
}
