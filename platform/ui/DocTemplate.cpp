#include "platform/ui/DocTemplate.h"

#include "platform/afx/File.h"
#include "platform/afx/StringTable.h"
#include "platform/ui/Document.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/WinApp.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT resourceId, const CRuntimeClass* docClass, const CRuntimeClass* frameClass,
                           const CRuntimeClass* viewClass)
    : m_nIDResource(resourceId), m_pDocClass(docClass), m_pFrameClass(frameClass), m_pViewClass(viewClass)
{
}

CDocTemplate::~CDocTemplate()
{
    for (CDocument* doc : std::vector<CDocument*>(m_docs))
        doc->m_pDocTemplate = nullptr;
}

BOOL CDocTemplate::GetDocString(CString& text, DocStringIndex index) const
{
    const CString all = LoadStringResource(m_nIDResource);
    int start = 0;
    for (int i = 0; i < int(index); ++i) {
        start = all.Find('\n', start);
        if (start < 0) {
            text.Empty();
            return FALSE;
        }
        ++start;
    }
    const int end = all.Find('\n', start);
    text = end < 0 ? all.Mid(start) : all.Mid(start, end - start);
    return !text.IsEmpty();
}

void CDocTemplate::SetServerInfo(UINT embeddedId, UINT inPlaceId, const CRuntimeClass* inPlaceFrameClass)
{
    m_nIDServerResource = embeddedId;
    m_nIDServerResourceInPlace = inPlaceId;
    m_pIPFrameClass = inPlaceFrameClass;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CObject* object = m_pDocClass ? m_pDocClass->CreateObject() : nullptr;
    auto* doc = DYNAMIC_DOWNCAST(CDocument, object);
    if (!doc) {
        delete object;
        return nullptr;
    }
    AddDocument(doc);
    return doc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* doc, CFrameWnd* other)
{
    CCreateContext context;
    context.m_pCurrentFrame = other;
    context.m_pCurrentDoc = doc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    CObject* object = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
    auto* frame = DYNAMIC_DOWNCAST(CFrameWnd, object);
    if (!frame) {
        delete object;
        return nullptr;
    }
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, AfxGetMainWnd(), &context)) {
        delete frame;
        return nullptr;
    }
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* frame, CDocument* doc, BOOL makeVisible)
{
    frame->InitialUpdateFrame(doc, makeVisible);
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCTSTR path, CDocument*& match)
{
    match = nullptr;
    const CString fullPath = AfxFullPath(path);
    for (CDocument* doc : m_docs)
        if (doc->GetPathName() == fullPath) {
            match = doc;
            return yesAlreadyOpen;
        }
    CString ext;
    const CString name(path);
    if (GetDocString(ext, filterExt) && name.GetLength() >= ext.GetLength() &&
        name.Right(ext.GetLength()).CompareNoCase(ext) == 0)
        return yesAttemptNative;
    return yesAttemptForeign;
}

void CDocTemplate::AddDocument(CDocument* doc)
{
    doc->m_pDocTemplate = this;
    m_docs.push_back(doc);
}

void CDocTemplate::RemoveDocument(CDocument* doc)
{
    std::erase(m_docs, doc);
    doc->m_pDocTemplate = nullptr;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    while (!m_docs.empty())
        m_docs.front()->OnCloseDocument();
}

BOOL CDocTemplate::SaveAllModified()
{
    for (CDocument* doc : std::vector<CDocument*>(m_docs))
        if (!doc->SaveModified())
            return FALSE;
    return TRUE;
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR path, BOOL makeVisible)
{
    CDocument* doc = CreateNewDocument();
    if (!doc)
        return nullptr;
    const BOOL autoDelete = doc->m_bAutoDelete;
    doc->m_bAutoDelete = FALSE; // a failed frame must not take the document with it
    CFrameWnd* frame = CreateNewFrame(doc, nullptr);
    doc->m_bAutoDelete = autoDelete;
    if (!frame) {
        delete doc;
        return nullptr;
    }
    if (!path) {
        SetDefaultTitle(doc);
        if (!doc->OnNewDocument()) {
            frame->DestroyWindow(); // the document goes with its last view
            return nullptr;
        }
        ++m_nUntitledCount;
    } else {
        if (!doc->OnOpenDocument(path)) {
            frame->DestroyWindow();
            return nullptr;
        }
        doc->SetPathName(path);
    }
    InitialUpdateFrame(frame, doc, makeVisible);
    return doc;
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* doc)
{
    CString name;
    if (!GetDocString(name, docName))
        name = LoadStringResource(AFX_IDS_UNTITLED);
    CString title;
    title.Format("%s%u", name.GetString(), m_nUntitledCount + 1);
    doc->SetTitle(title);
}
