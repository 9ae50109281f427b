#include "platform/sheet/SheetError.h"
#include "platform/sheet/Workbook.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <gtest/gtest.h>

namespace workbook_test {

QString PathIn(const QTemporaryDir& dir, const char* name)
{
    return dir.filePath(QString::fromUtf8(name));
}

TEST(Workbook, TextsStayTextsNumbersStayNumbersAndEmptyTextsMakeNoCell)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromUtf8(reinterpret_cast<const char*>(u8"ﾓﾃﾞﾙ.xlsx")));
    {
        SheetWorkbook book(2);
        book.Sheet(1).SetName(CString(u8"構造図-概念ﾌｧｲﾙ"));
        book.Sheet(1).Range("A1").SetValue(CString(u8"ﾌｧｲﾙ番号"));
        // Texts that look like numbers, dates or formulas must arrive as typed.
        book.Sheet(1).Range("A2:F2").SetValue(std::vector<CString>{"0012", "1e3", "", "=1+1", " 7", CString(u8"顧客")});
        book.Sheet(1).Range("A3").SetValue(40000.0);
        book.Sheet(2).Range("IV70000").SetValue(CString("far"));
        book.SaveAs(path);
    }
    const std::unique_ptr<SheetWorkbook> read = SheetWorkbook::Open(path);
    ASSERT_EQ(read->SheetCount(), 2);
    SheetWorksheet& first = read->Sheet(1);
    EXPECT_EQ(first.Name(), CString(u8"構造図-概念ﾌｧｲﾙ"));
    EXPECT_EQ(read->Sheet(2).Name(), CString("Sheet2"));
    EXPECT_EQ(first.Range("A1").Text(), CString(u8"ﾌｧｲﾙ番号"));
    const struct
    {
        const char* address;
        SheetValue value;
    } cells[] = {
        {"A2", SheetValue::Text("0012")},
        {"B2", SheetValue::Text("1e3")},
        {"C2", SheetValue()},
        {"D2", SheetValue::Text("=1+1")},
        {"E2", SheetValue::Text(" 7")},
        {"F2", SheetValue::Text(reinterpret_cast<const char*>(u8"顧客"))},
        {"A3", SheetValue::Number(40000)},
    };
    for (const auto& cell : cells)
        EXPECT_EQ(first.Range(cell.address).Value(), cell.value) << cell.address;
    EXPECT_EQ(first.CellCount(), 7); // C2 was never a cell
    EXPECT_EQ(first.Range("A3").Text(), CString("40000"));
    EXPECT_EQ(read->Sheet(2).Range("IV70000").Text(), CString("far"));
}

TEST(Workbook, SheetNamesAreCheckedWithAClearMessage)
{
    const struct
    {
        const char8_t* name;
        bool valid;
    } cases[] = {
        {u8"-概念ﾌｧｲﾙ", true},
        {u8"１２３４５６７８９０１２３４５６７８９０１２３４５６７８９０１", true}, // 31 characters, 62 bytes
        {u8"１２３４５６７８９０１２３４５６７８９０１２３４５６７８９０１２", false},
        {u8"", false},
        {u8"a[1]", false},
        {u8"a:b", false},
        {u8"a/b", false},
        {u8"a\\b", false},
        {u8"a?", false},
        {u8"a*", false},
        {u8"'quoted'", false},
    };
    for (const auto& c : cases) {
        SheetWorkbook book(1);
        const CString name(c.name);
        if (c.valid) {
            EXPECT_NO_THROW(book.Sheet(1).SetName(name)) << name.GetString();
            EXPECT_EQ(book.Sheet(1).Name(), name);
            continue;
        }
        try {
            book.Sheet(1).SetName(name);
            ADD_FAILURE() << "accepted " << name.GetString();
        } catch (const SheetError& e) {
            EXPECT_NE(e.Message().Find(name.IsEmpty() ? "\"\"" : name.GetString()), -1);
            EXPECT_EQ(book.Sheet(1).Name(), CString("Sheet1"));
        }
    }
    SheetWorkbook book(2);
    book.Sheet(1).SetName("Data");
    EXPECT_THROW(book.Sheet(2).SetName("DATA"), SheetError);
    EXPECT_THROW(book.Sheet(3), SheetError);
    EXPECT_THROW(book.Sheet(1).Range("A0"), SheetError);
    EXPECT_THROW(book.Sheet(1).Range("XFE1"), SheetError);
    EXPECT_THROW(book.Sheet(1).Range("B1:A1"), SheetError);
    EXPECT_THROW(book.Sheet(1).Range("A1:C1").SetValue(std::vector<CString>{"a", "b"}), SheetError);
}

