#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class MappingTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dc.CreateRecording(&log)); }

    CPoint ToDevice(int x, int y) const
    {
        CPoint p(x, y);
        dc.LPtoDP(&p);
        return p;
    }
    CPoint ToLogical(int x, int y) const
    {
        CPoint p(x, y);
        dc.DPtoLP(&p);
        return p;
    }

    DrawLog log;
    CDC dc;
};

TEST_F(MappingTest, AnisotropicWithUpwardYRoundsToTheNearestPixel)
{
    // Three logical units to two pixels, y up, origins on both sides.
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(3, 3);
    dc.SetViewportExt(2, -2);
    dc.SetWindowOrg(10, 20);
    dc.SetViewportOrg(100, 200);
    struct Case
    {
        int lx, ly, dx, dy;
    } cases[] = {
        // clang-format off
        {10, 20, 100, 200},
        {11, 21, 101, 199},  // 0.667 -> 1
        {12, 22, 101, 199},  // 1.333 -> 1
        {13, 23, 102, 198},
        {9, 19, 99, 201},    // -0.667 -> -1
        {8, 18, 99, 201},    // -1.333 -> -1
        {10, 17, 100, 202},  // y: 3 down -> +2 pixels
        // clang-format on
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToDevice(c.lx, c.ly), CPoint(c.dx, c.dy)) << c.lx << "," << c.ly;

    // Halves round up: with 1 logical = 0.5 pixel, 1 -> 0.5 -> 1 and -1 -> -0.5 -> 0.
    dc.SetWindowExt(2, 2);
    dc.SetViewportExt(1, -1);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(0, 0);
    EXPECT_EQ(ToDevice(1, 1), CPoint(1, 0));   // y: -0.5 -> 0
    EXPECT_EQ(ToDevice(-1, -1), CPoint(0, 1)); // x: -0.5 -> 0, y: 0.5 -> 1
    EXPECT_EQ(ToLogical(1, 1), CPoint(2, -2));
    EXPECT_EQ(ToLogical(-3, -3), CPoint(-6, 6));
}

TEST_F(MappingTest, LometricAt96DpiPointsYUp)
{
    dc.SetDeviceCaps(LOGPIXELSX, 96);
    dc.SetDeviceCaps(LOGPIXELSY, 96);
    EXPECT_EQ(dc.SetMapMode(MM_LOMETRIC), MM_TEXT);
    EXPECT_EQ(ToDevice(254, -254), CPoint(96, 96));
    EXPECT_EQ(ToDevice(100, -100), CPoint(38, 38)); // 37.8
    EXPECT_EQ(ToLogical(96, 96), CPoint(254, -254));
    EXPECT_EQ(ToLogical(1, 1), CPoint(3, -3)); // 2.65

    CRect r(0, 0, 254, -508);
    dc.LPtoDP(&r);
    EXPECT_EQ(r, CRect(0, 0, 96, 192));

    CSize s(254, -254);
    dc.LPtoDP(&s);
    EXPECT_EQ(s, CSize(96, -96)); // sizes keep their sign

    // Extents cannot change in a fixed-scale mode.
    EXPECT_EQ(dc.SetWindowExt(1, 1), CSize());
    EXPECT_EQ(dc.GetWindowExt(), CSize(254, 254));
}

TEST_F(MappingTest, IsotropicKeepsBothAxesAtTheSmallerScale)
{
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(1000, 1000);
    dc.SetViewportExt(500, -200);
    EXPECT_EQ(dc.GetViewportExt(), CSize(200, -200));
    EXPECT_EQ(ToDevice(1000, 1000), CPoint(200, -200));
}

TEST_F(MappingTest, HimetricConversionsFollowTheMapMode)
{
    dc.SetDeviceCaps(LOGPIXELSX, 96);
    dc.SetDeviceCaps(LOGPIXELSY, 96);
    CSize s(2540, 1270);
    dc.HIMETRICtoDP(&s);
    EXPECT_EQ(s, CSize(96, 48));
    dc.DPtoHIMETRIC(&s);
    EXPECT_EQ(s, CSize(2540, 1270));

    // In a fixed-scale mode the conversion goes through MM_HIMETRIC and leaves the mode alone.
    dc.SetMapMode(MM_LOMETRIC);
    CSize t(2540, 2540);
    dc.HIMETRICtoDP(&t);
    EXPECT_EQ(t, CSize(96, 96));
    EXPECT_EQ(dc.GetMapMode(), MM_LOMETRIC);
    CSize u(2540, 2540);
    dc.HIMETRICtoLP(&u);
    EXPECT_EQ(u, CSize(254, 254));
}

TEST_F(MappingTest, DeviceCapsFollowTheFixedResolution)
{
    dc.SetDeviceCaps(LOGPIXELSX, 96);
    dc.SetDeviceCaps(HORZRES, 960);
    EXPECT_EQ(dc.GetDeviceCaps(HORZSIZE), 254);
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetDeviceCaps(LOGPIXELSX, 192);
    EXPECT_EQ(ToDevice(254, 0).x, 192);
}

TEST_F(MappingTest, DegenerateExtentsNeverDivideByZero)
{
    // A very wide window on a tiny viewport: the isotropic fit would shrink the y extent to 0.
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(100000, 1);
    dc.SetViewportExt(1, -1);
    EXPECT_EQ(dc.GetViewportExt(), CSize(1, -1));
    EXPECT_EQ(ToLogical(3, 3), CPoint(300000, -3));
    CSize s(5, 5);
    dc.DPtoLP(&s);
    EXPECT_EQ(s, CSize(500000, 5));

    // Zero and INT_MIN extents are refused and leave the extents as they were.
    dc.SetMapMode(MM_ANISOTROPIC);
    for (const CSize bad : {CSize(0, 1), CSize(1, 0), CSize(INT_MIN, 1), CSize(1, INT_MIN)}) {
        EXPECT_EQ(dc.SetWindowExt(bad), CSize()) << bad.cx << "," << bad.cy;
        EXPECT_EQ(dc.SetViewportExt(bad), CSize()) << bad.cx << "," << bad.cy;
    }
    EXPECT_EQ(dc.GetWindowExt(), CSize(100000, 1));
    EXPECT_EQ(dc.GetViewportExt(), CSize(1, -1));
}

TEST_F(MappingTest, CoordinatesBeyondTheRangeAreHeldAtItsLimits)
{
    // Device coordinates stop at GDI's device space, so device widths cannot overflow.
    constexpr int device = (1 << 27) - 1;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(INT_MAX, -INT_MAX);
    dc.SetWindowOrg(INT_MIN, 0);
    EXPECT_EQ(ToDevice(INT_MAX, 1), CPoint(device, -device));
    EXPECT_EQ(ToDevice(INT_MIN, -1), CPoint(0, device));
    CSize s(-INT_MAX, INT_MAX);
    dc.LPtoDP(&s);
    EXPECT_EQ(s, CSize(-device, device));
    CRect r(INT_MIN, INT_MAX, INT_MAX, INT_MIN);
    dc.LPtoDP(&r);
    EXPECT_EQ(r.Width(), device);

    // Logical coordinates stop at the 32-bit limits.
    dc.SetWindowExt(INT_MAX, INT_MAX);
    dc.SetViewportExt(1, 1);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(INT_MAX, INT_MIN);
    EXPECT_EQ(ToLogical(INT_MIN, INT_MAX), CPoint(INT_MIN, INT_MAX));
}

} // namespace
