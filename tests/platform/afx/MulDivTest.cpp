#include "platform/afx/Rect.h"

#include <gtest/gtest.h>

TEST(MulDiv, RoundsHalfAwayFromZeroAndReportsOverflow)
{
    const struct
    {
        int a, b, c, expected;
    } cases[] = {
        {5, 1, 2, 3},
        {-5, 1, 2, -3},
        {5, -1, 2, -3},
        {7, 100, 300, 2},
        {1, 1, 3, 0},
        {2, 1, 3, 1},
        {10, 1, 0, -1},
        {0x7FFFFFFF, 2, 1, -1},
        {0x7FFFFFFF, 2, 2, 0x7FFFFFFF},
        {-0x7FFFFFFF - 1, 1, 1, -0x7FFFFFFF - 1},
        {254, 96, 254, 96},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(CRect, Win32Operations)
{
    CRect r(10, 20, 0, 0);
    r.NormalizeRect();
    EXPECT_EQ(r, CRect(0, 0, 10, 20));
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 5)));
    CRect i;
    EXPECT_FALSE(i.IntersectRect(CRect(0, 0, 5, 5), CRect(5, 0, 9, 5)));
    EXPECT_TRUE(i.IsRectNull());
    CRect u;
    u.UnionRect(CRect(0, 0, 0, 0), CRect(1, 1, 2, 2));
    EXPECT_EQ(u, CRect(1, 1, 2, 2));
    EXPECT_EQ(CPoint(5, 5) - CPoint(2, 1), CSize(3, 4));
}
