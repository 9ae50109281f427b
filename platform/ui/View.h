// CView: the window that shows a document inside a frame. Commands reach the view first, then its
// document. The view deletes itself when its window goes and leaves its document then.
#pragma once

#include "platform/ui/Wnd.h"

class CDocument;
class CFrameWnd;
struct CCreateContext;

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    CView();
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    // Creates the view's widget in the frame and joins the context's document.
    virtual BOOL Create(CFrameWnd* parent, UINT id, CCreateContext* context);

    virtual void OnInitialUpdate();
    // A document change; the hint says what changed (0 and no object: everything).
    virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject);
    virtual void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    // The widget of the view; scrolling views make their own.
    virtual QWidget* CreateViewWidget(QWidget* parent);
    void PostNcDestroy() override;

private:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
};
