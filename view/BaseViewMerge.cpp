// Gathering conceptual files by name (32940) and the offer to merge one conceptual file into
// another when the pointer tool drops it there. The data model does the work through
// FileMergeServices.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/CmdUI.h"
#include "view/FileMergeServices.h"

namespace {

bool IsFileComp(const CObject* object)
{
    return object && DrawObjects::GetKind(object) == OBJKIND_FILECOMP;
}

} // namespace

void CBaseView::OnMergeFileCompsByName()
{
    CBaseDoc* doc = GetDocument();
    if (doc->IsReadOnly())
        return;
    EndInPlaceEditAndRefresh();
    const CString question =
        CString(
            u8"選択されている概念ﾌｧｲﾙの名称あるいは代替ｷｰｸﾞﾙｰﾌﾟ(ﾚﾍﾞﾙ1のみ比較)に一致する概念ﾌｧｲﾙの名寄せを行いますか。") +
        CString(u8"\n名寄せの基になる選択中の概念ﾌｧｲﾙは枠線が赤色に変更されます。") +
        CString(u8"\n名寄せされた概念ﾌｧｲﾙは、枠線が青色に変更されます。");
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    FileMergeServices* services = GetFileMergeServices();
    if (!services)
        return;
    CUndoStep step(doc);
    if (!step.IsOpen())
        return;
    DeselectAllButKind(OBJKIND_FILECOMP);
    // A snapshot: collecting moves files, which may reach the selection.
    CObList files;
    files.AddTail(&m_selection);
    if (services->CollectSameNameFileComps(*doc, files) < 0)
        AfxMessageBox(CString(u8"概念ﾌｧｲﾙの名寄せ処理中にｴﾗｰが発生しました。名寄せ処理を中止します。"),
                      MB_OK | MB_ICONEXCLAMATION);
}

void CBaseView::OnUpdateMergeFileCompsByName(CCmdUI* cmdUI)
{
    BOOL fileSelected = FALSE;
    for (POSITION pos = m_selection.GetHeadPosition(); pos && !fileSelected;)
        fileSelected = IsFileComp(m_selection.GetNext(pos));
    cmdUI->Enable(!IsDocReadOnly() && fileSelected);
}

CObject* CBaseView::FindFileMergeTarget(CPoint zoomed, CPoint doc, UINT keyFlags)
{
    if (!IsFileComp(m_pDragObject) || m_selection.GetCount() != 1 || !(m_nHitCode & HIT_BODY))
        return nullptr;
    CObject* target = FindObjectAt(doc);
    if (!IsFileComp(target) || target == m_pDragObject)
        return nullptr;
    // The drop must land on the file itself, not on one of its labels.
    const DWORD hitCode = m_nHitCode, hitIndex = m_nHitIndex;
    CPoint handle;
    const BOOL hit = HitTestObjectHandles(target, zoomed, keyFlags, handle);
    const BOOL onBody = hit && m_nHitCode < 0x10000000;
    m_nHitCode = hitCode;
    m_nHitIndex = hitIndex;
    return onBody ? target : nullptr;
}

void CBaseView::OfferFileMerge(CObject* target)
{
    CObject* merged = m_pDragObject;
    FileMergeServices* services = GetFileMergeServices();
    if (!services || !target || !merged)
        return;
    if (AfxMessageBox(CString(u8"所属ﾃﾞｰﾀ項目をﾏｰｼﾞしますか。"), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    // The merged file leaves the document: nothing may point at it afterwards.
    m_pDragObject = nullptr;
    if (!services->MergeFileCompInto(*GetDocument(), target, merged))
        m_pDragObject = merged;
}

const MessageMap* CBaseView::GetMergeMessageMap() const
{
    static const MessageMap map{CScrollView::GetMessageMap(),
                                {
                                    MapCommand(ID_MERGE_FILES, &CBaseView::OnMergeFileCompsByName),
                                    MapUpdate(ID_MERGE_FILES, &CBaseView::OnUpdateMergeFileCompsByName),
                                }};
    return &map;
}
