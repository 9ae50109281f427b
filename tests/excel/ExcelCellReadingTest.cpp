// The cell readings of the imports, over workbooks as other programs write them: .xlsx with
// shared and inline strings, numbers, truth values and formulas, and the same cells in .ods.
#include "tests/excel/HandMadeWorkbooks.h"

#include "excel/ExcelCellReading.h"
#include "platform/sheet/SheetError.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace excel_cell_reading_test {

using namespace hand_made_workbooks;

// The xlsx cell of row r in column A: a number, a formula, a truth value or an inline string.
std::string Num(int r, const char* v)
{
    return "<row r=\"" + std::to_string(r) + "\"><c r=\"A" + std::to_string(r) + "\"><v>" + v + "</v></c></row>";
}
std::string Inline(int r, const std::string& is)
{
    return "<row r=\"" + std::to_string(r) + "\"><c r=\"A" + std::to_string(r) + "\" t=\"inlineStr\"><is>" + is +
           "</is></c></row>";
}
std::string Shared(int r, int index)
{
    return "<row r=\"" + std::to_string(r) + "\"><c r=\"A" + std::to_string(r) + "\" t=\"s\"><v>" +
           std::to_string(index) + "</v></c></row>";
}

QByteArray XlsxTable()
{
    return Xlsx(Shared(1, 0) + Num(2, "12") + Num(3, "1.5") + Num(4, "0.3") + Num(5, "1E+20") + Num(6, "0") +
                    "<row r=\"8\"><c r=\"A8\" t=\"b\"><v>1</v></c></row>"
                    "<row r=\"9\"><c r=\"A9\"><f>1+2</f><v>3</v></c></row>"
                    "<row r=\"10\"><c r=\"A10\" t=\"str\"><f>\"a\"&amp;\"b\"</f><v>ab</v></c></row>" +
                    Inline(11, "<t>inline</t>") + Inline(12, "<r><t>ri</t></r><r><t>ch</t></r><rPh><t>x</t></rPh>") +
                    // A row and cells without references follow the ones before them.
                    "<row><c t=\"inlineStr\"><is><t>x</t></is></c><c t=\"inlineStr\"><is><t>y</t></is></c></row>" +
                    Inline(14, "<t>yEs</t>") + Shared(15, 1) + Inline(16, "<t> 12ab</t>") + Num(17, "2.9") +
                    Num(18, "3000000000") + Inline(19, "<t>-1</t>") + Inline(20, "<t>No</t>") +
                    Inline(21, "<t xml:space=\"preserve\">a  b\n c</t>"),
                {"abc", "\xF0\x9F\x98\x80x"});
}

std::string OdsCell(const std::string& attributes, const std::string& text = "")
{
    return "<table:table-row><table:table-cell " + attributes + ">" +
           (text.empty() ? std::string() : "<text:p>" + text + "</text:p>") + "</table:table-cell></table:table-row>";
}
std::string OdsText(const std::string& text)
{
    return OdsCell("office:value-type=\"string\"", text);
}
std::string OdsNumber(const char* value)
{
    return OdsCell(std::string("office:value-type=\"float\" office:value=\"") + value + "\"", value);
}

QByteArray OdsTable()
{
    return Ods(
        OdsText("abc") + OdsNumber("12") + OdsNumber("1.5") + OdsNumber("0.3") + OdsNumber("1E+20") + OdsNumber("0") +
        "<table:table-row><table:table-cell/></table:table-row>" +
        OdsCell("office:value-type=\"boolean\" office:boolean-value=\"true\"", "TRUE") +
        OdsCell("table:formula=\"of:=1+2\" office:value-type=\"float\" office:value=\"3\"", "3") +
        OdsCell("table:formula=\"of:=&quot;a&quot;&amp;&quot;b&quot;\" office:value-type=\"string\" "
                "office:string-value=\"ab\"",
                "ab") +
        OdsText("inline") + OdsText("ri<text:span>ch</text:span>") +
        "<table:table-row><table:table-cell office:value-type=\"string\"><text:p>x</text:p></table:table-cell>"
        "<table:table-cell office:value-type=\"string\"><text:p>y</text:p></table:table-cell></table:table-row>" +
        OdsText("yEs") + OdsText("\xF0\x9F\x98\x80x") + OdsText(" 12ab") + OdsNumber("2.9") + OdsNumber("3000000000") +
        OdsText("-1") + OdsText("No") +
        // Two paragraphs, a run of spaces and a comment, as LibreOffice writes them.
        OdsCell("office:value-type=\"string\"", "a<text:s text:c=\"2\"/>b</text:p><office:annotation><text:p>note"
                                                "</text:p></office:annotation><text:p><text:s/>c"));
}

