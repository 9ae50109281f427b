// CMainFrame: the multiple-document main window. Besides the frame's duties it holds what every
// drawing view shares: the current drawing tool and relation-arrow kind, the default-attribute
// prototypes, the zoom step and zoom-to-window option, the last cursor position, the Excel export
// option word, the print-header fonts, the file-type marks and the find and replace state. It
// answers the drawing objects, views and label editors as their ObjectServices, FrameServices and
// FindTextServices, and owns the find and replace dialogs. It creates the standard
// toolbar, the figure toolbar, the tool palette and the status bar, and keeps the window's
// placement in the profile.
#pragma once

#include "foundation/CommandIds.h"
#include "document/CopyBufferServices.h"
#include "model/BoxStyleList.h"
#include "objects/CopyList.h"
#include "objects/DrawObjManager.h"
#include "objects/FloatEdit.h"
#include "objects/ObjectServices.h"
#include "platform/ui/MDIFrameWnd.h"
#include "shell/AnimToolBar.h"
#include "shell/ProgStatusBar.h"
#include "view/FrameServices.h"

#include <QObject>

#include <memory>
#include <vector>

class CBaseView;
class CFindDlg;
class CReplaceDlg;

class CMainFrame : public CMDIFrameWnd,
                   public ObjectServices,
                   public FrameServices,
                   public FindTextServices,
                   public CopyBufferServices
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    static constexpr UINT kFirstTool = ID_TOOL_FIRST;
    static constexpr UINT kLastTool = ID_TOOL_LAST;
    static constexpr UINT kPointerTool = ID_TOOL_POINTER;
    static constexpr UINT kRelationArrowTool = ID_TOOL_RELARROW;
    static constexpr UINT kFigureToolBarId = 142;
    static constexpr UINT kToolPaletteId = 141;

    CMainFrame();
    ~CMainFrame() override;

    // --- Prototypes ------------------------------------------------------------------------
    CObject* FindDefaultPrototype(const CObject* object) override;
    CObject* FindPrototypeByKind(WORD kind, DWORD subKey) override;
    BOOL SetDefaultAttributesFrom(const CObject* object) override;
    CDrawObjManager* GetDrawObjManager() { return &m_drawObjManager; }

    // --- Copy buffer -------------------------------------------------------------------------
    CCopyList* LoadCopyBuffer(const COleDataObject& data, CBaseDoc* target) override;
    CCopyList* GetCopyBuffer() { return &m_copyBuffer; }

    // --- File-type marks ---------------------------------------------------------------------
    CBoxStyleList* GetBoxStyleList() { return &m_boxStyleList; }

    // --- Tools -----------------------------------------------------------------------------
    UINT GetCurrentTool() const override { return m_nCurrentTool; }
    void SetCurrentTool(UINT tool) override { m_nCurrentTool = tool; }
    WORD GetArrowKind() const override { return m_wArrowKind; }

    // --- Settings read at creation ------------------------------------------------------------
    int GetZoomStep() const override { return m_nZoomStep; }
    BOOL GetZoomFitToWnd() const override { return m_bZoomFitToWnd; }
    DWORD GetExcelExportOpt() const { return m_dwExcelExportOpt; }
    // Stores the word and writes it through the settings store ("ExcelExport"/"ExportOpt").
    void SetExcelExportOpt(DWORD options);

    // --- Status ----------------------------------------------------------------------------
    void SetCursorPosition(POINT position) override { m_ptCursor = position; }
    CPoint GetCursorPosition() const { return m_ptCursor; }
    CProgStatusBar& GetStatusBar() { return m_wndStatusBar; }
    // The message pane (pane 0), redrawn at once.
    void SetStatusText(LPCTSTR text) override;
    // The fonts of the printed header, read from "Fonts" the first time a page prints.
    void GetHeaderFonts(HeaderFontSet& fonts) override;
    void LoadHeaderFonts();
    CAnimToolBar& GetStandardToolBar() { return m_wndToolBar; }
    CAnimToolBar& GetFigureToolBar() { return m_wndFigureBar; }
    CAnimToolBar& GetToolPalette() { return m_wndToolPalette; }

    // --- Find and replace for all documents -------------------------------------------------
    // The last texts and match-case choice taken from the dialogs; they outlive the dialogs.
    CString GetFindText() const override { return m_strFindText; }
    CString GetReplaceText() const override { return m_strReplaceText; }
    BOOL GetMatchCase() const override { return m_bMatchCase; }
    // One of the two dialogs is on the screen at a time.
    BOOL ToggleFindDialog() override;
    BOOL ToggleReplaceDialog() override;
    // The dialog while it exists, else null.
    CFindDlg* GetFindDialog() const { return m_pFindDialog.get(); }
    CReplaceDlg* GetReplaceDialog() const { return m_pReplaceDialog.get(); }

    // --- The active view ----------------------------------------------------------------------
    // The active child's view when it is a drawing view, else nullptr.
    CBaseView* GetActiveBaseView() const override;
    BOOL HasActiveBaseView() const { return GetActiveBaseView() != nullptr; }
    BOOL IsActiveDocReadOnly() const;
    BOOL IsToolAllowed(UINT toolId) const;
    void EndActiveTextEdit();

    // Restores the stored placement ("Settings"/"MainFramePos") and shows the window; a show
    // command other than normal-show replaces the stored one.
    void RestoreWindowPlacement(UINT showCmd);
    // A shell open or print request handed over by another start; FALSE when it is ignored
    // (520 characters or more). An accepted request runs from the event loop, after the sender
    // has had its acknowledgement; a disabled frame acknowledges it and does nothing.
    BOOL OnDdeExecute(const CString& command);

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    int OnCreate(CCreateContext* context) override;
    void OnClose() override;
    const MessageMap* GetMessageMap() const override;
    // Opens each dropped drawing file (.zvr); other files are passed over.
    void OnDropFiles(const std::vector<CString>& paths) override;

    void OnToolCommand(UINT id);
    void OnUpdateToolCommand(CCmdUI* cmdUI);
    // The active document's default tablespaces (the document's own setting, not the profile's).
    void OnDefaultTablespaces();
    void OnUpdateDefaultTablespaces(CCmdUI* cmdUI);
    // The user's file-type names of the marks (MainFrameFileKinds.cpp); on OK the frame's list is
    // read again from the profile.
    void OnFileKindSettings();
    void OnArrowKind(UINT id);
    void OnUpdateArrowKind(CCmdUI* cmdUI);
    void OnArrowTool(UINT id);
    void OnUpdateArrowTool(CCmdUI* cmdUI);
    void OnToolPalette();
    void OnUpdateToolPalette(CCmdUI* cmdUI);
    void OnFigureToolBar();
    void OnUpdateFigureToolBar(CCmdUI* cmdUI);
    void OnColorMenuSettings();
    // The default drawing font of later documents, through the font dialog; open documents keep
    // theirs.
    void OnDrawingFont();
    // The options sheet: the settings views opened later start with (MainFrameOptions.cpp).
    void OnOptions();
    void OnExportExcel();
    void OnUpdatePane(CCmdUI* cmdUI);
    // wParam: the file name (LPCTSTR, may be null); lParam: 0 read-only attribute, else locked.
    LRESULT OnShowReadOnlyNotice(WPARAM wParam, LPARAM lParam);
    // A dialog closed itself: the object goes, the texts stay.
    LRESULT OnFindDialogClosed(WPARAM wParam, LPARAM lParam);
    LRESULT OnReplaceDialogClosed(WPARAM wParam, LPARAM lParam);
    // UM_FIND_NEXT: the find text and match case of the visible dialog that wParam names (303
    // find, 304 replace); anything else keeps the last ones.
    LRESULT TakeFindText(WPARAM wParam, LPARAM lParam);
    // UM_REPLACE: the three values of the visible replace dialog.
    LRESULT TakeReplaceTexts(WPARAM wParam, LPARAM lParam);
    void OnUpdateEditFind(CCmdUI* cmdUI);
    void OnUpdateEditReplace(CCmdUI* cmdUI);
    void OnUpdateFindNext(CCmdUI* cmdUI);