TEST(Workbook, BytesThatAreNoCp932CharacterBecomeReplacementCharactersAndAreCounted)
{
    SheetWorkbook book(1);
    book.Sheet(1).Range("A1").SetValue(CString(u8"正常"));
    EXPECT_EQ(book.ReplacedTexts(), 0);
    book.Sheet(1).Range("A2").SetValue(CString("ab\x81" /* a lead byte without its trail */));
    book.Sheet(1).Range("A3").SetValue(CString("\xFF\xFFx"));
    EXPECT_EQ(book.ReplacedTexts(), 2);
    EXPECT_EQ(book.Sheet(1).Range("A3").Value().GetText(), "\xEF\xBF\xBD\xEF\xBF\xBDx");
}

TEST(Workbook, AFailedWriteIsReportedAndLeavesTheOldFileAndNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = PathIn(dir, "out.xlsx");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    SheetWorkbook book(1);
    // A cell text longer than a cell may hold fails inside the writer.
    book.Sheet(1).Range("A1").SetValue(CString(std::string(40000, 'x')));
    EXPECT_THROW(book.SaveAs(path), SheetError);
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    try {
        SheetWorkbook(1).SaveAs(dir.filePath("missing/folder/out.xlsx"));
        ADD_FAILURE() << "wrote into a missing folder";
    } catch (const SheetError& e) {
        EXPECT_NE(e.Message().Find("missing/folder/out.xlsx"), -1);
    }
}

// A workbook written by libxlsxwriter directly: with constant memory it writes inline strings,
// and it can write formulas with their cached results.
void WriteRaw(const QString& path, bool constantMemory)
{
    lxw_workbook_options options{};
    options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
    lxw_workbook* wb = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    lxw_worksheet* ws = workbook_add_worksheet(wb, nullptr);
    worksheet_write_string(ws, 0, 0, "text", nullptr);
    worksheet_write_formula_num(ws, 1, 0, "=1+2", nullptr, 3);
    worksheet_write_formula_str(ws, 2, 0, "=\"a\"&\"b\"", nullptr, "ab");
    ASSERT_EQ(workbook_close(wb), LXW_NO_ERROR);
}

