#include "foundation/DataMediaSymbols.h"
#include "foundation/SymbolPrimitives.h"
#include "tests/foundation/SymbolRecording.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace data_media_symbols_test {

using symbol_recording::DefaultFont;
using symbol_recording::Recording;
using symbol_recording::RectsOf;

constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kGreen = 0x00FF00;

void Draw(Recording& r, WORD kind, int zoom = 100, SIZE size = {240, -160}, DWORD flags = 0)
{
    DrawDataMediaSymbol(&r.dc, zoom, "NAME", "TEXT", {0, 0}, size, kind, FALSE, kBlue, kGreen, DefaultFont(), flags);
}

// The strokes of a drawing: every call but the texts, with its arguments.
std::vector<std::pair<std::string, std::vector<int>>> Strokes(const DrawLog& log)
{
    std::vector<std::pair<std::string, std::vector<int>>> strokes;
    for (const DrawCall& call : log.calls)
        if (call.op != "DrawText" && call.op != "DrawTextLine" && call.op != "ExtTextOut")
            strokes.emplace_back(call.op, call.args);
    return strokes;
}

TEST(DataMediaSymbols, DasdInFull)
{
    Recording r;
    Draw(r, 3);
    const std::vector<std::pair<std::string, std::vector<int>>> expected{
        {"Rectangle", {0, 0, 241, -161}},
        {"Arc", {0, 0, 40, -160, 20, 0, 20, -160}},
        {"Arc", {220, 0, 260, -160, 240, 0, 240, -160}},
        {"LineTo", {20, 0, 239, 0}},
        {"LineTo", {20, -159, 239, -159}},
        // The band line runs from the left cap's outline (3 inside at this depth) to the right arc's.
        {"LineTo", {3, -39, 223, -39}},
    };
    EXPECT_EQ(Strokes(r.log), expected);
    const auto texts = r.log.Of("DrawText");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].args, std::vector<int>({10, -7, 220, -33, 0x825}));
    EXPECT_EQ(texts[1].args, std::vector<int>({10, -44, 220, -138, 0x811}));
    EXPECT_EQ(texts[0].textColor, kGreen);
    EXPECT_EQ(texts[0].font.lfHeight, -26);
    EXPECT_EQ(r.log.Of("Arc")[0].pen.lopnColor, kBlue);
}

TEST(DataMediaSymbols, CircleBandLineRunsBetweenTheOutlines)
{
    Recording r;
    Draw(r, 7, 100, {1200, -600});
    const auto lines = r.log.Of("LineTo");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].args, std::vector<int>({305, -39, 895, -39}));
}

TEST(DataMediaSymbols, EveryKindTextsOnlyAboveZoom25AndRestoresTheDevice)
{
    for (WORD kind = 0; kind <= 53; ++kind) {
        for (const int zoom : {25, 26, 100}) {
            Recording r;
            r.dc.SetTextColor(kBlue);
            r.dc.SetBkMode(OPAQUE);
            const HGDIOBJ pen = r.dc.GetCurrentPen()->GetSafeHandle();
            const HGDIOBJ brush = r.dc.GetCurrentBrush()->GetSafeHandle();
            const HGDIOBJ font = r.dc.GetCurrentFont()->GetSafeHandle();
            Draw(r, kind, zoom);
            EXPECT_EQ(r.log.Of("DrawText").size(), zoom > 25 ? 2u : 0u) << kind << " at " << zoom;
            EXPECT_FALSE(Strokes(r.log).empty()) << kind;
            for (const DrawCall& call : r.log.calls) {
                const COLORREF color = call.pen.lopnColor;
                EXPECT_TRUE(color == kBlue || color == 0xFFFFFF || call.pen.lopnStyle == UINT(PS_NULL))
                    << kind << " " << call.op;
            }
            EXPECT_EQ(r.dc.GetCurrentPen()->GetSafeHandle(), pen) << kind;
            EXPECT_EQ(r.dc.GetCurrentBrush()->GetSafeHandle(), brush) << kind;
            EXPECT_EQ(r.dc.GetCurrentFont()->GetSafeHandle(), font) << kind;
            EXPECT_EQ(r.dc.GetTextColor(), kBlue) << kind;
            EXPECT_EQ(r.dc.GetBkMode(), OPAQUE) << kind;
        }
    }
}

