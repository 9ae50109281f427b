#include "tests/model/RelationModel.h"

#include "excel/ExcelExport.h"
#include "model/DataComp.h"
#include "model/DataGenSrc.h"
#include "model/ExcelExportContext.h"
#include "model/FlowComp.h"
#include "model/Kadai.h"
#include "objects/GroupObj.h"
#include "objects/StrgObj.h"
#include "platform/afx/Cp932.h"
#include "platform/sheet/SheetError.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace excel_export_test {

using Table = std::vector<std::vector<std::string>>;

// "#12" for the number cell 12. (Formatted rather than concatenated: GCC 12 warns wrongly about
// prepending to a std::string in optimised builds.)
std::string NumberCell(long long value)
{
    char text[32];
    std::snprintf(text, sizeof text, "#%lld", value);
    return text;
}

// The stem followed by the number: "f12".
std::string Numbered(const char* stem, int number)
{
    char text[32];
    std::snprintf(text, sizeof text, "%s%d", stem, number);
    return text;
}

std::string U(const char8_t* text)
{
    return reinterpret_cast<const char*>(text);
}

// A sheet as rows of cells: texts as they stand, numbers as "#n", no cell as "".
Table TableOf(const SheetWorksheet& sheet)
{
    Table table;
    for (int r = 0; r < sheet.RowCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < sheet.ColumnCount(r); ++c) {
            const SheetValue& value = sheet.Cell(r, c);
            if (value.GetKind() == SheetValue::Kind::Number)
                row.push_back(NumberCell(static_cast<long long>(value.GetNumber())));
            else
                row.push_back(value.GetText());
        }
        while (!row.empty() && row.back().empty())
            row.pop_back();
        table.push_back(row);
    }
    return table;
}

std::string Joined(const std::vector<std::string>& row)
{
    std::string text;
    for (const std::string& cell : row)
        text += cell + "|";
    return text;
}

// Row by row, readable when they differ.
void ExpectTable(const Table& actual, const Table& expected, const char* what)
{
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const std::string got = i < actual.size() ? Joined(actual[i]) : "(none)";
        const std::string want = i < expected.size() ? Joined(expected[i]) : "(none)";
        if (got != want)
            ADD_FAILURE() << what << " row " << i + 1 << "\n got: " << got << "\nwant: " << want;
    }
}

std::vector<std::string> Row(std::initializer_list<const char8_t*> cells)
{
    std::vector<std::string> row;
    for (const char8_t* cell : cells)
        row.push_back(U(cell));
    while (!row.empty() && row.back().empty())
        row.pop_back();
    return row;
}

CData* Item(WORD number, const char* name, const char* numberText, const char* key = "N", WORD group = 0,
            WORD order = 0)
{
    return new CData(number, name, numberText, key, "N", "", group, order, 0, 1, 0);
}

class ExcelExportTest : public ::testing::Test
{
protected:
    // Exports, saves, reads the file back and returns it.
    std::unique_ptr<SheetWorkbook> Export(DWORD options, const CString& title, ExcelExportOutcome& outcome)
    {
        ExcelExportContext context;
        context.typeLabel = [](const CString& name, WORD editKind) {
            return name == "CHAR" && editKind == 1 ? CString(u8"CHAR(桁数)") : CString();
        };
        auto book = ExcelExport::Build(model.doc, options, title, context, nullptr, outcome);
        const QString path = dir.filePath("out.xlsx");
        book->SaveAs(path);
        return SheetWorkbook::Open(path);
    }

    RelationModel model;
    QTemporaryDir dir;
};

