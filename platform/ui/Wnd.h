// CWnd: a window of the system over a QWidget. The window keeps the framework's vocabulary (show,
// move, rectangles, text, timers, capture, messages, placement) and forwards the widget's input to
// the framework's handler names for the windows that ask for it (views, toolbars, splash).
//
// Lifetime: DestroyWindow destroys the CWnd windows inside first, then this one, and calls
// OnDestroy and PostNcDestroy; frames and views delete themselves there. A widget deleted by Qt
// (its parent went) ends its CWnd the same way.
#pragma once

#include "platform/afx/Rect.h"
#include "platform/afx/String.h"
#include "platform/afx/WindowPlacement.h"
#include "platform/ui/CmdTarget.h"
#include "platform/ui/FrameworkIds.h"

#include <QPointer>

#include <map>
#include <memory>
#include <vector>

class QWidget;
class QEvent;
class QCursor;
class CFrameWnd;
class CWndBridge;

using HWND = QWidget*;

// Key and button state flags of mouse messages.
constexpr UINT MK_LBUTTON = 0x0001;
constexpr UINT MK_RBUTTON = 0x0002;
constexpr UINT MK_SHIFT = 0x0004;
constexpr UINT MK_CONTROL = 0x0008;
constexpr UINT MK_MBUTTON = 0x0010;

// Sizes of OnSize.
constexpr UINT SIZE_RESTORED = 0;
constexpr UINT SIZE_MINIMIZED = 1;
constexpr UINT SIZE_MAXIMIZED = 2;

class CWnd : public CCmdTarget
{
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd();
    ~CWnd() override;

    // The widget, or nullptr when the window does not exist (GetSafeHwnd of the framework).
    QWidget* GetSafeHwnd() const;
    BOOL IsWindow() const;
    // Takes the widget as this window; owned widgets are deleted with the CWnd.
    BOOL Attach(QWidget* widget, BOOL ownsWidget = FALSE);
    QWidget* Detach();
    // The CWnd of a widget, or nullptr. FromHandle also looks at the widget's parents.
    static CWnd* FromHandlePermanent(const QWidget* widget);
    static CWnd* FromHandle(const QWidget* widget);

    BOOL DestroyWindow();

    // Showing and geometry. Rectangles are in pixels, client origin at the top left.
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    void GetClientRect(LPRECT rect) const;
    void GetWindowRect(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void CenterWindow(CWnd* alternateOwner = nullptr);
    // Virtual so that a window that keeps its own picture learns what to paint again.
    virtual void Invalidate(BOOL erase = TRUE);
    virtual void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    virtual void UpdateWindow();
    void RedrawWindow();

    void SetWindowText(LPCTSTR text);
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    void SetCursor(const QCursor& cursor);

    // Dialog controls: the id a control was created with, and the child window of an id.
    int GetDlgCtrlID() const;
    void SetDlgCtrlID(int id);
    CWnd* GetDlgItem(int id) const;
    void SetDlgItemText(int id, LPCTSTR text);
    void GetDlgItemText(int id, CString& text) const;
    CWnd* GetParent() const;
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;

    // Timers: id 1.. per window; OnTimer gets the id. SetTimer returns 0 when it fails.
    UINT_PTR SetTimer(UINT_PTR idEvent, UINT elapseMs);
    BOOL KillTimer(UINT_PTR idEvent);

    // Mouse capture: one window of the process holds it. Whoever loses it hears OnCaptureChanged.
    CWnd* SetCapture();
    static BOOL ReleaseCapture();
    static CWnd* GetCapture();

    // Messages: SendMessage runs WindowProc now, PostMessage from the event loop.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Lets files of the desktop be dropped on the window (or on a child that takes no drops of
    // its own); each drop reaches OnDropFiles.
    void DragAcceptFiles(BOOL accept = TRUE);

    BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement);

protected:
    // Message dispatch: the class's message entries, then the standard messages.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A command (WM_COMMAND): refused while its update handler disables it, else routed.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    virtual void OnTimer(UINT_PTR idEvent);
    virtual void OnClose();
    virtual void OnDestroy();
    virtual void PostNcDestroy();
    virtual void OnCaptureChanged(CWnd* newCapture);

    // Input and painting, delivered when the window asked for them (RouteInputEvents); the widget's
    // own handling runs afterwards except for painting.
    virtual void OnPaint();
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual void OnKeyDown(UINT vkey, UINT repeat, UINT flags);
    virtual void OnKeyUp(UINT vkey, UINT repeat, UINT flags);
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnSetFocus(CWnd* oldWnd);
    virtual void OnKillFocus(CWnd* newWnd);
    // The local files of a drop, in the order the desktop gave them.
    virtual void OnDropFiles(const std::vector<CString>& paths);

    // Which events reach the handlers above: input (mouse, keys, size, focus) and painting.
    void RouteInputEvents(BOOL input, BOOL paint);
    // The widget's events, before the widget sees them; TRUE swallows the event.
    virtual BOOL FilterWidgetEvent(QEvent* event);

private:
    friend class CWndBridge;
    void OnWidgetDestroyed();
    void EndWindow(BOOL deleteWidget);
    void DispatchTimer(int qtTimerId);

    QPointer<QWidget> m_hWnd;
    BOOL m_ownsWidget = FALSE;
    BOOL m_bDestroying = FALSE;
    BOOL m_routeInput = FALSE;
    BOOL m_routePaint = FALSE;
    BOOL m_acceptFiles = FALSE;
    std::unique_ptr<CWndBridge> m_bridge;
    std::map<UINT_PTR, int> m_timers; // window timer id -> Qt timer id
    mutable std::map<int, std::unique_ptr<CWnd>> m_tempChildren;
};
