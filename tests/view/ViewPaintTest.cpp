#include "tests/view/ViewTestSupport.h"

#include "tests/support/MessageScript.h"

#include <QDir>

namespace {

constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kBlack = 0x000000;
constexpr unsigned kCanvas = 0x828282;
constexpr unsigned kGrid = 0xC0C0C0;

} // namespace

class ViewPaint : public ViewTest
{
protected:
    // The far corner of the document frame at 100 %.
    CPoint FrameFar() const
    {
        const CSize s = m_doc->GetDocumentSize();
        return CPoint(s.cx - 10, s.cy + 10);
    }
};

TEST_F(ViewPaint, DocumentFrameCanvasShadowGridAndRectangle)
{
    AddRect(CRect(200, -200, 600, -500));
    CZivraView& view = Open(1000, 1200);
    view.SetZoom(50);
    view.SetZoom(100);
    const CPoint far = PixelOf(FrameFar());

    // The outline runs along the frame; inside, the grid one step from the corner.
    EXPECT_EQ(ColorAt(PixelOf(CPoint(100, -10))), kBlack);
    EXPECT_EQ(ColorAt(PixelOf(CPoint(10, -100))), kBlack);
    EXPECT_EQ(ColorAt(PixelOf(CPoint(30, -15))), kGrid);
    EXPECT_EQ(ColorAt(PixelOf(CPoint(15, -30))), kGrid);
    EXPECT_EQ(ColorAt(PixelOf(CPoint(35, -35))), kWhite);
    // The rectangle where its coordinates say, drawn over the grid.
    EXPECT_EQ(ColorAt(PixelOf(CPoint(200, -350))), kBlack);
    EXPECT_EQ(ColorAt(PixelOf(CPoint(400, -200))), kBlack);
    EXPECT_EQ(ColorAt(PixelOf(CPoint(400, -350)) + CPoint(1, 1)), kWhite);
    // Grey canvas right of the frame with the black shadow along its edge.
    EXPECT_EQ(ColorAt(far + CPoint(20, -200)), kCanvas);
    EXPECT_EQ(ColorAt(far + CPoint(1, -100)), kBlack);
    EXPECT_EQ(ColorAt(far + CPoint(-100, 1)), kBlack);
    EXPECT_EQ(ColorAt(far + CPoint(-100, 20)), kCanvas);

    // No grid at 25 %, and the rectangle follows the zoom.
    view.SetZoom(25);
    EXPECT_EQ(ColorAt(PixelOf(CPoint(30, -100)) + CPoint(0, 2)), kWhite);
    EXPECT_EQ(ColorAt(PixelOf(CPoint(200, -350))), kBlack);
}

TEST_F(ViewPaint, InvalidatingAnObjectRepaintsOnlyItsRectangle)
{
    CRectObj* rect = AddRect(CRect(200, -200, 600, -500));
    CZivraView& view = Open(1000, 1200);
    view.UpdateWindow();
    ASSERT_TRUE(view.GetInvalidRegion().isEmpty());

    // A change of the object repaints its rectangle, nothing else.
    view.OnUpdate(nullptr, 0, rect);
    CRect redraw;
    rect->GetRedrawRect(redraw, view.GetZoom(), TRUE);
    view.DocToClient(redraw);
    EXPECT_EQ(view.GetInvalidRegion().boundingRect(),
              QRect(QPoint(redraw.left, redraw.top), QPoint(redraw.right - 1, redraw.bottom - 1)));

    // A hint for an object hidden in define mode repaints nothing in print mode.
    view.UpdateWindow();
    view.OnUpdate(nullptr, HINT_HIDDEN_DEFINE_CHANGED, rect);
    EXPECT_TRUE(view.GetInvalidRegion().isEmpty());
    view.OnUpdate(nullptr, HINT_HIDDEN_PRINT_CHANGED, rect);
    EXPECT_FALSE(view.GetInvalidRegion().isEmpty());
}