TEST_F(ExcelExportTest, InterfaceFormWritesTheFourSheetsOfTheModel)
{
    const WORD parentId = model.File(CString(u8"顧客"));
    CFileComp& parent = model.FileAt(parentId);
    parent.SetFileNumber("0001");
    parent.SetSummary(CString("line1\r\nline2"));
    parent.SetPhysicalTarget(TRUE);
    parent.SetTableName("CUSTOMER");
    parent.AddData(Item(1, "id", "D01", "K", 1, 1));
    parent.AddData(Item(2, "kind", "D02"));
    parent.FindDataByNumber(1)->SetDataTypeName("CHAR");
    parent.FindDataByNumber(1)->SetEditKind(1);
    parent.FindDataByNumber(1)->SetDigits(8);
    parent.FindDataByNumber(1)->SetNullOption(1);
    parent.FindDataByNumber(2)->SetNullOption(3);

    const WORD childId = model.File("corp");
    CFileComp& child = model.FileAt(childId);
    child.SetFileNumber("0002");
    child.SetMergedIntoParent(TRUE);
    CData* ref = Item(1, "customer id", "D10");
    ref->SetRefFile(parentId);
    ref->SetRefItem(1);
    child.AddData(ref);
    CData* derived = Item(2, "total", "D11");
    auto* source = new CDataGenSrc;
    source->SetForm(CDataGenSrc::FORM_BY_TEXTS);
    source->ByTexts().srcFileNumber = "9";
    source->ByTexts().srcFileName = "other";
    source->ByTexts().srcItemNumber = "9-1";
    source->ByTexts().srcItemName = "amount";
    source->SetNote(CString("a\r\nb"));
    derived->GetSources().AddDataGenSrcDirect(source);
    child.AddData(derived);
    const WORD arrowId = model.Arrow(2, parentId, childId, TRUE);
    model.ArrowAt(arrowId).SetDiscriminator(1, parentId, 2);

    // Left out: a file with neither number nor name, however many items it has.
    const WORD anonymousId = model.File("");
    model.FileAt(anonymousId).SetKeyText("k");
    model.FileAt(anonymousId).AddData(Item(1, "lost", "D99"));

    auto* task = new CKadai(model.doc.NewObjectId(), CRect(0, 0, 100, -50));
    task->SetNumberText("T1");
    task->SetName("task");
    task->SetContents(CString("do\r\nthis"));
    {
        CUndoStep step(&model.doc);
        model.doc.AddObject(task);
    }

    ExcelExportOutcome outcome;
    const auto book = Export(0x80008, "model.zvr", outcome);
    EXPECT_TRUE(outcome.finished);
    ASSERT_EQ(book->SheetCount(), 4);
    EXPECT_EQ(book->Sheet(1).NameUtf8(), U(u8"model.zvr-概念ﾌｧｲﾙ"));
    EXPECT_EQ(book->Sheet(2).NameUtf8(), U(u8"model.zvr-所属ﾃﾞｰﾀ項目"));
    EXPECT_EQ(book->Sheet(3).NameUtf8(), U(u8"model.zvr-加工加工元関連"));
    EXPECT_EQ(book->Sheet(4).NameUtf8(), U(u8"model.zvr-課題"));

    const Table files = {
        Row({u8"ﾌｧｲﾙ番号",
             u8"概念ﾌｧｲﾙ名",
             u8"ﾌｧｲﾙ類型",
             u8"更新権ﾌﾗｸﾞ",
             u8"発生入出力番号",
             u8"親概念ﾌｧｲﾙ番号",
             u8"親概念ﾌｧｲﾙ名",
             u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目所属ﾌｧｲﾙ番号",
             u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目所属ﾌｧｲﾙ名",
             u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目番号",
             u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目名",
             u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目値",
             u8"概要説明",
             u8"詳細説明(値事例)",
             u8"ﾃｰﾌﾞﾙ名",
             u8"物理実装対象ﾌﾗｸﾞ",
             u8"物理実装は親概念ﾌｧｲﾙに統合ﾌﾗｸﾞ",
             u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名",
             u8"ﾃｰﾌﾞﾙ表領域",
             u8"ｲﾝﾃﾞｯｸｽ表領域",
             u8"物理追加ﾃﾞｰﾀ定義ﾌｧｲﾙ名",
             u8"物理追加ﾃﾞｰﾀ定義用専用ﾌﾗｸﾞ"}),
        // No parent: F, G and Q stay empty, not "No".
        Row({u8"0001", u8"顧客",         u8"", u8"No",       u8"",    u8"", u8"", u8"", u8"", u8"", u8"",
             u8"",     u8"line1\nline2", u8"", u8"CUSTOMER", u8"Yes", u8"", u8"", u8"", u8"", u8"", u8"No"}),
        Row({u8"0002", u8"corp", u8"", u8"No", u8"",    u8"0001", u8"顧客", u8"0001", u8"顧客", u8"D02", u8"",
             u8"",     u8"",     u8"", u8"",   u8"Yes", u8"Yes",  u8"",     u8"",     u8"",     u8"",    u8"No"}),
    };
    ExpectTable(TableOf(book->Sheet(1)), files, "files");

    const Table items = {
        Row({u8"ﾌｧｲﾙ番号",
             u8"概念ﾌｧｲﾙ名",
             u8"並び順",
             u8"ﾃﾞｰﾀ番号",
             u8"ﾃﾞｰﾀ項目名",
             u8"KEY機能ｺｰﾄﾞ",
             u8"代替KEYｸﾞﾙｰﾌﾟ番号",
             u8"KEYｸﾞﾙｰﾌﾟ内順序",
             u8"RKEY機能ｺｰﾄﾞ",
             u8"参照先ﾃﾞｰﾀ項目所属ﾌｧｲﾙ番号",
             u8"参照先ﾃﾞｰﾀ項目所属概念ﾌｧｲﾙ名",
             u8"参照先ﾃﾞｰﾀ項目番号",
             u8"参照先ﾃﾞｰﾀ項目名",
             u8"加工機能ｺｰﾄﾞ",
             u8"ﾚﾍﾞﾙ",
             u8"子ﾚﾍﾞﾙ内順序",
             u8"親概念ﾃﾞｰﾀ項目番号",
             u8"親概念ﾃﾞｰﾀ項目名",
             u8"概要説明",
             u8"式",
             u8"ｶﾗﾑ名",
             u8"桁数",
             u8"小数桁数",
             u8"ﾃﾞｰﾀﾀｲﾌﾟ",
             u8"物理実装対象ﾌﾗｸﾞ",
             u8"NULLｵﾌﾟｼｮﾝ",
             u8"ﾃﾞｨﾌｫﾙﾄ値"}),
        Row({u8"0001", u8"顧客", u8"1", u8"D01", u8"id", u8"K",          u8"1",   u8"1",       u8"N",
             u8"",     u8"",     u8"",  u8"",    u8"",   u8"1",          u8"",    u8"",        u8"",
             u8"",     u8"",     u8"",  u8"8",   u8"",   u8"CHAR(桁数)", u8"Yes", u8"NOT NULL"}),
        Row({u8"0001", u8"顧客", u8"2", u8"D02", u8"kind", u8"N", u8"", u8"", u8"N", u8"", u8"", u8"",    u8"",
             u8"",     u8"1",    u8"",  u8"",    u8"",     u8"",  u8"", u8"", u8"",  u8"", u8"", u8"Yes", u8"なし"}),
        Row({u8"0002", u8"corp", u8"1",  u8"D10", u8"customer id", u8"N",   u8"", u8"", u8"N", u8"0001",
             u8"顧客", u8"D01",  u8"id", u8"",    u8"1",           u8"",    u8"", u8"", u8"",  u8"",
             u8"",     u8"",     u8"",   u8"",    u8"Yes",         u8"NULL"}),
        Row({u8"0002", u8"corp", u8"2", u8"D11", u8"total", u8"N", u8"", u8"", u8"N", u8"", u8"", u8"",    u8"",
             u8"",     u8"1",    u8"",  u8"",    u8"",      u8"",  u8"", u8"", u8"",  u8"", u8"", u8"Yes", u8"NULL"}),
    };
    ExpectTable(TableOf(book->Sheet(2)), items, "items");

    const Table sources = {
        Row({u8"ﾌｧｲﾙ番号", u8"概念ﾌｧｲﾙ名", u8"加工ﾃﾞｰﾀ項目番号", u8"加工ﾃﾞｰﾀ項目名", u8"加工元ﾃﾞｰﾀ項目所属ﾌｧｲﾙ番号",
             u8"加工元ﾃﾞｰﾀ項目所属ﾌｧｲﾙ名", u8"加工元ﾃﾞｰﾀ項目番号", u8"加工元ﾃﾞｰﾀ項目名",
             u8"加工元参照ﾃﾞｰﾀ項目所属ﾌｧｲﾙ番号", u8"加工元参照ﾃﾞｰﾀ項目所属ﾌｧｲﾙ名", u8"加工元参照ﾃﾞｰﾀ項目番号1",
             u8"加工元参照ﾃﾞｰﾀ項目名1", u8"加工元参照ﾃﾞｰﾀ項目番号2", u8"加工元参照ﾃﾞｰﾀ項目名2",
             u8"加工元参照ﾃﾞｰﾀ項目番号3", u8"加工元参照ﾃﾞｰﾀ項目名3", u8"備考"}),
        Row({u8"0002", u8"corp", u8"D11", u8"total", u8"9", u8"other", u8"9-1", u8"amount", u8"", u8"", u8"", u8"",
             u8"", u8"", u8"", u8"", u8"a\nb"}),
    };
    ExpectTable(TableOf(book->Sheet(3)), sources, "sources");

    const Table tasks = {
        Row({u8"構造図番号", u8"課題番号", u8"課題名", u8"課題内容"}),
        Row({u8"", u8"T1", u8"task", u8"do\nthis"}),
    };
    ExpectTable(TableOf(book->Sheet(4)), tasks, "tasks");
}

