// Workbooks built to hurt the reader, each a few hundred bytes to a few dozen KB: every one must
// end in a correct workbook or the reader's refusal naming the file, never in a crash, an endless
// read, gigabytes of memory or a partial read taken for the whole.
#include "tests/excel/HandMadeWorkbooks.h"

#include "platform/sheet/SheetError.h"
#include "platform/sheet/Workbook.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace hostile_workbook_test {

using namespace hand_made_workbooks;

std::string Repeat(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

std::string OdsRow(const std::string& cells, const char* repeated = nullptr)
{
    return std::string("<table:table-row") +
           (repeated ? std::string(" table:number-rows-repeated=\"") + repeated + "\"" : std::string()) + ">" + cells +
           "</table:table-row>";
}

std::string OdsString(const std::string& text, const char* repeated = nullptr)
{
    return std::string("<table:table-cell office:value-type=\"string\"") +
           (repeated ? std::string(" table:number-columns-repeated=\"") + repeated + "\"" : std::string()) +
           "><text:p>" + text + "</text:p></table:table-cell>";
}

std::string OdsEmpty(const char* repeated)
{
    return std::string("<table:table-cell table:number-columns-repeated=\"") + repeated + "\"/>";
}

// The zip with one byte of the named part's data changed, its directory left as it was.
QByteArray WithPartByteChanged(QByteArray zip, const std::string& name, int offset)
{
    const qsizetype at = zip.indexOf(QByteArray::fromStdString(name));
    zip[at + qsizetype(name.size()) + offset] = char(zip[at + qsizetype(name.size()) + offset] ^ 0x20);
    return zip;
}

// The zip with the compressed size the directory gives for the named part replaced.
QByteArray WithPackedSize(QByteArray zip, const std::string& name, std::uint32_t size)
{
    const qsizetype at = zip.lastIndexOf(QByteArray::fromStdString(name)) - 46 + 20;
    for (int i = 0; i < 4; ++i)
        zip[at + i] = char((size >> (8 * i)) & 0xFF);
    return zip;
}

// The package with the named part cut where `at` first stands in it: its end tags missing, its
// zip consistent.
QByteArray CutPart(std::vector<std::pair<std::string, QByteArray>> parts, const std::string& part, const char* at)
{
    for (auto& [name, data] : parts)
        if (name == part)
            data.truncate(data.indexOf(at));
    return StoredZip(parts);
}

// The package with its first sheet part under another name, every reference to it following.
std::vector<std::pair<std::string, QByteArray>> RenamedSheet(std::vector<std::pair<std::string, QByteArray>> parts,
                                                             const std::string& name)
{
    for (auto& [part, data] : parts) {
        if (part == "xl/worksheets/sheet1.xml")
            part = "xl/worksheets/" + name;
        data.replace("sheet1.xml", QByteArray::fromStdString(name));
    }
    return parts;
}

// 40,000 rows of one number each, 1.4 MB.
std::string Rows()
{
    std::string rows;
    for (int r = 1; r <= 40000; ++r)
        rows += "<row r=\"" + std::to_string(r) + "\"><c r=\"A" + std::to_string(r) + "\"><v>" + std::to_string(r) +
                "</v></c></row>";
    return rows;
}

TEST(HostileWorkbook, EachConstructionIsRefusedWithTheReadersMessageAndTheFileName)
{
    const std::string arrayCell =
        "<row r=\"1\"><c r=\"A1\"><f t=\"array\" ref=\"A1:XFD1000\">1+1</f><v>2</v></c></row>";
    const QByteArray sound = Xlsx("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
    const struct
    {
        const char* name;
        QByteArray bytes;
        const char8_t* says;
    } cases[] = {
        // An array formula whose results would take 411 MB before a cell is read.
        {"array.xlsx", Xlsx(arrayCell), u8"大きすぎる"},
        // Repetitions past the last row or column, counted without overflowing.
        {"rows.ods", Ods(OdsRow(OdsEmpty("1"), "2147483647") + OdsRow(OdsString("x"))), u8"壊れている"},
        {"columns.ods", Ods(OdsRow(OdsEmpty("2147483647") + OdsEmpty("2147483647") + OdsString("x"))), u8"壊れている"},
        {"edge.ods", Ods(OdsRow(OdsEmpty("16383") + OdsString("x", "2"))), u8"壊れている"},
        {"empty.ods", Ods(OdsRow(OdsEmpty("2147483647") + OdsEmpty("2147483647"))), u8"壊れている"},
        // Rows of empty cells across the whole width, each walked cell by cell.
        {"wide.ods", Ods(Repeat(OdsRow(OdsEmpty("16384")), 20000)), u8"大きすぎる"},
        // A cell reference past the last row.
        {"far.xlsx", Xlsx("<row r=\"1048577\"><c r=\"A1048577\"><v>1</v></c></row>"), u8"壊れている"},
        // A compressed size that runs past the end of the file.
        {"packed.xlsx", WithPackedSize(sound, "xl/worksheets/sheet1.xml", 0xFFFFFFF0), u8"壊れている"},
        // Texts longer than a cell holds, built from a few bytes or given whole.
        {"spaces.ods", Ods(OdsRow(OdsString(Repeat("<text:s text:c=\"2147483647\"/>", 10000)))), u8"壊れている"},
        {"inline.xlsx",
         Xlsx("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>" + std::string(40000, 'x') + "</t></is></c></row>"),
         u8"壊れている"},
        {"shared.xlsx", Xlsx("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>", {std::string(40000, 'x')}),
         u8"壊れている"},
        // A part whose bytes are not those its CRC-32 was taken of.
        {"crc.xlsx", WithPartByteChanged(sound, "xl/worksheets/sheet1.xml", 100), u8"壊れている"},
        {"cut.xlsx", CutPart(XlsxParts(Rows()), "xl/worksheets/sheet1.xml", "<row r=\"20001\">"), u8"壊れている"},
        {"rels.xlsx", CutPart(XlsxParts(""), "xl/_rels/workbook.xml.rels", "<Relationship Id=\"rId3\""),
         u8"壊れている"},
        // The reason names the part in the message's own code page.
        {"named.xlsx",
         CutPart(RenamedSheet(XlsxParts(Rows()), "表1.xml"), "xl/worksheets/表1.xml", "<row r=\"20001\">"),
         u8"xl/worksheets/表1.xml"},
        {"cut.ods", CutPart(OdsParts(OdsRow(OdsString("x"))), "content.xml", "</table:table>"), u8"壊れている"},
        // A long text repeated over many cells: gigabytes from a few bytes.
        {"long.ods", Ods(OdsRow(OdsString(std::string(30000, 'x'), "16384"), "1000")), u8"大きすぎる"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        ASSERT_TRUE(WriteBytes(path, c.bytes));
        try {
            SheetWorkbook::Open(path);
            ADD_FAILURE() << "read " << c.name;
        } catch (const SheetError& e) {
            EXPECT_NE(e.Message().Find(CString(c.says)), -1) << c.name << ": " << e.Message().GetString();
            EXPECT_NE(e.Message().Find(CString(c.name)), -1) << c.name << ": " << e.Message().GetString();
        }
    }
}


// Every cell of a sheet as "row,column=text", row by row.
std::vector<std::string> CellTexts(const SheetWorksheet& sheet)
{
    std::vector<std::string> cells;
    for (const auto& [position, value] : sheet.AllCells())
        cells.push_back(std::to_string(position.first) + "," + std::to_string(position.second) + "=" +
                        SheetCellText(value).GetString());
    return cells;
}

TEST(HostileWorkbook, UnusualButSoundConstructionsReadCorrectly)
{
    std::string farRight;
    for (int r = 1; r <= 2000; ++r)
        farRight += "<row r=\"" + std::to_string(r) + "\"><c r=\"XFD" + std::to_string(r) + "\"><v>" +
                    std::to_string(r) + "</v></c></row>";
    const struct
    {
        const char* name;
        QByteArray bytes;
        std::vector<std::string> cells; // the first few, row by row
        int count;
    } cases[] = {
        // Array formulas give their cached results like other formula cells.
        {"array.xlsx",
         Xlsx("<row r=\"1\"><c r=\"A1\"><f t=\"array\" ref=\"A1\">1+1</f><v>2</v></c>"
              "<c r=\"B1\"><f t=\"array\" ref=\"B1:B2\">A1*{1;2}</f><v>2</v></c></row>"
              "<row r=\"2\"><c r=\"B2\"><v>4</v></c></row>"),
         {"0,0=2", "0,1=2", "1,1=4"},
         3},
        // Cells far to the right cost what they hold.
        {"far.xlsx", Xlsx(farRight), {"0,16383=1", "1,16383=2"}, 2000},
        {"far.ods",
         Ods(OdsRow(OdsEmpty("16383") + OdsString("x"), "1000") + OdsRow(OdsEmpty("1024"), "1047576")),
         {"0,16383=x", "1,16383=x"},
         1000},
        // Numbers of repeated rows repeat like the other cells.
        {"repeated.ods",
         Ods(OdsRow("<table:table-cell office:value-type=\"float\" office:value=\"7\"><text:p>7</text:p>"
                    "</table:table-cell>" +
                        OdsString("s") +
                        "<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"true\"/>",
                    "3")),
         {"0,0=7", "0,1=s", "0,2=TRUE", "1,0=7", "1,1=s", "1,2=TRUE", "2,0=7", "2,1=s", "2,2=TRUE"},
         9},
        // A text as long as a cell holds.
        {"long.ods",
         Ods(OdsRow(OdsString("<text:s text:c=\"32766\"/>x"))),
         {"0,0=" + std::string(32766, ' ') + "x"},
         1},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        ASSERT_TRUE(WriteBytes(path, c.bytes));
        std::unique_ptr<SheetWorkbook> book;
        try {
            book = SheetWorkbook::Open(path);
        } catch (const SheetError& e) {
            ADD_FAILURE() << c.name << ": " << e.Message().GetString();
            continue;
        }
        const SheetWorksheet& sheet = book->Sheet(1);
        EXPECT_EQ(sheet.CellCount(), c.count) << c.name;
        std::vector<std::string> cells = CellTexts(sheet);
        cells.resize(std::min(cells.size(), c.cells.size()));
        EXPECT_EQ(cells, c.cells) << c.name;
    }
}

} // namespace hostile_workbook_test
