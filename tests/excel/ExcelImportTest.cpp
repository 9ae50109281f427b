// The spreadsheet imports end to end: a model exported in the DB-interface form comes back as the
// same files and items in a new document, laid out without overlap; the update forms change
// exactly the edited cells' fields in one undo step; an unchanged sheet changes nothing.
#include "tests/excel/HandMadeWorkbooks.h"
#include "tests/model/RelationModel.h"
#include "tests/support/MessageScript.h"
#include "tests/view/ViewTestSupport.h"

#include "excel/ExcelExport.h"
#include "excel/ExcelImport.h"
#include "foundation/ListElements.h"
#include "model/ExcelExportContext.h"
#include "physical/DataType.h"
#include "physical/DataTypeList.h"
#include "platform/ui/UserMessages.h"
#include "view/ExcelImportViewServices.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace excel_import_test {

using namespace ExcelExportOptions;

std::string U(const char8_t* text)
{
    return reinterpret_cast<const char*>(text);
}

class Services : public ExcelImportServices
{
public:
    Services() { types.SetDefaultDataTypes(); }
    const CBoxStyleList* GetFileTypes() const override { return nullptr; }
    const CDataTypeList* GetDataTypes() const override { return &types; }
    ExcelExportProgress* OpenProgress() override
    {
        ++opened;
        return nullptr;
    }
    void CloseProgress() override { ++closed; }
    QString GetLastWorkbook() const override { return last; }
    void SetLastWorkbook(const QString& path) override { last = path; }

    CDataTypeList types;
    int opened = 0, closed = 0;
    QString last;
};

// Hands the view's import request to the import, as the application does.
class ViewImport : public ExcelImportViewServices
{
public:
    ViewImport(const ExcelImportWorkbook& workbook, Services& services)
        : m_workbook(workbook), m_services(services), m_previous(SetExcelImportViewServices(this))
    {
    }
    ~ViewImport() override { SetExcelImportViewServices(m_previous); }
    ViewImport(const ViewImport&) = delete;
    ViewImport& operator=(const ViewImport&) = delete;
    BOOL ImportExcelDbInterface(CBaseView& view, LPARAM) override
    {
        return ExcelImport::ImportDbInterfaceSheet(*view.GetDocument(), &view, m_workbook, m_services);
    }

private:
    const ExcelImportWorkbook& m_workbook;
    Services& m_services;
    ExcelImportViewServices* m_previous;
};

// Every cell of the first two sheets as text, row by row.
std::vector<std::string> Cells(const SheetWorkbook& book)
{
    std::vector<std::string> rows;
    for (int n = 1; n <= 2; ++n) {
        const SheetWorksheet& sheet = book.Sheet(n);
        for (int r = 0; r < sheet.RowCount(); ++r) {
            std::string row = std::to_string(n) + ":";
            for (int c = 0; c < sheet.ColumnCount(r); ++c)
                row += Utf8(SheetCellText(sheet.Cell(r, c))) + "|";
            rows.push_back(row);
        }
    }
    return rows;
}

std::vector<CFileComp*> FilesOf(CBaseDoc& doc)
{
    std::vector<CFileComp*> files;
    CObList* objects = doc.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;)
        if (auto* file = dynamic_cast<CFileComp*>(objects->GetNext(pos)))
            files.push_back(file);
    return files;
}

CData* Item(WORD number, const char* name, const char* numberText, const char* key = "N", WORD group = 0,
            WORD order = 0, WORD level = 1, WORD parent = 0)
{
    return new CData(number, name, numberText, key, "N", "", group, order, level > 1 ? 1 : 0, level, parent);
}

