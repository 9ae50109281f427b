#include "platform/ui/FrameWnd.h"
#include "platform/ui/ScrollView.h"

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>

#include <gtest/gtest.h>

// Paints one black square of 254 units and records the clip box of each pass.
class ScrollTestView : public CScrollView
{
    DECLARE_DYNCREATE(ScrollTestView)
public:
    void OnDraw(CDC* dc) override
    {
        CRect clip;
        dc->GetClipBox(&clip);
        clips.push_back(clip);
        CBrush black(RGB(0, 0, 0));
        dc->FillRect(CRect(254, -254, 508, -508), &black);
    }
    std::vector<CRect> clips;
};
IMPLEMENT_DYNCREATE(ScrollTestView, CScrollView)

class ScrollViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(ScrollTestView);
        m_frame = new CFrameWnd;
        ASSERT_TRUE(m_frame->LoadFrame(9201, WS_OVERLAPPEDWINDOW, nullptr, &context));
        m_view = static_cast<ScrollTestView*>(m_frame->GetActiveView());
        m_view->SetScreenMetrics(96, 96, 1920, 1080);
        // 2540 x 2540 units of 0.1 mm are 960 x 960 pixels at 96 dpi.
        m_view->SetScrollSizes(MM_LOMETRIC, CSize(2540, 2540), CSize(1270, 1270), CSize(254, 254));
        m_frame->GetSafeHwnd()->resize(400, 300);
        m_frame->ShowWindow(SW_SHOW);
        QApplication::processEvents();
    }
    void TearDown() override
    {
        m_frame->DestroyWindow();
        QApplication::processEvents();
    }

    CRect Client() const
    {
        CRect r;
        m_view->GetClientRect(&r);
        return r;
    }

    CFrameWnd* m_frame = nullptr;
    ScrollTestView* m_view = nullptr;
};

TEST_F(ScrollViewTest, PositionsAreLogicalAndClampedToTheRange)
{
    int mode = 0;
    SIZE total, page, line;
    m_view->GetDeviceScrollSizes(mode, total, page, line);
    EXPECT_EQ(CSize(total), CSize(960, 960));
    EXPECT_EQ(CSize(page), CSize(480, 480));
    EXPECT_EQ(CSize(line), CSize(96, 96));

    m_view->ScrollToPosition(CPoint(254, -508));
    EXPECT_EQ(m_view->GetDeviceScrollPosition(), CPoint(96, 192));
    EXPECT_EQ(m_view->GetScrollPosition(), CPoint(254, -508));
    m_view->ScrollToPosition(CPoint(99999, -99999));
    const CRect client = Client();
    EXPECT_EQ(m_view->GetDeviceScrollPosition(), CPoint(960 - client.Width(), 960 - client.Height()));
    EXPECT_FALSE(m_view->OnScrollBy(CSize(10, 10)));
    EXPECT_TRUE(m_view->OnScrollBy(CSize(-10, 0), FALSE));
    EXPECT_EQ(m_view->GetDeviceScrollPosition(), CPoint(960 - client.Width(), 960 - client.Height()));

    // The prepared device context puts the scroll position at the window's top left.
    m_view->ScrollToPosition(CPoint(254, -254));
    CClientDC dc(m_view);
    m_view->OnPrepareDC(&dc);
    CPoint origin(254, -254);
    dc.LPtoDP(&origin);
    EXPECT_EQ(origin, CPoint(0, 0));
}

