#include "model/DataModelHooks.h"

#include "document/BaseDoc.h"
#include "model/FileComp.h"
#include "model/ModelOperations.h"
#include "model/RelLineObj.h"

void DataModelHooks::ClearUpdateMarks(CBaseDoc* document)
{
    const CObList* objects = document->GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;) {
        CObject* object = objects->GetNext(pos);
        if (auto* file = DYNAMIC_DOWNCAST(CFileComp, object))
            file->ClearItemUpdateMarks();
        else if (auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, object))
            arrow->ClearPassMarks();
    }
}

BOOL DataModelHooks::CleanUpRemovedObject(CBaseDoc*, CObject*)
{
    return FALSE;
}

BOOL DataModelHooks::ApplyModelCommand(CBaseDoc*, CObject*, UINT, BOOL*)
{
    return FALSE;
}

void DataModelHooks::ConvertOldFileObject(CBaseDoc* document, CObject* object)
{
    if (auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, object))
        arrow->ResetKindFields();
    else if (auto* file = DYNAMIC_DOWNCAST(CFileComp, object))
        file->MigrateSubTypeToRelLine(*document);
}

BOOL DataModelHooks::ExecuteModelOperation(CBaseDoc* document, CObject* object, UINT commandId, DWORD hitCode,
                                           DWORD partWord, BOOL* changed)
{
    return ModelOperations::Execute(*document, object, commandId, hitCode, partWord, *changed);
}