TEST_F(ExcelExportTest, TextFormsWriteIdsAsNumbersAndItemsAcrossOrDown)
{
    auto* text = new CStrgObj(model.doc.NewObjectId(), CRect(0, 0, 10, -10), CString(std::string(300, 'x')));
    auto* data = new CDataComp(model.doc.NewObjectId(), CRect(0, 0, 10, -10));
    data->SetName("stock");
    data->SetText(CString("a\r\nb"));
    auto* process = new CFlowComp(model.doc.NewObjectId(), CRect(0, 0, 10, -10));
    process->SetName("p1");
    process->SetSupplement("s");
    {
        CUndoStep step(&model.doc);
        model.doc.AddObject(text);
        model.doc.AddObject(data);
        model.doc.AddObject(process);
    }
    const WORD fileId = model.File("order");
    model.FileAt(fileId).AddData(Item(1, "no", "1"));
    model.FileAt(fileId).AddData(Item(2, "date", "2"));
    const std::string ids[] = {NumberCell(text->GetObjectId()), NumberCell(data->GetObjectId()),
                               NumberCell(process->GetObjectId()), NumberCell(fileId)};
    const std::string cut(255, 'x');

    ExcelExportOutcome across;
    const Table acrossTable = {
        {U(u8"ｵﾌﾞｼﾞｪｸﾄID"), U(u8"ﾃｷｽﾄ")},    {ids[0], cut}, {ids[1], "stock", "ab"}, {ids[2], "p1", "", "s"},
        {ids[3], "", "order", "no", "date"},
    };
    ExpectTable(TableOf(Export(0x10000 | 0xF, "", across)->Sheet(1)), acrossTable, "acrossTable");
    EXPECT_EQ(across.tally.cutTexts, 1);

    ExcelExportOutcome down;
    const auto book =
        Export(0x20000 | 0x8, CString(u8"長い名前の構造図ファイルですがシート名は三十文字までに切られます.zvr"), down);
    EXPECT_EQ(book->Sheet(1).NameUtf8(), U(u8"長い名前の構造図ファイルですがシート名は三十文字までに切られ"));
    const Table downTable = {
        {U(u8"ｵﾌﾞｼﾞｪｸﾄID"), U(u8"ﾃｷｽﾄ")},
        {ids[3], "", "order"},
        {"", "", "no"},
        {"", "", "date"},
    };
    ExpectTable(TableOf(book->Sheet(1)), downTable, "downTable");
    EXPECT_TRUE(down.finished);
}

