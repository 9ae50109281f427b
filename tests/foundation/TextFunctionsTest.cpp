#include "foundation/TextFunctions.h"

#include "foundation/AppServices.h"
#include "foundation/DataItemList.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawLog.h"
#include "tests/support/MessageScript.h"

#include <gtest/gtest.h>

#include <climits>

#include <vector>

namespace text_functions_test {

LOGFONT FontOfHeight(int height)
{
    LOGFONT font{};
    font.lfHeight = height;
    return font;
}

std::vector<std::string> Names(const CDataItemList& list)
{
    std::vector<std::string> names;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        names.push_back(list.GetNext(pos)->GetName().Bytes());
    return names;
}

// Two double-byte characters: "表" (trail byte 0x5C, a backslash) and "あ".
const std::string kHyo = "\x95\x5C";
const std::string kA = "\x82\xA0";

class Nt4Services : public AppServices
{
public:
    Nt4Services()
    {
        m_os.dwPlatformId = VER_PLATFORM_WIN32_NT;
        m_os.dwMajorVersion = 4;
    }
    CRegManList* GetRegManList() override { return nullptr; }
    CColorItemList* GetColorItemList() override { return nullptr; }
    WORD GetLoadedDocVersion() const override { return 0; }
    void SetLoadedDocVersion(WORD) override {}
    const OSVERSIONINFO& GetOsVersionInfo() const override { return m_os; }

private:
    OSVERSIONINFO m_os;
};

} // namespace text_functions_test

