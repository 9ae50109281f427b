#include "model/DataModelHooks.h"

#include "document/BaseDoc.h"
#include "model/FileComp.h"
#include "model/FileCompItemLists.h"
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
