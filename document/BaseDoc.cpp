#include "document/BaseDoc.h"

#include "document/HeaderItems.h"
#include "document/ModelHooks.h"
#include "document/ViewServices.h"
#include "foundation/CommandIds.h"
#include "foundation/ErrorReport.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "objects/PolyObj.h"

#include "platform/afx/MessageSink.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/FrameworkIds.h"
#include "platform/ui/View.h"
#include "platform/ui/WinApp.h"

#include <unordered_set>
#include <vector>

IMPLEMENT_DYNCREATE(CBaseDoc, CDocument)

namespace {

// The file-status time that means "no time stamp known".
CTime NoKnownFileTime()
{
    return CTime(1990, 1, 1, 0, 0, 0);
}

} // namespace

CBaseDoc* CBaseDoc::GetActiveIn(CCmdTarget& target)
{
    auto* frame = DYNAMIC_DOWNCAST(CFrameWnd, &target);
    return frame ? DYNAMIC_DOWNCAST(CBaseDoc, frame->GetActiveDocument()) : nullptr;
}

CBaseDoc::CBaseDoc()
    : m_wFileVersion(DOCUMENT_FILE_VERSION),
      m_wPaperID(1),
      m_nPagesAcross(1),
      m_nPagesDown(1),
      m_dwPrintScale(100),
      m_nMarginLeft(150),
      m_nMarginTop(150),
      m_nMarginRight(150),
      m_nMarginBottom(150),
      m_wFooterStartPage(1),
      m_bAutoTotalPages(1),
      m_wUserTotalPages(0),
      m_wPageNumStyle(1),
      m_wPageNumPos(2),
      m_bPageNumInMargin(1),
      m_wHeaderStyle(2),
      m_wTitleItemId(0),
      m_bTitleShown(0),
      m_wAuthorValueId(0),
      m_wAuthorLabelId(0),
      m_bAuthorShown(0),
      m_wUpdaterValueId(0),
      m_wUpdaterLabelId(0),
      m_bUpdaterShown(0),
      m_wCreatedValueId(0),
      m_wCreatedLabelId(0),
      m_bCreatedShown(0),
      m_wUpdatedValueId(0),
      m_wUpdatedLabelId(0),
      m_bUpdatedShown(0),
      m_wRemarksItemId(0),
      m_bRemarksShown(0),
      m_wNextObjectId(1),
      m_lfDrawingFont{},
      m_wUpdateRightMode(2),
      m_wSecondMode(2),
      m_dwEditFlgs(0),
      m_dwImplCreateNameTableOpt(0),
      m_dwImplCreateNameIndexPrimaryOpt(0),
      m_dwImplCreateNameColumnOpt(0),
      m_dwDdlOptTable(0),
      m_dwDdlOptColumn(0),
      m_dwDrawOpt(0),
      m_dwScale(100),
      m_bReadOnly(0)
{
    m_fileStatus.m_mtime = NoKnownFileTime();
    InitUndoBuffer();
    LoadProfileSettings();
}

CBaseDoc::~CBaseDoc()
{
    // DeleteContents has normally emptied both; a document destroyed without it still frees them.
    ClearUndoBuffer();
    while (!m_objects.IsEmpty())
        DrawObjects::Destroy(m_objects.RemoveHead());
}

void CBaseDoc::SetPolyLineInProgress(CPolyObj* line)
{
    m_pPolyLineInProgress.reset(line);
}

CString CBaseDoc::FormatHeaderDate(const CTime& date)
{
    // Every change stamps the date, so the format is converted once.
    static const CString format(u8"%Y年 %m月 %d日");
    return date.Format(format);
}

CString CBaseDoc::GetProductName() const
{
    return CString("Document");
}

void CBaseDoc::DeleteContents()
{
    ClearUndoBuffer();
    m_pPolyLineInProgress.reset();
    m_refDocList.DeleteAll();
    CDocument::DeleteContents();
    DropFollowIndex();
    m_pModelCache.reset();
    while (!m_objects.IsEmpty())
        DrawObjects::Destroy(m_objects.RemoveHead());
}