TEST(DataMediaSymbols, CompositeKindsAtSmallZoom)
{
    struct Case
    {
        WORD kind;
        WORD base;
        bool sameAtZoom25;
    };
    const Case cases[] = {
        {5, 4, true},  {6, 4, true},   {9, 1, true},   {12, 11, true}, {15, 14, true},
        {18, 7, true}, {28, 27, true}, {30, 27, true}, {32, 27, true}, {34, 27, true},
        {47, 1, true}, {51, 50, true}, {2, 1, false},  {8, 7, false},  {41, 3, false},
    };
    for (const Case& c : cases) {
        Recording kind, base;
        Draw(kind, c.kind, 25);
        Draw(base, c.base, 25);
        EXPECT_EQ(Strokes(kind.log) == Strokes(base.log), c.sameAtZoom25) << c.kind;
        Recording detailed, detailedBase;
        Draw(detailed, c.kind, 26);
        Draw(detailedBase, c.base, 26);
        EXPECT_NE(Strokes(detailed.log), Strokes(detailedBase.log)) << c.kind;
    }
}

TEST(DataMediaSymbols, StockPaperHoles)
{
    struct Case
    {
        int zoom;
        SIZE size;
        std::size_t holes;
    };
    // Holes of 6 every 12 from 46 below the top while they stay above 4/5 of the height; at zoom
    // 26 they are 1 wide, every 2 units from 11 to 31 below the top (4/5 of the height is 34).
    const Case cases[] = {{100, {240, -160}, 14},
                          {100, {240, -50}, 0},
                          {26, {240, -160}, 2 * 11},
                          {25, {240, -160}, 0}};
    for (const Case& c : cases) {
        Recording r;
        Draw(r, 15, c.zoom, c.size);
        EXPECT_EQ(r.log.Of("Ellipse").size(), c.holes) << c.zoom << " " << c.size.cy;
    }
    Recording r;
    Draw(r, 15);
    const auto holes = RectsOf(r.log, "Ellipse");
    EXPECT_EQ(holes.front(), std::vector<int>({6, -46, 12, -52}));
    EXPECT_EQ(holes[1], std::vector<int>({228, -46, 234, -52}));
    EXPECT_EQ(holes.back(), std::vector<int>({228, -118, 234, -124}));
}

TEST(DataMediaSymbols, DisplayNameIsRightAligned)
{
    Recording platform;
    Draw(platform, 17);
    EXPECT_EQ(platform.log.Of("DrawText")[0].args[4], 0x826);
    // Own layout: "NAME" is 52 wide, placed as 57, against the right edge of (17, -9, 223, -35).
    Recording own;
    Draw(own, 17, 100, {240, -160}, SYMBOL_OWN_TEXT_LAYOUT);
    const auto lines = own.log.Of("ExtTextOut");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].args[0], 223 - 57);
}

TEST(DataMediaSymbols, KindZeroAndUnknownKindsDrawTheLabelledBox)
{
    for (const WORD kind : {WORD(0), WORD(52), WORD(0xFFFF)}) {
        Recording r;
        Draw(r, kind);
        EXPECT_EQ(RectsOf(r.log, "Rectangle"), std::vector<std::vector<int>>({{0, 0, 240, -160}, {0, 0, 240, -40}}))
            << kind;
        EXPECT_EQ(r.log.Of("DrawText")[0].args, std::vector<int>({42, -7, 198, -33, 0x825})) << kind;
    }
}

} // namespace data_media_symbols_test
