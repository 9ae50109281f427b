// A drawing view on screen driven by the mouse and by commands, as the user would: presses, moves
// and releases at document points, drags in a few steps, commands and their enabled state.
#pragma once

#include "tests/view/ViewTestSupport.h"

#include "platform/ui/CmdUI.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

class MouseViewTest : public ViewTest
{
protected:
    void Send(QEvent::Type type, POINT doc, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        const CPoint pixel = PixelOf(doc);
        QWidget* widget = m_view->GetSafeHwnd();
        const QPointF local(pixel.x, pixel.y);
        const Qt::MouseButton button = type == QEvent::MouseMove   ? Qt::NoButton
                                       : buttons & Qt::RightButton ? Qt::RightButton
                                                                   : Qt::LeftButton;
        QMouseEvent event(type, local, widget->mapToGlobal(local), button, buttons, keys);
        QApplication::sendEvent(widget, &event);
    }
    void Press(POINT doc, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        Send(QEvent::MouseButtonPress, doc, Qt::LeftButton, keys);
    }
    void MoveTo(POINT doc) { Send(QEvent::MouseMove, doc, Qt::LeftButton); }
    void Release(POINT doc, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        Send(QEvent::MouseButtonRelease, doc, Qt::NoButton, keys);
    }
    // A drag in a few steps, as a hand would make it.
    void Drag(CPoint from, CPoint to, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        Press(from, keys);
        for (int step = 1; step <= 4; ++step)
            MoveTo(from + CSize((to.x - from.x) * step / 4, (to.y - from.y) * step / 4));
        Release(to, keys);
    }
    void Command(UINT id) { m_view->SendMessage(WM_COMMAND, id); }
    BOOL IsEnabled(UINT id)
    {
        CCmdUI state;
        state.m_nID = id;
        m_view->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &state, nullptr);
        return state.IsEnabled();
    }
};