class ExcelImportTest : public ViewTest
{
protected:
    // A model of three files with keys, a child level, physical attributes and multi-line texts.
    void BuildSource()
    {
        CFileComp& customer = model.FileAt(model.File(CString(u8"顧客")));
        customer.SetFileNumber("0001");
        customer.SetSummary(CString("first\r\nsecond"));
        customer.SetNumIOSourceText("12");
        customer.SetTableName("CUSTOMER");
        customer.SetPhysicalTarget(TRUE);
        customer.AddData(Item(1, "id", "D01", "K", 1, 1));
        customer.AddData(Item(2, "address of the customer where the goods go", "D02"));
        customer.AddData(Item(3, "city", "D03", "N", 0, 0, 2, 2));
        CData* id = customer.FindDataByNumber(1);
        id->SetDataTypeName("CHAR");
        id->SetEditKind(1);
        id->SetDigits(8);
        id->SetSummary(CString("key\r\nof the customer"));
        customer.FindDataByNumber(2)->SetDigits(3000000000u);
        customer.FindDataByNumber(2)->SetDefaultValue("0");
        customer.FindDataByNumber(2)->SetExpression("1.5");

        CFileComp& order = model.FileAt(model.File(CString(u8"注文")));
        order.SetFileNumber("12");
        order.SetCodeSample(CString(u8"例１"));
        order.AddData(Item(1, "no", "1", "S", 1, 1));
        order.AddData(Item(2, "line", "2", "S", 1, 2));
        order.FindDataByNumber(2)->SetColumnName("LINE_NO");

        CFileComp& empty = model.FileAt(model.File("empty"));
        empty.SetFileNumber("3");
    }

    ExcelImportWorkbook Export(DWORD options) { return Export(model.doc, options); }
    ExcelImportWorkbook Export(CBaseDoc& doc, DWORD options)
    {
        ExcelExportContext context;
        const CDataTypeList* types = &services.types;
        context.typeLabel = [types](const CString& name, WORD editKind) {
            const CDataType* type = types->FindDataTypeByNameAndKind(name, editKind);
            return type ? type->GetLabel() : CString();
        };
        ExcelExportOutcome outcome;
        auto book = ExcelExport::Build(doc, options, "model.zvr", context, nullptr, outcome);
        ExcelImportWorkbook workbook;
        workbook.path = dir.filePath(QString("export%1.xlsx").arg(++exports));
        book->SaveAs(workbook.path);
        workbook.book = SheetWorkbook::Open(workbook.path);
        return workbook;
    }

    // The workbook written again after the edit, then read back, as a user's save would.
    void SaveAndReopen(ExcelImportWorkbook& workbook)
    {
        workbook.book->SaveAs(workbook.path);
        workbook.book = SheetWorkbook::Open(workbook.path);
    }

    // The DB-interface import into the view's new document, through the view's message.
    LRESULT ImportIntoView(const ExcelImportWorkbook& workbook)
    {
        CZivraView& view = Open();
        ViewImport import(workbook, services);
        return view.SendMessage(UM_IMPORT_EXCEL_DBIF, 0, reinterpret_cast<LPARAM>(&workbook));
    }

    RelationModel model;
    Services services;
    QTemporaryDir dir;
    int exports = 0;
};

TEST_F(ExcelImportTest, ExportedInterfaceFormComesBackAsTheSameModelLaidOutWithoutOverlap)
{
    BuildSource();
    // Enough files to fill more than one row of the document.
    for (int i = 0; i < 14; ++i) {
        CFileComp& file = model.FileAt(model.File(("more" + std::to_string(i)).c_str()));
        file.SetFileNumber(CString(std::to_string(100 + i)));
        for (WORD n = 1; n <= WORD(i % 5); ++n)
            file.AddData(Item(n, ("item" + std::to_string(n)).c_str(), ""));
    }
    const ExcelImportWorkbook workbook = Export(kFiles | kInterface);
    MessageScript script;
    EXPECT_EQ(ImportIntoView(workbook), 1);
    ASSERT_EQ(script.Texts(), std::vector<std::string>{U(u8"ｲﾝﾎﾟｰﾄが完了しました。")});
    EXPECT_EQ(services.closed, 1);

    // The same files and items: the import's document exports to the same cells.
    EXPECT_EQ(Cells(*Export(*m_doc, kFiles | kInterface).book), Cells(*workbook.book));

    // Laid out without overlap, inside the document, all within one undo step.
    const std::vector<CFileComp*> files = FilesOf(*m_doc);
    ASSERT_EQ(files.size(), 17u);
    CPoint far;
    m_view->GetDocumentBottomRight(far);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const CRect a = files[i]->GetRect();
        EXPECT_TRUE(a.left > 0 && a.top < 0 && a.right <= far.x && a.bottom >= far.y) << i;
        for (std::size_t j = i + 1; j < files.size(); ++j) {
            const CRect b = files[j]->GetRect();
            const bool apart = a.right <= b.left || b.right <= a.left || a.bottom >= b.top || b.bottom >= a.top;
            EXPECT_TRUE(apart) << i << " and " << j;
        }
    }
    // A file enlarged by its texts pushes the next one right by its real width.
    EXPECT_GT(files[0]->GetRect().Width(), 240);
    EXPECT_EQ(files[1]->GetRect().left, files[0]->GetRect().right + 2 * m_view->GetGridWidth());
    EXPECT_TRUE(m_doc->IsModified());
    m_doc->Undo();
    EXPECT_TRUE(FilesOf(*m_doc).empty());
}

