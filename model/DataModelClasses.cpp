#include "model/DataModelClasses.h"

#include "model/ComplexItem.h"
#include "model/Data.h"
#include "model/DataGenSrc.h"
#include "model/DataGenSrcList.h"
#include "model/DataList.h"
#include "model/FileComp.h"
#include "model/FileCompTool.h"
#include "objects/DrawObjManager.h"
#include "objects/DrawObjects.h"
#include "foundation/CommandIds.h"
#include "view/ViewToolTable.h"

void RegisterDataModelClasses()
{
    AfxRegisterClass(RUNTIME_CLASS(CComplexItem));
    AfxRegisterClass(RUNTIME_CLASS(CData));
    AfxRegisterClass(RUNTIME_CLASS(CDataList));
    AfxRegisterClass(RUNTIME_CLASS(CDataGenSrc));
    AfxRegisterClass(RUNTIME_CLASS(CDataGenSrcList));
    AfxRegisterClass(RUNTIME_CLASS(CFileComp));
    DrawObjects::RegisterClone(RUNTIME_CLASS(CFileComp), [](const CObject* object) -> CObject* {
        return new CFileComp(*static_cast<const CFileComp*>(object));
    });
    CDrawObjManager::RegisterPrototypeFactory([]() -> CObject* { return new CFileComp; });

    // The tools that draw the modelling objects.
    static const FileCompTool fileCompTool;
    RegisterViewTool(ID_TOOL_FILE, fileCompTool);
}
