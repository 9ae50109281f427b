#include "foundation/FlowMediaSymbols.h"
#include "foundation/SymbolPrimitives.h"
#include "tests/foundation/SymbolRecording.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace flow_media_symbols_test {

using symbol_recording::DefaultFont;
using symbol_recording::Ops;
using symbol_recording::Recording;
using symbol_recording::RectsOf;

using Rects = std::vector<std::vector<int>>;

constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kRed = 0x0000FF;

void Draw(Recording& r, WORD kind, int zoom = 100, WORD shadow = 0, SIZE size = {240, -160}, DWORD flags = 0)
{
    DrawFlowMediaSymbol(&r.dc, zoom, {"FIRST", "SECOND", "THIRD"}, {0, 0}, size, kind, FALSE, kBlue, 0, DefaultFont(),
                        flags, shadow, kRed);
}

std::vector<std::pair<std::string, std::vector<int>>> Texts(const DrawLog& log, const char* op = "DrawText")
{
    std::vector<std::pair<std::string, std::vector<int>>> texts;
    for (const DrawCall& call : log.Of(op))
        texts.emplace_back(call.text.Bytes(), call.args);
    return texts;
}

TEST(FlowMediaSymbols, BandsAndTheirTexts)
{
    struct Case
    {
        WORD kind;
        Rects lines;
        std::vector<std::pair<std::string, std::vector<int>>> texts;
    };
    const Case cases[] = {
        {1, {{0, -39, 240, -39}}, {{"FIRST", {17, -9, 223, -35, 0x825}}, {"SECOND", {17, -44, 223, -138, 0x811}}}},
        {2,
         {{0, -39, 240, -39}, {0, -121, 240, -121}},
         {{"THIRD", {10, -9, 220, -35, 0x825}},
          {"SECOND", {10, -44, 220, -98, 0x811}},
          {"FIRST", {10, -122, 220, -158, 0x825}}}},
        {6,
         {{0, -39, 240, -39}, {0, -121, 240, -121}},
         {{"FIRST", {10, -9, 220, -35, 0x825}},
          {"SECOND", {10, -44, 220, -98, 0x811}},
          {"THIRD", {10, -122, 220, -158, 0x825}}}},
    };
    for (const Case& c : cases) {
        Recording r;
        Draw(r, c.kind);
        EXPECT_EQ(RectsOf(r.log, "LineTo"), c.lines) << c.kind;
        EXPECT_EQ(Texts(r.log), c.texts) << c.kind;
    }
}

TEST(FlowMediaSymbols, EllipseBandLinesFollowTheOutline)
{
    for (const WORD kind : {WORD(7), WORD(9)}) {
        Recording r;
        Draw(r, kind, 100, 0, {1200, -600});
        const Rects lines = RectsOf(r.log, "LineTo");
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0], std::vector<int>({305, -39, 895, -39}));
        if (kind == 9) {
            EXPECT_EQ(lines[1], std::vector<int>({305, -561, 895, -561}));
        }
    }
}

TEST(FlowMediaSymbols, OutlinesWithAndWithoutShadow)
{
    struct Case
    {
        WORD kind;
        WORD shadow;
        std::vector<std::string> ops;
    };
    const Case cases[] = {
        {1, 0, {"Rectangle", "Rectangle", "LineTo"}},  // white, then framed
        {1, 10, {"Rectangle", "Rectangle", "LineTo"}}, // shadow, then the white symbol
        {4, 0, {"Rectangle", "RoundRect", "LineTo"}},  // the whole rectangle white first
        {4, 10, {"RoundRect", "RoundRect", "LineTo"}}, // nothing white between the corners
        {7, 10, {"Ellipse", "Ellipse", "LineTo"}},
    };
    for (const Case& c : cases) {
        Recording r;
        Draw(r, c.kind, 25, c.shadow);
        EXPECT_EQ(Ops(r.log), c.ops) << c.kind << " " << c.shadow;
        if (c.shadow == 0)
            continue;
        const DrawCall& shadow = r.log.calls[0];
        const DrawCall& symbol = r.log.calls[1];
        // A depth of 10 at zoom 25 is 2.5, rounded away from zero.
        EXPECT_EQ(std::vector<int>(shadow.args.begin(), shadow.args.begin() + 4), std::vector<int>({3, -3, 63, -43}));
        EXPECT_EQ(shadow.pen.lopnStyle, UINT(PS_NULL));
        EXPECT_EQ(shadow.brush.lbColor, kRed);
        EXPECT_EQ(std::vector<int>(symbol.args.begin(), symbol.args.begin() + 4), std::vector<int>({0, 0, 60, -40}));
        EXPECT_EQ(symbol.pen.lopnColor, kBlue);
        EXPECT_EQ(symbol.brush.lbColor, 0xFFFFFFu);
    }
}

TEST(FlowMediaSymbols, TextsAboveZoom25AndOwnLayout)
{
    for (const int zoom : {25, 26}) {
        Recording r;
        Draw(r, 5, zoom);
        EXPECT_EQ(r.log.Of("DrawText").size(), zoom > 25 ? 3u : 0u) << zoom;
    }
    Recording r;
    Draw(r, 8, 100, 0, {240, -160}, SYMBOL_OWN_TEXT_LAYOUT);
    EXPECT_TRUE(r.log.Of("DrawText").empty());
    EXPECT_EQ(Texts(r.log, "ExtTextOut").size(), 3u);
}

TEST(FlowMediaSymbols, KindZeroAndUnknownKindsDrawTheLabelledBoxWithoutShadow)
{
    for (const WORD kind : {WORD(0), WORD(10)}) {
        Recording r;
        Draw(r, kind, 100, 10);
        EXPECT_EQ(RectsOf(r.log, "Rectangle"), Rects({{0, 0, 240, -160}, {0, 0, 240, -40}})) << kind;
        EXPECT_EQ(Texts(r.log).size(), 2u);
        EXPECT_EQ(Texts(r.log)[0].first, "FIRST");
    }
}

} // namespace flow_media_symbols_test
