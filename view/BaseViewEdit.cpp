// Undo and redo of the document's editing steps, and the clipboard commands. While an in-place
// text editor is open these commands belong to the editor.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "objects/FloatEdit.h"
#include "platform/ui/CmdUI.h"

void CBaseView::OnEditUndo()
{
    CBaseDoc* doc = GetDocument();
    if (doc->IsReadOnly())
        return;
    if (IsLabelEditing())
        m_pLabelEdit->Undo();
    else
        doc->Undo();
}

void CBaseView::OnEditRedo()
{
    CBaseDoc* doc = GetDocument();
    if (doc->IsReadOnly())
        return;
    // An edit control's undo takes back its own undo as well.
    if (IsLabelEditing())
        m_pLabelEdit->Undo();
    else
        doc->Redo();
}

void CBaseView::OnUpdateEditUndo(CCmdUI* cmdUI)
{
    const CBaseDoc* doc = GetDocument();
    cmdUI->Enable(!doc->IsReadOnly() && (IsLabelEditing() ? m_pLabelEdit->CanUndo() : doc->CanUndo()));
}

void CBaseView::OnUpdateEditRedo(CCmdUI* cmdUI)
{
    const CBaseDoc* doc = GetDocument();
    cmdUI->Enable(!doc->IsReadOnly() && (IsLabelEditing() ? m_pLabelEdit->CanUndo() : doc->CanRedo()));
}

// Copying drawing objects to the clipboard comes with the clipboard format; until then the three
// commands serve the editor only.
void CBaseView::OnEditCopy()
{
    if (IsLabelEditing())
        m_pLabelEdit->Copy();
}

void CBaseView::OnEditCut()
{
    if (!GetDocument()->IsReadOnly() && IsLabelEditing())
        m_pLabelEdit->Cut();
}

void CBaseView::OnEditPaste()
{
    if (!GetDocument()->IsReadOnly() && IsLabelEditing())
        m_pLabelEdit->Paste();
}

void CBaseView::OnUpdateEditCopy(CCmdUI* cmdUI)
{
    cmdUI->Enable(IsLabelEditing());
}

void CBaseView::OnUpdateEditCutOrPaste(CCmdUI* cmdUI)
{
    cmdUI->Enable(!GetDocument()->IsReadOnly() && IsLabelEditing());
}
