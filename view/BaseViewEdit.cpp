// Undo and redo of the document's editing steps. While an in-place text editor is open the two
// commands belong to the editor.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "platform/ui/CmdUI.h"

void CBaseView::OnEditUndo()
{
    CBaseDoc* doc = GetDocument();
    if (doc->IsReadOnly() || IsLabelEditing())
        return;
    doc->Undo();
}

void CBaseView::OnEditRedo()
{
    CBaseDoc* doc = GetDocument();
    if (doc->IsReadOnly() || IsLabelEditing())
        return;
    doc->Redo();
}

void CBaseView::OnUpdateEditUndo(CCmdUI* cmdUI)
{
    const CBaseDoc* doc = GetDocument();
    cmdUI->Enable(!doc->IsReadOnly() && !IsLabelEditing() && doc->CanUndo());
}

void CBaseView::OnUpdateEditRedo(CCmdUI* cmdUI)
{
    const CBaseDoc* doc = GetDocument();
    cmdUI->Enable(!doc->IsReadOnly() && !IsLabelEditing() && doc->CanRedo());
}
