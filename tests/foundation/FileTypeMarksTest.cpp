#include "foundation/FileTypeMarks.h"
#include "tests/foundation/SymbolRecording.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace file_type_marks_test {

using symbol_recording::DefaultFont;
using symbol_recording::Recording;
using symbol_recording::RectsOf;

constexpr COLORREF kGreen = 0x00FF00;

// One recorded call as name and arguments, with the brush colour when the call fills.
struct Call
{
    std::string op;
    std::vector<int> args;
    bool filled = false;
    bool operator==(const Call&) const = default;
};

std::vector<Call> Calls(const DrawLog& log)
{
    std::vector<Call> calls;
    for (const DrawCall& call : log.calls)
        if (call.op != "MoveTo")
            calls.push_back({call.op, call.args, call.brush.lbStyle == BS_SOLID && call.brush.lbColor == kGreen});
    return calls;
}

void PrintTo(const Call& call, std::ostream* os)
{
    *os << call.op << testing::PrintToString(call.args) << (call.filled ? " filled" : "");
}

TEST(FileTypeMarks, MarksOfTheTable)
{
    const std::vector<int> box{0, 0, 100, -100};
    struct Case
    {
        WORD mark;
        int mapMode;
        std::vector<Call> calls;
    };
    const Case cases[] = {
        {0, MM_LOMETRIC, {}},
        {25, MM_LOMETRIC, {}},
        {2, MM_LOMETRIC, {{"Rectangle", box}, {"Rectangle", box, true}}},
        // Diagonals end one unit inside in a y-up mapping, exactly at the corners in pixels.
        {3, MM_LOMETRIC, {{"Rectangle", box}, {"LineTo", {0, 0, 99, -99}}, {"LineTo", {0, -99, 99, 0}}}},
        {3, MM_TEXT, {{"Rectangle", {0, 0, 100, 100}}, {"LineTo", {0, 0, 100, 100}}, {"LineTo", {0, 100, 100, 0}}}},
        {6, MM_LOMETRIC, {{"Rectangle", box}, {"Polygon", {0, 0, 99, 0, 0, -99}, true}}},
        {7, MM_LOMETRIC, {{"Rectangle", box}, {"Polygon", {99, 0, 0, -99, 99, -99}, true}}},
        {9, MM_LOMETRIC, {{"Ellipse", box, true}}},
        {10, MM_LOMETRIC, {{"Polygon", {25, 0, 100, 0, 75, -100, 0, -100}}}},
        // On a screen the arrow's right stroke starts two units left of the right edge.
        {12,
         MM_LOMETRIC,
         {{"Rectangle", box}, {"LineTo", {50, 0, 50, -99}}, {"LineTo", {0, 0, 50, -99}}, {"LineTo", {98, 0, 50, -99}}}},
        {14, MM_LOMETRIC, {{"Polygon", {50, 0, 0, -100, 100, -100}, true}}},
        {15, MM_LOMETRIC, {{"Polygon", {0, -50, 50, 0, 100, -50, 50, -100}}}},
        {17, MM_LOMETRIC, {{"Rectangle", box}, {"LineTo", {0, -50, 100, -50}}}},
        {18, MM_LOMETRIC, {{"Rectangle", box}, {"Rectangle", {0, 0, 100, -50}, true}}},
        {19, MM_LOMETRIC, {{"Rectangle", box}, {"Rectangle", {0, -50, 100, -100}, true}}},
        {21, MM_LOMETRIC, {{"Rectangle", box}, {"Rectangle", {0, 0, 50, -100}, true}}},
        {22, MM_LOMETRIC, {{"Rectangle", box}, {"Rectangle", {50, 0, 100, -100}, true}}},
    };
    for (const Case& c : cases) {
        Recording r;
        r.dc.SetMapMode(c.mapMode);
        const RECT rect = c.mapMode == MM_TEXT ? RECT{0, 0, 100, 100} : RECT{0, 0, 100, -100};
        CPen* pen = r.dc.GetCurrentPen();
        DrawFileTypeMark(&r.dc, 100, rect, c.mark, kGreen, 0);
        EXPECT_EQ(Calls(r.log), c.calls) << c.mark;
        for (const DrawCall& call : r.log.calls)
            EXPECT_EQ(call.pen.lopnColor, kGreen) << c.mark << call.op;
        EXPECT_EQ(r.dc.GetCurrentPen()->GetSafeHandle(), pen->GetSafeHandle());
    }
}

TEST(FileTypeMarks, TextMarks)
{
    for (const DWORD flags : {DWORD(0), SYMBOL_OWN_TEXT_LAYOUT}) {
        Recording r;
        r.dc.SetTextColor(0);
        DrawFileTypeMark(&r.dc, 100, {0, 0, 90, -90}, 23, kGreen, flags);
        DrawFileTypeMark(&r.dc, 100, {0, 0, 90, -90}, 24, kGreen, flags);
        const auto texts = r.log.Of(flags ? "ExtTextOut" : "DrawText");
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].text, CString("*"));
        EXPECT_EQ(texts[1].text, CString(u8"”"));
        EXPECT_EQ(texts[0].textColor, kGreen);
        EXPECT_EQ(texts[0].font.lfHeight, -26);
        if (!flags) {
            EXPECT_EQ(texts[0].args, std::vector<int>({0, 0, 90, -90, 0x825}));
            EXPECT_EQ(texts[1].args, std::vector<int>({0, -30, 90, -120, 0x825})); // a third lower
        }
        EXPECT_TRUE(r.log.Of("Rectangle").empty());
        EXPECT_EQ(r.dc.GetTextColor(), 0u);
    }
}

TEST(FileTypeMarks, MarkInTheBoxColumn)
{
    struct Case
    {
        int zoom;
        DWORD flags;
        bool marked;
    };
    for (const Case& c : {Case{150, 0, true}, Case{26, 0, true}, Case{25, 0, false}, Case{150, 0x10000000, false}}) {
        Recording r;
        DrawFileBoxWithMark(&r.dc, c.zoom, {"1", "A", "", "", ""}, {1000, -1000}, {240, -160}, {80, -40, -40, 0}, 1,
                            {PS_SOLID, 0, 1}, 0, DefaultFont(), c.flags, 0, 0);
        const auto rects = RectsOf(r.log, "Rectangle");
        EXPECT_EQ(rects.size(), c.marked ? 3u : 2u) << c.zoom;
        // A square of 36, 12 inside the top-right corner (1860, -1500).
        if (c.zoom == 150 && c.marked) {
            EXPECT_EQ(rects.back(), std::vector<int>({1812, -1512, 1848, -1548}));
        }
    }
}

TEST(FileTypeMarks, BoxStyleSampleIsCentredOneMillimetreLow)
{
    Recording r;
    r.dc.SetMapMode(MM_TEXT);
    // 400 x 300 pixels at 96 dpi are 1058 x 794 units of 0.1 mm.
    DrawBoxStyleSampleInClient(&r.dc, {0, 0, 400, 300}, 150, 1);
    const auto rects = RectsOf(r.log, "Rectangle");
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[1], std::vector<int>({260, -227, 800, -587}));
    EXPECT_EQ(r.dc.GetMapMode(), MM_TEXT);
    const auto texts = r.log.Of("DrawText");
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].text, CString(u8"番号"));
    EXPECT_EQ(texts[4].text, CString(u8"コード値"));
}

} // namespace file_type_marks_test
