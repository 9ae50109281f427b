#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "platform/gdi/FontMapper.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <cstring>

namespace {

class ObjectsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dc.CreateRecording(&log)); }

    DrawLog log;
    CDC dc;
};

TEST_F(ObjectsTest, SelectObjectHandsBackThePreviousObject)
{
    CPen red(PS_SOLID, 2, RGB(255, 0, 0));
    CPen* old = dc.SelectObject(&red);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->GetSafeHandle(), GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc.SelectObject(old), &red);

    CBrush* oldBrush = static_cast<CBrush*>(dc.SelectStockObject(NULL_BRUSH));
    EXPECT_EQ(oldBrush->GetSafeHandle(), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(dc.GetCurrentBrush()->GetSafeHandle(), GetStockObject(HOLLOW_BRUSH));
}

TEST_F(ObjectsTest, AnObjectDestroyedWhileSelectedStaysUsable)
{
    CPen* stock = nullptr;
    {
        CPen blue(PS_DOT, 0, RGB(0, 0, 255));
        stock = dc.SelectObject(&blue);
    }
    dc.MoveTo(0, 0);
    dc.LineTo(10, 0);
    ASSERT_EQ(log.calls.size(), 1u);
    EXPECT_EQ(log.calls[0].pen.lopnStyle, UINT(PS_DOT));
    EXPECT_EQ(log.calls[0].pen.lopnColor, RGB(0, 0, 255));

    // What comes back is a wrapper that can be selected again.
    CPen* previous = dc.SelectObject(stock);
    ASSERT_NE(previous, nullptr);
    LOGPEN lp{};
    ASSERT_TRUE(previous->GetLogPen(&lp));
    EXPECT_EQ(lp.lopnColor, RGB(0, 0, 255));
    dc.SelectObject(previous);
    dc.LineTo(20, 0);
    EXPECT_EQ(log.calls.back().pen.lopnColor, RGB(0, 0, 255));
}

TEST_F(ObjectsTest, RecordingKeepsAttributesAndRestoreDCBringsThemBack)
{
    const int saved = dc.SaveDC();
    CBrush yellow(RGB(255, 255, 0));
    dc.SelectObject(&yellow);
    dc.SetROP2(R2_XORPEN);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(1, 2, 3));
    dc.SetMapMode(MM_LOMETRIC);
    dc.Rectangle(0, 0, 100, -50);
    ASSERT_TRUE(dc.RestoreDC(saved));
    dc.Rectangle(1, 2, 3, 4);

    ASSERT_EQ(log.calls.size(), 2u);
    const DrawCall& first = log.calls[0];
    EXPECT_EQ(first.op, "Rectangle");
    EXPECT_EQ(first.args, (std::vector<int>{0, 0, 100, -50}));
    EXPECT_EQ(first.brush.lbColor, RGB(255, 255, 0));
    EXPECT_EQ(first.rop2, R2_XORPEN);
    EXPECT_EQ(first.bkMode, TRANSPARENT);
    EXPECT_EQ(first.textColor, RGB(1, 2, 3));
    EXPECT_EQ(first.mapMode, MM_LOMETRIC);
    const DrawCall& second = log.calls[1];
    EXPECT_EQ(second.brush.lbColor, RGB(255, 255, 255));
    EXPECT_EQ(second.rop2, R2_COPYPEN);
    EXPECT_EQ(second.mapMode, MM_TEXT);
    EXPECT_FALSE(dc.RestoreDC(-1));
}

TEST_F(ObjectsTest, ResourceBitmapsLoadByIdAndMakePatternBrushes)
{
    for (UINT id : {151u, 152u, 153u}) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(id)) << id;
        BITMAP info{};
        ASSERT_TRUE(bitmap.GetBitmap(&info));
        EXPECT_EQ(info.bmWidth, 8);
        EXPECT_EQ(info.bmHeight, 8);
        CBrush brush;
        EXPECT_TRUE(brush.CreatePatternBrush(&bitmap));
    }
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(9999));
    CBrush none;
    EXPECT_FALSE(none.CreatePatternBrush(&missing));
}

TEST(RgnTest, RegionsHoldTheirInteriorWithoutRightAndBottomEdges)
{
    CRgn rect;
    ASSERT_TRUE(rect.CreateRectRgn(10, 10, 20, 20));
    EXPECT_TRUE(rect.PtInRegion(10, 10));
    EXPECT_TRUE(rect.PtInRegion(19, 19));
    EXPECT_FALSE(rect.PtInRegion(20, 15));
    EXPECT_FALSE(rect.PtInRegion(15, 20));

    // A triangle given in y-up coordinates.
    const POINT triangle[] = {{0, 0}, {100, 0}, {0, -100}};
    CRgn poly;
    ASSERT_TRUE(poly.CreatePolygonRgn(triangle, 3, ALTERNATE));
    EXPECT_TRUE(poly.PtInRegion(10, -10));
    EXPECT_FALSE(poly.PtInRegion(80, -80));
    EXPECT_FALSE(poly.PtInRegion(10, 10));
    CRect box;
    EXPECT_EQ(poly.GetRgnBox(&box), COMPLEXREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.bottom, 0);
}

TEST(FontMapperTest, WindowsJapaneseFacesResolveToInstalledIpaFonts)
{
    struct Case
    {
        const char8_t* face;
        const char* family;
    } cases[] = {
        {u8"ＭＳ Ｐゴシック", "IPAPGothic"},
        {u8"ＭＳ ゴシック", "IPAGothic"},
        {u8"ＭＳ Ｐ明朝", "IPAPMincho"},
        {u8"ＭＳ 明朝", "IPAMincho"},
    };
    for (const Case& c : cases) {
        LOGFONT lf{};
        std::strcpy(lf.lfFaceName, CString(c.face).GetString());
        EXPECT_EQ(FontMapper::ResolveFamily(lf), QString::fromLatin1(c.family));
        const QFontInfo info(FontMapper::ToQFont(lf, 16));
        EXPECT_EQ(info.family(), QString::fromLatin1(c.family)) << "is fonts-ipafont installed?";
    }
}

} // namespace
