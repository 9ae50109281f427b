#include "foundation/FileBox.h"
#include "tests/foundation/SymbolRecording.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace file_box_test {

using symbol_recording::DefaultFont;
using symbol_recording::Recording;
using symbol_recording::RectArgs;
using symbol_recording::RectsOf;

using Rects = std::vector<std::vector<int>>;

constexpr FileBoxBands kDefaults{80, -40, -40, 0};
constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kRed = 0x0000FF;

FileBoxTexts Texts()
{
    return {"N", "NAME", "KEYS", "DATA", "EXAMPLES"};
}

void Draw(Recording& r, int zoom, const FileBoxBands& bands, DWORD flags = 0, FileBoxPen pen = {PS_SOLID, kBlue, 1},
          WORD shadow = 0)
{
    DrawFileBox(&r.dc, zoom, Texts(), {1000, -1000}, {240, -160}, bands, pen, 0, DefaultFont(), flags, shadow, kRed);
}

// Each drawn text with its rectangle and format.
std::vector<std::pair<std::string, std::vector<int>>> Texts(const DrawLog& log)
{
    std::vector<std::pair<std::string, std::vector<int>>> texts;
    for (const DrawCall& call : log.Of("DrawText"))
        texts.emplace_back(call.text.Bytes(), call.args);
    return texts;
}

TEST(FileBox, DefaultsOnTheWorkedBox)
{
    Recording r;
    Draw(r, 100, kDefaults);
    EXPECT_EQ(RectsOf(r.log, "Rectangle"), Rects({{1000, -1000, 1241, -1161}, {1000, -1000, 1240, -1160}}));
    EXPECT_EQ(RectsOf(r.log, "LineTo"), Rects({
                                            {1000, -1039, 1239, -1039}, // caption separator
                                            {1080, -1000, 1080, -1040}, // number divider
                                            {1200, -1000, 1200, -1040}, // mark column divider
                                            {1000, -1081, 1239, -1081}, // key separator
                                        }));
    const std::vector<std::pair<std::string, std::vector<int>>> expected{
        {"N", {1005, -1005, 1075, -1040, 0x820}},
        {"NAME", {1085, -1005, 1195, -1040, 0x820}},
        {"KEYS", {1005, -1045, 1235, -1075, 0x810}},
        {"DATA", {1005, -1085, 1235, -1155, 0x810}},
    };
    EXPECT_EQ(Texts(r.log), expected);
    EXPECT_EQ(r.log.Of("DrawText")[0].font.lfHeight, -26);
}

