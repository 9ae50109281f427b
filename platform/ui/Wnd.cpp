#include "platform/ui/Wnd.h"

#include "platform/ui/CmdUI.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/VirtualKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScreen>
#include <QTimerEvent>
#include <QWidget>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

namespace WndImpl {

// The local files a drag carries; none for anything else.
std::vector<CString> LocalFilesOf(const QMimeData* data)
{
    std::vector<CString> paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths.push_back(FromQString(url.toLocalFile()));
    }
    return paths;
}

constexpr const char* kWndProperty = "zivraCWnd";
constexpr const char* kCtrlIdProperty = "zivraCtrlId";

CWnd*& CaptureHolder()
{
    static CWnd* capture = nullptr;
    return capture;
}

UINT MouseFlags(const QMouseEvent* e)
{
    UINT flags = 0;
    if (e->buttons() & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (e->buttons() & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (e->buttons() & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    if (e->modifiers() & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (e->modifiers() & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

CPoint PointOf(const QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    return CPoint(p.x(), p.y());
}

// Destroys the CWnd windows under the widget, looking through widgets that are no CWnd.
void DestroyInnerWindows(QWidget* widget)
{
    const QList<QWidget*> children = widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (CWnd* wnd = CWnd::FromHandlePermanent(child))
            wnd->DestroyWindow();
        else
            DestroyInnerWindows(child);
    }
}

} // namespace WndImpl

// Carries the window's timers, its posted messages and the widget's events.
class CWndBridge : public QObject
{
public:
    explicit CWndBridge(CWnd* wnd) : m_wnd(wnd) {}

protected:
    void timerEvent(QTimerEvent* event) override { m_wnd->DispatchTimer(event->timerId()); }
    bool eventFilter(QObject*, QEvent* event) override { return m_wnd->FilterWidgetEvent(event); }

private:
    CWnd* m_wnd;
};

CWnd::CWnd() : m_bridge(std::make_unique<CWndBridge>(this)) {}

CWnd::~CWnd()
{
    if (GetCapture() == this)
        WndImpl::CaptureHolder() = nullptr;
    m_tempChildren.clear();
    if (QWidget* widget = m_hWnd.data()) {
        QObject::disconnect(widget, nullptr, m_bridge.get(), nullptr);
        widget->removeEventFilter(m_bridge.get());
        widget->setProperty(WndImpl::kWndProperty, QVariant());
        if (m_ownsWidget)
            delete widget;
    }
}

QWidget* CWnd::GetSafeHwnd() const
{
    return m_hWnd.data();
}

BOOL CWnd::IsWindow() const
{
    return !m_hWnd.isNull();
}

BOOL CWnd::Attach(QWidget* widget, BOOL ownsWidget)
{
    if (!widget || m_hWnd)
        return FALSE;
    m_hWnd = widget;
    m_ownsWidget = ownsWidget;
    widget->setProperty(WndImpl::kWndProperty, QVariant::fromValue(static_cast<void*>(this)));
    widget->installEventFilter(m_bridge.get());
    QObject::connect(widget, &QObject::destroyed, m_bridge.get(), [this] { OnWidgetDestroyed(); });
    return TRUE;
}

QWidget* CWnd::Detach()
{
    QWidget* widget = m_hWnd.data();
    if (widget) {
        QObject::disconnect(widget, nullptr, m_bridge.get(), nullptr);
        widget->removeEventFilter(m_bridge.get());
        widget->setProperty(WndImpl::kWndProperty, QVariant());
    }
    m_hWnd = nullptr;
    m_ownsWidget = FALSE;
    return widget;
}

CWnd* CWnd::FromHandlePermanent(const QWidget* widget)
{
    return widget ? static_cast<CWnd*>(widget->property(WndImpl::kWndProperty).value<void*>()) : nullptr;
}

CWnd* CWnd::FromHandle(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget())
        if (CWnd* wnd = FromHandlePermanent(widget))
            return wnd;
    return nullptr;
}

BOOL CWnd::DestroyWindow()
{
    QWidget* widget = m_hWnd.data();
    // A window already on its way out (a close that arrives while it is being destroyed) stays so.
    if (!widget || m_bDestroying)
        return FALSE;
    // The windows inside go first, innermost first, while this one still stands.
    WndImpl::DestroyInnerWindows(widget);
    EndWindow(TRUE);
    return TRUE;
}

void CWnd::OnWidgetDestroyed()
{
    EndWindow(FALSE);
}

void CWnd::EndWindow(BOOL deleteWidget)
{
    m_bDestroying = TRUE;
    if (GetCapture() == this)
        ReleaseCapture();
    for (const auto& [id, qtId] : m_timers)
        m_bridge->killTimer(qtId);
    m_timers.clear();
    OnDestroy();
    QWidget* widget = Detach();
    if (deleteWidget && widget) {
        widget->hide();
        // Deleting later keeps a widget alive that is still inside its own event handler.
        widget->deleteLater();
    }
    PostNcDestroy();
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    QWidget* w = GetSafeHwnd();
    if (!w)
        return FALSE;
    const BOOL wasVisible = w->isVisible();
    switch (UINT(nCmdShow)) {
    case SW_HIDE: w->hide(); break;
    case SW_SHOWMAXIMIZED: w->showMaximized(); break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: w->showMinimized(); break;
    case SW_SHOWNORMAL:
    case SW_RESTORE: w->isWindow() ? w->showNormal() : w->show(); break;
    default: w->show(); break;
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const
{
    return m_hWnd && m_hWnd->isVisible();
}

BOOL CWnd::IsIconic() const
{
    return m_hWnd && m_hWnd->isMinimized();
}

BOOL CWnd::IsZoomed() const
{
    return m_hWnd && m_hWnd->isMaximized();
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL)
{
    if (m_hWnd)
        m_hWnd->setGeometry(x, y, width, height);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint)
{
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

void CWnd::GetClientRect(LPRECT rect) const
{
    *rect = m_hWnd ? RECT{0, 0, m_hWnd->width(), m_hWnd->height()} : RECT{0, 0, 0, 0};
}

void CWnd::GetWindowRect(LPRECT rect) const
{
    if (!m_hWnd) {
        *rect = RECT{0, 0, 0, 0};
        return;
    }
    const QRect r =
        m_hWnd->isWindow() ? m_hWnd->frameGeometry() : QRect(m_hWnd->mapToGlobal(QPoint(0, 0)), m_hWnd->size());
    *rect = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void CWnd::ClientToScreen(LPPOINT point) const
{
    if (!m_hWnd)
        return;
    const QPoint p = m_hWnd->mapToGlobal(QPoint(point->x, point->y));
    *point = POINT{p.x(), p.y()};
}

void CWnd::ClientToScreen(LPRECT rect) const
{
    POINT tl{rect->left, rect->top}, br{rect->right, rect->bottom};
    ClientToScreen(&tl);
    ClientToScreen(&br);
    *rect = RECT{tl.x, tl.y, br.x, br.y};
}

void CWnd::ScreenToClient(LPPOINT point) const
{
    if (!m_hWnd)
        return;
    const QPoint p = m_hWnd->mapFromGlobal(QPoint(point->x, point->y));
    *point = POINT{p.x(), p.y()};
}

void CWnd::ScreenToClient(LPRECT rect) const
{
    POINT tl{rect->left, rect->top}, br{rect->right, rect->bottom};
    ScreenToClient(&tl);
    ScreenToClient(&br);
    *rect = RECT{tl.x, tl.y, br.x, br.y};
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    QWidget* w = GetSafeHwnd();
    if (!w)
        return;
    QWidget* owner = alternateOwner ? alternateOwner->GetSafeHwnd() : w->parentWidget();
    QRect area;
    if (owner)
        area = owner->window()->frameGeometry();
    else if (QScreen* screen = w->screen())
        area = screen->availableGeometry();
    if (!area.isEmpty())
        w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
}

void CWnd::Invalidate(BOOL)
{
    if (m_hWnd)
        m_hWnd->update();
}

void CWnd::InvalidateRect(LPCRECT rect, BOOL erase)
{
    if (!m_hWnd)
        return;
    if (!rect)
        return Invalidate(erase);
    m_hWnd->update(QRect(QPoint(rect->left, rect->top), QPoint(rect->right - 1, rect->bottom - 1)));
}

void CWnd::UpdateWindow()
{
    if (m_hWnd)
        m_hWnd->repaint();
}

void CWnd::RedrawWindow()
{
    UpdateWindow();
}

void CWnd::SetWindowText(LPCTSTR text)
{
    QWidget* w = GetSafeHwnd();
    if (!w)
        return;
    const QString q = ToQString(CString(text));
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(q);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        plain->setPlainText(q);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(q);
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(q);
    else if (auto* group = qobject_cast<QGroupBox*>(w))
        group->setTitle(q);
    else
        w->setWindowTitle(q);
}

void CWnd::GetWindowText(CString& text) const
{
    const QWidget* w = GetSafeHwnd();
    QString q;
    if (!w)
        q.clear();
    else if (auto* edit = qobject_cast<const QLineEdit*>(w))
        q = edit->text();
    else if (auto* plain = qobject_cast<const QPlainTextEdit*>(w))
        q = plain->toPlainText();
    else if (auto* button = qobject_cast<const QAbstractButton*>(w))
        q = button->text();
    else if (auto* label = qobject_cast<const QLabel*>(w))
        q = label->text();
    else if (auto* group = qobject_cast<const QGroupBox*>(w))
        q = group->title();
    else
        q = w->windowTitle();
    text = FromQString(q);
}

int CWnd::GetWindowTextLength() const
{
    CString text;
    GetWindowText(text);
    return text.GetLength();
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    if (!m_hWnd)
        return FALSE;
    const BOOL wasDisabled = !m_hWnd->isEnabled();
    m_hWnd->setEnabled(enable);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_hWnd && m_hWnd->isEnabled();
}

CWnd* CWnd::SetFocus()
{
    CWnd* old = GetFocus();
    if (m_hWnd)
        m_hWnd->setFocus(Qt::OtherFocusReason);
    return old;
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(QApplication::focusWidget());
}

void CWnd::SetCursor(const QCursor& cursor)
{
    if (m_hWnd)
        m_hWnd->setCursor(cursor);
}

int CWnd::GetDlgCtrlID() const
{
    return m_hWnd ? m_hWnd->property(WndImpl::kCtrlIdProperty).toInt() : 0;
}

void CWnd::SetDlgCtrlID(int id)
{
    if (m_hWnd)
        m_hWnd->setProperty(WndImpl::kCtrlIdProperty, id);
}

CWnd* CWnd::GetDlgItem(int id) const
{
    if (!m_hWnd)
        return nullptr;
    const QList<QWidget*> children = m_hWnd->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (child->property(WndImpl::kCtrlIdProperty).toInt() != id)
            continue;
        if (CWnd* wnd = FromHandlePermanent(child))
            return wnd;
        auto& temp = m_tempChildren[id];
        temp = MakeControlWindow(child);
        temp->Attach(child);
        return temp.get();
    }
    return nullptr;
}

void CWnd::SetDlgItemText(int id, LPCTSTR text)
{
    if (CWnd* item = GetDlgItem(id))
        item->SetWindowText(text);
}

void CWnd::GetDlgItemText(int id, CString& text) const
{
    text.Empty();
    if (CWnd* item = GetDlgItem(id))
        item->GetWindowText(text);
}

CWnd* CWnd::GetParent() const
{
    return m_hWnd ? FromHandle(m_hWnd->parentWidget()) : nullptr;
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (CWnd* wnd = GetParent(); wnd; wnd = wnd->GetParent())
        if (auto* frame = DYNAMIC_DOWNCAST(CFrameWnd, wnd))
            return frame;
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    CFrameWnd* frame = DYNAMIC_DOWNCAST(CFrameWnd, const_cast<CWnd*>(this));
    for (CFrameWnd* up = GetParentFrame(); up; up = up->GetParentFrame())
        frame = up;
    return frame;
}

UINT_PTR CWnd::SetTimer(UINT_PTR idEvent, UINT elapseMs)
{
    KillTimer(idEvent);
    const int qtId = m_bridge->startTimer(int(elapseMs), Qt::PreciseTimer);
    if (qtId == 0)
        return 0;
    m_timers[idEvent] = qtId;
    return idEvent;
}

BOOL CWnd::KillTimer(UINT_PTR idEvent)
{
    auto it = m_timers.find(idEvent);
    if (it == m_timers.end())
        return FALSE;
    m_bridge->killTimer(it->second);
    m_timers.erase(it);
    return TRUE;
}

void CWnd::DispatchTimer(int qtTimerId)
{
    for (const auto& [id, qtId] : m_timers)
        if (qtId == qtTimerId) {
            SendMessage(WM_TIMER, id, 0);
            return;
        }
}

CWnd* CWnd::SetCapture()
{
    CWnd* old = GetCapture();
    if (old == this)
        return old;
    WndImpl::CaptureHolder() = this;
    if (old) {
        if (QWidget* w = old->GetSafeHwnd())
            w->releaseMouse();
        old->OnCaptureChanged(this);
    }
    if (m_hWnd && m_hWnd->isVisible())
        m_hWnd->grabMouse();
    return old;
}

BOOL CWnd::ReleaseCapture()
{
    CWnd* old = std::exchange(WndImpl::CaptureHolder(), nullptr);
    if (!old)
        return TRUE;
    if (QWidget* w = old->GetSafeHwnd())
        w->releaseMouse();
    old->OnCaptureChanged(nullptr);
    return TRUE;
}

CWnd* CWnd::GetCapture()
{
    return WndImpl::CaptureHolder();
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return WindowProc(message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_hWnd)
        return FALSE;
    QMetaObject::invokeMethod(
        m_bridge.get(), [this, message, wParam, lParam] { SendMessage(message, wParam, lParam); },
        Qt::QueuedConnection);
    return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const MessageMapEntry* entry = FindMessageMapEntry(GetMessageMap(), MessageMapEntry::Kind::Message, message))
        return entry->onMessage(*this, wParam, lParam);
    switch (message) {
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_TIMER: OnTimer(UINT_PTR(wParam)); return 0;
    case WM_CLOSE: OnClose(); return 0;
    default: return DefWindowProc(message, wParam, lParam);
    }
}

LRESULT CWnd::DefWindowProc(UINT, WPARAM, LPARAM)
{
    return 0;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM)
{
    const UINT id = LOWORD(DWORD(wParam));
    CCmdUI state;
    state.m_nID = id;
    OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &state, nullptr);
    if (!state.IsEnabled())
        return TRUE; // a disabled command never runs, whatever sent it
    return OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
}

void CWnd::OnTimer(UINT_PTR) {}

void CWnd::OnClose()
{
    DestroyWindow();
}

void CWnd::OnDestroy() {}

void CWnd::PostNcDestroy() {}

void CWnd::OnCaptureChanged(CWnd*) {}

void CWnd::OnPaint() {}
void CWnd::OnLButtonDown(UINT, CPoint) {}
void CWnd::OnLButtonUp(UINT, CPoint) {}
void CWnd::OnLButtonDblClk(UINT, CPoint) {}
void CWnd::OnRButtonDown(UINT, CPoint) {}
void CWnd::OnRButtonUp(UINT, CPoint) {}
void CWnd::OnMouseMove(UINT, CPoint) {}
void CWnd::OnKeyDown(UINT, UINT, UINT) {}
void CWnd::OnKeyUp(UINT, UINT, UINT) {}
void CWnd::OnSize(UINT, int, int) {}
void CWnd::OnSetFocus(CWnd*) {}
void CWnd::OnKillFocus(CWnd*) {}

void CWnd::RouteInputEvents(BOOL input, BOOL paint)
{
    m_routeInput = input;
    m_routePaint = paint;
}

void CWnd::DragAcceptFiles(BOOL accept)
{
    m_acceptFiles = accept;
    if (m_hWnd)
        m_hWnd->setAcceptDrops(accept);
}

void CWnd::OnDropFiles(const std::vector<CString>&) {}

BOOL CWnd::FilterWidgetEvent(QEvent* event)
{
    using namespace WndImpl;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::vector<CString> paths = LocalFilesOf(drop->mimeData());
        if (!m_acceptFiles || paths.empty())
            return FALSE;
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop)
            OnDropFiles(paths);
        return TRUE;
    }
    case QEvent::Close:
        // A frame's close button asks the frame (WM_CLOSE), which may ask to save and closes the
        // document with its last frame; an MDI child's would otherwise only hide it.
        if (m_hWnd && (m_hWnd->isWindow() || qobject_cast<QMdiSubWindow*>(m_hWnd.data())) &&
            !qobject_cast<QDialog*>(m_hWnd.data())) {
            event->ignore();
            if (!m_bDestroying)
                SendMessage(WM_CLOSE);
            return TRUE;
        }
        return FALSE;
    case QEvent::Hide:
        if (GetCapture() == this)
            ReleaseCapture();
        return FALSE;
    case QEvent::Paint:
        if (!m_routePaint)
            return FALSE;
        OnPaint();
        return TRUE;
    default: break;
    }
    if (!m_routeInput)
        return FALSE;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        auto* e = static_cast<QMouseEvent*>(event);
        const UINT flags = MouseFlags(e);
        const bool left = e->button() == Qt::LeftButton;
        const bool right = e->button() == Qt::RightButton;
        if (event->type() == QEvent::MouseButtonPress) {
            if (left)
                OnLButtonDown(flags, PointOf(e));
            if (right)
                OnRButtonDown(flags, PointOf(e));
        } else if (event->type() == QEvent::MouseButtonRelease) {
            if (left)
                OnLButtonUp(flags, PointOf(e));
            if (right)
                OnRButtonUp(flags, PointOf(e));
        } else if (left) {
            OnLButtonDblClk(flags, PointOf(e));
        }
        return FALSE;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        OnMouseMove(MouseFlags(e), PointOf(e));
        return FALSE;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* e = static_cast<QKeyEvent*>(event);
        const UINT vkey = VirtualKeyFromQt(e->key());
        if (vkey == 0)
            return FALSE;
        if (event->type() == QEvent::KeyPress)
            OnKeyDown(vkey, 1, e->isAutoRepeat() ? 0x4000 : 0);
        else
            OnKeyUp(vkey, 1, 0);
        return FALSE;
    }
    case QEvent::Resize: {
        auto* e = static_cast<QResizeEvent*>(event);
        OnSize(m_hWnd && m_hWnd->isMaximized() ? SIZE_MAXIMIZED : SIZE_RESTORED, e->size().width(), e->size().height());
        return FALSE;
    }
    case QEvent::FocusIn: OnSetFocus(nullptr); return FALSE;
    case QEvent::FocusOut: OnKillFocus(nullptr); return FALSE;
    default: return FALSE;
    }
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const
{
    const QWidget* w = GetSafeHwnd();
    if (!w || !placement || placement->length != sizeof(WINDOWPLACEMENT))
        return FALSE;
    placement->flags = 0;
    placement->showCmd = w->isMaximized() ? SW_SHOWMAXIMIZED : w->isMinimized() ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
    placement->ptMinPosition = POINT{-1, -1};
    placement->ptMaxPosition = POINT{-1, -1};
    QRect normal = w->normalGeometry();
    if (normal.isEmpty())
        normal = w->geometry();
    placement->rcNormalPosition =
        RECT{normal.left(), normal.top(), normal.left() + normal.width(), normal.top() + normal.height()};
    return TRUE;
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* placement)
{
    QWidget* w = GetSafeHwnd();
    if (!w || !placement)
        return FALSE;
    const RECT& r = placement->rcNormalPosition;
    w->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    ShowWindow(int(placement->showCmd));
    return TRUE;
}
