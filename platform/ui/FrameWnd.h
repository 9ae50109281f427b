// CFrameWnd: a frame window over QMainWindow with its menu bar, accelerators, control bars and one
// command action per command id. Commands from menus, toolbars and accelerators arrive as WM_COMMAND
// and are routed: active view (-> document) -> this frame -> the application.
#pragma once

#include "platform/ui/ControlBar.h"
#include "platform/ui/Wnd.h"

#include <map>
#include <vector>

class CDocument;
class CDocTemplate;
class CView;
class CMenu;
class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;

constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;
constexpr UINT AFX_IDW_DOCKBAR_TOP = 0xE81B;
constexpr UINT AFX_IDW_DOCKBAR_LEFT = 0xE81C;
constexpr UINT AFX_IDW_DOCKBAR_RIGHT = 0xE81D;
constexpr UINT AFX_IDW_DOCKBAR_BOTTOM = 0xE81E;

// What the template hands the frame it creates: the view class and the document to join.
struct CCreateContext
{
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    class CFrameWnd* m_pCurrentFrame = nullptr;
};

// A message handed to a frame before the window that received it (right-button release, key down).
struct MSG
{
    QWidget* hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0; // client point of the receiving window as MAKELONG(x, y)
    POINT pt{0, 0};    // screen point
};
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_RBUTTONUP = 0x0205;

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the frame with the menu and accelerators of the resource id and the title of its
    // string; a context creates the view inside. FALSE when OnCreate refuses.
    virtual BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, CWnd* parent = nullptr,
                           CCreateContext* context = nullptr);
    // The QMainWindow of a top-level frame; nullptr for frames inside another.
    virtual QMainWindow* GetMainWindowWidget() const;

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* view, BOOL notify = TRUE);
    virtual CDocument* GetActiveDocument();
    // The frame whose view has the user's attention: MDI frames answer their active child.
    virtual CFrameWnd* GetActiveFrame() { return this; }

    // The one action of a command in this frame's window (created on first use).
    QAction* GetCommandAction(UINT id);
    // Shows the message line text in pane 0 of the status bar.
    void SetMessageText(LPCTSTR text);
    void SetMessageText(UINT stringId);

    CControlBar* GetControlBar(UINT id) const;
    void ShowControlBar(CControlBar* bar, BOOL show, BOOL delay);
    void EnableDocking(DWORD dockStyle);
    // Docks the bar at the side of the dock bar id (top by default); with a rectangle, on the same
    // row as the bar already docked there whose rectangle it follows.
    void DockControlBar(CControlBar* bar, UINT dockBarId = 0, LPCRECT rect = nullptr);
    void RecalcLayout(BOOL notify = TRUE);
    void AddControlBar(CControlBar* bar);
    void RemoveControlBar(CControlBar* bar);

    virtual void ActivateFrame(int nCmdShow = -1);
    void InitialUpdateFrame(CDocument* doc, BOOL makeVisible);
    virtual void OnUpdateFrameTitle(BOOL addToTitle);

    // Update handlers: the bars at idle, a menu before it shows.
    void UpdateControlBarsCmdUI();
    // Updates a popup and every popup in it, and lets its items show their status-bar prompts.
    void UpdateMenuCmdUI(CMenu* menu);
    void UpdateMenuCmdUI(QMenu* menu);

    // Sees right-button releases and key presses before the window they go to; TRUE eats them.
    virtual BOOL PreTranslateMessage(MSG* msg);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoMenuEnable = TRUE; // menu items without a handler are disabled
    UINT m_nIDHelp = 0;

protected:
    // WM_CREATE: -1 makes the creation fail.
    virtual int OnCreate(CCreateContext* context);
    virtual BOOL OnCreateClient(CCreateContext* context);
    CWnd* CreateView(CCreateContext* context, UINT id = AFX_IDW_PANE_FIRST);
    // The widget of the frame; top-level frames are QMainWindows.
    virtual QWidget* CreateFrameWidget(CWnd* parent);
    // The menu bar of the menu resource, with the accelerators of the same id.
    void BuildMenuBar(UINT menuId);
    // A menu of the menu bar is about to show: its items' update handlers run.
    virtual void OnMenuAboutToShow(QMenu* menu);
    void LoadAccelTable(UINT tableId);
    // The frame that holds the command actions and bars (the top-level one).
    CFrameWnd* CommandFrame();

    void OnClose() override;
    void OnDestroy() override;
    void PostNcDestroy() override;
    const MessageMap* GetMessageMap() const override;

    BOOL OnBarCheck(UINT id);
    void OnUpdateControlBarMenu(CCmdUI* cmdUI);
    void OnHelp();

    UINT m_nIDResource = 0;
    CString m_strTitle;
    CView* m_pViewActive = nullptr;

private:
    void UpdatePopupCmdUI(QMenu* menu);
    void ShowCommandPrompt(UINT id);
    void FillMenu(QMenu* menu, const std::vector<struct MenuItemResource>& items);
    void ApplyMenuTexts(const std::vector<struct MenuItemResource>& items);
    std::vector<QMenu*> MakeMenus(const std::vector<struct MenuItemResource>& items, QMenuBar* bar);

    std::map<UINT, QAction*> m_actions;
    std::vector<CControlBar*> m_controlBars;
    // The menus of each menu resource shown so far, made once and kept while the frame lives.
    std::map<UINT, std::vector<QMenu*>> m_menuSets;
};
