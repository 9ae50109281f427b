// The object commands of CBaseDoc: attribute commands, shape operations, moving and resizing. Each
// records the object as it was before the change, once per undo step, and marks the document
// modified when the object reports a change.
#include "document/BaseDoc.h"

#include "document/ModelHooks.h"
#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "foundation/ZoomScale.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/EcntsObj.h"
#include "objects/FloatEdit.h"
#include "objects/PolyObj.h"
#include "platform/afx/Rect.h"

#include <memory>
#include <utility>

namespace {

// The resize handle of the bottom-right corner: resizing with it keeps the top-left corner.
constexpr DWORD HIT_BOTTOM_RIGHT = HIT_HANDLE | HIT_SIDE_BOTTOM | HIT_SIDE_RIGHT;

// Operations of the modelling objects that work on the document itself (dialogs over the model);
// the document hands itself over in place of the part word.
BOOL TakesDocumentArgument(UINT commandId)
{
    switch (commandId) {
    case ID_OBJ_FILE_DIALOG:
    case ID_OBJ_SUBTYPE_DIALOG:
    case ID_OBJ_SUBTYPE_DIALOG_CURRENT:
    case ID_OBJ_ONE_TO_MANY_DIALOG:
    case ID_OBJ_ONE_TO_MANY_DIALOG_CURRENT: return TRUE;
    default: return FALSE;
    }
}

} // namespace

BOOL CBaseDoc::ApplyObjectCommand(CObject* object, UINT commandId, CObject* argument, DWORD hitCode)
{
    if (commandId < ID_ATTRIBUTE_FIRST || commandId > ID_ATTRIBUTE_LAST)
        return FALSE;
    // A read-only document lets through only the commands that change nothing in it.
    if (m_bReadOnly && !IsReadOnlySafeAttributeCommand(commandId))
        return FALSE;
    CBaseObj* box = DrawObjects::AsBoxObject(object);
    CPolyObj* line = box ? nullptr : DrawObjects::AsLineObject(object);
    if (!box && !line)
        return FALSE;
    // The object as it was is kept aside and recorded only when the command changes it, so that a
    // command the object or a modelling rule refuses leaves nothing in the step. A class that
    // cannot be copied is recorded up front.
    std::unique_ptr<CObject, void (*)(CObject*)> before(nullptr, &DrawObjects::Destroy);
    if (!IsChangeRecordedForUndo(DrawObjects::GetObjectId(object))) {
        before.reset(DrawObjects::Clone(object));
        if (!before)
            RecordChangedForUndo(object);
    }
    BOOL changed = FALSE;
    DocumentModelHooks* model = GetDocumentModelHooks();
    CEcntsObj* connector = DYNAMIC_DOWNCAST(CEcntsObj, object);
    // Line objects are offered to the model too: a relation arrow's kind and main-arrow commands
    // must pass its rules (loops, one main arrow per file) before the arrow itself changes.
    if (connector && (commandId == ID_CONNECTOR_PAIR_START || commandId == ID_CONNECTOR_PAIR_END))
        changed = ApplyConnectorRole(connector, commandId);
    else if (!model || !model->ApplyModelCommand(this, object, commandId, &changed))
        changed = box ? box->ApplyAttributeCommand(commandId, argument, hitCode)
                      : line->ApplyAttributeCommand(commandId, argument, hitCode);
    if (!changed)
        return FALSE;
    if (before)
        RecordChangedForUndo(before.get());
    SetModified(TRUE);
    return TRUE;
}

BOOL CBaseDoc::CommitObjectTextEdit(CObject* object, CFloatEdit*& editor)
{
    CBaseObj* box = DrawObjects::AsBoxObject(object);
    if (CPolyObj* line = box ? nullptr : DrawObjects::AsLineObject(object); line && editor)
        return CommitLineTextEdit(line, editor);
    if (!box || !editor) {
        delete std::exchange(editor, nullptr);
        return FALSE;
    }
    if (!editor->GetModify())
        return box->EndEdit(editor, m_dwEditFlgs);
    CUndoStep step(this);
    RecordChangedOnce(box);
    // A modelling object's text may stand for more than itself (a conceptual file's items, the
    // name its clones show); the model takes such an edit over whole.
    BOOL changed = FALSE;
    DocumentModelHooks* model = GetDocumentModelHooks();
    if (!model || !model->CommitModelTextEdit(this, box, editor, m_dwEditFlgs, &changed))
        changed = box->EndEdit(editor, m_dwEditFlgs);
    if (!changed)
        return FALSE;
    SyncHeaderTextFromObject(box->GetObjectId(), box);
    SetModified(TRUE);
    if (CEcntsObj* connector = DYNAMIC_DOWNCAST(CEcntsObj, box))
        CopyConnectorTextToPair(connector);
    return TRUE;
}

BOOL CBaseDoc::CommitLineTextEdit(CPolyObj* line, CFloatEdit*& editor)
{
    BOOL changed = FALSE;
    if (!editor->GetModify()) {
        line->EndEdit(editor, m_dwEditFlgs);
    } else {
        CUndoStep step(this);
        RecordChangedOnce(line);
        changed = line->EndEdit(editor, m_dwEditFlgs);
        if (changed)
            SetModified(TRUE);
    }
    // A line with no label edit under way leaves the editor alone: it is closed here either way.
    delete std::exchange(editor, nullptr);
    return changed;
}