// --- Object ids and the object list ---------------------------------------------------------

WORD CBaseDoc::NewObjectId()
{
    if (m_wNextObjectId >= MAX_OBJECT_ID) {
        AfxMessageBox(CString(u8"図形ｵﾌﾞｼﾞｪｸﾄ数が最大値に達したため、これ以上作成できません。"), MB_OK);
        return 0;
    }
    return m_wNextObjectId++;
}

BOOL CBaseDoc::IsManagedType(const CObject* object) const
{
    return DrawObjects::IsDrawObject(object);
}

BOOL CBaseDoc::CanAddObject(const CObject* object) const
{
    return IsManagedType(object);
}

BOOL CBaseDoc::AddObject(CObject* object)
{
    if (!object)
        return FALSE;
    if (!DrawObjects::IsDrawObject(object)) {
        AfxMessageBox(CString(u8"追加しようとしたｵﾌﾞｼﾞｪｸﾄはこのﾄﾞｷｭﾒﾝﾄで管理できる種類ではありません!"), MB_OK);
        return FALSE;
    }
    DropFollowIndex();
    try {
        m_objects.AddTail(object);
    } catch (...) {
        ReportCurrentException(CString(u8"ﾒﾓﾘ不足のため、ﾄﾞｷｭﾒﾝﾄにｵﾌﾞｼﾞｪｸﾄを追加できません。"),
                               CString(u8"予期せぬｴﾗｰのため、ﾄﾞｷｭﾒﾝﾄにｵﾌﾞｼﾞｪｸﾄを追加できません。"));
        DrawObjects::Destroy(object);
        return FALSE;
    }
    if (const WORD id = DrawObjects::GetObjectId(object))
        RecordAddedForUndo(id);
    SetModified(TRUE);
    return TRUE;
}

BOOL CBaseDoc::RemoveObject(CObject* object)
{
    return RemoveObjectDeferring(object, nullptr);
}

BOOL CBaseDoc::RemoveObjectDeferring(CObject* object, std::unordered_set<WORD>* deferredIds)
{
    if (m_objects.IsEmpty())
        return FALSE;
    const WORD id = DrawObjects::GetObjectId(object);
    if (id == 0 || IsDeleteRecordedForUndo(id) || !CanDeleteObject(object))
        return FALSE;
    DocumentModelHooks* model = GetDocumentModelHooks();
    // Within RemoveObjects, or within a model clean-up that keeps them clear, the marks may be
    // clear already; otherwise every removal clears them first.
    const BOOL marksClear = deferredIds != nullptr || m_bUpdateMarksClear;
    if (model && !m_bUpdateMarksClear)
        model->ClearUpdateMarks(this);
    m_bUpdateMarksClear = marksClear;
    const POSITION pos = m_objects.Find(object);
    if (!pos)
        return FALSE;
    const WORD predecessorId = GetPredecessorId(pos);
    RemoveFromSelectionInViews(object);
    DropFollowIndex();
    m_objects.RemoveAt(pos);
    const BOOL logged = RecordDeletedForUndo(predecessorId, object);
    // Only a model clean-up sets marks; the removals it makes find them clear when it keeps them so.
    const BOOL modelKeepsMarksClear = model && model->CleanUpLeavesUpdateMarksClear();
    m_bUpdateMarksClear = modelKeepsMarksClear;
    BOOL cleanedByModel = FALSE;
    try {
        cleanedByModel = model && model->CleanUpRemovedObject(this, object);
    } catch (...) {
        m_bUpdateMarksClear = FALSE;
        throw;
    }
    if (cleanedByModel) {
        m_bUpdateMarksClear = marksClear && modelKeepsMarksClear;
    } else {
        m_bUpdateMarksClear = marksClear;
        if (deferredIds)
            deferredIds->insert(id);
        else
            CleanUpRemovedDrawObject(id);
    }
    if (!logged)
        DrawObjects::Destroy(object); // no undo step holds it: the removal is final
    if (IsHeaderItemId(id))
        UnregisterHeaderItem(id);
    SetModified(TRUE);
    return TRUE;
}