TEST_F(ViewPaint, MovedObjectRepaintsWithinItsRectanglesOnly)
{
    CRectObj* moving = AddRect(CRect(200, -200, 400, -400));
    AddRect(CRect(800, -200, 1000, -400));
    CZivraView& view = Open(1000, 1200);
    view.UpdateWindow();
    const CPoint oldEdge = PixelOf(CPoint(200, -300));
    const CPoint stillEdge = PixelOf(CPoint(800, -300));
    ASSERT_EQ(ColorAt(oldEdge), kBlack);

    // Both objects move; only the first is repainted, so the second still shows where it was.
    view.InvalidateObject(moving);
    moving->NormalizeRect(CRect(250, -200, 450, -400));
    view.InvalidateObject(moving);
    CObject* other = nullptr;
    m_doc->FindObjectById(2, other);
    static_cast<CBaseObj*>(other)->NormalizeRect(CRect(850, -200, 1050, -400));
    EXPECT_NE(ColorAt(oldEdge), kBlack);
    EXPECT_EQ(ColorAt(PixelOf(CPoint(250, -300))), kBlack);
    EXPECT_EQ(ColorAt(stillEdge), kBlack);
}

TEST_F(ViewPaint, ScrollingShiftsThePictureAndPaintsWhatComesIntoSight)
{
    AddRect(CRect(200, -200, 600, -500));
    CZivraView& view = Open(300, 250);
    view.UpdateWindow();
    ASSERT_TRUE(view.OnScrollBy(CSize(0, 40)));
    EXPECT_EQ(view.GetDeviceScrollPosition(), CPoint(0, 40));
    EXPECT_TRUE(view.GetInvalidRegion().isEmpty()); // the view repaints at once
    EXPECT_EQ(ColorAt(PixelOf(CPoint(200, -350))), kBlack);
    view.OnScrollBy(CSize(0, -1000));
    EXPECT_EQ(view.GetDeviceScrollPosition(), CPoint(0, 0));
    EXPECT_FALSE(view.OnScrollBy(CSize(0, -10)));
}

TEST_F(ViewPaint, ScreenshotsAtThreeZooms)
{
    AddRect(CRect(200, -200, 600, -500));
    AddRect(CRect(700, -300, 1500, -900));
    AddRect(CRect(300, -1200, 1200, -2000));
    CZivraView& view = Open(900, 700);
    const QString folder = qEnvironmentVariable("ZIVRA_SCREENSHOT_DIR", QDir::currentPath());
    for (int zoom : {50, 100, 200}) {
        view.SetZoom(zoom);
        view.UpdateWindow();
        const QImage& image = view.GetScreenImage();
        EXPECT_FALSE(image.isNull());
        EXPECT_TRUE(image.save(QDir(folder).filePath(QString("view-zoom-%1.png").arg(zoom))));
    }
}

TEST_F(ViewPaint, XorTrackerDrawnTwiceRestoresThePicture)
{
    CZivraView& view = Open(500, 400);
    view.UpdateWindow();
    const QImage before = view.GetScreenImage().copy();
    view.SetCurrentPoint(CPoint(300, -300));
    for (int pass = 0; pass < 2; ++pass) {
        CClientDC dc(&view);
        view.OnPrepareDC(&dc);
        view.DrawVerticalGuideTracker(&dc); // the guide cross is off: nothing drawn
        CRect line(100, -100, 300, -300);
        dc.SetROP2(R2_XORPEN);
        CPen yellow(PS_SOLID, 1, RGB(255, 255, 0));
        CPen* old = dc.SelectObject(&yellow);
        dc.MoveTo(line.left, line.top);
        dc.LineTo(line.right, line.bottom);
        dc.SelectObject(old);
        if (pass == 0) {
            EXPECT_NE(view.GetScreenImage(), before);
        }
    }
    EXPECT_EQ(view.GetScreenImage(), before);
}

TEST_F(ViewPaint, HelpTellsTheUserThatNoneIsInstalled)
{
    CZivraView& view = Open();
    EXPECT_EQ(view.GetSelectionHelpContext(), HELP_CONTEXT_DRAWING);
    CRectObj* first = AddRect(CRect(100, -100, 200, -200));
    view.AddToSelection(first);
    EXPECT_EQ(view.GetSelectionHelpContext(), 1005u);
    view.AddToSelection(AddRect(CRect(300, -100, 400, -200)));
    EXPECT_EQ(view.GetSelectionHelpContext(), HELP_CONTEXT_DRAWING);

    MessageScript script;
    view.SendMessage(WM_COMMAND, ID_HELP);
    EXPECT_EQ(script.Texts(), (std::vector<std::string>{"ヘルプはインストールされていません。"}));
}