TEST_F(ExcelExportTest, ItemsBeyondTheLastColumnAndCutOrReplacedTextsAreReported)
{
    const WORD fileId = model.File("wide");
    for (int i = 1; i <= 300; ++i)
        model.FileAt(fileId).AddData(Item(WORD(i), Numbered("i", i).c_str(), ""));
    model.FileAt(fileId).SetFileNumber(CString("\x81"));

    ExcelExportOutcome outcome;
    const auto book = Export(0x10000 | 0x8, "", outcome);
    EXPECT_EQ(book->Sheet(1).NameUtf8(), "Sheet1"); // an unsaved document keeps the sheet's own name
    EXPECT_EQ(book->Sheet(1).Range("IV2").Text(), CString("i253"));
    EXPECT_TRUE(book->Sheet(1).Range("IW2").Value().IsEmpty());
    EXPECT_TRUE(outcome.finished);
    EXPECT_EQ(outcome.tally.droppedItems, 47);
    EXPECT_EQ(outcome.replacedTexts, 1);
    const CString message = ExcelExport::CompletionMessage(outcome, "/tmp/a.xlsx");
    EXPECT_EQ(message.Find(CString(u8"ｴｸｽﾎﾟｰﾄが完了しました。")), 0);
    EXPECT_NE(message.Find("/tmp/a.xlsx"), -1);
    EXPECT_NE(message.Find(CString(u8"47 件のﾃﾞｰﾀ項目を書き出せませんでした")), -1);
    EXPECT_NE(message.Find(CString(u8"U+FFFD")), -1);
}

