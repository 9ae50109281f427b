#include "platform/ui/FrameWnd.h"

#include "platform/afx/MessageSink.h"
#include "platform/afx/StringTable.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Document.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Resources.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/View.h"
#include "platform/ui/WinApp.h"

#include <QAction>
#include <QCoreApplication>
#include <QThread>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

namespace FrameWndImpl {

// The frame's main window: the bars' context menu is the frame's own (PreTranslateMessage).
class FrameMainWindow : public QMainWindow
{
public:
    using QMainWindow::QMainWindow;
    QMenu* createPopupMenu() override { return nullptr; }
};

Qt::ToolBarArea AreaOfDockBar(UINT dockBarId)
{
    switch (dockBarId) {
    case AFX_IDW_DOCKBAR_BOTTOM: return Qt::BottomToolBarArea;
    case AFX_IDW_DOCKBAR_LEFT: return Qt::LeftToolBarArea;
    case AFX_IDW_DOCKBAR_RIGHT: return Qt::RightToolBarArea;
    default: return Qt::TopToolBarArea;
    }
}

} // namespace FrameWndImpl

CFrameWnd::CFrameWnd() = default;
CFrameWnd::~CFrameWnd() = default;

const MessageMap* CFrameWnd::GetMessageMap() const
{
    static const MessageMap map{CWnd::GetMessageMap(),
                                {
                                    MapCommandEx(AFX_IDW_TOOLBAR, AFX_IDW_STATUS_BAR, &CFrameWnd::OnBarCheck),
                                    MapUpdateRange(AFX_IDW_TOOLBAR, AFX_IDW_STATUS_BAR,
                                                   &CFrameWnd::OnUpdateControlBarMenu),
                                    MapCommand(ID_HELP, &CFrameWnd::OnHelp),
                                    MapCommand(ID_HELP_FINDER, &CFrameWnd::OnHelp),
                                    MapCommand(ID_DEFAULT_HELP, &CFrameWnd::OnHelp),
                                    MapCommand(ID_CONTEXT_HELP, &CFrameWnd::OnHelp),
                                }};
    return &map;
}

QWidget* CFrameWnd::CreateFrameWidget(CWnd* parent)
{
    auto* window = new FrameWndImpl::FrameMainWindow(parent ? parent->GetSafeHwnd() : nullptr);
    window->resize(1024, 768);
    return window;
}

QMainWindow* CFrameWnd::GetMainWindowWidget() const
{
    return qobject_cast<QMainWindow*>(GetSafeHwnd());
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context)
{
    if (IsWindow())
        return FALSE;
    m_nIDResource = resourceId;
    m_strTitle = LoadStringResource(resourceId);
    const int newline = m_strTitle.Find('\n');
    if (newline >= 0)
        m_strTitle = m_strTitle.Left(newline);
    if (m_strTitle.IsEmpty())
        m_strTitle = LoadStringResource(AFX_IDS_APP_TITLE);
    Attach(CreateFrameWidget(parent), TRUE);
    if (GetMainWindowWidget() && FindMenuResource(resourceId)) {
        BuildMenuBar(resourceId);
        LoadAccelTable(resourceId);
    }
    if (OnCreate(context) == -1) {
        // The window goes; the object stays its creator's to delete.
        delete Detach();
        return FALSE;
    }
    OnUpdateFrameTitle((style & FWS_ADDTOTITLE) != 0);
    return TRUE;
}

