#include "platform/ui/ToolBar.h"

#include "platform/ui/CmdUI.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/Resources.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

CToolBar::CToolBar() = default;
CToolBar::~CToolBar() = default;

BOOL CToolBar::Create(CFrameWnd* parent, DWORD style, UINT id)
{
    return CreateEx(parent, 0, style, CRect(), id);
}

BOOL CToolBar::CreateEx(CFrameWnd* parent, DWORD, DWORD style, CRect, UINT id)
{
    QMainWindow* window = parent ? parent->GetMainWindowWidget() : nullptr;
    if (!window || IsWindow())
        return FALSE;
    auto* bar = new QToolBar(window);
    bar->setObjectName(QStringLiteral("bar%1").arg(id));
    bar->setIconSize(QSize(16, 16));
    const Qt::ToolBarArea area = (style & CBRS_ALIGN_BOTTOM)  ? Qt::BottomToolBarArea
                                 : (style & CBRS_ALIGN_LEFT)  ? Qt::LeftToolBarArea
                                 : (style & CBRS_ALIGN_RIGHT) ? Qt::RightToolBarArea
                                                              : Qt::TopToolBarArea;
    window->addToolBar(area, bar);
    Attach(bar);
    JoinFrame(parent, id);
    SetBarStyle(style);
    bar->setVisible((style & WS_VISIBLE) != 0);
    return TRUE;
}

QToolBar* CToolBar::GetToolBarWidget() const
{
    return qobject_cast<QToolBar*>(GetSafeHwnd());
}

void CToolBar::SetBarStyle(DWORD style)
{
    CControlBar::SetBarStyle(style);
    if (QToolBar* bar = GetToolBarWidget())
        bar->setMovable((style & CBRS_GRIPPER) != 0);
}

BOOL CToolBar::LoadToolBar(UINT resourceId)
{
    const std::vector<UINT> ids = LoadToolBarResource(resourceId);
    return !ids.empty() && SetButtons(ids.data(), int(ids.size()));
}

BOOL CToolBar::LoadBitmap(UINT)
{
    return IsWindow();
}

BOOL CToolBar::SetButtons(const UINT* ids, int count)
{
    QToolBar* bar = GetToolBarWidget();
    if (!bar || !m_pFrame)
        return FALSE;
    bar->clear();
    m_buttons.assign(ids, ids + count);
    m_actions.clear();
    for (UINT id : m_buttons) {
        if (id == ID_SEPARATOR) {
            m_actions.push_back(bar->addSeparator());
            continue;
        }
        QAction* action = m_pFrame->GetCommandAction(id);
        bar->addAction(action);
        m_actions.push_back(action);
    }
    return TRUE;
}

UINT CToolBar::GetItemID(int index) const
{
    return index >= 0 && index < GetCount() ? m_buttons[std::size_t(index)] : ID_SEPARATOR;
}

int CToolBar::CommandToIndex(UINT id) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_buttons[std::size_t(i)] == id)
            return i;
    return -1;
}

void CToolBar::GetItemRect(int index, LPRECT rect) const
{
    *rect = RECT{0, 0, 0, 0};
    QToolBar* bar = GetToolBarWidget();
    if (!bar || index < 0 || index >= GetCount())
        return;
    if (QWidget* button = bar->widgetForAction(m_actions[std::size_t(index)])) {
        const QRect r = button->geometry();
        *rect = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
}

int CToolBar::HitTestButton(CPoint point) const
{
    for (int i = 0; i < GetCount(); ++i) {
        CRect r;
        GetItemRect(i, &r);
        if (m_buttons[std::size_t(i)] != ID_SEPARATOR && r.PtInRect(point))
            return i;
    }
    return -1;
}

BOOL CToolBar::IsButtonEnabled(int index) const
{
    return index >= 0 && index < GetCount() && m_actions[std::size_t(index)]->isEnabled();
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler)
{
    for (int i = 0; i < GetCount(); ++i) {
        if (m_buttons[std::size_t(i)] == ID_SEPARATOR)
            continue;
        CActionCmdUI state(m_actions[std::size_t(i)], FALSE);
        state.m_nID = m_buttons[std::size_t(i)];
        state.m_nIndex = UINT(i);
        state.m_nIndexMax = UINT(GetCount());
        state.m_pOther = this;
        state.DoUpdate(target, disableIfNoHandler);
    }
}