int CBaseDoc::RemoveObjects(const CObList& objects)
{
    // Copy first: removing an object also takes it out of the views' selections, which the caller
    // may have passed in.
    std::vector<CObject*> snapshot;
    snapshot.reserve(size_t(objects.GetCount()));
    for (POSITION pos = objects.GetHeadPosition(); pos;)
        snapshot.push_back(objects.GetNext(pos));
    // The links to the removed plain objects are let go of in one pass at the end: nothing a
    // removal does in between looks at them.
    std::unordered_set<WORD> removedIds;
    m_bUpdateMarksClear = FALSE;
    int removed = 0;
    try {
        for (CObject* object : snapshot)
            removed += RemoveObjectDeferring(object, &removedIds) ? 1 : 0;
    } catch (...) {
        m_bUpdateMarksClear = FALSE;
        CleanUpRemovedDrawObjects(removedIds);
        throw;
    }
    m_bUpdateMarksClear = FALSE;
    CleanUpRemovedDrawObjects(removedIds);
    return removed;
}

void CBaseDoc::CleanUpRemovedDrawObject(WORD removedId)
{
    for (POSITION pos = m_objects.GetHeadPosition(); pos;) {
        CBaseObj* box = DrawObjects::AsBoxObject(m_objects.GetNext(pos));
        if (box && box->IsLinkedTo(removedId)) {
            RecordChangedOnce(box);
            box->SetLinkObjectId(0);
        }
    }
}

void CBaseDoc::CleanUpRemovedDrawObjects(const std::unordered_set<WORD>& removedIds)
{
    if (removedIds.empty())
        return;
    for (POSITION pos = m_objects.GetHeadPosition(); pos;) {
        CBaseObj* box = DrawObjects::AsBoxObject(m_objects.GetNext(pos));
        if (box && box->GetLinkObjectId() != 0 && removedIds.contains(box->GetLinkObjectId())) {
            RecordChangedOnce(box);
            box->SetLinkObjectId(0);
        }
    }
}

BOOL CBaseDoc::FindObjectById(WORD objectId, CObject*& object) const
{
    const POSITION pos = FindObjectPosition(objectId);
    object = pos ? m_objects.GetAt(pos) : nullptr;
    return object != nullptr;
}

POSITION CBaseDoc::FindObjectPosition(WORD objectId) const
{
    if (m_pReplayIndex) {
        const auto found = m_pReplayIndex->find(objectId);
        return found != m_pReplayIndex->end() ? found->second : nullptr;
    }
    for (POSITION pos = m_objects.GetHeadPosition(); pos; m_objects.GetNext(pos)) {
        const CObject* object = m_objects.GetAt(pos);
        if (DrawObjects::IsDrawObject(object) && DrawObjects::GetObjectId(object) == objectId)
            return pos;
    }
    return nullptr;
}

WORD CBaseDoc::GetPredecessorId(POSITION pos) const
{
    for (m_objects.GetPrev(pos); pos; m_objects.GetPrev(pos)) {
        const CObject* object = m_objects.GetAt(pos);
        if (DrawObjects::IsDrawObject(object))
            return DrawObjects::GetObjectId(object);
    }
    return 0;
}

POSITION CBaseDoc::MoveObjectAfter(POSITION pos, POSITION predecessorPos)
{
    if (predecessorPos == pos)
        return pos;
    CObject* object = m_objects.GetAt(pos);
    DropFollowIndex();
    const POSITION moved = predecessorPos ? m_objects.InsertAfter(predecessorPos, object) : m_objects.AddHead(object);
    m_objects.RemoveAt(pos);
    return moved;
}

void CBaseDoc::ClassifyObject(CObject* object, CBaseObj*& box, CPolyObj*& line)
{
    box = DrawObjects::AsBoxObject(object);
    line = box ? nullptr : DrawObjects::AsLineObject(object);
}

