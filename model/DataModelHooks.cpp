#include "model/DataModelHooks.h"

#include "document/BaseDoc.h"
#include "foundation/CommandIds.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/FileCompItemLists.h"
#include "model/MainArrowUpkeep.h"
#include "model/PastedReferences.h"
#include "model/ModelOperations.h"
#include "model/RelLineObj.h"
#include "model/RelationGraph.h"
#include "model/RelationRules.h"
#include "model/RemovalCleanUp.h"

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

BOOL DataModelHooks::CleanUpRemovedObject(CBaseDoc* document, CObject* removed)
{
    return document && removed && RemovalCleanUp::CleanUpRemovedObject(*document, *removed);
}

BOOL DataModelHooks::ApplyModelCommand(CBaseDoc* document, CObject* object, UINT commandId, BOOL* changed)
{
    if (!document)
        return FALSE;
    if (auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, object)) {
        if (commandId >= ID_REL_KIND_ONE_TO_MANY && commandId <= ID_REL_KIND_SUPERTYPE)
            *changed = RelationRules::ChangeRelLineKind(*document, *arrow, commandId);
        else if (commandId == ID_REL_MAIN_ARROW)
            *changed = RelationRules::MakeMainRelLine(*document, *arrow);
        else if (commandId == ID_OBJ_ONE_TO_MANY_DIALOG || commandId == ID_OBJ_ONE_TO_MANY_DIALOG_CURRENT)
            *changed = arrow->IsOneToManyKind() &&
                       arrow->EditOneToManySettings(*document, commandId == ID_OBJ_ONE_TO_MANY_DIALOG_CURRENT);
        else if (commandId == ID_OBJ_SUBTYPE_DIALOG || commandId == ID_OBJ_SUBTYPE_DIALOG_CURRENT)
            *changed = arrow->IsSubTypeKind() &&
                       arrow->EditSubTypeSettings(*document, commandId == ID_OBJ_SUBTYPE_DIALOG_CURRENT);
        else
            return FALSE;
        return TRUE;
    }
    auto* file = DYNAMIC_DOWNCAST(CFileComp, object);
    // The definition-file and tablespace dialogs serve only a file that makes a table of its own.
    if (file && (commandId == ID_FILE_DEFINITION_FILE_DIALOG || commandId == ID_FILE_TABLESPACE_DIALOG)) {
        *changed = file->IsPhysicalTarget() && !file->GetMergedIntoParent() && !file->GetPhyControlDedicated() &&
                   (commandId == ID_FILE_DEFINITION_FILE_DIALOG ? file->RunPhyControlDialog(*document)
                                                                : file->RunTableSpaceDialog(*document));
        return TRUE;
    }
    // Only a file with a parent can have its implementation merged into the parent's.
    if (file && commandId == ID_FILE_MERGE_INTO_PARENT && !file->HasParentFileComp(*document)) {
        *changed = FALSE;
        return TRUE;
    }
    return FALSE;
}

BOOL DataModelHooks::DetachCloneOriginal(CBaseDoc* document, CObject* clone, BOOL* detached)
{
    auto* fileClone = DYNAMIC_DOWNCAST(CFileClone, clone);
    if (!document || !fileClone)
        return FALSE;
    *detached = MainArrowUpkeep::DetachFileCloneOriginal(*document, *fileClone);
    return TRUE;
}

void DataModelHooks::ConvertOldFileObject(CBaseDoc* document, CObject* object)
{
    if (auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, object))
        arrow->ResetKindFields();
    else if (auto* file = DYNAMIC_DOWNCAST(CFileComp, object))
        file->MigrateSubTypeToRelLine(*document);
}

BOOL DataModelHooks::CommitModelTextEdit(CBaseDoc* document, CObject* object, CFloatEdit*& editor, DWORD editFlags,
                                         BOOL* changed)
{
    auto* file = DYNAMIC_DOWNCAST(CFileComp, object);
    if (!file)
        return FALSE;
    *changed = FileCompItemLists::CommitFileCompTextEdit(*document, *file, editor, editFlags);
    return TRUE;
}

BOOL DataModelHooks::EditModelDataItems(CBaseDoc* document, CObject* object, BOOL* changed)
{
    auto* file = DYNAMIC_DOWNCAST(CFileComp, object);
    if (!file)
        return FALSE;
    FileCompItemLists::EditFileCompDataItems(*document, *file, changed);
    return TRUE;
}

BOOL DataModelHooks::ReplaceModelObjectText(CBaseDoc* document, CObject* object, const CString& text,
                                            const CString& replacement, BOOL matchCase, BOOL* changed)
{
    auto* file = DYNAMIC_DOWNCAST(CFileComp, object);
    if (!file)
        return FALSE;
    *changed = FileCompItemLists::ReplaceFileCompText(*document, *file, text, replacement, matchCase);
    return TRUE;
}

void DataModelHooks::RemapPastedReferences(CBaseDoc* document, CCopyList* buffer)
{
    PastedReferences::RemapPastedReferences(*document, *buffer);
}

BOOL DataModelHooks::ExecuteModelOperation(CBaseDoc* document, CObject* object, UINT commandId, DWORD hitCode,
                                           DWORD partWord, BOOL* changed)
{
    // The other selected arrows take over the current arrow's settings; the view names it by id.
    auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, object);
    if (arrow && (commandId == ID_OBJ_COPY_SUBTYPE_SETTINGS || commandId == ID_OBJ_COPY_ONE_TO_MANY_SETTINGS)) {
        const auto* source = DYNAMIC_DOWNCAST(CRelLineObj, RelationGraph::FindObject(*document, WORD(partWord)));
        *changed = source && arrow->CopyKindSettings(commandId, *source);
        return TRUE;
    }
    return ModelOperations::Execute(*document, object, commandId, hitCode, partWord, *changed);
}
