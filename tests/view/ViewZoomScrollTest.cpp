#include "tests/view/ViewTestSupport.h"

#include "foundation/CommandIds.h"
#include "foundation/RegManList.h"
#include "platform/ui/CmdUI.h"

namespace {

// Runs the command's update handler on the view.
BOOL IsEnabled(CBaseView& view, UINT id)
{
    CCmdUI state;
    state.m_nID = id;
    view.OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &state, nullptr);
    return state.IsEnabled();
}

} // namespace

TEST_F(ViewTest, ZoomCommandsFollowTheStepTableAndTheZoomPaneShowsTheZoom)
{
    CZivraView& view = Open();
    EXPECT_EQ(m_mainFrame.ZoomPane(&view), CString("100%"));
    view.SendMessage(WM_COMMAND, ID_VIEW_ZOOM_IN);
    EXPECT_EQ(view.GetZoom(), 125);
    EXPECT_EQ(m_mainFrame.ZoomPane(&view), CString("125%"));
    EXPECT_EQ(m_doc->GetScale(), 125u);

    struct Step
    {
        int from;
        UINT command;
        int to;
    };
    const Step steps[] = {{80, ID_VIEW_ZOOM_IN, 100},  {30, ID_VIEW_ZOOM_IN, 75},    {10, ID_VIEW_ZOOM_IN, 50},
                          {100, ID_VIEW_ZOOM_OUT, 75}, {120, ID_VIEW_ZOOM_OUT, 100}, {35, ID_VIEW_ZOOM_OUT, 25},
                          {30, ID_VIEW_ZOOM_OUT, 10},  {390, ID_VIEW_ZOOM_IN, 400},  {250, ID_VIEW_ZOOM_100, 100}};
    for (const Step& s : steps) {
        view.SetZoom(s.from);
        view.SendMessage(WM_COMMAND, s.command);
        EXPECT_EQ(view.GetZoom(), s.to) << s.from << " command " << s.command;
    }
    // At the limits the commands are greyed and do nothing.
    view.SetZoom(10);
    EXPECT_FALSE(IsEnabled(view, ID_VIEW_ZOOM_OUT));
    view.OnZoomOut();
    EXPECT_EQ(view.GetZoom(), 10);
    view.SetZoom(400);
    EXPECT_FALSE(IsEnabled(view, ID_VIEW_ZOOM_IN));
    view.OnZoomIn();
    EXPECT_EQ(view.GetZoom(), 400);
    EXPECT_EQ(view.GetMaxZoom(), 400);
    EXPECT_EQ(m_mainFrame.ZoomPane(nullptr), CString(u8"倍率 "));
}

TEST_F(ViewTest, WheelWithCtrlZoomsAndWithShiftDoesNothing)
{
    CZivraView& view = Open();
    view.SetZoom(80);
    EXPECT_TRUE(view.OnMouseWheel(MK_CONTROL, 60, CPoint()));
    EXPECT_EQ(view.GetZoom(), 100);
    EXPECT_TRUE(view.OnMouseWheel(MK_CONTROL, -240, CPoint()));
    EXPECT_EQ(view.GetZoom(), 50);
    EXPECT_FALSE(view.OnMouseWheel(MK_SHIFT, 120, CPoint()));
    EXPECT_EQ(view.GetZoom(), 50);
    view.SetZoom(10);
    EXPECT_FALSE(view.OnMouseWheel(MK_CONTROL, -120, CPoint()));
}

TEST_F(ViewTest, ScrollSizesFollowTheTotalsAtEveryZoom)
{
    CZivraView& view = Open(400, 300);
    const CSize document = m_doc->GetDocumentSize();
    const ViewGeometry::ScreenMetrics screen = view.GetScreenMetrics();
    for (int zoom : {50, 100, 200, 400}) {
        view.SetZoom(zoom);
        CSize zoomed = ViewGeometry::TotalExtentAt100(document);
        zoomed = CSize(MulDiv(zoomed.cx, zoom, 100), MulDiv(zoomed.cy, zoom, 100));
        const CSize expected = ViewGeometry::ViewToScrollUnits(screen, zoomed, 4.0f, 4.0f);
        EXPECT_EQ(view.GetTotalSize(), expected) << zoom;
        int mode = 0;
        SIZE total, page, line;
        view.GetDeviceScrollSizes(mode, total, page, line);
        EXPECT_EQ(mode, MM_LOMETRIC);
        EXPECT_EQ(CSize(total), CSize(MulDiv(expected.cx, 96, 254), MulDiv(expected.cy, 96, 254))) << zoom;
        // The line step is a grid step, the page step a printable page, at the zoom.
        EXPECT_EQ(line.cx, MulDiv(MulDiv(20, zoom, 100), 96, 254)) << zoom;
        EXPECT_EQ(page.cy, std::abs(MulDiv(MulDiv(m_doc->GetPrintableSize().cy, zoom, 100), 96, 254))) << zoom;
    }
}

