// The main frame as far as a view under a benchmark asks it (the pointer tool is current, zoom
// 25 %), registered while it lives, and mouse events sent to a view at document points.
#pragma once

#include "foundation/CommandIds.h"
#include "foundation/ZoomScale.h"
#include "platform/afx/Rect.h"
#include "view/FrameServices.h"
#include "view/ZivraView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

class PointerFrame : public FrameServices
{
public:
    PointerFrame() { SetFrameServices(this); }
    ~PointerFrame() override { SetFrameServices(nullptr); }
    PointerFrame(const PointerFrame&) = delete;
    PointerFrame& operator=(const PointerFrame&) = delete;

    UINT GetCurrentTool() const override { return ID_TOOL_POINTER; }
    void SetCurrentTool(UINT) override {}
    int GetZoomStep() const override { return 25; }
    BOOL GetZoomFitToWnd() const override { return FALSE; }
    void SetCursorPosition(POINT) override {}
    void SetStatusText(LPCTSTR) override {}
};

// A left-button mouse event at a document point of the view.
inline void SendMouse(CZivraView& view, QEvent::Type type, POINT doc)
{
    CPoint p = doc;
    ScalePointByZoom(p, view.GetZoom());
    CRect r(p.x, p.y, p.x, p.y);
    view.DocToClient(r);
    QWidget* widget = view.GetSafeHwnd();
    const QPointF local(r.left, r.top);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
