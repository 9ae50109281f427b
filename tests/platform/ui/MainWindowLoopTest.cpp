// The main window inside the running event loop: closing it ends the loop and destroys it once,
// and a right-button release reaches the frame's PreTranslateMessage once, for the widget it
// happened on, however far the widgets hand it on to their parents.
#include "platform/ui/MDIFrameWnd.h"
#include "platform/ui/WinApp.h"

#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace MainWindowLoopTest {

struct Record
{
    int destroyed = 0;
    std::vector<QWidget*> rightReleases;
};

class LoopFrame : public CMDIFrameWnd
{
public:
    explicit LoopFrame(Record& record) : m_record(record) {}
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_RBUTTONUP)
            m_record.rightReleases.push_back(msg->hwnd);
        return CMDIFrameWnd::PreTranslateMessage(msg);
    }

protected:
    void OnDestroy() override
    {
        ++m_record.destroyed;
        CMDIFrameWnd::OnDestroy();
    }

private:
    Record& m_record;
};

// Starts a frame and, once the event loop runs, the given steps.
class LoopApp : public CWinApp
{
public:
    LoopApp(Record& record, std::function<void(LoopFrame*)> steps)
        : CWinApp("Loop"), m_record(record), m_steps(std::move(steps))
    {
    }
    BOOL InitInstance() override
    {
        auto* frame = new LoopFrame(m_record);
        if (!frame->LoadFrame(9001))
            return FALSE;
        m_pMainWnd = frame;
        frame->ShowWindow(SW_SHOW);
        QTimer::singleShot(0, [this, frame] { m_steps(frame); });
        return TRUE;
    }

private:
    Record& m_record;
    std::function<void(LoopFrame*)> m_steps;
};

void ReleaseRight(QWidget* widget)
{
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::RightButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

} // namespace MainWindowLoopTest

using namespace MainWindowLoopTest;

TEST(MainWindowLoop, ClosingTheMainWindowEndsTheLoopAndDestroysItOnce)
{
    const std::function<void(LoopFrame*)> closes[] = {
        [](LoopFrame* frame) { frame->SendMessage(WM_CLOSE); },  // the exit command's way
        [](LoopFrame* frame) { frame->GetSafeHwnd()->close(); }, // the window's close button
    };
    for (const auto& close : closes) {
        Record record;
        LoopApp app(record, close);
        EXPECT_EQ(app.Run(), 0);
        EXPECT_EQ(record.destroyed, 1);
        EXPECT_EQ(app.m_pMainWnd, nullptr);
    }
}

TEST(MainWindowLoop, ARightReleaseReachesTheFrameOnceForItsOwnWidget)
{
    Record record;
    QWidget* inner = nullptr;
    LoopApp app(record, [&](LoopFrame* frame) {
        // Plain widgets ignore the release, so Qt hands it on up to the main window.
        auto* outer = new QWidget(frame->GetMainWindowWidget());
        inner = new QWidget(outer);
        ReleaseRight(inner);
        ReleaseRight(inner); // a second release is a release of its own
        ReleaseRight(frame->GetSafeHwnd());
        frame->SendMessage(WM_CLOSE);
    });
    EXPECT_EQ(app.Run(), 0);
    ASSERT_NE(inner, nullptr);
    ASSERT_EQ(record.rightReleases.size(), 3u);
    EXPECT_EQ(record.rightReleases[0], inner);
}
