#include "ImageFixture.h"

namespace {

class ShapeTest : public ImageFixture
{
protected:
    void SetUp() override { Open(Qt::white); }
};

TEST_F(ShapeTest, RectangleLeavesOutItsRightAndBottomEdges)
{
    CBrush red(RGB(255, 0, 0));
    dc.SelectObject(&red);
    dc.Rectangle(10, 10, 20, 20);
    EXPECT_EQ(Changed(Qt::white), QRect(10, 10, 10, 10));
    EXPECT_TRUE(IsColor(10, 10, Qt::black));
    EXPECT_TRUE(IsColor(19, 19, Qt::black));
    EXPECT_TRUE(IsColor(15, 19, Qt::black));
    EXPECT_TRUE(IsColor(11, 11, Qt::red));
    EXPECT_TRUE(IsColor(18, 18, Qt::red));
}

TEST_F(ShapeTest, WithoutAPenTheFillIsOnePixelSmaller)
{
    CBrush red(RGB(255, 0, 0));
    dc.SelectObject(&red);
    dc.SelectStockObject(NULL_PEN);
    dc.Rectangle(10, 10, 20, 20);
    EXPECT_EQ(Changed(Qt::white), QRect(10, 10, 9, 9));
    EXPECT_EQ(CountColor(Qt::red), 81);
}

TEST_F(ShapeTest, InsideFramePensStayInsideTheBox)
{
    CPen wide(PS_INSIDEFRAME, 4, RGB(0, 0, 0));
    CBrush red(RGB(255, 0, 0));
    dc.SelectObject(&wide);
    dc.SelectObject(&red);
    dc.Rectangle(10, 10, 40, 30);
    EXPECT_EQ(Changed(Qt::white), QRect(10, 10, 30, 20));
    EXPECT_TRUE(IsColor(13, 20, Qt::black));
    EXPECT_TRUE(IsColor(14, 20, Qt::red));
    EXPECT_TRUE(IsColor(36, 20, Qt::black));
    EXPECT_TRUE(IsColor(35, 20, Qt::red));

    Open(Qt::white);
    dc.SelectObject(&wide);
    dc.Ellipse(10, 10, 40, 30);
    EXPECT_EQ(Changed(Qt::white), QRect(10, 10, 30, 20));

    // A plain wide pen is centred on the outline and reaches beyond it.
    Open(Qt::white);
    CPen centred(PS_SOLID, 4, RGB(0, 0, 0));
    dc.SelectObject(&centred);
    dc.Rectangle(10, 10, 40, 30);
    EXPECT_TRUE(Changed(Qt::white).contains(QRect(9, 9, 32, 22)));
}

TEST_F(ShapeTest, LinesLeaveOutTheirLastPixel)
{
    dc.MoveTo(10, 10);
    dc.LineTo(20, 10);
    dc.LineTo(20, 30);
    EXPECT_EQ(Changed(Qt::white), QRect(10, 10, 11, 20));
    EXPECT_TRUE(IsColor(19, 10, Qt::black));
    EXPECT_TRUE(IsColor(20, 10, Qt::black)); // the start of the second line
    EXPECT_TRUE(IsColor(20, 29, Qt::black));
    EXPECT_TRUE(IsColor(20, 30, Qt::white));
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(20, 30));
}

TEST_F(ShapeTest, PenWidthsAreLogicalUnitsExceptZero)
{
    // At 600 dpi in MM_LOMETRIC (0.1 mm per unit) width 0 is one pixel, width 1 is 0.1 mm
    // (2.36 pixels, 2), width 10 is 1 mm (23.6 pixels, 24).
    struct Case
    {
        int width, pixels;
    } cases[] = {{0, 1}, {1, 2}, {10, 24}};
    for (const Case& c : cases) {
        Open(Qt::white, 400, 200);
        dc.SetDeviceCaps(LOGPIXELSX, 600);
        dc.SetDeviceCaps(LOGPIXELSY, 600);
        dc.SetMapMode(MM_LOMETRIC);
        CPen pen(PS_SOLID, c.width, RGB(0, 0, 0));
        dc.SelectObject(&pen);
        dc.MoveTo(50, -50); // device (118, 118)
        dc.LineTo(120, -50);
        int rows = 0;
        for (int y = 0; y < image.height(); ++y)
            rows += IsColor(200, y, Qt::black);
        EXPECT_EQ(rows, c.pixels) << "width " << c.width;
    }

    // A pen wider than the painter takes is drawn at its widest instead of falling back to one pixel.
    Open(Qt::white, 100, 100);
    CPen huge(PS_SOLID, 1 << 20, RGB(0, 0, 0));
    dc.SelectObject(&huge);
    dc.MoveTo(50, 50);
    dc.LineTo(60, 50);
    EXPECT_EQ(CountColor(Qt::black), 100 * 100);
}

TEST_F(ShapeTest, EllipseFitsTheBoxWithoutItsRightAndBottomEdges)
{
    dc.Ellipse(10, 10, 50, 30);
    EXPECT_EQ(Changed(Qt::white), QRect(10, 10, 40, 20));
    // Negative extents in a y-up mode draw the same box.
    Open(Qt::white);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetViewportExt(1, -1);
    dc.Ellipse(10, -10, 50, -30);
    EXPECT_EQ(Changed(Qt::white), QRect(10, 10, 40, 20));
}

