#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstring>

namespace {

// The recording device measures a single-byte character as half the em and a double-byte one
// as a whole em; with a 10-unit font that is 5 and 10, and lines are 10 high.
class DrawTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dc.CreateRecording(&log));
        LOGFONT lf{};
        lf.lfHeight = -10;
        font.CreateFontIndirect(&lf);
        dc.SelectObject(&font);
    }

    struct Line
    {
        int x, y;
        CString text;
        bool operator==(const Line& o) const { return x == o.x && y == o.y && text == o.text; }
    };
    std::vector<Line> Draw(const CString& text, CRect rect, UINT format)
    {
        log.Clear();
        dc.DrawText(text, &rect, format);
        std::vector<Line> lines;
        for (const DrawCall& call : log.Of("DrawTextLine"))
            lines.push_back(Line{call.args[0], call.args[1], call.text});
        return lines;
    }

    DrawLog log;
    CDC dc;
    CFont font;
};


TEST_F(DrawTextTest, WordBreaksFallBetweenDoubleByteCharactersAndAtSpaces)
{
    const std::vector<Line> japanese = Draw(CString(u8"日本語のテキスト"), CRect(0, 0, 35, 100), DT_WORDBREAK);
    const std::vector<Line> expected = {{0, 0, CString(u8"日本語")},
                                        {0, 10, CString(u8"のテキ")},
                                        {0, 20, CString(u8"スト")}};
    EXPECT_TRUE(japanese == expected);

    // The space at a break is dropped; a double-byte character may follow a word directly.
    const std::vector<Line> mixed = Draw(CString(u8"abc def ghi表"), CRect(0, 0, 40, 100), DT_WORDBREAK);
    const std::vector<Line> mixedExpected = {{0, 0, "abc def"}, {0, 10, CString(u8"ghi表")}};
    EXPECT_TRUE(mixed == mixedExpected);

    // A word wider than the line stays whole unless the text is laid out as an edit control.
    EXPECT_EQ(Draw("abcdefghij", CRect(0, 0, 20, 100), DT_WORDBREAK).size(), 1u);
    const std::vector<Line> edit = Draw("abcdefghij", CRect(0, 0, 20, 100), DT_WORDBREAK | DT_EDITCONTROL);
    const std::vector<Line> editExpected = {{0, 0, "abcd"}, {0, 10, "efgh"}, {0, 20, "ij"}};
    EXPECT_TRUE(edit == editExpected);
    // ... which also leaves out a partly visible last line.
    EXPECT_EQ(Draw("abcdefghij", CRect(0, 0, 20, 25), DT_WORDBREAK | DT_EDITCONTROL).size(), 2u);
}

TEST_F(DrawTextTest, LineEndsBreakLinesExceptInSingleLineMode)
{
    const std::vector<Line> single = Draw("ab\r\ncd", CRect(0, 0, 100, 50), DT_SINGLELINE);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].text, CString("ab\r\ncd"));

    const std::vector<Line> multi = Draw("ab\r\ncd\nef", CRect(0, 0, 100, 50), 0);
    const std::vector<Line> expected = {{0, 0, "ab"}, {0, 10, "cd"}, {0, 20, "ef"}};
    EXPECT_TRUE(multi == expected);
}

TEST_F(DrawTextTest, VerticalPlacementAppliesOnlyToASingleLine)
{
    struct Case
    {
        UINT format;
        int y;
    } cases[] = {
        {DT_SINGLELINE | DT_VCENTER, 20},
        {DT_SINGLELINE | DT_BOTTOM, 40},
        {DT_VCENTER, 0},
        {DT_BOTTOM | DT_WORDBREAK, 0},
    };
    for (const Case& c : cases) {
        const std::vector<Line> lines = Draw("ab", CRect(0, 0, 100, 50), c.format);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].y, c.y) << c.format;
    }

    // In a y-up mapping the lines still run down the screen and the centre is found the same way.
    dc.SetMapMode(MM_LOMETRIC);
    const std::vector<Line> up = Draw("ab\ncd", CRect(0, 0, 100, -50), 0);
    const std::vector<Line> upExpected = {{0, 0, "ab"}, {0, -10, "cd"}};
    EXPECT_TRUE(up == upExpected);
    EXPECT_EQ(Draw("ab", CRect(0, 0, 100, -50), DT_SINGLELINE | DT_VCENTER)[0].y, -20);
}

TEST_F(DrawTextTest, HorizontalPlacementPrefixesAndTabs)
{
    EXPECT_EQ(Draw("ab", CRect(0, 0, 100, 50), DT_CENTER)[0].x, 45);
    EXPECT_EQ(Draw("ab", CRect(0, 0, 100, 50), DT_RIGHT)[0].x, 90);
    EXPECT_EQ(Draw("&File", CRect(0, 0, 100, 50), 0)[0].text, CString("File"));
    EXPECT_EQ(Draw("&File", CRect(0, 0, 100, 50), DT_NOPREFIX)[0].text, CString("&File"));
    const std::vector<Line> tabs = Draw("a\tb", CRect(0, 0, 100, 50), DT_EXPANDTABS);
    const std::vector<Line> tabsExpected = {{0, 0, "a"}, {40, 0, "b"}};
    EXPECT_TRUE(tabs == tabsExpected);
}

