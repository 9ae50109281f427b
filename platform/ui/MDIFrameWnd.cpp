#include "platform/ui/MDIFrameWnd.h"

#include "platform/ui/CmdUI.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/Document.h"
#include "platform/ui/MDIChildWnd.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

IMPLEMENT_DYNAMIC(CMDIFrameWnd, CFrameWnd)

CMDIFrameWnd::CMDIFrameWnd() = default;
CMDIFrameWnd::~CMDIFrameWnd() = default;

const MessageMap* CMDIFrameWnd::GetMessageMap() const
{
    static const MessageMap map{CFrameWnd::GetMessageMap(), {
        MapCommand(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnWindowCascade),
        MapCommand(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnWindowTile),
        MapCommand(ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnWindowTile),
        MapCommand(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnWindowArrange),
        MapUpdateRange(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnUpdateMDIWindowCmd),
    }};
    return &map;
}

BOOL CMDIFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context)
{
    if (!CFrameWnd::LoadFrame(resourceId, style, parent, context))
        return FALSE;
    m_nMenuShown = resourceId;
    return TRUE;
}

BOOL CMDIFrameWnd::OnCreateClient(CCreateContext*)
{
    QMainWindow* window = GetMainWindowWidget();
    if (!window)
        return FALSE;
    m_mdiArea = new QMdiArea(window);
    m_mdiArea->setBackground(window->palette().dark());
    window->setCentralWidget(m_mdiArea);
    QObject::connect(m_mdiArea, &QMdiArea::subWindowActivated, m_mdiArea, [this](QMdiSubWindow*) { OnChildrenChanged(); });
    return TRUE;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const
{
    return m_mdiArea ? DYNAMIC_DOWNCAST(CMDIChildWnd, CWnd::FromHandlePermanent(m_mdiArea->currentSubWindow())) : nullptr;
}

void CMDIFrameWnd::MDIActivate(CMDIChildWnd* child)
{
    if (child && m_mdiArea)
        if (auto* sub = qobject_cast<QMdiSubWindow*>(child->GetSafeHwnd()))
            m_mdiArea->setActiveSubWindow(sub);
    OnChildrenChanged();
}

std::vector<CMDIChildWnd*> CMDIFrameWnd::GetChildFrames() const
{
    std::vector<CMDIChildWnd*> children;
    if (m_mdiArea)
        for (QMdiSubWindow* sub : m_mdiArea->subWindowList())
            if (auto* child = DYNAMIC_DOWNCAST(CMDIChildWnd, CWnd::FromHandlePermanent(sub)))
                children.push_back(child);
    return children;
}

void CMDIFrameWnd::OnChildrenChanged()
{
    OnUpdateFrameMenu();
    OnUpdateFrameTitle(TRUE);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* child = MDIGetActive();
    return child ? static_cast<CFrameWnd*>(child) : this;
}

CDocument* CMDIFrameWnd::GetActiveDocument()
{
    CMDIChildWnd* child = MDIGetActive();
    return child ? child->GetActiveDocument() : nullptr;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CMDIChildWnd* child = MDIGetActive(); child && child->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL addToTitle)
{
    CDocument* doc = GetActiveDocument();
    CString title = m_strTitle;
    if (addToTitle && doc)
        title += " - " + doc->GetTitle();
    SetWindowText(title);
}

void CMDIFrameWnd::OnUpdateFrameMenu()
{
    UINT menuId = m_nIDResource;
    if (CDocument* doc = GetActiveDocument(); doc && doc->GetDocTemplate())
        menuId = doc->GetDocTemplate()->GetResourceId();
    if (menuId == m_nMenuShown)
        return;
    m_nMenuShown = menuId;
    BuildMenuBar(menuId);
    LoadAccelTable(menuId);
}

void CMDIFrameWnd::OnWindowCascade()
{
    if (m_mdiArea)
        m_mdiArea->cascadeSubWindows();
}

void CMDIFrameWnd::OnWindowTile()
{
    if (m_mdiArea)
        m_mdiArea->tileSubWindows();
}

void CMDIFrameWnd::OnWindowArrange()
{
    OnWindowCascade();
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* cmdUI)
{
    cmdUI->Enable(MDIGetActive() != nullptr);
}