BOOL CBaseDoc::CanDeleteObject(const CObject* object)
{
    return DrawObjects::GetCanDelete(object);
}

// --- Document state -------------------------------------------------------------------------

void CBaseDoc::SetModified(BOOL modified)
{
    if (modified) {
        if (m_bReadOnly)
            return;
        m_timeUpdated = CTime::GetCurrentTime();
        // The shown date follows, which changes its text once a day at most.
        if (UpdateUpdatedDateItemText() && IsHeaderItemShown(HEADER_UPDATED_ID))
            RefreshHeaderItem(HEADER_UPDATED_ID);
    }
    SetModifiedFlag(modified);
}

void CBaseDoc::SetPages(int across, int down)
{
    const CSize pages = FitPageCount(across, down);
    m_nPagesAcross = pages.cx;
    m_nPagesDown = pages.cy;
    SetModifiedFlag(TRUE);
    UpdateScrollSizesInViews();
    UpdateAllViews(nullptr);
}

// --- Views ----------------------------------------------------------------------------------

template <typename Function>
void CBaseDoc::ForEachDrawingView(Function function) const
{
    for (POSITION pos = GetFirstViewPosition(); pos;)
        if (ViewServices* view = dynamic_cast<ViewServices*>(GetNextView(pos)))
            function(*view);
}

void CBaseDoc::SelectObjectInViews(CObject* object)
{
    ForEachDrawingView([object](ViewServices& view) {
        view.AddToSelection(object);
        view.SetCurrentObject(object);
    });
    UpdateAllViews(nullptr, 0, object);
}

void CBaseDoc::AppendToSelectionInViews(CObject* object)
{
    ForEachDrawingView([object](ViewServices& view) {
        view.AppendToSelection(object);
        view.SetCurrentObject(object);
    });
    UpdateAllViews(nullptr, 0, object);
}

void CBaseDoc::RemoveFromSelectionInViews(CObject* object)
{
    ForEachDrawingView([object](ViewServices& view) {
        view.RemoveFromSelection(object);
        view.SetCurrentObject(nullptr);
    });
    UpdateAllViews(nullptr, 0, object);
}

void CBaseDoc::DeselectAllInViews()
{
    ForEachDrawingView([](ViewServices& view) {
        view.InvalidateSelection();
        view.ClearSelection();
        view.SetCurrentObject(nullptr);
    });
}

void CBaseDoc::InvalidateSelectionInViews()
{
    ForEachDrawingView([](ViewServices& view) { view.InvalidateSelection(); });
}

void CBaseDoc::UpdateObjectInViews(CObject* object)
{
    UpdateAllViews(nullptr, 0, object);
}

void CBaseDoc::EndInPlaceEditInViews()
{
    ForEachDrawingView([](ViewServices& view) { view.EndInPlaceEditAndRefresh(); });
}

void CBaseDoc::UpdateScrollSizesInViews()
{
    ForEachDrawingView([](ViewServices& view) { view.UpdateScrollSizes(); });
}

CView* CBaseDoc::GetActiveView() const
{
    CFrameWnd* mainFrame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    CFrameWnd* frame = mainFrame ? mainFrame->GetActiveFrame() : nullptr;
    CView* view = frame ? frame->GetActiveView() : nullptr;
    // The active view may show another document; its selection says nothing about this one.
    return view && view->GetDocument() == this ? view : nullptr;
}

BOOL CBaseDoc::HasActiveBaseView() const
{
    return dynamic_cast<ViewServices*>(GetActiveView()) != nullptr;
}

BOOL CBaseDoc::IsObjectSelected(const CObject* object) const
{
    const WORD id = DrawObjects::GetObjectId(object);
    return id == 0 || IsObjectIdSelected(id);
}

BOOL CBaseDoc::IsObjectIdSelected(WORD objectId) const
{
    const ViewServices* view = dynamic_cast<const ViewServices*>(GetActiveView());
    return !view || view->IsObjectIdSelected(objectId);
}

