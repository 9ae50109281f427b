#include "view/ViewGeometry.h"

#include <gtest/gtest.h>

using namespace ViewGeometry;

TEST(ViewGeometry, MaxZoomKeepsTheZoomedDocumentWithin31Bits)
{
    EXPECT_EQ(MaxZoom(CSize(87600, -87600)), 400);
    EXPECT_EQ(MaxZoom(CSize(1800, -2470)), 400);
    // 2147483647 / m x 100 with m = the longer side + 200.
    EXPECT_EQ(MaxZoom(CSize(599999800, 0)), 357);
    EXPECT_EQ(MaxZoom(CSize(0, -2147483000)), 100);
}

TEST(ViewGeometry, ZoomStepsSnapAroundOneHundred)
{
    struct Case
    {
        int candidate, step, expected;
    };
    // Zoom in (zoom + 25) from 100, 80, 30, 10; zoom out (zoom - 25) from 100, 80, 120, 35, 30;
    // zoom in at 390; a half wheel notch at 80.
    const Case cases[] = {{125, 25, 125}, {105, 25, 100}, {55, 25, 75}, {35, 25, 50},   {75, 25, 75},  {55, 25, 75},
                          {95, 25, 100},  {10, 25, 25},   {5, 25, 10},  {415, 25, 400}, {80, 25, 100}, {130, 0, 130}};
    for (const Case& c : cases)
        EXPECT_EQ(SnapZoomToStep(c.candidate, c.step), c.expected) << c.candidate << " step " << c.step;
}

TEST(ViewGeometry, TotalExtentAddsAMarginBelowTheExtentLimit)
{
    struct Case
    {
        int width, expected;
    };
    const Case cases[] = {{1800, 2000}, {87000, 87200}, {87450, 87550}, {87500, 87500}, {87600, 87600}};
    for (const Case& c : cases)
        EXPECT_EQ(TotalExtentAt100(CSize(c.width, -c.width)), CSize(c.expected, c.expected)) << c.width;
}

TEST(ViewGeometry, SnapToGridRoundsHalfStepsAwayFromTheOrigin)
{
    struct Case
    {
        CPoint in, out;
        BOOL moved;
    };
    const Case cases[] = {{{29, -10}, {30, -10}, TRUE}, {{20, -10}, {30, -10}, TRUE},  {{19, -10}, {10, -10}, TRUE},
                          {{10, -29}, {10, -30}, TRUE}, {{30, -30}, {30, -30}, FALSE}, {{5, 3}, {10, -10}, TRUE}};
    for (const Case& c : cases) {
        POINT p = c.in;
        EXPECT_EQ(SnapToGrid(p, 20), c.moved) << c.in.x << "," << c.in.y;
        EXPECT_EQ(CPoint(p), c.out) << c.in.x << "," << c.in.y;
    }
    POINT p{29, -10};
    EXPECT_FALSE(SnapToGrid(p, 0)); // a grid step below 1 never divides
    EXPECT_EQ(NormalizeGridWidth(0), 1);
    EXPECT_EQ(NormalizeGridWidth(-5), 1);
    EXPECT_EQ(NormalizeZoomStep(0), 1);
}

TEST(ViewGeometry, ClampKeepsPointsInsideTheFrame)
{
    const CPoint far(1790, -2460);
    struct Case
    {
        CPoint in, out;
        BOOL changed;
    };
    const Case cases[] = {{{5, 0}, {10, -10}, TRUE},
                          {{100, -100}, {100, -100}, FALSE},
                          {{5000, -9000}, {1790, -2460}, TRUE},
                          {{1790, -2460}, {1790, -2460}, FALSE}};
    for (const Case& c : cases) {
        POINT p = c.in;
        EXPECT_EQ(ClampToFrame(p, far), c.changed);
        EXPECT_EQ(CPoint(p), c.out);
    }
}

TEST(ViewGeometry, RectanglesMeetWithYUp)
{
    EXPECT_TRUE(RectsIntersectAbsY(CRect(0, -10, 100, -100), CRect(50, -50, 200, -200)));
    EXPECT_FALSE(RectsIntersectAbsY(CRect(0, -10, 100, -100), CRect(0, -100, 100, -200)));
    EXPECT_FALSE(RectsIntersectAbsY(CRect(), CRect(0, 0, 100, -100)));
    // A rectangle reaching above the origin stays whole.
    EXPECT_TRUE(RectsIntersectAbsY(CRect(0, 50, 100, -20), CRect(0, -5, 100, -10)));
}

TEST(ViewGeometry, ScrollUnitsConvertWithTheScreenMetrics)
{
    const ScreenMetrics screen96{96, 96, 1920, 1080, 508, 286};
    // Totals carry factor 4 over the screen's 3.78 pixels per millimetre.
    EXPECT_EQ(ViewToScrollUnits(screen96, CSize(2000, 2670), 4.0f, 4.0f), CSize(2116, 2828));
    EXPECT_EQ(ScrollToViewUnits(screen96, CSize(2116, 2828), 4.0f, 4.0f), CSize(1999, 2669));
    // Positions carry 3.78: nearly the same number.
    EXPECT_EQ(ViewToScrollUnits(screen96, CSize(1000, -1000), 3.78f, 3.78f), CSize(1000, -1001));
    // Another resolution scales by LOGPIXELS / 96.
    const ScreenMetrics screen120{120, 120, 1920, 1080, 406, 229};
    const CSize at120 = ViewToScrollUnits(screen120, CSize(1000, 1000), 3.78f, 3.78f);
    EXPECT_NEAR(at120.cx, 1000 * 3.78 / (1920.0 / 406) * 1.25, 2);
}
