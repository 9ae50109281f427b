#include "platform/ui/View.h"

#include "platform/ui/Document.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/MDIChildWnd.h"

#include <QMainWindow>
#include <QWidget>

IMPLEMENT_DYNAMIC(CView, CWnd)

CView::CView() = default;

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

QWidget* CView::CreateViewWidget(QWidget* parent)
{
    auto* widget = new QWidget(parent);
    widget->setFocusPolicy(Qt::StrongFocus);
    return widget;
}

BOOL CView::Create(CFrameWnd* parent, UINT id, CCreateContext* context)
{
    if (!parent || !parent->GetSafeHwnd())
        return FALSE;
    QWidget* widget = CreateViewWidget(parent->GetSafeHwnd());
    Attach(widget, TRUE);
    SetDlgCtrlID(int(id));
    if (auto* child = DYNAMIC_DOWNCAST(CMDIChildWnd, parent))
        child->SetClientWidget(widget);
    else if (QMainWindow* window = parent->GetMainWindowWidget())
        window->setCentralWidget(widget);
    if (context && context->m_pCurrentDoc)
        context->m_pCurrentDoc->AddView(this);
    parent->SetActiveView(this, FALSE);
    return TRUE;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*)
{
    Invalidate(TRUE);
}

void CView::OnActivateView(BOOL activate, CView*, CView*)
{
    if (activate)
        SetFocus();
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CView::PostNcDestroy()
{
    delete this;
}