TEST_F(ViewTest, ZoomKeepsTheScrollPositionByTheRatioOfTheTotals)
{
    CZivraView& view = Open(300, 250);
    view.ScrollToDocPosition(200, -300);
    const CPoint at100 = view.GetScrollPosition();
    ASSERT_NE(at100, CPoint(0, 0));
    view.SetZoom(200);
    const CPoint at200 = view.GetScrollPosition();
    EXPECT_NEAR(at200.x, 2 * at100.x, 3);
    EXPECT_NEAR(at200.y, 2 * at100.y, 3);
    view.SetZoom(100);
    view.SetZoom(75);
    EXPECT_EQ(view.GetScrollPosition(), CPoint(0, 0));
}

TEST_F(ViewTest, SettingsComeFromTheProfileAndTheDocument)
{
    CRegManList& store = *m_app.GetRegManList();
    // Cached only: the values never reach the profile that the other tests read.
    const WORD flags = REGITEM_INT | REGITEM_PER_USER | REGITEM_NO_WRITEBACK;
    store.SetRegInt("InitialViewState", "GridWidth", 0, flags);
    store.SetRegInt("InitialViewState", "FramePrintSize", 0, flags);
    m_doc->SetScale(150);
    m_doc->SetDrawOpt(0x2610000);
    m_mainFrame.zoomStep = 0;
    CZivraView& view = Open();
    EXPECT_EQ(view.GetZoom(), 150);
    EXPECT_EQ(view.GetDrawOpt(), 0x2610000u);
    EXPECT_EQ(view.GetGridWidth(), 1); // never a zero divisor
    EXPECT_FALSE(view.GetFramePrintSize());
    EXPECT_EQ(view.GetGuidePoint(), CPoint(20, -20));
    view.OnZoomIn(); // a zoom step of 0 is taken as 1
    EXPECT_EQ(view.GetZoom(), 151);

    view.SendMessage(WM_COMMAND, ID_VIEW_FRAME_PRINT_SCALE);
    EXPECT_TRUE(view.GetFramePrintSize());
    view.SendMessage(WM_COMMAND, ID_VIEW_FRAME_VIEW_SCALE);
    EXPECT_FALSE(view.GetFramePrintSize());
}

TEST_F(ViewTest, PointsSnapToTheGridAndStayInTheDocument)
{
    CZivraView& view = Open();
    POINT p{29, -10};
    EXPECT_TRUE(view.SnapToGrid(p));
    EXPECT_EQ(CPoint(p), CPoint(30, -10));
    POINT outside{5000, 0};
    EXPECT_TRUE(view.ClampToDocument(outside));
    const CSize size = m_doc->GetDocumentSize();
    EXPECT_EQ(CPoint(outside), CPoint(size.cx - 10, -10));
}

TEST_F(ViewTest, FitToWindowRefitsOnResizeAndNeverGoesBelowTen)
{
    CZivraView& view = Open(600, 500);
    view.OnZoomFit();
    EXPECT_TRUE(view.IsFitToWindow());
    const int fitted = view.GetZoom();
    EXPECT_EQ(fitted, view.GetFitZoom());
    EXPECT_LT(fitted, 100);
    m_frame->GetSafeHwnd()->resize(60, 60);
    QApplication::processEvents();
    EXPECT_EQ(view.GetZoom(), 10);
    view.OnZoomCustom();
    EXPECT_FALSE(view.IsFitToWindow());
    EXPECT_EQ(view.GetZoom(), 100);
}

TEST_F(ViewTest, ActivationRestoresTheToolAndThePickDelayCountsDown)
{
    CZivraView& view = Open();
    m_mainFrame.tool = ID_TOOL_RECT;
    const int before = m_mainFrame.toolSets;
    view.OnActivateView(TRUE, &view, nullptr);
    EXPECT_EQ(m_mainFrame.toolSets, before + 1);
    EXPECT_EQ(m_mainFrame.tool, ID_TOOL_RECT);
    // A tool the view refuses (no data-symbol tool) gives way to the pointer.
    m_mainFrame.tool = ID_TOOL_DATA;
    view.OnActivateView(TRUE, &view, nullptr);
    EXPECT_EQ(m_mainFrame.tool, ID_TOOL_POINTER);

    view.StartPickDelay();
    EXPECT_EQ(view.GetPickDelay(), 3);
    for (int i = 0; i < 3; ++i)
        view.SendMessage(WM_TIMER, PICK_DELAY_TIMER);
    EXPECT_EQ(view.GetPickDelay(), 0);

    view.ReportMousePosition(CPoint(110, -60));
    EXPECT_EQ(m_mainFrame.cursor, CPoint(100, -50));
}