TEST_F(ExcelExportTest, MatrixSharesRowsByItemNameAndAFullSheetIsNeverReportedComplete)
{
    const WORD a = model.File("A");
    model.FileAt(a).AddData(Item(1, "id", "", "K", 1, 1));
    model.FileAt(a).AddData(Item(2, "name", ""));
    const WORD b = model.File("B");
    model.FileAt(b).SetFileNumber("2");
    model.FileAt(b).AddData(Item(1, "name", "", "K", 1, 1));

    ExcelExportOutcome outcome;
    const Table matrix = {
        {"", U(u8"ﾌｧｲﾙ番号"), "", "2"},
        {"", U(u8"名称"), "A", "B"},
        {"", "id", "KN"},
        {"", "name", "NN", "KN"},
    };
    ExpectTable(TableOf(Export(0x40008, "m.zvr", outcome)->Sheet(1)), matrix, "matrix");
    EXPECT_TRUE(outcome.finished);

    // Columns C to IV take 254 files; the 255th and all after it are not written, and the
    // message says so instead of reporting completion.
    for (int i = 0; i < 255; ++i)
        model.File(Numbered("f", i).c_str());
    ExcelExportOutcome full;
    const auto book = Export(0x40008, "m.zvr", full);
    EXPECT_FALSE(full.finished);
    EXPECT_EQ(full.objectsNotWritten, 257 - 254);
    EXPECT_EQ(book->Sheet(1).Range("IV2").Text(), CString("f251"));
    const CString message = ExcelExport::CompletionMessage(full, "/tmp/m.xlsx");
    EXPECT_EQ(message.Find(CString(u8"ｴｸｽﾎﾟｰﾄが完了しました。")), -1);
    EXPECT_NE(message.Find(CString(u8"3 件のｵﾌﾞｼﾞｪｸﾄは書き出されていません")), -1);
}

