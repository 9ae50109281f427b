#include "ImageFixture.h"

#include <functional>

namespace {

class XorTest : public ImageFixture
{
};

TEST_F(XorTest, EveryOutlineDrawnTwiceRestoresThePicture)
{
    const POINT polygon[] = {{20, 20}, {180, 40}, {90, 170}, {30, 120}};
    const POINT bezier[] = {{10, 10}, {60, 190}, {140, -20}, {190, 180}};
    struct Shape
    {
        const char* name;
        std::function<void(CDC&)> draw;
    } shapes[] = {
        // clang-format off
        {"rectangle", [](CDC& d) { d.Rectangle(10, 10, 150, 120); }},
        {"line", [](CDC& d) { d.MoveTo(5, 190); d.LineTo(190, 7); }},
        {"ellipse", [](CDC& d) { d.Ellipse(10, 20, 170, 150); }},
        {"polygon", [&](CDC& d) { d.Polygon(polygon, 4); }},
        {"polyline", [&](CDC& d) { d.Polyline(polygon, 4); }},
        {"round rect", [](CDC& d) { d.RoundRect(15, 15, 160, 140, 30, 20); }},
        {"arc", [](CDC& d) { d.Arc(20, 20, 180, 160, 180, 90, 100, 20); }},
        {"pie", [](CDC& d) { d.Pie(20, 20, 180, 160, 180, 90, 100, 20); }},
        {"bezier", [&](CDC& d) { d.PolyBezier(bezier, 4); }},
        // clang-format on
    };
    struct Pen
    {
        int style, width;
    } pens[] = {{PS_DOT, 0}, {PS_SOLID, 0}, {PS_SOLID, 5}, {PS_INSIDEFRAME, 4}};
    for (int rop : {R2_XORPEN, R2_NOTXORPEN, R2_NOT})
        for (const Pen& p : pens)
            for (const Shape& shape : shapes) {
                OpenNoise();
                const QImage before = image.copy();
                CPen pen(p.style, p.width, RGB(0x5A, 0xC3, 0x0F));
                CBrush brush(RGB(0x33, 0x99, 0xF0));
                dc.SelectObject(&pen);
                dc.SelectObject(&brush);
                dc.SetROP2(rop);
                shape.draw(dc);
                EXPECT_NE(image, before) << shape.name << " rop " << rop << " style " << p.style;
                shape.draw(dc);
                EXPECT_EQ(image, before) << shape.name << " rop " << rop << " style " << p.style;
            }
}

TEST_F(XorTest, DottedXorRectangleIsVisibleOnWhite)
{
    // The black dots leave white alone; the opaque background fills the gaps, and those invert.
    Open(Qt::white);
    CPen dots(PS_DOT, 0, RGB(0, 0, 0));
    dc.SelectObject(&dots);
    dc.SelectStockObject(NULL_BRUSH);
    dc.SetROP2(R2_XORPEN);
    dc.Rectangle(20, 20, 120, 80);
    EXPECT_EQ(Changed(Qt::white), QRect(20, 20, 100, 60));
    // Along the top edge the inverted gaps and the untouched dots take turns.
    int black = 0, runs = 0;
    for (int x = 20; x < 120; ++x) {
        black += IsColor(x, 20, Qt::black);
        runs += IsColor(x, 20, Qt::black) != IsColor(x + 1, 20, Qt::black);
    }
    EXPECT_GT(black, 35);
    EXPECT_LT(black, 65);
    EXPECT_GT(runs, 20);
    EXPECT_EQ(image.pixelColor(60, 50), QColor(Qt::white)); // the hollow inside
    dc.Rectangle(20, 20, 120, 80);
    EXPECT_EQ(CountColor(Qt::white), 200 * 200);
}

TEST_F(XorTest, PatternInvertTwiceRestoresAlsoWithNegativeHeights)
{
    OpenNoise();
    const QImage before = image.copy();
    dc.SetMapMode(MM_LOMETRIC);
    CBitmap hatch;
    ASSERT_TRUE(hatch.LoadBitmap(151));
    CBrush brush(&hatch);
    dc.SelectObject(&brush);
    dc.PatBlt(100, -100, 200, -30, PATINVERT);
    EXPECT_NE(image, before);
    // A band 200 x 30 (0.1 mm) lies below (100, -100) on the screen.
    QImage once = image.copy();
    dc.PatBlt(100, -100, 200, -30, PATINVERT);
    EXPECT_EQ(image, before);

    int changed = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            if (once.pixel(x, y) != before.pixel(x, y)) {
                ++changed;
                EXPECT_TRUE(x >= 38 && x < 113 && y >= 38 && y < 49) << x << "," << y;
            }
    EXPECT_GT(changed, 0);
}

TEST_F(XorTest, FocusRectAndInvertRectUndoThemselves)
{
    OpenNoise();
    const QImage before = image.copy();
    const CRect r(10, 10, 90, 60);
    dc.DrawFocusRect(&r);
    EXPECT_NE(image, before);
    dc.DrawFocusRect(&r);
    EXPECT_EQ(image, before);
    dc.InvertRect(&r);
    EXPECT_EQ(image.pixel(10, 10), ~before.pixel(10, 10) | 0xFF000000u);
    dc.InvertRect(&r);
    EXPECT_EQ(image, before);
}

} // namespace