TEST_F(ExcelImportTest, RowsOfOneFileApartAreJoinedAndUnknownFilesAreListedOnce)
{
    ExcelImportWorkbook workbook;
    workbook.book = std::make_unique<SheetWorkbook>(2);
    SheetWorksheet& files = workbook.book->Sheet(1);
    SheetWorksheet& items = workbook.book->Sheet(2);
    files.Range("A2:B2").SetValue(std::vector<CString>{"1", "one"});
    files.Range("A3:B3").SetValue(std::vector<CString>{"2", "two"});
    files.Range("A4").SetValue(3.0); // a number where the export wrote the text "3"
    files.Range("B4").SetValue(CString("three"));
    const struct
    {
        const char* file;
        const char* fileName;
        const char* name;
        const char* key;
        const char* group;
        const char* level;
    } rows[] = {
        {"1", "", "a", "K", "", "1"},                                   // a key item whose group cell is empty
        {"2", "", "b", "N", "", "1"},     {"1", "", "c", "N", "", "2"}, // file 1 again: joined to its first run, under a
        {"9", "nine", "x", "N", "", "1"}, {"9", "nine", "y", "N", "", "1"}, {"", "three", "z", "N", "", "1"},
    };
    long row = 2;
    for (const auto& r : rows) {
        items.Range(CString("A") + CString(std::to_string(row)) + ":O" + CString(std::to_string(row)))
            .SetValue(std::vector<CString>{r.file, r.fileName, "", "", r.name, r.key, r.group, "", "N", "", "", "", "",
                                           "", r.level});
        ++row;
    }
    MessageScript script;
    EXPECT_EQ(ImportIntoView(workbook), 1);
    const std::vector<std::string> texts = script.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[0].find(U(u8"5行目  ﾌｧｲﾙ番号 : 9  概念ﾌｧｲﾙ名 : nine")), std::string::npos) << texts[0];
    EXPECT_NE(texts[0].find(U(u8"6行目")), std::string::npos) << texts[0];
    EXPECT_NE(texts[1].find(U(u8"1 件の概念ﾌｧｲﾙ")), std::string::npos) << texts[1];
    EXPECT_NE(texts[1].find(U(u8"ﾌｧｲﾙ番号 : 1  概念ﾌｧｲﾙ名 : one")), std::string::npos) << texts[1];

    const std::vector<CFileComp*> imported = FilesOf(*m_doc);
    ASSERT_EQ(imported.size(), 3u);
    ASSERT_EQ(imported[0]->GetDataCount(), 2);
    EXPECT_EQ(imported[0]->FindDataByNumber(1)->GetName(), CString("a"));
    EXPECT_EQ(imported[0]->FindDataByNumber(1)->GetKeyCode(), CString("K"));
    EXPECT_EQ(imported[0]->FindDataByNumber(2)->GetParentItem(), 1);
    EXPECT_EQ(imported[2]->GetFileNumber(), CString("3"));
    ASSERT_EQ(imported[2]->GetDataCount(), 1); // attached by name
}

