// CDocTemplate and CMultiDocTemplate: bind a document class, its frame class and its view class
// (by runtime class) under one resource id, whose string describes the document type
// ("\nname\nnew name\nfilter\n.ext\nregistry id\nregistry name").
#pragma once

#include "platform/afx/String.h"
#include "platform/ui/CmdTarget.h"

#include <vector>

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };
    enum Confidence {
        noAttempt,
        maybeAttemptForeign,
        maybeAttemptNative,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen
    };

    CDocTemplate(UINT resourceId, const CRuntimeClass* docClass, const CRuntimeClass* frameClass,
                 const CRuntimeClass* viewClass);
    ~CDocTemplate() override;

    UINT GetResourceId() const { return m_nIDResource; }
    virtual BOOL GetDocString(CString& text, DocStringIndex index) const;
    // The resources of the container and server modes, kept for the callers that ask.
    void SetContainerInfo(UINT resourceId) { m_nIDContainerResource = resourceId; }
    void SetServerInfo(UINT embeddedId, UINT inPlaceId, const CRuntimeClass* inPlaceFrameClass);

    virtual CDocument* CreateNewDocument();
    virtual CFrameWnd* CreateNewFrame(CDocument* doc, CFrameWnd* other);
    virtual void InitialUpdateFrame(CFrameWnd* frame, CDocument* doc, BOOL makeVisible = TRUE);
    // A new document (no path) or the document of the file, with its frame and view; nullptr when
    // it could not be made (the document's own open reported why).
    virtual CDocument* OpenDocumentFile(LPCTSTR path, BOOL makeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument* doc) = 0;
    virtual Confidence MatchDocType(LPCTSTR path, CDocument*& match);

    virtual void AddDocument(CDocument* doc);
    virtual void RemoveDocument(CDocument* doc);
    const std::vector<CDocument*>& GetDocuments() const { return m_docs; }
    virtual void CloseAllDocuments(BOOL endSession);
    virtual BOOL SaveAllModified();

protected:
    UINT m_nIDResource;
    UINT m_nIDContainerResource = 0;
    UINT m_nIDServerResource = 0;
    UINT m_nIDServerResourceInPlace = 0;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    const CRuntimeClass* m_pIPFrameClass = nullptr;
    std::vector<CDocument*> m_docs;
};

class CMultiDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    using CDocTemplate::CDocTemplate;

    CDocument* OpenDocumentFile(LPCTSTR path, BOOL makeVisible = TRUE) override;
    // "<document name><n>" for the n-th new document.
    void SetDefaultTitle(CDocument* doc) override;

private:
    UINT m_nUntitledCount = 0;
};