int CFrameWnd::OnCreate(CCreateContext* context)
{
    return OnCreateClient(context) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(CCreateContext* context)
{
    if (context && context->m_pNewViewClass)
        return CreateView(context) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* context, UINT id)
{
    CObject* object = context->m_pNewViewClass->CreateObject();
    auto* view = DYNAMIC_DOWNCAST(CView, object);
    if (!view) {
        delete object;
        return nullptr;
    }
    if (!view->Create(this, id, context)) {
        delete view;
        return nullptr;
    }
    return view;
}

CFrameWnd* CFrameWnd::CommandFrame()
{
    CFrameWnd* top = GetTopLevelFrame();
    return top ? top : this;
}

QAction* CFrameWnd::GetCommandAction(UINT id)
{
    CFrameWnd* owner = CommandFrame();
    if (owner != this)
        return owner->GetCommandAction(id);
    auto it = m_actions.find(id);
    if (it != m_actions.end())
        return it->second;
    QWidget* widget = GetSafeHwnd();
    auto* action = new QAction(CommandTip(id), widget);
    action->setData(id);
    action->setIcon(LoadCommandIcon(id));
    action->setToolTip(CommandTip(id));
    QObject::connect(action, &QAction::triggered, action, [this, id] { SendMessage(WM_COMMAND, id, 0); });
    QObject::connect(action, &QAction::hovered, action, [this, id] { ShowCommandPrompt(id); });
    if (widget)
        widget->addAction(action);
    m_actions[id] = action;
    return action;
}

void CFrameWnd::FillMenu(QMenu* menu, const std::vector<MenuItemResource>& items)
{
    for (const MenuItemResource& item : items) {
        if (item.separator) {
            menu->addSeparator();
        } else if (item.IsPopup()) {
            QMenu* sub = menu->addMenu(item.text);
            FillMenu(sub, item.items);
            QObject::connect(sub, &QMenu::aboutToShow, sub, [this, sub] { OnMenuAboutToShow(sub); });
        } else {
            QAction* action = GetCommandAction(item.id);
            action->setText(item.text);
            menu->addAction(action);
        }
    }
}

// The command actions are shared by every menu resource: they take back this resource's labels.
void CFrameWnd::ApplyMenuTexts(const std::vector<MenuItemResource>& items)
{
    for (const MenuItemResource& item : items) {
        if (item.IsPopup())
            ApplyMenuTexts(item.items);
        else if (!item.separator)
            GetCommandAction(item.id)->setText(item.text);
    }
}

void CFrameWnd::BuildMenuBar(UINT menuId)
{
    QMainWindow* window = CommandFrame()->GetMainWindowWidget();
    const std::vector<MenuItemResource>* items = FindMenuResource(menuId);
    if (!window || !items)
        return;
    QMenuBar* bar = window->menuBar();
    bar->clear();
    // A command chosen in one of these menus can swap the menu bar (a new document, or closing the
    // last one) while that menu is still handling the key or click, and may run the event loop
    // before it returns (an import's progress): so no menu is deleted, each set is made once and
    // shown again when its resource comes back.
    std::vector<QMenu*>& menus = m_menuSets[menuId];
    if (menus.empty())
        menus = MakeMenus(*items, bar);
    else
        ApplyMenuTexts(*items);
    for (QMenu* menu : menus)
        bar->addMenu(menu);
}

std::vector<QMenu*> CFrameWnd::MakeMenus(const std::vector<MenuItemResource>& items, QMenuBar* bar)
{
    std::vector<QMenu*> menus;
    for (const MenuItemResource& item : items) {
        if (!item.IsPopup())
            continue;
        auto* menu = new QMenu(item.text, bar);
        FillMenu(menu, item.items);
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] { OnMenuAboutToShow(menu); });
        QObject::connect(menu, &QMenu::aboutToHide, menu, [this] { SetMessageText(AFX_IDS_IDLEMESSAGE); });
        menus.push_back(menu);
    }
    return menus;
}

void CFrameWnd::LoadAccelTable(UINT tableId)
{
    std::map<UINT, QList<QKeySequence>> keys;
    for (const AcceleratorResource& accel : LoadAcceleratorResource(tableId))
        keys[accel.id].push_back(accel.key);
    for (const auto& [id, list] : keys)
        GetCommandAction(id)->setShortcuts(list);
}

void CFrameWnd::OnMenuAboutToShow(QMenu* menu)
{
    UpdateMenuCmdUI(menu);
}

void CFrameWnd::UpdateMenuCmdUI(QMenu* menu)
{
    const QList<QAction*> actions = menu->actions();
    for (int i = 0; i < actions.size(); ++i) {
        QAction* action = actions[i];
        if (action->isSeparator() || action->menu())
            continue;
        CActionCmdUI state(action);
        state.m_nID = action->data().toUInt();
        state.m_nIndex = UINT(i);
        state.m_nIndexMax = UINT(actions.size());
        state.DoUpdate(CommandFrame(), m_bAutoMenuEnable);
    }
}

void CFrameWnd::ShowCommandPrompt(UINT id)
{
    SetMessageText(CommandPrompt(id).isEmpty() ? LoadStringResource(AFX_IDS_IDLEMESSAGE)
                                               : FromQString(CommandPrompt(id)));
}

void CFrameWnd::UpdateMenuCmdUI(CMenu* menu)
{
    if (QMenu* qmenu = menu->GetSafeHmenu())
        UpdatePopupCmdUI(qmenu);
}

void CFrameWnd::UpdatePopupCmdUI(QMenu* menu)
{
    UpdateMenuCmdUI(menu);
    for (QAction* action : menu->actions()) {
        if (action->menu()) {
            UpdatePopupCmdUI(action->menu());
        } else if (!action->isSeparator()) {
            // A tracked popup lives only while it is shown: its items show their prompts here.
            static const char* const kPromptConnected = "zivraPromptConnected";
            if (action->property(kPromptConnected).toBool())
                continue;
            const UINT id = action->data().toUInt();
            QObject::connect(action, &QAction::hovered, action, [this, id] { ShowCommandPrompt(id); });
            action->setProperty(kPromptConnected, true);
        }
    }
}

void CFrameWnd::UpdateControlBarsCmdUI()
{
    // Bars shown in the frame, even while the frame itself is not on screen yet.
    for (CControlBar* bar : m_controlBars)
        if (bar->GetSafeHwnd() && !bar->GetSafeHwnd()->isHidden())
            bar->OnUpdateCmdUI(this, TRUE);
}

