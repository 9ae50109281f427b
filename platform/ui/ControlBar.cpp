#include "platform/ui/ControlBar.h"

#include "platform/ui/FrameWnd.h"

#include <QToolBar>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

CControlBar::~CControlBar()
{
    if (m_pFrame)
        m_pFrame->RemoveControlBar(this);
}

void CControlBar::JoinFrame(CFrameWnd* frame, UINT id)
{
    m_pFrame = frame;
    SetDlgCtrlID(int(id));
    frame->AddControlBar(this);
}

void CControlBar::SetBarStyle(DWORD style)
{
    m_dwStyle = style;
}

void CControlBar::EnableDocking(DWORD dockStyle)
{
    m_dwDockStyle = dockStyle;
    auto* bar = qobject_cast<QToolBar*>(GetSafeHwnd());
    if (!bar)
        return;
    Qt::ToolBarAreas areas;
    if (dockStyle & CBRS_ALIGN_LEFT)
        areas |= Qt::LeftToolBarArea;
    if (dockStyle & CBRS_ALIGN_TOP)
        areas |= Qt::TopToolBarArea;
    if (dockStyle & CBRS_ALIGN_RIGHT)
        areas |= Qt::RightToolBarArea;
    if (dockStyle & CBRS_ALIGN_BOTTOM)
        areas |= Qt::BottomToolBarArea;
    bar->setAllowedAreas(areas);
    bar->setFloatable(true);
}