TEST(ExcelCellReading, EveryKindOfCellReadsAsTheTextItShowsInXlsxAndOds)
{
    const struct
    {
        long row;
        int column;
        const char* text;
        WORD whole;
        int flag; // -1 none, else FALSE or TRUE
    } cells[] = {
        {1, 0, "abc", 0, 0},
        {2, 0, "12", 12, 0},
        {3, 0, "1.5", 1, 0},
        {4, 0, "0.3", 0, 0},
        {5, 0, "1e20", 0, 0}, // 10^20 is a multiple of 2^16
        {6, 0, "0", 0, 0},    // never taken for an empty cell
        {7, 0, "", 0, -1},
        {8, 0, "TRUE", 1, 1},
        {9, 0, "3", 3, 0},
        {10, 0, "ab", 0, 0},
        {11, 0, "inline", 0, 0},
        {12, 0, "rich", 0, 0},
        {13, 0, "x", 0, 0},
        {13, 1, "y", 0, 0},
        {14, 0, "yEs", 0, 1},
        {15, 0, "?x", 0, 0},
        {16, 0, " 12ab", 12, 0},
        {17, 0, "2.9", 2, 0},
        {18, 0, "3000000000", WORD(3000000000u & 0xFFFF), 0},
        {19, 0, "-1", 0xFFFF, 0},
        {20, 0, "No", 0, 0},
        {21, 0, "a  b\n c", 0, 0},
    };
    QTemporaryDir dir;
    for (const auto& [name, bytes] : {std::pair{"table.xlsx", XlsxTable()}, std::pair{"table.ods", OdsTable()}}) {
        const QString path = dir.filePath(name);
        ASSERT_TRUE(WriteBytes(path, bytes));
        std::unique_ptr<SheetWorkbook> book;
        try {
            book = SheetWorkbook::Open(path);
        } catch (const SheetError& e) {
            FAIL() << name << ": " << e.Message().GetString();
        }
        ASSERT_EQ(book->SheetCount(), 2) << name;
        int replaced = 0;
        const ExcelImportSheet sheet(book->Sheet(1), replaced);
        for (const auto& c : cells) {
            EXPECT_EQ(sheet.Text(c.column, c.row), CString(c.text)) << name << " row " << c.row;
            EXPECT_EQ(sheet.WholeNumber(c.column, c.row), c.whole) << name << " row " << c.row;
            const auto flag = sheet.Flag(c.column, c.row);
            EXPECT_EQ(flag ? int(*flag) : -1, c.flag) << name << " row " << c.row;
        }
        EXPECT_EQ(sheet.LongNumber(0, 18), 3000000000u) << name;
        EXPECT_EQ(replaced, 1) << name; // the one character code page 932 lacks, counted once
    }
}

TEST(ExcelCellReading, AFewBytesAskingForBillionsOfCellsAreRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("repeated.ods");
    ASSERT_TRUE(WriteBytes(path, Ods("<table:table-row table:number-rows-repeated=\"1048576\">"
                                     "<table:table-cell table:number-columns-repeated=\"1024\" "
                                     "office:value-type=\"float\" office:value=\"1\"/></table:table-row>")));
    try {
        SheetWorkbook::Open(path);
        ADD_FAILURE() << "read a billion cells";
    } catch (const SheetError& e) {
        EXPECT_NE(e.Message().Find(CString(u8"大きすぎる")), -1) << e.Message().GetString();
    }
}

TEST(ExcelCellReading, NullOptionsTypesAndLongTexts)
{
    SheetWorkbook book(1);
    SheetWorksheet& sheet = book.Sheet(1);
    const char8_t* const texts[] = {u8"not null", u8"NULL", u8"なし", u8"", u8"NUL", u8"a\nb"};
    for (int i = 0; i < 6; ++i)
        sheet.Range(CString("A") + CString(std::to_string(i + 1))).SetValue(CString(texts[i]));
    int replaced = 0;
    const ExcelImportSheet reading(sheet, replaced);
    const std::optional<WORD> expected[] = {1, 2, 0, 2, std::nullopt};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(reading.NullOption(0, i + 1), expected[i]) << i;
    EXPECT_EQ(reading.LongText(0, 6), CString("a\r\nb"));
    const ExcelImportSheet::TypeReading empty = reading.DataType(0, 4, nullptr);
    EXPECT_TRUE(empty.recognised);
    EXPECT_TRUE(empty.name.IsEmpty());
    EXPECT_FALSE(reading.DataType(0, 1, nullptr).recognised);
}

} // namespace excel_cell_reading_test
