#include "platform/ui/MDIFrameWnd.h"

#include "platform/ui/CmdUI.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/Document.h"
#include "platform/ui/MDIChildWnd.h"

#include <QAction>
#include <QLayout>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyle>

#include <algorithm>

namespace MDIFrameWndImpl {

// Marks the window menu's list items, which are rebuilt each time the menu shows.
constexpr char kWindowListItem[] = "zivraWindowListItem";

bool IsWindowMenu(const QMenu* menu)
{
    const QList<QAction*> actions = menu->actions();
    return std::any_of(actions.begin(), actions.end(),
                       [](const QAction* action) { return action->data().toUInt() == ID_WINDOW_CASCADE; });
}

} // namespace MDIFrameWndImpl

IMPLEMENT_DYNAMIC(CMDIFrameWnd, CFrameWnd)

CMDIFrameWnd::CMDIFrameWnd() = default;
CMDIFrameWnd::~CMDIFrameWnd() = default;

const MessageMap* CMDIFrameWnd::GetMessageMap() const
{
    static const MessageMap map{
        CFrameWnd::GetMessageMap(),
        {
            MapCommand(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnWindowCascade),
            MapCommand(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnWindowTile),
            MapCommand(ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnWindowTile),
            MapCommand(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnWindowArrange),
            MapUpdateRange(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnUpdateMDIWindowCmd),
            MapCommandEx(AFX_IDM_FIRST_MDICHILD, AFX_IDM_FIRST_MDICHILD + kMaxMdiChildrenListed - 1,
                         &CMDIFrameWnd::OnWindowListItem),
            MapUpdateRange(AFX_IDM_FIRST_MDICHILD, AFX_IDM_FIRST_MDICHILD + kMaxMdiChildrenListed - 1,
                           &CMDIFrameWnd::OnUpdateWindowListItem),
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
    QObject::connect(m_mdiArea, &QMdiArea::subWindowActivated, m_mdiArea,
                     [this](QMdiSubWindow*) { OnChildrenChanged(); });
    return TRUE;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const
{
    return m_mdiArea ? DYNAMIC_DOWNCAST(CMDIChildWnd, CWnd::FromHandlePermanent(m_mdiArea->currentSubWindow()))
                     : nullptr;
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

QRect CMDIFrameWnd::CascadeGeometry(int index) const
{
    if (!m_mdiArea)
        return QRect(0, 0, 640, 480);
    // A frame not yet on screen has not laid out its area.
    if (QLayout* layout = m_mdiArea->window()->layout(); layout && !m_mdiArea->isVisible())
        layout->activate();
    const QSize area = m_mdiArea->viewport()->size().expandedTo(QSize(200, 150));
    const int step = std::max(16, m_mdiArea->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4);
    const QSize size(area.width() * 3 / 4, area.height() * 3 / 4);
    const int room =
        std::max(1, std::min((area.width() - size.width()) / step, (area.height() - size.height()) / step) + 1);
    const int offset = (index % room) * step;
    return QRect(QPoint(offset, offset), size);
}

void CMDIFrameWnd::OnWindowCascade()
{
    if (!m_mdiArea)
        return;
    int index = 0;
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isHidden() || sub->isMinimized())
            continue;
        if (sub->isMaximized())
            sub->showNormal();
        sub->setGeometry(CascadeGeometry(index++));
        sub->raise();
    }
    if (QMdiSubWindow* active = m_mdiArea->activeSubWindow())
        active->raise();
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

std::vector<CMDIChildWnd*> CMDIFrameWnd::ListedChildFrames() const
{
    std::vector<CMDIChildWnd*> children;
    if (m_mdiArea)
        for (QMdiSubWindow* sub : m_mdiArea->subWindowList(QMdiArea::CreationOrder))
            if (auto* child = DYNAMIC_DOWNCAST(CMDIChildWnd, CWnd::FromHandlePermanent(sub));
                child && !sub->isHidden() && children.size() < kMaxMdiChildrenListed)
                children.push_back(child);
    return children;
}

void CMDIFrameWnd::OnMenuAboutToShow(QMenu* menu)
{
    using namespace MDIFrameWndImpl;
    if (IsWindowMenu(menu)) {
        for (QAction* action : menu->actions())
            if (action->property(kWindowListItem).toBool())
                delete action; // owned by the menu, never shared
        const std::vector<CMDIChildWnd*> children = ListedChildFrames();
        for (size_t i = 0; i < children.size(); ++i) {
            CString title;
            children[i]->GetWindowText(title);
            auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(ToQString(title)), menu);
            const UINT id = AFX_IDM_FIRST_MDICHILD + UINT(i);
            action->setData(id);
            action->setProperty(kWindowListItem, true);
            QObject::connect(action, &QAction::triggered, action, [this, id] { SendMessage(WM_COMMAND, id, 0); });
            if (i == 0)
                menu->addSeparator()->setProperty(kWindowListItem, true);
            menu->addAction(action);
        }
    }
    CFrameWnd::OnMenuAboutToShow(menu);
}

BOOL CMDIFrameWnd::OnWindowListItem(UINT id)
{
    const std::vector<CMDIChildWnd*> children = ListedChildFrames();
    const size_t index = id - AFX_IDM_FIRST_MDICHILD;
    if (index >= children.size())
        return FALSE;
    MDIActivate(children[index]);
    return TRUE;
}

void CMDIFrameWnd::OnUpdateWindowListItem(CCmdUI* cmdUI)
{
    const std::vector<CMDIChildWnd*> children = ListedChildFrames();
    const size_t index = cmdUI->m_nID - AFX_IDM_FIRST_MDICHILD;
    cmdUI->Enable(index < children.size());
    cmdUI->SetCheck(index < children.size() && children[index] == MDIGetActive());
}
