// The two update imports. Each row names a conceptual file by its object id, confirmed by its
// number or name, and on the second sheet one of its items by item number, confirmed by number
// text or name; only the columns a user may change are read, and a field changes only when the
// cell differs from what the export writes for it, so an exported sheet read back unchanged
// changes nothing, even where a cell cannot express the stored value (a NULL option the sheet
// has no word for, a type missing from the data-type list).
#include "excel/ExcelImport.h"
#include "excel/ExcelImportRun.h"

#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "foundation/TextFunctions.h"
#include "model/Data.h"
#include "model/FileComp.h"
#include "objects/ExcelCells.h"
#include "physical/DataType.h"
#include "physical/DataTypeList.h"
#include "platform/afx/MessageSink.h"

namespace excel_update_import_cpp {

constexpr int A = 0, B = 1, C = 2, D = 3, E = 4, F = 5, G = 6, H = 7, I = 8, J = 9, K = 10, L = 11, M = 12, N = 13,
              O = 14, P = 15;

CString ShortForm(const CString& stored)
{
    CString text;
    TextForExcelCell(text, stored);
    return text;
}

CString MultiLineForm(const CString& stored)
{
    CString text;
    TextForExcelCellWithSeparator(text, stored, '\n');
    return text;
}

CString LongText(const CString& cell)
{
    CString text;
    TextFromExcelCell(text, cell);
    return text;
}

// The counts of one import.
struct Tally
{
    int files = 0;
    int items = 0;
    int unmatched = 0; // rows that named no file or item of the document
};

// The conceptual file the row names, or null. `end` is set when column A reads 0.
CFileComp* MatchFile(const CBaseDoc& doc, const ExcelImportSheet& sheet, long row, bool& end)
{
    const WORD id = sheet.WholeNumber(A, row);
    end = id == 0;
    if (end)
        return nullptr;
    const CString number = sheet.NumberText(B, row);
    const CString name = sheet.Text(C, row);
    if (number.IsEmpty() && name.IsEmpty())
        return nullptr;
    CObject* object = nullptr;
    doc.FindObjectById(id, object);
    auto* file = dynamic_cast<CFileComp*>(object);
    if (!file)
        return nullptr;
    if (!number.IsEmpty() && number == ShortForm(file->GetFileNumber()))
        return file;
    if (!name.IsEmpty() && name == ShortForm(file->GetFileName()))
        return file;
    return nullptr;
}

CData* MatchItem(const CFileComp& file, const ExcelImportSheet& sheet, long row)
{
    const CString numberText = sheet.NumberText(E, row);
    const CString name = sheet.Text(F, row);
    if (numberText.IsEmpty() && name.IsEmpty())
        return nullptr;
    CData* item = file.FindDataByNumber(sheet.WholeNumber(D, row));
    if (!item)
        return nullptr;
    if (!numberText.IsEmpty() && numberText == item->GetNumberText())
        return item;
    if (!name.IsEmpty() && name == item->GetName())
        return item;
    return nullptr;
}

// Before the first change of a file: recorded for undo once, selected once.
void Touch(CBaseDoc& doc, CFileComp& file)
{
    doc.RecordChangedOnce(&file);
    if (!doc.IsObjectSelected(&file))
        doc.SelectObjectInViews(&file);
}

template <class FileRow, class ItemRow>
Tally ReadSheets(CBaseDoc& doc, ExcelImportRun& run, const ExcelImportWorkbook& workbook, FileRow fileRow,
                 ItemRow itemRow)
{
    Tally tally;
    run.SetPhaseText(CString(u8"概念ﾌｧｲﾙ ｼｰﾄのｲﾝﾎﾟｰﾄ中..."));
    const ExcelImportSheet files = run.Sheet(workbook, 1);
    for (long row = 2;; ++row) {
        bool end = false;
        CFileComp* file = MatchFile(doc, files, row, end);
        if (end)
            break;
        if (!file)
            ++tally.unmatched;
        else if (fileRow(*file, files, row))
            ++tally.files;
        run.SetCount(int(row - 1));
    }
    run.SetPhaseText(CString(u8"所属ﾃﾞｰﾀ項目ｼｰﾄのｲﾝﾎﾟｰﾄ中..."));
    const ExcelImportSheet items = run.Sheet(workbook, 2);
    for (long row = 2;; ++row) {
        bool end = false;
        CFileComp* file = MatchFile(doc, items, row, end);
        if (end)
            break;
        CData* item = file ? MatchItem(*file, items, row) : nullptr;
        if (!item)
            ++tally.unmatched;
        else if (itemRow(*file, *item, items, row))
            ++tally.items;
        run.SetCount(int(row - 1));
    }
    return tally;
}

BOOL EndImport(CBaseDoc& doc, ExcelImportRun& run, const Tally& tally, const char8_t* completed, bool updateViews)
{
    CString message(completed);
    if (tally.files == 0 && tally.items == 0) {
        message += CString(u8"\n更新されたものはありませんでした。");
    } else {
        doc.SetModified(TRUE);
        if (updateViews)
            doc.UpdateAllViews(nullptr);
        CString counts;
        counts.Format(CString(u8"\n概念ﾌｧｲﾙ更新件数 : %d\nﾃﾞｰﾀ項目更新件数 : %d").GetString(), tally.files,
                      tally.items);
        message += counts;
    }
    if (tally.unmatched > 0) {
        CString line;
        line.Format(CString(u8"\n該当する概念ﾌｧｲﾙまたはﾃﾞｰﾀ項目が見つからず読み飛ばした行 : %d").GetString(),
                    tally.unmatched);
        message += line;
    }
    return run.End(message);
}

using Importer = BOOL (*)(CBaseDoc&, const ExcelImportWorkbook&, ExcelImportServices&);

void RunUpdateCommand(CBaseDoc& doc, ExcelImportServices& services, const char8_t* question, Importer import)
{
    doc.EndInPlaceEditInViews();
    if (AfxMessageBox(CString(question), MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    const auto workbook = ExcelImport::ChooseWorkbook(services);
    if (!workbook)
        return;
    doc.DeselectAllInViews();
    CUndoStep step(&doc);
    if (!step.IsOpen())
        return;
    import(doc, *workbook, services);
}

} // namespace excel_update_import_cpp

namespace ExcelImport {

BOOL ImportConceptAttributeSheet(CBaseDoc& doc, const ExcelImportWorkbook& workbook, ExcelImportServices& services)
{
    using namespace excel_update_import_cpp;
    ExcelImportRun run(services, CString(u8"Excelからの概念属性更新形式ｼｰﾄ ｲﾝﾎﾟｰﾄ準備中..."));
    const Tally tally = ReadSheets(
        doc, run, workbook,
        [&](CFileComp& file, const ExcelImportSheet& sheet, long row) {
            const CString label = sheet.Text(D, row);
            const CString summary = sheet.Text(E, row);
            const CString details = sheet.Text(F, row);
            const bool labelDiffers = label != file.GetNumIOSourceText();
            const bool summaryDiffers = summary != MultiLineForm(file.GetSummary());
            const bool detailsDiffers = details != MultiLineForm(file.GetCodeSample());
            if (!labelDiffers && !summaryDiffers && !detailsDiffers)
                return false;
            Touch(doc, file);
            if (labelDiffers)
                file.SetNumIOSourceText(label);
            if (summaryDiffers)
                file.SetSummary(LongText(summary));
            if (detailsDiffers)
                file.SetCodeSample(LongText(details));
            return true;
        },
        [&](CFileComp& file, CData& item, const ExcelImportSheet& sheet, long row) {
            const CString summary = sheet.Text(J, row);
            const CString expression = sheet.Text(K, row);
            const bool summaryDiffers = summary != MultiLineForm(item.GetSummary());
            const bool expressionDiffers = expression != MultiLineForm(item.GetExpression());
            if (!summaryDiffers && !expressionDiffers)
                return false;
            Touch(doc, file);
            if (summaryDiffers)
                item.SetSummary(LongText(summary));
            if (expressionDiffers)
                item.SetExpression(LongText(expression));
            return true;
        });
    return EndImport(doc, run, tally, u8"概念属性更新形式ｼｰﾄからのｲﾝﾎﾟｰﾄ更新が完了しました。", false);
}

BOOL ImportPhysicalAttributeSheet(CBaseDoc& doc, const ExcelImportWorkbook& workbook, ExcelImportServices& services)
{
    using namespace excel_update_import_cpp;
    ExcelImportRun run(services, CString(u8"Excelからの物理属性更新形式ｼｰﾄ ｲﾝﾎﾟｰﾄ準備中..."));
    const CDataTypeList* types = services.GetDataTypes();
    const Tally tally = ReadSheets(
        doc, run, workbook,
        [&](CFileComp& file, const ExcelImportSheet& sheet, long row) {
            if (file.GetPhyControlDedicated())
                return false;
            const CString table = sheet.Text(G, row);
            const CString index = sheet.Text(H, row);
            const CString tableSpace = sheet.Text(I, row);
            const CString indexSpace = sheet.Text(J, row);
            const bool tableDiffers = table != file.GetTableName();
            const bool indexDiffers = index != file.GetPrimaryIndexName();
            const bool tableSpaceDiffers = tableSpace != file.GetTableSpace();
            const bool indexSpaceDiffers = indexSpace != file.GetIndexSpace();
            if (!tableDiffers && !indexDiffers && !tableSpaceDiffers && !indexSpaceDiffers)
                return false;
            Touch(doc, file);
            if (tableDiffers)
                file.SetTableName(table);
            if (indexDiffers)
                file.SetPrimaryIndexName(index);
            if (tableSpaceDiffers)
                file.SetTableSpace(tableSpace);
            if (indexSpaceDiffers)
                file.SetIndexSpace(indexSpace);
            return true;
        },
        [&](CFileComp& file, CData& item, const ExcelImportSheet& sheet, long row) {
            const CString column = sheet.Text(K, row);
            // The type and the NULL option as the export writes them: a cell that still says that
            // leaves the stored value, even one the cell has no text for.
            const CDataType* current =
                types ? types->FindDataTypeByNameAndKind(item.GetDataTypeName(), item.GetEditKind()) : nullptr;
            const CString currentLabel = current ? current->GetLabel() : CString();
            ExcelImportSheet::TypeReading type;
            if (sheet.Text(L, row) != currentLabel)
                type = sheet.DataType(L, row, types);
            std::optional<WORD> nullOption;
            if (sheet.Text(O, row) != ExcelCells::NullOption(item.GetNullOption()))
                nullOption = sheet.NullOption(O, row);
            const DWORD digits = sheet.LongNumber(M, row);
            const DWORD decimals = sheet.LongNumber(N, row);
            const CString defaultValue = sheet.Text(P, row);

            const bool columnDiffers = column != item.GetColumnName();
            const bool typeDiffers =
                type.recognised && (type.name != item.GetDataTypeName() || type.editKind != item.GetEditKind());
            const bool digitsDiffers = digits != item.GetDigits();
            const bool decimalsDiffers = decimals != item.GetDecimals();
            const bool nullDiffers = nullOption && *nullOption != item.GetNullOption();
            const bool defaultDiffers = defaultValue != item.GetDefaultValue();
            if (!columnDiffers && !typeDiffers && !digitsDiffers && !decimalsDiffers && !nullDiffers && !defaultDiffers)
                return false;
            Touch(doc, file);
            if (columnDiffers)
                item.SetColumnName(column);
            if (typeDiffers) {
                item.SetDataTypeName(type.name);
                item.SetEditKind(type.editKind);
            }
            if (digitsDiffers)
                item.SetDigits(digits);
            if (decimalsDiffers)
                item.SetDecimals(decimals);
            if (nullDiffers)
                item.SetNullOption(*nullOption);
            if (defaultDiffers)
                item.SetDefaultValue(defaultValue);
            return true;
        });
    return EndImport(doc, run, tally, u8"物理属性更新形式ｼｰﾄからのｲﾝﾎﾟｰﾄ更新が完了しました。", true);
}

void RunConceptAttributeUpdate(CBaseDoc& doc, ExcelImportServices& services)
{
    excel_update_import_cpp::RunUpdateCommand(
        doc, services, u8"現在開かれているExcelの概念属性更新形式ｼｰﾄからﾃﾞｰﾀをｲﾝﾎﾟｰﾄし概念ﾌｧｲﾙを更新します。",
        &ImportConceptAttributeSheet);
}

void RunPhysicalAttributeUpdate(CBaseDoc& doc, ExcelImportServices& services)
{
    excel_update_import_cpp::RunUpdateCommand(
        doc, services, u8"現在開かれているExcelの物理属性更新形式ｼｰﾄからﾃﾞｰﾀをｲﾝﾎﾟｰﾄし概念ﾌｧｲﾙを更新します。",
        &ImportPhysicalAttributeSheet);
}

} // namespace ExcelImport