namespace {

// The created-date and updated-date header values are kept by the document, never typed in.
BOOL IsStampedHeaderValue(WORD objectId)
{
    return objectId == HEADER_CREATED_ID || objectId == HEADER_UPDATED_ID;
}

} // namespace

BOOL CBaseDoc::CanEditObjectText(CObject* object, DWORD hitCode, DWORD displayOptions)
{
    if (m_bReadOnly)
        return FALSE;
    if (CBaseObj* box = DrawObjects::AsBoxObject(object))
        return !IsStampedHeaderValue(box->GetObjectId()) && box->CanEditText(this, hitCode, displayOptions);
    if (const CPolyObj* line = DrawObjects::AsLineObject(object))
        return line->CanEditText(this, hitCode, displayOptions);
    // Any other object is not refused here.
    return TRUE;
}

UINT CBaseDoc::GetObjectEditCommand(CObject* object, DWORD hitCode, DWORD displayOptions)
{
    CBaseObj* box = DrawObjects::AsBoxObject(object);
    if (box && !IsStampedHeaderValue(box->GetObjectId()))
        return box->GetEditCommand(this, hitCode, displayOptions);
    if (const CPolyObj* line = DrawObjects::AsLineObject(object))
        return line->GetEditCommand(this, hitCode, displayOptions);
    return 0;
}

// --- Command update handlers ----------------------------------------------------------------

void CBaseDoc::OnUpdateFileSave(CCmdUI* cmdUI)
{
    cmdUI->Enable(!m_bReadOnly);
}

void CBaseDoc::OnUpdateNeedsBaseView(CCmdUI* cmdUI)
{
    cmdUI->Enable(HasActiveBaseView());
}

void CBaseDoc::OnUpdateNeedsWritableBaseView(CCmdUI* cmdUI)
{
    cmdUI->Enable(!m_bReadOnly && HasActiveBaseView());
}

void CBaseDoc::OnUpdateExportExcel(CCmdUI* cmdUI)
{
    cmdUI->Enable(!m_objects.IsEmpty() && HasActiveBaseView());
}

const MessageMap* CBaseDoc::GetMessageMap() const
{
    static const MessageMap map{CDocument::GetMessageMap(),
                                {
                                    MapUpdate(ID_FILE_SAVE, &CBaseDoc::OnUpdateFileSave),
                                    MapCommand(ID_DOCUMENT_INFO, &CBaseDoc::OnDocumentInfo),
                                    MapUpdate(ID_DOCUMENT_INFO, &CBaseDoc::OnUpdateNeedsBaseView),
                                    MapCommand(ID_PAGE_LAYOUT, &CBaseDoc::OnPageLayout),
                                    MapUpdate(ID_PAGE_LAYOUT, &CBaseDoc::OnUpdateNeedsBaseView),
                                    MapUpdate(ID_EXPORT_EXCEL, &CBaseDoc::OnUpdateExportExcel),
                                    MapCommand(ID_DOCUMENT_FONT, &CBaseDoc::OnDrawingFont),
                                    MapUpdate(ID_DOCUMENT_FONT, &CBaseDoc::OnUpdateNeedsWritableBaseView),
                                    MapCommand(ID_EDIT_OPTIONS, &CBaseDoc::OnEditOptions),
                                    MapUpdate(ID_EDIT_OPTIONS, &CBaseDoc::OnUpdateNeedsWritableBaseView),
                                    MapCommand(ID_HEADER_SHOW_ALL, &CBaseDoc::OnHeaderShowAll),
                                    MapCommand(ID_HEADER_HIDE_ALL, &CBaseDoc::OnHeaderHideAll),
                                    MapUpdateRange(ID_HEADER_SHOW_ALL, ID_HEADER_HIDE_ALL,
                                                   &CBaseDoc::OnUpdateHeaderShowHide),
                                    MapCommandRange(ID_HEADER_TITLE, ID_HEADER_REMARKS, &CBaseDoc::OnHeaderRow),
                                    MapUpdateRange(ID_HEADER_TITLE, ID_HEADER_REMARKS, &CBaseDoc::OnUpdateHeaderRow),
                                }};
    return &map;
}
