#include "model/ModelOperations.h"

#include "document/BaseDoc.h"
#include "foundation/CommandIds.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/FileCompServices.h"
#include "model/ModelEdits.h"
#include "model/RelationGraph.h"
#include "objects/DrawObjects.h"
#include "objects/ObjectServices.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/CmdUI.h"

#include <memory>

namespace ModelOperations {

namespace {

// Some relation arrow runs from the clone to the file or a clone of it, from the file or a clone of
// it to the clone, or from the clone to itself: bound to the file, the clone would stand at both
// ends of that arrow.
BOOL HasArrowJoiningCloneAndFile(const CBaseDoc& doc, WORD cloneId, WORD fileId)
{
    return RelationGraph::HasRelLineBetween(doc, cloneId, fileId, TRUE) ||
           RelationGraph::HasRelLineBetween(doc, fileId, cloneId, TRUE) ||
           RelationGraph::HasRelLineBetween(doc, cloneId, cloneId, FALSE);
}

} // namespace

BOOL Execute(CBaseDoc& doc, CObject* object, UINT commandId, DWORD hitCode, DWORD partWord, BOOL& changed)
{
    if (auto* file = DYNAMIC_DOWNCAST(CFileComp, object)) {
        switch (commandId) {
        case ID_OBJ_FILE_DIALOG: changed = RunFileDialog(doc, *file, hitCode); return TRUE;
        case ID_OBJ_CREATE_CLONE: changed = CreateFileClone(doc, *file); return TRUE;
        default: return FALSE;
        }
    }
    if (auto* clone = DYNAMIC_DOWNCAST(CFileClone, object); clone && commandId == ID_OBJ_PICK_CLONE_SOURCE) {
        // The view hands over the picked object's id as the part word.
        changed = SetCloneOriginal(doc, *clone, WORD(partWord));
        return TRUE;
    }
    return FALSE;
}

BOOL RunFileDialog(CBaseDoc& doc, CFileComp& file, DWORD hitCode)
{
    const CString name = file.GetFileName();
    const BOOL dedicated = file.GetPhyControlDedicated();
    if (!file.ApplyShapeOperation(ID_OBJ_FILE_DIALOG, hitCode, reinterpret_cast<UINT_PTR>(&doc)))
        return FALSE;
    // The dialog shows a read-only document without applying anything.
    if (doc.IsReadOnly())
        return TRUE;
    if (file.GetFileName() != name)
        FileCompServices::PropagateFileCompName(doc, file);
    if (dedicated && !file.GetPhyControlDedicated())
        ClearPhyControlFileLinks(doc, file.GetObjectId());
    return TRUE;
}

BOOL CreateFileClone(CBaseDoc& doc, const CFileComp& file)
{
    if (doc.IsReadOnly())
        return FALSE;
    const WORD id = doc.NewObjectId();
    if (id == 0)
        return FALSE;
    std::unique_ptr<CFileClone> clone(file.CreateCloneObject(id));
    ObjectServices* services = GetObjectServices();
    const CBaseObj* prototype =
        services ? DrawObjects::AsBoxObject(services->FindDefaultPrototype(clone.get())) : nullptr;
    if (!prototype || !DrawObjects::IsDrawObject(clone.get()))
        return FALSE;
    clone->CopyAttributes(*prototype);
    // The document owns the clone from here on, also when it could not take it (it deletes it then).
    CFileClone* added = clone.release();
    if (!doc.AddObject(added))
        return FALSE;
    doc.SelectObjectInViews(added);
    return TRUE;
}

BOOL SetCloneOriginal(CBaseDoc& doc, CFileClone& clone, WORD fileId)
{
    CObject* picked = nullptr;
    if (fileId == clone.GetOriginalFileId() || fileId == 0 || !doc.FindObjectById(fileId, picked))
        return FALSE;
    const auto* file = DYNAMIC_DOWNCAST(CFileComp, picked);
    if (!file) {
        AfxMessageBox(CString(u8"概念ﾌｧｲﾙｵﾌﾞｼﾞｪｸﾄではないので、元概念ﾌｧｲﾙには設定できません。"),
                      MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (HasArrowJoiningCloneAndFile(doc, clone.GetObjectId(), fileId)) {
        AfxMessageBox(CString(u8"自己参照となってしまう矢線ｵﾌﾞｼﾞｪｸﾄが存在するため、元概念ﾌｧｲﾙには設定できません。"),
                      MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    doc.RecordChangedOnce(&clone);
    clone.ApplyShapeOperation(ID_OBJ_PICK_CLONE_SOURCE, 0, fileId);
    clone.SetText(file->GetFileName());
    return TRUE;
}

BOOL ClearPhyControlFileLinks(CBaseDoc& doc, WORD fileId)
{
    if (fileId == 0)
        return FALSE;
    BOOL changed = FALSE;
    RelationGraph::ForEachObjectOf<CFileComp>(doc, [&](CFileComp& user) {
        if (!user.UsesPhyControlFile(fileId))
            return;
        ChangeRecorded(doc, user, [](CFileComp& shown) { shown.ClearPhyControlFile(); });
        changed = TRUE;
    });
    return changed;
}

void RedrawFilesUsingPhyControlFile(CBaseDoc& doc, WORD fileId)
{
    if (fileId == 0)
        return;
    RelationGraph::ForEachObjectOf<CFileComp>(doc, [&](CFileComp& user) {
        if (user.UsesPhyControlFile(fileId) && !doc.IsChangeRecordedForUndo(user.GetObjectId()))
            doc.UpdateObjectInViews(&user);
    });
}

BOOL CanRunModelCommand(const CBaseDoc& doc)
{
    return !doc.IsReadOnly() && doc.HasActiveBaseView() && RelationGraph::HasFileComp(doc);
}

void OnUpdateModelCommand(const CBaseDoc& doc, CCmdUI* cmdUI)
{
    cmdUI->Enable(CanRunModelCommand(doc));
}

} // namespace ModelOperations
