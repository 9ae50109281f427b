#include "shell/SplashWnd.h"

#include "shell/ShellArtwork.h"

#include <QPainter>
#include <QWidget>

IMPLEMENT_DYNAMIC(CSplashWnd, CWnd)

namespace SplashWndImpl {

BOOL g_enabled = FALSE;
CSplashWnd* g_shown = nullptr;
int g_ticks = 10;
int g_tickCounter = 0;

} // namespace SplashWndImpl

void CSplashWnd::EnableSplashScreen(BOOL enable)
{
    SplashWndImpl::g_enabled = enable;
}

void CSplashWnd::SetSplashTicks(int ticks)
{
    SplashWndImpl::g_ticks = ticks;
}

CSplashWnd* CSplashWnd::GetShown()
{
    return SplashWndImpl::g_shown;
}

void CSplashWnd::ShowSplashScreen(CWnd* parent)
{
    if (!SplashWndImpl::g_enabled || SplashWndImpl::g_shown)
        return;
    auto* splash = new CSplashWnd;
    if (!splash->Create(parent)) {
        delete splash;
        return;
    }
    SplashWndImpl::g_shown = splash;
    splash->UpdateWindow();
}

BOOL CSplashWnd::Create(CWnd* parent)
{
    m_bitmap = DrawSplashBitmap();
    if (m_bitmap.isNull())
        return FALSE;
    m_pParent = parent;
    auto* widget = new QWidget(parent ? parent->GetSafeHwnd() : nullptr,
                               Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setFixedSize(m_bitmap.size());
    widget->setCursor(Qt::ArrowCursor);
    Attach(widget, TRUE);
    RouteInputEvents(FALSE, TRUE);
    CenterWindow(parent);
    if (SplashWndImpl::g_ticks >= 1) {
        SetTimer(kSplashTimer, 100);
        SplashWndImpl::g_tickCounter = 0;
    }
    widget->show();
    return TRUE;
}

CSplashWnd::~CSplashWnd()
{
    if (SplashWndImpl::g_shown == this)
        SplashWndImpl::g_shown = nullptr;
}

void CSplashWnd::OnTimer(UINT_PTR idEvent)
{
    if (idEvent != kSplashTimer)
        return;
    if (++SplashWndImpl::g_tickCounter == SplashWndImpl::g_ticks)
        HideSplashScreen();
}

void CSplashWnd::HideSplashScreen()
{
    KillTimer(kSplashTimer);
    CWnd* parent = m_pParent;
    DestroyWindow(); // deletes this
    if (parent)
        parent->UpdateWindow();
}

void CSplashWnd::OnPaint()
{
    QPainter painter(GetSafeHwnd());
    painter.drawPixmap(0, 0, m_bitmap);
}

void CSplashWnd::PostNcDestroy()
{
    delete this;
}
