// CDocument: the data of one open file with its views. Commands that its views do not handle come
// to the document, then to its template. Closing asks to save a modified document (SaveModified).
#pragma once

#include "platform/afx/List.h"
#include "platform/afx/String.h"
#include "platform/ui/CmdTarget.h"

#include <vector>

class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR title);
    const CString& GetPathName() const { return m_strPathName; }
    // Sets the file and the title (its file name); adds it to the recent files when asked.
    virtual void SetPathName(LPCTSTR path, BOOL addToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL modified = TRUE);

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& GetViews() const { return m_views; }
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& position) const;
    // Every view but the sender hears OnUpdate.
    void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr);
    // The frames showing the document (one per view).
    int CountFrames() const;

    virtual void DeleteContents();
    virtual BOOL OnNewDocument();
    // Reading and writing the file belong to the document class; the base only resets the state.
    virtual BOOL OnOpenDocument(LPCTSTR path);
    virtual BOOL OnSaveDocument(LPCTSTR path);
    // Destroys the document's frames, then the document when it deletes itself (m_bAutoDelete).
    virtual void OnCloseDocument();
    // Asks whether to save a modified document: Yes saves, No drops, Cancel keeps it open (FALSE).
    virtual BOOL SaveModified();
    virtual BOOL CanCloseFrame(CFrameWnd* frame);
    virtual void PreCloseFrame(CFrameWnd* frame);
    // Saves under the path, or asks for one (no path, or replace with a new name).
    virtual BOOL DoSave(LPCTSTR path, BOOL replace = TRUE);
    virtual BOOL DoFileSave();
    virtual void OnChangedViewList();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoDelete = TRUE;

protected:
    const MessageMap* GetMessageMap() const override;
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified = FALSE;

private:
    friend class CDocTemplate;
    CDocTemplate* m_pDocTemplate = nullptr;
    std::vector<CView*> m_views;
    BOOL m_bClosing = FALSE;
};
