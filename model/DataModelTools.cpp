#include "model/DataModelTools.h"

#include "foundation/CommandIds.h"
#include "model/FileCompTool.h"
#include "view/ViewToolTable.h"

void RegisterDataModelTools()
{
    static const FileCompTool fileComp;
    RegisterViewTool(ID_TOOL_FILE, fileComp);
}
