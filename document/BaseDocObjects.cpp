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
    if (CPolyObj* line = DrawObjects::AsLineObject(object)) {
        RecordChangedOnce(line);
        if (!line->ApplyAttributeCommand(commandId, argument, hitCode))
            return FALSE;
        SetModified(TRUE);
        return TRUE;
    }
    CBaseObj* box = DrawObjects::AsBoxObject(object);
    if (!box)
        return FALSE;
    // The box as it was is kept aside and recorded only when the command changes it, so that a
    // command the object refuses leaves nothing in the step. A class that cannot be copied is
    // recorded up front.
    std::unique_ptr<CObject, void (*)(CObject*)> before(nullptr, &DrawObjects::Destroy);
    if (!IsChangeRecordedForUndo(box->GetObjectId())) {
        before.reset(DrawObjects::Clone(box));
        if (!before)
            RecordChangedForUndo(box);
    }
    BOOL changed = FALSE;
    DocumentModelHooks* model = GetDocumentModelHooks();
    CEcntsObj* connector = DYNAMIC_DOWNCAST(CEcntsObj, box);
    if (connector && (commandId == ID_CONNECTOR_PAIR_START || commandId == ID_CONNECTOR_PAIR_END))
        changed = ApplyConnectorRole(connector, commandId);
    else if (!model || !model->ApplyModelCommand(this, box, commandId, &changed))
        changed = box->ApplyAttributeCommand(commandId, argument, hitCode);
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
    if (!box || !editor) {
        delete std::exchange(editor, nullptr);
        return FALSE;
    }
    if (!editor->GetModify())
        return box->EndEdit(editor, m_dwEditFlgs);
    CUndoStep step(this);
    RecordChangedOnce(box);
    if (!box->EndEdit(editor, m_dwEditFlgs))
        return FALSE;
    SyncHeaderTextFromObject(box->GetObjectId(), box);
    SetModified(TRUE);
    if (CEcntsObj* connector = DYNAMIC_DOWNCAST(CEcntsObj, box))
        CopyConnectorTextToPair(connector);
    return TRUE;
}

BOOL CBaseDoc::ExecuteObjectOperation(CObject* object, UINT commandId, DWORD hitCode, DWORD partWord)
{
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
    if (model && model->ExecuteModelOperation(this, object, commandId, hitCode, partWord, &changed)) {
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
    if (m_bReadOnly)
        return FALSE;
    if (CPolyObj* line = DrawObjects::AsLineObject(object)) {
        RecordChangedOnce(line);
        if (hitCode & HIT_BODY)
            line->MoveBy(*offset, hitCode);
        else if (hitCode & HIT_HANDLE)
            line->ResizeByHandle(*offset, hitCode);
        else if (hitCode & HIT_SHAPE_HANDLE)
            line->MovePointByHandle(*offset, hitCode, extra);
        SetModified(TRUE);
        return TRUE;
    }
    CBaseObj* box = DrawObjects::AsBoxObject(object);
    if (!box)
        return FALSE;
    RecordChangedOnce(box);
    const CRect before = box->GetRect();
    if (hitCode & HIT_BODY)
        box->MoveBy(*offset, hitCode);
    else if (hitCode & HIT_HANDLE)
        box->ResizeByHandle(*offset, hitCode);
    else if (hitCode & HIT_SHAPE_HANDLE)
        box->ApplyHandleDrag(*offset, hitCode, extra);
    if ((hitCode & (HIT_BODY | HIT_HANDLE)) && !(hitCode & HIT_PARTS))
        MoveAttachedLineEnds(box->GetObjectId(), before, box->GetRect());
    SetModified(TRUE);
    return TRUE;
}

void CBaseDoc::MoveAttachedLineEnds(WORD boxId, const CRect& before, const CRect& after)
{
    if (boxId == 0)
        return;
    // Each end keeps its place relative to the box: a move carries it along, a resize maps it.
    auto offsetFor = [&](POINT end) {
        CPoint moved(end);
        MapPointBetweenRects(moved, before, after);
        return moved - end;
    };
    for (POSITION pos = m_objects.GetHeadPosition(); pos;) {
        CPolyObj* line = DrawObjects::AsLineObject(m_objects.GetNext(pos));
        if (!line || !line->IsConnectedTo(boxId) || line->GetCount() < 2)
            continue;
        RecordChangedOnce(line);
        // The views repaint the line where it was and where it goes.
        UpdateObjectInViews(line);
        if (line->IsStartObject(boxId))
            line->MoveStartPoint(offsetFor(line->GetStartPoint()));
        if (line->IsEndObject(boxId))
            line->MoveEndPoint(offsetFor(line->GetEndPoint()));
        UpdateObjectInViews(line);
    }
}
