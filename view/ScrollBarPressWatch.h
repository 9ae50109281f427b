// ScrollBarPressWatch: tells the view of a press of any mouse button on its scroll bars, the parts
// of the view's window outside its client area. The press itself then goes on to the scroll bar.
#pragma once

#include "platform/afx/WinTypes.h"

#include <QObject>

#include <functional>

class QAbstractScrollArea;

// Which part of the window was pressed.
constexpr UINT NC_HIT_HSCROLL = 6;
constexpr UINT NC_HIT_VSCROLL = 7;

class ScrollBarPressWatch : public QObject
{
public:
    using PressHandler = std::function<void(UINT hitTest, QPoint globalPoint)>;

    // Watches the two scroll bars of the area until either goes.
    ScrollBarPressWatch(QAbstractScrollArea* area, PressHandler onPress);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QObject* m_horizontal;
    PressHandler m_onPress;
};