TEST_F(ExcelImportTest, AnImportThatCannotFinishLeavesTheNewDocumentEmpty)
{
    ExcelImportWorkbook workbook;
    workbook.book = std::make_unique<SheetWorkbook>(2);
    for (int r = 2; r <= 4; ++r)
        workbook.book->Sheet(1).Range(CString("B") + CString(std::to_string(r))).SetValue(CString("f"));
    m_doc->SetNextObjectId(MAX_OBJECT_ID - 1); // room for one file of three
    MessageScript script;
    EXPECT_EQ(ImportIntoView(workbook), 0);
    ASSERT_EQ(script.Texts().size(), 1u);
    EXPECT_NE(script.Texts()[0].find(U(u8"最大値")), std::string::npos);
    EXPECT_TRUE(FilesOf(*m_doc).empty());
    EXPECT_EQ(m_doc->GetNextObjectId(), MAX_OBJECT_ID - 1);
    EXPECT_FALSE(m_doc->IsModified());
    EXPECT_EQ(services.closed, 1);
}

// An item the file's list cannot take: the list says why, the import says it stops, and the new
// document stays empty with every item freed once.
TEST_F(ExcelImportTest, AnItemTheListCannotTakeStopsTheImport)
{
    ExcelImportWorkbook workbook;
    workbook.book = std::make_unique<SheetWorkbook>(2);
    workbook.book->Sheet(1).Range("A2:B2").SetValue(std::vector<CString>{"1", "one"});
    for (const char* row : {"2", "3"})
        workbook.book->Sheet(2)
            .Range(CString("A") + row + ":E" + row)
            .SetValue(std::vector<CString>{"1", "", "", "", CString("item") + row});
    int appends = 0;
    const LinkFailureProbe previous = SetLinkFailureProbe(
        [&appends](const char* caller) { return std::string(caller) == "CDataList::AddDataDirect" && ++appends == 2; });
    MessageScript script;
    const LRESULT result = ImportIntoView(workbook);
    SetLinkFailureProbe(previous);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(script.Texts(),
              (std::vector<std::string>{
                  U(u8"ﾒﾓﾘ不足のため処理を実行できません。(CDataList::AddDataDirect)"),
                  U(u8"所属ﾃﾞｰﾀ項目ｵﾌﾞｼﾞｪｸﾄの追加時にｴﾗｰが発生したため所属ﾃﾞｰﾀ項目をｲﾝﾎﾟｰﾄできません。")}));
    EXPECT_TRUE(FilesOf(*m_doc).empty());
    EXPECT_FALSE(m_doc->IsModified());
    EXPECT_EQ(services.closed, 1);
}

