#include "view/ScrollBarPressWatch.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <utility>

ScrollBarPressWatch::ScrollBarPressWatch(QAbstractScrollArea* area, PressHandler onPress)
    : m_horizontal(area->horizontalScrollBar()), m_onPress(std::move(onPress))
{
    area->horizontalScrollBar()->installEventFilter(this);
    area->verticalScrollBar()->installEventFilter(this);
}

bool ScrollBarPressWatch::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) && m_onPress) {
        const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        m_onPress(watched == m_horizontal ? NC_HIT_HSCROLL : NC_HIT_VSCROLL, global);
    }
    return false;
}