BOOL CFrameWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

void CFrameWnd::SetActiveView(CView* view, BOOL notify)
{
    CView* old = m_pViewActive;
    if (old == view)
        return;
    m_pViewActive = view;
    if (notify && old)
        old->OnActivateView(FALSE, view, old);
    if (notify && view)
        view->OnActivateView(TRUE, view, old);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::SetMessageText(LPCTSTR text)
{
    if (auto* bar = DYNAMIC_DOWNCAST(CStatusBar, CommandFrame()->GetControlBar(AFX_IDW_STATUS_BAR)))
        bar->SetPaneText(0, text);
}

void CFrameWnd::SetMessageText(UINT stringId)
{
    SetMessageText(LoadStringResource(stringId));
}

CControlBar* CFrameWnd::GetControlBar(UINT id) const
{
    for (CControlBar* bar : m_controlBars)
        if (UINT(bar->GetDlgCtrlID()) == id)
            return bar;
    return nullptr;
}

void CFrameWnd::AddControlBar(CControlBar* bar)
{
    m_controlBars.push_back(bar);
}

void CFrameWnd::RemoveControlBar(CControlBar* bar)
{
    std::erase(m_controlBars, bar);
}

void CFrameWnd::ShowControlBar(CControlBar* bar, BOOL show, BOOL)
{
    if (bar && bar->GetSafeHwnd())
        bar->GetSafeHwnd()->setVisible(show);
}

void CFrameWnd::EnableDocking(DWORD) {}

void CFrameWnd::DockControlBar(CControlBar* bar, UINT dockBarId, LPCRECT rect)
{
    QMainWindow* window = GetMainWindowWidget();
    auto* toolBar = bar ? qobject_cast<QToolBar*>(bar->GetSafeHwnd()) : nullptr;
    if (!window || !toolBar)
        return;
    const Qt::ToolBarArea area = FrameWndImpl::AreaOfDockBar(dockBarId);
    const bool visible = toolBar->isVisibleTo(window);
    window->removeToolBar(toolBar);
    // Without a rectangle the bar starts a row of its own; with one it joins the last row.
    bool areaUsed = false;
    for (QToolBar* other : window->findChildren<QToolBar*>(Qt::FindDirectChildrenOnly))
        if (other != toolBar && window->toolBarArea(other) == area && other->isVisibleTo(window))
            areaUsed = true;
    if (!rect && areaUsed)
        window->addToolBarBreak(area);
    window->addToolBar(area, toolBar);
    toolBar->setVisible(visible);
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (QWidget* w = GetSafeHwnd())
        w->updateGeometry();
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    ShowWindow(nCmdShow == -1 ? int(SW_SHOW) : nCmdShow);
    if (QWidget* w = GetSafeHwnd()) {
        w->raise();
        w->activateWindow();
    }
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL makeVisible)
{
    if (m_pViewActive)
        m_pViewActive->OnInitialUpdate();
    OnUpdateFrameTitle(TRUE);
    if (makeVisible)
        ActivateFrame();
}

void CFrameWnd::OnUpdateFrameTitle(BOOL addToTitle)
{
    CDocument* doc = GetActiveDocument();
    CString title = m_strTitle;
    if (addToTitle && doc)
        title = title.IsEmpty() ? doc->GetTitle() : title + " - " + doc->GetTitle();
    SetWindowText(title);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (!GetParentFrame())
        if (CWinApp* app = AfxGetApp(); app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    return FALSE;
}

BOOL CFrameWnd::OnBarCheck(UINT id)
{
    CControlBar* bar = GetControlBar(id);
    if (!bar)
        return FALSE;
    ShowControlBar(bar, !bar->IsWindowVisible(), FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* cmdUI)
{
    if (CControlBar* bar = GetControlBar(cmdUI->m_nID))
        cmdUI->SetCheck(bar->IsWindowVisible());
    else
        cmdUI->ContinueRouting();
}

void CFrameWnd::OnHelp()
{
    AfxMessageBox(AFX_IDS_NO_HELP, MB_OK | MB_ICONINFORMATION);
}

void CFrameWnd::OnClose()
{
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        if (!app->SaveAllModified())
            return;
        app->CloseAllDocuments(FALSE);
        DestroyWindow();
        return;
    }
    CDocument* doc = GetActiveDocument();
    if (doc && !doc->CanCloseFrame(this))
        return;
    if (doc && doc->CountFrames() <= 1) {
        doc->OnCloseDocument();
        return;
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    for (CControlBar* bar : m_controlBars)
        bar->DestroyWindow();
    m_controlBars.clear();
    m_actions.clear();
    m_menuSets.clear();
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        // Ends the event loop without quit()'s closing of every window: this one is being
        // destroyed already and must not hear a second close. Without a running loop there is
        // nothing to end, and an exit asked for then would end the next modal loop at once.
        if (QThread::currentThread()->loopLevel() > 0)
            QCoreApplication::exit(0);
    }
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}