TEST(TextFunctions, CharacterWidthFromTheFontHeight)
{
    const struct
    {
        int height, width, narrow;
    } cases[] = {{-13, 16, 15}, {-10, 12, 12}, {-21, 27, 26}, {13, 16, 15}, {0, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(GetFontCharWidth(text_functions_test::FontOfHeight(c.height), FALSE), c.width) << c.height;
        EXPECT_EQ(GetFontCharWidth(text_functions_test::FontOfHeight(c.height), TRUE), c.narrow) << c.height;
    }
    EXPECT_EQ(GetCharsPerRectWidth(CRect(0, 0, 100, -50), text_functions_test::FontOfHeight(-13), FALSE), 6);
    // A font too small to measure counts one unit per character instead of dividing by zero.
    EXPECT_EQ(GetCharsPerRectWidth(CRect(0, 0, 100, -50), text_functions_test::FontOfHeight(0), FALSE), 100);

    text_functions_test::Nt4Services nt4;
    AppServices* previous = SetAppServices(&nt4);
    EXPECT_EQ(GetFontCharWidth(text_functions_test::FontOfHeight(-13), FALSE), 18); // 115 %
    SetAppServices(previous);
}

TEST(TextFunctions, MultiLineExtent)
{
    const LOGFONT font = text_functions_test::FontOfHeight(-13); // character width 16, line height -34
    const struct
    {
        std::string text;
        CSize extent;
    } cases[] = {
        // clang-format off
        {"A\r\nB", {16, -88}}, // the LF after the CR counts in no line
        {"", {0, 0}},
        {"ABC", {48, -34}},
        {"AB\r\n", {32, -34}},
        {"A\r\n" + text_functions_test::kA + text_functions_test::kA, {64, -88}}, // a double-byte character counts two bytes
        // clang-format on
    };
    for (const auto& c : cases) {
        CSize extent;
        EXPECT_EQ(GetMultiLineTextExtent(extent, CString(c.text), font, FALSE), c.extent) << c.text;
    }

    // A font height from a damaged file: the extent is held at the 32-bit bounds, nothing overflows.
    CSize extent;
    GetMultiLineTextExtent(extent, CString("A\r\nB\r\nC"), text_functions_test::FontOfHeight(-811647363), FALSE);
    EXPECT_EQ(extent.cy, INT_MIN);
    GetMultiLineTextExtent(extent, CString(std::string(20, 'W')), text_functions_test::FontOfHeight(-400000000), TRUE);
    EXPECT_EQ(extent.cx, INT_MAX);
}

TEST(TextFunctions, WrappingAndSplittingBreakBetweenCharacters)
{
    const struct
    {
        std::string text;
        int units;
        std::string wrapped;
    } wraps[] = {
        // clang-format off
        {"ABCDEFG", 6, "ABC\r\nDEF\r\nG"},
        {text_functions_test::kA + text_functions_test::kA + text_functions_test::kA, 6, text_functions_test::kA + text_functions_test::kA + text_functions_test::kA}, // the third character ends the text
        {text_functions_test::kA + "BC" + text_functions_test::kA, 4, text_functions_test::kA + "B\r\nC" + text_functions_test::kA},
        {"AB\r\nCDE", 4, "AB\r\nCD\r\nE"}, // no break before an existing CR
        {"", 4, ""},
        // clang-format on
    };
    for (const auto& c : wraps) {
        CString out("stale");
        EXPECT_EQ(WrapTextByWidth(out, CString(c.text), c.units).Bytes(), c.wrapped) << c.text;
    }

    const struct
    {
        std::string text;
        int units;
        std::vector<std::string> lines;
    } splits[] = {
        // clang-format off
        {"ABCDE", 4, {"AB", "CD", "E"}},
        {"A\r\n\r\nB", 10, {"A", "", "B"}},
        {text_functions_test::kA + "B" + text_functions_test::kA, 4, {text_functions_test::kA + "B", text_functions_test::kA}},
        {"", 4, {}},
        // clang-format on
    };
    for (const auto& c : splits) {
        CDataItemList list;
        EXPECT_EQ(SplitTextToLineItems(CString(c.text), c.units, list), int(c.lines.size())) << c.text;
        EXPECT_EQ(text_functions_test::Names(list), c.lines) << c.text;
    }

    // Six narrow characters of height -13 (width 15) fit 100 units, three at two units each per
    // line; the list is emptied first.
    CDataItemList list;
    list.AddDataItemDirect(new CDataItem(CString("old")));
    EXPECT_EQ(SplitTextToRectLines(CString("ABCDEFGH"), CRect(0, 0, 100, -50), text_functions_test::FontOfHeight(-13),
                                   list),
              3);
    EXPECT_EQ(text_functions_test::Names(list), (std::vector<std::string>{"ABC", "DEF", "GH"}));
    EXPECT_EQ(SplitTextToRectLines(CString(), CRect(0, 0, 100, -50), text_functions_test::FontOfHeight(-13), list), 0);
    EXPECT_TRUE(list.IsEmpty());

    CString wrapped;
    EXPECT_EQ(WrapTextToRect(wrapped, CString("ABCDEFGH"), CRect(0, 0, 48, -50), text_functions_test::FontOfHeight(-13))
                  .Bytes(),
              "AB\r\nCD\r\nEF\r\nGH"); // three characters of width 16 fit 48 units
}

TEST(TextFunctions, SplitByMeasuredExtent)
{
    // The recording device measures a single-byte character 8 wide and a double-byte one 16.
    DrawLog log;
    CDC dc;
    dc.CreateRecording(&log);
    const struct
    {
        std::string text;
        int width;
        std::vector<std::string> lines;
    } cases[] = {
        // clang-format off
        {"ABCDE", 20, {"AB", "CD", "E"}},
        {"A\r\nB", 20, {"A", "B"}},
        {text_functions_test::kA + "B" + text_functions_test::kA, 24, {text_functions_test::kA + "B", text_functions_test::kA}},
        {"AB", 5, {"A", "B"}}, // too narrow for any character: one per line, no empty line
        {"", 20, {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        CDataItemList list;
        list.AddDataItemDirect(new CDataItem(CString("old")));
        EXPECT_EQ(SplitTextByExtent(&dc, CString(c.text), CRect(0, 0, c.width, -50), list), int(c.lines.size()))
            << c.text;
        EXPECT_EQ(text_functions_test::Names(list), c.lines) << c.text;
    }
}

TEST(TextFunctions, CountingAndCuttingKeepCharactersWhole)
{
    EXPECT_EQ(GetMbcsCharCount(CString()), 0);
    EXPECT_EQ(GetMbcsCharCount(CString("A" + text_functions_test::kA + "B")), 3);

    const struct
    {
        std::string text;
        int n;
        std::string bytes, chars;
    } cases[] = {
        // clang-format off
        {text_functions_test::kA + text_functions_test::kHyo, 3, text_functions_test::kA, text_functions_test::kA + text_functions_test::kHyo},
        {"A" + text_functions_test::kA + "B", 2, "A", "A" + text_functions_test::kA},
        {"A" + text_functions_test::kA + "B", 3, "A" + text_functions_test::kA, "A" + text_functions_test::kA + "B"},
        {"ABC", 5, "ABC", "ABC"},
        {"ABC", 0, "", ""},
        {"", 3, "", ""},
        // clang-format on
    };
    for (const auto& c : cases) {
        CString out;
        EXPECT_EQ(MbcsLeftBytes(out, CString(c.text), c.n).Bytes(), c.bytes) << c.text << " " << c.n;
        EXPECT_EQ(MbcsLeftChars(out, CString(c.text), c.n).Bytes(), c.chars) << c.text << " " << c.n;
    }
}

TEST(TextFunctions, SpreadsheetCellTexts)
{
    CString out;
    EXPECT_EQ(TextForExcelCell(out, CString("A\r\nB")).Bytes(), "AB");
    EXPECT_EQ(TextForExcelCellWithSeparator(out, CString("A\r\nB\rC\nD"), '/').Bytes(), "A/B\rC\nD");
    EXPECT_EQ(TextFromExcelCell(out, CString("A\nB")).Bytes(), "A\r\nB");
    EXPECT_EQ(TextFromExcelCell(out, CString("A\r\nB")).Bytes(), "A\r\r\nB");
    EXPECT_EQ(TextForExcelCell(out, CString()).Bytes(), "");

    // A cell holds 255 bytes; a double-byte character that does not fit whole is left out.
    const std::string longText = std::string(254, 'x') + text_functions_test::kA + "y";
    EXPECT_EQ(TextForExcelCell(out, CString(longText)).Bytes(), std::string(254, 'x'));
    EXPECT_EQ(TextForExcelCell(out, CString(std::string(300, 'x'))).GetLength(), 255);
    // Only the first 511 bytes are read: 170 times "a CR LF" and one more "a".
    std::string lines;
    for (int i = 0; i < 300; ++i)
        lines += "a\r\n";
    EXPECT_EQ(TextForExcelCell(out, CString(lines)).Bytes(), std::string(171, 'a'));

    // The 511 bytes read end on a character boundary: byte 511 would be a lead byte.
    std::string fromCell;
    for (int i = 0; i < 256; ++i)
        fromCell += text_functions_test::kA;
    EXPECT_EQ(TextFromExcelCell(out, CString(fromCell)).Bytes(), fromCell.substr(0, 510));
    EXPECT_EQ(TextFromExcelCell(out, CString(std::string(600, '\n'))).GetLength(), 512);
}

TEST(TextFunctions, LineBreakRemovalHandlesLongTexts)
{
    CString out;
    EXPECT_EQ(RemoveCrLf(out, CString("A\r\nB\rC\nD\r")).Bytes(), "AB\rC\nD\r");
    EXPECT_EQ(ConvertCrLfToLf(CString("A\r\nB\rC\n")).Bytes(), "A\nB\rC\n");

    std::string big;
    for (int i = 0; i < 20000; ++i)
        big += "ab\r\n";
    EXPECT_EQ(RemoveCrLf(out, CString(big)).GetLength(), 40000);
    EXPECT_EQ(ConvertCrLfToLf(CString(big)).GetLength(), 60000);
}

TEST(TextFunctions, ReplaceAll)
{
    const struct
    {
        std::string source, find, replacement;
        BOOL matchCase;
        BOOL result;
        std::string out;
    } cases[] = {
        // clang-format off
        {"abcab", "ab", "x", TRUE, TRUE, "xcx"},
        {"abcab", "zz", "x", TRUE, FALSE, ""},
        {"aBcAb", "AB", "x", FALSE, TRUE, "xcx"},  // the source keeps its own case around the matches
        {"aBcAbd", "AB", "x", TRUE, FALSE, ""},
        {"aaa", "aa", "b", TRUE, TRUE, "ba"},
        {text_functions_test::kHyo + "\\", "\\", "/", TRUE, TRUE, text_functions_test::kHyo + "/"}, // a trail byte 0x5C is no match
        {"abc", "", "x", TRUE, FALSE, "abc"},             // an empty find text finds nothing
        // clang-format on
    };
    for (const auto& c : cases) {
        CString out("stale");
        EXPECT_EQ(ReplaceAllText(CString(c.source), CString(c.find), CString(c.replacement), c.matchCase, out),
                  c.result)
            << c.source;
        EXPECT_EQ(out.Bytes(), c.out) << c.source;
    }
}

TEST(TextFunctions, SplitFilePathAtTheLastSeparator)
{
    const struct
    {
        std::string path, name, folder;
    } cases[] = {
        // clang-format off
        {"file.zvr", "file.zvr", ""},
        {"", "", ""},
        {"C:\\work\\file.zvr", "file.zvr", "C:\\work"},
        {"/home/user/file.zvr", "file.zvr", "/home/user"},
        {"/home\\mixed/file.zvr", "file.zvr", "/home\\mixed"},
        {"dir\\" + text_functions_test::kHyo + ".zvr", text_functions_test::kHyo + ".zvr", "dir"}, // the trail byte of 表 is no separator
        {text_functions_test::kHyo, text_functions_test::kHyo, ""},
        {"dir/", "", "dir"},
        // clang-format on
    };
    for (const auto& c : cases) {
        CString name("stale"), folder("stale");
        SplitFilePath(CString(c.path), name, folder);
        EXPECT_EQ(name.Bytes(), c.name) << c.path;
        EXPECT_EQ(folder.Bytes(), c.folder) << c.path;
    }
}

TEST(TextFunctions, PointClassificationAndEdgeMapping)
{
    const CRect rect(0, 100, 200, 0);
    const struct
    {
        CPoint point;
        int code;
    } classes[] = {
        // clang-format off
        {{0, 100}, 0x92},   {{-1, 101}, 0x94}, {{100, 50}, 0x01}, {{100, 100}, 0x12}, {{100, 0}, 0x22},
        {{200, 50}, 0x42},  {{0, 50}, 0x82},   {{200, 0}, 0x62},  {{-5, 100}, 0x94},  {{300, 50}, 0x44},
        {{100, -1}, 0x24},  {{201, -1}, 0x64},
        // clang-format on
    };
    for (const auto& c : classes)
        EXPECT_EQ(ClassifyPointInRect(rect, c.point), c.code) << c.point.x << "," << c.point.y;

    const CRect wide(0, 100, 400, -100);
    const struct
    {
        CPoint point, mapped;
    } maps[] = {
        // clang-format off
        {{50, 100}, {100, 100}},    // a quarter along the top edge stays a quarter along
        {{50, 0}, {100, -100}},     // bottom edge
        {{200, 50}, {400, 0}},      // right edge: 100 + (50 - 100) * -200 / -100
        {{0, 25}, {0, -50}},        // left edge
        {{200, 100}, {400, 100}},   // corners go to corners
        {{0, 0}, {0, -100}},
        {{100, 50}, {100, 50}},     // inside: moves with the top-left corner
        {{-10, 120}, {-10, 120}},
        // clang-format on
    };
    for (const auto& c : maps) {
        CPoint out;
        EXPECT_EQ(MapEdgePointBetweenRects(out, rect, c.point, wide), c.mapped) << c.point.x << "," << c.point.y;
    }
    CPoint out;
    EXPECT_EQ(MapEdgePointBetweenRects(out, rect, CPoint(150, 100), CRect(10, 90, 210, 10)), CPoint(150, 90));
    EXPECT_EQ(MapEdgePointBetweenRects(out, rect, CPoint(50, 50), CRect(10, 90, 210, 10)), CPoint(60, 40));

    // Rectangles spanning more than 32 bits: edges map exactly, a moved point is held at the bound.
    const CRect huge(-2000000000, 2000000000, 2000000000, -2000000000);
    EXPECT_EQ(MapEdgePointBetweenRects(out, huge, CPoint(0, 2000000000), CRect(0, 10, 100, 0)), CPoint(50, 10));
    EXPECT_EQ(MapEdgePointBetweenRects(out, huge, CPoint(0, 0), CRect(2000000000, 0, 2100000000, -10)),
              CPoint(INT_MAX, -2000000000));
}