TEST_F(ExcelImportTest, ConceptUpdateChangesExactlyTheEditedCellsInOneUndoStep)
{
    BuildSource();
    ExcelImportWorkbook workbook = Export(kFiles | kConceptUpdate);
    {
        // Unchanged: nothing changes, nothing is recorded.
        MessageScript script;
        CUndoStep step(&model.doc);
        model.doc.SetModifiedFlag(FALSE);
        EXPECT_TRUE(ExcelImport::ImportConceptAttributeSheet(model.doc, workbook, services));
        EXPECT_EQ(script.Texts(), std::vector<std::string>{U(u8"概念属性更新形式ｼｰﾄからのｲﾝﾎﾟｰﾄ更新が完了しました。"
                                                             u8"\n更新されたものはありませんでした。")});
        EXPECT_FALSE(model.doc.IsModified());
        EXPECT_FALSE(model.doc.IsRecordedForUndo(FilesOf(model.doc)[0]->GetObjectId()));
    }
    SheetWorksheet& files = workbook.book->Sheet(1);
    SheetWorksheet& items = workbook.book->Sheet(2);
    files.Range("E2").SetValue(CString("new\nsummary")); // 顧客's summary, two lines
    files.Range("D3").SetValue(13.0);                    // 注文's label, as a number
    items.Range("K3").SetValue(CString("x + y"));        // 顧客's item 2 expression
    items.Range("J4").SetValue(CString(""));             // 顧客's item 3 summary, unchanged (empty)
    items.Range("G5").SetValue(CString("K"));            // a key code: not read
    items.Range("A7:F7").SetValue(std::vector<CString>{"999", "0001", "", "1", "D01", "id"}); // no such object
    SaveAndReopen(workbook);
    const std::string before = Utf8(FilesOf(model.doc)[2]->GetSummary());

    MessageScript script;
    {
        CUndoStep step(&model.doc);
        EXPECT_TRUE(ExcelImport::ImportConceptAttributeSheet(model.doc, workbook, services));
    }
    EXPECT_EQ(script.Texts(),
              std::vector<std::string>{U(u8"概念属性更新形式ｼｰﾄからのｲﾝﾎﾟｰﾄ更新が完了しました。"
                                         u8"\n概念ﾌｧｲﾙ更新件数 : 2\nﾃﾞｰﾀ項目更新件数 : 1"
                                         u8"\n該当する概念ﾌｧｲﾙまたはﾃﾞｰﾀ項目が見つからず読み飛ばした行 : 1")});
    const std::vector<CFileComp*> after = FilesOf(model.doc);
    EXPECT_EQ(after[0]->GetSummary(), CString("new\r\nsummary"));
    EXPECT_EQ(after[1]->GetNumIOSourceText(), CString("13"));
    EXPECT_EQ(after[0]->FindDataByNumber(2)->GetExpression(), CString("x + y"));
    EXPECT_EQ(after[0]->FindDataByNumber(1)->GetSummary(), CString("key\r\nof the customer"));
    EXPECT_EQ(after[0]->GetNumIOSourceText(), CString("12"));
    EXPECT_EQ(after[1]->GetCodeSample(), CString(u8"例１"));
    EXPECT_EQ(Utf8(after[2]->GetSummary()), before);
    EXPECT_TRUE(model.doc.IsModified());
    EXPECT_TRUE(model.doc.IsObjectSelected(after[0]));

    model.doc.Undo(); // one step restores all of them
    const std::vector<CFileComp*> undone = FilesOf(model.doc);
    EXPECT_EQ(undone[0]->GetSummary(), CString("first\r\nsecond"));
    EXPECT_EQ(undone[1]->GetNumIOSourceText(), CString(""));
    EXPECT_EQ(undone[0]->FindDataByNumber(2)->GetExpression(), CString("1.5"));
}

TEST_F(ExcelImportTest, PhysicalUpdateKeepsWhatACellCannotSayAndAppliesTheEdits)
{
    BuildSource();
    CFileComp& customer = *FilesOf(model.doc)[0];
    customer.FindDataByNumber(2)->SetNullOption(3);          // no cell text for it
    customer.FindDataByNumber(3)->SetDataTypeName("NOSUCH"); // not in the data-type list
    customer.FindDataByNumber(3)->SetEditKind(1);
    ExcelImportWorkbook workbook = Export(kFiles | kPhysicalUpdate);
    SaveAndReopen(workbook);
    {
        MessageScript script;
        CUndoStep step(&model.doc);
        EXPECT_TRUE(ExcelImport::ImportPhysicalAttributeSheet(model.doc, workbook, services));
        EXPECT_EQ(script.Texts(), std::vector<std::string>{U(u8"物理属性更新形式ｼｰﾄからのｲﾝﾎﾟｰﾄ更新が完了しました。"
                                                             u8"\n更新されたものはありませんでした。")});
    }
    EXPECT_EQ(customer.FindDataByNumber(2)->GetNullOption(), 3);
    EXPECT_EQ(customer.FindDataByNumber(2)->GetDigits(), 3000000000u);
    EXPECT_EQ(customer.FindDataByNumber(3)->GetDataTypeName(), CString("NOSUCH"));

    SheetWorksheet& files = workbook.book->Sheet(1);
    SheetWorksheet& items = workbook.book->Sheet(2);
    files.Range("G3").SetValue(CString("ORDERS"));
    items.Range("L2").SetValue(CString(u8"VARCHAR2(桁数)"));
    items.Range("M2").SetValue(20.0);
    items.Range("O3").SetValue(CString("not null"));
    items.Range("L4").SetValue(CString("CHAR")); // no label: the type stays, the row's other cells apply
    items.Range("K4").SetValue(CString("CITY"));
    SaveAndReopen(workbook);
    MessageScript script;
    {
        CUndoStep step(&model.doc);
        EXPECT_TRUE(ExcelImport::ImportPhysicalAttributeSheet(model.doc, workbook, services));
    }
    EXPECT_EQ(script.Texts(), std::vector<std::string>{U(u8"物理属性更新形式ｼｰﾄからのｲﾝﾎﾟｰﾄ更新が完了しました。"
                                                         u8"\n概念ﾌｧｲﾙ更新件数 : 1\nﾃﾞｰﾀ項目更新件数 : 3")});
    const CFileComp& order = *FilesOf(model.doc)[1];
    EXPECT_EQ(order.GetTableName(), CString("ORDERS"));
    const CData& id = *customer.FindDataByNumber(1);
    EXPECT_EQ(id.GetDataTypeName(), CString("VARCHAR2"));
    EXPECT_EQ(id.GetEditKind(), 1);
    EXPECT_EQ(id.GetDigits(), 20u);
    EXPECT_EQ(customer.FindDataByNumber(2)->GetNullOption(), 1);
    EXPECT_EQ(customer.FindDataByNumber(2)->GetDigits(), 3000000000u);
    EXPECT_EQ(customer.FindDataByNumber(3)->GetDataTypeName(), CString("NOSUCH"));
    EXPECT_EQ(customer.FindDataByNumber(3)->GetColumnName(), CString("CITY"));
}