TEST(FileBox, BandsThatDoNotFit)
{
    struct Case
    {
        const char* what;
        int zoom;
        FileBoxBands bands;
        DWORD flags;
        Rects lines;
        std::vector<std::pair<std::string, std::vector<int>>> texts;
    };
    const Case cases[] = {
        {"zoom 25: lines, no text",
         25,
         kDefaults,
         0,
         {{250, -259, 309, -259}, {270, -250, 270, -260}, {300, -250, 300, -260}, {250, -271, 309, -271}},
         {}},
        {"no number column: empty number rectangle, name from the margin",
         100,
         {0, -40, -40, 0},
         0,
         {{1000, -1039, 1239, -1039}, {1200, -1000, 1200, -1040}, {1000, -1081, 1239, -1081}},
         {{"N", {1005, -1005, 995, -1040, 0x820}},
          {"NAME", {1005, -1005, 1195, -1040, 0x820}},
          {"KEYS", {1005, -1045, 1235, -1075, 0x810}},
          {"DATA", {1005, -1085, 1235, -1155, 0x810}}}},
        {"number column as wide as the rest: no name",
         100,
         {200, -40, -40, 0},
         0,
         {{1000, -1039, 1239, -1039}, {1200, -1000, 1200, -1040}, {1000, -1081, 1239, -1081}},
         {{"N", {1005, -1005, 1200, -1040, 0x820}},
          {"KEYS", {1005, -1045, 1235, -1075, 0x810}},
          {"DATA", {1005, -1085, 1235, -1155, 0x810}}}},
        {"deep caption: wrapped name; examples band",
         100,
         {80, -42, -40, 30},
         FILE_BOX_IDEF,
         {{1000, -1041, 1239, -1041},
          {1080, -1000, 1080, -1042},
          {1000, -1083, 1239, -1083},
          {1000, -1130, 1239, -1130}},
         {{"N", {1005, -1005, 1075, -1042, 0x820}},
          {"NAME", {1085, -1010, 1235, -1037, 0x810}},
          {"KEYS", {1005, -1047, 1235, -1077, 0x810}},
          {"DATA", {1005, -1087, 1235, -1125, 0x810}},
          {"EXAMPLES", {1005, -1135, 1235, -1155, 0x810}}}},
        {"key band down to the examples: no data items",
         100,
         {80, -40, -90, 30},
         FILE_BOX_IDEF,
         {{1000, -1039, 1239, -1039}, {1080, -1000, 1080, -1040}, {1000, -1130, 1239, -1130}},
         {{"N", {1005, -1005, 1075, -1040, 0x820}},
          {"NAME", {1085, -1005, 1235, -1040, 0x820}},
          {"KEYS", {1005, -1045, 1235, -1155, 0x810}},
          {"EXAMPLES", {1005, -1135, 1235, -1155, 0x810}}}},
    };
    for (const Case& c : cases) {
        Recording r;
        Draw(r, c.zoom, c.bands, c.flags);
        EXPECT_EQ(RectsOf(r.log, "LineTo"), c.lines) << c.what;
        EXPECT_EQ(Texts(r.log), c.texts) << c.what;
    }
}

TEST(FileBox, CaptionDepthDecidesWrappingBeforeScaling)
{
    // -42 at zoom 50 is 21 deep, yet the name still wraps.
    Recording r;
    Draw(r, 50, {80, -42, -40, 0});
    ASSERT_GE(r.log.Of("DrawText").size(), 2u);
    EXPECT_EQ(r.log.Of("DrawText")[1].args[4], 0x810);
}

TEST(FileBox, WideDashedOutlineAndShadow)
{
    Recording r;
    Draw(r, 100, kDefaults, FILE_BOX_ROUNDED | FILE_BOX_GREY, {PS_DASH, kBlue, 3}, 10);
    const auto shapes = r.log.Of("RoundRect");
    ASSERT_EQ(shapes.size(), 2u);
    // The shadow first, 10 right and 10 down, in the shadow colour without outline.
    EXPECT_EQ(shapes[0].args, std::vector<int>({1010, -1010, 1250, -1170, 30, 30}));
    EXPECT_EQ(shapes[0].pen.lopnStyle, UINT(PS_NULL));
    EXPECT_EQ(shapes[0].brush.lbColor, kRed);
    // Then the grey box in a solid inside-frame outline 3 wide.
    EXPECT_EQ(shapes[1].args, std::vector<int>({1000, -1000, 1240, -1160, 30, 30}));
    EXPECT_EQ(shapes[1].pen.lopnStyle, UINT(PS_INSIDEFRAME));
    EXPECT_EQ(shapes[1].pen.lopnWidth.x, 3);
    EXPECT_EQ(shapes[1].brush.lbColor, 0xC0C0C0u);
    // Inner lines dashed, one pixel wide, starting clear of the outline.
    const auto lines = r.log.Of("LineTo");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(RectArgs(lines[0]), std::vector<int>({1002, -1039, 1239, -1039}));
    EXPECT_EQ(RectArgs(lines[1]), std::vector<int>({1080, -1002, 1080, -1040}));
    EXPECT_EQ(lines[0].pen.lopnStyle, UINT(PS_DASH));
    EXPECT_EQ(lines[0].pen.lopnWidth.x, 0);
    EXPECT_TRUE(r.log.Of("Rectangle").empty()); // no white erase under a shadowed box
}

} // namespace file_box_test
