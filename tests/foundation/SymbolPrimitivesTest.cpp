#include "foundation/SymbolPrimitives.h"
#include "tests/foundation/SymbolRecording.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace symbol_primitives_test {

constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kGreen = 0x00FF00;

using symbol_recording::DefaultFont;
using symbol_recording::Recording;
using symbol_recording::RectArgs;

TEST(SymbolPrimitives, DefaultFontAndItsCopy)
{
    LOGFONT font;
    std::memset(&font, 0x5A, sizeof font);
    InitDefaultLogFont(font);
    EXPECT_EQ(font.lfHeight, -10);
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfCharSet, 128);
    EXPECT_EQ(font.lfOutPrecision, 3);
    EXPECT_EQ(font.lfClipPrecision, 2);
    EXPECT_EQ(font.lfQuality, 1);
    EXPECT_EQ(font.lfPitchAndFamily, 0x34);
    EXPECT_EQ(font.lfWidth + font.lfEscapement + font.lfOrientation, 0);
    EXPECT_EQ(font.lfItalic + font.lfUnderline + font.lfStrikeOut, 0);
    EXPECT_EQ(CString(font.lfFaceName), CString(u8"ＭＳ Ｐゴシック"));

    // A face name without a terminator (from a damaged file) is cut, never read past its end.
    LOGFONT source = font;
    source.lfHeight = -33;
    source.lfItalic = 1;
    std::memset(source.lfFaceName, 'F', LF_FACESIZE);
    LOGFONT copy;
    CopyLogFont(copy, source);
    EXPECT_EQ(copy.lfHeight, -33);
    EXPECT_EQ(copy.lfItalic, 1);
    EXPECT_EQ(copy.lfPitchAndFamily, 0x34);
    EXPECT_EQ(std::string(copy.lfFaceName), std::string(LF_FACESIZE - 1, 'F'));
}