private:
    void ReadFrameProfile();
    BOOL InitPrototypes();
    BOOL LoadBoxStyles();
    void ExecuteDdeCommand(const CString& command);
    void ShowOpenedFile();
    void DockControlBarLeftOf(CControlBar* bar, CControlBar* leftOf);
    void ToggleBar(CControlBar& bar);
    CString CursorPaneText() const;
    CString ZoomPaneText() const;
    CString WriteStatePaneText() const;

    UINT m_nCurrentTool = kPointerTool;
    WORD m_wArrowKind = 1;
    CDrawObjManager m_drawObjManager;
    CCopyList m_copyBuffer;
    int m_nZoomStep = 25;
    // The print-header fonts, read once.
    HeaderFontSet m_headerFonts;
    BOOL m_bHeaderFontsLoaded = FALSE;
    BOOL m_bZoomFitToWnd = FALSE;
    CPoint m_ptCursor{-1, -1};
    DWORD m_dwExcelExportOpt = 0x80008;
    CBoxStyleList m_boxStyleList;
    CProgStatusBar m_wndStatusBar;
    CAnimToolBar m_wndToolBar;
    CAnimToolBar m_wndFigureBar;
    CAnimToolBar m_wndToolPalette;
    // Requests from other starts wait here for the event loop; they go with the frame.
    QObject m_ddeQueue;
    CString m_strFindText;
    CString m_strReplaceText;
    BOOL m_bMatchCase = FALSE;
    std::unique_ptr<CFindDlg> m_pFindDialog;
    std::unique_ptr<CReplaceDlg> m_pReplaceDialog;
};

// The main frame of the running program, or nullptr.
CMainFrame* GetMainFrame();
