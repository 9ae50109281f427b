#include "platform/ui/Document.h"

#include "platform/afx/File.h"
#include "platform/afx/MessageSink.h"
#include "platform/afx/StringTable.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/View.h"
#include "platform/ui/WinApp.h"

#include <set>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

namespace DocumentImpl {

// The file name of a path; both separators split.
CString FileNameOf(const CString& path)
{
    const int slash = std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
    return slash < 0 ? path : path.Mid(slash + 1);
}

} // namespace DocumentImpl

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    for (CView* view : m_views)
        view->m_pDocument = nullptr;
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

const MessageMap* CDocument::GetMessageMap() const
{
    static const MessageMap map{CCmdTarget::GetMessageMap(),
                                {
                                    MapCommand(ID_FILE_CLOSE, &CDocument::OnFileClose),
                                    MapCommand(ID_FILE_SAVE, &CDocument::OnFileSave),
                                    MapCommand(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs),
                                }};
    return &map;
}

void CDocument::SetTitle(LPCTSTR title)
{
    m_strTitle = title;
    std::set<CFrameWnd*> frames;
    for (CView* view : m_views)
        if (CFrameWnd* frame = view->GetParentFrame())
            frames.insert(frame);
    for (CFrameWnd* frame : frames) {
        frame->OnUpdateFrameTitle(TRUE);
        if (CFrameWnd* top = frame->GetTopLevelFrame(); top && top != frame)
            top->OnUpdateFrameTitle(TRUE);
    }
}

void CDocument::SetPathName(LPCTSTR path, BOOL addToMRU)
{
    m_strPathName = AfxFullPath(path);
    SetTitle(DocumentImpl::FileNameOf(m_strPathName));
    if (addToMRU && AfxGetApp())
        AfxGetApp()->AddToRecentFileList(m_strPathName);
}

BOOL CDocument::IsModified()
{
    return m_bModified;
}

void CDocument::SetModifiedFlag(BOOL modified)
{
    m_bModified = modified;
}

void CDocument::AddView(CView* view)
{
    if (view->m_pDocument == this)
        return;
    if (view->m_pDocument)
        view->m_pDocument->RemoveView(view);
    m_views.push_back(view);
    view->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* view)
{
    if (view->m_pDocument != this)
        return;
    std::erase(m_views, view);
    view->m_pDocument = nullptr;
    OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const
{
    return m_views.empty() ? nullptr : reinterpret_cast<POSITION>(std::uintptr_t(1));
}

CView* CDocument::GetNextView(POSITION& position) const
{
    const std::size_t index = reinterpret_cast<std::uintptr_t>(position) - 1;
    CView* view = index < m_views.size() ? m_views[index] : nullptr;
    position = index + 1 < m_views.size() ? reinterpret_cast<POSITION>(std::uintptr_t(index + 2)) : nullptr;
    return view;
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, CObject* hintObject)
{
    const std::vector<CView*> views = m_views;
    for (CView* view : views)
        if (view != sender)
            view->OnUpdate(sender, hint, hintObject);
}

int CDocument::CountFrames() const
{
    std::set<CFrameWnd*> frames;
    for (CView* view : m_views)
        frames.insert(view->GetParentFrame());
    return int(frames.size());
}

void CDocument::DeleteContents() {}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR)
{
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR)
{
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    if (m_bClosing)
        return;
    m_bClosing = TRUE;
    const BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE; // the last view going must not delete the document under us
    while (!m_views.empty()) {
        CView* view = m_views.front();
        CFrameWnd* frame = view->GetParentFrame();
        if (frame && frame != AfxGetMainWnd())
            frame->DestroyWindow();
        else
            view->DestroyWindow();
        if (!m_views.empty() && m_views.front() == view)
            RemoveView(view);
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    m_bClosing = FALSE;
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    if (name.IsEmpty())
        name = LoadStringResource(AFX_IDS_UNTITLED);
    CString prompt;
    AfxFormatString1(prompt, AFX_IDP_ASK_TO_SAVE, name);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONEXCLAMATION, AFX_IDP_ASK_TO_SAVE)) {
    case IDCANCEL: return FALSE;
    case IDYES: return DoFileSave();
    default: return TRUE;
    }
}

BOOL CDocument::CanCloseFrame(CFrameWnd* frame)
{
    for (CView* view : m_views)
        if (view->GetParentFrame() != frame)
            return TRUE; // another frame still shows the document
    return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::DoSave(LPCTSTR path, BOOL replace)
{
    CString newName = path ? CString(path) : CString();
    if (newName.IsEmpty()) {
        newName = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
        CWinApp* app = AfxGetApp();
        if (!app || !app->DoPromptFileName(newName, AFX_IDS_SAVEFILE, 0, FALSE, m_pDocTemplate))
            return FALSE;
    }
    if (!OnSaveDocument(newName))
        return FALSE;
    if (replace)
        SetPathName(newName);
    return TRUE;
}

BOOL CDocument::DoFileSave()
{
    return DoSave(m_strPathName.IsEmpty() ? nullptr : m_strPathName.GetString());
}

void CDocument::OnChangedViewList()
{
    if (m_views.empty() && m_bAutoDelete)
        OnCloseDocument();
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}
