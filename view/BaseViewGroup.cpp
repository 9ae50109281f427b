// The view's grouping commands: the selected objects become one group, or each selected group
// gives way to its members, in one undo step each.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/GroupObj.h"
#include "platform/ui/CmdUI.h"

void CBaseView::OnGroup()
{
    CBaseDoc* doc = GetDocument();
    if (doc->IsReadOnly() || !HasSelection() || !doc->CanGroupObjects(&m_selection))
        return;
    InvalidateSelection();
    UpdateAllViewsForSelection();
    GroupSelection();
    InvalidateSelection();
    UpdateAllViewsForSelection();
}

void CBaseView::GroupSelection()
{
    CBaseDoc* doc = GetDocument();
    CUndoStep step(doc);
    if (!step.IsOpen())
        return;
    CGroupObj* group = doc->GroupObjects(&m_selection);
    if (!group)
        return;
    DeleteSelection();
    AddToSelection(group);
    SetCurrentObject(group);
}

void CBaseView::OnUpdateGroup(CCmdUI* cmdUI)
{
    cmdUI->Enable(!GetDocument()->IsReadOnly() && IsMultipleSelection());
}

void CBaseView::OnUngroup()
{
    if (GetDocument()->IsReadOnly() || !HasSelection() || !IsKindSelected(OBJKIND_GROUP))
        return;
    InvalidateSelection();
    UpdateAllViewsForSelection();
    UngroupSelection();
    InvalidateSelection();
    UpdateAllViewsForSelection();
}

void CBaseView::UngroupSelection()
{
    CBaseDoc* doc = GetDocument();
    CUndoStep step(doc);
    if (!step.IsOpen())
        return;
    CObList members;
    for (POSITION pos = m_selection.GetHeadPosition(); pos;) {
        const POSITION current = pos;
        CObject* object = m_selection.GetNext(pos);
        if (object && object->IsKindOf(RUNTIME_CLASS(CGroupObj))) {
            if (!doc->UngroupObject(object, &members))
                return;
        } else {
            m_selection.RemoveAt(current);
        }
    }
    DeleteSelection();
    for (POSITION pos = members.GetHeadPosition(); pos;)
        AppendToSelection(members.GetNext(pos));
    SetCurrentObject(GetLastSelected());
}

void CBaseView::OnUpdateUngroup(CCmdUI* cmdUI)
{
    cmdUI->Enable(!GetDocument()->IsReadOnly() && IsKindSelected(OBJKIND_GROUP));
}