QByteArray StoredZip(const std::string& name, const QByteArray& data, std::uint32_t claimedSize)
{
    auto le = [](QByteArray& out, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.append(char((v >> (8 * i)) & 0xFF));
    };
    QByteArray zip;
    le(zip, 0x04034b50, 4);
    le(zip, 20, 2), le(zip, 0, 2), le(zip, 0, 2), le(zip, 0, 2), le(zip, 0, 2), le(zip, 0, 4);
    le(zip, std::uint32_t(data.size()), 4), le(zip, claimedSize, 4);
    le(zip, std::uint32_t(name.size()), 2), le(zip, 0, 2);
    zip.append(name.data(), qsizetype(name.size()));
    zip.append(data);
    const std::uint32_t central = std::uint32_t(zip.size());
    le(zip, 0x02014b50, 4);
    le(zip, 20, 2), le(zip, 20, 2), le(zip, 0, 2), le(zip, 0, 2), le(zip, 0, 2), le(zip, 0, 2), le(zip, 0, 4);
    le(zip, std::uint32_t(data.size()), 4), le(zip, claimedSize, 4);
    le(zip, std::uint32_t(name.size()), 2), le(zip, 0, 2), le(zip, 0, 2), le(zip, 0, 2), le(zip, 0, 2), le(zip, 0, 4),
        le(zip, 0, 4);
    zip.append(name.data(), qsizetype(name.size()));
    const std::uint32_t centralSize = std::uint32_t(zip.size()) - central;
    le(zip, 0x06054b50, 4);
    le(zip, 0, 2), le(zip, 0, 2), le(zip, 1, 2), le(zip, 1, 2), le(zip, centralSize, 4), le(zip, central, 4),
        le(zip, 0, 2);
    return zip;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(Workbook, ReadingTakesFormulaResultsAndRefusesWhatItCannotReadWhole)
{
    QTemporaryDir dir;
    const QString formulas = PathIn(dir, "formulas.xlsx");
    WriteRaw(formulas, false);
    const auto book = SheetWorkbook::Open(formulas);
    EXPECT_EQ(book->Sheet(1).Range("A1").Text(), CString("text"));
    EXPECT_EQ(book->Sheet(1).Range("A2").Value(), SheetValue::Number(3));
    EXPECT_EQ(book->Sheet(1).Range("A3").Value(), SheetValue::Text("ab"));

    const QString inlineStrings = PathIn(dir, "inline.xlsx");
    WriteRaw(inlineStrings, true);
    QFile whole(formulas);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray valid = whole.readAll();

    const struct
    {
        const char* name;
        QByteArray bytes;
        const char8_t* says;
    } refused[] = {
        {"plain.xlsx", QByteArray("not a workbook at all"), u8"ﾜｰｸﾌﾞｯｸ(.xlsx, .ods)ではありません"},
        {"truncated.xlsx", valid.left(valid.size() / 2), u8"ではありません"},
        {"bomb.xlsx", StoredZip("xl/workbook.xml", "<x/>", 0x7FFFFFF0), u8"大きすぎる"},
        {"notworkbook.zip", StoredZip("readme.txt", "hello", 5), u8"ではありません"},
        {"damaged.xlsx", StoredZip("xl/workbook.xml", "<workbook><sheets><sheet", 24), u8"壊れている"},
    };
    for (const auto& c : refused) {
        const QString path = PathIn(dir, c.name);
        WriteFile(path, c.bytes);
        try {
            SheetWorkbook::Open(path);
            ADD_FAILURE() << "read " << c.name;
        } catch (const SheetError& e) {
            EXPECT_NE(e.Message().Find(CString(c.says)), -1) << c.name << ": " << e.Message().GetString();
        }
    }
    // Inline strings (which liborcus alone drops) arrive with the other cells.
    const auto inlineBook = SheetWorkbook::Open(inlineStrings);
    EXPECT_EQ(inlineBook->Sheet(1).Range("A1").Value(), SheetValue::Text("text"));
    EXPECT_EQ(inlineBook->Sheet(1).Range("A2").Value(), SheetValue::Number(3));
    EXPECT_EQ(inlineBook->Sheet(1).Range("A3").Value(), SheetValue::Text("ab"));
}

TEST(Workbook, TruthValuesAndNumbersReadAsTheyShow)
{
    QTemporaryDir dir;
    const QString path = PathIn(dir, "values.xlsx");
    {
        SheetWorkbook book(1);
        book.Sheet(1).Range("A1").SetValue(SheetValue::Boolean(true));
        book.Sheet(1).Range("A2").SetValue(SheetValue::Boolean(false));
        book.SaveAs(path);
    }
    const auto book = SheetWorkbook::Open(path);
    EXPECT_EQ(book->Sheet(1).Range("A1").Text(), CString("TRUE"));
    EXPECT_EQ(book->Sheet(1).Range("A2").Text(), CString("FALSE"));
    const struct
    {
        double number;
        const char* text;
    } numbers[] = {{12, "12"},
                   {1.5, "1.5"},
                   {0.3, "0.3"},
                   {1e20, "1e20"},
                   {0, "0"},
                   {-0.0, "0"},
                   {-2.5, "-2.5"},
                   {123456789012, "123456789012"},
                   {1e-7, "1e-7"},
                   {4294967296.0, "4294967296"},
                   {0.1 + 0.2, "0.30000000000000004"}};
    for (const auto& n : numbers)
        EXPECT_EQ(SheetNumberText(n.number), n.text) << n.number;
}

} // namespace workbook_test