// Which quadrants around the centre (cx, cy) hold black pixels: bit 0 upper right, 1 upper left,
// 2 lower left, 3 lower right, as seen on the screen.
int Quadrants(const QImage& image, int cx, int cy)
{
    int bits = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == Qt::black && std::abs(x - cx) > 3 && std::abs(y - cy) > 3)
                bits |= x > cx ? (y < cy ? 1 : 8) : (y < cy ? 2 : 4);
    return bits;
}

TEST_F(ShapeTest, ArcsRunCounterClockwiseOnTheScreen)
{
    // In MM_LOMETRIC: from the right-hand point to the top point is the upper-right quarter.
    dc.SetMapMode(MM_LOMETRIC);
    dc.Arc(100, -100, 400, -400, 400, -250, 250, -100);
    EXPECT_EQ(Quadrants(image, 94, 94), 1);

    // The other way round it is the remaining three quarters.
    Open(Qt::white);
    dc.SetMapMode(MM_LOMETRIC);
    dc.Arc(100, -100, 400, -400, 250, -100, 400, -250);
    EXPECT_EQ(Quadrants(image, 94, 94), 2 | 4 | 8);

    // With y down the same screen points give the same quarter.
    Open(Qt::white);
    dc.Arc(40, 40, 150, 150, 150, 95, 95, 40);
    EXPECT_EQ(Quadrants(image, 95, 95), 1);

    // Start and end points need not lie on the ellipse: only their rays count.
    Open(Qt::white);
    dc.Arc(40, 40, 150, 150, 190, 96, 20, 94);
    EXPECT_EQ(Quadrants(image, 95, 95), 1 | 2);
}

TEST_F(ShapeTest, FillsAndPixels)
{
    const CRect r(10, 10, 20, 15);
    dc.FillSolidRect(&r, RGB(0, 0, 255));
    EXPECT_EQ(Changed(Qt::white), QRect(10, 10, 10, 5));
    CBrush black(RGB(0, 0, 0));
    const CRect f(30, 30, 40, 40);
    dc.FrameRect(&f, &black);
    EXPECT_EQ(CountColor(Qt::black), 36);
    EXPECT_EQ(dc.SetPixel(5, 5, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(15, 12), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(500, 5), CLR_INVALID);
}

TEST_F(ShapeTest, ClippingLimitsDrawing)
{
    dc.IntersectClipRect(0, 0, 15, 200);
    CRect box;
    EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, CRect(0, 0, 15, 200));
    dc.MoveTo(10, 10);
    dc.LineTo(30, 10);
    EXPECT_EQ(Changed(Qt::white), QRect(10, 10, 5, 1));
    dc.SelectClipRgn(nullptr);
    dc.LineTo(30, 20);
    EXPECT_TRUE(IsColor(30, 15, Qt::black));
}

// A page's masks fill the clip box to blank what lies outside the drawing. Where a logical unit is
// larger than a pixel, an edge of the clip rounded to the nearest unit can fall inside the clip, and
// the row beyond it kept what was drawn there: the box must reach every pixel of the clip.
TEST_F(ShapeTest, TheClipBoxCoversEveryPixelOfTheClipUnderScaledMappings)
{
    struct Case
    {
        CSize windowExt, viewportExt;
        CPoint windowOrg, viewportOrg;
        CRect clip; // in pixels
    };
    const Case cases[] = {
        {{3, 3}, {7, -7}, {0, 0}, {13, 190}, {5, 6, 150, 171}},            // 2.3 pixels a unit, y up
        {{262, -155}, {1237, 732}, {40, -90}, {-37, 3}, {0, 0, 200, 200}}, // a printed page's scale
        {{-5, 5}, {12, 12}, {7, 0}, {100, 1}, {3, 4, 197, 181}},           // x running leftward
        {{254, 254}, {96, -96}, {0, 0}, {0, 200}, {1, 2, 199, 197}},       // units smaller than pixels
    };
    for (const Case& c : cases) {
        Open(Qt::black);
        dc.IntersectClipRect(&c.clip);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(c.windowExt);
        dc.SetViewportExt(c.viewportExt);
        dc.SetWindowOrg(c.windowOrg);
        dc.SetViewportOrg(c.viewportOrg);
        CRect box;
        dc.GetClipBox(&box);
        dc.SelectStockObject(WHITE_PEN);
        dc.SelectStockObject(WHITE_BRUSH);
        dc.Rectangle(&box);
        EXPECT_EQ(CountColor(Qt::white), c.clip.Width() * c.clip.Height()) << c.viewportExt.cx;
        EXPECT_EQ(Changed(Qt::black), QRect(c.clip.left, c.clip.top, c.clip.Width(), c.clip.Height()));
    }
}

TEST_F(ShapeTest, MemoryDCDrawsIntoItsBitmapAndBitBltCopiesIt)
{
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&dc));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 20, 20));
    CBitmap* old = memory.SelectObject(&bitmap);
    ASSERT_NE(old, nullptr);
    memory.FillSolidRect(0, 0, 20, 20, RGB(0, 255, 0));
    EXPECT_EQ(bitmap.GetImage()->pixelColor(19, 19), QColor(Qt::green));
    ASSERT_TRUE(dc.BitBlt(50, 50, 20, 20, &memory, 0, 0, SRCCOPY));
    EXPECT_EQ(Changed(Qt::white), QRect(50, 50, 20, 20));
    memory.SelectObject(old);
}

} // namespace