TEST(SymbolPrimitives, NameTablesCheckTheirIndex)
{
    struct Case
    {
        const CString& (*getter)(WORD);
        WORD kind;
        CString name;
    };
    const Case cases[] = {
        {GetDataMediaName, 0, u8"無効"},
        {GetDataMediaName, 3, "DASD"},
        {GetDataMediaName, 51, u8"電話連絡"},
        {GetDataMediaName, 52, ""},
        {GetDataMediaName, 0xFFFF, ""},
        {GetFlowMediaName, 9, u8"円･楕円ﾎﾞﾄﾑ補足"},
        {GetFlowMediaName, 10, ""},
        {GetFileTypeMarkName, 0, u8"ﾏｰｸなし"},
        {GetFileTypeMarkName, 24, u8"ﾀﾞﾌﾞﾙｺｰﾃｰｼｮﾝ"},
        {GetFileTypeMarkName, 25, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.getter(c.kind), c.name) << c.kind;
    EXPECT_EQ(GetRoundBoxCornerSize(0), 30);
}

TEST(SymbolPrimitives, ScalingOfTheFrame)
{
    const SymbolScale at100 = ScaleSymbol(100, {100, -200}, {300, -150}, DefaultFont());
    EXPECT_EQ(at100.h, -26);
    EXPECT_EQ(at100.b, 40);
    const SymbolScale at150 = ScaleSymbol(150, {100, -200}, {300, -150}, DefaultFont());
    EXPECT_EQ(std::vector<int>(
                  {at150.x, at150.y, at150.W, at150.H, at150.b, at150.mx, at150.my, at150.g2, at150.g5, at150.h}),
              std::vector<int>({150, -300, 450, -225, 60, 23, 30, 3, 8, -40}));
}

TEST(SymbolPrimitives, EraseReachesOnePastRightAndBottom)
{
    struct Case
    {
        int mapMode;
        DWORD flags;
        std::vector<int> rect;
    };
    const Case cases[] = {
        {MM_LOMETRIC, 0, {10, -10, 101, -51}},
        {MM_TEXT, 0, {10, -10, 101, -49}},
        {MM_LOMETRIC, SYMBOL_OWN_TEXT_LAYOUT, {10, -10, 101, -51}},
    };
    for (const Case& c : cases) {
        Recording r;
        r.dc.SetMapMode(c.mapMode);
        CPen* pen = r.dc.GetCurrentPen();
        CBrush* brush = r.dc.GetCurrentBrush();
        EraseRectToWhite(&r.dc, CRect(10, -10, 100, -50), c.flags);
        const auto rects = r.log.Of("Rectangle");
        ASSERT_EQ(rects.size(), 1u);
        EXPECT_EQ(RectArgs(rects[0]), c.rect);
        EXPECT_EQ(rects[0].pen.lopnColor, 0xFFFFFFu);
        EXPECT_EQ(rects[0].brush.lbColor, 0xFFFFFFu);
        EXPECT_EQ(r.dc.GetCurrentPen()->GetSafeHandle(), pen->GetSafeHandle());
        EXPECT_EQ(r.dc.GetCurrentBrush()->GetSafeHandle(), brush->GetSafeHandle());
    }

    Recording r;
    DrawWhiteFramedRect(&r.dc, 10, -10, 100, -50, kBlue, 0);
    const auto rects = r.log.Of("Rectangle");
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(RectArgs(rects[1]), std::vector<int>({10, -10, 100, -50}));
    EXPECT_EQ(rects[1].pen.lopnColor, kBlue);
    EXPECT_EQ(rects[1].brush.lbStyle, BS_NULL);
}

// "ABCD" measures 52, placed as 57 (110 %).
TEST(SymbolPrimitives, OneLinePlacement)
{
    struct Case
    {
        const char* what;
        CRect rect;
        int lineHeight;
        UINT format;
        std::vector<int> at; // x, y, then the clip rectangle
    };
    const Case cases[] = {
        {"plain", {0, 0, 100, -100}, -26, 0, {0, 0, 0, 0, 100, -100}},
        {"left top", {0, 0, 100, -100}, -26, DT_SINGLELINE, {0, 0, 0, 0, 100, -100}},
        {"centred both ways", {0, 0, 100, -100}, -26, SYMBOL_NAME_FORMAT, {21, -37, 21, -37, 100, -100}},
        {"right", {0, 0, 100, -100}, -26, DT_RIGHT, {43, 0, 43, 0, 100, -100}},
        {"centre wins over right", {0, 0, 100, -100}, -26, DT_CENTER | DT_RIGHT, {21, 0, 21, 0, 100, -100}},
        {"bottom", {0, 0, 100, -100}, -26, DT_BOTTOM, {0, -69, 0, -69, 100, -100}},
        {"too wide to centre", {10, 0, 66, -100}, -26, DT_CENTER, {10, 0, 10, 0, 66, -100}},
        {"exactly as wide", {10, 0, 67, -100}, -26, DT_RIGHT, {10, 0, 10, 0, 67, -100}},
        {"too low to centre", {0, 0, 100, -20}, -26, DT_VCENTER | DT_CENTER, {21, 0, 21, 0, 100, -20}},
        {"too low for bottom", {0, 0, 100, -25}, -26, DT_BOTTOM, {0, 0, 0, 0, 100, -25}},
    };
    for (const Case& c : cases) {
        Recording r;
        DrawTextLineInRect(&r.dc, "ABCD", c.rect, c.lineHeight, c.format);
        const auto out = r.log.Of("ExtTextOut");
        ASSERT_EQ(out.size(), 1u) << c.what;
        EXPECT_EQ(out[0].args[2], int(ETO_CLIPPED)) << c.what;
        const std::vector<int> at{out[0].args[0], out[0].args[1], out[0].args[3],
                                  out[0].args[4], out[0].args[5], out[0].args[6]};
        EXPECT_EQ(at, c.at) << c.what;
    }
}

TEST(SymbolPrimitives, LinesStepDownAndStopAtTheBottom)
{
    struct Case
    {
        const char* what;
        const char* text;
        CRect rect;
        UINT format;
        std::vector<std::pair<std::string, int>> lines; // text and y of each drawn line
    };
    const Case cases[] = {
        {"one line keeps the middle", "AB", {0, 0, 200, -100}, DT_VCENTER, {{"AB", -37}}},
        {"CR LF breaks once, many lines start at the top",
         "AB\r\nCD",
         {0, 0, 200, -100},
         DT_VCENTER,
         {{"AB", 0}, {"CD", -26}}},
        {"a lone LF is a character", "AB\nCD", {0, 0, 200, -100}, 0, {{"AB\nCD", 0}}},
        {"too wide: broken by width", "ABCDEFGHIJ", {0, 0, 78, -100}, 0, {{"ABCDEF", 0}, {"GHIJ", -26}}},
        {"the line crossing the bottom is the last",
         "A\r\nB\r\nC\r\nD",
         {0, 0, 200, -60},
         0,
         {{"A", 0}, {"B", -26}, {"C", -52}}},
        {"empty text draws nothing", "", {0, 0, 200, -60}, 0, {}},
    };
    for (const Case& c : cases) {
        Recording r;
        DrawTextLinesInRect(&r.dc, DefaultFont(), c.text, c.rect, -26, c.format);
        std::vector<std::pair<std::string, int>> drawn;
        for (const DrawCall& call : r.log.Of("ExtTextOut"))
            drawn.emplace_back(call.text.Bytes(), call.args[1]);
        EXPECT_EQ(drawn, c.lines) << c.what;
    }
}

TEST(SymbolPrimitives, LastLineIsClippedAtTheBottomEdge)
{
    Recording r;
    DrawTextLinesInRect(&r.dc, DefaultFont(), "A\r\nB\r\nC", CRect(0, 0, 200, -40), -26, 0);
    const auto out = r.log.Of("ExtTextOut");
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[1].text, CString("B"));
    EXPECT_EQ(out[1].args[6], -40); // the clip's bottom is the rectangle's, not -52
}