// LibreOffice saves what we export in its own way (shared strings, its own styles, .ods); read
// back unchanged, the update forms change nothing and the DB-interface form gives the same model.
// It is a large package, so the test runs only where it is installed.
TEST_F(ExcelImportTest, WorkbooksSavedAgainByLibreOfficeComeBackUnchanged)
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice (libreoffice-calc-nogui) is not installed; the LibreOffice round trip is skipped";
    BuildSource();
    const QString profile = QUrl::fromLocalFile(dir.filePath("lo-profile")).toString();
    // The exported workbook saved by LibreOffice as .ods, and that .ods saved again as .xlsx.
    auto resave = [&](const ExcelImportWorkbook& exported) {
        std::vector<ExcelImportWorkbook> saved;
        QString source = exported.path;
        for (const char* format : {"ods", "xlsx"}) {
            const QString out = dir.filePath(QString("lo-%1").arg(format));
            QProcess convert;
            convert.start(soffice, {"-env:UserInstallation=" + profile, "--headless", "--convert-to", format,
                                    "--outdir", out, source});
            EXPECT_TRUE(convert.waitForFinished(180000));
            ExcelImportWorkbook workbook;
            workbook.path = out + "/" + QFileInfo(source).completeBaseName() + "." + format;
            workbook.book = SheetWorkbook::Open(workbook.path);
            source = workbook.path;
            saved.push_back(std::move(workbook));
        }
        return saved;
    };
    for (DWORD form : {kConceptUpdate, kPhysicalUpdate}) {
        for (const ExcelImportWorkbook& workbook : resave(Export(kFiles | form))) {
            MessageScript script;
            CUndoStep step(&model.doc);
            const BOOL done = form == kConceptUpdate
                                  ? ExcelImport::ImportConceptAttributeSheet(model.doc, workbook, services)
                                  : ExcelImport::ImportPhysicalAttributeSheet(model.doc, workbook, services);
            EXPECT_TRUE(done);
            ASSERT_EQ(script.Texts().size(), 1u);
            EXPECT_NE(script.Texts()[0].find(U(u8"更新されたものはありませんでした。")), std::string::npos)
                << workbook.path.toStdString() << "\n"
                << script.Texts()[0];
        }
    }
    const ExcelImportWorkbook exported = Export(kFiles | kInterface);
    const std::vector<ExcelImportWorkbook> saved = resave(exported);
    MessageScript script;
    EXPECT_EQ(ImportIntoView(saved.front()), 1);
    EXPECT_EQ(Cells(*Export(*m_doc, kFiles | kInterface).book), Cells(*exported.book));
}

} // namespace excel_import_test
