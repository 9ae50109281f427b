#include "shell/AnimToolBar.h"

#include "shell/ShellArtwork.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QToolBar>

IMPLEMENT_DYNAMIC(CAnimToolBar, CToolBar)

namespace AnimToolBarImpl {

// Presses and releases on the bar's buttons reach the bar's handlers in the bar's coordinates,
// before the button acts on them.
class ButtonWatcher : public QObject
{
public:
    ButtonWatcher(QWidget* barWidget, std::function<void(bool, CPoint)> notify)
        : m_barWidget(barWidget), m_notify(std::move(notify))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
            return false;
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton)
            return false;
        const QPoint p = static_cast<QWidget*>(watched)->mapTo(m_barWidget, e->position().toPoint());
        m_notify(event->type() == QEvent::MouseButtonPress, CPoint(p.x(), p.y()));
        return false;
    }

private:
    QWidget* m_barWidget;
    std::function<void(bool, CPoint)> m_notify;
};

} // namespace AnimToolBarImpl

CAnimToolBar::CAnimToolBar() = default;
CAnimToolBar::~CAnimToolBar() = default;

BOOL CAnimToolBar::CreateBar(CFrameWnd* parent, const UINT* clipTable, int tableSize, DWORD style, UINT id)
{
    m_clipTable.assign(clipTable, clipTable + tableSize);
    if (!CreateEx(parent, 0, style, CRect(), id))
        return FALSE;
    RouteInputEvents(TRUE, FALSE);
    return TRUE;
}

BOOL CAnimToolBar::SetButtons(const UINT* ids, int count)
{
    if (!CToolBar::SetButtons(ids, count))
        return FALSE;
    WatchButtons();
    return TRUE;
}

BOOL CAnimToolBar::LoadToolBar(UINT resourceId)
{
    if (!CToolBar::LoadToolBar(resourceId))
        return FALSE;
    WatchButtons();
    return TRUE;
}

void CAnimToolBar::WatchButtons()
{
    QToolBar* bar = GetToolBarWidget();
    if (!bar)
        return;
    delete m_buttonWatcher;
    m_buttonWatcher = new AnimToolBarImpl::ButtonWatcher(bar, [this](bool press, CPoint p) {
        if (press)
            OnLButtonDown(MK_LBUTTON, p);
        else
            OnLButtonUp(0, p);
    });
    m_buttonWatcher->setParent(bar);
    for (QAction* action : bar->actions())
        if (QWidget* button = bar->widgetForAction(action))
            button->installEventFilter(m_buttonWatcher);
}

void CAnimToolBar::OnLButtonDown(UINT, CPoint)
{
    if (!m_clipTable.empty())
        StopAnimation();
}

void CAnimToolBar::OnLButtonUp(UINT, CPoint point)
{
    if (m_clipTable.empty())
        return;
    const int position = HitTestButton(point);
    if (position >= 0 && IsButtonEnabled(position))
        StartAnimation(position);
}

void CAnimToolBar::StartAnimation(int buttonPosition)
{
    if (buttonPosition < 0 || std::size_t(buttonPosition) >= m_clipTable.size() ||
        m_clipTable[std::size_t(buttonPosition)] == 0)
        return;
    QToolBar* bar = GetToolBarWidget();
    if (!bar)
        return;
    StopAnimation();
    CRect rect;
    GetItemRect(buttonPosition, &rect);
    m_frames = DrawClipFrames(m_clipTable[std::size_t(buttonPosition)], QSize(rect.Width(), rect.Height()));
    if (m_frames.empty())
        return; // the clip cannot be opened: nothing plays
    m_pClip = new QLabel(bar);
    m_pClip->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pClip->setEnabled(false);
    m_pClip->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    m_pClip->setPixmap(m_frames.front());
    m_nTicks = 0;
    if (!SetTimer(kClipTimer, 10)) {
        CloseClip();
        return;
    }
    m_pClip->show();
    m_nAnimButton = buttonPosition;
}

void CAnimToolBar::CloseClip()
{
    delete m_pClip;
    m_pClip = nullptr;
    m_frames.clear();
}

void CAnimToolBar::StopAnimation()
{
    if (!m_pClip)
        return;
    CloseClip();
    KillTimer(kClipTimer);
    if (m_nAnimButton != kNoButton) {
        CRect rect;
        GetItemRect(m_nAnimButton, &rect);
        InvalidateRect(&rect, TRUE);
        m_nAnimButton = kNoButton;
    }
}

void CAnimToolBar::OnTimer(UINT_PTR idEvent)
{
    if (idEvent == kClipTimer && m_pClip) {
        ++m_nTicks;
        if (m_nTicks >= kClipTicks) {
            StopAnimation();
        } else {
            // The clip plays once from its first frame to its last over the 50 ticks.
            const std::size_t frame = std::size_t(m_nTicks) * m_frames.size() / kClipTicks;
            m_pClip->setPixmap(m_frames[std::min(frame, m_frames.size() - 1)]);
        }
    }
    CToolBar::OnTimer(idEvent);
}

void CAnimToolBar::OnDestroy()
{
    CToolBar::OnDestroy();
    KillTimer(kClipTimer);
    m_pClip = nullptr; // the bar's widget takes its children with it
    m_frames.clear();
    m_nAnimButton = kNoButton;
}
