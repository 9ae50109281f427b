#include "foundation/ZoomScale.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"

#include <gtest/gtest.h>

#include <climits>

TEST(ZoomScale, ValuesRoundHalfAwayFromZeroAndClampInsteadOfOverflowing)
{
    struct Case
    {
        bool unscale;
        int value, zoom, expected;
    };
    const Case cases[] = {
        {false, 150, 50, 75},
        {false, -75, 50, -38},
        {false, 7, 400, 28},
        {true, 14, 400, 4},
        {true, 14, 10, 140},
        {true, -14, 400, -4},
        {true, 7, 100, 7},
        {true, INT_MAX, 10, INT_MAX},
        {true, INT_MIN, 10, INT_MIN},
        {true, 300000000, 10, INT_MAX},
        {false, INT_MAX, 400, INT_MAX},
        {true, 55, 0, 55},
        {false, 55, 0, 0},
    };
    for (const Case& c : cases) {
        int v = c.value;
        if (c.unscale)
            UnscaleValueByZoom(v, c.zoom);
        else
            ScaleValueByZoom(v, c.zoom);
        EXPECT_EQ(v, c.expected) << (c.unscale ? "unscale " : "scale ") << c.value << " at " << c.zoom;
    }
}

TEST(ZoomScale, PointsAndRectsScaleCornerByCorner)
{
    POINT p{150, -75};
    ScalePointByZoom(p, 50);
    EXPECT_EQ(p.x, 75);
    EXPECT_EQ(p.y, -38);
    UnscalePointByZoom(p, 50);
    EXPECT_EQ(p.x, 150);
    EXPECT_EQ(p.y, -76); // scaling there and back need not return the start

    RECT r{10, -3, 25, -17};
    ScaleRectByZoom(r, 100);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.bottom, -17);
    ScaleRectByZoom(r, 50); // width is the difference of rounded corners: 13 - 5 = 8, not round(7.5)
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.right, 13);
    UnscaleRectByZoom(r, 0);
    EXPECT_EQ(r.right, 13);
}

TEST(ZoomScale, FixedUnitConversions)
{
    EXPECT_EQ(PixelsToTenthMm(96), 254);
    EXPECT_EQ(TenthMmToPixels(254), 96);
    EXPECT_EQ(TenthMmToPixels(1), 0);
    EXPECT_EQ(PixelsToHimetric(96), 2540);
    EXPECT_EQ(HimetricToTenthMm(-15), -1);
    EXPECT_EQ(HimetricToTenthMm(15), 1);
    EXPECT_EQ(TenthMmToHundredthInch(254), 100);
    EXPECT_DOUBLE_EQ(TenthMmToMm(-25), -2.5);
    EXPECT_EQ(TenthMmPointToHimetric({3, -4}), CPoint(30, -40));
    EXPECT_EQ(TenthMmToHimetric(300000000), INT_MAX);
    EXPECT_EQ(TenthMmToHimetric(-300000000), INT_MIN);
    EXPECT_EQ(TenthMmPointToHundredthInch({508, -254}), CPoint(200, -100));
}

TEST(ZoomScale, MapPointBetweenRectsKeepsAnAxisWithoutExtent)
{
    POINT p{5, -50};
    MapPointBetweenRects(p, RECT{5, 0, 5, -100}, RECT{100, 0, 300, -200});
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(p.y, -100);

    POINT q{15, -25};
    MapPointBetweenRects(q, RECT{10, 0, 20, -100}, RECT{0, 0, 100, -50});
    EXPECT_EQ(q.x, 50);
    EXPECT_EQ(q.y, -13); // -12.5 rounds away from zero

    // Frames whose extents need more than 32 bits still map exactly; a result out of range is held
    // at the bound.
    POINT wide{0, -50};
    MapPointBetweenRects(wide, RECT{-2000000000, 0, 2000000000, -100}, RECT{0, 2000000000, 100, -2000000000});
    EXPECT_EQ(wide.x, 50);
    EXPECT_EQ(wide.y, 0);
    POINT far{10, 0};
    MapPointBetweenRects(far, RECT{0, 10, 1, 0}, RECT{2000000000, 10, 2100000000, 0});
    EXPECT_EQ(far.x, INT_MAX);
}

TEST(ZoomScale, DeviceSizesGoThroughTheDeviceContextsHimetricConversion)
{
    DrawLog log;
    CDC dc;
    ASSERT_TRUE(dc.CreateRecording(&log));
    dc.SetDeviceCaps(LOGPIXELSX, 96);
    dc.SetDeviceCaps(LOGPIXELSY, 192);
    EXPECT_EQ(FontHeightToDevice(&dc, -13), -26); // 13 px at 96 dpi on a 192-dpi device
    CSize size;
    EXPECT_EQ(TenthMmSizeToDevice(size, &dc, SIZE{254, -127}), CSize(96, -96));
    EXPECT_EQ(size, CSize(96, -96));
    dc.SetMapMode(MM_LOMETRIC);
    EXPECT_EQ(TenthMmSizeToDevice(size, &dc, SIZE{254, 254}), CSize(96, 192)); // one inch each way
}