BOOL CBaseDoc::ExecuteObjectOperation(CObject* object, UINT commandId, DWORD hitCode, DWORD partWord)
{
    if (commandId == ID_OBJ_DATA_ITEM_DIALOG) {
        // The data items dialog opens on a read-only document too, read-only there. The model
        // records and marks modified only what the edited items change.
        BOOL changed = FALSE;
        if (DocumentModelHooks* model = GetDocumentModelHooks();
            model && model->EditModelDataItems(this, object, &changed))
            return changed;
    }
    if (DrawObjects::AsLineObject(object) && TakesDocumentArgument(commandId)) {
        // A relation arrow's settings dialogs open on a read-only document too, with OK disabled;
        // the model records the arrow and what its rules change.
        DocumentModelHooks* model = GetDocumentModelHooks();
        BOOL changed = FALSE;
        if (!model || !model->ApplyModelCommand(this, object, commandId, &changed) || !changed)
            return FALSE;
        SetModified(TRUE);
        return TRUE;
    }
    if (commandId < ID_OPERATION_FIRST || commandId > ID_OPERATION_LAST)
        return FALSE;
    // A read-only document still opens the dialogs; they show the model without letting it change.
    if (m_bReadOnly && !IsReadOnlySafeOperationCommand(commandId))
        return FALSE;
    CPolyObj* line = DrawObjects::AsLineObject(object);
    CBaseObj* box = line ? nullptr : DrawObjects::AsBoxObject(object);
    if (!line && !box)
        return FALSE;
    // The view writes the CREATE TABLE script itself: nothing changes here.
    if (commandId == ID_OBJ_CREATE_TABLE)
        return TRUE;
    if (box && (commandId == ID_OBJ_STANDARD_SIZE || commandId == ID_OBJ_DEFAULT_SIZE)) {
        CSize size;
        if (commandId == ID_OBJ_STANDARD_SIZE)
            box->GetStandardSize(size);
        else
            box->GetDefaultSize(size);
        const CRect& rect = box->GetRect();
        const CSize offset(rect.left + size.cx - rect.right, rect.top + size.cy - rect.bottom);
        if (offset == CSize(0, 0))
            return FALSE;
        return MoveOrResizeObject(box, TRUE, &offset, HIT_BOTTOM_RIGHT, 0);
    }
    // Making a clone adds an object and leaves this one as it is. On a read-only document only a
    // dialog runs, which changes nothing, so nothing goes into the undo log.
    if (!m_bReadOnly && commandId != ID_OBJ_CREATE_CLONE)
        RecordChangedOnce(object);
    BOOL changed = FALSE;
    DocumentModelHooks* model = GetDocumentModelHooks();
    if (model && commandId == ID_OBJ_CANCEL_CLONE_SOURCE && model->DetachCloneOriginal(this, object, &changed)) {
        // The clone let go of its source file, with what hung on it.
    } else if (model && model->ExecuteModelOperation(this, object, commandId, hitCode, partWord, &changed)) {
        // The model carried it out.
    } else if (line) {
        changed = line->ApplyShapeOperation(commandId, hitCode, partWord);
    } else {
        const UINT_PTR argument = TakesDocumentArgument(commandId) ? reinterpret_cast<UINT_PTR>(this) : partWord;
        changed = box->ApplyShapeOperation(commandId, hitCode, argument);
        // A box connected to a circular connector shows the connector's text.
        if (changed && commandId == ID_OBJ_PICK_CONNECTOR)
            CopyTextFromConnector(box, WORD(hitCode));
    }
    if (!changed)
        return FALSE;
    SetModified(TRUE);
    return TRUE;
}

BOOL CBaseDoc::MoveOrResizeObject(CObject* object, BOOL /*printMode*/, const CSize* offset, DWORD hitCode, DWORD extra)
{
    if (m_bReadOnly || !offset)
        return FALSE;
    CPolyObj* line = DrawObjects::AsLineObject(object);
    CBaseObj* box = line ? nullptr : DrawObjects::AsBoxObject(object);
    if (!line && !box)
        return FALSE;
    // Moving or resizing a part (a label) takes nothing along.
    const BOOL follow = (hitCode & HIT_PARTS) == 0;
    if (hitCode & HIT_BODY) {
        RecordChangedOnce(object);
        line ? line->MoveBy(*offset, hitCode) : box->MoveBy(*offset, hitCode);
        SetModified(TRUE);
        if (follow)
            FollowMovedObject(object, *offset, extra);
    } else if (hitCode & HIT_HANDLE) {
        RecordChangedOnce(object);
        // The attached lines are worked out from the box as it is before the resize.
        if (box && follow)
            FollowResizedObject(box, *offset, hitCode);
        line ? line->ResizeByHandle(*offset, hitCode) : box->ResizeByHandle(*offset, hitCode);
        SetModified(TRUE);
    } else if (hitCode & HIT_SHAPE_HANDLE) {
        RecordChangedOnce(object);
        line ? line->MovePointByHandle(*offset, hitCode, extra) : box->ApplyHandleDrag(*offset, hitCode, extra);
        SetModified(TRUE);
    } else {
        return FALSE;
    }
    return TRUE;
}