TEST_F(DrawTextTest, CalcRectMeasuresWithoutDrawing)
{
    log.Clear();
    CRect multi(10, 10, 50, 100);
    EXPECT_EQ(dc.DrawText("abc def ghi", &multi, DT_WORDBREAK | DT_CALCRECT), 20);
    EXPECT_EQ(multi, CRect(10, 10, 45, 30));
    CRect single(10, 10, 500, 100);
    EXPECT_EQ(dc.DrawText(CString(u8"漢字ab"), &single, DT_SINGLELINE | DT_CALCRECT), 10);
    EXPECT_EQ(single, CRect(10, 10, 40, 20));
    EXPECT_TRUE(log.calls.empty());
}

TEST_F(DrawTextTest, RecordsTheCallAndClipsItsLinesToTheRectangle)
{
    CRect r(0, 0, 100, 50);
    dc.DrawText("ab", &r, DT_NOPREFIX);
    ASSERT_EQ(log.calls.size(), 2u);
    EXPECT_EQ(log.calls[0].op, "DrawText");
    EXPECT_EQ(log.calls[0].args, (std::vector<int>{0, 0, 100, 50, int(DT_NOPREFIX)}));
    EXPECT_EQ(log.calls[1].args, (std::vector<int>{0, 0, int(ETO_CLIPPED), 0, 0, 100, 50}));
    EXPECT_EQ(log.calls[1].font.lfHeight, -10);
    log.Clear();
    dc.DrawText("ab", &r, DT_NOCLIP);
    EXPECT_EQ(log.calls[1].args, (std::vector<int>{0, 0, 0}));
}

TEST_F(DrawTextTest, TextExtentsAndMetricsComeFromTheDevice)
{
    EXPECT_EQ(dc.GetTextExtent(CString(u8"漢a")), CSize(15, 10));
    dc.SetTextCharacterExtra(2);
    EXPECT_EQ(dc.GetTextExtent(CString(u8"漢a")), CSize(19, 10));
    TEXTMETRIC tm{};
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, 10);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, 10);
}

// On a real device a line is as high as the font's cell in logical units, whatever a glyph's
// pixels round to at the resolution: the screen steps DrawText's lines as far as paper does. The
// Windows Japanese faces have cells as tall as their em; a face drawn as it is has its own cell.
TEST(DrawTextPitch, LinesStepByTheFontsCellAtEveryResolution)
{
    struct Case
    {
        const char8_t* face;
        int height, cell;
    };
    const Case cases[] = {{u8"ＭＳ Ｐゴシック", -26, 26}, {u8"ＭＳ 明朝", -40, 40}, {u8"ＭＳ ゴシック", 30, 30}};
    const CString nineLines("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9");
    int ownCell = 0;
    for (int dpi : {96, 144, 600, 1200}) {
        QImage image(50, 50, QImage::Format_RGB32);
        CDC dc;
        ASSERT_TRUE(dc.CreateOnDevice(&image));
        dc.SetDeviceCaps(LOGPIXELSX, dpi);
        dc.SetDeviceCaps(LOGPIXELSY, dpi);
        dc.SetMapMode(MM_LOMETRIC);
        for (const Case& c : cases) {
            LOGFONT lf{};
            lf.lfHeight = c.height;
            std::strcpy(lf.lfFaceName, CString(c.face).GetString());
            CFont font;
            font.CreateFontIndirect(&lf);
            CFont* old = dc.SelectObject(&font);
            TEXTMETRIC tm{};
            ASSERT_TRUE(dc.GetTextMetrics(&tm));
            EXPECT_EQ(tm.tmHeight, c.cell) << dpi << " dpi, height " << c.height;
            EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
            EXPECT_EQ(dc.GetTextExtent(CString("1")).cy, c.cell);
            CRect rect(0, 0, 500, 0);
            EXPECT_EQ(dc.DrawText(nineLines, &rect, DT_CALCRECT), 9 * c.cell) << dpi << " dpi";
            dc.SelectObject(old);
        }
        // A face that stands for no Windows face: its own cell, the same at every resolution.
        LOGFONT lf{};
        lf.lfHeight = -26;
        std::strcpy(lf.lfFaceName, "IPAPGothic");
        CFont font;
        font.CreateFontIndirect(&lf);
        CFont* old = dc.SelectObject(&font);
        TEXTMETRIC tm{};
        ASSERT_TRUE(dc.GetTextMetrics(&tm));
        EXPECT_GT(tm.tmHeight, 26);
        if (ownCell == 0)
            ownCell = tm.tmHeight;
        EXPECT_EQ(tm.tmHeight, ownCell) << dpi << " dpi";
        dc.SelectObject(old);
    }
}

} // namespace
