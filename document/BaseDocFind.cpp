// Find and replace of CBaseDoc over the texts of the box and line objects. Each object class
// decides which of its texts take part (FindObjectText and ReplaceObjectText of the two
// interfaces: a plain line has none, a relation arrow its labels); the data model's objects carry
// a replacement on through the model hooks.
#include "document/BaseDoc.h"

#include "document/ModelHooks.h"
#include "document/UndoStep.h"
#include "document/ViewServices.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/PolyObj.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/WinApp.h"

namespace BaseDocFindImpl {

void Beep()
{
    MessageBeep(UINT(-1));
}

// The end of a search: the status bar says so, and a beep when asked for.
void ReportSearchEnd(BOOL beep)
{
    if (auto* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd()))
        frame->SetMessageText(CString(u8"検索が終了しました"));
    if (beep)
        Beep();
}

BOOL HoldsText(CObject* object, const CString& text, BOOL matchCase)
{
    if (const CBaseObj* box = DrawObjects::AsBoxObject(object))
        return box->FindObjectText(text, matchCase);
    const CPolyObj* line = DrawObjects::AsLineObject(object);
    return line && line->FindObjectText(text, matchCase);
}

} // namespace BaseDocFindImpl

CObject* CBaseDoc::FindNextObject(const char* text, BOOL matchCase, CObject* current, BOOL beepAtEnd)
{
    using namespace BaseDocFindImpl;
    if (m_objects.IsEmpty()) {
        if (beepAtEnd)
            Beep();
        return nullptr;
    }
    const CString find(text);
    POSITION pos = current ? m_objects.Find(current) : nullptr;
    if (pos)
        m_objects.GetNext(pos);
    else
        current = nullptr, pos = m_objects.GetHeadPosition();
    // Without a current object one pass to the end; with one, on from the head up to it.
    for (int pass = 0; pass < 2; ++pass) {
        while (pos) {
            CObject* object = m_objects.GetNext(pos);
            if (object == current) {
                ReportSearchEnd(beepAtEnd);
                return current;
            }
            if (HoldsText(object, find, matchCase))
                return object;
        }
        if (!current)
            break;
        pos = m_objects.GetHeadPosition();
    }
    ReportSearchEnd(beepAtEnd);
    return nullptr;
}

BOOL CBaseDoc::FindAllObjects(const char* text, BOOL matchCase, ViewServices* view)
{
    using namespace BaseDocFindImpl;
    if (m_objects.IsEmpty()) {
        Beep();
        return FALSE;
    }
    const CString find(text);
    BOOL found = FALSE;
    for (POSITION pos = m_objects.GetHeadPosition(); pos;) {
        CObject* object = m_objects.GetNext(pos);
        if (!HoldsText(object, find, matchCase))
            continue;
        view->AddToSelection(object);
        view->SetCurrentObject(object);
        found = TRUE;
    }
    if (!found)
        ReportSearchEnd(TRUE);
    return found;
}

BOOL CBaseDoc::ReplaceInObject(CObject* object, const char* text, const char* replacement, BOOL matchCase)
{
    const CString find(text);
    const CString replaceWith(replacement);
    if (CPolyObj* line = DrawObjects::AsLineObject(object)) {
        if (!line->FindObjectText(find, matchCase))
            return FALSE;
        RecordChangedOnce(line);
        if (!line->ReplaceObjectText(find, replaceWith, matchCase))
            return FALSE;
        SetModified(TRUE);
        UpdateObjectInViews(line);
        return TRUE;
    }
    CBaseObj* box = DrawObjects::AsBoxObject(object);
    if (!box || !box->FindObjectText(find, matchCase))
        return FALSE;
    RecordChangedOnce(box);
    BOOL changed = FALSE;
    DocumentModelHooks* model = GetDocumentModelHooks();
    if (!model || !model->ReplaceModelObjectText(this, box, find, replaceWith, matchCase, &changed))
        changed = box->ReplaceObjectText(find, replaceWith, matchCase);
    if (changed) {
        SetModified(TRUE);
        UpdateObjectInViews(box);
    }
    return changed;
}

CObject* CBaseDoc::ReplaceAndFindNext(const char* text, const char* replacement, BOOL matchCase, CObject* current,
                                      BOOL* replaced)
{
    *replaced = FALSE;
    if (m_bReadOnly)
        return nullptr;
    if (m_objects.IsEmpty()) {
        BaseDocFindImpl::Beep();
        return nullptr;
    }
    if (current && (DrawObjects::AsBoxObject(current) || DrawObjects::AsLineObject(current))) {
        CUndoStep step(this, CUndoStep::JOIN_CURRENT);
        if (step.IsOpen())
            *replaced = ReplaceInObject(current, text, replacement, matchCase);
    }
    return FindNextObject(text, matchCase, current, !*replaced);
}

BOOL CBaseDoc::ReplaceAll(const char* text, const char* replacement, BOOL matchCase)
{
    if (m_bReadOnly)
        return FALSE;
    if (m_objects.IsEmpty()) {
        BaseDocFindImpl::Beep();
        return FALSE;
    }
    DeselectAllInViews();
    CUndoStep step(this);
    if (!step.IsOpen())
        return FALSE;
    BOOL changed = FALSE;
    for (POSITION pos = m_objects.GetHeadPosition(); pos;)
        changed |= ReplaceInObject(m_objects.GetNext(pos), text, replacement, matchCase);
    if (!changed)
        BaseDocFindImpl::Beep();
    return changed;
}
