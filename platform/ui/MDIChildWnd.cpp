#include "platform/ui/MDIChildWnd.h"

#include "platform/ui/Document.h"
#include "platform/ui/MDIFrameWnd.h"
#include "platform/ui/WinApp.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRect>

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

CMDIChildWnd::CMDIChildWnd() = default;
CMDIChildWnd::~CMDIChildWnd() = default;

QWidget* CMDIChildWnd::CreateFrameWidget(CWnd* parent)
{
    auto* mainFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, parent);
    if (!mainFrame && AfxGetApp())
        mainFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, AfxGetApp()->m_pMainWnd);
    if (!mainFrame)
        return new QMdiSubWindow;
    if (!mainFrame->GetMdiArea())
        return new QMdiSubWindow;
    const int index = int(mainFrame->GetMdiArea()->subWindowList().size());
    auto* sub = new QMdiSubWindow;
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    mainFrame->GetMdiArea()->addSubWindow(sub);
    sub->setGeometry(mainFrame->CascadeGeometry(index));
    return sub;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    return DYNAMIC_DOWNCAST(CMDIFrameWnd, GetParentFrame());
}

void CMDIChildWnd::SetClientWidget(QWidget* widget)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(GetSafeHwnd()))
        sub->setWidget(widget);
}

void CMDIChildWnd::MDIActivate()
{
    if (CMDIFrameWnd* frame = GetMDIFrame())
        frame->MDIActivate(this);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    ShowWindow(nCmdShow == -1 ? int(SW_SHOW) : nCmdShow);
    MDIActivate();
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL)
{
    if (CDocument* doc = GetActiveDocument())
        SetWindowText(doc->GetTitle());
}

void CMDIChildWnd::OnDestroy()
{
    CMDIFrameWnd* frame = GetMDIFrame();
    CFrameWnd::OnDestroy();
    if (frame && frame->GetMdiArea())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(GetSafeHwnd()))
            frame->GetMdiArea()->removeSubWindow(sub);
    if (frame)
        frame->OnChildrenChanged();
}
