// CView: the window that shows a document inside a frame. Commands reach the view first, then its
// document. The view deletes itself when its window goes and leaves its document then.
#pragma once

#include "platform/ui/Wnd.h"

#include <functional>

class CDC;
class CCommandLineInfo;
class CDocument;
class CWinApp;
class QPrinter;
class QPrintPreviewDialog;
struct CPrintInfo;
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

    // --- Drawing and the print cycle ----------------------------------------------------------
    // A print or preview job runs OnPreparePrinting, OnBeginPrinting, then per page OnPrepareDC
    // and OnPrint (which draws with OnDraw), and last OnEndPrinting.
    virtual void OnDraw(CDC* dc);
    virtual void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr);
    // Sets the job's pages; the default shows the print dialog (DoPreparePrinting).
    virtual BOOL OnPreparePrinting(CPrintInfo* info);
    virtual void OnBeginPrinting(CDC* dc, CPrintInfo* info);
    virtual void OnPrint(CDC* dc, CPrintInfo* info);
    virtual void OnEndPrinting(CDC* dc, CPrintInfo* info);
    // Shows the print dialog unless the job is direct or a preview; FALSE when it was cancelled.
    BOOL DoPreparePrinting(CPrintInfo* info);

    // The framework's print commands: with the print dialog, at once without it (to the printer
    // a print-to command names, else the current one; a shell print command learns whether it
    // printed through its command-line record), and the preview.
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();

    // Tests stand in for the print dialog (TRUE prints, FALSE cancels; the hook may set the page
    // range) and for the preview's event loop (the hook gets the shown preview).
    using PrintDialogHook = std::function<BOOL(QPrinter& printer, CPrintInfo& info)>;
    static PrintDialogHook SetPrintDialogHook(PrintDialogHook hook);
    using PreviewHook = std::function<void(QPrintPreviewDialog& preview)>;
    static PreviewHook SetPreviewHook(PreviewHook hook);

protected:
    // The widget of the view; scrolling views make their own.
    virtual QWidget* CreateViewWidget(QWidget* parent);
    void PostNcDestroy() override;

private:
    // Runs a prepared job on its printer, page by page; FALSE when it could not start.
    BOOL RunPrintJob(CPrintInfo& info);
    // Prepares and runs a job on the printer; FALSE when it was refused or cancelled.
    BOOL PrintOn(QPrinter* printer, BOOL direct);
    BOOL PrintDirect(CWinApp* app, const CCommandLineInfo& command);

    friend class CDocument;
    CDocument* m_pDocument = nullptr;
};
