// Writes the fuzzer's seed workbooks into the folder given: .xlsx files as the program's export
// writes them and the kinds of .ods and .xlsx files the imports read (inline strings, formulas
// with cached results, repeated rows and cells, several paragraphs).
#include "platform/sheet/Workbook.h"
#include "tests/excel/HandMadeWorkbooks.h"

#include <QDir>
#include <QString>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s folder\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    {
        SheetWorkbook book(2);
        book.Sheet(1).SetName(CString(u8"構造図-概念ﾌｧｲﾙ"));
        book.Sheet(2).SetName(CString(u8"構造図-所属ﾃﾞｰﾀ項目"));
        book.Sheet(1).Range("A1:E1").SetValue(
            std::vector<CString>{CString(u8"ﾌｧｲﾙ番号"), CString(u8"ﾌｧｲﾙ名"), "KEY", "X", "Y"});
        for (int r = 2; r <= 6; ++r) {
            const std::string row = std::to_string(r);
            book.Sheet(1).Range(CString(("A" + row).c_str())).SetValue(double(r));
            book.Sheet(1).Range(CString(("B" + row).c_str())).SetValue(CString(u8"顧客ﾏｽﾀ"));
            book.Sheet(1).Range(CString(("C" + row).c_str())).SetValue(SheetValue::Boolean(r % 2 == 0));
            book.Sheet(2)
                .Range(CString(("A" + row + ":C" + row).c_str()))
                .SetValue(std::vector<CString>{"1", CString(u8"顧客番号"), "CHAR(10)"});
        }
        book.SaveAs(dir.filePath("export.xlsx"));
    }
    namespace hm = hand_made_workbooks;
    const struct
    {
        const char* name;
        QByteArray bytes;
    } seeds[] = {
        {"inline.xlsx", hm::Xlsx("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a</t><r><t>b</t></r></is></c>"
                                 "<c r=\"B1\" t=\"s\"><v>0</v></c><c r=\"C1\" t=\"b\"><v>1</v></c></row>",
                                 {"shared"})},
        {"formulas.xlsx", hm::Xlsx("<row r=\"1\"><c r=\"A1\"><f>1+1</f><v>2</v></c>"
                                   "<c r=\"B1\"><f t=\"array\" ref=\"B1:B2\">A1*2</f><v>4</v></c>"
                                   "<c r=\"C1\" t=\"str\"><f t=\"shared\" ref=\"C1:C3\" si=\"0\">\"x\"</f><v>x</v></c>"
                                   "</row><row r=\"2\"><c r=\"B2\"><v>4</v></c>"
                                   "<c r=\"C2\" t=\"str\"><f t=\"shared\" si=\"0\"/><v>x</v></c></row>")},
        {"cells.ods",
         hm::Ods(
             "<table:table-row table:number-rows-repeated=\"2\">"
             "<table:table-cell office:value-type=\"float\" office:value=\"7\"><text:p>7</text:p></table:table-cell>"
             "<table:table-cell office:value-type=\"string\"><text:p>a<text:s text:c=\"2\"/>b</text:p>"
             "<text:p>c<text:tab/></text:p></table:table-cell>"
             "<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"true\"/>"
             "<table:table-cell table:number-columns-repeated=\"3\"/>"
             "<table:table-cell table:formula=\"of:=1+1\" office:value-type=\"float\" office:value=\"2\"/>"
             "</table:table-row>")},
    };
    for (const auto& seed : seeds)
        if (!hm::WriteBytes(dir.filePath(seed.name), seed.bytes))
            return 1;
    return 0;
}