TEST(SymbolPrimitives, LabeledBoxFullStyle)
{
    for (const int zoom : {25, 26, 100}) {
        Recording r;
        DrawLabeledBox(&r.dc, zoom, "NAME", "BODY", {100, -100}, {300, -200}, FALSE, TRUE, FALSE, kBlue, kGreen,
                       DefaultFont(), 0);
        const auto texts = r.log.Of("DrawText");
        EXPECT_EQ(texts.size(), zoom > 25 ? 2u : 0u) << zoom;
        if (zoom != 100)
            continue;
        const auto rects = r.log.Of("Rectangle");
        ASSERT_EQ(rects.size(), 2u);
        EXPECT_EQ(RectArgs(rects[0]), std::vector<int>({100, -100, 400, -300}));
        EXPECT_EQ(RectArgs(rects[1]), std::vector<int>({100, -100, 400, -140}));
        EXPECT_EQ(rects[0].pen.lopnColor, kBlue);
        EXPECT_EQ(rects[0].brush.lbColor, 0xFFFFFFu);
        EXPECT_EQ(texts[0].args, std::vector<int>({142, -107, 358, -133, int(SYMBOL_NAME_FORMAT)}));
        EXPECT_EQ(texts[1].args, std::vector<int>({117, -144, 383, -278, int(SYMBOL_BODY_FORMAT)}));
        EXPECT_EQ(texts[0].textColor, kGreen);
        EXPECT_EQ(texts[0].font.lfHeight, -26);
        EXPECT_EQ(texts[0].bkMode, TRANSPARENT);
        // The white strokes along the bottom and right edges clean up what a smaller box left.
        const auto white = r.log.Of("LineTo");
        ASSERT_EQ(white.size(), 2u);
        EXPECT_EQ(white[0].args, std::vector<int>({100, -300, 400, -300}));
        EXPECT_EQ(white[1].args, std::vector<int>({400, -300, 400, -100}));
    }
}

TEST(SymbolPrimitives, LabeledBoxCaptionStyle)
{
    Recording r;
    r.dc.SetTextColor(kBlue);
    DrawLabeledBox(&r.dc, 100, "NAME", "BODY", {0, 0}, {300, -200}, TRUE, FALSE, FALSE, kGreen, kGreen, DefaultFont(),
                   0x06 | SYMBOL_OWN_TEXT_LAYOUT);
    const auto rects = r.log.Of("Rectangle");
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0].pen.lopnColor, 0u);
    EXPECT_EQ(rects[0].brush.lbColor, 0xC0C0C0u);
    EXPECT_EQ(RectArgs(rects[2]), std::vector<int>({40, 0, 260, -40})); // the caption bar
    // The raised button of the active caption: white, then grey edges.
    const auto edges = r.log.Of("LineTo");
    ASSERT_EQ(edges.size(), 4u);
    EXPECT_EQ(edges[0].pen.lopnColor, 0xFFFFFFu);
    EXPECT_EQ(edges[3].pen.lopnColor, 0x828282u);
    // Own layout: the name and body through the line functions, the body in the previous colour;
    // the letters through DrawText, "R" in red then "T" in black in the left square.
    const auto lines = r.log.Of("ExtTextOut");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].textColor, kBlue);
    const auto letters = r.log.Of("DrawText");
    ASSERT_EQ(letters.size(), 2u);
    EXPECT_EQ(letters[0].text, CString("R"));
    EXPECT_EQ(letters[0].textColor, 0x0000FFu);
    EXPECT_EQ(letters[1].text, CString("T"));
    EXPECT_EQ(letters[1].textColor, 0u);
    EXPECT_EQ(letters[1].args, std::vector<int>({0, 0, 40, -40, int(SYMBOL_NAME_FORMAT)}));
    EXPECT_EQ(r.dc.GetTextColor(), kBlue);
}

} // namespace symbol_primitives_test