TEST_F(ScrollViewTest, WheelScrollsThreeLinesAndLeavesKeyedWheelsToTheView)
{
    QWidget* viewport = m_view->GetSafeHwnd();
    QWheelEvent wheel(QPointF(10, 10), viewport->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    EXPECT_EQ(m_view->GetDeviceScrollPosition(), CPoint(0, 3 * 96));
    EXPECT_FALSE(m_view->OnMouseWheel(MK_CONTROL, -120, CPoint()));
    EXPECT_EQ(m_view->GetDeviceScrollPosition(), CPoint(0, 3 * 96));
}

TEST_F(ScrollViewTest, SidewaysWheelsAndShiftWithTheWheelScrollHorizontally)
{
    QWidget* viewport = m_view->GetSafeHwnd();
    const auto wheel = [viewport](QPoint angle, Qt::KeyboardModifiers keys) {
        QWheelEvent event(QPointF(10, 10), viewport->mapToGlobal(QPointF(10, 10)), QPoint(), angle, Qt::NoButton, keys,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    };
    wheel(QPoint(-120, 0), Qt::NoModifier); // tilted right
    EXPECT_EQ(m_view->GetDeviceScrollPosition(), CPoint(3 * 96, 0));
    wheel(QPoint(120, 0), Qt::NoModifier);
    EXPECT_EQ(m_view->GetDeviceScrollPosition(), CPoint(0, 0));
    wheel(QPoint(0, -120), Qt::ShiftModifier);
    EXPECT_EQ(m_view->GetDeviceScrollPosition(), CPoint(3 * 96, 0));
}

TEST_F(ScrollViewTest, OnlyTheInvalidRegionIsPaintedAgain)
{
    m_view->UpdateWindow();
    EXPECT_EQ(m_view->GetScreenImage().pixel(150, 150) & 0xFFFFFF, 0u);
    m_view->clips.clear();
    const CRect part(10, 20, 60, 80);
    m_view->InvalidateRect(&part);
    m_view->UpdateWindow();
    ASSERT_EQ(m_view->clips.size(), 1u);
    CRect expected = part;
    CClientDC dc(m_view);
    m_view->OnPrepareDC(&dc);
    dc.DPtoLP(&expected);
    EXPECT_EQ(m_view->clips.front(), expected);
    // Validated again before the paint, nothing is painted.
    m_view->clips.clear();
    m_view->InvalidateRect(&part);
    m_view->ValidateRect(&part);
    m_view->UpdateWindow();
    EXPECT_TRUE(m_view->clips.empty());
    // An empty rectangle covers no pixel, whichever way round it is given.
    for (const CRect& flat : {CRect(10, 20, 10, 80), CRect(60, 20, 10, 20)}) {
        m_view->InvalidateRect(&flat);
        m_view->UpdateWindow();
        EXPECT_TRUE(m_view->clips.empty()) << flat.left << " " << flat.right;
    }
}

TEST_F(ScrollViewTest, ClientDrawingInXorTwiceRestoresThePixels)
{
    m_view->UpdateWindow();
    const QImage before = m_view->GetScreenImage().copy();
    for (int pass = 0; pass < 2; ++pass) {
        CClientDC dc(m_view);
        dc.SetROP2(R2_XORPEN);
        CPen pen(PS_SOLID, 1, RGB(255, 255, 0));
        dc.SelectObject(&pen);
        dc.MoveTo(0, 0);
        dc.LineTo(200, 150);
    }
    EXPECT_EQ(m_view->GetScreenImage(), before);
}

namespace scroll_view_test {

// Counts the paint events of a widget.
class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

} // namespace scroll_view_test

TEST_F(ScrollViewTest, APaintDuringClientDrawingWaitsForItWithoutRepaintingOverAndOver)
{
    m_view->UpdateWindow();
    m_view->clips.clear();
    scroll_view_test::PaintCounter counter;
    m_view->GetSafeHwnd()->installEventFilter(&counter);
    const CRect part(10, 20, 60, 80);
    {
        // A message box shown during a drag runs the event loop with the client drawing open.
        CClientDC dc(m_view);
        m_view->InvalidateRect(&part);
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        EXPECT_TRUE(m_view->clips.empty());
        EXPECT_LE(counter.paints, 1);
    }
    QApplication::processEvents();
    EXPECT_EQ(m_view->clips.size(), 1u);
    m_view->GetSafeHwnd()->removeEventFilter(&counter);
}
