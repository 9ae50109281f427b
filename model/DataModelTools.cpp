#include "model/DataModelTools.h"

#include "foundation/CommandIds.h"
#include "model/DataModelViewServices.h"
#include "model/DataSymbolTool.h"
#include "model/FileCloneTool.h"
#include "model/FileCompTool.h"
#include "model/ProcessSymbolTool.h"
#include "model/RelArrowTool.h"
#include "model/TaskTool.h"
#include "view/ViewToolTable.h"

void RegisterDataModelTools()
{
    static const DataSymbolTool dataSymbol;
    static const ProcessSymbolTool processSymbol;
    static const FileCompTool fileComp;
    static const TaskTool task;
    static const FileCloneTool fileClone;
    static const RelArrowTool relArrow;
    RegisterViewTool(ID_TOOL_DATA, dataSymbol);
    RegisterViewTool(ID_TOOL_PROCESS, processSymbol);
    RegisterViewTool(ID_TOOL_FILE, fileComp);
    RegisterViewTool(ID_TOOL_TASK, task);
    RegisterViewTool(ID_TOOL_CLONE, fileClone);
    RegisterViewTool(ID_TOOL_RELARROW, relArrow);
    static DataModelViewServices viewServices;
    SetModelViewServices(&viewServices);
}
