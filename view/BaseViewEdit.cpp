// Undo and redo of the document's editing steps, and the clipboard commands: drawing objects
// travel as one archive of the selection under the drawing-object format. While an in-place text
// editor is open these commands belong to the editor.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "objects/CopyList.h"
#include "objects/FloatEdit.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/OleDataObject.h"
#include "platform/ui/VirtualKeys.h"

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

void CBaseView::OnEditCopy()
{
    if (IsLabelEditing())
        m_pLabelEdit->Copy();
    else if (HasSelection())
        CopySelectionToClipboard();
}

void CBaseView::OnEditCut()
{
    if (GetDocument()->IsReadOnly())
        return;
    if (IsLabelEditing()) {
        m_pLabelEdit->Cut();
    } else if (HasSelection()) {
        CopySelectionToClipboard();
        // The deletion runs as the Delete key's, which keeps what may not be deleted.
        OnKeyDown(VK_DELETE, 1, 0);
    }
}

void CBaseView::OnEditPaste()
{
    CBaseDoc* doc = GetDocument();
    if (doc->IsReadOnly())
        return;
    if (IsLabelEditing()) {
        m_pLabelEdit->Paste();
        return;
    }
    CUndoStep step(doc);
    if (!step.IsOpen())
        return;
    // The insertion point is the last creation-tool press, kept on the grid and in the document.
    SnapAndClampPoint(m_ptAnchor, m_ptAnchor100);
    doc->PasteObjects(m_ptAnchor100.x, m_ptAnchor100.y);
}

void CBaseView::CopySelectionToClipboard()
{
    // The selection order becomes the order of the paste.
    PutDrawObjectsOnClipboard(m_selection);
}

void CBaseView::OnUpdateEditCopy(CCmdUI* cmdUI)
{
    cmdUI->Enable(IsLabelEditing() || HasSelection());
}

void CBaseView::OnUpdateEditCut(CCmdUI* cmdUI)
{
    cmdUI->Enable(!GetDocument()->IsReadOnly() && (IsLabelEditing() || HasSelection()));
}

void CBaseView::OnUpdateEditPaste(CCmdUI* cmdUI)
{
    if (GetDocument()->IsReadOnly()) {
        cmdUI->Enable(FALSE);
        return;
    }
    COleDataObject data;
    cmdUI->Enable(IsLabelEditing() || (data.AttachClipboard() && data.IsDataAvailable(GetDrawObjectClipFormat())));
}