TEST_F(ExcelExportTest, UpdateFormsOfAnUnsavedDocumentUseTheBareSuffixes)
{
    const WORD parentId = model.File("P");
    model.FileAt(parentId).SetFileNumber("1");
    const WORD childId = model.File("C");
    CFileComp& child = model.FileAt(childId);
    child.SetCodeSample(CString("e.g.\r\n1"));
    CData* item = Item(1, "amount", "C1", "K", 1, 1);
    item->SetSummary(CString("s\r\nt"));
    item->SetColumnName("AMT");
    item->SetDataTypeName("CHAR");
    item->SetEditKind(1);
    item->SetDigits(10);
    item->SetNullOption(2);
    item->SetDefaultValue("0");
    child.AddData(item);
    model.Arrow(2, parentId, childId, TRUE);
    const std::string p = std::to_string(parentId), c = std::to_string(childId);

    ExcelExportOutcome conceptOutcome;
    const auto conceptBook = Export(0x1000008, "", conceptOutcome);
    EXPECT_EQ(conceptBook->Sheet(1).NameUtf8(), U(u8"-概念ﾌｧｲﾙ"));
    EXPECT_EQ(conceptBook->Sheet(2).NameUtf8(), U(u8"-所属ﾃﾞｰﾀ項目"));
    const Table conceptFiles = {
        Row({u8"概念ﾌｧｲﾙｵﾌﾞｼﾞｪｸﾄID【変更不可】", u8"ﾌｧｲﾙ番号【変更不可】", u8"概念ﾌｧｲﾙ名【変更不可】",
             u8"発生入出力番号【変更可】", u8"概要説明【変更可】", u8"詳細説明(値事例)【変更可】"}),
        {p, "1", "P"},
        {c, "", "C", "", "", "e.g.\n1"},
    };
    ExpectTable(TableOf(conceptBook->Sheet(1)), conceptFiles, "conceptFiles");
    EXPECT_EQ(TableOf(conceptBook->Sheet(2)).at(1),
              (std::vector<std::string>{c, "", "C", "1", "C1", "amount", "K", "N", "", "s\nt"}));

    ExcelExportOutcome physical;
    const auto physicalBook = Export(0x2000008, "", physical);
    const Table physicalFiles = {
        Row({u8"概念ﾌｧｲﾙｵﾌﾞｼﾞｪｸﾄID【変更不可】", u8"ﾌｧｲﾙ番号【変更不可】", u8"概念ﾌｧｲﾙ名【変更不可】",
             u8"物理実装対象ﾌﾗｸﾞ【変更不可】", u8"物理実装は親概念ﾌｧｲﾙに統合ﾌﾗｸﾞ【変更不可】",
             u8"物理追加ﾃﾞｰﾀ定義用専用ﾌﾗｸﾞ【変更不可】", u8"ﾃｰﾌﾞﾙ名【変更可】", u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名【変更可】",
             u8"ﾃｰﾌﾞﾙ表領域【変更可】", u8"ｲﾝﾃﾞｯｸｽ表領域【変更可】"}),
        {p, "1", "P", "Yes", "", "No"},
        {c, "", "C", "Yes", "No", "No"},
    };
    ExpectTable(TableOf(physicalBook->Sheet(1)), physicalFiles, "physicalFiles");
    EXPECT_EQ(TableOf(physicalBook->Sheet(2)).at(1),
              (std::vector<std::string>{c, "", "C", "1", "C1", "amount", "K", "N", "", "Yes", "AMT", U(u8"CHAR(桁数)"),
                                        "10", "", "NULL", "0"}));
}

TEST_F(ExcelExportTest, ATitleThatCannotNameASheetStopsTheExportWithItsReason)
{
    model.File("x");
    ExcelExportContext context;
    ExcelExportOutcome outcome;
    try {
        ExcelExport::Build(model.doc, 0x80008, "a[1].zvr", context, nullptr, outcome);
        ADD_FAILURE() << "named a sheet a[1].zvr";
    } catch (const SheetError& e) {
        EXPECT_NE(e.Message().Find("a[1].zvr"), -1);
    }
}

} // namespace excel_export_test

namespace excel_export_test {

// A spreadsheet program reads what we write: LibreOffice turns the first sheet into CSV (UTF-8).
// It is a large package, so the test runs only where it is installed.
TEST_F(ExcelExportTest, LibreOfficeReadsTheFirstSheetAsWritten)
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice (libreoffice-calc-nogui) is not installed; the LibreOffice read-back is skipped";
    const WORD fileId = model.File(CString(u8"顧客"));
    model.FileAt(fileId).SetFileNumber("0001");
    model.FileAt(fileId).AddData(Item(1, "id", "007", "K", 1, 1));
    ExcelExportOutcome outcome;
    Export(0x80008, "model.zvr", outcome);
    QProcess convert;
    convert.setWorkingDirectory(dir.path());
    convert.start(soffice, {"--headless", "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76", "--outdir",
                            dir.path(), dir.filePath("out.xlsx")});
    ASSERT_TRUE(convert.waitForFinished(120000));
    QFile csv(dir.filePath("out.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split(QRegularExpression("\r?\n"));
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(
        lines[0].startsWith(QString::fromUtf8(reinterpret_cast<const char*>(u8"ﾌｧｲﾙ番号,概念ﾌｧｲﾙ名,ﾌｧｲﾙ類型,"))));
    // The number keeps its leading zeros: it is a text, not a number.
    EXPECT_TRUE(lines[1].startsWith(QString::fromUtf8(reinterpret_cast<const char*>(u8"0001,顧客,,No,"))));
}

} // namespace excel_export_test
